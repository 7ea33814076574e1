// The ribbon's looks: the built-in strip and page area in system colours, the skinned tab faces by focus,
// hover and the application menu, dividers of squeezed tabs, and records the ribbon cannot use.
#include "platform/gdi/Colors.h"
#include "platform/ui/toolkit/TImageList.h"
#include "tests/skin/ribbon/RibbonFixture.h"

namespace {

TEST_F(RibbonTest, WithoutSkinTheSelectedTabIsAFaceBlockOnTheShadowStripAndAnEmptyRibbonShowsItsPageArea) {
  Layout();
  EXPECT_EQ(Shown(Ribbon, 2, 27), ColorToRGB(clBtnFace)) << "no tabs: the page area (1, 26)-(399, 112)";
  EXPECT_EQ(Shown(Ribbon, 398, 111), ColorToRGB(clBtnFace));
  EXPECT_EQ(Shown(Ribbon, 200, 113), ColorToRGB(clBtnShadow));
  AddTab(4);
  AddTab(4);
  Ribbon->SetTabIndex(0);
  Layout();
  const TRect Selected = Ribbon->Tabs()->GetItem(0)->ItemRect;
  EXPECT_EQ(Shown(Ribbon, Selected.Left + 1, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(Ribbon, Selected.Left + 1, 1), ColorToRGB(clBtnFace));
  EXPECT_EQ(Shown(Ribbon, Selected.Left + 1, 25), ColorToRGB(clBtnFace)) << "23 rows and 2 more into the page's border";
  const TRect Other = Ribbon->Tabs()->GetItem(1)->ItemRect;
  EXPECT_EQ(Shown(Ribbon, Other.Left + 1, 25), ColorToRGB(clBtnShadow));
}

TEST_F(RibbonTest, TheSelectedTabShowsTheFocusFaceOnlyWhileFocusedAndNoFaceWhileTheMenuIsShown) {
  BuildRibbonSkin(Model);
  Ribbon->SetSkinData(&Model);
  AddTab(4);
  AddTab(4);
  Ribbon->SetTabIndex(0);
  Layout();
  const TRect R = Ribbon->Tabs()->GetItem(0)->ItemRect;
  EXPECT_EQ(Shown(Ribbon, R.Left + 1, 2), RibbonSkin::ActiveTab);
  Ribbon->SetFocus();
  EXPECT_EQ(Shown(Ribbon, R.Left + 1, 2), RibbonSkin::FocusTab);
  auto* Menu = new TskAppMenu(Form);
  Menu->SetParent(Form);
  Menu->SetBounds(0, 200, 100, 100);  // out of the strip's way
  Ribbon->SetAppMenu(Menu);
  Menu->Show();
  Layout();
  EXPECT_EQ(Shown(Ribbon, R.Left + 1, 2), RibbonSkin::Strip) << "drawn like an unselected tab";
  const TRect Other = Ribbon->Tabs()->GetItem(1)->ItemRect;
  MoveTo(Ribbon, Other.Left + 5, 10);
  EXPECT_EQ(Shown(Ribbon, Other.Left + 1, 2), RibbonSkin::HotTab);
}

TEST_F(RibbonTest, SqueezedTabsShowADividerAfterEveryUnselectedTextOnlyTab) {
  BuildRibbonSkin(Model);
  Ribbon->SetSkinData(&Model);
  for (int i = 0; i < 3; ++i) AddTab(40);
  Ribbon->SetTabIndex(1);
  Layout();
  ASSERT_TRUE(Ribbon->ShowDivider());
  const auto DividerAfter = [&](int i) {
    const TRect R = Ribbon->Tabs()->GetItem(i)->ItemRect;
    return Shown(Ribbon, R.Right - 1, R.Bottom - 1) == RibbonSkin::Divider;
  };
  EXPECT_TRUE(DividerAfter(0));
  EXPECT_FALSE(DividerAfter(1)) << "the selected tab has a face";
  EXPECT_TRUE(DividerAfter(2));
}

TEST_F(RibbonTest, SkinnedButtonFacesFollowTheHoverAndThePressAndThePageAreaTakesTheBackgroundPicture) {
  using namespace RibbonSkin;
  for (const bool Picture : { false, true }) {
    BuildRibbonSkin(Model, true, Picture);
    Ribbon->SetSkinData(&Model);
    Layout();
    EXPECT_EQ(Shown(Ribbon, 200, 70), Picture ? Background : Client) << "the page area, picture " << Picture;
  }
  auto* Images = new TImageList(Form);
  Images->SetSize(16, 16);
  Ribbon->SetButtonsImageList(Images);
  Ribbon->Buttons()->Add();
  Ribbon->MDIChildMaximize();
  Layout();
  const TRect Button = Ribbon->Buttons()->GetItem(0)->ItemRect, Close = Ribbon->MDIButtons()->GetItem(0)->ItemRect;
  const TPoint Edge { Button.Left + 1, Button.Top + 1 };
  EXPECT_NE(Shown(Ribbon, Edge.X, Edge.Y), ButtonHot) << "no face while the pointer is away";
  EXPECT_EQ(Shown(Ribbon, Close.Left + 2, Close.Top + 2), MDIClose);
  MoveTo(Ribbon, Button.Left + 5, Button.Top + 5);
  EXPECT_EQ(Shown(Ribbon, Edge.X, Edge.Y), ButtonHot);
  Press(Ribbon, Button.Left + 5, Button.Top + 5);
  EXPECT_EQ(Shown(Ribbon, Edge.X, Edge.Y), ButtonDown);
  Release(Ribbon, Button.Left + 5, Button.Top + 5);
  EXPECT_EQ(Shown(Ribbon, Edge.X, Edge.Y), ButtonHot);
}

TEST_F(RibbonTest, ARecordOfAnotherKindOrWithoutItsPictureGivesTheBuiltInLook) {
  AddTab(4);
  const auto BuiltIn = [&] {
    Layout();
    return Shown(Ribbon, 300, 5) == ColorToRGB(clBtnShadow) && Ribbon->GetTabStripHeight() == 24;
  };
  {
    TskSkinModelBuilder Skin(Model);
    Skin.Add<TskDataSkinButtonControl>("button", "officetab").PictureIndex = Skin.AddPicture(10, 10);
    Skin.Finish();
  }
  Ribbon->SetSkinData(&Model);
  EXPECT_TRUE(BuiltIn()) << "a button record named officetab";
  BuildRibbonSkin(Model);
  FindSkinRecord<TskDataSkinTabControl>(Model, "officetab")->PictureIndex = 7;
  EXPECT_TRUE(BuiltIn()) << "a picture the skin does not have";
  FindSkinRecord<TskDataSkinTabControl>(Model, "officetab")->PictureIndex = 0;
  Layout();
  EXPECT_EQ(Shown(Ribbon, 300, 5), RibbonSkin::Strip);
}

}  // namespace
