#pragma once
// Shapes the converter's pictures share: the film tile that names a format, points on an ellipse, a gear,
// a round badge and the document sheet.
#include "resources/pictures/generator/TPictureCanvas.h"

/// The colours of a film tile or badge: a rim around a fill running from Light to Dark.
struct TPalette {
  TColor Light;
  TColor Dark;
  TColor Rim;
};

/// Points on the ellipse round (CX, CY) with radii RX, RY from angle From to To in degrees (0 to the right,
/// counter-clockwise as on screen, so 90 is up), Steps + 1 of them.
TPoints ArcPoints(double CX, double CY, double RX, double RY, double From, double To, int Steps);
/// A rounded tile of film in the box Left, Top, Width x Height with perforations along its top and
/// bottom, and Label (stroke letters, may be empty) across its middle; Width 32 and Height 28 give the
/// category pictures' tile.
void DrawFilmTile(TPictureCanvas& C, double Left, double Top, double Width, double Height, const TPalette& Colours,
                  const char* Label);
/// A gear round (CX, CY) of outer radius R with Teeth teeth and a transparent hub hole.
void DrawGear(TPictureCanvas& C, double CX, double CY, double R, int Teeth, TColor Rim, TFill Fill);
/// A round badge filling the box with a one-pixel rim.
void DrawBadge(TPictureCanvas& C, double Left, double Top, double Right, double Bottom, const TPalette& Colours);
/// A sheet of paper with a folded top-right corner in the box (the fold is a quarter of the width).
void DrawSheet(TPictureCanvas& C, double Left, double Top, double Right, double Bottom);
