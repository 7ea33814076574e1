#pragma once
// The GIF picture.
#include "platform/gdi/TDecodedImage.h"

/// A GIF picture: reads the first picture of a GIF file; writes one picture reduced to at most 256 colours
/// with Floyd-Steinberg dithering (pictures with few colours keep them exactly).
class TGIFImage : public TDecodedImage {
protected:
  std::unique_ptr<Surface> ReadPixels(TStream& Stream) override;
  void WritePixels(TStream& Stream, const Surface& Pixels) override;
};
