// A skinned form frame driving its ribbon: Alt alone and the tabs' accelerators, the application button's
// popup menu taking its shortcuts first, the MDI children's reports, the application menu's caption piece
// in the caption bar, the system's frame while a ribbon is in use, and a skinned popup menu held open by a
// ribbon button.
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/toolkit/TImageList.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skSkinMessages.h"
#include "skin/form/TskActiveSkinObject.h"
#include "skin/ribbon/TskAppMenu.h"
#include "skin/ribbon/TskRibbon.h"
#include "skin/ribbon/TskRibbonPage.h"
#include "tests/skin/form/MenuFixture.h"

namespace {

constexpr TColor MenuCaptionPiece = RGB(30, 130, 230);

class FormRibbon : public MenuTest {
protected:
  void SetUp() override {
    MenuTest::SetUp();
    Edit->SetBounds(10, 200, 100, 25);
    Ribbon = new TskRibbon(Main);
    Ribbon->SetParent(Main);
    Frame->SetSkinRibbon(Ribbon);
    Menu = new TskAppMenu(Main);
    Menu->SetParent(Main);
    Ribbon->SetAppMenu(Menu);
    Menu->Items()->Add();
    Display->PumpUntilIdle();
  }
  TskRibbonTab* AddTab(const String& Caption) {
    TskRibbonTab* Tab = Ribbon->Tabs()->Add();
    Tab->Page()->SetCaption(Caption);
    return Tab;
  }
  /// The frame skin with its caption objects, and an application-menu skin whose caption piece (40 x 30)
  /// goes 4 pixels right and from 6 pixels down.
  void SkinFrameAndMenu() {
    BuildFrameSkin(Model);
    AddFrameObjects(Model);
    TskSkinModelBuilder Skin(MenuModel);
    const int P = Skin.AddPicture(100, 40);
    auto& Record = Skin.Add<TskDataSkinAppMenu>("appmenu", "appmenu");
    Record.PictureIndex = P;
    Record.CaptionRect = Skin.Paint(P, Rect(0, 0, 40, 30), MenuCaptionPiece);
    Record.CaptionLeftOffset = 4;
    Record.CaptionTopOffset = 6;
    Skin.Finish();
    Frame->SetSkinData(&Model);
    Menu->SetSkinData(&MenuModel);
    Main->SetCaption("Ribbon");
    Display->PumpUntilIdle();
  }
  /// The x of the leftmost pixel of the caption band in Colour, -1 when none.
  int FirstInCaption(TColor Colour) {
    Display->PumpUntilIdle();
    for (int X = 0; X < Main->Width(); ++X)
      for (int Y = 0; Y < 30; ++Y)
        if (Display->PixelAt(Main->Left() + X, Main->Top() + Y) == Colour) return X;
    return -1;
  }

  TskRibbon* Ribbon { nullptr };
  TskAppMenu* Menu { nullptr };
  TskSkinData MenuModel { nullptr };
};

TEST_F(FormRibbon, AltAloneClosesTheApplicationMenuAndAnOpenMenuAndFocusesTheRibbon) {
  Ribbon->ShowAppMenu();
  ASSERT_TRUE(Ribbon->AppMenuShown());
  Edit->SetFocus();
  Display->Key(VK_MENU);
  EXPECT_FALSE(Ribbon->AppMenuShown());
  EXPECT_TRUE(Ribbon->Focused());

  TskSkinPopupMenu* Popup = NewMenu({ "一" });
  Edit->SetFocus();
  OpenForEdit(Popup);
  ASSERT_TRUE(Frame->InMenu);
  Display->Key(VK_MENU);
  EXPECT_FALSE(Frame->InMenu);
  EXPECT_EQ(VisibleMenuWindows(), 0);
  EXPECT_TRUE(Ribbon->Focused());
  Log.clear();
  Edit->SetFocus();
  Display->Key('K');
  EXPECT_EQ(Log, AppLog { "Edit.KeyDown(75)" }) << "keys reach the form again";
}

TEST_F(FormRibbon, AltWithATabsAcceleratorSelectsItAfterTheApplicationButtonsMenuHadTheKey) {
  AddTab("&Home");
  AddTab("视图(&V)");
  TskRibbonTab* Hidden = AddTab("插入(&I)");
  Ribbon->SetTabIndex(0);
  Hidden->SetVisible(false);
  auto* AppPopup = NewMenu({ "新建" });
  AppPopup->Items()->Items(0)->SetShortCut(ShortCut('N', { ssAlt }));
  Ribbon->SetAppButtonPopupMenu(AppPopup);
  Edit->SetFocus();
  Log.clear();

  Display->Key('V', { VK_MENU });
  EXPECT_EQ(Ribbon->TabIndex(), 1);
  Display->Key('I', { VK_MENU });
  EXPECT_EQ(Ribbon->TabIndex(), 2) << "a hidden tab comes back";
  EXPECT_TRUE(Hidden->Visible());
  Display->Key('h', { VK_MENU });
  EXPECT_EQ(Ribbon->TabIndex(), 0) << "accelerators match without regard to case";
  Display->Key('V');
  EXPECT_EQ(Ribbon->TabIndex(), 0) << "not without Alt";
  Display->Key('N', { VK_MENU });
  std::erase(Log, "Edit.KeyDown(18)");  // the Alt key itself
  EXPECT_EQ(Log, (AppLog { "Edit.KeyDown(86)", "新建.Click" })) << "V reached the edit; Alt+N was the menu's";
  EXPECT_FALSE(Frame->InMenu) << "no key opened a menu";
}

TEST_F(FormRibbon, AnMDIFormsReportsAddAndRemoveTheRibbonsMDIButtons) {
  SendMessage(Main->Handle(), WM_MDICHILDMAXIMIZED, 0, 0);
  EXPECT_EQ(Ribbon->MDIButtons()->Count(), 0) << "only an MDI form's children report";
  Main->SetFormStyle(fsMDIForm);
  SendMessage(Main->Handle(), WM_MDICHILDMAXIMIZED, 0, 0);
  SendMessage(Main->Handle(), WM_MDICHILDMAXIMIZED, 0, 0);
  EXPECT_EQ(Ribbon->MDIButtons()->Count(), 3);
  SendMessage(Main->Handle(), WM_MDICHILDRESTORED, 0, 0);
  EXPECT_EQ(Ribbon->MDIButtons()->Count(), 0) << "no child is maximized any more";
  delete Ribbon;
  SendMessage(Main->Handle(), WM_MDICHILDMAXIMIZED, 0, 0);  // the frame forgot the ribbon
}

TEST_F(FormRibbon, TheShownMenusCaptionPieceTakesTheCaptionsLeftAndTheTextMovesRightOfIt) {
  SkinFrameAndMenu();
  const int SysMenu = Frame->GetIndex("sysmenubutton");
  ASSERT_GE(SysMenu, 0);
  const TRect Button = Frame->ObjectList[size_t(SysMenu)]->ObjectRect;
  const TPoint Top { (Button.Left + Button.Right) / 2, Button.Top };
  EXPECT_EQ(FirstInCaption(MenuCaptionPiece), -1);
  const int TextBefore = FirstInCaption(clWhite);
  ASSERT_GE(TextBefore, 0);
  ASSERT_LT(TextBefore, 100);
  EXPECT_EQ(FrameColor(Main, Top.X, Top.Y), ButtonNormal);

  Ribbon->ShowAppMenu();
  EXPECT_TRUE(Frame->AppMenuCaptionDrawn());
  EXPECT_EQ(Frame->AppMenuCaptionOffset(), 104) << "item width 100 and the piece's 4";
  EXPECT_EQ(FirstInCaption(MenuCaptionPiece), 4);
  EXPECT_EQ(FrameColor(Main, 103, 29), MenuCaptionPiece);
  EXPECT_EQ(FrameColor(Main, 50, 5), FrameCaption) << "the piece starts 6 pixels down";
  EXPECT_GE(FirstInCaption(clWhite), 104);
  ASSERT_LT(Button.Left, 104);
  EXPECT_EQ(FrameColor(Main, Top.X, Top.Y), FrameCaption) << "a button under the piece hides";

  Ribbon->HideAppMenu(nullptr);
  EXPECT_EQ(FirstInCaption(MenuCaptionPiece), -1);
  EXPECT_EQ(FirstInCaption(clWhite), TextBefore);
}

TEST_F(FormRibbon, WhileARibbonIsInUseTheSystemDrawsTheFrameAndNoCaptionPieceShows) {
  SkinFrameAndMenu();
  EXPECT_EQ(FrameColor(Main, 50, 2), FrameCaption);
  Frame->SetUseRibbon(true);
  SendMessage(Main->Handle(), WM_CHANGESKINNABLEFORM, WPARAM(&Model), 0);
  EXPECT_FALSE(Frame->SkinnableForm()) << "the model cannot take the frame back";
  EXPECT_NE(FrameColor(Main, 50, 2), FrameCaption);
  Ribbon->ShowAppMenu();
  EXPECT_EQ(FirstInCaption(MenuCaptionPiece), -1);
  Ribbon->HideAppMenu(nullptr);
}

TEST_F(FormRibbon, ASkinnedPopupMenuOpensBelowARibbonButtonThatStaysPressedUntilItCloses) {
  auto* Images = new TImageList(Main);
  Images->SetSize(16, 16);
  Ribbon->SetButtonsImageList(Images);
  TskRibbonButtonItem* Button = Ribbon->Buttons()->Add();
  Button->OnClick = [this](TObject*) { Log.push_back("button.Click"); };
  TskSkinPopupMenu* Popup = NewMenu({ "剪切", "复制" });
  Popup->OnMenuClose = [this](TObject*) { Log.push_back("OnMenuClose"); };
  Button->PopupMenu = Popup;
  Ribbon->Repaint();
  Display->PumpUntilIdle();
  const TRect R = Button->ItemRect;
  const TPoint Centre = Ribbon->ClientToScreen({ (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 });

  ClickAt(Centre);
  ASSERT_EQ(VisibleMenuWindows(), 1);
  EXPECT_EQ(Log, AppLog { "button.Click" });
  TRect Window;
  GetWindowRect(Level(0)->Handle(), &Window);
  EXPECT_EQ(Window.Top, Ribbon->ClientToScreen(R.TopLeft()).Y + R.Height() + 1) << "below the button";
  EXPECT_TRUE(Button->Down);
  Hover(Ribbon->ClientToScreen({ 200, 80 }));
  EXPECT_TRUE(Button->Down) << "the pointer leaving does not release it";

  Log.clear();
  ClickAt(RowPoint(Level(0), "复制"));
  EXPECT_EQ(VisibleMenuWindows(), 0);
  EXPECT_FALSE(Button->Down);
  EXPECT_EQ(Log, (AppLog { "OnMenuClose", "复制.Click" }));

  ClickAt(Centre);
  ASSERT_EQ(VisibleMenuWindows(), 1);
  Display->Key(VK_ESCAPE);
  EXPECT_EQ(VisibleMenuWindows(), 0);
  EXPECT_FALSE(Button->Down) << "Escape releases it too";
  EXPECT_FALSE(Frame->InMenu);
}

}  // namespace
