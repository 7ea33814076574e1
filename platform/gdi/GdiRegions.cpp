// Region objects: creation, combination, queries.
#include <cstring>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/ShapeSpans.h"

namespace {

TRect Normalised(int Left, int Top, int Right, int Bottom) {
  return { std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom) };
}

}  // namespace

HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom) {
  return new RegionObject(Region(Normalised(Left, Top, Right, Bottom)));
}

HRGN CreateRectRgnIndirect(const TRect& R) { return CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom); }

HRGN CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int WidthEllipse, int HeightEllipse) {
  const TRect R = Normalised(Left, Top, Right, Bottom);
  return new RegionObject(Region::FromRowSpans(R.Top, RoundRectSpans(R, WidthEllipse, HeightEllipse)));
}

HRGN CreateEllipticRgn(int Left, int Top, int Right, int Bottom) {
  const TRect R = Normalised(Left, Top, Right, Bottom);
  return new RegionObject(Region::FromRowSpans(R.Top, EllipseSpans(R)));
}

HRGN CreateEllipticRgnIndirect(const TRect& R) { return CreateEllipticRgn(R.Left, R.Top, R.Right, R.Bottom); }

HRGN ExtCreateRegion(const void*, uint32_t Count, const RGNDATA* Data) {
  if (!Data || Count < sizeof(RGNDATAHEADER))
    return nullptr;
  RGNDATAHEADER Header;
  std::memcpy(static_cast<void*>(&Header), Data, sizeof Header);
  if (Header.dwSize != sizeof(RGNDATAHEADER) || Header.iType != RDH_RECTANGLES ||
      Header.nCount > (Count - sizeof(RGNDATAHEADER)) / sizeof(TRect))
    return nullptr;
  std::vector<TRect> Rects(Header.nCount);
  if (!Rects.empty())
    std::memcpy(Rects.data(), reinterpret_cast<const char*>(Data) + Header.dwSize, Rects.size() * sizeof(TRect));
  return new RegionObject(Region::FromRects(Rects));
}

int CombineRgn(HRGN Dest, HRGN Src1, HRGN Src2, int Mode) {
  RegionObject* D = LiveRegion(Dest);
  RegionObject* A = LiveRegion(Src1);
  if (!D || !A || Mode < RGN_AND || Mode > RGN_COPY)
    return RGN_ERROR;
  if (Mode == RGN_COPY) {
    D->Area() = A->Area();
    return D->Area().Kind();
  }
  RegionObject* B = LiveRegion(Src2);
  if (!B)
    return RGN_ERROR;
  D->Area() = A->Area().Combine(B->Area(), Mode);
  return D->Area().Kind();
}

int OffsetRgn(HRGN Rgn, int DX, int DY) {
  RegionObject* R = LiveRegion(Rgn);
  if (!R)
    return RGN_ERROR;
  R->Area().Offset(DX, DY);
  return R->Area().Kind();
}

bool SetRectRgn(HRGN Rgn, int Left, int Top, int Right, int Bottom) {
  RegionObject* R = LiveRegion(Rgn);
  if (!R)
    return false;
  R->Area() = Region(Normalised(Left, Top, Right, Bottom));
  return true;
}

bool PtInRegion(HRGN Rgn, int X, int Y) {
  RegionObject* R = LiveRegion(Rgn);
  return R && R->Area().Contains(X, Y);
}

bool RectInRegion(HRGN Rgn, const TRect& Rect) {
  RegionObject* R = LiveRegion(Rgn);
  return R && R->Area().Intersects(Normalised(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom));
}

int GetRgnBox(HRGN Rgn, TRect* Box) {
  RegionObject* R = LiveRegion(Rgn);
  if (!R || !Box)
    return RGN_ERROR;
  *Box = R->Area().Bounds();
  return R->Area().Kind();
}

bool EqualRgn(HRGN A, HRGN B) {
  RegionObject* RA = LiveRegion(A);
  RegionObject* RB = LiveRegion(B);
  return RA && RB && RA->Area() == RB->Area();
}

uint32_t GetRegionData(HRGN Rgn, uint32_t Size, RGNDATA* Data) {
  RegionObject* R = LiveRegion(Rgn);
  if (!R)
    return 0;
  const std::vector<TRect>& Rects = R->Area().Rects();
  const uint32_t Needed = uint32_t(sizeof(RGNDATAHEADER) + Rects.size() * sizeof(TRect));
  if (!Data)
    return Needed;
  if (Size < Needed)
    return 0;
  RGNDATAHEADER Header;
  Header.nCount = uint32_t(Rects.size());
  Header.nRgnSize = uint32_t(Rects.size() * sizeof(TRect));
  Header.rcBound = R->Area().Bounds();
  std::memcpy(static_cast<void*>(Data), &Header, sizeof Header);
  if (!Rects.empty())
    std::memcpy(reinterpret_cast<char*>(Data) + sizeof Header, Rects.data(), Rects.size() * sizeof(TRect));
  return Needed;
}
