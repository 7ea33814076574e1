#include "skin/boxctrls/skDropDownWindow.h"

#include <algorithm>

#include "platform/base/Clock.h"
#include "platform/gdi/Capabilities.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TWinControl.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/boxctrls/TskSkinComboBase.h"
#include "skin/core/skUtils.h"

namespace {

constexpr Int64 FadeStepInterval = 5;

// Serves messages between the steps, so a handler may hide or free the popup meanwhile, which ends the
// fade. Between steps the loop waits on the clock instead of spinning.
void FadeIn(TWinControl* Popup, Byte Target) {
  const std::weak_ptr<bool> Alive = Popup->LifeToken();
  const auto Gone = [&] { return Alive.expired() || !Popup->Visible(); };
  Application->ProcessMessages();
  if (Gone()) return;
  const int Step = Target / 15 == 0 ? 1 : Target / 15;
  int Alpha = 0;
  Int64 Last = CurrentClock().Now() - FadeStepInterval - 1;
  while (Alpha < Target) {
    if (CurrentClock().Now() - Last > FadeStepInterval) {
      Last = CurrentClock().Now();
      Alpha = std::min(Alpha + Step, int(Target));
      SetWindowAlpha(Popup->Handle(), Byte(Alpha));
    } else {
      WaitForWorkUntil(Last + FadeStepInterval + 1);
    }
    Application->ProcessMessages();
    if (Gone()) return;
  }
}

}  // namespace

// Translucency needs layered windows, which not every presenter offers.
void ShowDropDown(TWinControl* Popup, TPoint Origin, const TskSkinComboBase* Combo, TskDropDownAlpha& State) {
  const bool Layered = Combo && IsWindows2000OrLater() && PlatformCapabilities().LayeredWindowsAvailable();
  const HWND Wnd = Popup->Handle();
  if (Layered) {
    const LONG_PTR ExStyle = GetWindowLongPtr(Wnd, GWL_EXSTYLE);
    if (Combo->AlphaBlend() && !State.FOldAlphaBlend) SetWindowLongPtr(Wnd, GWL_EXSTYLE, ExStyle | WS_EX_LAYERED);
    if (!Combo->AlphaBlend() && State.FOldAlphaBlend) SetWindowLongPtr(Wnd, GWL_EXSTYLE, ExStyle & ~WS_EX_LAYERED);
    State.FOldAlphaBlend = Combo->AlphaBlend();
    if (Combo->AlphaBlend() && Combo->AlphaBlendValue() != State.FOldAlphaBlendValue) {
      State.FOldAlphaBlendValue = Combo->AlphaBlendAnimation() ? 0 : Combo->AlphaBlendValue();
      SetWindowAlpha(Wnd, State.FOldAlphaBlendValue);
    }
  }
  Popup->SetBounds(Origin.X, Origin.Y, Popup->Width(), Popup->Height());
  SetWindowPos(Wnd, HWND_TOPMOST, Origin.X, Origin.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Popup->SetVisible(true);
  if (Layered && Combo->AlphaBlend() && Combo->AlphaBlendAnimation()) FadeIn(Popup, Combo->AlphaBlendValue());
}

void HideDropDown(TWinControl* Popup) {
  if (Popup->HandleAllocated())
    SetWindowPos(Popup->Handle(), 0, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  Popup->SetVisible(false);
}
