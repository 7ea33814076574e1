#include "platform/ui/toolkit/TBasicActionLink.h"

#include "platform/ui/toolkit/TBasicAction.h"
#include "platform/ui/toolkit/TControl.h"

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (Value == FAction) return;
  if (FAction) FAction->UnRegisterChanges(this);
  FAction = Value;
  if (FAction) FAction->RegisterChanges(this);
}

bool TBasicActionLink::Execute() { return FAction && FAction->Execute(); }

void TBasicActionLink::Change() {
  if (FClient && FAction) FClient->ActionChange(FAction, false);
}
