#pragma once
// A 24-bit copy of a bitmap with a table of row pointers, for reading mask pixels fast.
#include <cstdint>
#include <vector>

#include "platform/base/TObject.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiRecords.h"

/// One pixel of a TskFBitmap: blue, green, red.
struct TFBColor {
  uint8_t b { 0 };
  uint8_t g { 0 };
  uint8_t r { 0 };
};

/// A top-down 24-bit bitmap section holding a copy of another bitmap's pixels, converted from whatever
/// format it has (1-bit masks included); Pixels[y][x] is pixel (x, y). A bitmap the system cannot copy
/// gives a copy of no pixels.
class TskFBitmap : public TObject {
public:
  explicit TskFBitmap(HBITMAP HBmp);
  ~TskFBitmap() override;
  TskFBitmap(const TskFBitmap&) = delete;
  TskFBitmap& operator=(const TskFBitmap&) = delete;

  /// Height row pointers.
  std::vector<TFBColor*> Pixels;
  /// Bytes that pad a row: Width mod 4.
  int Gap { 0 };
  /// Bytes per row: Width * 3 + Gap.
  int RowInc { 0 };
  /// RowInc * Height.
  int Size { 0 };
  int Width { 0 };
  int Height { 0 };
  HBITMAP Handle { nullptr };
  /// A memory device context with the section selected.
  HDC hDC { nullptr };
  BITMAPINFO bmInfo;
  BITMAPINFOHEADER bmHeader;

private:
  uint8_t* Bits { nullptr };
};
