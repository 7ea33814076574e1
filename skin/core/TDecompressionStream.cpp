#include "skin/core/TDecompressionStream.h"

#include <algorithm>
#include <climits>

namespace {

constexpr const char* InvalidOperation = "Invalid stream operation";

}  // namespace

TDecompressionStream::TDecompressionStream(TStream* Source) : TCustomZlibStream(Source) {
  if (inflateInit(&FZRec) != Z_OK) throw EDecompressionError("compression error");
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&FZRec); }

Int64 TDecompressionStream::Read(void* Buffer, Int64 Count) {
  Byte* next = static_cast<Byte*>(Buffer);
  Int64 delivered = 0;
  while (delivered < Count && !FStreamEnded) {
    if (FZRec.avail_in == 0) {
      RestorePosition();
      const Int64 got = FStrm->Read(FBuffer, BufferSize);
      if (got == 0) break;
      SavePosition();
      FZRec.next_in = FBuffer;
      FZRec.avail_in = uInt(got);
      Progress(this);
    }
    // zlib counts output in 32 bits; larger reads go in pieces.
    const uInt wanted = uInt(std::min<Int64>(Count - delivered, UINT_MAX));
    FZRec.next_out = next;
    FZRec.avail_out = wanted;
    const int result = inflate(&FZRec, Z_NO_FLUSH);
    const uInt produced = wanted - FZRec.avail_out;
    next += produced;
    delivered += produced;
    // The end of the zlib stream ends the data: whatever follows it in the source is not inflated, or a
    // damaged length would keep inflate answering "end" forever. Any other answer than progress (a
    // preset dictionary included, which skins never use) is damaged data.
    if (result == Z_STREAM_END)
      FStreamEnded = true;
    else if (result != Z_OK)
      throw EDecompressionError("compression error");
  }
  return delivered;
}

Int64 TDecompressionStream::Write(const void*, Int64) { throw EDecompressionError(InvalidOperation); }

Int64 TDecompressionStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  const Int64 delivered = Int64(FZRec.total_out);
  if (Offset == 0 && Origin == soBeginning) {
    inflateReset(&FZRec);
    FZRec.next_in = FBuffer;
    FZRec.avail_in = 0;
    FStreamEnded = false;
    FStrm->SetPosition(0);
    FStrmPos = 0;
  } else if (Origin == soCurrent && Offset >= 0) {
    Skip(Offset);
  } else if (Origin == soBeginning && Offset > delivered) {
    Skip(Offset - delivered);
  } else {
    throw EDecompressionError(InvalidOperation);
  }
  return Int64(FZRec.total_out);
}

void TDecompressionStream::Skip(Int64 Count) {
  Byte discard[BufferSize];
  for (Int64 left = Count; left > 0; left -= BufferSize) ReadBuffer(discard, std::min<Int64>(left, BufferSize));
}
