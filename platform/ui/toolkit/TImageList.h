#pragma once
// The image list components are placed as.
#include "platform/ui/toolkit/TCustomImageList.h"

/// An image list; everything is TCustomImageList's.
class TImageList : public TCustomImageList {
public:
  using TCustomImageList::TCustomImageList;
};
