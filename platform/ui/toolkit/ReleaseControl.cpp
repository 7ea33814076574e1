#include "platform/ui/toolkit/ReleaseControl.h"

#include "platform/base/MainThread.h"
#include "platform/ui/toolkit/TControl.h"

void ReleaseControl(TControl* Control) {
  Queue([Control, Life = Control->LifeToken()] {
    if (!Life.expired()) delete Control;
  });
}
