#pragma once
// A re-entrant lock: the thread that holds it may enter it again.
#include <mutex>

#include "platform/base/TObject.h"

/// A recursive lock; every Enter is matched by a Leave on the same thread. Waiting for it does not serve
/// the hand-over queue: code that may wait for it on the UI thread polls TryEnter inside WaitServing.
class TCriticalSection : public TObject {
public:
  void Enter() { FLock.lock(); }
  void Leave() { FLock.unlock(); }
  bool TryEnter() { return FLock.try_lock(); }
  void Acquire() { Enter(); }
  void Release() { Leave(); }

private:
  std::recursive_mutex FLock;
};
