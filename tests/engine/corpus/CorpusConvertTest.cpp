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

/// What a clip gives in a format other than a converted output of its length.
enum class TOutcome {
  Fails,       // the task fails, and its message holds Text
  KnownFault,  // a fault being mended: the task may fail; once it converts, the entry goes
  CrashesAdd,  // a fault being mended that kills the process on add: the clip is left out
};
struct TExpected {
  const char* Clip;
  int FormatKey;  // 0: every format
  TOutcome Outcome;
  const char* Text;
};

const TExpected Exceptions[] = {
  { "mkv-hevc-video-only.mkv", 100, TOutcome::Fails, "does not contain any stream" },
  { "flv-h264-mp3.flv", 0, TOutcome::CrashesAdd, "streams the demuxer finds while reading" },
  { "mp4-odd-size-853x479.mp4", 1700, TOutcome::KnownFault, "odd frame sizes refused by the WMV encoder" },
  { "mp3-cover-utf8-title.mp3", 1004, TOutcome::KnownFault, "cover art refused by MP4" },
  { "mp3-cover-utf8-title.mp3", 600, TOutcome::KnownFault, "cover art refused by 3GP" },
  // The formats that keep the source's frame size.
  { "mp4-rotated-90.mp4", 1700, TOutcome::KnownFault, "display rotation not applied" },
  { "mp4-rotated-90.mp4", 1500, TOutcome::KnownFault, "display rotation not applied" },
  { "mp4-rotated-90.mp4", 1004, TOutcome::KnownFault, "display rotation not applied" },
  { "mp4-rotated-90.mp4", 1100, TOutcome::KnownFault, "display rotation not applied" },
  { "mp4-rotated-90.mp4", 1300, TOutcome::KnownFault, "display rotation not applied" },
};

const TExpected* ExceptionOf(const TCorpusClip& AClip, int AFormatKey) {
  for (const TExpected& Entry : Exceptions)
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
      const TExpected* Exception = ExceptionOf(Clip, AFormat.FormatKey);
      if (Exception && Exception->Outcome == TOutcome::CrashesAdd) continue;
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
    std::mutex Lock;
    std::map<int, TTerminateInfo> Ends;
    FConverter.OnTerminate = [&](TObject*, const TTerminateInfo& AEnd) {
      std::lock_guard Guard(Lock);
      Ends[AEnd.TaskIndex] = AEnd;
      WakeWaiters();
    };
    FConverter.Start(3);
    const bool Ended = WaitServing([&] {
      std::lock_guard Guard(Lock);
      return Ends.contains(-1);
    }, 240000);
    if (!Ended) {
      FConverter.Stop(true);
      ADD_FAILURE() << "the batch did not end within four minutes";
    }
    std::lock_guard Guard(Lock);
    for (const auto& [Task, Clip] : ClipOfTask) {
      TRun& Run = Runs[Clip];
      const auto End = Ends.find(Task);
      if (End == Ends.end()) Run.Message = "no end reported";
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
    const TExpected* Exception = ExceptionOf(Clip, Format.FormatKey);
    if (!Runs.contains(Clip.Name)) continue;
    const TRun& Run = Runs.at(Clip.Name);
    const String Fault = Run.Converted ? FaultOf(Clip, Run, Format) : "failed: " + Run.Message;
    if (!Exception) {
      EXPECT_EQ(Fault, "");
    } else if (Exception->Outcome == TOutcome::Fails) {
      EXPECT_FALSE(Run.Converted) << "converted, though it cannot be";
      EXPECT_NE(Run.Message.find(Exception->Text), String::npos) << Run.Message;
    } else if (Fault.empty()) {
      ADD_FAILURE() << "converts now: the known fault \"" << Exception->Text << "\" is mended, remove its entry";
    } else {
      std::printf("known fault (%s): %s: %s\n", Exception->Text, Clip.Name, Fault.c_str());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Families, CorpusConvertTest, testing::ValuesIn(Targets),
                         [](const testing::TestParamInfo<TTarget>& AInfo) { return String(AInfo.param.Family); });
