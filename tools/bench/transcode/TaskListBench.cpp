#include "tools/bench/transcode/TaskListBench.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>

#include "engine/libav/FFmpegLogger.h"
#include "engine/tasklist/FFConverter.h"
#include "platform/base/MainThread.h"
#include "tools/bench/transcode/BenchSupport.h"

namespace {

using namespace bench;

/// x264 at its medium preset and quality 23, AAC at 128 kbit/s: the plain loop's settings, and the same
/// job as the task list's option text.
constexpr TFormat H264 { "MP4", "mp4", "libx264", "aac", "preset=medium:crf=23", "b=128000" };
constexpr const char* H264Job = "vcodec=libx264\nacodec=aac\npreset=medium\ncrf=23\nab=128000";

/// Converts AInput ACount times at once through a task list with AJob's options, while this thread, the
/// user-interface thread, serves hand-overs every AServeEveryMs milliseconds (0: as they come). Progress
/// and log lines are handed over as the converter's window takes them.
void ThroughTaskList(const String& AInput, const char* AJob, const char* AExtension, int ACount, int AServeEveryMs) {
  TFFConverter Converter(nullptr);
  for (int I = 0; I < ACount; ++I) {
    const int Index = Converter.AddTask(AInput);
    if (Index < 0) throw std::runtime_error(Converter.LastErrMsg());
    const String Output = Folder() + "/list-" + std::to_string(I) + "." + AExtension;
    if (!Converter.SetOutputFile(Index, Output, AJob)) throw std::runtime_error(Converter.LastErrMsg());
  }
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
  Converter.Start(ACount);
  if (AServeEveryMs == 0) {
    WaitServing([&] { return Ended.load(); });
  } else {
    while (!Ended.load()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(AServeEveryMs));
      CheckSynchronize(0);
    }
  }
  if (!Failure.empty()) throw std::runtime_error(Failure);
}

/// The process's resident memory, now and at its peak since the last ResetPeakMemory, in MiB.
double MemoryMiB(const char* AField) {
  std::ifstream Status("/proc/self/status");
  for (std::string Line; std::getline(Status, Line);)
    if (Line.rfind(AField, 0) == 0) return std::stod(Line.substr(std::string(AField).size())) / 1024;
  return 0;
}
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

struct TFigures {
  double Wall { 1e300 };
  double Cpu { 1e300 };
};

double HandOverRatio = 0;
double H264Ratio = 0;
double H264Throughput = 0;
double PeakPerTaskMiB = 0;

/// Log lines and progress go to the user-interface thread while these run, as in the converter.
class TLinesToTheUIThread {
public:
  TLinesToTheUIThread() {
    GlobalLogger()->OnLog = [](TObject*, Cardinal, TLogLevel, const String&) {};
    GlobalLogger()->SetLogLevel(llInfo);
    GlobalLogger()->SetTriggerEventInMainThread(true);
  }
  ~TLinesToTheUIThread() {
    GlobalLogger()->SetTriggerEventInMainThread(false);
    GlobalLogger()->SetLogLevel(llQuiet);
    GlobalLogger()->OnLog = nullptr;
  }
};

/// Rounds alternate the two sides, so that the machine's load falls on both alike; the shortest round of
/// each counts.
void Alternate(benchmark::State& AState, const std::function<void()>& AFirst, TFigures& AFirstFigures,
               const std::function<void()>& ASecond, TFigures& ASecondFigures) {
  int Round = 0;
  for (auto _ : AState) {
    const auto First = [&] { Measure(AFirst, AFirstFigures.Wall, AFirstFigures.Cpu); };
    const auto Second = [&] { Measure(ASecond, ASecondFigures.Wall, ASecondFigures.Cpu); };
    if (Round++ % 2 == 0) {
      First();
      Second();
    } else {
      Second();
      First();
    }
  }
}

void BM_HandOver(benchmark::State& AState) {
  TLinesToTheUIThread Lines;
  TFigures Slow, Fast;
  Alternate(AState, [] { ThroughTaskList(ClipH264(), H264Job, "mp4", 4, 100); }, Slow,
            [] { ThroughTaskList(ClipH264(), H264Job, "mp4", 4, 0); }, Fast);
  HandOverRatio = Slow.Wall / Fast.Wall;
  AState.counters["ratio"] = HandOverRatio;
}

void BM_H264(benchmark::State& AState) {
  TLinesToTheUIThread Lines;
  TFigures List, Direct;
  Alternate(AState, [] { ThroughTaskList(ClipH264(), H264Job, "mp4", 1, 0); }, List,
            [] { TDirectConversion(ClipH264(), Folder() + "/direct-h264.mp4", H264, 0).Run(); }, Direct);
  H264Ratio = List.Wall / Direct.Wall;
  AState.counters["ratio"] = H264Ratio;
}

void BM_H264FourAtOnce(benchmark::State& AState) {
  TLinesToTheUIThread Lines;
  TFigures Four, OneThread;
  const double Before = MemoryMiB("VmRSS:");
  ResetPeakMemory();
  Alternate(AState, [] { ThroughTaskList(ClipH264(), H264Job, "mp4", 4, 0); }, Four,
            [] { TDirectConversion(ClipH264(), Folder() + "/direct-h264-1.mp4", H264, 1).Run(); }, OneThread);
  PeakPerTaskMiB = (MemoryMiB("VmHWM:") - Before) / 4;
  H264Throughput = 4 * OneThread.Wall / Four.Wall;
  AState.counters["throughput"] = H264Throughput;
  AState.counters["peak_MiB_per_task"] = PeakPerTaskMiB;
}

}  // namespace

void RegisterTaskListBenchmarks() {
  ClipH264();
  using TBenchmark = void (*)(benchmark::State&);
  for (const auto& [Name, Function] : { std::pair<const char*, TBenchmark> { "TaskList/HandOverEvery100ms", BM_HandOver },
                                        { "TaskList/H264", BM_H264 }, { "TaskList/H264/tasks:4", BM_H264FourAtOnce } })
    benchmark::RegisterBenchmark(Name, Function)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);
}

void PrintTaskListResults() {
  std::printf("\ntask list, shortest of the rounds\n");
  std::printf("  4 tasks, hand-overs served every 100 ms / served at once: %.3f (aim: at most 1.15)\n", HandOverRatio);
  std::printf("  720p H.264 + AAC, one task / plain loop with automatic threads: %.3f (aim: at most 1.05)\n", H264Ratio);
  std::printf("  720p H.264 + AAC, 4 tasks at once, throughput / the plain loop with one thread: %.2f (aim: at least 3.5), "
              "peak memory %.0f MiB per task\n",
              H264Throughput, PeakPerTaskMiB);
}
