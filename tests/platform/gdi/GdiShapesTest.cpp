// Pixel geometry of lines and shapes.
#include <gtest/gtest.h>

#include "GdiTestCanvas.h"

TEST(GdiShapesTest, LineToLeavesOutItsEndPoint) {
  GdiTestCanvas C(6, 6);
  MoveToEx(C.DC, 1, 1, nullptr);
  LineTo(C.DC, 4, 1);
  LineTo(C.DC, 4, 4);
  LineTo(C.DC, 1, 1);
  TPoint P;
  GetCurrentPositionEx(C.DC, &P);
  EXPECT_EQ(P, TPoint({ 1, 1 }));
  EXPECT_EQ(C.Picture(),
            "......\n"
            ".####.\n"
            "..#.#.\n"
            "...##.\n"
            "....#.\n"
            "......\n");
}

TEST(GdiShapesTest, PolylineLeavesOutItsLastPointOnly) {
  GdiTestCanvas C(5, 5);
  const TPoint Points[] = { { 0, 0 }, { 3, 0 }, { 3, 3 } };
  Polyline(C.DC, Points, 3);
  EXPECT_EQ(C.Picture(),
            "####.\n"
            "...#.\n"
            "...#.\n"
            ".....\n"
            ".....\n");
}

TEST(GdiShapesTest, FillRectAndFrameRectExcludeRightAndBottom) {
  GdiTestCanvas C(6, 5);
  HBRUSH Black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  FillRect(C.DC, { 0, 0, 2, 2 }, Black);
  FrameRect(C.DC, { 2, 1, 6, 5 }, Black);
  EXPECT_EQ(C.Picture(),
            "##....\n"
            "######\n"
            "..#..#\n"
            "..#..#\n"
            "..####\n");
}

TEST(GdiShapesTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  GdiTestCanvas C(6, 5);
  HBRUSH Red = CreateSolidBrush(clRed);
  SelectObject(C.DC, Red);
  Rectangle(C.DC, 0, 0, 5, 4);
  EXPECT_EQ(C.Picture(),
            "#####.\n"
            "#...#.\n"
            "#...#.\n"
            "#####.\n"
            "......\n");
  EXPECT_EQ(C.At(1, 1), clRed);
  EXPECT_EQ(C.At(3, 2), clRed);

  // With the null pen the filled area loses its last column and row.
  C.Fill(clWhite);
  SelectObject(C.DC, GetStockObject(NULL_PEN));
  Rectangle(C.DC, 0, 0, 5, 4);
  EXPECT_EQ(C.Picture(clRed),
            "####..\n"
            "####..\n"
            "####..\n"
            "......\n"
            "......\n");
  SelectObject(C.DC, GetStockObject(WHITE_BRUSH));
  DeleteObject(Red);
}

TEST(GdiShapesTest, EllipseStaysInsideItsBoxAndTouchesEverySide) {
  GdiTestCanvas C(8, 8);
  SelectObject(C.DC, GetStockObject(NULL_BRUSH));
  Ellipse(C.DC, 1, 1, 7, 7);  // the 6 x 6 radio mark
  EXPECT_EQ(C.Picture(),
            "........\n"
            "..####..\n"
            ".#....#.\n"
            ".#....#.\n"
            ".#....#.\n"
            ".#....#.\n"
            "..####..\n"
            "........\n");
}

TEST(GdiShapesTest, PolygonFillsInsideAndOutlinesEveryVertex) {
  GdiTestCanvas C(7, 5);
  HBRUSH Red = CreateSolidBrush(clRed);
  SelectObject(C.DC, Red);
  const TPoint Arrow[] = { { 0, 0 }, { 6, 0 }, { 3, 3 } };
  Polygon(C.DC, Arrow, 3);
  EXPECT_EQ(C.Picture(),
            "#######\n"
            ".#...#.\n"
            "..#.#..\n"
            "...#...\n"
            ".......\n");
  EXPECT_EQ(C.At(3, 1), clRed);
  SelectObject(C.DC, GetStockObject(WHITE_BRUSH));
  DeleteObject(Red);
}

TEST(GdiShapesTest, PixelsReadAndWriteThroughTheClip) {
  GdiTestCanvas C(4, 4);
  IntersectClipRect(C.DC, 0, 0, 2, 2);
  EXPECT_EQ(SetPixel(C.DC, 1, 1, clBtnShadow), RGB(128, 128, 128));
  EXPECT_EQ(GetPixel(C.DC, 1, 1), RGB(128, 128, 128));
  EXPECT_EQ(SetPixel(C.DC, 3, 3, clBlack), CLR_INVALID);
  EXPECT_EQ(GetPixel(C.DC, 3, 3), CLR_INVALID);
  EXPECT_EQ(C.At(3, 3), clWhite);
}

TEST(GdiShapesTest, FocusRectDrawnTwiceRestoresThePixels) {
  GdiTestCanvas C(7, 6, RGB(10, 200, 30));
  C.Bitmap->Pixels().SetPixel(3, 0, 0x80FF00FF);
  DrawFocusRect(C.DC, { 1, 0, 6, 5 });
  EXPECT_NE(C.At(1, 0), RGB(10, 200, 30));  // dotted: every other pixel inverted
  EXPECT_EQ(C.At(2, 0), RGB(10, 200, 30));
  EXPECT_EQ(C.At(3, 2), RGB(10, 200, 30));  // inside untouched
  DrawFocusRect(C.DC, { 1, 0, 6, 5 });
  for (int Y = 0; Y < 6; ++Y)
    for (int X = 0; X < 7; ++X)
      if (X != 3 || Y != 0) {
        EXPECT_EQ(C.At(X, Y), RGB(10, 200, 30)) << X << "," << Y;
      }
  EXPECT_EQ(C.Bitmap->Pixels().Pixel(3, 0), 0x80FF00FFu);  // alpha kept
}

TEST(GdiShapesTest, DrawEdgePaintsTopLeftThenBottomRightBands) {
  GdiTestCanvas C(5, 5);
  TRect R { 0, 0, 5, 5 };
  DrawEdge(C.DC, R, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_MIDDLE);
  EXPECT_EQ(R, TRect({ 2, 2, 3, 3 }));
  EXPECT_EQ(C.At(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(C.At(4, 0), ColorToRGB(clBtnHighlight));  // the right line covers the corner
  EXPECT_EQ(C.At(4, 4), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(C.At(1, 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(C.At(3, 3), ColorToRGB(cl3DLight));
  EXPECT_EQ(C.At(2, 2), ColorToRGB(clBtnFace));
}

TEST(GdiShapesTest, LongLinesAreDrawnWhereTheyCrossTheClip) {
  // Six hundred million pixels long; only the part over the bitmap is stepped through.
  GdiTestCanvas C(6, 3);
  MoveToEx(C.DC, -300000000, 0, nullptr);
  LineTo(C.DC, 300000000, 2);
  MoveToEx(C.DC, 5, -300000000, nullptr);
  LineTo(C.DC, 5, 300000000);
  EXPECT_EQ(C.Picture(),
            ".....#\n"
            "######\n"
            ".....#\n");
}
