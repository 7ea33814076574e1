#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "platform/gdi/ColorQuantizer.h"
#include "platform/gdi/Surface.h"

namespace {

uint32_t ColorAt(const TIndexedImage& Image, int X, int Y) {
  const TPaletteColor& c = Image.Palette.at(Image.Indexes.at(size_t(Y) * Image.Width + X));
  return uint32_t(c.R << 16 | c.G << 8 | c.B);
}

TIndexedImage Quantize(const Surface& S, int MaxColors) {
  return ColorQuantizer::Quantize(S.Row(0), S.Width(), S.Height(), S.Stride(), S.BytesPerPixel(), MaxColors);
}

TEST(ColorQuantizerTest, KeepsPicturesWithFewColoursExactly) {
  for (int colours : { 1, 3, 256 }) {
    SCOPED_TRACE(colours);
    Surface s(32, 16, SurfaceFormat::Bgr24);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 32; ++x) s.SetPixel(x, y, uint32_t(((y * 32 + x) % colours) * 0x010203));
    TIndexedImage image = Quantize(s, 256);
    EXPECT_EQ(int(image.Palette.size()), colours);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 32; ++x) ASSERT_EQ(ColorAt(image, x, y), s.Pixel(x, y) & 0xFFFFFF);
  }
}

TEST(ColorQuantizerTest, ReducesManyColoursToTheLimitKeepingTheAverage) {
  // 4096 colours from a bottom-up 32-bit surface (negative stride).
  Surface s(64, 64, SurfaceFormat::Bgra32, true);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) s.SetPixel(x, y, uint32_t((x * 4) << 16 | (y * 4) << 8 | ((x + y) * 2)));
  for (int limit : { 256, 16, 2 }) {
    SCOPED_TRACE(limit);
    TIndexedImage image = Quantize(s, limit);
    EXPECT_LE(int(image.Palette.size()), limit);
    std::set<uint8_t> used(image.Indexes.begin(), image.Indexes.end());
    EXPECT_LT(int(*used.rbegin()), int(image.Palette.size()));
    for (int shift : { 0, 8, 16 }) {
      double original = 0, reduced = 0;
      for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
          original += (s.Pixel(x, y) >> shift) & 0xFF;
          reduced += (ColorAt(image, x, y) >> shift) & 0xFF;
        }
      EXPECT_NEAR(reduced / 4096, original / 4096, 2.0);
    }
  }
}

TEST(ColorQuantizerTest, DithersSoThatLocalAveragesFollowTheOriginal) {
  // A grey ramp reduced to two colours: each stripe of columns must still average close to its grey
  // level, which only error diffusion achieves.
  Surface s(128, 32, SurfaceFormat::Bgr24);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 128; ++x) s.SetPixel(x, y, uint32_t(x * 2 * 0x010101));
  TIndexedImage image = Quantize(s, 2);
  ASSERT_EQ(image.Palette.size(), 2u);
  const int low = std::min(image.Palette[0].G, image.Palette[1].G), high = std::max(image.Palette[0].G, image.Palette[1].G);
  for (int stripe = 0; stripe < 16; ++stripe) {
    double original = 0, reduced = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = stripe * 8; x < stripe * 8 + 8; ++x) {
        original += std::clamp(x * 2, low, high);
        reduced += ColorAt(image, x, y) & 0xFF;
      }
    EXPECT_NEAR(reduced / 256, original / 256, 12.0) << "stripe " << stripe;
  }
}

}  // namespace
