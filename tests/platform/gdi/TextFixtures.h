#pragma once
// A white memory DC whose pixels the text and canvas tests read back directly.
#include <algorithm>
#include <climits>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TFontObject.h"

namespace fixtures {

class MemoryDC {
public:
  MemoryDC(int Width, int Height)
      : DC(CreateCompatibleDC(nullptr)), Bitmap(CreateCompatibleBitmap(DC, Width, Height)) {
    SelectObject(DC, Bitmap);
    Clear();
  }
  ~MemoryDC() {
    DeleteDC(DC);
    DeleteObject(Bitmap);
    if (Font) DeleteObject(Font);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  /// Fills every pixel with the RGB value 0xRRGGBB, whatever the DC's origins and clip.
  void Clear(uint32_t Rgb = 0xFFFFFF) {
    Surface& S = Bitmap->Pixels();
    for (int Y = 0; Y < S.Height(); ++Y)
      for (int X = 0; X < S.Width(); ++X) S.SetPixel(X, Y, 0xFF000000u | Rgb);
  }

  /// Selects a font of the given family and height (freed with the fixture).
  void UseFont(const char* Family, int Height, bool Underline = false) {
    HFONT Old = Font;
    Font = CreateFont(Height, 0, 0, 0, FW_NORMAL, 0, Underline, 0, DEFAULT_CHARSET, 0, 0, 0, 0, Family);
    SelectObject(DC, Font);
    if (Old) DeleteObject(Old);
  }

  /// The pixel at surface position (X, Y) as 0xRRGGBB.
  uint32_t Rgb(int X, int Y) const { return Bitmap->Pixels().Pixel(X, Y) & 0xFFFFFF; }

  /// Bounding box of the pixels within Area that differ from Background; (0,0,0,0) when there are none.
  TRect Ink(uint32_t Background = 0xFFFFFF, TRect Area = { 0, 0, INT_MAX, INT_MAX }) const {
    const Surface& S = Bitmap->Pixels();
    Area = { std::max(Area.Left, 0), std::max(Area.Top, 0), std::min(Area.Right, S.Width()),
             std::min(Area.Bottom, S.Height()) };
    TRect Box { INT_MAX, INT_MAX, INT_MIN, INT_MIN };
    for (int Y = Area.Top; Y < Area.Bottom; ++Y)
      for (int X = Area.Left; X < Area.Right; ++X)
        if (Rgb(X, Y) != Background)
          Box = { std::min(Box.Left, X), std::min(Box.Top, Y), std::max(Box.Right, X + 1), std::max(Box.Bottom, Y + 1) };
    return Box.Left == INT_MAX ? TRect {} : Box;
  }

  /// Number of pixels within Area that differ from Background.
  int InkCount(const TRect& Area, uint32_t Background = 0xFFFFFF) const {
    int Count = 0;
    for (int Y = Area.Top; Y < Area.Bottom; ++Y)
      for (int X = Area.Left; X < Area.Right; ++X) Count += Rgb(X, Y) != Background;
    return Count;
  }

  HDC DC;
  HBITMAP Bitmap;
  HFONT Font { nullptr };
};

}  // namespace fixtures
