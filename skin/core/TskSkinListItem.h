#pragma once
// One skin of a skin list.
#include <memory>
#include <span>

#include "platform/base/TCollectionItem.h"
#include "skin/core/TskCompressedStoredSkin.h"

/// A named skin of a TskCompressedSkinList. A new item is named "skSkin" and its index ("skSkin2" for
/// the third).
class TskSkinListItem : public TCollectionItem {
public:
  explicit TskSkinListItem(TCollection* Collection);

  TskCompressedStoredSkin* Skin() const { return FSkin.get(); }
  /// The stored value "Skin": a whole container, read as LoadFromCompressStream reads it.
  void SetSkin(std::span<const Byte> Container);

  /// From another item: its skin's data, name, description and file names.
  void Assign(TPersistent* Source) override;

  const String& Description() const { return FDescription; }
  void SetDescription(const String& Value) { FDescription = Value; }
  const String& FileName() const { return FFileName; }
  void SetFileName(const String& Value) { FFileName = Value; }
  const String& CompressedFileName() const { return FCompressedFileName; }
  void SetCompressedFileName(const String& Value) { FCompressedFileName = Value; }
  const String& Name() const { return FName; }
  void SetName(const String& Value) { FName = Value; }

protected:
  String GetDisplayName() const override { return FName; }

private:
  std::unique_ptr<TskCompressedStoredSkin> FSkin { std::make_unique<TskCompressedStoredSkin>(nullptr) };
  String FDescription;
  String FFileName;
  String FCompressedFileName;
  String FName;
};
