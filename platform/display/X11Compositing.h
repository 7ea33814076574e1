#pragma once
// The compositing manager of the X server's screen, as the SDL2 presenter needs to know it: windows can be
// translucent only while one runs (it owns the screen's _NET_WM_CM_Sn selection), a window with alpha in
// its pixels is made with the screen's 32-bit visual, and the manager may start or stop at any time. Kept
// apart from the window system's headers, whose Window the X headers would clash with.
#include <optional>

struct SDL_Window;
struct SDL_SysWMmsg;

/// Watches the compositing manager of one screen over SDL's own X connection.
class X11Compositing {
public:
  /// Watches the screen of Probe (any window of SDL's X11 video driver): owner changes of the manager's
  /// selection then arrive as SDL window-system messages. Empty under another video driver or on a server
  /// without the XFixes extension, where no change could be told.
  static std::optional<X11Compositing> Watch(SDL_Window* Probe);

  /// A compositing manager runs now (asked of the server, not remembered).
  bool ManagerRuns() const;
  /// The id of the screen's visual whose pixels carry alpha beside the colour (32-bit TrueColor with an
  /// alpha channel in the server's rendering formats, which a manager blends by); 0 when there is none.
  unsigned long AlphaVisual() const;
  /// Msg is the server's notice that the manager's selection changed hands (started, stopped, replaced).
  bool IsManagerChange(const SDL_SysWMmsg& Msg) const;

private:
  X11Compositing(void* Display, int Screen, unsigned long Selection, int FixesEventBase)
      : FDisplay(Display), FScreen(Screen), FSelection(Selection), FFixesEventBase(FixesEventBase) {}

  void* FDisplay { nullptr };
  int FScreen { 0 };
  unsigned long FSelection { 0 };
  int FFixesEventBase { 0 };
};
