#include "skin/core/TCompressionStream.h"

#include <algorithm>
#include <climits>

#include "platform/base/ScopeGuard.h"

namespace {

constexpr const char* InvalidOperation = "Invalid stream operation";

int ZlibLevel(TCompressionLevel Level) {
  switch (Level) {
    case TCompressionLevel::clNone: return Z_NO_COMPRESSION;
    case TCompressionLevel::clFastest: return Z_BEST_SPEED;
    case TCompressionLevel::clDefault: return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::clMax: return Z_BEST_COMPRESSION;
  }
  return Z_DEFAULT_COMPRESSION;
}

void Check(int Result) {
  if (Result < 0) throw ECompressionError("error");
}

}  // namespace

TCompressionStream::TCompressionStream(TCompressionLevel CompressionLevel, TStream* Dest)
  : TCustomZlibStream(Dest) {
  FZRec.next_out = FBuffer;
  FZRec.avail_out = BufferSize;
  Check(deflateInit(&FZRec, ZlibLevel(CompressionLevel)));
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (...) {
    // Nothing can leave a destructor; Finish has released deflate all the same.
  }
}

Int64 TCompressionStream::Read(void*, Int64) { throw ECompressionError(InvalidOperation); }

Int64 TCompressionStream::Write(const void* Buffer, Int64 Count) {
  if (FFinished) throw ECompressionError(InvalidOperation);
  const Byte* next = static_cast<const Byte*>(Buffer);
  Int64 left = Count;
  // zlib counts input in 32 bits; larger writes go in pieces.
  while (left > 0) {
    const uInt piece = uInt(std::min<Int64>(left, UINT_MAX));
    FZRec.next_in = const_cast<Byte*>(next);
    FZRec.avail_in = piece;
    while (FZRec.avail_in > 0) {
      Check(deflate(&FZRec, Z_NO_FLUSH));
      if (FZRec.avail_out == 0) {
        WriteOutput(BufferSize);
        Progress(this);
      }
    }
    next += piece;
    left -= piece;
  }
  return Count;
}

Int64 TCompressionStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  if (Offset != 0 || Origin != soCurrent) throw ECompressionError(InvalidOperation);
  return Int64(FZRec.total_in);
}

void TCompressionStream::Finish() {
  if (FFinished) return;
  FFinished = true;
  ScopeGuard End([&] { deflateEnd(&FZRec); });
  FZRec.next_in = nullptr;
  FZRec.avail_in = 0;
  int result = deflate(&FZRec, Z_FINISH);
  Check(result);
  while (result != Z_STREAM_END && FZRec.avail_out == 0) {
    WriteOutput(BufferSize);
    result = deflate(&FZRec, Z_FINISH);
    Check(result);
  }
  WriteOutput(BufferSize - int(FZRec.avail_out));
}

float TCompressionStream::CompressionRate() const {
  if (FZRec.total_in == 0) return 0;
  return (1.0f - float(FZRec.total_out) / float(FZRec.total_in)) * 100.0f;
}

void TCompressionStream::WriteOutput(int Count) {
  RestorePosition();
  FStrm->WriteBuffer(FBuffer, Count);
  SavePosition();
  FZRec.next_out = FBuffer;
  FZRec.avail_out = BufferSize;
}
