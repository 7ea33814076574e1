#include "platform/base/TThread.h"

#include <sched.h>
#include <sys/resource.h>

#include <chrono>
#include <system_error>

#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"

namespace {

int NiceValue(TThreadPriority Priority) {
  static constexpr int values[] = { 19, 19, 10, 0, -5, -10, -15 };  // tpIdle's entry is unused
  return values[Priority];
}

// Per-thread scheduling on Linux: a nice value for the thread, or the idle class. Lowering is always
// allowed; raising needs privileges, and a raise that is refused falls back to the normal value.
void ApplyPriority(Cardinal ThreadID, TThreadPriority Priority) {
  sched_param param {};
  const pid_t tid = static_cast<pid_t>(ThreadID);
  if (Priority == tpIdle) {
    sched_setscheduler(tid, SCHED_IDLE, &param);
    return;
  }
  if (sched_getscheduler(tid) == SCHED_IDLE) sched_setscheduler(tid, SCHED_OTHER, &param);
  const int nice = NiceValue(Priority);
  if (setpriority(PRIO_PROCESS, tid, nice) != 0 && nice < 0) setpriority(PRIO_PROCESS, tid, 0);
}

String MessageOf(const std::exception_ptr& Error) {
  try {
    std::rethrow_exception(Error);
  } catch (const Exception& e) {
    return e.Message;
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown exception";
  }
}

}  // namespace

TThread::~TThread() {
  TerminateAndWait();
}

void TThread::Start() {
  std::unique_lock lock(FLock);
  if (FStarted) throw EThread("Cannot call Start on a running or finished thread");
  try {
    // The new thread takes FLock first, so it sees FHandle stored before it can detach it.
    FHandle = std::thread([this] { Run(); });
  } catch (const std::system_error& e) {
    throw EThread(String("Thread creation error: ") + e.what());
  }
  FStarted = true;
  FStateChanged.wait(lock, [this] { return FThreadID != 0; });
}

void TThread::Resume() {
  if (!Suspended()) return;
  Start();
}

void TThread::Terminate() {
  FTerminated = true;
}

int TThread::WaitFor() {
  {
    std::lock_guard lock(FLock);
    if (!FStarted) throw EThread("Cannot wait for a thread that was never started");
    if (FFreeOnTerminate) throw EThread("Cannot wait for a thread that frees itself");
    if (FThreadID == GetCurrentThreadId()) throw EThread("A thread cannot wait for itself");
  }
  Join();
  return ReturnValue();
}

bool TThread::Suspended() const {
  std::lock_guard lock(FLock);
  return !FStarted;
}

bool TThread::Finished() const {
  std::lock_guard lock(FLock);
  return FFinished;
}

Cardinal TThread::ThreadID() const {
  std::lock_guard lock(FLock);
  return FThreadID;
}

int TThread::ReturnValue() const {
  std::lock_guard lock(FLock);
  return FReturnValue;
}

void TThread::SetReturnValue(int Value) {
  std::lock_guard lock(FLock);
  FReturnValue = Value;
}

TThreadPriority TThread::Priority() const {
  std::lock_guard lock(FLock);
  return FPriority;
}

void TThread::SetPriority(TThreadPriority Value) {
  std::lock_guard lock(FLock);
  FPriority = Value;
  if (FStarted && !FFinished) ApplyPriority(FThreadID, Value);
}

bool TThread::FreeOnTerminate() const {
  std::lock_guard lock(FLock);
  return FFreeOnTerminate;
}

void TThread::SetFreeOnTerminate(bool Value) {
  std::lock_guard lock(FLock);
  FFreeOnTerminate = Value;
}

std::exception_ptr TThread::FatalException() const {
  std::lock_guard lock(FLock);
  return FFatalException;
}

String TThread::FatalExceptionMessage() const {
  auto error = FatalException();
  return error ? MessageOf(error) : String();
}

void TThread::Synchronize(const TThreadMethod& Method) {
  ::Synchronize(Method);
}

void TThread::Synchronize(TThread*, const TThreadMethod& Method) {
  ::Synchronize(Method);
}

void TThread::Queue(const TThreadMethod& Method) {
  ::Queue(Method);
}

void TThread::Queue(TThread*, const TThreadMethod& Method) {
  ::Queue(Method);
}

void TThread::DoTerminate() {
  if (OnTerminate) Synchronize([this] { OnTerminate(this); });
}

void TThread::Run() {
  TThreadPriority priority;
  {
    std::lock_guard lock(FLock);
    FThreadID = GetCurrentThreadId();
    priority = FPriority;
  }
  FStateChanged.notify_all();
  if (priority != tpNormal) ApplyPriority(FThreadID, priority);

  try {
    Execute();
  } catch (...) {
    std::lock_guard lock(FLock);
    FFatalException = std::current_exception();
  }
  try {
    DoTerminate();
  } catch (...) {
    std::lock_guard lock(FLock);
    if (!FFatalException) FFatalException = std::current_exception();
  }

  bool freeSelf;
  {
    std::lock_guard lock(FLock);
    FFinished = true;
    // A thread deleted by its owner meanwhile is joined by that owner's destructor instead.
    freeSelf = FFreeOnTerminate && !FDestroying;
    if (freeSelf) FHandle.detach();
  }
  WakeWaiters();
  if (freeSelf) delete this;
}

void TThread::TerminateAndWait() {
  {
    std::lock_guard lock(FLock);
    if (!FStarted || FThreadID == GetCurrentThreadId()) return;
    FDestroying = true;
  }
  Terminate();
  // The destructor must not throw: an exception from a queued closure served meanwhile is dropped.
  for (;;) {
    try {
      Join();
      return;
    } catch (...) {
    }
  }
}

void TThread::Join() {
  // Wait for the end first: on the UI thread this serves the hand-overs the thread may still make (its
  // OnTerminate among them); only then take the join lock, which another joiner may hold briefly.
  WaitServing([this] { return Finished(); });
  std::lock_guard join(FJoinLock);
  if (FHandle.joinable() && FHandle.get_id() != std::this_thread::get_id()) FHandle.join();
}

void Sleep(Cardinal Milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(Milliseconds));
}
