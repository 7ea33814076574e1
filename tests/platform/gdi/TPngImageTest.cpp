#include <gtest/gtest.h>

// Designated initialisers leave the fields they do not name at their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include <cmath>

#include "platform/base/Exception.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TPngImage.h"
#include "tests/platform/gdi/PictureFixtures.h"

namespace {

using fixtures::PngSpec;

const png_color red { 255, 0, 0 }, blue { 0, 0, 255 };

void Load(TPngImage& Png, const PngSpec& Spec) {
  TMemoryStream s;
  fixtures::Fill(s, fixtures::PngBytes(Spec));
  Png.LoadFromStream(&s);
}

TColor ColorAt(TPngImage& Png, int X, int Y) {
  const uint8_t* p = Png.Scanline(Y) + 3 * X;
  return RGB(p[2], p[1], p[0]);
}

// How an image list greys out a disabled picture: it reads the colour type and the tRNS colour kept from
// the file, gives RGB pictures an alpha channel and halves the alpha (grey and palette pictures get 127).
std::vector<int> DisabledAlpha(TPngImage& Png) {
  const bool bit = Png.TransparencyMode() == ptmBit;
  const TColor key = Png.TransparentColor();
  const int type = Png.Header().ColorType;
  if (type == COLOR_RGB) Png.CreateAlpha();
  std::vector<int> out;
  for (int y = 0; y < Png.Height(); ++y)
    for (int x = 0; x < Png.Width(); ++x) {
      if (bit && ColorAt(Png, x, y) == key)
        out.push_back(0);
      else if (type == COLOR_GRAYSCALE || type == COLOR_PALETTE)
        out.push_back(127);
      else
        out.push_back(int(std::nearbyint(Png.AlphaScanline(y)[x] * 128 / 256.0)));
    }
  return out;
}

TEST(TPngImageTest, KeepsColourTypeAndTransparencyForTheDisabledLook) {
  struct Case {
    const char* Name;
    PngSpec Spec;
    TPngTransparencyMode Mode;
    std::vector<int> Disabled;
  };
  const Case cases[] = {
    { "RGBA", { .ColorType = 6, .Width = 3, .Data = { 1, 2, 3, 255, 1, 2, 3, 1, 1, 2, 3, 3 } }, ptmPartial,
      { 128, 0, 2 } },
    { "RGB", { .ColorType = 2, .Width = 2, .Data = { 1, 2, 3, 4, 5, 6 } }, ptmNone, { 128, 128 } },
    { "palette", { .ColorType = 3, .Width = 2, .Data = { 0, 1 }, .Palette = { red, blue } }, ptmNone, { 127, 127 } },
    { "grey", { .ColorType = 0, .Width = 2, .Data = { 0, 200 } }, ptmNone, { 127, 127 } },
    { "RGB with a tRNS colour",
      { .ColorType = 2, .Width = 2, .Data = { 1, 2, 3, 4, 5, 6 }, .TrnsColor = png_color_16 { 0, 4, 5, 6, 0 } }, ptmBit,
      { 128, 0 } },
    { "palette with a transparent entry",
      { .ColorType = 3, .Width = 2, .Data = { 0, 1 }, .Palette = { red, blue }, .TrnsAlpha = { 0 } }, ptmBit, { 0, 127 } },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TPngImage png;
    Load(png, c.Spec);
    EXPECT_EQ(png.Header().ColorType, c.Spec.ColorType);
    EXPECT_EQ(png.TransparencyMode(), c.Mode);
    EXPECT_EQ(png.Transparent(), c.Mode != ptmNone);
    EXPECT_EQ(DisabledAlpha(png), c.Disabled);
  }
}

TEST(TPngImageTest, CreateAlphaTurnsTheTransparentColourIntoAlpha) {
  TPngImage png;
  Load(png, { .ColorType = 0, .Width = 3, .Data = { 10, 20, 10 }, .TrnsColor = png_color_16 { 0, 0, 0, 0, 10 } });
  EXPECT_EQ(png.AlphaScanline(0), nullptr);
  png.CreateAlpha();
  EXPECT_EQ(png.Header().ColorType, COLOR_GRAYSCALEALPHA);
  EXPECT_EQ(png.TransparencyMode(), ptmPartial);
  ASSERT_NE(png.AlphaScanline(0), nullptr);
  EXPECT_EQ(std::vector<uint8_t>(png.AlphaScanline(0), png.AlphaScanline(0) + 3), (std::vector<uint8_t> { 0, 255, 0 }));
  EXPECT_THROW(png.AlphaScanline(1), EInvalidGraphic);
}

TEST(TPngImageTest, DrawsWithAlphaOrLeavingOutTheTransparentColour) {
  TBitmap target;
  target.SetPixelFormat(pf32bit);
  target.SetSize(3, 2);
  target.Canvas()->Brush()->SetColor(clRed);
  target.Canvas()->FillRect(Rect(0, 0, 3, 2));

  TPngImage alpha;
  Load(alpha, { .ColorType = 6, .Width = 3, .Data = { 0, 0, 255, 255, 0, 0, 255, 0, 0, 0, 255, 128 } });
  target.Canvas()->Draw(0, 0, &alpha);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(1, 0), clRed);
  const TColor half = target.Canvas()->Pixels(2, 0);
  EXPECT_NEAR(GetRValue(half), 127, 2);
  EXPECT_NEAR(GetBValue(half), 128, 2);

  TPngImage keyed;
  Load(keyed, { .ColorType = 0, .Width = 3, .Data = { 0, 255, 0 }, .TrnsColor = png_color_16 { 0, 0, 0, 0, 255 } });
  target.Canvas()->Draw(0, 1, &keyed);
  EXPECT_EQ(target.Canvas()->Pixels(0, 1), clBlack);
  EXPECT_EQ(target.Canvas()->Pixels(1, 1), clRed);
}

TEST(TPngImageTest, TakesOverABitmapAndSavesItAsRgbAtLevelSeven) {
  TBitmap snapshot;
  snapshot.SetPixelFormat(pf24bit);
  snapshot.SetSize(5, 3);
  snapshot.Canvas()->SetPixels(4, 2, RGB(9, 8, 7));
  TPngImage png;
  png.Assign(&snapshot);
  EXPECT_EQ(png.CompressionLevel(), 7);
  TMemoryStream s;
  png.SaveToStream(&s);
  const std::string bytes = fixtures::Bytes(s);
  const std::vector<fixtures::PngChunk> chunks = fixtures::PngChunks(bytes);
  EXPECT_EQ(chunks.front().Data[9], 2);  // RGB
  EXPECT_EQ(uint8_t(fixtures::PngImageData(bytes)[1]) >> 6, 3);

  int w = 0, h = 0;
  const std::vector<uint8_t> rgba = fixtures::DecodePngRgba(bytes, w, h);
  ASSERT_EQ(rgba.size(), size_t(5 * 3 * 4));
  EXPECT_EQ(std::vector<uint8_t>(rgba.end() - 4, rgba.end()), (std::vector<uint8_t> { 9, 8, 7, 255 }));
  EXPECT_EQ(rgba[0], 255);

  png.SetCompressionLevel(1);
  TMemoryStream fast;
  png.SaveToStream(&fast);
  EXPECT_EQ(uint8_t(fixtures::PngImageData(fixtures::Bytes(fast))[1]) >> 6, 0);
}

TEST(TPngImageTest, AssignsToABitmapWithAlphaOrTransparentColour) {
  TPngImage alpha;
  Load(alpha, { .ColorType = 6, .Data = { 10, 20, 30, 40 } });
  TBitmap b;
  b.Assign(&alpha);
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  EXPECT_EQ(*static_cast<uint32_t*>(b.ScanLine(0)), 0x280A141Eu);

  TPngImage keyed;
  Load(keyed, { .ColorType = 2, .Data = { 1, 2, 3 }, .TrnsColor = png_color_16 { 0, 1, 2, 3, 0 } });
  b.Assign(&keyed);
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentColor(), RGB(1, 2, 3));

  TPngImage copy;
  copy.Assign(&keyed);
  EXPECT_EQ(copy.TransparencyMode(), ptmBit);
  EXPECT_EQ(ColorAt(copy, 0, 0), RGB(1, 2, 3));
}

TEST(TPngImageTest, DamagedDataLeavesThePictureUnchanged) {
  TPngImage png;
  Load(png, { .ColorType = 0, .Width = 2, .Data = { 5, 6 } });
  PngSpec big { .ColorType = 2, .Width = 8, .Height = 8, .Data = std::vector<uint8_t>(8 * 8 * 3, 77) };
  const std::string bytes = fixtures::PngBytes(big);
  TMemoryStream s;
  fixtures::Fill(s, bytes.substr(0, bytes.size() - 20));
  EXPECT_THROW(png.LoadFromStream(&s), EInvalidGraphic);
  EXPECT_EQ(png.Width(), 2);
  EXPECT_EQ(png.Header().ColorType, COLOR_GRAYSCALE);
  EXPECT_EQ(ColorAt(png, 1, 0), RGB(6, 6, 6));
}

}  // namespace
