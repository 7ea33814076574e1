#pragma once
// The texts the dialogs show: from the skin's string table when there is one, else the built-in text.
#include "platform/base/Types.h"

class TskResourceStrData;

/// Name's text in Strings, or Builtin when Strings is null.
String DialogText(const TskResourceStrData* Strings, const char* Name, const char* Builtin);
