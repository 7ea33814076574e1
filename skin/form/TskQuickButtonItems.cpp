#include "skin/form/TskQuickButtonItems.h"

#include "skin/form/TskSkinForm.h"

void TskQuickButtonItem::SetImageIndex(int Value) {
  FImageIndex = Value;
  Changed(false);
}

void TskQuickButtonItem::SetEnabled(bool Value) {
  FEnabled = Value;
  Changed(false);
}

void TskQuickButtonItem::SetVisible(bool Value) {
  FVisible = Value;
  Changed(false);
}

void TskQuickButtonItem::Assign(TPersistent* Source) {
  auto* Other = dynamic_cast<TskQuickButtonItem*>(Source);
  if (!Other) {
    TCollectionItem::Assign(Source);
    return;
  }
  FImageIndex = Other->FImageIndex;
  Hint = Other->Hint;
  FEnabled = Other->FEnabled;
  FVisible = Other->FVisible;
  Changed(false);
}

TskQuickButtonItems::TskQuickButtonItems(TskSkinForm* ABSF)
    : TCollection(ItemClassOf<TskQuickButtonItem>()), BSF(ABSF) {}

TPersistent* TskQuickButtonItems::GetOwner() const { return BSF; }

void TskQuickButtonItems::Update(TCollectionItem*) {
  if (!BSF->ComponentState().Contains(csLoading)) BSF->UpDateFormNC();
}
