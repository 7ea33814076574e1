#pragma once
// Mouse input: turns pointer events at screen points into the messages of the window that takes them.
// Without capture, the deepest window under the point (HitTester) is asked WM_NCHITTEST (HTTRANSPARENT
// passes the point to what lies beneath); a press in a window whose top-level window is not active
// asks WM_MOUSEACTIVATE; WM_SETCURSOR follows; a press in a child window tells its ancestors
// (WM_PARENTNOTIFY); then the client message (HTCLIENT, client coordinates) or the non-client message
// (wParam the hit code, screen coordinates) is produced. With capture, every event becomes a client
// message of the capture window in its client coordinates, with no hit test. Double clicks are made
// here: the same button on the same window within the double-click time and distance, in the client
// area only for classes with CS_DBLCLKS, always in the non-client area.
#include <optional>

#include "platform/base/Types.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/Window.h"

class FocusManager;
class KeyStateTable;

/// One pointer event from a presenter.
struct PointerEvent {
  enum class Kind { Move, Press, Release, Wheel };
  Kind What { Kind::Move };
  /// 0 left, 1 right, 2 middle (presses and releases).
  int Button { 0 };
  /// Wheel delta, WHEEL_DELTA per notch, positive away from the user.
  int Delta { 0 };
  TPoint Screen;
  /// GetTickCount when the event arrived.
  DWORD Time { 0 };
};

/// Routing state of the pointer: capture, the last press for double clicks, leave tracking.
class PointerInput {
public:
  PointerInput(FocusManager& Focus, KeyStateTable& Keys) : FFocus(Focus), FKeys(Keys) {}

  /// The message Event becomes (none when it reaches no window or is eaten). Sends the hit test,
  /// activation, cursor and parent notices on the way; posts leave notices.
  std::optional<TMsg> Route(const PointerEvent& Event);
  /// The pointer left every window of the program.
  void Left();

  HWND SetCapture(HWND Wnd);
  bool ReleaseCapture();
  HWND Capture() const { return FCapture; }
  bool TrackMouseEvent(TRACKMOUSEEVENT& Track);

  /// Drops capture, tracking and the remembered press of Wnd and its descendants (hidden, destroyed).
  void Forget(HWND Wnd);

private:
  struct Press {
    HWND Wnd { 0 };
    int Button { -1 };
    bool NonClient { false };
    DWORD Time { 0 };
    TPoint Screen;
  };
  struct Tracking {
    HWND Wnd { 0 };
    bool NonClient { false };
  };

  std::optional<TMsg> RouteCaptured(const PointerEvent& Event, UINT Client);
  std::optional<TMsg> RouteWheel(const PointerEvent& Event);
  /// The window that takes P and its hit code, after WM_NCHITTEST answers; null when none.
  Window* Target(TPoint P, int& Hit);
  /// WM_MOUSEACTIVATE for a press in an inactive window; true when the press is eaten.
  bool MouseActivate(Window& W, int Hit, UINT Client);
  void NotifyParents(Window& W, UINT Client, TPoint Screen);
  /// Turns a press into a double click when it repeats the last one.
  UINT PressMessage(const Window& W, const PointerEvent& Event, bool NonClient, UINT Message);
  /// Posts the leave notice when the pointer moved off the tracked area.
  void UpdateTracking(HWND Wnd, bool NonClient);
  WPARAM KeyFlags() const;
  TMsg Make(HWND Wnd, UINT Message, WPARAM WParam, LPARAM LParam, const PointerEvent& Event) const;

  FocusManager& FFocus;
  KeyStateTable& FKeys;
  HWND FCapture { 0 };
  Press FLastPress;
  /// What WM_MOUSELEAVE / WM_NCMOUSELEAVE is asked for.
  Tracking FTracking;
  /// The window and area the last routed event was in.
  Tracking FHover;
};
