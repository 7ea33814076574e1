#pragma once
// Turning a decoded picture into a 24-bit bitmap (and, for the hook step, back) through the scaler.
#include <memory>

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

#include "platform/gdi/TBitmap.h"

/// The working state of picture-to-bitmap conversions: the bitmap (made on first use and kept), the
/// converted picture's buffer, and the scaler contexts for both directions.
class TRGBConvertContext : public TObject {
public:
  TRGBConvertContext() = default;
  ~TRGBConvertContext() override;
  TRGBConvertContext(const TRGBConvertContext&) = delete;
  TRGBConvertContext& operator=(const TRGBConvertContext&) = delete;

  AVPixelFormat RGBPixFmt { AV_PIX_FMT_BGR24 };  // the bitmap's pixel layout
  TPixelFormat BMPPixFmt { pf24bit };
  std::unique_ptr<TBitmap> Bitmap;
  uint8_t* RGBBuf { nullptr };  // from FFmpeg's allocator
  int RGBBufSize { 0 };
  uint8_t* RGBPicture[4] {};  // planes over RGBBuf
  int RGBPictureLineSize[4] {};
  const uint8_t* const* RGBPictureRef { nullptr };  // the planes the last conversion copied from
  SwsContext* toRGB_convert_ctx { nullptr };
  SwsContext* fromRGB_convert_ctx { nullptr };  // bitmap back to picture, for the hook step
};

/// The row length in bytes of a picture the scaler writes, AWidth pixels of ABytesPerPixel: the scaler stores
/// whole blocks of pixels past the width asked for, so a row holds the width rounded up to whole blocks.
int ScalerRowPitch(int AWidth, int ABytesPerPixel);
/// The bytes a picture the scaler writes needs: AHeight rows of APitch and room for the last row's last block.
size_t ScalerBufferSize(int APitch, int AHeight);

/// Frees the bitmap, the buffer and both scaler contexts and returns every field to its start value.
void ResetRGBContext(TRGBConvertContext& AContext);
/// A bitmap of that size and format whose canvas brush leaves the background alone.
std::unique_ptr<TBitmap> CreateBitmap(int AWidth, int AHeight, TPixelFormat APixelFormat);
/// Copies the picture (planes AData with line sizes ALineSize, pixel format APixFmt, AWidth x AHeight)
/// into AContext.Bitmap, resized to the picture: directly when it is already in the bitmap's layout with
/// even sides and the bitmap's row length, otherwise converted by the scaler (bicubic). False when no
/// scaler context can be made for the picture.
bool FrameToBitmap(TRGBConvertContext& AContext, const uint8_t* const AData[4], const int ALineSize[4],
                   AVPixelFormat APixFmt, int AHeight, int AWidth);
/// FrameToBitmap of a decoded frame, with the frame's own size and pixel format.
bool FrameToBitmap(TRGBConvertContext& AContext, const AVFrame* AFrame);
