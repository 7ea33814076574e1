// Output settings filled the way the converter's format list fills them, converted through the task-list
// component and read back.
#include <gtest/gtest.h>

#include "engine/FFConverter.h"
#include "tests/engine/TaskTesting.h"

namespace {

/// The settings of one format, as its row of the format list gives them.
struct TFormat {
  const char* FileName;
  const char* VideoCodec;
  const char* AudioCodec;
  int VideoBitrate;
  const char* FrameRate;
  int AudioBitrate;
  int SampleRate;
};

class OutputFormatsTest : public TTaskTest {
protected:
  /// Converts the first half second of AInput with AFormat in synchronous mode; the end report of the task.
  TTerminateInfo Convert(const String& AInput, const TFormat& AFormat) {
    TFFConverter Converter(nullptr);
    TInputOptions Input;
    InitInputOptions(Input);
    const int Index = Converter.AddTask(AInput, &Input);
    TOutputOptions Output;
    InitOutputOptions(Output);
    Output.VideoCodec = AFormat.VideoCodec;
    Output.AudioCodec = AFormat.AudioCodec;
    Output.VideoBitrate = AFormat.VideoBitrate;
    Output.FrameRate = AFormat.FrameRate;
    Output.AudioBitrate = AFormat.AudioBitrate;
    Output.AudioSampleRate = AFormat.SampleRate;
    Output.AudioChannels = 2;
    Output.AudioVolume = 256;
    Output.TimeLength = 500000;
    TTerminateInfo End;
    if (Index < 0 || !Converter.SetOutputFile(Index, Folder.Path(AFormat.FileName), &Output)) {
      End.ExceptionMsg = Converter.LastErrMsg();
      return End;
    }
    Converter.OnTerminate = [&](TObject*, const TTerminateInfo& AInfo) {
      if (AInfo.TaskIndex == Index) End = AInfo;
    };
    Converter.Start(0);
    return End;
  }
};

}  // namespace

TEST_F(OutputFormatsTest, MPEG1VideoAtARateItsStandardLacksTakesTheNearestStandardRate) {
  // The MPEG-1 rows of the format list with frame rates their preset list offers.
  struct TCase {
    const char* FrameRate;
    AVRational Written;
  };
  for (const TCase& Case : { TCase { "10.00", { 24000, 1001 } }, TCase { "15.00", { 24000, 1001 } }, TCase { "29.97", { 30000, 1001 } } }) {
    SCOPED_TRACE(Case.FrameRate);
    const TTerminateInfo End = Convert(Media().ClipAVI, { "mpeg1.mpg", "mpeg1video", "", 528000, Case.FrameRate, 128000, 44100 });
    EXPECT_TRUE(End.Finished) << End.ExceptionMsg;
    TAVProbe Probe(nullptr);
    ASSERT_TRUE(Probe.LoadFile(Folder.Path("mpeg1.mpg"))) << Probe.LastErrMsg();
    EXPECT_TRUE(Probe.FirstVideoStreamInfo().CodecName.starts_with("mpeg1video(")) << Probe.FirstVideoStreamInfo().CodecName;
    const AVRational Rate = Probe.FirstVideoStreamInfo().FrameRate;
    EXPECT_EQ(av_cmp_q(Rate, Case.Written), 0) << Rate.num << "/" << Rate.den;
  }
}
