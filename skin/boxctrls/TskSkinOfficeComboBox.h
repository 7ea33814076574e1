#pragma once
// The office combo box as forms use it (the converter's category and format combos).
#include "skin/boxctrls/TskSkinCustomOfficeComboBox.h"

/// The office combo box with its properties published.
class TskSkinOfficeComboBox : public TskSkinCustomOfficeComboBox {
public:
  using TskSkinCustomOfficeComboBox::TskSkinCustomOfficeComboBox;
};
