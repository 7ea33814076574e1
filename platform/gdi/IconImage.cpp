#include "platform/gdi/IconImage.h"

#include <algorithm>
#include <cmath>

namespace {

bool Larger(const TIconImage& Image, int Width, int Height) { return Image.Width() >= Width && Image.Height() >= Height; }
int64_t Area(const TIconImage& Image) { return int64_t(Image.Width()) * Image.Height(); }

/// The source cells one destination cell covers: the first of them, and the share of the destination cell
/// that each one takes.
struct Span {
  int First { 0 };
  std::vector<double> Weights;
};

std::vector<Span> Spans(int Source, int Dest) {
  std::vector<Span> spans(static_cast<size_t>(Dest));
  const double scale = double(Source) / Dest;
  for (int d = 0; d < Dest; ++d) {
    const double from = d * scale, to = (d + 1) * scale;
    Span& s = spans[size_t(d)];
    s.First = int(std::floor(from));
    for (int i = s.First; i < Source && i < to; ++i)
      s.Weights.push_back((std::min(to, double(i + 1)) - std::max(from, double(i))) / scale);
  }
  return spans;
}

}  // namespace

const TIconImage& BestIconImage(const TIconImages& Images, int Width, int Height) {
  const TIconImage* best = nullptr;
  for (const TIconImage& image : Images)
    if (image.Width() == Width && image.Height() == Height && (!best || image.BitCount > best->BitCount)) best = &image;
  if (best) return *best;
  for (const TIconImage& image : Images)
    if (Larger(image, Width, Height) && (!best || Area(image) < Area(*best))) best = &image;
  if (best) return *best;
  for (const TIconImage& image : Images)
    if (!best || Area(image) > Area(*best)) best = &image;
  return *best;
}

TIconImage ResizedIconImage(const TIconImage& Image, int Width, int Height) {
  const Surface& from = *Image.Pixels;
  auto to = std::make_shared<Surface>(Width, Height, SurfaceFormat::Bgra32);
  const std::vector<Span> columns = Spans(from.Width(), Width), rows = Spans(from.Height(), Height);
  for (int y = 0; y < Height; ++y) {
    const Span& row = rows[size_t(y)];
    for (int x = 0; x < Width; ++x) {
      const Span& column = columns[size_t(x)];
      double sum[4] {};
      for (size_t j = 0; j < row.Weights.size(); ++j)
        for (size_t i = 0; i < column.Weights.size(); ++i) {
          const uint32_t p = from.Pixel(column.First + int(i), row.First + int(j));
          const double w = row.Weights[j] * column.Weights[i], a = double(p >> 24) * w;
          for (int c = 0; c < 3; ++c) sum[c] += double((p >> (8 * c)) & 0xFF) * a;
          sum[3] += a;
        }
      uint32_t pixel = 0;
      if (sum[3] > 0) {
        for (int c = 0; c < 3; ++c) pixel |= uint32_t(std::lround(std::min(255.0, sum[c] / sum[3]))) << (8 * c);
        const double alpha = Image.HasAlpha() ? sum[3] : (sum[3] >= 127.5 ? 255 : 0);
        pixel |= uint32_t(std::lround(std::min(255.0, alpha))) << 24;
      }
      to->SetPixel(x, y, pixel);
    }
  }
  return { std::move(to), Image.BitCount };
}
