#include "engine/libav/TRGBConvertContext.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/SwScaleStubs.h"
#include "platform/gdi/TCanvas.h"

namespace {

/// The widest block of pixels the scaler stores at once, and the alignment its vector stores want.
constexpr int ScalerBlockPixels = 32;
constexpr int ScalerAlignment = 64;

int BitmapRowSize(int AWidth) { return (AWidth * 3 + 3) & ~3; }

int RoundUp(int AValue, int AMultiple) { return (AValue + AMultiple - 1) / AMultiple * AMultiple; }

}  // namespace

TRGBConvertContext::~TRGBConvertContext() { ResetRGBContext(*this); }

void ResetRGBContext(TRGBConvertContext& AContext) {
  AContext.Bitmap.reset();
  if (AContext.RGBBuf) LibAVUtil.av_freep(&AContext.RGBBuf);
  if (AContext.toRGB_convert_ctx) LibSwScale.sws_freeContext(AContext.toRGB_convert_ctx);
  if (AContext.fromRGB_convert_ctx) LibSwScale.sws_freeContext(AContext.fromRGB_convert_ctx);
  AContext.toRGB_convert_ctx = nullptr;
  AContext.fromRGB_convert_ctx = nullptr;
  AContext.RGBPixFmt = AV_PIX_FMT_BGR24;
  AContext.BMPPixFmt = pf24bit;
  AContext.RGBBufSize = 0;
  std::ranges::fill(AContext.RGBPicture, nullptr);
  std::ranges::fill(AContext.RGBPictureLineSize, 0);
  AContext.RGBPictureRef = nullptr;
}

int ScalerRowPitch(int AWidth, int ABytesPerPixel) {
  return RoundUp(RoundUp(AWidth, ScalerBlockPixels) * ABytesPerPixel, ScalerAlignment);
}

size_t ScalerBufferSize(int APitch, int AHeight) { return size_t(APitch) * AHeight + ScalerAlignment; }

std::unique_ptr<TBitmap> CreateBitmap(int AWidth, int AHeight, TPixelFormat APixelFormat) {
  auto Bitmap = std::make_unique<TBitmap>();
  Bitmap->SetPixelFormat(APixelFormat);
  Bitmap->SetSize(AWidth, AHeight);
  Bitmap->Canvas()->Brush()->SetStyle(bsClear);
  return Bitmap;
}

bool FrameToBitmap(TRGBConvertContext& AContext, const uint8_t* const AData[4], const int ALineSize[4],
                   AVPixelFormat APixFmt, int AHeight, int AWidth) {
  if (!AContext.Bitmap) AContext.Bitmap = CreateBitmap(AWidth, AHeight, AContext.BMPPixFmt);
  AContext.Bitmap->SetSize(AWidth, AHeight);
  const int RowSize = BitmapRowSize(AWidth);
  const uint8_t* const* Source = AData;
  const int* SourceLineSize = ALineSize;
  if (APixFmt != AContext.RGBPixFmt || AWidth % 2 != 0 || AHeight % 2 != 0 || ALineSize[0] != RowSize) {
    // The scaler's rows are its own, rounded up to its blocks: a tightly packed buffer would be overrun.
    if (AWidth <= 0 || AHeight <= 0) return false;
    const int Pitch = ScalerRowPitch(AWidth, 3);
    const size_t Size = ScalerBufferSize(Pitch, AHeight);
    if (Size > size_t(INT_MAX)) return false;
    if (int(Size) > AContext.RGBBufSize) {
      LibAVUtil.av_freep(&AContext.RGBBuf);
      AContext.RGBBuf = static_cast<uint8_t*>(LibAVUtil.av_malloc(Size));
      AContext.RGBBufSize = AContext.RGBBuf ? int(Size) : 0;
      if (!AContext.RGBBuf) return false;
    }
    std::ranges::fill(AContext.RGBPicture, nullptr);
    std::ranges::fill(AContext.RGBPictureLineSize, 0);
    AContext.RGBPicture[0] = AContext.RGBBuf;
    AContext.RGBPictureLineSize[0] = Pitch;
    AContext.toRGB_convert_ctx =
        LibSwScale.sws_getCachedContext(AContext.toRGB_convert_ctx, AWidth, AHeight, APixFmt, AWidth, AHeight,
                                        AContext.RGBPixFmt, SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (!AContext.toRGB_convert_ctx) return false;
    LibSwScale.sws_scale(AContext.toRGB_convert_ctx, AData, ALineSize, 0, AHeight, AContext.RGBPicture,
                         AContext.RGBPictureLineSize);
    Source = AContext.RGBPicture;
    SourceLineSize = AContext.RGBPictureLineSize;
  }
  AContext.RGBPictureRef = Source;
  // A row never copies more than the bitmap's row holds.
  const size_t Copied = size_t(std::min(SourceLineSize[0], RowSize));
  for (int Y = 0; Y < AHeight; ++Y)
    std::memcpy(AContext.Bitmap->ScanLine(Y), Source[0] + size_t(Y) * SourceLineSize[0], Copied);
  return true;
}

bool FrameToBitmap(TRGBConvertContext& AContext, const AVFrame* AFrame) {
  return FrameToBitmap(AContext, AFrame->data, AFrame->linesize, AVPixelFormat(AFrame->format), AFrame->height,
                       AFrame->width);
}
