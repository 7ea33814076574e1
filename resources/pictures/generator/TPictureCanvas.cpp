#include "resources/pictures/generator/TPictureCanvas.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"

namespace {

int Scaled(double V) { return int(std::lround(V * TPictureCanvas::Scale)); }
TPoint Scaled(TPointF P) { return { Scaled(P.X), Scaled(P.Y) }; }

uint8_t Channel(TColor C, int Shift) { return uint8_t((ColorToRGB(C) >> Shift) & 0xFF); }

// The fill's colour at height Y of a shape from Top to Bottom, as 0xRRGGBB.
uint32_t ColourAt(const TFill& Fill, double Top, double Bottom, double Y) {
  const double t = Bottom > Top ? std::clamp((Y - Top) / (Bottom - Top), 0.0, 1.0) : 0.0;
  uint32_t rgb = 0;
  for (int shift : { 0, 8, 16 }) {
    const double v = Channel(Fill.Top, shift) * (1 - t) + Channel(Fill.Bottom, shift) * t;
    rgb |= uint32_t(std::lround(v)) << (16 - shift);
  }
  return rgb;
}

}  // namespace

TPictureCanvas::TPictureCanvas(int Width, int Height)
    : FPixels(std::make_shared<Surface>(Width, Height, SurfaceFormat::Bgra32)) {
  FMask.SetPixelFormat(pf32bit);
  FMask.SetSize(Width * Scale, Height * Scale);
}

void TPictureCanvas::TBox::Include(TPointF P, double Margin) {
  Left = std::min(Left, P.X - Margin);
  Top = std::min(Top, P.Y - Margin);
  Right = std::max(Right, P.X + Margin);
  Bottom = std::max(Bottom, P.Y + Margin);
}

template <class TDraw>
void TPictureCanvas::Cover(const TBox& Box, TFill Fill, Mode How, TDraw&& Draw) {
  // Only the pixels of the shape's box are cleared and averaged: large pictures stay quick to draw.
  const int left = std::max(0, int(std::floor(Box.Left)) - 1), right = std::min(Width(), int(std::ceil(Box.Right)) + 1);
  const int top = std::max(0, int(std::floor(Box.Top)) - 1), bottom = std::min(Height(), int(std::ceil(Box.Bottom)) + 1);
  if (left >= right || top >= bottom) return;
  HDC dc = FMask.Canvas()->Handle();
  PatBlt(dc, left * Scale, top * Scale, (right - left) * Scale, (bottom - top) * Scale, BLACKNESS);
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
  SelectObject(dc, GetStockObject(NULL_PEN));
  Draw(dc);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      int covered = 0;
      for (int j = 0; j < Scale; ++j) {
        const auto* row = static_cast<const uint32_t*>(FMask.ScanLine(y * Scale + j)) + x * Scale;
        for (int i = 0; i < Scale; ++i) covered += (row[i] & 0xFF) != 0;
      }
      if (!covered) continue;
      const double share = double(covered) / (Scale * Scale);
      const uint32_t under = FPixels->Pixel(x, y);
      const double underAlpha = (under >> 24) / 255.0;
      if (How == Mode::Clear) {
        FPixels->SetPixel(x, y, (under & 0xFFFFFF) | uint32_t(std::lround(underAlpha * (1 - share) * 255)) << 24);
        continue;
      }
      const uint32_t over = ColourAt(Fill, Box.Top, Box.Bottom, y + 0.5);
      const double alpha = share + underAlpha * (1 - share);
      uint32_t pixel = uint32_t(std::lround(alpha * 255)) << 24;
      for (int shift = 0; shift < 24; shift += 8) {
        const double c = (((over >> shift) & 0xFF) * share + ((under >> shift) & 0xFF) * underAlpha * (1 - share)) / alpha;
        pixel |= uint32_t(std::lround(c)) << shift;
      }
      FPixels->SetPixel(x, y, pixel);
    }
}

void TPictureCanvas::FillRect(double Left, double Top, double Right, double Bottom, TFill Fill) {
  Cover({ Left, Top, Right, Bottom }, Fill, Mode::Paint, [&](HDC DC) {
    ::FillRect(DC, { Scaled(Left), Scaled(Top), Scaled(Right), Scaled(Bottom) },
               static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  });
}

void TPictureCanvas::FillRoundRect(double Left, double Top, double Right, double Bottom, double Radius, TFill Fill) {
  Cover({ Left, Top, Right, Bottom }, Fill, Mode::Paint, [&](HDC DC) {
    RoundRect(DC, Scaled(Left), Scaled(Top), Scaled(Right), Scaled(Bottom), Scaled(2 * Radius), Scaled(2 * Radius));
  });
}

void TPictureCanvas::FillEllipse(double Left, double Top, double Right, double Bottom, TFill Fill) {
  Cover({ Left, Top, Right, Bottom }, Fill, Mode::Paint,
        [&](HDC DC) { Ellipse(DC, Scaled(Left), Scaled(Top), Scaled(Right), Scaled(Bottom)); });
}

void TPictureCanvas::ClearEllipse(double Left, double Top, double Right, double Bottom) {
  Cover({ Left, Top, Right, Bottom }, clBlack, Mode::Clear,
        [&](HDC DC) { Ellipse(DC, Scaled(Left), Scaled(Top), Scaled(Right), Scaled(Bottom)); });
}

void TPictureCanvas::FillPolygon(const std::vector<TPointF>& Points, TFill Fill) {
  TBox box { double(Width()), double(Height()), 0, 0 };
  std::vector<TPoint> scaled;
  for (const TPointF& p : Points) {
    box.Include(p, 0);
    scaled.push_back(Scaled(p));
  }
  Cover(box, Fill, Mode::Paint, [&](HDC DC) { Polygon(DC, scaled.data(), int(scaled.size())); });
}

void TPictureCanvas::Stroke(const std::vector<TPointF>& Points, double Width, TFill Fill) {
  TBox box { double(this->Width()), double(Height()), 0, 0 };
  for (const TPointF& p : Points) box.Include(p, Width / 2);
  Cover(box, Fill, Mode::Paint, [&](HDC DC) {
    const double r = Width / 2;
    for (size_t i = 0; i < Points.size(); ++i) {
      const TPointF a = Points[i];
      Ellipse(DC, Scaled(a.X - r), Scaled(a.Y - r), Scaled(a.X + r), Scaled(a.Y + r));
      if (i + 1 == Points.size()) break;
      const TPointF b = Points[i + 1];
      const double length = std::hypot(b.X - a.X, b.Y - a.Y);
      if (length == 0) continue;
      const double nx = -(b.Y - a.Y) / length * r, ny = (b.X - a.X) / length * r;
      const TPoint quad[] = { Scaled({ a.X + nx, a.Y + ny }), Scaled({ b.X + nx, b.Y + ny }),
                              Scaled({ b.X - nx, b.Y - ny }), Scaled({ a.X - nx, a.Y - ny }) };
      Polygon(DC, quad, 4);
    }
  });
}

TIconImage TPictureCanvas::Image() const {
  auto copy = std::make_shared<Surface>(Width(), Height(), SurfaceFormat::Bgra32);
  for (int y = 0; y < Height(); ++y)
    for (int x = 0; x < Width(); ++x) copy->SetPixel(x, y, FPixels->Pixel(x, y));
  return { std::move(copy), 32 };
}

std::unique_ptr<TBitmap> TPictureCanvas::Keyed(TColor Key) const {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(Width(), Height());
  const uint32_t key = uint32_t(Channel(Key, 0)) << 16 | uint32_t(Channel(Key, 8)) << 8 | Channel(Key, 16);
  Surface& pixels = bitmap->Handle()->Pixels();
  for (int y = 0; y < Height(); ++y)
    for (int x = 0; x < Width(); ++x) {
      const uint32_t p = FPixels->Pixel(x, y);
      pixels.SetPixel(x, y, (p >> 24) >= 128 ? p : key);
    }
  return bitmap;
}
