// The ribbon's tabs and pages, tab switching by code, mouse, keys and wheel, and its caption-area and MDI
// buttons' clicks, popup menus and hints.
#include "platform/ui/toolkit/TImageList.h"
#include "platform/ui/toolkit/TPanel.h"
#include "skin/form/TskSkinHint.h"
#include "tests/skin/controls/RecordingMenus.h"
#include "tests/skin/ribbon/RibbonFixture.h"

namespace {

TEST_F(RibbonTest, EachNewTabGetsAPageNamedForItAndBecomesTheSelectedTab) {
  LogPageEvents();
  for (int i = 0; i < 3; ++i) Ribbon->Tabs()->Add();
  for (int i = 0; i < 3; ++i) {
    TskRibbonPage* Page = Ribbon->Tabs()->GetItem(i)->Page();
    ASSERT_TRUE(Page);
    EXPECT_EQ(Page->Name(), "skRibbonPage" + std::to_string(i + 1));
    EXPECT_EQ(Page->Caption(), Page->Name());
    EXPECT_EQ(Page->Owner(), Form);
    EXPECT_EQ(Page->Parent(), Ribbon);
    EXPECT_EQ(Page->Visible(), i == 2) << "only the selected tab's page shows";
  }
  EXPECT_EQ(Ribbon->TabIndex(), 2);
  EXPECT_EQ(Log, AppLog({ "changing", "change", "changing", "change", "changing", "change" }));

  Ribbon->Tabs()->Clear();
  EXPECT_TRUE(Form->FindComponent("skRibbonPage3")) << "Clear keeps the pages";
  auto* Taken = new TPanel(Form);
  Taken->SetName("skRibbonPage4");
  EXPECT_EQ(Ribbon->Tabs()->Add()->Page()->Name(), "skRibbonPage5") << "names skip those the form holds";
}

TEST_F(RibbonTest, ARibbonBuiltLikeAStoredFormBindsItsStoredPagesWhenLoaded) {
  auto* Built = new TskRibbon(Form);
  Built->BeginLoading();
  Built->SetParent(Form);
  TskRibbonPage* Pages[2];
  for (TskRibbonPage*& Page : Pages) {
    TskRibbonTab* Tab = Built->Tabs()->Add();
    EXPECT_EQ(Tab->Page(), nullptr) << "no page is made while loading";
    Page = new TskRibbonPage(Form);
    Page->SetParent(Built);
    Tab->SetPage(Page);
  }
  Built->SetTabIndex(1);
  Built->EndLoading();
  EXPECT_EQ(Pages[0]->Ribbon, Built);
  EXPECT_FALSE(Pages[0]->Visible());
  EXPECT_TRUE(Pages[1]->Visible());
  EXPECT_EQ(Built->ActivePage(), Pages[1]);
  EXPECT_EQ(Pages[1]->BoundsRect(), Built->GetPageBounds()) << "bound pages take the page area";
}

TEST_F(RibbonTest, DeletingATabFreesItsPageAndAPageFreedElsewhereIsForgottenByItsTab) {
  Ribbon->Tabs()->Add();
  Ribbon->Tabs()->Add();
  Ribbon->Tabs()->Delete(0);
  EXPECT_FALSE(Form->FindComponent("skRibbonPage1"));
  TskRibbonTab* Tab = Ribbon->Tabs()->GetItem(0);
  EXPECT_EQ(Ribbon->TabIndex(), 0) << "the selection follows its tab";
  EXPECT_EQ(Ribbon->ActivePage(), Tab->Page());
  delete Tab->Page();
  EXPECT_EQ(Tab->Page(), nullptr);
  EXPECT_EQ(Ribbon->ActivePage(), nullptr);
  Layout();  // the strip draws a tab without a page as an empty caption
  EXPECT_EQ(Tab->ItemRect.Width(), 30);
}

TEST_F(RibbonTest, InsertingOrDeletingTabsKeepsOneSelectedTabWhosePageAloneShows) {
  const struct {
    const char* Change;
    int At;
    int ExpectedIndex;
    int ExpectedTab;  // the tab of the original four now selected; -1: the inserted one
  } Cases[] = {
    { "insert", 0, 0, -1 }, { "insert", 2, 2, -1 }, { "insert", 3, 3, -1 },
    { "delete", 0, 1, 2 },  { "delete", 3, 2, 2 },  { "delete", 2, 2, 3 },
  };
  for (const auto& C : Cases) {
    Ribbon->Tabs()->Clear();
    TskRibbonTab* Original[4];
    for (TskRibbonTab*& Tab : Original) Tab = AddTab(4);
    TskRibbonPage* Pages[4];
    for (int i = 0; i < 4; ++i) Pages[i] = Original[i]->Page();
    Ribbon->SetTabIndex(2);
    TskRibbonPage* Expected = nullptr;
    if (std::string(C.Change) == "insert") {
      Expected = Ribbon->Tabs()->Insert(C.At)->Page();
    } else {
      Ribbon->Tabs()->Delete(C.At);
      Expected = Pages[C.ExpectedTab];
    }
    const std::string Case = std::string(C.Change) + " at " + std::to_string(C.At);
    EXPECT_EQ(Ribbon->TabIndex(), C.ExpectedIndex) << Case;
    EXPECT_EQ(Ribbon->ActivePage(), Expected) << Case;
    for (int i = 0; i < Ribbon->Tabs()->Count(); ++i) {
      const TskRibbonPage* Page = Ribbon->Tabs()->GetItem(i)->Page();
      EXPECT_EQ(Page->Visible(), Page == Expected) << Case << ", tab " << i;
    }
  }
}

TEST_F(RibbonTest, HidingTheSelectedTabSelectsTheNextVisibleOneElseTheOneBefore) {
  for (int i = 0; i < 3; ++i) AddTab(4);
  Ribbon->SetTabIndex(1);
  Ribbon->Tabs()->GetItem(1)->SetVisible(false);
  EXPECT_EQ(Ribbon->TabIndex(), 2);
  EXPECT_FALSE(Ribbon->Tabs()->GetItem(1)->Page()->Visible());
  Ribbon->Tabs()->GetItem(2)->SetVisible(false);
  EXPECT_EQ(Ribbon->TabIndex(), 0);
  Ribbon->Tabs()->GetItem(0)->SetVisible(false);
  EXPECT_EQ(Ribbon->TabIndex(), 0) << "no visible tab left: the index stays";
  EXPECT_FALSE(Ribbon->Tabs()->GetItem(0)->Page()->Visible());
  Ribbon->SetTabIndex(1);
  EXPECT_EQ(Ribbon->TabIndex(), -1) << "with no visible tab the index becomes -1";
}

TEST_F(RibbonTest, SelectingByIndexOrPageShowsHiddenTabsAndIgnoresWhatNoTabHolds) {
  for (int i = 0; i < 3; ++i) AddTab(4);
  LogPageEvents();
  Ribbon->SetTabIndex(5);
  EXPECT_EQ(Ribbon->TabIndex(), 2);
  Ribbon->Tabs()->GetItem(0)->SetVisible(false);
  Ribbon->SetActivePage(Ribbon->Tabs()->GetItem(0)->Page());
  EXPECT_EQ(Ribbon->TabIndex(), 0);
  EXPECT_TRUE(Ribbon->Tabs()->GetItem(0)->Visible());
  EXPECT_TRUE(Ribbon->ActivePage()->Visible());
  EXPECT_EQ(Log, AppLog({ "changing", "change" }));
  Ribbon->ActivePage()->Hide();
  Ribbon->SetTabIndex(0);
  EXPECT_TRUE(Ribbon->ActivePage()->Visible()) << "the same index shows its page again";
  auto* Stranger = new TskRibbonPage(Form);
  Ribbon->SetActivePage(Stranger);
  EXPECT_EQ(Ribbon->TabIndex(), 0);
  EXPECT_EQ(Log.size(), 2u) << "no further events";
}

TEST_F(RibbonTest, ClickingATabSelectsItAndFocusesTheRibbonKeysAndTheWheelMoveOverVisibleTabs) {
  for (int i = 0; i < 4; ++i) AddTab(4);
  Ribbon->SetTabIndex(0);
  Layout();
  LogPageEvents();
  ClickOnRect(Ribbon, Ribbon->Tabs()->GetItem(0)->ItemRect);
  EXPECT_TRUE(Log.empty()) << "the selected tab fires nothing";
  EXPECT_TRUE(Ribbon->Focused());
  ClickOnRect(Ribbon, Ribbon->Tabs()->GetItem(1)->ItemRect);
  EXPECT_EQ(Log, AppLog({ "changing", "change" }));
  EXPECT_EQ(Ribbon->TabIndex(), 1);

  Ribbon->Tabs()->GetItem(2)->SetVisible(false);
  const struct {
    UINT Key;
    int Expected;
  } Keys[] = { { VK_RIGHT, 3 }, { VK_RIGHT, 3 }, { VK_LEFT, 1 }, { VK_NEXT, 3 }, { VK_PRIOR, 0 }, { VK_DOWN, 1 } };
  for (const auto& K : Keys) {
    Display->Key(K.Key);
    Display->PumpUntilIdle();
    EXPECT_EQ(Ribbon->TabIndex(), K.Expected) << "key " << K.Key;
  }
  const TPoint P = At(Ribbon, 200, 60);
  Display->Wheel(-WHEEL_DELTA, P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Ribbon->TabIndex(), 3) << "down the wheel: the next visible tab";
  Display->Wheel(WHEEL_DELTA, P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Ribbon->TabIndex(), 1);

  Ribbon->SetTabIndex(0);
  Display->Key(VK_LEFT);
  Display->PumpUntilIdle();
  EXPECT_TRUE(Ribbon->AppButton()->Focused()) << "left of the first tab lies the application button";
  Display->Wheel(-WHEEL_DELTA, P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Ribbon->TabIndex(), 0) << "the wheel needs the ribbon's focus";
}

class RibbonButtonsTest : public RibbonTest {
protected:
  void SetUp() override {
    RibbonTest::SetUp();
    auto* Images = new TImageList(Form);
    Images->SetSize(16, 16);
    Ribbon->SetButtonsImageList(Images);
    for (int i = 0; i < 2; ++i) {
      TskRibbonButtonItem* Button = Ribbon->Buttons()->Add();
      Button->OnClick = [this, i](TObject* S) { Log.push_back((S == Ribbon ? "click " : "click? ") + std::to_string(i)); };
    }
    Layout();
  }
  TskRibbonButtonItem* Button(int i) { return Ribbon->Buttons()->GetItem(i); }
  TPoint Centre(int i) {
    const TRect R = Button(i)->ItemRect;
    return { (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 };
  }
};

TEST_F(RibbonButtonsTest, AButtonClicksOnlyWhenReleasedOverItAndADisabledOneIsNeverHot) {
  EXPECT_TRUE(Ribbon->Tabs()->Count() == 0) << "the buttons work without any tab";
  ClickAt(Ribbon, Centre(0).X, Centre(0).Y);
  EXPECT_EQ(Log, AppLog({ "click 0" }));
  Press(Ribbon, Centre(1).X, Centre(1).Y);
  EXPECT_TRUE(Button(1)->Down);
  Release(Ribbon, 200, 60);
  EXPECT_EQ(Log.size(), 1u);
  EXPECT_FALSE(Button(1)->Down);
  EXPECT_FALSE(Button(1)->Active);
  Button(0)->SetEnabled(false);
  MoveTo(Ribbon, Centre(0).X, Centre(0).Y);
  EXPECT_FALSE(Button(0)->Active);
  ClickAt(Ribbon, Centre(0).X, Centre(0).Y);
  EXPECT_EQ(Log.size(), 1u);
}

TEST_F(RibbonButtonsTest, RemovingTheButtonsUnderThePointerLeavesNothingForTheReleaseToClick) {
  const TPoint Over = Centre(1);
  Press(Ribbon, Over.X, Over.Y);
  Ribbon->Buttons()->Clear();
  Release(Ribbon, Over.X, Over.Y);
  ClickAt(Ribbon, Over.X, Over.Y);
  EXPECT_TRUE(Log.empty());
}

TEST_F(RibbonButtonsTest, MDIButtonsRemovedUnderThePointerLeaveNothingForTheReleaseToClick) {
  Ribbon->MDIChildMaximize();
  Layout();
  ASSERT_EQ(Ribbon->MDIButtons()->Count(), 3);
  const TRect R = Ribbon->MDIButtons()->GetItem(0)->ItemRect;
  const TPoint Over { (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 };
  Press(Ribbon, Over.X, Over.Y);
  Ribbon->MDIChildRestore();
  ASSERT_EQ(Ribbon->MDIButtons()->Count(), 0);
  Release(Ribbon, Over.X, Over.Y);
  ClickAt(Ribbon, Centre(0).X, Centre(0).Y);
  EXPECT_EQ(Log, AppLog({ "click 0" })) << "the caption-area buttons still work";
}

TEST_F(RibbonButtonsTest, AButtonWithAPopupMenuStaysPressedUntilTheMenuCloses) {
  TRecordingPopupMenu Menu(&Log);
  Button(1)->PopupMenu = &Menu;
  ClickAt(Ribbon, Centre(1).X, Centre(1).Y);
  EXPECT_EQ(Log, AppLog({ "popup.Open", "click 1" })) << "opened on the press, clicked on the release";
  const TPoint Corner = Ribbon->ClientToScreen(Button(1)->ItemRect.TopLeft());
  EXPECT_EQ(Menu.At, Bounds(Corner.X, Corner.Y, 22, 23));
  EXPECT_TRUE(Button(1)->Down);
  MoveTo(Ribbon, 200, 60);
  EXPECT_TRUE(Button(1)->Down);
  Menu.Close();
  EXPECT_FALSE(Button(1)->Down);
}

TEST_F(RibbonButtonsTest, HintsShowOverButtonsWithHintsOnlyWithASkinHintAndTheSwitchOn) {
  Button(0)->SetHint("帮助");
  Ribbon->SetButtonsShowHint(true);
  MoveTo(Ribbon, Centre(0).X, Centre(0).Y);  // no hint component: nothing happens
  MoveTo(Ribbon, 200, 60);
  auto* Hint = new TskSkinHint(Form);
  Ribbon->SetSkinHint(Hint);
  MoveTo(Ribbon, Centre(0).X, Centre(0).Y);
  Display->Advance(App->HintPause() + 10);
  EXPECT_TRUE(Hint->IsVisible());
  MoveTo(Ribbon, 200, 60);
  EXPECT_FALSE(Hint->IsVisible());
  delete Hint;
  EXPECT_EQ(Ribbon->SkinHint(), nullptr);
}

TEST_F(RibbonTest, ButtonItemsCopyTheirLookButNotTheirCommand) {
  TskRibbonButtonItem* A = Ribbon->Buttons()->Add();
  EXPECT_EQ(A->ImageIndex(), -1);
  EXPECT_TRUE(A->Enabled() && A->Visible());
  EXPECT_TRUE(A->Hint().empty());
  EXPECT_EQ(A->PopupMenu, nullptr);
  A->SetImageIndex(3);
  A->SetHint("h");
  A->SetEnabled(false);
  A->OnClick = [](TObject*) {};
  TskRibbonButtonItem* B = Ribbon->Buttons()->Add();
  B->Assign(A);
  EXPECT_EQ(B->ImageIndex(), 3);
  EXPECT_EQ(B->Hint(), "h");
  EXPECT_FALSE(B->Enabled());
  EXPECT_FALSE(B->OnClick);
  EXPECT_THROW(Ribbon->Tabs()->Add()->Assign(A), EConvertError);
}

}  // namespace
