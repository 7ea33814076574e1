#pragma once
// The windowed base of every control the skin library draws wholly itself (binding and painting:
// TskSkinBinding.h). It takes part in both passes of a skin change (skSkinChangeWalk.h), erases nothing on
// WM_ERASEBKGND, and hears WM_CHECKPARENTBG when its parent's background changed.
#include "skin/controls/TskSkinBinding.h"

/// A windowed skinned control; see the file comment.
class TskSkinControl : public TskSkinBinding<TCustomControl> {
public:
  explicit TskSkinControl(TComponent* AOwner) : TskSkinBinding<TCustomControl>(AOwner) {}

protected:
  /// The parent's background changed (WM_CHECKPARENTBG); nothing here.
  virtual void CheckParentBackground() {}

  void Dispatch(TMessage& Message) override;

  /// True while the control handles WM_PAINT: a control painting itself on WM_ERASEBKGND does so only
  /// outside it.
  bool FromWMPaint { false };
};
