// A 10 s 640x360 clip converted to MPEG-4 + MP2 in AVI and to WMV2 + WMA2 in ASF: once by a task of the
// engine and once by a plain decode, encode and mux loop written here on the same libraries (through the
// engine's entry points) with the same settings; one conversion at a time and four at once. After the
// runs the engine's time is printed as a ratio of the plain loop's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "engine/task/FFmpeg.h"
#include "engine/libav/FFmpegLoader.h"
#include "tests/engine/fixtures/MediaFixtures.h"
#include "tools/bench/transcode/BenchSupport.h"
#include "tools/bench/transcode/TaskListBench.h"

namespace fs = std::filesystem;

namespace {

using namespace bench;

constexpr TFormat Formats[] = { { "AVI", "avi", "mpeg4", "mp2" }, { "ASF", "asf", "wmv2", "wmav2" } };

String OutputName(const TFormat& AFormat, const char* AWho, int AIndex) {
  return Folder() + "/" + AWho + "-" + std::to_string(AIndex) + "." + AFormat.Extension;
}

/// A task of the engine, configured and run on the calling thread as a synchronous task-list run does.
void EngineConversion(const TFormat& AFormat, int AIndex, int ACount) {
  TCustomFFmpeg Task(20);
  if (!Task.OpenInputFile(Clip())) throw std::runtime_error(Task.LastErrMsg());
  Task.SimultaneousTasks = ACount;
  Task.ApplyOption("vcodec", AFormat.Video);
  Task.ApplyOption("acodec", AFormat.Audio);
  if (Task.OpenOutputFile(OutputName(AFormat, "engine", AIndex), false) < 0) throw std::runtime_error(Task.LastErrMsg());
  Task.StartConvert(false, tpNormal);
  if (!Task.Finished()) throw std::runtime_error(Task.FatalMessage());
}

/// The plain loop threads its codecs as the engine's tasks do: the libraries' choice alone, a share of the
/// cores beside others.
void DirectConversion(const TFormat& AFormat, int AIndex, int ACount) {
  const int Threads = ACount == 1 ? 0 : std::max(1, int(std::thread::hardware_concurrency()) / ACount);
  TDirectConversion(Clip(), OutputName(AFormat, "direct", AIndex), AFormat, Threads).Run();
}

/// The shortest round of each side, in milliseconds: wall-clock time, and processor time of the whole
/// process (all its threads), which the load of other processes on the machine disturbs far less.
struct TResult {
  std::string Name;
  double Engine { 1e300 };
  double Direct { 1e300 };
  double EngineCpu { 1e300 };
  double DirectCpu { 1e300 };
};
std::vector<TResult> Results;

/// Each round converts with both, in alternating order, so that the load of the machine falls on both
/// alike; the shortest round of each is the figure least disturbed by it.
void BM_Compare(benchmark::State& AState, const std::string& AName, const TFormat& AFormat, int ACount) {
  TResult Result { AName };
  int Round = 0;
  for (auto _ : AState) {
    const auto Engine = [&] { Measure([&] { AtOnce(ACount, [&](int I) { EngineConversion(AFormat, I, ACount); }); }, Result.Engine, Result.EngineCpu); };
    const auto Direct = [&] { Measure([&] { AtOnce(ACount, [&](int I) { DirectConversion(AFormat, I, ACount); }); }, Result.Direct, Result.DirectCpu); };
    if (Round++ % 2 == 0) {
      Engine();
      Direct();
    } else {
      Direct();
      Engine();
    }
  }
  AState.counters["engine_ms"] = Result.Engine;
  AState.counters["direct_ms"] = Result.Direct;
  AState.counters["ratio"] = Result.Engine / Result.Direct;
  AState.counters["cpu_ratio"] = Result.EngineCpu / Result.DirectCpu;
  Results.push_back(Result);
}

}  // namespace

int main(int argc, char** argv) {
  String Error;
  if (!LoadAVLib("", TranscoderLibraries, Error)) {
    std::fprintf(stderr, "%s\n", Error.c_str());
    return 1;
  }
  // Nothing is handed to a user-interface thread here; the engine's and FFmpeg's lines stay quiet.
  GlobalLogger()->SetTriggerEventInMainThread(false);
  GlobalLogger()->SetLogLevel(llQuiet);
  Clip();
  RegisterTaskListBenchmarks();
  for (const TFormat& Format : Formats)
    for (int Count : { 1, 4 }) {
      const std::string Name = std::string(Format.Name) + "/tasks:" + std::to_string(Count);
      benchmark::RegisterBenchmark(Name.c_str(), BM_Compare, Name, Format, Count)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);
    }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("\nshortest of the rounds; engine time / plain loop time (target: at most 1.05)\n");
  for (const TResult& Result : Results)
    std::printf("  %-12s wall: engine %7.1f ms, plain loop %7.1f ms, ratio %.3f;  processor: engine %7.1f ms, plain loop %7.1f ms, "
                "ratio %.3f\n",
                Result.Name.c_str(), Result.Engine, Result.Direct, Result.Engine / Result.Direct, Result.EngineCpu, Result.DirectCpu,
                Result.EngineCpu / Result.DirectCpu);
  PrintTaskListResults();
  benchmark::Shutdown();
  return 0;
}
