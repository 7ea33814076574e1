#pragma once
// Text with a soft coloured glow behind it, on a blurred light patch, or with a fading mirror image below
// it. The effect is rendered in pure red into a working bitmap larger than the text rectangle by a margin,
// blurred, turned into an alpha mask of the effect colour and blended onto the canvas; the text itself is
// then drawn over it in the canvas's font with a clear brush. Format holds the DrawText flags of every
// text drawn.
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

class TCanvas;

/// A glow of GlowSize pixels (the margin and the blur radius) around the text, moved by GlowOffset both
/// ways. A GlowSize of 0 gives an unblurred mask of the text.
void DrawGlowText(TCanvas* Canvas, const TRect& R, const String& Text, unsigned Format, int GlowOffset,
                  TColor GlowColor, int GlowSize);
/// DrawGlowText with the text rendered five times (in place and one pixel to each side) for a denser glow.
void DrawStrongGlowText(TCanvas* Canvas, const TRect& R, const String& Text, unsigned Format, int GlowOffset,
                        TColor GlowColor, int GlowSize);
/// A light patch of R inset by 3, with the text smeared about it, blurred twice with radius 5 over a
/// margin of 10.
void DrawSmallVistaGlowText(TCanvas* Canvas, const TRect& R, const String& Text, unsigned Format, TColor GlowColor);
/// A wider light patch (R widened by 3, narrowed by 2 in height), blurred twice with radius 6 over a margin
/// of 12.
void DrawVistaGlowText(TCanvas* Canvas, const TRect& R, const String& Text, unsigned Format, TColor GlowColor);
/// The text's mirror image ReflectionOffset pixels below its measured bottom, in ReflectionColor, strongest
/// (70 %) at the text's bottom row and fading out toward its top. A text of no height draws no
/// reflection.
void DrawReflectionText(TCanvas* Canvas, const TRect& R, const String& Text, unsigned Format, int ReflectionOffset,
                        TColor ReflectionColor);
