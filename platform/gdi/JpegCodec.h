#pragma once
// Reading and writing of JPEG data through libjpeg.
#include <memory>

#include "platform/base/TStream.h"
#include "platform/gdi/Surface.h"

/// The JPEG codec: decodes colour and grey JPEG data to RGB, encodes baseline (sequential, not
/// progressive) colour JPEG data.
class JpegCodec {
public:
  /// Reads one JPEG from Stream's position and leaves the stream right after its end marker. Returns a
  /// Bgr24 surface, top row first. Damaged or truncated data (also coded data that ends before the picture
  /// does) and progressive data of more than 100 scans raise EInvalidGraphic.
  static std::unique_ptr<Surface> Read(TStream& Stream);
  /// Writes Pixels (either format) as a baseline colour JPEG of Quality 1..100.
  static void Write(TStream& Stream, const Surface& Pixels, int Quality);
};
