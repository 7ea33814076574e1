#include "skin/ribbon/TskAppButton.h"

#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/ribbon/TskAppMenu.h"
#include "skin/ribbon/TskRibbon.h"

bool TskAppButton::HasAppMenu() const { return Ribbon && Ribbon->AppMenu(); }

void TskAppButton::Release() {
  FMenuTracked = false;
  FDownState = false;
  SetDown(false);
}

bool TskAppButton::CanMenuTrack(int X, int Y) { return HasAppMenu() || TskSkinMenuButton::CanMenuTrack(X, Y); }

void TskAppButton::TrackMenu() {
  if (!HasAppMenu()) return TskSkinMenuButton::TrackMenu();
  FDownState = true;
  Ribbon->ShowAppMenu();
  // A menu without items does not show: the button does not stay down for it.
  if (!Ribbon->AppMenu()->Visible()) Release();
}

void TskAppButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && HasAppMenu() && Ribbon->AppMenu()->Visible()) {
    Ribbon->HideAppMenu(nullptr);
    return;
  }
  TskSkinMenuButton::MouseDown(Button, Shift, X, Y);
}

void TskAppButton::KeyDown(Word& Key, TShiftState Shift) {
  TskSkinMenuButton::KeyDown(Key, Shift);
  if (Key == VK_DOWN || Key == VK_SPACE)
    DropDown();
  else if ((Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP) && Ribbon && Ribbon->CanFocus())
    Ribbon->SetFocus();
}

void TskAppButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
  case WM_KEYUP:
    TskSkinMenuButton::Dispatch(Message);
    if (Message.WParam == VK_RETURN) DropDown();
    return;
  default: TskSkinMenuButton::Dispatch(Message);
  }
}
