#pragma once
// The pictures of per-pixel-alpha layered windows (button glows, the form's layered border): building
// one from an image and a mask, and handing it to its window.
#include "platform/base/Types.h"

class TBitmap;
class TWinControl;
class TskBitmap;

/// Bmp becomes AImage's pixels with each pixel's alpha the mean of AImageMask's red, green and blue at
/// the same place (fraction dropped; 0 beyond a smaller mask), every colour channel then scaled by the
/// pixel's alpha (premultiplied, as a layered window takes its picture).
void CreateLayerBitmap(TBitmap* AImage, TBitmap* AImageMask, TskBitmap* Bmp);
/// Shows Bmp (premultiplied) as the picture of Control's layered window at Control's Left and Top, Bmp's
/// size, its per-pixel alpha times AlphaBlendValue. Nothing without a control or a bitmap, or where the platform
/// cannot layer windows.
void UpdateLayeredBitmap(TskBitmap* Bmp, Byte AlphaBlendValue, TWinControl* Control);
