#include <gtest/gtest.h>
#include <sys/resource.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>

// Designated initialisers leave the fields they do not name at their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include "platform/base/Exception.h"
#include "platform/gdi/PngCodec.h"
#include "tests/platform/gdi/PictureFixtures.h"

namespace {

using fixtures::PngSpec;

TPngPicture ReadPng(const std::string& Bytes) {
  TMemoryStream s;
  fixtures::Fill(s, Bytes);
  return PngCodec::Read(s);
}

uint32_t Rgb(const TPngPicture& P, int X, int Y) { return P.Pixels->Pixel(X, Y) & 0xFFFFFF; }

// Rewrites the IHDR width and its CRC.
std::string WithWidth(std::string Png, uint32_t Width) {
  for (int i = 0; i < 4; ++i) Png[16 + i] = char(Width >> (24 - 8 * i));
  const uint32_t crc = uint32_t(crc32(0, reinterpret_cast<const Bytef*>(Png.data() + 12), 17));
  for (int i = 0; i < 4; ++i) Png[29 + i] = char(crc >> (24 - 8 * i));
  return Png;
}

TEST(PngCodecTest, ReadsEveryColourTypeKeepingHeaderAndTransparency) {
  const png_color red { 255, 0, 0 }, blue { 0, 0, 255 };
  struct Case {
    const char* Name;
    PngSpec Spec;
    uint32_t FirstPixel;          // 0xRRGGBB
    std::vector<uint8_t> Alpha;   // empty: no alpha
    bool BitTransparency;
    TColor TransparentColor;
  };
  const Case cases[] = {
    { "RGB", { .ColorType = 2, .Width = 2, .Data = { 10, 20, 30, 40, 50, 60 } }, 0x0A141E, {}, false, 0 },
    { "RGBA", { .ColorType = 6, .Width = 2, .Data = { 10, 20, 30, 128, 1, 2, 3, 255 } }, 0x0A141E, { 128, 255 },
      false, 0 },
    { "palette", { .ColorType = 3, .Width = 2, .Data = { 1, 0 }, .Palette = { red, blue } }, 0x0000FF, {}, false, 0 },
    { "2-bit palette with one transparent entry",
      { .ColorType = 3, .BitDepth = 2, .Width = 2, .Data = { 0x40 }, .Palette = { red, blue }, .TrnsAlpha = { 255, 0 } },
      0x0000FF, { 0, 255 }, true, RGB(0, 0, 255) },
    { "palette with partial transparency",
      { .ColorType = 3, .Width = 2, .Data = { 1, 0 }, .Palette = { red, blue }, .TrnsAlpha = { 255, 128 } },
      0x0000FF, { 128, 255 }, false, 0 },
    { "grey", { .ColorType = 0, .Width = 2, .Data = { 7, 200 } }, 0x070707, {}, false, 0 },
    { "1-bit grey with a tRNS level",
      { .ColorType = 0, .BitDepth = 1, .Width = 2, .Data = { 0x80 }, .TrnsColor = png_color_16 { 0, 0, 0, 0, 1 } },
      0xFFFFFF, {}, true, RGB(255, 255, 255) },
    { "16-bit RGB with a tRNS colour",
      { .ColorType = 2, .BitDepth = 16, .Data = { 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC },
        .TrnsColor = png_color_16 { 0, 0x1234, 0x5678, 0x9ABC, 0 } },
      0x12569A, {}, true, RGB(0x12, 0x56, 0x9A) },
    { "grey with alpha", { .ColorType = 4, .Width = 2, .Data = { 50, 60, 70, 80 } }, 0x323232, { 60, 80 }, false, 0 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string bytes = fixtures::PngBytes(c.Spec);
    ASSERT_FALSE(bytes.empty());
    TPngPicture p = ReadPng(bytes);
    EXPECT_EQ(p.ColorType, c.Spec.ColorType);
    EXPECT_EQ(p.BitDepth, c.Spec.BitDepth);
    EXPECT_EQ(p.Pixels->Width(), c.Spec.Width);
    EXPECT_EQ(Rgb(p, 0, 0), c.FirstPixel);
    EXPECT_EQ(p.Alpha, c.Alpha);
    EXPECT_EQ(p.BitTransparency, c.BitTransparency);
    if (c.BitTransparency) {
      EXPECT_EQ(p.TransparentColor, c.TransparentColor);
    }
  }
}

TEST(PngCodecTest, ReadsInterlacedPictures) {
  PngSpec spec { .ColorType = 2, .Width = 9, .Height = 9, .Interlaced = true };
  for (int i = 0; i < 81; ++i) spec.Data.insert(spec.Data.end(), { uint8_t(i), uint8_t(2 * i), uint8_t(255 - i) });
  TPngPicture p = ReadPng(fixtures::PngBytes(spec));
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) {
      const int i = y * 9 + x;
      ASSERT_EQ(Rgb(p, x, y), uint32_t((i << 16) | ((2 * i) << 8) | (255 - i))) << x << "," << y;
    }
}

TEST(PngCodecTest, WritesEightBitRgbWithSubFilterAndNoInterlace) {
  TPngPicture picture;
  picture.Pixels = std::make_unique<Surface>(3, 2, SurfaceFormat::Bgr24);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) picture.Pixels->SetPixel(x, y, uint32_t(0x102030 * (x + 1) + 0x050000 * y));
  TMemoryStream s;
  PngCodec::Write(s, picture, 7);
  const std::string bytes = fixtures::Bytes(s);

  const std::vector<fixtures::PngChunk> chunks = fixtures::PngChunks(bytes);
  ASSERT_EQ(chunks.front().Type, "IHDR");
  EXPECT_EQ(chunks.front().Data[8], 8);   // bit depth
  EXPECT_EQ(chunks.front().Data[9], 2);   // RGB
  EXPECT_EQ(chunks.front().Data[12], 0);  // not interlaced
  const std::string idat = fixtures::PngImageData(bytes);
  EXPECT_EQ(uint8_t(idat[1]) >> 6, 3);  // zlib's level flag for levels 7 to 9
  std::vector<uint8_t> raw(2 * (1 + 9));
  uLongf rawSize = raw.size();
  ASSERT_EQ(uncompress(raw.data(), &rawSize, reinterpret_cast<const Bytef*>(idat.data()), idat.size()), Z_OK);
  EXPECT_EQ(raw[0], 1);  // Sub
  EXPECT_EQ(raw[10], 1);

  int w = 0, h = 0;
  const std::vector<uint8_t> rgba = fixtures::DecodePngRgba(bytes, w, h);
  ASSERT_EQ(rgba.size(), 24u);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      const uint8_t* p = &rgba[size_t(4 * (y * 3 + x))];
      EXPECT_EQ(uint32_t((p[0] << 16) | (p[1] << 8) | p[2]), Rgb(picture, x, y));
      EXPECT_EQ(p[3], 255);
    }
}

TEST(PngCodecTest, WritesAlphaOrTheTransparentColour) {
  TPngPicture withAlpha;
  withAlpha.Pixels = std::make_unique<Surface>(2, 1, SurfaceFormat::Bgr24);
  withAlpha.Pixels->SetPixel(0, 0, 0x112233);
  withAlpha.Alpha = { 7, 255 };
  TMemoryStream s;
  PngCodec::Write(s, withAlpha, 7);
  int w = 0, h = 0;
  const std::vector<uint8_t> rgba = fixtures::DecodePngRgba(fixtures::Bytes(s), w, h);
  ASSERT_EQ(rgba.size(), 8u);
  EXPECT_EQ(std::vector<uint8_t>(rgba.begin(), rgba.begin() + 4), (std::vector<uint8_t> { 0x11, 0x22, 0x33, 7 }));
  EXPECT_EQ(rgba[7], 255);

  // Bit transparency without alpha survives as a tRNS colour of an RGB picture.
  TPngPicture keyed;
  keyed.Pixels = std::make_unique<Surface>(1, 1, SurfaceFormat::Bgr24);
  keyed.BitTransparency = true;
  keyed.TransparentColor = RGB(1, 2, 3);
  TMemoryStream k;
  PngCodec::Write(k, keyed, 7);
  k.SetPosition(0);
  TPngPicture back = PngCodec::Read(k);
  EXPECT_EQ(back.ColorType, COLOR_RGB);
  EXPECT_TRUE(back.Alpha.empty());
  EXPECT_TRUE(back.BitTransparency);
  EXPECT_EQ(back.TransparentColor, RGB(1, 2, 3));
}

TEST(PngCodecTest, LeavesTheStreamAfterTheEndChunk) {
  const std::string png = fixtures::PngBytes({ .ColorType = 0, .Data = { 9 } });
  TMemoryStream s;
  fixtures::Fill(s, png + png + "tail");
  PngCodec::Read(s);
  EXPECT_EQ(s.Position(), Int64(png.size()));
  EXPECT_EQ(Rgb(PngCodec::Read(s), 0, 0), 0x090909u);
  EXPECT_EQ(s.Position(), Int64(2 * png.size()));
}

TEST(PngCodecTest, RejectsDamagedData) {
  PngSpec spec { .ColorType = 2, .Width = 16, .Height = 16 };
  for (int i = 0; i < 16 * 16 * 3; ++i) spec.Data.push_back(uint8_t(i * 7));
  const std::string valid = fixtures::PngBytes(spec);
  std::string badCrc = valid;
  badCrc[20] ^= 1;
  std::string badData = valid;
  badData[valid.size() / 2] ^= 0x55;
  const std::string cases[] = {
    valid.substr(0, valid.size() / 2),
    valid.substr(0, 5),
    "GIF89a" + valid.substr(6),
    badCrc,
    badData,
    WithWidth(valid, 100000),
    WithWidth(valid, 0),
  };
  for (const std::string& bytes : cases) EXPECT_THROW(ReadPng(bytes), EInvalidGraphic);
}

// A 44-byte file whose text chunk claims 2 GB: the chunk is skipped as it streams past, so the file
// ends at once with nothing allocated for it (the reading runs in a child process that reports its
// peak memory).
TEST(PngCodecTest, AChunkClaimingGigabytesAllocatesNothing) {
  const std::string valid = fixtures::PngBytes({ .Width = 1, .Height = 1, .Data = { 1, 2, 3 } });
  const std::string hostile = valid.substr(0, 33) + std::string("\x7F\xFF\xFF\xF0tEXtk\0v", 11);
  ASSERT_EQ(hostile.size(), 44u);
  EXPECT_EXIT(
      {
        String message;
        try {
          ReadPng(hostile);
        } catch (const EInvalidGraphic& e) {
          message = e.Message;
        }
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        const long peakMb = usage.ru_maxrss / 1024;
        std::fprintf(stderr, "%s; peak %ld MB\n", message.c_str(), peakMb);
        std::exit(peakMb < 256 ? 0 : 1);
      },
      testing::ExitedWithCode(0), "Invalid PNG image: unexpected end of data; peak");
}

}  // namespace
