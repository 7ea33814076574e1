#pragma once
// The records exchanged with the drawing functions, laid out as the toolkit's callers fill them in
// (bitmap headers, blend settings, region data, logical pens and brushes).
#include <cstdint>

#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

struct BITMAP {
  int32_t bmType { 0 };
  int32_t bmWidth { 0 };
  int32_t bmHeight { 0 };
  int32_t bmWidthBytes { 0 };
  uint16_t bmPlanes { 1 };
  uint16_t bmBitsPixel { 0 };
  void* bmBits { nullptr };
};

struct BITMAPINFOHEADER {
  uint32_t biSize { 40 };
  int32_t biWidth { 0 };
  int32_t biHeight { 0 };  // negative: rows stored top-down
  uint16_t biPlanes { 1 };
  uint16_t biBitCount { 0 };
  uint32_t biCompression { 0 };
  uint32_t biSizeImage { 0 };
  int32_t biXPelsPerMeter { 0 };
  int32_t biYPelsPerMeter { 0 };
  uint32_t biClrUsed { 0 };
  uint32_t biClrImportant { 0 };
};

struct RGBQUAD {
  uint8_t rgbBlue { 0 };
  uint8_t rgbGreen { 0 };
  uint8_t rgbRed { 0 };
  uint8_t rgbReserved { 0 };
};

/// A bitmap header followed by its colour table; headers of palette images are allocated with room for
/// 2^bpp entries (bmiColors is the first of them).
struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
};

struct DIBSECTION {
  BITMAP dsBm;
  BITMAPINFOHEADER dsBmih;
  uint32_t dsBitfields[3] { 0, 0, 0 };
  void* dshSection { nullptr };
  uint32_t dsOffset { 0 };
};

constexpr uint32_t BI_RGB = 0;
constexpr unsigned DIB_RGB_COLORS = 0;

struct BLENDFUNCTION {
  uint8_t BlendOp { 0 };  // AC_SRC_OVER
  uint8_t BlendFlags { 0 };
  uint8_t SourceConstantAlpha { 255 };
  uint8_t AlphaFormat { 0 };  // 0 or AC_SRC_ALPHA
};

constexpr uint8_t AC_SRC_OVER = 0;
constexpr uint8_t AC_SRC_ALPHA = 1;

struct LOGPEN {
  unsigned lopnStyle { 0 };
  TPoint lopnWidth;
  TColor lopnColor { 0 };
};

struct LOGBRUSH {
  unsigned lbStyle { 0 };
  TColor lbColor { 0 };
  uintptr_t lbHatch { 0 };
};

struct RGNDATAHEADER {
  uint32_t dwSize { 32 };
  uint32_t iType { 1 };  // RDH_RECTANGLES
  uint32_t nCount { 0 };
  uint32_t nRgnSize { 0 };
  TRect rcBound;
};

/// Region data: the header followed by nCount rectangles (TRect is four 32-bit integers).
struct RGNDATA {
  RGNDATAHEADER rdh;
  char Buffer[1];
};

constexpr uint32_t RDH_RECTANGLES = 1;
