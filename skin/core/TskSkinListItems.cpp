#include "skin/core/TskSkinListItems.h"

#include "skin/core/TskCompressedSkinList.h"

TPersistent* TskSkinListItems::GetOwner() const { return FSkinList; }
