#pragma once
// The tree view components are placed as.
#include "platform/ui/toolkit/TCustomTreeView.h"

/// A tree view; everything is TCustomTreeView's.
class TTreeView : public TCustomTreeView {
public:
  using TCustomTreeView::TCustomTreeView;
};
