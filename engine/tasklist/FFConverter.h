#pragma once
// The task-list component: converts a list of jobs, one or several at a time, and reports their progress
// and ends.
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "engine/probe/AVProbe.h"
#include "engine/tasklist/ConverterTypes.h"
#include "engine/libav/TFFBaseComponent.h"
#include "engine/tasklist/TFFmpegList.h"
#include "platform/base/TCriticalSection.h"
#include "platform/base/TThread.h"

/// Keeps an ordered list of conversion tasks, each one job with its input and output files made from the
/// option records, and runs it: in thread mode up to N tasks at once, each on a worker of its own, every
/// finished task starting the next; in synchronous mode one after another on the calling thread.
///
/// The list is built on the user-interface thread while the component is idle; from Start until
/// ClearTasks every list operation raises "Cannot %s while working.". Failed list operations answer by
/// result and keep the reason in LastErrMsg. Every task reports its end exactly once (OnTerminate), then
/// the whole run ends with OnTerminate of task index -1: in thread mode each on a short-lived thread of its
/// own, the whole-run event once every task's handler of the run returned; in synchronous mode on the
/// calling thread. Progress and preview events are handed to the user-interface thread, the task
/// waiting until the handler ran, while TriggerEventInMainThread is on. Destroying the component during a
/// run stops it and waits for every thread it started.
class TCustomFFConverter : public TFFBaseComponent {
public:
  using TProgressEvent = std::function<void(TObject* Sender, PProgressInfo AProgressInfo)>;
  using TTerminateEvent = std::function<void(TObject* Sender, const TTerminateInfo& ATerminateInfo)>;
  using TCustomHookEvent = std::function<void(TObject* Sender, PHookInfo AHookInfo)>;
  using TPreviewBitmapEvent = std::function<void(TObject* Sender, const TPreviewInfo& APreviewInfo)>;

  explicit TCustomFFConverter(TComponent* AOwner);
  ~TCustomFFConverter() override;

  /// Whether the transcoder's libraries are loaded; LoadAVLib loads them from APath (then the system),
  /// False with LastErrMsg on failure.
  bool AVLibLoaded() const;
  bool LoadAVLib(const String& APath);
  void UnloadAVLib();

  /// Adds a task converting AFileName, configured by AOptions (nullptr: defaults; an empty FileName in it
  /// is set to AFileName); returns its index, or -1 with LastErrMsg when the file cannot be opened or an
  /// option is refused (no task is left behind then).
  int AddTask(const String& AFileName, TInputOptions* AOptions = nullptr);
  /// The same with the record read from option text (see OptionText.h).
  int AddTask(const String& AFileName, const String& AExtOptions);
  /// Adds another input to task ATaskIndex; False with LastErrMsg ("max input files %d reached" when it
  /// has CustomMaxFiles inputs). A bad index raises EListError.
  bool AddInputFile(int ATaskIndex, const String& AFileName, TInputOptions* AOptions = nullptr);
  bool AddInputFile(int ATaskIndex, const String& AFileName, const String& AExtOptions);
  /// Adds an output file to task ATaskIndex; False with LastErrMsg ("max output files %d reached" when it
  /// has CustomMaxFiles outputs). Nothing is written to disk before the run. A bad index raises EListError.
  bool SetOutputFile(int ATaskIndex, const String& AFileName, TOutputOptions* AOptions = nullptr);
  bool SetOutputFile(int ATaskIndex, const String& AFileName, const String& AExtOptions);
  /// Frees every task and makes the component idle again; during a run (until its end) and while a Stop
  /// waits it raises "Cannot ClearTasks while working.".
  void ClearTasks();
  void Exchange(int ATaskIndex1, int ATaskIndex2);
  void RemoveTask(int ATaskIndex);

  /// Runs the list: AThreadCount > 0 in thread mode with at most that many tasks at once, returning at
  /// once; otherwise one task after another, returning when all ended. An empty list starts nothing and
  /// changes nothing.
  void Start(int AThreadCount);
  /// Starts no further task and stops every task; one never started reports its end (Finished False) from
  /// a thread of its own. With AWaitFor it returns once every task's end was reported, serving hand-overs
  /// and window messages on the user-interface thread meanwhile (so handlers may run inside Stop); it
  /// does not wait for a task whose event handler is running on the calling thread.
  void Stop(bool AWaitFor);
  /// Holds every running task before its next packet, until Resume or Stop.
  void Pause();
  void Resume();

  /// The component's own probe, for the application's use.
  TAVProbe* AVProbe() const { return FAVProbe.get(); }
  /// The probe of input AFileIndex of task ATaskIndex, nullptr while that input has none. It shares the
  /// task's opened input, which the task's run closes: it describes the input until the list is started.
  /// A bad task index raises EListError, a bad file index std::out_of_range.
  TAVProbe* AVProbes(int ATaskIndex, int AFileIndex) const;
  const String& LastErrMsg() const { return FLastErrMsg; }
  int TasksCount() const { return FFFmpegList.Count(); }
  /// The most inputs and the most outputs of a task added from now on (1 to 512).
  int CustomMaxFiles() const { return FCustomMaxFiles; }
  void SetCustomMaxFiles(int Value) { FCustomMaxFiles = Value; }
  void* UserData() const { return FData; }
  void SetUserData(void* Value) { FData = Value; }
  /// The verbosity given to tasks added from now on.
  int Verbose() const { return FVerbose; }
  void SetVerbose(int Value) { FVerbose = Value; }
  /// True once the whole run ended.
  bool Terminated() const { return FTerminated; }
  /// True from Start until ClearTasks.
  bool Working() const { return FWorking; }

protected:
  void BeforeDestruction() override;
  const String& About() const { return FAbout; }
  void SetAbout(const String& Value) { FAbout = Value; }
  String Version() const { return "3.3"; }
  /// Milliseconds between progress events of a running task; 100 or less becomes 100.
  int ProgressInterval() const { return FProgressInterval; }
  void SetProgressInterval(int Value) { FProgressInterval = Value <= 100 ? 100 : Value; }
  TThreadPriority ThreadPriority() const { return FThreadPriority; }
  void SetThreadPriority(TThreadPriority Value) { FThreadPriority = Value; }
  bool TriggerEventInMainThread() const { return FTriggerEventInMainThread; }
  void SetTriggerEventInMainThread(bool Value) { FTriggerEventInMainThread = Value; }
  /// Whether tasks show what they encode in a preview window of their own; also switches running tasks
  /// (switching it off closes their windows).
  bool Preview() const { return FPreview; }
  void SetPreview(bool Value);
  /// Whether tasks hand what they encode to OnPreviewBitmap (which then replaces the window); also
  /// switches running tasks.
  bool PreviewBitmap() const { return FPreviewBitmap; }
  void SetPreviewBitmap(bool Value);

  /// On the task's thread, never handed over, with the bitmap's canvas locked.
  TCustomHookEvent OnCustomHook;
  TPreviewBitmapEvent OnPreviewBitmap;
  TProgressEvent OnProgress;
  TTerminateEvent OnTerminate;

  /// The tasks' reports, installed on every task the component adds.
  virtual void DoCustomHook(TFFmpeg* ATask, TBitmap* ABitmap, int AFrameNumber, Int64 APTS, bool& AUpdate, bool& AStopHook);
  virtual void DoPreviewBitmap(TFFmpeg* ATask, TBitmap* ABitmap, int AFrameNumber, Int64 APTS);
  virtual void DoProgress(TFFmpeg* ATask, int AFileIndex, int AFrameNumber, int AFPS, float AQuality, float ABitRate,
                          Int64 ACurrentSize, Int64 ACurrentDuration, Int64 ATotalDuration);
  /// A task's end; nullptr raises the whole run's end.
  virtual void DoTerminate(TFFmpeg* ATask);

  /// Raises "Cannot %s while working." with AOperation from Start until ClearTasks, and while Stop waits.
  void CheckWorking(const String& AOperation);
  /// Installs the component's reports on ATask and appends it; returns its index.
  int AppendTask(std::unique_ptr<TFFmpeg> ATask);

private:
  class TDoTerminateThread;

  TFFmpeg* Task(int AIndex) const { return FFFmpegList.Items(AIndex); }
  bool OpenInput(TFFmpeg& ATask, const String& AFileName, TInputOptions* AOptions);
  void StartNextTask();
  /// Under FTerminateLock: counts ATask's end, then ends the run or starts the next task.
  void CountEnd(TFFmpeg* ATask);
  void DoAllTerminated();
  /// Delivers AInfo on a thread of its own, after the deliveries AEarlier have delivered theirs.
  void StartDelivery(const TTerminateInfo& AInfo, std::vector<std::shared_ptr<TDoTerminateThread>> AEarlier = {});
  void JoinDeliveryThreads();
  /// Stops the run, frees the tasks (joining their threads) and joins the delivery threads.
  void StopAndRelease();

  String FAbout;
  String FLastErrMsg;
  void* FData { nullptr };
  int FCustomMaxFiles { 20 };
  bool FPreview { false };
  bool FPreviewBitmap { false };
  std::atomic<int> FProgressInterval { 500 };
  std::atomic<TThreadPriority> FThreadPriority { tpNormal };
  std::atomic<bool> FTriggerEventInMainThread { true };
  int FVerbose { 1 };
  int FSimultaneousTasks { 1 };  // tasks the current run converts at once
  THookInfo FHookInfo;
  TCriticalSection FHookLock;
  TCriticalSection FPreviewLock;   // preview events called directly on the workers, one at a time
  TCriticalSection FProgressLock;  // progress events called directly on the workers, one at a time
  TCriticalSection FTerminateLock;  // run counters, the list's changes, the start of tasks, the deliveries
  std::unique_ptr<TAVProbe> FAVProbe;
  TFFmpegList FFFmpegList;
  std::atomic<int> FCompleteTasks { 0 };
  std::atomic<int> FCurrentTask { -1 };
  std::atomic<int> FPendingTasks { 0 };
  std::atomic<bool> FTerminated { false };
  std::atomic<bool> FThreadMode { false };
  std::atomic<bool> FWorking { false };
  std::atomic<bool> FStopRequested { false };  // no task starts until the next Start
  std::atomic<int> FStopping { 0 };  // Stop calls waiting for the tasks
  std::vector<std::shared_ptr<TDoTerminateThread>> FDeliveryThreads;
};

/// The task-list component with its settings and events for forms.
class TFFConverter : public TCustomFFConverter {
public:
  using TCustomFFConverter::TCustomFFConverter;

  using TCustomFFConverter::About;
  using TCustomFFConverter::OnCustomHook;
  using TCustomFFConverter::OnPreviewBitmap;
  using TCustomFFConverter::OnProgress;
  using TCustomFFConverter::OnTerminate;
  using TCustomFFConverter::Preview;
  using TCustomFFConverter::PreviewBitmap;
  using TCustomFFConverter::ProgressInterval;
  using TCustomFFConverter::SetAbout;
  using TCustomFFConverter::SetPreview;
  using TCustomFFConverter::SetPreviewBitmap;
  using TCustomFFConverter::SetProgressInterval;
  using TCustomFFConverter::SetThreadPriority;
  using TCustomFFConverter::SetTriggerEventInMainThread;
  using TCustomFFConverter::ThreadPriority;
  using TCustomFFConverter::TriggerEventInMainThread;
  using TCustomFFConverter::Version;
};
