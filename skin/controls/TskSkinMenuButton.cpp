#include "skin/controls/TskSkinMenuButton.h"

#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"

TskSkinMenuButton::TskSkinMenuButton(TComponent* AOwner) : TskSkinMenuTracking(AOwner) { FSpaceSupport = false; }

void TskSkinMenuButton::DropDown() {
  if (Skinned() && !IsEmptyRect(AnimateSkinRect)) StopAnimate();
  if (!FDown) SetDown(true);
  FMenuTracked = true;
  TrackMenu();
}

void TskSkinMenuButton::OpenMenu() {
  FMenuTracked = true;
  SetDown(true);
  TrackMenu();
}

void TskSkinMenuButton::MenuClosed() {
  FMenuTracked = false;
  SetDown(false);
  TPoint Cursor;
  GetCursorPos(&Cursor);
  FMouseIn = HandleAllocated() && WindowFromPoint(Cursor) == Handle();
  const std::weak_ptr<bool> Life = LifeToken();
  if (OnHideTrackMenu) OnHideTrackMenu(this);
  if (Life.expired()) return;
  if (FLayerManager->IsVisible && !FMouseIn) HideLayer();
}

void TskSkinMenuButton::PopupMenuClosed() {
  const std::weak_ptr<bool> Life = LifeToken();
  MenuClosed();
  if (!Life.expired()) Repaint();
}

void TskSkinMenuButton::ImagesMenuClosed() {
  const std::weak_ptr<bool> Life = LifeToken();
  MenuClosed();
  if (!Life.expired()) DoMorph();
}

bool TskSkinMenuButton::MenuKey(TMessage& Message) {
  switch (Message.Msg) {
  case WM_KEYDOWN:
    if (Message.WParam != VK_SPACE || TrackButtonMode() || !CanMenuTrack(0, 0)) return false;
    OpenMenu();
    return true;
  case WM_KEYUP:
    if (Message.WParam == VK_SPACE) {
      if (!FMenuTracked) {
        SetDown(false);
        if (OnClick) OnClick(this);
      }
      return true;
    }
    // Enter clicked the button when it went down already; a second click on its release would run the
    // command twice for one key press.
    return false;
  default: return false;
  }
}

void TskSkinMenuButton::Dispatch(TMessage& Message) {
  if (CanFocused() && SkinPopupMenu() && MenuKey(Message)) return;
  if (Message.Msg == CM_DIALOGCHAR && !TrackButtonMode() && CanMenuTrack(0, 0) && CanFocused() &&
      IsAccel(char32_t(Message.WParam), Caption()) && CanFocus()) {
    Message.Result = 1;
    SetFocus();
    OpenMenu();
    return;
  }
  TskSkinMenuTracking::Dispatch(Message);
}

void TskSkinMenuButton::CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) {
  if (StyledName())
    CreateStyledImage(B, ADown, AMouseIn);
  else if (!CreateTrackedPartImage(B))
    TskSkinMenuTracking::CreateButtonImage(B, R, ADown, AMouseIn);
}

// The caption keeps its colour when the button is disabled.
void TskSkinMenuButton::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* C = B->Canvas();
  const int W = B->Width(), H = B->Height();
  const bool Pressed = FDown && FMouseIn;
  const bool Hot = FMouseIn || IsFocused();
  if (TrackButtonMode()) {
    DrawBuiltInButton(C, Rect(0, 0, W - DropDownWidth, H), FMenuTracked || Hot, !FMenuTracked && Pressed);
    DrawBuiltInButton(C, Rect(W - DropDownWidth, 0, W, H), FMenuTracked || Hot, FMenuTracked || Pressed);
  } else {
    DrawBuiltInButton(C, Rect(0, 0, W, H), Hot, Pressed);
  }
  SelectFontFace(C);
  DrawContent(C, Rect(0, 0, W - DropDownWidth, H), FDown, FMouseIn);
  const int Shift = Pressed || FMenuTracked ? 2 : 0;
  DrawDropDownArrow(C, Rect(W - DropDownWidth + Shift, Shift, W + Shift, H + Shift), clBtnText);
}
