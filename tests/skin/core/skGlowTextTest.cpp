// Glow and reflection text, drawn with the fixed-advance test face (boxes of the ascent's height).
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/FontFace.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/skGlowText.h"
#include "skin/core/skPixelKernels.h"

namespace {

class skGlowTextTest : public ::testing::Test {
protected:
  void SetUp() override {
    UseTestFontFace(true);
    Sheet.SetPixelFormat(pf32bit);
    Sheet.SetSize(80, 40);
    C()->Brush()->SetColor(clWhite);
    C()->FillRect(TRect { 0, 0, 80, 40 });
    C()->Font()->SetHeight(-10);  // advance 6, ascent 9, cell 12
    C()->Font()->SetColor(clBlack);
  }
  void TearDown() override { UseTestFontFace(false); }

  TCanvas* C() { return Sheet.Canvas(); }
  TColor At(int X, int Y) { return C()->Pixels(X, Y); }
  std::vector<TColor> Snapshot() {
    std::vector<TColor> Pixels;
    for (int Y = 0; Y < 40; ++Y)
      for (int X = 0; X < 80; ++X) Pixels.push_back(At(X, Y));
    return Pixels;
  }

  TBitmap Sheet;
};

}  // namespace

TEST_F(skGlowTextTest, AGlowOfNoSizeIsASharpMaskOfTheTextUnderIt) {
  DrawGlowText(C(), TRect { 10, 10, 70, 30 }, "ab", 0, 2, clBlue, 0);
  EXPECT_EQ(At(10, 10), clBlack);
  EXPECT_EQ(At(15, 12), clBlue) << "the glow of 'a' shows between the two letters";
  EXPECT_EQ(At(16, 20), clBlue) << "and below the text";
  EXPECT_EQ(At(17, 20), clWhite) << "its edge is not blurred";
  EXPECT_EQ(At(12, 21), clWhite);
}

TEST_F(skGlowTextTest, AGlowSpreadsAsFarAsItsSize) {
  DrawGlowText(C(), TRect { 10, 10, 70, 30 }, "ab", 0, 0, clBlue, 3);
  const TColor Near = At(8, 14);
  EXPECT_NE(Near, clWhite);
  EXPECT_EQ(GetBValue(Near), 255);
  EXPECT_LT(GetRValue(Near), 255);
  EXPECT_EQ(At(5, 14), clWhite);
  EXPECT_EQ(At(10, 10), clBlack) << "the text is drawn over its glow";

  DrawStrongGlowText(C(), TRect { 10, 10, 70, 30 }, "ab", 0, 0, clBlue, 3);
  EXPECT_LT(GetRValue(At(8, 14)), GetRValue(Near)) << "drawn again, denser, over the first glow";
}

TEST_F(skGlowTextTest, EmptyTextsGlowOnlyOnTheirPatch) {
  const auto Before = Snapshot();
  DrawGlowText(C(), TRect { 10, 10, 70, 30 }, "", 0, 0, clBlue, 3);
  EXPECT_EQ(Snapshot(), Before);
  DrawVistaGlowText(C(), TRect { 10, 10, 70, 30 }, "", 0, clBlue);
  EXPECT_NE(At(40, 20), clWhite) << "the light patch";
  EXPECT_EQ(At(40, 1), clWhite);
  const auto AfterVista = Snapshot();
  DrawSmallVistaGlowText(C(), TRect { 10, 10, 70, 30 }, "", 0, clBlue);
  EXPECT_LT(GetRValue(At(40, 20)), GetRValue(AfterVista[20 * 80 + 40]));
}

TEST_F(skGlowTextTest, ReflectionsFadeFromTheTextsBottomRowUpward) {
  // The text's cell is rows 2 .. 13 of R; its boxes fill rows 2 .. 10. Mirrored below R's text height, the
  // reflection's rows run from the box's bottom row (strongest) to rows that fade out.
  DrawReflectionText(C(), TRect { 10, 2, 70, 14 }, "ab", 0, 0, clBlue);
  EXPECT_EQ(At(10, 2), clBlack);
  for (int Y = 14; Y < 17; ++Y) EXPECT_EQ(At(10, Y), clWhite) << "the rows below the boxes reflect nothing: " << Y;
  // Row 8 of the text (its lowest box row) has 0.7 - 4/12 of full strength: alpha 93 over white.
  const TskColor Strongest = BlendPixel(0x5D0000FF, 0xFFFFFFFF);
  EXPECT_EQ(At(10, 17), TColor(RGB(Strongest >> 16 & 0xFF, Strongest >> 8 & 0xFF, Strongest & 0xFF)));
  for (int Y = 18; Y <= 21; ++Y) EXPECT_GT(GetRValue(At(10, Y)), GetRValue(At(10, Y - 1))) << "fading at " << Y;
  EXPECT_EQ(At(10, 22), clWhite) << "nothing beyond 30 % of the height from the top";

  const auto Before = Snapshot();
  DrawReflectionText(C(), TRect { 10, 20, 70, 32 }, "", 0, 0, clBlue);
  EXPECT_EQ(Snapshot(), Before);
}
