#pragma once
// Holding the process's codec lock for the length of a block.
#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/TServingLock.h"

/// Holds CodecLock from construction to destruction. On the user-interface thread the wait for it serves
/// the hand-over queue, so a worker that logs while it holds the lock can finish.
class TCodecLockScope : public TServingLock {
public:
  TCodecLockScope() : TServingLock(CodecLock) {}
};
