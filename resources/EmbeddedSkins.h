#pragma once
// The program's own skins, embedded at build time as compressed skin containers: the value a skin list
// item stores as "Skin" (TskSkinListItem::SetSkin, TskCompressedStoredSkin::LoadFromCompressStream).
#include <span>

#include "platform/base/Types.h"

/// The product skin: the look of every window of the program. The main window's two skin lists hold it.
std::span<const Byte> ProductSkinContainer();
/// The colour-coded test skin: the same records as the product skin, every piece a solid colour of its
/// own inside a one-pixel border of another colour (resources/skins/README.md).
std::span<const Byte> TestSkinContainer();
