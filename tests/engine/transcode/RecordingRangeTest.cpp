#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <vector>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "tests/engine/DecodeFile.h"
#include "tests/engine/TaskTesting.h"

namespace {

/// What a written file holds: the frame number every picture shows, in order, and how long its sound is.
struct TContent {
  std::vector<int> Frames;
  Int64 Samples { 0 };
  int SampleRate { 0 };
  int AudioFrameSize { 0 };  // the largest number of samples in one decoded frame
  double VideoStart { -1 };  // seconds: the time of the first picture and of the first sound
  double AudioStart { -1 };
};

TContent ContentOf(const String& AFileName) {
  TContent Result;
  const auto OnPacket = [&](const AVStream* AStream, const AVPacket* APacket) {
    if (APacket->pts == AV_NOPTS_VALUE) return;
    double& Start = AStream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO ? Result.VideoStart : Result.AudioStart;
    const double Time = double(APacket->pts) * av_q2d(AStream->time_base);
    if (Start < 0 || Time < Start) Start = Time;
  };
  DecodeFile(AFileName, false, OnPacket, [&](const AVCodecContext* ADecoder, const AVFrame* AFrame) {
    if (ADecoder->codec_type == AVMEDIA_TYPE_VIDEO) {
      Result.Frames.push_back(Fixture::FrameNumberOf(TRGBPicture(AFrame)));
    } else {
      Result.Samples += AFrame->nb_samples;
      Result.SampleRate = AFrame->sample_rate;
      Result.AudioFrameSize = std::max(Result.AudioFrameSize, AFrame->nb_samples);
    }
  });
  return Result;
}

std::vector<int> Range(int AFirst, int AEnd) {
  std::vector<int> Frames(size_t(AEnd - AFirst));
  std::iota(Frames.begin(), Frames.end(), AFirst);
  return Frames;
}

class RecordingRangeTest : public TTaskTest {};

}  // namespace

// Pictures decoded in another order than they are shown (B-frames) must be cut by the time they are shown
// at: the output holds exactly the source's pictures of the range, and as much sound.
TEST_F(RecordingRangeTest, TheOutputHoldsExactlyThePicturesOfTheRangeAndAsMuchSound) {
  struct TLimit {
    const char* Name;
    std::vector<std::pair<String, String>> InputOptions;
    std::vector<std::pair<String, String>> OutputOptions;
    int First;  // the first frame of the range
    int End;    // the frame after it
  };
  const TLimit Limits[] = {
    { "t", {}, { { "t", "1" } }, 0, 25 },
    { "input ss + t", { { "ss", "0.6" } }, { { "t", "0.8" } }, 15, 35 },
    { "output ss + t", {}, { { "ss", "0.6" }, { "t", "0.8" } }, 15, 35 },
    { "input ss", { { "ss", "1.2" } }, {}, 30, Fixture::FrameCount },
    { "output ss", {}, { { "ss", "1.2" } }, 30, Fixture::FrameCount },
  };
  for (const String& Source : { Media().ClipAVI, Media().ReorderedMP4, Media().ClipMKV }) {
    // An encoder pads its last frame: the source's sound may last a little longer than its pictures.
    const TContent Whole = ContentOf(Source);
    const double SourceSound = double(Whole.Samples) / Whole.SampleRate;
    for (const TLimit& Limit : Limits) {
      SCOPED_TRACE(Source + ", " + Limit.Name);
      TCustomFFmpeg Conversion(20);
      for (const auto& [Name, Value] : Limit.InputOptions) Conversion.ApplyOption(Name, Value);
      ASSERT_TRUE(Conversion.OpenInputFile(Source)) << Conversion.LastErrMsg();
      Conversion.ApplyOption("vcodec", "mpeg4");
      Conversion.ApplyOption("acodec", "mp2");
      for (const auto& [Name, Value] : Limit.OutputOptions) Conversion.ApplyOption(Name, Value);
      const String Output = Folder.Path("range.mkv");
      ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
      Conversion.StartConvert(false, tpNormal);
      ASSERT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
      const TContent Content = ContentOf(Output);
      EXPECT_EQ(Content.Frames, Range(Limit.First, Limit.End));
      ASSERT_GT(Content.SampleRate, 0);
      const double Start = double(Limit.First) / Fixture::FrameRate;
      const double End = Limit.End == Fixture::FrameCount ? SourceSound : double(Limit.End) / Fixture::FrameRate;
      const double AudioFrame = double(Content.AudioFrameSize) / Content.SampleRate;
      EXPECT_NEAR(double(Content.Samples) / Content.SampleRate, End - Start, AudioFrame);
      EXPECT_NEAR(Content.AudioStart, Content.VideoStart, AudioFrame) << "sound and pictures start together";
    }
  }
}
