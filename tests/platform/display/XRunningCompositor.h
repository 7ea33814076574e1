#pragma once
// A real compositing manager (picom, drawing with the X server's rendering extension, no configuration)
// on the X server of DISPLAY while the object lives, for tests that look at what the screen blends.

class XRunningCompositor {
public:
  XRunningCompositor();
  /// Ends the manager and waits for it.
  ~XRunningCompositor();
  XRunningCompositor(const XRunningCompositor&) = delete;
  XRunningCompositor& operator=(const XRunningCompositor&) = delete;

  /// The manager was started (false where it is not installed).
  bool Started() const { return FProcess > 0; }

private:
  int FProcess { 0 };
};
