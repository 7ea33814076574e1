#pragma once
// The skinned combo box as forms use it.
#include "skin/boxctrls/TskSkinCustomComboBox.h"

/// The skinned combo box with its properties published.
class TskSkinComboBox : public TskSkinCustomComboBox {
public:
  using TskSkinCustomComboBox::TskSkinCustomComboBox;
};
