#include "tools/screenshot/TInstalledProgram.h"

#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "tools/screenshot/Polling.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

/// The name of an environment entry or change: what comes before its "=", or all of it.
String VariableName(const String& Entry) { return Entry.substr(0, Entry.find('=')); }

/// Environment without the variable named Name, then with Change when it sets one.
void Apply(std::vector<String>& Environment, const String& Change) {
  std::erase_if(Environment, [&](const String& Entry) { return VariableName(Entry) == VariableName(Change); });
  if (Change.find('=') != String::npos) Environment.push_back(Change);
}

/// This process's environment with Home as HOME, the X server's authority kept where it was found, and
/// SDL's silent sound, then Changes.
std::vector<String> ProgramEnvironment(const String& Home, const std::vector<String>& Changes) {
  std::vector<String> Environment;
  for (char** Entry = environ; *Entry; ++Entry) Environment.push_back(*Entry);
  if (!getenv("XAUTHORITY") && getenv("HOME")) Apply(Environment, String("XAUTHORITY=") + getenv("HOME") + "/.Xauthority");
  Apply(Environment, "HOME=" + Home);
  Apply(Environment, "SDL_AUDIODRIVER=dummy");
  for (const String& Change : Changes) Apply(Environment, Change);
  return Environment;
}

}  // namespace

TInstalledProgram::TInstalledProgram(const String& Program) {
  char Pattern[] = "/tmp/zorvik-installed.XXXXXX";
  if (!mkdtemp(Pattern)) throw std::runtime_error("cannot make a temporary folder");
  FRoot = Pattern;
  FInstall = FRoot + "/install";
  FHome = FRoot + "/home";
  std::error_code Error;
  fs::create_directories(FInstall, Error);
  if (!Error) fs::create_directories(FHome, Error);
  FProgram = FInstall + "/" + fs::path(Program).filename().string();
  if (!Error) fs::copy_file(Program, FProgram, Error);
  if (Error) {
    fs::remove_all(FRoot, Error);
    throw std::runtime_error("cannot install " + Program + " in " + FInstall);
  }
}

TInstalledProgram::~TInstalledProgram() {
  if (FPid > 0 && !FEnded) {
    kill(FPid, SIGKILL);
    waitpid(FPid, nullptr, 0);
  }
  std::error_code Error;
  fs::remove_all(FRoot, Error);
}

bool TInstalledProgram::Start(const std::vector<String>& Changes, const std::vector<String>& Command) {
  if (FPid > 0 && !FEnded) return false;
  const std::vector<String> Environment = ProgramEnvironment(FHome, Changes);
  const std::vector<String> Arguments = Command.empty() ? std::vector<String> { FProgram } : Command;
  std::vector<char*> Argv, Envp;
  for (const String& A : Arguments) Argv.push_back(const_cast<char*>(A.c_str()));
  Argv.push_back(nullptr);
  for (const String& E : Environment) Envp.push_back(const_cast<char*>(E.c_str()));
  Envp.push_back(nullptr);
  FEnded = false;
  return posix_spawn(&FPid, Argv[0], nullptr, nullptr, Argv.data(), Envp.data()) == 0;
}

std::optional<int> TInstalledProgram::WaitForExit(std::chrono::milliseconds Limit) {
  int Status = 0;
  if (FPid <= 0 || FEnded ||
      !PollUntil([&] { return waitpid(FPid, &Status, WNOHANG) == FPid; }, Limit, std::chrono::milliseconds(20)))
    return std::nullopt;
  FEnded = true;
  if (!WIFEXITED(Status)) return std::nullopt;
  return WEXITSTATUS(Status);
}

long TInstalledProgram::ResidentKiB() const { return StatusKiB("VmRSS:"); }

long TInstalledProgram::PeakResidentKiB() const { return StatusKiB("VmHWM:"); }

long TInstalledProgram::StatusKiB(const char* Field) const {
  std::ifstream Status("/proc/" + std::to_string(FPid) + "/status");
  String Name;
  long Value = 0;
  while (Status >> Name)
    if (Name == Field && Status >> Value) return Value;
  return 0;
}
