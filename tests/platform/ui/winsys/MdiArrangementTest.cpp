// Where tiling, cascading and the minimized row put the children of a document client.
#include <gtest/gtest.h>

#include "platform/ui/winsys/MdiArrangement.h"
#include "tests/platform/ui/UiFixture.h"

namespace {

const TRect Area = Bounds(0, 0, 400, 300);

TEST(MdiArrangementTest, TilingFillsTheAreaInRowsOrColumnsForOneToFourChildren) {
  struct Case {
    int Count;
    bool Horizontal;
    std::vector<TRect> Expected;
  };
  const Case Cases[] = {
    { 1, true, { Rect(0, 0, 400, 300) } },
    { 2, true, { Rect(0, 0, 400, 150), Rect(0, 150, 400, 300) } },
    { 3, true, { Rect(0, 0, 400, 100), Rect(0, 100, 400, 200), Rect(0, 200, 400, 300) } },
    { 4, true, { Rect(0, 0, 200, 150), Rect(0, 150, 200, 300), Rect(200, 0, 400, 150), Rect(200, 150, 400, 300) } },
    { 1, false, { Rect(0, 0, 400, 300) } },
    { 2, false, { Rect(0, 0, 200, 300), Rect(200, 0, 400, 300) } },
    { 3, false, { Rect(0, 0, 133, 300), Rect(133, 0, 266, 300), Rect(266, 0, 399, 300) } },
    { 4, false, { Rect(0, 0, 200, 150), Rect(0, 150, 200, 300), Rect(200, 0, 400, 150), Rect(200, 150, 400, 300) } },
  };
  for (const Case& C : Cases)
    EXPECT_EQ(MdiTileRects(Area, C.Count, C.Horizontal), C.Expected)
        << C.Count << (C.Horizontal ? " horizontal" : " vertical");
  EXPECT_TRUE(MdiTileRects(Area, 0, true).empty());
}

TEST(MdiArrangementTest, AColumnThatCannotTakeAnotherRowPassesTheRestOnWithTheirOwnHeight) {
  // Five in two columns: the right column takes three rows, the left the last two at half height.
  EXPECT_EQ(MdiTileRects(Area, 5, true), (std::vector<TRect> { Rect(0, 0, 200, 150), Rect(0, 150, 200, 300),
                                                                Rect(200, 0, 400, 100), Rect(200, 100, 400, 200),
                                                                Rect(200, 200, 400, 300) }));
  // Five in two rows: the left column takes two, the right the other three at a third of the height.
  EXPECT_EQ(MdiTileRects(Area, 5, false), (std::vector<TRect> { Rect(0, 0, 200, 150), Rect(0, 150, 200, 300),
                                                                 Rect(200, 0, 400, 100), Rect(200, 100, 400, 200),
                                                                 Rect(200, 200, 400, 300) }));
}

TEST(MdiArrangementTest, CascadingStepsDownAndRightWithTheFirstChildFrontmost) {
  const TSize Min { 112, 27 };
  struct Case {
    int Count;
    std::vector<TRect> Expected;
  };
  // Step 22 on 400 pixels: the 20% margin holds three steps.
  const Case Cases[] = {
    { 1, { Rect(0, 0, 400, 300) } },
    { 2, { Rect(22, 22, 400, 300), Rect(0, 0, 378, 278) } },
    { 3, { Rect(44, 44, 378, 278), Rect(22, 22, 356, 256), Rect(0, 0, 334, 234) } },
    { 4, { Rect(66, 66, 400, 300), Rect(44, 44, 378, 278), Rect(22, 22, 356, 256), Rect(0, 0, 334, 234) } },
  };
  for (const Case& C : Cases)
    EXPECT_EQ(MdiCascadeRects(Area, C.Count, 22, Min), C.Expected) << C.Count << " children";
  EXPECT_EQ(MdiCascadeRects(Area, 2, 0, Min), (std::vector<TRect> { Rect(1, 1, 400, 300), Rect(0, 0, 399, 299) }))
      << "a step of 0 counts as 1";
  EXPECT_EQ(MdiCascadeRects(Bounds(0, 0, 200, 100), 3, 22, { 112, 90 }),
            (std::vector<TRect> { Bounds(0, 0, 178, 90), Bounds(0, 0, 178, 90), Bounds(0, 0, 178, 90) }))
      << "children at their minimum size start over at the corner where they would reach past the area";
}

TEST(MdiArrangementTest, MinimizedChildrenRowUpAlongTheBottom) {
  EXPECT_EQ(MdiIconRects(Area, 3, { 160, 24 }),
            (std::vector<TRect> { Bounds(0, 276, 160, 24), Bounds(160, 276, 160, 24), Bounds(0, 252, 160, 24) }));
}

}  // namespace
