// The small painters and caption glyphs, pixel by pixel at their reference sizes, and the colour
// helpers and the PNG copy.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TPngImage.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/skCaptionGlyphs.h"
#include "skin/core/skColorMix.h"
#include "skin/core/skPainters.h"
#include "skin/core/skPngBitmap.h"

namespace {

using TArt = std::vector<std::string>;

// Paints on a white W x H bitmap and returns it as rows of '#' (black), 'o' (the second colour, red) and
// '.' (white).
TArt Paint(int W, int H, const std::function<void(TCanvas*)>& Painter) {
  TBitmap B;
  B.SetPixelFormat(pf32bit);
  B.SetSize(W, H);
  Painter(B.Canvas());
  TArt Rows;
  for (int Y = 0; Y < H; ++Y) {
    std::string Row;
    for (int X = 0; X < W; ++X) {
      const TColor C = B.Canvas()->Pixels(X, Y);
      Row += C == clBlack ? '#' : C == clRed ? 'o' : C == clWhite ? '.' : '?';
    }
    Rows.push_back(Row);
  }
  return Rows;
}

::testing::AssertionResult SameArt(const TArt& Got, const TArt& Want) {
  if (Got == Want)
    return ::testing::AssertionSuccess();
  auto Failure = ::testing::AssertionFailure() << "\n  got            want\n";
  for (size_t I = 0; I < Got.size(); ++I)
    Failure << "  " << Got[I] << "  " << (I < Want.size() ? Want[I] : "") << "\n";
  return Failure;
}

}  // namespace

TEST(skPaintersTest, ArrowsAtTheirReferenceSize) {
  struct Case {
    const char* Name;
    std::function<void(TCanvas*)> Painter;
    TArt Art;
  };
  const TRect R { 0, 0, 10, 10 };
  const Case Cases[] {
    { "left", [&](TCanvas* C) { DrawArrow(C, R, clBlack, 1); },
      { "..........", "..........", "......#...", ".....##...", "....###...", "...####...", "....###...", ".....##...",
        "......#...", ".........." } },
    { "right", [&](TCanvas* C) { DrawArrow(C, R, clBlack, 2); },
      { "..........", "..........", "....#.....", "....##....", "....###...", "....####..", "....###...", "....##....",
        "....#.....", ".........." } },
    { "up", [&](TCanvas* C) { DrawArrow(C, R, clBlack, 3); },
      { "..........", "..........", "..........", ".....#....", "....###...", "...#####..", "..#######.", "..........",
        "..........", ".........." } },
    { "down", [&](TCanvas* C) { DrawArrow(C, R, clBlack, 4); },
      { "..........", "..........", "..........", "..........", "..#######.", "...#####..", "....###...", ".....#....",
        "..........", ".........." } },
    { "plus", [&](TCanvas* C) { DrawArrow(C, R, clBlack, 5); },
      { "..........", "....##....", "....##....", "....##....", ".########.", ".########.", "....##....", "....##....",
        "....##....", ".........." } },
    { "unknown kind", [&](TCanvas* C) { DrawArrow(C, R, clBlack, 6); },
      { "..........", "..........", "..........", "..........", "..........", "..........", "..........", "..........",
        "..........", ".........." } },
    { "drop-down", [&](TCanvas* C) { DrawDropDownArrow(C, R, clBlack); },
      { "..........", "..........", "..........", "..........", "..........", "...#####..", "....###...", ".....#....",
        "..........", ".........." } },
  };
  for (const Case& C : Cases) EXPECT_TRUE(SameArt(Paint(10, 10, C.Painter), C.Art)) << C.Name;

  EXPECT_TRUE(SameArt(Paint(15, 12, [](TCanvas* C) { DrawBigArrow(C, TRect { 0, 0, 15, 15 }, clBlack, 4); }),
                      { "...............", "...............", "...............", "...............", "..###########..",
                        "...#########...", "....#######....", ".....#####.....", "......###......", ".......#.......",
                        "...............", "..............." }));
  const TArt BigLeft = Paint(9, 13, [](TCanvas* C) { DrawBigArrow(C, TRect { 0, 0, 10, 12 }, clBlack, 1); });
  EXPECT_EQ(BigLeft[6], "...######");
  EXPECT_EQ(BigLeft[1], "........#");
}

TEST(skPaintersTest, MarksAndFrames) {
  EXPECT_TRUE(SameArt(Paint(10, 10, [](TCanvas* C) { DrawCheckMark(C, 1, 1, clBlack); }),
                      { "..........", "..........", ".......#..", "......##..", ".#...###..", ".##.###...", ".#####....",
                        "..###.....", "...#......", ".........." }));
  EXPECT_TRUE(SameArt(Paint(8, 8, [](TCanvas* C) { DrawRadioDot(C, 1, 1, clBlack); }),
                      { "........", ".######.", ".######.", ".######.", ".######.", ".######.", ".######.", "........" }));
  EXPECT_TRUE(SameArt(Paint(7, 6, [](TCanvas* C) { DrawBevelFrame(C, TRect { 1, 1, 6, 5 }, clBlack, clRed); }),
                      { ".......", ".####o.", ".#...o.", ".#...o.", ".ooooo.", "......." }));

  const auto Dots = [](TRect R) {
    return [R](TCanvas* C) {
      C->Font()->SetColor(clBlack);
      DrawDotFrame(C, R);
    };
  };
  EXPECT_TRUE(SameArt(Paint(5, 5, Dots({ 0, 0, 4, 4 })), { "#.#..", "...#.", "#....", ".#.#.", "....." }));
  EXPECT_TRUE(SameArt(Paint(4, 4, Dots({ 0, 0, 3, 3 })), { ".#..", "#.#.", ".#..", "...." }));
  EXPECT_TRUE(SameArt(Paint(7, 4, Dots({ 1, 0, 7, 3 })), { ".#.#.#.", "......#", ".#.#.#.", "......." }));
}

TEST(skPaintersTest, CaptionGlyphs) {
  struct Case {
    const char* Name;
    void (*Painter)(TCanvas*, int, int, TColor);
    TArt Art;
  };
  const Case Cases[] {
    { "close", DrawCloseGlyph,
      { ".............", ".............", "..##.....##..", "...##...##...", "....##.##....", ".....###.....",
        ".....###.....", "....##.##....", "...##...##...", "..##.....##..", ".............", "............." } },
    { "system menu", DrawSysMenuGlyph,
      { ".............", ".............", ".............", ".............", "...######....", ".............",
        "...######....", ".............", ".............", ".............", ".............", "............." } },
    { "minimize", DrawMinimizeGlyph,
      { ".............", ".............", ".............", ".............", ".............", ".............",
        ".............", ".............", ".............", "..########...", "..########...", "............." } },
    { "maximize", DrawMaximizeGlyph,
      { ".............", ".###########.", ".###########.", ".#.........#.", ".#.........#.", ".#.........#.",
        ".#.........#.", ".#.........#.", ".#.........#.", ".#.........#.", ".###########.", "............." } },
    { "restore", DrawRestoreGlyph,
      { ".............", "...########..", "...########..", "...#......#..", "...#......#..", ".#######..#..",
        ".##########..", ".#.....#.....", ".#.....#.....", ".#.....#.....", ".#######.....", "............." } },
    { "roll down", DrawRollDownGlyph,
      { ".............", ".............", ".............", ".............", "...#######...", "....#####....",
        ".....###.....", "......#......", ".............", ".............", ".............", "............." } },
    { "roll up", DrawRollUpGlyph,
      { ".............", ".............", ".............", "......#......", ".....###.....", "....#####....",
        "...#######...", ".............", ".............", ".............", ".............", "............." } },
    { "minimize to tray", DrawMinimizeToTrayGlyph,
      { ".............", ".............", ".............", "...#####.....", "...#####.....", "...#####.....",
        "...#####.....", "...#####.....", ".............", ".............", ".............", "............." } },
  };
  for (const Case& C : Cases)
    EXPECT_TRUE(SameArt(Paint(13, 12, [&](TCanvas* Canvas) { C.Painter(Canvas, 1, 1, clBlack); }), C.Art)) << C.Name;
}

TEST(skPaintersTest, ColourHelpersResolveSystemColours) {
  EXPECT_EQ(MixColors(clBlack, clWhite), RGB(127, 127, 127));
  EXPECT_EQ(MixColors(RGB(10, 21, 200), RGB(20, 0, 101)), RGB(15, 10, 150));
  EXPECT_EQ(MixColors(clBtnFace, clBtnFace), ColorToRGB(clBtnFace));
  EXPECT_EQ(DarkenColor(clBtnFace, 0), ColorToRGB(clBtnFace));
  EXPECT_EQ(DarkenColor(RGB(200, 101, 3), 100), clBlack);
  EXPECT_EQ(DarkenColor(RGB(200, 101, 3), 25), RGB(150, 76, 2)) << "MulDiv rounds 25.25 to 25 and 0.75 to 1";
}

TEST(skPaintersTest, PngPicturesCopyTheirAlpha) {
  TBitmap Source;
  Source.SetPixelFormat(pf24bit);
  Source.SetSize(2, 1);
  Source.Canvas()->SetPixels(0, 0, RGB(10, 20, 30));
  TPngImage Png;
  Png.Assign(&Source);
  TskBitmap B;
  AssignPngToBitmap(&B, &Png);
  EXPECT_EQ(*B.PixelPtr(0, 0), 0xFF0A141Eu);
  EXPECT_FALSE(B.AlphaBlend()) << "a picture without alpha is opaque";

  Png.CreateAlpha();
  Png.AlphaScanline(0)[1] = 0x40;
  AssignPngToBitmap(&B, &Png);
  EXPECT_EQ(*B.PixelPtr(1, 0), 0x40FFFFFFu);
  EXPECT_TRUE(B.AlphaBlend());
}
