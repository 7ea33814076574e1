#pragma once
// A list of stored skins from which a skin model loads the one its SkinIndex names.
#include <memory>

#include "platform/base/TComponent.h"
#include "skin/core/TskSkinListItems.h"

/// Owns a collection of skins (TskSkinListItem).
class TskCompressedSkinList : public TComponent {
public:
  explicit TskCompressedSkinList(TComponent* AOwner) : TComponent(AOwner) {}

  TskSkinListItems* Skins() const { return FSkins.get(); }
  /// The list becomes a copy of Value's items.
  void SetSkins(TskSkinListItems* Value) { FSkins->Assign(Value); }

private:
  std::unique_ptr<TskSkinListItems> FSkins { std::make_unique<TskSkinListItems>(this) };
};
