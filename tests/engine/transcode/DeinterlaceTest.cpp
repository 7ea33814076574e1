#include <gtest/gtest.h>

#include <memory>

#include "engine/libav/AVUtilStubs.h"
#include "engine/transcode/Deinterlace.h"
#include "engine/libav/FFmpegLoader.h"

namespace {

struct TFrameFree {
  void operator()(AVFrame* AFrame) const { LibAVUtil.av_frame_free(&AFrame); }
};
using TFrame = std::unique_ptr<AVFrame, TFrameFree>;

TFrame MakeFrame(AVPixelFormat AFormat, int AWidth, int AHeight, uint8_t AFill) {
  TFrame Frame(LibAVUtil.av_frame_alloc());
  Frame->format = AFormat;
  Frame->width = AWidth;
  Frame->height = AHeight;
  EXPECT_EQ(LibAVUtil.av_frame_get_buffer(Frame.get(), 0), 0);
  for (int Plane = 0; Plane < 4 && Frame->data[Plane]; ++Plane)
    for (int Y = 0; Y < AHeight; ++Y)
      for (int X = 0; X < Frame->linesize[Plane]; ++X) Frame->data[Plane][Y * Frame->linesize[Plane] + X] = AFill;
  return Frame;
}

class DeinterlaceTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    String Error;
    ASSERT_TRUE(LoadAVLib("", TranscoderLibraries, Error)) << Error;
  }
};

}  // namespace

TEST_F(DeinterlaceTest, EachLineBecomesTheLowPassOfItsNeighbours) {
  // Eight grey lines: four black, then four at 200.
  TFrame Source = MakeFrame(AV_PIX_FMT_GRAY8, 4, 8, 0);
  for (int Y = 4; Y < 8; ++Y)
    for (int X = 0; X < 4; ++X) Source->data[0][Y * Source->linesize[0] + X] = 200;
  TFrame Dest = MakeFrame(AV_PIX_FMT_GRAY8, 4, 8, 7);
  ASSERT_TRUE(DeinterlacePicture(Dest.get(), Source.get()));
  // (-a + 4b + 2c + 4d - e + 4) >> 3, edge lines repeated beyond the picture.
  const int Expected[8] = { 0, 0, (-200 + 4) >> 3, (4 * 200 - 200 + 4) >> 3, (2 * 200 + 4 * 200 - 200 + 4) >> 3,
                            (4 * 200 + 2 * 200 + 4 * 200 - 200 + 4) >> 3, 200, 200 };
  for (int Y = 0; Y < 8; ++Y) EXPECT_EQ(Dest->data[0][Y * Dest->linesize[0] + 1], std::max(Expected[Y], 0)) << "line " << Y;
}

TEST_F(DeinterlaceTest, ACombedPictureIsFilteredOnEveryPlaneAndOthersAreRefused) {
  TFrame Source = MakeFrame(AV_PIX_FMT_YUV420P, 16, 16, 0);
  for (int Plane = 0; Plane < 3; ++Plane)
    for (int Y = 1; Y < (Plane ? 8 : 16); Y += 2)
      for (int X = 0; X < Source->linesize[Plane]; ++X) Source->data[Plane][Y * Source->linesize[Plane] + X] = 100;
  TFrame Dest = MakeFrame(AV_PIX_FMT_YUV420P, 16, 16, 7);
  ASSERT_TRUE(DeinterlacePicture(Dest.get(), Source.get()));
  // Inside the picture a line of 0 between lines of 100 becomes (8 * 100 + 4) >> 3 = 100, a line of 100
  // between lines of 0 becomes (-200 + 200 + 4) >> 3 = 0.
  for (int Plane = 0; Plane < 3; ++Plane) {
    EXPECT_EQ(Dest->data[Plane][2 * Dest->linesize[Plane]], 100) << "plane " << Plane;
    EXPECT_EQ(Dest->data[Plane][3 * Dest->linesize[Plane]], 0) << "plane " << Plane;
  }

  TFrame Rgb = MakeFrame(AV_PIX_FMT_RGB24, 8, 8, 50);
  TFrame Untouched = MakeFrame(AV_PIX_FMT_RGB24, 8, 8, 7);
  EXPECT_FALSE(DeinterlacePicture(Untouched.get(), Rgb.get()));
  EXPECT_EQ(Untouched->data[0][0], 7);
}
