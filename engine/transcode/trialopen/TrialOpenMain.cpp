// zorvik-trial-open <request file>: opens the encoder a trial-open request describes and exits with 0 when
// the open works, 1 when it fails (a crash in the open says the same), 2 when the request cannot be read
// and 3 when the codec libraries cannot be loaded. The codec library's error lines go to standard output.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/transcode/TrialOpenRequest.h"
#include "platform/base/Exception.h"

namespace {

/// The library's error lines, written at once: the open may end the process before any buffer is flushed.
void WriteErrorLine(void*, int ALevel, const char* AFormat, va_list AArgs) {
  if (ALevel > AV_LOG_ERROR) return;
  char Line[1024];
  const int Length = std::vsnprintf(Line, sizeof Line, AFormat, AArgs);
  if (Length > 0 && write(STDOUT_FILENO, Line, std::min<size_t>(size_t(Length), sizeof Line - 1)) < 0) return;
}

String ReadFile(const char* AName) {
  std::ifstream In(AName, std::ios::binary);
  std::ostringstream Text;
  Text << In.rdbuf();
  return In ? Text.str() : String();
}

}  // namespace

int main(int argc, char** argv) {
  // A crash in the open is an expected answer: no core file for it.
  const rlimit NoCore { 0, 0 };
  setrlimit(RLIMIT_CORE, &NoCore);
  if (argc != 2) return 2;
  String Error;
  if (!LoadAVLib("", TLibraries { avCodec, avUtil }, Error)) return 3;
  LibAVUtil.av_log_set_callback(WriteErrorLine);
  TTrialOpenRequest Request;
  try {
    ReadTrialOpenRequest(ReadFile(argv[1]), Request);
  } catch (const Exception&) {
    return 2;
  }
  return LibAVCodec.avcodec_open2(Request.Context, Request.Codec, &Request.Options) >= 0 ? 0 : 1;
}
