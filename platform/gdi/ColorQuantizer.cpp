#include "platform/gdi/ColorQuantizer.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "platform/base/Exception.h"

namespace {

// The histogram works on 5 bits per channel: 32768 cells, small enough to build per picture and fine enough
// that the boxes' means (taken at full precision) are good palette colours.
constexpr int CellBits = 5;
constexpr int CellCount = 1 << (3 * CellBits);

int CellOf(int R, int G, int B) {
  constexpr int Shift = 8 - CellBits;
  return ((R >> Shift) << (2 * CellBits)) | ((G >> Shift) << CellBits) | (B >> Shift);
}

// Rounds an error kept in sixteenths to whole units, halves away from zero on both sides.
int FromSixteenths(int Value) { return Value >= 0 ? (Value + 8) / 16 : -((8 - Value) / 16); }

int CellChannel(int Cell, int Channel) { return (Cell >> ((2 - Channel) * CellBits)) & ((1 << CellBits) - 1); }

struct Cell {
  uint64_t Count { 0 };
  uint64_t Sum[3] { 0, 0, 0 };
};

struct Box {
  std::vector<int> Cells;  // indexes of non-empty histogram cells
  uint64_t Population { 0 };
  int Extent { 0 };         // the widest channel range, in cells
  int Channel { 0 };        // the channel with that range
};

void Measure(Box& B, const std::vector<Cell>& Histogram) {
  int lo[3] = { CellCount, CellCount, CellCount };
  int hi[3] = { -1, -1, -1 };
  B.Population = 0;
  for (int c : B.Cells) {
    B.Population += Histogram[c].Count;
    for (int ch = 0; ch < 3; ++ch) {
      lo[ch] = std::min(lo[ch], CellChannel(c, ch));
      hi[ch] = std::max(hi[ch], CellChannel(c, ch));
    }
  }
  B.Extent = -1;
  for (int ch = 0; ch < 3; ++ch)
    if (hi[ch] - lo[ch] > B.Extent) {
      B.Extent = hi[ch] - lo[ch];
      B.Channel = ch;
    }
}

// Splits a box along its widest channel where half of its pixels lie on each side.
std::pair<Box, Box> Split(Box& B, const std::vector<Cell>& Histogram) {
  std::sort(B.Cells.begin(), B.Cells.end(),
            [&](int a, int b) { return CellChannel(a, B.Channel) < CellChannel(b, B.Channel); });
  uint64_t half = B.Population / 2, running = 0;
  size_t cut = 1;
  for (; cut < B.Cells.size(); ++cut) {
    running += Histogram[B.Cells[cut - 1]].Count;
    if (running >= half) break;
  }
  cut = std::clamp<size_t>(cut, 1, B.Cells.size() - 1);
  Box first, second;
  first.Cells.assign(B.Cells.begin(), B.Cells.begin() + static_cast<ptrdiff_t>(cut));
  second.Cells.assign(B.Cells.begin() + static_cast<ptrdiff_t>(cut), B.Cells.end());
  Measure(first, Histogram);
  Measure(second, Histogram);
  return { std::move(first), std::move(second) };
}

std::vector<TPaletteColor> MedianCut(const std::vector<Cell>& Histogram, int MaxColors) {
  Box all;
  for (int c = 0; c < CellCount; ++c)
    if (Histogram[c].Count) all.Cells.push_back(c);
  Measure(all, Histogram);
  std::vector<Box> boxes;
  boxes.push_back(std::move(all));
  while (static_cast<int>(boxes.size()) < MaxColors) {
    // The box to split: the widest one, the more populous of equally wide ones.
    auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
      return a.Extent != b.Extent ? a.Extent < b.Extent : a.Population < b.Population;
    });
    if (widest->Cells.size() < 2) break;
    auto [first, second] = Split(*widest, Histogram);
    *widest = std::move(first);
    boxes.push_back(std::move(second));
  }
  std::vector<TPaletteColor> palette;
  for (const Box& b : boxes) {
    uint64_t sum[3] = { 0, 0, 0 };
    for (int c : b.Cells)
      for (int ch = 0; ch < 3; ++ch) sum[ch] += Histogram[c].Sum[ch];
    auto mean = [&](int ch) { return static_cast<uint8_t>((sum[ch] + b.Population / 2) / b.Population); };
    palette.push_back({ mean(0), mean(1), mean(2) });
  }
  return palette;
}

int Nearest(const std::vector<TPaletteColor>& Palette, int R, int G, int B) {
  int best = 0, bestDistance = 1 << 30;
  for (int i = 0; i < static_cast<int>(Palette.size()); ++i) {
    int dr = R - Palette[i].R, dg = G - Palette[i].G, db = B - Palette[i].B;
    int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

// Floyd-Steinberg error diffusion, serpentine so the error does not drift to one side. The nearest
// palette entry is cached per histogram cell.
void Dither(const uint8_t* Pixels, ptrdiff_t Stride, int BytesPerPixel, TIndexedImage& Image) {
  const int w = Image.Width;
  std::vector<int16_t> nearest(CellCount, -1);
  // Errors in sixteenths, for this row and the next, with one spare column on each side.
  std::vector<std::array<int, 3>> current(w + 2), next(w + 2);
  for (int y = 0; y < Image.Height; ++y) {
    std::fill(next.begin(), next.end(), std::array<int, 3> { 0, 0, 0 });
    const bool leftToRight = y % 2 == 0;
    const int step = leftToRight ? 1 : -1;
    for (int i = 0; i < w; ++i) {
      const int x = leftToRight ? i : w - 1 - i;
      const uint8_t* p = Pixels + y * Stride + static_cast<ptrdiff_t>(x) * BytesPerPixel;
      int rgb[3];
      for (int ch = 0; ch < 3; ++ch) rgb[ch] = std::clamp(p[2 - ch] + FromSixteenths(current[x + 1][ch]), 0, 255);
      int cell = CellOf(rgb[0], rgb[1], rgb[2]);
      if (nearest[cell] < 0) nearest[cell] = static_cast<int16_t>(Nearest(Image.Palette, rgb[0], rgb[1], rgb[2]));
      const TPaletteColor& chosen = Image.Palette[nearest[cell]];
      Image.Indexes[static_cast<size_t>(y) * w + x] = static_cast<uint8_t>(nearest[cell]);
      const int error[3] = { rgb[0] - chosen.R, rgb[1] - chosen.G, rgb[2] - chosen.B };
      for (int ch = 0; ch < 3; ++ch) {
        current[x + 1 + step][ch] += error[ch] * 7;
        next[x + 1 - step][ch] += error[ch] * 3;
        next[x + 1][ch] += error[ch] * 5;
        next[x + 1 + step][ch] += error[ch];
      }
    }
    std::swap(current, next);
  }
}

// The exact palette of a picture with at most MaxColors distinct colours, or an empty one.
bool ExactPalette(const uint8_t* Pixels, ptrdiff_t Stride, int BytesPerPixel, int MaxColors, TIndexedImage& Image) {
  std::unordered_map<uint32_t, uint8_t> index;
  for (int y = 0; y < Image.Height; ++y) {
    const uint8_t* row = Pixels + y * Stride;
    for (int x = 0; x < Image.Width; ++x) {
      const uint8_t* p = row + static_cast<ptrdiff_t>(x) * BytesPerPixel;
      uint32_t key = (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
      auto found = index.find(key);
      if (found == index.end()) {
        if (static_cast<int>(index.size()) == MaxColors) return false;
        found = index.emplace(key, static_cast<uint8_t>(index.size())).first;
        Image.Palette.push_back({ p[2], p[1], p[0] });
      }
      Image.Indexes[static_cast<size_t>(y) * Image.Width + x] = found->second;
    }
  }
  return true;
}

}  // namespace

TIndexedImage ColorQuantizer::Quantize(const uint8_t* Pixels, int Width, int Height, ptrdiff_t Stride,
                                       int BytesPerPixel, int MaxColors) {
  if (Width < 0 || Height < 0 || (BytesPerPixel != 3 && BytesPerPixel != 4) || MaxColors < 1 || MaxColors > 256)
    throw EAssertionFailed("ColorQuantizer: bad picture description");
  TIndexedImage image;
  image.Width = Width;
  image.Height = Height;
  image.Indexes.assign(static_cast<size_t>(Width) * Height, 0);
  if (ExactPalette(Pixels, Stride, BytesPerPixel, MaxColors, image)) return image;

  std::vector<Cell> histogram(CellCount);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      const uint8_t* p = Pixels + y * Stride + static_cast<ptrdiff_t>(x) * BytesPerPixel;
      Cell& c = histogram[CellOf(p[2], p[1], p[0])];
      ++c.Count;
      c.Sum[0] += p[2];
      c.Sum[1] += p[1];
      c.Sum[2] += p[0];
    }
  image.Palette = MedianCut(histogram, MaxColors);
  Dither(Pixels, Stride, BytesPerPixel, image);
  return image;
}
