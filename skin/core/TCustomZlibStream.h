#pragma once
// The common part of the zlib streams: the stream they work on and their place in it.
#include <zlib.h>

#include "platform/base/TStream.h"
#include "skin/core/skzlibcompress.h"

/// A stream that deflates into, or inflates from, another stream (not owned). It keeps its own position
/// in that stream, so other code may move the stream between two calls without disturbing it.
class TCustomZlibStream : public TStream {
public:
  TCustomZlibStream(const TCustomZlibStream&) = delete;
  TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

  /// Raised after each buffer of 8192 bytes written to or read from the other stream.
  TNotifyEvent OnProgress;

protected:
  static constexpr int BufferSize = 8192;

  explicit TCustomZlibStream(TStream* Strm);
  virtual void Progress(TObject* Sender);
  /// Moves the other stream back to where this stream left it.
  void RestorePosition();
  /// Takes the other stream's position after a transfer.
  void SavePosition();

  TStream* FStrm;
  Int64 FStrmPos;
  z_stream FZRec {};
  Byte FBuffer[BufferSize] {};
};
