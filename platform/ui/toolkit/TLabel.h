#pragma once
// The label forms place.
#include "platform/ui/toolkit/TCustomLabel.h"

/// A label; everything is TCustomLabel's.
class TLabel : public TCustomLabel {
public:
  using TCustomLabel::TCustomLabel;
};
