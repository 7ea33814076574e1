#pragma once
// How the text a preset combo shows becomes a conversion parameter, and the job row cell that parameter
// goes into.
#include "app/catalogue/PresetTables.h"
#include "app/catalogue/TVideoParams.h"

/// Sets Role's field of Params from the entry text a combo shows: frame size and frame rate take the text
/// itself, except the "keep the source" and "no video" entries, which give empty; bit rates take the number
/// before "kbps" times 1000 ("无视频" gives -1000, the engine's default); the sample rate takes the text; the
/// aspect mode takes its ratio, empty for "保持原视频模式" and "无视频", and an unknown text keeps the field.
/// A bit-rate text that holds no number raises EConvertError.
void MapPresetText(TPresetRole Role, const String& Text, TVideoParams& Params);
/// Bits per second of a bit-rate entry: the text before its first "kbps", trimmed, times 1000; a decimal
/// number ("12.2 kbps") goes through its 15-digit text, so it gives the exact whole number (12200).
int PresetBitrate(const String& Text);
/// The job row cell that holds Role's parameter (15 to 20).
int PresetParameterCell(TPresetRole Role);
/// Role's field of Params as its parameter cell holds it; bit rates as decimal integers.
String PresetFieldText(TPresetRole Role, const TVideoParams& Params);
