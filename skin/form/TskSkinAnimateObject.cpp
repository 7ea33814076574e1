#include "skin/form/TskSkinAnimateObject.h"

#include <algorithm>

#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/form/TskSkinForm.h"

namespace {

constexpr int AnimateTick = 25;

}  // namespace

TskSkinAnimateObject::TskSkinAnimateObject(TskSkinForm* AParent, TskDataSkinObject* AData)
    : TskActiveSkinObject(AParent, AData) {
  auto* Data = dynamic_cast<TskDataSkinAnimate*>(AData);
  if (!Data) return;
  TimerInterval = std::max(Data->TimerInterval, AnimateTick);
  CountFrames = Data->CountFrames;
  Cycle = Data->Cycle;
  ButtonStyle = Data->ButtonStyle;
  Command = Data->Command;
  DownSkinRect = Data->DownSkinRect;
  RestoreRect = Data->RestoreRect;
  RestoreActiveRect = Data->RestoreActiveRect;
  RestoreInActiveRect = Data->RestoreInActiveRect;
  RestoreDownRect = Data->RestoreDownRect;
  RestoreHint = Data->RestoreHint;
  FTempHint = Data->Hint;
}

bool TskSkinAnimateObject::RestoreLook() const {
  switch (Command) {
  case cmMaximize: return Parent->WindowState() == wsMaximized;
  case cmMinimize: return Parent->WindowState() == wsMinimized;
  case cmRollUp: return Parent->RollUpState();
  default: return false;
  }
}

void TskSkinAnimateObject::ShowLayer() {
  if (MenuItem)
    ShowLayerOn(Parent->MenuLayerManager());
  else
    TskActiveSkinObject::ShowLayer();
}

TRect TskSkinAnimateObject::ScreenObjectRect() const { return Parent->FrameToScreen(ObjectRect); }

void TskSkinAnimateObject::HideLayer() {
  TskLayerManager* Manager = MenuItem ? Parent->MenuLayerManager() : Parent->LayerManager();
  if (Manager->IsVisible) Manager->Hide();
}

void TskSkinAnimateObject::Draw(TCanvas* Cnvs, bool) {
  if (!SkinUsable()) return;
  const bool Restore = RestoreLook() && !IsEmptyRect(RestoreRect);
  const TRect Strip = Restore ? RestoreRect : SkinRect;
  const TRect Down = Restore ? RestoreDownRect : DownSkinRect;
  const TRect InActive = Restore ? RestoreInActiveRect : InActiveSkinRect;
  const int W = SkinRect.Width();
  auto FrameRect = [&](int N) { return Rect(Strip.Left + W * (N - 1), Strip.Top, Strip.Left + W * N, Strip.Bottom); };
  TRect Source;
  if (FMenuTracking) {
    if (IsEmptyRect(Down)) FFrame = CountFrames;
    Source = IsEmptyRect(Down) ? FrameRect(CountFrames) : Down;
  } else if (!Parent->GetFormActive() && !IsEmptyRect(InActive)) {
    Source = InActive;
  } else if (FDown && FMouseIn && !IsEmptyRect(Down)) {
    Source = Down;
  } else {
    Source = FrameRect(FFrame);
  }
  CopyPicture(Cnvs, ActivePicture, Source);
}

// ---- Animation -----------------------------------------------------------------------------------------

void TskSkinAnimateObject::SetFrame(int Value) {
  FFrame = Value;
  if (Increment && FFrame > CountFrames) FFrame = 1;
  if (!Increment && FFrame <= 0) FFrame = CountFrames;
  Parent->DrawSkinObject(this);
}

void TskSkinAnimateObject::ChangeFrame() {
  if (FInc < TimerInterval) {
    FInc += AnimateTick;
    return;
  }
  if (Increment) {
    SetFrame(FFrame + 1);
    if (!Cycle && FFrame == CountFrames) Active = false;
  } else {
    SetFrame(FFrame - 1);
    if (FFrame == 1) Active = false;
  }
  FInc = AnimateTick;
}

void TskSkinAnimateObject::Start() {
  FInc = AnimateTick;
  FFrame = 1;
  Active = true;
  Parent->EnableAnimateTimer();
}

void TskSkinAnimateObject::Stop() {
  SetFrame(1);
  Active = false;
  FInc = AnimateTick;
}

void TskSkinAnimateObject::Animate() {
  if (!FDown || IsEmptyRect(DownSkinRect))
    Parent->EnableAnimateTimer();
  else
    Parent->DrawSkinObject(this);
}

// ---- Mouse ---------------------------------------------------------------------------------------------

void TskSkinAnimateObject::MouseEnter() {
  if (Command != cmDefault) Hint = !RestoreHint.empty() && RestoreLook() ? RestoreHint : FTempHint;
  FMouseIn = true;
  if (FMenuTracking) return;
  if (ButtonStyle) {
    Active = true;
    Increment = true;
    Animate();
  }
  if (Parent->OnMouseEnterEvent) Parent->OnMouseEnterEvent(IDName);
  ShowLayer();
}

void TskSkinAnimateObject::MouseLeave() {
  if (!FMouseIn) return;
  FMouseIn = false;
  if (FMenuTracking) return;
  if (ButtonStyle) {
    Active = true;
    Increment = false;
    Animate();
  }
  if (Parent->OnMouseLeaveEvent) Parent->OnMouseLeaveEvent(IDName);
  HideLayer();
}

void TskSkinAnimateObject::MouseDown(int X, int Y, TMouseButton Button) {
  TskActiveSkinObject::MouseDown(X, Y, Button);
  if (Button == mbLeft && !IsEmptyRect(DownSkinRect)) {
    FFrame = CountFrames;
    FDown = true;
    Parent->DrawSkinObject(this);
  }
  if (Command == cmSysMenu && FMouseIn && ButtonStyle && Button == mbLeft) RunCommand();
}

void TskSkinAnimateObject::MouseUp(int X, int Y, TMouseButton Button) {
  TskActiveSkinObject::MouseUp(X, Y, Button);
  if (FMenuTracking) return;
  if (Button == mbLeft && !IsEmptyRect(DownSkinRect)) {
    FDown = false;
    Parent->DrawSkinObject(this);
    Parent->EnableAnimateTimer();
  }
  if (Command != cmSysMenu && FMouseIn && ButtonStyle && Button == mbLeft) RunCommand();
}

void TskSkinAnimateObject::DblClick() {
  if (Command == cmSysMenu) Parent->Form()->Close();
}

void TskSkinAnimateObject::RunCommand() {
  switch (Command) {
  case cmClose:
    Parent->TrackActiveObject(-1, -1, false);
    Parent->Form()->Close();
    break;
  case cmMaximize:
    Parent->TrackActiveObject(-1, -1, false);
    Parent->SetWindowState(Parent->WindowState() == wsMaximized ? wsNormal : wsMaximized);
    break;
  case cmMinimize:
    Parent->TrackActiveObject(-1, -1, false);
    if (Parent->AlwaysMinimizeToTray())
      Parent->MinimizeToTray();
    else
      Parent->SetWindowState(Parent->WindowState() == wsMinimized ? wsNormal : wsMinimized);
    break;
  case cmMinimizeToTray:
    Parent->TrackActiveObject(-1, -1, false);
    Parent->MinimizeToTray();
    break;
  case cmSysMenu:
    MenuItem = Parent->SystemMenuItems();
    ShowMenu();
    break;
  case cmDefault:
    if (MenuItem) ShowMenu();
    break;
  case cmRollUp: Parent->SetRollUpState(!Parent->RollUpState()); break;
  }
}

void TskSkinAnimateObject::ShowMenu() {
  if (!MenuItem || MenuItem->Count() == 0) return;
  Parent->HideLayers();
  if (FMouseIn) ShowLayer();
  FMenuTracking = true;
  Parent->PopupSkinMenuItems(MenuItem, ScreenObjectRect(), FPopupUp);
}
