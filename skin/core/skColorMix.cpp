#include "skin/core/skColorMix.h"

#include "platform/base/SysUtils.h"

TColor MixColors(TColor A, TColor B) {
  const TColor CA = ColorToRGB(A), CB = ColorToRGB(B);
  return RGB(uint8_t((GetRValue(CA) + GetRValue(CB)) / 2), uint8_t((GetGValue(CA) + GetGValue(CB)) / 2),
             uint8_t((GetBValue(CA) + GetBValue(CB)) / 2));
}

TColor DarkenColor(TColor Color, int Percent) {
  const TColor C = ColorToRGB(Color);
  const auto Darker = [Percent](int Channel) { return uint8_t(Channel - MulDiv(Channel, Percent, 100)); };
  return RGB(Darker(GetRValue(C)), Darker(GetGValue(C)), Darker(GetBValue(C)));
}
