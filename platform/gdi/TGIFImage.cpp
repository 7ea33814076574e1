#include "platform/gdi/TGIFImage.h"

#include "platform/gdi/GifCodec.h"

std::unique_ptr<Surface> TGIFImage::ReadPixels(TStream& Stream) { return GifCodec::Read(Stream); }

void TGIFImage::WritePixels(TStream& Stream, const Surface& Pixels) { GifCodec::Write(Stream, Pixels); }
