#pragma once
// The program's embedded skins loaded into skin models, for tests that draw with a whole skin.
#include <memory>
#include <span>

#include "platform/base/Types.h"

class TskSkinData;

/// A new model (no owner) holding the skin of an embedded container (resources/EmbeddedSkins.h).
std::unique_ptr<TskSkinData> LoadEmbeddedSkin(std::span<const Byte> Container);
