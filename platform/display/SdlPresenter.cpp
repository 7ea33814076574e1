#include "platform/display/SdlPresenter.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "platform/base/Clock.h"
#include "platform/base/Exception.h"
#include "platform/display/MonitorLayout.h"
#include "platform/display/SdlKeyMap.h"
#include "platform/display/X11Native.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/PixelOps.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/InputLayer.h"
#include "platform/ui/winsys/LayeredWindows.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

constexpr uint32_t NeverFocused = SDL_WINDOW_POPUP_MENU | SDL_WINDOW_TOOLTIP;
/// More rectangles than this are uploaded as their bounding box: one transfer beats many small ones.
constexpr size_t MaxUploadRects = 16;
/// The side of the icon picture a native window is given.
constexpr int NativeIconSize = 48;

IInputLayer* Input() { return WindowSystem::Get().InputLayer(); }

bool IsHintWindow(const Window& W) {
  if (!W.Class) return false;
  String Name = W.Class->Def.lpszClassName;
  std::transform(Name.begin(), Name.end(), Name.begin(), [](unsigned char C) { return char(std::tolower(C)); });
  return Name.find("hintwindow") != String::npos;
}

void ReportSdlFailure(const char* What) {
  ReportLoopException(std::make_exception_ptr(EOutOfResources(String(What) + ": " + SDL_GetError())));
}

SDL_Rect ToSdl(const TRect& R) { return { R.Left, R.Top, R.Width(), R.Height() }; }

bool IsLayered(const Window& W) { return (W.ExStyle & WS_EX_LAYERED) != 0; }

/// Copies pixels of a colour-keyed window as they are shown: the key colour transparent, the rest opaque.
void CopyKeyedOut(const uint32_t* From, uint32_t* To, int Count, uint32_t Key) {
  for (int X = 0; X < Count; ++X) To[X] = (From[X] & 0xFFFFFFu) == Key ? 0 : From[X] | 0xFF000000u;
}

}  // namespace

SdlPresenter::SdlPresenter() : FSavedCapabilities(PlatformCapabilities()) {
  // The window system draws every frame and runs the move loop itself, and clicks on an inactive window
  // reach it as on the desktop the program was written for.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  SDL_SetHint(SDL_HINT_IME_SHOW_UI, "1");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // PumpEvents stops after each input event anyway; a sentinel left from an earlier poll would end the
  // next one before the events queued behind it.
  SDL_SetHint(SDL_HINT_POLL_SENTINEL, "0");
  // Window surfaces go to the X server as they are (shared memory where it has it). SDL would otherwise
  // present them through an OpenGL texture, loading a GL driver at the first window: hundreds of
  // milliseconds of start-up and tens of megabytes, for nothing but a copy of pixels.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Nothing reads SDL's quit event: Ctrl+C and the session's end must end the program as they do others.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    throw EOutOfResources(String("The display cannot be opened: ") + SDL_GetError());
  FWakeEvent = SDL_RegisterEvents(1);
  SDL_SetEventFilter(StampPointerEvent, this);
  // SDL starts with text input on; only an edit with the focus wants it.
  SDL_StopTextInput();
  PublishDisplays(false);
  FProbe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
  FCompositing = X11Compositing::Watch(FProbe);
  // The manager's comings and goings arrive as the X server's own events.
  if (FCompositing) SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
  EnableLayeredWindows(false);
  UpdateLayering();
  WindowSystem::Get().SetPresenter(this);
  InputLayer::Get().Install();
}

SdlPresenter::~SdlPresenter() {
  WindowSystem& System = WindowSystem::Get();
  if (System.Presenter() == this) System.SetPresenter(nullptr);
  for (auto& [Wnd, N] : FNatives) SDL_DestroyWindow(N.Handle);
  FNatives.clear();
  if (FProbe) SDL_DestroyWindow(FProbe);
  SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
  SDL_SetCursor(SDL_GetDefaultCursor());
  if (FCursor) SDL_FreeCursor(FCursor);
  SDL_SetEventFilter(nullptr, nullptr);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  PlatformCapabilities() = FSavedCapabilities;
}

SDL_Window* SdlPresenter::NativeWindow(HWND Wnd) const {
  const auto It = FNatives.find(Wnd);
  return It == FNatives.end() ? nullptr : It->second.Handle;
}

// ---- Native windows ----

uint32_t SdlPresenter::NativeFlags(const Window& W) {
  const bool Framed = (W.Style & WS_CAPTION) == WS_CAPTION || (W.Style & WS_THICKFRAME);
  const bool SaveBits = W.Class && (W.Class->Def.style & CS_SAVEBITS);
  if ((W.Style & WS_POPUP) && !Framed && ((W.ExStyle & WS_EX_TOOLWINDOW) || SaveBits))
    return SDL_WINDOW_BORDERLESS |
           (IsHintWindow(W) ? SDL_WINDOW_TOOLTIP : SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR);
  uint32_t Flags = SDL_WINDOW_BORDERLESS;
  if (W.ExStyle & WS_EX_TOOLWINDOW) Flags |= SDL_WINDOW_UTILITY;
  const bool Taskbar = (W.ExStyle & WS_EX_APPWINDOW) || (!W.Owner && !(W.ExStyle & WS_EX_TOOLWINDOW));
  if (!Taskbar) Flags |= SDL_WINDOW_SKIP_TASKBAR;
  return Flags;
}

bool SdlPresenter::DesktopIconifies(SDL_Window* Native) {
  const auto X = X11Native::Of(Native);
  return !X || X->DesktopIconifies();
}

String SdlPresenter::Title(const Window& W) {
  if (!(NativeFlags(W) & SDL_WINDOW_SKIP_TASKBAR) && W.Owner)
    if (const Window* Owner = WindowSystem::Get().Find(W.Owner);
        Owner && !(Owner->Style & WS_VISIBLE) && !Owner->Text.empty())
      return Owner->Text;
  return W.Text;
}

bool SdlPresenter::PixelAlpha(const Window& W) const {
  return FLayering && IsLayered(W) && (W.LayerImage || (W.LayerFlags & LWA_COLORKEY));
}

float SdlPresenter::Opacity(const Window& W) const {
  return FLayering && IsLayered(W) && (W.LayerFlags & LWA_ALPHA) ? float(W.LayerAlpha) / 255 : 1;
}

bool SdlPresenter::Showable(const Window& W) const {
  return W.Usable() && W.IsTopLevel() && (W.Style & WS_VISIBLE) && LayeredWindowShows(W) &&
         (FLayering || !IsLayered(W) || !W.LayerImage) && W.Rect.Width() > 0 && W.Rect.Height() > 0;
}

void SdlPresenter::UpdateLayering() {
  const bool Offered = FCompositing && FCompositing->ManagerRuns() && FCompositing->AlphaVisual() != 0;
  if (Offered == FLayering) return;
  FLayering = Offered;
  EnableLayeredWindows(Offered);
  for (Window* W : WindowSystem::Get().TopLevelWindows()) Sync(*W, false);
}

void SdlPresenter::Sync(Window& W, bool Activate) {
  auto It = FNatives.find(W.Handle);
  if (It != FNatives.end() && (It->second.Flags != NativeFlags(W) || It->second.PixelAlpha != PixelAlpha(W))) {
    Drop(W.Handle);
    It = FNatives.end();
  }
  // A minimized window the desktop cannot iconify (no window manager) is taken off the screen instead.
  const bool Withdrawn = It != FNatives.end() && (W.Style & WS_MINIMIZE) && !DesktopIconifies(It->second.Handle);
  if (!Showable(W) || Withdrawn) {
    if (It != FNatives.end()) SDL_HideWindow(It->second.Handle);
    return;
  }
  const bool Made = It == FNatives.end();
  Native* N = Made ? &Create(W) : &It->second;
  if (!N->Handle) return;
  SDL_Window* H = N->Handle;
  if (Made) {
    LinkOwner(W);
    for (const auto& [Wnd, Other] : FNatives)
      if (const Window* O = WindowSystem::Get().Find(Wnd); O && O->Owner == W.Handle) LinkOwner(*O);
  }
  SDL_SetWindowTitle(H, Title(W).c_str());
  SDL_SetWindowAlwaysOnTop(H, (W.ExStyle & WS_EX_TOPMOST) ? SDL_TRUE : SDL_FALSE);
  if (N->Shape != W.WindowRgn) {
    N->Shape = W.WindowRgn;
    if (const auto X = X11Native::Of(H))
      X->SetShape(W.WindowRgn ? std::optional(W.WindowRgn->Rects()) : std::nullopt);
  }
  if (const float Alpha = Opacity(W); Alpha != N->Opacity) {
    N->Opacity = Alpha;
    SDL_SetWindowOpacity(H, Alpha);
  }
  int X, Y, Width, Height;
  SDL_GetWindowPosition(H, &X, &Y);
  if (X != W.Rect.Left || Y != W.Rect.Top) SDL_SetWindowPosition(H, W.Rect.Left, W.Rect.Top);
  SDL_GetWindowSize(H, &Width, &Height);
  const bool Resized = Width != W.Rect.Width() || Height != W.Rect.Height();
  if (Resized) SDL_SetWindowSize(H, W.Rect.Width(), W.Rect.Height());
  const uint32_t State = SDL_GetWindowFlags(H);
  if (!(State & SDL_WINDOW_SHOWN)) {
    SDL_ShowWindow(H);
    UploadAll(W.Handle);
    if (Activate && !(N->Flags & NeverFocused)) SDL_RaiseWindow(H);
    Restack();
  } else if (Resized) {
    UploadAll(W.Handle);
  }
  if ((W.Style & WS_MINIMIZE) && !(State & SDL_WINDOW_MINIMIZED)) SDL_MinimizeWindow(H);
  if (!(W.Style & WS_MINIMIZE) && (State & SDL_WINDOW_MINIMIZED)) SDL_RestoreWindow(H);
}

SdlPresenter::Native& SdlPresenter::Create(Window& W) {
  Native& N = FNatives[W.Handle];
  N.Flags = NativeFlags(W);
  N.PixelAlpha = PixelAlpha(W);
  const uint32_t Topmost = (W.ExStyle & WS_EX_TOPMOST) ? SDL_WINDOW_ALWAYS_ON_TOP : 0;
  const unsigned long Visual = N.PixelAlpha ? FCompositing->AlphaVisual() : 0;
  if (Visual) SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, std::to_string(Visual).c_str());
  N.Handle = SDL_CreateWindow(W.Text.c_str(), W.Rect.Left, W.Rect.Top, W.Rect.Width(), W.Rect.Height(),
                              N.Flags | Topmost | SDL_WINDOW_HIDDEN);
  if (Visual) SDL_ResetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID);
  if (!N.Handle) ReportSdlFailure("A native window cannot be made");
  ShowIcon(W, N.Handle);
  return N;
}

void SdlPresenter::WindowIconChanged(HWND Wnd) {
  const Window* W = WindowSystem::Get().Find(Wnd);
  if (SDL_Window* Native = NativeWindow(Wnd); W && Native) ShowIcon(*W, Native);
}

void SdlPresenter::ShowIcon(const Window& W, SDL_Window* Native) {
  const std::shared_ptr<const TIconImages> Images = IconImagesOf(W.BigIcon ? W.BigIcon : W.SmallIcon);
  if (!Images) return;
  // The desktop scales the picture itself; the largest usual size serves both the title bar and the task
  // switcher. Straight alpha in 0xAARRGGBB words is SDL's ARGB8888.
  const TIconImage& Image = BestIconImage(*Images, NativeIconSize, NativeIconSize);
  const Surface& Pixels = *Image.Pixels;
  SDL_Surface* S = SDL_CreateRGBSurfaceWithFormatFrom(Pixels.Row(0), Pixels.Width(), Pixels.Height(), 32,
                                                      Pixels.Stride(), SDL_PIXELFORMAT_ARGB8888);
  if (!S) return;
  SDL_SetWindowIcon(Native, S);
  SDL_FreeSurface(S);
}

void SdlPresenter::LinkOwner(const Window& W) {
  if (const auto X = X11Native::Of(NativeWindow(W.Handle))) X->SetTransientFor(X11Native::Of(NativeWindow(W.Owner)));
}

void SdlPresenter::Restack() {
  std::vector<HWND> Order;
  const auto& Tops = WindowSystem::Get().TopLevelWindows();
  for (auto It = Tops.rbegin(); It != Tops.rend(); ++It)
    if (SDL_Window* H = NativeWindow((*It)->Handle); H && (SDL_GetWindowFlags(H) & SDL_WINDOW_SHOWN))
      Order.push_back((*It)->Handle);
  std::vector<HWND> Known;
  for (HWND Wnd : FStack)
    if (std::find(Order.begin(), Order.end(), Wnd) != Order.end()) Known.push_back(Wnd);
  // The bottom part already in order stays; from the first difference up every window is raised in turn.
  size_t Same = 0;
  while (Same < Order.size() && Same < Known.size() && Order[Same] == Known[Same]) ++Same;
  for (size_t I = Same; I < Order.size(); ++I)
    if (const auto X = X11Native::Of(NativeWindow(Order[I]))) X->Raise();
  FStack = std::move(Order);
}

void SdlPresenter::HostPlaced(const Window& W, const SDL_Event& E) {
  SDL_Window* H = NativeWindow(W.Handle);
  if (!H || !Showable(W) || (W.Style & WS_MINIMIZE)) return;
  // Events report every step, our own moves among them; where the window is now is what counts.
  TRect Now = E.window.event == SDL_WINDOWEVENT_MOVED ? Bounds(E.window.data1, E.window.data2, W.Rect.Width(), W.Rect.Height())
                                                      : Bounds(W.Rect.Left, W.Rect.Top, E.window.data1, E.window.data2);
  if (const auto X = X11Native::Of(H))
    if (const auto Server = X->Geometry()) Now = *Server;
  if (Now == W.Rect) return;
  SetWindowPos(W.Handle, 0, Now.Left, Now.Top, Now.Width(), Now.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void SdlPresenter::Drop(HWND Wnd) {
  const auto It = FNatives.find(Wnd);
  if (It == FNatives.end()) return;
  if (It->second.Handle) SDL_DestroyWindow(It->second.Handle);
  FNatives.erase(It);
}

void SdlPresenter::UploadAll(HWND Wnd) {
  const Window* W = WindowSystem::Get().Find(Wnd);
  SDL_Window* H = NativeWindow(Wnd);
  const Surface* Pixels = W ? ShownPixels(*W) : nullptr;
  if (H && Pixels) Upload(*W, H, Region(Pixels->Bounds()));
}

void SdlPresenter::Upload(const Window& W, SDL_Window* H, const Region& Area) {
  const Surface* B = ShownPixels(W);
  if (!B) return;
  SDL_Surface* S = SDL_GetWindowSurface(H);
  if (!S) return;
  Region Clip = Area.Intersect(TRect { 0, 0, std::min(B->Width(), S->w), std::min(B->Height(), S->h) });
  if (Clip.Empty()) return;
  if (Clip.Rects().size() > MaxUploadRects) Clip = Region(Clip.Bounds());

  std::vector<SDL_Rect> Rects;
  const Uint32 Format = S->format->format;
  if (Format == SDL_PIXELFORMAT_ARGB8888 || Format == SDL_PIXELFORMAT_RGB888) {
    // The backing surface's layout: rows are copied as they are (a layered picture is premultiplied,
    // as the compositing manager takes it), but for a colour key.
    const bool Keyed = S->format->Amask && IsLayered(W) && !W.LayerImage && (W.LayerFlags & LWA_COLORKEY);
    const uint32_t Key = ColorToPixel(W.LayerKey);
    if (SDL_MUSTLOCK(S)) SDL_LockSurface(S);
    for (const TRect& R : Clip.Rects()) {
      for (int Y = R.Top; Y < R.Bottom; ++Y) {
        auto* To = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(S->pixels) + ptrdiff_t(Y) * S->pitch) + R.Left;
        if (Keyed)
          CopyKeyedOut(B->Row32(Y) + R.Left, To, R.Width(), Key);
        else
          std::memcpy(To, B->Row32(Y) + R.Left, size_t(R.Width()) * 4);
      }
      Rects.push_back(ToSdl(R));
    }
    if (SDL_MUSTLOCK(S)) SDL_UnlockSurface(S);
  } else {
    for (const TRect& R : Clip.Rects()) {
      SDL_Surface* Src = SDL_CreateRGBSurfaceWithFormatFrom(B->Row32(R.Top) + R.Left, R.Width(), R.Height(),
                                                            32, B->Stride(), SDL_PIXELFORMAT_ARGB8888);
      if (!Src) continue;
      SDL_SetSurfaceBlendMode(Src, SDL_BLENDMODE_NONE);
      SDL_Rect To = ToSdl(R);
      SDL_BlitSurface(Src, nullptr, S, &To);
      SDL_FreeSurface(Src);
      Rects.push_back(ToSdl(R));
    }
  }
  SDL_UpdateWindowSurfaceRects(H, Rects.data(), int(Rects.size()));
}

HWND SdlPresenter::WindowOf(uint32_t WindowId) const {
  SDL_Window* H = SDL_GetWindowFromID(WindowId);
  if (!H) return 0;
  for (const auto& [Wnd, N] : FNatives)
    if (N.Handle == H) return Wnd;
  return 0;
}

TPoint SdlPresenter::ScreenPoint(uint32_t WindowId, int X, int Y) {
  SDL_Window* H = SDL_GetWindowFromID(WindowId);
  if (!H) {
    SDL_GetGlobalMouseState(&X, &Y);
    return { X, Y };
  }
  int WX, WY;
  SDL_GetWindowPosition(H, &WX, &WY);
  return { WX + X, WY + Y };
}

int SdlPresenter::StampPointerEvent(void*, SDL_Event* E) {
  switch (E->type) {
    case SDL_MOUSEMOTION: {
      const TPoint P = ScreenPoint(E->motion.windowID, E->motion.x, E->motion.y);
      E->motion.x = P.X;
      E->motion.y = P.Y;
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const TPoint P = ScreenPoint(E->button.windowID, E->button.x, E->button.y);
      E->button.x = P.X;
      E->button.y = P.Y;
      break;
    }
    case SDL_MOUSEWHEEL: {
      const TPoint P = ScreenPoint(E->wheel.windowID, E->wheel.mouseX, E->wheel.mouseY);
      E->wheel.mouseX = P.X;
      E->wheel.mouseY = P.Y;
      break;
    }
    default: break;
  }
  return 1;
}

void SdlPresenter::PublishDisplays(bool Announce) {
  std::vector<TMonitorArea> Monitors;
  const int Count = SDL_GetNumVideoDisplays();
  for (int I = 0; I < Count; ++I) {
    SDL_Rect Bounds, Usable;
    if (SDL_GetDisplayBounds(I, &Bounds) != 0) continue;
    if (SDL_GetDisplayUsableBounds(I, &Usable) != 0) Usable = Bounds;
    Monitors.push_back({ { Bounds.x, Bounds.y, Bounds.x + Bounds.w, Bounds.y + Bounds.h },
                         { Usable.x, Usable.y, Usable.x + Usable.w, Usable.y + Usable.h } });
  }
  if (Monitors.empty()) Monitors = FSavedCapabilities.Monitors;
  PublishMonitors(Monitors, Announce);
}

// ---- Notifications of the window system ----

void SdlPresenter::WindowDestroyed(HWND Wnd) { Drop(Wnd); }

void SdlPresenter::WindowVisibilityChanged(HWND Wnd, bool Activate) {
  if (Window* W = WindowSystem::Get().Find(Wnd)) Sync(*W, Activate);
}

void SdlPresenter::WindowMoved(HWND Wnd) {
  if (Window* W = WindowSystem::Get().Find(Wnd)) Sync(*W, false);
}

void SdlPresenter::WindowStateChanged(HWND Wnd) {
  if (Window* W = WindowSystem::Get().Find(Wnd)) Sync(*W, false);
}

void SdlPresenter::WindowStyleChanged(HWND Wnd) {
  Window* W = WindowSystem::Get().Find(Wnd);
  if (!W) return;
  Sync(*W, false);
  // A layered window's new picture or colour key comes without a paint of its own.
  SDL_Window* H = NativeWindow(Wnd);
  if (IsLayered(*W) && H && (SDL_GetWindowFlags(H) & SDL_WINDOW_SHOWN)) UploadAll(Wnd);
}

void SdlPresenter::WindowTextChanged(HWND Wnd) {
  for (const auto& [Shown, N] : FNatives)
    if (const Window* W = WindowSystem::Get().Find(Shown); W && N.Handle && (Shown == Wnd || W->Owner == Wnd))
      SDL_SetWindowTitle(N.Handle, Title(*W).c_str());
}

void SdlPresenter::ZOrderChanged() {
  for (const auto& [Wnd, N] : FNatives) {
    const Window* W = WindowSystem::Get().Find(Wnd);
    if (W && N.Handle) SDL_SetWindowAlwaysOnTop(N.Handle, (W->ExStyle & WS_EX_TOPMOST) ? SDL_TRUE : SDL_FALSE);
  }
  Restack();
}

void SdlPresenter::Present(HWND Wnd, const Region& Dirty) {
  const Window* W = WindowSystem::Get().Find(Wnd);
  SDL_Window* H = NativeWindow(Wnd);
  if (W && H && (SDL_GetWindowFlags(H) & SDL_WINDOW_SHOWN)) Upload(*W, H, Dirty);
}

// ---- The loop ----

void SdlPresenter::Wake() {
  if (FWakePending.exchange(true)) return;
  SDL_Event E {};
  E.type = FWakeEvent;
  if (SDL_PushEvent(&E) != 1) FWakePending = false;
}

void SdlPresenter::WaitForEvents(std::optional<Int64> Deadline) {
  SDL_Event E;
  const bool Got = Deadline
                       ? SDL_WaitEventTimeout(&E, int(std::clamp<Int64>(*Deadline - CurrentClock().Now(), 0, INT_MAX)))
                       : SDL_WaitEvent(&E);
  if (Got && Handle(E)) return;
  PumpEvents();
}

void SdlPresenter::PumpEvents() {
  // One input event at a time: the loop dispatches its message before the next one is routed, so a
  // handler's capture or focus change decides where the following events go.
  SDL_Event E;
  while (SDL_PollEvent(&E))
    if (Handle(E)) return;
}

bool SdlPresenter::Handle(const SDL_Event& E) {
  if (E.type == FWakeEvent) {
    FWakePending = false;
    return false;
  }
  IInputLayer* L = Input();
  switch (E.type) {
    case SDL_WINDOWEVENT: return HandleWindowEvent(E);
    case SDL_DISPLAYEVENT: PublishDisplays(true); return false;
    case SDL_SYSWMEVENT:
      if (FCompositing && FCompositing->IsManagerChange(*E.syswm.msg)) UpdateLayering();
      return false;
    case SDL_MOUSEMOTION:
      if (!L) return false;
      L->PointerMoved({ E.motion.x, E.motion.y });
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return HandleButton(E);
    case SDL_MOUSEWHEEL: {
      const int Delta = (E.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -E.wheel.y : E.wheel.y) * WHEEL_DELTA;
      if (!L || !Delta) return false;
      L->PointerWheel(Delta, { E.wheel.mouseX, E.wheel.mouseY });
      return true;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: return HandleKey(E);
    case SDL_TEXTEDITING: {
      const bool Composing = E.edit.text[0] != 0;
      if (Composing == FComposing) return false;
      FComposing = Composing;
      if (L) L->CompositionChanged(Composing);
      return L != nullptr;
    }
    case SDL_TEXTINPUT:
      if (!L) return false;
      if (FComposing) {
        FComposing = false;
        L->CompositionChanged(false);
      }
      L->TextCommitted(E.text.text);
      return true;
    default: return false;
  }
}

bool SdlPresenter::HandleWindowEvent(const SDL_Event& E) {
  const HWND Wnd = WindowOf(E.window.windowID);
  const Window* W = WindowSystem::Get().Find(Wnd);
  if (!W) return false;
  switch (E.window.event) {
    case SDL_WINDOWEVENT_EXPOSED: UploadAll(Wnd); return false;
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      HostPlaced(*W, E);
      UploadAll(Wnd);
      return false;
    default: break;
  }
  IInputLayer* L = Input();
  if (!L) return false;
  switch (E.window.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED: L->NativeFocusChanged(Wnd, true); return true;
    // A loss routes nothing, and pumping on lets the gain of a switch between two of our own windows
    // arrive before the deferred "program went inactive" check runs.
    case SDL_WINDOWEVENT_FOCUS_LOST:
      L->NativeFocusChanged(Wnd, false);
      if (const HWND Next = FocusActiveAfterHiding(Wnd)) L->NativeFocusChanged(Next, true);
      return false;
    case SDL_WINDOWEVENT_CLOSE: L->CloseRequested(Wnd); return true;
    // Our own SDL_MinimizeWindow / SDL_RestoreWindow come back as these too: only a change the record
    // does not know of yet is the user's.
    case SDL_WINDOWEVENT_MINIMIZED:
      if (W->Style & WS_MINIMIZE) return false;
      L->NativeMinimizedChanged(Wnd, true);
      return true;
    case SDL_WINDOWEVENT_RESTORED:
      if (!(W->Style & WS_MINIMIZE)) return false;
      L->NativeMinimizedChanged(Wnd, false);
      return true;
    case SDL_WINDOWEVENT_LEAVE:
      // Moving from one of our windows onto another is a leave and an enter; only a leave onto no window
      // of ours counts, and none while a button holds the pointer.
      if (FButtonsHeld || SDL_GetMouseFocus()) return false;
      L->PointerLeft();
      return true;
    default: return false;
  }
}

HWND SdlPresenter::FocusActiveAfterHiding(HWND Lost) {
  SDL_Window* Native = NativeWindow(Lost);
  if (!Native || (SDL_GetWindowFlags(Native) & SDL_WINDOW_SHOWN) || DesktopIconifies(Native)) return 0;
  const HWND Active = GetAncestor(GetActiveWindow(), GA_ROOT);
  SDL_Window* Next = NativeWindow(Active);
  if (!Next || Next == Native || !(SDL_GetWindowFlags(Next) & SDL_WINDOW_SHOWN)) return 0;
  SDL_SetWindowInputFocus(Next);
  return Active;
}

bool SdlPresenter::HandleButton(const SDL_Event& E) {
  PointerButton Button;
  switch (E.button.button) {
    case SDL_BUTTON_LEFT: Button = PointerButton::Left; break;
    case SDL_BUTTON_RIGHT: Button = PointerButton::Right; break;
    case SDL_BUTTON_MIDDLE: Button = PointerButton::Middle; break;
    default: return false;
  }
  const bool Down = E.type == SDL_MOUSEBUTTONDOWN;
  const TPoint P { E.button.x, E.button.y };
  if (Down) {
    FButtonsHeld |= SDL_BUTTON(E.button.button);
    UpdateCapture();
  }
  if (IInputLayer* L = Input()) L->PointerButtonChanged(Button, Down, P);
  if (!Down) {
    FButtonsHeld &= ~uint32_t(SDL_BUTTON(E.button.button));
    UpdateCapture();
  }
  return true;
}

bool SdlPresenter::HandleKey(const SDL_Event& E) {
  const SDL_Keysym& Sym = E.key.keysym;
  const UINT Key = SdlVirtualKey(Sym.sym, Sym.scancode, Sym.mod);
  IInputLayer* L = Input();
  if (!Key || !L) return false;
  const bool Down = E.type == SDL_KEYDOWN;
  if (Down && FComposing) {
    FDroppedKeys.insert(Key);
    return false;
  }
  if (!Down && FDroppedKeys.erase(Key)) return false;
  L->KeyChanged(Key, Down, Down && E.key.repeat != 0);
  return true;
}

void SdlPresenter::UpdateCapture() { SDL_CaptureMouse((FButtonsHeld || FCaptureAsked) ? SDL_TRUE : SDL_FALSE); }

// ---- Services ----

TPoint SdlPresenter::PointerPosition() {
  int X, Y;
  SDL_GetGlobalMouseState(&X, &Y);
  return { X, Y };
}

void SdlPresenter::SetPointerCapture(bool On) {
  FCaptureAsked = On;
  UpdateCapture();
}

void SdlPresenter::SetPointerImage(const Surface* Image, TPoint HotSpot) {
  if (Image == FCursorImage && HotSpot == FCursorHotSpot && (Image || !FCursor)) return;
  SDL_Cursor* Made = nullptr;
  if (Image && Image->Format() == SurfaceFormat::Bgra32 && !Image->BottomUp()) {
    // X11 cursors take premultiplied pixels, which is what the cursor images hold.
    SDL_Surface* S = SDL_CreateRGBSurfaceWithFormatFrom(Image->Row32(0), Image->Width(), Image->Height(), 32,
                                                        Image->Stride(), SDL_PIXELFORMAT_ARGB8888);
    if (S) {
      Made = SDL_CreateColorCursor(S, HotSpot.X, HotSpot.Y);
      SDL_FreeSurface(S);
    }
  }
  SDL_SetCursor(Made ? Made : SDL_GetDefaultCursor());
  if (FCursor) SDL_FreeCursor(FCursor);
  FCursor = Made;
  FCursorImage = Image;
  FCursorHotSpot = HotSpot;
}

void SdlPresenter::SetTextInput(bool On, const TRect& Caret) {
  if (!On) {
    if (SDL_IsTextInputActive()) SDL_StopTextInput();
    FComposing = false;
    return;
  }
  if (SDL_Window* Focus = SDL_GetKeyboardFocus()) {
    int X, Y;
    SDL_GetWindowPosition(Focus, &X, &Y);
    SDL_Rect R = ToSdl(Caret);
    R.x -= X;
    R.y -= Y;
    SDL_SetTextInputRect(&R);
  }
  if (!SDL_IsTextInputActive()) SDL_StartTextInput();
}

void SdlPresenter::RaiseWindow(HWND Wnd) {
  const auto It = FNatives.find(Wnd);
  if (It == FNatives.end() || !It->second.Handle || (It->second.Flags & NeverFocused)) return;
  if (SDL_GetWindowFlags(It->second.Handle) & SDL_WINDOW_SHOWN) SDL_RaiseWindow(It->second.Handle);
}

bool SdlPresenter::ClipboardHasText() { return SDL_HasClipboardText() == SDL_TRUE; }

String SdlPresenter::ClipboardText() {
  char* Text = SDL_GetClipboardText();
  String Result = Text ? Text : "";
  SDL_free(Text);
  return Result;
}

void SdlPresenter::SetClipboardText(const String& Text) { SDL_SetClipboardText(Text.c_str()); }
