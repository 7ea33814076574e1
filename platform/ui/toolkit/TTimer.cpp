#include "platform/ui/toolkit/TTimer.h"

#include "platform/ui/toolkit/TControlCanvas.h"
#include "platform/ui/toolkit/TWinControl.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/UtilityWindow.h"

namespace {
constexpr UINT_PTR TimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  FWindowHandle = AllocateHWnd([this](TMessage& Message) {
    if (Message.Msg != WM_TIMER) return false;
    Timer();
    // What the tick drew on control canvases reaches the screen as after any control's message.
    if (!ControlDispatchRunning()) FreeDeviceContexts();
    return true;
  });
  UpdateTimer();
}

TTimer::~TTimer() {
  FEnabled = false;
  DeallocateHWnd(FWindowHandle);
}

void TTimer::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(Cardinal Value) {
  if (FInterval == Value) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  KillTimer(FWindowHandle, TimerId);
  if (FEnabled && FInterval != 0) SetTimer(FWindowHandle, TimerId, FInterval);
}

// The handler may free this timer: it runs from a copy, and nothing of the timer is touched after it.
void TTimer::Timer() {
  if (!OnTimer) return;
  const TNotifyEvent Handler = OnTimer;
  Handler(this);
}
