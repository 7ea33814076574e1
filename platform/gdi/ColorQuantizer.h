#pragma once
// Reduction of a true-colour picture to a palette of at most 256 colours, for formats that store indexed
// pixels only (GIF).
#include <cstddef>
#include <cstdint>
#include <vector>

/// One palette entry.
struct TPaletteColor {
  uint8_t R { 0 };
  uint8_t G { 0 };
  uint8_t B { 0 };
  friend bool operator==(const TPaletteColor&, const TPaletteColor&) = default;
};

/// A picture as palette indexes, row after row without padding.
struct TIndexedImage {
  int Width { 0 };
  int Height { 0 };
  std::vector<TPaletteColor> Palette;
  std::vector<uint8_t> Indexes;
};

/// Median-cut quantiser with Floyd-Steinberg error diffusion. A picture with no more distinct colours than
/// the palette may hold keeps its colours exactly and is not dithered.
class ColorQuantizer {
public:
  /// Quantises Width x Height pixels of BytesPerPixel (3 or 4) bytes in B, G, R order, rows Stride bytes
  /// apart, top row first, to at most MaxColors (1..256) colours.
  static TIndexedImage Quantize(const uint8_t* Pixels, int Width, int Height, ptrdiff_t Stride, int BytesPerPixel,
                                int MaxColors = 256);
};
