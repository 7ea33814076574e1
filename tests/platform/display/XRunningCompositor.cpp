#include "tests/platform/display/XRunningCompositor.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

XRunningCompositor::XRunningCompositor() {
  char* Arguments[] = { const_cast<char*>("picom"), const_cast<char*>("--backend"), const_cast<char*>("xrender"),
                        const_cast<char*>("--config"), const_cast<char*>("/dev/null"), nullptr };
  pid_t Process = 0;
  if (posix_spawnp(&Process, "picom", nullptr, nullptr, Arguments, environ) == 0) FProcess = Process;
}

XRunningCompositor::~XRunningCompositor() {
  if (FProcess <= 0) return;
  kill(FProcess, SIGTERM);
  waitpid(FProcess, nullptr, 0);
}
