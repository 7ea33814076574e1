// The working bitmap: sizing and the device-context registry, alpha checks and adjustments, drawing,
// tiling and merging, blurring and alpha from masks, and conversions with the toolkit's pictures.
#include <gtest/gtest.h>

#include <functional>

#include "platform/base/Exception.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/TskBitmap.h"

namespace {

using TPixelAt = std::function<TskColor(int X, int Y)>;

void Fill(TskBitmap& B, int W, int H, const TPixelAt& At) {
  B.SetSize(W, H);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      *B.PixelPtr(X, Y) = At(X, Y);
}

// An opaque pixel that names its own coordinates: red = x, green = y.
TskColor Coordinate(int X, int Y) { return 0xFF000000u | TskColor(X) << 16 | TskColor(Y) << 8 | 0x40; }

int RedOf(TskColor P) { return int(P >> 16 & 0xFF); }

// A memory DC over a 32-bit bitmap of one colour.
struct ForeignDC {
  ForeignDC(int W, int H, TskColor Color) : DC(CreateCompatibleDC(nullptr)), Bitmap(CreateCompatibleBitmap(DC, W, H)) {
    SelectObject(DC, Bitmap);
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X)
        Bitmap->Pixels().SetPixel(X, Y, Color);
  }
  ~ForeignDC() {
    DeleteDC(DC);
    DeleteObject(Bitmap);
  }
  TskColor At(int X, int Y) const { return Bitmap->Pixels().Pixel(X, Y); }
  HDC DC;
  HBITMAP Bitmap;
};

}  // namespace

TEST(TskBitmapTest, SizeTakesAbsoluteValuesAndIgnoresZeroSides) {
  TskBitmap B;
  EXPECT_TRUE(B.Empty());
  B.SetSize(-10, 5);
  EXPECT_FALSE(B.Empty());
  EXPECT_EQ(B.Width(), 10);
  EXPECT_EQ(B.Height(), 5);
  *B.PixelPtr(3, 2) = 0x12345678;
  B.SetSize(0, 5);
  B.SetSize(10, 5);
  EXPECT_EQ(B.Width(), 10);
  EXPECT_EQ(*B.PixelPtr(3, 2), 0x12345678u) << "the same size keeps the pixels";
}

TEST(TskBitmapTest, RegistryKnowsEachBitmapByItsCurrentContextAndForgetsItWhenDestroyed) {
  HDC Last = nullptr;
  {
    TskBitmap B;
    for (int Side : { 4, 7, 3 }) {
      B.SetSize(Side, Side);
      EXPECT_EQ(TskBitmap::FromDC(B.DC()), &B);
    }
    Last = B.DC();
  }
  EXPECT_EQ(TskBitmap::FromDC(Last), nullptr);
  EXPECT_EQ(TskBitmap::FromDC(nullptr), nullptr);
}

TEST(TskBitmapTest, RefusedSizeRaisesAndLeavesAnEmptyBitmapOfNoSize) {
  TskBitmap B;
  B.SetSize(8, 8);
  B.Canvas();
  try {
    B.SetSize(100000, 100000);
    FAIL() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message, "Can't allocate the DIB handle");
  }
  EXPECT_TRUE(B.Empty());
  EXPECT_EQ(B.Width(), 0);
  EXPECT_EQ(B.Height(), 0);
  EXPECT_EQ(B.Bits(), nullptr);
  B.Clear(0xFFFFFFFF);
  B.SetSize(8, 8);
  EXPECT_FALSE(B.Empty()) << "a later size works again";
}

TEST(TskBitmapTest, CanvasFollowsTheBitmapAcrossResizes) {
  TskBitmap B;
  B.SetSize(4, 4);
  TCanvas* C = B.Canvas();
  B.SetSize(6, 3);
  B.Clear(0xFF000000);
  C->Brush()->SetColor(RGB(255, 0, 0));
  C->FillRect(TRect { 4, 1, 6, 3 });
  EXPECT_EQ(*B.PixelPtr(5, 2), 0xFFFF0000u);
  EXPECT_EQ(*B.PixelPtr(3, 2), 0xFF000000u);
}

TEST(TskBitmapTest, ItsOwnTextCallsDrawAndMeasureNothing) {
  TskBitmap B;
  B.SetSize(8, 8);
  B.Clear(0x11223344);
  EXPECT_EQ(B.DrawText("Wide", TRect { 0, 0, 8, 8 }, 0), 0);
  EXPECT_EQ(B.TextWidth("Wide", 0), 0);
  for (int I = 0; I < 64; ++I) ASSERT_EQ(B.Bits()[I], 0x11223344u);
}

TEST(TskBitmapTest, PixelSetterIgnoresPlacesOutside) {
  TskBitmap B;
  B.SetPixel(0, 0, 1);  // no pixels at all
  B.SetSize(3, 2);
  B.Clear(0);
  B.SetPixel(3, 0, 0xFFFFFFFF);
  B.SetPixel(0, 2, 0xFFFFFFFF);
  B.SetPixel(-1, 0, 0xFFFFFFFF);
  B.SetPixel(2, 1, 0xFFFFFFFF);
  int Set = 0;
  for (int I = 0; I < 6; ++I) Set += B.Bits()[I] != 0;
  EXPECT_EQ(Set, 1);
}

TEST(TskBitmapTest, ChannelChecksAndKeying) {
  TskBitmap B;
  Fill(B, 1, 1, [](int, int) { return 0x80FF8040u; });
  B.CheckRGBA();
  EXPECT_EQ(*B.PixelPtr(0, 0), 0x80808040u);
  *B.PixelPtr(0, 0) = 0x80FF8040u;
  B.CheckRGBA2();
  EXPECT_EQ(*B.PixelPtr(0, 0), 0x80804020u);

  // Keying accepts 5 either way on each channel (red, green, blue of the pixel value).
  const TskColor Pixels[] { 0xFF82027C, 0xFF85007F, 0xFF7A057A };
  Fill(B, 3, 1, [&](int X, int) { return Pixels[X]; });
  B.CheckingTransparent(TransparentKeyColor);
  EXPECT_TRUE(B.Transparent());
  EXPECT_EQ(*B.PixelPtr(0, 0), TransparentKeyColor);
  EXPECT_EQ(*B.PixelPtr(1, 0), 0xFF85007Fu);
  EXPECT_EQ(*B.PixelPtr(2, 0), TransparentKeyColor);
  Fill(B, 1, 1, [](int, int) { return 0xFF000000u; });
  B.CheckingTransparent(TransparentKeyColor);
  EXPECT_FALSE(B.Transparent());
}

TEST(TskBitmapTest, AlphaBlendIsNeededOnlyForPartialAlpha) {
  TskBitmap B;
  B.SetAlphaBlend(true);
  B.CheckingAlphaBlend();
  EXPECT_FALSE(B.AlphaBlend()) << "empty";
  Fill(B, 2, 2, [](int X, int) { return X ? 0xFF102030u : 0x00102030u; });
  B.CheckingAlphaBlend();
  EXPECT_FALSE(B.AlphaBlend());
  *B.PixelPtr(1, 1) = 0x80102030u;
  B.CheckingAlphaBlend(TRect { 0, 0, 1, 1 });
  EXPECT_TRUE(B.AlphaBlend()) << "the rectangle does not limit the search";
}

TEST(TskBitmapTest, AlphaAndFillsStayInside) {
  TskBitmap B;
  Fill(B, 4, 3, [](int, int) { return 0xFF102030u; });
  B.SetAlpha(7, TRect { -2, 1, 2, 9 });
  B.SetAlpha(9, TRect { 1, 0, 1, 3 });  // no width
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 4; ++X)
      EXPECT_EQ(*B.PixelPtr(X, Y) >> 24, X < 2 && Y >= 1 ? 7u : 255u) << X << "," << Y;

  Fill(B, 4, 3, [](int, int) { return 0xFF102030u; });
  B.FillRect(TRect { 4, 0, 9, 3 }, 0xFFFFFFFF);
  B.SetAlphaBlend(true);
  B.FillRect(TRect { 0, 0, 4, 3 }, 0x00FFFFFF);
  for (int I = 0; I < 12; ++I) EXPECT_EQ(B.Bits()[I], 0xFF102030u);
  B.FillRect(TRect { 1, 1, 2, 2 }, 0x80FFFFFF);
  EXPECT_EQ(*B.PixelPtr(1, 1), BlendPixel(0x80FFFFFF, 0xFF102030));
  B.SetAlphaBlend(false);
  B.FillRect(TRect { -5, -5, 1, 1 }, 0x11223344);
  EXPECT_EQ(*B.PixelPtr(0, 0), 0x11223344u);
  EXPECT_EQ(*B.PixelPtr(1, 0), 0xFF102030u);
}

TEST(TskBitmapTest, ScaledDrawMapsEndsOntoEndsAndRoundsHalvesToEven) {
  TskBitmap Src, Dst;
  Fill(Src, 10, 10, Coordinate);
  Dst.SetSize(20, 20);
  Src.Draw(&Dst, TRect { 0, 0, 20, 20 });
  const int Expected[][2] { { 0, 0 }, { 1, 0 }, { 2, 1 }, { 19, 9 } };
  for (const auto& [X, S] : Expected) {
    EXPECT_EQ(RedOf(*Dst.PixelPtr(X, 0)), S) << "column " << X;
    EXPECT_EQ(*Dst.PixelPtr(0, X) >> 8 & 0xFF, TskColor(S)) << "row " << X;
  }

  Dst.Clear(0);
  Src.Draw(&Dst, TRect { 3, 0, 4, 20 }, TRect { 2, 0, 9, 10 });
  EXPECT_EQ(RedOf(*Dst.PixelPtr(3, 5)), 5) << "a one-pixel column takes the middle one";

  Dst.Clear(0);
  Src.Draw(&Dst, TRect { 0, 0, 11, 10 }, TRect { 0, 0, 11, 10 });
  Src.Draw(&Dst, TRect { 0, 0, 10, 10 }, TRect { 0, 0, 0, 10 });
  for (int I = 0; I < 400; ++I) ASSERT_EQ(Dst.Bits()[I], 0u) << "a source beyond the bitmap draws nothing";
}

TEST(TskBitmapTest, DrawModesIntoAWorkingBitmap) {
  TskBitmap Src, Dst;
  Fill(Src, 2, 1, [](int X, int) { return X ? 0x12345678u : TransparentKeyColor; });
  Fill(Dst, 3, 1, [](int, int) { return 0x11111111u; });
  Src.SetTransparent(true);
  Src.Draw(&Dst, 1, 0);
  EXPECT_EQ(*Dst.PixelPtr(0, 0), 0x11111111u);
  EXPECT_EQ(*Dst.PixelPtr(1, 0), 0x11111111u) << "the key leaves the target";
  EXPECT_EQ(*Dst.PixelPtr(2, 0), 0xFF345678u) << "other pixels become opaque";

  Fill(Src, 3, 1, [](int X, int) { return X == 0 ? 0x00FF0000u : X == 1 ? 0xFFFF0000u : 0x80FF0000u; });
  Fill(Dst, 3, 1, [](int, int) { return 0xFF0000FFu; });
  Src.SetAlphaBlend(true);  // wins over the transparent flag
  Src.Draw(&Dst, -1, 0, TRect { 0, 0, 3, 1 });
  EXPECT_EQ(*Dst.PixelPtr(0, 0), 0xFFFF0000u);
  EXPECT_EQ(*Dst.PixelPtr(1, 0), 0xBF7F007Fu);
  EXPECT_EQ(*Dst.PixelPtr(2, 0), 0xFF0000FFu);
}

TEST(TskBitmapTest, DrawingOntoTheContextOfAWorkingBitmapWritesItsPixelsThroughTheWindowOrigin) {
  TskBitmap Src, Dst;
  Fill(Src, 2, 2, [](int, int) { return 0x80FFFFFFu; });
  Src.SetAlphaBlend(true);
  Fill(Dst, 10, 10, [](int, int) { return 0x00000000u; });
  SetWindowOrgEx(Dst.DC(), 5, 5, nullptr);
  Src.Draw(Dst.DC(), 6, 6);
  EXPECT_EQ(*Dst.PixelPtr(1, 1), 0x407F7F7Fu);
  EXPECT_EQ(*Dst.PixelPtr(2, 2), 0x407F7F7Fu);
  EXPECT_EQ(*Dst.PixelPtr(6, 6), 0u);
  EXPECT_EQ(*Dst.PixelPtr(3, 3), 0u);
}

TEST(TskBitmapTest, DrawModesOntoAForeignContext) {
  ForeignDC Target(4, 1, 0xFF0000FF);
  TskBitmap Src;
  Fill(Src, 2, 1, [](int X, int) { return X ? 0x80FF0000u : TransparentKeyColor; });
  Src.SetAlphaBlend(true);
  Src.Draw(Target.DC, 0, 0);
  EXPECT_EQ(Target.At(0, 0), 0xFF0000FFu);
  EXPECT_EQ(Target.At(1, 0), 0xBF7F007Fu);

  Src.SetAlphaBlend(false);
  Src.SetTransparent(true);
  Src.Draw(Target.DC, 2, 0);
  EXPECT_EQ(Target.At(2, 0), 0xFF0000FFu);
  EXPECT_EQ(Target.At(3, 0) & 0xFFFFFF, 0xFF0000u);

  Src.SetTransparent(false);
  Src.Draw(Target.DC, TRect { 0, 0, 4, 1 }, TRect { 1, 0, 2, 1 });
  for (int X = 0; X < 4; ++X) EXPECT_EQ(Target.At(X, 0), 0x80FF0000u) << "a stretched copy";
}

TEST(TskBitmapTest, TilesRepeatFromTheTopLeftAndAreCutAtTheEdges) {
  TskBitmap Src, Dst;
  Fill(Src, 20, 20, Coordinate);
  Fill(Dst, 44, 24, [](int, int) { return 0u; });
  Src.Tile(&Dst, TRect { 2, 2, 42, 22 }, TRect { 1, 1, 17, 17 });
  for (int Y = 0; Y < 24; ++Y)
    for (int X = 0; X < 44; ++X) {
      const bool Inside = X >= 2 && X < 42 && Y >= 2 && Y < 22;
      const TskColor Want = Inside ? Coordinate(1 + (X - 2) % 16, 1 + (Y - 2) % 16) : 0;
      ASSERT_EQ(*Dst.PixelPtr(X, Y), Want) << X << "," << Y;
    }

  Dst.Clear(0);
  Src.TileClip(Dst.DC(), TRect { 0, 0, 40, 20 }, TRect { 17, 17, 18, 18 }, TRect { 0, 0, 16, 16 });
  EXPECT_EQ(*Dst.PixelPtr(16, 16), Coordinate(0, 0));
  EXPECT_EQ(*Dst.PixelPtr(31, 19), Coordinate(15, 3)) << "the tile meeting the clip is drawn whole";
  EXPECT_EQ(*Dst.PixelPtr(15, 16), 0u);
  EXPECT_EQ(*Dst.PixelPtr(32, 16), 0u);
}

TEST(TskBitmapTest, TransparentTilesOnA32BitBitmapWriteOpaquePixelsAndLeaveTheKeyPixels) {
  // Source pixels of alpha 0 and 128 and one of the key colour, tiled onto a bitmap of zeroes.
  TskBitmap Src;
  Fill(Src, 2, 2, [](int X, int Y) { return X == 1 && Y == 1 ? 0x007F007Fu : (X + Y == 1 ? 0x80112233u : 0x00445566u); });
  Src.SetTransparent(true);
  ForeignDC Target(5, 3, 0);
  Src.Tile(Target.DC, TRect { 0, 0, 4, 3 }, TRect { 0, 0, 2, 2 });
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 5; ++X) {
      const bool Key = X % 2 == 1 && Y % 2 == 1, Outside = X == 4;
      const TskColor Want = Key || Outside ? 0u : 0xFF000000u | (*Src.PixelPtr(X % 2, Y % 2) & 0xFFFFFFu);
      EXPECT_EQ(Target.At(X, Y), Want) << X << "," << Y;
    }
}

TEST(TskBitmapTest, MergeDrawPutsAnImageBehindThePixels) {
  TskBitmap Back, Front;
  Fill(Back, 2, 1, [](int, int) { return 0xFF0000FFu; });
  Fill(Front, 3, 1, [](int X, int) { return X == 0 ? 0x00000000u : X == 1 ? 0xFF00FF00u : 0x80FF0000u; });
  Front.MergeDraw(&Back, 1, 0, TRect { -1, 0, 2, 1 });
  EXPECT_EQ(*Front.PixelPtr(0, 0), 0x00000000u) << "no source pixel there";
  EXPECT_EQ(*Front.PixelPtr(1, 0), 0xFF00FF00u);
  EXPECT_EQ(*Front.PixelPtr(2, 0), BlendPixel(0x80FF0000, 0xFF0000FF));
  Front.SetSize(3, 2);
  Front.Clear(0);
  Front.MergeDraw(&Back, 0, 1, TRect { 0, 0, 2, 1 });
  EXPECT_EQ(*Front.PixelPtr(1, 1), 0xFF0000FFu);
  EXPECT_EQ(*Front.PixelPtr(1, 0), 0u);
}

TEST(TskBitmapTest, StackBlurUsesTriangleWeights) {
  TskBitmap B;
  const int Red[] { 0, 0, 255, 0, 0 };
  Fill(B, 5, 1, [&](int X, int) { return TskColor(Red[X]) << 16; });
  StackBlurBitmap(&B, 1);
  const int Want[] { 0, 63, 127, 63, 0 };
  for (int X = 0; X < 5; ++X) EXPECT_EQ(*B.PixelPtr(X, 0), 0xFF000000u | TskColor(Want[X]) << 16) << X;

  Fill(B, 1, 3, [](int, int Y) { return Y == 1 ? 0x00FFFFFFu : 0u; });
  StackBlurBitmap(&B, 0);
  EXPECT_EQ(*B.PixelPtr(0, 1), 0x00FFFFFFu) << "radius 0 does nothing";
  StackBlurBitmap(&B, 2);
  EXPECT_EQ(*B.PixelPtr(0, 0), 0xFF383838u) << "the edge row repeats: weight 2 of 9 on the bright row";
}

TEST(TskBitmapTest, StackBlurMatchesTheWeightedSumAtAnyRadius) {
  // The weighted sums written out term by term, against the blur's running sums; radii past the picture's
  // size repeat its edges many times over.
  const int W = 23, H = 17;
  uint32_t Seed = 12345;
  const auto Next = [&] { return Seed = Seed * 1103515245u + 12345u; };
  std::vector<TskColor> Source(W * H);
  for (TskColor& P : Source) P = Next() >> 8;
  const auto Channel = [](TskColor P, int C) { return int64_t(P >> (8 * C) & 0xFF); };
  for (const int Radius : { 1, 2, 7, 40 }) {
    SCOPED_TRACE(Radius);
    const int64_t Weights = int64_t(Radius + 1) * (Radius + 1);
    std::vector<int64_t> Pass(W * H * 3);
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X)
        for (int C = 0; C < 3; ++C) {
          int64_t Sum = 0;
          for (int K = -Radius; K <= Radius; ++K) Sum += (Radius + 1 - std::abs(K)) * Channel(Source[Y * W + std::clamp(X + K, 0, W - 1)], C);
          Pass[(Y * W + X) * 3 + C] = Sum / Weights;
        }
    TskBitmap B;
    Fill(B, W, H, [&](int X, int Y) { return Source[Y * W + X]; });
    StackBlurBitmap(&B, Radius);
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X) {
        TskColor Want = 0xFF000000u;
        for (int C = 0; C < 3; ++C) {
          int64_t Sum = 0;
          for (int K = -Radius; K <= Radius; ++K) Sum += (Radius + 1 - std::abs(K)) * Pass[(std::clamp(Y + K, 0, H - 1) * W + X) * 3 + C];
          Want |= TskColor(Sum / Weights) << (8 * C);
        }
        ASSERT_EQ(*B.PixelPtr(X, Y), Want) << X << "," << Y;
      }
  }
}

TEST(TskBitmapTest, AlphaFromMaskTruncatesAndSmallerMasksLeaveTheRestTransparent) {
  TskBitmap B, Mask;
  Fill(B, 3, 2, [](int, int) { return 0xFF804020u; });
  Fill(Mask, 2, 1, [](int, int) { return 0xFF0A1420u; });  // red 10, green 20, blue 32
  SetAlphaFromMask(&B, &Mask);
  EXPECT_EQ(*B.PixelPtr(0, 0), 0x14804020u);
  EXPECT_EQ(*B.PixelPtr(2, 0), 0x00804020u);
  EXPECT_EQ(*B.PixelPtr(0, 1), 0x00804020u);
  Fill(Mask, 3, 2, [](int, int) { return 0xFF808080u; });
  SetPremultipliedAlphaFromMask(&B, &Mask);
  EXPECT_EQ(*B.PixelPtr(1, 1), 0x80402010u);
}

TEST(TskBitmapTest, AssignFromAndToToolkitBitmaps) {
  TBitmap Opaque;
  Opaque.SetPixelFormat(pf24bit);
  Opaque.SetSize(2, 2);
  Opaque.Canvas()->SetPixels(1, 1, RGB(10, 20, 30));
  TskBitmap B;
  B.SetAlphaBlend(true);
  B.Assign(&Opaque);
  EXPECT_EQ(*B.PixelPtr(1, 1), 0xFF0A141Eu);
  EXPECT_EQ(*B.PixelPtr(0, 0), 0xFFFFFFFFu);
  EXPECT_TRUE(B.AlphaBlend()) << "left as it was";

  TBitmap WithAlpha;
  WithAlpha.SetPixelFormat(pf32bit);
  WithAlpha.SetSize(1, 2);
  static_cast<TskColor*>(WithAlpha.ScanLine(0))[0] = 0x80102030;
  static_cast<TskColor*>(WithAlpha.ScanLine(1))[0] = 0xFF102030;
  B.SetAlphaBlend(false);
  B.Assign(&WithAlpha);
  EXPECT_EQ(*B.PixelPtr(0, 0), 0x80102030u);
  EXPECT_TRUE(B.AlphaBlend());

  TskBitmap Copy;
  B.SetName("glyph");
  Copy.Assign(&B);
  EXPECT_EQ(Copy.Name(), "glyph");
  EXPECT_EQ(*Copy.PixelPtr(0, 1), 0xFF102030u);
  EXPECT_TRUE(Copy.AlphaBlend());

  TBitmap Out;
  Copy.SetAlphaBlend(false);
  Out.Assign(&Copy);
  EXPECT_EQ(Out.PixelFormat(), pf32bit);
  EXPECT_EQ(static_cast<TskColor*>(Out.ScanLine(0))[0], 0x80102030u);

  TCanvas NotAPicture;
  EXPECT_THROW(B.Assign(&NotAPicture), EConvertError);
}

TEST(TskBitmapTest, DrawnGraphicsLeaveOutMagenta) {
  TBitmap Picture;
  Picture.SetPixelFormat(pf24bit);
  Picture.SetSize(2, 1);
  Picture.Canvas()->SetPixels(0, 0, RGB(255, 0, 255));
  Picture.Canvas()->SetPixels(1, 0, RGB(1, 2, 3));
  TskBitmap B;
  Fill(B, 2, 1, [](int, int) { return 0x00ABCDEFu; });
  B.DrawGraphic(&Picture, TRect { 0, 0, 2, 1 });
  EXPECT_EQ(*B.PixelPtr(0, 0), 0x00ABCDEFu);
  EXPECT_EQ(*B.PixelPtr(1, 0) & 0xFFFFFF, 0x010203u);
}
