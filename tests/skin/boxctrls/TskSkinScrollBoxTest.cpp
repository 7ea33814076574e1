// The skinned scroll box: bars shown and ranged from the children, content brought back when it shrinks
// or the box grows while scrolled, scrolling from code, and the frame.
#include "skin/boxctrls/TskSkinScrollBox.h"

#include "platform/ui/toolkit/TPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class TskSkinScrollBoxTest : public SkinControlTest {
protected:
  /// A 150 x 150 box without frame, its bars beside it, holding a "picture" of W x H at its origin.
  TskSkinScrollBox* NewBox(int W, int H) {
    Box = Add<TskSkinScrollBox>(Bounds(10, 10, 150, 150));
    Box->SetBorderStyle(TskSkinBorderStyle::bvNone);
    VBar = Add<TskSkinScrollBar>(Bounds(160, 10, 19, 150));
    VBar->SetKind(sbVertical);
    HBar = Add<TskSkinScrollBar>(Bounds(10, 160, 150, 19));
    Picture = Place<TPanel>(Form, Box, Bounds(0, 0, W, H));
    Box->SetVScrollBar(VBar);
    Box->SetHScrollBar(HBar);
    Display->PumpUntilIdle();
    return Box;
  }

  TskSkinScrollBox* Box { nullptr };
  TskSkinScrollBar* VBar { nullptr };
  TskSkinScrollBar* HBar { nullptr };
  TPanel* Picture { nullptr };
};

TEST_F(TskSkinScrollBoxTest, BarsShowAndRangeForContentBeyondTheBox) {
  NewBox(300, 400);
  EXPECT_TRUE(VBar->Visible());
  EXPECT_TRUE(HBar->Visible());
  EXPECT_EQ(VBar->Max(), 399);
  EXPECT_EQ(VBar->PageSize(), 150);
  EXPECT_EQ(HBar->Max(), 299);
  EXPECT_EQ(HBar->PageSize(), 150);
  EXPECT_TRUE(HBar->Both());
  Picture->SetWidth(100);
  Box->UpDateScrollRange();
  EXPECT_TRUE(VBar->Visible());
  EXPECT_FALSE(HBar->Visible());
  EXPECT_FALSE(HBar->Both()) << "alone the horizontal bar is not joined";
}

TEST_F(TskSkinScrollBoxTest, TheBarScrollsTheChildrenAndContentThatShrinksComesBack) {
  NewBox(100, 400);
  VBar->SetPosition(100);
  EXPECT_EQ(Picture->Top(), -100);
  Picture->SetHeight(120);
  Box->UpDateScrollRange();
  EXPECT_EQ(Picture->Top(), 0);
  EXPECT_EQ(VBar->Position(), 0);
  EXPECT_FALSE(VBar->Visible());
}

TEST_F(TskSkinScrollBoxTest, VScrollStopsAtTheLastPageAndMovesTheContentOnce) {
  NewBox(100, 301);
  ASSERT_EQ(VBar->Max(), 300);
  Box->VScroll(200);
  EXPECT_EQ(VBar->Position(), 150);
  EXPECT_EQ(Picture->Top(), -150);
}

TEST_F(TskSkinScrollBoxTest, AnAlignedBoxThatGrowsWhileScrolledBringsItsContentBackOnce) {
  auto* Holder = Add<TPanel>(Bounds(200, 10, 150, 150));
  Box = Place<TskSkinScrollBox>(Form, Holder, Bounds(0, 0, 150, 150));
  Box->SetBorderStyle(TskSkinBorderStyle::bvNone);
  Box->SetAlign(alClient);
  VBar = Place<TskSkinScrollBar>(Form, Holder, Bounds(0, 0, 19, 150));
  VBar->SetKind(sbVertical);
  VBar->SetAlign(alRight);
  Picture = Place<TPanel>(Form, Box, Bounds(0, 0, 50, 200));
  Box->SetVScrollBar(VBar);
  Display->PumpUntilIdle();
  ASSERT_TRUE(VBar->Visible());
  const int Page = Box->ClientHeight();
  VBar->SetPosition(40);
  ASSERT_EQ(Picture->Top(), -40);
  Holder->SetHeight(Holder->Height() + 30);
  EXPECT_EQ(Picture->Top(), -10);
  EXPECT_EQ(VBar->Position(), 10);
  EXPECT_EQ(VBar->PageSize(), Page + 30);
  Box->UpDateScrollRange();
  EXPECT_EQ(Picture->Top(), -10) << "the next range update moves nothing";
}

TEST_F(TskSkinScrollBoxTest, ScrollToControlBringsAChildJustIntoView) {
  NewBox(100, 100);
  auto* Far = Place<TPanel>(Form, Box, Bounds(0, 400, 50, 30));
  Box->UpDateScrollRange();
  Box->ScrollToControl(Far);
  EXPECT_EQ(Far->Top() + Far->Height(), Box->ClientHeight()) << "its bottom at the box's bottom";
  Box->ScrollToControl(Picture);
  EXPECT_EQ(Picture->Top(), 0);
  Box->ScrollToControl(VBar);
  EXPECT_EQ(Picture->Top(), 0) << "not a child: nothing";
}

TEST_F(TskSkinScrollBoxTest, FrameFromTheSkinOrNoneWithBvNone) {
  TskSkinModelBuilder Skin(Model);
  const int P = Skin.AddPicture(40, 40);
  auto& Record = Skin.Add<TskDataSkinScrollBoxControl>("scrollbox", "scrollbox");
  Record.PictureIndex = P;
  Skin.Paint(P, Rect(0, 0, 30, 30), clRed);
  Record.SkinRect = Skin.Paint(P, Rect(3, 3, 27, 27), clLime);
  Record.SkinRect = Rect(0, 0, 30, 30);
  SetNinePart(Record, Rect(0, 0, 30, 30), 3, Rect(3, 3, 27, 27));
  Skin.Finish();
  auto* Framed = Add<TskSkinScrollBox>(Bounds(10, 10, 150, 150));
  Framed->SetSkinData(&Model);
  Display->PumpUntilIdle();
  EXPECT_EQ(Framed->ClientWidth(), 144);
  const TPoint Corner = Framed->ClientToScreen({ -1, -1 });
  EXPECT_EQ(Display->PixelAt(Corner.X, Corner.Y), clRed);
  EXPECT_EQ(Shown(Framed, 70, 70), clLime);
  Framed->SetBorderStyle(TskSkinBorderStyle::bvNone);
  Display->PumpUntilIdle();
  EXPECT_EQ(Framed->ClientWidth(), 150);
  EXPECT_EQ(Shown(Framed, 0, 0), clLime) << "the background covers the whole window";
}

}  // namespace
