#pragma once
// The windowless base of the skinned controls (binding and painting: TskSkinBinding.h). It is opaque (its
// parent does not paint behind it), has no region, and a skin change reaches it only through
// ChangeSkinData, so it keeps its record between the model's before-change and change messages.
#include "skin/controls/TskSkinBinding.h"

/// A windowless skinned control; see the file comment.
class TskGraphicSkinControl : public TskSkinBinding<TGraphicControl> {
public:
  explicit TskGraphicSkinControl(TComponent* AOwner) : TskSkinBinding<TGraphicControl>(AOwner) {
    FControlStyle.Include(csOpaque);
  }
};
