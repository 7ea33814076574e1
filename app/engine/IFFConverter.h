#pragma once
// What the converter's windows use of the task-list component, behind an interface so that the front end
// runs on the real engine in the program and on a scripted one in its tests.
#include <functional>

#include "engine/probe/AVProbe.h"
#include "engine/tasklist/ConverterTypes.h"
#include "engine/tasklist/TInputOptions.h"
#include "engine/tasklist/TOutputOptions.h"
#include "platform/base/TThread.h"

class TObject;

/// The main window's conversion engine (`FFConverter`): a list of tasks built while idle, run by Start,
/// reporting progress and ends through the three events. An event member is read each time before it is
/// raised, so clearing it detaches the handler; a task end already handed to its delivery thread keeps the
/// handler it was given. From Start until ClearTasks the list operations raise "Cannot %s while working.".
class IFFConverter {
public:
  using TProgressEvent = std::function<void(TObject* Sender, PProgressInfo AProgressInfo)>;
  using TTerminateEvent = std::function<void(TObject* Sender, const TTerminateInfo& ATerminateInfo)>;
  using TCustomHookEvent = std::function<void(TObject* Sender, PHookInfo AHookInfo)>;

  virtual ~IFFConverter() = default;

  virtual bool AVLibLoaded() const = 0;
  /// Loads the transcoder's libraries from APath, then the system's; False with LastErrMsg on failure.
  virtual bool LoadAVLib(const String& APath) = 0;
  virtual String LastErrMsg() const = 0;

  /// The engine's own probe, used by the add commands to open each input before its task is made.
  virtual TAVProbe* AVProbe() = 0;
  /// Appends a task for AFileName; its index, or -1 with LastErrMsg.
  virtual int AddTask(const String& AFileName, TInputOptions* AOptions) = 0;
  /// Adds an output to task ATaskIndex; False with LastErrMsg. A bad index raises EListError.
  virtual bool SetOutputFile(int ATaskIndex, const String& AFileName, TOutputOptions* AOptions) = 0;
  /// Deletes task ATaskIndex; later tasks move down by one. A bad index raises EListError.
  virtual void RemoveTask(int ATaskIndex) = 0;
  /// Frees every task and ends the working state; raises "Cannot ClearTasks while working." during a run.
  virtual void ClearTasks() = 0;
  virtual int TasksCount() const = 0;

  virtual TThreadPriority ThreadPriority() const = 0;
  virtual void SetThreadPriority(TThreadPriority Value) = 0;
  /// The engine's live preview of conversions, switched at once for every task.
  virtual bool Preview() const = 0;
  virtual void SetPreview(bool Value) = 0;

  /// AThreadCount > 0: up to that many tasks at once on worker threads, returning at once.
  virtual void Start(int AThreadCount) = 0;
  /// Stops every task; with AWaitFor returns when all ended, serving hand-overs meanwhile.
  virtual void Stop(bool AWaitFor) = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;

  /// Raised on the user-interface thread (a blocking hand-over) at most about every 500 ms per task.
  TProgressEvent OnProgress;
  /// Raised once per task and once for the whole batch (TaskIndex -1), on a short-lived thread of its own.
  TTerminateEvent OnTerminate;
  TCustomHookEvent OnCustomHook;
};
