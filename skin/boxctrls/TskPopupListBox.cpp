#include "skin/boxctrls/TskPopupListBox.h"

#include "platform/base/Clock.h"
#include "platform/gdi/Capabilities.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/boxctrls/TskSkinCustomComboBox.h"
#include "skin/core/skUtils.h"

namespace {

constexpr Int64 FadeStepInterval = 5;

}  // namespace

TskPopupListBox::TskPopupListBox(TComponent* AOwner) : TskSkinListBox(AOwner) {
  FControlStyle.Include(csAcceptsControls);
  FControlStyle.Include(csReplicatable);
  SetCtl3D(false);
  SetParentCtl3D(false);
  SetVisible(false);
}

TskPopupListBox::~TskPopupListBox() { *FAlive = false; }

void TskPopupListBox::CreateParams(TCreateParams& Params) {
  TskSkinListBox::CreateParams(Params);
  Params.Style = WS_POPUP | WS_CLIPSIBLINGS;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WindowClass.style |= CS_SAVEBITS;
}

void TskPopupListBox::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TskSkinListBox::Dispatch(Message);
}

// Translucency needs layered windows, which not every presenter offers.
void TskPopupListBox::Show(TPoint Origin) {
  auto* Combo = dynamic_cast<TskSkinCustomComboBox*>(Owner());
  const bool Layered = Combo && IsWindows2000OrLater() && PlatformCapabilities().LayeredWindowsAvailable();
  const HWND Wnd = Handle();
  if (Layered) {
    const LONG_PTR ExStyle = GetWindowLongPtr(Wnd, GWL_EXSTYLE);
    if (Combo->AlphaBlend() && !FOldAlphaBlend) SetWindowLongPtr(Wnd, GWL_EXSTYLE, ExStyle | WS_EX_LAYERED);
    if (!Combo->AlphaBlend() && FOldAlphaBlend) SetWindowLongPtr(Wnd, GWL_EXSTYLE, ExStyle & ~WS_EX_LAYERED);
    FOldAlphaBlend = Combo->AlphaBlend();
    if (Combo->AlphaBlend() && Combo->AlphaBlendValue() != FOldAlphaBlendValue) {
      FOldAlphaBlendValue = Combo->AlphaBlendAnimation() ? 0 : Combo->AlphaBlendValue();
      SetWindowAlpha(Wnd, FOldAlphaBlendValue);
    }
  }
  SetBounds(Origin.X, Origin.Y, Width(), Height());
  SetWindowPos(Wnd, HWND_TOPMOST, Origin.X, Origin.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  if (Layered && Combo->AlphaBlend() && Combo->AlphaBlendAnimation()) FadeIn(Combo->AlphaBlendValue());
}

// Serves messages between the steps, so a handler may hide or free the list meanwhile, which ends the fade.
// Between steps the loop waits on the clock instead of spinning.
void TskPopupListBox::FadeIn(Byte Target) {
  const std::weak_ptr<bool> Alive = FAlive;
  const auto Gone = [&] { return Alive.expired() || !Visible(); };
  Application->ProcessMessages();
  if (Gone()) return;
  const int Step = Target / 15 == 0 ? 1 : Target / 15;
  int Alpha = 0;
  Int64 Last = CurrentClock().Now() - FadeStepInterval - 1;
  while (Alpha < Target) {
    if (CurrentClock().Now() - Last > FadeStepInterval) {
      Last = CurrentClock().Now();
      Alpha = std::min(Alpha + Step, int(Target));
      SetWindowAlpha(Handle(), Byte(Alpha));
    } else {
      WaitForWorkUntil(Last + FadeStepInterval + 1);
    }
    Application->ProcessMessages();
    if (Gone()) return;
  }
}

void TskPopupListBox::Hide() {
  if (HandleAllocated())
    SetWindowPos(Handle(), 0, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  SetVisible(false);
}
