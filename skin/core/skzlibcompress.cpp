#include "skin/core/skzlibcompress.h"

#include "platform/base/SysUtils.h"
#include "platform/base/TMemoryStream.h"
#include "skin/core/TCompressionStream.h"
#include "skin/core/TDecompressionStream.h"

void CompressStream(TMemoryStream* Source, TStream* Dest) {
  TCompressionStream compressor(TCompressionLevel::clMax, Dest);
  Source->SetPosition(0);
  compressor.CopyFrom(Source, 0);
  compressor.Finish();
}

void DecompressStream(TMemoryStream* Dest, TStream* Source, Int64 MaxSize) {
  constexpr Int64 BlockSize = 4096;
  Source->SetPosition(0);
  TDecompressionStream inflater(Source);
  Byte block[BlockSize];
  Int64 inflated = 0;
  for (Int64 got; (got = inflater.Read(block, BlockSize)) > 0;) {
    inflated += got;
    if (inflated > MaxSize)
      throw EDecompressionError("The data inflates to more than " + IntToStr(MaxSize / (1024 * 1024)) + " MB");
    Dest->WriteBuffer(block, got);
  }
  if (!inflater.StreamEnded()) throw EDecompressionError("compression error");
}
