#pragma once
// The text routines the skinned controls draw captions with: measuring, shortening with "...", single-line
// captions with their fixed pixel corrections, aligned, clipped and word-wrapped text. Text is drawn in
// the canvas's font on its device context. Where a routine applies the odd-height correction, the text
// rectangle's top moves up one pixel when the font's Height is odd.
#include "platform/base/TAlignment.h"
#include "platform/base/Types.h"

class TCanvas;

/// DrawText on the canvas with the given flags; returns the text height. DT_CALCRECT sets R to the
/// text's extent.
int DrawTextWide(TCanvas* Canvas, const String& Text, TRect& R, unsigned Format);
/// The width and the height of the rectangle DrawTextWide with DT_CALCRECT computes from (0, 0, 0, 0).
int GetTextWidthW(TCanvas* Canvas, const String& Text);
int GetTextHeightW(TCanvas* Canvas, const String& Text);

/// When Text is wider than MaxWidth, characters are taken off its end until it fits with "..." after it
/// (or nothing is left), and "..." is appended; a text that cannot fit at all becomes "...". ShortenTextW
/// measures as DrawTextWide does, ShortenText with the canvas's TextWidth.
void ShortenTextW(TCanvas* Canvas, String& Text, int MaxWidth);
void ShortenText(TCanvas* Canvas, String& Text, int MaxWidth);

/// One line centred both ways in R; a text starting with "W" gets R two pixels wider on the right.
/// Odd-height correction; nothing for an empty text.
void DrawCenteredCaption(TCanvas* Canvas, const String& Text, const TRect& R);
/// One line at R's left, centred vertically; a text starting with "W" gets R two pixels wider on the
/// right. Odd-height correction; nothing for an empty text.
void DrawLeftCaption(TCanvas* Canvas, const String& Text, const TRect& R);
/// One line at R's left, centred vertically. Odd-height correction; nothing for an empty text.
void DrawLeftText(TCanvas* Canvas, const String& Text, const TRect& R);
/// One line placed by Alignment, centred vertically. Odd-height correction; nothing for an empty text.
void DrawAlignedText(TCanvas* Canvas, const String& Text, const TRect& R, TAlignment Alignment);
/// Text centred in R with word breaks. A word wider than R is broken where it stops fitting (BreakWords)
/// or ends at its fitting start with "..." in place of its last three characters, the following words
/// kept. Odd-height correction; nothing for an empty text.
void DrawWrappedText(TCanvas* Canvas, const String& Text, const TRect& R, bool BreakWords);
/// One line clipped to R, two pixels in from R's left and centred vertically by the text's height (one
/// pixel higher for an odd font height); R is filled with the brush first unless it is clear.
void DrawClippedText(TCanvas* Canvas, const String& Text, const TRect& R);
/// DrawClippedText starting Indent pixels further right.
void DrawClippedTextIndent(TCanvas* Canvas, const String& Text, const TRect& R, int Indent);
