// The front end against the engine's own task list, format by format: the one-second clip converted once
// through the main window (its format picked in the combos, the clip added, Start, until the window has
// taken the batch's end) and once through a task list of its own holding one task with the options the
// window's Start gave the engine, one task at a time, alternating which goes first, in the same run. The
// median of each path per format is printed, summed per encoder family, with their ratio. Run it from the
// build folder: tools/bench/sweep/bench_sweep [rounds, 3 by default].
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <stdexcept>

#include "engine/tasklist/FFConverter.h"
#include "platform/base/FileUtils.h"
#include "platform/base/MainThread.h"
#include "tests/app/sweep/SweepTest.h"

namespace {

using TClock = std::chrono::steady_clock;

int Rounds = 3;

double Milliseconds(TClock::duration ATime) { return std::chrono::duration<double, std::milli>(ATime).count(); }

double Median(std::vector<double> ATimes) {
  std::ranges::sort(ATimes);
  return ATimes[ATimes.size() / 2];
}

/// Converts AInput to AOutput through a task list of its own with one task made from AInputOptions and
/// AOutputOptions, started with one task at a time; answers the time from adding the task to the run's end.
double ThroughTaskList(const String& AInput, TInputOptions AInputOptions, const String& AOutput,
                       TOutputOptions AOutputOptions) {
  TFFConverter Converter(nullptr);
  std::atomic<bool> Ended { false };
  std::mutex FailureLock;
  String Failure;
  Converter.OnProgress = [](TObject*, PProgressInfo) {};
  Converter.OnTerminate = [&](TObject*, const TTerminateInfo& AInfo) {
    if (AInfo.Exception) {
      std::lock_guard Held(FailureLock);
      Failure = AInfo.ExceptionMsg;
    }
    if (AInfo.TaskIndex < 0) Ended.store(true);
    WakeWaiters();
  };
  AInputOptions.FileName.clear();
  AOutputOptions.FileName.clear();
  const TClock::time_point Begun = TClock::now();
  const int Index = Converter.AddTask(AInput, &AInputOptions);
  if (Index < 0 || !Converter.SetOutputFile(Index, AOutput, &AOutputOptions)) throw std::runtime_error(Converter.LastErrMsg());
  Converter.Start(1);
  WaitServing([&] { return Ended.load(); });
  const double Took = Milliseconds(TClock::now() - Begun);
  if (!Failure.empty()) throw std::runtime_error(Failure);
  return Took;
}

/// One format's times, and the options the window's first Start gave the engine for it.
struct TTimes {
  std::vector<double> FrontEnd;
  std::vector<double> TaskList;
  TInputOptions Input;
  TOutputOptions Output;
};

class SweepBench : public SweepTest {
protected:
  void SetUp() override {
    SweepTest::SetUp();
    SetThreadCount(1);
  }

  /// One round of AFormat through the window, then (or first, with ATaskListFirst) through a task list of
  /// its own with the options the window's first Start gave the engine; false when the format does not
  /// convert.
  bool Round(const TSweepFormat& AFormat, int ARound, bool ATaskListFirst, TTimes& ATimes) {
    if (RowCount() > 0) ClearList();
    const String Name = IntToStr(AFormat.Key) + "-" + IntToStr(ARound);
    const TSweepJob Job = Add(AFormat, Name);
    if (Job.Output.empty()) return false;
    const String Input = Row(0)->Caption();
    const auto TaskList = [&] {
      const String Output = Media().Folder + "/sweep/list-" + Name + ExtractFileExt(Job.Output);
      ATimes.TaskList.push_back(ThroughTaskList(Input, ATimes.Input, Output, ATimes.Output));
    };
    if (ATaskListFirst) TaskList();
    const TClock::time_point Started = TClock::now();
    RunBatch();
    ATimes.FrontEnd.push_back(Milliseconds(TClock::now() - Started));
    const std::optional<TRecordingConverter::TTaskEnd> End = Recorder->EndOf(Job.Output);
    if (!End || !End->Finished) return false;
    if (ARound == 0) {
      // The slot holds what the Start's rebuild handed the engine.
      const size_t Slot = size_t(Form->JobSlots.SlotOf(Row(0)));
      ATimes.Input = Form->JobSlots.IO1.at(Slot);
      ATimes.Output = Form->JobSlots.OO1.at(Slot);
    }
    if (!ATaskListFirst) TaskList();
    return true;
  }
};

TEST_F(SweepBench, FrontEndAgainstTheTaskList) {
  struct TFamily {
    int Formats { 0 };
    double FrontEnd { 0 };
    double TaskList { 0 };
  };
  std::map<String, TFamily> Families;
  for (const TSweepFormat& Format : SweepFormats()) {
    TTimes Times;
    bool Converts = false;
    try {
      Converts = Round(Format, 0, false, Times);
      for (int R = 1; Converts && R < Rounds; ++R) Converts = Round(Format, R, R % 2 == 1, Times);
    } catch (const std::exception& E) {
      ADD_FAILURE() << Format.Key << " " << Format.Caption << " through the task list: " << E.what();
      Converts = false;
    }
    if (!Converts) {
      std::printf("%5d %-20s not converted\n", Format.Key, Format.Encoder.c_str());
      continue;
    }
    TFamily& Family = Families[Format.Encoder];
    ++Family.Formats;
    Family.FrontEnd += Median(Times.FrontEnd);
    Family.TaskList += Median(Times.TaskList);
  }
  TFamily All;
  std::printf("\nOne-second clip, per format (median of %d rounds), per encoder family:\n", Rounds);
  std::printf("%-20s %7s %16s %16s %7s\n", "encoder", "formats", "front end ms", "task list ms", "ratio");
  for (const auto& [Encoder, Family] : Families) {
    std::printf("%-20s %7d %16.1f %16.1f %7.3f\n", Encoder.c_str(), Family.Formats, Family.FrontEnd / Family.Formats,
                Family.TaskList / Family.Formats, Family.FrontEnd / Family.TaskList);
    All.Formats += Family.Formats;
    All.FrontEnd += Family.FrontEnd;
    All.TaskList += Family.TaskList;
  }
  std::printf("%-20s %7d %16.1f %16.1f %7.3f\n", "all", All.Formats, All.FrontEnd / All.Formats,
              All.TaskList / All.Formats, All.FrontEnd / All.TaskList);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc > 1) Rounds = std::max(1, std::atoi(argv[1]));
  // No sound device or window is needed: the windows run on the headless presenter.
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  return RUN_ALL_TESTS();
}
