#pragma once
// The faces of skinned buttons, tabs, list items and caption objects: a glyph (an image of an image list
// or of a glyph strip) and a caption laid out together inside a rectangle by one shared rule, and the
// painter of one image of a glyph strip.
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

class TBitmap;
class TCanvas;
class TCustomImageList;

/// Where the glyph stands relative to the caption.
enum TskButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
/// The number of equal images side by side in a glyph strip, 1 to 4.
using TskNumGlyphs = int;

/// The places of a glyph and a text of the given sizes in R. Margin -1 centres glyph and text together
/// (their sizes plus Spacing halved, each half truncated); any other Margin is the glyph's distance from
/// its edge, the text following at Spacing. Spacing counts as 0 when there is no glyph (GlyphWidth 0).
void CalcGlyphTextLayout(TskButtonLayout Layout, const TRect& R, int GlyphWidth, int GlyphHeight, int TextWidth,
                         int TextHeight, int Spacing, int Margin, int& GlyphX, int& GlyphY, int& TextX, int& TextY);

/// A face of image ImageIndex of Images and Caption laid out in R; ADown moves both one pixel right and
/// down. Without Images or for an index outside the list the caption stands alone. The caption is
/// measured with word breaks in the room the image leaves and drawn centred line by line (odd-height
/// correction) over a clear brush; the image is drawn greyed when not AEnabled. With DrawColorMarker a bar
/// in ColorMarkerValue marks the face: three lines under the image's bottom edge, or without an image
/// under the caption, or without either a block in R inset by 4 (2 on the right) that stays put when down.
void DrawImageAndText(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TskButtonLayout Layout,
                      const String& Caption, int ImageIndex, TCustomImageList* Images, bool ADown, bool AEnabled,
                      bool DrawColorMarker, TColor ColorMarkerValue);
/// DrawImageAndText with the caption's lines left-aligned in their rectangle.
void DrawImageAndTextLeft(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TskButtonLayout Layout,
                          const String& Caption, int ImageIndex, TCustomImageList* Images, bool ADown,
                          bool AEnabled, bool DrawColorMarker, TColor ColorMarkerValue);
/// A face of image GlyphIndex (from 1) of the strip Glyph and Caption laid out in R; ADown moves both one
/// pixel right and down. The caption is measured with word breaks in the room the glyph leaves and drawn
/// centred line by line (odd-height correction) over a clear brush. With DrawColorMarker a bar in
/// ColorMarkerValue marks the face: three lines under the glyph's bottom edge, or without a glyph under
/// the caption, or without either a block in R inset by 4 (2 on the right), one pixel lower when down.
void DrawGlyphAndText(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TskButtonLayout Layout,
                      const String& Caption, TBitmap* Glyph, TskNumGlyphs NumGlyphs, int GlyphIndex, bool ADown,
                      bool DrawColorMarker, TColor ColorMarkerValue);
/// Draws image Index (from 1) of a strip of NumGlyphs equal images at (X, Y), its bottom-left pixel's
/// colour left out. Nothing for an empty strip.
void DrawGlyphFromStrip(TCanvas* Canvas, int X, int Y, TBitmap* Glyph, TskNumGlyphs NumGlyphs, int Index);
