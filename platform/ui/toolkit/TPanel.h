#pragma once
// The panel forms place.
#include "platform/ui/toolkit/TCustomPanel.h"

/// A panel; everything is TCustomPanel's.
class TPanel : public TCustomPanel {
public:
  using TCustomPanel::TCustomPanel;
};
