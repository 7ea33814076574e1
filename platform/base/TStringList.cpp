#include "platform/base/TStringList.h"

#include <numeric>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

namespace {

// Bottom-up merge sort of positions. It stays in bounds and terminates whatever a caller's comparison
// answers, and keeps equal items in their order.
void MergeSort(std::vector<int>& Order, const std::function<bool(int, int)>& Less) {
  const size_t n = Order.size();
  std::vector<int> buffer(n);
  for (size_t width = 1; width < n; width *= 2) {
    for (size_t low = 0; low < n; low += 2 * width) {
      size_t middle = std::min(low + width, n), high = std::min(low + 2 * width, n);
      size_t i = low, j = middle, k = low;
      while (i < middle && j < high) buffer[k++] = Less(Order[j], Order[i]) ? Order[j++] : Order[i++];
      while (i < middle) buffer[k++] = Order[i++];
      while (j < high) buffer[k++] = Order[j++];
    }
    Order.swap(buffer);
  }
}

}  // namespace

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
  if (FOwnsObjects)
    for (TStringItem& item : FList) delete item.FObject;
}

void TStringList::Put(int Index, const String& S) {
  CheckUnsorted();
  CheckIndex(Index);
  Changing();
  FList[size_t(Index)].FString = S;
  Changed();
}

void TStringList::PutObject(int Index, TObject* AObject) {
  CheckIndex(Index);
  Changing();
  FList[size_t(Index)].FObject = AObject;
  Changed();
}

int TStringList::Add(const String& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const String& S, TObject* AObject) {
  int index = Count();
  if (FSorted && Find(S, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(index, S, AObject);
  return index;
}

void TStringList::Insert(int Index, const String& S) { InsertObject(Index, S, nullptr); }

void TStringList::InsertObject(int Index, const String& S, TObject* AObject) {
  CheckUnsorted();
  if (Index < 0 || Index > Count()) IndexError(Index);
  InsertItem(Index, S, AObject);
}

void TStringList::Delete(int Index) {
  CheckIndex(Index);
  Changing();
  TObject* object = FList[size_t(Index)].FObject;
  FList.erase(FList.begin() + Index);
  if (FOwnsObjects) delete object;
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  std::vector<TStringItem> items;
  items.swap(FList);
  if (FOwnsObjects)
    for (TStringItem& item : items) delete item.FObject;
  Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
  CheckUnsorted();
  CheckIndex(Index1);
  CheckIndex(Index2);
  Changing();
  std::swap(FList[size_t(Index1)], FList[size_t(Index2)]);
  Changed();
}

void TStringList::Move(int CurIndex, int NewIndex) {
  CheckUnsorted();
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  if (CurIndex == NewIndex) return;
  // The item moves in place: it is never deleted, so an owned object survives the move.
  Changing();
  auto from = FList.begin() + CurIndex, to = FList.begin() + NewIndex;
  if (from < to)
    std::rotate(from, from + 1, to + 1);
  else
    std::rotate(to, from, from + 1);
  Changed();
}

int TStringList::IndexOf(const String& S) const {
  if (!FSorted) return TStrings::IndexOf(S);
  int index = -1;
  return Find(S, index) ? index : -1;
}

bool TStringList::Find(const String& S, int& Index) const {
  int low = 0, high = Count();
  while (low < high) {
    int middle = low + (high - low) / 2;
    if (CompareStrings(FList[size_t(middle)].FString, S) < 0)
      low = middle + 1;
    else
      high = middle;
  }
  Index = low;
  return low < Count() && CompareStrings(FList[size_t(low)].FString, S) == 0;
}

void TStringList::Sort() {
  if (!FSorted) SortBy([](TStringList* List, int Index1, int Index2) {
    return List->CompareStrings(List->FList[size_t(Index1)].FString, List->FList[size_t(Index2)].FString);
  });
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
  if (!FSorted) SortBy(Compare);
}

void TStringList::SetSorted(bool Value) {
  if (Value == FSorted) return;
  if (Value) Sort();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (Value == FCaseSensitive) return;
  FCaseSensitive = Value;
  if (FSorted) {
    FSorted = false;
    Sort();
    FSorted = true;
  }
}

String TStringList::Get(int Index) const {
  CheckIndex(Index);
  return FList[size_t(Index)].FString;
}

TObject* TStringList::GetObject(int Index) const {
  CheckIndex(Index);
  return FList[size_t(Index)].FObject;
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating)
    Changing();
  else
    Changed();
}

int TStringList::CompareStrings(const String& S1, const String& S2) const {
  return FCaseSensitive ? CompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

// The handlers are called through copies: a handler may free the list, and with it the event members.
void TStringList::Changing() {
  if (UpdateCount() != 0 || !OnChanging) return;
  TNotifyEvent handler = OnChanging;
  handler(this);
}

void TStringList::Changed() {
  if (UpdateCount() != 0 || !OnChange) return;
  TNotifyEvent handler = OnChange;
  handler(this);
}

void TStringList::InsertItem(int Index, const String& S, TObject* AObject) {
  Changing();
  FList.insert(FList.begin() + Index, TStringItem { S, AObject });
  Changed();
}

void TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
}

void TStringList::CheckUnsorted() const {
  if (FSorted) throw EStringListError("Operation not allowed on sorted list");
}

void TStringList::SortBy(const TStringListSortCompare& Compare) {
  if (Count() < 2) return;
  // The comparison sees the list as it was; the new order is applied in one step afterwards, so a
  // comparison that raises leaves the list untouched.
  std::vector<int> order(FList.size());
  std::iota(order.begin(), order.end(), 0);
  MergeSort(order, [&](int Index1, int Index2) { return Compare(this, Index1, Index2) < 0; });
  Changing();
  std::vector<TStringItem> sorted;
  sorted.reserve(FList.size());
  for (int index : order) sorted.push_back(std::move(FList[size_t(index)]));
  FList.swap(sorted);
  Changed();
}
