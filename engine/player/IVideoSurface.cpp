#include "engine/player/IVideoSurface.h"

#include <mutex>

#include "engine/player/TWindowVideoSurface.h"

namespace {

std::mutex BinderLock;
TVideoSurfaceBinder Binder;

}  // namespace

void SetVideoSurfaceBinder(TVideoSurfaceBinder ABinder) {
  std::lock_guard Lock(BinderLock);
  Binder = std::move(ABinder);
}

std::unique_ptr<IVideoSurface> BindVideoSurface(HWND AWindow, String& AError) {
  TVideoSurfaceBinder Current;
  {
    std::lock_guard Lock(BinderLock);
    Current = Binder ? Binder : TVideoSurfaceBinder(TWindowVideoSurface::Bind);
  }
  return Current(AWindow, AError);
}
