// Blits: the stretch mapping, raster operations, colour keys and alpha blending.
#include <gtest/gtest.h>

#include "GdiTestCanvas.h"

namespace {

// Column X of the source is coloured RGB(X * 10, 0, 0).
void PaintColumns(GdiTestCanvas& C) {
  for (int Y = 0; Y < C.Height; ++Y)
    for (int X = 0; X < C.Width; ++X)
      C.Bitmap->Pixels().SetPixel(X, Y, 0xFF000000u | uint32_t(X * 10) << 16);
}

int SourceColumn(const GdiTestCanvas& C, int X, int Y) { return GetRValue(C.At(X, Y)) / 10; }

}  // namespace

TEST(GdiBlitTest, StretchMapsColumnsByTheCentreFormula) {
  for (const auto& [SrcW, DstW] : { std::pair { 3, 5 }, std::pair { 5, 3 }, std::pair { 4, 4 }, std::pair { 7, 2 } }) {
    GdiTestCanvas Src(SrcW, 1), Dst(DstW + 2, 1);
    PaintColumns(Src);
    SetStretchBltMode(Dst.DC, COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(Dst.DC, 1, 0, DstW, 1, Src.DC, 0, 0, SrcW, 1, SRCCOPY));
    for (int DX = 0; DX < DstW; ++DX)
      EXPECT_EQ(SourceColumn(Dst, 1 + DX, 0), (2 * DX + 1) * SrcW / (2 * DstW)) << SrcW << "->" << DstW;
    EXPECT_EQ(Dst.At(0, 0), clWhite);
    EXPECT_EQ(Dst.At(DstW + 1, 0), clWhite);
  }
}

TEST(GdiBlitTest, EqualSizesCopyExactlyIncludingAlpha) {
  GdiTestCanvas Src(4, 3), Dst(4, 3);
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 4; ++X)
      Src.Bitmap->Pixels().SetPixel(X, Y, uint32_t(0x01020304 * (X + 4 * Y + 1)));
  BitBlt(Dst.DC, 0, 0, 4, 3, Src.DC, 0, 0, SRCCOPY);
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 4; ++X)
      EXPECT_EQ(Dst.Bitmap->Pixels().Pixel(X, Y), uint32_t(0x01020304 * (X + 4 * Y + 1)));
}

TEST(GdiBlitTest, SourceOriginsAndOverlapOnOneSurface) {
  GdiTestCanvas C(6, 1);
  PaintColumns(C);
  SetWindowOrgEx(C.DC, 1, 0, nullptr);
  // Scroll right by two within the same bitmap: logical 1..4 is device 0..3.
  BitBlt(C.DC, 3, 0, 4, 1, C.DC, 1, 0, SRCCOPY);
  const int Expected[] = { 0, 1, 0, 1, 2, 3 };
  for (int X = 0; X < 6; ++X)
    EXPECT_EQ(SourceColumn(C, X, 0), Expected[X]) << X;
}

TEST(GdiBlitTest, SourceOutsideItsBitmapLeavesTheDestination) {
  GdiTestCanvas Src(2, 2, clBlack), Dst(4, 4);
  BitBlt(Dst.DC, 0, 0, 4, 4, Src.DC, -1, -1, SRCCOPY);
  EXPECT_EQ(Dst.Picture(),
            "....\n"
            ".##.\n"
            ".##.\n"
            "....\n");
}

TEST(GdiBlitTest, RasterOperationsActOnColourBits) {
  const struct {
    uint32_t Rop;
    TColor Expected;
  } Cases[] = {
    { SRCCOPY, RGB(0x0F, 0xF0, 0x33) },  { SRCAND, RGB(0x0A, 0x00, 0x22) },
    { SRCPAINT, RGB(0xAF, 0xFA, 0xBB) }, { SRCINVERT, RGB(0xA5, 0xFA, 0x99) },
    { DSTINVERT, RGB(0x55, 0xF5, 0x55) }, { BLACKNESS, clBlack },
    { WHITENESS, clWhite },              { PATCOPY, RGB(1, 2, 3) },
  };
  for (const auto& Case : Cases) {
    GdiTestCanvas Src(1, 1, RGB(0x0F, 0xF0, 0x33)), Dst(1, 1, RGB(0xAA, 0x0A, 0xAA));
    HBRUSH Brush = CreateSolidBrush(RGB(1, 2, 3));
    SelectObject(Dst.DC, Brush);
    EXPECT_TRUE(BitBlt(Dst.DC, 0, 0, 1, 1, Src.DC, 0, 0, Case.Rop)) << std::hex << Case.Rop;
    EXPECT_EQ(Dst.At(0, 0), Case.Expected) << std::hex << Case.Rop;
    SelectObject(Dst.DC, GetStockObject(WHITE_BRUSH));
    DeleteObject(Brush);
  }
}

TEST(GdiBlitTest, TransparentBltSkipsExactlyTheKey) {
  GdiTestCanvas Src(4, 1), Dst(8, 1, clBlue);
  auto& S = Src.Bitmap->Pixels();
  S.SetPixel(0, 0, 0xFF7F007F);  // the key
  S.SetPixel(1, 0, 0x007F007F);  // the key with another alpha
  S.SetPixel(2, 0, 0xFF7F0080);  // one step away
  S.SetPixel(3, 0, 0xFF00FF00);
  EXPECT_TRUE(TransparentBlt(Dst.DC, 0, 0, 8, 1, Src.DC, 0, 0, 4, 1, RGB(127, 0, 127)));
  const TColor Expected[] = { clBlue, clBlue, clBlue, clBlue, RGB(0x7F, 0, 0x80), RGB(0x7F, 0, 0x80), clLime, clLime };
  for (int X = 0; X < 8; ++X)
    EXPECT_EQ(Dst.At(X, 0), Expected[X]) << X;
}

TEST(GdiBlitTest, AlphaBlendIsPremultipliedSourceOver) {
  // Destination: grey 200, opaque.
  const struct {
    uint32_t Source;
    uint8_t Constant;
    uint8_t Format;
    uint32_t Expected;
  } Cases[] = {
    { 0xFF336699, 255, AC_SRC_ALPHA, 0xFF336699 },  // opaque source replaces
    { 0x00000000, 255, AC_SRC_ALPHA, 0xFFC8C8C8 },  // transparent source keeps
    { 0x80400000, 255, AC_SRC_ALPHA, 0xFFA46464 },  // 64 + 200 * 127/255 = 164; 200 * 127/255 = 100
    { 0xFF000000, 51, 0, 0xFFA0A0A0 },             // constant alpha alone: 200 * 204/255 = 160
    { 0xFFFF0000, 51, AC_SRC_ALPHA, 0xFFD3A0A0 },  // source scaled to 51 first: 51 + 160 = 211
  };
  for (const auto& Case : Cases) {
    GdiTestCanvas Src(1, 1), Dst(3, 1, RGB(200, 200, 200));
    Src.Bitmap->Pixels().SetPixel(0, 0, Case.Source);
    BLENDFUNCTION Blend;
    Blend.SourceConstantAlpha = Case.Constant;
    Blend.AlphaFormat = Case.Format;
    // Stretched over two pixels; the third stays.
    ASSERT_TRUE(AlphaBlend(Dst.DC, 0, 0, 2, 1, Src.DC, 0, 0, 1, 1, Blend));
    EXPECT_EQ(Dst.Bitmap->Pixels().Pixel(0, 0), Case.Expected) << std::hex << Case.Source;
    EXPECT_EQ(Dst.Bitmap->Pixels().Pixel(1, 0), Case.Expected) << std::hex << Case.Source;
    EXPECT_EQ(Dst.Bitmap->Pixels().Pixel(2, 0), 0xFFC8C8C8u);
  }
}

TEST(GdiBlitTest, BlitsHonourTheDestinationClip) {
  GdiTestCanvas Src(4, 4, clBlack), Dst(4, 4);
  ExcludeClipRect(Dst.DC, 1, 1, 3, 3);
  StretchBlt(Dst.DC, 0, 0, 4, 4, Src.DC, 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(Dst.Picture(),
            "####\n"
            "#..#\n"
            "#..#\n"
            "####\n");
}

TEST(GdiBlitTest, StretchedRowsKeepTheDestinationWhereTheSourceEnds) {
  // Rows repeated by the stretch, and columns whose source lies past the bitmap's edge: those columns
  // keep each row's own pixels.
  GdiTestCanvas Src(2, 2, clBlack), Dst(4, 4);
  for (int Y = 0; Y < 4; ++Y)
    Dst.Bitmap->Pixels().SetPixel(1, Y, 0xFF000000u | uint32_t(Y + 1) << 16);
  StretchBlt(Dst.DC, 0, 0, 3, 4, Src.DC, 1, 0, 2, 2, SRCCOPY);  // columns map to 1, 2, 2
  for (int Y = 0; Y < 4; ++Y) {
    EXPECT_EQ(Dst.At(0, Y), clBlack);
    EXPECT_EQ(Dst.At(1, Y), RGB(uint8_t(Y + 1), 0, 0)) << Y;
    EXPECT_EQ(Dst.At(2, Y), clWhite);
  }
}

TEST(GdiBlitTest, HugeDestinationsWorkOnTheirVisiblePartOnly) {
  // A stretch 200 million pixels wide and an ellipse of two million: only the visible pixels cost.
  GdiTestCanvas Src(2, 1), Dst(4, 2);
  PaintColumns(Src);
  ASSERT_TRUE(StretchBlt(Dst.DC, -100000000, 0, 200000000, 1, Src.DC, 0, 0, 2, 1, SRCCOPY));
  EXPECT_EQ(SourceColumn(Dst, 0, 0), 1);  // the right half of the stretch
  SelectObject(Dst.DC, GetStockObject(BLACK_BRUSH));
  ASSERT_TRUE(Ellipse(Dst.DC, -1000000, -1000000, 1000000, 1000000));
  EXPECT_EQ(Dst.Picture(), "####\n####\n");
  const TPoint Triangle[] = { { -2000000000, 0 }, { 2000000000, 0 }, { 0, 2000000000 } };
  ASSERT_TRUE(Polygon(Dst.DC, Triangle, 3));
}
