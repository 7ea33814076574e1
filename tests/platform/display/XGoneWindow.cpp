#include "tests/platform/display/XGoneWindow.h"

#include <X11/Xlib.h>

bool SendToAGoneWindow() {
  Display* X = XOpenDisplay(nullptr);
  if (!X) return false;
  const Window Gone = XCreateSimpleWindow(X, DefaultRootWindow(X), 0, 0, 1, 1, 0, 0, 0);
  XDestroyWindow(X, Gone);
  XEvent Event {};
  Event.xclient.type = ClientMessage;
  Event.xclient.window = Gone;
  Event.xclient.format = 32;
  XSendEvent(X, Gone, False, NoEventMask, &Event);
  XSync(X, False);
  XCloseDisplay(X);
  return true;
}
