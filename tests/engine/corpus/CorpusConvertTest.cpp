// Every clip of the corpus converted through the task list to one format of each family the catalogue
// writes, with that format's own parameters: each task either writes an output holding the kinds of stream
// the format keeps, as long as the source's longest kept stream decodes, or fails with a message naming why.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <mutex>

#include "app/catalogue/FormatParameters.h"
#include "app/jobs/AddOutputOptions.h"
#include "engine/probe/AVProbe.h"
#include "engine/tasklist/FFConverter.h"
#include "platform/base/MainThread.h"
#include "tests/engine/corpus/MediaCorpus.h"

namespace {

/// A format of a family, by its catalogue key.
struct TTarget {
  const char* Family;
  int FormatKey;
};

/// Tests are named after the family; this keeps the parameter's bytes out of the names too.
void PrintTo(const TTarget& ATarget, std::ostream* AOut) { *AOut << ATarget.Family << " " << ATarget.FormatKey; }

const TTarget Targets[] = {
  { "Wmv", 1700 }, { "AviMpeg4Mp3", 1500 }, { "Mp4H264", 1004 }, { "ThreeGpAmr", 600 },
  { "Flv", 1100 }, { "Mpeg1", 1300 },       { "Mp3", 100 },
};

/// A clip that cannot convert to a format (0: to any), and what the failure's message says.
struct TRefusal {
  const char* Clip;
  int FormatKey;
  const char* Message;
};

const TRefusal Refusals[] = {
  { "mkv-hevc-video-only.mkv", 100, "does not contain any stream" },
};

const TRefusal* RefusalOf(const TCorpusClip& AClip, int AFormatKey) {
  for (const TRefusal& Entry : Refusals)
    if (String(Entry.Clip) == AClip.Name && (Entry.FormatKey == 0 || Entry.FormatKey == AFormatKey)) return &Entry;
  return nullptr;
}

/// The output options the front end gives a new job of the format: its parameters over the engine's defaults.
TOutputOptions OutputOptionsOf(const FormatParameters& AFormat) {
  TVideoParams Params;
  Params.Reset();
  AFormat.AssignTo(Params);
  TOutputOptions Output;
  InitOutputOptions(Output);
  CopyVideoParams(Params, Output);
  return Output;
}

/// How one clip's task ended: its message when it failed at set-up or while running.
struct TRun {
  bool Converted { false };
  String Message;
  String Output;
};

class CorpusConvertTest : public testing::TestWithParam<TTarget> {
protected:
  static void SetUpTestSuite() { LoadCorpusLibraries(); }

  /// Adds every clip's task and runs them all, three at a time; the runs by clip name.
  std::map<String, TRun> ConvertAll(const FormatParameters& AFormat) {
    std::map<String, TRun> Runs;
    std::map<int, String> ClipOfTask;
    for (const TCorpusClip& Clip : CorpusClips()) {
      TRun& Run = Runs[Clip.Name];
      Run.Output = FOutputs.string() + "/" + std::filesystem::path(Clip.Name).stem().string() + String(AFormat.Extension);
      TInputOptions Input;
      InitInputOptions(Input);
      const int Task = FConverter.AddTask(CorpusFile(Clip), &Input);
      if (Task < 0) {
        Run.Message = "add: " + FConverter.LastErrMsg();
        continue;
      }
      TOutputOptions Output = OutputOptionsOf(AFormat);
      if (!FConverter.SetOutputFile(Task, Run.Output, &Output)) {
        Run.Message = "output: " + FConverter.LastErrMsg();
        FConverter.RemoveTask(Task);
        continue;
      }
      ClipOfTask[Task] = Clip.Name;
    }
    FConverter.OnTerminate = [this](TObject*, const TTerminateInfo& AEnd) {
      std::lock_guard Guard(FEndsLock);
      FEnds[AEnd.TaskIndex] = AEnd;
      WakeWaiters();
    };
    FConverter.Start(3);
    const bool Ended = WaitServing([&] {
      std::lock_guard Guard(FEndsLock);
      return FEnds.contains(-1);
    }, 240000);
    if (!Ended) {
      FConverter.Stop(true);
      ADD_FAILURE() << "the batch did not end within four minutes";
    }
    std::lock_guard Guard(FEndsLock);
    for (const auto& [Task, Clip] : ClipOfTask) {
      TRun& Run = Runs[Clip];
      const auto End = FEnds.find(Task);
      if (End == FEnds.end()) Run.Message = "no end reported";
      else if (End->second.Finished && !End->second.Exception) Run.Converted = true;
      else Run.Message = "run: " + End->second.ExceptionMsg;
    }
    return Runs;
  }

  /// Why the output of a converted clip is not what the format promises; empty when it is.
  static String FaultOf(const TCorpusClip& AClip, const TRun& ARun, const FormatParameters& AFormat) {
    const TDecodedSpan Source = DecodeSpan(CorpusFile(AClip));
    TAVProbe Probe(nullptr);
    if (!Probe.LoadFile(ARun.Output)) return "the output does not open: " + Probe.LastErrMsg();
    const bool KeepsVideo = !AFormat.DisableVideo && Source.Video;
    if (KeepsVideo && !Source.CoverPicture && Probe.VideoStreamCount() == 0) return "the output has no picture";
    if (!KeepsVideo && Probe.VideoStreamCount() > 0) return "the output has a picture the format does not keep";
    if (Source.Audio != (Probe.AudioStreamCount() > 0)) return Source.Audio ? "the output has no sound" : "the output has sound";
    const double Expected = Source.Longest(!AFormat.DisableVideo);
    const double Written = double(Probe.FileStreamInfo().Duration) / 1e6;
    if (std::abs(Written - Expected) > 0.5)
      return Format("the output lasts %.2f s, the source's longest kept stream %.2f s", Written, Expected);
    if (KeepsVideo && AClip.QuarterTurned && AFormat.FrameSize.empty()) {
      const TVideoStreamInfo Video = Probe.FirstVideoStreamInfo();
      TAVProbe SourceProbe(nullptr);
      SourceProbe.LoadFile(CorpusFile(AClip));
      const TVideoStreamInfo Stored = SourceProbe.FirstVideoStreamInfo();
      if ((Video.Width > Video.Height) == (Stored.Width > Stored.Height))
        return Format("the output is %d*%d, the source shown turned from %d*%d", Video.Width, Video.Height,
                      Stored.Width, Stored.Height);
    }
    return "";
  }

  std::filesystem::path FOutputs { std::filesystem::temp_directory_path() /
                                    ("corpus-" + std::to_string(getpid()) + "-" + GetParam().Family) };
  /// The end reports by task (-1: the whole run's); they outlive the converter, whose threads report.
  std::mutex FEndsLock;
  std::map<int, TTerminateInfo> FEnds;
  TFFConverter FConverter { nullptr };

  void SetUp() override { std::filesystem::create_directories(FOutputs); }
  void TearDown() override { std::filesystem::remove_all(FOutputs); }
};

}  // namespace

TEST_P(CorpusConvertTest, EveryClipConvertsOrFailsWithItsReason) {
  const FormatParameters& Format = *FindFormatParameters(GetParam().FormatKey);
  const std::map<String, TRun> Runs = ConvertAll(Format);
  for (const TCorpusClip& Clip : CorpusClips()) {
    SCOPED_TRACE(Clip.Name);
    const TRun& Run = Runs.at(Clip.Name);
    if (const TRefusal* Refusal = RefusalOf(Clip, Format.FormatKey)) {
      EXPECT_FALSE(Run.Converted) << "converted, though it cannot be";
      EXPECT_NE(Run.Message.find(Refusal->Message), String::npos) << Run.Message;
    } else {
      EXPECT_EQ(Run.Converted ? FaultOf(Clip, Run, Format) : "failed: " + Run.Message, "");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Families, CorpusConvertTest, testing::ValuesIn(Targets),
                         [](const testing::TestParamInfo<TTarget>& AInfo) { return String(AInfo.param.Family); });
