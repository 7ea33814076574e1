#include "skin/boxctrls/TskListBox.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/boxctrls/TskSkinCustomListBox.h"
#include "skin/boxctrls/skBoxMessages.h"
#include "skin/boxctrls/skTabStops.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/skExternalScrollBar.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"

TskListBox::TskListBox(TComponent* AOwner) : TListBox(AOwner) {
  SetCtl3D(false);
  SetBorderStyle(bsNone);
  FControlStyle = { csCaptureMouse, csOpaque, csDoubleClicks };
}

void TskListBox::CreateParams(TCreateParams& Params) {
  TListBox::CreateParams(Params);
  Params.Style = (Params.Style & ~WS_BORDER) | WS_TABSTOP;
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
  Params.WindowClass.style = CS_DBLCLKS;
}

void TskListBox::CreateWnd() {
  TListBox::CreateWnd();
  if (SkinListBox) SkinListBox->ListBoxCreateWnd();
}

void TskListBox::SetHorizontalExtentValue(int Value) {
  FHorizontalExtentValue = Value;
  if (HandleAllocated()) Repaint();
}

void TskListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int OldWidth = Width();
  TListBox::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (OldWidth != Width() && FHorizontalExtentValue > 0) {
    FHorizontalExtentValue = std::max(0, FHorizontalExtentValue + OldWidth - Width());
    Repaint();
  }
}

void TskListBox::WndProc(TMessage& Message) {
  if (SkinListBox) {
    bool Handled = true;
    SkinListBox->ListBoxWProc(Message, Handled);
    if (!Handled) return;
  }
  TListBox::WndProc(Message);
  if (!SkinListBox) return;
  switch (Message.Msg) {
  case WM_ERASEBKGND:
  case LB_ADDSTRING:
  case LB_INSERTSTRING:
  case LB_DELETESTRING: SkinListBox->UpDateScrollBar(); break;
  case WM_LBUTTONDBLCLK: SkinListBox->ListBoxDblClick(); break;
  case WM_MOUSEWHEEL: Wheel(int16_t(HIWORD(Message.WParam))); break;
  case WM_SKINPRINTBKGNDEX:
    if (Count() == 0 && Message.LParam == SkinPrintNCExKey) {
      if (Message.WParam) PaintBackgroundDC(HDC(Message.WParam));
      Message.Result = SkinPrintNCExKey;
    }
    break;
  default: break;
  }
}

// One row a wheel message, by the list's own scroll message so its scroll state stays the truth.
void TskListBox::Wheel(int Delta) {
  if (SkinListBox->ScrollBar) {
    SendMessage(Handle(), WM_VSCROLL, MAKEWPARAM(Delta <= 0 ? SB_LINEDOWN : SB_LINEUP, 0), 0);
    SkinListBox->UpDateScrollBar();
  } else if (TskSkinScrollBar* Bar = SkinListBox->HScrollBar) {
    Bar->SetPosition(Bar->Position() + (Delta > 0 ? -Bar->SmallChange() : Bar->SmallChange()));
  }
}

void TskListBox::Dispatch(TMessage& Message) {
  if (AnswerOutsideBarsNonClient(Message)) return;
  switch (Message.Msg) {
  case WM_ERASEBKGND:
    if (Width() > 0 && Height() > 0) PaintBackgroundDC(HDC(Message.WParam));
    Message.Result = 1;
    return;
  case WM_PAINT:
    // Every row and the space below them from the skin, not the native list's own painting.
    PaintHandler(Message);
    return;
  case CN_DRAWITEM: {
    const auto* Draw = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
    DrawItemTo(Draw->hDC, int(Draw->itemID), Draw->rcItem, TOwnerDrawState::FromBits(Draw->itemState & 0xFFFF));
    Message.Result = 1;
    return;
  }
  case CM_ENTER:
  case CM_EXIT:
    if (SkinListBox) Message.Msg == CM_ENTER ? SkinListBox->ListBoxEnter() : SkinListBox->ListBoxExit();
    TListBox::Dispatch(Message);
    return;
  default: TListBox::Dispatch(Message);
  }
}

// ---- Input, handed to the owner first ----

void TskListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (SkinListBox) SkinListBox->ListBoxMouseDown(Button, Shift, X, Y);
  TListBox::MouseDown(Button, Shift, X, Y);
}

void TskListBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (SkinListBox) SkinListBox->ListBoxMouseMove(Shift, X, Y);
  TListBox::MouseMove(Shift, X, Y);
}

void TskListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (SkinListBox) SkinListBox->ListBoxMouseUp(Button, Shift, X, Y);
  TListBox::MouseUp(Button, Shift, X, Y);
}

void TskListBox::Click() {
  if (SkinListBox) SkinListBox->ListBoxClick();
  TListBox::Click();
}

void TskListBox::KeyDown(Word& Key, TShiftState Shift) {
  if (SkinListBox) {
    SkinListBox->ListBoxKeyDown(Key, Shift);
    if (TskSkinScrollBar* Bar = SkinListBox->HScrollBar; Bar && (Key == VK_LEFT || Key == VK_RIGHT)) {
      Bar->SetPosition(Bar->Position() + (Key == VK_LEFT ? -Bar->SmallChange() : Bar->SmallChange()));
      Key = 0;
    }
  }
  TListBox::KeyDown(Key, Shift);
}

void TskListBox::KeyUp(Word& Key, TShiftState Shift) {
  if (SkinListBox) SkinListBox->ListBoxKeyUp(Key, Shift);
  TListBox::KeyUp(Key, Shift);
}

void TskListBox::KeyPress(char32_t& Key) {
  if (SkinListBox) SkinListBox->ListBoxKeyPress(Key);
  TListBox::KeyPress(Key);
}

// ---- Painting ----

void TskListBox::PaintClientTile(TCanvas* Canvas, int X, int Y, int W, int H) {
  const TskSkinCustomListBox* Owner = SkinListBox;
  const TRect& Cl = Owner->ClRect;
  const int TW = Cl.Width(), TH = Cl.Height();
  if (W <= 0 || H <= 0) return;
  if (TW <= 0 || TH <= 0 || !Owner->Picture) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clWindow);
    Canvas->FillRect(Bounds(X, Y, W, H));
    return;
  }
  const TRect Source = Bounds(Owner->SkinRect.Left + Cl.Left, Owner->SkinRect.Top + Cl.Top, TW, TH);
  const TTileKey Key { Owner->Picture, Source, W, H };
  if (!FTile || !(FTileKey == Key)) {
    FTile = std::make_unique<TBitmap>();
    FTile->SetSize(W, H);
    for (int Col = 0; Col <= W / TW; ++Col)
      for (int Row = 0; Row <= H / TH; ++Row) {
        const int CW = std::min(TW, W - Col * TW), CH = std::min(TH, H - Row * TH);
        if (CW > 0 && CH > 0)
          FTile->Canvas()->CopyRect(Bounds(Col * TW, Row * TH, CW, CH), Owner->Picture->Canvas(),
                                    Bounds(Source.Left, Source.Top, CW, CH));
      }
    FTileKey = Key;
  }
  Canvas->Draw(X, Y, FTile.get());
}

void TskListBox::PaintBackgroundDC(HDC DC) {
  TCanvas C;
  C.SetHandle(DC);
  if (SkinListBox) SkinListBox->GetSkinData();
  if (!SkinListBox || SkinListBox->FIndex == -1) {
    C.Brush()->SetColor(clWindow);
    C.FillRect(Rect(0, 0, Width(), Height()));
  } else {
    PaintClientTile(&C, 0, 0, Width(), Height());
  }
  C.SetHandle(nullptr);
}

TOwnerDrawState TskListBox::GetItemDrawState(int Index) {
  TOwnerDrawState State;
  if (Index == ItemIndex()) {
    State.Include(odSelected);
    if (Focused()) State.Include(odFocused);
  } else if (SelCount() >= 1 && Selected(Index)) {
    State.Include(odSelected);
  }
  return State;
}

void TskListBox::PaintWindow(HDC DC) {
  if (Width() <= 0 || Height() <= 0) return;
  const int Saved = SaveDC(DC);
  const int RowHeight = std::max(1, ItemHeight());
  const int PerPage = Columns() > 0 ? (Height() / RowHeight) * Columns() : Height() / RowHeight;
  const int Last = std::min(TopIndex() + PerPage, Count() - 1);
  int Bottom = 0;
  for (int I = TopIndex(); I <= Last; ++I) {
    const TRect R = ItemRect(I);
    DrawItemTo(DC, I, R, GetItemDrawState(I));
    Bottom = R.Bottom;
  }
  if (Columns() <= 0 && Bottom < Height()) {
    TCanvas C;
    C.SetHandle(DC);
    if (SkinListBox) SkinListBox->GetSkinData();
    if (!SkinListBox || SkinListBox->FIndex == -1) {
      C.Brush()->SetColor(clWindow);
      C.FillRect(Rect(0, Bottom, Width(), Height()));
    } else {
      PaintClientTile(&C, 0, Bottom, Width(), Height() - Bottom);
    }
    C.SetHandle(nullptr);
  }
  RestoreDC(DC, Saved);
}

void TskListBox::DrawItemTo(HDC DC, int Index, const TRect& R, TOwnerDrawState State) {
  if (Index < 0 || Index >= Count() || !SkinListBox || R.Width() <= 0) return;
  // One scratch bitmap serves every row: each painter sets everything it draws with.
  TBitmap& B = FRowBitmap;
  B.SetSize(R.Width(), R.Height());
  if (SkinListBox->FIndex == -1) {
    DrawDefaultItem(&B, Index, State);
  } else {
    if (!SkinListBox->Picture) return;
    if (SkinListBox->UseSkinItemHeight())
      DrawSkinItem(&B, Index, State);
    else
      DrawStretchSkinItem(&B, Index, State);
  }
  BitBlt(DC, R.Left, R.Top, B.Width(), B.Height(), B.Canvas()->Handle(), 0, 0, SRCCOPY);
}

namespace {

TFontCharset CharsetOf(TskSkinCustomListBox* Owner) {
  TskSkinData* Model = Owner->SkinData();
  return Model && Model->ResourceStrData() ? Model->ResourceStrData()->CharSet() : Owner->DefaultFont()->Charset();
}

}  // namespace

void TskListBox::DrawDefaultItem(TBitmap* B, int Index, TOwnerDrawState State) {
  TCanvas* C = B->Canvas();
  C->Font()->SetName(Font()->Name());
  C->Font()->SetStyle(Font()->Style());
  C->Font()->SetHeight(Font()->Height());
  C->Font()->SetCharset(CharsetOf(SkinListBox));
  const bool Sel = State.Contains(odSelected);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(Sel ? clHighlight : clWindow);
  C->Font()->SetColor(Sel ? clHighlightText : Font()->Color());
  C->FillRect(Rect(0, 0, B->Width(), B->Height()));
  TRect TextRect = Rect(2, 0, B->Width() - 2, B->Height());
  if (SkinListBox->OnDrawItem)
    SkinListBox->OnDrawItem(C, Index, B->Width(), B->Height(), TextRect, State);
  else
    DrawImageAndText(C, Index, TextRect);
  if (State.Contains(odFocused)) C->DrawFocusRect(Rect(0, 0, B->Width(), B->Height()));
}

void TskListBox::SetSkinItemFont(TCanvas* Canvas) {
  TskSkinCustomListBox* Owner = SkinListBox;
  if (Owner->UseSkinFont()) {
    Canvas->Font()->SetName(Owner->FontName);
    Canvas->Font()->SetStyle(Owner->FontStyle);
    Canvas->Font()->SetHeight(Owner->FontHeight);
  } else {
    Canvas->Font()->Assign(Owner->DefaultFont());
  }
  Canvas->Font()->SetCharset(CharsetOf(Owner));
}

void TskListBox::DrawSkinItem(TBitmap* B, int Index, TOwnerDrawState State) {
  TskSkinCustomListBox* Owner = SkinListBox;
  const int W = B->Width();
  const int H = Owner->SItemRect.Height();
  B->SetSize(W, H);
  TCanvas* C = B->Canvas();
  const bool Sel = State.Contains(odSelected), Foc = State.Contains(odFocused);
  const bool Stretch = Owner->StretchEffect;
  const auto Strip = [&](const TRect& R, bool S) {
    ComposeHorzStripImage(Owner->ItemLeftOffset, Owner->ItemRightOffset, B, Owner->Picture, R, W, H, S);
  };
  if (Foc && !Sel) {
    Strip(Owner->SItemRect, Stretch);
    C->Font()->SetColor(clWindowText);
    DrawDotFrame(C, Rect(0, 0, W, H));
  } else if (Foc) {
    Strip(Owner->FocusItemRect, Stretch);
  } else if (Sel) {
    Strip(Owner->ActiveItemRect, Stretch);
  } else {
    Strip(Owner->SItemRect, false);
  }
  TRect TextRect = Owner->ItemTextRect;
  TextRect.Right += W - Owner->SItemRect.Width();
  SetSkinItemFont(C);
  C->Font()->SetColor(Foc && Sel ? Owner->FocusFontColor : Sel ? Owner->ActiveFontColor : Owner->FontColor);
  C->Brush()->SetStyle(bsClear);
  if (Owner->OnDrawItem) {
    Owner->OnDrawItem(C, Index, W, H, TextRect, State);
    return;
  }
  if (Foc && Owner->ShowFocus) DrawDotFrame(C, Rect(0, 0, W, H));
  DrawImageAndText(C, Index, TextRect);
}

void TskListBox::DrawStretchSkinItem(TBitmap* B, int Index, TOwnerDrawState State) {
  TskSkinCustomListBox* Owner = SkinListBox;
  const int W = B->Width(), H = B->Height();
  TCanvas* C = B->Canvas();
  const bool Sel = State.Contains(odSelected), Foc = State.Contains(odFocused);
  const TRect& Piece = Foc ? Owner->FocusItemRect : Sel ? Owner->ActiveItemRect : Owner->SItemRect;
  const TRect& T = Owner->ItemTextRect;
  ComposeStretchedSkinImage(B, Owner->Picture, Piece, Rect(T.Left + 1, T.Top + 1, T.Right - 1, T.Bottom - 1), true);
  TRect TextRect = T;
  TextRect.Right += W - Owner->SItemRect.Width();
  TextRect.Bottom += H - Owner->SItemRect.Height();
  SetSkinItemFont(C);
  C->Font()->SetColor(Foc ? Owner->FocusFontColor : Sel ? Owner->ActiveFontColor : Owner->FontColor);
  C->Brush()->SetStyle(bsClear);
  if (Owner->OnDrawItem) {
    Owner->OnDrawItem(C, Index, W, Owner->SItemRect.Height(), TextRect, State);
    return;
  }
  if (Foc && Owner->ShowFocus) DrawDotFrame(C, Rect(0, 0, W, H));
  DrawImageAndText(C, Index, TextRect);
}

void TskListBox::DrawImageAndText(TCanvas* Canvas, int Index, const TRect& TextRect) {
  TskSkinCustomListBox* Owner = SkinListBox;
  int Indent = 0;
  if (TCustomImageList* Images = Owner->Images()) {
    const int Image = Owner->ImageIndex() >= 0 ? Owner->ImageIndex() : Index;
    if (Image < Images->Count())
      Images->Draw(Canvas, TextRect.Left - FHorizontalExtentValue,
                   TextRect.Height() / 2 + TextRect.Top - Images->Height() / 2, Image, Owner->Enabled());
    Indent = Images->Width() + 2;
  }
  Canvas->Brush()->SetStyle(bsClear);
  const String Text = Items()->Strings(Index);
  if (Owner->TabWidths()->Count() > 0 && Columns() == 0) {
    TRect R = TextRect;
    R.Left += Indent;
    DrawTabbedItemText(Canvas, Text, R, Owner->TabWidths());
  } else {
    DrawClippedTextIndent(Canvas, Text, TextRect, Indent - FHorizontalExtentValue);
  }
}
