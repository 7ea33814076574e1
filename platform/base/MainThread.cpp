#include "platform/base/MainThread.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <optional>

#include "platform/base/Exception.h"

namespace {

struct THandOver {
  std::function<void()> Proc;
  std::optional<std::promise<void>> Done;  // empty for closures nobody waits for
  uint64_t Seq { 0 };
};

// One queue for the process. It is never destroyed: detached threads may still hand over while the
// process exits.
struct TDispatcher {
  std::mutex Lock;
  std::condition_variable Changed;  // a closure was queued or a waited-for condition may have changed
  std::deque<THandOver> Pending;
  uint64_t LastSeq { 0 };
  uint64_t Generation { 0 };
  std::function<void()> Wake;
};

TDispatcher& Dispatcher() {
  static auto* dispatcher = new TDispatcher;
  return *dispatcher;
}

std::atomic<Cardinal> MainThreadOverride { 0 };

void Enqueue(THandOver Item) {
  auto& d = Dispatcher();
  std::function<void()> wake;
  {
    std::lock_guard lock(d.Lock);
    Item.Seq = ++d.LastSeq;
    d.Pending.push_back(std::move(Item));
    ++d.Generation;
    wake = d.Wake;
  }
  d.Changed.notify_all();
  if (wake) wake();
}

// Runs the oldest closure queued no later than Limit; false when there is none. Taking one entry at a
// time lets a closure that serves the queue again (inside a nested wait) run the entries after it.
bool ServeOne(uint64_t Limit) {
  auto& d = Dispatcher();
  THandOver item;
  {
    std::lock_guard lock(d.Lock);
    if (d.Pending.empty() || d.Pending.front().Seq > Limit) return false;
    item = std::move(d.Pending.front());
    d.Pending.pop_front();
  }
  if (!item.Done) {
    item.Proc();
    return true;
  }
  try {
    item.Proc();
    item.Done->set_value();
  } catch (...) {
    item.Done->set_exception(std::current_exception());
  }
  return true;
}

using SteadyClock = std::chrono::steady_clock;

std::optional<SteadyClock::time_point> DeadlineAfter(Cardinal Timeout) {
  if (Timeout == INFINITE) return std::nullopt;
  return SteadyClock::now() + std::chrono::milliseconds(Timeout);
}

}  // namespace

Cardinal GetCurrentThreadId() {
  // Asked on every hand-over and UI-thread wait; the kernel is asked once per thread.
  thread_local const Cardinal id = static_cast<Cardinal>(syscall(SYS_gettid));
  return id;
}

void SetMainThread() {
  MainThreadOverride.store(GetCurrentThreadId());
}

Cardinal MainThreadID() {
  Cardinal id = MainThreadOverride.load();
  static const Cardinal processId = static_cast<Cardinal>(getpid());  // the initial thread's id
  return id != 0 ? id : processId;
}

bool IsMainThread() {
  return GetCurrentThreadId() == MainThreadID();
}

void Synchronize(std::function<void()> Proc) {
  if (IsMainThread()) {
    Proc();
    return;
  }
  std::promise<void> done;
  auto ran = done.get_future();
  Enqueue({ std::move(Proc), std::move(done) });
  ran.get();
}

void Queue(std::function<void()> Proc) {
  Enqueue({ std::move(Proc), std::nullopt });
}

bool CheckSynchronize(Cardinal Timeout) {
  if (!IsMainThread())
    throw EThread("CheckSynchronize called from thread " + std::to_string(GetCurrentThreadId()) +
                  ", which is not the main thread");
  auto& d = Dispatcher();
  uint64_t limit;
  {
    std::unique_lock lock(d.Lock);
    if (Timeout != 0) {
      auto queued = [&] { return !d.Pending.empty(); };
      if (auto deadline = DeadlineAfter(Timeout)) d.Changed.wait_until(lock, *deadline, queued);
      else d.Changed.wait(lock, queued);
    }
    limit = d.LastSeq;
  }
  bool ran = false;
  while (ServeOne(limit)) ran = true;
  return ran;
}

bool HandOversPending() {
  auto& d = Dispatcher();
  std::lock_guard lock(d.Lock);
  return !d.Pending.empty();
}

void SetWakeMainThread(std::function<void()> Hook) {
  auto& d = Dispatcher();
  std::lock_guard lock(d.Lock);
  d.Wake = std::move(Hook);
}

bool WaitServing(const std::function<bool()>& Done, Cardinal Timeout) {
  auto& d = Dispatcher();
  const auto deadline = DeadlineAfter(Timeout);
  const bool serving = IsMainThread();
  for (;;) {
    uint64_t seen;
    {
      std::lock_guard lock(d.Lock);
      seen = d.Generation;
    }
    if (serving) CheckSynchronize();
    if (Done()) return true;
    std::unique_lock lock(d.Lock);
    // Anything that could make Done true or queue a closure moves Generation on after the read above.
    auto changed = [&] { return d.Generation != seen; };
    if (!deadline) d.Changed.wait(lock, changed);
    else if (!d.Changed.wait_until(lock, *deadline, changed)) {
      lock.unlock();
      if (serving) CheckSynchronize();
      return Done();
    }
  }
}

void WakeWaiters() {
  auto& d = Dispatcher();
  std::function<void()> wake;
  {
    std::lock_guard lock(d.Lock);
    ++d.Generation;
    wake = d.Wake;
  }
  d.Changed.notify_all();
  // A UI thread may be waiting in the window system's loop rather than here: wake that loop too.
  if (wake) wake();
}
