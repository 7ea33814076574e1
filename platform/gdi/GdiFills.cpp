// Area fills: rectangles, frames, inversions, focus rectangles, three-dimensional edges and regions.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"

namespace {

// A one-pixel frame on the outermost pixels of R (surface coordinates), each pixel once.
Region FrameOf(const TRect& R, int Width = 1, int Height = 1) {
  return Region(R).Subtract(Region({ R.Left + Width, R.Top + Height, R.Right - Width, R.Bottom - Height }));
}

// A region in logical coordinates moved onto the DC's surface.
Region OnSurface(const DeviceContext& D, const Region& Area) {
  const TPoint Origin = D.LogicalToSurface(TPoint { 0, 0 });
  return Area.Offsetted(Origin.X, Origin.Y);
}

void FillArea(DeviceContext& D, const Region& Area, TColor Color) {
  for (const TRect& R : Area.Rects())
    D.FillSolid(R, Color);
}

// One band of an edge: top and left lines in TopLeft, then right and bottom lines in BottomRight.
void EdgeBand(DeviceContext& D, TRect& R, unsigned Flags, TColor TopLeft, TColor BottomRight) {
  const TRect S = D.LogicalToSurface(R);
  if (S.Left >= S.Right || S.Top >= S.Bottom)
    return;
  if (Flags & BF_LEFT) D.FillSolid({ S.Left, S.Top, S.Left + 1, S.Bottom }, TopLeft);
  if (Flags & BF_TOP) D.FillSolid({ S.Left, S.Top, S.Right, S.Top + 1 }, TopLeft);
  if (Flags & BF_RIGHT) D.FillSolid({ S.Right - 1, S.Top, S.Right, S.Bottom }, BottomRight);
  if (Flags & BF_BOTTOM) D.FillSolid({ S.Left, S.Bottom - 1, S.Right, S.Bottom }, BottomRight);
  if (Flags & BF_LEFT) ++R.Left;
  if (Flags & BF_TOP) ++R.Top;
  if (Flags & BF_RIGHT) --R.Right;
  if (Flags & BF_BOTTOM) --R.Bottom;
}

}  // namespace

int FillRect(HDC DC, const TRect& R, HBRUSH Brush) {
  DeviceContext* D = LiveDC(DC);
  BrushObject* B = LiveBrush(Brush);
  if (!D || !B)
    return 0;
  if (!B->IsNull())
    D->FillSolid(D->LogicalToSurface(R), B->Color());
  return 1;
}

int FrameRect(HDC DC, const TRect& R, HBRUSH Brush) {
  DeviceContext* D = LiveDC(DC);
  BrushObject* B = LiveBrush(Brush);
  if (!D || !B)
    return 0;
  if (!B->IsNull() && R.Left < R.Right && R.Top < R.Bottom)
    FillArea(*D, FrameOf(D->LogicalToSurface(R)), B->Color());
  return 1;
}

bool InvertRect(HDC DC, const TRect& R) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  D->MixRect(D->LogicalToSurface(R), clBlack, R2_NOT);
  return true;
}

bool DrawFocusRect(HDC DC, const TRect& R) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  const TRect S = D->LogicalToSurface(R);
  if (S.Left >= S.Right || S.Top >= S.Bottom)
    return true;
  // Every other pixel of the frame, starting with the top-left corner, so that the dots of two draws of
  // one rectangle coincide.
  const Region Frame = FrameOf(S);
  for (const TRect& Part : Frame.Rects())
    for (int Y = Part.Top; Y < Part.Bottom; ++Y)
      for (int X = Part.Left; X < Part.Right; ++X)
        if (((X - S.Left + Y - S.Top) & 1) == 0)
          D->MixRect({ X, Y, X + 1, Y + 1 }, clBlack, R2_NOT);
  return true;
}

bool DrawEdge(HDC DC, TRect& R, unsigned Edge, unsigned Flags) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  TRect Inside = R;
  const unsigned Outer = Edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
  const unsigned Inner = Edge & (BDR_RAISEDINNER | BDR_SUNKENINNER);
  if (Flags & BF_MONO) {
    if (Outer) EdgeBand(*D, Inside, Flags, clWindowFrame, clWindowFrame);
    if (Inner) EdgeBand(*D, Inside, Flags, clWindow, clWindow);
  } else if (Flags & BF_FLAT) {
    if (Outer) EdgeBand(*D, Inside, Flags, clBtnShadow, clBtnShadow);
    if (Inner) EdgeBand(*D, Inside, Flags, clBtnFace, clBtnFace);
  } else {
    if (Outer == BDR_RAISEDOUTER) EdgeBand(*D, Inside, Flags, cl3DLight, cl3DDkShadow);
    if (Outer == BDR_SUNKENOUTER) EdgeBand(*D, Inside, Flags, clBtnShadow, clBtnHighlight);
    if (Inner == BDR_RAISEDINNER) EdgeBand(*D, Inside, Flags, clBtnHighlight, clBtnShadow);
    if (Inner == BDR_SUNKENINNER) EdgeBand(*D, Inside, Flags, cl3DDkShadow, cl3DLight);
  }
  if (Flags & BF_MIDDLE)
    D->FillSolid(D->LogicalToSurface(Inside), Flags & BF_MONO ? clWindow : clBtnFace);
  if (Flags & BF_ADJUST)
    R = Inside;
  return true;
}

bool FillRgn(HDC DC, HRGN Rgn, HBRUSH Brush) {
  DeviceContext* D = LiveDC(DC);
  RegionObject* R = LiveRegion(Rgn);
  BrushObject* B = LiveBrush(Brush);
  if (!D || !R || !B)
    return false;
  if (!B->IsNull())
    FillArea(*D, OnSurface(*D, R->Area()), B->Color());
  return true;
}

bool FrameRgn(HDC DC, HRGN Rgn, HBRUSH Brush, int Width, int Height) {
  DeviceContext* D = LiveDC(DC);
  RegionObject* R = LiveRegion(Rgn);
  BrushObject* B = LiveBrush(Brush);
  if (!D || !R || !B || Width < 0 || Height < 0)
    return false;
  if (B->IsNull())
    return true;
  // The inside is what stays in the region when it is moved by the frame's width or height either way.
  const Region& A = R->Area();
  const Region Inside = A.Intersect(A.Offsetted(Width, 0))
                            .Intersect(A.Offsetted(-Width, 0))
                            .Intersect(A.Offsetted(0, Height))
                            .Intersect(A.Offsetted(0, -Height));
  FillArea(*D, OnSurface(*D, A.Subtract(Inside)), B->Color());
  return true;
}
