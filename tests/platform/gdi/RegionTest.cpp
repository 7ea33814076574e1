#include "platform/gdi/Region.h"

#include <gtest/gtest.h>

#include "platform/gdi/Gdi.h"

namespace {

// Every pixel of a 12 x 12 field tested against Expected.
template <class Fn> void ExpectPixels(const Region& R, Fn Expected) {
  for (int Y = -1; Y < 12; ++Y)
    for (int X = -1; X < 12; ++X)
      ASSERT_EQ(R.Contains(X, Y), Expected(X, Y)) << X << "," << Y;
}

bool In(int X, int Y, const TRect& R) { return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom; }

}  // namespace

TEST(RegionTest, CombineModesMatchPixelSetOperations) {
  const TRect A { 1, 1, 6, 6 }, B { 4, 3, 9, 8 };
  const struct {
    int Mode;
    int Kind;
    bool (*Expected)(bool, bool);
  } Cases[] = {
    { RGN_AND, SIMPLEREGION, [](bool a, bool b) { return a && b; } },
    { RGN_OR, COMPLEXREGION, [](bool a, bool b) { return a || b; } },
    { RGN_XOR, COMPLEXREGION, [](bool a, bool b) { return a != b; } },
    { RGN_DIFF, COMPLEXREGION, [](bool a, bool b) { return a && !b; } },
    { RGN_COPY, SIMPLEREGION, [](bool a, bool) { return a; } },
  };
  for (const auto& Case : Cases) {
    const Region R = Region(A).Combine(Region(B), Case.Mode);
    EXPECT_EQ(R.Kind(), Case.Kind) << Case.Mode;
    ExpectPixels(R, [&](int X, int Y) { return Case.Expected(In(X, Y, A), In(X, Y, B)); });
  }
  EXPECT_EQ(Region(A).Intersect(Region({ 7, 7, 9, 9 })).Kind(), NULLREGION);
}

TEST(RegionTest, EqualAreasHaveEqualCanonicalForms) {
  // Two halves side by side and stacked pieces give back the single rectangle.
  const Region Joined = Region({ 0, 0, 3, 4 }).Unite(Region({ 3, 0, 6, 4 }));
  const Region Stacked = Region::FromRects({ { 0, 2, 6, 4 }, { 0, 0, 6, 2 }, { 1, 1, 2, 3 } });
  EXPECT_EQ(Joined, Region({ 0, 0, 6, 4 }));
  EXPECT_EQ(Stacked, Region({ 0, 0, 6, 4 }));
  EXPECT_EQ(Joined.Kind(), SIMPLEREGION);
  EXPECT_EQ(Region({ 5, 5, 5, 9 }).Kind(), NULLREGION);
}

TEST(RegionTest, RowRunsBuildTheMaskArea) {
  // One rectangle per horizontal run, as a mask scan produces them.
  const std::vector<TRect> Runs = { { 1, 0, 3, 1 }, { 5, 0, 6, 1 }, { 1, 1, 3, 2 }, { 5, 1, 6, 2 }, { 0, 2, 7, 3 } };
  const Region R = Region::FromRects(Runs);
  ExpectPixels(R, [&](int X, int Y) {
    for (const TRect& Q : Runs)
      if (In(X, Y, Q))
        return true;
    return false;
  });
  EXPECT_EQ(R.Rects().size(), 3u);  // the first two rows share their spans
  EXPECT_EQ(R.Bounds(), TRect({ 0, 0, 7, 3 }));
}

TEST(RegionTest, HandleFunctionsCombineTestAndReport) {
  HRGN A = CreateRectRgn(0, 0, 10, 10);
  HRGN B = CreateRectRgn(5, 5, 15, 15);
  HRGN D = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(D, A, B, RGN_OR), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(D, 14, 14));
  EXPECT_FALSE(PtInRegion(D, 14, 2));
  EXPECT_TRUE(RectInRegion(D, { 12, 0, 20, 6 }));
  EXPECT_FALSE(RectInRegion(D, { 11, 0, 20, 5 }));
  TRect Box;
  EXPECT_EQ(GetRgnBox(D, &Box), COMPLEXREGION);
  EXPECT_EQ(Box, TRect({ 0, 0, 15, 15 }));
  EXPECT_EQ(OffsetRgn(D, 2, 3), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(D, 16, 17));

  // Region data round trip through ExtCreateRegion.
  const uint32_t Size = GetRegionData(D, 0, nullptr);
  std::vector<char> Data(Size);
  ASSERT_EQ(GetRegionData(D, Size, reinterpret_cast<RGNDATA*>(Data.data())), Size);
  HRGN Copy = ExtCreateRegion(nullptr, Size, reinterpret_cast<RGNDATA*>(Data.data()));
  EXPECT_TRUE(EqualRgn(Copy, D));
  EXPECT_FALSE(EqualRgn(Copy, A));

  // Data that claims more rectangles than it holds is refused.
  EXPECT_EQ(ExtCreateRegion(nullptr, Size - 1, reinterpret_cast<RGNDATA*>(Data.data())), nullptr);
  for (HRGN R : { A, B, D, Copy })
    EXPECT_TRUE(DeleteObject(R));
  EXPECT_FALSE(PtInRegion(A, 1, 1));
  EXPECT_EQ(CombineRgn(A, B, D, RGN_OR), RGN_ERROR);
}

TEST(RegionTest, EllipticAndRoundRegionsStayInsideTheirBox) {
  HRGN E = CreateEllipticRgn(0, 0, 6, 6);
  TRect Box;
  GetRgnBox(E, &Box);
  EXPECT_EQ(Box, TRect({ 0, 0, 6, 6 }));
  EXPECT_FALSE(PtInRegion(E, 0, 0));
  EXPECT_TRUE(PtInRegion(E, 3, 3));
  EXPECT_TRUE(PtInRegion(E, 0, 3));
  HRGN R = CreateRoundRectRgn(0, 0, 10, 8, 4, 4);
  EXPECT_FALSE(PtInRegion(R, 0, 0));
  EXPECT_FALSE(PtInRegion(R, 9, 7));
  EXPECT_TRUE(PtInRegion(R, 0, 4));
  EXPECT_TRUE(PtInRegion(R, 5, 0));
  DeleteObject(E);
  DeleteObject(R);
}
