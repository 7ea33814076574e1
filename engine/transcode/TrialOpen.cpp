#include "engine/transcode/TrialOpen.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>

#include "engine/libav/AVUtilStubs.h"

namespace {

int ChildLogFd = -1;

/// The child's log callback: the library's error lines go down the pipe, the rest is dropped.
void LogToParent(void*, int ALevel, const char* AFormat, va_list AArgs) {
  if (ALevel > AV_LOG_ERROR || ChildLogFd < 0) return;
  char Line[1024];
  const int Length = std::vsnprintf(Line, sizeof Line, AFormat, AArgs);
  if (Length > 0 && write(ChildLogFd, Line, std::min<size_t>(size_t(Length), sizeof Line - 1)) < 0) ChildLogFd = -1;
}

/// Runs in the child: tries the open and exits with 0 when it worked. A crash shows as the child's signal,
/// without a core file or a message on the terminal.
[[noreturn]] void RunTrial(int ALogFd, AVCodecContext* AContext, const AVCodec* ACodec, const AVDictionary* AOptions) {
  const rlimit NoCore { 0, 0 };
  setrlimit(RLIMIT_CORE, &NoCore);
  const int Null = open("/dev/null", O_WRONLY);
  if (Null >= 0) dup2(Null, STDERR_FILENO);
  // A full pipe must not stall the child: lines that do not fit are dropped.
  fcntl(ALogFd, F_SETFL, fcntl(ALogFd, F_GETFL) | O_NONBLOCK);
  ChildLogFd = ALogFd;
  LibAVUtil.av_log_set_callback(LogToParent);
  AVDictionary* Options = nullptr;
  LibAVUtil.av_dict_copy(&Options, AOptions, 0);
  _exit(LibAVCodec.avcodec_open2(AContext, ACodec, &Options) >= 0 ? 0 : 1);
}

/// The child's wait status, or nothing when it did not end within ATimeoutMs (it is then killed).
std::optional<int> WaitForChild(pid_t AChild, int ATimeoutMs) {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ATimeoutMs);
  int Status = 0;
  for (;;) {
    const pid_t Ended = waitpid(AChild, &Status, WNOHANG);
    if (Ended == AChild) return Status;
    if (Ended < 0 && errno != EINTR) return std::nullopt;
    if (std::chrono::steady_clock::now() >= Deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  kill(AChild, SIGKILL);
  while (waitpid(AChild, &Status, 0) < 0 && errno == EINTR) {}
  return std::nullopt;
}

/// Logs the lines the child sent against AContext, as if the library had logged them here.
void RelogChildLines(int AReadFd, AVCodecContext* AContext) {
  String Text;
  char Buffer[4096];
  for (ssize_t Count; (Count = read(AReadFd, Buffer, sizeof Buffer)) > 0 || (Count < 0 && errno == EINTR);)
    if (Count > 0) Text.append(Buffer, size_t(Count));
  size_t Start = 0;
  while (Start < Text.size()) {
    size_t End = Text.find('\n', Start);
    if (End == String::npos) End = Text.size();
    if (End > Start) LibAVUtil.av_log(AContext, AV_LOG_ERROR, "%s\n", Text.substr(Start, End - Start).c_str());
    Start = End + 1;
  }
}

}  // namespace

TTrialOpenResult TrialOpenInChild(AVCodecContext* AContext, const AVCodec* ACodec, const AVDictionary* AOptions,
                                  int ATimeoutMs) {
  int Pipe[2];
  if (pipe2(Pipe, O_CLOEXEC) < 0) return TTrialOpenResult::Unknown;
  const pid_t Child = fork();
  if (Child == 0) {
    close(Pipe[0]);
    RunTrial(Pipe[1], AContext, ACodec, AOptions);
  }
  close(Pipe[1]);
  const std::optional<int> Status = Child > 0 ? WaitForChild(Child, ATimeoutMs) : std::nullopt;
  const TTrialOpenResult Result = !Status ? TTrialOpenResult::Unknown
                                  : WIFEXITED(*Status) && WEXITSTATUS(*Status) == 0 ? TTrialOpenResult::Opens
                                                                                     : TTrialOpenResult::Fails;
  if (Result == TTrialOpenResult::Fails) RelogChildLines(Pipe[0], AContext);
  close(Pipe[0]);
  return Result;
}
