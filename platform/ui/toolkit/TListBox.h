#pragma once
#include "platform/ui/toolkit/TCustomListBox.h"

/// The list box as forms use it.
class TListBox : public TCustomListBox {
public:
  using TCustomListBox::TCustomListBox;
};
