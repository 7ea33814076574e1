#include "skin/controls/skCheckParentBg.h"

#include "platform/ui/toolkit/TWinControl.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/skControlMessages.h"

void SendCheckParentBg(TWinControl* Parent) {
  for (int i = 0; i < Parent->ControlCount(); ++i) {
    TControl* Child = Parent->Controls(i);
    auto* Windowed = dynamic_cast<TWinControl*>(Child);
    if (Windowed && Windowed->HandleAllocated())
      SendMessage(Windowed->Handle(), WM_CHECKPARENTBG, 0, 0);
    else
      Child->Perform(WM_CHECKPARENTBG, 0, 0);
  }
}
