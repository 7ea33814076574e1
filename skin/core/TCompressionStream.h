#pragma once
// A write-only stream that deflates what is written into another stream.
#include "skin/core/TCustomZlibStream.h"

/// Deflates every Write into Dest (one zlib stream from Dest's position at creation). Finish ends the
/// zlib stream; reading, and seeking anywhere but (0, soCurrent), raise ECompressionError
/// "Invalid stream operation".
class TCompressionStream : public TCustomZlibStream {
public:
  /// Raises ECompressionError "error" when deflate cannot start.
  TCompressionStream(TCompressionLevel CompressionLevel, TStream* Dest);
  /// Finishes the zlib stream when Finish was not called; a failure at that point cannot be reported,
  /// so callers that must know whether the data is complete call Finish first.
  ~TCompressionStream() override;

  Int64 Read(void* Buffer, Int64 Count) override;
  /// Deflates Count bytes; full output buffers go to Dest. Returns Count.
  Int64 Write(const void* Buffer, Int64 Count) override;
  /// (0, soCurrent) answers the bytes taken in so far.
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;

  /// Writes the rest of the zlib stream to Dest and releases deflate (also when writing raises). Later
  /// calls do nothing.
  void Finish();
  /// (1 - bytes out / bytes in) x 100; 0 before anything was written.
  float CompressionRate() const;

private:
  void WriteOutput(int Count);

  bool FFinished { false };
};
