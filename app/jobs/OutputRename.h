#pragma once
// What the rename editor may commit as a job's new output name.
#include "platform/base/Types.h"

/// True when Text can name an output file inside the output folder: not empty, no "/", "\" or NUL in it, and
/// neither "." nor "..". Any other text is taken as typed, an extension of its own included.
bool IsAcceptableOutputName(const String& Text);
