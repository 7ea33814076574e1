#include "platform/ui/toolkit/THintWindow.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/winsys/Ui.h"

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  FVisible = false;
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  Params.WindowClass.style |= CS_SAVEBITS;
  Params.WndParent = 0;
}

void THintWindow::ActivateHint(TRect Rect, const String& AHint) {
  SetCaption(AHint);
  SetBoundsRect(Rect);
  if (!Visible()) {
    SetVisible(true);
    return;
  }
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Repaint();
}

void THintWindow::ActivateHintData(TRect Rect, const String& AHint, void* AData) {
  (void)AData;
  ActivateHint(Rect, AHint);
}

TRect THintWindow::CalcHintRect(int MaxWidth, const String& AHint, void* AData) {
  (void)AData;
  TRect R = Rect(0, 0, MaxWidth, 0);
  Canvas()->SetFont(Font());
  DrawText(Canvas()->Handle(), AHint, R, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  return Rect(0, 0, R.Right + 6, R.Bottom + 2);
}

bool THintWindow::IsHintMsg(const TMsg& Msg) {
  switch (Msg.message) {
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN:
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
  case WM_RBUTTONDBLCLK:
  case WM_MBUTTONDBLCLK:
  case WM_NCLBUTTONDOWN:
  case WM_NCRBUTTONDOWN:
  case WM_NCMBUTTONDOWN:
  case WM_MOUSEWHEEL:
  case WM_ACTIVATE:
  case WM_ACTIVATEAPP: return true;
  default: return false;
  }
}

void THintWindow::ReleaseHandle() {
  SetVisible(false);
  if (HandleAllocated()) DestroyHandle();
}

void THintWindow::Paint() {
  TRect R = ClientRect();
  R.Left += 2;
  R.Top += 2;
  Canvas()->SetFont(Font());
  Canvas()->Brush()->SetStyle(bsClear);
  const String Text = Caption();
  DrawText(Canvas()->Handle(), Text, R, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

// The hint shows on top of everything, never becomes active and lets the mouse through to what is below.
void THintWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_NCHITTEST: Message.Result = HTTRANSPARENT; return;
  case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
  case CM_SHOWINGCHANGED:
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (Showing() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    return;
  default: TCustomControl::Dispatch(Message); return;
  }
}
