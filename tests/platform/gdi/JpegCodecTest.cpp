#include <gtest/gtest.h>

#include "platform/base/Exception.h"
#include "platform/gdi/JpegCodec.h"
#include "tests/platform/gdi/PictureFixtures.h"

namespace {

// A smooth colour picture, the kind JPEG keeps well.
std::unique_ptr<Surface> Gradient(SurfaceFormat Format) {
  auto s = std::make_unique<Surface>(64, 48, Format);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) s->SetPixel(x, y, 0xFF000000u | uint32_t((x * 4) << 16 | (y * 5) << 8 | (128 + x - y)));
  return s;
}

std::string Encode(const Surface& S, int Quality) {
  TMemoryStream stream;
  JpegCodec::Write(stream, S, Quality);
  return fixtures::Bytes(stream);
}

// The frame markers (0xC0..0xCF except DHT, JPG and DAC) of a JPEG file, up to the scan.
std::vector<uint8_t> FrameMarkers(const std::string& Jpeg, int& Components) {
  std::vector<uint8_t> frames;
  for (size_t at = 2; at + 4 <= Jpeg.size() && uint8_t(Jpeg[at]) == 0xFF;) {
    const uint8_t marker = uint8_t(Jpeg[at + 1]);
    if (marker == 0xDA) break;
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      frames.push_back(marker);
      Components = uint8_t(Jpeg[at + 9]);
    }
    at += 2 + ((uint8_t(Jpeg[at + 2]) << 8) | uint8_t(Jpeg[at + 3]));
  }
  return frames;
}

TEST(JpegCodecTest, WritesBaselineColourAndHonoursQuality) {
  for (SurfaceFormat format : { SurfaceFormat::Bgr24, SurfaceFormat::Bgra32 }) {
    auto source = Gradient(format);
    const std::string q90 = Encode(*source, 90);
    ASSERT_GE(q90.size(), 4u);
    EXPECT_EQ(q90.substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(q90.substr(q90.size() - 2), "\xFF\xD9");
    int components = 0;
    EXPECT_EQ(FrameMarkers(q90, components), std::vector<uint8_t> { 0xC0 });
    EXPECT_EQ(components, 3);
    EXPECT_LT(Encode(*source, 30).size(), q90.size());
  }
}

TEST(JpegCodecTest, ReadsBackCloseToTheOriginalAndStopsAtTheEndMarker) {
  auto source = Gradient(SurfaceFormat::Bgr24);
  const std::string jpeg = Encode(*source, 90);
  TMemoryStream s;
  fixtures::Fill(s, jpeg + "tail");
  auto back = JpegCodec::Read(s);
  EXPECT_EQ(s.Position(), Int64(jpeg.size()));
  ASSERT_EQ(back->Width(), 64);
  ASSERT_EQ(back->Height(), 48);
  EXPECT_EQ(back->Format(), SurfaceFormat::Bgr24);
  long total = 0;
  int worst = 0;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x)
      for (int shift : { 0, 8, 16 }) {
        const int d = std::abs(int((back->Pixel(x, y) >> shift) & 0xFF) - int((source->Pixel(x, y) >> shift) & 0xFF));
        total += d;
        worst = std::max(worst, d);
      }
  EXPECT_LT(double(total) / (64 * 48 * 3), 2.0);
  EXPECT_LT(worst, 24);
}

TEST(JpegCodecTest, ReadsGreyPicturesAsEqualChannels) {
  // A 16 x 8 grey ramp written by libjpeg itself.
  const std::string grey = fixtures::GreyJpeg(16, 8, false, [](int x) { return uint8_t(x * 16); });

  TMemoryStream s;
  fixtures::Fill(s, grey);
  auto pixels = JpegCodec::Read(s);
  ASSERT_EQ(pixels->Width(), 16);
  for (int x = 0; x < 16; ++x) {
    const uint32_t p = pixels->Pixel(x, 4);
    EXPECT_EQ(p & 0xFF, (p >> 8) & 0xFF);
    EXPECT_EQ(p & 0xFF, (p >> 16) & 0xFF);
    EXPECT_NEAR(int(p & 0xFF), x * 16, 6);
  }
}

TEST(JpegCodecTest, RejectsDamagedData) {
  const std::string jpeg = Encode(*Gradient(SurfaceFormat::Bgr24), 90);
  for (const std::string& bytes : { jpeg.substr(0, jpeg.size() / 2), jpeg.substr(0, 100), std::string("\xFF\xD8"),
                                    std::string("not a picture at all") }) {
    TMemoryStream s;
    fixtures::Fill(s, bytes);
    EXPECT_THROW(JpegCodec::Read(s), EInvalidGraphic);
  }
}

}  // namespace
