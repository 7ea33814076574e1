#pragma once
// Threads with a managed life cycle: created suspended, started, told to terminate, waited for or left
// to free themselves, with their end reported on the UI thread.
#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/base/TObject.h"

/// Scheduling classes of a thread, lowest first. tpIdle runs only when nothing else wants the processor;
/// the others are nice values 19, 10, 0, -5, -10, -15 (raised ones fall back to 0 when not permitted).
enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

using TThreadMethod = std::function<void()>;

/// A thread running Execute. A new thread waits until Start (or Resume): a base constructor cannot start
/// it, as the derived part Execute uses is built after it, so a thread meant to run at once is started
/// right after construction. A derived class whose Execute uses its own fields calls TerminateAndWait in its
/// destructor, before those fields go; ~TThread does the same for what is left.
class TThread : public TObject {
public:
  TThread() = default;
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;
  /// A running thread is told to terminate and waited for; a never-started one is freed without running.
  ~TThread() override;

  /// Runs the thread; returns once it has its ThreadID. Raises EThread when it was started before.
  void Start();
  /// Starts a never-started thread; a started one keeps running (threads are never suspended).
  void Resume();
  /// Asks Execute to end by setting Terminated; Execute polls it.
  void Terminate();
  bool Terminated() const { return FTerminated.load(); }
  /// Waits until the thread has ended (serving the hand-over queue on the UI thread) and returns
  /// ReturnValue. Raises EThread for a never-started or FreeOnTerminate thread and on the thread itself.
  int WaitFor();

  /// True until Start or Resume.
  bool Suspended() const;
  /// True once Execute returned and OnTerminate ran.
  bool Finished() const;
  /// The kernel thread id (0 before Start).
  Cardinal ThreadID() const;
  int ReturnValue() const;

  TThreadPriority Priority() const;
  /// Takes effect at once on a running thread, else when it starts.
  void SetPriority(TThreadPriority Value);
  bool FreeOnTerminate() const;
  /// The thread object deletes itself after OnTerminate; nobody else may wait for it or delete it then.
  void SetFreeOnTerminate(bool Value);

  /// The exception that escaped Execute (or OnTerminate), empty when none did.
  std::exception_ptr FatalException() const;
  /// The text of FatalException: Exception::Message or what(); empty when there is none.
  String FatalExceptionMessage() const;

  /// Runs Method on the UI thread and waits for it (MainThread.h's Synchronize).
  void Synchronize(const TThreadMethod& Method);
  static void Synchronize(TThread* Thread, const TThreadMethod& Method);
  /// Hands Method to the UI thread without waiting (MainThread.h's Queue).
  void Queue(const TThreadMethod& Method);
  static void Queue(TThread* Thread, const TThreadMethod& Method);

  /// Run on the UI thread (by Synchronize) after Execute returned; Sender is the thread.
  TNotifyEvent OnTerminate;

protected:
  virtual void Execute() = 0;
  /// Fires OnTerminate on the UI thread when it is assigned.
  virtual void DoTerminate();
  void SetReturnValue(int Value);
  /// For destructors: terminates a running thread and waits for its end (serving the hand-over queue on the
  /// UI thread). Nothing happens for a never-started thread or on the thread itself (a thread freeing
  /// itself); a FreeOnTerminate thread waited for here no longer frees itself.
  void TerminateAndWait();

private:
  void Run();
  void Join();

  std::thread FHandle;
  mutable std::mutex FLock;
  std::condition_variable FStateChanged;
  std::mutex FJoinLock;
  std::atomic<bool> FTerminated { false };
  bool FStarted { false };
  bool FFinished { false };
  bool FDestroying { false };
  bool FFreeOnTerminate { false };
  Cardinal FThreadID { 0 };
  int FReturnValue { 0 };
  TThreadPriority FPriority { tpNormal };
  std::exception_ptr FFatalException;
};

/// Blocks the calling thread for Milliseconds of real time, whatever clock is current.
void Sleep(Cardinal Milliseconds);
