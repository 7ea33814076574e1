#pragma once
// The windowless skinned control with resizable skin geometry (TskSkinCustomBase.h): no region, and a
// nine-part record is always composed whole.
#include "skin/controls/TskSkinCustomBase.h"

/// A windowless skinned control with resizable skin geometry; see the file comment.
class TskGraphicSkinCustomControl : public TskSkinCustomBase<TskGraphicSkinControl> {
public:
  explicit TskGraphicSkinCustomControl(TComponent* AOwner) : TskSkinCustomBase<TskGraphicSkinControl>(AOwner) {}
};
