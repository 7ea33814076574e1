// Window attributes: the long values (styles, procedure chain, ids, user data, extra bytes), properties,
// text, registered messages and timers.
#include <algorithm>
#include <cstring>
#include <mutex>

#include "platform/base/Clock.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "platform/ui/winsys/WindowSystemOps.h"

namespace {

WindowSystem& WS() { return WindowSystem::Get(); }

String UpperAscii(String S) {
  for (char& C : S)
    if (C >= 'a' && C <= 'z')
      C = char(C - 'a' + 'A');
  return S;
}

/// Installs a procedure: one that a chained procedure saved when it was installed takes that one out of
/// the chain wherever it stands; anything else goes on top.
LONG_PTR SetProcedure(Window& W, WNDPROC Proc) {
  const WNDPROC Current = W.Procs.back().Proc;
  if (!Proc || Proc == Current)
    return reinterpret_cast<LONG_PTR>(Current);
  for (size_t I = W.Procs.size() - 1; I > 0; --I)
    if (W.Procs[I].SavedPrevious == Proc) {
      const WNDPROC Removed = W.Procs[I].Proc;
      W.Procs.erase(W.Procs.begin() + std::ptrdiff_t(I));
      return reinterpret_cast<LONG_PTR>(Removed);
    }
  W.Procs.push_back({ Proc, Current });
  return reinterpret_cast<LONG_PTR>(Current);
}

/// Changes GWL_STYLE or GWL_EXSTYLE through WM_STYLECHANGING (which may edit the new value) and
/// WM_STYLECHANGED.
LONG_PTR SetStyle(HWND Wnd, int Index, DWORD Value) {
  Window* W = WS().Find(Wnd);
  DWORD& Field = Index == GWL_STYLE ? W->Style : W->ExStyle;
  STYLESTRUCT Change { Field, Value };
  const DWORD Old = Field;
  SendMessage(Wnd, WM_STYLECHANGING, WPARAM(Index), LPARAM(&Change));
  if (!(W = WS().Find(Wnd)))
    return LONG_PTR(Old);
  DWORD& Target = Index == GWL_STYLE ? W->Style : W->ExStyle;
  Target = Change.styleNew;
  if (W->IsTopLevel())
    if (IPresenter* P = WS().Presenter()) {
      if (Index == GWL_STYLE && ((Old ^ Target) & WS_VISIBLE))
        P->WindowVisibilityChanged(Wnd, false);
      P->WindowStyleChanged(Wnd);
    }
  if (Index == GWL_STYLE && (Target & WS_VISIBLE) && !(Old & WS_VISIBLE))
    WS().PaintMayBePending();
  Change.styleOld = Old;
  SendMessage(Wnd, WM_STYLECHANGED, WPARAM(Index), LPARAM(&Change));
  return LONG_PTR(Old);
}

}  // namespace

LONG_PTR GetWindowLongPtr(HWND Wnd, int Index) {
  const Window* W = WS().Find(Wnd);
  if (!W)
    return 0;
  switch (Index) {
  case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(W->Procs.back().Proc);
  case GWL_HINSTANCE: return 0;
  case GWL_HWNDPARENT: return LONG_PTR(W->IsTopLevel() ? W->Owner : (W->Parent ? W->Parent->Handle : 0));
  case GWL_ID: return LONG_PTR(W->Id);
  case GWL_STYLE: return LONG_PTR(W->Style);
  case GWL_EXSTYLE: return LONG_PTR(W->ExStyle);
  case GWL_USERDATA: return W->UserData;
  default:
    if (Index < 0 || size_t(Index) + sizeof(LONG_PTR) > W->Extra.size())
      return 0;
    LONG_PTR Value;
    std::memcpy(&Value, W->Extra.data() + Index, sizeof Value);
    return Value;
  }
}

LONG_PTR SetWindowLongPtr(HWND Wnd, int Index, LONG_PTR Value) {
  Window* W = WS().Find(Wnd);
  if (!W)
    return 0;
  const LONG_PTR Old = GetWindowLongPtr(Wnd, Index);
  switch (Index) {
  case GWL_WNDPROC:
    return SetProcedure(*W, reinterpret_cast<WNDPROC>(Value));
  case GWL_STYLE:
  case GWL_EXSTYLE:
    return SetStyle(Wnd, Index, DWORD(Value));
  case GWL_HWNDPARENT:
    if (W->IsTopLevel()) {
      Window* Owner = WS().Find(HWND(Value));
      W->Owner = Owner && Owner != W ? WindowSystem::TopLevelOf(*Owner).Handle : 0;
    }
    return Old;
  case GWL_ID:
    W->Id = UINT_PTR(Value);
    return Old;
  case GWL_USERDATA:
    W->UserData = Value;
    return Old;
  default:
    if (Index < 0 || size_t(Index) + sizeof(LONG_PTR) > W->Extra.size())
      return 0;
    std::memcpy(W->Extra.data() + Index, &Value, sizeof Value);
    return Old;
  }
}

bool SetProp(HWND Wnd, const String& Name, uintptr_t Data) {
  Window* W = WS().Find(Wnd);
  if (!W)
    return false;
  W->Props[UpperAscii(Name)] = Data;
  return true;
}

uintptr_t GetProp(HWND Wnd, const String& Name) {
  const Window* W = WS().Find(Wnd);
  if (!W)
    return 0;
  const auto It = W->Props.find(UpperAscii(Name));
  return It == W->Props.end() ? 0 : It->second;
}

uintptr_t RemoveProp(HWND Wnd, const String& Name) {
  Window* W = WS().Find(Wnd);
  if (!W)
    return 0;
  const auto It = W->Props.find(UpperAscii(Name));
  if (It == W->Props.end())
    return 0;
  const uintptr_t Data = It->second;
  W->Props.erase(It);
  return Data;
}

bool SetWindowText(HWND Wnd, const String& Text) {
  return WS().Find(Wnd) && SendMessage(Wnd, WM_SETTEXT, 0, LPARAM(Text.c_str())) != 0;
}

int GetWindowTextLength(HWND Wnd) { return int(SendMessage(Wnd, WM_GETTEXTLENGTH, 0, 0)); }

String GetWindowText(HWND Wnd) {
  const int Length = GetWindowTextLength(Wnd);
  if (Length <= 0)
    return {};
  String Buffer(size_t(Length) + 1, '\0');
  const LRESULT Copied = SendMessage(Wnd, WM_GETTEXT, WPARAM(Buffer.size()), LPARAM(Buffer.data()));
  Buffer.resize(size_t(std::clamp<LRESULT>(Copied, 0, Length)));
  return Buffer;
}

UINT RegisterWindowMessage(const String& Name) {
  static std::mutex Lock;
  static std::map<String, UINT> Registered;
  if (Name.empty())
    return 0;
  std::lock_guard Guard(Lock);
  const auto [It, Added] = Registered.try_emplace(UpperAscii(Name), UINT(WM_REGISTERED_FIRST + Registered.size()));
  return It->second;
}

UINT_PTR SetTimer(HWND Wnd, UINT_PTR Id, UINT Elapse) {
  if (!WS().Find(Wnd))
    return 0;
  // A zero interval would make the timer due on every pass of the loop.
  WS().Timers().Set(Wnd, Id, std::max<Int64>(Elapse, 1), CurrentClock().Now());
  return Id;
}

bool KillTimer(HWND Wnd, UINT_PTR Id) { return WS().Timers().Kill(Wnd, Id); }
