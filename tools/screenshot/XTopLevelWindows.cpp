#include "tools/screenshot/XTopLevelWindows.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdexcept>

namespace {

/// The window's title as UTF-8 (_NET_WM_NAME, read as bytes, so no locale is needed).
String TitleOf(Display* X, Window W) {
  Atom Type;
  int Format = 0;
  unsigned long Count = 0, After = 0;
  unsigned char* Data = nullptr;
  String Text;
  if (XGetWindowProperty(X, W, XInternAtom(X, "_NET_WM_NAME", False), 0, 1024, False, AnyPropertyType, &Type,
                         &Format, &Count, &After, &Data) == Success && Data) {
    Text.assign(reinterpret_cast<const char*>(Data), Count);
    XFree(Data);
  }
  return Text;
}

}  // namespace

XTopLevelWindows::XTopLevelWindows() : FDisplay(XOpenDisplay(nullptr)) {
  if (!FDisplay) throw std::runtime_error("no X server (DISPLAY)");
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

XTopLevelWindows::~XTopLevelWindows() { XCloseDisplay(FDisplay); }

std::optional<TRect> XTopLevelWindows::Find(const String& Title) {
  TRect Rect;
  if (!FindWindow(Title, Rect)) return std::nullopt;
  return Rect;
}

bool XTopLevelWindows::RequestClose(const String& Title) {
  TRect Rect;
  const Window W = FindWindow(Title, Rect);
  if (!W) return false;
  XEvent Event {};
  Event.xclient.type = ClientMessage;
  Event.xclient.window = W;
  Event.xclient.message_type = XInternAtom(FDisplay, "WM_PROTOCOLS", False);
  Event.xclient.format = 32;
  Event.xclient.data.l[0] = long(XInternAtom(FDisplay, "WM_DELETE_WINDOW", False));
  Event.xclient.data.l[1] = CurrentTime;
  XSendEvent(FDisplay, W, False, NoEventMask, &Event);
  XFlush(FDisplay);
  return true;
}

unsigned long XTopLevelWindows::FindWindow(const String& Title, TRect& Rect) {
  Window Root = DefaultRootWindow(FDisplay), Parent, *Children = nullptr;
  unsigned Count = 0;
  Window Found = 0;
  if (!XQueryTree(FDisplay, Root, &Root, &Parent, &Children, &Count)) return 0;
  for (unsigned i = 0; i < Count && !Found; ++i) {
    XWindowAttributes Attributes;
    if (TitleOf(FDisplay, Children[i]) != Title || !XGetWindowAttributes(FDisplay, Children[i], &Attributes) ||
        Attributes.map_state != IsViewable)
      continue;
    int Left = 0, Top = 0;
    Window Child;
    XTranslateCoordinates(FDisplay, Children[i], Root, 0, 0, &Left, &Top, &Child);
    Rect = TRect { Left, Top, Left + Attributes.width, Top + Attributes.height };
    Found = Children[i];
  }
  if (Children) XFree(Children);
  return Found;
}
