#include "platform/ui/toolkit/TControlCanvas.h"

#include <algorithm>
#include <vector>

#include "platform/base/ScopeGuard.h"
#include "platform/ui/toolkit/TControl.h"
#include "platform/ui/winsys/Ui.h"

namespace {

/// Canvases holding a DC they fetched themselves; the DCs go back after each message (FreeDeviceContexts).
std::vector<TControlCanvas*>& CanvasesWithDC() {
  static std::vector<TControlCanvas*> List;
  return List;
}

}  // namespace

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* Value) {
  if (FControl == Value) return;
  FreeHandle();
  FControl = Value;
}

void TControlCanvas::FreeHandle() {
  if (!FDeviceContext) return;
  SetHandle(nullptr);
  ReleaseDC(FWindowHandle, FDeviceContext);
  FDeviceContext = nullptr;
  FWindowHandle = 0;
  auto& List = CanvasesWithDC();
  List.erase(std::remove(List.begin(), List.end(), this), List.end());
}

void TControlCanvas::PaintOn(HDC DC, const std::function<void()>& Paint) {
  FreeHandle();
  Lock();
  SetHandle(DC);
  ScopeGuard Released([&] {
    SetHandle(nullptr);
    Unlock();
  });
  Paint();
}

void TControlCanvas::CreateHandle() {
  if (!FControl) return;
  FreeHandle();
  FDeviceContext = FControl->GetDeviceContext(FWindowHandle);
  SetHandle(FDeviceContext);
  CanvasesWithDC().push_back(this);
}

void FreeDeviceContexts() {
  while (!CanvasesWithDC().empty()) CanvasesWithDC().back()->FreeHandle();
}
