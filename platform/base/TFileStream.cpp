#include "platform/base/TFileStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/base/Exception.h"

namespace {

String Reason(int Error) { return std::system_category().message(Error); }

int OpenForMode(const String& FileName, uint16_t Mode) {
  if ((Mode & fmCreate) == fmCreate) {
    int fd = ::open(FileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) throw EFCreateError("Cannot create file \"" + FileName + "\". " + Reason(errno));
    return fd;
  }
  int access = (Mode & 3) == fmOpenWrite ? O_WRONLY : (Mode & 3) == fmOpenReadWrite ? O_RDWR : O_RDONLY;
  int fd = ::open(FileName.c_str(), access | O_CLOEXEC);
  int error = errno;
  // A folder opens for reading on POSIX but is no file to stream.
  struct stat info;
  if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    fd = -1;
    error = EISDIR;
  }
  if (fd < 0) throw EFOpenError("Cannot open file \"" + FileName + "\". " + Reason(error));
  return fd;
}

}  // namespace

TFileStream::TFileStream(const String& AFileName, uint16_t Mode)
    : THandleStream(OpenForMode(AFileName, Mode)), FFileName(AFileName) {}

TFileStream::~TFileStream() { ::close(FHandle); }

String ReadFileToString(const String& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyNone);
  String text;
  char block[64 * 1024];
  while (Int64 n = file.Read(block, sizeof block)) text.append(block, static_cast<size_t>(n));
  return text;
}
