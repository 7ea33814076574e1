#include "skin/core/TskLayerWindow.h"

#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowClass.h"

TskLayerWindow::TskLayerWindow(TComponent* AOwner) : TCustomControl(AOwner) { FVisible = false; }

void TskLayerWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
  Params.WindowClass.style |= CS_SAVEBITS;
  Params.WndParent = 0;
}

void TskLayerWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
    // The layered picture is all the window shows; its own surface is never seen.
    case WM_ERASEBKGND: Message.Result = 1; return;
    default: TCustomControl::Dispatch(Message); return;
  }
}
