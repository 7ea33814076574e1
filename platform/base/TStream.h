#pragma once
// The byte-stream family: an abstract stream with positioned reads and writes, and its helpers for whole
// transfers, copying and the little-endian integers of binary containers.
#include <cstdint>

#include "platform/base/TObject.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

/// An abstract sequence of bytes with a current position. Subclasses supply Read, Write and Seek; the
/// rest is built on them. Offsets, sizes and counts are 64-bit.
class TStream : public TObject {
public:
  /// Reads up to Count bytes at the position and advances it; returns the bytes read (0 at the end).
  virtual Int64 Read(void* Buffer, Int64 Count) = 0;
  /// Writes up to Count bytes at the position and advances it; returns the bytes written.
  virtual Int64 Write(const void* Buffer, Int64 Count) = 0;
  /// Moves the position by Offset from Origin; returns the new position from the beginning.
  virtual Int64 Seek(Int64 Offset, TSeekOrigin Origin) = 0;

  Int64 Position() { return Seek(0, soCurrent); }
  void SetPosition(Int64 Pos) { Seek(Pos, soBeginning); }
  virtual Int64 Size();
  /// Truncates or extends the stream; a stream that cannot change its size raises EStreamError.
  virtual void SetSize(Int64 NewSize);

  /// Reads exactly Count bytes; fewer raise EReadError "Stream read error".
  void ReadBuffer(void* Buffer, Int64 Count);
  /// Writes exactly Count bytes; fewer raise EWriteError "Stream write error".
  void WriteBuffer(const void* Buffer, Int64 Count);
  /// Copies Count bytes from Source's position into this stream; Count 0 copies all of Source from its
  /// start. Returns the bytes copied.
  Int64 CopyFrom(TStream* Source, Int64 Count);

  Byte ReadByte();
  void WriteByte(Byte Value);
  /// A signed 32-bit integer stored little-endian, whatever the machine's byte order.
  int32_t ReadInt32();
  void WriteInt32(int32_t Value);
};
