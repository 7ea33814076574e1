#pragma once
// Small painting steps the native views share: a rectangle and a one-pixel line in a colour.
#include "platform/gdi/Colors.h"
#include "platform/gdi/Gdi.h"

/// Fills R with Color (system colours resolved); an empty rectangle paints nothing.
void PaintFill(HDC DC, const TRect& R, TColor Color);
/// Draws a one-pixel line from (X1, Y1) up to, but not including, (X2, Y2).
void PaintLine(HDC DC, int X1, int Y1, int X2, int Y2, TColor Color);
