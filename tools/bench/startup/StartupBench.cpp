// Cold start of the converter zorvik to its painted main window, beside the platform demo's start to its
// painted form, in rounds of the same run: each program is copied into an install folder of its own, started
// with a home of its own, and timed from its start until the X server's screen shows its window painted
// (polled with XGetImage); its resident memory is read then, and the window is closed as the desktop closes
// it. Needs an X server: run under xvfb-run -a -s "-screen 0 1280x800x24".
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

#include "tools/platform-demo/TDemoPicture.h"
#include "tools/screenshot/ConverterMainWindow.h"
#include "tools/screenshot/Polling.h"
#include "tools/screenshot/TInstalledProgram.h"
#include "tools/screenshot/XTopLevelWindows.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

/// A program to start: its file, its window's title and what its window shows once painted.
struct TProgram {
  const char* Name;
  const char* File;
  const char* Title;
  std::function<bool(XScreenshot&, const TRect&)> Painted;
};

/// Whether the rectangle last taken shows every one of Colors somewhere in R.
bool ShowsEvery(const XScreenshot& Shot, const TRect& R, const std::vector<TColor>& Colors) {
  std::vector<bool> Seen(Colors.size());
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X) {
      const auto At = std::find(Colors.begin(), Colors.end(), Shot.At(X, Y));
      if (At != Colors.end()) Seen[size_t(At - Colors.begin())] = true;
    }
  return std::all_of(Seen.begin(), Seen.end(), [](bool S) { return S; });
}

/// The demo's form is painted when its picture shows its three bands and its disc.
bool DemoPainted(XScreenshot& Shot, const TRect& Frame) {
  return Shot.Take(Frame) && ShowsEvery(Shot, Frame, { TDemoPicture::BandColors[0], TDemoPicture::BandColors[1],
                                                        TDemoPicture::BandColors[2], TDemoPicture::DiscColor });
}

const TProgram Converter { "zorvik", ZORVIK_PROGRAM, ConverterTitle, &ConverterWindowPainted };
const TProgram Demo { "platform-demo", PLATFORM_DEMO_PROGRAM, "Platform demo", &DemoPainted };

/// One start: milliseconds from the start to the mapped window and to the painted window, and the resident
/// memory then (MiB).
struct TStart {
  double Mapped { 0 };
  double Painted { 0 };
  double ResidentMiB { 0 };
  double PeakMiB { 0 };
};

double MillisecondsSince(Clock::time_point Start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - Start).count();
}

TStart StartOnce(const TProgram& Program, XTopLevelWindows& Windows) {
  TInstalledProgram Run(Program.File);
  TStart Result;
  std::optional<TRect> Frame;
  XScreenshot Shot;
  const Clock::time_point Start = Clock::now();
  if (!Run.Start()) throw std::runtime_error(String(Program.Name) + " cannot be started");
  // The window may move while the program sets itself up: it is found again on every look.
  const bool Painted = PollUntil([&] {
    if (!(Frame = Windows.Find(Program.Title))) return false;
    if (!Result.Mapped) Result.Mapped = MillisecondsSince(Start);
    return Program.Painted(Shot, *Frame);
  }, 30s, 1ms);
  if (!Painted)
    throw std::runtime_error(String(Program.Name) + (Frame ? ": its window was never painted" : ": no window came up"));
  Result.Painted = MillisecondsSince(Start);
  Result.ResidentMiB = double(Run.ResidentKiB()) / 1024;
  Result.PeakMiB = double(Run.PeakResidentKiB()) / 1024;
  Windows.RequestClose(Program.Title);
  if (Run.WaitForExit(30s) != 0) throw std::runtime_error(String(Program.Name) + " did not end with 0 when closed");
  return Result;
}

std::vector<TStart> ConverterStarts, DemoStarts;

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

/// The median of one figure over the starts.
double Median(const std::vector<TStart>& Starts, double TStart::*Figure) {
  std::vector<double> Values;
  for (const TStart& Start : Starts) Values.push_back(Start.*Figure);
  return Median(Values);
}

/// Each round starts both programs, in alternating order, so that the load of the machine falls on both alike.
void BM_ColdStart(benchmark::State& State) {
  XTopLevelWindows Windows;
  int Round = 0;
  for (auto _ : State) {
    if (Round++ % 2 == 0) {
      ConverterStarts.push_back(StartOnce(Converter, Windows));
      DemoStarts.push_back(StartOnce(Demo, Windows));
    } else {
      DemoStarts.push_back(StartOnce(Demo, Windows));
      ConverterStarts.push_back(StartOnce(Converter, Windows));
    }
  }
  State.counters["zorvik_ms"] = Median(ConverterStarts, &TStart::Painted);
  State.counters["demo_ms"] = Median(DemoStarts, &TStart::Painted);
  State.counters["ratio"] = State.counters["zorvik_ms"] / State.counters["demo_ms"];
  State.counters["zorvik_MiB"] = Median(ConverterStarts, &TStart::ResidentMiB);
}

/// The median and the shortest of one figure over the starts.
void Report(const char* What, const std::vector<TStart>& Starts, double TStart::*Figure, const char* Unit) {
  double Least = Starts.front().*Figure;
  for (const TStart& Start : Starts) Least = std::min(Least, Start.*Figure);
  std::printf("  %-36s median %7.1f %s, least %7.1f %s\n", What, Median(Starts, Figure), Unit, Least, Unit);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("ColdStart/zorvik+platform-demo", BM_ColdStart)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->Iterations(10);
  benchmark::Initialize(&argc, argv);
  try {
    benchmark::RunSpecifiedBenchmarks();
  } catch (const std::exception& E) {
    std::fprintf(stderr, "bench_startup: %s\n", E.what());
    return 1;
  }
  if (ConverterStarts.empty()) return 0;
  std::printf("\nstart to painted window over %zu rounds (aims: the converter under 300 ms and 80 MiB)\n",
              ConverterStarts.size());
  Report("zorvik: window mapped", ConverterStarts, &TStart::Mapped, "ms ");
  Report("zorvik: window painted", ConverterStarts, &TStart::Painted, "ms ");
  Report("zorvik: resident memory then", ConverterStarts, &TStart::ResidentMiB, "MiB");
  Report("zorvik: peak resident memory", ConverterStarts, &TStart::PeakMiB, "MiB");
  Report("platform-demo: window painted", DemoStarts, &TStart::Painted, "ms ");
  Report("platform-demo: resident memory then", DemoStarts, &TStart::ResidentMiB, "MiB");
  std::vector<double> Ratios;
  for (size_t I = 0; I < ConverterStarts.size(); ++I)
    Ratios.push_back(ConverterStarts[I].Painted / DemoStarts[I].Painted);
  std::printf("  %-36s median %7.2f\n", "zorvik / platform-demo, painted", Median(Ratios));
  benchmark::Shutdown();
  return 0;
}
