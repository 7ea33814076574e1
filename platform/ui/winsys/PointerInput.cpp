#include "platform/ui/winsys/PointerInput.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ui/winsys/FocusManager.h"
#include "platform/ui/winsys/HitTester.h"
#include "platform/ui/winsys/KeyStateTable.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

constexpr UINT ButtonDown[] = { WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN };
constexpr UINT ButtonUp[] = { WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP };
constexpr UINT ButtonKey[] = { VK_LBUTTON, VK_RBUTTON, VK_MBUTTON };
/// A client mouse message minus this is its non-client twin (WM_MOUSEMOVE -> WM_NCMOUSEMOVE, ...).
constexpr UINT NonClientOffset = WM_MOUSEMOVE - WM_NCMOUSEMOVE;
/// The hit tests one event may make while windows keep answering HTTRANSPARENT.
constexpr int MaxHitTests = 64;

Window* Find(HWND Wnd) { return Wnd ? WindowSystem::Get().Find(Wnd) : nullptr; }

TPoint ClientPoint(const Window& W, TPoint Screen) {
  const TPoint O = WindowSystem::ClientScreenOrigin(W);
  return { Screen.X - O.X, Screen.Y - O.Y };
}

}  // namespace

std::optional<TMsg> PointerInput::Route(const PointerEvent& Event) {
  UINT Client = WM_MOUSEMOVE;
  const bool Press = Event.What == PointerEvent::Kind::Press;
  if (Press || Event.What == PointerEvent::Kind::Release) {
    if (Event.Button < 0 || Event.Button > 2)
      return std::nullopt;
    FKeys.Commit(ButtonKey[Event.Button], Press);
    Client = (Press ? ButtonDown : ButtonUp)[Event.Button];
  }
  if (Event.What == PointerEvent::Kind::Wheel)
    return RouteWheel(Event);
  if (Find(FCapture))
    return RouteCaptured(Event, Client);

  int Hit = HTNOWHERE;
  Window* W = Target(Event.Screen, Hit);
  if (!W) {
    UpdateTracking(0, false);
    FHover = {};
    return std::nullopt;
  }
  const HWND Wnd = W->Handle;
  bool Eaten = false;
  if (Press && WindowSystem::TopLevelOf(*W).Handle != FFocus.Active())
    Eaten = MouseActivate(*W, Hit, Client);
  if (!Find(Wnd))
    return std::nullopt;
  SendMessage(Wnd, WM_SETCURSOR, Wnd, MAKELPARAM(Word(Hit), Word(Client)));
  if (Eaten || !Find(Wnd))
    return std::nullopt;
  if (Press)
    NotifyParents(*Find(Wnd), Client, Event.Screen);
  W = Find(Wnd);
  if (!W)
    return std::nullopt;

  const bool NonClient = Hit != HTCLIENT;
  UpdateTracking(Wnd, NonClient);
  FHover = { Wnd, NonClient };
  UINT Message = NonClient ? Client - NonClientOffset : Client;
  if (Press)
    Message = PressMessage(*W, Event, NonClient, Message);
  if (NonClient)
    return Make(Wnd, Message, WPARAM(intptr_t(Hit)), PointToLParam(Event.Screen), Event);
  return Make(Wnd, Message, KeyFlags(), PointToLParam(ClientPoint(*W, Event.Screen)), Event);
}

std::optional<TMsg> PointerInput::RouteCaptured(const PointerEvent& Event, UINT Client) {
  Window& C = *Find(FCapture);
  const bool Over = HitTester::Contains(C, Event.Screen);
  const bool NonClient = !HitTester::InClient(C, Event.Screen);
  UpdateTracking(Over ? FCapture : 0, NonClient);
  FHover = Over ? Tracking { FCapture, NonClient } : Tracking {};
  const UINT Message = Event.What == PointerEvent::Kind::Press ? PressMessage(C, Event, false, Client) : Client;
  return Make(FCapture, Message, KeyFlags(), PointToLParam(ClientPoint(C, Event.Screen)), Event);
}

std::optional<TMsg> PointerInput::RouteWheel(const PointerEvent& Event) {
  const HWND Wnd = FFocus.Focus() ? FFocus.Focus() : FFocus.Active();
  if (!Find(Wnd))
    return std::nullopt;
  const int Delta = std::clamp(Event.Delta, -32768, 32767);
  return Make(Wnd, WM_MOUSEWHEEL, MAKEWPARAM(Word(KeyFlags()), Word(int16_t(Delta))), PointToLParam(Event.Screen),
              Event);
}

void PointerInput::Left() {
  UpdateTracking(0, false);
  FHover = {};
}

Window* PointerInput::Target(TPoint P, int& Hit) {
  Window* Top = HitTester::TopLevelAt(P);
  Window* W = Top ? HitTester::DeepestIn(*Top, P) : nullptr;
  for (int Tries = 0; W && Tries < MaxHitTests; ++Tries) {
    // A disabled top-level window (a form under a modal dialog) swallows the input over it.
    if (W->Style & WS_DISABLED)
      return nullptr;
    const HWND Wnd = W->Handle;
    Hit = int(SendMessage(Wnd, WM_NCHITTEST, 0, PointToLParam(P)));
    W = Find(Wnd);
    if (!W)
      return nullptr;
    if (Hit != HTTRANSPARENT)
      return Hit == HTERROR ? nullptr : W;
    W = HitTester::Beneath(*W, P);
  }
  return nullptr;
}

bool PointerInput::MouseActivate(Window& W, int Hit, UINT Client) {
  const HWND Wnd = W.Handle, Top = WindowSystem::TopLevelOf(W).Handle;
  const LRESULT Answer = SendMessage(Wnd, WM_MOUSEACTIVATE, Top, MAKELPARAM(Word(Hit), Word(Client)));
  if (Answer != MA_NOACTIVATE && Answer != MA_NOACTIVATEANDEAT)
    FFocus.Activate(Top, WA_CLICKACTIVE);
  return Answer == MA_ACTIVATEANDEAT || Answer == MA_NOACTIVATEANDEAT;
}

void PointerInput::NotifyParents(Window& W, UINT Client, TPoint Screen) {
  if (!W.IsChild() || (W.ExStyle & WS_EX_NOPARENTNOTIFY))
    return;
  std::vector<HWND> Parents;
  for (const Window* P = W.Parent; P && !P->IsDesktop(); P = P->Parent) {
    Parents.push_back(P->Handle);
    if (!P->IsChild() || (P->ExStyle & WS_EX_NOPARENTNOTIFY))
      break;
  }
  for (HWND Parent : Parents)
    if (const Window* P = Find(Parent))
      SendMessage(Parent, WM_PARENTNOTIFY, MAKEWPARAM(Word(Client), 0), PointToLParam(ClientPoint(*P, Screen)));
}

UINT PointerInput::PressMessage(const Window& W, const PointerEvent& Event, bool NonClient, UINT Message) {
  const bool Allowed = NonClient || (W.Class && (W.Class->Def.style & CS_DBLCLKS));
  const Press& Last = FLastPress;
  const bool Repeat = Allowed && Last.Wnd == W.Handle && Last.Button == Event.Button &&
                      Last.NonClient == NonClient && DWORD(Event.Time - Last.Time) <= GetDoubleClickTime() &&
                      std::abs(Event.Screen.X - Last.Screen.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                      std::abs(Event.Screen.Y - Last.Screen.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  if (Repeat) {
    // A third press starts over, so a triple click is a double click and a single one.
    FLastPress = {};
    return Message + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN);
  }
  FLastPress = { W.Handle, Event.Button, NonClient, Event.Time, Event.Screen };
  return Message;
}

void PointerInput::UpdateTracking(HWND Wnd, bool NonClient) {
  if (!FTracking.Wnd || (FTracking.Wnd == Wnd && FTracking.NonClient == NonClient))
    return;
  const Tracking Ended = FTracking;
  FTracking = {};
  if (Find(Ended.Wnd))
    PostMessage(Ended.Wnd, Ended.NonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

bool PointerInput::TrackMouseEvent(TRACKMOUSEEVENT& Track) {
  if (Track.cbSize < sizeof(TRACKMOUSEEVENT))
    return false;
  if (Track.dwFlags & TME_QUERY) {
    Track.dwFlags = FTracking.Wnd ? TME_LEAVE | (FTracking.NonClient ? TME_NONCLIENT : 0) : 0;
    Track.hwndTrack = FTracking.Wnd;
    Track.dwHoverTime = 0;
    return true;
  }
  if (!Find(Track.hwndTrack))
    return false;
  const bool NonClient = Track.dwFlags & TME_NONCLIENT;
  if (Track.dwFlags & TME_CANCEL) {
    if (FTracking.Wnd == Track.hwndTrack && FTracking.NonClient == NonClient)
      FTracking = {};
    return true;
  }
  if (!(Track.dwFlags & TME_LEAVE))
    return false;
  if (FHover.Wnd != Track.hwndTrack || FHover.NonClient != NonClient) {
    PostMessage(Track.hwndTrack, NonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
    return true;
  }
  FTracking = { Track.hwndTrack, NonClient };
  return true;
}

HWND PointerInput::SetCapture(HWND Wnd) {
  if (!Find(Wnd))
    return 0;
  const HWND Old = FCapture;
  if (Old == Wnd)
    return Old;
  FCapture = Wnd;
  if (IPresenter* Presenter = WindowSystem::Get().Presenter())
    Presenter->SetPointerCapture(true);
  if (Find(Old))
    SendMessage(Old, WM_CAPTURECHANGED, 0, LPARAM(Wnd));
  return Old;
}

bool PointerInput::ReleaseCapture() {
  const HWND Old = FCapture;
  if (!Old)
    return true;
  FCapture = 0;
  if (IPresenter* Presenter = WindowSystem::Get().Presenter())
    Presenter->SetPointerCapture(false);
  if (Find(Old))
    SendMessage(Old, WM_CAPTURECHANGED, 0, 0);
  return true;
}

void PointerInput::Forget(HWND Wnd) {
  if (FocusManager::Within(FCapture, Wnd))
    ReleaseCapture();
  if (FocusManager::Within(FTracking.Wnd, Wnd))
    FTracking = {};
  if (FocusManager::Within(FHover.Wnd, Wnd))
    FHover = {};
  if (FocusManager::Within(FLastPress.Wnd, Wnd))
    FLastPress = {};
}

WPARAM PointerInput::KeyFlags() const {
  WPARAM Flags = 0;
  if (FKeys.Down(VK_LBUTTON))
    Flags |= MK_LBUTTON;
  if (FKeys.Down(VK_RBUTTON))
    Flags |= MK_RBUTTON;
  if (FKeys.Down(VK_MBUTTON))
    Flags |= MK_MBUTTON;
  if (FKeys.Down(VK_SHIFT))
    Flags |= MK_SHIFT;
  if (FKeys.Down(VK_CONTROL))
    Flags |= MK_CONTROL;
  return Flags;
}

TMsg PointerInput::Make(HWND Wnd, UINT Message, WPARAM WParam, LPARAM LParam, const PointerEvent& Event) const {
  return { Wnd, Message, WParam, LParam, Event.Time, Event.Screen };
}
