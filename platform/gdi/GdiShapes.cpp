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

// First I in [From, To) with Pred(I) true, for a predicate false then true along I; To when none.
template <class Pred> int64_t FirstTrue(int64_t From, int64_t To, Pred P) {
  while (From < To) {
    const int64_t Mid = From + (To - From) / 2;
    if (P(Mid))
      To = Mid;
    else
      From = Mid + 1;
  }
  return From;
}

// Bresenham from A towards B in surface coordinates; B itself is not drawn. Pixel I (0-based) of the
// line sits I steps along the major axis and floor((2 I minor + major - 1) / (2 major)) steps along the
// minor one, which lets the loop start and stop at the clip box however long the line is.
void PenLine(DeviceContext& D, TPoint A, TPoint B) {
  const TRect Box = D.SurfaceClip().Bounds();
  if (Box.Left >= Box.Right)
    return;
  const bool XMajor = std::abs(int64_t(B.X) - A.X) >= std::abs(int64_t(B.Y) - A.Y);
  const int64_t MajorStart = XMajor ? A.X : A.Y, MinorStart = XMajor ? A.Y : A.X;
  const int64_t MajorDelta = XMajor ? int64_t(B.X) - A.X : int64_t(B.Y) - A.Y;
  const int64_t MinorDelta = XMajor ? int64_t(B.Y) - A.Y : int64_t(B.X) - A.X;
  const int64_t Major = std::abs(MajorDelta), Minor = std::abs(MinorDelta);
  const int64_t SMajor = MajorDelta < 0 ? -1 : 1, SMinor = MinorDelta < 0 ? -1 : 1;
  if (Major == 0)
    return;
  auto MinorAt = [&](int64_t I) {
    return int64_t((__int128(2) * I * Minor + Major - 1) / (__int128(2) * Major));
  };
  // Positions that can touch the box, widened by the pen's size.
  const int64_t W = D.Pen()->Width();
  const int64_t MajorLo = (XMajor ? Box.Left : Box.Top) - W, MajorHi = (XMajor ? Box.Right : Box.Bottom) + W;
  const int64_t MinorLo = (XMajor ? Box.Top : Box.Left) - W, MinorHi = (XMajor ? Box.Bottom : Box.Right) + W;
  int64_t From = SMajor > 0 ? MajorLo - MajorStart : MajorStart - MajorHi;
  int64_t To = SMajor > 0 ? MajorHi - MajorStart : MajorStart - MajorLo;
  From = std::max<int64_t>(From, 0);
  To = std::min<int64_t>(To + 1, Major);
  const int64_t StepLo = SMinor > 0 ? MinorLo - MinorStart : MinorStart - MinorHi;
  const int64_t StepHi = SMinor > 0 ? MinorHi - MinorStart : MinorStart - MinorLo;
  From = FirstTrue(From, To, [&](int64_t I) { return MinorAt(I) >= StepLo; });
  To = FirstTrue(From, To, [&](int64_t I) { return MinorAt(I) > StepHi; });
  for (int64_t I = From; I < To; ++I) {
    const int64_t P = MajorStart + SMajor * I, Q = MinorStart + SMinor * MinorAt(I);
    PenDot(D, int(XMajor ? P : Q), int(XMajor ? Q : P));
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

// Rows of R that can show, with one more on each side (the edge test of a row looks at its neighbours).
std::pair<int, int> VisibleRows(const DeviceContext& D, const TRect& R) {
  const TRect Clip = D.SurfaceClip().Bounds();
  return { std::max(R.Top, Clip.Top - 1), std::max(std::max(R.Top, Clip.Top - 1), std::min(R.Bottom, Clip.Bottom + 1)) };
}

// Alternate-rule fill of a polygon in surface coordinates: pixels whose centres lie inside.
void FillPolygon(DeviceContext& D, const std::vector<TPoint>& P) {
  int Top = P[0].Y, Bottom = P[0].Y;
  for (const TPoint& Q : P) {
    Top = std::min(Top, Q.Y);
    Bottom = std::max(Bottom, Q.Y);
  }
  const TRect Clip = D.SurfaceClip().Bounds();
  Top = std::max(Top, Clip.Top);
  Bottom = std::min(Bottom, Clip.Bottom);
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
  const auto [From, To] = VisibleRows(*D, R);
  DrawSpanShape(*D, From, RoundRectSpans(R, Width, Height, From, To));
  return true;
}

bool Ellipse(HDC DC, int Left, int Top, int Right, int Bottom) {
  DeviceContext* D = LiveDC(DC);
  if (!D)
    return false;
  const TRect R = D->LogicalToSurface(TRect { Left, Top, Right, Bottom });
  const auto [From, To] = VisibleRows(*D, R);
  DrawSpanShape(*D, From, EllipseSpans(R, From, To));
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
