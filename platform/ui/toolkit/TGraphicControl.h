#pragma once
// A control without a window, drawn on its parent.
#include <memory>

#include "platform/ui/toolkit/TControl.h"
#include "platform/ui/toolkit/TControlCanvas.h"

/// A windowless control: its parent paints it in z-order through WM_PAINT with the parent's DC moved to
/// the control's corner and clipped to its rectangle; Paint draws on Canvas in control coordinates.
class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;

  TCanvas* Canvas() const { return FCanvas.get(); }

protected:
  /// Draws the control on Canvas; nothing here.
  virtual void Paint();
  void Dispatch(TMessage& Message) override;

private:
  std::unique_ptr<TControlCanvas> FCanvas;
};
