// A source whose container asks for its pictures to be turned (phone videos) is converted to pictures that
// stand as a player shows the source, in a file that asks for no turn of its own.
#include <gtest/gtest.h>

#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "platform/base/SysUtils.h"
#include "tests/engine/DecodeFile.h"
#include "tests/engine/TaskTesting.h"
#include "tests/engine/TurnedClips.h"

namespace {

/// The first picture of a written file's video and whether its stream carries a display matrix.
struct TWritten {
  TFramePtr Picture;
  bool HasMatrix { false };
};

TWritten ReadWritten(const String& AFileName) {
  TWritten Result;
  DecodeFile(
      AFileName, true,
      [&](const AVStream* AStream, const AVPacket*) {
        size_t Size = 0;
        Result.HasMatrix = LibAVFormat.av_stream_get_side_data(AStream, AV_PKT_DATA_DISPLAYMATRIX, &Size) != nullptr;
      },
      [&](const AVCodecContext* ADecoder, const AVFrame* AFrame) {
        if (ADecoder->codec_type != AVMEDIA_TYPE_VIDEO || Result.Picture) return;
        Result.Picture.reset(LibAVUtil.av_frame_alloc());
        LibAVUtil.av_frame_ref(Result.Picture.get(), AFrame);
      });
  return Result;
}

class DisplayTurnTest : public TTaskTest {};

}  // namespace

// Without a size the output takes the shown picture's; a chosen size is the shown picture's new size.
TEST_F(DisplayTurnTest, TheOutputStandsAsAPlayerShowsTheSourceAndAsksForNoTurn) {
  for (const TTurnedClip& Case : TurnedClips)
    for (const int Scale : { 1, 2 }) {
      SCOPED_TRACE(String(Case.Name) + (Scale > 1 ? ", half size" : ""));
      TCustomFFmpeg Task(20);
      ASSERT_TRUE(Task.OpenInputFile(Media().*Case.Clip)) << Task.LastErrMsg();
      const int Width = Case.Width / Scale, Height = Case.Height / Scale;
      if (Scale > 1) Task.ApplyOption("s", Format("%dx%d", Width, Height));
      const String Output = Folder.Path("turned.mp4");
      ASSERT_GT(Task.OpenOutputFile(Output, false), 0) << Task.LastErrMsg();
      Task.StartConvert(false, tpNormal);
      ASSERT_TRUE(Task.Finished()) << Task.FatalMessage();
      const TWritten Written = ReadWritten(Output);
      ASSERT_TRUE(Written.Picture);
      EXPECT_FALSE(Written.HasMatrix);
      const TRGBPicture Picture(Written.Picture.get());
      EXPECT_EQ(Picture.Width(), Width);
      EXPECT_EQ(Picture.Height(), Height);
      ExpectColourAt(Picture, { Case.Red.X / Scale, Case.Red.Y / Scale }, { 255, 0, 0 });
      ExpectColourAt(Picture, { Case.White.X / Scale, Case.White.Y / Scale }, { 255, 255, 255 });
    }
}

// Copied pictures are not decoded and stay as stored: the output keeps the source's display matrix.
TEST_F(DisplayTurnTest, ACopiedPictureKeepsTheSourcesTurn) {
  TCustomFFmpeg Task(20);
  ASSERT_TRUE(Task.OpenInputFile(Media().Turned90MP4)) << Task.LastErrMsg();
  Task.ApplyOption("vcodec", "copy");
  const String Output = Folder.Path("copied.mp4");
  ASSERT_GT(Task.OpenOutputFile(Output, false), 0) << Task.LastErrMsg();
  Task.StartConvert(false, tpNormal);
  ASSERT_TRUE(Task.Finished()) << Task.FatalMessage();
  const TWritten Written = ReadWritten(Output);
  ASSERT_TRUE(Written.Picture);
  EXPECT_TRUE(Written.HasMatrix);
  EXPECT_EQ(Written.Picture->width, Fixture::Width);
  EXPECT_EQ(Written.Picture->height, Fixture::Height);
}

// The bands are cut from the picture as shown: 16 columns off its left side move the patches 16 to the left.
TEST_F(DisplayTurnTest, BandsAreCutFromThePictureAsShown) {
  const TTurnedClip& Case = TurnedClips[0];
  TCustomFFmpeg Task(20);
  ASSERT_TRUE(Task.OpenInputFile(Media().*Case.Clip)) << Task.LastErrMsg();
  Task.ApplyOption("cropleft", "16");
  const String Output = Folder.Path("cropped.mp4");
  ASSERT_GT(Task.OpenOutputFile(Output, false), 0) << Task.LastErrMsg();
  Task.StartConvert(false, tpNormal);
  ASSERT_TRUE(Task.Finished()) << Task.FatalMessage();
  const TWritten Written = ReadWritten(Output);
  ASSERT_TRUE(Written.Picture);
  const TRGBPicture Picture(Written.Picture.get());
  EXPECT_EQ(Picture.Width(), Case.Width - 16);
  EXPECT_EQ(Picture.Height(), Case.Height);
  ExpectColourAt(Picture, { Case.Red.X - 16, Case.Red.Y }, { 255, 0, 0 });
  ExpectColourAt(Picture, { Case.White.X - 16, Case.White.Y }, { 255, 255, 255 });
}
