// Window classes, creation and destruction, and the tree: parents, owners, z-order queries.
#include <algorithm>

#include "platform/base/Exception.h"
#include "platform/gdi/Capabilities.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "platform/ui/winsys/WindowSystemOps.h"

namespace {

WindowSystem& WS() { return WindowSystem::Get(); }

String ClassKey(const String& Name) {
  String Key = Name;
  for (char& C : Key)
    if (C >= 'a' && C <= 'z')
      C = char(C - 'a' + 'A');
  return Key;
}

/// WM_PARENTNOTIFY(Event) to the ancestors of a child window, up to its top-level window or the first
/// ancestor that asks not to pass notices on.
void NotifyParents(HWND Wnd, Word Event) {
  Window* W = WS().Find(Wnd);
  if (!W || !W->IsChild() || (W->ExStyle & WS_EX_NOPARENTNOTIFY))
    return;
  const WPARAM WParam = MAKEWPARAM(Event, Word(W->Id));
  HWND Ancestor = W->Parent->Handle;
  while (Window* A = WS().Find(Ancestor)) {
    if (A->IsDesktop())
      break;
    SendMessage(Ancestor, WM_PARENTNOTIFY, WParam, LPARAM(Wnd));
    A = WS().Find(Ancestor);
    if (!A || !A->IsChild() || (A->ExStyle & WS_EX_NOPARENTNOTIFY))
      break;
    Ancestor = A->Parent->Handle;
  }
}

void MarkDestroying(Window& W) {
  W.Life = Window::State::Destroying;
  for (Window* C : W.Children)
    MarkDestroying(*C);
}

std::vector<HWND> ChildHandles(const Window& W) {
  std::vector<HWND> Handles;
  for (const Window* C : W.Children)
    Handles.push_back(C->Handle);
  return Handles;
}

void SendDestroy(HWND Wnd) {
  SendMessage(Wnd, WM_DESTROY, 0, 0);
  if (Window* W = WS().Find(Wnd))
    for (HWND C : ChildHandles(*W))
      if (Window* Child = WS().Find(C); Child && Child->Life == Window::State::Destroying)
        SendDestroy(C);
}

void SendNcDestroy(HWND Wnd) {
  if (Window* W = WS().Find(Wnd))
    for (HWND C : ChildHandles(*W))
      if (Window* Child = WS().Find(C); Child && Child->Life == Window::State::Destroying)
        SendNcDestroy(C);
  SendMessage(Wnd, WM_NCDESTROY, 0, 0);
}

/// Takes W and its descendants out of the tree and frees what no running call still uses.
void Finish(Window& W) {
  for (HWND C : ChildHandles(W)) {
    Window* Child = WS().Find(C);
    if (!Child)
      continue;
    if (Child->Life == Window::State::Alive)
      DestroyWindow(C);  // created while the parent was being destroyed
    else
      Finish(*Child);
  }
  const HWND Handle = W.Handle;
  WS().Timers().KillAll(Handle);
  if (W.IsTopLevel())
    if (IPresenter* P = WS().Presenter())
      P->WindowDestroyed(Handle);
  UnlinkWindow(W);
  W.Class->WindowCount--;
  W.Life = Window::State::Dead;
  if (W.DispatchDepth == 0)
    ReleaseRecord(W);
}

}  // namespace

// ---- Classes -------------------------------------------------------------------------------------------

ATOM RegisterClass(const WNDCLASS& Class) {
  if (Class.lpszClassName.empty() || WS().FindClass(Class.lpszClassName))
    return 0;
  static ATOM NextAtom = 0xC000;
  if (NextAtom == 0xFFFF)
    NextAtom = 0xC000;
  WNDCLASS Def = Class;
  if (!Def.lpfnWndProc)
    Def.lpfnWndProc = DefWindowProcInstance();
  const ATOM Atom = NextAtom++;
  WS().Classes()[ClassKey(Class.lpszClassName)] = std::make_unique<WindowClass>(Def, Atom);
  return Atom;
}

bool UnregisterClass(const String& ClassName) {
  auto& Classes = WS().Classes();
  const auto It = Classes.find(ClassKey(ClassName));
  if (It == Classes.end() || It->second->WindowCount > 0)
    return false;
  Classes.erase(It);
  return true;
}

bool GetClassInfo(const String& ClassName, WNDCLASS* Class) {
  const WindowClass* C = WS().FindClass(ClassName);
  if (!C)
    return false;
  if (Class)
    *Class = C->Def;
  return true;
}

String GetClassName(HWND Wnd) {
  const Window* W = WS().Find(Wnd);
  return W ? W->Class->Def.lpszClassName : String();
}

LONG_PTR GetClassLongPtr(HWND Wnd, int Index) {
  const Window* W = WS().Find(Wnd);
  if (!W)
    return 0;
  const WNDCLASS& D = W->Class->Def;
  switch (Index) {
  case GCL_STYLE: return LONG_PTR(D.style);
  case GCLP_HBRBACKGROUND: return reinterpret_cast<LONG_PTR>(D.hbrBackground);
  case GCLP_HCURSOR: return LONG_PTR(D.hCursor);
  case GCLP_HICON: return LONG_PTR(D.hIcon);
  case GCLP_WNDPROC: return reinterpret_cast<LONG_PTR>(D.lpfnWndProc);
  default: return 0;
  }
}

LONG_PTR SetClassLongPtr(HWND Wnd, int Index, LONG_PTR Value) {
  Window* W = WS().Find(Wnd);
  if (!W)
    return 0;
  const LONG_PTR Old = GetClassLongPtr(Wnd, Index);
  WNDCLASS& D = W->Class->Def;
  switch (Index) {
  case GCL_STYLE: D.style = UINT(Value); break;
  case GCLP_HBRBACKGROUND: D.hbrBackground = reinterpret_cast<HBRUSH>(Value); break;
  case GCLP_HCURSOR: D.hCursor = HCURSOR(Value); break;
  case GCLP_HICON: D.hIcon = HICON(Value); break;
  case GCLP_WNDPROC: D.lpfnWndProc = Value ? reinterpret_cast<WNDPROC>(Value) : DefWindowProcInstance(); break;
  default: return 0;
  }
  return Old;
}

// ---- Creation and destruction --------------------------------------------------------------------------

HWND CreateWindowEx(DWORD ExStyle, const String& ClassName, const String& WindowName, DWORD Style, int X,
                    int Y, int Width, int Height, HWND Parent, UINT_PTR Id, void* Param) {
  WindowClass* Class = WS().FindClass(ClassName);
  if (!Class)
    return 0;
  Window* ParentRecord = &WS().Desktop();
  HWND Owner = 0;
  if (Style & WS_CHILD) {
    ParentRecord = WS().Find(Parent);
    if (!ParentRecord || ParentRecord->Life != Window::State::Alive)
      return 0;
  } else if (Parent) {
    Window* P = WS().Find(Parent);
    if (!P)
      return 0;
    Owner = WindowSystem::TopLevelOf(*P).Handle;
  }

  const DWORD Requested = Style;
  auto Record = std::make_unique<Window>();
  Record->Class = Class;
  Record->Style = Style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
  Record->ExStyle = ExStyle;
  Record->Id = Id;
  Record->Owner = Owner;
  Record->Extra.assign(size_t(std::max(Class->Def.cbWndExtra, 0)), 0);
  Record->Procs.push_back({ Class->Def.lpfnWndProc, nullptr });
  Record->Rect = Bounds(X, Y, std::max(Width, 0), std::max(Height, 0));
  Record->Client = Rect(0, 0, Record->Rect.Width(), Record->Rect.Height());
  Record->RestoreRect = Record->Rect;
  Record->Parent = ParentRecord;
  const HWND Wnd = WS().Handles().Add(std::move(Record));
  Window& W = *WS().Find(Wnd);
  Class->WindowCount++;
  LinkWindow(W, HWND_TOP);
  if (W.IsTopLevel()) {
    ResizeBacking(W);
    if (IPresenter* P = WS().Presenter())
      P->WindowCreated(Wnd);
  }

  TRect R = W.Rect;
  if (UsesMinMaxInfo(W)) {
    R = ClampToTrackSize(Wnd, R);
    if (Window* Again = WS().Find(Wnd))
      Again->Rect = R;
    else
      return 0;
  }
  CREATESTRUCT Create;
  Create.lpCreateParams = Param;
  Create.hMenu = Id;
  Create.hwndParent = Parent;
  Create.x = R.Left;
  Create.y = R.Top;
  Create.cx = R.Width();
  Create.cy = R.Height();
  Create.style = Requested;
  Create.lpszName = WindowName.c_str();
  Create.lpszClass = ClassName.c_str();
  Create.dwExStyle = ExStyle;
  if (!SendMessage(Wnd, WM_NCCREATE, 0, LPARAM(&Create))) {
    DestroyWindow(Wnd);
    return 0;
  }
  if (!RecalcClientArea(Wnd, R, R, nullptr))
    return 0;
  if (SendMessage(Wnd, WM_CREATE, 0, LPARAM(&Create)) == -1) {
    DestroyWindow(Wnd);
    return 0;
  }
  if (Window* Created = WS().Find(Wnd)) {
    const TRect C = Created->Client;
    SendMessage(Wnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(Word(C.Width()), Word(C.Height())));
  }
  if (Window* Created = WS().Find(Wnd))
    SendMessage(Wnd, WM_MOVE, 0, PointToLParam({ Created->Rect.Left + Created->Client.Left, Created->Rect.Top + Created->Client.Top }));
  NotifyParents(Wnd, WM_CREATE);
  if (!WS().Find(Wnd))
    return 0;
  if (Requested & WS_VISIBLE)
    ShowWindow(Wnd, (Requested & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : (Requested & WS_MINIMIZE) ? SW_SHOWMINIMIZED : SW_SHOW);
  return WS().Find(Wnd) ? Wnd : 0;
}

bool DestroyWindow(HWND Wnd) {
  Window* W = WS().Find(Wnd);
  if (!W || W->IsDesktop() || W->Life != Window::State::Alive)
    return false;
  std::vector<HWND> Owned;
  for (const Window* T : WS().TopLevelWindows())
    if (T->Owner == Wnd)
      Owned.push_back(T->Handle);
  for (HWND O : Owned)
    DestroyWindow(O);

  NotifyParents(Wnd, WM_DESTROY);
  W = WS().Find(Wnd);
  if (W && W->Life == Window::State::Alive && (W->Style & WS_VISIBLE))
    SetWindowPos(Wnd, 0, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  W = WS().Find(Wnd);
  if (!W || W->Life != Window::State::Alive)
    return true;  // a handler of the hiding destroyed it already
  MarkDestroying(*W);
  if (IInputLayer* Input = WS().InputLayer())
    Input->WindowDestroying(Wnd);
  SendDestroy(Wnd);
  SendNcDestroy(Wnd);
  if (Window* Gone = WS().Find(Wnd))
    Finish(*Gone);
  return true;
}

void ReleaseRecord(Window& W) {
  if (W.Backing)
    DetachDCs(W.Handle);
  WS().Handles().Free(W.Handle);
}

bool IsWindow(HWND Wnd) { return WS().Find(Wnd) != nullptr; }

HWND GetDesktopWindow() { return WS().Desktop().Handle; }

// ---- Tree ----------------------------------------------------------------------------------------------

HWND GetParent(HWND Wnd) {
  const Window* W = WS().Find(Wnd);
  if (!W || W->IsDesktop())
    return 0;
  if (W->IsChild())
    return W->Parent->IsDesktop() ? 0 : W->Parent->Handle;
  return W->Owner;
}

HWND GetWindow(HWND Wnd, UINT Relation) {
  const Window* W = WS().Find(Wnd);
  if (!W)
    return 0;
  if (Relation == GW_OWNER)
    return W->IsTopLevel() ? W->Owner : 0;
  if (Relation == GW_CHILD)
    return W->Children.empty() ? 0 : W->Children.front()->Handle;
  if (W->IsDesktop())
    return 0;
  const auto& Siblings = W->Parent->Children;
  const auto It = std::find(Siblings.begin(), Siblings.end(), W);
  switch (Relation) {
  case GW_HWNDFIRST: return Siblings.front()->Handle;
  case GW_HWNDLAST: return Siblings.back()->Handle;
  case GW_HWNDNEXT: return std::next(It) == Siblings.end() ? 0 : (*std::next(It))->Handle;
  case GW_HWNDPREV: return It == Siblings.begin() ? 0 : (*std::prev(It))->Handle;
  default: return 0;
  }
}

HWND GetTopWindow(HWND Wnd) { return GetWindow(Wnd ? Wnd : GetDesktopWindow(), GW_CHILD); }

HWND GetAncestor(HWND Wnd, UINT Flags) {
  Window* W = WS().Find(Wnd);
  if (!W || W->IsDesktop())
    return 0;
  switch (Flags) {
  case GA_PARENT:
    return W->Parent->Handle;
  case GA_ROOT:
    return WindowSystem::TopLevelOf(*W).Handle;
  case GA_ROOTOWNER: {
    HWND Root = WindowSystem::TopLevelOf(*W).Handle;
    for (int Steps = 0; Steps < 1024; ++Steps) {
      const Window* R = WS().Find(Root);
      if (!R || !R->Owner || !WS().Find(R->Owner))
        break;
      Root = R->Owner;
    }
    return Root;
  }
  default:
    return 0;
  }
}

bool IsChild(HWND Parent, HWND Wnd) {
  const Window* W = WS().Find(Wnd);
  for (; W && W->IsChild() && W->Parent; W = W->Parent)
    if (W->Parent->Handle == Parent)
      return Parent != 0;
  return false;
}

bool EnumWindows(const std::function<bool(HWND)>& Fn) {
  return EnumChildWindows(0, Fn);
}

namespace {

bool EnumDescendants(HWND Parent, bool Recurse, const std::function<bool(HWND)>& Fn) {
  const Window* P = WS().Find(Parent);
  if (!P)
    return true;
  for (HWND C : ChildHandles(*P)) {
    if (!WS().Find(C))
      continue;
    if (!Fn(C))
      return false;
    if (Recurse && !EnumDescendants(C, true, Fn))
      return false;
  }
  return true;
}

}  // namespace

bool EnumChildWindows(HWND Parent, const std::function<bool(HWND)>& Fn) {
  if (!Parent)
    return EnumDescendants(GetDesktopWindow(), false, Fn);
  return WS().Find(Parent) ? EnumDescendants(Parent, true, Fn) : false;
}

HWND SetParent(HWND Wnd, HWND NewParent) {
  Window* W = WS().Find(Wnd);
  Window* P = NewParent ? WS().Find(NewParent) : &WS().Desktop();
  if (!W || !P || W->IsDesktop())
    return 0;
  for (const Window* A = P; A; A = A->Parent)
    if (A == W)
      return 0;
  Window* Old = W->Parent;
  const HWND OldHandle = Old->Handle;
  if (Old == P)
    return OldHandle;
  const bool Shown = WindowSystem::IsShown(*W);
  if (Shown && !Old->IsDesktop())
    InvalidateArea(*Old, ShapeInParent(*W), true, true, false, false);
  if (W->IsTopLevel()) {
    if (IPresenter* Pr = WS().Presenter())
      Pr->WindowDestroyed(Wnd);
    DetachDCs(Wnd);
    W->Backing.reset();
    W->Dirty.clear();
  }
  UnlinkWindow(*W);
  W->Parent = P;
  LinkWindow(*W, HWND_TOP);
  if (W->IsTopLevel()) {
    ResizeBacking(*W);
    if (IPresenter* Pr = WS().Presenter()) {
      Pr->WindowCreated(Wnd);
      if (W->Style & WS_VISIBLE)
        Pr->WindowVisibilityChanged(Wnd, false);
    }
  }
  if (WindowSystem::IsShown(*W))
    RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return OldHandle;
}
