#include "platform/gdi/TBitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/base/Exception.h"
#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"

/// The canvas of a bitmap: a memory DC with the bitmap selected, made when the canvas is first drawn on
/// and given up whenever the bitmap's platform bitmap is replaced.
class TBitmapCanvas : public TCanvas {
public:
  explicit TBitmapCanvas(TBitmap* ABitmap) : FBitmap(ABitmap) {}
  ~TBitmapCanvas() override { ReleaseContext(); }

  void ReleaseContext() {
    if (!FDC) return;
    SetHandle(nullptr);
    if (FOldBitmap) SelectObject(FDC, FOldBitmap);
    DeleteDC(FDC);
    FDC = nullptr;
    FOldBitmap = nullptr;
  }

protected:
  void CreateHandle() override {
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) throw EOutOfResources("Out of system resources");
    if (FBitmap->Handle()) FOldBitmap = SelectObject(dc, FBitmap->Handle());
    FDC = dc;
    SetHandle(dc);
  }

private:
  TBitmap* FBitmap;
  HDC FDC { nullptr };
  HGDIOBJ FOldBitmap { nullptr };
};

namespace {

constexpr uint32_t WhitePixel = 0xFFFFFFFF;
constexpr uint32_t BlackPixel = 0xFF000000;

TPixelFormat FormatOfBitCount(int BitCount) {
  switch (BitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 24: return pf24bit;
    default: return pf32bit;
  }
}

// A white platform bitmap of the layout Format and Monochrome call for.
HBITMAP NewBitmap(int Width, int Height, TPixelFormat Format, bool Monochrome) {
  HBITMAP bitmap = nullptr;
  if (Monochrome) {
    bitmap = CreateBitmap(Width, Height, 1, 1, nullptr);
  } else {
    BITMAPINFO info {};
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;
    info.bmiHeader.biBitCount = Format == pf24bit ? 24 : 32;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  }
  if (!bitmap) throw EOutOfResources("Out of system resources");
  Surface& pixels = bitmap->Pixels();
  std::memset(pixels.Bits(), 0xFF, pixels.SizeInBytes());
  return bitmap;
}

// Copies the part both surfaces share; a monochrome target keeps white and blackens the rest.
void CopyPixels(const Surface& From, Surface& To, bool Monochrome) {
  const int w = std::min(From.Width(), To.Width()), h = std::min(From.Height(), To.Height());
  if (From.Format() == To.Format() && !Monochrome) {
    for (int y = 0; y < h; ++y) std::memcpy(To.Row(y), From.Row(y), size_t(w) * size_t(From.BytesPerPixel()));
    return;
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t p = From.Pixel(x, y);
      if (Monochrome) p = (p & 0xFFFFFF) == 0xFFFFFF ? WhitePixel : BlackPixel;
      To.SetPixel(x, y, p);
    }
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  FCanvas.reset();
  if (FHandle) DeleteObject(FHandle);
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == FWidth && AHeight == FHeight) return;
  HBITMAP bitmap = AWidth && AHeight ? CopyInto(AWidth, AHeight, FPixelFormat, FMonochrome) : nullptr;
  FWidth = AWidth;
  FHeight = AHeight;
  ReplaceHandle(bitmap, FPixelFormat, FMonochrome);
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == FPixelFormat && !FMonochrome) return;
  const bool sameLayout = !FMonochrome && (Value == pf24bit) == (FPixelFormat == pf24bit);
  if (!FHandle || sameLayout) {
    FPixelFormat = Value;
    FMonochrome = false;
    Changed(this);
    return;
  }
  ReplaceHandle(CopyInto(FWidth, FHeight, Value, false), Value, false);
}

void TBitmap::SetMonochrome(bool Value) {
  if (Value == FMonochrome) return;
  const TPixelFormat format = Value ? pf1bit : pfDevice;
  ReplaceHandle(FHandle ? CopyInto(FWidth, FHeight, format, Value) : nullptr, format, Value);
}

void* TBitmap::ScanLine(int Y) {
  if (!FHandle || Y < 0 || Y >= FHeight) throw EInvalidGraphic("Scan line index out of range");
  return FHandle->Pixels().Row(Y);
}

TCanvas* TBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = std::make_unique<TBitmapCanvas>(this);
    FCanvas->OnChange = [this](TObject*) { Changed(this); };
  }
  return FCanvas.get();
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == FTransparentMode) return;
  FTransparentMode = Value;
  if (Value == tmAuto) FTransparentColor = clDefault;
  Changed(this);
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (!FHandle) return clDefault;
  const uint32_t p = FHandle->Pixels().Pixel(0, FHeight - 1);
  return RGB(uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p));
}

void TBitmap::SetTransparentColor(TColor Value) {
  FTransparentColor = Value;
  FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
  Changed(this);
}

void TBitmap::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TBitmap*>(Source);
  if (!Source || source) {
    if (source == this) return;
    HBITMAP bitmap = source && source->FHandle
                         ? source->CopyInto(source->FWidth, source->FHeight, source->FPixelFormat, source->FMonochrome)
                         : nullptr;
    FWidth = source ? source->FWidth : 0;
    FHeight = source ? source->FHeight : 0;
    FTransparentMode = source ? source->FTransparentMode : tmAuto;
    FTransparentColor = source ? source->FTransparentColor : clDefault;
    if (source) SetTransparent(source->Transparent());
    ReplaceHandle(bitmap, source ? source->FPixelFormat : FPixelFormat, source ? source->FMonochrome : FMonochrome);
    return;
  }
  TGraphic::Assign(Source);
}

void TBitmap::LoadFromStream(TStream* Stream) {
  TBmpPicture picture = BmpCodec::Read(*Stream);
  const TPixelFormat format = FormatOfBitCount(picture.BitCount);
  const int w = picture.Pixels->Width(), h = picture.Pixels->Height();
  HBITMAP bitmap = nullptr;
  if (w && h) {
    bitmap = NewBitmap(w, h, format, false);
    CopyPixels(*picture.Pixels, bitmap->Pixels(), false);
  }
  FWidth = w;
  FHeight = h;
  ReplaceHandle(bitmap, format, false);
}

void TBitmap::SaveToStream(TStream* Stream) {
  const int bitCount = FPixelFormat == pf32bit && !FMonochrome ? 32 : 24;
  if (FHandle) {
    BmpCodec::Write(*Stream, FHandle->Pixels(), bitCount);
  } else {
    const Surface nothing(0, 0, SurfaceFormat::Bgra32);
    BmpCodec::Write(*Stream, nothing, bitCount);
  }
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (!FHandle) return;
  HDC source = Canvas()->Handle();
  HDC target = ACanvas->Handle();
  if (Transparent())
    TransparentBlt(target, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), source, 0, 0, FWidth, FHeight,
                   ColorToRGB(TransparentColor()) & 0xFFFFFF);
  else
    StretchBlt(target, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), source, 0, 0, FWidth, FHeight,
               ACanvas->CopyMode());
}

void TBitmap::ReplaceHandle(HBITMAP Bitmap, TPixelFormat Format, bool Monochrome) {
  if (FCanvas) FCanvas->ReleaseContext();
  if (FHandle) DeleteObject(FHandle);
  FHandle = Bitmap;
  FPixelFormat = Format;
  FMonochrome = Monochrome;
  Changed(this);
}

HBITMAP TBitmap::CopyInto(int AWidth, int AHeight, TPixelFormat Format, bool Monochrome) const {
  HBITMAP bitmap = NewBitmap(AWidth, AHeight, Format, Monochrome);
  if (FHandle) CopyPixels(FHandle->Pixels(), bitmap->Pixels(), Monochrome);
  return bitmap;
}
