#include "platform/shell/X11Tray.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr long SYSTEM_TRAY_REQUEST_DOCK = 0;
constexpr long SYSTEM_TRAY_BEGIN_MESSAGE = 1;
constexpr long SYSTEM_TRAY_CANCEL_MESSAGE = 2;
constexpr long XEMBED_MAPPED = 1;

Display* X(void* D) { return static_cast<Display*>(D); }

int IgnoreError(Display*, XErrorEvent*) { return 0; }

/// Server errors of the calls made while it lives are ignored instead of ending the program; the
/// handler before it comes back once the server has answered them all.
class ErrorsIgnored {
public:
  explicit ErrorsIgnored(Display* D) : FDisplay(D), FPrevious(XSetErrorHandler(&IgnoreError)) {}
  ~ErrorsIgnored() {
    XSync(FDisplay, False);
    XSetErrorHandler(FPrevious);
  }
  ErrorsIgnored(const ErrorsIgnored&) = delete;
  ErrorsIgnored& operator=(const ErrorsIgnored&) = delete;

private:
  Display* FDisplay;
  XErrorHandler FPrevious;
};

Atom Intern(Display* D, const char* Name) { return XInternAtom(D, Name, False); }

Atom SelectionAtom(Display* D) {
  return Intern(D, ("_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(D))).c_str());
}

}  // namespace

std::unique_ptr<X11Tray> X11Tray::Open() {
  Display* D = XOpenDisplay(nullptr);
  if (!D)
    return nullptr;
  // A new manager announces itself to the root window (MANAGER, with the selection it took).
  XSelectInput(D, DefaultRootWindow(D), StructureNotifyMask);
  return std::unique_ptr<X11Tray>(new X11Tray(D));
}

X11Tray::X11Tray(void* Display) : FDisplay(Display) {}

X11Tray::~X11Tray() { XCloseDisplay(X(FDisplay)); }

bool X11Tray::HasManager() {
  Display* D = X(FDisplay);
  return XGetSelectionOwner(D, SelectionAtom(D)) != None;
}

unsigned long X11Tray::Dock(const std::vector<uint32_t>& Pixels, int Size, const std::string& Title) {
  Display* D = X(FDisplay);
  ErrorsIgnored Guard(D);
  const ::Window Manager = XGetSelectionOwner(D, SelectionAtom(D));
  if (Manager == None)
    return 0;
  const ::Window Icon = XCreateSimpleWindow(D, DefaultRootWindow(D), 0, 0, unsigned(Size), unsigned(Size), 0, 0, 0);
  XSetWindowBackgroundPixmap(D, Icon, ParentRelative);
  XSelectInput(D, Icon, ButtonPressMask | ButtonReleaseMask | PointerMotionMask | ExposureMask);
  const long Info[2] = { 0, XEMBED_MAPPED };
  const Atom XEmbedInfo = Intern(D, "_XEMBED_INFO");
  XChangeProperty(D, Icon, XEmbedInfo, XEmbedInfo, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(Info), 2);
  FPictures[Icon] = { Pixels, Size };
  SetTitle(Icon, Title);
  SendOpcode(Icon, SYSTEM_TRAY_REQUEST_DOCK, long(Icon), 0, 0);
  return Icon;
}

void X11Tray::SendOpcode(unsigned long Icon, long Opcode, long Data1, long Data2, long Data3) {
  Display* D = X(FDisplay);
  const ::Window Manager = XGetSelectionOwner(D, SelectionAtom(D));
  if (Manager == None)
    return;
  XEvent E;
  std::memset(&E, 0, sizeof E);
  E.xclient.type = ClientMessage;
  // Dock requests name the manager's window, the others the icon's.
  E.xclient.window = Opcode == SYSTEM_TRAY_REQUEST_DOCK ? Manager : Icon;
  E.xclient.message_type = Intern(D, "_NET_SYSTEM_TRAY_OPCODE");
  E.xclient.format = 32;
  E.xclient.data.l[0] = CurrentTime;
  E.xclient.data.l[1] = Opcode;
  E.xclient.data.l[2] = Data1;
  E.xclient.data.l[3] = Data2;
  E.xclient.data.l[4] = Data3;
  XSendEvent(D, Manager, False, NoEventMask, &E);
  XFlush(D);
}

void X11Tray::SetPicture(unsigned long Icon, const std::vector<uint32_t>& Pixels, int Size) {
  const auto It = FPictures.find(Icon);
  if (It == FPictures.end())
    return;
  It->second = { Pixels, Size };
  ErrorsIgnored Guard(X(FDisplay));
  XClearWindow(X(FDisplay), Icon);
  Draw(Icon);
}

void X11Tray::SetTitle(unsigned long Icon, const std::string& Title) {
  Display* D = X(FDisplay);
  ErrorsIgnored Guard(D);
  XChangeProperty(D, Icon, Intern(D, "_NET_WM_NAME"), Intern(D, "UTF8_STRING"), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(Title.data()), int(Title.size()));
}

void X11Tray::ShowMessage(unsigned long Icon, long Id, const std::string& Text, long TimeoutMs) {
  Display* D = X(FDisplay);
  ErrorsIgnored Guard(D);
  const ::Window Manager = XGetSelectionOwner(D, SelectionAtom(D));
  if (Manager == None)
    return;
  SendOpcode(Icon, SYSTEM_TRAY_BEGIN_MESSAGE, TimeoutMs, long(Text.size()), Id);
  // The text follows in pieces of 20 bytes.
  for (size_t At = 0; At < Text.size(); At += 20) {
    XEvent E;
    std::memset(&E, 0, sizeof E);
    E.xclient.type = ClientMessage;
    E.xclient.window = Icon;
    E.xclient.message_type = Intern(D, "_NET_SYSTEM_TRAY_MESSAGE_DATA");
    E.xclient.format = 8;
    std::memcpy(E.xclient.data.b, Text.data() + At, std::min<size_t>(20, Text.size() - At));
    XSendEvent(D, Manager, False, StructureNotifyMask, &E);
  }
  XFlush(D);
}

void X11Tray::CancelMessage(unsigned long Icon, long Id) {
  ErrorsIgnored Guard(X(FDisplay));
  SendOpcode(Icon, SYSTEM_TRAY_CANCEL_MESSAGE, Id, 0, 0);
}

void X11Tray::Destroy(unsigned long Icon) {
  if (!FPictures.erase(Icon))
    return;
  ErrorsIgnored Guard(X(FDisplay));
  XDestroyWindow(X(FDisplay), Icon);
}

// The picture goes over the tray's own background through a mask of its pixels that are more opaque
// than not; only 24- and 32-bit true-colour screens get one.
void X11Tray::Draw(unsigned long Icon) {
  Display* D = X(FDisplay);
  const auto It = FPictures.find(Icon);
  if (It == FPictures.end() || It->second.Size <= 0)
    return;
  const Picture& P = It->second;
  Visual* V = DefaultVisual(D, DefaultScreen(D));
  const int Depth = DefaultDepth(D, DefaultScreen(D));
  if (V->c_class != TrueColor || (Depth != 24 && Depth != 32) || V->red_mask != 0xFF0000 || V->blue_mask != 0xFF)
    return;
  const int Size = P.Size, MaskStride = (Size + 7) / 8;
  std::vector<char> Mask(size_t(MaskStride * Size), 0);
  auto* Data = static_cast<char*>(std::malloc(size_t(Size * Size * 4)));  // XDestroyImage frees it
  for (int Y = 0; Y < Size; ++Y)
    for (int X = 0; X < Size; ++X) {
      const uint32_t Pixel = P.Pixels[size_t(Y * Size + X)];
      reinterpret_cast<uint32_t*>(Data)[Y * Size + X] = Pixel & 0xFFFFFF;
      if ((Pixel >> 24) >= 0x80)
        Mask[size_t(Y * MaskStride + X / 8)] |= char(1 << (X % 8));
    }
  XImage* Image = XCreateImage(D, V, unsigned(Depth), ZPixmap, 0, Data, unsigned(Size), unsigned(Size), 32, 0);
  if (!Image) {
    std::free(Data);
    return;
  }
  const Pixmap Clip = XCreateBitmapFromData(D, Icon, Mask.data(), unsigned(Size), unsigned(Size));
  const GC Gc = XCreateGC(D, Icon, 0, nullptr);
  XSetClipMask(D, Gc, Clip);
  XPutImage(D, Icon, Gc, Image, 0, 0, 0, 0, unsigned(Size), unsigned(Size));
  XFreeGC(D, Gc);
  XFreePixmap(D, Clip);
  XDestroyImage(Image);
  XFlush(D);
}

std::vector<X11Tray::Event> X11Tray::TakeEvents() {
  Display* D = X(FDisplay);
  ErrorsIgnored Guard(D);
  std::vector<Event> Events;
  const Atom Manager = Intern(D, "MANAGER"), Selection = SelectionAtom(D);
  while (XPending(D) > 0) {
    XEvent E;
    XNextEvent(D, &E);
    switch (E.type) {
    case Expose:
      if (E.xexpose.count == 0)
        Draw(E.xexpose.window);
      break;
    case ButtonPress:
    case ButtonRelease:
      if (E.xbutton.button >= 1 && E.xbutton.button <= 3)
        Events.push_back({ E.type == ButtonPress ? Event::Kind::Press : Event::Kind::Release, E.xbutton.window,
                           int(E.xbutton.button), E.xbutton.time });
      break;
    case MotionNotify:
      Events.push_back({ Event::Kind::Motion, E.xmotion.window, 0, E.xmotion.time });
      break;
    case ClientMessage:
      if (E.xclient.message_type == Manager && Atom(E.xclient.data.l[1]) == Selection)
        Events.push_back({ Event::Kind::ManagerStarted, 0, 0, 0 });
      break;
    default:
      break;
    }
  }
  return Events;
}
