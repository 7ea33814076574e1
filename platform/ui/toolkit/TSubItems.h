#pragma once
// The cells of a list item after its caption.
#include <vector>

#include "platform/base/TStrings.h"

class TListItem;

/// A list item's sub-items (the texts of columns 1, 2, ...) with an image index per cell (-1: none). Any
/// change repaints the item's row and raises no event.
class TSubItems : public TStrings {
public:
  explicit TSubItems(TListItem* AOwner) : FOwner(AOwner) {}

  int Count() const override { return int(FStrings.size()); }
  void Put(int Index, const String& S) override;
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  /// From other sub-items: the strings with their images; from any other TStrings: the strings.
  void Assign(TPersistent* Source) override;

  /// The image of cell Index; -1 for none or a bad index.
  int ImageIndex(int Index) const;
  void SetImageIndex(int Index, int Value);

protected:
  String Get(int Index) const override;
  void SetUpdateState(bool Updating) override;

private:
  friend class TListItem;

  void Changed();

  TListItem* FOwner;
  std::vector<String> FStrings;
  std::vector<int> FImages;
};
