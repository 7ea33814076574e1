#pragma once
// Where the player's pictures go: a back buffer of 32-bit BGRA pixels bound to a window, which the window
// shows in place of its own painting while it is bound.
#include <functional>
#include <memory>

#include "platform/base/Types.h"
#include "platform/gdi/WindowHandle.h"

/// A video surface bound to one window. Every member may be called from any thread; the window's own
/// thread paints what Update marks. Destroying the surface unbinds it and the window paints itself again.
class IVideoSurface {
public:
  /// What the window tells its player: a new client size (resize) or a need to draw again (expose).
  enum TNotice { vnResize, vnExpose };
  using TListener = std::function<void(TNotice ANotice, TSize AClientSize)>;

  virtual ~IVideoSurface() = default;

  /// The window's client size.
  virtual TSize ClientSize() = 0;
  /// Makes a new back buffer of that size, all black.
  virtual void SetMode(int AWidth, int AHeight) = 0;
  /// The back buffer's size, 0 x 0 before SetMode.
  virtual TSize Mode() = 0;
  /// Locks the back buffer and returns its first row (rows top first, AStride bytes apart); nullptr, still
  /// locked, before SetMode. The holder calls no other member until Unlock.
  virtual uint8_t* Lock(int& AStride) = 0;
  virtual void Unlock() = 0;
  /// Shows the pixels of ARect (back-buffer coordinates) in the window.
  virtual void Update(const TRect& ARect) = 0;
  /// Receives the window's notices, on the window's thread; an empty function stops them.
  virtual void SetListener(TListener AListener) = 0;
};

/// Binds a video surface to AWindow; nullptr with the reason in AError when it cannot.
using TVideoSurfaceBinder = std::function<std::unique_ptr<IVideoSurface>(HWND AWindow, String& AError)>;

/// Installs how surfaces are bound; an empty binder restores the default one, the window system's video
/// surface.
void SetVideoSurfaceBinder(TVideoSurfaceBinder ABinder);
/// Binds a video surface to AWindow through the installed binder.
std::unique_ptr<IVideoSurface> BindVideoSurface(HWND AWindow, String& AError);
