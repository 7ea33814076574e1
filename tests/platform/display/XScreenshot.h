#pragma once
// Pixels of the X server's root window, for tests that compare the screen with what windows painted.
#include <memory>

#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

/// A rectangle of the root window read over a connection of its own (DISPLAY).
class XScreenshot {
public:
  XScreenshot();
  ~XScreenshot();
  XScreenshot(const XScreenshot&) = delete;
  XScreenshot& operator=(const XScreenshot&) = delete;

  /// Reads R (screen coordinates); false when there is no server or it gives nothing.
  bool Take(const TRect& R);
  /// Reads R (screen coordinates) of the screen-sized window Window, such as a compositing manager's
  /// overlay; false while it is not shown.
  bool TakeFrom(unsigned long Window, const TRect& R);
  /// The colour at a screen point inside the rectangle last taken.
  TColor At(int X, int Y) const;
  /// Reads P of the screen-sized window Window (as TakeFrom) into Seen: true when each of its channels lies
  /// within Tolerance of Expected's.
  bool NearFrom(unsigned long Window, TPoint P, TColor Expected, int Tolerance, TColor& Seen);

private:
  struct State;
  std::unique_ptr<State> FState;
};
