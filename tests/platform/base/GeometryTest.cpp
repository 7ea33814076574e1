// Points and rectangles: the edges' inside and outside, meeting, joining and moving.
#include <gtest/gtest.h>

#include "platform/base/Types.h"

namespace {

TEST(GeometryTest, APointIsInsideOnTheLeftAndTopEdgesOnly) {
  const TRect R { 10, 20, 30, 40 };
  const struct {
    TPoint P;
    bool Inside;
  } cases[] = { { { 10, 20 }, true }, { { 29, 39 }, true }, { { 30, 25 }, false }, { { 15, 40 }, false },
                { { 9, 25 }, false }, { { 15, 19 }, false } };
  for (const auto& c : cases) EXPECT_EQ(R.Contains(c.P), c.Inside) << c.P.X << "," << c.P.Y;
  EXPECT_FALSE(TRect({ 5, 5, 5, 9 }).Contains({ 5, 6 })) << "an empty rectangle holds no point";
}

TEST(GeometryTest, RectanglesMeetJoinAndMove) {
  const TRect A { 0, 0, 10, 10 };
  const struct {
    TRect B;
    bool Meet;
    TRect Both;
    TRect Joined;
  } cases[] = {
    { { 5, 5, 15, 15 }, true, { 5, 5, 10, 10 }, { 0, 0, 15, 15 } },
    { { 10, 0, 20, 10 }, false, { 10, 0, 10, 10 }, { 0, 0, 20, 10 } },   // edge to edge
    { { 2, 2, 4, 4 }, true, { 2, 2, 4, 4 }, { 0, 0, 10, 10 } },          // inside
    { { 20, 20, 20, 30 }, false, { 20, 20, 10, 10 }, { 0, 0, 10, 10 } },  // empty: adds nothing
  };
  for (const auto& c : cases) {
    EXPECT_EQ(A.Intersects(c.B), c.Meet) << c.B.Left;
    EXPECT_EQ(c.B.Intersects(A), c.Meet) << c.B.Left;
    EXPECT_EQ(A.Intersection(c.B), c.Both) << c.B.Left;
    EXPECT_EQ(A.Intersection(c.B).IsEmpty(), !c.Meet) << c.B.Left;
    EXPECT_EQ(A.Union(c.B), c.Joined) << c.B.Left;
  }
  EXPECT_EQ(TRect().Union(A), A);
  EXPECT_TRUE(TRect({ 3, 3, 1, 8 }).IsEmpty()) << "edges past each other";
  EXPECT_EQ(A.Offset(-3, 4), TRect({ -3, 4, 7, 14 }));
  EXPECT_EQ(TPoint({ 1, 2 }).Offset(3, -4), TPoint({ 4, -2 }));
}

}  // namespace
