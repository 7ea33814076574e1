#include "platform/ui/toolkit/TSizeConstraints.h"

#include "platform/ui/toolkit/TControl.h"

void TSizeConstraints::Assign(TPersistent* Source) {
  const auto* Other = dynamic_cast<const TSizeConstraints*>(Source);
  if (!Other) {
    TPersistent::Assign(Source);
    return;
  }
  FMinHeight = Other->FMinHeight;
  FMaxHeight = Other->FMaxHeight;
  FMinWidth = Other->FMinWidth;
  FMaxWidth = Other->FMaxWidth;
  Change();
}

// A new maximum below the minimum pulls the minimum down with it, and the other way round, so the pair
// never describes an empty range.
void TSizeConstraints::SetMaxHeight(int Value) {
  if (Value == FMaxHeight) return;
  FMaxHeight = Value;
  if (Value > 0 && Value < FMinHeight) FMinHeight = Value;
  Change();
}

void TSizeConstraints::SetMaxWidth(int Value) {
  if (Value == FMaxWidth) return;
  FMaxWidth = Value;
  if (Value > 0 && Value < FMinWidth) FMinWidth = Value;
  Change();
}

void TSizeConstraints::SetMinHeight(int Value) {
  if (Value == FMinHeight) return;
  FMinHeight = Value;
  if (FMaxHeight > 0 && Value > FMaxHeight) FMaxHeight = Value;
  Change();
}

void TSizeConstraints::SetMinWidth(int Value) {
  if (Value == FMinWidth) return;
  FMinWidth = Value;
  if (FMaxWidth > 0 && Value > FMaxWidth) FMaxWidth = Value;
  Change();
}

void TSizeConstraints::Change() {
  if (FControl) FControl->AdjustSize();
  if (OnChange) {
    const TNotifyEvent Handler = OnChange;
    Handler(this);
  }
}
