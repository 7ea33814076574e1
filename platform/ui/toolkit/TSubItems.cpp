#include "platform/ui/toolkit/TSubItems.h"

#include <utility>

#include "platform/ui/toolkit/TListItem.h"

void TSubItems::Put(int Index, const String& S) {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  if (FStrings[size_t(Index)] == S) return;
  FStrings[size_t(Index)] = S;
  Changed();
}

void TSubItems::Insert(int Index, const String& S) {
  if (Index < 0 || Index > Count()) IndexError(Index);
  FStrings.insert(FStrings.begin() + Index, S);
  if (!FImages.empty()) FImages.insert(FImages.begin() + Index, -1);
  Changed();
}

void TSubItems::Delete(int Index) {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  FStrings.erase(FStrings.begin() + Index);
  if (!FImages.empty()) FImages.erase(FImages.begin() + Index);
  Changed();
}

void TSubItems::Clear() {
  if (FStrings.empty()) return;
  FStrings.clear();
  FImages.clear();
  Changed();
}

void TSubItems::Exchange(int Index1, int Index2) {
  if (Index1 < 0 || Index1 >= Count()) IndexError(Index1);
  if (Index2 < 0 || Index2 >= Count()) IndexError(Index2);
  std::swap(FStrings[size_t(Index1)], FStrings[size_t(Index2)]);
  if (!FImages.empty()) std::swap(FImages[size_t(Index1)], FImages[size_t(Index2)]);
  Changed();
}

int TSubItems::ImageIndex(int Index) const {
  return Index >= 0 && Index < int(FImages.size()) ? FImages[size_t(Index)] : -1;
}

// Images are kept only once one is set, so plain text cells cost nothing extra.
void TSubItems::SetImageIndex(int Index, int Value) {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  if (ImageIndex(Index) == Value) return;
  FImages.resize(FStrings.size(), -1);
  FImages[size_t(Index)] = Value;
  Changed();
}

String TSubItems::Get(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  return FStrings[size_t(Index)];
}

void TSubItems::SetUpdateState(bool Updating) {
  if (!Updating) Changed();
}

void TSubItems::Changed() {
  if (UpdateCount() == 0) FOwner->SubItemsChanged();
}

void TSubItems::Assign(TPersistent* Source) {
  auto* Other = dynamic_cast<TSubItems*>(Source);
  if (!Other) {
    TStrings::Assign(Source);
    return;
  }
  if (Other == this) return;
  FStrings = Other->FStrings;
  FImages = Other->FImages;
  Changed();
}
