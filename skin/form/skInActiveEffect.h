#pragma once
// The look a frame derives for an inactive form from the active one.
#include "skin/core/skSkinTypes.h"

class TBitmap;

/// Applies Effect to Image in place: brightness 0.5, darkness 0.3, grey, mono noise 50, split blur 1 or
/// inverted colours.
void ApplyInActiveEffect(TBitmap* Image, TskInActiveEffect Effect);
