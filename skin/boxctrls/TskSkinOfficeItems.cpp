#include "skin/boxctrls/TskSkinOfficeItems.h"

#include "skin/boxctrls/TskSkinOfficeListBox.h"

TskSkinOfficeItem::TskSkinOfficeItem(TCollection* Collection) : TCollectionItem(Collection) {
  if (auto* Items = dynamic_cast<TskSkinOfficeItems*>(Collection))
    Active = Items->OfficeListBox && Index() == Items->OfficeListBox->ItemIndex();
}

void TskSkinOfficeItem::SetImageIndex(int Value) {
  FImageIndex = Value;
  Changed(false);
}

void TskSkinOfficeItem::SetTitle(const String& Value) {
  FTitle = Value;
  Changed(false);
}

void TskSkinOfficeItem::SetCaption(const String& Value) {
  FCaption = Value;
  Changed(false);
}

void TskSkinOfficeItem::SetData(void* Value) { FData = Value; }

void TskSkinOfficeItem::SetEnabled(bool Value) {
  FEnabled = Value;
  Changed(false);
}

void TskSkinOfficeItem::SetHeader(bool Value) {
  FHeader = Value;
  Changed(false);
}

void TskSkinOfficeItem::SetChecked(bool Value) {
  FChecked = Value;
  Changed(false);
}

void TskSkinOfficeItem::Assign(TPersistent* Source) {
  auto* Item = dynamic_cast<TskSkinOfficeItem*>(Source);
  if (!Item) {
    TCollectionItem::Assign(Source);
    return;
  }
  FImageIndex = Item->FImageIndex;
  FCaption = Item->FCaption;
  FTitle = Item->FTitle;
  FEnabled = Item->FEnabled;
  FChecked = Item->FChecked;
  FHeader = Item->FHeader;
  Changed(false);
}

void TskSkinOfficeItems::Update(TCollectionItem*) {
  if (OfficeListBox) OfficeListBox->ItemsChanged();
}

TPersistent* TskSkinOfficeItems::GetOwner() const { return OfficeListBox; }
