#pragma once
// A preset combo as the catalogue steps fill and read it.
#include "platform/base/Types.h"

/// The items, selection and shown text of one of a window's six preset combos. Setting ItemIndex shows that
/// item's text and runs the combo's change handler only when the shown text changes.
class IPresetCombo {
public:
  virtual ~IPresetCombo() = default;
  /// Removes every item; the shown text stays and no handler runs.
  virtual void ClearItems() = 0;
  virtual void AddItem(const String& Text) = 0;
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int Index) = 0;
  virtual void SetEnabled(bool Value) = 0;
  /// The text the combo shows.
  virtual String Text() const = 0;
};
