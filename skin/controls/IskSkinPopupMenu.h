#pragma once
// What a menu button needs of a skinned popup menu: opening it below (or above) a rectangle, and one close
// notice for every opening that showed a menu. The form frame's skinned popup menu provides it.
#include "platform/base/Types.h"
#include "platform/ui/winsys/UiTypes.h"

class TControl;

/// All levels of a menu opened for a control closed (a command chosen, a click elsewhere, Escape): sent to
/// a windowed control, performed on a windowless one (wParam 0, lParam 0), before the chosen item's command.
constexpr UINT WM_SKINMENUCLOSED = 1228;
/// A command of that menu ran (after its WM_SKINMENUCLOSED).
constexpr UINT WM_SKINMENUCOMMAND = 1229;

/// A skinned popup menu a button can open; see the file comment.
class IskSkinPopupMenu {
public:
  virtual ~IskSkinPopupMenu() = default;

  /// Opens the menu's items below R (screen coordinates; above it when APopupUp) and returns while the
  /// menu stays open; ACtrl gets WM_SKINMENUCLOSED when it closes. False when nothing opened (no form
  /// frame to show it, no items): then no close notice ever follows.
  virtual bool PopupFromRect2(TControl* ACtrl, const TRect& R, bool APopupUp) = 0;
};
