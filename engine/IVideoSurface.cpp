#include "engine/IVideoSurface.h"

#include <mutex>

namespace {

std::mutex BinderLock;
TVideoSurfaceBinder Binder;

std::unique_ptr<IVideoSurface> NoSurface(HWND, String& AError) {
  AError = "no video surface is available for this window";
  return nullptr;
}

}  // namespace

void SetVideoSurfaceBinder(TVideoSurfaceBinder ABinder) {
  std::lock_guard Lock(BinderLock);
  Binder = std::move(ABinder);
}

std::unique_ptr<IVideoSurface> BindVideoSurface(HWND AWindow, String& AError) {
  TVideoSurfaceBinder Current;
  {
    std::lock_guard Lock(BinderLock);
    Current = Binder ? Binder : TVideoSurfaceBinder(NoSurface);
  }
  return Current(AWindow, AError);
}
