#include "skin/controls/TskSkinUpDown.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"

namespace {

constexpr UINT_PTR RepeatTimer = 1;
constexpr UINT FirstRepeatDelay = 500;
constexpr UINT RepeatInterval = 100;
constexpr UINT ResumeInterval = 50;
constexpr TColor DisabledArrowColor = RGB(128, 128, 128);

}  // namespace

TskSkinUpDown::TskSkinUpDown(TComponent* AOwner) : TskSkinCustomControl(AOwner) {
  FWidth = 50;
  FHeight = 25;
  SetSkinDataName("hupdown");
}

void TskSkinUpDown::SetOrientation(TUDOrientation Value) {
  FOrientation = Value;
  Repaint();
}

void TskSkinUpDown::SetPosition(int Value) {
  if (Value < FMin || Value > FMax) return;
  FPosition = Value;
  if (OnChange) OnChange(this);
}

void TskSkinUpDown::SetMin(int Value) {
  FMin = Value;
  if (FPosition < FMin) FPosition = FMin;
}

void TskSkinUpDown::SetMax(int Value) {
  FMax = Value;
  if (FPosition > FMax) FPosition = FMax;
}

void TskSkinUpDown::GetSkinData() {
  TskSkinCustomControl::GetSkinData();
  if (const auto* R = dynamic_cast<const TskDataSkinUpDownControl*>(SkinRecord())) {
    UpButtonRect = R->UpButtonRect;
    ActiveUpButtonRect = R->ActiveUpButtonRect;
    DownUpButtonRect = IsEmptyRect(R->DownUpButtonRect) ? R->ActiveUpButtonRect : R->DownUpButtonRect;
    DownButtonRect = R->DownButtonRect;
    ActiveDownButtonRect = R->ActiveDownButtonRect;
    DownDownButtonRect = IsEmptyRect(R->DownDownButtonRect) ? R->ActiveDownButtonRect : R->DownDownButtonRect;
    LTPt = RTPt = LBPt = RBPt = TPoint {};
    ClRect = TRect {};
  }
  CalcButtonRects();
}

void TskSkinUpDown::CalcSize(int& W, int& H) {
  if (FUseSkinSize) TskSkinCustomControl::CalcSize(W, H);
}

void TskSkinUpDown::SetControlRegion() {
  if (FUseSkinSize) TskSkinCustomControl::SetControlRegion();
}

void TskSkinUpDown::CalcButtonRects() {
  if (FIndex != -1 && FUseSkinSize) {
    Buttons[0].R = UpButtonRect;
    Buttons[1].R = DownButtonRect;
  } else if (FOrientation == udVertical) {
    Buttons[0].R = Rect(0, 0, FWidth, FHeight / 2);
    Buttons[1].R = Rect(0, FHeight / 2, FWidth, FHeight);
  } else {
    Buttons[1].R = Rect(0, 0, FWidth / 2, FHeight);
    Buttons[0].R = Rect(FWidth / 2, 0, FWidth, FHeight);
  }
}

int TskSkinUpDown::ArrowKind(int I) const {
  if (FOrientation == udVertical) return I == 0 ? 3 : 4;
  return I == 0 ? 2 : 1;
}

void TskSkinUpDown::CreateControlDefaultImage(TBitmap* B) {
  CalcButtonRects();
  TCanvas* C = B->Canvas();
  for (int I = 0; I < 2; ++I) {
    const TskCBButtonX& Button = Buttons[I];
    DrawBuiltInButton(C, Button.R, Button.MouseIn, Button.MouseIn && Button.Down);
    DrawArrow(C, Button.R, Enabled() ? clBlack : DisabledArrowColor, ArrowKind(I));
  }
}

void TskSkinUpDown::CreateControlSkinImage(TBitmap* B) {
  if (!FUseSkinSize) {
    for (int I = 0; I < 2; ++I) DrawResizeButton(B, I);
    return;
  }
  if (!Picture) {
    CreateControlDefaultImage(B);
    return;
  }
  TskSkinCustomControl::CreateControlSkinImage(B);
  for (int I = 0; I < 2; ++I) {
    const TskCBButtonX& Button = Buttons[I];
    if (!Button.MouseIn) continue;
    const TRect& State = I == 0 ? (Button.Down ? DownUpButtonRect : ActiveUpButtonRect)
                                : (Button.Down ? DownDownButtonRect : ActiveDownButtonRect);
    if (!IsEmptyRect(State)) B->Canvas()->CopyRect(Button.R, Picture->Canvas(), State);
  }
}

void TskSkinUpDown::DrawResizeButton(TBitmap* B, int I) {
  const TskCBButtonX& Button = Buttons[I];
  const int W = Button.R.Width(), H = Button.R.Height();
  if (W <= 0 || H <= 0) return;
  TBitmap Image;
  Image.SetSize(W, H);
  const int Index = SkinData()->GetControlIndex("resizebutton");
  auto* R = Index == -1 ? nullptr : dynamic_cast<TskDataSkinButtonControl*>(SkinData()->CtrlList[Index].get());
  TBitmap* Source = R ? ModelPicture(SkinData(), R->PictureIndex) : nullptr;
  if (R && Source) {
    const TRect Active = IsEmptyRect(R->ActiveSkinRect) ? R->SkinRect : R->ActiveSkinRect;
    const TRect Down = IsEmptyRect(R->DownSkinRect) ? Active : R->DownSkinRect;
    const TRect& State = Button.MouseIn ? (Button.Down ? Down : Active) : R->SkinRect;
    const int dW = W - RectWidth(R->SkinRect), dH = H - RectHeight(R->SkinRect);
    ComposeSkinImage(R->LTPoint, R->RTPoint, R->LBPoint, R->RBPoint, R->ClRect, R->LTPoint,
                     { R->RTPoint.X + dW, R->RTPoint.Y }, { R->LBPoint.X, R->LBPoint.Y + dH },
                     { R->RBPoint.X + dW, R->RBPoint.Y + dH },
                     Rect(R->ClRect.Left, R->ClRect.Top, R->ClRect.Right + dW, R->ClRect.Bottom + dH), &Image, Source,
                     State, W, H, true, R->LeftStretch, R->TopStretch, R->RightStretch, R->BottomStretch,
                     R->StretchEffect, R->StretchType);
    const TColor Color = !Enabled()       ? R->DisabledFontColor
                         : !Button.MouseIn ? R->FontColor
                         : Button.Down     ? R->DownFontColor
                                           : R->ActiveFontColor;
    DrawArrow(Image.Canvas(), Rect(0, 0, W, H), Color, ArrowKind(I));
  }
  B->Canvas()->Draw(Button.R.Left, Button.R.Top, &Image);
}

// ---- Mouse ----

void TskSkinUpDown::TestActive(int X, int Y) {
  int Hot = -1;
  for (int I = 0; I < 2 && Hot == -1; ++I)
    if (PtInRectIncl(Buttons[I].R, TPoint { X, Y })) Hot = I;
  if (CaptureButton != -1 && Hot != CaptureButton) Hot = -1;
  if (Hot == ActiveButton) return;
  OldActiveButton = ActiveButton;
  ActiveButton = Hot;
  if (OldActiveButton != -1) ButtonLeave(OldActiveButton);
  if (ActiveButton != -1) ButtonEnter(ActiveButton);
}

void TskSkinUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TestActive(X, Y);
  Buttons[ActiveButton == -1 ? 0 : 1 - ActiveButton].MouseIn = false;
  if (ActiveButton != -1) {
    CaptureButton = ActiveButton;
    ButtonDown(ActiveButton);
  }
  TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TskSkinUpDown::MouseMove(TShiftState Shift, int X, int Y) {
  TestActive(X, Y);
  TskSkinCustomControl::MouseMove(Shift, X, Y);
}

void TskSkinUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (CaptureButton != -1) ButtonUp(CaptureButton);
  CaptureButton = -1;
  TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TskSkinUpDown::ButtonEnter(int I) {
  Buttons[1 - I].MouseIn = false;
  Buttons[I].MouseIn = true;
  Repaint();
  if (FIncrement != 0 && Buttons[I].Down) StartRepeatTimer(ResumeInterval);
}

void TskSkinUpDown::ButtonLeave(int I) {
  Buttons[I].MouseIn = false;
  Repaint();
  if (FIncrement != 0 && Buttons[I].Down && HandleAllocated()) KillTimer(Handle(), RepeatTimer);
}

void TskSkinUpDown::ButtonDown(int I) {
  Buttons[I].Down = true;
  Buttons[I].MouseIn = true;
  Repaint();
  if (FIncrement == 0) return;
  TimerMode = I == 0 ? 2 : 1;
  WaitMode = true;
  StartRepeatTimer(FirstRepeatDelay);
}

// The release over the button is a click: one more step, then the button's event.
void TskSkinUpDown::ButtonUp(int I) {
  if (FIncrement != 0) StopRepeatTimer();
  Buttons[I].Down = false;
  Buttons[I].MouseIn = I == ActiveButton;
  Repaint();
  if (!Buttons[I].MouseIn) return;
  if (I == 0) {
    if (FIncrement != 0) SetPosition(FPosition + FIncrement);
    if (OnUpButtonClick) OnUpButtonClick(this);
  } else {
    if (FIncrement != 0) SetPosition(FPosition - FIncrement);
    if (OnDownButtonClick) OnDownButtonClick(this);
  }
}

void TskSkinUpDown::StartRepeatTimer(UINT Elapse) { SetTimer(Handle(), RepeatTimer, Elapse); }

void TskSkinUpDown::StopRepeatTimer() {
  TimerMode = 0;
  if (HandleAllocated()) KillTimer(Handle(), RepeatTimer);
}

void TskSkinUpDown::Tick() {
  if (WaitMode) {
    WaitMode = false;
    StartRepeatTimer(RepeatInterval);
  } else if (TimerMode == 1) {
    SetPosition(FPosition - FIncrement);
  } else if (TimerMode == 2) {
    SetPosition(FPosition + FIncrement);
  }
}

void TskSkinUpDown::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_SIZE:
    TskSkinCustomControl::Dispatch(Message);
    CalcButtonRects();
    return;
  case WM_TIMER:
    if (Message.WParam == RepeatTimer) Tick();
    return;
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE:
    // The pointer may leave before the move that takes it off the held button arrives: the held button's
    // repeat pauses here then.
    if (Message.Msg == CM_MOUSELEAVE && ActiveButton != -1) ButtonLeave(ActiveButton);
    ActiveButton = OldActiveButton = -1;
    TskSkinCustomControl::Dispatch(Message);
    if (Message.Msg == CM_MOUSELEAVE) {
      Buttons[0].MouseIn = Buttons[1].MouseIn = false;
      Repaint();
    }
    return;
  default: TskSkinCustomControl::Dispatch(Message);
  }
}
