#include "platform/base/Clock.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

/// The monotonic system clock.
class TRealClock : public IClock {
public:
  Int64 Now() override { return ToMilliseconds(std::chrono::steady_clock::now()); }

  bool WaitUntil(Int64 Deadline, const std::function<bool()>& Done) override {
    const std::chrono::steady_clock::time_point until { std::chrono::milliseconds(Deadline) };
    std::unique_lock lock(FLock);
    return FChanged.wait_until(lock, until, [&] { return Done && Done(); });
  }

  void Notify() override {
    { std::lock_guard lock(FLock); }  // a waiter between its check and its sleep holds FLock
    FChanged.notify_all();
  }

private:
  static Int64 ToMilliseconds(std::chrono::steady_clock::time_point Time) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Time.time_since_epoch()).count();
  }

  std::mutex FLock;
  std::condition_variable FChanged;
};

TRealClock& TheRealClock() {
  static auto* clock = new TRealClock;  // never destroyed: detached threads may read it during exit
  return *clock;
}

std::atomic<IClock*> Installed { nullptr };

}  // namespace

IClock& CurrentClock() {
  IClock* clock = Installed.load();
  return clock ? *clock : TheRealClock();
}

void SetCurrentClock(IClock* Clock) {
  Installed.store(Clock);
}

IClock& RealClock() {
  return TheRealClock();
}

Cardinal GetTickCount() {
  return static_cast<Cardinal>(CurrentClock().TickCount());
}
