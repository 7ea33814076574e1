#pragma once
// A clock that only moves when told to, for tests that drive timers and timeouts deterministically.
#include <condition_variable>
#include <mutex>

#include "platform/base/Clock.h"

/// Time stands still until Advance; Advance releases the waiters whose deadline it reaches. With a tick
/// step, every TickCount read moves the clock on by that much, so loops that spin on GetTickCount end.
class TVirtualClock : public IClock {
public:
  explicit TVirtualClock(Int64 Start = 0) : FNow(Start) {}

  Int64 Now() override;
  bool WaitUntil(Int64 Deadline, const std::function<bool()>& Done = {}) override;
  void Notify() override;
  Int64 TickCount() override;

  /// Moves the clock forward by Milliseconds (negative values are ignored: the clock is monotonic).
  void Advance(Int64 Milliseconds);
  void SetTickStep(Int64 Milliseconds);

private:
  Int64 FNow;
  Int64 FTickStep { 0 };
  std::mutex FLock;
  std::condition_variable FChanged;
};
