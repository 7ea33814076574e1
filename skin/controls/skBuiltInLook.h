#pragma once
// The colours of the skinned controls' look without skin, and the button they draw in it.
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

class TCanvas;

/// The outline of hot and pressed parts.
constexpr TColor BuiltInOutlineColor = RGB(59, 107, 183);
/// The fill of a hot part.
constexpr TColor BuiltInHotColor = RGB(193, 212, 243);
/// The fill of a hot part held down.
constexpr TColor BuiltInDownColor = RGB(162, 188, 228);

/// A button without skin: a one-pixel frame on R's outline around a fill; clBtnShadow around clBtnFace,
/// or the outline colour around the hot fill when Hot, around the pressed fill when Hot and Down.
void DrawBuiltInButton(TCanvas* Canvas, const TRect& R, bool Hot, bool Down);
