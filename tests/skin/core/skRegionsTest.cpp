// Window regions from mask pictures: runs of black pixels, regions that match their masks pixel for
// pixel, and skin regions of resized pieces.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "skin/core/skRegions.h"

namespace {

using TBlackAt = std::function<bool(int X, int Y)>;

// A mask whose pixel (x, y) is black where Black says so and white elsewhere; 1-bit like the skins' own
// masks unless asked for 24 bits.
void MakeMask(TBitmap& Mask, int W, int H, const TBlackAt& Black, bool Monochrome = true) {
  Mask.SetPixelFormat(pf24bit);
  Mask.SetSize(W, H);
  for (int Y = 0; Y < H; ++Y) {
    auto* Row = static_cast<uint8_t*>(Mask.ScanLine(Y));
    for (int X = 0; X < W; ++X) std::memset(Row + 3 * X, Black(X, Y) ? 0 : 255, 3);
  }
  if (Monochrome)
    Mask.SetMonochrome(true);
}

std::vector<TRect> RunsOf(const std::vector<uint8_t>& Data, RGNDATAHEADER& Header) {
  std::memcpy(&Header, Data.data(), sizeof Header);
  std::vector<TRect> Runs(Header.nCount);
  if (!Runs.empty())
    std::memcpy(Runs.data(), Data.data() + sizeof Header, Runs.size() * sizeof(TRect));
  return Runs;
}

// Compares the region's hit test with Inside over (-2, -2) .. (W + 2, H + 2), except where Ignored.
::testing::AssertionResult HitsMatch(HRGN Rgn, int W, int H, const TBlackAt& Inside, const TBlackAt& Ignored = nullptr) {
  int Wrong = 0;
  std::string First;
  for (int Y = -2; Y < H + 2; ++Y)
    for (int X = -2; X < W + 2; ++X)
      if ((!Ignored || !Ignored(X, Y)) && PtInRegion(Rgn, X, Y) != Inside(X, Y) && Wrong++ == 0)
        First = "(" + std::to_string(X) + "," + std::to_string(Y) + ")";
  if (Wrong)
    return ::testing::AssertionFailure() << Wrong << " pixels differ, first at " << First;
  return ::testing::AssertionSuccess();
}

bool Within(int X, int Y, int W, int H) { return X >= 0 && Y >= 0 && X < W && Y < H; }

}  // namespace

TEST(skRegionsTest, RunsOfBlackPixelsRowByRow) {
  struct Case {
    const char* Name;
    int W;
    TBlackAt Black;
    std::vector<TRect> Runs;
  };
  const Case Cases[] {
    { "all black", 4, [](int, int) { return true; }, { { 10, 20, 14, 21 }, { 10, 21, 14, 22 } } },
    { "split by one white pixel", 5, [](int X, int) { return X != 2; },
      { { 10, 20, 12, 21 }, { 13, 20, 15, 21 }, { 10, 21, 12, 22 }, { 13, 21, 15, 22 } } },
    { "a run to the last column", 4, [](int X, int Y) { return Y == 1 && X == 3; }, { { 13, 21, 14, 22 } } },
    { "no black", 4, [](int, int) { return false; }, {} },
  };
  for (const Case& C : Cases)
    for (bool Monochrome : { true, false }) {
      TBitmap Mask;
      MakeMask(Mask, C.W, 2, C.Black, Monochrome);
      std::vector<uint8_t> Data;
      const uint32_t Size = BuildMaskRegionData(&Mask, 10, 20, Data);
      ASSERT_EQ(Size, 32 + 16 * C.Runs.size()) << C.Name;
      RGNDATAHEADER Header;
      EXPECT_EQ(RunsOf(Data, Header), C.Runs) << C.Name;
      EXPECT_EQ(Header.dwSize, 32u);
      EXPECT_EQ(Header.iType, 1u);
      EXPECT_EQ(Header.rcBound, (TRect { 10, 20, 10 + C.W, 22 })) << C.Name;
    }

  TBitmap Empty;
  std::vector<uint8_t> Data { 1, 2, 3 };
  EXPECT_EQ(BuildMaskRegionData(&Empty, 0, 0, Data), 0u);
  EXPECT_TRUE(Data.empty());
  HRGN Rgn = reinterpret_cast<HRGN>(1);
  CreateRegionFromMask(Rgn, &Empty);
  EXPECT_EQ(Rgn, nullptr);
}

TEST(skRegionsTest, ARegionFromAMaskWithHolesMatchesItPixelForPixel) {
  // A rounded shape with two holes, one of them touching the edge.
  const TBlackAt Shape = [](int X, int Y) {
    const bool Corner = (X + Y < 2) || (X > 11 - 2 + Y);
    const bool Hole = (X >= 3 && X < 5 && Y >= 2 && Y < 4) || (X == 8 && Y >= 4);
    return !Corner && !Hole;
  };
  TBitmap Mask;
  MakeMask(Mask, 12, 7, Shape);
  HRGN Rgn = nullptr;
  CreateRegionFromMask(Rgn, &Mask);
  ASSERT_NE(Rgn, nullptr);
  EXPECT_TRUE(HitsMatch(Rgn, 12, 7, [&](int X, int Y) { return Within(X, Y, 12, 7) && Shape(X, Y); }));
  DeleteObject(Rgn);
}

TEST(skRegionsTest, MasksWithMoreRunsThanAnyFixedBufferKeepEveryRun) {
  // A checkerboard of 150 x 150: 75 runs a row, 11,250 runs in all.
  const TBlackAt Checker = [](int X, int Y) { return (X + Y) % 2 == 0; };
  TBitmap Mask;
  MakeMask(Mask, 150, 150, Checker);
  std::vector<uint8_t> Data;
  EXPECT_EQ(BuildMaskRegionData(&Mask, 0, 0, Data), 32u + 16u * 11250u);
  HRGN Rgn = nullptr;
  CreateRegionFromMask(Rgn, &Mask);
  EXPECT_TRUE(HitsMatch(Rgn, 150, 150, [&](int X, int Y) { return Within(X, Y, 150, 150) && Checker(X, Y); }));
  DeleteObject(Rgn);
}

namespace {

// A 16 x 12 mask piece: client (4, 3, 12, 9), corner points making L-shaped corners; the frame has a
// rounded outer corner at each corner and a notch pattern along the top band's middle (columns 6 .. 10).
const TRect Cl { 4, 3, 12, 9 };
const TPoint LT { 6, 5 }, RT { 10, 5 }, LB { 6, 7 }, RB { 10, 7 };

bool FrameBlack(int X, int Y) {
  if (X + Y < 2 || (15 - X) + Y < 2 || X + (11 - Y) < 2 || (15 - X) + (11 - Y) < 2)
    return false;  // rounded outer corners
  if (Y == 0 && X >= 6 && X < 10)
    return X % 2 == 0;  // notches along the top band's middle
  return X < Cl.Left || X >= Cl.Right || Y < Cl.Top || Y >= Cl.Bottom || (X + Y) % 3 == 0;
}

struct NewGeometry {
  int W, H;
  TPoint NLT() const { return LT; }
  TPoint NRT() const { return { W - 6, RT.Y }; }
  TPoint NLB() const { return { LB.X, H - 5 }; }
  TPoint NRB() const { return { W - 6, H - 5 }; }
  TRect NCl() const { return { 4, 3, W - 4, H - 3 }; }
};

HRGN SkinRegion(TBitmap& Mask, const NewGeometry& G) {
  HRGN Rgn = reinterpret_cast<HRGN>(1);
  CreateSkinRegion(Rgn, LT, RT, LB, RB, Cl, G.NLT(), G.NRT(), G.NLB(), G.NRB(), G.NCl(), &Mask, G.W, G.H);
  return Rgn;
}

}  // namespace

TEST(skRegionsTest, ASkinRegionAtItsOwnSizeIsTheClientAndTheBlackFramePixels) {
  TBitmap Mask;
  MakeMask(Mask, 16, 12, FrameBlack);
  HRGN Rgn = SkinRegion(Mask, { 16, 12 });
  ASSERT_NE(Rgn, nullptr);
  EXPECT_TRUE(HitsMatch(Rgn, 16, 12, [](int X, int Y) {
    const bool Client = X >= Cl.Left && X < Cl.Right && Y >= Cl.Top && Y < Cl.Bottom;
    return Within(X, Y, 16, 12) && (Client || FrameBlack(X, Y));
  }));
  DeleteObject(Rgn);
}

TEST(skRegionsTest, ALargerSkinRegionRepeatsTheBandMiddlesBetweenTheCorners) {
  TBitmap Mask;
  MakeMask(Mask, 16, 12, FrameBlack);
  const NewGeometry G { 27, 20 };
  HRGN Rgn = SkinRegion(Mask, G);
  ASSERT_NE(Rgn, nullptr);
  const TRect NCl = G.NCl();
  EXPECT_TRUE(HitsMatch(Rgn, G.W, G.H, [&](int X, int Y) {
    if (!Within(X, Y, G.W, G.H))
      return false;
    if (X >= NCl.Left && X < NCl.Right && Y >= NCl.Top && Y < NCl.Bottom)
      return true;
    if (Y < Cl.Top)  // top band: left end, repeated middle, right end
      return FrameBlack(X < 6 ? X : X >= G.NRT().X ? RT.X + X - G.NRT().X : 6 + (X - 6) % 4, Y);
    if (Y >= NCl.Bottom)
      return FrameBlack(X < 6 ? X : X >= G.NRB().X ? RB.X + X - G.NRB().X : 6 + (X - 6) % 4, Cl.Bottom + Y - NCl.Bottom);
    // Side bands: the pieces above and below the middle rows keep their places, the middle repeats.
    const int K = Y - NCl.Top, H = NCl.Height();
    const int SY = K < 2 ? Cl.Top + K : K >= H - 2 ? LB.Y + K - (H - 2) : LT.Y + (K - 2) % 2;
    return FrameBlack(X < Cl.Left ? X : Cl.Right + X - NCl.Right, SY);
  }));
  DeleteObject(Rgn);
}

TEST(skRegionsTest, CrossedCornersAndAnEmptyClientGiveNoRegion) {
  TBitmap Mask;
  MakeMask(Mask, 16, 12, FrameBlack);
  EXPECT_EQ(SkinRegion(Mask, { 11, 12 }), nullptr) << "the right corner point passes the left one";
  EXPECT_EQ(SkinRegion(Mask, { 16, 9 }), nullptr) << "the bottom corner point passes the top one";
  HRGN Rgn = reinterpret_cast<HRGN>(1);
  CreateSkinRegion(Rgn, LT, RT, LB, RB, Cl, LT, RT, LB, RB, TRect { 4, 3, 4, 9 }, &Mask, 16, 12);
  EXPECT_EQ(Rgn, nullptr);
}

TEST(skRegionsTest, AMaskSmallerThanItsPieceGivesTheBandsItHas) {
  // The piece's geometry is that of 16 x 12, but the mask stops at 10 x 8: no right or bottom band, and
  // the left band's lower end (mask rows 7 and 8) is only partly there, so those rows are not judged.
  TBitmap Mask;
  MakeMask(Mask, 10, 8, FrameBlack);
  HRGN Rgn = SkinRegion(Mask, { 16, 12 });
  ASSERT_NE(Rgn, nullptr);
  EXPECT_TRUE(HitsMatch(
      Rgn, 16, 12,
      [](int X, int Y) {
        const bool Client = X >= Cl.Left && X < Cl.Right && Y >= Cl.Top && Y < Cl.Bottom;
        const bool LeftOrTop = (X < Cl.Left && Y >= Cl.Top && Y < Cl.Bottom) || Y < Cl.Top;
        return Within(X, Y, 16, 12) && (Client || (LeftOrTop && Within(X, Y, 10, 8) && FrameBlack(X, Y)));
      },
      [](int X, int Y) { return X >= 0 && X < Cl.Left && Y >= LB.Y && Y < Cl.Bottom; }));
  DeleteObject(Rgn);
}
