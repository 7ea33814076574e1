#pragma once
// Reading and writing of icon files: a directory of pictures, each a device-independent bitmap followed
// by its AND mask, or PNG data.
#include "platform/base/TStream.h"
#include "platform/gdi/IconImage.h"

/// The icon file codec. Reads pictures of 1, 4, 8, 24 and 32 bits per pixel with their AND masks, and PNG
/// pictures; writes every picture as 32 bits with an AND mask (sides of 256 and more as PNG).
class IcoCodec {
public:
  /// The message of every rejected file.
  static constexpr const char* InvalidMessage = "Icon image is not valid";

  /// Reads one icon file from Stream's position and leaves the stream right after the last byte of its
  /// pictures. Damaged, truncated or unsupported data, a file without pictures and pictures beyond the
  /// size limits of PictureLimits.h raise EInvalidGraphic; a stream too short for the header raises
  /// EReadError. A 32-bit picture whose alpha is 0 everywhere takes its transparency from the AND mask.
  static TIconImages Read(TStream& Stream);
  /// Writes Images (at least one) as one icon file.
  static void Write(TStream& Stream, const TIconImages& Images);
};
