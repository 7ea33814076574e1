#pragma once
// Small pen-stroke painters for details a skin has no picture for: arrows, check and radio marks, bevel
// and dotted focus frames. Each sets the canvas's pen (and brush where stated) and leaves it so. Lines
// leave out their end points; cx and cy are R.Left + RectWidth(R) div 2 and R.Top + RectHeight(R) div 2.
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

class TCanvas;

/// A downward arrow of rows 5, 3 and 1 pixels wide, its top row at cy.
void DrawDropDownArrow(TCanvas* Canvas, const TRect& R, TColor Color);
/// Kind 1 left, 2 right, 3 up, 4 down (four rows or columns: 7, 5, 3, 1 pixels), 5 a plus sign of two
/// pixels' thickness; any other kind draws nothing.
void DrawArrow(TCanvas* Canvas, const TRect& R, TColor Color, int Kind);
/// Kinds 1 to 4 of DrawArrow with six rows or columns (11 pixels down to 1).
void DrawBigArrow(TCanvas* Canvas, const TRect& R, TColor Color, int Kind);
/// A filled 6 x 6 square at (X, Y) in Color (pen and brush).
void DrawRadioDot(TCanvas* Canvas, int X, int Y, TColor Color);
/// A tick three pixels thick in an 8 x 8 square at (X, Y).
void DrawCheckMark(TCanvas* Canvas, int X, int Y, TColor Color);
/// A one-pixel frame on R's outermost pixels: left and top edges in TopLeftColor, right and bottom edges
/// (the corners they share with the others included) in BottomRightColor.
void DrawBevelFrame(TCanvas* Canvas, const TRect& R, TColor TopLeftColor, TColor BottomRightColor);
/// A dotted focus frame on R's outermost pixels in the canvas font's colour: every other pixel walking
/// round the outline; the top-left pixel is set unless the outline's width and height (R's less one) are
/// both even.
void DrawDotFrame(TCanvas* Canvas, const TRect& R);
