#include "skin/boxctrls/TskSkinScrollBox.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowClass.h"
#include "skin/boxctrls/skBoxMessages.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/skControlMessages.h"
#include "skin/controls/skExternalScrollBar.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skUtils.h"

TskSkinScrollBox::TskSkinScrollBox(TComponent* AOwner) : TskSkinCustomControl(AOwner) {
  FControlStyle.Include(csAcceptsControls);
  SetSkinDataName("scrollbox");
  SetColor(clWindow);
  FWidth = 150;
  FHeight = 150;
}

void TskSkinScrollBox::CreateParams(TCreateParams& Params) {
  TskSkinCustomControl::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TskSkinScrollBox::GetSkinData() {
  TskSkinCustomControl::GetSkinData();
  BGPictureIndex = -1;
  if (const auto* R = dynamic_cast<const TskDataSkinScrollBoxControl*>(SkinRecord())) BGPictureIndex = R->BGPictureIndex;
}

void TskSkinScrollBox::ChangeSkinData() {
  TskSkinCustomControl::ChangeSkinData();
  RecreateWnd();
  if (Parent()) Parent()->Realign();
}

void TskSkinScrollBox::SetBorderStyle(TskSkinBorderStyle Value) {
  FBorderStyle = Value;
  RecreateWnd();
}

void TskSkinScrollBox::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
}

// ---- Bars ------------------------------------------------------------------------------------------------

void TskSkinScrollBox::AdoptBar(TskSkinScrollBar*& Field, TskSkinScrollBar* Value, bool Vertical) {
  Field = Value;
  if (Value) {
    Value->SetCanFocused(false);
    AttachExternalScrollBar(Value, this, [this, Vertical](TObject*) { BarChange(Vertical); });
    Value->OnLastChange = [this](TObject*) { Invalidate(); };
  }
  GetRange(Vertical);
}

void TskSkinScrollBox::SetVScrollBar(TskSkinScrollBar* Value) { AdoptBar(FVScrollBar, Value, true); }
void TskSkinScrollBox::SetHScrollBar(TskSkinScrollBar* Value) { AdoptBar(FHScrollBar, Value, false); }

void TskSkinScrollBox::Scroll(bool Vertical, int Delta) {
  if (Vertical)
    ScrollBy(0, -Delta);
  else
    ScrollBy(-Delta, 0);
  if (FIndex != -1 && StretchEffect) Invalidate();
}

void TskSkinScrollBox::BarChange(bool Vertical) {
  const int Position = Bar(Vertical)->Position();
  Scroll(Vertical, Position - OldPos(Vertical));
  OldPos(Vertical) = Position;
}

void TskSkinScrollBox::UpDateScrollRange() {
  GetHRange();
  GetVRange();
}

void TskSkinScrollBox::GetRange(bool Vertical) {
  TskSkinScrollBar* B = Bar(Vertical);
  if (!B || FInCheckScrollBars || !Parent()) return;
  const int Page = Vertical ? ClientHeight() : ClientWidth();
  int Extent = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* C = Controls(i);
    if (C->Visible()) Extent = std::max(Extent, Vertical ? C->Top() + C->Height() : C->Left() + C->Width());
  }
  const int Pos = B->Position();
  int& Offset = SizeOffset(Vertical);
  bool Shown = B->Visible();
  if (Page < Extent + Pos) {
    Shown = true;
    const int Max = Pos + Extent - 1;
    if (Pos > 0 && Extent < Page && Offset > 0) {
      // The box grew while scrolled: the content comes back by the growth.
      Offset = std::min(Offset, Pos);
      B->SetRange(0, Max, Pos - Offset, Page);
      Scroll(Vertical, -Offset);
    } else if (Offset == 0 && Max < B->Max() && Pos > 0 && Extent < Page) {
      // The content shrank while scrolled: it comes back as far as it leaves room.
      const int D = std::min(Pos, Page - Extent);
      Scroll(Vertical, -D);
      B->SetRange(0, Max, Pos - D, Page);
    } else {
      B->SetRange(0, Max, Pos, Page);
    }
    Offset = 0;
    OldPos(Vertical) = B->Position();
  } else {
    if (Pos > 0) Scroll(Vertical, -Pos);
    Offset = 0;
    OldPos(Vertical) = 0;
    B->SetRange(0, 0, 0, 0);
    Shown = false;
  }
  ShowBar(B, Shown);
  if (FVScrollBar && FHScrollBar) FHScrollBar->SetBoth(FVScrollBar->Visible() && FHScrollBar->Visible());
}

void TskSkinScrollBox::ShowBar(TskSkinScrollBar* ABar, bool Show) {
  if (!ShowExternalScrollBar(ABar, Show, FInCheckScrollBars) || Align() == alNone) return;
  FInCheckScrollBars = true;
  Parent()->AlignChildren();
  AlignChildren();
  FInCheckScrollBars = false;
}

void TskSkinScrollBox::VScroll(int APosition) {
  if (!FVScrollBar || FVScrollBar->PageSize() == 0) return;
  FVScrollBar->SetPosition(std::min(APosition, FVScrollBar->Max() - FVScrollBar->PageSize()));
}

void TskSkinScrollBox::HScroll(int APosition) {
  if (!FHScrollBar || FHScrollBar->PageSize() == 0) return;
  FHScrollBar->SetPosition(APosition);
}

// The bars' own limit lets the last row of the content show, which VScroll's does not.
void TskSkinScrollBox::ScrollToControl(TControl* C) {
  if (!C || C->Parent() != this) return;
  if (FHScrollBar && FHScrollBar->Visible()) {
    const int Pos = FHScrollBar->Position();
    if (C->Left() < 0)
      FHScrollBar->SetPosition(Pos + C->Left());
    else if (C->Left() + C->Width() > ClientWidth())
      FHScrollBar->SetPosition(Pos + std::min(C->Left(), C->Left() + C->Width() - ClientWidth()));
  }
  if (FVScrollBar && FVScrollBar->Visible()) {
    const int Pos = FVScrollBar->Position();
    if (C->Top() < 0)
      FVScrollBar->SetPosition(Pos + C->Top());
    else if (C->Top() + C->Height() > ClientHeight())
      FVScrollBar->SetPosition(Pos + std::min(C->Top(), C->Top() + C->Height() - ClientHeight()));
  }
}

// While a bar shows, the children are laid out over the whole scrolled extent.
void TskSkinScrollBox::AdjustClientRect(TRect& Rect) {
  if (FHScrollBar && FHScrollBar->Visible()) {
    Rect.Left = -FHScrollBar->Position();
    Rect.Right = Rect.Left + std::max(FHScrollBar->Max(), ClientWidth());
  } else {
    Rect.Left = 0;
    Rect.Right = ClientWidth();
  }
  if (FVScrollBar && FVScrollBar->Visible()) {
    Rect.Top = -FVScrollBar->Position();
    Rect.Bottom = Rect.Top + std::max(FVScrollBar->Max(), ClientHeight());
  } else {
    Rect.Top = 0;
    Rect.Bottom = ClientHeight();
  }
  TskSkinCustomControl::AdjustClientRect(Rect);
}

void TskSkinScrollBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int OldWidth = FWidth, OldHeight = FHeight;
  TskSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  FHSizeOffset = OldWidth != 0 && FWidth > OldWidth ? FWidth - OldWidth : 0;
  GetHRange();
  FVSizeOffset = OldHeight != 0 && FHeight > OldHeight ? FHeight - OldHeight : 0;
  GetVRange();
}

// ---- Frame -----------------------------------------------------------------------------------------------

bool TskSkinScrollBox::HasFrame() const {
  return FBorderStyle != TskSkinBorderStyle::bvNone && !(FIndex != -1 && BGPictureIndex != -1);
}

void TskSkinScrollBox::PaintBuiltInFrame(HDC DC) {
  TCanvas C;
  C.SetHandle(DC);
  const TRect R = Rect(0, 0, FWidth, FHeight);
  const auto Edges = [&](TColor TopLeft, TColor BottomRight) {
    C.Pen()->SetColor(TopLeft);
    C.MoveTo(R.Left, R.Bottom - 1);
    C.LineTo(R.Left, R.Top);
    C.LineTo(R.Right - 1, R.Top);
    C.Pen()->SetColor(BottomRight);
    C.LineTo(R.Right - 1, R.Bottom - 1);
    C.LineTo(R.Left - 1, R.Bottom - 1);
  };
  switch (FBorderStyle) {
  case TskSkinBorderStyle::bvFrame: Edges(clBtnShadow, clBtnShadow); break;
  case TskSkinBorderStyle::bvRaised: Edges(clBtnShadow, clBtnHighlight); break;
  case TskSkinBorderStyle::bvLowered: Edges(clBtnHighlight, clBtnShadow); break;
  default: break;
  }
  C.SetHandle(nullptr);
}

void TskSkinScrollBox::PaintNCFrame(HDC DC) {
  GetSkinData();
  if (FIndex == -1 || !Picture) return PaintBuiltInFrame(DC);
  TBitmap Left, Top, Right, Bottom;
  ComposeFrameBands(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect, &Left,
                    &Top, &Right, &Bottom, Picture, SkinRect, FWidth, FHeight, LeftStretch, TopStretch, RightStretch,
                    BottomStretch);
  const int TopHeight = NewClRect.Top, BottomHeight = FHeight - NewClRect.Bottom;
  BitBlt(DC, 0, 0, Top.Width(), Top.Height(), Top.Canvas()->Handle(), 0, 0, SRCCOPY);
  BitBlt(DC, 0, TopHeight, Left.Width(), Left.Height(), Left.Canvas()->Handle(), 0, 0, SRCCOPY);
  BitBlt(DC, FWidth - Right.Width(), TopHeight, Right.Width(), Right.Height(), Right.Canvas()->Handle(), 0, 0,
         SRCCOPY);
  BitBlt(DC, 0, FHeight - BottomHeight, Bottom.Width(), Bottom.Height(), Bottom.Canvas()->Handle(), 0, 0, SRCCOPY);
}

// ---- Background ------------------------------------------------------------------------------------------

void TskSkinScrollBox::CreateControlDefaultImage(TBitmap* B) {
  B->Canvas()->Brush()->SetColor(Color());
  B->Canvas()->FillRect(Rect(0, 0, B->Width(), B->Height()));
}

void TskSkinScrollBox::TileBackground(TBitmap* Tile, const TRect& Source) {
  TCanvas* C = Canvas();
  const int W = ClientWidth(), H = ClientHeight();
  const int TileW = Source.Width(), TileH = Source.Height();
  if (TileW <= 0 || TileH <= 0) return;
  const auto Put = [&](const TRect& Dest) { C->CopyRect(Dest, Tile->Canvas(), Source); };
  if (StretchEffect && StretchType == skstFull) return Put(Rect(0, 0, FWidth, FHeight));
  if (StretchEffect && StretchType == skstHorz) {
    for (int X = 0; X < W; X += TileW) Put(Rect(X, 0, X + TileW, FHeight));
    return;
  }
  if (StretchEffect && StretchType == skstVert) {
    for (int Y = 0; Y < H; Y += TileH) Put(Rect(0, Y, FWidth, Y + TileH));
    return;
  }
  for (int Y = 0; Y < H; Y += TileH)
    for (int X = 0; X < W; X += TileW) Put(Rect(X, Y, X + TileW, Y + TileH));
}

void TskSkinScrollBox::Paint() {
  GetSkinData();
  if (FIndex == -1 || !Picture) return TskSkinCustomControl::Paint();
  if (ClientWidth() < 1 || ClientHeight() < 1) return;
  if (BGPictureIndex == -1) return TileBackground(Picture, ClRect.Offset(SkinRect.Left, SkinRect.Top));
  if (TBitmap* Background = ModelPicture(SkinData(), BGPictureIndex))
    TileBackground(Background, Rect(0, 0, Background->Width(), Background->Height()));
}

// ---- Messages --------------------------------------------------------------------------------------------

void TskSkinScrollBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_NCCALCSIZE: {
    GetSkinData();
    if (!HasFrame()) return;
    auto* R = reinterpret_cast<TRect*>(Message.LParam);
    const TRect Insets = FIndex != -1 && Picture ? Rect(ClRect.Left, ClRect.Top, RectWidth(SkinRect) - ClRect.Right,
                                                        RectHeight(SkinRect) - ClRect.Bottom)
                                                 : Rect(1, 1, 1, 1);
    *R = Rect(R->Left + Insets.Left, R->Top + Insets.Top, R->Right - Insets.Right, R->Bottom - Insets.Bottom);
    return;
  }
  case WM_NCPAINT:
    GetSkinData();
    if (HasFrame()) {
      const HDC DC = GetWindowDC(Handle());
      PaintNCFrame(DC);
      ReleaseDC(Handle(), DC);
    }
    return;
  case WM_NCHITTEST: Message.Result = HTCLIENT; return;
  case WM_SKINPRINTNC:
  case WM_SKINPRINTNCEX: {
    const bool Extended = Message.Msg == WM_SKINPRINTNCEX;
    if (Extended && Message.LParam != SkinPrintNCExKey) break;
    GetSkinData();
    const bool Painted = Message.WParam && HasFrame();
    if (Painted) PaintNCFrame(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = Extended ? SkinPrintNCExKey : Painted ? SKINPRINTNC_ANSWER : 0;
    return;
  }
  case WM_SIZE:
    TskSkinCustomControl::Dispatch(Message);
    if (HandleAllocated()) SendMessage(Handle(), WM_NCPAINT, 1, 0);
    return;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    if (FCanFocused && !Focused()) {
      FClicksDisabled = true;
      SetFocus();
      FClicksDisabled = false;
      if (!Focused()) return;
    }
    break;
  case CN_COMMAND:
    if (FClicksDisabled) return;
    break;
  case CM_VISIBLECHANGED:
    TskSkinCustomControl::Dispatch(Message);
    if (!Visible()) {
      for (TskSkinScrollBar* B : { FVScrollBar, FHScrollBar })
        if (B) ShowBar(B, false);
    } else {
      UpDateScrollRange();
    }
    return;
  default: break;
  }
  TskSkinCustomControl::Dispatch(Message);
}
