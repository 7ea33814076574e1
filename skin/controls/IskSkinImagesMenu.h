#pragma once
// What a button needs of a skinned image-grid menu: opening its grid below a rectangle, the item it has
// selected, and the two notices it gives the button that opened it. The form frame's images menu
// provides it.
#include <optional>

#include "platform/base/TObject.h"
#include "platform/base/Types.h"

class TCustomImageList;

/// The selected item of an images menu: its caption and its image in the menu's Images.
struct TskImagesMenuSelection {
  String Caption;
  int ImageIndex { -1 };
};

/// A skinned image-grid menu a button can open; see the file comment.
class IskSkinImagesMenu {
public:
  virtual ~IskSkinImagesMenu() = default;

  /// Shows the grid below R (screen coordinates) and returns while it stays open; when the grid closes,
  /// FOnInternalMenuClose runs (with the menu as sender) before the chosen item's events. False when
  /// nothing opened (no images): then no close notice follows.
  virtual bool PopupFromRect(const TRect& R) = 0;
  /// The list the items' images come from; null when none.
  virtual TCustomImageList* Images() const = 0;
  /// The item at ItemIndex; none when ItemIndex lies outside the items.
  virtual std::optional<TskImagesMenuSelection> GetSelectedItem() const = 0;

  /// Set by the button that shows the selected item: runs when a closing chose another item.
  TNotifyEvent FOnInternalChange;
  /// Set by the opening button before each PopupFromRect: its close handling.
  TNotifyEvent FOnInternalMenuClose;
};
