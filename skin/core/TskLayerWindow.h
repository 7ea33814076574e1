#pragma once
// The borderless window a glow shows in.
#include "platform/ui/toolkit/TCustomControl.h"

/// A top-level popup whose pixels come only from UpdateLayeredWindow: no taskbar button, never active or
/// focused, and transparent to the mouse, so clicks reach the windows below. It is created hidden;
/// WS_EX_LAYERED is added by whoever shows it.
class TskLayerWindow : public TCustomControl {
public:
  explicit TskLayerWindow(TComponent* AOwner);

protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
};
