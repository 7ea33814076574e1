#include "tests/platform/shell/FakeTrayManager.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstring>

namespace {

Display* X(void* D) { return static_cast<Display*>(D); }

Atom Selection(Display* D) {
  return XInternAtom(D, ("_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(D))).c_str(), False);
}

}  // namespace

std::unique_ptr<FakeTrayManager> FakeTrayManager::Start() {
  Display* D = XOpenDisplay(nullptr);
  if (!D)
    return nullptr;
  const ::Window Root = DefaultRootWindow(D);
  const ::Window W = XCreateSimpleWindow(D, Root, 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(D, Selection(D), W, CurrentTime);
  XEvent E;
  std::memset(&E, 0, sizeof E);
  E.xclient.type = ClientMessage;
  E.xclient.window = Root;
  E.xclient.message_type = XInternAtom(D, "MANAGER", False);
  E.xclient.format = 32;
  E.xclient.data.l[0] = CurrentTime;
  E.xclient.data.l[1] = long(Selection(D));
  E.xclient.data.l[2] = long(W);
  XSendEvent(D, Root, False, StructureNotifyMask, &E);
  XSync(D, False);
  return std::unique_ptr<FakeTrayManager>(new FakeTrayManager(D, W));
}

FakeTrayManager::~FakeTrayManager() { XCloseDisplay(X(FDisplay)); }

std::optional<unsigned long> FakeTrayManager::TakeDockRequest() {
  Display* D = X(FDisplay);
  XSync(D, False);
  const Atom Opcode = XInternAtom(D, "_NET_SYSTEM_TRAY_OPCODE", False);
  XEvent E;
  while (XCheckTypedWindowEvent(D, FWindow, ClientMessage, &E))
    if (E.xclient.message_type == Opcode && E.xclient.data.l[1] == 0)
      return (unsigned long)E.xclient.data.l[2];
  return std::nullopt;
}

std::string FakeTrayManager::TitleOf(unsigned long Icon) {
  Display* D = X(FDisplay);
  Atom Type;
  int Format;
  unsigned long Count, After;
  unsigned char* Data = nullptr;
  std::string Title;
  const Atom Name = XInternAtom(D, "_NET_WM_NAME", False);
  if (XGetWindowProperty(D, Icon, Name, 0, 4096, False, AnyPropertyType, &Type, &Format, &Count, &After, &Data) ==
          Success &&
      Data)
    Title.assign(reinterpret_cast<char*>(Data), Count);
  if (Data)
    XFree(Data);
  return Title;
}

void FakeTrayManager::SendButton(unsigned long Icon, int Button, bool Press, unsigned long Time) {
  Display* D = X(FDisplay);
  XEvent E;
  std::memset(&E, 0, sizeof E);
  E.xbutton.type = Press ? ButtonPress : ButtonRelease;
  E.xbutton.window = Icon;
  E.xbutton.button = unsigned(Button);
  E.xbutton.time = Time;
  E.xbutton.same_screen = True;
  XSendEvent(D, Icon, False, Press ? ButtonPressMask : ButtonReleaseMask, &E);
  XSync(D, False);
}
