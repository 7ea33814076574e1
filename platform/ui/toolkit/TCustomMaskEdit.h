#pragma once
#include "platform/ui/toolkit/TCustomEdit.h"

/// An edit with an input mask. The mask is stored only: the text is taken as typed.
class TCustomMaskEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;

  const String& EditMask() const { return FEditMask; }
  void SetEditMask(const String& Value) { FEditMask = Value; }

private:
  String FEditMask;
};
