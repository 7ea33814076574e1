#pragma once
// Reading PCX pictures: the 128-byte header, run-length coded rows of palette indexes and the 256-colour
// palette that ends the file.
#include <optional>
#include <vector>

#include "skin/core/skPixelKernels.h"

class TStream;

/// A PCX picture as opaque pixels (0xFFRRGGBB), rows top to bottom.
struct TPcxImage {
  int Width { 0 };
  int Height { 0 };
  std::vector<TskColor> Pixels;
};

/// Reads the PCX picture from Stream's position to its end. Each pixel is the palette colour of the first
/// Width bytes of its row: the 256 colours of the stream's last 768 bytes, or the system's 16 colours for a
/// version 3 header. Nothing when the stream is no PCX: a short header, a first byte other than 10 or
/// 205, an empty size, rows shorter than the width, no room for the palette, or fewer data than the
/// picture's rows could come from (so a damaged header cannot ask for a huge picture).
std::optional<TPcxImage> ReadPcxImage(TStream* Stream);
