#include "tests/platform/display/XCompositorStandIn.h"

#include <X11/Xlib.h>

struct XCompositorStandIn::State {
  Display* Connection { XOpenDisplay(nullptr) };
  ::Window Owner { 0 };
  Atom Selection { 0 };
};

XCompositorStandIn::XCompositorStandIn() : FState(std::make_unique<State>()) {
  Display* D = FState->Connection;
  if (!D) return;
  FState->Selection = XInternAtom(D, "_NET_WM_CM_S0", False);
  FState->Owner = XCreateSimpleWindow(D, DefaultRootWindow(D), 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(D, FState->Selection, FState->Owner, CurrentTime);
  XSync(D, False);
}

XCompositorStandIn::~XCompositorStandIn() {
  // Closing the connection ends the ownership, as a manager's exit does.
  if (FState->Connection) XCloseDisplay(FState->Connection);
}

bool XCompositorStandIn::Owns() const {
  return FState->Connection && XGetSelectionOwner(FState->Connection, FState->Selection) == FState->Owner;
}
