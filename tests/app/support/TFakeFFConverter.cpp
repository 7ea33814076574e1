#include "tests/app/support/TFakeFFConverter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>

#include "engine/libav/FFmpegLoader.h"
#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"
#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"

namespace {

/// How long a step waits for the front end's handlers before the test fails.
constexpr Cardinal DeliveryTimeout = 30000;

const char* const PriorityNames[] = { "tpIdle", "tpLowest", "tpLower", "tpNormal", "tpHigher", "tpHighest",
                                      "tpTimeCritical" };

/// The end of task ATaskIndex (-1: the batch): converted to its end when AFinished, failed with AError when
/// that is not empty.
TTerminateInfo EndOf(int ATaskIndex, bool AFinished, const String& AError = {}) {
  TTerminateInfo Info;
  Info.TaskIndex = ATaskIndex;
  Info.Finished = AFinished;
  Info.Exception = !AError.empty();
  Info.ExceptionMsg = AError;
  return Info;
}

String BoolText(bool Value) { return Value ? "True" : "False"; }

/// The message of the file's scripted failure; empty when none.
String FailureOf(const std::vector<std::pair<String, String>>& AFailures, const String& AFileName) {
  const auto Found = std::ranges::find(AFailures, AFileName, &std::pair<String, String>::first);
  return Found == AFailures.end() ? String() : Found->second;
}

}  // namespace

/// A running task's thread: it waits for the reports the test sends and hands each to the user-interface
/// thread, blocking until the handler ran.
class TFakeFFConverter::TWorker : public TThread {
public:
  explicit TWorker(TFakeFFConverter& AOwner) : FOwner(AOwner) {}
  ~TWorker() override {
    Terminate();
    WakeWaiters();
    TerminateAndWait();
  }

  /// On the user-interface thread: sends AInfo and returns once its handler ran, serving hand-overs
  /// meanwhile; the text of an exception the handler raised, if it did.
  std::optional<String> Report(const TProgressInfo& AInfo) {
    {
      std::lock_guard Lock(FLock);
      FReport = AInfo;
      FHasReport = true;
      FError.reset();
    }
    WakeWaiters();
    WaitServing([this] { return !HasReport(); });
    std::lock_guard Lock(FLock);
    return FError;
  }

protected:
  void Execute() override {
    for (;;) {
      WaitServing([this] { return Terminated() || HasReport(); });
      if (Terminated()) return;
      TProgressInfo Info;
      {
        std::lock_guard Lock(FLock);
        Info = FReport;
      }
      std::optional<String> Error;
      try {
        Synchronize([&] {
          if (const TProgressEvent Handler = FOwner.OnProgress) Handler(FOwner.Sender(), &Info);
        });
      } catch (const std::exception& E) {
        Error = E.what();
      }
      {
        std::lock_guard Lock(FLock);
        FError = Error;
        FHasReport = false;
      }
      WakeWaiters();
    }
  }

private:
  bool HasReport() {
    std::lock_guard Lock(FLock);
    return FHasReport;
  }

  TFakeFFConverter& FOwner;
  std::mutex FLock;
  TProgressInfo FReport;
  bool FHasReport { false };
  std::optional<String> FError;
};

/// The short-lived thread of one end: it calls the handler it was given, once let go when it is held.
class TFakeFFConverter::TDelivery : public TThread {
public:
  TDelivery(TTerminateEvent AHandler, TObject* ASender, const TTerminateInfo& AInfo, bool AHeld)
      : FHandler(std::move(AHandler)), FSender(ASender), FInfo(AInfo), FHeld(AHeld) {}
  ~TDelivery() override {
    Drop();
    TerminateAndWait();
  }

  int TaskIndex() const { return FInfo.TaskIndex; }
  /// Waiting to be let go.
  bool Waiting() const { return FHeld && !FReleased && !FDelivered; }
  bool Delivered() const { return FDelivered; }
  void Release() {
    FReleased = true;
    WakeWaiters();
  }
  /// The handler will not be called, unless it is being called already.
  void Drop() {
    FDropped = true;
    WakeWaiters();
  }

protected:
  void Execute() override {
    ScopeGuard Done([this] {
      FDelivered = true;
      WakeWaiters();
    });
    WaitServing([this] { return !FHeld || FReleased || FDropped; });
    if (!FDropped && FHandler) FHandler(FSender, FInfo);
  }

private:
  TTerminateEvent FHandler;
  TObject* FSender;
  TTerminateInfo FInfo;
  const bool FHeld;
  std::atomic<bool> FReleased { false };
  std::atomic<bool> FDropped { false };
  std::atomic<bool> FDelivered { false };
};

TFakeFFConverter::TFakeFFConverter() : FProbe(std::make_unique<TAVProbe>(nullptr)) {}

TFakeFFConverter::~TFakeFFConverter() {
  for (const auto& Delivery : FDeliveries) Delivery->Drop();
  FDeliveries.clear();
  FWorkers.clear();
}

// ---- Libraries ----

bool TFakeFFConverter::AVLibLoaded() const { return FLoaded && FLoadFailure.empty(); }

bool TFakeFFConverter::LoadAVLib(const String& APath) {
  Record("LoadAVLib(" + APath + ")");
  if (!FLoadFailure.empty()) {
    FLastErrMsg = FLoadFailure;
    return false;
  }
  FLoaded = ::LoadAVLib(APath, TranscoderLibraries, FLastErrMsg);
  return FLoaded;
}

void TFakeFFConverter::FailLoadAVLib(const String& AMessage) { FLoadFailure = AMessage; }

// ---- The list ----

void TFakeFFConverter::CheckWorking(const String& AOperation) const {
  if (FWorking) throw Exception(Format("Cannot %s while working.", AOperation));
}

void TFakeFFConverter::CheckIndex(int ATaskIndex) const {
  if (ATaskIndex < 0 || ATaskIndex >= TasksCount()) throw EListError(Format("List index out of bounds (%d)", ATaskIndex));
}

int TFakeFFConverter::AddTask(const String& AFileName, TInputOptions* AOptions) {
  Record("AddTask(" + AFileName + ")");
  CheckWorking("AddTask");
  if (AOptions && AOptions->FileName.empty()) AOptions->FileName = AFileName;
  if (const String Failure = FailureOf(FAddTaskFailures, AFileName); !Failure.empty()) {
    FLastErrMsg = Failure;
    return -1;
  }
  TTask Task;
  Task.FileName = AFileName;
  if (AOptions)
    Task.Input = *AOptions;
  else
    InitInputOptions(Task.Input);
  if (Task.Input.FileName.empty()) Task.Input.FileName = AFileName;
  FTasks.push_back(std::move(Task));
  return TasksCount() - 1;
}

bool TFakeFFConverter::SetOutputFile(int ATaskIndex, const String& AFileName, TOutputOptions* AOptions) {
  Record(Format("SetOutputFile(%d, %s)", ATaskIndex, AFileName));
  CheckWorking("SetOutputFile");
  CheckIndex(ATaskIndex);
  if (AOptions && AOptions->FileName.empty()) AOptions->FileName = AFileName;
  if (const String Failure = FailureOf(FOutputFailures, AFileName); !Failure.empty()) {
    FLastErrMsg = Failure;
    return false;
  }
  TOutput Output;
  Output.FileName = AFileName;
  if (AOptions)
    Output.Options = *AOptions;
  else
    InitOutputOptions(Output.Options);
  if (Output.Options.FileName.empty()) Output.Options.FileName = AFileName;
  FTasks[size_t(ATaskIndex)].Outputs.push_back(std::move(Output));
  return true;
}

void TFakeFFConverter::RemoveTask(int ATaskIndex) {
  Record(Format("RemoveTask(%d)", ATaskIndex));
  CheckWorking("RemoveTask");
  CheckIndex(ATaskIndex);
  FTasks.erase(FTasks.begin() + ATaskIndex);
}

void TFakeFFConverter::ClearTasks() {
  Record("ClearTasks");
  if (FWorking && !FTerminated) throw Exception("Cannot ClearTasks while working.");
  FTasks.clear();
  FWorkers.clear();
  std::erase_if(FDeliveries, [](const auto& Delivery) { return Delivery->Delivered(); });
  FWorking = false;
  FTerminated = false;
  FPaused = false;
  FLastErrMsg.clear();
}

void TFakeFFConverter::FailAddTask(const String& AFileName, const String& AMessage) {
  FAddTaskFailures.emplace_back(AFileName, AMessage);
}

void TFakeFFConverter::FailSetOutputFile(const String& AFileName, const String& AMessage) {
  FOutputFailures.emplace_back(AFileName, AMessage);
}

// ---- Settings ----

void TFakeFFConverter::SetThreadPriority(TThreadPriority Value) {
  Record(Format("SetThreadPriority(%s)", PriorityNames[Value]));
  FThreadPriority = Value;
}

void TFakeFFConverter::SetPreview(bool Value) {
  Record("SetPreview(" + BoolText(Value) + ")");
  FPreview = Value;
}

// ---- The run ----

void TFakeFFConverter::Start(int AThreadCount) {
  Record(Format("Start(%d)", AThreadCount));
  CheckWorking("StartTask");
  if (FTasks.empty()) return;
  FWorking = true;
  FTerminated = false;
  FStopRequested = false;
  FPaused = false;
  FThreadCount = std::max(AThreadCount, 1);
  FWorkers.clear();
  FWorkers.resize(FTasks.size());
  for (TTask& Task : FTasks) Task.State = tsPending;
  for (int Started = 0; Started < FThreadCount && StartNext(); ++Started) {
  }
}

bool TFakeFFConverter::StartNext() {
  if (FStopRequested) return false;
  const auto Next = std::ranges::find(FTasks, tsPending, &TTask::State);
  if (Next == FTasks.end()) return false;
  Next->State = tsRunning;
  auto& Worker = FWorkers[size_t(Next - FTasks.begin())];
  Worker = std::make_unique<TWorker>(*this);
  Worker->Start();
  return true;
}

void TFakeFFConverter::Stop(bool AWaitFor) {
  Record("Stop(" + BoolText(AWaitFor) + ")");
  if (!FWorking || FTerminated) return;
  FStopRequested = true;
  FPaused = false;
  for (int I = 0; I < TasksCount(); ++I)
    if (FTasks[size_t(I)].State == tsPending || FTasks[size_t(I)].State == tsRunning)
      EndTask(I, EndOf(I, false), AWaitFor);
}

void TFakeFFConverter::Pause() {
  Record("Pause");
  if (FWorking && !FTerminated) FPaused = true;
}

void TFakeFFConverter::Resume() {
  Record("Resume");
  FPaused = false;
}

// ---- Steps ----

bool TFakeFFConverter::EmitProgress(int ATaskIndex, TProgressInfo AInfo) {
  CheckIndex(ATaskIndex);
  if (FTasks[size_t(ATaskIndex)].State != tsRunning || FPaused) return false;
  AInfo.TaskIndex = ATaskIndex;
  TWorker* Worker = FWorkers[size_t(ATaskIndex)].get();
  std::optional<String> Error;
  {
    FReporting.push_back(Worker);
    ScopeGuard Reported([this] {
      FReporting.pop_back();
      if (FReporting.empty()) FRetired.clear();
    });
    Error = Worker->Report(AInfo);
  }
  // The handler may have ended the task itself (a Stop inside it).
  if (Error && ATaskIndex < TasksCount() && FTasks[size_t(ATaskIndex)].State == tsRunning)
    EndTask(ATaskIndex, EndOf(ATaskIndex, false, *Error), true);
  return true;
}

void TFakeFFConverter::Finish(int ATaskIndex, bool AFinished) {
  CheckIndex(ATaskIndex);
  if (FTasks[size_t(ATaskIndex)].State != tsRunning) {
    ADD_FAILURE() << "Finish: task " << ATaskIndex << " is not running";
    return;
  }
  EndTask(ATaskIndex, EndOf(ATaskIndex, AFinished), true);
}

void TFakeFFConverter::Fail(int ATaskIndex, const String& AMessage) {
  CheckIndex(ATaskIndex);
  if (FTasks[size_t(ATaskIndex)].State != tsRunning) {
    ADD_FAILURE() << "Fail: task " << ATaskIndex << " is not running";
    return;
  }
  EndTask(ATaskIndex, EndOf(ATaskIndex, false, AMessage), true);
}

void TFakeFFConverter::RunToEnd() {
  constexpr Int64 Length = 2000000;
  for (;;) {
    const auto Running = std::ranges::find(FTasks, tsRunning, &TTask::State);
    if (Running == FTasks.end()) return;
    const int Index = int(Running - FTasks.begin());
    for (const Int64 Done : { Length / 2, Length })
      EmitProgress(Index, { .FrameNumber = int(Done * 25 / 1000000), .FPS = 25, .CurrentSize = Done / 10,
                            .CurrentDuration = Done, .TotalDuration = Length });
    if (FTasks[size_t(Index)].State == tsRunning) Finish(Index);
  }
}

void TFakeFFConverter::EndTask(int ATaskIndex, const TTerminateInfo& AInfo, bool AWait) {
  StopWorker(ATaskIndex);
  FTasks[size_t(ATaskIndex)].State = tsEnded;
  TDelivery& End = Deliver(AInfo);
  if (AWait) WaitUntilDelivered(End);
  // A handler may have stopped the run meanwhile, which ended the batch already.
  if (FTerminated || StartNext()) return;
  if (std::ranges::any_of(FTasks, [](const TTask& Task) { return Task.State != tsEnded; })) return;
  FTerminated = true;
  TDelivery& BatchEnd = Deliver(EndOf(-1, true));
  if (AWait) WaitUntilDelivered(BatchEnd);
}

void TFakeFFConverter::StopWorker(int ATaskIndex) {
  if (size_t(ATaskIndex) >= FWorkers.size() || !FWorkers[size_t(ATaskIndex)]) return;
  std::unique_ptr<TWorker> Worker = std::move(FWorkers[size_t(ATaskIndex)]);
  // A worker whose report is being handled waits for that handler, which is running on this thread: it
  // is let go once the report is done.
  if (std::ranges::find(FReporting, Worker.get()) != FReporting.end()) {
    Worker->Terminate();
    FRetired.push_back(std::move(Worker));
  }
}

TFakeFFConverter::TDelivery& TFakeFFConverter::Deliver(const TTerminateInfo& AInfo) {
  FDeliveries.push_back(std::make_unique<TDelivery>(OnTerminate, Sender(), AInfo, FHoldDeliveries));
  FDeliveries.back()->Start();
  return *FDeliveries.back();
}

void TFakeFFConverter::WaitUntilDelivered(TDelivery& ADelivery) {
  if (ADelivery.Waiting()) return;
  if (!WaitServing([&] { return ADelivery.Delivered(); }, DeliveryTimeout))
    ADD_FAILURE() << "the end of task " << ADelivery.TaskIndex() << " was not handled within " << DeliveryTimeout
                  << " ms";
}

void TFakeFFConverter::ReleaseDelivery(int ATaskIndex) {
  const auto Held = std::ranges::find_if(FDeliveries, [&](const auto& Delivery) {
    return Delivery->TaskIndex() == ATaskIndex && Delivery->Waiting();
  });
  if (Held == FDeliveries.end()) {
    ADD_FAILURE() << "ReleaseDelivery: no end of task " << ATaskIndex << " is held";
    return;
  }
  TDelivery& Delivery = **Held;
  Delivery.Release();
  WaitUntilDelivered(Delivery);
}

std::vector<int> TFakeFFConverter::HeldDeliveries() const {
  std::vector<int> Held;
  for (const auto& Delivery : FDeliveries)
    if (Delivery->Waiting()) Held.push_back(Delivery->TaskIndex());
  return Held;
}
