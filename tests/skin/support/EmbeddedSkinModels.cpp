#include "tests/skin/support/EmbeddedSkinModels.h"

#include "platform/base/TMemoryStream.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskSkinData.h"

std::unique_ptr<TskSkinData> LoadEmbeddedSkin(std::span<const Byte> Container) {
  TMemoryStream Bytes;
  Bytes.WriteBuffer(Container.data(), Int64(Container.size()));
  TskCompressedStoredSkin Stored(nullptr);
  Stored.LoadFromCompressStream(&Bytes);
  auto Model = std::make_unique<TskSkinData>(nullptr);
  Model->LoadCompressedStoredSkin(&Stored);
  return Model;
}
