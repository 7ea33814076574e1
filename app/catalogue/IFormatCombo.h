#pragma once
// A format combo as the format list step fills it.
#include "platform/base/Types.h"

/// The items and selection of a window's format combo. Setting ItemIndex runs the combo's change handler
/// on every assignment, also when the index does not change.
class IFormatCombo {
public:
  virtual ~IFormatCombo() = default;
  /// Removes every item and repaints; ItemIndex keeps its value and no handler runs.
  virtual void ClearItems() = 0;
  /// Appends an item with this caption and picture; no handler runs.
  virtual void AddItem(const String& Caption, int ImageIndex) = 0;
  virtual void Repaint() = 0;
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int Index) = 0;
  /// The caption of the item at Index; "" when there is none.
  virtual String ItemCaption(int Index) const = 0;
};
