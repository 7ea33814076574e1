#pragma once
// The marks of skinned menu rows drawn without a skin image, each at (X, Y) in Color with the canvas's
// pen (the radio mark with its brush as well), which it leaves so.
#include "platform/gdi/Colors.h"

class TCanvas;

/// A tick three pixels thick in an 8 x 8 area.
void DrawMenuCheckMark(TCanvas* Canvas, int X, int Y, TColor Color);
/// A submenu arrow pointing right: four columns of 7, 5, 3 and 1 pixels.
void DrawMenuArrow(TCanvas* Canvas, int X, int Y, TColor Color);
/// A filled disc in a 6 x 6 square.
void DrawMenuRadioMark(TCanvas* Canvas, int X, int Y, TColor Color);
