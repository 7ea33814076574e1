#include "skin/ribbon/skUniqueName.h"

#include "platform/base/SysUtils.h"
#include "platform/base/TComponent.h"

String MakeUniqueName(const String& Pattern, const TComponent* Owner) {
  for (int i = 1;; ++i) {
    String Name = Format(Pattern, i);
    if (!Owner || !Owner->FindComponent(Name)) return Name;
  }
}
