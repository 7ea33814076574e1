// Eight 10 s 640x360 clips converted to the main window's default format (WMV) through the front end's
// Start, with 1 and with 4 simultaneous tasks, against the engine's task list converting the same eight
// jobs directly (the same inputs, outputs and option records the front end handed over), in the same run.
// The front end's side includes everything the window does for a batch: the rebuild of the tasks from the
// rows, the command states, the progress cells and their painting, and the batch end. Aims: the front end
// adds under 2 % to the direct run; 4 tasks give at least 3 times the throughput of 1.
// Then the memory a full list takes before it converts: the list cleared, a folder of 501 H.264 clips added
// through the folder add, and the process's resident memory before and after. Aim: under 200 MB in all.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

#include "app/engine/TFFConverterEngine.h"
#include "app/forms/TForm1.h"
#include "app/forms/TForm5.h"
#include "app/program/ConverterForms.h"
#include "engine/tasklist/FFConverter.h"
#include "platform/base/FileUtils.h"
#include "platform/base/MainThread.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/shell/IPowerService.h"
#include "platform/shell/IShellOpenService.h"
#include "platform/shell/ISoundService.h"
#include "platform/ui/toolkit/ModalResponders.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/dialogs/TskOpenDlgForm.h"
#include "skin/dialogs/TskSelDirDlgForm.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"
#include "skin/dialogs/TskSkinOpenDialog.h"
#include "tools/bench/transcode/BenchSupport.h"

namespace fs = std::filesystem;

namespace {

using namespace bench;

constexpr int ClipCount = 8;
/// The most rows a list holds.
constexpr int FullListRows = 501;

/// The process's resident memory in MB, once the allocator gave back what it holds unused.
double ResidentMB() {
  malloc_trim(0);
  std::ifstream Status("/proc/self/statm");
  long Pages = 0;
  long Resident = 0;
  Status >> Pages >> Resident;
  return double(Resident) * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024);
}

/// The after-done actions stay silent: the batch end runs "nothing", and these are never called.
class TNoPower : public IPowerService {
public:
  TPowerOffResult PowerOff() override { return { false, "benchmark" }; }
};
class TNoSound : public ISoundService {
public:
  bool PlaySound(const String&) override { return false; }
};
class TNoShellOpen : public IShellOpenService {
public:
  bool Open(const String&, const String&) override { return false; }
};

/// One job as the front end's Start handed it to the engine.
struct TJob {
  String Input;
  String Output;
  TInputOptions InputOptions;
  TOutputOptions OutputOptions;
};

/// The converter's windows on a headless screen over the real engine, installed in a folder of their own
/// for a user whose home is another, with the eight clips added through the window's own add command.
/// The window's logger is the process's, so it is made before anything else logs.
class TFrontEnd {
public:
  TFrontEnd() {
    const fs::path Root = fs::temp_directory_path() / ("zorvik-bench-frontend-" + std::to_string(getpid()));
    fs::remove_all(Root);
    fs::create_directories(Root / "install");
    fs::create_directories(Root / "home");
    fs::create_directories(Root / "clips");
    FRoot = Root.string();
    OverrideExePath((Root / "install").string());
    setenv("HOME", (Root / "home").c_str(), 1);
    CreateConverterForms(FApp, { &FEngine, &FPower, &FSound, &FShellOpen });
    Form1->Show();
    FScreen.PumpUntilIdle();
    Form5->skSkinCheckRadioBox5->SetChecked(true);
    SetModalResponder("TskOpenDlgForm", [this](TCustomForm* Dialog) {
      TskSkinButton* Open = static_cast<TskOpenDlgForm*>(Dialog)->OpenButton;
      const TPoint Centre = Open->ClientToScreen({ Open->Width() / 2, Open->Height() / 2 });
      FScreen.Click(Centre.X, Centre.Y);
    });
    for (int I = 0; I < ClipCount; ++I) {
      const fs::path Clip = Root / "clips" / ("clip-" + std::to_string(I) + ".avi");
      fs::copy_file(bench::Clip(), Clip);
      Form1->OpenDialog1->SetFileName(Clip.string());
      Form1->btnAdd->Click();
    }
    SetModalResponder("TskOpenDlgForm", {});
    if (Form1->lvFiles->Items()->Count() != ClipCount) throw std::runtime_error("the clips were not all added");
  }

  ~TFrontEnd() {
    Form1 = nullptr;
    Form5 = nullptr;
    std::error_code Ignored;
    fs::remove_all(FRoot, Ignored);
  }

  /// Converts the rows with ATasks at once, from the Start button to the batch end and every row's end
  /// (a task's end may come after the batch end).
  void Run(int ATasks) {
    Form5->skSkinComboBox2->SetItemIndex(ATasks - 1);
    bool Failed = false;  // a failed task's message box came up
    SetDefaultModalResponder([&](TCustomForm* ABox) {
      Failed = true;
      ABox->SetModalResult(mrOk);
    });
    Form1->btnStart->Click();
    const auto Ended = [&] {
      if (Failed || Form1->btnStop->Enabled()) return Failed;
      for (int I = 0; I < ClipCount; ++I)
        if (Form1->lvFiles->Items()->Item(I)->SubItems()->Strings(3) != "100%") return false;
      return true;
    };
    while (!Ended()) {
      FScreen.PumpUntilIdle();
      WaitServing(Ended, 10);
    }
    SetDefaultModalResponder({});
    if (Failed) throw std::runtime_error("a task failed");
  }

  /// Clears the list and adds a folder of AFiles links to AClip through the folder add; the process's resident
  /// memory (MB) before and after.
  std::pair<double, double> AddFullFolder(const String& AClip, int AFiles) {
    Form1->btnClear->Click();
    const fs::path Folder = fs::path(FRoot) / "full";
    fs::create_directories(Folder);
    for (int I = 0; I < AFiles; ++I) fs::create_symlink(AClip, Folder / ("clip-" + std::to_string(I) + ".mp4"));
    FScreen.PumpUntilIdle();
    const double Before = ResidentMB();
    Form1->skSkinSelectDirectoryDialog1->SetDirectory(Folder.string());
    SetModalResponder("TskSelDirDlgForm", [this](TCustomForm* ADialog) {
      FScreen.PumpUntilIdle();
      TskSkinButton* Ok = static_cast<TskSelDirDlgForm*>(ADialog)->OkButton;
      const TPoint Centre = Ok->ClientToScreen({ Ok->Width() / 2, Ok->Height() / 2 });
      FScreen.Click(Centre.X, Centre.Y);
    });
    Form1->Button12->Click();
    SetModalResponder("TskSelDirDlgForm", {});
    FScreen.PumpUntilIdle();
    if (Form1->lvFiles->Items()->Count() != AFiles) throw std::runtime_error("the folder's clips were not all added");
    return { Before, ResidentMB() };
  }

  /// The jobs of the last Start: each row's input, output and its slot's records, which the Start wrote.
  std::vector<TJob> Jobs() const {
    std::vector<TJob> Result;
    TListItems* Rows = Form1->lvFiles->Items();
    for (int I = 0; I < Rows->Count(); ++I) {
      TListItem* Row = Rows->Item(I);
      const int Slot = Form1->JobSlots.SlotOf(Row);
      Result.push_back({ Row->Caption(), Form1->FileOutPutPath + "/" + Row->SubItems()->Strings(2),
                         Form1->JobSlots.IO1[size_t(Slot)], Form1->JobSlots.OO1[size_t(Slot)] });
    }
    return Result;
  }

private:
  String FRoot;
  HeadlessPresenter FScreen { { 1280, 800 } };
  TNoPower FPower;
  TNoSound FSound;
  TNoShellOpen FShellOpen;
  TApplication FApp { nullptr };
  // Gone before the windows, as in the program: its threads end while the window is whole.
  TFFConverterEngine FEngine;
};

/// The same jobs through a task list of their own, progress handed to this thread as the window takes it,
/// into outputs beside the front end's.
void Direct(const std::vector<TJob>& AJobs, int ATasks) {
  TFFConverter Converter(nullptr);
  for (const TJob& Job : AJobs) {
    TInputOptions Input = Job.InputOptions;
    TOutputOptions Output = Job.OutputOptions;
    const int Index = Converter.AddTask(Job.Input, &Input);
    if (Index < 0) throw std::runtime_error(Converter.LastErrMsg());
    const fs::path Path(Job.Output);
    const String Target = (Path.parent_path() / ("direct-" + Path.filename().string())).string();
    if (!Converter.SetOutputFile(Index, Target, &Output)) throw std::runtime_error(Converter.LastErrMsg());
  }
  std::atomic<bool> Ended { false };
  Converter.OnProgress = [](TObject*, PProgressInfo) {};
  Converter.OnTerminate = [&](TObject*, const TTerminateInfo& AInfo) {
    if (AInfo.TaskIndex < 0) Ended = true;
    WakeWaiters();
  };
  Converter.Start(ATasks);
  WaitServing([&] { return Ended.load(); });
}

struct TFigures {
  double Wall { 1e300 };
  double Cpu { 1e300 };
};
TFigures FrontEnd[2], DirectRun[2];  // by 1 task, 4 tasks

TFrontEnd* TheFrontEnd = nullptr;

/// Rounds alternate the two sides, so that the machine's load falls on both alike; the shortest round of
/// each counts.
void BM_Batch(benchmark::State& AState, int ATasks) {
  const int Side = ATasks == 1 ? 0 : 1;
  int Round = 0;
  for (auto _ : AState) {
    const auto ThroughWindow = [&] { Measure([&] { TheFrontEnd->Run(ATasks); }, FrontEnd[Side].Wall, FrontEnd[Side].Cpu); };
    const auto Directly = [&] { Measure([&] { Direct(TheFrontEnd->Jobs(), ATasks); }, DirectRun[Side].Wall, DirectRun[Side].Cpu); };
    if (Round++ % 2 == 0) {
      ThroughWindow();
      Directly();
    } else {
      Directly();
      ThroughWindow();
    }
  }
  AState.counters["frontend_ms"] = FrontEnd[Side].Wall;
  AState.counters["direct_ms"] = DirectRun[Side].Wall;
  AState.counters["ratio"] = FrontEnd[Side].Wall / DirectRun[Side].Wall;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    TFrontEnd Front;
    TheFrontEnd = &Front;
    // The direct side's first round needs the front end's option records: one batch first, not measured.
    Front.Run(4);
    for (int Tasks : { 1, 4 })
      benchmark::RegisterBenchmark(("FrontEndBatch/tasks:" + std::to_string(Tasks)).c_str(), BM_Batch, Tasks)
          ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::printf("\nshortest of the rounds, %d clips of 10 s 640x360 to WMV\n", ClipCount);
    for (int Side : { 0, 1 })
      if (FrontEnd[Side].Wall < 1e300)
        std::printf("  %d task(s): front end %8.1f ms, task list directly %8.1f ms, ratio %.3f (aim: at most 1.02); "
                    "processor ratio %.3f\n",
                    Side == 0 ? 1 : 4, FrontEnd[Side].Wall, DirectRun[Side].Wall,
                    FrontEnd[Side].Wall / DirectRun[Side].Wall, FrontEnd[Side].Cpu / DirectRun[Side].Cpu);
    if (FrontEnd[0].Wall < 1e300 && FrontEnd[1].Wall < 1e300)
      std::printf("  throughput of 4 tasks / 1 task through the front end: %.2f (aim: at least 3), %u cores\n",
                  FrontEnd[0].Wall / FrontEnd[1].Wall, std::thread::hardware_concurrency());
    const auto [Before, After] = Front.AddFullFolder(ClipH264(), FullListRows);
    std::printf("  a full list of %d rows of 4 s 1280x720 H.264: %.1f MB resident before, %.1f MB after, "
                "%.3f MB a row (aim: under 200 MB in all)\n",
                FullListRows, Before, After, (After - Before) / FullListRows);
    benchmark::Shutdown();
  } catch (const std::exception& E) {
    std::fprintf(stderr, "bench_frontend_batch: %s\n", E.what());
    return 1;
  }
  return 0;
}
