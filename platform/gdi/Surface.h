#pragma once
// Pixel memory that device contexts draw into and bitmaps are made of.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/base/Types.h"

/// Layout of one pixel: Bgra32 is blue, green, red, alpha (0xAARRGGBB as a 32-bit word); Bgr24 is blue,
/// green, red with each row padded to a multiple of 4 bytes.
enum class SurfaceFormat { Bgra32, Bgr24 };

/// A rectangle of pixels with a row stride; owns zeroed memory or wraps memory someone else owns.
/// Rows are addressed top row first; a bottom-up surface stores its bottom row at the lowest address.
class Surface {
public:
  /// Allocates zeroed pixels; raises EOutOfResources when the memory cannot be had or would exceed
  /// 2 GiB (sizes are 32-bit signed throughout the callers).
  Surface(int Width, int Height, SurfaceFormat Format, bool BottomUp = false);
  /// Wraps memory: TopRow is the first byte of the top row, Stride the signed distance to the next row.
  Surface(void* TopRow, int Width, int Height, int Stride, SurfaceFormat Format);
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  /// Bytes of one row: 4W for Bgra32, 3W + (W mod 4) for Bgr24.
  static int RowBytes(int Width, SurfaceFormat Format);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  SurfaceFormat Format() const { return FFormat; }
  int BytesPerPixel() const { return FFormat == SurfaceFormat::Bgra32 ? 4 : 3; }
  /// Signed distance in bytes from one row to the next one down.
  int Stride() const { return FStride; }
  bool BottomUp() const { return FStride < 0; }
  bool OwnsMemory() const { return FMemory != nullptr; }
  TRect Bounds() const { return { 0, 0, FWidth, FHeight }; }
  /// The lowest address of the pixel memory (the top row, or the bottom row of a bottom-up surface).
  uint8_t* Bits() const { return FStride < 0 ? FTop + ptrdiff_t(FStride) * (FHeight - 1) : FTop; }
  size_t SizeInBytes() const { return size_t(FStride < 0 ? -FStride : FStride) * size_t(FHeight); }

  uint8_t* Row(int Y) const { return FTop + ptrdiff_t(FStride) * Y; }
  uint32_t* Row32(int Y) const { return reinterpret_cast<uint32_t*>(Row(Y)); }

  /// Pixel (X, Y) as 0xAARRGGBB (alpha 0xFF for Bgr24); the caller keeps X, Y inside.
  uint32_t Pixel(int X, int Y) const;
  /// Writes 0xAARRGGBB at (X, Y) (alpha dropped for Bgr24); the caller keeps X, Y inside.
  void SetPixel(int X, int Y, uint32_t Value);

private:
  struct FreeMemory {
    void operator()(uint8_t* P) const;
  };

  std::unique_ptr<uint8_t, FreeMemory> FMemory;
  uint8_t* FTop { nullptr };
  int FWidth { 0 };
  int FHeight { 0 };
  int FStride { 0 };
  SurfaceFormat FFormat { SurfaceFormat::Bgra32 };
};
