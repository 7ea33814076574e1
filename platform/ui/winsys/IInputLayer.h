#pragma once
// The input layer: frames, hit testing, input routing, capture, focus and activation. The window system
// core keeps the tree, the messages, painting and timers; it hands this layer
//   - the default handling of the non-client, input, activation, cursor, sizing and system-command
//     messages (DefWindowProc asks DefaultProc first, for every message),
//   - keyboard translation (TranslateMessage),
//   - notices about windows that are shown, hidden, disabled or destroyed, so focus, capture, activation
//     and hover state never point at a window that cannot have them,
// and the presenters hand it native input (screen points, virtual keys, text). Installed with
// WindowSystem::SetInputLayer; without one, windows have no frame (client = window), hit testing answers
// HTCLIENT inside the window, and native input is dropped.
//
// Every call comes on the UI thread. Input is queued with WindowSystem::PostInput, so it passes the
// message hooks (Application.OnMessage) before translation and dispatch.
#include "platform/base/Types.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/UiTypes.h"

/// Pointer buttons as the presenters report them.
enum class PointerButton { Left, Right, Middle };

/// Frames, input, capture, focus and activation; see the file comment.
class IInputLayer {
public:
  virtual ~IInputLayer() = default;

  // ---- Default procedure and translation ----
  /// Default handling of Msg for Wnd. Returns true with Result set when the layer handled it; false
  /// leaves it to the core's default handling.
  virtual bool DefaultProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) = 0;
  /// TranslateMessage: queues the character messages a key message produces; true when it queued any.
  virtual bool Translate(const TMsg& Msg) = 0;

  // ---- Notices from the core ----
  /// SetWindowPos without SWP_NOACTIVATE (ShowWindow's activating commands included) placed a shown
  /// top-level window that does not have WS_EX_NOACTIVATE: make it the active window.
  virtual void ActivateRequested(HWND Wnd) = 0;
  /// Wnd (and so its descendants) became hidden, or Wnd was minimized.
  virtual void WindowHidden(HWND Wnd) = 0;
  /// Wnd became disabled (after WM_CANCELMODE and before WM_ENABLE).
  virtual void WindowDisabled(HWND Wnd) = 0;
  /// Wnd is being destroyed (before WM_DESTROY); it and its descendants must lose capture, focus,
  /// activation and hover.
  virtual void WindowDestroying(HWND Wnd) = 0;

  // ---- Native input from the presenters ----
  virtual void PointerMoved(TPoint Screen) = 0;
  virtual void PointerButtonChanged(PointerButton Button, bool Down, TPoint Screen) = 0;
  /// Delta in WHEEL_DELTA units, positive away from the user.
  virtual void PointerWheel(int Delta, TPoint Screen) = 0;
  /// The pointer left every window of the program.
  virtual void PointerLeft() = 0;
  /// A key went down (Repeat: held down) or up; Key is a virtual-key code (VirtualKeys.h).
  virtual void KeyChanged(UINT Key, bool Down, bool Repeat) = 0;
  /// Committed text (UTF-8); each code point becomes one WM_CHAR.
  virtual void TextCommitted(const String& Text) = 0;
  /// The input method started (true) or ended (false) a composition; keys during one reach no control.
  virtual void CompositionChanged(bool Composing) = 0;
  /// The native window of top-level Wnd got (true) or lost (false) the system's keyboard focus.
  virtual void NativeFocusChanged(HWND Wnd, bool Gained) = 0;
  /// The user asked to close top-level Wnd (the title bar of the system, a close shortcut).
  virtual void CloseRequested(HWND Wnd) = 0;
  /// The user restored (false) or minimized (true) the native window of top-level Wnd.
  virtual void NativeMinimizedChanged(HWND Wnd, bool Minimized) = 0;
};
