#include "tests/platform/display/XScreenshot.h"

#include <cstdlib>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

uint8_t Channel(unsigned long V, unsigned long Mask) {
  if (!Mask) return 0;
  int Shift = 0;
  while (!(Mask >> Shift & 1)) ++Shift;
  return uint8_t((V & Mask) >> Shift);
}

}  // namespace

struct XScreenshot::State {
  Display* Connection { XOpenDisplay(nullptr) };
  XImage* Image { nullptr };
  TPoint Origin;
};

XScreenshot::XScreenshot() : FState(std::make_unique<State>()) {}

XScreenshot::~XScreenshot() {
  if (FState->Image) XDestroyImage(FState->Image);
  if (FState->Connection) XCloseDisplay(FState->Connection);
}

namespace {

XImage* Read(Display* D, ::Window From, const TRect& R) {
  return XGetImage(D, From, R.Left, R.Top, unsigned(R.Width()), unsigned(R.Height()), AllPlanes, ZPixmap);
}

}  // namespace

bool XScreenshot::Take(const TRect& R) {
  if (FState->Image) XDestroyImage(FState->Image);
  FState->Image = nullptr;
  if (!FState->Connection) return false;
  FState->Origin = { R.Left, R.Top };
  FState->Image = Read(FState->Connection, DefaultRootWindow(FState->Connection), R);
  return FState->Image != nullptr;
}

bool XScreenshot::TakeFrom(unsigned long Window, const TRect& R) {
  if (FState->Image) XDestroyImage(FState->Image);
  FState->Image = nullptr;
  if (!FState->Connection) return false;
  FState->Origin = { R.Left, R.Top };
  XWindowAttributes A;
  if (XGetWindowAttributes(FState->Connection, Window, &A) && A.map_state == IsViewable)
    FState->Image = Read(FState->Connection, Window, R);
  return FState->Image != nullptr;
}

bool XScreenshot::NearFrom(unsigned long Window, TPoint P, TColor Expected, int Tolerance, TColor& Seen) {
  if (!TakeFrom(Window, Bounds(P.X, P.Y, 1, 1))) return false;
  Seen = At(P.X, P.Y);
  for (int Shift = 0; Shift < 24; Shift += 8)
    if (std::abs(int(Seen >> Shift & 0xFF) - int(Expected >> Shift & 0xFF)) > Tolerance) return false;
  return true;
}

TColor XScreenshot::At(int X, int Y) const {
  XImage* I = FState->Image;
  const unsigned long V = XGetPixel(I, X - FState->Origin.X, Y - FState->Origin.Y);
  return RGB(Channel(V, I->red_mask), Channel(V, I->green_mask), Channel(V, I->blue_mask));
}
