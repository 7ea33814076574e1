#include "platform/base/TEvent.h"

#include <chrono>

#include "platform/base/MainThread.h"

TEvent::TEvent(bool ManualReset, bool InitialState) : FManualReset(ManualReset), FSignaled(InitialState) {}

void TEvent::SetEvent() {
  {
    std::lock_guard lock(FLock);
    FSignaled = true;
  }
  FChanged.notify_all();
  WakeWaiters();
}

void TEvent::ResetEvent() {
  std::lock_guard lock(FLock);
  FSignaled = false;
}

TWaitResult TEvent::WaitFor(Cardinal Timeout) {
  if (IsMainThread()) return WaitServing([this] { return TryConsume(); }, Timeout) ? wrSignaled : wrTimeout;
  std::unique_lock lock(FLock);
  // The predicate form re-checks after every wake-up, so a spurious one never ends the wait early.
  auto signaled = [this] { return FSignaled; };
  if (Timeout == INFINITE) FChanged.wait(lock, signaled);
  else if (!FChanged.wait_for(lock, std::chrono::milliseconds(Timeout), signaled)) return wrTimeout;
  if (!FManualReset) FSignaled = false;
  return wrSignaled;
}

bool TEvent::TryConsume() {
  std::lock_guard lock(FLock);
  if (!FSignaled) return false;
  if (!FManualReset) FSignaled = false;
  return true;
}
