#pragma once
// Window timers: per window and id, due on CurrentClock(), delivered in due order (ties in the order
// they were set).
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/ui/winsys/UiTypes.h"

/// The running timers.
class TimerList {
public:
  /// Starts the timer, or restarts it with the new interval when the window already has that id.
  void Set(HWND Wnd, UINT_PTR Id, Int64 Interval, Int64 Now);
  bool Kill(HWND Wnd, UINT_PTR Id);
  void KillAll(HWND Wnd);
  void Clear() { FTimers.clear(); }
  std::optional<Int64> NextDue() const;
  /// The earliest timer due at Now whose window Accept agrees to; Remove restarts its interval from Now.
  struct Tick {
    HWND Wnd { 0 };
    UINT_PTR Id { 0 };
  };
  std::optional<Tick> TakeDue(Int64 Now, const std::function<bool(HWND)>& Accept, bool Remove);

private:
  struct Timer {
    HWND Wnd { 0 };
    UINT_PTR Id { 0 };
    Int64 Interval { 0 };
    Int64 Due { 0 };
    uint64_t Order { 0 };
  };

  std::vector<Timer> FTimers;
  uint64_t FNextOrder { 0 };
};
