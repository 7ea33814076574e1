#include "platform/ui/toolkit/TListItems.h"

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TCustomListView.h"

TListItems::TListItems(TCustomListView* AOwner) : FOwner(AOwner), FStandIn(std::make_unique<TListItem>(this)) {}

TListItems::~TListItems() = default;

int TListItems::Count() const { return FOwner->OwnerData() ? FVirtualCount : int(FItems.size()); }

void TListItems::SetCount(int Value) {
  if (!FOwner->OwnerData() || Value < 0 || Value == FVirtualCount) return;
  FVirtualCount = Value;
  FOwner->VirtualCountChanged();
}

TListItem* TListItems::Item(int Index) {
  if (Index < 0 || Index >= Count()) return nullptr;
  if (FOwner->OwnerData()) return FOwner->FetchItem(Index, { irText, irImage, irParam, irState, irIndent });
  return FItems[size_t(Index)].get();
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int Index) {
  if (FOwner->OwnerData()) throw EInvalidOperation("Items cannot be added to an owner-data list view");
  if (Index < 0 || Index > Count()) IndexError(Index);
  auto Item = std::make_unique<TListItem>(this);
  TListItem* Result = Item.get();
  FItems.insert(FItems.begin() + Index, std::move(Item));
  Renumber(Index);
  FOwner->ItemInserted(Index);
  return Result;
}

void TListItems::Delete(int Index) {
  if (FOwner->OwnerData()) throw EInvalidOperation("Items cannot be deleted from an owner-data list view");
  if (Index < 0 || Index >= Count()) IndexError(Index);
  FOwner->ItemDeleting(Index);
  std::unique_ptr<TListItem> Gone = std::move(FItems[size_t(Index)]);
  FItems.erase(FItems.begin() + Index);
  Gone->FIndex = -1;
  Renumber(Index);
  FOwner->ItemDeleted(Index);
}

void TListItems::Clear() {
  FOwner->ItemDeleting(-1);
  for (auto& Item : FItems) Item->FIndex = -1;
  FItems.clear();
  FVirtualCount = 0;
  FOwner->ItemsCleared();
}

int TListItems::IndexOf(const TListItem* Item) const {
  for (size_t I = 0; I < FItems.size(); ++I)
    if (FItems[I].get() == Item) return int(I);
  return -1;
}

void TListItems::BeginUpdate() {
  if (FUpdateCount++ == 0) FOwner->UpdateStateChanged(true);
}

void TListItems::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) FOwner->UpdateStateChanged(false);
}

void TListItems::Renumber(int From) {
  for (size_t I = size_t(From); I < FItems.size(); ++I) FItems[I]->FIndex = int(I);
}

void TListItems::IndexError(int Index) { throw EListError(Format("List index out of bounds (%d)", Index)); }
