#pragma once
// The presenter: what shows the top-level windows to the user (a native window per top-level window) or
// composes them in memory for tests, and what feeds native input back into the window system.
//
// The window system calls the notifications on the UI thread after it changed its window record, so the
// presenter reads the current state from the record (WindowSystem::Find): Rect (screen), Style/ExStyle
// (WS_VISIBLE, WS_MINIMIZE, WS_MAXIMIZE, WS_EX_TOPMOST, WS_EX_TOOLWINDOW, WS_EX_LAYERED, WS_POPUP,
// WS_EX_TRANSPARENT, WS_EX_APPWINDOW), Text, Owner, WindowRgn, Backing, LayerAlpha/LayerKey/LayerFlags/
// LayerImage, and the z-order of WindowSystem::TopLevelWindows(). Child windows are never the presenter's
// business.
//
// Screen facts are not asked through this interface: at start-up the presenter fills the monitor list of
// PlatformCapabilities() (platform/gdi/Capabilities.h) and the screen size of SetScreenSize (Gdi.h), and
// updates both when the screen changes (then it sends WM_DISPLAYCHANGE to the top-level windows).
//
// Native input goes to the input layer (IInputLayer, input entry points) on the UI thread, from
// PumpEvents or WaitForEvents.
#include <optional>

#include "platform/base/Types.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/winsys/UiTypes.h"

/// Shows top-level windows and delivers native events; installed with WindowSystem::SetPresenter.
class IPresenter {
public:
  virtual ~IPresenter() = default;

  // ---- Top-level windows ----
  /// A top-level window was created (hidden) or became top-level (SetParent).
  virtual void WindowCreated(HWND Wnd) { (void)Wnd; }
  /// A top-level window is going away or stops being top-level; its record is still readable.
  virtual void WindowDestroyed(HWND Wnd) { (void)Wnd; }
  /// Visibility changed (WS_VISIBLE in the record says which way). Activate is false for the
  /// non-activating shows (SWP_NOACTIVATE, SW_SHOWNA, SW_SHOWNOACTIVATE, WS_EX_NOACTIVATE): the native
  /// window must not take the keyboard focus then.
  virtual void WindowVisibilityChanged(HWND Wnd, bool Activate) { (void)Wnd; (void)Activate; }
  /// Position or size changed; after a size change Backing is a new surface of the new size.
  virtual void WindowMoved(HWND Wnd) { (void)Wnd; }
  /// Minimized, maximized or restored (WS_MINIMIZE / WS_MAXIMIZE in the record).
  virtual void WindowStateChanged(HWND Wnd) { (void)Wnd; }
  /// Style, extended style, window region or layered attributes changed.
  virtual void WindowStyleChanged(HWND Wnd) { (void)Wnd; }
  /// The window's icons changed (BigIcon / SmallIcon in the record; their pictures through Icons.h).
  virtual void WindowIconChanged(HWND Wnd) { (void)Wnd; }
  /// The window's text changed (the native title and taskbar entry show it).
  virtual void WindowTextChanged(HWND Wnd) { (void)Wnd; }
  /// The z-order of the top-level windows changed.
  virtual void ZOrderChanged() {}
  /// Pixels of the window changed inside Dirty (window coordinates): copy them from Backing (or show
  /// LayerImage for a window that has one).
  virtual void Present(HWND Wnd, const Region& Dirty) = 0;

  // ---- The loop ----
  /// Makes a running or the next WaitForEvents return soon. Thread-safe (workers, hand-overs, posts).
  virtual void Wake() = 0;
  /// Blocks until a native event arrives, Wake is called, or CurrentClock().Now() reaches Deadline
  /// (no deadline when empty), then delivers the native events that arrived. Returns at once when Wake
  /// was called since the last wait.
  virtual void WaitForEvents(std::optional<Int64> Deadline) = 0;
  /// Delivers the native events already waiting, without blocking.
  virtual void PumpEvents() = 0;

  // ---- Services of the native side (used by the input layer) ----
  /// The pointer's global position in screen coordinates.
  virtual TPoint PointerPosition() { return {}; }
  /// Keeps pointer events arriving while a button is held outside the windows (capture).
  virtual void SetPointerCapture(bool On) { (void)On; }
  /// Shows a pointer image (32-bit premultiplied, hot spot in image coordinates); null: the arrow.
  virtual void SetPointerImage(const Surface* Image, TPoint HotSpot) { (void)Image; (void)HotSpot; }
  /// Native text input on or off; Caret is the caret rectangle in screen coordinates (for the input
  /// method's composition window).
  virtual void SetTextInput(bool On, const TRect& Caret) { (void)On; (void)Caret; }
  /// Brings the window's native window to the front with the keyboard focus.
  virtual void RaiseWindow(HWND Wnd) { (void)Wnd; }
  virtual bool ClipboardHasText() { return false; }
  virtual String ClipboardText() { return {}; }
  virtual void SetClipboardText(const String& Text) { (void)Text; }
};
