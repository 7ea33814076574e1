#include "platform/gdi/TPngImage.h"

#include <algorithm>
#include <cstring>

#include "platform/base/Exception.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"

namespace {

std::unique_ptr<Surface> Bgr24Copy(const Surface& From) {
  auto to = std::make_unique<Surface>(From.Width(), From.Height(), SurfaceFormat::Bgr24);
  for (int y = 0; y < From.Height(); ++y)
    for (int x = 0; x < From.Width(); ++x) to->SetPixel(x, y, From.Pixel(x, y));
  return to;
}

// The picture as a bitmap: pf32bit carrying the alpha bytes (colours premultiplied by them when asked),
// or pf24bit without alpha.
void FillBitmap(const TPngPicture& Picture, TBitmap& Bitmap, bool Premultiply) {
  const bool hasAlpha = !Picture.Alpha.empty();
  const int w = Picture.Pixels ? Picture.Pixels->Width() : 0, h = Picture.Pixels ? Picture.Pixels->Height() : 0;
  Bitmap.SetPixelFormat(hasAlpha ? pf32bit : pf24bit);
  Bitmap.SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    const uint8_t* src = Picture.Pixels->Row(y);
    auto* dst = static_cast<uint8_t*>(Bitmap.ScanLine(y));
    if (!hasAlpha) {
      std::memcpy(dst, src, size_t(Surface::RowBytes(w, SurfaceFormat::Bgr24)));
      continue;
    }
    const uint8_t* alpha = &Picture.Alpha[size_t(y) * size_t(w)];
    for (int x = 0; x < w; ++x, src += 3, dst += 4) {
      const int a = alpha[x];
      for (int c = 0; c < 3; ++c) dst[c] = uint8_t(Premultiply ? (src[c] * a + 127) / 255 : src[c]);
      dst[3] = uint8_t(a);
    }
  }
}

// TColor 0x00BBGGRR as the 0xRRGGBB of a surface pixel.
uint32_t PixelOf(TColor Color) {
  return uint32_t(GetRValue(Color)) << 16 | uint32_t(GetGValue(Color)) << 8 | GetBValue(Color);
}

}  // namespace

TPngHeader TPngImage::Header() const { return { Width(), Height(), FPicture.BitDepth, FPicture.ColorType }; }

TPngTransparencyMode TPngImage::TransparencyMode() const {
  if (FPicture.BitTransparency) return ptmBit;
  return FPicture.Alpha.empty() ? ptmNone : ptmPartial;
}

uint8_t* TPngImage::Scanline(int Y) {
  if (Y < 0 || Y >= Height()) throw EInvalidGraphic("Scan line index out of range");
  return FPicture.Pixels->Row(Y);
}

uint8_t* TPngImage::AlphaScanline(int Y) {
  if (Y < 0 || Y >= Height()) throw EInvalidGraphic("Scan line index out of range");
  return FPicture.Alpha.empty() ? nullptr : &FPicture.Alpha[size_t(Y) * size_t(Width())];
}

void TPngImage::CreateAlpha() {
  if (Empty() || !FPicture.Alpha.empty()) return;
  const int w = Width(), h = Height();
  const uint32_t key = PixelOf(FPicture.TransparentColor);
  FPicture.Alpha.assign(size_t(w) * size_t(h), 255);
  if (FPicture.BitTransparency)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if ((FPicture.Pixels->Pixel(x, y) & 0xFFFFFF) == key) FPicture.Alpha[size_t(y) * size_t(w) + size_t(x)] = 0;
  FPicture.BitTransparency = false;
  FPicture.ColorType = FPicture.ColorType == COLOR_GRAYSCALE ? COLOR_GRAYSCALEALPHA : COLOR_RGBALPHA;
  FPicture.BitDepth = 8;
  Changed(this);
}

void TPngImage::SetCompressionLevel(int Value) { FCompressionLevel = std::clamp(Value, 0, 9); }

void TPngImage::Assign(TPersistent* Source) {
  if (auto* png = dynamic_cast<TPngImage*>(Source)) {
    if (png == this) return;
    TPngPicture copy;
    copy.ColorType = png->FPicture.ColorType;
    copy.BitDepth = png->FPicture.BitDepth;
    if (png->FPicture.Pixels) copy.Pixels = Bgr24Copy(*png->FPicture.Pixels);
    copy.Alpha = png->FPicture.Alpha;
    copy.BitTransparency = png->FPicture.BitTransparency;
    copy.TransparentColor = png->FPicture.TransparentColor;
    FPicture = std::move(copy);
    FCompressionLevel = png->FCompressionLevel;
    Changed(this);
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
    TPngPicture picture;
    if (!bitmap->Empty()) {
      picture.Pixels = Bgr24Copy(bitmap->Handle()->Pixels());
      picture.BitTransparency = bitmap->Transparent();
      if (picture.BitTransparency) picture.TransparentColor = ColorToRGB(bitmap->TransparentColor()) & 0xFFFFFF;
    }
    FPicture = std::move(picture);
    Changed(this);
  } else {
    TGraphic::Assign(Source);
  }
}

void TPngImage::AssignTo(TPersistent* Dest) {
  auto* bitmap = dynamic_cast<TBitmap*>(Dest);
  if (!bitmap) {
    TGraphic::AssignTo(Dest);
    return;
  }
  FillBitmap(FPicture, *bitmap, false);
  const bool keyed = FPicture.BitTransparency && FPicture.Alpha.empty();
  if (keyed) bitmap->SetTransparentColor(FPicture.TransparentColor);
  bitmap->SetTransparent(keyed);
}

void TPngImage::LoadFromStream(TStream* Stream) {
  FPicture = PngCodec::Read(*Stream);
  Changed(this);
}

void TPngImage::SaveToStream(TStream* Stream) {
  if (Empty()) throw EInvalidGraphic("Invalid PNG image: empty picture");
  PngCodec::Write(*Stream, FPicture, FCompressionLevel);
}

void TPngImage::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (Empty()) return;
  TBitmap image;
  FillBitmap(FPicture, image, true);
  if (!FPicture.Alpha.empty()) {
    const BLENDFUNCTION blend { AC_SRC_OVER, 0, 255, AC_SRC_ALPHA };
    AlphaBlend(ACanvas->Handle(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), image.Canvas()->Handle(), 0, 0,
               Width(), Height(), blend);
    return;
  }
  if (FPicture.BitTransparency) {
    image.SetTransparentColor(FPicture.TransparentColor);
    image.SetTransparent(true);
  }
  image.Draw(ACanvas, Rect);
}
