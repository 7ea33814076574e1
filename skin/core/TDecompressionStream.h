#pragma once
// A read-only stream that inflates a zlib stream read from another stream.
#include "skin/core/TCustomZlibStream.h"

/// Inflates the zlib stream found at Source's position at creation. Reading stops at the end of the
/// zlib stream or of Source, whichever comes first (a short read); writing raises EDecompressionError
/// "Invalid stream operation".
class TDecompressionStream : public TCustomZlibStream {
public:
  /// Raises EDecompressionError "compression error" when inflate cannot start.
  explicit TDecompressionStream(TStream* Source);
  ~TDecompressionStream() override;

  /// Delivers up to Count inflated bytes; damaged data raises EDecompressionError "compression error".
  Int64 Read(void* Buffer, Int64 Count) override;
  Int64 Write(const void* Buffer, Int64 Count) override;
  /// (0, soBeginning) restarts from the start of Source (position 0); forward moves from the current
  /// position or from the beginning skip by reading (a short read raises EReadError); every other move
  /// raises EDecompressionError "Invalid stream operation". Answers the bytes delivered so far.
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;

  /// True once inflate has met the end of the zlib stream; a source that ran out before then held a
  /// truncated stream.
  bool StreamEnded() const { return FStreamEnded; }

private:
  void Skip(Int64 Count);

  bool FStreamEnded { false };
};
