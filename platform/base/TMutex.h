#pragma once
// A mutex object with timed acquisition, owned by the thread that acquired it.
#include <condition_variable>
#include <mutex>

#include "platform/base/TObject.h"
#include "platform/base/WaitResult.h"

/// A re-entrant lock that can be tried for a while (WaitFor with a timeout). Only its owner releases it;
/// a wait on the UI thread serves the hand-over queue.
class TMutex : public TObject {
public:
  explicit TMutex(bool InitialOwner = false);

  /// wrSignaled once the caller owns the mutex (again, when it held it already), wrTimeout after Timeout ms.
  TWaitResult WaitFor(Cardinal Timeout = INFINITE);
  void Acquire() { WaitFor(INFINITE); }
  /// Undoes one acquisition; raises EThread when the caller does not own the mutex.
  void Release();

private:
  bool TryTake(Cardinal Caller);

  Cardinal FOwner { 0 };
  int FCount { 0 };
  std::mutex FLock;
  std::condition_variable FReleased;
};
