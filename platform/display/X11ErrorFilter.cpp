#include "platform/display/X11ErrorFilter.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace {

XErrorHandler Previous = nullptr;

int Filter(Display* D, XErrorEvent* E) {
  if (E->error_code == BadWindow && E->request_code == X_SendEvent) return 0;
  return Previous ? Previous(D, E) : 0;
}

}  // namespace

X11ErrorFilter::X11ErrorFilter() { Previous = XSetErrorHandler(&Filter); }

X11ErrorFilter::~X11ErrorFilter() { XSetErrorHandler(Previous); }
