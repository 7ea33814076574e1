#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/libav/AVFilterStubs.h"
#include "engine/libav/AVHandles.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/DisplayOrientation.h"
#include "engine/libav/FFmpegLoader.h"
#include "platform/base/SysUtils.h"

namespace {

class DisplayOrientationTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    String Error;
    ASSERT_TRUE(LoadAVLib("", TranscoderLibraries, Error)) << Error;
  }
};

/// A display matrix with the 2x2 part (A, B; C, D) in 16.16 fixed point.
std::vector<int32_t> Matrix(double A, double B, double C, double D) {
  const auto Fixed = [](double AValue) { return int32_t(std::lround(AValue * 65536)); };
  return { Fixed(A), Fixed(B), 0, Fixed(C), Fixed(D), 0, 0, 0, 1 << 30 };
}

/// A 3x2 grey picture whose pixels are 1 to 6, row by row, after the filters of AOrientation.
std::vector<std::vector<int>> Stood(const TDisplayOrientation& AOrientation) {
  TAVFilterGraphHandle Graph(LibAVFilter.avfilter_graph_alloc());
  AVFilterContext* Source = nullptr;
  AVFilterContext* Sink = nullptr;
  EXPECT_GE(LibAVFilter.avfilter_graph_create_filter(&Source, LibAVFilter.avfilter_get_by_name("buffer"), "src",
                                                     Format("video_size=3x2:pix_fmt=%d:time_base=1/25", int(AV_PIX_FMT_GRAY8)).c_str(),
                                                     nullptr, Graph),
            0);
  EXPECT_GE(LibAVFilter.avfilter_graph_create_filter(&Sink, LibAVFilter.avfilter_get_by_name("buffersink"), "out", nullptr,
                                                     nullptr, Graph),
            0);
  AVFilterContext* Last = Source;
  EXPECT_TRUE(AppendOrientationFilters(Graph, AOrientation, Last));
  EXPECT_GE(LibAVFilter.avfilter_link(Last, 0, Sink, 0), 0);
  EXPECT_GE(LibAVFilter.avfilter_graph_config(Graph, nullptr), 0);
  TAVFrameHandle In(LibAVUtil.av_frame_alloc()), Out(LibAVUtil.av_frame_alloc());
  In->format = AV_PIX_FMT_GRAY8;
  In->width = 3;
  In->height = 2;
  In->pts = 0;
  EXPECT_GE(LibAVUtil.av_frame_get_buffer(In, 0), 0);
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 3; ++X) In->data[0][Y * In->linesize[0] + X] = uint8_t(1 + Y * 3 + X);
  EXPECT_GE(LibAVFilter.av_buffersrc_add_frame_flags(Source, In, 0), 0);
  std::vector<std::vector<int>> Rows;
  if (LibAVFilter.av_buffersink_get_frame(Sink, Out) < 0) return Rows;
  for (int Y = 0; Y < Out->height; ++Y) {
    Rows.emplace_back();
    for (int X = 0; X < Out->width; ++X) Rows.back().push_back(Out->data[0][Y * Out->linesize[0] + X]);
  }
  return Rows;
}

}  // namespace

TEST_F(DisplayOrientationTest, TheMatrixGivesTheTurnAndTheMirror) {
  const double Half = std::sqrt(0.5);
  struct TCase {
    const char* Name;
    std::vector<int32_t> Values;  // empty: no matrix
    TDisplayOrientation Expected;
  };
  const TCase Cases[] = {
    { "none", {}, {} },
    { "identity", Matrix(1, 0, 0, 1), {} },
    { "quarter clockwise", Matrix(0, 1, -1, 0), { 1, false } },
    { "upside down", Matrix(-1, 0, 0, -1), { 2, false } },
    { "quarter anticlockwise", Matrix(0, -1, 1, 0), { 3, false } },
    { "quarter clockwise, twice the size", Matrix(0, 2, -2, 0), { 1, false } },
    { "mirrored", Matrix(-1, 0, 0, 1), { 0, true } },
    { "upside-down flip", Matrix(1, 0, 0, -1), { 2, true } },
    { "mirrored, quarter clockwise", Matrix(0, -1, -1, 0), { 1, true } },
    { "mirrored, quarter anticlockwise", Matrix(0, 1, 1, 0), { 3, true } },
    // What cannot be shown by quarter turns is shown as stored.
    { "eighth turn", Matrix(Half, Half, -Half, Half), {} },
    { "singular", Matrix(0, 0, 0, 0), {} },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const TDisplayOrientation Found = MatrixOrientation(Case.Values.empty() ? nullptr : Case.Values.data());
    EXPECT_EQ(Found.QuarterTurns, Case.Expected.QuarterTurns);
    EXPECT_EQ(Found.Mirrored, Case.Expected.Mirrored);
  }
}

// Each of the eight orientations moves the pixels as mirroring and then turning clockwise does.
TEST_F(DisplayOrientationTest, TheFiltersMoveEveryPixelWhereTheOrientationSays) {
  for (const bool Mirrored : { false, true })
    for (int Turns = 0; Turns < 4; ++Turns) {
      SCOPED_TRACE(Format("%d quarter turns%s", Turns, Mirrored ? ", mirrored" : ""));
      std::vector<std::vector<int>> Expected { { 1, 2, 3 }, { 4, 5, 6 } };
      if (Mirrored)
        for (auto& Row : Expected) std::reverse(Row.begin(), Row.end());
      for (int Turn = 0; Turn < Turns; ++Turn) {
        // A quarter clockwise: the left column, read from the bottom up, becomes the top row.
        const size_t Height = Expected.size(), Width = Expected[0].size();
        std::vector<std::vector<int>> Turned(Width, std::vector<int>(Height));
        for (size_t Y = 0; Y < Height; ++Y)
          for (size_t X = 0; X < Width; ++X) Turned[X][Height - 1 - Y] = Expected[Y][X];
        Expected = Turned;
      }
      EXPECT_EQ(Stood({ Turns, Mirrored }), Expected);
    }
}
