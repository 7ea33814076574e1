#include "platform/base/TList.h"

#include <algorithm>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

void TList::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index >= Limit) throw EListError(Format("List index out of bounds (%d)", Index));
}

int TList::Add(void* Item) {
  FItems.push_back(Item);
  return Count() - 1;
}

void TList::Insert(int Index, void* Item) {
  CheckIndex(Index, Count() + 1);
  FItems.insert(FItems.begin() + Index, Item);
}

void TList::Delete(int Index) {
  CheckIndex(Index, Count());
  FItems.erase(FItems.begin() + Index);
}

int TList::Remove(void* Item) {
  int index = IndexOf(Item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* Item) { return Remove(Item) >= 0 ? Item : nullptr; }

int TList::IndexOf(void* Item) const {
  auto found = std::find(FItems.begin(), FItems.end(), Item);
  return found == FItems.end() ? -1 : int(found - FItems.begin());
}

void TList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1, Count());
  CheckIndex(Index2, Count());
  std::swap(FItems[size_t(Index1)], FItems[size_t(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  CheckIndex(CurIndex, Count());
  CheckIndex(NewIndex, Count());
  void* item = FItems[size_t(CurIndex)];
  FItems.erase(FItems.begin() + CurIndex);
  FItems.insert(FItems.begin() + NewIndex, item);
}

void TList::Clear() {
  FItems.clear();
  FItems.shrink_to_fit();
}

void TList::Pack() { std::erase(FItems, nullptr); }

void TList::Sort(const TListSortCompare& Compare) {
  std::stable_sort(FItems.begin(), FItems.end(), [&](void* a, void* b) { return Compare(a, b) < 0; });
}

void TList::SetCount(int NewCount) {
  if (NewCount < 0) throw EListError(Format("List count out of bounds (%d)", NewCount));
  FItems.resize(size_t(NewCount), nullptr);
}

void TList::SetCapacity(int NewCapacity) {
  if (NewCapacity < Count()) throw EListError(Format("List capacity out of bounds (%d)", NewCapacity));
  if (NewCapacity > Capacity()) FItems.reserve(size_t(NewCapacity));
  else FItems.shrink_to_fit();
}

void* TList::Items(int Index) const {
  CheckIndex(Index, Count());
  return FItems[size_t(Index)];
}

void TList::SetItems(int Index, void* Item) {
  CheckIndex(Index, Count());
  FItems[size_t(Index)] = Item;
}
