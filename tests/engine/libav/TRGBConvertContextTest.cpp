#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/TRGBConvertContext.h"
#include "tests/engine/fixtures/MediaFixtures.h"

namespace {

Fixture::TRGB BitmapPixel(TBitmap& ABitmap, int X, int Y) {
  const auto* Row = static_cast<const uint8_t*>(ABitmap.ScanLine(Y));
  return { Row[X * 3 + 2], Row[X * 3 + 1], Row[X * 3] };
}

bool Near(const Fixture::TRGB& A, const Fixture::TRGB& B, int ATolerance) {
  return std::abs(A.R - B.R) <= ATolerance && std::abs(A.G - B.G) <= ATolerance && std::abs(A.B - B.B) <= ATolerance;
}

TFramePtr NewPicture(AVPixelFormat AFormat, int AWidth, int AHeight) {
  TFramePtr Frame(LibAVUtil.av_frame_alloc());
  Frame->format = AFormat;
  Frame->width = AWidth;
  Frame->height = AHeight;
  EXPECT_EQ(LibAVUtil.av_frame_get_buffer(Frame.get(), 1), 0);
  return Frame;
}

void FillBytes(AVFrame* AFrame, int ARowBytes) {
  for (int Y = 0; Y < AFrame->height; ++Y)
    for (int X = 0; X < ARowBytes; ++X) AFrame->data[0][Y * AFrame->linesize[0] + X] = uint8_t(X * 7 + Y * 13);
}

class TRGBConvertContextTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    String Error;
    ASSERT_TRUE(LoadAVLib("", TranscoderLibraries, Error)) << Error;
  }
  TRGBConvertContext Context;
};

}  // namespace

TEST_F(TRGBConvertContextTest, ADecodedClipFrameBecomesA24BitBitmapWithItsColours) {
  const TFramePtr Frame = DecodeVideoFrameAt(MediaFixtures().ClipAVI, 1.0);
  ASSERT_TRUE(Frame);
  ASSERT_TRUE(FrameToBitmap(Context, Frame.get()));
  TBitmap& Bitmap = *Context.Bitmap;
  EXPECT_EQ(Bitmap.PixelFormat(), pf24bit);
  EXPECT_EQ(Bitmap.Width(), Fixture::Width);
  EXPECT_EQ(Bitmap.Height(), Fixture::Height);
  EXPECT_EQ(Fixture::FrameNumberOf([&](int X, int Y) { return BitmapPixel(Bitmap, X, Y); }), 25);
  const int Bar = Fixture::BarStep * 25 + Fixture::BarWidth / 2;
  for (const auto& [X, Y] : { std::pair { Bar, 100 }, { 300, 100 }, { 40, 208 }, { 120, 208 }, { 200, 208 }, { 280, 208 } })
    EXPECT_TRUE(Near(BitmapPixel(Bitmap, X, Y), Fixture::Pixel(25, X, Y), 12)) << X << "," << Y;
  EXPECT_EQ(Context.RGBPictureRef, Context.RGBPicture);
}

TEST_F(TRGBConvertContextTest, APictureInTheBitmapsLayoutIsCopiedAsItIs) {
  const TFramePtr Frame = NewPicture(AV_PIX_FMT_BGR24, 320, 240);
  ASSERT_EQ(Frame->linesize[0], 960);
  FillBytes(Frame.get(), 960);
  ASSERT_TRUE(FrameToBitmap(Context, Frame.get()));
  EXPECT_EQ(Context.RGBPictureRef, Frame->data);
  for (int Y : { 0, 119, 239 }) EXPECT_EQ(std::memcmp(Context.Bitmap->ScanLine(Y), Frame->data[0] + Y * 960, 960), 0) << Y;
}

TEST_F(TRGBConvertContextTest, OddSizesGoThroughTheScaler) {
  // An odd-width picture already in the bitmap's layout still takes the scaler; its pixels survive.
  const TFramePtr Odd = NewPicture(AV_PIX_FMT_BGR24, 321, 240);
  FillBytes(Odd.get(), 321 * 3);
  ASSERT_TRUE(FrameToBitmap(Context, Odd.get()));
  EXPECT_EQ(Context.RGBPictureRef, Context.RGBPicture);
  EXPECT_EQ(Context.Bitmap->Width(), 321);
  EXPECT_EQ(std::memcmp(Context.Bitmap->ScanLine(17), Odd->data[0] + 17 * Odd->linesize[0], 321 * 3), 0);

  // A 321x241 yuv420p picture of pure red.
  const TFramePtr Red = NewPicture(AV_PIX_FMT_YUV420P, 321, 241);
  for (int Plane = 0; Plane < 3; ++Plane) {
    const int Rows = Plane == 0 ? 241 : 121;
    std::memset(Red->data[Plane], Plane == 0 ? 81 : Plane == 1 ? 90 : 240, size_t(Red->linesize[Plane]) * Rows);
  }
  ASSERT_TRUE(FrameToBitmap(Context, Red.get()));
  EXPECT_EQ(Context.Bitmap->Width(), 321);
  EXPECT_EQ(Context.Bitmap->Height(), 241);
  for (const auto& [X, Y] : { std::pair { 0, 0 }, { 160, 120 }, { 320, 240 } })
    EXPECT_TRUE(Near(BitmapPixel(*Context.Bitmap, X, Y), { 255, 0, 0 }, 6)) << X << "," << Y;

  ResetRGBContext(Context);
  EXPECT_EQ(Context.Bitmap, nullptr);
  EXPECT_EQ(Context.RGBBuf, nullptr);
  EXPECT_EQ(Context.toRGB_convert_ctx, nullptr);
}
