#include "platform/gdi/TJPEGImage.h"

#include <algorithm>

#include "platform/gdi/JpegCodec.h"

void TJPEGImage::SetCompressionQuality(int Value) { FCompressionQuality = std::clamp(Value, 1, 100); }

void TJPEGImage::Assign(TPersistent* Source) {
  TDecodedImage::Assign(Source);
  if (auto* jpeg = dynamic_cast<TJPEGImage*>(Source)) FCompressionQuality = jpeg->FCompressionQuality;
}

std::unique_ptr<Surface> TJPEGImage::ReadPixels(TStream& Stream) { return JpegCodec::Read(Stream); }

void TJPEGImage::WritePixels(TStream& Stream, const Surface& Pixels) {
  JpegCodec::Write(Stream, Pixels, FCompressionQuality);
}
