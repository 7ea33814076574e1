#pragma once
// Holding a lock for a block, where the user-interface thread may be the one waiting for it.
#include "engine/libav/MyUtils.h"
#include "platform/base/TCriticalSection.h"

/// Holds ALock for the block. On the user-interface thread the wait for it serves the hand-over queue,
/// since the holder may be a thread that hands an event to the user-interface thread while it holds it.
class TServingLock {
public:
  explicit TServingLock(TCriticalSection& ALock) : FLock(ALock) { EnterServing(FLock); }
  ~TServingLock() { FLock.Leave(); }
  TServingLock(const TServingLock&) = delete;
  TServingLock& operator=(const TServingLock&) = delete;

private:
  TCriticalSection& FLock;
};
