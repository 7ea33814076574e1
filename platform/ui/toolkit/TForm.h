#pragma once
// The form class the program's forms derive from.
#include "platform/ui/toolkit/TCustomForm.h"

/// A form; everything is TCustomForm's.
class TForm : public TCustomForm {
public:
  using TCustomForm::TCustomForm;
};
