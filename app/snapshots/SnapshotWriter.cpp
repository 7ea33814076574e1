#include "app/snapshots/SnapshotWriter.h"

#include <memory>

#include "platform/base/FileUtils.h"
#include "platform/base/TFileStream.h"
#include "platform/base/TMemoryStream.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TGIFImage.h"
#include "platform/gdi/TJPEGImage.h"
#include "platform/gdi/TPngImage.h"

namespace {

constexpr int JpegQuality = 90;
constexpr int PngCompressionLevel = 7;

/// A picture of AFormat's class holding APicture's pixels; null for BMP, which the bitmap writes itself.
std::unique_ptr<TGraphic> Encoder(TBitmap& APicture, TSnapshotFormat AFormat) {
  switch (AFormat) {
  case snBMP: return nullptr;
  case snJPG: {
    auto Jpeg = std::make_unique<TJPEGImage>();
    Jpeg->Assign(&APicture);
    Jpeg->SetCompressionQuality(JpegQuality);
    return Jpeg;
  }
  case snGIF: {
    auto Gif = std::make_unique<TGIFImage>();
    Gif->Assign(&APicture);
    return Gif;
  }
  case snPNG: {
    auto Png = std::make_unique<TPngImage>();
    Png->Assign(&APicture);
    Png->SetCompressionLevel(PngCompressionLevel);
    return Png;
  }
  }
  return nullptr;
}

}  // namespace

void SaveSnapshot(TBitmap& APicture, TSnapshotFormat AFormat, const String& AFileName) {
  APicture.SetPixelFormat(pf24bit);
  const std::unique_ptr<TGraphic> Picture = Encoder(APicture, AFormat);
  TMemoryStream Encoded;
  (Picture ? *Picture : static_cast<TGraphic&>(APicture)).SaveToStream(&Encoded);
  TFileStream File(AFileName, fmCreate);
  try {
    Encoded.SaveToStream(&File);
  } catch (...) {
    DeleteFile(AFileName);
    throw;
  }
}
