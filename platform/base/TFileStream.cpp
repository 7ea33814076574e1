#include "platform/base/TFileStream.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"

namespace {

String Reason(int Error) { return std::system_category().message(Error); }

int OpenForMode(const String& FileName, uint16_t Mode) {
  if ((Mode & fmCreate) == fmCreate) {
    int fd = ::open(FileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) throw EFCreateError("Cannot create file \"" + FileName + "\". " + Reason(errno));
    return fd;
  }
  int access = (Mode & 3) == fmOpenWrite ? O_WRONLY : (Mode & 3) == fmOpenReadWrite ? O_RDWR : O_RDONLY;
  // Opened without blocking, so a pipe nobody writes to cannot hold the opener; only a regular file is a
  // file to stream (a folder opens for reading on POSIX, a device may never end).
  int fd = ::open(FileName.c_str(), access | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw EFOpenError("Cannot open file \"" + FileName + "\". " + Reason(errno));
  String refused = WhyNotRegularFile(fd);
  if (refused.empty() && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) refused = Reason(errno);
  if (!refused.empty()) {
    ::close(fd);
    throw EFOpenError("Cannot open file \"" + FileName + "\". " + refused);
  }
  return fd;
}

}  // namespace

TFileStream::TFileStream(const String& AFileName, uint16_t Mode)
    : THandleStream(OpenForMode(AFileName, Mode)), FFileName(AFileName) {}

TFileStream::~TFileStream() { ::close(FHandle); }

String ReadFileToString(const String& FileName, Int64 MaxSize) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyNone);
  String text;
  char block[64 * 1024];
  while (Int64 n = file.Read(block, sizeof block)) {
    if (Int64(text.size()) + n > MaxSize)
      throw EReadError("The file \"" + FileName + "\" is larger than " + IntToStr(MaxSize >> 20) + " MB");
    text.append(block, static_cast<size_t>(n));
  }
  return text;
}
