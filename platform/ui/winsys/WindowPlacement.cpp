// Placement: z-order, SetWindowPos and its messages, showing and window states, coordinates.
#include <algorithm>

#include "platform/gdi/Capabilities.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "platform/ui/winsys/WindowSystemOps.h"

namespace {

WindowSystem& WS() { return WindowSystem::Get(); }

constexpr int MaxCoordinate = 32767;  // messages carry coordinates in 16 bits

size_t TopmostCount(const std::vector<Window*>& Siblings) {
  return size_t(std::count_if(Siblings.begin(), Siblings.end(), [](const Window* S) { return (S->ExStyle & WS_EX_TOPMOST) != 0; }));
}

/// Moves the windows W owns (and theirs) directly above W, keeping their order, when in W's band.
void RaiseOwned(Window& W) {
  auto& S = W.Parent->Children;
  std::vector<Window*> Owned;
  std::vector<HWND> Owners { W.Handle };
  for (size_t I = 0; I < Owners.size(); ++I)
    for (Window* T : S)
      if (T->Owner == Owners[I] && T != &W && std::find(Owned.begin(), Owned.end(), T) == Owned.end() &&
          (T->ExStyle & WS_EX_TOPMOST) == (W.ExStyle & WS_EX_TOPMOST)) {
        Owned.push_back(T);
        Owners.push_back(T->Handle);
      }
  if (Owned.empty())
    return;
  std::vector<Window*> Ordered;
  for (Window* T : S)
    if (std::find(Owned.begin(), Owned.end(), T) != Owned.end())
      Ordered.push_back(T);
  std::erase_if(S, [&](Window* T) { return std::find(Owned.begin(), Owned.end(), T) != Owned.end(); });
  S.insert(std::find(S.begin(), S.end(), &W), Ordered.begin(), Ordered.end());
}

/// Applies a z-order request; true when the order changed.
bool Reorder(Window& W, HWND InsertAfter, UINT Flags) {
  auto& S = W.Parent->Children;
  if (W.IsTopLevel() && InsertAfter == HWND_NOTOPMOST && !(W.ExStyle & WS_EX_TOPMOST))
    return false;
  const std::vector<Window*> Before = S;
  const DWORD ExBefore = W.ExStyle;
  UnlinkWindow(W);
  LinkWindow(W, InsertAfter);
  if (W.IsTopLevel() && !(Flags & SWP_NOOWNERZORDER))
    RaiseOwned(W);
  const bool Changed = S != Before || W.ExStyle != ExBefore;
  if (Changed && W.IsTopLevel())
    if (IPresenter* P = WS().Presenter())
      P->ZOrderChanged();
  return Changed;
}

TRect ScreenBounds() {
  TRect R;
  for (const TMonitorArea& M : PlatformCapabilities().Monitors) {
    const TRect& B = M.Bounds;
    if (R.Width() == 0 && R.Height() == 0)
      R = B;
    else
      R = { std::min(R.Left, B.Left), std::min(R.Top, B.Top), std::max(R.Right, B.Right), std::max(R.Bottom, B.Bottom) };
  }
  return R;
}

bool SetWindowPosImpl(HWND Wnd, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags, bool ForceSize);

/// Goes to a window state (0, WS_MINIMIZE or WS_MAXIMIZE), showing the window when ShowFlags says so.
void ChangeState(HWND Wnd, DWORD NewState, UINT ShowFlags) {
  Window* W = WS().Find(Wnd);
  const DWORD Old = W->Style & (WS_MINIMIZE | WS_MAXIMIZE);
  if (Old == NewState) {
    SetWindowPosImpl(Wnd, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | ShowFlags, false);
    return;
  }
  if (Old == 0)
    W->RestoreRect = W->Rect;
  W->RestoreMaximized = NewState == WS_MINIMIZE && Old == WS_MAXIMIZE;
  W->Style = (W->Style & ~(WS_MINIMIZE | WS_MAXIMIZE)) | NewState;
  if (W->IsTopLevel())
    if (IPresenter* P = WS().Presenter())
      P->WindowStateChanged(Wnd);
  TRect Target = W->Rect;
  if (NewState == WS_MAXIMIZE) {
    const MINMAXINFO Info = QueryMinMaxInfo(Wnd);
    Target = Bounds(Info.ptMaxPosition.X, Info.ptMaxPosition.Y, Info.ptMaxSize.X, Info.ptMaxSize.Y);
  } else if (NewState == 0) {
    Target = W->RestoreRect;
  }
  if (!WS().Find(Wnd))
    return;
  SetWindowPosImpl(Wnd, 0, Target.Left, Target.Top, Target.Width(), Target.Height(),
                   SWP_NOZORDER | SWP_FRAMECHANGED | ShowFlags, true);
  if (NewState == WS_MINIMIZE) {
    if (IInputLayer* Input = WS().InputLayer())
      Input->WindowHidden(Wnd);
    ShowOwnedPopups(Wnd, false);
  } else if (Old == WS_MINIMIZE) {
    ShowOwnedPopups(Wnd, true);
  }
}

void RepaintAfterMove(Window& W, const Region& OldShape, bool WasShown, const TRect& OldClient, bool Moved,
                      bool Sized, UINT Flags, bool ZChanged) {
  const bool Shown = WindowSystem::IsShown(W);
  Window& Parent = *W.Parent;
  if (WasShown && !Parent.IsDesktop()) {
    const Region Exposed = Shown ? OldShape.Subtract(ShapeInParent(W)) : OldShape;
    if (!Exposed.Empty())
      InvalidateArea(Parent, Exposed, true, true, true, false);
  }
  if (!Shown)
    return;
  const bool Child = !W.IsTopLevel();
  const UINT ClassStyle = W.Class->Def.style;
  const bool Whole = (Flags & SWP_SHOWWINDOW) || (Moved && Child) || (ZChanged && Child) ||
                     (Sized && (((ClassStyle & CS_HREDRAW) && OldClient.Width() != W.Client.Width()) ||
                                ((ClassStyle & CS_VREDRAW) && OldClient.Height() != W.Client.Height())));
  if (Whole)
    InvalidateArea(W, ClientArea(W), true, true, true, true);
  else if (Sized || (Flags & SWP_FRAMECHANGED)) {
    Region Fresh = ClientArea(W);
    if (OldClient.TopLeft() == W.Client.TopLeft())
      Fresh = Fresh.Subtract(Region(Rect(0, 0, OldClient.Width(), OldClient.Height())));
    InvalidateArea(W, Fresh, true, true, false, true);
  }
}

bool SetWindowPosImpl(HWND Wnd, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags, bool ForceSize) {
  Window* W = WS().Find(Wnd);
  if (!W || W->IsDesktop())
    return false;
  const TRect Old = W->Rect;
  if (Flags & SWP_NOSIZE) {
    Width = Old.Width();
    Height = Old.Height();
  }
  if (Flags & SWP_NOMOVE) {
    X = Old.Left;
    Y = Old.Top;
  }
  if ((Flags & SWP_SHOWWINDOW) && (Flags & SWP_HIDEWINDOW))
    Flags &= ~SWP_HIDEWINDOW;
  Flags &= (W->Style & WS_VISIBLE) ? ~SWP_SHOWWINDOW : ~SWP_HIDEWINDOW;
  if (!(Flags & SWP_NOSIZE) && UsesMinMaxInfo(*W)) {
    const TRect Clamped = ClampToTrackSize(Wnd, Bounds(X, Y, Width, Height));
    Width = Clamped.Width();
    Height = Clamped.Height();
    if (!(W = WS().Find(Wnd)))
      return false;
  }
  WINDOWPOS Pos { Wnd, InsertAfter, X, Y, std::max(Width, 0), std::max(Height, 0), Flags };
  if (!(Flags & SWP_NOSENDCHANGING)) {
    SendMessage(Wnd, WM_WINDOWPOSCHANGING, 0, LPARAM(&Pos));
    if (!(W = WS().Find(Wnd)))
      return false;
  }
  Flags = Pos.flags;
  const TRect New = Bounds(Flags & SWP_NOMOVE ? Old.Left : Pos.x, Flags & SWP_NOMOVE ? Old.Top : Pos.y,
                           Flags & SWP_NOSIZE ? Old.Width() : std::max(Pos.cx, 0),
                           Flags & SWP_NOSIZE ? Old.Height() : std::max(Pos.cy, 0));
  const bool Moved = New.TopLeft() != Old.TopLeft();
  const bool Sized = New.Width() != Old.Width() || New.Height() != Old.Height();
  const TRect OldClient = W->Client;
  if (Sized || (Flags & SWP_FRAMECHANGED)) {
    if (!RecalcClientArea(Wnd, New, Old, &Pos))
      return false;
    W = WS().Find(Wnd);
  }
  const Region OldShape = ShapeInParent(*W);
  const bool WasShown = WindowSystem::IsShown(*W);
  W->Rect = New;
  if (!(W->Style & (WS_MINIMIZE | WS_MAXIMIZE)))
    W->RestoreRect = New;
  const bool ZChanged = !(Flags & SWP_NOZORDER) && Reorder(*W, Pos.hwndInsertAfter, Flags);
  if (Flags & SWP_SHOWWINDOW)
    W->Style |= WS_VISIBLE;
  if (Flags & SWP_HIDEWINDOW)
    W->Style &= ~WS_VISIBLE;
  const bool TopLevel = W->IsTopLevel();
  if (TopLevel && Sized)
    ResizeBacking(*W);
  if (!(Flags & SWP_NOREDRAW))
    RepaintAfterMove(*W, OldShape, WasShown, OldClient, Moved, Sized, Flags, ZChanged);
  if (Flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))
    WS().PaintMayBePending();

  const bool Activate = !(Flags & SWP_NOACTIVATE) && !(W->ExStyle & WS_EX_NOACTIVATE);
  if (TopLevel)
    if (IPresenter* P = WS().Presenter()) {
      if (Moved || Sized)
        P->WindowMoved(Wnd);
      if (Flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))
        P->WindowVisibilityChanged(Wnd, Activate);
    }
  if (IInputLayer* Input = WS().InputLayer()) {
    if (Flags & SWP_HIDEWINDOW)
      Input->WindowHidden(Wnd);
    else if (TopLevel && Activate && WindowSystem::IsShown(*W))
      Input->ActivateRequested(Wnd);
  }
  if (!(W = WS().Find(Wnd)))
    return true;

  const TPoint OldClientPos { Old.Left + OldClient.Left, Old.Top + OldClient.Top };
  const TPoint NewClientPos { W->Rect.Left + W->Client.Left, W->Rect.Top + W->Client.Top };
  const bool ClientSized = OldClient.Width() != W->Client.Width() || OldClient.Height() != W->Client.Height();
  Pos.x = W->Rect.Left;
  Pos.y = W->Rect.Top;
  Pos.cx = W->Rect.Width();
  Pos.cy = W->Rect.Height();
  Pos.flags = Flags | (Moved ? 0 : SWP_NOMOVE) | (Sized ? 0 : SWP_NOSIZE) |
              (NewClientPos != OldClientPos ? 0 : SWP_NOCLIENTMOVE) | (ClientSized || ForceSize ? 0 : SWP_NOCLIENTSIZE);
  SendMessage(Wnd, WM_WINDOWPOSCHANGED, 0, LPARAM(&Pos));
  return true;
}

}  // namespace

// ---- Tree links ----------------------------------------------------------------------------------------

void UnlinkWindow(Window& W) {
  if (W.Parent)
    std::erase(W.Parent->Children, &W);
}

void LinkWindow(Window& W, HWND InsertAfter) {
  auto& S = W.Parent->Children;
  if (!W.IsTopLevel()) {
    auto At = S.begin();
    if (InsertAfter == HWND_BOTTOM)
      At = S.end();
    else if (InsertAfter != HWND_TOP && InsertAfter != HWND_TOPMOST && InsertAfter != HWND_NOTOPMOST) {
      const auto It = std::find_if(S.begin(), S.end(), [&](const Window* C) { return C->Handle == InsertAfter; });
      if (It != S.end())
        At = std::next(It);
    }
    S.insert(At, &W);
    return;
  }
  if (InsertAfter == HWND_TOPMOST)
    W.ExStyle |= WS_EX_TOPMOST;
  else if (InsertAfter == HWND_NOTOPMOST || InsertAfter == HWND_BOTTOM)
    W.ExStyle &= ~WS_EX_TOPMOST;
  const size_t Band = TopmostCount(S);
  const bool Topmost = (W.ExStyle & WS_EX_TOPMOST) != 0;
  size_t Index = Topmost ? 0 : Band;
  if (InsertAfter == HWND_BOTTOM) {
    Index = S.size();
  } else if (InsertAfter != HWND_TOP && InsertAfter != HWND_TOPMOST && InsertAfter != HWND_NOTOPMOST) {
    const auto It = std::find_if(S.begin(), S.end(), [&](const Window* C) { return C->Handle == InsertAfter; });
    if (It != S.end())
      Index = Topmost ? std::min(size_t(It - S.begin()) + 1, Band) : std::max(size_t(It - S.begin()) + 1, Band);
  }
  S.insert(S.begin() + std::ptrdiff_t(Index), &W);
}

// ---- Sizes ---------------------------------------------------------------------------------------------

bool UsesMinMaxInfo(const Window& W) { return W.IsTopLevel() || (W.Style & WS_THICKFRAME); }

MINMAXINFO QueryMinMaxInfo(HWND Wnd) {
  MINMAXINFO Info;
  Window* W = WS().Find(Wnd);
  if (!W)
    return Info;
  TRect Work;
  if (W->IsTopLevel()) {
    const auto& Monitors = PlatformCapabilities().Monitors;
    const size_t Index = size_t(MonitorFromWindow(Wnd, MONITOR_DEFAULTTONEAREST)) - 1;
    Work = Index < Monitors.size() ? Monitors[Index].WorkArea : WS().Desktop().Rect;
  } else {
    Work = Rect(0, 0, W->Parent->Client.Width(), W->Parent->Client.Height());
  }
  Info.ptMaxSize = { Work.Width(), Work.Height() };
  Info.ptMaxPosition = Work.TopLeft();
  const TRect Screen = ScreenBounds();
  Info.ptMaxTrackSize = { std::max(MaxCoordinate, Screen.Width()), std::max(MaxCoordinate, Screen.Height()) };
  SendMessage(Wnd, WM_GETMINMAXINFO, 0, LPARAM(&Info));
  return Info;
}

TRect ClampToTrackSize(HWND Wnd, TRect R) {
  const MINMAXINFO Info = QueryMinMaxInfo(Wnd);
  const int MaxW = std::max(Info.ptMaxTrackSize.X, Info.ptMinTrackSize.X);
  const int MaxH = std::max(Info.ptMaxTrackSize.Y, Info.ptMinTrackSize.Y);
  return Bounds(R.Left, R.Top, std::clamp(R.Width(), Info.ptMinTrackSize.X, MaxW),
                std::clamp(R.Height(), Info.ptMinTrackSize.Y, MaxH));
}

bool RecalcClientArea(HWND Wnd, const TRect& NewRect, const TRect& OldRect, WINDOWPOS* Pos) {
  Window* W = WS().Find(Wnd);
  if (!W)
    return false;
  NCCALCSIZE_PARAMS Params;
  Params.rgrc[0] = NewRect;
  Params.rgrc[1] = OldRect;
  Params.rgrc[2] = Bounds(OldRect.Left + W->Client.Left, OldRect.Top + W->Client.Top, W->Client.Width(), W->Client.Height());
  Params.lppos = Pos;
  SendMessage(Wnd, WM_NCCALCSIZE, 1, LPARAM(&Params));
  if (!(W = WS().Find(Wnd)))
    return false;
  // An answer outside the window rectangle is cut back to it.
  const int Width = NewRect.Width(), Height = NewRect.Height();
  const TRect& A = Params.rgrc[0];
  const int Left = std::clamp(A.Left - NewRect.Left, 0, Width);
  const int Top = std::clamp(A.Top - NewRect.Top, 0, Height);
  W->Client = { Left, Top, std::clamp(A.Right - NewRect.Left, Left, Width), std::clamp(A.Bottom - NewRect.Top, Top, Height) };
  return true;
}

WPARAM SizeType(const Window& W) {
  if (W.Style & WS_MINIMIZE)
    return SIZE_MINIMIZED;
  return (W.Style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
}

// ---- Placement calls -----------------------------------------------------------------------------------

bool SetWindowPos(HWND Wnd, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags) {
  return SetWindowPosImpl(Wnd, InsertAfter, X, Y, Width, Height, Flags, false);
}

bool MoveWindow(HWND Wnd, int X, int Y, int Width, int Height, bool Repaint) {
  return SetWindowPos(Wnd, 0, X, Y, Width, Height, SWP_NOZORDER | SWP_NOACTIVATE | (Repaint ? 0 : SWP_NOREDRAW));
}

bool BringWindowToTop(HWND Wnd) { return SetWindowPos(Wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

bool ShowWindow(HWND Wnd, int Command) {
  Window* W = WS().Find(Wnd);
  if (!W || W->IsDesktop())
    return false;
  const bool WasVisible = (W->Style & WS_VISIBLE) != 0;
  if (Command == SW_HIDE) {
    if (!WasVisible)
      return false;
    SendMessage(Wnd, WM_SHOWWINDOW, 0, 0);
    SetWindowPos(Wnd, 0, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
  }
  DWORD State = W->Style & (WS_MINIMIZE | WS_MAXIMIZE);
  UINT Flags = SWP_SHOWWINDOW;
  switch (Command) {
  case SW_MINIMIZE:
  case SW_SHOWMINNOACTIVE:
  case SW_SHOWMINIMIZED:
    State = WS_MINIMIZE;
    Flags |= SWP_NOACTIVATE;
    break;
  case SW_SHOWMAXIMIZED:
    State = WS_MAXIMIZE;
    break;
  case SW_RESTORE:
    State = (State == WS_MINIMIZE && W->RestoreMaximized) ? WS_MAXIMIZE : 0;
    break;
  case SW_SHOWNOACTIVATE:
    State = 0;
    Flags |= SWP_NOACTIVATE;
    break;
  case SW_SHOWNA:
    Flags |= SWP_NOACTIVATE;
    break;
  case SW_SHOW:
    break;
  default:  // SW_SHOWNORMAL, SW_SHOWDEFAULT
    State = 0;
    break;
  }
  if (!WasVisible) {
    SendMessage(Wnd, WM_SHOWWINDOW, 1, 0);
    if (!WS().Find(Wnd))
      return false;
  }
  ChangeState(Wnd, State, Flags);
  return WasVisible;
}

bool ShowOwnedPopups(HWND Owner, bool Show) {
  if (!WS().Find(Owner))
    return false;
  std::vector<HWND> Owned;
  for (const Window* T : WS().TopLevelWindows())
    if (T->Owner == Owner)
      Owned.push_back(T->Handle);
  for (HWND H : Owned) {
    Window* T = WS().Find(H);
    if (!T)
      continue;
    const bool Visible = (T->Style & WS_VISIBLE) != 0;
    if (!Show && Visible) {
      SendMessage(H, WM_SHOWWINDOW, 0, SW_PARENTCLOSING);
      SetWindowPos(H, 0, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      if ((T = WS().Find(H)))
        T->HiddenWithOwner = true;
    } else if (Show && !Visible && T->HiddenWithOwner) {
      T->HiddenWithOwner = false;
      SendMessage(H, WM_SHOWWINDOW, 1, SW_PARENTOPENING);
      SetWindowPos(H, 0, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  return true;
}

// ---- Coordinates ---------------------------------------------------------------------------------------

bool GetWindowRect(HWND Wnd, TRect* R) {
  const Window* W = WS().Find(Wnd);
  if (!W || !R)
    return false;
  const TPoint O = WindowSystem::ScreenOrigin(*W);
  *R = Bounds(O.X, O.Y, W->Rect.Width(), W->Rect.Height());
  return true;
}

bool GetClientRect(HWND Wnd, TRect* R) {
  const Window* W = WS().Find(Wnd);
  if (!W || !R)
    return false;
  *R = Rect(0, 0, W->Client.Width(), W->Client.Height());
  return true;
}

namespace {

bool ClientOrigin(HWND Wnd, TPoint& Origin) {
  if (!Wnd) {
    Origin = {};
    return true;
  }
  const Window* W = WS().Find(Wnd);
  if (!W)
    return false;
  Origin = WindowSystem::ClientScreenOrigin(*W);
  return true;
}

}  // namespace

bool ClientToScreen(HWND Wnd, TPoint* P) {
  TPoint O;
  if (!Wnd || !P || !ClientOrigin(Wnd, O))
    return false;
  P->X += O.X;
  P->Y += O.Y;
  return true;
}

bool ScreenToClient(HWND Wnd, TPoint* P) {
  TPoint O;
  if (!Wnd || !P || !ClientOrigin(Wnd, O))
    return false;
  P->X -= O.X;
  P->Y -= O.Y;
  return true;
}

int MapWindowPoints(HWND From, HWND To, TPoint* Points, UINT Count) {
  TPoint A, B;
  if (!ClientOrigin(From, A) || !ClientOrigin(To, B))
    return 0;
  const int DX = A.X - B.X, DY = A.Y - B.Y;
  for (UINT I = 0; I < Count; ++I) {
    Points[I].X += DX;
    Points[I].Y += DY;
  }
  return int(MAKELONG(Word(DX), Word(DY)));
}

int MapWindowPoints(HWND From, HWND To, TRect* R) {
  TPoint Corners[2] = { R->TopLeft(), R->BottomRight() };
  const int Result = MapWindowPoints(From, To, Corners, 2);
  *R = { Corners[0].X, Corners[0].Y, Corners[1].X, Corners[1].Y };
  return Result;
}

// ---- State ---------------------------------------------------------------------------------------------

bool EnableWindow(HWND Wnd, bool Enable) {
  Window* W = WS().Find(Wnd);
  if (!W)
    return false;
  const bool WasDisabled = (W->Style & WS_DISABLED) != 0;
  if (Enable == !WasDisabled)
    return WasDisabled;
  if (!Enable) {
    SendMessage(Wnd, WM_CANCELMODE, 0, 0);
    if (!(W = WS().Find(Wnd)))
      return WasDisabled;
    W->Style |= WS_DISABLED;
    if (IInputLayer* Input = WS().InputLayer())
      Input->WindowDisabled(Wnd);
  } else {
    W->Style &= ~WS_DISABLED;
  }
  SendMessage(Wnd, WM_ENABLE, Enable ? 1 : 0, 0);
  return WasDisabled;
}

bool IsWindowEnabled(HWND Wnd) {
  const Window* W = WS().Find(Wnd);
  return W && !(W->Style & WS_DISABLED);
}

bool IsWindowVisible(HWND Wnd) {
  const Window* W = WS().Find(Wnd);
  return W && WindowSystem::IsShown(*W);
}

bool IsIconic(HWND Wnd) {
  const Window* W = WS().Find(Wnd);
  return W && (W->Style & WS_MINIMIZE);
}

bool IsZoomed(HWND Wnd) {
  const Window* W = WS().Find(Wnd);
  return W && (W->Style & WS_MAXIMIZE);
}
