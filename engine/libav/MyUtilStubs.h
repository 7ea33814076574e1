#pragma once
// The C library row of the library sets. The engine calls the C library directly; binding its names only
// checks that the library the sets load is a complete one.
#include "platform/base/Types.h"

/// Resolves every name of the C library's list in AHandle; a missing one raises EBindError.
void MyUtilFixup(const String& AFileName, void* AHandle);
