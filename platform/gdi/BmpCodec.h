#pragma once
// Reading and writing of BMP files (file header, info header, colour table, pixel rows).
#include <memory>

#include "platform/base/TStream.h"
#include "platform/gdi/Surface.h"

/// A decoded BMP: its pixels (24-bit files as Bgr24, every other depth as Bgra32, top row first) and the
/// file's bits per pixel.
struct TBmpPicture {
  std::unique_ptr<Surface> Pixels;
  int BitCount { 0 };
};

/// The BMP codec. Reads 1, 4 and 8 bits per pixel with a colour table, 24 bits, and 32 bits (plain or
/// with channel masks), stored bottom-up or top-down; writes 24 and 32 bits, bottom-up.
class BmpCodec {
public:
  /// The message of every rejected file.
  static constexpr const char* InvalidMessage = "Bitmap image is not valid";

  /// Reads one BMP from Stream's position and leaves the stream right after it (bfSize bytes on), so
  /// pictures stored back to back read in turn. Damaged, truncated or unsupported data raises
  /// EInvalidGraphic; a stream too short for the file header raises EReadError. Alpha of 32-bit files is
  /// kept as stored (taken from the alpha mask where the header has one, else 255); other depths get 255.
  static TBmpPicture Read(TStream& Stream);
  /// Writes Pixels (either format) as one BMP of BitCount 24 or 32 whose bfSize is the length written.
  static void Write(TStream& Stream, const Surface& Pixels, int BitCount);
};
