#include "platform/ui/toolkit/TIconOptions.h"

#include "platform/ui/toolkit/TCustomListView.h"

void TIconOptions::SetArrangement(TIconArrangement Value) {
  if (FArrangement == Value) return;
  FArrangement = Value;
  Changed();
}

void TIconOptions::SetAutoArrange(bool Value) {
  if (FAutoArrange == Value) return;
  FAutoArrange = Value;
  Changed();
}

void TIconOptions::SetWrapText(bool Value) {
  if (FWrapText == Value) return;
  FWrapText = Value;
  Changed();
}

void TIconOptions::Changed() { FOwner->LayoutChanged(); }
