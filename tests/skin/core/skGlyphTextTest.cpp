// Glyph and caption painting: the shared layout rule, glyph faces, shortening, single-line captions,
// wrapped and clipped text. Text is measured and drawn with the fixed-advance test face.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/gdi/FontFace.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/TImageList.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skGlyphText.h"

namespace {

class skGlyphTextTest : public ::testing::Test {
protected:
  void SetUp() override {
    UseTestFontFace(true);
    Sheet.SetPixelFormat(pf32bit);
    Sheet.SetSize(60, 40);
    Clear();
    Canvas()->Font()->SetHeight(-10);
    Canvas()->Font()->SetColor(clBlack);
  }
  void TearDown() override { UseTestFontFace(false); }

  TCanvas* Canvas() { return Sheet.Canvas(); }
  void Clear() {
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(clWhite);
    Canvas()->FillRect(TRect { 0, 0, 60, 40 });
  }
  // The colours of the sheet, row by row.
  std::vector<TColor> Snapshot() {
    std::vector<TColor> Pixels;
    for (int Y = 0; Y < 40; ++Y)
      for (int X = 0; X < 60; ++X) Pixels.push_back(Canvas()->Pixels(X, Y));
    return Pixels;
  }
  // The bounding box of the pixels of one colour, within Area.
  TRect BoxOf(TColor Color, TRect Area = { 0, 0, 60, 40 }) {
    TRect Box { 60, 40, -1, -1 };
    for (int Y = Area.Top; Y < Area.Bottom; ++Y)
      for (int X = Area.Left; X < Area.Right; ++X)
        if (Canvas()->Pixels(X, Y) == Color)
          Box = { std::min(Box.Left, X), std::min(Box.Top, Y), std::max(Box.Right, X + 1), std::max(Box.Bottom, Y + 1) };
    return Box;
  }

  TBitmap Sheet;
};

// A strip of three 4 x 3 images: each image's pixels are its own colour except the bottom-left one, which
// is white (the transparent colour of each cut-out image).
void MakeStrip(TBitmap& Strip) {
  const TColor Colours[] { clRed, clLime, clBlue };
  Strip.SetPixelFormat(pf24bit);
  Strip.SetSize(12, 3);
  for (int I = 0; I < 3; ++I) {
    Strip.Canvas()->Brush()->SetColor(Colours[I]);
    Strip.Canvas()->FillRect(TRect { 4 * I, 0, 4 * I + 4, 3 });
    Strip.Canvas()->SetPixels(4 * I, 2, clWhite);
  }
}

// A list of 8 x 6 images holding one opaque red image.
void MakeImages(TImageList& Images) {
  TBitmap Red;
  Red.SetPixelFormat(pf24bit);
  Red.SetSize(8, 6);
  Red.Canvas()->Brush()->SetColor(clRed);
  Red.Canvas()->FillRect(TRect { 0, 0, 8, 6 });
  Images.Add(&Red, nullptr);
}

}  // namespace

TEST(skGlyphTextLayoutTest, PlacesGlyphAndTextByLayoutAndMargin) {
  struct Case {
    TskButtonLayout Layout;
    int Margin;
    int GW, GH, TW, TH, Spacing;
    int GX, GY, TX, TY;
  };
  // R = (10, 20, 110, 60): centre (60, 40).
  const Case Cases[] {
    { blGlyphLeft, -1, 16, 10, 30, 8, 4, 35, 35, 55, 36 },
    { blGlyphRight, -1, 16, 10, 30, 8, 4, 69, 35, 35, 36 },
    { blGlyphTop, -1, 16, 10, 30, 8, 4, 52, 29, 45, 43 },
    { blGlyphBottom, -1, 16, 10, 30, 8, 4, 52, 41, 45, 29 },
    { blGlyphLeft, 3, 16, 10, 30, 8, 4, 13, 35, 33, 36 },
    { blGlyphRight, 3, 16, 10, 30, 8, 4, 91, 35, 57, 36 },
    { blGlyphTop, 3, 16, 10, 30, 8, 4, 52, 23, 45, 37 },
    { blGlyphBottom, 3, 16, 10, 30, 8, 4, 52, 47, 45, 35 },
    { blGlyphLeft, -1, 0, 0, 30, 8, 4, 45, 40, 45, 36 },    // no glyph: no spacing either
    { blGlyphLeft, -1, 15, 15, 0, 0, 1, 52, 33, 68, 40 },   // no caption: half of 16 each side
    { blGlyphTop, 0, 0, 0, 30, 8, 7, 60, 20, 45, 20 },
  };
  for (const Case& C : Cases) {
    int GX, GY, TX, TY;
    CalcGlyphTextLayout(C.Layout, TRect { 10, 20, 110, 60 }, C.GW, C.GH, C.TW, C.TH, C.Spacing, C.Margin, GX, GY, TX, TY);
    EXPECT_EQ((std::vector<int> { GX, GY, TX, TY }), (std::vector<int> { C.GX, C.GY, C.TX, C.TY }))
        << "layout " << C.Layout << " margin " << C.Margin << " glyph " << C.GW;
  }
}

TEST_F(skGlyphTextTest, StripImagesAreCutOutAndLoseTheirBottomLeftColour) {
  TBitmap Strip;
  MakeStrip(Strip);
  Canvas()->Brush()->SetColor(clBlack);
  Canvas()->FillRect(TRect { 0, 0, 10, 10 });
  DrawGlyphFromStrip(Canvas(), 2, 2, &Strip, 3, 2);
  EXPECT_EQ(BoxOf(clLime), (TRect { 2, 2, 6, 5 }));
  EXPECT_EQ(Canvas()->Pixels(2, 4), clBlack) << "the transparent corner";
  const auto Before = Snapshot();
  DrawGlyphFromStrip(Canvas(), 2, 2, &Strip, 0, 1);
  TBitmap Empty;
  DrawGlyphFromStrip(Canvas(), 2, 2, &Empty, 1, 1);
  EXPECT_EQ(Snapshot(), Before);
}

TEST_F(skGlyphTextTest, PressedFacesMoveOnePixelButTheEmptyFaceBarMovesOnlyDown) {
  TBitmap Strip;
  MakeStrip(Strip);
  const TRect R { 0, 0, 60, 40 };
  DrawGlyphAndText(Canvas(), R, -1, 2, blGlyphLeft, "ab", &Strip, 3, 1, false, true, clPurple);
  const TRect Glyph = BoxOf(clRed), Text = BoxOf(clBlack), Bar = BoxOf(clPurple);
  Clear();
  DrawGlyphAndText(Canvas(), R, -1, 2, blGlyphLeft, "ab", &Strip, 3, 1, true, true, clPurple);
  const auto Moved = [](TRect B) { return TRect { B.Left + 1, B.Top + 1, B.Right + 1, B.Bottom + 1 }; };
  EXPECT_EQ(BoxOf(clRed), Moved(Glyph));
  EXPECT_EQ(BoxOf(clBlack), Moved(Text));
  EXPECT_EQ(BoxOf(clPurple), Moved(Bar));
  EXPECT_EQ(Bar.Left, Glyph.Left);
  EXPECT_EQ(Bar.Right, Glyph.Right) << "the marker spans the glyph";
  EXPECT_EQ(Bar.Top, Glyph.Top + 1) << "over the glyph's last two rows (of three) and the row below";
  EXPECT_EQ(Bar.Bottom, Glyph.Top + 4);

  for (bool Down : { false, true }) {
    Clear();
    DrawGlyphAndText(Canvas(), TRect { 0, 0, 30, 20 }, -1, 2, blGlyphLeft, "", nullptr, 1, 1, Down, true, clPurple);
    EXPECT_EQ(BoxOf(clPurple), (TRect { 4, 4 + Down, 28, 16 + Down })) << "down " << Down;
  }
}

TEST_F(skGlyphTextTest, CaptionsWithoutAGlyphAreCentredAndUnderlinedByTheMarker) {
  const int Advance = Canvas()->TextWidth("a");
  DrawGlyphAndText(Canvas(), TRect { 0, 0, 60, 40 }, -1, 4, blGlyphLeft, "abcd", nullptr, 1, 1, false, true, clPurple);
  const TRect Text = BoxOf(clBlack), Bar = BoxOf(clPurple);
  EXPECT_EQ(Text.Left, 30 - 2 * Advance + 1) << "text rectangle two pixels wider, the line centred in it";
  EXPECT_EQ(Bar.Left, 30 - 2 * Advance);
  EXPECT_EQ(Bar.Right, 30 + 2 * Advance + 2);
  EXPECT_EQ(Bar.Height(), 3);
}

TEST_F(skGlyphTextTest, ShortenedTextsFitWithThreeDots) {
  const int A = Canvas()->TextWidth("a");
  struct Case {
    int MaxWidth;
    const char* Want;
  };
  const Case Cases[] { { 6 * A, "abcdef" }, { 6 * A - 1, "ab..." }, { 5 * A, "ab..." }, { 5 * A - 1, "a..." },
                       { 3 * A, "..." }, { 0, "..." } };
  for (const Case& C : Cases) {
    String Text = "abcdef", TextW = "abcdef";
    ShortenText(Canvas(), Text, C.MaxWidth);
    ShortenTextW(Canvas(), TextW, C.MaxWidth);
    EXPECT_EQ(Text, C.Want) << C.MaxWidth;
    EXPECT_EQ(TextW, C.Want) << C.MaxWidth;
  }
  String Wide = "日本語です";
  ShortenText(Canvas(), Wide, 5 * A - 1);
  EXPECT_EQ(Wide, "日...") << "characters, not bytes, are taken off";
}

TEST_F(skGlyphTextTest, CaptionsStartingWithWGetTwoMorePixels) {
  DrawCenteredCaption(Canvas(), "wide", TRect { 0, 0, 40, 20 });
  const TRect Lower = BoxOf(clBlack);
  Clear();
  DrawCenteredCaption(Canvas(), "Wide", TRect { 0, 0, 40, 20 });
  EXPECT_EQ(BoxOf(clBlack).Left, Lower.Left + 1) << "centred in a rectangle two pixels wider";

  Clear();
  DrawLeftText(Canvas(), "Wide", TRect { 5, 0, 40, 20 });
  EXPECT_EQ(BoxOf(clBlack).Left, 5);

  Clear();
  DrawAlignedText(Canvas(), "ab", TRect { 0, 0, 40, 20 }, taRightJustify);
  EXPECT_EQ(BoxOf(clBlack).Right, 40 - 1) << "the last glyph box is one column narrower than its advance";
  const auto Before = Snapshot();
  DrawLeftCaption(Canvas(), "", TRect { 0, 0, 40, 20 });
  DrawWrappedText(Canvas(), "", TRect { 0, 0, 40, 20 }, true);
  DrawClippedText(Canvas(), "", TRect { 0, 0, 40, 20 });
  EXPECT_EQ(Snapshot(), Before) << "empty texts draw nothing";
}

TEST_F(skGlyphTextTest, OverlongWordsAreBrokenOrCutAndTheFollowingWordsKept) {
  const int A = Canvas()->TextWidth("a");
  const TRect R { 0, 0, 5 * A, 40 };
  // What DrawWrappedText must draw, drawn directly for comparison.
  const auto Reference = [&](const char* Text) {
    Clear();
    TRect Area = R;
    DrawTextW(Canvas()->Handle(), Text, Area, DT_WORDBREAK | DT_CENTER);
    return Snapshot();
  };
  const auto Wrapped = [&](const char* Text, bool BreakWords) {
    Clear();
    DrawWrappedText(Canvas(), Text, R, BreakWords);
    return Snapshot();
  };
  // The cut word keeps its own blank after the dots, and the blank that ended it follows.
  EXPECT_EQ(Wrapped("abcdefgh ij", false), Reference("ab...  ij"));
  EXPECT_EQ(Wrapped("abcdefgh ij", true), Reference("abcde fgh ij"));
  EXPECT_EQ(Wrapped("ab cd", false), Reference("ab cd"));
}

TEST_F(skGlyphTextTest, ClippedTextStartsTwoPixelsInAndStaysInside) {
  Canvas()->Brush()->SetStyle(bsClear);
  DrawClippedText(Canvas(), "abcdefghijkl", TRect { 10, 4, 27, 24 });
  const TRect Box = BoxOf(clBlack);
  EXPECT_EQ(Box.Left, 12);
  EXPECT_EQ(Box.Right, 27) << "the third glyph is cut at the right edge";
  EXPECT_EQ(Box.Top, 14 - Canvas()->TextHeight("abc") / 2) << "the test face's boxes start at the cell's top";
  Clear();
  Canvas()->Font()->SetHeight(-11);
  Canvas()->Brush()->SetStyle(bsClear);
  DrawClippedText(Canvas(), "abc", TRect { 10, 4, 30, 24 });
  EXPECT_EQ(BoxOf(clBlack).Top, 14 - Canvas()->TextHeight("abc") / 2 - 1) << "an odd font height goes one up";
  Clear();
  Canvas()->Brush()->SetStyle(bsClear);
  DrawClippedTextIndent(Canvas(), "abc", TRect { 10, 4, 50, 24 }, 5);
  EXPECT_EQ(BoxOf(clBlack).Left, 17);
}

TEST_F(skGlyphTextTest, ImageFacesPlaceTheListImageAndTheCaptionByLayout) {
  TImageList Images(nullptr, 8, 6);
  MakeImages(Images);
  const int A = Canvas()->TextWidth("a");
  struct Case {
    TskButtonLayout Layout;
    TRect Image;
    int TextLeft;  // where the caption's ink starts: one pixel into its rectangle
  };
  // R = (0, 0, 60, 40), margin 3, spacing 2, caption "ab" (2A wide).
  const Case Cases[] {
    { blGlyphLeft, { 3, 17, 11, 23 }, 3 + 8 + 2 + 1 },
    { blGlyphRight, { 49, 17, 57, 23 }, 49 - 2 - 2 * A + 1 },
    { blGlyphTop, { 26, 3, 34, 9 }, 30 - A + 1 },
    { blGlyphBottom, { 26, 31, 34, 37 }, 30 - A + 1 },
  };
  for (const Case& C : Cases) {
    Clear();
    DrawImageAndText(Canvas(), TRect { 0, 0, 60, 40 }, 3, 2, C.Layout, "ab", 0, &Images, false, true, false, clPurple);
    EXPECT_EQ(BoxOf(clRed), C.Image) << "layout " << C.Layout;
    EXPECT_EQ(BoxOf(clBlack).Left, C.TextLeft) << "layout " << C.Layout;
  }

  Clear();
  DrawImageAndText(Canvas(), TRect { 0, 0, 60, 40 }, 3, 2, blGlyphLeft, "", 0, &Images, false, true, true, clPurple);
  EXPECT_EQ(BoxOf(clPurple), (TRect { 3, 21, 11, 24 })) << "the image's last two rows and the row below";
  Clear();
  DrawImageAndText(Canvas(), TRect { 0, 0, 60, 40 }, 3, 2, blGlyphLeft, "", 0, &Images, true, false, false, clPurple);
  EXPECT_EQ(BoxOf(clRed).Right, -1) << "a disabled face greys its image";
  int Drawn = 0;
  for (int Y = 18; Y < 24; ++Y)
    for (int X = 4; X < 12; ++X) Drawn += Canvas()->Pixels(X, Y) != clWhite;
  EXPECT_GT(Drawn, 0) << "but still draws it, moved down";
}

TEST_F(skGlyphTextTest, ImageFacesWithoutAUsableImageShowTheCaptionAloneAndKeepTheirBar) {
  TImageList Images(nullptr, 8, 6);
  MakeImages(Images);
  const TRect R { 0, 0, 60, 40 };
  DrawImageAndText(Canvas(), R, -1, 2, blGlyphLeft, "ab", 0, nullptr, false, true, false, clPurple);
  const auto Alone = Snapshot();
  for (int Index : { -1, 1 }) {
    Clear();
    DrawImageAndText(Canvas(), R, -1, 2, blGlyphLeft, "ab", Index, &Images, false, true, false, clPurple);
    EXPECT_EQ(Snapshot(), Alone) << "index " << Index;
  }

  Clear();
  DrawImageAndText(Canvas(), R, -1, 2, blGlyphLeft, "ab", 0, &Images, false, true, false, clPurple);
  const TRect Image = BoxOf(clRed), Text = BoxOf(clBlack);
  Clear();
  DrawImageAndText(Canvas(), R, -1, 2, blGlyphLeft, "ab", 0, &Images, true, true, false, clPurple);
  EXPECT_EQ(BoxOf(clRed), (TRect { Image.Left + 1, Image.Top + 1, Image.Right + 1, Image.Bottom + 1 }));
  EXPECT_EQ(BoxOf(clBlack), (TRect { Text.Left + 1, Text.Top + 1, Text.Right + 1, Text.Bottom + 1 }));

  for (bool Down : { false, true }) {
    Clear();
    DrawImageAndText(Canvas(), TRect { 0, 0, 30, 20 }, -1, 2, blGlyphLeft, "", 0, nullptr, Down, true, true, clPurple);
    EXPECT_EQ(BoxOf(clPurple), (TRect { 4, 4, 28, 16 })) << "down " << Down;
  }
}

TEST_F(skGlyphTextTest, TheLeftImageFaceAlignsTheCaptionLinesLeft) {
  const int A = Canvas()->TextWidth("a");
  const TRect R { 0, 0, 5 * A, 40 };
  // "a abcd" breaks into "a" over "abcd", two lines centred on R's middle row, where the second starts.
  const int SecondLine = 20;
  const auto LineLefts = [&](bool LeftAligned) {
    Clear();
    (LeftAligned ? DrawImageAndTextLeft : DrawImageAndText)(Canvas(), R, -1, 0, blGlyphTop, "a abcd", 0, nullptr,
                                                             false, true, false, clPurple);
    return std::pair { BoxOf(clBlack, TRect { 0, 0, 60, SecondLine }).Left,
                       BoxOf(clBlack, TRect { 0, SecondLine, 60, 40 }).Left };
  };
  const auto Centred = LineLefts(false), Left = LineLefts(true);
  EXPECT_EQ(Left.first, Left.second);
  EXPECT_EQ(Centred.second, Left.second + 1) << "the widest line centred in a rectangle two pixels wider";
  EXPECT_GT(Centred.first, Centred.second + A);
}
