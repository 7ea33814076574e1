#pragma once
// How the option records become options of a conversion task, in a fixed order: the free option text
// first, then the record's fields, so that a field overrides the same option given in the text.
#include "engine/task/IOptionSink.h"
#include "engine/tasklist/TInputOptions.h"

/// Applies option text line by line with lower-cased names. Stream options waiting for a stream
/// ("newvideo", "newaudio", "newsubtitle", the presets "apre", "vpre", "spre" and the filters "vfilters",
/// "vf") are left out; the codecs and size ("acodec", "vcodec", "scodec", "s") only count with AForInput,
/// where they force the input's decoders or raw picture size. An empty name does nothing.
void ApplyExtOptions(IOptionSink& ASink, const String& AText, bool AForInput);

/// Applies an input record before its file is opened: ExtOptions (as an input), then "f" when FileFormat
/// is set, the start time when TimeStart has a value and "programid" when ProgramID is 0 or more.
void ApplyInputOptions(IOptionSink& ASink, const TInputOptions& AOptions);
