#pragma once
// Names for the pages the ribbon and the application menu create for their tabs and items.
#include "platform/base/Types.h"

class TComponent;

/// Pattern (with one "%d") formatted with 1, 2, 3, ...: the first result that Owner owns no component
/// of; without an owner the result for 1.
String MakeUniqueName(const String& Pattern, const TComponent* Owner);
