#pragma once
// The self-painting control of the demo.
#include "platform/gdi/Colors.h"
#include "platform/ui/toolkit/TCustomControl.h"

/// Paints three vertical colour bands across its client area and a disc in the middle.
class TDemoPicture : public TCustomControl {
public:
  using TCustomControl::TCustomControl;

  static constexpr TColor BandColors[3] = { RGB(200, 40, 40), RGB(40, 160, 60), RGB(40, 80, 200) };
  static constexpr TColor DiscColor = RGB(250, 210, 40);

protected:
  void Paint() override;
};
