// The skin image composers, checked pixel by pixel against the source pixel each destination pixel must
// show. The source is a coordinate picture: every pixel names its own place (red = x, green = y), so a
// wrong offset, a mirrored piece or a wrong tile shows at once.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <sstream>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/skComposers.h"

namespace {

constexpr uint32_t Marker = 0xFF123456;

// A 24-bit picture whose pixel (x, y) is red x, green y, blue 77.
struct CoordinatePicture {
  CoordinatePicture(int W = 40, int H = 30) {
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(W, H);
    for (int Y = 0; Y < H; ++Y) {
      auto* Row = static_cast<uint8_t*>(Bitmap.ScanLine(Y));
      for (int X = 0; X < W; ++X) {
        Row[3 * X] = 77;
        Row[3 * X + 1] = uint8_t(Y);
        Row[3 * X + 2] = uint8_t(X);
      }
    }
  }
  TBitmap Bitmap;
};

uint32_t Pixel(TBitmap& B, int X, int Y) { return static_cast<uint32_t*>(B.ScanLine(Y))[X] & 0xFFFFFF; }

uint32_t SourcePixel(int X, int Y) { return uint32_t(X) << 16 | uint32_t(Y) << 8 | 77; }

// A destination bitmap of the given size filled with the marker colour.
void Prefill(TBitmap& B, int W, int H) {
  B.SetSize(W, H);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) static_cast<uint32_t*>(B.ScanLine(Y))[X] = Marker;
}

// Where destination pixel (X, Y) takes its picture from; Marker when nothing may be drawn there.
using TExpected = std::function<uint32_t(int X, int Y)>;

// Compares every pixel and reports the first few that differ.
::testing::AssertionResult Matches(TBitmap& Dest, int W, int H, const TExpected& Want) {
  if (Dest.Width() != W || Dest.Height() != H)
    return ::testing::AssertionFailure() << "size " << Dest.Width() << "x" << Dest.Height();
  std::ostringstream Out;
  int Wrong = 0;
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      if (const uint32_t Got = Pixel(Dest, X, Y), Exp = Want(X, Y) & 0xFFFFFF; Got != Exp && Wrong++ < 4)
        Out << " (" << X << "," << Y << ") got " << std::hex << Got << " want " << Exp << std::dec;
  if (Wrong)
    return ::testing::AssertionFailure() << Wrong << " pixels differ:" << Out.str();
  return ::testing::AssertionSuccess();
}

// The platform's stretch mapping: destination index K of Span takes source index (2K + 1) Length div (2 Span).
int Stretched(int K, int Length, int Span) { return (2 * K + 1) * Length / (2 * Span); }

// A nine-part piece at SkinRect (5, 3, 21, 15) of the picture, with its new geometry for a size.
struct Piece {
  TRect Skin { 5, 3, 21, 15 };
  TRect Cl;
  TPoint LT, RT, LB, RB;

  // Left and top points keep their places; right and bottom ones keep their distances from the right and
  // bottom edges.
  TPoint FromRight(TPoint P, int W) const { return { W - (Skin.Width() - P.X), P.Y }; }
  TPoint NLT(int, int) const { return LT; }
  TPoint NRT(int W, int) const { return FromRight(RT, W); }
  TPoint NLB(int, int H) const { return { LB.X, H - (Skin.Height() - LB.Y) }; }
  TPoint NRB(int W, int H) const { return { W - (Skin.Width() - RB.X), H - (Skin.Height() - RB.Y) }; }
  TRect NewCl(int W, int H) const { return { Cl.Left, Cl.Top, W - (Skin.Width() - Cl.Right), H - (Skin.Height() - Cl.Bottom) }; }
};

// L-shaped corners: the band middles are narrower than the client edges.
const Piece LShaped { { 5, 3, 21, 15 }, { 4, 3, 12, 9 }, { 6, 5 }, { 10, 5 }, { 6, 7 }, { 10, 7 } };
// Square corners: the points are the client rectangle's corners.
const Piece Square { { 5, 3, 21, 15 }, { 4, 3, 12, 9 }, { 4, 3 }, { 12, 3 }, { 4, 9 }, { 12, 9 } };
// Band middles of a single pixel.
const Piece Thin { { 5, 3, 21, 15 }, { 4, 3, 12, 9 }, { 6, 5 }, { 7, 5 }, { 6, 6 }, { 7, 6 } };

struct Settings {
  bool Left = false, Top = false, Right = false, Bottom = false, Effect = false;
  TskStretchType Type = skstFull;
};

// One axis of a band: before NewA the start corner (from SrcStart at NewStart), from NewB on the end
// corner, between them the band's middle A .. B repeated or stretched. The end corner is drawn last, so
// it wins where the two overlap.
int AlongBand(int V, int NewStart, int NewA, int NewB, int SrcStart, int A, int B, bool Stretch) {
  if (V >= NewB)
    return B + V - NewB;
  if (V < NewA)
    return SrcStart + V - NewStart;
  return A + (Stretch ? Stretched(V - NewA, B - A, NewB - NewA) : (V - NewA) % (B - A));
}

int AcrossCentre(int K, int Length, int Span, bool Stretch) { return Stretch ? Stretched(K, Length, Span) : K % Length; }

// The picture pixel that (X, Y) of a W x H composition shows, from the composing rules.
uint32_t NinePartSource(const Piece& P, const Settings& S, int W, int H, int X, int Y) {
  const TPoint NLT = P.NLT(W, H), NRT = P.NRT(W, H), NLB = P.NLB(W, H), NRB = P.NRB(W, H);
  const TRect NCl = P.NewCl(W, H), &Cl = P.Cl;
  int SX, SY;
  if (Y >= NCl.Bottom) {
    SY = Cl.Bottom + Y - NCl.Bottom;
    SX = AlongBand(X, 0, NLB.X, NRB.X, 0, P.LB.X, P.RB.X, S.Bottom);
  } else if (Y < NCl.Top) {
    SY = Y;
    SX = AlongBand(X, 0, NLT.X, NRT.X, 0, P.LT.X, P.RT.X, S.Top);
  } else if (X >= NCl.Right) {
    SX = Cl.Right + X - NCl.Right;
    SY = AlongBand(Y, NCl.Top, NRT.Y, NRB.Y, Cl.Top, P.RT.Y, P.RB.Y, S.Right);
  } else if (X < NCl.Left) {
    SX = X;
    SY = AlongBand(Y, NCl.Top, NLT.Y, NLB.Y, Cl.Top, P.LT.Y, P.LB.Y, S.Left);
  } else {
    const bool StretchX = S.Effect && S.Type != skstHorz, StretchY = S.Effect && S.Type != skstVert;
    SX = Cl.Left + AcrossCentre(X - NCl.Left, Cl.Width(), NCl.Width(), StretchX);
    SY = Cl.Top + AcrossCentre(Y - NCl.Top, Cl.Height(), NCl.Height(), StretchY);
  }
  return SourcePixel(P.Skin.Left + SX, P.Skin.Top + SY);
}

void Compose(const Piece& P, const Settings& S, TBitmap& Dest, TBitmap& Source, int W, int H, bool DrawClient = true) {
  const TRect NCl = P.NewCl(W, H);
  ComposeSkinImage(P.LT, P.RT, P.LB, P.RB, P.Cl, P.NLT(W, H), P.NRT(W, H), P.NLB(W, H), P.NRB(W, H), NCl, &Dest, &Source, P.Skin, W, H, DrawClient,
                   S.Left, S.Top, S.Right, S.Bottom, S.Effect, S.Type);
}

}  // namespace

TEST(skComposersTest, NinePartImagesFollowTheRulesAtEverySizeAndSetting) {
  CoordinatePicture Source;
  const Settings Modes[] {
    {},                                                     // every band and the centre repeated
    { true, true, true, true, true, skstFull },             // everything stretched
    { false, true, false, true, true, skstHorz },           // centre stretched down, repeated across
    { true, false, true, false, true, skstVert },           // centre stretched across, repeated down
  };
  // Own size; exact multiples of the band and centre lengths; remainders; spans shorter than a tile.
  const TSize Sizes[] { { 16, 12 }, { 24, 18 }, { 37, 29 }, { 13, 10 }, { 17, 13 } };
  for (const Piece* P : { &LShaped, &Square, &Thin })
    for (const Settings& S : Modes)
      for (const TSize& Size : Sizes) {
        TBitmap Dest;
        Compose(*P, S, Dest, Source.Bitmap, Size.cx, Size.cy);
        EXPECT_TRUE(Matches(Dest, Size.cx, Size.cy, [&](int X, int Y) { return NinePartSource(*P, S, Size.cx, Size.cy, X, Y); }))
            << (P == &LShaped ? "L-shaped " : P == &Square ? "square " : "thin ") << Size.cx << "x" << Size.cy << " effect " << S.Effect
            << " type " << S.Type << " top stretch " << S.Top;
      }
}

TEST(skComposersTest, SizesSmallerThanTheCornersShowOverlappingCornersAndNothingMirrored) {
  CoordinatePicture Source;
  const TSize Sizes[] { { 5, 4 }, { 5, 20 }, { 30, 4 }, { 1, 1 } };
  for (const Settings& S : { Settings {}, Settings { true, true, true, true, true, skstFull } })
    for (const TSize& Size : Sizes) {
      TBitmap Dest;
      Compose(Square, S, Dest, Source.Bitmap, Size.cx, Size.cy);
      EXPECT_TRUE(Matches(Dest, Size.cx, Size.cy, [&](int X, int Y) { return NinePartSource(Square, S, Size.cx, Size.cy, X, Y); }))
          << Size.cx << "x" << Size.cy;
    }
}

TEST(skComposersTest, WithoutTheClientTheCentreKeepsWhatItHeld) {
  CoordinatePicture Source;
  const Settings S;
  TBitmap Dest;
  Prefill(Dest, 30, 20);
  Compose(LShaped, S, Dest, Source.Bitmap, 30, 20, false);
  const TRect NCl = LShaped.NewCl(30, 20);
  EXPECT_TRUE(Matches(Dest, 30, 20, [&](int X, int Y) {
    const bool Centre = X >= NCl.Left && X < NCl.Right && Y >= NCl.Top && Y < NCl.Bottom;
    return Centre ? Marker : NinePartSource(LShaped, S, 30, 20, X, Y);
  }));
}

TEST(skComposersTest, EmptyPiecesDrawNothingAndNeverDivideByZero) {
  CoordinatePicture Source;
  TBitmap Dest;
  // A top band with no middle, a left band with no middle and a client area with no width, all repeated.
  const TRect Cl { 4, 3, 4, 9 };
  Prefill(Dest, 30, 20);
  ComposeSkinImage({ 6, 5 }, { 6, 5 }, { 6, 5 }, { 10, 7 }, Cl, { 6, 5 }, { 26, 5 }, { 6, 15 }, { 26, 15 },
                   { 4, 3, 18, 14 }, &Dest, &Source.Bitmap, TRect { 5, 3, 21, 15 }, 30, 20, true, false, false, false,
                   false, false, skstFull);
  EXPECT_EQ(Pixel(Dest, 10, 1), Marker & 0xFFFFFF) << "no top band";
  EXPECT_EQ(Pixel(Dest, 10, 10), Marker & 0xFFFFFF) << "no centre";
  EXPECT_EQ(Pixel(Dest, 0, 0), SourcePixel(5, 3)) << "the corners are still there";

  // Coinciding corner points, and an empty picture: the image only takes its size.
  Prefill(Dest, 8, 8);
  ComposeSkinImage({ 3, 3 }, { 3, 3 }, { 3, 3 }, { 3, 3 }, Cl, {}, {}, {}, {}, Cl, &Dest, &Source.Bitmap,
                   TRect { 5, 3, 21, 15 }, 9, 7, true, false, false, false, false, false, skstFull);
  EXPECT_TRUE(Matches(Dest, 9, 7, [](int X, int Y) { return X < 8 && Y < 7 ? Marker : 0xFFFFFF; }));
  TBitmap NoPicture;
  ComposeSkinImage(LShaped.LT, LShaped.RT, LShaped.LB, LShaped.RB, LShaped.Cl, {}, {}, {}, {}, Cl, &Dest, &NoPicture,
                   LShaped.Skin, 4, 4, true, false, false, false, false, false, skstFull);
  EXPECT_EQ(Dest.Width(), 4);

  TBitmap Strip;
  ComposeHorzStripImage(3, 13, &Strip, &Source.Bitmap, TRect { 5, 3, 21, 15 }, 30, 0, false);
  EXPECT_TRUE(Matches(Strip, 30, 12, [](int X, int Y) {
    return X < 3 ? SourcePixel(5 + X, 3 + Y) : X >= 17 ? SourcePixel(8 + X - 17, 3 + Y) : 0xFFFFFF;
  })) << "a middle of no width: the two ends only";
  ComposeVertStripImage(6, 6, &Dest, &Source.Bitmap, TRect { 5, 3, 21, 15 }, 0, 30, false);
  EXPECT_EQ(Dest.Height(), 30);
}

TEST(skComposersTest, TheStretchedNineSliceReproducesItsPieceAtItsOwnSize) {
  CoordinatePicture Source;
  const TRect Skin { 5, 3, 21, 15 }, Cl { 4, 3, 12, 9 };
  TBitmap Dest;
  Dest.SetSize(16, 12);
  ComposeStretchedSkinImage(&Dest, &Source.Bitmap, Skin, Cl, true);
  EXPECT_TRUE(Matches(Dest, 16, 12, [](int X, int Y) { return SourcePixel(5 + X, 3 + Y); }));

  Dest.SetSize(27, 20);
  ComposeStretchedSkinImage(&Dest, &Source.Bitmap, Skin, Cl, true);
  const Settings All { true, true, true, true, true, skstFull };
  EXPECT_TRUE(Matches(Dest, 27, 20, [&](int X, int Y) { return NinePartSource(Square, All, 27, 20, X, Y); }));
}

TEST(skComposersTest, TheLeftPartRunsTheBandsAndTheCentreToTheNewWidth) {
  CoordinatePicture Source;
  const Piece& P = LShaped;
  const int W = 30, H = 18;
  for (bool Stretch : { false, true }) {
    const Settings S { Stretch, Stretch, Stretch, Stretch, Stretch, skstFull };
    TBitmap Dest;
    Prefill(Dest, W, H);
    const TRect NCl = P.NewCl(W, H);
    ComposeSkinImageLeftPart(P.LT, P.RT, P.LB, P.RB, P.Cl, P.NLT(W, H), P.NRT(W, H), P.NLB(W, H), P.NRB(W, H), NCl, &Dest, &Source.Bitmap, P.Skin, W,
                             H, true, S.Left, S.Top, S.Right, S.Bottom, S.Effect, S.Type);
    // Outside the centre, the same as a composition whose right corner points fall on the new width.
    const int Beyond = W + (P.Skin.Width() - P.RT.X);
    EXPECT_TRUE(Matches(Dest, W, H, [&](int X, int Y) {
      if (Y >= NCl.Top && Y < NCl.Bottom && X >= NCl.Left) {
        const int CW = P.Cl.Width(), Span = W - NCl.Left;
        const int SX = P.Cl.Left + (Stretch ? Stretched(X - NCl.Left, CW, Span) : (X - NCl.Left) % CW);
        const int SY = P.Cl.Top + (Stretch ? Stretched(Y - NCl.Top, P.Cl.Height(), NCl.Height()) : (Y - NCl.Top) % P.Cl.Height());
        return SourcePixel(P.Skin.Left + SX, P.Skin.Top + SY);
      }
      return NinePartSource(P, S, Beyond, H, X, Y);
    })) << "stretch " << Stretch;
  }
}

TEST(skComposersTest, StripsCopyTheirEndsAndFillTheMiddle) {
  CoordinatePicture Source;
  const TRect Skin { 5, 3, 21, 15 };  // 16 wide: ends of 3 and 4, a middle of 9
  TBitmap Dest;
  ComposeHorzStripImage(3, 4, &Dest, &Source.Bitmap, Skin, 31, 99, false);
  EXPECT_TRUE(Matches(Dest, 31, 12, [](int X, int Y) {
    const int SX = X < 3 ? X : X >= 27 ? 12 + X - 27 : 3 + (X - 3) % 9;
    return SourcePixel(5 + SX, 3 + Y);
  }));
  ComposeHorzStripImage(3, 4, &Dest, &Source.Bitmap, Skin, 25, 0, true);
  EXPECT_TRUE(Matches(Dest, 25, 12, [](int X, int Y) {
    const int SX = X < 3 ? X : X >= 21 ? 12 + X - 21 : 3 + Stretched(X - 3, 9, 18);
    return SourcePixel(5 + SX, 3 + Y);
  }));
  ComposeHorzStripImageLeft(3, 4, &Dest, &Source.Bitmap, Skin, 25, 0, false);
  EXPECT_TRUE(Matches(Dest, 25, 12, [](int X, int Y) { return SourcePixel(5 + (X < 3 ? X : 3 + (X - 3) % 9), 3 + Y); }));
  ComposeHorzStripImageMiddle(3, 4, &Dest, &Source.Bitmap, Skin, 20, 0, false);
  EXPECT_TRUE(Matches(Dest, 20, 12, [](int X, int Y) { return SourcePixel(8 + X % 9, 3 + Y); }))
      << "the middle fills the whole width";
  ComposeHorzStripImageMiddle(3, 4, &Dest, &Source.Bitmap, Skin, 18, 0, true);
  EXPECT_TRUE(Matches(Dest, 18, 12, [](int X, int Y) { return SourcePixel(8 + Stretched(X, 9, 18), 3 + Y); }));

  ComposeVertStripImage(2, 3, &Dest, &Source.Bitmap, Skin, 0, 23, false);  // a middle of 7 rows
  EXPECT_TRUE(Matches(Dest, 16, 23, [](int X, int Y) {
    const int SY = Y < 2 ? Y : Y >= 20 ? 9 + Y - 20 : 2 + (Y - 2) % 7;
    return SourcePixel(5 + X, 3 + SY);
  }));
  ComposeVertStripImage(2, 3, &Dest, &Source.Bitmap, Skin, 0, 19, true);
  EXPECT_TRUE(Matches(Dest, 16, 19, [](int X, int Y) {
    const int SY = Y < 2 ? Y : Y >= 16 ? 9 + Y - 16 : 2 + Stretched(Y - 2, 7, 14);
    return SourcePixel(5 + X, 3 + SY);
  }));
}

TEST(skComposersTest, FrameBandsHaveTheFrameSizesAndSkipEmptyBands) {
  CoordinatePicture Source;
  const Piece& P = LShaped;
  const int W = 30, H = 22;
  TBitmap Left, Top, Right, Bottom;
  const TRect NCl = P.NewCl(W, H);
  ComposeFrameBands(P.LT, P.RT, P.LB, P.RB, P.Cl, P.NLT(W, H), P.NRT(W, H), P.NLB(W, H), P.NRB(W, H), NCl, &Left, &Top, &Right, &Bottom,
                    &Source.Bitmap, P.Skin, W, H, false, false, false, false);
  EXPECT_EQ((TSize { Top.Width(), Top.Height() }), (TSize { 30, 3 }));
  EXPECT_EQ((TSize { Bottom.Width(), Bottom.Height() }), (TSize { 30, 3 }));
  EXPECT_EQ((TSize { Left.Width(), Left.Height() }), (TSize { 4, 16 }));
  EXPECT_EQ((TSize { Right.Width(), Right.Height() }), (TSize { 4, 16 }));
  // The top band repeats its middle from x = 0 and the corner ends cover both ends.
  EXPECT_TRUE(Matches(Top, 30, 3, [](int X, int Y) {
    const int SX = X < 6 ? X : X >= 24 ? 10 + X - 24 : 6 + X % 4;
    return SourcePixel(5 + SX, 3 + Y);
  }));
  // The left band's ends keep the skin's distances from the client corners (2 rows above, 2 below).
  EXPECT_TRUE(Matches(Left, 4, 16, [](int X, int Y) {
    const int SY = Y < 2 ? 3 + Y : Y >= 14 ? 7 + Y - 14 : 5 + Y % 2;
    return SourcePixel(5 + X, 3 + SY);
  }));

  TBitmap L2, T2, R2, B2;
  T2.SetSize(7, 7);
  ComposeFrameBands(P.LT, P.RT, P.LB, P.RB, P.Cl, {}, {}, {}, {}, TRect { 0, 0, 30, 22 }, &L2, &T2, &R2, &B2,
                    &Source.Bitmap, P.Skin, W, H, true, true, true, true);
  EXPECT_EQ(T2.Width(), 7) << "a band of no thickness is not built and keeps its size";
  EXPECT_TRUE(B2.Empty());
  EXPECT_TRUE(L2.Empty());
  EXPECT_TRUE(R2.Empty());
}
