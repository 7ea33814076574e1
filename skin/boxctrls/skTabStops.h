#pragma once
// Item text with tab stops, as the list box's rows and the combo box's face draw it.
#include "platform/base/Types.h"

class TCanvas;
class TStrings;

/// A line of digits only as its number; an empty line, any other character, or a number beyond the
/// integer range gives 0.
int DigitsToInt(const String& Text);

/// Draws Text on Canvas with the first ten lines of TabWidths as tab stops (origin 0), at R.Left + 2 and
/// vertically centred in R (one pixel higher for an odd font height).
void DrawTabbedItemText(TCanvas* Canvas, const String& Text, const TRect& R, TStrings* TabWidths);
