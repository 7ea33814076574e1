// Every clip of the corpus converted through the task list to one format of each family the catalogue
// writes, with that format's own parameters: each task either writes an output holding the kinds of stream
// the format keeps, as long as the source's longest kept stream decodes, or fails with a message naming why.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>

#include "app/catalogue/FormatParameters.h"
#include "app/jobs/AddOutputOptions.h"
#include "engine/tasklist/FFConverter.h"
#include "platform/base/MainThread.h"
#include "tests/engine/corpus/MediaCorpus.h"

namespace {

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

/// The clips whose streams start far apart or whose clock jumps by an hour or more.
const std::vector<TCorpusClip>& FarApartClips() {
  static const std::vector<TCorpusClip> Clips = [] {
    std::vector<TCorpusClip> Found;
    std::ranges::copy_if(CorpusClips(), std::back_inserter(Found), [](const TCorpusClip& AClip) {
      const String Name = AClip.Name;
      return Name.find("hours-late") != String::npos || Name.find("spliced") != String::npos;
    });
    return Found;
  }();
  return Clips;
}

/// The process's resident memory (VmRSS) or its peak since the last reset (VmHWM), in MiB.
double MemoryMiB(const char* AField) {
  std::ifstream Status("/proc/self/status");
  for (std::string Line; std::getline(Status, Line);)
    if (Line.starts_with(AField)) return std::stod(Line.substr(std::strlen(AField))) / 1024;
  return 0;
}

/// How one clip's task ended: its message when it failed at set-up or while running.
struct TRun {
  bool Converted { false };
  String Message;
  String Output;
};

class CorpusConvertTest : public testing::TestWithParam<TCorpusTarget> {
protected:
  static void SetUpTestSuite() { LoadCorpusLibraries(); }

  /// Adds each clip's task and runs them all, AAtOnce at a time, for at most AMilliseconds; the runs by clip name.
  std::map<String, TRun> ConvertAll(const FormatParameters& AFormat, const std::vector<TCorpusClip>& AClips = CorpusClips(),
                                    int AAtOnce = 3, unsigned AMilliseconds = 240000) {
    std::map<String, TRun> Runs;
    std::map<int, String> ClipOfTask;
    for (const TCorpusClip& Clip : AClips) {
      TRun& Run = Runs[Clip.Name];
      // The whole clip name: audio.flac and audio.opus would otherwise both write audio.wmv at once.
      Run.Output = FOutputs.string() + "/" + Clip.Name + String(AFormat.Extension);
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
    FConverter.Start(AAtOnce);
    // Each end comes on a thread of its own, so the run's end (-1) may overtake a task's: wait for all.
    const bool Ended = WaitServing([&] {
      std::lock_guard Guard(FEndsLock);
      return FEnds.contains(-1) && std::ranges::all_of(ClipOfTask, [&](const auto& ATask) {
        return FEnds.contains(ATask.first);
      });
    }, AMilliseconds);
    if (!Ended) {
      FConverter.Stop(true);
      ADD_FAILURE() << "the batch did not end within " << AMilliseconds / 1000 << " s";
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
      EXPECT_EQ(Run.Converted ? OutputFault(Clip, Run.Output, Format) : "failed: " + Run.Message, "");
    }
  }
}

// A gap of hours between the streams' starts or inside them is continued across, not filled: each clip's
// output plays its three seconds with sound and picture starting together, the batch (one task at a time)
// ends in a time and with memory that a few short clips take (filling the gap took hours and grew without
// bound).
TEST_P(CorpusConvertTest, StreamsFarApartConvertInStepWithBoundedTimeAndMemory) {
  const FormatParameters& Format = *FindFormatParameters(GetParam().FormatKey);
  std::ofstream("/proc/self/clear_refs") << "5";
  const double Resident = MemoryMiB("VmRSS:");
  const std::map<String, TRun> Runs = ConvertAll(Format, FarApartClips(), 1, 120000);
  EXPECT_LT(MemoryMiB("VmHWM:") - Resident, 200.0);
  for (const TCorpusClip& Clip : FarApartClips()) {
    SCOPED_TRACE(Clip.Name);
    const TRun& Run = Runs.at(Clip.Name);
    ASSERT_TRUE(Run.Converted) << Run.Message;
    EXPECT_EQ(OutputFault(Clip, Run.Output, Format), "");
    const TDecodedSpan Output = DecodeSpan(Run.Output);
    if (Output.Video && Output.Audio) {
      EXPECT_NEAR(Output.VideoStart, Output.AudioStart, 0.5);
      EXPECT_NEAR(Output.VideoSeconds, Output.AudioSeconds, 0.5);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Families, CorpusConvertTest, testing::ValuesIn(CorpusTargets()),
                         [](const testing::TestParamInfo<TCorpusTarget>& AInfo) { return String(AInfo.param.Family); });
