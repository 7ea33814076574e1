// Output settings filled the way the converter's format list fills them, converted through the task-list
// component and read back.
#include <gtest/gtest.h>

#include "engine/tasklist/FFConverter.h"
#include "tests/engine/TaskTesting.h"

namespace {

class OutputFormatsTest : public TTaskTest {
protected:
  /// Converts the first half second of AInput to AOutput with the MPEG-1 row of the format list (mpeg1video
  /// at 528 kb/s, the engine's audio at 128 kb/s and 44.1 kHz) at AFrameRate, in synchronous mode; the end
  /// report of the task.
  TTerminateInfo ConvertMPEG1(const String& AInput, const String& AOutput, const char* AFrameRate) {
    TFFConverter Converter(nullptr);
    TInputOptions Input;
    InitInputOptions(Input);
    const int Index = Converter.AddTask(AInput, &Input);
    TOutputOptions Output;
    InitOutputOptions(Output);
    Output.VideoCodec = "mpeg1video";
    Output.AudioCodec = "";
    Output.VideoBitrate = 528000;
    Output.FrameRate = AFrameRate;
    Output.AudioBitrate = 128000;
    Output.AudioSampleRate = 44100;
    Output.AudioChannels = 2;
    Output.AudioVolume = 256;
    Output.TimeLength = 500000;
    TTerminateInfo End;
    if (Index < 0 || !Converter.SetOutputFile(Index, Folder.Path(AOutput), &Output)) {
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
  // Frame rates the MPEG-1 rows' preset list offers.
  struct TCase {
    const char* FrameRate;
    AVRational Written;
  };
  for (const TCase& Case : { TCase { "10.00", { 24000, 1001 } }, TCase { "15.00", { 24000, 1001 } }, TCase { "29.97", { 30000, 1001 } } }) {
    SCOPED_TRACE(Case.FrameRate);
    const TTerminateInfo End = ConvertMPEG1(Media().ClipAVI, "mpeg1.mpg", Case.FrameRate);
    EXPECT_TRUE(End.Finished) << End.ExceptionMsg;
    TAVProbe Probe(nullptr);
    ASSERT_TRUE(Probe.LoadFile(Folder.Path("mpeg1.mpg"))) << Probe.LastErrMsg();
    EXPECT_TRUE(Probe.FirstVideoStreamInfo().CodecName.starts_with("mpeg1video(")) << Probe.FirstVideoStreamInfo().CodecName;
    const AVRational Rate = Probe.FirstVideoStreamInfo().FrameRate;
    EXPECT_EQ(av_cmp_q(Rate, Case.Written), 0) << Rate.num << "/" << Rate.den;
  }
}
