#pragma once
// A scripted conversion engine for the front end's tests: the list rules of the real one, reports that a
// test sends when it wants them, from real threads, and a record of every call.
#include <memory>
#include <vector>

#include "app/engine/IFFConverter.h"

/// An IFFConverter that converts nothing. Its list keeps what the front end gave it and follows the real
/// engine's rules: a bad index raises EListError "List index out of bounds (%d)"; from Start until
/// ClearTasks AddTask, SetOutputFile, RemoveTask and Start raise "Cannot %s while working." (the operation
/// "StartTask" for Start), and ClearTasks raises "Cannot ClearTasks while working." until the batch end.
/// AddTask and SetOutputFile succeed unless a failure was scripted for the file, and like the engine write
/// the file name into a given record whose FileName is empty, failing or not. LoadAVLib loads the
/// transcoder libraries for real, so AVProbe is the engine's own working probe.
///
/// Start(N) starts up to N tasks (N < 1 counts as 1: there is no synchronous mode) in list order, each on
/// a worker thread of its own; every end starts the next pending task. Nothing is reported until the test
/// asks: EmitProgress sends a report from the task's worker through a blocking hand-over to the
/// user-interface thread, as the engine does, and Finish or Fail ends a task, whose end goes out on a
/// short-lived thread of its own with the OnTerminate handler assigned at that moment; after the last end
/// the batch end (TaskIndex -1) follows on another one. Both return once the reports ran, serving
/// hand-overs meanwhile, unless deliveries are held (HoldDeliveries). Stop ends every pending and running
/// task unfinished, in list order, then the batch.
///
/// Every call is for the user-interface thread. Destruction ends the workers and drops held deliveries.
class TFakeFFConverter : public IFFConverter {
public:
  enum TTaskState { tsIdle, tsPending, tsRunning, tsEnded };

  struct TOutput {
    String FileName;
    TOutputOptions Options;
  };
  /// A task as the front end made it.
  struct TTask {
    String FileName;
    TInputOptions Input;
    std::vector<TOutput> Outputs;
    TTaskState State { tsIdle };
  };

  TFakeFFConverter();
  ~TFakeFFConverter() override;

  // ---- IFFConverter ----
  bool AVLibLoaded() const override;
  bool LoadAVLib(const String& APath) override;
  String LastErrMsg() const override { return FLastErrMsg; }
  TAVProbe* AVProbe() override { return FProbe.get(); }
  int AddTask(const String& AFileName, TInputOptions* AOptions) override;
  bool SetOutputFile(int ATaskIndex, const String& AFileName, TOutputOptions* AOptions) override;
  void RemoveTask(int ATaskIndex) override;
  void ClearTasks() override;
  int TasksCount() const override { return int(FTasks.size()); }
  TThreadPriority ThreadPriority() const override { return FThreadPriority; }
  void SetThreadPriority(TThreadPriority Value) override;
  bool Preview() const override { return FPreview; }
  void SetPreview(bool Value) override;
  void Start(int AThreadCount) override;
  void Stop(bool AWaitFor) override;
  void Pause() override;
  void Resume() override;

  // ---- The script ----
  /// LoadAVLib answers False with AMessage, and AVLibLoaded False.
  void FailLoadAVLib(const String& AMessage);
  /// AddTask of AFileName answers -1 with AMessage.
  void FailAddTask(const String& AFileName, const String& AMessage);
  /// SetOutputFile with the output AFileName answers False with AMessage.
  void FailSetOutputFile(const String& AFileName, const String& AMessage);

  // ---- Steps ----
  /// Sends AInfo (its TaskIndex set to ATaskIndex) as a progress report of a running task and returns once
  /// the handler ran; False, with nothing sent, while the task is not running or the run is paused. A
  /// handler that raises ends the task with the exception's text, as in the engine.
  bool EmitProgress(int ATaskIndex, TProgressInfo AInfo);
  /// Ends running task ATaskIndex, converted to its end when AFinished; see the class comment.
  void Finish(int ATaskIndex, bool AFinished = true);
  /// Ends running task ATaskIndex with an error (Exception True, ExceptionMsg AMessage).
  void Fail(int ATaskIndex, const String& AMessage);
  /// Converts the whole list in order: each task reports half and all of its 2-second length, then ends
  /// finished.
  void RunToEnd();
  /// While held, an end waits on its delivery thread until ReleaseDelivery; Finish, Fail and Stop then
  /// return without waiting for it. Turning the hold off releases nothing already waiting.
  void HoldDeliveries(bool AHold) { FHoldDeliveries = AHold; }
  /// Lets the held end of task ATaskIndex (-1: the batch end) go and returns once its handler ran.
  void ReleaseDelivery(int ATaskIndex);
  /// The task indexes (-1: the batch end) whose ends wait on their delivery threads.
  std::vector<int> HeldDeliveries() const;

  // ---- What happened ----
  /// Every call the front end made, refused ones included, in order: "LoadAVLib(<path>)",
  /// "AddTask(<file>)", "SetOutputFile(<index>, <file>)", "RemoveTask(<index>)", "ClearTasks",
  /// "SetThreadPriority(<tpName>)", "SetPreview(True|False)", "Start(<n>)", "Stop(True|False)", "Pause",
  /// "Resume".
  const std::vector<String>& Calls() const { return FCalls; }
  void ClearCalls() { FCalls.clear(); }
  const std::vector<TTask>& Tasks() const { return FTasks; }
  /// From Start until ClearTasks.
  bool Working() const { return FWorking; }
  /// The batch end went out (or waits on its delivery thread).
  bool Terminated() const { return FTerminated; }
  bool Paused() const { return FPaused; }
  /// The object the events name as their Sender.
  TObject* Sender() { return &FSender; }

private:
  class TWorker;
  class TDelivery;

  void Record(const String& ACall) { FCalls.push_back(ACall); }
  void CheckWorking(const String& AOperation) const;
  void CheckIndex(int ATaskIndex) const;
  /// Starts the first pending task; false when none is pending.
  bool StartNext();
  /// Ends a running or pending task and, with the last end, the batch; with AWait returns once the ends
  /// that are not held ran.
  void EndTask(int ATaskIndex, const TTerminateInfo& AInfo, bool AWait);
  /// Hands AInfo to a delivery thread of its own with the handler assigned now.
  TDelivery& Deliver(const TTerminateInfo& AInfo);
  void WaitUntilDelivered(TDelivery& ADelivery);
  void StopWorker(int ATaskIndex);

  TObject FSender;
  std::unique_ptr<TAVProbe> FProbe;
  String FLastErrMsg;
  String FLoadFailure;
  bool FLoaded { false };
  std::vector<std::pair<String, String>> FAddTaskFailures;
  std::vector<std::pair<String, String>> FOutputFailures;
  std::vector<TTask> FTasks;
  std::vector<std::unique_ptr<TWorker>> FWorkers;  // by task index, while the batch runs
  std::vector<TWorker*> FReporting;                 // the workers whose reports are being handled
  std::vector<std::unique_ptr<TWorker>> FRetired;   // ended while their reports were being handled
  std::vector<std::unique_ptr<TDelivery>> FDeliveries;
  std::vector<String> FCalls;
  TThreadPriority FThreadPriority { tpNormal };
  bool FPreview { false };
  int FThreadCount { 1 };
  bool FWorking { false };
  bool FTerminated { false };
  bool FStopRequested { false };  // no task starts until the next Start
  bool FPaused { false };
  bool FHoldDeliveries { false };
};
