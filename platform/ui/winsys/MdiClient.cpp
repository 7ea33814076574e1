#include "platform/ui/winsys/MdiClient.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/MdiArrangement.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

WindowSystem& WS() { return WindowSystem::Get(); }

/// Children placed with CW_USEDEFAULT go down and right in steps, eight steps a round.
constexpr int DefaultPlaces = 8;

int CascadeStep() { return GetSystemMetrics(SM_CYCAPTION) + 3; }

/// The state of one client window.
class MdiClient {
public:
  explicit MdiClient(HWND Wnd) : FWnd(Wnd) {}

  LRESULT Message(UINT Msg, WPARAM WParam, LPARAM LParam);
  /// The active child, forgotten once it is no longer a child of this client.
  HWND Active();
  /// Child leaves the visible children (hidden or destroyed): the activation passes on when it had it.
  void ChildLeaving(HWND Child);
  void ArrangeIcons();
  void RepaintFrameCaption() const;

private:
  bool IsChild(HWND Wnd) const;
  /// The children in z-order, topmost first; only the visible ones when VisibleOnly.
  std::vector<HWND> Children(bool VisibleOnly) const;
  /// The topmost visible child at P (client coordinates); 0 when none.
  HWND ChildAt(TPoint P) const;
  HWND Create(const MDICREATESTRUCT& Create);
  TRect DefaultPlace(const MDICREATESTRUCT& Create);
  void Activate(HWND Child, HWND Leaving = 0);
  void FocusWhenFrameActive(HWND Child) const;
  void Next(HWND Child, bool Previous);
  /// The visible children that are not minimized (nor disabled with MDITILE_SKIPDISABLED), maximized
  /// ones restored first.
  std::vector<HWND> ArrangedChildren(WPARAM Flags);
  bool Tile(WPARAM Flags);
  bool Cascade(WPARAM Flags);
  void RefitMaximized();
  TRect Area() const;

  HWND FWnd { 0 };
  HWND FActive { 0 };
  int FNextPlace { 0 };
};

std::unordered_map<HWND, std::shared_ptr<MdiClient>>& Clients() {
  static std::unordered_map<HWND, std::shared_ptr<MdiClient>> Map;
  return Map;
}

std::shared_ptr<MdiClient> ClientOf(HWND Wnd) {
  const auto It = Clients().find(Wnd);
  return It == Clients().end() ? nullptr : It->second;
}

LRESULT ClientProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NCCREATE)
    Clients()[Wnd] = std::make_shared<MdiClient>(Wnd);
  const std::shared_ptr<MdiClient> Self = ClientOf(Wnd);  // lives on if the window goes meanwhile
  if (Msg == WM_NCDESTROY)
    Clients().erase(Wnd);
  if (!Self || Msg == WM_NCDESTROY)
    return DefWindowProc(Wnd, Msg, WParam, LParam);
  return Self->Message(Msg, WParam, LParam);
}

bool IsMdiChildRecord(const Window& W) {
  return (W.ExStyle & WS_EX_MDICHILD) && W.IsChild() && W.Life == Window::State::Alive;
}

// ---- The client ----------------------------------------------------------------------------------------

LRESULT MdiClient::Message(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_MDICREATE:
    return LParam ? LRESULT(Create(*reinterpret_cast<const MDICREATESTRUCT*>(LParam))) : 0;
  case WM_MDIDESTROY:
    if (IsChild(HWND(WParam)))
      DestroyWindow(HWND(WParam));
    return 0;
  case WM_MDIACTIVATE:
    Activate(HWND(WParam));
    return 0;
  case WM_MDIGETACTIVE: {
    const HWND Child = Active();
    if (LParam)
      *reinterpret_cast<bool*>(LParam) = Child && IsZoomed(Child);
    return LRESULT(Child);
  }
  case WM_MDINEXT:
    Next(HWND(WParam), LParam != 0);
    return 0;
  case WM_MDIMAXIMIZE:
    if (IsChild(HWND(WParam)))
      ShowWindow(HWND(WParam), SW_SHOWMAXIMIZED);
    return 0;
  case WM_MDIRESTORE:
    if (IsChild(HWND(WParam)))
      ShowWindow(HWND(WParam), SW_RESTORE);
    return 0;
  case WM_MDITILE:
    return Tile(WParam);
  case WM_MDICASCADE:
    return Cascade(WParam);
  case WM_MDIICONARRANGE:
    ArrangeIcons();
    return 0;
  case WM_PARENTNOTIFY:
    switch (LOWORD(WParam)) {
    case WM_DESTROY:
      if (IsChild(HWND(LParam)))
        ChildLeaving(HWND(LParam));
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      Activate(ChildAt(LParamToPoint(LParam)));
      break;
    default:
      break;
    }
    return 0;
  case WM_SIZE: {
    const LRESULT Result = DefWindowProc(FWnd, Msg, WParam, LParam);
    RefitMaximized();
    ArrangeIcons();
    return Result;
  }
  case WM_SETFOCUS:
    if (const HWND Child = Active())
      ::SetFocus(Child);
    return 0;
  default:
    return DefWindowProc(FWnd, Msg, WParam, LParam);
  }
}

bool MdiClient::IsChild(HWND Wnd) const {
  const Window* W = WS().Find(Wnd);
  return W && IsMdiChildRecord(*W) && W->Parent->Handle == FWnd;
}

HWND MdiClient::Active() {
  if (FActive && !IsChild(FActive))
    FActive = 0;
  return FActive;
}

std::vector<HWND> MdiClient::Children(bool VisibleOnly) const {
  std::vector<HWND> List;
  if (const Window* W = WS().Find(FWnd))
    for (const Window* C : W->Children)
      if (IsMdiChildRecord(*C) && (!VisibleOnly || (C->Style & WS_VISIBLE)))
        List.push_back(C->Handle);
  return List;
}

HWND MdiClient::ChildAt(TPoint P) const {
  for (HWND Child : Children(true)) {
    TRect R;
    GetWindowRect(Child, &R);
    MapWindowPoints(0, FWnd, &R);
    if (R.Contains(P))
      return Child;
  }
  return 0;
}

TRect MdiClient::Area() const {
  TRect R;
  GetClientRect(FWnd, &R);
  return R;
}

TRect MdiClient::DefaultPlace(const MDICREATESTRUCT& Create) {
  const TRect Client = Area();
  const int Width = Create.cx == CW_USEDEFAULT ? Client.Width() * 3 / 4 : Create.cx;
  const int Height = Create.cy == CW_USEDEFAULT ? Client.Height() * 3 / 4 : Create.cy;
  if (Create.x != CW_USEDEFAULT && Create.y != CW_USEDEFAULT)
    return Bounds(Create.x, Create.y, Width, Height);
  int Offset = CascadeStep() * FNextPlace;
  if (Offset + Width > Client.Width() || Offset + Height > Client.Height())
    Offset = FNextPlace = 0;
  FNextPlace = (FNextPlace + 1) % DefaultPlaces;
  return Bounds(Offset, Offset, Width, Height);
}

HWND MdiClient::Create(const MDICREATESTRUCT& Create) {
  const TRect R = DefaultPlace(Create);
  const DWORD Style =
      (Create.style | WS_CHILD | WS_CLIPSIBLINGS) & ~(WS_VISIBLE | WS_MAXIMIZE | WS_MINIMIZE | WS_POPUP);
  const HWND Child = CreateWindowEx(WS_EX_MDICHILD, Create.szClass, Create.szTitle, Style, R.Left, R.Top, R.Width(),
                                    R.Height(), FWnd, 0, const_cast<MDICREATESTRUCT*>(&Create));
  if (!Child || !(Create.style & WS_VISIBLE))
    return Child;
  const int Command = (Create.style & WS_MAXIMIZE)   ? SW_SHOWMAXIMIZED
                      : (Create.style & WS_MINIMIZE) ? SW_SHOWMINIMIZED
                                                     : SW_SHOWNORMAL;
  ShowWindow(Child, Command);
  Activate(Child);
  return IsWindow(Child) ? Child : 0;
}

void MdiClient::Activate(HWND Child, HWND Leaving) {
  if (!IsChild(Child) || !IsWindowVisible(Child))
    return;
  const HWND Old = Active();
  if (Old == Child) {
    SetWindowPos(Child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FocusWhenFrameActive(Child);
    return;
  }
  const bool WasMaximized = Old && IsZoomed(Old);
  FActive = Child;
  if (Old && Old != Leaving) {
    SendMessage(Old, WM_NCACTIVATE, 0, 0);
    SendMessage(Old, WM_MDIACTIVATE, WPARAM(Old), LPARAM(Child));
    if (Active() != Child)
      return;  // a handler activated another child meanwhile
  }
  SetWindowPos(Child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // The maximized mode stays: the new child takes the place of the old one.
  if (WasMaximized && (GetWindowLong(Child, GWL_STYLE) & WS_MAXIMIZEBOX) && !IsZoomed(Child))
    ShowWindow(Child, SW_SHOWMAXIMIZED);
  if (WasMaximized && Old != Leaving && IsChild(Old) && IsWindowVisible(Old))
    ShowWindow(Old, SW_SHOWNOACTIVATE);
  if (Active() != Child)
    return;
  SendMessage(Child, WM_NCACTIVATE, 1, 0);
  SendMessage(Child, WM_MDIACTIVATE, WPARAM(Old == Leaving ? 0 : Old), LPARAM(Child));
  if (Active() == Child)
    FocusWhenFrameActive(Child);
  RepaintFrameCaption();
}

void MdiClient::FocusWhenFrameActive(HWND Child) const {
  if (GetActiveWindow() != GetAncestor(FWnd, GA_ROOT))
    return;
  const HWND Focus = GetFocus();
  if (Focus != Child && !::IsChild(Child, Focus))
    ::SetFocus(Child);
}

void MdiClient::ChildLeaving(HWND Child) {
  if (Child != Active())
    return;
  for (HWND Other : Children(true))
    if (Other != Child) {
      Activate(Other, Child);
      return;
    }
  FActive = 0;
  RepaintFrameCaption();
}

void MdiClient::Next(HWND Child, bool Previous) {
  const std::vector<HWND> List = Children(true);
  const HWND Current = Child ? Child : Active();
  if (List.size() < 2 || !Current)
    return;
  if (Previous) {
    Activate(List.back());
    return;
  }
  const auto It = std::find(List.begin(), List.end(), Current);
  const HWND Target = It == List.end() || std::next(It) == List.end() ? List.front() : *std::next(It);
  if (Target == Current)
    return;
  Activate(Target);
  SetWindowPos(Current, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::vector<HWND> MdiClient::ArrangedChildren(WPARAM Flags) {
  for (HWND Child : Children(true))
    if (IsZoomed(Child))
      ShowWindow(Child, SW_SHOWNOACTIVATE);
  std::vector<HWND> List;
  for (HWND Child : Children(true))
    if (!IsIconic(Child) && (!(Flags & MDITILE_SKIPDISABLED) || IsWindowEnabled(Child)))
      List.push_back(Child);
  return List;
}

bool MdiClient::Tile(WPARAM Flags) {
  const std::vector<HWND> List = ArrangedChildren(Flags);
  const std::vector<TRect> Rects = MdiTileRects(Area(), int(List.size()), (Flags & MDITILE_HORIZONTAL) != 0);
  for (size_t I = 0; I < Rects.size(); ++I)
    SetWindowPos(List[I], 0, Rects[I].Left, Rects[I].Top, Rects[I].Width(), Rects[I].Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  ArrangeIcons();
  return !Rects.empty();
}

bool MdiClient::Cascade(WPARAM Flags) {
  const std::vector<HWND> List = ArrangedChildren(Flags);
  const TSize MinSize { GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK) };
  const std::vector<TRect> Rects = MdiCascadeRects(Area(), int(List.size()), CascadeStep(), MinSize);
  for (size_t I = 0; I < Rects.size(); ++I) {
    // A child without a sizing frame keeps its size.
    const UINT KeepSize = (GetWindowLong(List[I], GWL_STYLE) & WS_THICKFRAME) ? 0 : SWP_NOSIZE;
    SetWindowPos(List[I], 0, Rects[I].Left, Rects[I].Top, Rects[I].Width(), Rects[I].Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | KeepSize);
  }
  ArrangeIcons();
  return !Rects.empty();
}

void MdiClient::ArrangeIcons() {
  std::vector<HWND> Icons;
  for (HWND Child : Children(true))
    if (IsIconic(Child))
      Icons.push_back(Child);
  const TSize Size { GetSystemMetrics(SM_CXMINIMIZED), GetSystemMetrics(SM_CYMINIMIZED) };
  const std::vector<TRect> Rects = MdiIconRects(Area(), int(Icons.size()), Size);
  for (size_t I = 0; I < Rects.size(); ++I)
    SetWindowPos(Icons[I], 0, Rects[I].Left, Rects[I].Top, Rects[I].Width(), Rects[I].Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MdiClient::RefitMaximized() {
  const TRect R = Area();
  for (HWND Child : Children(false))
    if (IsZoomed(Child))
      SetWindowPos(Child, 0, 0, 0, R.Width(), R.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void MdiClient::RepaintFrameCaption() const {
  if (const HWND Frame = GetParent(FWnd))
    RedrawWindow(Frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

/// The client of an MDI child, when the child is one.
std::shared_ptr<MdiClient> ClientOfChild(HWND Child) {
  const Window* W = WS().Find(Child);
  return W && IsMdiChildRecord(*W) ? ClientOf(W->Parent->Handle) : nullptr;
}

/// Whether a placement change asks for the child's activation, as SetWindowPos without SWP_NOACTIVATE
/// that shows or raises it does.
bool Activates(const WINDOWPOS& Pos) {
  return !(Pos.flags & SWP_NOACTIVATE) && ((Pos.flags & SWP_SHOWWINDOW) || !(Pos.flags & SWP_NOZORDER));
}

}  // namespace

void RegisterMdiClientClass() {
  WNDCLASS Class;
  if (GetClassInfo(MdiClientClassName, &Class))
    return;
  static const WindowProc Proc(&ClientProc);
  Class = WNDCLASS {};
  Class.lpfnWndProc = &Proc;
  Class.hCursor = LoadCursor(0, IDC_ARROW);
  Class.hbrBackground = SysColorBackground(int(clAppWorkSpace & 0xFF));
  Class.lpszClassName = MdiClientClassName;
  RegisterClass(Class);
}

LRESULT DefFrameProc(HWND Wnd, HWND Client, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_SETFOCUS && IsWindow(Client)) {
    ::SetFocus(Client);
    return 0;
  }
  return DefWindowProc(Wnd, Msg, WParam, LParam);
}

LRESULT DefMDIChildProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  const std::shared_ptr<MdiClient> Client = ClientOfChild(Wnd);
  if (!Client)
    return DefWindowProc(Wnd, Msg, WParam, LParam);
  const HWND ClientWnd = GetParent(Wnd);
  switch (Msg) {
  case WM_NCCALCSIZE:
    if (IsZoomed(Wnd))
      return 0;  // no frame: the whole window is client
    break;
  case WM_MOUSEACTIVATE:
  case WM_CHILDACTIVATE:
    SendMessage(ClientWnd, WM_MDIACTIVATE, WPARAM(Wnd), 0);
    break;
  case WM_WINDOWPOSCHANGED: {
    const LRESULT Result = DefWindowProc(Wnd, Msg, WParam, LParam);
    if (LParam && Activates(*reinterpret_cast<const WINDOWPOS*>(LParam)) && Client->Active() != Wnd)
      SendMessage(ClientWnd, WM_MDIACTIVATE, WPARAM(Wnd), 0);
    return Result;
  }
  case WM_SHOWWINDOW:
    if (!WParam)
      Client->ChildLeaving(Wnd);
    break;
  case WM_SIZE:
  case WM_SETTEXT: {
    const LRESULT Result = DefWindowProc(Wnd, Msg, WParam, LParam);
    if (Msg == WM_SIZE && WParam == SIZE_MINIMIZED)
      Client->ArrangeIcons();
    if (Client->Active() == Wnd)
      Client->RepaintFrameCaption();
    return Result;
  }
  case WM_SYSCOMMAND:
    switch (WParam & 0xFFF0) {
    case SC_MAXIMIZE: SendMessage(ClientWnd, WM_MDIMAXIMIZE, WPARAM(Wnd), 0); return 0;
    case SC_RESTORE: SendMessage(ClientWnd, WM_MDIRESTORE, WPARAM(Wnd), 0); return 0;
    case SC_NEXTWINDOW: SendMessage(ClientWnd, WM_MDINEXT, WPARAM(Wnd), 0); return 0;
    case SC_PREVWINDOW: SendMessage(ClientWnd, WM_MDINEXT, WPARAM(Wnd), 1); return 0;
    default: break;
    }
    break;
  default:
    break;
  }
  return DefWindowProc(Wnd, Msg, WParam, LParam);
}

String MdiFrameCaption(const Window& W) {
  for (const Window* C : W.Children) {
    const std::shared_ptr<MdiClient> Client = C->Life == Window::State::Alive ? ClientOf(C->Handle) : nullptr;
    if (!Client)
      continue;
    const Window* Child = WS().Find(Client->Active());
    if (Child && (Child->Style & WS_MAXIMIZE) && (Child->Style & WS_VISIBLE))
      return W.Text + " - [" + Child->Text + "]";
  }
  return W.Text;
}
