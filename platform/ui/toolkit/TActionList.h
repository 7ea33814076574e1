#pragma once
// The action list components are placed as.
#include "platform/ui/toolkit/TCustomActionList.h"

/// An action list; everything is TCustomActionList's.
class TActionList : public TCustomActionList {
public:
  using TCustomActionList::TCustomActionList;
};
