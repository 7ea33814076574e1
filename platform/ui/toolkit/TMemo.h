#pragma once
#include "platform/ui/toolkit/TCustomMemo.h"

/// The memo as forms use it.
class TMemo : public TCustomMemo {
public:
  using TCustomMemo::TCustomMemo;
};
