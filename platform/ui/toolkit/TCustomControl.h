#pragma once
// A windowed control that paints itself.
#include <memory>

#include "platform/ui/toolkit/TControlCanvas.h"
#include "platform/ui/toolkit/TWinControl.h"

/// A windowed control with a canvas: WM_PAINT (with or without a DC) binds the canvas to the paint DC,
/// keeping the DC's origins and clip, and runs Paint; the windowless children follow.
class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;

  TCanvas* Canvas() const { return FCanvas.get(); }

protected:
  /// Draws the control on Canvas (client coordinates); nothing here.
  virtual void Paint();
  void PaintWindow(HDC DC) override;
  void Dispatch(TMessage& Message) override;

private:
  std::unique_ptr<TControlCanvas> FCanvas;
};
