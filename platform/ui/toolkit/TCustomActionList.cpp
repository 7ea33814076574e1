#include "platform/ui/toolkit/TCustomActionList.h"

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TCustomAction.h"
#include "platform/ui/toolkit/TCustomImageList.h"

TCustomActionList::~TCustomActionList() {
  while (!FActions.empty()) FActions.back()->SetActionList(nullptr);
}

TCustomAction* TCustomActionList::Actions(int Index) const {
  if (Index < 0 || Index >= ActionCount()) throw EListError(Format("List index out of bounds (%d)", Index));
  return FActions[size_t(Index)];
}

void TCustomActionList::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}
