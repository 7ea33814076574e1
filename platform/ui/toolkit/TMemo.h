#pragma once
#include "platform/ui/TCustomMemo.h"

/// The memo as forms use it.
class TMemo : public TCustomMemo {
public:
  using TCustomMemo::TCustomMemo;
};
