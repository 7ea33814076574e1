// Device contexts: creation, saved states, origins, clipping, colours, modes and capabilities.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"

namespace {

bool SetPoint(TPoint* Out, TPoint Value) {
  if (Out)
    *Out = Value;
  return true;
}

// Combines the DC's clip (its whole extent when it has none) with Area; device coordinates.
int CombineClip(DeviceContext& D, const Region& Area, int Mode) {
  const Region Current = D.ClipRegion() ? *D.ClipRegion() : Region(D.DeviceBounds());
  D.SetClipRegion(Current.Combine(Area, Mode));
  return D.ClipRegion()->Kind();
}

TRect LogicalToDevice(const DeviceContext& D, int Left, int Top, int Right, int Bottom) {
  const TPoint A = D.LogicalToDevice({ Left, Top }), B = D.LogicalToDevice({ Right, Bottom });
  return { std::min(A.X, B.X), std::min(A.Y, B.Y), std::max(A.X, B.X), std::max(A.Y, B.Y) };
}

}  // namespace

HDC CreateCompatibleDC(HDC) { return new DeviceContext(DeviceContext::Kind::Memory); }

HDC CreateDisplayDC() { return new DeviceContext(DeviceContext::Kind::Display); }

HDC CreateSurfaceDC(Surface& Target, TPoint DeviceOffset, const Region* BaseClip) {
  return new DeviceContext(DeviceContext::Kind::Display, &Target, DeviceOffset,
                           BaseClip ? std::optional<Region>(*BaseClip) : std::nullopt);
}

bool DeleteDC(HDC DC) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  delete D;
  return true;
}

int SaveDC(HDC DC) {
  DeviceContext* D = LiveDC(DC);
  return D ? D->Save() : 0;
}

bool RestoreDC(HDC DC, int SavedDC) {
  DeviceContext* D = LiveDC(DC);
  return D && D->Restore(SavedDC);
}

bool SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  SetPoint(Old, D->WindowOrg());
  D->SetWindowOrg({ X, Y });
  return true;
}

bool GetWindowOrgEx(HDC DC, TPoint* Origin) {
  DeviceContext* D = LiveDC(DC);
  return D && SetPoint(Origin, D->WindowOrg());
}

bool OffsetWindowOrgEx(HDC DC, int DX, int DY, TPoint* Old) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  const TPoint P = D->WindowOrg();
  SetPoint(Old, P);
  D->SetWindowOrg({ P.X + DX, P.Y + DY });
  return true;
}

bool SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  SetPoint(Old, D->ViewportOrg());
  D->SetViewportOrg({ X, Y });
  return true;
}

bool GetViewportOrgEx(HDC DC, TPoint* Origin) {
  DeviceContext* D = LiveDC(DC);
  return D && SetPoint(Origin, D->ViewportOrg());
}

bool OffsetViewportOrgEx(HDC DC, int DX, int DY, TPoint* Old) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  const TPoint P = D->ViewportOrg();
  SetPoint(Old, P);
  D->SetViewportOrg({ P.X + DX, P.Y + DY });
  return true;
}

int SelectClipRgn(HDC DC, HRGN Rgn) { return ExtSelectClipRgn(DC, Rgn, RGN_COPY); }

int ExtSelectClipRgn(HDC DC, HRGN Rgn, int Mode) {
  DeviceContext* D = LiveDC(DC);
  if (!D || Mode < RGN_AND || Mode > RGN_COPY)
    return RGN_ERROR;
  if (!Rgn) {
    if (Mode != RGN_COPY)
      return RGN_ERROR;
    D->SetClipRegion(std::nullopt);
    return Region(D->DeviceBounds()).Kind() == NULLREGION ? NULLREGION : SIMPLEREGION;
  }
  RegionObject* R = LiveRegion(Rgn);
  if (!R)
    return RGN_ERROR;
  if (Mode == RGN_COPY) {
    D->SetClipRegion(R->Area());
    return R->Area().Kind();
  }
  return CombineClip(*D, R->Area(), Mode);
}

int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom) {
  DeviceContext* D = LiveDC(DC);
  return D ? CombineClip(*D, Region(LogicalToDevice(*D, Left, Top, Right, Bottom)), RGN_AND) : RGN_ERROR;
}

int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom) {
  DeviceContext* D = LiveDC(DC);
  return D ? CombineClip(*D, Region(LogicalToDevice(*D, Left, Top, Right, Bottom)), RGN_DIFF) : RGN_ERROR;
}

int OffsetClipRgn(HDC DC, int DX, int DY) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return RGN_ERROR;
  if (!D->ClipRegion())
    return SIMPLEREGION;
  D->SetClipRegion(D->ClipRegion()->Offsetted(DX, DY));
  return D->ClipRegion()->Kind();
}

int GetClipBox(HDC DC, TRect* R) {
  DeviceContext* D = LiveDC(DC);
  if (!D || !R)
    return RGN_ERROR;
  // Without a surface the DC's own extent stands for what it would draw into.
  Region Area = D->Target() ? D->SurfaceClip() : Region(D->DeviceBounds());
  if (D->Target())
    Area.Offset(-D->DeviceOffset().X, -D->DeviceOffset().Y);
  else if (D->ClipRegion())
    Area = Area.Intersect(*D->ClipRegion());
  const TRect B = Area.Bounds();
  const TPoint A = D->DeviceToLogical(B.TopLeft()), C = D->DeviceToLogical(B.BottomRight());
  *R = { A.X, A.Y, C.X, C.Y };
  return Area.Kind();
}

int GetClipRgn(HDC DC, HRGN Rgn) {
  DeviceContext* D = LiveDC(DC);
  RegionObject* R = LiveRegion(Rgn);
  if (!D || !R)
    return -1;
  if (!D->ClipRegion())
    return 0;
  R->Area() = *D->ClipRegion();
  return 1;
}

TColor SetTextColor(HDC DC, TColor Color) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return CLR_INVALID;
  const TColor Old = D->TextColor();
  D->SetTextColor(ColorToRGB(Color));
  return Old;
}

TColor GetTextColor(HDC DC) {
  DeviceContext* D = LiveDC(DC);
  return D ? D->TextColor() : CLR_INVALID;
}

TColor SetBkColor(HDC DC, TColor Color) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return CLR_INVALID;
  const TColor Old = D->BkColor();
  D->SetBkColor(ColorToRGB(Color));
  return Old;
}

TColor GetBkColor(HDC DC) {
  DeviceContext* D = LiveDC(DC);
  return D ? D->BkColor() : CLR_INVALID;
}

int SetBkMode(HDC DC, int Mode) {
  DeviceContext* D = LiveDC(DC);
  if (!D || (Mode != TRANSPARENT && Mode != OPAQUE))
    return 0;
  const int Old = D->BkMode();
  D->SetBkMode(Mode);
  return Old;
}

int GetBkMode(HDC DC) {
  DeviceContext* D = LiveDC(DC);
  return D ? D->BkMode() : 0;
}

int SetStretchBltMode(HDC DC, int Mode) {
  DeviceContext* D = LiveDC(DC);
  if (!D || Mode < BLACKONWHITE || Mode > HALFTONE)
    return 0;
  const int Old = D->StretchMode();
  D->SetStretchMode(Mode);
  return Old;
}

int GetStretchBltMode(HDC DC) {
  DeviceContext* D = LiveDC(DC);
  return D ? D->StretchMode() : 0;
}

int SetROP2(HDC DC, int Mode) {
  DeviceContext* D = LiveDC(DC);
  if (!D || Mode < R2_BLACK || Mode > R2_WHITE)
    return 0;
  const int Old = D->Rop2();
  D->SetRop2(Mode);
  return Old;
}

int GetROP2(HDC DC) {
  DeviceContext* D = LiveDC(DC);
  return D ? D->Rop2() : 0;
}

bool SetBrushOrgEx(HDC DC, int X, int Y, TPoint* Old) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  SetPoint(Old, D->BrushOrg());
  D->SetBrushOrg({ X, Y });
  return true;
}

int GetDeviceCaps(HDC DC, int Index) {
  if (!LiveDC(DC))
    return 0;
  switch (Index) {
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case HORZRES: return DeviceContext::ScreenSize().cx;
    case VERTRES: return DeviceContext::ScreenSize().cy;
    default: return 0;
  }
}

void SetScreenSize(int Width, int Height) { DeviceContext::SetScreenSize({ Width, Height }); }
