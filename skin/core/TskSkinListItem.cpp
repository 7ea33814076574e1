#include "skin/core/TskSkinListItem.h"

#include "platform/base/SysUtils.h"

TskSkinListItem::TskSkinListItem(TCollection* Collection)
  : TCollectionItem(Collection), FName(Format("skSkin%d", Index())) {}

void TskSkinListItem::SetSkin(std::span<const Byte> Container) {
  TMemoryStream stream;
  stream.WriteBuffer(Container.data(), Int64(Container.size()));
  FSkin->LoadFromCompressStream(&stream);
}

void TskSkinListItem::Assign(TPersistent* Source) {
  auto* item = dynamic_cast<TskSkinListItem*>(Source);
  if (!item) {
    TCollectionItem::Assign(Source);
    return;
  }
  TMemoryStream container;
  item->FSkin->SaveToCompressStream(&container);
  FSkin->LoadFromCompressStream(&container);
  FDescription = item->FDescription;
  FFileName = item->FFileName;
  FCompressedFileName = item->FCompressedFileName;
  FName = item->FName;
}
