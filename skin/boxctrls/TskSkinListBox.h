#pragma once
// The skinned list box as forms use it.
#include "skin/boxctrls/TskSkinCustomListBox.h"

/// The skinned list box with its properties published.
class TskSkinListBox : public TskSkinCustomListBox {
public:
  using TskSkinCustomListBox::TskSkinCustomListBox;
};
