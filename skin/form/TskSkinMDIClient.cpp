#include "skin/form/TskSkinMDIClient.h"

#include "platform/ui/winsys/Ui.h"
#include "skin/form/TskSkinForm.h"

TskSkinMDIClient::TskSkinMDIClient(TskSkinForm* AFrame)
    : FFrame(AFrame), FClientInstance(std::make_unique<WindowProc>([this](HWND Wnd, UINT Msg, WPARAM WParam,
                                                                          LPARAM LParam) {
        return ClientWndProc(Wnd, Msg, WParam, LParam);
      })) {}

TskSkinMDIClient::~TskSkinMDIClient() { Detach(); }

void TskSkinMDIClient::Attach(HWND Wnd) {
  if (Wnd == FWnd || !IsWindow(Wnd)) return;
  Detach();
  FWnd = Wnd;
  FPrevClientProc = WNDPROC(SetWindowLongPtr(FWnd, GWL_WNDPROC, LONG_PTR(FClientInstance.get())));
  Repaint();
}

void TskSkinMDIClient::Detach() {
  if (FWnd && IsWindow(FWnd)) SetWindowLongPtr(FWnd, GWL_WNDPROC, LONG_PTR(FPrevClientProc));
  FWnd = 0;
  FPrevClientProc = nullptr;
}

void TskSkinMDIClient::Repaint() const {
  if (FWnd) RedrawWindow(FWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

LRESULT TskSkinMDIClient::ClientWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_SIZE: {
    const LRESULT Result = CallWindowProc(FPrevClientProc, Wnd, Msg, WParam, LParam);
    FFrame->MDIClientResized();
    return Result;
  }
  case WM_ERASEBKGND: FFrame->PaintMDIClientBG(HDC(WParam)); return 1;
  case WM_NCCALCSIZE:
  case WM_NCPAINT: return 0;
  case WM_NCACTIVATE: return 1;
  default: return CallWindowProc(FPrevClientProc, Wnd, Msg, WParam, LParam);
  }
}
