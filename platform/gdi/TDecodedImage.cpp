#include "platform/gdi/TDecodedImage.h"

#include <cstring>
#include <typeinfo>

#include "platform/base/Exception.h"
#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/TBitmap.h"

TDecodedImage::TDecodedImage() : FBitmap(std::make_unique<TBitmap>()) { FBitmap->SetPixelFormat(pf24bit); }

TDecodedImage::~TDecodedImage() = default;

bool TDecodedImage::Empty() const { return FBitmap->Empty(); }
int TDecodedImage::Width() const { return FBitmap->Width(); }
int TDecodedImage::Height() const { return FBitmap->Height(); }

void TDecodedImage::Assign(TPersistent* Source) {
  if (Source == this) return;
  TBitmap* bitmap = dynamic_cast<TBitmap*>(Source);
  if (Source && typeid(*Source) == typeid(*this)) bitmap = static_cast<TDecodedImage*>(Source)->FBitmap.get();
  if (!bitmap) {
    TGraphic::Assign(Source);
    return;
  }
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(bitmap);
  copy->SetPixelFormat(pf24bit);
  copy->SetTransparent(false);
  FBitmap = std::move(copy);
  Changed(this);
}

void TDecodedImage::LoadFromStream(TStream* Stream) {
  std::unique_ptr<Surface> pixels = ReadPixels(*Stream);
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(pixels->Width(), pixels->Height());
  const size_t rowBytes = size_t(Surface::RowBytes(pixels->Width(), SurfaceFormat::Bgr24));
  for (int y = 0; y < pixels->Height(); ++y) std::memcpy(bitmap->ScanLine(y), pixels->Row(y), rowBytes);
  FBitmap = std::move(bitmap);
  Changed(this);
}

void TDecodedImage::SaveToStream(TStream* Stream) {
  if (Empty()) throw EInvalidGraphic("Cannot save an empty picture");
  WritePixels(*Stream, FBitmap->Handle()->Pixels());
}

void TDecodedImage::Draw(TCanvas* ACanvas, const TRect& Rect) { FBitmap->Draw(ACanvas, Rect); }

void TDecodedImage::AssignTo(TPersistent* Dest) {
  if (dynamic_cast<TBitmap*>(Dest))
    Dest->Assign(FBitmap.get());
  else
    TGraphic::AssignTo(Dest);
}
