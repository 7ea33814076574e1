#include "skin/controls/TskSkinLink.h"

#include "platform/ui/toolkit/TBevel.h"
#include "platform/ui/toolkit/TCustomLabel.h"
#include "platform/ui/toolkit/TSplitter.h"
#include "skin/core/TskSkinData.h"

template <class TBase> void TskSkinLink<TBase>::SetSkinData(TskSkinData* Value) {
  if (FSD && FSD != Value) FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD) FSD->FreeNotification(this);
  ChangeSkinData();
}

template <class TBase> void TskSkinLink<TBase>::GetSkinData() {
  FIndex = FSD && !FSD->Empty ? FSD->GetControlIndex(FSkinDataName) : -1;
}

template <class TBase> void TskSkinLink<TBase>::ChangeSkinData() {
  GetSkinData();
  this->Invalidate();
}

template <class TBase> TskDataSkinControl* TskSkinLink<TBase>::SkinRecord() const {
  if (!FSD || FIndex < 0 || FIndex >= int(FSD->CtrlList.size())) return nullptr;
  return FSD->CtrlList[FIndex].get();
}

template <class TBase> void TskSkinLink<TBase>::Notification(TComponent* AComponent, TOperation Operation) {
  TBase::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FSD) {
    FSD = nullptr;
    FIndex = -1;
    this->Invalidate();
  }
}

template class TskSkinLink<TCustomLabel>;
template class TskSkinLink<TGraphicControl>;
template class TskSkinLink<TSplitter>;
template class TskSkinLink<TBevel>;
