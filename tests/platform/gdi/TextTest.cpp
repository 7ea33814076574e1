#include <gtest/gtest.h>

#include "platform/gdi/FontFace.h"
#include "platform/gdi/Text.h"
#include "tests/platform/gdi/TextFixtures.h"

namespace {

using fixtures::MemoryDC;

bool Inside(const TRect& Inner, const TRect& Outer) {
  return Inner.Left >= Outer.Left && Inner.Top >= Outer.Top && Inner.Right <= Outer.Right &&
         Inner.Bottom <= Outer.Bottom;
}

// Layout with the test face: every glyph advances A = 6 pixels and is a box one column narrower filling the
// 9-pixel ascent of a 12-pixel cell; underlines lie on the row below the baseline's.
class TextTest : public ::testing::Test {
protected:
  void SetUp() override {
    UseTestFontFace(true);
    Canvas.UseFont("Tahoma", -10);
    SetBkMode(Canvas.DC, TRANSPARENT);
  }
  void TearDown() override { UseTestFontFace(false); }

  static constexpr int A = 6, Ascent = 9, Cell = 12;
  MemoryDC Canvas { 240, 120 };
};

TEST_F(TextTest, MetricsDescribeTheCell) {
  TEXTMETRIC M;
  ASSERT_TRUE(GetTextMetrics(Canvas.DC, M));
  EXPECT_EQ(M.tmHeight, Cell);
  EXPECT_EQ(M.tmAscent, Ascent);
  EXPECT_EQ(M.tmDescent, Cell - Ascent);
  EXPECT_EQ(M.tmHeight - M.tmInternalLeading, 10);
  EXPECT_EQ(M.tmAveCharWidth, A);
  TSize Size;
  ASSERT_TRUE(GetTextExtentPoint32(Canvas.DC, "a&b\tc", Size));
  EXPECT_EQ(Size, (TSize { 4 * A, Cell }));
}

TEST_F(TextTest, CalcRectIsTheBoxTheTextIsDrawnIn) {
  struct Case {
    const char* Text;
    unsigned Flags;
    int Width;
  } Cases[] = {
    { "Hello World", 0, 0 },
    { "Line one\nLine two is longer", 0, 0 },
    { "aaa bbb ccc ddd eee", DT_WORDBREAK, 50 },
    { "short\nmuch longer line", DT_CENTER, 0 },
    { "tab\tstop", DT_EXPANDTABS | DT_RIGHT, 0 },
    { "&Open file", DT_SINGLELINE | DT_VCENTER, 0 },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Text);
    Canvas.Clear();
    TRect R { 20, 10, 20 + C.Width, 10 };
    const int Height = DrawText(Canvas.DC, C.Text, R, C.Flags | DT_CALCRECT);
    EXPECT_EQ(R.Height(), Height);
    EXPECT_EQ(DrawText(Canvas.DC, C.Text, R, C.Flags), Height);
    const TRect Ink = Canvas.Ink();
    EXPECT_TRUE(Inside(Ink, R));
    EXPECT_EQ(Ink.Left, R.Left);
    EXPECT_EQ(Ink.Top, R.Top);
    EXPECT_EQ(Ink.Right, R.Right - 1);
    EXPECT_EQ(Ink.Bottom, R.Bottom - Cell + Ascent + (C.Text[0] == '&' ? 2 : 0));
  }
}

TEST_F(TextTest, CalcRectAgreesWithDrawingInInstalledFaces) {
  UseTestFontFace(false);
  for (const char* Family : { "Tahoma", "Arial", "宋体" }) {
    Canvas.UseFont(Family, 13);
    for (const char* Text : { "Wg yjp|", "Mi&nimize", "输出目录 Output", "two\nlines Wq" }) {
      SCOPED_TRACE(testing::Message() << Family << ": " << Text);
      Canvas.Clear();
      TRect R { 20, 10, 20, 10 };
      DrawText(Canvas.DC, Text, R, DT_CALCRECT);
      DrawText(Canvas.DC, Text, R, DT_NOCLIP);
      const TRect Ink = Canvas.Ink();
      // Anti-aliased edges of a glyph may reach one pixel past its advance.
      EXPECT_TRUE(Inside(Ink, { R.Left - 1, R.Top, R.Right + 1, R.Bottom }));
      EXPECT_LE(Ink.Left, R.Left + 2);
      EXPECT_GE(Ink.Right, R.Right - 3);
      EXPECT_GT(Ink.Bottom, R.Bottom - 13);
    }
  }
}

TEST_F(TextTest, PrefixesUnderlineOrShowTheAmpersand) {
  const int UnderlineRow = 10 + Ascent + 1;
  struct Case {
    const char* Text;
    unsigned Flags;
    int Chars;        // characters shown
    int UnderlinedAt;  // the underlined character, or -1
  } Cases[] = {
    { "a&&b", 0, 3, -1 },
    { "a&xb", 0, 3, 1 },
    { "&x", 0, 1, 0 },
    { "a&xb", DT_NOPREFIX, 4, -1 },
    { "a&xb", DT_HIDEPREFIX, 3, -1 },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Text);
    Canvas.Clear();
    TRect R { 20, 10, 200, 60 };
    TRect Measured = R;
    DrawText(Canvas.DC, C.Text, Measured, C.Flags | DT_CALCRECT);
    EXPECT_EQ(Measured.Width(), C.Chars * A);
    DrawText(Canvas.DC, C.Text, R, C.Flags);
    const TRect Underline = Canvas.Ink(0xFFFFFF, { 0, UnderlineRow, 240, UnderlineRow + 1 });
    if (C.UnderlinedAt < 0) {
      EXPECT_EQ(Canvas.InkCount({ 0, 10 + Ascent, 240, 10 + Cell }), 0);
    } else {
      EXPECT_EQ(Underline.Left, 20 + C.UnderlinedAt * A);
      EXPECT_EQ(Underline.Right, 20 + (C.UnderlinedAt + 1) * A);
    }
  }
}

TEST_F(TextTest, VerticalPlacementNeedsSingleLine) {
  const TRect R { 20, 10, 200, 70 };
  struct Case {
    unsigned Flags;
    int Top;
  } Cases[] = {
    { DT_VCENTER, R.Top },
    { DT_BOTTOM, R.Top },
    { DT_VCENTER | DT_WORDBREAK, R.Top },
    { DT_SINGLELINE, R.Top },
    { DT_SINGLELINE | DT_VCENTER, R.Top + (R.Height() - Cell) / 2 },
    { DT_SINGLELINE | DT_BOTTOM, R.Bottom - Cell },
  };
  for (const Case& C : Cases) {
    Canvas.Clear();
    TRect Box = R;
    EXPECT_EQ(DrawText(Canvas.DC, "Caption", Box, C.Flags), Cell);
    EXPECT_EQ(Canvas.Ink().Top, C.Top) << C.Flags;
  }
}

TEST_F(TextTest, LinesAlignAndBreakOnEveryBreakForm) {
  TRect R { 20, 10, 200, 110 };
  EXPECT_EQ(DrawText(Canvas.DC, "a\n\rb\r\nc\rd", R, DT_RIGHT), 4 * Cell);
  for (int Line = 0; Line < 4; ++Line) {
    const TRect Ink = Canvas.Ink(0xFFFFFF, { 0, 10 + Line * Cell, 240, 10 + (Line + 1) * Cell });
    EXPECT_EQ(Ink.Left, 200 - A) << Line;
  }
  Canvas.Clear();
  R = { 20, 10, 201, 110 };
  DrawText(Canvas.DC, "abc", R, DT_CENTER);
  EXPECT_EQ(Canvas.Ink().Left, 20 + (181 - 3 * A) / 2);
}

TEST_F(TextTest, WordBreakKeepsTheWidthAndCalcRectGrowsWithoutIt) {
  const char* Text = "aaa bbb ccc";
  TRect Wrapped { 20, 10, 20 + 7 * A + 2, 10 };
  EXPECT_EQ(DrawText(Canvas.DC, Text, Wrapped, DT_WORDBREAK | DT_CALCRECT), 2 * Cell);
  EXPECT_EQ(Wrapped, (TRect { 20, 10, 20 + 7 * A, 10 + 2 * Cell }));
  TRect Grown { 20, 10, 20 + 2 * A, 10 };
  EXPECT_EQ(DrawText(Canvas.DC, Text, Grown, DT_CALCRECT), Cell);
  EXPECT_EQ(Grown, (TRect { 20, 10, 20 + 11 * A, 10 + Cell }));
  TRect Empty { 5, 5, 50, 50 };
  EXPECT_EQ(DrawText(Canvas.DC, "", Empty, DT_CALCRECT), 0);
  EXPECT_EQ(Empty, (TRect { 5, 5, 5, 5 }));
}

TEST_F(TextTest, DrawTextExAppliesMarginsAndTabLength) {
  DRAWTEXTPARAMS Params;
  Params.iLeftMargin = 3;
  Params.iRightMargin = 4;
  Params.iTabLength = 2;
  TRect R { 20, 10, 20, 10 };
  EXPECT_EQ(DrawTextEx(Canvas.DC, "a\tb", R, DT_EXPANDTABS | DT_CALCRECT, &Params), Cell);
  EXPECT_EQ(R, (TRect { 20, 10, 20 + 3 + 3 * A + 4, 10 + Cell }));
  EXPECT_EQ(Params.uiLengthDrawn, 3u);
  DrawTextEx(Canvas.DC, "a\tb", R, DT_EXPANDTABS, &Params);
  EXPECT_EQ(Canvas.Ink(), (TRect { 23, 10, 23 + 3 * A - 1, 10 + Ascent }));
  EXPECT_EQ(Canvas.Ink(0xFFFFFF, { 23 + A, 0, 240, 120 }).Left, 23 + 2 * A);
}

TEST_F(TextTest, TextIsClippedToTheRectangleUnlessNoClip) {
  TRect R { 20, 10, 20 + 3 * A + 2, 10 + Cell };
  DrawText(Canvas.DC, "abcdefgh", R, 0);
  EXPECT_EQ(Canvas.Ink().Right, R.Right);
  Canvas.Clear();
  DrawText(Canvas.DC, "abcdefgh", R, DT_NOCLIP);
  EXPECT_EQ(Canvas.Ink().Right, R.Left + 8 * A - 1);
  Canvas.Clear();
  DrawText(Canvas.DC, "abcdefgh", R, DT_END_ELLIPSIS);
  EXPECT_EQ(Canvas.Ink().Right, R.Left + 3 * A - 1);
}

TEST_F(TextTest, BackgroundIsPaintedByModeAndOptions) {
  SetBkColor(Canvas.DC, RGB(0, 0, 255));
  SetTextColor(Canvas.DC, RGB(255, 0, 0));
  TextOut(Canvas.DC, 20, 10, "a b");
  EXPECT_EQ(Canvas.Rgb(20 + A + 2, 12), 0xFFFFFFu);  // transparent: the blank stays white
  EXPECT_EQ(Canvas.Rgb(21, 12), 0xFF0000u);

  SetBkMode(Canvas.DC, OPAQUE);
  TextOut(Canvas.DC, 20, 40, "a b");
  EXPECT_EQ(Canvas.Ink(0xFFFFFF, { 0, 40, 240, 80 }), (TRect { 20, 40, 20 + 3 * A, 40 + Cell }));
  EXPECT_EQ(Canvas.Rgb(20 + A + 2, 42), 0x0000FFu);

  Canvas.Clear();
  SetBkMode(Canvas.DC, TRANSPARENT);
  const TRect Box { 10, 10, 30, 30 };
  ExtTextOut(Canvas.DC, 12, 12, ETO_OPAQUE | ETO_CLIPPED, &Box, "abcdefgh");
  EXPECT_EQ(Canvas.Ink(), Box);
  EXPECT_EQ(Canvas.Rgb(28, 13), 0xFF0000u);
  EXPECT_EQ(Canvas.Rgb(29, 13), 0x0000FFu);
}

TEST_F(TextTest, TabbedTextOutStopsCountFromTheOrigin) {
  const int Stops[] = { 30, 60 };
  const int32_t Extent = TabbedTextOut(Canvas.DC, 10, 10, "a\tb\tc", 2, Stops, 0);
  EXPECT_EQ(Extent >> 16, Cell);
  EXPECT_EQ(Extent & 0xFFFF, 60 - 10 + A);
  EXPECT_EQ(Canvas.Ink(0xFFFFFF, { 11 + A, 0, 240, 120 }).Left, 30);
  EXPECT_EQ(Canvas.Ink(0xFFFFFF, { 31 + A, 0, 240, 120 }).Left, 60);

  Canvas.Clear();
  const int Every[] = { 25 };
  TabbedTextOut(Canvas.DC, 0, 10, "a\tb\tc", 1, Every, 0);
  EXPECT_EQ(Canvas.Ink(0xFFFFFF, { A, 0, 240, 120 }).Left, 25);
  EXPECT_EQ(Canvas.Ink(0xFFFFFF, { 26 + A, 0, 240, 120 }).Left, 50);
}

TEST_F(TextTest, FontUnderlineRunsUnderTheWholeLine) {
  Canvas.UseFont("Tahoma", -10, true);
  TextOut(Canvas.DC, 20, 10, "a  b");
  EXPECT_EQ(Canvas.Ink(0xFFFFFF, { 0, 10 + Ascent, 240, 10 + Cell }),
            (TRect { 20, 10 + Ascent + 1, 20 + 4 * A, 10 + Ascent + 2 }));
}

TEST(TextInstalledFaceTest, HeightsFollowTheFontRecord) {
  MemoryDC Canvas(10, 10);
  for (const char* Family : { "Tahoma", "Arial", "MS Sans Serif" }) {
    SCOPED_TRACE(Family);
    TEXTMETRIC M;
    Canvas.UseFont(Family, 13);
    GetTextMetrics(Canvas.DC, M);
    EXPECT_EQ(M.tmHeight, 13);
    Canvas.UseFont(Family, 14);
    GetTextMetrics(Canvas.DC, M);
    EXPECT_EQ(M.tmHeight, 14);
    Canvas.UseFont(Family, -11);
    GetTextMetrics(Canvas.DC, M);
    EXPECT_EQ(M.tmHeight - M.tmInternalLeading, 11);
    EXPECT_EQ(M.tmAscent + M.tmDescent, M.tmHeight);
  }
}

TEST(TextInstalledFaceTest, ChineseCaptionDrawsWithTheFallbackFace) {
  MemoryDC Canvas(120, 30);
  Canvas.UseFont("Tahoma", 13);
  SetBkMode(Canvas.DC, TRANSPARENT);
  TSize Size;
  GetTextExtentPoint32(Canvas.DC, "输出目录", Size);
  EXPECT_GE(Size.cx, 4 * 10);
  TRect R { 5, 5, 115, 25 };
  DrawText(Canvas.DC, "输出目录", R, DT_SINGLELINE | DT_VCENTER);
  for (int Glyph = 0; Glyph < 4; ++Glyph) {
    const int Left = 5 + Glyph * Size.cx / 4;
    EXPECT_GT(Canvas.InkCount({ Left, 0, Left + Size.cx / 4, 30 }), 20) << Glyph;
  }
}

}  // namespace
