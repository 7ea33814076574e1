#include "skin/dialogs/skDialogText.h"

#include "skin/core/TskResourceStrData.h"

String DialogText(const TskResourceStrData* Strings, const char* Name, const char* Builtin) {
  return Strings ? Strings->GetResStr(Name) : String(Builtin);
}
