#pragma once
// What the SDL2 presenter asks of the X server directly, where SDL2 has no call for it: stacking a window
// without giving it the keyboard focus, the owner a window is kept above (transient-for), the window's
// shape, and where the server has the window now (SDL's window events may report moves the window has
// made since). Kept apart from the window system's and GDI's headers, whose Window and Region the X
// headers would clash with.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/base/Types.h"

struct SDL_Window;

/// The X11 window of an SDL window on the X11 video driver.
class X11Native {
public:
  /// The X11 side of W; empty under another video driver (dummy, Wayland) or without W.
  static std::optional<X11Native> Of(SDL_Window* W);

  /// Puts the window above its siblings, leaving the keyboard focus where it is.
  void Raise() const;
  /// Keeps the window above Owner (the window manager's transient-for); none: no owner.
  void SetTransientFor(const std::optional<X11Native>& Owner) const;
  /// Shapes the window to the union of Shape's rectangles (window coordinates); none: rectangular.
  /// Nothing happens on a server without the shape extension.
  void SetShape(const std::optional<std::vector<TRect>>& Shape) const;
  /// The window's rectangle on the screen as the server has it now; empty when the server cannot tell.
  std::optional<TRect> Geometry() const;
  /// A window manager runs on the window's screen (it owns the screen's WM_Sn selection), so a request to
  /// iconify the window is carried out; without one nothing would iconify it.
  bool DesktopIconifies() const;
  /// The X window id (for tools and tests).
  unsigned long Id() const { return FWindow; }

private:
  X11Native(void* Display, unsigned long Window) : FDisplay(Display), FWindow(Window) {}

  void* FDisplay { nullptr };
  unsigned long FWindow { 0 };
};
