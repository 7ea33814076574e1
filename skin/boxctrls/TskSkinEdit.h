#pragma once
#include "skin/boxctrls/TskSkinCustomEdit.h"

/// The skinned edit with buttons as forms use it.
class TskSkinEdit : public TskSkinCustomEdit {
public:
  using TskSkinCustomEdit::TskSkinCustomEdit;
};
