#pragma once
// Colour arithmetic for painters; system colours are resolved to their RGB values first.
#include "platform/gdi/Colors.h"

/// Each channel (a + b) div 2.
TColor MixColors(TColor A, TColor B);
/// Each channel c - MulDiv(c, Percent, 100): 0 keeps the colour, 100 gives black.
TColor DarkenColor(TColor Color, int Percent);
