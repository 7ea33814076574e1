// The application menu: its item layout and scroll range, keys, its placement over the form, the event
// order of showing it and choosing a command, Escape through the message hook, the application button,
// the MDI buttons, and its built-in and caption painting.
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TEdit.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/form/TskSkinForm.h"
#include "tests/skin/ribbon/RibbonFixture.h"

namespace {

class AppMenuTest : public RibbonTest {
protected:
  void SetUp() override {
    RibbonTest::SetUp();
    Form->SetClientWidth(800);
    Form->SetClientHeight(600);
    Menu = new TskAppMenu(Form);
    Menu->SetParent(Form);
    Ribbon->SetAppMenu(Menu);
  }
  /// Items of the kinds in Kinds: 'c' a command item logging "click <index>", 'p' a page item.
  void AddItems(const std::string& Kinds) {
    for (char Kind : Kinds) {
      TskAppMenuItem* Item = Menu->Items()->Add();
      const int I = Item->Index();
      if (Kind == 'p')
        Item->SetPage(Menu->CreatePage());
      else
        Item->OnClick = [this, I](TObject* S) { Log.push_back((S == Ribbon ? "click " : "click? ") + std::to_string(I)); };
    }
  }
  void LogMenuEvents() {
    const auto Logger = [this](const char* Name) {
      return [this, Name](TObject* S) { Log.push_back(S == Ribbon ? Name : "?"); };
    };
    Menu->OnShowingMenu = Logger("showing");
    Menu->OnShowMenu = Logger("show");
    Menu->OnHidingMenu = Logger("hiding");
    Menu->OnHideMenu = Logger("hide");
    Ribbon->OnMenuClose = Logger("menu close");
  }
  void Key(UINT K) {
    Display->Key(K);
    Display->PumpUntilIdle();
  }

  TskAppMenu* Menu { nullptr };
};

TEST_F(AppMenuTest, CommandItemsAreInsetPageItemsSpanTheColumnWithGapsAndTheRangeEndsAtTheLastItem) {
  AddItems("ccppc");
  Menu->CalcItemRects();
  const TRect Expected[] = { Rect(8, 7, 92, 35), Rect(8, 35, 92, 63), Rect(0, 71, 100, 106), Rect(0, 114, 100, 149),
                             Rect(8, 157, 92, 185) };
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Menu->Items()->GetItem(i)->ItemRect, Expected[i]) << i;
  Menu->Show();
  Menu->SetBounds(0, 0, 300, 150);
  Menu->UpdateScrollInfo();
  ASSERT_TRUE(Menu->ScrollBar());
  EXPECT_EQ(Menu->ScrollBar()->Max(), 186);
  EXPECT_EQ(Menu->ScrollBar()->BoundsRect(), Rect(281, 0, 300, 150));
  Menu->SetBounds(0, 0, 300, 400);
  EXPECT_FALSE(Menu->ScrollBar()) << "a list that fits has no bar";

  Menu->Items()->GetItem(0)->SetVisible(false);
  Menu->Items()->GetItem(1)->SetVisible(false);
  Menu->CalcItemRects();
  EXPECT_EQ(Menu->Items()->GetItem(2)->ItemRect, Rect(0, 30, 100, 65)) << "a list that starts with a page item";

  BuildRibbonSkin(Model, false);
  auto* Record = FindSkinRecord<TskDataSkinAppMenu>(Model, "appmenu");
  Record->PageItemRect = Record->ItemRect;
  Menu->SetSkinData(&Model);
  Menu->GetSkinData();
  Menu->Items()->GetItem(0)->SetVisible(true);
  Menu->CalcItemRects();
  EXPECT_EQ(Menu->Items()->GetItem(0)->ItemRect, Rect(0, 7, 100, 35)) << "equal pictures: full width, packed";
  EXPECT_EQ(Menu->Items()->GetItem(2)->ItemRect, Rect(0, 35, 100, 63));
  Menu->SetItemWidth(50);
  EXPECT_EQ(Menu->ItemWidth(), 100);
}

TEST_F(AppMenuTest, KeysMoveOverUsableItemsWithoutWrappingAndActOnTheSelectedItem) {
  AddItems("cccpc");
  Menu->Items()->GetItem(1)->SetEnabled(false);
  Menu->Items()->GetItem(2)->SetVisible(false);
  Menu->Show();
  Menu->SetFocus();
  Menu->SetItemIndex(0);
  const struct {
    UINT Key;
    int Index;
  } Keys[] = { { VK_UP, 0 }, { VK_DOWN, 3 }, { VK_RIGHT, 4 }, { VK_DOWN, 4 }, { VK_PRIOR, 0 }, { VK_NEXT, 4 },
               { VK_LEFT, 3 }, { VK_TAB, 4 } };
  for (const auto& K : Keys) {
    Key(K.Key);
    EXPECT_EQ(Menu->ItemIndex(), K.Index) << "key " << K.Key;
  }
  Key(VK_UP);
  auto* Edit = new TEdit(Form);
  Edit->SetParent(Menu->Items()->GetItem(3)->Page());
  Menu->Items()->GetItem(3)->Page()->SetFirstActiveControl(Edit);
  Key(VK_RETURN);
  EXPECT_TRUE(Edit->Focused()) << "Enter on a page item focuses its first control";
  EXPECT_TRUE(Log.empty());
}

TEST_F(AppMenuTest, TheMenuCoversTheClientAreaBelowTheApplicationButtonOrAllOfItWithABackButton) {
  AddItems("cp");
  Ribbon->ShowAppMenu();
  EXPECT_TRUE(Menu->Visible());
  EXPECT_EQ(Menu->BoundsRect(), Bounds(0, 25, 800, 575));
  EXPECT_TRUE(Menu->Focused());
  Ribbon->HideAppMenu(nullptr);
  EXPECT_FALSE(Menu->Visible());
  BuildRibbonSkin(Model);
  Ribbon->SetSkinData(&Model);
  Menu->SetSkinData(&Model);
  Ribbon->ShowAppMenu();
  EXPECT_EQ(Menu->BoundsRect(), Bounds(0, 0, 800, 600));
  Form->SetClientHeight(500);
  EXPECT_EQ(Menu->Height(), 500) << "anchored while shown";
  Ribbon->HideAppMenu(nullptr);
}

TEST_F(AppMenuTest, WithoutItemsOrWithoutAMenuNothingShowsAndTheButtonStaysUp) {
  LogMenuEvents();
  ClickOnRect(Ribbon, Ribbon->AppButton()->BoundsRect());
  EXPECT_FALSE(Menu->Visible());
  EXPECT_FALSE(Ribbon->AppButton()->Down());
  EXPECT_TRUE(Log.empty());
  Ribbon->SetAppMenu(nullptr);
  Ribbon->ShowAppMenu();
  Ribbon->HideAppMenu(nullptr);
  EXPECT_TRUE(Log.empty());
}

TEST_F(AppMenuTest, ShowingAndChoosingACommandFireTheEventsInOrderAndTheCommandRunsAfterTheMenuIsHidden) {
  AddItems("pc");
  LogMenuEvents();
  Menu->Items()->GetItem(1)->OnClick = [this](TObject*) {
    Log.push_back(Menu->Visible() ? "click while shown" : "click");
  };
  ClickOnRect(Ribbon, Ribbon->AppButton()->BoundsRect());
  ASSERT_TRUE(Menu->Visible());
  EXPECT_TRUE(Ribbon->AppButton()->MenuTracked()) << "held pressed while the menu shows";
  EXPECT_EQ(Menu->ItemIndex(), 0);
  Key(VK_DOWN);
  Key(VK_RETURN);
  EXPECT_EQ(Log, AppLog({ "showing", "show", "hiding", "click", "menu close", "hide" }));
  EXPECT_FALSE(Ribbon->AppButton()->MenuTracked());
  EXPECT_FALSE(Ribbon->AppButton()->Down());
  Log.clear();
  ClickOnRect(Ribbon, Ribbon->AppButton()->BoundsRect());
  ClickOnRect(Ribbon, Ribbon->AppButton()->BoundsRect());
  EXPECT_FALSE(Menu->Visible()) << "a second press closes the menu";
  EXPECT_EQ(Log, AppLog({ "showing", "show", "hiding", "menu close", "hide" }));
}

TEST_F(AppMenuTest, EscapeClosesTheMenuThroughAHookThatHoldsBackTheApplicationsOwnHooks) {
  AddItems("c");
  auto* Frame = new TskSkinForm(Form);
  Frame->SetSkinRibbon(Ribbon);
  EXPECT_EQ(Ribbon->BSF, Frame);
  int AppHook = 0;
  App->OnMessage().Push(&AppHook, [&](TMsg& Msg, bool&) { AppHook += Msg.message == WM_KEYDOWN; });
  LogMenuEvents();
  Ribbon->ShowAppMenu();
  Key('A');
  EXPECT_EQ(AppHook, 0) << "held back while the menu shows";
  Key(VK_ESCAPE);
  EXPECT_FALSE(Menu->Visible());
  EXPECT_EQ(Log, AppLog({ "showing", "show", "hiding", "menu close", "hide" })) << "no item's command";
  Key('A');
  EXPECT_EQ(AppHook, 1);
  App->OnMessage().Remove(&AppHook);
}

TEST_F(AppMenuTest, ClearingOrReplacingAShownMenuGivesTheApplicationItsHooksBack) {
  AddItems("c");
  int AppHook = 0;
  App->OnMessage().Push(&AppHook, [&](TMsg& Msg, bool&) { AppHook += Msg.message == WM_KEYDOWN; });
  auto* Other = new TskAppMenu(Form);
  Other->SetParent(Form);
  for (TskAppMenu* Replacement : { Other, static_cast<TskAppMenu*>(nullptr) }) {
    Ribbon->SetAppMenu(Menu);
    Ribbon->ShowAppMenu();
    ASSERT_TRUE(Menu->Visible());
    Ribbon->SetAppMenu(Replacement);
    EXPECT_FALSE(Menu->Visible()) << "the old menu leaves the form";
    AppHook = 0;
    Key('A');
    EXPECT_EQ(AppHook, 1) << (Replacement ? "replaced" : "cleared");
  }
  App->OnMessage().Remove(&AppHook);
}

TEST_F(AppMenuTest, TheMouseChoosesACommandOnItsReleaseAnEmptyPressSelectsNothingAndTheBackButtonCloses) {
  AddItems("pccc");
  BuildRibbonSkin(Model);
  Ribbon->SetSkinData(&Model);
  Menu->SetSkinData(&Model);
  Ribbon->ShowAppMenu();
  Display->PumpUntilIdle();
  const auto Middle = [this](int i) {
    const TRect R = Menu->Items()->GetItem(i)->ItemRect;
    return TPoint { (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 };
  };
  Press(Menu, Middle(1).X, Middle(1).Y);
  EXPECT_EQ(Menu->ItemIndex(), 1) << "the press selects";
  Release(Menu, Middle(2).X, Middle(2).Y);
  EXPECT_TRUE(Menu->Visible()) << "released over another item: nothing is chosen";
  ClickAt(Menu, Middle(1).X, Middle(1).Y);
  EXPECT_FALSE(Menu->Visible());
  EXPECT_EQ(Log, AppLog({ "click 1" }));

  Ribbon->ShowAppMenu();
  TskAppMenuPage* Page = Menu->ActivePage();
  ClickAt(Menu, 50, Menu->Height() - 30);
  EXPECT_EQ(Menu->ItemIndex(), -1) << "an empty press";
  EXPECT_EQ(Menu->ActivePage(), Page);
  EXPECT_TRUE(Menu->Visible());
  const TPoint Wheel = Menu->ClientToScreen(Middle(2));
  Menu->SetItemIndex(1);
  Display->Wheel(-WHEEL_DELTA, Wheel.X, Wheel.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Menu->ItemIndex(), 2) << "down the wheel: the next item";
  Display->Wheel(WHEEL_DELTA, Wheel.X, Wheel.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Menu->ItemIndex(), 1);
  ClickAt(Menu, 23 + 10, 10);  // the back button takes the application button's place
  EXPECT_FALSE(Menu->Visible());
  EXPECT_EQ(Log.size(), 1u) << "closed without a command";
}

TEST_F(AppMenuTest, TheGripSizesASizeableFormAndSelectingScrollsTheItemIntoView) {
  AddItems("cccccccccccccccccccc");
  auto* Frame = new TskSkinForm(Form);
  Frame->SetSkinRibbon(Ribbon);
  Ribbon->ShowAppMenu();
  Form->SetClientHeight(300);
  Display->PumpUntilIdle();
  const auto HitAtCorner = [this] {
    const TPoint P = Menu->ClientToScreen({ Menu->Width() - 5, Menu->Height() - 5 });
    return SendMessage(Menu->Handle(), WM_NCHITTEST, 0, MAKELPARAM(P.X, P.Y));
  };
  EXPECT_EQ(HitAtCorner(), HTBOTTOMRIGHT);
  Frame->SetWindowState(wsMaximized);
  EXPECT_NE(HitAtCorner(), HTBOTTOMRIGHT) << "a maximized form has no grip";
  Frame->SetWindowState(wsNormal);

  ASSERT_TRUE(Menu->ScrollBar());
  TskSkinScrollBar* Bar = Menu->ScrollBar();
  Menu->SetItemIndex(19);
  Display->PumpUntilIdle();
  EXPECT_EQ(Bar->Position(), Bar->Max() - Bar->PageSize() + 1) << "the last item: the end";
  EXPECT_EQ(Menu->ScrollOffset(), Bar->Position());
  Menu->SetItemIndex(5);
  Display->PumpUntilIdle();
  const TRect Fifth = Menu->Items()->GetItem(5)->ItemRect;
  EXPECT_GE(Fifth.Top, 0);
  EXPECT_LE(Fifth.Bottom, Menu->Height());
  Menu->SetItemIndex(0);
  EXPECT_EQ(Bar->Position(), 0);
}

TEST_F(AppMenuTest, TheFramesViewOfTheRibbonReachesItsTabsAndItsMenu) {
  AddItems("c");
  Ribbon->Tabs()->Add()->Page()->SetCaption("开始(&S)");
  Ribbon->Tabs()->Add()->SetVisible(false);
  TskCustomRibbon* View = Ribbon;
  ASSERT_EQ(View->TabCount(), 2);
  EXPECT_EQ(View->TabCaption(0), "开始(&S)");
  View->SelectTabPage(1);
  EXPECT_EQ(Ribbon->TabIndex(), 1);
  EXPECT_TRUE(Ribbon->Tabs()->GetItem(1)->Visible()) << "a hidden tab shows again";
  Ribbon->ShowAppMenu();
  EXPECT_TRUE(View->AppMenuShown());
  EXPECT_EQ(View->AppMenuItemWidth(), 100);
  EXPECT_EQ(View->GetAppMenuCaptionOffset(), 100);
  EXPECT_FALSE(View->CanDrawAppMenuCaption());
  View->HideAppMenu(nullptr);
  EXPECT_FALSE(View->AppMenuShown());
}

TEST_F(AppMenuTest, TheApplicationButtonsKeysOpenTheMenuOrHandTheFocusToTheRibbon) {
  AddItems("c");
  TskAppButton* Button = Ribbon->AppButton();
  Button->SetFocus();
  Key(VK_UP);
  EXPECT_TRUE(Ribbon->Focused());
  EXPECT_FALSE(Menu->Visible());
  Button->SetFocus();
  Display->KeyDown(VK_RETURN);
  Display->PumpUntilIdle();
  EXPECT_FALSE(Menu->Visible()) << "Enter opens at its release";
  Display->KeyUp(VK_RETURN);
  Display->PumpUntilIdle();
  EXPECT_TRUE(Menu->Visible());
  Ribbon->HideAppMenu(nullptr);
  Button->SetFocus();
  Display->KeyDown(VK_DOWN);
  Display->PumpUntilIdle();
  EXPECT_TRUE(Menu->Visible());
}

TEST_F(AppMenuTest, MDIButtonsComeOnceForAMaximizedChildStayWhileOneIsMaximizedAndCloseIt) {
  Form->SetFormStyle(fsMDIForm);
  TskSkinForm* Frames[2];
  for (TskSkinForm*& Frame : Frames) {
    TForm* Child = NewForm(Bounds(0, 0, 200, 150));
    Child->SetFormStyle(fsMDIChild);
    Child->OnClose = [this](TObject*, TCloseAction&) { Log.push_back("child closes"); };
    Frame = new TskSkinForm(Child);
    Frame->SetWindowState(wsMaximized);
  }
  Ribbon->MDIChildMaximize();
  Ribbon->MDIChildMaximize();
  ASSERT_EQ(Ribbon->MDIButtons()->Count(), 3);
  Frames[0]->SetWindowState(wsNormal);
  Ribbon->MDIChildRestore();
  EXPECT_EQ(Ribbon->MDIButtons()->Count(), 3) << "another child is still maximized";
  Layout();
  ClickOnRect(Ribbon, Ribbon->MDIButtons()->GetItem(0)->ItemRect);
  EXPECT_EQ(Log, AppLog({ "child closes" }));
  ClickOnRect(Ribbon, Ribbon->MDIButtons()->GetItem(1)->ItemRect);
  EXPECT_EQ(Frames[1]->WindowState(), wsNormal) << "restore";
  Ribbon->MDIChildRestore();
  EXPECT_EQ(Ribbon->MDIButtons()->Count(), 0);
}

TEST_F(AppMenuTest, WithoutSkinTheMenuIsShadowWithTheSelectedItemOnAFaceAndTheShownPagesArrow) {
  AddItems("cp");
  Ribbon->ShowAppMenu();
  Menu->SetItemIndex(0);
  Display->PumpUntilIdle();
  const TRect Command = Menu->Items()->GetItem(0)->ItemRect, PageItem = Menu->Items()->GetItem(1)->ItemRect;
  EXPECT_EQ(Shown(Menu, 2, 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(Menu, Command.Left, Command.Top + 5), ColorToRGB(cl3DDkShadow)) << "the command's outline";
  EXPECT_EQ(Shown(Menu, Command.Left + 3, Command.Top + 5), ColorToRGB(clBtnFace));
  EXPECT_EQ(Shown(Menu, PageItem.Right - 1, (PageItem.Top + PageItem.Bottom) / 2), ColorToRGB(clWindow))
      << "the arrow joining the shown page's item to its page";
  EXPECT_EQ(Menu->GetAppMenuCaptionOffset(), 100);
  EXPECT_FALSE(Menu->CanDrawAppMenuCaption());
}

TEST_F(AppMenuTest, SkinnedTheSelectedItemShownPageItemBackButtonAndPageShowTheirPieces) {
  using namespace RibbonSkin;
  AddItems("cpc");
  BuildRibbonSkin(Model);
  Ribbon->SetSkinData(&Model);
  Menu->SetSkinData(&Model);
  Ribbon->ShowAppMenu();
  Menu->SetItemIndex(0);
  Display->PumpUntilIdle();
  TskAppMenuPage* Page = Menu->ActivePage();
  ASSERT_TRUE(Page);
  ASSERT_EQ(Page, Menu->Items()->GetItem(1)->Page());
  // Corners of each piece, clear of the captions.
  const auto Corners = [](const TRect& R) {
    return std::vector<TPoint> { { R.Left + 2, R.Top + 2 }, { R.Right - 3, R.Bottom - 3 } };
  };
  const TRect Area = Page->BoundsRect();
  const std::pair<TRect, TColor> Pieces[] = {
    { Menu->Items()->GetItem(0)->ItemRect, MenuItem },      // the selected command
    { Menu->Items()->GetItem(1)->ItemRect, MenuPageItem },  // the item of the shown page
    { Menu->Items()->GetItem(2)->ItemRect, clBtnShadow },   // a command not selected: the menu's own colour
    { Menu->BackButtonRect(), Back },
    { Rect(Area.Left - 8, Area.Top + 20, Area.Left - 2, Area.Bottom - 20), Frame },  // the frame around the page
  };
  for (const auto& [R, Colour] : Pieces)
    for (const TPoint& P : Corners(R))
      EXPECT_EQ(Shown(Menu, P.X, P.Y), ColorToRGB(Colour)) << P.X << "," << P.Y;
  for (const TPoint& P : Corners(Rect(0, 0, Page->Width(), Page->Height())))
    EXPECT_EQ(Shown(Page, P.X, P.Y), MenuClient) << "the page, at " << P.X << "," << P.Y;
}

TEST_F(AppMenuTest, TheCaptionPieceIsStretchedIntoTheFramesBandAfterTheOffsets) {
  BuildRibbonSkin(Model);
  Menu->SetSkinData(&Model);
  Menu->GetSkinData();
  ASSERT_TRUE(Menu->CanDrawAppMenuCaption());
  EXPECT_EQ(Menu->GetAppMenuCaptionOffset(), 104);
  TBitmap Band;
  Band.SetSize(120, 30);
  Band.Canvas()->Brush()->SetColor(clWhite);
  Band.Canvas()->FillRect(Rect(0, 0, 120, 30));
  Menu->DrawAppMenuCaption(Band.Canvas(), Rect(0, 0, 100, 30));
  EXPECT_EQ(Band.Canvas()->Pixels(3, 10), clWhite);
  EXPECT_EQ(Band.Canvas()->Pixels(4, 5), clWhite);
  EXPECT_EQ(Band.Canvas()->Pixels(50, 20), RibbonSkin::Caption);
  EXPECT_EQ(Band.Canvas()->Pixels(103, 29), RibbonSkin::Caption);
  EXPECT_EQ(Band.Canvas()->Pixels(104, 20), clWhite);
}

}  // namespace
