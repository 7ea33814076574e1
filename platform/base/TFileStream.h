#pragma once
// A stream over a named file, and a whole-file read for callers that only want the bytes.
#include <cstdint>

#include "platform/base/THandleStream.h"

// Open modes: one access mode, or fmCreate, optionally or-ed with a share mode. Share modes are accepted
// for compatibility and ignored: POSIX files are not locked against other openers.
constexpr uint16_t fmCreate = 0xFF00;
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

/// A file opened by name and closed with the stream. fmCreate creates the file or empties an existing
/// one, for reading and writing; failure raises EFCreateError "Cannot create file "<name>". <reason>".
/// The open modes need an existing regular file (never blocking on a pipe); failure raises EFOpenError
/// "Cannot open file "<name>". <reason>" with the reason of WhyNotRegularFile for anything else.
class TFileStream : public THandleStream {
public:
  TFileStream(const String& AFileName, uint16_t Mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  const String& FileName() const { return FFileName; }

private:
  String FFileName;
};

/// The whole content of a file, read with other readers and writers left free; raises EFOpenError when
/// the file cannot be opened and EReadError when it cannot be read, or "The file "<name>" is larger than
/// <MaxSize in MB> MB" when it holds more than MaxSize bytes.
String ReadFileToString(const String& FileName, Int64 MaxSize = INT64_MAX);
