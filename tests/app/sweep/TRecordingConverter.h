#pragma once
// The real engine behind the converter's windows, with a record of how each task of the last run ended.
#include <mutex>
#include <optional>
#include <vector>

#include "app/engine/TFFConverterEngine.h"

/// An IFFConverter that hands every call to a TFFConverterEngine of its own and its events back to the
/// window, and records, per output file given to a task since the last ClearTasks, the end of that task
/// once the window's handler has taken it: whether it finished, and the engine's message.
class TRecordingConverter : public IFFConverter {
public:
  struct TTaskEnd {
    bool Finished { false };
    String Message;  // the engine's text when the task failed
  };

  TRecordingConverter();

  /// The end of the task writing AOutputFile, none while it has not ended or was never given.
  std::optional<TTaskEnd> EndOf(const String& AOutputFile) const;
  /// Whether the last run ended and the window has taken every end of it.
  bool Ended() const;

  bool AVLibLoaded() const override { return FEngine.AVLibLoaded(); }
  bool LoadAVLib(const String& APath) override { return FEngine.LoadAVLib(APath); }
  String LastErrMsg() const override { return FEngine.LastErrMsg(); }
  TAVProbe* AVProbe() override { return FEngine.AVProbe(); }
  int AddTask(const String& AFileName, TInputOptions* AOptions) override { return FEngine.AddTask(AFileName, AOptions); }
  bool SetOutputFile(int ATaskIndex, const String& AFileName, TOutputOptions* AOptions) override;
  void RemoveTask(int ATaskIndex) override;
  void ClearTasks() override;
  int TasksCount() const override { return FEngine.TasksCount(); }
  TThreadPriority ThreadPriority() const override { return FEngine.ThreadPriority(); }
  void SetThreadPriority(TThreadPriority Value) override { FEngine.SetThreadPriority(Value); }
  bool Preview() const override { return FEngine.Preview(); }
  void SetPreview(bool Value) override { FEngine.SetPreview(Value); }
  void Start(int AThreadCount) override;
  void Stop(bool AWaitFor) override { FEngine.Stop(AWaitFor); }
  void Pause() override { FEngine.Pause(); }
  void Resume() override { FEngine.Resume(); }

private:
  struct TTask {
    String OutputFile;
    std::optional<TTaskEnd> End;
  };

  void RecordEnd(const TTerminateInfo& AInfo);

  TFFConverterEngine FEngine;
  mutable std::mutex FLock;  // FTasks and FEnded: ends are recorded on the engine's threads
  std::vector<TTask> FTasks;  // by task index
  bool FEnded { false };      // the whole run's end
};
