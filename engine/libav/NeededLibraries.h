#pragma once
// The libraries a shared library names as its dependencies, read from its file without loading it.
#include <vector>

#include "platform/base/Types.h"

/// The names in AFileName's list of needed libraries (DT_NEEDED), in their order; empty when the file
/// cannot be read or is no 64-bit little-endian ELF file.
std::vector<String> NeededLibraries(const String& AFileName);
