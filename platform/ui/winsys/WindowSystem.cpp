#include "platform/ui/winsys/WindowSystem.h"

#include "platform/base/Clock.h"
#include "platform/base/MainThread.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystemOps.h"

namespace {

WindowClass& DesktopClass() {
  static WindowClass Class = [] {
    WNDCLASS Def;
    Def.lpfnWndProc = DefWindowProcInstance();
    Def.lpszClassName = "Desktop";
    return WindowClass(Def, 0);
  }();
  return Class;
}

}  // namespace

WindowSystem& WindowSystem::Get() {
  static WindowSystem Instance;
  return Instance;
}

WindowSystem::WindowSystem() {
  auto Desktop = std::make_unique<Window>();
  Desktop->Class = &DesktopClass();
  Desktop->Style = WS_VISIBLE;
  const TSize Screen = DeviceContext::ScreenSize();
  Desktop->Rect = { 0, 0, Screen.cx, Screen.cy };
  Desktop->Client = Desktop->Rect;
  Desktop->Procs.push_back({ DefWindowProcInstance(), nullptr });
  FDesktop = Desktop.get();
  FHandles.Add(std::move(Desktop));
  SetWakeMainThread([this] { Wake(); });
}

WindowClass* WindowSystem::FindClass(const String& Name) const {
  String Key = Name;
  for (char& C : Key)
    if (C >= 'a' && C <= 'z')
      C = char(C - 'a' + 'A');
  const auto It = FClasses.find(Key);
  return It == FClasses.end() ? nullptr : It->second.get();
}

// ---- Geometry ------------------------------------------------------------------------------------------

TPoint WindowSystem::ScreenOrigin(const Window& W) {
  if (W.IsDesktop())
    return {};
  const TPoint Parent = ClientScreenOrigin(*W.Parent);
  return { Parent.X + W.Rect.Left, Parent.Y + W.Rect.Top };
}

TPoint WindowSystem::ClientScreenOrigin(const Window& W) {
  if (W.IsDesktop())
    return {};
  const TPoint Origin = ScreenOrigin(W);
  return { Origin.X + W.Client.Left, Origin.Y + W.Client.Top };
}

TPoint WindowSystem::OriginInTopLevel(const Window& W) {
  TPoint P;
  for (const Window* C = &W; !C->IsDesktop() && !C->IsTopLevel(); C = C->Parent) {
    P.X += C->Rect.Left + C->Parent->Client.Left;
    P.Y += C->Rect.Top + C->Parent->Client.Top;
  }
  return P;
}

Window& WindowSystem::TopLevelOf(Window& W) {
  Window* C = &W;
  while (!C->IsDesktop() && !C->IsTopLevel())
    C = C->Parent;
  return *C;
}

bool WindowSystem::IsShown(const Window& W) {
  for (const Window* C = &W; C; C = C->Parent)
    if (!(C->Style & WS_VISIBLE))
      return false;
  return true;
}

Region ShapeInParent(const Window& W) {
  Region Shape(W.Rect);
  if (W.WindowRgn)
    Shape = Shape.Intersect(W.WindowRgn->Offsetted(W.Rect.Left, W.Rect.Top));
  return Shape;
}

Region ClientArea(const Window& W) { return Region(Rect(0, 0, W.Client.Width(), W.Client.Height())); }

namespace {

/// Adds the areas the shown windows among Windows (up to Stop) cover, offset into the caller's
/// coordinates, when they touch Bounds; windows without a region are collected as plain rectangles.
void CollectCovers(const std::vector<Window*>& Windows, const Window* Stop, TPoint Offset, const TRect& Bounds,
                   std::vector<TRect>& Rects, Region& Shaped) {
  for (const Window* S : Windows) {
    if (S == Stop)
      break;
    if (!(S->Style & WS_VISIBLE))
      continue;
    const TRect R = { S->Rect.Left + Offset.X, S->Rect.Top + Offset.Y, S->Rect.Right + Offset.X, S->Rect.Bottom + Offset.Y };
    if (R.Right <= Bounds.Left || R.Left >= Bounds.Right || R.Bottom <= Bounds.Top || R.Top >= Bounds.Bottom)
      continue;
    if (S->WindowRgn)
      Shaped = Shaped.Unite(ShapeInParent(*S).Offsetted(Offset.X, Offset.Y));
    else
      Rects.push_back(R);
  }
}

Region WithoutCovers(const Region& Visible, std::vector<TRect>& Rects, const Region& Shaped) {
  if (Rects.empty() && Shaped.Empty())
    return Visible;
  Region Covered = Region::FromRects(Rects);
  if (!Shaped.Empty())
    Covered = Covered.Unite(Shaped);
  Rects.clear();
  return Visible.Subtract(Covered);
}

}  // namespace

Region WindowSystem::VisibleRegion(const Window& W, bool Whole, bool ClipChildren, bool ClipSiblings) {
  if (!IsShown(W) || W.IsDesktop())
    return {};
  Region Visible(Whole ? Rect(0, 0, W.Rect.Width(), W.Rect.Height()) : W.Client);
  if (W.WindowRgn)
    Visible = Visible.Intersect(*W.WindowRgn);
  std::vector<TRect> Rects;
  if (ClipChildren) {
    // Children show only inside the client area: what of them reaches into the frame covers nothing.
    Region Shaped;
    CollectCovers(W.Children, nullptr, W.Client.TopLeft(), Visible.Bounds(), Rects, Shaped);
    for (TRect& R : Rects) R = R.Intersection(W.Client);
    Visible = WithoutCovers(Visible, Rects, Shaped.Intersect(W.Client));
  }
  // Walk up: at each level, the position of C's window origin in W's window coordinates.
  const Window* C = &W;
  TPoint Pos;
  while (!C->IsTopLevel() && !Visible.Empty()) {
    const Window& P = *C->Parent;
    const TPoint ClientOrigin { Pos.X - C->Rect.Left, Pos.Y - C->Rect.Top };
    const TPoint PWindow { ClientOrigin.X - P.Client.Left, ClientOrigin.Y - P.Client.Top };
    Visible = Visible.Intersect(Bounds(ClientOrigin.X, ClientOrigin.Y, P.Client.Width(), P.Client.Height()));
    if (P.WindowRgn)
      Visible = Visible.Intersect(P.WindowRgn->Offsetted(PWindow.X, PWindow.Y));
    if (C == &W ? ClipSiblings : (C->Style & WS_CLIPSIBLINGS) != 0) {
      Region Shaped;
      CollectCovers(P.Children, C, ClientOrigin, Visible.Bounds(), Rects, Shaped);
      Visible = WithoutCovers(Visible, Rects, Shaped);
    }
    C = &P;
    Pos = PWindow;
  }
  return Visible;
}

// ---- Collaborators and the queue -----------------------------------------------------------------------

void WindowSystem::SetPresenter(IPresenter* Presenter) {
  {
    std::lock_guard Lock(FWakeLock);
    FPresenter = Presenter;
  }
  if (Presenter)
    for (Window* T : FDesktop->Children)
      Presenter->WindowCreated(T->Handle);
}

void WindowSystem::PostInput(const TMsg& Msg) {
  FLastInputPos = Msg.pt;
  FQueue.Post(Msg, true);
}

void WindowSystem::Post(const TMsg& Msg) {
  FQueue.Post(Msg, false);
  // The UI thread cannot be waiting while it posts; only other threads need to wake it.
  if (!IsMainThread())
    Wake();
}

void WindowSystem::Wake() {
  std::lock_guard Lock(FWakeLock);
  if (IPresenter* P = FPresenter) {
    P->Wake();
    return;
  }
  FWoken = true;
  CurrentClock().Notify();
}

void WindowSystem::WaitForEvents(std::optional<Int64> Deadline) {
  if (IPresenter* P = FPresenter.load()) {
    P->WaitForEvents(Deadline);
    return;
  }
  CurrentClock().WaitUntil(Deadline.value_or(INT64_MAX), [this] { return FWoken.load(); });
  FWoken = false;
}

// ---- Timers and painting -------------------------------------------------------------------------------

std::optional<Int64> WindowSystem::NextTimerDue() const { return FTimers.NextDue(); }

namespace {

bool NeedsPaint(const Window& W) {
  return !W.Update.Empty() || (W.FrameNeeded && W.Rect.Width() > 0 && W.Rect.Height() > 0);
}

Window* SearchPaint(Window& W) {
  if (!(W.Style & WS_VISIBLE) || W.RedrawOff)
    return nullptr;
  if (NeedsPaint(W))
    return &W;
  for (auto It = W.Children.rbegin(); It != W.Children.rend(); ++It)
    if (Window* Found = SearchPaint(**It))
      return Found;
  return nullptr;
}

}  // namespace

Window* WindowSystem::FindPaintTarget(HWND Root) {
  if (Root) {
    Window* W = Find(Root);
    return W && IsShown(*W) ? SearchPaint(*W) : nullptr;
  }
  if (!FPaintScan)
    return nullptr;
  for (Window* T : FDesktop->Children)
    if (Window* Found = SearchPaint(*T))
      return Found;
  FPaintScan = false;
  return nullptr;
}

bool WindowSystem::PaintPending() { return FindPaintTarget(0) != nullptr; }

void WindowSystem::FlushPresents() {
  for (Window* T : FDesktop->Children) {
    if (T->Dirty.empty())
      continue;
    const Region Dirty = Region::FromRects(T->Dirty);
    T->Dirty.clear();
    if (IPresenter* P = FPresenter.load(); P && (T->Style & WS_VISIBLE))
      P->Present(T->Handle, Dirty);
  }
}

void WindowSystem::Reset() {
  const std::vector<Window*> TopLevels = FDesktop->Children;
  std::vector<HWND> Handles;
  for (Window* T : TopLevels)
    Handles.push_back(T->Handle);
  for (HWND H : Handles)
    DestroyWindow(H);
  for (auto& [DC, Record] : FDCs)
    DeleteDC(DC);
  FDCs.clear();
  FQueue.Clear();
  FTimers.Clear();
  FClasses.clear();
  MessageHooks().Clear();
  ClearQuit();
  {
    std::lock_guard Lock(FWakeLock);
    FPresenter = nullptr;
  }
  FInputLayer = nullptr;
  FPaintScan = false;
  FWoken = false;
  const TSize Screen = DeviceContext::ScreenSize();
  FDesktop->Rect = { 0, 0, Screen.cx, Screen.cy };
  FDesktop->Client = FDesktop->Rect;
}
