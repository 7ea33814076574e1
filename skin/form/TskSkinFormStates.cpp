// The frame's window states: the skinned minimize, maximize and restore, the roll-up to the caption, and
// where the form goes on the screen.
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/toolkit/TTimer.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinStatusBar.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/skFormFinders.h"

namespace {

bool IsMainForm(const TCustomForm* Form) { return Application && Application->MainForm() == Form; }

}  // namespace

void TskSkinForm::Loaded() {
  TComponent::Loaded();
  if (FWindowStateInit != StateInForce()) ApplyWindowState(FWindowStateInit);
}

// ---- Applying a state ----------------------------------------------------------------------------------

void TskSkinForm::SetWindowState(TWindowState Value) {
  FWindowStateInit = Value;
  if (ComponentState().Contains(csLoading)) return;
  ApplyWindowState(Value);
}

TWindowState TskSkinForm::WindowState() const {
  return ComponentState().Contains(csLoading) ? FWindowStateInit : StateInForce();
}

TWindowState TskSkinForm::StateInForce() const {
  if (FForm->HandleAllocated() && IsIconic(FForm->Handle())) return wsMinimized;
  return FSkinnableForm ? FWindowState : FForm->WindowState();
}

void TskSkinForm::ApplyWindowState(TWindowState Value) {
  if (!FSkinnableForm) {
    if (Value == wsMinimized && IsMainForm(FForm))
      Application->Minimize();
    else
      FForm->SetWindowState(Value);
    return;
  }
  const TWindowState Old = StateInForce();
  if (Value == Old) return;
  // The system minimized the form: the application (or the form) gives it back first.
  if (Old == wsMinimized && FWindowState != wsMinimized) {
    if (IsMainForm(FForm))
      Application->Restore();
    else
      FForm->SetWindowState(wsNormal);
    if (Value == FWindowState) return;
  }
  const bool SystemMinimize = Value == wsMinimized && (IsMainForm(FForm) || FMinimizeDefault);
  const TWindowState Before = FWindowState;
  if (!SystemMinimize) FWindowState = Value;
  switch (Value) {
  case wsNormal:
    if (Before == wsMaximized && FRollUpState && !FRollUpBeforeMaximize) SetRollUpState(false);
    FRollUpBeforeMaximize = false;
    Restore();
    break;
  case wsMinimized: Minimize(); break;
  case wsMaximized:
    FRollUpBeforeMaximize = FRollUpState;
    Maximize();
    break;
  }
  FWindowStateInit = StateInForce();
  if (FForm->FormStyle() == fsMDIChild) MDIChildStateChanged(Value);
}

void TskSkinForm::Minimize() {
  if (IsMainForm(FForm)) {
    Application->Minimize();
  } else if (FMinimizeDefault) {
    FForm->SetWindowState(wsMinimized);
  } else {
    if (IsEmptyRect(OldBoundsRect)) OldBoundsRect = FForm->BoundsRect();
    TPoint P = MinimizedPosition();
    // A full border shows the caption around the form: its bottom band meets the row's bottom.
    if (FullBorderShown())
      P = { P.X + FBorderLayer->LeftSize,
            P.Y - FBorderLayer->BottomSize - FBorderLayer->Data()->RollUpFormHeight + GetMinHeight() };
    FForm->SetBounds(P.X, P.Y, GetMinWidth(), GetMinHeight());
  }
  if (OnMinimize) OnMinimize(this);
}

void TskSkinForm::Maximize() {
  if (IsEmptyRect(OldBoundsRect)) OldBoundsRect = FForm->BoundsRect();
  if (FForm->FormStyle() == fsMDIChild) {
    MaximizeMDIChild();
    ShowStatusBarGrip(false);
    if (OnMaximize) OnMaximize(this);
    return;
  }
  TRect R = MonitorArea(!FMaximizeOnFullScreen);
  // A work area that is the whole of the only screen has no taskbar showing: one pixel per side is left
  // free, so that a taskbar hidden at an edge can still be reached.
  const TRect Monitor = MonitorArea(false);
  const TRect ScreenRect = Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  if (!FMaximizeOnFullScreen && R == Monitor && Monitor == ScreenRect) R = Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
  // A border that carries the whole frame stays around the form, inside the area.
  if (FullLayeredBorder())
    R = Rect(R.Left + FBorderLayer->LeftSize, R.Top + FBorderLayer->TopSize, R.Right - FBorderLayer->RightSize,
             R.Bottom - FBorderLayer->BottomSize);
  FForm->SetBounds(R.Left, R.Top, R.Width(), R.Height());
  ShowStatusBarGrip(false);
  if (OnMaximize) OnMaximize(this);
  if (FBorderLayer->Visible() && !FullLayeredBorder()) FBorderLayer->Hide();
}

void TskSkinForm::Restore() {
  MaxRollUpState = false;
  const TRect Before = FForm->BoundsRect();
  const TRect& R = OldBoundsRect;
  if (FStartShow) {
    FStartShow = false;
    const TPoint P = GetPositionInMonitor(R.Left, R.Top, R.Width(), R.Height());
    FForm->SetBounds(P.X, P.Y, R.Width(), R.Height());
  } else {
    FForm->SetBounds(R.Left, R.Top, R.Width(), R.Height());
  }
  FMouseTimer->SetEnabled(true);
  if (FForm->Width() == Before.Width() && FForm->Height() == Before.Height()) NudgeWidth();
  UpDateFormNC();
  FForm->Invalidate();
  OldBoundsRect = TRect();
  ShowStatusBarGrip(true);
  if (OnRestore) OnRestore(this);
}

// A maximized form cannot be sized, so its status bar's grip goes while it is maximized.
void TskSkinForm::ShowStatusBarGrip(bool Show) {
  if (FStatusBar && FStatusBar->SizeGrip()) FStatusBar->SetShowGrip(Show);
}

TRect TskSkinForm::MonitorArea(bool WorkArea) const {
  TRect R;
  if (FForm->HandleAllocated()) {
    GetMonitorWorkArea(FForm->Handle(), WorkArea, R);
  } else {
    GetWorkAreaRect(WorkArea, R);
  }
  return R;
}

TPoint TskSkinForm::MinimizedPosition() {
  const int MinW = GetMinWidth(), MinH = GetMinHeight();
  // A child's row lies along the bottom of its MDI client area.
  TskSkinForm* Main = FForm->FormStyle() == fsMDIChild ? MDIMainFrame() : nullptr;
  const TRect Area = Main ? Rect(0, 0, Main->MDIClientArea().Width(), Main->MDIClientArea().Height()) : MonitorArea(true);
  auto Taken = [this](TPoint P) {
    for (int i = 0; i < Screen->FormCount(); ++i) {
      TCustomForm* Other = Screen->Forms(i);
      if (Other == FForm || !Other->Visible() || IsMainForm(Other)) continue;
      TskSkinForm* Frame = GetSkinFormComponent(Other);
      if (Frame && Frame->FWindowState == wsMinimized && Other->Left() == P.X && Other->Top() == P.Y) return true;
    }
    return false;
  };
  TPoint P { Area.Left, Area.Bottom - MinH };
  while (Taken(P)) {
    P.X += MinW;
    if (P.X + MinW <= Area.Right) continue;
    P.X = Area.Left;
    P.Y -= MinH;
    if (P.Y < Area.Top) return { P.X, Area.Bottom - MinH };
  }
  return P;
}

// ---- Roll-up -------------------------------------------------------------------------------------------

void TskSkinForm::SetRollUpState(bool Value) {
  // Rolling up twice would take the caption's height for the height to come back to.
  if (Value == FRollUpState) return;
  if (!FBorderIcons.Contains(TskBorderIcon::biRollUp) || FWindowState == wsMinimized) return;
  if (FRollUpState && FWindowState == wsMaximized && !MaxRollUpState) return;
  if (FWindowStateInit == wsMaximized) MaxRollUpState = Value;
  FRollUpState = Value;
  if (Value) {
    // A form already at the rolled-up height must still come back larger than that.
    if (FullBorderShown() && FForm->Height() == GetMinHeight()) FForm->SetHeight(GetMinHeight() + 1);
    OldHeight = FForm->Height();
    FForm->SetHeight(GetMinHeight());
  } else if (FClientHeight != 0) {
    FForm->SetClientHeight(FClientHeight);
  } else {
    FForm->SetHeight(OldHeight);
  }
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TskSkinForm::CaptionDblClick() {
  const bool Sizeable = IsSizeable();
  if (Sizeable && FWindowState == wsMinimized)
    SetWindowState(wsNormal);
  else if (Sizeable && FWindowState != wsMaximized && !FRollUpState && FBorderIcons.Contains(TskBorderIcon::biMaximize))
    SetWindowState(wsMaximized);
  else if (Sizeable && FWindowState == wsMaximized && !MaxRollUpState)
    SetWindowState(wsNormal);
  else
    SetRollUpState(!FRollUpState);
}

// ---- Place ---------------------------------------------------------------------------------------------

void TskSkinForm::Move(int AX, int AY) {
  if (BorderOutsideForm()) {
    AX += FBorderLayer->LeftSize;
    AY += FBorderLayer->TopSize;
  }
  FForm->SetBounds(AX, AY, FForm->Width(), FForm->Height());
}

void TskSkinForm::SetBounds(int AX, int AY, int AWidth, int AHeight) {
  if (BorderOutsideForm()) {
    AX += FBorderLayer->LeftSize;
    AY += FBorderLayer->TopSize;
    AWidth -= FBorderLayer->LeftSize + FBorderLayer->RightSize;
    AHeight -= FBorderLayer->TopSize + FBorderLayer->BottomSize;
  }
  FForm->SetBounds(AX, AY, AWidth, AHeight);
}

TPoint TskSkinForm::GetPositionInMonitor(int AX, int AY, int AW, int AH) {
  if (FPositionInMonitor == skpDefault) return { AX, AY };
  const TRect R = MonitorArea(FPositionInMonitor == skpDesktopCenter);
  return { R.Left + R.Width() / 2 - AW / 2, R.Top + R.Height() / 2 - AH / 2 };
}

void TskSkinForm::ApplyPositionInMonitor() {
  if (FPositionInMonitor == skpDefault) return;
  const TPoint P = GetPositionInMonitor(FForm->Left(), FForm->Top(), FForm->Width(), FForm->Height());
  FForm->SetBounds(P.X, P.Y, FForm->Width(), FForm->Height());
}
