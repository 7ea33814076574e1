#pragma once
// A stream held in memory.
#include "platform/base/TStream.h"

/// A growable block of memory read and written as a stream. Writing past the end grows it (a gap left by
/// a seek past the end reads as zeros); seeking before the start raises EStreamError.
class TMemoryStream : public TStream {
public:
  /// The bytes of the stream; valid until the next call that changes the size.
  void* Memory() { return FData.data(); }
  const void* Memory() const { return FData.data(); }

  Int64 Read(void* Buffer, Int64 Count) override;
  Int64 Write(const void* Buffer, Int64 Count) override;
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
  Int64 Size() override { return static_cast<Int64>(FData.size()); }
  /// Truncates or zero-extends; a position beyond the new end moves to it.
  void SetSize(Int64 NewSize) override;

  /// Empties the stream and releases its memory.
  void Clear();
  /// Replaces the content by all of Stream (read from its start); the position becomes 0.
  void LoadFromStream(TStream* Stream);
  void LoadFromFile(const String& FileName);
  /// Writes the whole content at Stream's position.
  void SaveToStream(TStream* Stream);
  /// Creates or replaces the file with the whole content.
  void SaveToFile(const String& FileName);

protected:
  const String& Data() const { return FData; }

private:
  String FData;
  Int64 FPosition { 0 };
};
