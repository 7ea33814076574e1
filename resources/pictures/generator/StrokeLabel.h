#pragma once
// Short labels of capital letters and digits drawn as strokes, for the names on the format pictures:
// each character is a few lines on a grid 4 units wide and 6 high.
#include "platform/base/Types.h"
#include "resources/pictures/generator/TPictureCanvas.h"

/// Text centred on CentreX from Top down, Height pixels high, with lines Weight pixels wide; characters
/// without a drawing raise EAssertionFailed.
void DrawStrokeLabel(TPictureCanvas& C, const String& Text, double CentreX, double Top, double Height, double Weight,
                     TFill Fill);
