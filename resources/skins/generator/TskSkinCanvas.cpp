#include "resources/skins/generator/TskSkinCanvas.h"

#include <algorithm>
#include <cmath>

#include "skin/core/TskBitmap.h"

namespace {

// Sample points per pixel side: 36 coverage levels are smooth enough for one-pixel outlines.
constexpr int Samples = 6;

TskColor ToPixel(TColor Color) {
  return 0xFF000000u | (TskColor(GetRValue(Color)) << 16) | (TskColor(GetGValue(Color)) << 8) | GetBValue(Color);
}

TColor FromPixel(TskColor Pixel) { return RGB(Byte(Pixel >> 16), Byte(Pixel >> 8), Byte(Pixel)); }

Byte Mix(Byte A, Byte B, double Amount) { return Byte(std::lround(A + (double(B) - A) * Amount)); }

bool InRoundRect(double X, double Y, const TskRectF& R, double Radius) {
  if (X < R.Left || X >= R.Right || Y < R.Top || Y >= R.Bottom) return false;
  const double r = std::clamp(Radius, 0.0, std::min(R.Right - R.Left, R.Bottom - R.Top) / 2);
  const double cx = std::clamp(X, R.Left + r, R.Right - r);
  const double cy = std::clamp(Y, R.Top + r, R.Bottom - r);
  return (X - cx) * (X - cx) + (Y - cy) * (Y - cy) <= r * r;
}

bool InEllipse(double X, double Y, const TskRectF& R) {
  const double rx = (R.Right - R.Left) / 2, ry = (R.Bottom - R.Top) / 2;
  if (rx <= 0 || ry <= 0) return false;
  const double dx = (X - (R.Left + rx)) / rx, dy = (Y - (R.Top + ry)) / ry;
  return dx * dx + dy * dy <= 1;
}

double SegmentDistance(const TskPointF& P, const TskPointF& A, const TskPointF& B) {
  const double vx = B.X - A.X, vy = B.Y - A.Y;
  const double length = vx * vx + vy * vy;
  const double t = length == 0 ? 0 : std::clamp(((P.X - A.X) * vx + (P.Y - A.Y) * vy) / length, 0.0, 1.0);
  return std::hypot(P.X - (A.X + t * vx), P.Y - (A.Y + t * vy));
}

TskRectF PointsBounds(const std::vector<TskPointF>& Points, double Margin) {
  TskRectF r { 1e9, 1e9, -1e9, -1e9 };
  for (const TskPointF& p : Points) {
    r.Left = std::min(r.Left, p.X);
    r.Top = std::min(r.Top, p.Y);
    r.Right = std::max(r.Right, p.X);
    r.Bottom = std::max(r.Bottom, p.Y);
  }
  return r.Inset(-Margin);
}

}  // namespace

TColor BlendColors(TColor A, TColor B, double Amount) {
  return RGB(Mix(GetRValue(A), GetRValue(B), Amount), Mix(GetGValue(A), GetGValue(B), Amount),
             Mix(GetBValue(A), GetBValue(B), Amount));
}

template <class TInside, class TColour>
void TskSkinCanvas::Cover(const TskRectF& Bounds, TInside&& Inside, TColour&& Colour) {
  const int left = std::max(0, int(std::floor(Bounds.Left)));
  const int top = std::max(0, int(std::floor(Bounds.Top)));
  const int right = std::min(FBitmap->Width(), int(std::ceil(Bounds.Right)));
  const int bottom = std::min(FBitmap->Height(), int(std::ceil(Bounds.Bottom)));
  for (int y = top; y < bottom; ++y) {
    const TColor colour = Colour(y + 0.5);
    for (int x = left; x < right; ++x) {
      int inside = 0;
      for (int sy = 0; sy < Samples; ++sy)
        for (int sx = 0; sx < Samples; ++sx)
          inside += Inside(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples) ? 1 : 0;
      if (inside == 0) continue;
      TskColor* pixel = FBitmap->PixelPtr(x, y);
      *pixel = ToPixel(BlendColors(FromPixel(*pixel), colour, double(inside) / (Samples * Samples)));
    }
  }
}

void TskSkinCanvas::FillRect(const TRect& R, TColor Color) {
  for (int y = std::max(0, R.Top); y < std::min(FBitmap->Height(), R.Bottom); ++y)
    for (int x = std::max(0, R.Left); x < std::min(FBitmap->Width(), R.Right); ++x)
      *FBitmap->PixelPtr(x, y) = ToPixel(Color);
}

void TskSkinCanvas::FillRoundRect(const TskRectF& R, double Radius, TColor Color) {
  FillRoundRectGradient(R, Radius, Color, Color);
}

void TskSkinCanvas::FillRoundRectGradient(const TskRectF& R, double Radius, TColor Top, TColor Bottom) {
  const double height = R.Bottom - R.Top;
  Cover(
    R, [&](double X, double Y) { return InRoundRect(X, Y, R, Radius); },
    [&](double Y) { return height <= 0 ? Top : BlendColors(Top, Bottom, std::clamp((Y - R.Top) / height, 0.0, 1.0)); });
}

void TskSkinCanvas::FrameRoundRect(const TskRectF& R, double Radius, double Width, TColor Color) {
  const TskRectF inner = R.Inset(Width);
  Cover(
    R,
    [&](double X, double Y) {
      return InRoundRect(X, Y, R, Radius) && !InRoundRect(X, Y, inner, std::max(0.0, Radius - Width));
    },
    [&](double) { return Color; });
}

void TskSkinCanvas::FillEllipse(const TskRectF& R, TColor Color) {
  Cover(R, [&](double X, double Y) { return InEllipse(X, Y, R); }, [&](double) { return Color; });
}

void TskSkinCanvas::FrameEllipse(const TskRectF& R, double Width, TColor Color) {
  const TskRectF inner = R.Inset(Width);
  Cover(
    R, [&](double X, double Y) { return InEllipse(X, Y, R) && !InEllipse(X, Y, inner); },
    [&](double) { return Color; });
}

void TskSkinCanvas::Polyline(const std::vector<TskPointF>& Points, double Width, TColor Color) {
  if (Points.empty()) return;
  const double half = Width / 2;
  Cover(
    PointsBounds(Points, half),
    [&](double X, double Y) {
      const TskPointF p { X, Y };
      if (Points.size() == 1) return SegmentDistance(p, Points[0], Points[0]) <= half;
      for (size_t i = 1; i < Points.size(); ++i)
        if (SegmentDistance(p, Points[i - 1], Points[i]) <= half) return true;
      return false;
    },
    [&](double) { return Color; });
}

void TskSkinCanvas::FillPolygon(const std::vector<TskPointF>& Points, TColor Color) {
  if (Points.size() < 3) return;
  Cover(
    PointsBounds(Points, 0),
    [&](double X, double Y) {
      bool inside = false;
      for (size_t i = 0, j = Points.size() - 1; i < Points.size(); j = i++) {
        const TskPointF& a = Points[i];
        const TskPointF& b = Points[j];
        if ((a.Y > Y) != (b.Y > Y) && X < (b.X - a.X) * (Y - a.Y) / (b.Y - a.Y) + a.X) inside = !inside;
      }
      return inside;
    },
    [&](double) { return Color; });
}

TColor TskSkinCanvas::Pixel(int X, int Y) const { return FromPixel(*FBitmap->PixelPtr(X, Y)); }
