#include "platform/shell/Processes.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace {

// Waits for the child in the background; the detached thread ends with it. Should no thread be had, the
// child stays a zombie until the program ends, which harms nothing else.
void Reap(pid_t Child) {
  try {
    std::thread([Child] {
      while (waitpid(Child, nullptr, 0) < 0 && errno == EINTR) {}
    }).detach();
  } catch (const std::system_error&) {
  }
}

}  // namespace

Cardinal GetCurrentProcessId() {
  return static_cast<Cardinal>(getpid());
}

int SpawnDetached(const std::vector<String>& Args, const String& WorkingDir) {
  if (Args.empty()) return -1;
  std::vector<char*> argv;
  for (const String& arg : Args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attributes);
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  if (!WorkingDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, WorkingDir.c_str());
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  pid_t child = -1;
  const int error = posix_spawnp(&child, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return -1;
  Reap(child);
  return child;
}
