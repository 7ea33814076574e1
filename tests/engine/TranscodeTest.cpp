#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "engine/AVProbe.h"
#include "engine/FFmpeg.h"
#include "tests/engine/TaskTesting.h"

namespace fs = std::filesystem;

namespace {

using TOptions = std::vector<std::pair<String, String>>;

/// What a probe finds in a written file.
struct TProbed {
  std::vector<AVCodecID> Video;
  std::vector<AVCodecID> Audio;
  Int64 Duration { -1 };  // microseconds
  int Width { -1 };
  int Height { -1 };
};

TProbed Probe(const String& AFileName) {
  TAVProbe Probe(nullptr);
  TProbed Result;
  if (!Probe.LoadFile(AFileName)) {
    ADD_FAILURE() << AFileName << ": " << Probe.LastErrMsg();
    return Result;
  }
  for (unsigned I = 0; I < Probe.FileHandle()->nb_streams; ++I) {
    const AVCodecParameters* Codec = Probe.FileHandle()->streams[I]->codecpar;
    if (Codec->codec_type == AVMEDIA_TYPE_VIDEO) Result.Video.push_back(Codec->codec_id);
    if (Codec->codec_type == AVMEDIA_TYPE_AUDIO) Result.Audio.push_back(Codec->codec_id);
  }
  Result.Duration = Probe.FileStreamInfo().Duration;
  if (Probe.VideoStreamCount() > 0) {
    Result.Width = Probe.FirstVideoStreamInfo().Width;
    Result.Height = Probe.FirstVideoStreamInfo().Height;
  }
  return Result;
}

constexpr Int64 ClipDuration = Int64(Fixture::FrameCount) * 1000000 / Fixture::FrameRate;

/// Conversion tests: libraries and fixtures ready, the task's messages recorded (FFmpeg's own lines only
/// from the informational level up, which keeps runs quick).
class TranscodeTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    String Error;
    ASSERT_TRUE(LoadAVLib("", TranscoderLibraries, Error)) << Error;
    MediaFixtures();
  }
  static const TMediaFixtures& Media() { return MediaFixtures(); }

  /// Opens AInputs (AInputOptions before them), applies AOptions and opens AOutput, then runs the task on
  /// this thread.
  void Convert(const std::vector<String>& AInputs, const TOptions& AOptions, const String& AOutput,
               const TOptions& AInputOptions = {}, bool AJoin = false) {
    for (const auto& [Name, Value] : AInputOptions) Task.ApplyOption(Name, Value);
    for (const String& Input : AInputs) ASSERT_TRUE(Task.OpenInputFile(Input)) << Task.LastErrMsg();
    for (const auto& [Name, Value] : AOptions) Task.ApplyOption(Name, Value);
    ASSERT_GT(Task.OpenOutputFile(AOutput, AJoin), 0) << Task.LastErrMsg();
    Task.StartConvert(false, tpNormal);
  }
  bool Logged(const String& AText) {
    for (const auto& Event : Log.From(&Task))
      if (Event.Text.find(AText) != String::npos) return true;
    return false;
  }

  TLogRecorder Log { llInfo };
  TScratchFolder Folder;
  TCustomFFmpeg Task { 20 };
};

}  // namespace

TEST_F(TranscodeTest, ReencodesIntoContainersAndCodecs) {
  const String Output = Folder.Path("out.avi");
  Convert({ Media().ClipAVI }, { { "vcodec", "mpeg4" }, { "acodec", "mp2" } }, Output);
  EXPECT_TRUE(Task.Finished()) << Task.FatalMessage();
  EXPECT_FALSE(Task.FatalException());
  const TProbed Probed = Probe(Output);
  EXPECT_EQ(Probed.Video, std::vector<AVCodecID> { AV_CODEC_ID_MPEG4 });
  EXPECT_EQ(Probed.Audio, std::vector<AVCodecID> { AV_CODEC_ID_MP2 });
  EXPECT_NEAR(double(Probed.Duration), double(ClipDuration), 100000.0);
}
