// Painting: update regions, WM_PAINT / WM_ERASEBKGND / WM_NCPAINT, device contexts onto the top-level
// windows' backing surfaces, window regions and scrolling.
#include <algorithm>
#include <cstring>

#include "platform/base/MainThread.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "platform/ui/winsys/WindowSystemOps.h"

namespace {

WindowSystem& WS() { return WindowSystem::Get(); }

bool HasFrame(const Window& W) { return W.Client != Rect(0, 0, W.Rect.Width(), W.Rect.Height()); }

/// The client rectangle of W in its parent's client coordinates.
TRect ClientInParent(const Window& W) {
  return Bounds(W.Rect.Left + W.Client.Left, W.Rect.Top + W.Client.Top, W.Client.Width(), W.Client.Height());
}

bool ChildrenFollow(const Window& W, UINT Flags) {
  return (Flags & RDW_ALLCHILDREN) || (!(Flags & RDW_NOCHILDREN) && !(W.Style & WS_CLIPCHILDREN));
}

/// The windows of the subtree that wait for painting (or, with EraseOnly, for WM_NCPAINT/WM_ERASEBKGND),
/// parents before children, lower siblings first.
void CollectPending(Window& W, bool Children, bool EraseOnly, std::vector<HWND>& Out) {
  if (!(W.Style & WS_VISIBLE) || W.RedrawOff)
    return;
  if (EraseOnly ? (W.EraseNeeded || W.FrameNeeded) : (!W.Update.Empty() || W.FrameNeeded))
    Out.push_back(W.Handle);
  if (Children)
    for (auto It = W.Children.rbegin(); It != W.Children.rend(); ++It)
      CollectPending(**It, true, EraseOnly, Out);
}

HDC MakeDC(Window& W, bool Whole, const Region& Clip) {
  Window& Top = WindowSystem::TopLevelOf(W);
  TPoint Offset = WindowSystem::OriginInTopLevel(W);
  if (!Whole) {
    Offset.X += W.Client.Left;
    Offset.Y += W.Client.Top;
  }
  const HDC DC = Top.Backing && !W.IsDesktop() ? CreateSurfaceDC(*Top.Backing, Offset, &Clip) : CreateDisplayDC();
  WS().DCs()[DC] = { W.Handle, Top.Handle };
  return DC;
}

/// What of the client area (client coordinates) a DC of W may draw on.
Region VisibleClient(const Window& W, bool ClipChildren, bool ClipSiblings) {
  return WindowSystem::VisibleRegion(W, false, ClipChildren, ClipSiblings).Offsetted(-W.Client.Left, -W.Client.Top);
}

/// Sends the due WM_NCPAINT and WM_ERASEBKGND without validating the window.
void EraseOne(HWND Wnd) {
  Window* W = WS().Find(Wnd);
  if (W && W->FrameNeeded) {
    W->FrameNeeded = false;
    SendMessage(Wnd, WM_NCPAINT, 1, 0);
    W = WS().Find(Wnd);
  }
  if (!W || !W->EraseNeeded)
    return;
  W->EraseNeeded = false;
  const Region Clip = VisibleClient(*W, W->Style & WS_CLIPCHILDREN, W->Style & WS_CLIPSIBLINGS).Intersect(W->Update);
  const HDC DC = MakeDC(*W, false, Clip);
  SendMessage(Wnd, WM_ERASEBKGND, WPARAM(DC), 0);
  ReleaseDC(Wnd, DC);
}

Region AreaOf(const Window& W, const TRect* R, HRGN Rgn) {
  if (Rgn)
    if (const RegionObject* Object = LiveRegion(Rgn))
      return Object->Area();
  return R ? Region(*R) : ClientArea(W);
}

/// Copies the pixels of Dest (surface coordinates) from Dest moved back by (DX, DY), overlap allowed.
void MovePixels(Surface& S, const Region& Dest, int DX, int DY) {
  const TRect Src = Region(Dest.Bounds()).Offsetted(-DX, -DY).Intersect(S.Bounds()).Bounds();
  if (Src.Width() <= 0 || Src.Height() <= 0)
    return;
  std::vector<uint32_t> Copy(size_t(Src.Width()) * size_t(Src.Height()));
  for (int Y = Src.Top; Y < Src.Bottom; ++Y)
    std::memcpy(&Copy[size_t(Y - Src.Top) * size_t(Src.Width())], S.Row32(Y) + Src.Left, size_t(Src.Width()) * 4);
  for (const TRect& R : Dest.Rects())
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      std::memcpy(S.Row32(Y) + R.Left,
                  &Copy[size_t(Y - DY - Src.Top) * size_t(Src.Width()) + size_t(R.Left - DX - Src.Left)],
                  size_t(R.Width()) * 4);
}

}  // namespace

// ---- Update regions ------------------------------------------------------------------------------------

void InvalidateArea(Window& W, const Region& Area, bool Erase, bool Children, bool AllChildren, bool Frame) {
  if (!WindowSystem::IsShown(W) || W.IsDesktop())
    return;
  const Region Inside = Area.Intersect(ClientArea(W));
  if (!Inside.Empty()) {
    W.Update = W.Update.Unite(Inside);
    W.EraseNeeded = W.EraseNeeded || Erase;
    W.PaintTouched = true;
    WS().PaintMayBePending();
  }
  if (Frame) {
    W.FrameNeeded = true;
    WS().PaintMayBePending();
  }
  if (!Children)
    return;
  for (Window* C : W.Children) {
    if (!(C->Style & WS_VISIBLE))
      continue;
    const Region Covered = C->WindowRgn ? Area.Intersect(ShapeInParent(*C)) : Area.Intersect(C->Rect);
    if (Covered.Empty())
      continue;
    const TRect Client = ClientInParent(*C);
    const bool ChildFrame = HasFrame(*C) && !Covered.Subtract(Region(Client)).Empty();
    InvalidateArea(*C, Covered.Offsetted(-Client.Left, -Client.Top), Erase,
                   AllChildren || !(C->Style & WS_CLIPCHILDREN), AllChildren, ChildFrame);
  }
}

void ValidateArea(Window& W, const Region& Area, bool Children) {
  W.Update = W.Update.Subtract(Area);
  if (W.Update.Empty())
    W.EraseNeeded = false;
  W.PaintTouched = true;
  if (!Children)
    return;
  for (Window* C : W.Children) {
    const TRect Client = ClientInParent(*C);
    const Region Covered = Area.Intersect(Region(Client));
    if (!Covered.Empty())
      ValidateArea(*C, Covered.Offsetted(-Client.Left, -Client.Top), !(C->Style & WS_CLIPCHILDREN));
  }
}

void PaintNow(HWND Wnd) {
  Window* W = WS().Find(Wnd);
  if (!W)
    return;
  W->PaintTouched = false;
  SendMessage(Wnd, WM_PAINT, 0, 0);
  // A handler that neither painted nor asked for more would get WM_PAINT for ever.
  if ((W = WS().Find(Wnd)) && !W->PaintTouched) {
    W->Update = {};
    W->EraseNeeded = false;
    W->FrameNeeded = false;
  }
}

void UpdateNow(HWND Wnd, bool Children) {
  Window* W = WS().Find(Wnd);
  if (!W || !WindowSystem::IsShown(*W))
    return;
  std::vector<HWND> Pending;
  CollectPending(*W, Children, false, Pending);
  for (HWND H : Pending)
    if (Window* P = WS().Find(H); P && WindowSystem::IsShown(*P) && (!P->Update.Empty() || P->FrameNeeded))
      PaintNow(H);
}

bool InvalidateRect(HWND Wnd, const TRect* R, bool Erase) {
  if (!IsMainThread()) {
    const std::optional<TRect> Copy = R ? std::optional<TRect>(*R) : std::nullopt;
    Queue([Wnd, Copy, Erase] { InvalidateRect(Wnd, Copy ? &*Copy : nullptr, Erase); });
    return true;
  }
  return RedrawWindow(Wnd, R, nullptr, RDW_INVALIDATE | (Erase ? RDW_ERASE : 0));
}

bool InvalidateRgn(HWND Wnd, HRGN Rgn, bool Erase) {
  return RedrawWindow(Wnd, nullptr, Rgn, RDW_INVALIDATE | (Erase ? RDW_ERASE : 0));
}

bool ValidateRect(HWND Wnd, const TRect* R) { return RedrawWindow(Wnd, R, nullptr, RDW_VALIDATE); }

bool ValidateRgn(HWND Wnd, HRGN Rgn) { return RedrawWindow(Wnd, nullptr, Rgn, RDW_VALIDATE); }

bool RedrawWindow(HWND Wnd, const TRect* R, HRGN Rgn, UINT Flags) {
  if (!Wnd) {
    std::vector<HWND> All;
    for (const Window* T : WS().TopLevelWindows())
      All.push_back(T->Handle);
    for (HWND H : All)
      RedrawWindow(H, R, Rgn, Flags | RDW_ALLCHILDREN);
    return true;
  }
  Window* W = WS().Find(Wnd);
  if (!W || W->IsDesktop())
    return false;
  const Region Area = AreaOf(*W, R, Rgn);
  const bool Children = ChildrenFollow(*W, Flags);
  if (Flags & RDW_INVALIDATE) {
    InvalidateArea(*W, Area, Flags & RDW_ERASE, Children, Flags & RDW_ALLCHILDREN, Flags & RDW_FRAME);
  } else if (Flags & RDW_VALIDATE) {
    ValidateArea(*W, Area, Children);
    if (Flags & RDW_NOFRAME)
      W->FrameNeeded = false;
    if (Flags & RDW_NOERASE)
      W->EraseNeeded = false;
  }
  if (Flags & RDW_UPDATENOW) {
    UpdateNow(Wnd, Children);
    WS().FlushPresents();
  } else if (Flags & RDW_ERASENOW) {
    std::vector<HWND> Pending;
    CollectPending(*W, Children, true, Pending);
    for (HWND H : Pending)
      EraseOne(H);
  }
  return true;
}

bool UpdateWindow(HWND Wnd) { return RedrawWindow(Wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

bool GetUpdateRect(HWND Wnd, TRect* R, bool Erase) {
  if (Erase)
    EraseOne(Wnd);
  const Window* W = WS().Find(Wnd);
  if (!W)
    return false;
  if (R)
    *R = W->Update.Bounds();
  return !W->Update.Empty();
}

int GetUpdateRgn(HWND Wnd, HRGN Rgn, bool Erase) {
  if (Erase)
    EraseOne(Wnd);
  const Window* W = WS().Find(Wnd);
  RegionObject* Object = LiveRegion(Rgn);
  if (!W || !Object)
    return RGN_ERROR;
  Object->Area() = W->Update;
  return W->Update.Kind();
}

// ---- Paint and window DCs ------------------------------------------------------------------------------

HDC BeginPaint(HWND Wnd, PAINTSTRUCT* Paint) {
  Window* W = WS().Find(Wnd);
  if (!W || !Paint)
    return nullptr;
  W->PaintTouched = true;
  if (W->FrameNeeded) {
    W->FrameNeeded = false;
    SendMessage(Wnd, WM_NCPAINT, 1, 0);
    if (!(W = WS().Find(Wnd)))
      return nullptr;
  }
  const Region Update = std::move(W->Update);
  const bool Erase = W->EraseNeeded;
  W->Update = {};
  W->EraseNeeded = false;
  const Region Clip = VisibleClient(*W, W->Style & WS_CLIPCHILDREN, W->Style & WS_CLIPSIBLINGS).Intersect(Update);
  const HDC DC = MakeDC(*W, false, Clip);
  *Paint = PAINTSTRUCT {};
  Paint->hdc = DC;
  Paint->rcPaint = Update.Bounds();
  Paint->fErase = Erase;
  if (Erase)
    Paint->fErase = SendMessage(Wnd, WM_ERASEBKGND, WPARAM(DC), 0) == 0;
  return DC;
}

bool EndPaint(HWND Wnd, const PAINTSTRUCT* Paint) {
  return Paint && Paint->hdc && ReleaseDC(Wnd, Paint->hdc) != 0;
}

HDC GetDCEx(HWND Wnd, HRGN Clip, DWORD Flags) {
  Window* W = Wnd ? WS().Find(Wnd) : &WS().Desktop();
  if (!W)
    return nullptr;
  const bool Whole = Flags & DCX_WINDOW;
  Region Visible;
  if ((Flags & DCX_PARENTCLIP) && !W->IsTopLevel() && !W->IsDesktop()) {
    const Window& P = *W->Parent;
    const TPoint Origin = WindowSystem::ScreenOrigin(*W);
    const TPoint POrigin = WindowSystem::ScreenOrigin(P);
    Visible = WindowSystem::VisibleRegion(P, false, false, (P.Style & WS_CLIPSIBLINGS) != 0)
                  .Offsetted(POrigin.X - Origin.X, POrigin.Y - Origin.Y);
  } else if (!W->IsDesktop()) {
    Visible = WindowSystem::VisibleRegion(*W, Whole, Flags & DCX_CLIPCHILDREN, Flags & DCX_CLIPSIBLINGS);
  }
  if (!Whole)
    Visible.Offset(-W->Client.Left, -W->Client.Top);
  if (Flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))
    if (const RegionObject* Object = LiveRegion(Clip)) {
      TPoint Origin = WindowSystem::ScreenOrigin(*W);
      if (!Whole) {
        Origin.X += W->Client.Left;
        Origin.Y += W->Client.Top;
      }
      const Region Own = Object->Area().Offsetted(-Origin.X, -Origin.Y);
      Visible = Flags & DCX_INTERSECTRGN ? Visible.Intersect(Own) : Visible.Subtract(Own);
    }
  if (Flags & (DCX_INTERSECTUPDATE | DCX_EXCLUDEUPDATE)) {
    const Region Update = Whole ? W->Update.Offsetted(W->Client.Left, W->Client.Top) : W->Update;
    Visible = Flags & DCX_INTERSECTUPDATE ? Visible.Intersect(Update) : Visible.Subtract(Update);
  }
  return MakeDC(*W, Whole, Visible);
}

namespace {

DWORD StyleClipFlags(HWND Wnd) {
  const Window* W = WS().Find(Wnd);
  if (!W)
    return 0;
  return ((W->Style & WS_CLIPCHILDREN) ? DCX_CLIPCHILDREN : 0) | ((W->Style & WS_CLIPSIBLINGS) ? DCX_CLIPSIBLINGS : 0);
}

}  // namespace

HDC GetDC(HWND Wnd) { return GetDCEx(Wnd, nullptr, StyleClipFlags(Wnd)); }

HDC GetWindowDC(HWND Wnd) { return GetDCEx(Wnd, nullptr, DCX_WINDOW | StyleClipFlags(Wnd)); }

int ReleaseDC(HWND, HDC DC) {
  auto& DCs = WS().DCs();
  const auto It = DCs.find(DC);
  if (It == DCs.end())
    return 0;
  Window* Top = WS().Find(It->second.TopLevel);
  const DeviceContext* Context = LiveDC(DC);
  if (Top && Top->Backing && Context && Context->Target()) {
    const TRect B = Context->DeviceBounds();
    const TPoint O = Context->DeviceOffset();
    MarkDirty(*Top, Bounds(B.Left + O.X, B.Top + O.Y, B.Width(), B.Height()));
  }
  DCs.erase(It);
  DeleteDC(DC);
  return 1;
}

// ---- Backing surfaces ----------------------------------------------------------------------------------

void ResizeBacking(Window& Top) {
  const int Width = Top.Rect.Width(), Height = Top.Rect.Height();
  if (Top.Backing && Top.Backing->Width() == Width && Top.Backing->Height() == Height)
    return;
  DetachDCs(Top.Handle);
  if (Width <= 0 || Height <= 0) {
    Top.Backing.reset();
    Top.Dirty.clear();
    return;
  }
  auto Fresh = std::make_unique<Surface>(Width, Height, SurfaceFormat::Bgra32);
  if (Top.Backing) {
    const int W = std::min(Width, Top.Backing->Width()), H = std::min(Height, Top.Backing->Height());
    for (int Y = 0; Y < H; ++Y)
      std::memcpy(Fresh->Row32(Y), Top.Backing->Row32(Y), size_t(W) * 4);
  }
  Top.Backing = std::move(Fresh);
  Top.Dirty = { Top.Backing->Bounds() };
}

void DetachDCs(HWND TopLevel) {
  for (auto& [DC, Record] : WS().DCs())
    if (Record.TopLevel == TopLevel)
      if (DeviceContext* Context = LiveDC(DC))
        Context->Bind(nullptr, {}, std::nullopt);
}

void MarkDirty(Window& TopLevel, const TRect& R) {
  if (!TopLevel.Backing)
    return;
  const TRect B = TopLevel.Backing->Bounds();
  const TRect Clipped = R.Intersection(B);
  if (Clipped.IsEmpty())
    return;
  // Many small changes between two presents are handed over as the area around them.
  if (TopLevel.Dirty.size() >= 1024)
    TopLevel.Dirty = { Region::FromRects(TopLevel.Dirty).Bounds() };
  TopLevel.Dirty.push_back(Clipped);
}

// ---- Window regions and scrolling ----------------------------------------------------------------------

int SetWindowRgn(HWND Wnd, HRGN Rgn, bool Redraw) {
  Window* W = WS().Find(Wnd);
  if (!W || W->IsDesktop())
    return 0;
  std::optional<Region> Shape;
  if (Rgn) {
    const RegionObject* Object = LiveRegion(Rgn);
    if (!Object)
      return 0;
    Shape = Object->Area();
    DeleteObject(Rgn);  // the window owns it now
  }
  const Region OldShape = ShapeInParent(*W);
  W->WindowRgn = std::move(Shape);
  if (W->IsTopLevel())
    if (IPresenter* P = WS().Presenter())
      P->WindowStyleChanged(Wnd);
  if (Redraw && WindowSystem::IsShown(*W)) {
    if (!W->IsTopLevel()) {
      const Region Exposed = OldShape.Subtract(ShapeInParent(*W));
      if (!Exposed.Empty())
        InvalidateArea(*W->Parent, Exposed, true, true, true, false);
    }
    RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  return 1;
}

int GetWindowRgn(HWND Wnd, HRGN Rgn) {
  const Window* W = WS().Find(Wnd);
  RegionObject* Object = LiveRegion(Rgn);
  if (!W || !Object || !W->WindowRgn)
    return RGN_ERROR;
  Object->Area() = *W->WindowRgn;
  return W->WindowRgn->Kind();
}

int ScrollWindowEx(HWND Wnd, int DX, int DY, const TRect* Scroll, const TRect* Clip, HRGN Update,
                   TRect* UpdateRect, UINT Flags) {
  Window* W = WS().Find(Wnd);
  if (!W || W->IsDesktop())
    return RGN_ERROR;
  Region Area = ClientArea(*W);
  if (Scroll)
    Area = Area.Intersect(*Scroll);
  if (Clip)
    Area = Area.Intersect(*Clip);
  const Region Visible = VisibleClient(*W, W->Style & WS_CLIPCHILDREN, W->Style & WS_CLIPSIBLINGS);
  const Region Dest = Area.Intersect(Visible).Offsetted(DX, DY).Intersect(Area).Intersect(Visible);
  Window& Top = WindowSystem::TopLevelOf(*W);
  if (Top.Backing && !Dest.Empty()) {
    const TPoint O = WindowSystem::OriginInTopLevel(*W);
    const Region OnSurface = Dest.Offsetted(O.X + W->Client.Left, O.Y + W->Client.Top);
    MovePixels(*Top.Backing, OnSurface, DX, DY);
    MarkDirty(Top, OnSurface.Bounds());
  }
  const Region Exposed = Area.Subtract(Dest);
  const Region Pending = W->Update.Intersect(Area);
  if (!Pending.Empty())
    W->Update = W->Update.Subtract(Pending).Unite(Pending.Offsetted(DX, DY).Intersect(Area));

  if (Flags & SW_SCROLLCHILDREN) {
    std::vector<HWND> Moved;
    for (const Window* C : W->Children)
      if (!Scroll || ShapeInParent(*C).Intersects(*Scroll))
        Moved.push_back(C->Handle);
    for (HWND H : Moved) {
      const Window* C = WS().Find(H);
      if (!C)
        continue;
      SetWindowPos(H, 0, C->Rect.Left + DX, C->Rect.Top + DY, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
      if (Window* Again = WS().Find(H))
        InvalidateArea(*Again, ClientArea(*Again), true, true, true, true);
    }
    if (!(W = WS().Find(Wnd)))
      return Exposed.Kind();
  }
  if (Flags & SW_INVALIDATE)
    InvalidateArea(*W, Exposed, Flags & SW_ERASE, !(W->Style & WS_CLIPCHILDREN), false, false);
  if (RegionObject* Object = LiveRegion(Update))
    Object->Area() = Exposed;
  if (UpdateRect)
    *UpdateRect = Exposed.Bounds();
  return Exposed.Kind();
}

bool ScrollWindow(HWND Wnd, int DX, int DY, const TRect* Scroll, const TRect* Clip) {
  return ScrollWindowEx(Wnd, DX, DY, Scroll, Clip, nullptr, nullptr,
                        SW_INVALIDATE | SW_ERASE | (Scroll ? 0 : SW_SCROLLCHILDREN)) != RGN_ERROR;
}
