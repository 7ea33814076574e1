// Lines and shapes: pen outlines and brush interiors with the pixel geometry of the window system
// (lines leave out their end point; shapes leave out their right and bottom edges).
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/PixelOps.h"
#include "platform/gdi/ShapeSpans.h"

namespace {

bool PenVisible(const DeviceContext& D) { return !D.Pen()->IsNull(); }
bool BrushVisible(const DeviceContext& D) { return !D.Brush()->IsNull(); }

// One pen dot at (X, Y); wide pens put a square of their width around it.
void PenDot(DeviceContext& D, int X, int Y) {
  const int W = D.Pen()->Width();
  const int X0 = X - W / 2, Y0 = Y - W / 2;
  D.MixRect({ X0, Y0, X0 + W, Y0 + W }, D.Pen()->Color(), D.Rop2());
}

// Bresenham from A towards B in surface coordinates; B itself is not drawn.
void PenLine(DeviceContext& D, TPoint A, TPoint B) {
  const int DX = std::abs(B.X - A.X), DY = std::abs(B.Y - A.Y);
  const int SX = A.X < B.X ? 1 : -1, SY = A.Y < B.Y ? 1 : -1;
  int X = A.X, Y = A.Y;
  if (DX >= DY) {
    int Error = 2 * DY - DX;
    for (int I = 0; I < DX; ++I) {
      PenDot(D, X, Y);
      if (Error > 0) {
        Y += SY;
        Error -= 2 * DX;
      }
      Error += 2 * DY;
      X += SX;
    }
  } else {
    int Error = 2 * DX - DY;
    for (int I = 0; I < DY; ++I) {
      PenDot(D, X, Y);
      if (Error > 0) {
        X += SX;
        Error -= 2 * DY;
      }
      Error += 2 * DX;
      Y += SY;
    }
  }
}

// A convex shape given by one span per row (surface coordinates): pixels on the shape's edge (a
// neighbour above, below, left or right lies outside) get the pen, the others the brush.
void DrawSpanShape(DeviceContext& D, int Top, const RowSpans& Spans) {
  const bool Pen = PenVisible(D), Brush = BrushVisible(D);
  const int N = int(Spans.size());
  auto Valid = [&](int I) { return I >= 0 && I < N && Spans[size_t(I)].first < Spans[size_t(I)].second; };
  for (int I = 0; I < N; ++I) {
    if (!Valid(I))
      continue;
    const auto [First, End] = Spans[size_t(I)];
    const int Y = Top + I;
    if (!Pen) {
      if (Brush)
        D.MixSpan(Y, First, End, D.Brush()->Color());
      continue;
    }
    int Lo = First + 1, Hi = End - 1;  // interior [Lo, Hi)
    for (int Neighbour : { I - 1, I + 1 }) {
      if (!Valid(Neighbour)) {
        Hi = Lo;
        break;
      }
      Lo = std::max(Lo, Spans[size_t(Neighbour)].first);
      Hi = std::min(Hi, Spans[size_t(Neighbour)].second);
    }
    const TColor PenColor = D.Pen()->Color();
    if (Lo >= Hi) {
      D.MixSpan(Y, First, End, PenColor);
      continue;
    }
    if (Brush)
      D.MixSpan(Y, Lo, Hi, D.Brush()->Color());
    D.MixSpan(Y, First, Lo, PenColor);
    D.MixSpan(Y, Hi, End, PenColor);
  }
}

// Alternate-rule fill of a polygon in surface coordinates: pixels whose centres lie inside.
void FillPolygon(DeviceContext& D, const std::vector<TPoint>& P) {
  int Top = P[0].Y, Bottom = P[0].Y;
  for (const TPoint& Q : P) {
    Top = std::min(Top, Q.Y);
    Bottom = std::max(Bottom, Q.Y);
  }
  std::vector<double> Xs;
  for (int Y = Top; Y < Bottom; ++Y) {
    const double Centre = Y + 0.5;
    Xs.clear();
    for (size_t I = 0; I < P.size(); ++I) {
      const TPoint A = P[I], B = P[(I + 1) % P.size()];
      if ((A.Y <= Centre) == (B.Y <= Centre))
        continue;
      Xs.push_back(A.X + (Centre - A.Y) * (B.X - A.X) / double(B.Y - A.Y));
    }
    std::sort(Xs.begin(), Xs.end());
    for (size_t I = 0; I + 1 < Xs.size(); I += 2) {
      const int X0 = int(std::ceil(Xs[I] - 0.5)), X1 = int(std::ceil(Xs[I + 1] - 0.5));
      D.MixSpan(Y, X0, X1, D.Brush()->Color());
    }
  }
}

}  // namespace

bool MoveToEx(HDC DC, int X, int Y, TPoint* Old) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  if (Old)
    *Old = D->CurrentPosition();
  D->SetCurrentPosition({ X, Y });
  return true;
}

bool GetCurrentPositionEx(HDC DC, TPoint* P) {
  DeviceContext* D = LiveDC(DC);
  if (!D || !P)
    return false;
  *P = D->CurrentPosition();
  return true;
}

bool LineTo(HDC DC, int X, int Y) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  if (PenVisible(*D))
    PenLine(*D, D->LogicalToSurface(D->CurrentPosition()), D->LogicalToSurface(TPoint { X, Y }));
  D->SetCurrentPosition({ X, Y });
  return true;
}

bool Polyline(HDC DC, const TPoint* Points, int Count) {
  DeviceContext* D = LiveDC(DC);
  if (!D || !Points || Count < 2)
    return false;
  if (PenVisible(*D))
    for (int I = 0; I + 1 < Count; ++I)
      PenLine(*D, D->LogicalToSurface(Points[I]), D->LogicalToSurface(Points[I + 1]));
  return true;
}

bool Polygon(HDC DC, const TPoint* Points, int Count) {
  DeviceContext* D = LiveDC(DC);
  if (!D || !Points || Count < 2)
    return false;
  std::vector<TPoint> P;
  P.reserve(size_t(Count));
  for (int I = 0; I < Count; ++I)
    P.push_back(D->LogicalToSurface(Points[I]));
  if (BrushVisible(*D))
    FillPolygon(*D, P);
  if (PenVisible(*D))
    for (int I = 0; I < Count; ++I)
      PenLine(*D, P[size_t(I)], P[size_t((I + 1) % Count)]);
  return true;
}

bool Rectangle(HDC DC, int Left, int Top, int Right, int Bottom) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  const TRect R = D->LogicalToSurface(TRect { Left, Top, Right, Bottom });
  if (!PenVisible(*D)) {
    if (BrushVisible(*D))
      D->MixRect({ R.Left, R.Top, R.Right - 1, R.Bottom - 1 }, D->Brush()->Color(), D->Rop2());
    return true;
  }
  // Wide outlines lie inside the rectangle.
  const int W = D->Pen()->Width();
  const TRect Inner { R.Left + W, R.Top + W, R.Right - W, R.Bottom - W };
  if (BrushVisible(*D) && Inner.Left < Inner.Right && Inner.Top < Inner.Bottom)
    D->MixRect(Inner, D->Brush()->Color(), D->Rop2());
  const Region Outline = Region(R).Subtract(Region(Inner));
  for (const TRect& Part : Outline.Rects())
    D->MixRect(Part, D->Pen()->Color(), D->Rop2());
  return true;
}

bool RoundRect(HDC DC, int Left, int Top, int Right, int Bottom, int Width, int Height) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  const TRect R = D->LogicalToSurface(TRect { Left, Top, Right, Bottom });
  DrawSpanShape(*D, R.Top, RoundRectSpans(R, Width, Height));
  return true;
}

bool Ellipse(HDC DC, int Left, int Top, int Right, int Bottom) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  const TRect R = D->LogicalToSurface(TRect { Left, Top, Right, Bottom });
  DrawSpanShape(*D, R.Top, EllipseSpans(R));
  return true;
}

TColor SetPixel(HDC DC, int X, int Y, TColor Color) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return CLR_INVALID;
  const TPoint P = D->LogicalToSurface(TPoint { X, Y });
  if (!D->SurfaceClip().Contains(P.X, P.Y))
    return CLR_INVALID;
  D->FillSolid({ P.X, P.Y, P.X + 1, P.Y + 1 }, Color);
  return ColorToRGB(Color);
}

TColor GetPixel(HDC DC, int X, int Y) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return CLR_INVALID;
  const TPoint P = D->LogicalToSurface(TPoint { X, Y });
  if (!D->SurfaceClip().Contains(P.X, P.Y))
    return CLR_INVALID;
  return PixelToColor(D->Target()->Pixel(P.X, P.Y));
}
