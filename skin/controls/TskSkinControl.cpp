#include "skin/controls/TskSkinControl.h"

#include "skin/controls/skControlMessages.h"

void TskSkinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_PAINT:
    FromWMPaint = true;
    TskSkinBinding::Dispatch(Message);
    FromWMPaint = false;
    return;
  case WM_ERASEBKGND: Message.Result = 1; return;
  case WM_CHECKPARENTBG: CheckParentBackground(); return;
  default: TskSkinBinding::Dispatch(Message);
  }
}
