#pragma once
// Text and stream helpers of the working bitmaps' stored forms.
#include "platform/base/Types.h"

class TStream;

/// Writes a name as its length in UTF-16 code units (signed 32-bit) followed by those units, each
/// little-endian, so any UTF-8 text survives a save and a load.
void WriteStringToStream(TStream* Stream, const String& S);
/// Reads a name written by WriteStringToStream. A negative length, or one longer than the bytes left,
/// raises EReadError "Stream read error" before anything is allocated.
void ReadStringFromStream(TStream* Stream, String& S);

/// Four integers Left, Top, Right, Bottom, each ended by one separator (blank, "(", ")", ",", ":", ";" or
/// "=") with blanks around the numbers ignored: "1, 2, 3, 4". Any part that is not an integer gives
/// (0, 0, 0, 0).
TRect RectFromText(const String& Text);
