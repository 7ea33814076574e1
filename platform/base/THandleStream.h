#pragma once
// A stream over an open POSIX file descriptor.
#include "platform/base/TStream.h"

/// Reads, writes and seeks an open file descriptor that it does not own. Failing system calls raise
/// EReadError, EWriteError or EStreamError with the system's message.
class THandleStream : public TStream {
public:
  explicit THandleStream(int AHandle) : FHandle(AHandle) {}

  int Handle() const { return FHandle; }

  Int64 Read(void* Buffer, Int64 Count) override;
  Int64 Write(const void* Buffer, Int64 Count) override;
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
  void SetSize(Int64 NewSize) override;

protected:
  int FHandle { -1 };
};
