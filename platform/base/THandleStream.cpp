#include "platform/base/THandleStream.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/base/Exception.h"

namespace {

String WithReason(const char* Text) { return String(Text) + ". " + std::system_category().message(errno); }

}  // namespace

Int64 THandleStream::Read(void* Buffer, Int64 Count) {
  if (Count <= 0) return 0;
  ssize_t n;
  do n = ::read(FHandle, Buffer, static_cast<size_t>(Count));
  while (n < 0 && errno == EINTR);
  if (n < 0) throw EReadError(WithReason("Stream read error"));
  return n;
}

Int64 THandleStream::Write(const void* Buffer, Int64 Count) {
  auto* p = static_cast<const char*>(Buffer);
  Int64 done = 0;
  while (done < Count) {
    ssize_t n = ::write(FHandle, p + done, static_cast<size_t>(Count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw EWriteError(WithReason("Stream write error"));
    done += n;
  }
  return done;
}

Int64 THandleStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
  off_t pos = ::lseek(FHandle, Offset, whence);
  if (pos < 0) throw EStreamError(WithReason("Stream seek error"));
  return pos;
}

void THandleStream::SetSize(Int64 NewSize) {
  Int64 pos = Position();
  if (::ftruncate(FHandle, NewSize) != 0) throw EWriteError(WithReason("Stream write error"));
  if (pos > NewSize) Seek(NewSize, soBeginning);
}
