#pragma once
// The skinned tree's connector lines: opaque for their first half, then fading out toward their end.
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

class TCanvas;

/// The alpha of each pixel of a fading line Length pixels long: 255 up to half the length, then from 255
/// down by round(255 / half) (halves to even) per pixel, never below 0. A line of one pixel is opaque.
std::vector<Byte> FadingLineAlphas(int Length);
/// A horizontal fading line of Color with its left end at (X1, Y), |X2 - X1| pixels long (also when X2
/// lies left of X1); nothing for length 0.
void DrawFadingLine(TCanvas* Canvas, int X1, int X2, int Y, TColor Color);
