#include "tests/platform/display/XRunningCompositor.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xcomposite.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

struct XRunningCompositor::State {
  pid_t Process { 0 };
  Display* Connection { XOpenDisplay(nullptr) };
  ::Window Overlay { 0 };
};

XRunningCompositor::XRunningCompositor() : FState(std::make_unique<State>()) {
  char* Arguments[] = { const_cast<char*>("picom"), const_cast<char*>("--backend"), const_cast<char*>("xrender"),
                        const_cast<char*>("--config"), const_cast<char*>("/dev/null"), nullptr };
  if (!FState->Connection || posix_spawnp(&FState->Process, "picom", nullptr, nullptr, Arguments, environ) != 0) {
    FState->Process = 0;
    return;
  }
  FState->Overlay = XCompositeGetOverlayWindow(FState->Connection, DefaultRootWindow(FState->Connection));
}

XRunningCompositor::~XRunningCompositor() {
  if (FState->Process > 0) {
    kill(FState->Process, SIGTERM);
    waitpid(FState->Process, nullptr, 0);
  }
  if (!FState->Connection) return;
  if (FState->Overlay) XCompositeReleaseOverlayWindow(FState->Connection, DefaultRootWindow(FState->Connection));
  XCloseDisplay(FState->Connection);
}

bool XRunningCompositor::Started() const { return FState->Process > 0; }

unsigned long XRunningCompositor::Overlay() const { return FState->Overlay; }
