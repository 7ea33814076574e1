#include "skin/ribbon/TskAppMenuItem.h"

#include "platform/base/SysUtils.h"
#include "skin/ribbon/TskAppMenu.h"
#include "skin/ribbon/TskAppMenuPage.h"

TskAppMenuItem::TskAppMenuItem(TCollection* Collection)
    : TCollectionItem(Collection), FCaption("TskAppMenuItem" + IntToStr(Index())) {}

TskAppMenu* TskAppMenuItem::Menu() const {
  auto* Items = static_cast<TskAppMenuItems*>(Collection());
  return Items ? Items->AppMenu : nullptr;
}

void TskAppMenuItem::SetCaption(const String& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  Changed(false);
}

void TskAppMenuItem::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  Changed(false);
}

void TskAppMenuItem::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  Changed(false);
}

void TskAppMenuItem::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  Changed(false);
}

void TskAppMenuItem::SetPage(TskAppMenuPage* Value) {
  if (Value == FPage) return;
  FPage = Value;
  if (!FPage) return;
  if (TskAppMenu* M = Menu()) FPage->FreeNotification(M);
  if (FPage->AppMenu) FPage->AppMenu->SetActivePage(FPage);
}

void TskAppMenuItem::Assign(TPersistent* Source) {
  auto* Item = dynamic_cast<TskAppMenuItem*>(Source);
  if (!Item) return TCollectionItem::Assign(Source);
  SetPage(Item->FPage);
  FCaption = Item->FCaption;
  FImageIndex = Item->FImageIndex;
  FVisible = Item->FVisible;
  FEnabled = Item->FEnabled;
  Changed(false);
}

void TskAppMenuItems::Update(TCollectionItem* Item) {
  TTypedCollection::Update(Item);
  if (!AppMenu) return;
  if (AppMenu->Visible()) AppMenu->UpdateScrollInfo();
  AppMenu->Repaint();
}

TPersistent* TskAppMenuItems::GetOwner() const { return AppMenu; }
