#pragma once
#include "platform/ui/toolkit/TCustomEdit.h"

/// The edit as forms use it.
class TEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;
};
