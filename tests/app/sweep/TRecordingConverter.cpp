#include "tests/app/sweep/TRecordingConverter.h"

#include <algorithm>

#include "platform/base/MainThread.h"

TRecordingConverter::TRecordingConverter() {
  FEngine.OnProgress = [this](TObject* Sender, PProgressInfo AProgressInfo) {
    if (const TProgressEvent Handler = OnProgress) Handler(Sender, AProgressInfo);
  };
  FEngine.OnCustomHook = [this](TObject* Sender, PHookInfo AHookInfo) {
    if (const TCustomHookEvent Handler = OnCustomHook) Handler(Sender, AHookInfo);
  };
  // The engine's ends come on threads of their own; the window may clear its handler on its thread. An
  // end is recorded once the window's handler returned, so a recorded end is one the window has shown.
  FEngine.OnTerminate = [this](TObject* Sender, const TTerminateInfo& ATerminateInfo) {
    TTerminateEvent Handler;
    Synchronize([&] { Handler = OnTerminate; });
    if (Handler) Handler(Sender, ATerminateInfo);
    RecordEnd(ATerminateInfo);
  };
}

bool TRecordingConverter::Ended() const {
  std::lock_guard Held(FLock);
  return FEnded && std::ranges::all_of(FTasks, [](const TTask& ATask) { return ATask.End.has_value(); });
}

std::optional<TRecordingConverter::TTaskEnd> TRecordingConverter::EndOf(const String& AOutputFile) const {
  std::lock_guard Held(FLock);
  for (const TTask& Task : FTasks)
    if (Task.OutputFile == AOutputFile) return Task.End;
  return std::nullopt;
}

bool TRecordingConverter::SetOutputFile(int ATaskIndex, const String& AFileName, TOutputOptions* AOptions) {
  if (!FEngine.SetOutputFile(ATaskIndex, AFileName, AOptions)) return false;
  std::lock_guard Held(FLock);
  if (FTasks.size() <= size_t(ATaskIndex)) FTasks.resize(size_t(ATaskIndex) + 1);
  FTasks[size_t(ATaskIndex)] = { AFileName, std::nullopt };
  return true;
}

void TRecordingConverter::RemoveTask(int ATaskIndex) {
  FEngine.RemoveTask(ATaskIndex);
  std::lock_guard Held(FLock);
  if (size_t(ATaskIndex) < FTasks.size()) FTasks.erase(FTasks.begin() + ATaskIndex);
}

void TRecordingConverter::ClearTasks() {
  FEngine.ClearTasks();
  std::lock_guard Held(FLock);
  FTasks.clear();
}

void TRecordingConverter::Start(int AThreadCount) {
  {
    std::lock_guard Held(FLock);
    FEnded = false;
  }
  FEngine.Start(AThreadCount);
}

void TRecordingConverter::RecordEnd(const TTerminateInfo& AInfo) {
  {
    std::lock_guard Held(FLock);
    if (AInfo.TaskIndex < 0) FEnded = true;
    if (AInfo.TaskIndex >= 0 && size_t(AInfo.TaskIndex) < FTasks.size())
      FTasks[size_t(AInfo.TaskIndex)].End = TTaskEnd { AInfo.Finished, AInfo.ExceptionMsg };
  }
  // A user-interface thread waiting for the ends sees this one at once.
  WakeWaiters();
}
