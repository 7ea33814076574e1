#pragma once
// The process's clock: monotonic milliseconds that timers and tick counts read. Real by default; tests
// install a virtual clock they advance by hand.
#include <functional>

#include "platform/base/Types.h"

/// A monotonic millisecond clock with waits measured on it.
class IClock {
public:
  virtual ~IClock() = default;

  /// Milliseconds since an arbitrary start; never decreases.
  virtual Int64 Now() = 0;
  /// Blocks until Done() holds (true) or Now() reaches Deadline (false, unless Done() holds by then).
  /// Done may be empty; it runs under the clock's lock, so it must not call the clock. Whoever changes what
  /// Done reads calls Notify() afterwards.
  virtual bool WaitUntil(Int64 Deadline, const std::function<bool()>& Done = {}) = 0;
  /// Makes every WaitUntil call re-check its condition and deadline.
  virtual void Notify() = 0;
  /// What GetTickCount reports; a clock may move on when read, so busy-waits on tick counts end.
  virtual Int64 TickCount() { return Now(); }

  void SleepFor(Int64 Milliseconds) { WaitUntil(Now() + Milliseconds); }
};

/// The process-wide clock timers and tick counts use.
IClock& CurrentClock();
/// Installs Clock as the current one (the caller keeps it alive); nullptr restores the real clock.
void SetCurrentClock(IClock* Clock);
/// The monotonic system clock, whatever clock is current.
IClock& RealClock();

/// The current clock's tick count in 32 bits (it wraps after 49.7 days).
Cardinal GetTickCount();
