#pragma once
// The presenter of the running program: every visible top-level window is a borderless SDL2 native window
// at its screen position, showing the window's backing surface. The window system draws every frame,
// moves and sizes windows itself and the native windows follow; native input comes back as screen points,
// virtual keys and text through the input layer.
//
// Native window kinds, chosen from the window's styles when it is first shown (and again when they change):
// popups (WS_POPUP without caption or sizing frame, with WS_EX_TOOLWINDOW or a CS_SAVEBITS class: menus,
// drop-down lists) never take the focus and skip the taskbar, hint windows are tooltips, WS_EX_TOOLWINDOW
// forms are utility windows, the rest are plain forms. A form has a taskbar entry when it has
// WS_EX_APPWINDOW (the toolkit's main form), or no owner and no WS_EX_TOOLWINDOW; an entry of a window
// owned by a hidden window (the application's window) is the program's and shows that window's text,
// the application's title.
//
// Layered windows are offered while the X server's screen has a compositing manager, and reported
// unavailable otherwise; the answer follows the manager as it starts and stops. A layered window's
// constant alpha is the native window's opacity (_NET_WM_WINDOW_OPACITY, blended by the manager); a
// window showing a picture or a colour key is made with the screen's 32-bit visual and its pixels carry
// the alpha, premultiplied. A layered window shows nothing until it has its alpha, key or picture, and
// one showing a picture is hidden while no manager runs (its transparent parts would be black); the
// others are then shown opaque.
//
// The window system's z-order is the one truth: every change raises the native windows that are out of
// its order (WS_EX_TOPMOST also keeps a native window above other programs), an owned window is kept
// above its owner's native window (transient-for), and a window region shapes the native window where
// the X server can. Moves and sizes the desktop makes (the window manager, another program) come back as
// SetWindowPos, with its messages; the desktop minimizing or restoring a window comes back as the system
// command that does it. A minimized window is iconified by the desktop; where no window manager runs to do
// that, its native window is hidden until the window is restored.
//
// The monitors and their work areas come from SDL's display list (the primary first). The loop waits in
// SDL's event queue; Wake pushes an SDL user event, so any thread can end the wait.
#include <atomic>
#include <map>
#include <set>
#include <vector>

#include "platform/display/X11Compositing.h"
#include "platform/display/X11ErrorFilter.h"
#include "platform/gdi/Capabilities.h"
#include "platform/ui/winsys/IPresenter.h"
#include "platform/ui/winsys/Window.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

/// Native windows through SDL2; see the file comment. One per process; the UI thread's object.
class SdlPresenter : public IPresenter {
public:
  /// Starts SDL's video (X11 unless SDL_VIDEODRIVER says otherwise), publishes the monitors, reports
  /// whether layered windows can be shown and installs itself as the window system's presenter, with the standard
  /// input layer. Window surfaces reach the X server without OpenGL, and the process's signals keep their
  /// dispositions. Raises EOutOfResources when SDL's video cannot start.
  SdlPresenter();
  ~SdlPresenter() override;
  SdlPresenter(const SdlPresenter&) = delete;
  SdlPresenter& operator=(const SdlPresenter&) = delete;

  /// The native window showing top-level Wnd; null while it has none (never shown, hidden for good).
  SDL_Window* NativeWindow(HWND Wnd) const;

  // ---- IPresenter ----
  void WindowCreated(HWND Wnd) override { (void)Wnd; }
  void WindowDestroyed(HWND Wnd) override;
  void WindowVisibilityChanged(HWND Wnd, bool Activate) override;
  void WindowMoved(HWND Wnd) override;
  void WindowStateChanged(HWND Wnd) override;
  void WindowStyleChanged(HWND Wnd) override;
  void WindowIconChanged(HWND Wnd) override;
  void WindowTextChanged(HWND Wnd) override;
  void ZOrderChanged() override;
  void Present(HWND Wnd, const Region& Dirty) override;
  void Wake() override;
  void WaitForEvents(std::optional<Int64> Deadline) override;
  void PumpEvents() override;
  TPoint PointerPosition() override;
  void SetPointerCapture(bool On) override;
  void SetPointerImage(const Surface* Image, TPoint HotSpot) override;
  void SetTextInput(bool On, const TRect& Caret) override;
  void RaiseWindow(HWND Wnd) override;
  bool ClipboardHasText() override;
  String ClipboardText() override;
  void SetClipboardText(const String& Text) override;

private:
  struct Native {
    SDL_Window* Handle { nullptr };
    uint32_t Flags { 0 };  // the SDL flags it was made with (its kind)
    bool PixelAlpha { false };  // made with the 32-bit visual
    float Opacity { 1 };  // the opacity last given to the X server
    std::optional<Region> Shape;  // the region last given to the X server
  };

  /// The SDL flags for W's kind (see the file comment).
  static uint32_t NativeFlags(const Window& W);
  /// W's pixels carry alpha: a layered window showing a picture or a colour key while layering is offered.
  bool PixelAlpha(const Window& W) const;
  /// The opacity W's native window is given: its constant alpha while layering is offered, else 1.
  float Opacity(const Window& W) const;
  bool Showable(const Window& W) const;
  /// Asks whether a compositing manager runs; when the answer changed, publishes it in the capability
  /// table and brings every native window in line with it.
  void UpdateLayering();
  /// The desktop iconifies Native when asked (always outside X11, where SDL does it).
  static bool DesktopIconifies(SDL_Window* Native);
  /// The native title: the window's text, or the application's title (when it has one) for the
  /// program's entry.
  static String Title(const Window& W);
  /// Makes, shows, hides, remakes or drops W's native window so it matches the record.
  void Sync(Window& W, bool Activate);
  Native& Create(Window& W);
  /// Tells the X server which native window W's native window stays above.
  void LinkOwner(const Window& W);
  /// Raises the shown native windows that are out of the window system's z-order.
  void Restack();
  /// The desktop moved or sized W's native window: the window system follows.
  void HostPlaced(const Window& W, const SDL_Event& E);
  void Drop(HWND Wnd);
  void UploadAll(HWND Wnd);
  /// Gives the native window the window's big icon, else its small one (a window without an icon keeps
  /// the one it has).
  static void ShowIcon(const Window& W, SDL_Window* Native);
  void Upload(const Window& W, SDL_Window* Native, const Region& Area);
  HWND WindowOf(uint32_t WindowId) const;
  /// (X, Y) of window WindowId on the screen, by where the window is now (the pointer's place without a
  /// window).
  static TPoint ScreenPoint(uint32_t WindowId, int X, int Y);
  /// The event filter: a pointer event's window coordinates become screen coordinates as it is queued,
  /// measured from where the window stood when the server reported the event, so that events queued
  /// before the program moves a window (the move loop) keep their places.
  static int StampPointerEvent(void* UserData, SDL_Event* E);
  void PublishDisplays(bool Announce);

  /// Each answers true when it handed input to the input layer.
  bool Handle(const SDL_Event& E);
  bool HandleWindowEvent(const SDL_Event& E);
  bool HandleButton(const SDL_Event& E);
  bool HandleKey(const SDL_Event& E);
  /// Without a window manager nobody hands the keyboard focus on when the native window holding it is
  /// hidden (SDL gave it the focus itself when it showed it; the X server then leaves it nowhere): it goes
  /// to the native window of the window system's active window, as a window manager would give it.
  /// Answers that window, 0 when Lost is still shown, a window manager runs or there is none to take it.
  HWND FocusActiveAfterHiding(HWND Lost);
  void UpdateCapture();

  /// Made before SDL's video starts, whose own X error handler passes errors on to it.
  X11ErrorFilter FErrorFilter;
  TPlatformCapabilities FSavedCapabilities;
  /// A never-shown native window: SDL's X connection and screen for watching the compositing manager.
  SDL_Window* FProbe { nullptr };
  std::optional<X11Compositing> FCompositing;
  /// Layered windows are offered (a compositing manager runs and the screen has a 32-bit visual).
  bool FLayering { false };
  std::map<HWND, Native> FNatives;
  /// The shown native windows, bottom first, in the order last pushed to the X server.
  std::vector<HWND> FStack;
  uint32_t FWakeEvent { 0 };
  std::atomic<bool> FWakePending { false };

  uint32_t FButtonsHeld { 0 };  // SDL_BUTTON masks
  bool FCaptureAsked { false };
  bool FComposing { false };
  std::set<UINT> FDroppedKeys;  // keys whose press went to a composition: their release goes too

  SDL_Cursor* FCursor { nullptr };
  const Surface* FCursorImage { nullptr };
  TPoint FCursorHotSpot;
};
