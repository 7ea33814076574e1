#pragma once
// The output options an add prepares for a new job: the current parameters copied into the engine's record.
#include "app/catalogue/TVideoParams.h"
#include "engine/tasklist/TOutputOptions.h"

/// "vcd", "svcd" and "dvd" give their targets; any other text ttIgnore (case counts).
TOptionTargetType TargetTypeOf(const String& Text);
/// "PAL" and "NTSC" give their norms; any other text, the empty one included, ntAuto.
TOptionNormType NormTypeOf(const String& Text);

/// Copies Params into Output field by field; a field left to the engine (an empty text, "AUTO" for the audio
/// codec and sample rate, the bit rates' engine-default values) keeps Output's value. "libx264" also takes the
/// preset "libx264-default", any other video codec none. The number texts are decimal; another text raises
/// EConvertError.
void CopyVideoParams(const TVideoParams& Params, TOutputOptions& Output);
