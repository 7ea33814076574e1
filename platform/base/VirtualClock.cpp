#include "platform/base/VirtualClock.h"

Int64 TVirtualClock::Now() {
  std::lock_guard lock(FLock);
  return FNow;
}

bool TVirtualClock::WaitUntil(Int64 Deadline, const std::function<bool()>& Done) {
  std::unique_lock lock(FLock);
  auto done = [&] { return Done && Done(); };
  FChanged.wait(lock, [&] { return done() || FNow >= Deadline; });
  return done();
}

void TVirtualClock::Notify() {
  { std::lock_guard lock(FLock); }  // a waiter between its check and its sleep holds FLock
  FChanged.notify_all();
}

Int64 TVirtualClock::TickCount() {
  Int64 now;
  Int64 step;
  {
    std::lock_guard lock(FLock);
    now = FNow;
    step = FTickStep;
  }
  if (step > 0) Advance(step);
  return now;
}

void TVirtualClock::Advance(Int64 Milliseconds) {
  if (Milliseconds <= 0) return;
  {
    std::lock_guard lock(FLock);
    FNow += Milliseconds;
  }
  FChanged.notify_all();
}

void TVirtualClock::SetTickStep(Int64 Milliseconds) {
  std::lock_guard lock(FLock);
  FTickStep = Milliseconds;
}
