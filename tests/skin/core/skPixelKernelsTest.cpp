// The pixel kernels and colour conversions of the working bitmaps.
#include <gtest/gtest.h>

#include "skin/core/skPixelKernels.h"

TEST(skPixelKernelsTest, BlendWeighsEveryByteByTheForegroundAlpha) {
  EXPECT_EQ(BlendPixel(0x80FF0000, 0xFF0000FF), 0xBF7F007Fu);
  EXPECT_EQ(BlendPixel(0x00FF0000, 0xFF0000FF), 0xFF0000FFu);
  EXPECT_EQ(BlendPixel(0xFFFF0000, 0xFF0000FF), 0xFFFE0000u) << "(B + 255 F) div 256 at full alpha";

  const TskColor Src[] { 0x00FFFFFF, 0xFFFF0000, 0x80FF0000 };
  TskColor Row[] { 0xFF0000FF, 0xFF0000FF, 0xFF0000FF };
  BlendRow(Src, Row, 3);
  EXPECT_EQ(Row[0], 0xFF0000FFu);
  EXPECT_EQ(Row[1], 0xFFFF0000u) << "the row kernel copies opaque pixels";
  EXPECT_EQ(Row[2], 0xBF7F007Fu);
}

TEST(skPixelKernelsTest, TransparentRowSkipsTheKeyWhateverItsAlpha) {
  const TskColor Src[] { TransparentKeyColor, 0xFF7F007F, 0x007F0080 };
  TskColor Row[] { 1, 2, 3 };
  TransparentRow(Src, Row, 3);
  EXPECT_EQ(Row[0], 1u);
  EXPECT_EQ(Row[1], 2u);
  EXPECT_EQ(Row[2], 0xFF7F0080u);
}

TEST(skPixelKernelsTest, FillsAndAlphaCoverInclusiveRectangles) {
  TskColor Bits[12] {};
  FillPixelRect(Bits, 4, 0x11, 1, 0, 2, 1);
  SetAlphaInRect(Bits, 4, 0x80, 2, 1, 3, 2);
  const TskColor Want[12] { 0, 0x11, 0x11, 0, 0, 0x11, 0x80000011, 0x80000000, 0, 0, 0x80000000, 0x80000000 };
  for (int I = 0; I < 12; ++I) EXPECT_EQ(Bits[I], Want[I]) << I;
}

TEST(skPixelKernelsTest, ColoursBecomePixelsWithRedAndBlueSwapped) {
  EXPECT_EQ(ColorToBsColor(RGB(1, 2, 3)), 0xFF010203u);
  EXPECT_EQ(ColorToBsColorWithAlpha(RGB(1, 2, 3), 0x40), 0x40010203u);
  EXPECT_EQ(ColorToBsColor(clBtnFace), 0xFF000000u | (ColorToBsColor(GetSysColor(15)) & 0xFFFFFF));
  EXPECT_EQ(TransparentKeyColor & 0xFFFFFF, TskColor(RGB(127, 0, 127)));
}
