// Bitmaps: creation, row exchange with images in memory, records.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "GdiTestCanvas.h"

namespace {

BITMAPINFO Header(int Width, int Height, int Bits) {
  BITMAPINFO Info {};
  Info.bmiHeader.biWidth = Width;
  Info.bmiHeader.biHeight = Height;
  Info.bmiHeader.biBitCount = uint16_t(Bits);
  return Info;
}

}  // namespace

TEST(GdiBitmapsTest, MonochromeMaskConvertsTo24BitExactly) {
  // 3 x 2 mask, rows padded to 16 bits: row 0 = 1 0 1, row 1 = 0 1 0.
  const uint8_t Bits[] = { 0xA0, 0x00, 0x40, 0x00 };
  HBITMAP Mask = CreateBitmap(3, 2, 1, 1, Bits);
  BITMAP Record;
  ASSERT_EQ(GetObject(Mask, sizeof Record, &Record), int(sizeof Record));
  EXPECT_EQ(Record.bmBitsPixel, 1);
  EXPECT_EQ(Record.bmWidthBytes, 2);

  HDC Screen = CreateDisplayDC();
  BITMAPINFO Info = Header(3, -2, 24);
  std::vector<uint8_t> Rows(2 * 12, 0xEE);  // 3 * 3 + 3 mod 4 = 12 bytes a row
  ASSERT_EQ(GetDIBits(Screen, Mask, 0, 2, Rows.data(), &Info, DIB_RGB_COLORS), 2);
  const std::vector<uint8_t> Expected = {
    255, 255, 255, 0, 0, 0, 255, 255, 255, 0, 0, 0,  //
    0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0,        //
  };
  EXPECT_EQ(Rows, Expected);

  // Bottom-up output puts the bottom row first.
  Info = Header(3, 2, 24);
  ASSERT_EQ(GetDIBits(Screen, Mask, 0, 2, Rows.data(), &Info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(Rows[3], 255);
  EXPECT_EQ(Rows[12], 255);
  DeleteObject(Mask);
  DeleteDC(Screen);
}

TEST(GdiBitmapsTest, SectionsHaveTheLayoutTheirHeaderAsksFor) {
  for (const int Height : { -3, 3 }) {
    BITMAPINFO Info = Header(5, Height, 24);
    void* Bits = nullptr;
    HBITMAP B = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    ASSERT_NE(B, nullptr);
    DIBSECTION Section;
    ASSERT_EQ(GetObject(B, sizeof Section, &Section), int(sizeof Section));
    EXPECT_EQ(Section.dsBm.bmWidthBytes, 16);  // 3 * 5 + 5 mod 4
    EXPECT_EQ(Section.dsBm.bmBits, Bits);
    EXPECT_EQ(Section.dsBmih.biHeight, Height);
    EXPECT_EQ(Section.dsBmih.biSizeImage, 48u);
    // Top row, last pixel: its bytes sit in the first stored row of a top-down section, in the last
    // of a bottom-up one.
    HDC DC = CreateCompatibleDC(nullptr);
    HGDIOBJ Old = SelectObject(DC, B);
    SetPixel(DC, 4, 0, RGB(1, 2, 3));
    const uint8_t* Row = static_cast<uint8_t*>(Bits) + (Height < 0 ? 0 : 2 * 16);
    EXPECT_EQ(Row[12], 3);
    EXPECT_EQ(Row[14], 1);
    SelectObject(DC, Old);
    DeleteDC(DC);
    DeleteObject(B);
  }
}

TEST(GdiBitmapsTest, ImpossibleBitmapsFailWithoutCrashing) {
  BITMAPINFO Info = Header(100000, -100000, 32);
  void* Bits = reinterpret_cast<void*>(1);
  EXPECT_EQ(CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0), nullptr);
  EXPECT_EQ(Bits, nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 100000, 100000), nullptr);
  Info = Header(INT32_MAX, INT32_MAX, 32);  // a size whose byte count does not fit in 64 bits
  EXPECT_EQ(CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, INT32_MAX, INT32_MAX), nullptr);
  Info = Header(4, 4, 8);  // palette sections are not made here
  EXPECT_EQ(CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0), nullptr);
}

TEST(GdiBitmapsTest, SetDIBitsToDeviceCopiesAn24BitImage) {
  // A 3 x 2 top-down image: top row red, bottom row blue.
  uint8_t Image[2][12] = {};
  for (int X = 0; X < 3; ++X) {
    Image[0][X * 3 + 2] = 255;
    Image[1][X * 3] = 255;
  }
  BITMAPINFO Info = Header(3, -2, 24);
  GdiTestCanvas C(5, 4);
  EXPECT_EQ(SetDIBitsToDevice(C.DC, 1, 1, 3, 2, 0, 0, 0, 2, Image, &Info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(C.At(1, 1), clRed);
  EXPECT_EQ(C.At(3, 1), clRed);
  EXPECT_EQ(C.At(2, 2), clBlue);
  EXPECT_EQ(C.At(4, 1), clWhite);
  EXPECT_EQ(C.At(1, 3), clWhite);
}

TEST(GdiBitmapsTest, StretchDIBitsCopiesUprightAndMirrorsOnOneNegativeExtent) {
  // 1 x 4 bottom-up image; source rows counted from the bottom: row k has red 10k... stored bottom first.
  uint8_t Image[4][4] = {};
  for (int K = 0; K < 4; ++K)
    Image[K][2] = uint8_t(10 * K);  // bottom-up: Image[0] is the bottom row
  BITMAPINFO Info = Header(1, 4, 24);
  auto Column = [&](GdiTestCanvas& C) {
    std::vector<int> V;
    for (int Y = 0; Y < C.Height; ++Y)
      V.push_back(GetRValue(C.At(0, Y)) / 10);
    return V;
  };
  GdiTestCanvas C(1, 4);
  StretchDIBits(C.DC, 0, 0, 1, 4, 0, 0, 1, 4, Image, &Info, DIB_RGB_COLORS, SRCCOPY);
  EXPECT_EQ(Column(C), (std::vector<int> { 3, 2, 1, 0 }));  // the image's top row at the top
  // Rows 1..2 counted from the bottom, given with negative extents on both sides: still upright.
  C.Fill(clWhite);
  StretchDIBits(C.DC, 0, 2, 1, -2, 0, 3, 1, -2, Image, &Info, DIB_RGB_COLORS, SRCCOPY);
  EXPECT_EQ(Column(C), (std::vector<int> { 2, 1, 25, 25 }));
  // One negative extent mirrors.
  C.Fill(clWhite);
  StretchDIBits(C.DC, 0, 0, 1, 4, 0, 4, 1, -4, Image, &Info, DIB_RGB_COLORS, SRCCOPY);
  EXPECT_EQ(Column(C), (std::vector<int> { 0, 1, 2, 3 }));
}
