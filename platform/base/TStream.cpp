#include "platform/base/TStream.h"

#include <algorithm>
#include <vector>

#include "platform/base/Exception.h"

Int64 TStream::Size() {
  Int64 pos = Seek(0, soCurrent);
  Int64 size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::SetSize(Int64) { throw EStreamError("Stream size cannot be changed"); }

// Both transfers loop because a stream may deliver fewer bytes than asked without being at its end
// (a descriptor on a pipe); only a transfer of nothing counts as short.
void TStream::ReadBuffer(void* Buffer, Int64 Count) {
  auto* p = static_cast<char*>(Buffer);
  while (Count > 0) {
    Int64 n = Read(p, Count);
    if (n <= 0) throw EReadError("Stream read error");
    p += n;
    Count -= n;
  }
}

void TStream::WriteBuffer(const void* Buffer, Int64 Count) {
  auto* p = static_cast<const char*>(Buffer);
  while (Count > 0) {
    Int64 n = Write(p, Count);
    if (n <= 0) throw EWriteError("Stream write error");
    p += n;
    Count -= n;
  }
}

Int64 TStream::CopyFrom(TStream* Source, Int64 Count) {
  if (Count <= 0) {
    Source->SetPosition(0);
    Count = Source->Size();
  }
  constexpr Int64 blockSize = 64 * 1024;
  std::vector<char> block(static_cast<size_t>(std::min(Count, blockSize)));
  for (Int64 left = Count; left > 0;) {
    Int64 n = std::min(left, blockSize);
    Source->ReadBuffer(block.data(), n);
    WriteBuffer(block.data(), n);
    left -= n;
  }
  return Count;
}

Byte TStream::ReadByte() {
  Byte value;
  ReadBuffer(&value, 1);
  return value;
}

void TStream::WriteByte(Byte Value) { WriteBuffer(&Value, 1); }

int32_t TStream::ReadInt32() {
  Byte bytes[4];
  ReadBuffer(bytes, 4);
  return static_cast<int32_t>(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                              uint32_t(bytes[3]) << 24);
}

void TStream::WriteInt32(int32_t Value) {
  auto bits = static_cast<uint32_t>(Value);
  Byte bytes[4] = { Byte(bits), Byte(bits >> 8), Byte(bits >> 16), Byte(bits >> 24) };
  WriteBuffer(bytes, 4);
}
