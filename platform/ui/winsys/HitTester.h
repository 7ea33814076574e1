#pragma once
// Which window lies under a screen point, by geometry alone: window rectangles, window regions, the
// parents' client areas that clip their children, visibility, WS_EX_TRANSPARENT and disabled windows.
// Sending WM_NCHITTEST is the input router's business; this gives it its candidates.
#include "platform/base/Types.h"
#include "platform/ui/winsys/Window.h"

/// Geometric hit testing over the window tree.
class HitTester {
public:
  /// True when P (screen) is on W: inside its rectangle and its window region.
  static bool Contains(const Window& W, TPoint P);
  /// True when P (screen) is in W's client area.
  static bool InClient(const Window& W, TPoint P);
  /// A shown, not minimized top-level window under P that clicks do not pass through, starting below
  /// After (null: from the top). Disabled windows are answered too; callers decide.
  static Window* TopLevelAt(TPoint P, const Window* After = nullptr);
  /// The deepest window under P within W (W when no child takes P): children are searched only inside
  /// W's client area, in z-order, skipping hidden, disabled and WS_EX_TRANSPARENT ones.
  static Window* DeepestIn(Window& W, TPoint P);
  /// The next candidate under P once W gave its point away (answered HTTRANSPARENT): the deepest window
  /// in a sibling below W, else W's parent, else the next top-level window. Null when none is left.
  static Window* Beneath(Window& W, TPoint P);
  /// A child of W that takes points: shown, enabled and not click-through.
  static bool TakesPoints(const Window& W);
};
