#pragma once
// Reading and writing of PNG data through libpng.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/TStream.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/Surface.h"

// Colour types of the PNG header.
constexpr int COLOR_GRAYSCALE = 0;
constexpr int COLOR_RGB = 2;
constexpr int COLOR_PALETTE = 3;
constexpr int COLOR_GRAYSCALEALPHA = 4;
constexpr int COLOR_RGBALPHA = 6;

/// A PNG picture with its colours widened to 8-bit RGB and the header's facts kept as metadata.
struct TPngPicture {
  int ColorType { COLOR_RGB };  // as the header said (COLOR_*)
  int BitDepth { 8 };           // as the header said
  std::unique_ptr<Surface> Pixels;  // Bgr24, top row first
  /// One alpha byte per pixel, rows of Width bytes top row first; empty when the picture has no alpha.
  std::vector<uint8_t> Alpha;
  /// Bit transparency: pixels of TransparentColor are transparent (a tRNS colour of a grey or RGB picture,
  /// or the single transparent entry of a palette whose other entries are opaque).
  bool BitTransparency { false };
  TColor TransparentColor { 0 };
};

/// The PNG codec. Reading accepts every colour type and depth, interlaced or not; a palette with
/// transparency is turned into the alpha bytes, the tRNS colour of grey and RGB pictures is kept as
/// TransparentColor. Writing stores 8-bit RGB (RGBA when the picture has alpha), not interlaced, every
/// row filtered with Sub, plus the tRNS colour of a bit-transparent picture without alpha.
class PngCodec {
public:
  /// Reads one PNG from Stream's position up to and including its end chunk. Damaged or truncated data
  /// raises EInvalidGraphic.
  static TPngPicture Read(TStream& Stream);
  /// Writes Picture with zlib compression level CompressionLevel (0..9).
  static void Write(TStream& Stream, const TPngPicture& Picture, int CompressionLevel);
};
