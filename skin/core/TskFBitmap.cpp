#include "skin/core/TskFBitmap.h"

#include "platform/gdi/Gdi.h"

TskFBitmap::TskFBitmap(HBITMAP HBmp) {
  BITMAP Source {};
  if (!GetObject(HBmp, sizeof Source, &Source))
    return;
  bmHeader.biWidth = Source.bmWidth;
  bmHeader.biHeight = -Source.bmHeight;
  bmHeader.biBitCount = 24;
  bmHeader.biCompression = BI_RGB;
  bmInfo = BITMAPINFO {};
  bmInfo.bmiHeader = bmHeader;
  void* Memory = nullptr;
  Handle = CreateDIBSection(nullptr, &bmInfo, DIB_RGB_COLORS, &Memory, nullptr, 0);
  if (!Handle || !Memory)
    return;
  Bits = static_cast<uint8_t*>(Memory);
  Width = Source.bmWidth;
  Height = Source.bmHeight;
  Gap = Width % 4;
  RowInc = Width * 3 + Gap;
  Size = RowInc * Height;
  HDC Screen = CreateCompatibleDC(nullptr);
  GetDIBits(Screen, HBmp, 0, unsigned(Height), Bits, &bmInfo, DIB_RGB_COLORS);
  DeleteDC(Screen);
  Pixels.resize(size_t(Height));
  for (int Y = 0; Y < Height; ++Y)
    Pixels[size_t(Y)] = reinterpret_cast<TFBColor*>(Bits + ptrdiff_t(Y) * RowInc);
  hDC = CreateCompatibleDC(nullptr);
  SelectObject(hDC, Handle);
}

TskFBitmap::~TskFBitmap() {
  if (hDC)
    DeleteDC(hDC);
  if (Handle)
    DeleteObject(Handle);
}
