#include "engine/tasklist/FFConverter.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/MyUtils.h"
#include "engine/tasklist/OptionText.h"
#include "engine/tasklist/OptionTranslation.h"
#include "engine/tasklist/TOutputOptionsTranslation.h"
#include "engine/libav/TServingLock.h"
#include "platform/base/MainThread.h"
#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"

namespace {

/// The tasks whose event handlers run on this thread, innermost last: a Stop called from such a handler
/// cannot wait for those tasks, which wait for the handler.
thread_local std::vector<const TFFmpeg*> HandlerTasks;

class THandlerScope {
public:
  explicit THandlerScope(const TFFmpeg* ATask) { HandlerTasks.push_back(ATask); }
  ~THandlerScope() { HandlerTasks.pop_back(); }
  THandlerScope(const THandlerScope&) = delete;
  THandlerScope& operator=(const THandlerScope&) = delete;
};

bool InsideHandlerOf(const TFFmpeg* ATask) { return std::ranges::find(HandlerTasks, ATask) != HandlerTasks.end(); }

}  // namespace

/// Delivers one end report (its own copy) on a thread of its own, once the deliveries it comes after have
/// delivered theirs.
class TCustomFFConverter::TDoTerminateThread : public TThread {
public:
  TDoTerminateThread(TTerminateEvent AOnTerminate, TObject* ASender, const TTerminateInfo& ATerminateInfo,
                     std::vector<std::shared_ptr<TDoTerminateThread>> AEarlier)
      : FOnTerminate(std::move(AOnTerminate)), FSender(ASender), FTerminateInfo(ATerminateInfo), FEarlier(std::move(AEarlier)) {}
  ~TDoTerminateThread() override { TerminateAndWait(); }

protected:
  void Execute() override {
    for (const auto& Earlier : FEarlier) Earlier->WaitFor();
    FEarlier.clear();
    if (FOnTerminate) FOnTerminate(FSender, FTerminateInfo);
  }

private:
  TTerminateEvent FOnTerminate;
  TObject* FSender;
  TTerminateInfo FTerminateInfo;
  std::vector<std::shared_ptr<TDoTerminateThread>> FEarlier;
};

TCustomFFConverter::TCustomFFConverter(TComponent* AOwner)
    : TFFBaseComponent(AOwner), FAVProbe(std::make_unique<TAVProbe>(nullptr)) {}

TCustomFFConverter::~TCustomFFConverter() { StopAndRelease(); }

void TCustomFFConverter::BeforeDestruction() {
  // Deleted: the threads stop while the object is whole, so none reaches it halfway through its destructors.
  StopAndRelease();
  TFFBaseComponent::BeforeDestruction();
}

void TCustomFFConverter::StopAndRelease() {
  // Nothing the component owns may go while a thread it started can still reach it: the run is stopped
  // first, the tasks are freed (joining their threads), then the threads that deliver end reports are
  // joined; the locks go last, with the members.
  if (FWorking && !FTerminated) Stop(true);
  std::vector<std::unique_ptr<TFFmpeg>> Tasks;
  {
    TServingLock Lock(FTerminateLock);
    Tasks = FFFmpegList.ExtractAll();
  }
  Tasks.clear();
  JoinDeliveryThreads();
}

bool TCustomFFConverter::AVLibLoaded() const { return FFLoader.Loaded(TranscoderLibraries); }

bool TCustomFFConverter::LoadAVLib(const String& APath) { return ::LoadAVLib(APath, TranscoderLibraries, FLastErrMsg); }

void TCustomFFConverter::UnloadAVLib() { FFLoader.Unload(TranscoderLibraries); }

int TCustomFFConverter::AddTask(const String& AFileName, TInputOptions* AOptions) {
  CheckWorking("AddTask");
  auto NewTask = std::make_unique<TFFmpeg>(FCustomMaxFiles);
  try {
    if (!AVLibLoaded()) {
      FLastErrMsg = "libav not loaded.";
      return -1;
    }
    NewTask->ResetTask();
    NewTask->ApplyOption("v", IntToStr(FVerbose));
    TPostHooks Hooks;
    if (FPreview) Hooks.Include(phPreview);
    if (FPreviewBitmap) Hooks.Include(phBitmap);
    NewTask->SetPostHooks(Hooks);
    TFFmpeg* Raw = NewTask.get();
    NewTask->OnPreviewBitmap = [this, Raw](TObject*, TBitmap* ABitmap, int AFrameNumber, Int64 APTS) {
      DoPreviewBitmap(Raw, ABitmap, AFrameNumber, APTS);
    };
    if (!OpenInput(*NewTask, AFileName, AOptions)) {
      FLastErrMsg = NewTask->LastErrMsg();
      return -1;
    }
  } catch (const std::exception& E) {
    FLastErrMsg = E.what();
    return -1;
  }
  return AppendTask(std::move(NewTask));
}

int TCustomFFConverter::AddTask(const String& AFileName, const String& AExtOptions) {
  TInputOptions Options = InputOptionsFromText(AExtOptions);
  return AddTask(AFileName, &Options);
}

bool TCustomFFConverter::AddInputFile(int ATaskIndex, const String& AFileName, TInputOptions* AOptions) {
  CheckWorking("AddInputFile");
  TFFmpeg* Target = Task(ATaskIndex);
  if (Target->nb_input_files() >= Target->MaxFiles()) {
    FLastErrMsg = Format("max input files %d reached", Target->MaxFiles());
    return false;
  }
  const int Index = Target->nb_input_files();
  try {
    if (!AOptions) Target->ResetInputOptions(Index);
    if (OpenInput(*Target, AFileName, AOptions)) return true;
    Target->ResetInputOptions(Index);
    FLastErrMsg = Target->LastErrMsg();
  } catch (const std::exception& E) {
    FLastErrMsg = E.what();
  }
  return false;
}

bool TCustomFFConverter::AddInputFile(int ATaskIndex, const String& AFileName, const String& AExtOptions) {
  TInputOptions Options = InputOptionsFromText(AExtOptions);
  return AddInputFile(ATaskIndex, AFileName, &Options);
}

bool TCustomFFConverter::SetOutputFile(int ATaskIndex, const String& AFileName, TOutputOptions* AOptions) {
  CheckWorking("SetOutputFile");
  TFFmpeg* Target = Task(ATaskIndex);
  if (Target->nb_output_files() >= Target->MaxFiles()) {
    FLastErrMsg = Format("max output files %d reached", Target->MaxFiles());
    return false;
  }
  const int Index = Target->nb_output_files();
  try {
    std::optional<TOutputOptionsTranslation> Translation;
    if (AOptions) {
      if (AOptions->FileName.empty()) AOptions->FileName = AFileName;
      Target->SetOutputOptions(Index, *AOptions);
      Translation.emplace(*Target, *Target->OutputOptions(Index));
      Translation->ApplyBeforeOpen();
      if (AOptions->CustomHook)
        Target->OnCustomHook = [this, Target](TObject*, TBitmap* ABitmap, int AFrameNumber, Int64 APTS, bool& AUpdate,
                                              bool& AStopHook) {
          DoCustomHook(Target, ABitmap, AFrameNumber, APTS, AUpdate, AStopHook);
        };
    } else {
      Target->ResetOutputOptions(Index);
    }
    if (Target->OpenOutputFile(AFileName, AOptions && AOptions->Join) > 0) {
      if (Translation) Translation->AddNewStreams();
      return true;
    }
    Target->ResetOutputOptions(Index);
    FLastErrMsg = Target->LastErrMsg();
  } catch (const std::exception& E) {
    FLastErrMsg = E.what();
  }
  return false;
}

bool TCustomFFConverter::SetOutputFile(int ATaskIndex, const String& AFileName, const String& AExtOptions) {
  TOutputOptions Options = OutputOptionsFromText(AExtOptions);
  return SetOutputFile(ATaskIndex, AFileName, &Options);
}

void TCustomFFConverter::ClearTasks() {
  if ((FWorking && !FTerminated) || FStopping > 0) throw Exception("Cannot ClearTasks while working.");
  // Freed after the lock is left: freeing a task waits for its threads, which may need the lock.
  std::vector<std::unique_ptr<TFFmpeg>> Tasks;
  {
    TServingLock Lock(FTerminateLock);
    Tasks = FFFmpegList.ExtractAll();
    FCompleteTasks = 0;
    FCurrentTask = -1;
    FPendingTasks = 0;
    FTerminated = false;
    FThreadMode = false;
    FWorking = false;
  }
  FLastErrMsg.clear();
}

void TCustomFFConverter::Exchange(int ATaskIndex1, int ATaskIndex2) {
  CheckWorking("Exchange");
  TServingLock Lock(FTerminateLock);
  FFFmpegList.Exchange(ATaskIndex1, ATaskIndex2);
}

void TCustomFFConverter::RemoveTask(int ATaskIndex) {
  CheckWorking("RemoveTask");
  std::vector<std::unique_ptr<TFFmpeg>> Removed;
  {
    TServingLock Lock(FTerminateLock);
    Removed.push_back(FFFmpegList.Extract(ATaskIndex));
  }
}

void TCustomFFConverter::Start(int AThreadCount) {
  CheckWorking("StartTask");
  if (TasksCount() == 0) return;
  {
    TServingLock Lock(FTerminateLock);
    FCompleteTasks = 0;
    FCurrentTask = 0;
    FPendingTasks = TasksCount();
    FTerminated = false;
    FThreadMode = AThreadCount > 0;
    FSimultaneousTasks = FThreadMode ? std::min(AThreadCount, TasksCount()) : 1;
    FWorking = true;
    FStopRequested = false;
  }
  while (FPendingTasks > 0) {
    StartNextTask();
    if (FThreadMode && --AThreadCount == 0) break;
  }
}

void TCustomFFConverter::Stop(bool AWaitFor) {
  ++FStopping;
  ScopeGuard Stopped([&] { --FStopping; });
  FStopRequested = true;
  {
    TServingLock Lock(FTerminateLock);
    FPendingTasks = 0;
  }
  // Every task is told first and waited for afterwards, so tasks end side by side.
  FFFmpegList.StopAll(false);
  if (!AWaitFor) return;
  const auto AllEnded = [this] {
    for (int I = 0; I < TasksCount(); ++I)
      if (!Task(I)->EndCounted && !InsideHandlerOf(Task(I))) return false;
    return true;
  };
  while (!WaitServing(AllEnded, 20))
    if (IsMainThread()) PumpMessages();
}

void TCustomFFConverter::Pause() { FFFmpegList.PauseAll(); }

void TCustomFFConverter::Resume() { FFFmpegList.ResumeAll(); }

void TCustomFFConverter::SetPreview(bool Value) {
  FFFmpegList.SetPreview(Value);
  FPreview = Value;
}

void TCustomFFConverter::SetPreviewBitmap(bool Value) {
  FFFmpegList.SetPreviewBitmap(Value);
  FPreviewBitmap = Value;
}

TAVProbe* TCustomFFConverter::AVProbes(int ATaskIndex, int AFileIndex) const { return Task(ATaskIndex)->AVProbe(AFileIndex); }

void TCustomFFConverter::DoCustomHook(TFFmpeg* ATask, TBitmap* ABitmap, int AFrameNumber, Int64 APTS, bool& AUpdate,
                                      bool& AStopHook) {
  if (!OnCustomHook) return;
  TServingLock Lock(FHookLock);
  FHookInfo = { FFFmpegList.IndexOf(ATask), ABitmap, AFrameNumber, APTS, AUpdate, AStopHook };
  {
    THandlerScope Scope(ATask);
    TCanvas* Canvas = ABitmap->Canvas();
    Canvas->Lock();
    ScopeGuard Unlocked([&] { Canvas->Unlock(); });
    OnCustomHook(this, &FHookInfo);
  }
  AUpdate = FHookInfo.Update;
  AStopHook = FHookInfo.StopHook;
}

// Each event carries its own record, and no lock is held while the user-interface thread runs a handed-over
// handler: a busy user-interface thread then delays only the task whose event it is running, never the
// others. Handlers called directly on the workers still run one at a time.

void TCustomFFConverter::DoPreviewBitmap(TFFmpeg* ATask, TBitmap* ABitmap, int AFrameNumber, Int64 APTS) {
  if (!OnPreviewBitmap) return;
  const TPreviewInfo Info { FFFmpegList.IndexOf(ATask), ABitmap, AFrameNumber, APTS };
  const auto Fire = [this, ATask, &Info] {
    THandlerScope Scope(ATask);
    OnPreviewBitmap(this, Info);
  };
  if (FTriggerEventInMainThread) return RunInMainThread(Fire);
  TServingLock Lock(FPreviewLock);
  Fire();
}

void TCustomFFConverter::DoProgress(TFFmpeg* ATask, int AFileIndex, int AFrameNumber, int AFPS, float AQuality,
                                    float ABitRate, Int64 ACurrentSize, Int64 ACurrentDuration, Int64 ATotalDuration) {
  if (!OnProgress) return;
  TProgressInfo Info { FFFmpegList.IndexOf(ATask), AFileIndex, AFrameNumber, AFPS, AQuality, ABitRate,
                       ACurrentSize, ACurrentDuration, ATotalDuration };
  const auto Fire = [this, ATask, &Info] {
    THandlerScope Scope(ATask);
    OnProgress(this, &Info);
  };
  if (FTriggerEventInMainThread) return RunInMainThread(Fire);
  TServingLock Lock(FProgressLock);
  Fire();
}

void TCustomFFConverter::DoTerminate(TFFmpeg* ATask) {
  TServingLock Lock(FTerminateLock);
  if (!ATask) return DoAllTerminated();
  const int Index = FFFmpegList.IndexOf(ATask);
  // A task freed out of the list, or one that was counted already, has nothing more to report.
  if (Index < 0 || ATask->EndCounted) return;
  const TTerminateInfo Info { Index, ATask->Finished(), ATask->FatalException(), ATask->FatalMessage() };
  if (OnTerminate && FThreadMode) StartDelivery(Info);
  std::exception_ptr HandlerError;
  if (OnTerminate && !FThreadMode) {
    // Called directly without the lock, so that a handler may stop the run: the tasks it cancels report
    // their ends from threads of their own, which take the lock. The end counts even when the handler
    // raised, so the run still ends.
    FTerminateLock.Leave();
    try {
      THandlerScope Scope(ATask);
      OnTerminate(this, Info);
    } catch (...) {
      HandlerError = std::current_exception();
    }
    EnterServing(FTerminateLock);
  }
  CountEnd(ATask);
  if (HandlerError) std::rethrow_exception(HandlerError);
}

void TCustomFFConverter::CheckWorking(const String& AOperation) {
  if (FWorking || FStopping > 0) throw Exception(Format("Cannot %s while working.", AOperation));
}

int TCustomFFConverter::AppendTask(std::unique_ptr<TFFmpeg> ATask) {
  TFFmpeg* Raw = ATask.get();
  ATask->OnProgress = [this, Raw](TObject*, int AFileIndex, int AFrameNumber, int AFPS, float AQuality, float ABitRate,
                                  Int64 ACurrentSize, Int64 ACurrentDuration, Int64 ATotalDuration) {
    DoProgress(Raw, AFileIndex, AFrameNumber, AFPS, AQuality, ABitRate, ACurrentSize, ACurrentDuration, ATotalDuration);
  };
  ATask->OnTerminate = [this, Raw](TObject*) { DoTerminate(Raw); };
  TServingLock Lock(FTerminateLock);
  return FFFmpegList.Add(std::move(ATask));
}

bool TCustomFFConverter::OpenInput(TFFmpeg& ATask, const String& AFileName, TInputOptions* AOptions) {
  const int Index = ATask.nb_input_files();
  if (AOptions) {
    if (AOptions->FileName.empty()) AOptions->FileName = AFileName;
    ATask.SetInputOptions(Index, *AOptions);
    ApplyInputOptions(ATask, *AOptions);
  }
  if (!ATask.OpenInputFile(AFileName)) return false;
  ATask.GetAVProbe(Index)->SetFileHandle(ATask.InputContext(Index));
  return true;
}

void TCustomFFConverter::StartNextTask() {
  TFFmpeg* Next = nullptr;
  {
    TServingLock Lock(FTerminateLock);
    // Once Stop was asked for, no task starts any more, even one whose start was under way meanwhile.
    if (FStopRequested) FPendingTasks = 0;
    if (FPendingTasks <= 0) return;
    --FPendingTasks;
    Next = Task(FCurrentTask++);
    // A task that ended before this run (stopped before it was ever started) counts as completed at once.
    if (Next->EndCounted) return CountEnd(Next);
    Next->ReportInterval = Int64(FProgressInterval) * 1000;
    Next->SimultaneousTasks = FSimultaneousTasks;
    // In thread mode the task starts under the lock, so a Stop that comes after the choice of the task
    // finds it started and ends it.
    if (FThreadMode) {
      if (TThread* Worker = Next->StartConvert(true, FThreadPriority)) Worker->Resume();
      return;
    }
  }
  Next->StartConvert(false, FThreadPriority);
}

void TCustomFFConverter::CountEnd(TFFmpeg* ATask) {
  ++FCompleteTasks;
  {
    // The whole-run end may be delivered here directly; a Stop its handler calls must not wait for the
    // task whose count is still under way.
    THandlerScope Scope(ATask);
    if (FPendingTasks < 1) {
      if (FCompleteTasks >= TasksCount()) DoAllTerminated();
    } else if (FThreadMode) {
      StartNextTask();
    }
  }
  // Last: a Stop that waits for the counts then also finds the run's end decided.
  ATask->EndCounted = true;
  WakeWaiters();
}

void TCustomFFConverter::DoAllTerminated() {
  const TTerminateInfo Info { -1, true, false, "" };
  if (FThreadMode) {
    // The delivery runs on its own: the run is marked ended first, so its handler finds it ended. It waits
    // for the tasks' deliveries, every one of which has started by now: the run's end is the last report.
    FTerminated = true;
    if (OnTerminate) StartDelivery(Info, FDeliveryThreads);
  } else {
    // Here the handler runs inside the last task's end, which must not be freed under it: the list opens
    // for ClearTasks only afterwards.
    if (OnTerminate) OnTerminate(this, Info);
    FTerminated = true;
  }
  WakeWaiters();
}

void TCustomFFConverter::StartDelivery(const TTerminateInfo& AInfo, std::vector<std::shared_ptr<TDoTerminateThread>> AEarlier) {
  std::erase_if(FDeliveryThreads, [](const auto& AThread) { return AThread->Finished(); });
  std::erase_if(AEarlier, [](const auto& AThread) { return AThread->Finished(); });
  FDeliveryThreads.push_back(std::make_shared<TDoTerminateThread>(OnTerminate, this, AInfo, std::move(AEarlier)));
  FDeliveryThreads.back()->Start();
}

void TCustomFFConverter::JoinDeliveryThreads() {
  std::vector<std::shared_ptr<TDoTerminateThread>> Threads;
  {
    TServingLock Lock(FTerminateLock);
    Threads = std::exchange(FDeliveryThreads, {});
  }
  Threads.clear();
}
