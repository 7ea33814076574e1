#pragma once
// Reading and writing of GIF data through giflib.
#include <memory>

#include "platform/base/TStream.h"
#include "platform/gdi/Surface.h"

/// The GIF codec: reads the first picture of a file, writes one picture reduced to at most 256 colours
/// (median cut with Floyd-Steinberg dithering; pictures with few colours keep them exactly).
class GifCodec {
public:
  /// Reads the first picture from Stream's position as a Bgr24 surface of the file's screen size: the
  /// picture at its place, the rest in the background colour. Damaged data, and a file whose picture has no
  /// pixels, raise EInvalidGraphic.
  static std::unique_ptr<Surface> Read(TStream& Stream);
  /// Writes Pixels (either format) as a one-picture GIF.
  static void Write(TStream& Stream, const Surface& Pixels);
};
