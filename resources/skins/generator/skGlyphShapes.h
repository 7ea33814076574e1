#pragma once
// The marks of the generated skins drawn as smooth strokes: caption-button glyphs, arrows, check and
// radio marks. Each is centred on a point and scaled by Size, the side of the square it fills.
#include "platform/gdi/Colors.h"
#include "resources/skins/generator/TskSkinStyle.h"

class TskSkinCanvas;

/// Draws Glyph centred on (CX, CY) in a Size x Size square with strokes of Width; TskGlyph::None draws
/// nothing. Background is the colour behind the glyph (the restore glyph's front window covers the back one
/// with it).
void DrawSkinGlyph(TskSkinCanvas& Canvas, TskGlyph Glyph, double CX, double CY, double Size, double Width, TColor Color,
                   TColor Background);
