#pragma once
// A windowless bevel: a sunken or raised box, frame or line.
#include "platform/ui/toolkit/TGraphicControl.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

/// A bevel drawn in the shadow and highlight colours (shadow on the top and left of a lowered one).
class TBevel : public TGraphicControl {
public:
  explicit TBevel(TComponent* AOwner);

  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle Value);

protected:
  void Paint() override;

private:
  TBevelShape FShape { bsBox };
  TBevelStyle FStyle { bsLowered };
};
