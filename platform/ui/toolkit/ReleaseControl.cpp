#include "platform/ui/toolkit/ReleaseControl.h"

#include "platform/base/MainThread.h"
#include "platform/ui/toolkit/TWinControl.h"

void ReleaseControl(TControl* Control) {
  // Inside the control's own window procedure (also in a loop nested there) the release waits for it.
  if (auto* Windowed = dynamic_cast<TWinControl*>(Control); Windowed && Windowed->FDispatchDepth > 0) {
    Windowed->FReleasePending = true;
    return;
  }
  Queue([Control, Life = Control->LifeToken()] {
    if (!Life.expired()) delete Control;
  });
}
