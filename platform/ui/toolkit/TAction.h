#pragma once
// The action components are placed as.
#include "platform/ui/toolkit/TCustomAction.h"

/// An action; everything is TCustomAction's.
class TAction : public TCustomAction {
public:
  using TCustomAction::TCustomAction;
};
