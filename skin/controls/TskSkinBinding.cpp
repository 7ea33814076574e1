#include "skin/controls/TskSkinBinding.h"

#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/core/TskSkinData.h"

template <class TBase> void TskSkinBinding<TBase>::SetSkinData(TskSkinData* Value) {
  if (FSD && FSD != Value) FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD) FSD->FreeNotification(this);
  if (FSD && !FSD->Empty) ChangeSkinData();
}

template <class TBase> void TskSkinBinding<TBase>::SetHintImageList(TCustomImageList* Value) {
  if (FHintImageList && FHintImageList != Value) FHintImageList->RemoveFreeNotification(this);
  FHintImageList = Value;
  if (FHintImageList) FHintImageList->FreeNotification(this);
}

template <class TBase> void TskSkinBinding<TBase>::GetSkinData() {
  FIndex = FSD && !FSD->Empty ? FSD->GetControlIndex(FSkinDataName) : -1;
}

template <class TBase> void TskSkinBinding<TBase>::ChangeSkinData() {
  GetSkinData();
  this->Repaint();
}

template <class TBase> TskDataSkinControl* TskSkinBinding<TBase>::SkinRecord() const {
  if (!FSD || FIndex < 0 || FIndex >= int(FSD->CtrlList.size())) return nullptr;
  return FSD->CtrlList[FIndex].get();
}

template <class TBase> void TskSkinBinding<TBase>::Paint() {
  if (this->Width() <= 0 || this->Height() <= 0) return;
  GetSkinData();
  TBitmap B;
  B.SetSize(this->Width(), this->Height());
  if (FIndex == -1)
    CreateControlDefaultImage(&B);
  else
    CreateControlSkinImage(&B);
  this->Canvas()->Draw(0, 0, &B);
}

// A freed model's records and pictures are gone: the control shows its built-in look from now on.
template <class TBase> void TskSkinBinding<TBase>::Notification(TComponent* AComponent, TOperation Operation) {
  TBase::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSD) {
    FSD = nullptr;
    BeforeChangeSkinData();
    this->Invalidate();
  }
  if (AComponent == FHintImageList) FHintImageList = nullptr;
}

template class TskSkinBinding<TCustomControl>;
template class TskSkinBinding<TGraphicControl>;
