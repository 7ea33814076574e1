#include <gtest/gtest.h>

// Designated initialisers leave the fields they do not name at their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include "platform/base/Exception.h"
#include "platform/gdi/BmpCodec.h"
#include "tests/platform/gdi/PictureFixtures.h"

namespace {

using fixtures::BmpSpec;

TBmpPicture ReadBmp(const std::string& Bytes) {
  TMemoryStream s;
  fixtures::Fill(s, Bytes);
  return BmpCodec::Read(s);
}

// 0xAARRGGBB of every pixel, top row first.
std::vector<uint32_t> PixelsOf(const Surface& S) {
  std::vector<uint32_t> out;
  for (int y = 0; y < S.Height(); ++y)
    for (int x = 0; x < S.Width(); ++x) out.push_back(S.Pixel(x, y));
  return out;
}

TEST(BmpCodecTest, ReadsPaletteDepthsBottomUpAndTopDown) {
  const uint32_t red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF, white = 0xFFFFFF;
  struct Case {
    const char* Name;
    BmpSpec Spec;
    std::vector<uint32_t> Expected;  // top row first
  };
  const Case cases[] = {
    // A 1-bit mask, 3 x 2: top row black-white-black, bottom row white-white-black.
    { "1-bit bottom-up", { .BitCount = 1, .Width = 3, .Height = 2, .Palette = { 0x000000, white }, .Rows = { { 0b11000000 }, { 0b01000000 } } },
      { 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000 } },
    { "1-bit top-down", { .BitCount = 1, .Width = 3, .Height = -2, .Palette = { 0x000000, white }, .Rows = { { 0b01000000 }, { 0b11000000 } } },
      { 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000 } },
    { "4-bit", { .BitCount = 4, .Width = 3, .Height = 1, .Palette = { red, green, blue }, .Rows = { { 0x21, 0x00 } } }, { 0xFF0000FF, 0xFF00FF00, 0xFFFF0000 } },
    { "8-bit", { .BitCount = 8, .Width = 3, .Height = -1, .Palette = { red, green, blue }, .Rows = { { 2, 0, 1 } } }, { 0xFF0000FF, 0xFFFF0000, 0xFF00FF00 } },
    // An index beyond a short colour table reads as black rather than from memory after it.
    { "8-bit index beyond the table", { .BitCount = 8, .Width = 1, .Height = 1, .Palette = { red }, .Rows = { { 7 } } }, { 0xFF000000 } },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TBmpPicture p = ReadBmp(fixtures::BmpBytes(c.Spec));
    EXPECT_EQ(p.BitCount, c.Spec.BitCount);
    EXPECT_EQ(p.Pixels->Format(), SurfaceFormat::Bgra32);
    EXPECT_EQ(PixelsOf(*p.Pixels), c.Expected);
  }
}

TEST(BmpCodecTest, Reads32BitPlainAndWithChannelMasks) {
  // Plain 32 bits keep the fourth byte; masks are honoured, also 16-bit wide ones and an alpha mask.
  BmpSpec plain { .BitCount = 32, .Rows = { { 0x10, 0x20, 0x30, 0x40 } } };
  EXPECT_EQ(ReadBmp(fixtures::BmpBytes(plain)).Pixels->Pixel(0, 0), 0x40302010u);

  BmpSpec swapped { .BitCount = 32, .Rows = { { 0x11, 0x22, 0x33, 0x44 } }, .Compression = 3,
                   .Masks = { 0x000000FF, 0x0000FF00, 0x00FF0000 } };
  EXPECT_EQ(ReadBmp(fixtures::BmpBytes(swapped)).Pixels->Pixel(0, 0), 0xFF112233u);

  BmpSpec withAlpha { .BitCount = 32, .Rows = { { 0x11, 0x22, 0x33, 0x80 } }, .Compression = 3,
                     .Masks = { 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000 }, .InfoSize = 124 };
  EXPECT_EQ(ReadBmp(fixtures::BmpBytes(withAlpha)).Pixels->Pixel(0, 0), 0x80332211u);
}

TEST(BmpCodecTest, Writes24BitOddWidthWithPaddedRowsAndReadsItBack) {
  Surface source(3, 2, SurfaceFormat::Bgr24);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) source.SetPixel(x, y, 0xFF000000u | uint32_t(y * 0x400000 + x * 0x40 + 1));
  TMemoryStream s;
  BmpCodec::Write(s, source, 24);
  const std::string bytes = fixtures::Bytes(s);
  ASSERT_EQ(bytes.size(), 54u + 2 * 12);  // rows of 9 bytes padded to 12
  EXPECT_EQ(uint8_t(bytes[2]) | (uint8_t(bytes[3]) << 8), int(bytes.size()));
  EXPECT_EQ(uint8_t(bytes[28]), 24);

  TBmpPicture back = ReadBmp(bytes);
  EXPECT_EQ(back.BitCount, 24);
  ASSERT_EQ(back.Pixels->Format(), SurfaceFormat::Bgr24);
  EXPECT_EQ(PixelsOf(*back.Pixels), PixelsOf(source));

  // The same picture stored top-down reads the same.
  BmpSpec topDown { .BitCount = 24, .Width = 3, .Height = -2 };
  for (int y = 0; y < 2; ++y) topDown.Rows.emplace_back(source.Row(y), source.Row(y) + 9);
  EXPECT_EQ(PixelsOf(*ReadBmp(fixtures::BmpBytes(topDown)).Pixels), PixelsOf(source));
}

TEST(BmpCodecTest, Writes32BitKeepingAlpha) {
  Surface source(2, 1, SurfaceFormat::Bgra32);
  source.SetPixel(0, 0, 0x80112233);
  source.SetPixel(1, 0, 0x00FFFFFF);
  TMemoryStream s;
  BmpCodec::Write(s, source, 32);
  EXPECT_EQ(s.Size(), 54 + 8);
  s.SetPosition(0);
  TBmpPicture back = BmpCodec::Read(s);
  EXPECT_EQ(back.BitCount, 32);
  EXPECT_EQ(PixelsOf(*back.Pixels), PixelsOf(source));
}

TEST(BmpCodecTest, ReadsPicturesStoredBackToBack) {
  const std::string first = fixtures::BmpBytes({ .BitCount = 1, .Width = 2, .Palette = { 0, 0xFFFFFF }, .Rows = { { 0b10000000 } } });
  const std::string second = fixtures::BmpBytes({ .BitCount = 24, .Rows = { { 1, 2, 3 } } });
  TMemoryStream s;
  fixtures::Fill(s, first + second + "tail");
  EXPECT_EQ(BmpCodec::Read(s).Pixels->Pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(s.Position(), Int64(first.size()));
  EXPECT_EQ(BmpCodec::Read(s).Pixels->Pixel(0, 0), 0xFF030201u);
  EXPECT_EQ(s.Position(), Int64(first.size() + second.size()));
}

TEST(BmpCodecTest, RejectsDamagedFiles) {
  const BmpSpec good { .BitCount = 24, .Width = 2, .Height = 2, .Rows = { { 1, 2, 3, 4, 5, 6 }, { 7, 8, 9, 10, 11, 12 } } };
  const std::string valid = fixtures::BmpBytes(good);
  auto with = [&](auto Change) {
    BmpSpec s = good;
    Change(s);
    return fixtures::BmpBytes(s);
  };
  struct Case {
    const char* Name;
    std::string Bytes;
  };
  const Case cases[] = {
    { "wrong magic", "XM" + valid.substr(2) },
    { "truncated pixels", valid.substr(0, valid.size() - 5) },
    { "bfSize beyond the stream", with([](BmpSpec& s) { s.FileSizeOverride = 1 << 30; }) },
    { "bfSize smaller than the headers", with([](BmpSpec& s) { s.FileSizeOverride = 20; }) },
    { "pixel offset beyond the file", with([](BmpSpec& s) { s.OffsetOverride = 4000; }) },
    { "pixel offset inside the headers", with([](BmpSpec& s) { s.OffsetOverride = 30; }) },
    { "rows beyond bfSize", with([](BmpSpec& s) { s.Height = 40; }) },
    { "absurd width", with([](BmpSpec& s) {
        s.Width = 1 << 30;
        s.Rows.clear();
      }) },
    { "absurd pixel count of a 1-bit picture",
      fixtures::BmpBytes({ .BitCount = 1, .Width = 30000, .Height = 30000, .Palette = { 0, 0xFFFFFF } }) },
    { "negative width", with([](BmpSpec& s) { s.Width = -2; }) },
    { "unsupported depth", with([](BmpSpec& s) { s.BitCount = 16; }) },
    { "compressed rows", with([](BmpSpec& s) { s.Compression = 1; }) },
    { "unknown header size", with([](BmpSpec& s) { s.InfoSize = 64; }) },
    { "colour table reaching past the pixel offset",
      fixtures::BmpBytes({ .BitCount = 8, .Palette = { 0, 1, 2, 3 }, .Rows = { { 0 } }, .OffsetOverride = 14 + 40 + 8 }) },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_THROW(ReadBmp(c.Bytes), EInvalidGraphic);
  }
  // Too short even for the file header: a short read.
  EXPECT_THROW(ReadBmp("BM\x10"), EReadError);
}

}  // namespace
