#pragma once
// Copying a PNG picture with its alpha channel into a working bitmap.

class TPngImage;
class TskBitmap;

/// Bmp takes the picture's size, every pixel's colour and, as alpha, the picture's alpha channel (255
/// where the picture has none); then Bmp's AlphaBlend tells whether it needs blending.
void AssignPngToBitmap(TskBitmap* Bmp, TPngImage* Png);
