#pragma once
// The list view components are placed as.
#include "platform/ui/toolkit/TCustomListView.h"

/// A list view; everything is TCustomListView's.
class TListView : public TCustomListView {
public:
  using TCustomListView::TCustomListView;
};
