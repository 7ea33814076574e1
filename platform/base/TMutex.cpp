#include "platform/base/TMutex.h"

#include <chrono>

#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"

TMutex::TMutex(bool InitialOwner) {
  if (InitialOwner) TryTake(GetCurrentThreadId());
}

TWaitResult TMutex::WaitFor(Cardinal Timeout) {
  const Cardinal caller = GetCurrentThreadId();
  if (IsMainThread()) return WaitServing([&] { return TryTake(caller); }, Timeout) ? wrSignaled : wrTimeout;
  std::unique_lock lock(FLock);
  auto free = [&] { return FCount == 0 || FOwner == caller; };
  if (Timeout == INFINITE) FReleased.wait(lock, free);
  else if (!FReleased.wait_for(lock, std::chrono::milliseconds(Timeout), free)) return wrTimeout;
  FOwner = caller;
  ++FCount;
  return wrSignaled;
}

void TMutex::Release() {
  {
    std::lock_guard lock(FLock);
    if (FCount == 0 || FOwner != GetCurrentThreadId())
      throw EThread("Mutex released by a thread that does not own it");
    if (--FCount > 0) return;
    FOwner = 0;
  }
  FReleased.notify_all();
  WakeWaiters();
}

bool TMutex::TryTake(Cardinal Caller) {
  std::lock_guard lock(FLock);
  if (FCount != 0 && FOwner != Caller) return false;
  FOwner = Caller;
  ++FCount;
  return true;
}
