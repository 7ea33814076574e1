#pragma once
// The skins of a skin list.
#include "platform/base/TTypedCollection.h"
#include "skin/core/TskSkinListItem.h"

class TskCompressedSkinList;

/// The collection of a TskCompressedSkinList; its owner is that list.
class TskSkinListItems : public TTypedCollection<TskSkinListItem> {
public:
  explicit TskSkinListItems(TskCompressedSkinList* ASkinList) : FSkinList(ASkinList) {}

protected:
  TPersistent* GetOwner() const override;

private:
  TskCompressedSkinList* FSkinList;
};
