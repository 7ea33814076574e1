#include "engine/transcode/TrialOpen.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>

#include "engine/libav/AVUtilStubs.h"
#include "engine/transcode/TrialOpenRequest.h"
#include "platform/base/SysUtils.h"

extern char** environ;

namespace {

std::mutex HelperLock;
String HelperPath;  // guarded by HelperLock; empty: beside the running program

/// A temporary file of this process, removed with the object.
class TTemporaryFile {
public:
  TTemporaryFile() {
    const char* Folder = std::getenv("TMPDIR");
    FName = String(Folder && *Folder ? Folder : "/tmp") + "/zorvik-trial-XXXXXX";
    FHandle = mkostemp(FName.data(), O_CLOEXEC);
  }
  ~TTemporaryFile() {
    if (FHandle < 0) return;
    close(FHandle);
    unlink(FName.c_str());
  }
  bool Made() const { return FHandle >= 0; }
  const String& Name() const { return FName; }
  bool Write(const String& ABytes) const {
    for (size_t At = 0; At < ABytes.size();) {
      const ssize_t Count = write(FHandle, ABytes.data() + At, ABytes.size() - At);
      if (Count < 0 && errno == EINTR) continue;
      if (Count <= 0) return false;
      At += size_t(Count);
    }
    return true;
  }
  String Read() const {
    String Text;
    char Buffer[4096];
    for (off_t At = 0;;) {
      const ssize_t Count = pread(FHandle, Buffer, sizeof Buffer, At);
      if (Count < 0 && errno == EINTR) continue;
      if (Count <= 0) return Text;
      Text.append(Buffer, size_t(Count));
      At += Count;
    }
  }

private:
  String FName;
  int FHandle { -1 };
};

/// The helper's wait status, or nothing when it did not end within ATimeoutMs (it is then killed).
std::optional<int> WaitForHelper(pid_t AHelper, int ATimeoutMs) {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ATimeoutMs);
  int Status = 0;
  for (;;) {
    const pid_t Ended = waitpid(AHelper, &Status, WNOHANG);
    if (Ended == AHelper) return Status;
    if (Ended < 0 && errno != EINTR) return std::nullopt;
    if (std::chrono::steady_clock::now() >= Deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  kill(AHelper, SIGKILL);
  while (waitpid(AHelper, &Status, 0) < 0 && errno == EINTR) {}
  return std::nullopt;
}

/// Logs the lines the helper wrote against AContext, as if the library had logged them here.
void RelogHelperLines(const String& AText, const AVCodecContext* AContext) {
  size_t Start = 0;
  while (Start < AText.size()) {
    size_t End = AText.find('\n', Start);
    if (End == String::npos) End = AText.size();
    if (End > Start)
      LibAVUtil.av_log(const_cast<AVCodecContext*>(AContext), AV_LOG_ERROR, "%s\n", AText.substr(Start, End - Start).c_str());
    Start = End + 1;
  }
}

/// Starts AHelper on ARequest with its output in AOutput; the helper's process, or -1 with AReason set.
pid_t StartHelper(const String& AHelper, const TTemporaryFile& ARequest, const TTemporaryFile& AOutput, String& AReason) {
  posix_spawn_file_actions_t Actions;
  posix_spawn_file_actions_init(&Actions);
  posix_spawn_file_actions_addopen(&Actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&Actions, STDOUT_FILENO, AOutput.Name().c_str(), O_WRONLY | O_APPEND, 0);
  posix_spawn_file_actions_adddup2(&Actions, STDOUT_FILENO, STDERR_FILENO);
  char* const Arguments[] = { const_cast<char*>(AHelper.c_str()), const_cast<char*>(ARequest.Name().c_str()), nullptr };
  pid_t Helper = -1;
  const int Error = posix_spawn(&Helper, AHelper.c_str(), &Actions, nullptr, Arguments, environ);
  posix_spawn_file_actions_destroy(&Actions);
  if (Error) {
    AReason = Format("the trial-open helper \"%s\" could not start: %s", AHelper, std::strerror(Error));
    return -1;
  }
  return Helper;
}

TTrialOpenResult ResultOf(const std::optional<int>& AStatus, const String& AHelper, int ATimeoutMs, String& AReason) {
  if (!AStatus) {
    AReason = Format("the trial-open helper \"%s\" gave no answer within %d s", AHelper, ATimeoutMs / 1000);
    return TTrialOpenResult::Unknown;
  }
  if (WIFEXITED(*AStatus) && WEXITSTATUS(*AStatus) == 0) return TTrialOpenResult::Opens;
  if (WIFSIGNALED(*AStatus) || (WIFEXITED(*AStatus) && WEXITSTATUS(*AStatus) == 1)) {
    AReason = "the encoder could not be opened with these settings";
    return TTrialOpenResult::Fails;
  }
  AReason = Format("the trial-open helper \"%s\" ended with code %d", AHelper, WEXITSTATUS(*AStatus));
  return TTrialOpenResult::Unknown;
}

}  // namespace

String TrialOpenHelper() {
  std::lock_guard Lock(HelperLock);
  if (!HelperPath.empty()) return HelperPath;
  std::error_code Error;
  const std::filesystem::path Program = std::filesystem::read_symlink("/proc/self/exe", Error);
  return (Program.parent_path() / "zorvik-trial-open").string();
}

void SetTrialOpenHelper(const String& APath) {
  std::lock_guard Lock(HelperLock);
  HelperPath = APath;
}

TTrialOpenResult TrialOpenInHelper(const AVCodecContext* AContext, const AVCodec* ACodec, const AVDictionary* AOptions,
                                   int ATimeoutMs, String& AReason) {
  const String Helper = TrialOpenHelper();
  const TTemporaryFile Request, Output;
  if (!Request.Made() || !Output.Made() || !Request.Write(WriteTrialOpenRequest(AContext, ACodec, AOptions))) {
    AReason = Format("the trial-open request could not be written: %s", std::strerror(errno));
    return TTrialOpenResult::Unknown;
  }
  const pid_t Process = StartHelper(Helper, Request, Output, AReason);
  if (Process < 0) return TTrialOpenResult::Unknown;
  const TTrialOpenResult Result = ResultOf(WaitForHelper(Process, ATimeoutMs), Helper, ATimeoutMs, AReason);
  if (Result == TTrialOpenResult::Fails) RelogHelperLines(Output.Read(), AContext);
  return Result;
}
