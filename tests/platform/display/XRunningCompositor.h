#pragma once
// A real compositing manager (picom, drawing with the X server's rendering extension, no configuration)
// on the X server of DISPLAY while the object lives, for tests that look at what the screen blends.
#include <memory>

class XRunningCompositor {
public:
  XRunningCompositor();
  /// Ends the manager and waits for it.
  ~XRunningCompositor();
  XRunningCompositor(const XRunningCompositor&) = delete;
  XRunningCompositor& operator=(const XRunningCompositor&) = delete;

  /// The manager was started (false where it is not installed).
  bool Started() const;
  /// The screen's overlay window the manager shows its blend on (reading the root window would give the
  /// windows' own pixels, unblended).
  unsigned long Overlay() const;

private:
  struct State;
  std::unique_ptr<State> FState;
};
