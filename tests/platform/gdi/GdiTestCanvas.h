#pragma once
// A small memory DC over a 32-bit bitmap for pixel tests.
#include <string>

#include "platform/gdi/Gdi.h"

/// A W x H memory DC filled with Background; pixels are read back as TColor.
class GdiTestCanvas {
public:
  GdiTestCanvas(int W, int H, TColor Background = clWhite) : Width(W), Height(H) {
    DC = CreateCompatibleDC(nullptr);
    Bitmap = CreateCompatibleBitmap(DC, W, H);
    Old = SelectObject(DC, Bitmap);
    Fill(Background);
  }
  ~GdiTestCanvas() {
    SelectObject(DC, Old);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
  GdiTestCanvas(const GdiTestCanvas&) = delete;
  GdiTestCanvas& operator=(const GdiTestCanvas&) = delete;

  void Fill(TColor C) {
    for (int Y = 0; Y < Height; ++Y)
      for (int X = 0; X < Width; ++X)
        Bitmap->Pixels().SetPixel(X, Y, 0xFF000000u | uint32_t(GetRValue(C)) << 16 | uint32_t(GetGValue(C)) << 8 |
                                            GetBValue(C));
  }
  /// The colour at (X, Y) of the bitmap, whatever the DC's origins and clip.
  TColor At(int X, int Y) const {
    const uint32_t P = Bitmap->Pixels().Pixel(X, Y);
    return RGB(uint8_t(P >> 16), uint8_t(P >> 8), uint8_t(P));
  }
  /// The pixels as text rows, one character per pixel: '#' for Ink, '.' for anything else.
  std::string Picture(TColor Ink = clBlack) const {
    std::string S;
    for (int Y = 0; Y < Height; ++Y) {
      for (int X = 0; X < Width; ++X)
        S += At(X, Y) == Ink ? '#' : '.';
      S += '\n';
    }
    return S;
  }

  int Width;
  int Height;
  HDC DC { nullptr };
  HBITMAP Bitmap { nullptr };
  HGDIOBJ Old { nullptr };
};
