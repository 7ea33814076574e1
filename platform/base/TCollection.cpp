#include "platform/base/TCollection.h"

#include <algorithm>

#include "platform/base/Exception.h"
#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"

TCollectionItem::TCollectionItem(TCollection* Collection) {
  if (Collection) Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
  if (FCollection) FCollection->RemoveItem(this);
}

int TCollectionItem::Index() const {
  if (!FCollection) return -1;
  const auto& items = FCollection->FItems;
  return int(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
  if (FCollection && Value != Index()) FCollection->MoveItem(this, Value);
}

void TCollectionItem::SetDisplayName(const String&) { Changed(false); }

String TCollectionItem::GetDisplayName() const { return ClassName(); }

void TCollectionItem::Changed(bool AllItems) {
  if (!FCollection) return;
  if (AllItems)
    FCollection->Changed();
  else
    FCollection->ItemChanged(this);
}

TCollection::TCollection(TCollectionItemClass ItemClass) : FItemClass(std::move(ItemClass)) {}

TCollection::~TCollection() {
  // The owner is going away or has gone: freeing the items reports nothing.
  FUpdateCount = 1;
  while (!FItems.empty()) delete FItems.back();
}

TCollectionItem* TCollection::Add() {
  // The item appends itself in its base constructor; the change is reported only once the whole item
  // exists, so an owner's Update never sees a half-built item.
  TCollectionItem* item = FItemClass(this);
  Changed();
  return item;
}

TCollectionItem* TCollection::Insert(int Index) {
  if (Index < 0 || Index > Count()) IndexError(Index);
  BeginUpdate();
  TCollectionItem* item = nullptr;
  ScopeGuard Updated([&] { EndUpdate(); });
  item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(int Index) { delete Items(Index); }

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) delete FItems.back();
  EndUpdate();
}

TCollectionItem* TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  return FItems[size_t(Index)];
}

void TCollection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCollection*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  BeginUpdate();
  ScopeGuard Updated([&] { EndUpdate(); });
  Clear();
  for (int i = 0; i < source->Count(); ++i) Add()->Assign(source->Items(i));
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Update(TCollectionItem*) {}

TPersistent* TCollection::GetOwner() const { return nullptr; }

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FItems.push_back(Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  FItems.erase(std::find(FItems.begin(), FItems.end(), Item));
  Item->FCollection = nullptr;
  Changed();
}

void TCollection::ItemChanged(TCollectionItem* Item) {
  if (FUpdateCount == 0) Update(Item);
}

void TCollection::MoveItem(TCollectionItem* Item, int NewIndex) {
  if (NewIndex < 0 || NewIndex >= Count()) IndexError(NewIndex);
  auto from = std::find(FItems.begin(), FItems.end(), Item);
  auto to = FItems.begin() + NewIndex;
  if (from < to)
    std::rotate(from, from + 1, to + 1);
  else
    std::rotate(to, from, from + 1);
  Changed();
}

void TCollection::IndexError(int Index) { throw EListError(Format("List index out of bounds (%d)", Index)); }
