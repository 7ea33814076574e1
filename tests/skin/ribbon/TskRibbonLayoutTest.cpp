// The ribbon's geometry: construction, the tab strip's layout with the squeeze rule, the buttons at its
// right end, the application button's forwarded properties and the skinned strip's height.
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TImageList.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skUtils.h"
#include "tests/skin/ribbon/RibbonFixture.h"

namespace {

TEST_F(RibbonTest, ANewRibbonIsATopBarWithItsApplicationButtonAndTheFirstTabAfterIt) {
  EXPECT_EQ(Ribbon->Height(), 115);
  EXPECT_EQ(Ribbon->Align(), alTop);
  EXPECT_EQ(Ribbon->AppButton()->BoundsRect(), Rect(0, 1, 54, 25));
  EXPECT_EQ(Ribbon->TabIndex(), -1);
  TBitmap B;
  B.Canvas()->SetFont(Ribbon->Font());
  ASSERT_EQ(GetTextWidthW(B.Canvas(), "xx"), 10) << "the tests count five pixels a character";
  AddTab(10);
  Layout();
  EXPECT_EQ(Ribbon->Tabs()->GetItem(0)->ItemRect, Rect(57, 1, 57 + 80, 24));
  EXPECT_EQ(Ribbon->RightOffset(), 5);
  EXPECT_THROW(Ribbon->Tabs()->GetItem(1), EListError);
}

struct TSqueezeCase {
  int Width;
  std::vector<int> Chars;  // 0: a hidden tab
  std::vector<int> Widths;
  bool Divider;
};

TEST_F(RibbonTest, TabsTakeTheirCaptionsWidthAndAreSqueezedInProportionWhenTheyDoNotFit) {
  const TSqueezeCase Cases[] = {
    { 400, { 30, 30, 20 }, { 124, 124, 89 }, true },  // room 338, natural 180 + 180 + 130
    { 400, { 10, 0, 10 }, { 80, 0, 80 }, false },     // a hidden tab takes no room
    { 82, { 10, 10 }, { 15, 15 }, true },             // room 20: the minimum, past the end
  };
  for (const TSqueezeCase& C : Cases) {
    Ribbon->Tabs()->Clear();
    Form->SetClientWidth(C.Width);
    for (int Chars : C.Chars) AddTab(Chars)->SetVisible(Chars != 0);
    Layout();
    int X = Ribbon->LeftOffset();
    for (size_t i = 0; i < C.Chars.size(); ++i) {
      const TskRibbonTab* Tab = Ribbon->Tabs()->GetItem(int(i));
      if (!Tab->Visible()) continue;
      EXPECT_EQ(Tab->ItemRect, Rect(X, 1, X + C.Widths[i], 24)) << C.Width << " tab " << i;
      X += C.Widths[i];
    }
    EXPECT_EQ(Ribbon->ShowDivider(), C.Divider) << C.Width;
  }
}

TEST_F(RibbonTest, CaptionAreaButtonsFillTheRightEndAndMDIButtonsStandLeftOfThem) {
  Form->SetClientWidth(500);
  auto* Images = new TImageList(Form);
  Images->SetSize(16, 16);
  for (int i = 0; i < 2; ++i) Ribbon->Buttons()->Add();
  Layout();
  EXPECT_EQ(Ribbon->RightOffset(), 5) << "without an image list no button is laid out";
  Ribbon->SetButtonsImageList(Images);
  Layout();
  EXPECT_EQ(Ribbon->Buttons()->GetItem(0)->ItemRect, Rect(454, 1, 476, 23));
  EXPECT_EQ(Ribbon->Buttons()->GetItem(1)->ItemRect, Rect(476, 1, 498, 23));
  EXPECT_EQ(Ribbon->RightOffset(), 48);
  Ribbon->MDIChildMaximize();
  Layout();
  ASSERT_EQ(Ribbon->MDIButtons()->Count(), 3);
  EXPECT_EQ(Ribbon->MDIButtons()->GetItem(0)->ItemRect, Rect(430, 1, 452, 23)) << "close, the rightmost";
  EXPECT_EQ(Ribbon->MDIButtons()->GetItem(2)->ItemRect, Rect(386, 1, 408, 23)) << "minimize";
  EXPECT_EQ(Ribbon->RightOffset(), 116);
}

TEST_F(RibbonTest, TheApplicationButtonsWidthHasAMinimumAndItsImageIndexIsNeverNegative) {
  EXPECT_EQ(Ribbon->AppButtonImageIndex(), 0);
  EXPECT_EQ(Ribbon->AppButton()->ImageIndex(), 0) << "an image list alone shows the first picture";
  Ribbon->SetAppButtonWidth(34);
  EXPECT_EQ(Ribbon->AppButtonWidth(), 54);
  Ribbon->SetAppButtonWidth(35);
  EXPECT_EQ(Ribbon->AppButton()->Width(), 35);
  EXPECT_EQ(Ribbon->LeftOffset(), 38);
  Ribbon->SetAppButtonImageIndex(-5);
  EXPECT_EQ(Ribbon->AppButtonImageIndex(), 0);
  Ribbon->SetAppButtonCaption("文件");
  EXPECT_EQ(Ribbon->AppButton()->Caption(), "文件");
}

TEST_F(RibbonTest, TheSkinsTabRectSetsTheStripHeightAndThePagesTakeTheFramesClientPart) {
  BuildRibbonSkin(Model);
  Ribbon->SetSkinData(&Model);
  auto* Images = new TImageList(Form);
  Images->SetSize(16, 16);
  Ribbon->SetButtonsImageList(Images);
  Ribbon->Buttons()->Add();
  TskRibbonTab* Tab = AddTab(4);
  Layout();
  EXPECT_EQ(Ribbon->GetTabStripHeight(), 31);
  EXPECT_EQ(Tab->ItemRect.Top, 1);
  EXPECT_EQ(Tab->ItemRect.Bottom, 31);
  EXPECT_EQ(RectHeight(Ribbon->Buttons()->GetItem(0)->ItemRect), 29);
  // Frame 60 x 60 with a client part (10, 10, 50, 50): margins of 10 all round below the strip.
  EXPECT_EQ(Tab->Page()->BoundsRect(), Rect(10, 41, 390, 105));
}

}  // namespace
