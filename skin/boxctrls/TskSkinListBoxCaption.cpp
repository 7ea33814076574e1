// The list box's frame and caption pictures, and its caption buttons with their auto-repeat.
#include <algorithm>
#include <utility>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskSkinCustomListBox.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"

namespace {

constexpr UINT_PTR RepeatTimer = 1;
constexpr UINT FirstRepeatDelay = 500;
constexpr UINT RepeatInterval = 100;
constexpr UINT ResumeInterval = 50;
constexpr int MaxBuiltInButton = 17;

}  // namespace

// ---- Pictures ----

void TskSkinCustomListBox::CreateControlDefaultImage(TBitmap* B) {
  TskSkinCustomControl::CreateControlDefaultImage(B);
  TCanvas* C = B->Canvas();
  if (FCaptionMode && FShowCaptionButtons) {
    const int A = std::min(MaxBuiltInButton, FDefaultCaptionHeight - 3);
    Buttons[0].R = Rect(FWidth - A - 2, 2, FWidth - 2, A + 1);
    Buttons[1].R = Buttons[0].R.Offset(-A, 0);
    Buttons[2].R = Buttons[1].R.Offset(-A, 0);
  }
  C->Brush()->SetColor(clBtnShadow);
  C->FrameRect(Rect(0, 0, FWidth, FHeight));
  C->Brush()->SetColor(ListBox->Color());
  C->FrameRect(Rect(1, 1, FWidth - 1, FHeight - 1));
  if (FCaptionMode) DrawDefaultCaption(C);
}

void TskSkinCustomListBox::DrawDefaultCaption(TCanvas* C) {
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(clBtnShadow);
  C->FillRect(Rect(0, 0, FWidth, FDefaultCaptionHeight));
  const int A = std::min(MaxBuiltInButton, FDefaultCaptionHeight - 3);
  const TRect TextRect = FShowCaptionButtons ? Rect(3, 2, FWidth - 3 * A - 3, FDefaultCaptionHeight - 2)
                                             : Rect(3, 2, FWidth - 2, FDefaultCaptionHeight - 2);
  C->Font()->Assign(FDefaultCaptionFont.get());
  if (SkinData() && SkinData()->ResourceStrData()) C->Font()->SetCharset(SkinData()->ResourceStrData()->CharSet());
  DrawGlyphAndText(C, TextRect);
  if (FShowCaptionButtons)
    for (int I = 0; I < 3; ++I) DrawButton(C, I);
}

void TskSkinCustomListBox::DrawGlyphAndText(TCanvas* C, const TRect& TextRect) {
  const String Text = Caption();
  if (FNumGlyphs == 0) FNumGlyphs = 1;
  const int Cell = FGlyph->Empty() ? 0 : FGlyph->Width() / FNumGlyphs;
  const int GlyphSpace = Cell > 0 ? Cell + FSpacing : 0;
  const int Width = C->TextWidth(Text) + GlyphSpace;
  int X = TextRect.Left;
  if (FAlignment == taRightJustify) X = TextRect.Right - Width;
  if (FAlignment == taCenter) X = TextRect.Left + (TextRect.Width() - Width) / 2;
  const int Y = TextRect.Top + TextRect.Height() / 2 - C->TextHeight(Text) / 2;
  if (Cell > 0) {
    const int Index = !Enabled() && FNumGlyphs >= 2 ? 1 : 0;
    const int GY = TextRect.Top + (TextRect.Height() - FGlyph->Height()) / 2 - 1;
    C->CopyRect(Bounds(X, GY, Cell, FGlyph->Height()), FGlyph->Canvas(), Bounds(Index * Cell, 0, Cell, FGlyph->Height()));
    X += GlyphSpace;
  }
  C->Brush()->SetStyle(bsClear);
  C->TextRect(TextRect, X, Y, Text);
}

void TskSkinCustomListBox::CreateControlSkinImage(TBitmap* B) {
  TskSkinCustomControl::CreateControlSkinImage(B);
  const int DX = FWidth - SkinRect.Width(), DY = FHeight - SkinRect.Height();
  TCanvas* C = B->Canvas();
  NewClRect = Rect(ClRect.Left, ClRect.Top, ClRect.Right + DX, ClRect.Bottom + DY);
  if (!FShowCaptionButtons && !IsEmptyRect(UpButtonRect) && Picture) CoverCaptionButtons(C, DX);
  if (FCaptionMode) PlaceSkinCaption(DX, DY);
  if (!IsEmptyRect(CaptionRect)) {
    C->Font()->SetName(CaptionFontName);
    C->Font()->SetStyle(CaptionFontStyle);
    C->Font()->SetHeight(CaptionFontHeight);
    C->Font()->SetColor(CaptionFontColor);
    C->Font()->SetCharset(SkinData()->ResourceStrData() ? SkinData()->ResourceStrData()->CharSet()
                                                        : FDefaultCaptionFont->Charset());
    DrawGlyphAndText(C, NewCaptionRect);
  }
  if (FShowCaptionButtons)
    for (int I = 0; I < 3; ++I) DrawButton(C, I);
}

// The record's picture for hidden buttons, or else the caption strip stretched over where they were.
void TskSkinCustomListBox::CoverCaptionButtons(TCanvas* C, int DX) {
  if (!IsEmptyRect(DisabledButtonsRect)) {
    C->CopyRect(ButtonsArea.Offset(DX, 0), Picture->Canvas(), DisabledButtonsRect);
    return;
  }
  const int Bottom = NewClRect.Top - 1;
  const TRect Strip = Rect(NewLTPoint.X, 0, NewRTPoint.X, Bottom);
  if (IsEmptyRect(Strip)) return;
  TBitmap Copy;
  Copy.SetSize(Strip.Width(), Strip.Height());
  Copy.Canvas()->CopyRect(Rect(0, 0, Strip.Width(), Strip.Height()), C, Strip);
  C->CopyRect(Rect(NewLTPoint.X, 0, UpButtonRect.Right + DX, Bottom), Copy.Canvas(),
              Rect(0, 0, Strip.Width(), Strip.Height()));
}

void TskSkinCustomListBox::PlaceSkinCaption(int DX, int DY) {
  NewCaptionRect = CaptionRect;
  if (!FShowCaptionButtons) {
    NewCaptionRect.Right = FWidth - CaptionRect.Left;
    for (auto& Button : Buttons) Button.R = TRect {};
    return;
  }
  if (CaptionRect.Right >= RTPt.X) NewCaptionRect.Right += DX;
  const TRect* Rects[3] = { &UpButtonRect, &DownButtonRect, &CheckButtonRect };
  for (int I = 0; I < 3; ++I) {
    TRect R = *Rects[I];
    const bool Below = R.Top > LTPt.Y;
    if (Below) R = R.Offset(0, DY);
    if ((Below ? RBPt : RTPt).X < R.Left) R = R.Offset(DX, 0);
    Buttons[I].R = R;
  }
}

void TskSkinCustomListBox::DrawButton(TCanvas* C, int I) {
  const TskCBButtonX& Button = Buttons[I];
  if (FIndex == -1) {
    if (Button.MouseIn) {
      DrawBuiltInButton(C, Button.R, true, Button.Down);
    } else {
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(clBtnShadow);
      C->FillRect(Button.R);
    }
    if (I == 2)
      DrawCheckMark(C, Button.R.Left + 4, Button.R.Top + 4, clBlack);
    else
      DrawArrow(C, Button.R, clBlack, I == 0 ? 3 : 4);
    return;
  }
  if (IsEmptyRect(Button.R) || !Picture) return;
  const TRect Plain[3] = { UpButtonRect, DownButtonRect, CheckButtonRect };
  const TRect Hot[3] = { ActiveUpButtonRect, ActiveDownButtonRect, ActiveCheckButtonRect };
  const TRect Pressed[3] = { DownUpButtonRect, DownDownButtonRect, DownCheckButtonRect };
  TRect Source = Button.MouseIn ? (Button.Down ? Pressed[I] : Hot[I]) : TRect {};
  if (IsEmptyRect(Source)) Source = Plain[I].Offset(SkinRect.Left, SkinRect.Top);
  C->CopyRect(Button.R, Picture->Canvas(), Source);
}

// ---- Caption buttons ----

bool TskSkinCustomListBox::CaptionButtonsActive() const {
  if (!FShowCaptionButtons) return false;
  return FIndex == -1 || !IsEmptyRect(UpButtonRect) || !IsEmptyRect(DownButtonRect);
}

void TskSkinCustomListBox::TestActive(int X, int Y) {
  if (!CaptionButtonsActive()) return;
  int Hot = -1;
  for (int I = 0; I < 3 && Hot == -1; ++I)
    if (Buttons[I].R.Contains({ X, Y })) Hot = I;
  if (CaptureButton != -1 && Hot != CaptureButton) Hot = -1;
  if (Hot == ActiveButton) return;
  OldActiveButton = ActiveButton;
  ActiveButton = Hot;
  if (OldActiveButton != -1) ButtonLeave(OldActiveButton);
  if (ActiveButton != -1) ButtonEnter(ActiveButton);
}

void TskSkinCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FCaptionMode && FShowCaptionButtons) {
    TestActive(X, Y);
    if (ActiveButton != -1) {
      CaptureButton = ActiveButton;
      ButtonDown(ActiveButton);
    }
  }
  TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TskSkinCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TskSkinCustomControl::MouseMove(Shift, X, Y);
  if (FCaptionMode && FShowCaptionButtons) TestActive(X, Y);
}

void TskSkinCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (CaptureButton != -1) ButtonUp(std::exchange(CaptureButton, -1));
  TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TskSkinCustomListBox::ButtonDown(int I) {
  Buttons[I].MouseIn = true;
  Buttons[I].Down = true;
  Repaint();
  const TNotifyEvent& Event = I == 0 ? OnUpButtonClick : I == 1 ? OnDownButtonClick : OnCheckButtonClick;
  if (Event) return;
  TimerMode = I == 0 ? 1 : I == 1 ? 2 : 0;
  if (TimerMode == 0) return;
  WaitMode = true;
  StartRepeatTimer(FirstRepeatDelay);
}

void TskSkinCustomListBox::ButtonEnter(int I) {
  Buttons[I].MouseIn = true;
  Repaint();
  if (TimerMode != 0 && Buttons[I].Down) StartRepeatTimer(ResumeInterval);
}

void TskSkinCustomListBox::ButtonLeave(int I) {
  Buttons[I].MouseIn = false;
  Repaint();
  if (TimerMode != 0 && Buttons[I].Down && HandleAllocated()) KillTimer(Handle(), RepeatTimer);
}

// A release over the button fires its event when one is assigned; otherwise, and also for a release away
// from it, the default action runs.
void TskSkinCustomListBox::ButtonUp(int I) {
  Buttons[I].Down = false;
  if (I != ActiveButton) Buttons[I].MouseIn = false;
  Repaint();
  const TNotifyEvent Event = I == 0 ? OnUpButtonClick : I == 1 ? OnDownButtonClick : OnCheckButtonClick;
  if (Event && Buttons[I].MouseIn) {
    Event(this);
    return;
  }
  const int Index = ItemIndex();
  if (I == 0 && Index > 0) SetItemIndex(Index - 1);
  if (I == 1 && Index < Items()->Count() - 1) SetItemIndex(Index + 1);
  if (I == 2) ListBox->Click();
  if (TimerMode != 0) StopRepeatTimer();
}

void TskSkinCustomListBox::StartRepeatTimer(UINT Elapse) { SetTimer(Handle(), RepeatTimer, Elapse); }

void TskSkinCustomListBox::StopRepeatTimer() {
  TimerMode = 0;
  if (HandleAllocated()) KillTimer(Handle(), RepeatTimer);
}

void TskSkinCustomListBox::Tick() {
  if (WaitMode) {
    WaitMode = false;
    StartRepeatTimer(RepeatInterval);
    return;
  }
  const int Index = ItemIndex();
  if (TimerMode == 1 && Index >= 1) SetItemIndex(Index - 1);
  if (TimerMode == 2 && Index < Items()->Count() - 1) SetItemIndex(Index + 1);
}

void TskSkinCustomListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_SIZE:
    TskSkinCustomControl::Dispatch(Message);
    CalcRects();
    UpDateScrollBar();
    if (ScrollBar) ScrollBar->Repaint();
    return;
  case WM_TIMER:
    TskSkinCustomControl::Dispatch(Message);
    if (Message.WParam == RepeatTimer) Tick();
    return;
  case CM_TEXTCHANGED:
    TskSkinCustomControl::Dispatch(Message);
    if (FCaptionMode) Repaint();
    return;
  case CM_MOUSEENTER:
    TskSkinCustomControl::Dispatch(Message);
    if (FCaptionMode && FShowCaptionButtons) TestActive(-1, -1);
    return;
  case CM_MOUSELEAVE: {
    TskSkinCustomControl::Dispatch(Message);
    bool Changed = false;
    for (auto& Button : Buttons) Changed = std::exchange(Button.MouseIn, false) || Changed;
    ActiveButton = -1;
    if (Changed) Repaint();
    return;
  }
  default: TskSkinCustomControl::Dispatch(Message);
  }
}
