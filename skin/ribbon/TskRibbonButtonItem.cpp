#include "skin/ribbon/TskRibbonButtonItem.h"

#include "skin/ribbon/TskRibbon.h"

void TskRibbonButtonItem::SetImageIndex(int Value) {
  FImageIndex = Value;
  Changed(false);
}

void TskRibbonButtonItem::SetEnabled(bool Value) {
  FEnabled = Value;
  Changed(false);
}

void TskRibbonButtonItem::SetVisible(bool Value) {
  FVisible = Value;
  Changed(false);
}

void TskRibbonButtonItem::Assign(TPersistent* Source) {
  auto* Item = dynamic_cast<TskRibbonButtonItem*>(Source);
  if (!Item) return TCollectionItem::Assign(Source);
  FImageIndex = Item->FImageIndex;
  FHint = Item->FHint;
  FEnabled = Item->FEnabled;
  FVisible = Item->FVisible;
}

void TskRibbonButtonItems::Update(TCollectionItem* Item) {
  TTypedCollection::Update(Item);
  if (Ribbon && !Ribbon->ComponentState().Contains(csLoading)) Ribbon->Repaint();
}

TPersistent* TskRibbonButtonItems::GetOwner() const { return Ribbon; }
