#pragma once
// The presenter of tests. Nothing is shown: the visible top-level windows are composed into an in-memory
// screen that tests read, synthetic mouse, keyboard and text input enters through the input layer exactly
// where native input would, and time runs on a virtual clock that moves when the test advances it (or
// when the loop would wait for a timer, see WaitForEvents).
//
// While it lives it is the window system's presenter with a fresh standard input layer, the current clock
// (GetTickCount moves 1 ms per read, so loops that spin on tick counts end), the text layer uses the
// deterministic test face, and the capability table reports layered windows available with its monitors.
// Its destructor destroys every window (WindowSystem::Reset, which lets the input layer go too) and puts
// the clock, the face choice and the capability table back.
//
// Every call is for the UI thread (the test's thread), except Wake.
#include <atomic>
#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/base/VirtualClock.h"
#include "platform/gdi/Capabilities.h"
#include "platform/ui/winsys/IInputLayer.h"
#include "platform/ui/winsys/IPresenter.h"
#include "platform/ui/winsys/Window.h"

/// In-memory screen, synthetic input and virtual time for tests; see the file comment.
class HeadlessPresenter : public IPresenter {
public:
  /// A screen of one monitor of ScreenSize whose work area is the whole monitor.
  explicit HeadlessPresenter(TSize ScreenSize = { 1280, 800 });
  ~HeadlessPresenter() override;
  HeadlessPresenter(const HeadlessPresenter&) = delete;
  HeadlessPresenter& operator=(const HeadlessPresenter&) = delete;

  // ---- The screen ----
  /// Replaces the monitors (the primary first, at least one) and tells the windows (WM_DISPLAYCHANGE).
  void SetMonitors(const std::vector<TMonitorArea>& Monitors);
  /// Changes the primary monitor's work area.
  void SetWorkArea(const TRect& WorkArea);
  /// The area the composed screen covers: the union of the monitors (screen coordinates).
  TRect ScreenBounds() const;
  /// The composed screen: the desktop colour, then every visible, not minimized top-level window from the
  /// bottom of the z-order up, clipped to its window region, with its layered alpha and colour key.
  /// Pixel (0, 0) is ScreenBounds()'s top-left corner.
  const Surface& Screen();
  /// The composed colour at a screen point; clBlack outside the screen.
  TColor PixelAt(int X, int Y);
  /// The composed screen as an RGB PNG file.
  void SaveScreenPng(const String& FileName);
  /// One window's own pixels (its backing surface, or the picture of UpdateLayeredWindow composed on
  /// black) as an RGB PNG file, whatever covers it. Raises Exception for a handle that names no top-level
  /// window with pixels.
  void SaveWindowPng(HWND Wnd, const String& FileName);

  /// The colour of the screen where no window is.
  static constexpr TColor DesktopColor = TColor(0x000000);

  // ---- Synthetic input (each call lets the loop run until idle afterwards) ----
  /// Where the virtual pointer is (screen coordinates).
  TPoint Pointer() const { return FPointer; }
  void MoveTo(int X, int Y);
  void ButtonDown(int X, int Y, PointerButton Button = PointerButton::Left);
  void ButtonUp(int X, int Y, PointerButton Button = PointerButton::Left);
  /// Move, press and release at one point. Two clicks with less than the double-click time between
  /// them (Advance) make a double click, as on a real screen.
  void Click(int X, int Y, PointerButton Button = PointerButton::Left);
  /// Press at From, move to To, release there.
  void Drag(TPoint From, TPoint To, PointerButton Button = PointerButton::Left);
  /// Delta in WHEEL_DELTA units (120 per notch), positive away from the user.
  void Wheel(int Delta, int X, int Y);
  /// The pointer leaves every window of the program.
  void Leave();
  void KeyDown(UINT Key, bool Repeat = false);
  void KeyUp(UINT Key);
  /// Presses the Held keys (VK_SHIFT, VK_CONTROL, VK_MENU) in order, presses and releases Key, then
  /// releases the Held keys in reverse order.
  void Key(UINT Key, std::initializer_list<UINT> Held = {});
  /// Text committed by the keyboard or an input method: one WM_CHAR per code point.
  void TypeText(const String& Text);
  /// An input method's composition starts (true) or ends (false).
  void SetComposing(bool Composing);
  /// The system's keyboard focus reaches (true) or leaves (false) top-level Wnd.
  void SetNativeFocus(HWND Wnd, bool Gained);
  /// The user asks the system to close top-level Wnd.
  void RequestClose(HWND Wnd);

  // ---- Time and the loop ----
  TVirtualClock& Clock() { return FClock; }
  /// Moves the clock forward by Milliseconds, stopping at each timer's due time on the way so timers fire
  /// in due order, as often as their intervals fit; the loop runs until idle at every stop.
  void Advance(Int64 Milliseconds);
  /// Runs the loop until nothing is pending: hand-overs, posted and input messages, due timers, paints.
  void PumpUntilIdle();

  // ---- What the window system asked of the native side ----
  bool TextInputOn() const { return FTextInput; }
  /// The caret rectangle of the last SetTextInput (screen coordinates).
  TRect TextInputCaret() const { return FTextCaret; }
  bool PointerCaptured() const { return FPointerCaptured; }
  /// The window last brought to the front with RaiseWindow (0: none).
  HWND RaisedWindow() const { return FRaised; }

  // ---- IPresenter ----
  void WindowCreated(HWND Wnd) override;
  void WindowDestroyed(HWND Wnd) override;
  void WindowVisibilityChanged(HWND Wnd, bool Activate) override;
  void WindowMoved(HWND Wnd) override;
  void WindowStateChanged(HWND Wnd) override;
  void WindowStyleChanged(HWND Wnd) override;
  void ZOrderChanged() override;
  void Present(HWND Wnd, const Region& Dirty) override;
  void Wake() override;
  /// Returns at once when woken. Otherwise, with a deadline, the idle time passes at once: the virtual
  /// clock jumps to the deadline (a single-threaded test would wait for ever otherwise); without one it
  /// blocks until Wake.
  void WaitForEvents(std::optional<Int64> Deadline) override;
  void PumpEvents() override {}
  TPoint PointerPosition() override { return FPointer; }
  void SetPointerCapture(bool On) override { FPointerCaptured = On; }
  void SetTextInput(bool On, const TRect& Caret) override;
  void RaiseWindow(HWND Wnd) override { FRaised = Wnd; }
  bool ClipboardHasText() override { return !FClipboard.empty(); }
  String ClipboardText() override { return FClipboard; }
  void SetClipboardText(const String& Text) override { FClipboard = Text; }

private:
  void ScreenChanged() { FScreenStale = true; }
  void Compose();
  void ComposeWindow(const Window& W);
  /// The input layer, or null when a test took it away (input is then dropped, as the window system does).
  IInputLayer* Input() const;

  TVirtualClock FClock;
  TPlatformCapabilities FSavedCapabilities;
  bool FSavedTestFace { false };
  std::vector<TMonitorArea> FMonitors;

  std::unique_ptr<Surface> FScreen;
  bool FScreenStale { true };

  TPoint FPointer;
  bool FPointerCaptured { false };
  bool FTextInput { false };
  TRect FTextCaret;
  HWND FRaised { 0 };
  String FClipboard;

  std::atomic<bool> FWoken { false };
};
