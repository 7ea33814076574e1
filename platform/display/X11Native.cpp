#include "platform/display/X11Native.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <climits>
#include <string>
#include <vector>

namespace {

Display* Server(void* D) { return static_cast<Display*>(D); }

}  // namespace

std::optional<X11Native> X11Native::Of(SDL_Window* W) {
  if (!W) return std::nullopt;
  SDL_SysWMinfo Info;
  SDL_VERSION(&Info.version);
  if (!SDL_GetWindowWMInfo(W, &Info) || Info.subsystem != SDL_SYSWM_X11) return std::nullopt;
  return X11Native(Info.info.x11.display, Info.info.x11.window);
}

void X11Native::Raise() const {
  XRaiseWindow(Server(FDisplay), FWindow);
  XFlush(Server(FDisplay));
}

void X11Native::SetTransientFor(const std::optional<X11Native>& Owner) const {
  if (Owner)
    XSetTransientForHint(Server(FDisplay), FWindow, Owner->FWindow);
  else
    XDeleteProperty(Server(FDisplay), FWindow, XInternAtom(Server(FDisplay), "WM_TRANSIENT_FOR", False));
  XFlush(Server(FDisplay));
}

void X11Native::SetShape(const std::optional<std::vector<TRect>>& Shape) const {
  Display* D = Server(FDisplay);
  int EventBase, ErrorBase;
  if (!XShapeQueryExtension(D, &EventBase, &ErrorBase)) return;
  if (!Shape) {
    XShapeCombineMask(D, FWindow, ShapeBounding, 0, 0, None, ShapeSet);
  } else {
    std::vector<XRectangle> Rects;
    for (const TRect& R : *Shape)
      if (R.Width() > 0 && R.Height() > 0 && R.Left >= SHRT_MIN && R.Top >= SHRT_MIN && R.Width() <= USHRT_MAX &&
          R.Height() <= USHRT_MAX)
        Rects.push_back({ short(R.Left), short(R.Top), static_cast<unsigned short>(R.Width()),
                          static_cast<unsigned short>(R.Height()) });
    XShapeCombineRectangles(D, FWindow, ShapeBounding, 0, 0, Rects.data(), int(Rects.size()), ShapeSet, Unsorted);
  }
  XFlush(D);
}

std::optional<TRect> X11Native::Geometry() const {
  Display* D = Server(FDisplay);
  XWindowAttributes A;
  if (!XGetWindowAttributes(D, FWindow, &A)) return std::nullopt;
  int X = 0, Y = 0;
  ::Window Child;
  if (!XTranslateCoordinates(D, FWindow, A.root, 0, 0, &X, &Y, &Child)) return std::nullopt;
  return TRect { X, Y, X + A.width, Y + A.height };
}

bool X11Native::DesktopIconifies() const {
  Display* D = Server(FDisplay);
  XWindowAttributes A;
  if (!XGetWindowAttributes(D, FWindow, &A)) return false;
  const String Selection = "WM_S" + std::to_string(XScreenNumberOfScreen(A.screen));
  return XGetSelectionOwner(D, XInternAtom(D, Selection.c_str(), False)) != None;
}
