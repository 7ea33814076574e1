#pragma once
// Waiting for what another process does: a condition polled at a short interval up to a limit.
#include <chrono>
#include <functional>
#include <thread>

/// Calls Done every Interval until it holds or Limit has passed; whether it held.
inline bool PollUntil(const std::function<bool()>& Done, std::chrono::milliseconds Limit,
                      std::chrono::milliseconds Interval = std::chrono::milliseconds(2)) {
  const auto End = std::chrono::steady_clock::now() + Limit;
  while (!Done()) {
    if (std::chrono::steady_clock::now() > End) return false;
    std::this_thread::sleep_for(Interval);
  }
  return true;
}
