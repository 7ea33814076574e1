#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/SwScaleStubs.h"
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

/// The levels of GradientPicture: luma rising left to right across the width, blue difference falling by one
/// a chroma row (smooth enough for any chroma upsampling), red difference fixed.
int GradientLuma(int AWidth, int X) { return 40 + X * 160 / AWidth; }
int GradientBlue(int AChromaRow) { return 170 - std::min(AChromaRow, 100); }
constexpr int GradientRed = 120;

/// A yuv420p picture with decoder-aligned planes, of the levels above.
TFramePtr GradientPicture(int AWidth, int AHeight) {
  TFramePtr Frame(LibAVUtil.av_frame_alloc());
  Frame->format = AV_PIX_FMT_YUV420P;
  Frame->width = AWidth;
  Frame->height = AHeight;
  EXPECT_EQ(LibAVUtil.av_frame_get_buffer(Frame.get(), 0), 0);
  for (int Y = 0; Y < AHeight; ++Y)
    for (int X = 0; X < AWidth; ++X) Frame->data[0][Y * Frame->linesize[0] + X] = uint8_t(GradientLuma(AWidth, X));
  for (int Y = 0; Y < (AHeight + 1) / 2; ++Y)
    for (int X = 0; X < (AWidth + 1) / 2; ++X) {
      Frame->data[1][Y * Frame->linesize[1] + X] = uint8_t(GradientBlue(Y));
      Frame->data[2][Y * Frame->linesize[2] + X] = uint8_t(GradientRed);
    }
  return Frame;
}

/// The colour of GradientPicture at (X, Y) by the BT.601 limited-range formulas.
Fixture::TRGB GradientColour(int AWidth, int X, int Y) {
  const double L = 1.164 * (GradientLuma(AWidth, X) - 16), U = GradientBlue(Y / 2) - 128.0, V = GradientRed - 128.0;
  const auto Level = [](double AValue) { return std::clamp(int(std::lround(AValue)), 0, 255); };
  return { Level(L + 1.596 * V), Level(L - 0.392 * U - 0.813 * V), Level(L + 2.017 * U) };
}

/// How many bytes from its start the scaler changes when it writes APicture, scaled to ATargetWidth x
/// ATargetHeight in AFormat, into rows of APitch: the highest changed byte over two fillings of the buffer.
size_t ScalerReach(const AVFrame* APicture, int ATargetWidth, int ATargetHeight, AVPixelFormat AFormat, int APitch,
                   int AFlags) {
  SwsContext* Scaler = LibSwScale.sws_getContext(APicture->width, APicture->height, AVPixelFormat(APicture->format),
                                                 ATargetWidth, ATargetHeight, AFormat, AFlags, nullptr, nullptr, nullptr);
  EXPECT_NE(Scaler, nullptr);
  if (!Scaler) return SIZE_MAX;
  size_t Reach = 0;
  for (const uint8_t Filling : { 0x5A, 0xA5 }) {
    std::vector<uint8_t> Target(size_t(APitch) * ATargetHeight + 4096, Filling);
    uint8_t* Planes[4] = { Target.data() };
    const int Pitches[4] = { APitch };
    LibSwScale.sws_scale(Scaler, APicture->data, APicture->linesize, 0, APicture->height, Planes, Pitches);
    for (size_t I = Target.size(); I > Reach; --I)
      if (Target[I - 1] != Filling) {
        Reach = I;
        break;
      }
  }
  LibSwScale.sws_freeContext(Scaler);
  return Reach;
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

// The scaler stores whole blocks of pixels past the width asked for (12 bytes past a 300-pixel row of 24-bit
// pixels, 45 past a 1-pixel one): every buffer it writes into must hold them.
TEST_F(TRGBConvertContextTest, PicturesOfAnySizeConvertInsideTheirBuffersWithTheirColours) {
  const TSize Sizes[] { { 300, 300 }, { 852, 480 }, { 853, 479 }, { 1, 1 }, { 1, 6 }, { 2, 2 }, { 7, 3 },
                        { 301, 301 }, { 300, 301 }, { 321, 240 } };
  std::vector<TFramePtr> Pictures;
  for (const TSize& Size : Sizes) Pictures.push_back(GradientPicture(Size.cx, Size.cy));
  // Many conversions through one context, growing and shrinking its buffer, as snapshots of changing files do.
  for (int Round = 0; Round < 20; ++Round)
    for (const TFramePtr& Picture : Pictures) ASSERT_TRUE(FrameToBitmap(Context, Picture.get()));
  for (const TFramePtr& Picture : Pictures) {
    const int Width = Picture->width, Height = Picture->height;
    SCOPED_TRACE(std::to_string(Width) + "x" + std::to_string(Height));
    // A context of its own sizes its buffer for this picture alone.
    TRGBConvertContext Own;
    ASSERT_TRUE(FrameToBitmap(Own, Picture.get()));
    EXPECT_LE(ScalerReach(Picture.get(), Width, Height, Own.RGBPixFmt, Own.RGBPictureLineSize[0], SWS_BICUBIC),
              size_t(Own.RGBBufSize));
    ASSERT_TRUE(FrameToBitmap(Context, Picture.get()));
    for (TRGBConvertContext* Converted : { &Own, &Context }) {
      TBitmap& Bitmap = *Converted->Bitmap;
      ASSERT_EQ((TSize { Bitmap.Width(), Bitmap.Height() }), (TSize { Width, Height }));
      int Wrong = 0;
      for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
          if (!Near(BitmapPixel(Bitmap, X, Y), GradientColour(Width, X, Y), 6)) ++Wrong;
      EXPECT_EQ(Wrong, 0);
    }
    // The player's surface takes the picture scaled to the display area, 32 bits a pixel, through rows of the
    // same rule; the picture scaled up or down by a third as well.
    for (const TSize& Shown : { TSize { Width, Height }, TSize { Width * 4 / 3, Height * 4 / 3 },
                                TSize { std::max(Width * 2 / 3, 1), std::max(Height * 2 / 3, 1) } }) {
      const int Pitch = ScalerRowPitch(Shown.cx, 4);
      EXPECT_LE(ScalerReach(Picture.get(), Shown.cx, Shown.cy, AV_PIX_FMT_BGRA, Pitch, SWS_BILINEAR),
                ScalerBufferSize(Pitch, Shown.cy))
          << Shown.cx << "x" << Shown.cy;
    }
  }
}
