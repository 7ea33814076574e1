// The skinned main menu bar on a framed form: the converter's four menus, the keyboard menu mode (Alt,
// arrows, Enter, Esc, accelerators), the mouse moving an open menu from item to item, item widths and
// overflow, and the built-in look of hot and pressed items.
#include "platform/gdi/Text.h"
#include "skin/form/TskSkinMainMenu.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinMainMenuBarItem.h"
#include "tests/skin/form/MenuFixture.h"
#include "tests/skin/support/EmbeddedSkinModels.h"

namespace {

class SkinMainMenuBar : public MenuTest {
protected:
  void SetUp() override {
    MenuTest::SetUp();
    Menu = new TskSkinMainMenu(Main);
    for (const char* Caption : { "文件(&F)", "编辑(&E)", "工具(&T)", "帮助(&H)" }) {
      TMenuItem* Top = AddItem(Menu->Items(), Caption);
      Top->SetName(std::string("Top") + std::to_string(Menu->Items()->Count()));
      AddItem(Top, std::string(Caption).substr(0, 6) + "一");
      AddItem(Top, std::string(Caption).substr(0, 6) + "二");
    }
    Bar = new TskSkinMainMenuBar(Main);
    Bar->SetParent(Main);
    Bar->SetMainMenu(Menu);
    Frame->SetMainMenuBar(Bar);
    Display->PumpUntilIdle();
  }

  TskSkinMainMenuBarItem* BarItem(int Index) const { return Bar->Item(Index); }
  TPoint ItemPoint(int Index) const {
    const TRect& R = BarItem(Index)->ObjectRect;
    return Bar->ClientToScreen({ (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 });
  }
  /// The caption of the open menu's first row ("" when none is open).
  String OpenMenu() const {
    return Levels().empty() ? "" : Level(0)->ItemList.front()->MenuItem->Caption();
  }

  TskSkinMainMenu* Menu { nullptr };
  TskSkinMainMenuBar* Bar { nullptr };
};

TEST_F(SkinMainMenuBar, TheConvertersBarIs22PixelsHighWithFourItemsInARow) {
  EXPECT_EQ(Bar->Height(), 22);
  EXPECT_EQ(Bar->Align(), alTop);
  ASSERT_EQ(Bar->ItemCount(), 4);
  for (int i = 1; i < 4; ++i) EXPECT_EQ(BarItem(i)->ObjectRect.Left, BarItem(i - 1)->ObjectRect.Right);
  EXPECT_EQ(BarItem(0)->ObjectRect.Left, 2);
}

TEST_F(SkinMainMenuBar, AltThenRightThenDownOpensTheSecondMenuAndEscStepsBack) {
  Display->Key(VK_MENU);
  EXPECT_TRUE(Frame->InMainMenu);
  EXPECT_TRUE(Bar->MenuActive);
  EXPECT_TRUE(BarItem(0)->Active);
  Display->Key(VK_RIGHT);
  EXPECT_TRUE(BarItem(1)->Active);
  EXPECT_FALSE(BarItem(0)->Active);
  Display->Key(VK_DOWN);
  EXPECT_EQ(OpenMenu(), "编辑一");
  EXPECT_TRUE(BarItem(1)->FDown);
  EXPECT_EQ(Level(0)->Top(), Bar->ClientToScreen({ 0, BarItem(1)->ObjectRect.Bottom }).Y);
  Display->Key(VK_RIGHT);
  EXPECT_EQ(OpenMenu(), "工具一") << "Right on a leaf moves the open menu to the next item";
  Display->Key(VK_LEFT);
  EXPECT_EQ(OpenMenu(), "编辑一");
  Display->Key(VK_ESCAPE);
  EXPECT_TRUE(Levels().empty());
  EXPECT_TRUE(Frame->InMainMenu) << "the first Esc closes the menu and keeps the item highlighted";
  EXPECT_TRUE(BarItem(1)->Active);
  Display->Key(VK_ESCAPE);
  EXPECT_FALSE(Frame->InMainMenu);
  EXPECT_FALSE(Bar->MenuActive);
  Log.clear();
  Display->Key('A');
  EXPECT_EQ(Log, AppLog { "Edit.KeyDown(65)" }) << "the keyboard is the form's again";
}

TEST_F(SkinMainMenuBar, LeftAndRightWrapAroundAndEnterRunsAChosenRow) {
  Display->Key(VK_MENU);
  Log.clear();
  Display->Key(VK_LEFT);
  EXPECT_TRUE(BarItem(3)->Active);
  Display->Key(VK_RIGHT);
  EXPECT_TRUE(BarItem(0)->Active);
  Display->Key(VK_RETURN);
  EXPECT_EQ(OpenMenu(), "文件一");
  Display->Key(VK_DOWN);
  Display->Key(VK_RETURN);
  EXPECT_EQ(Log, (AppLog { "文件(&F).Click", "文件二.Click" }));
  EXPECT_FALSE(Frame->InMainMenu);
  EXPECT_FALSE(Frame->InMenu);
  EXPECT_FALSE(BarItem(0)->FDown);
}

TEST_F(SkinMainMenuBar, AltAndAnAcceleratorOpensThatMenuOrRunsALeafItem) {
  Display->Key('T', { VK_MENU });
  EXPECT_EQ(OpenMenu(), "工具一");
  EXPECT_TRUE(Frame->InMainMenu);
  Display->Key(VK_ESCAPE);
  Display->Key(VK_ESCAPE);
  EXPECT_FALSE(Frame->InMainMenu);
  TMenuItem* About = AddItem(Menu->Items(), "关于(&A)");
  Bar->UpDateItems();
  Display->PumpUntilIdle();
  Log.clear();
  Display->Key('A', { VK_MENU });
  EXPECT_EQ(Log, (AppLog { "Edit.KeyDown(18)", "关于(&A).Click" })) << "the Alt press itself reaches the control";
  EXPECT_TRUE(Levels().empty());
  EXPECT_FALSE(Frame->InMainMenu);
  (void)About;
}

TEST_F(SkinMainMenuBar, AnOpenMenuFollowsThePointerFromItemToItem) {
  std::vector<TObject*> Senders;
  Menu->Items()->Items(2)->OnClick = [&](TObject* Sender) { Senders.push_back(Sender); };
  ClickAt(ItemPoint(0));
  EXPECT_EQ(OpenMenu(), "文件一");
  EXPECT_TRUE(Bar->MenuActive);
  Hover(ItemPoint(2));
  EXPECT_EQ(OpenMenu(), "工具一");
  EXPECT_EQ(Levels().size(), 1u);
  EXPECT_EQ(Senders, std::vector<TObject*> { Bar }) << "the item's OnClick fires with the bar as sender";
  EXPECT_FALSE(BarItem(0)->FDown);
  EXPECT_TRUE(BarItem(2)->FDown);
  ClickAt(RowPoint(Level(0), "工具二"));
  EXPECT_EQ(Log, (AppLog { "文件(&F).Click", "工具二.Click" }));
  EXPECT_FALSE(Frame->InMainMenu);
  EXPECT_FALSE(Bar->MenuActive);
}

TEST_F(SkinMainMenuBar, ItemsThatDoNotFitAreHiddenAndListedByTheMarker) {
  const int FourItems = BarItem(3)->ObjectRect.Right;
  Main->SetClientWidth(BarItem(2)->ObjectRect.Right + 4 + 5);
  Display->PumpUntilIdle();
  EXPECT_TRUE(Bar->Scroll);
  EXPECT_TRUE(BarItem(2)->Shown());
  EXPECT_FALSE(BarItem(3)->Shown());
  EXPECT_FALSE(BarItem(3)->Enabled);
  const TPoint Marker = Bar->ClientToScreen({ Bar->NewItemsRect.Right - 2, Bar->Height() / 2 });
  Display->Click(Marker.X, Marker.Y);
  ASSERT_EQ(Levels().size(), 1u);
  ASSERT_EQ(Level(0)->ItemList.size(), 1u);
  EXPECT_EQ(Level(0)->ItemList.front()->MenuItem->Caption(), "帮助(&H)");
  Frame->SkinMenu->Hide();
  Main->SetClientWidth(FourItems + 20);
  Display->PumpUntilIdle();
  EXPECT_TRUE(BarItem(3)->Shown());
  EXPECT_TRUE(BarItem(3)->Enabled) << "shown again with its former enabled state";
}

TEST_F(SkinMainMenuBar, BuiltInItemsShowHotAndPressedLooks) {
  Hover(ItemPoint(1));
  const TRect R = BarItem(1)->ObjectRect;
  const auto At = [&](int X, int Y) {
    Display->PumpUntilIdle();
    const TPoint P = Bar->ClientToScreen({ X, Y });
    return Display->PixelAt(P.X, P.Y);
  };
  EXPECT_EQ(At(R.Left, R.Top), TColor(RGB(59, 107, 183)));
  EXPECT_EQ(At(R.Left + 2, R.Top + 2), TColor(RGB(193, 212, 243)));
  EXPECT_EQ(At(BarItem(0)->ObjectRect.Left + 2, R.Top + 2), ColorToRGB(clBtnFace));
  Display->Click(ItemPoint(1).X, ItemPoint(1).Y);
  EXPECT_EQ(At(R.Left + 2, R.Top + 2), TColor(RGB(162, 188, 228)));
  Display->SaveScreenPng(testing::TempDir() + "menubar-builtin.png");
  Frame->SkinMenu->Hide();
}

TEST_F(SkinMainMenuBar, ItemWidthsFollowTheirCaptions) {
  TBitmap Measure;
  Measure.SetSize(1, 1);
  Measure.Canvas()->Font()->Assign(Bar->DefItemFont());
  for (int i = 0; i < 4; ++i) {
    TRect T;
    DrawText(Measure.Canvas()->Handle(), BarItem(i)->MenuItem->Caption(), T, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(BarItem(i)->ObjectRect.Width(), T.Width() + 12) << i;
  }
}

}  // namespace

namespace {

TEST_F(SkinMainMenuBar, PicturesOfTheBarWithAnOpenMenuInTheProgramsSkins) {
  for (const auto& [Name, Container] : { std::pair { "product", ProductSkinContainer() },
                                         std::pair { "testskin", TestSkinContainer() } }) {
    const std::unique_ptr<TskSkinData> Skin = LoadEmbeddedSkin(Container);
    Bar->SetSkinData(Skin.get());
    Frame->SetMenusSkinData(Skin.get());
    Display->PumpUntilIdle();
    EXPECT_TRUE(Bar->SkinSupport()) << Name;
    ClickAt(ItemPoint(1));
    ASSERT_EQ(Levels().size(), 1u) << Name;
    Display->PumpUntilIdle();
    const TRect Open = BarItem(1)->ObjectRect, Closed = BarItem(2)->ObjectRect;
    const auto Shown = [&](const TRect& R) {
      const TPoint P = Bar->ClientToScreen({ R.Left + 3, R.Top + 3 });
      return Display->PixelAt(P.X, P.Y);
    };
    EXPECT_NE(Shown(Open), Shown(Closed)) << Name << ": the item whose menu is open is drawn pressed";
    EXPECT_EQ(Level(0)->Top(), Bar->ClientToScreen({ 0, Open.Bottom }).Y) << Name << ": the menu hangs below it";
    EXPECT_NEAR(Level(0)->Left(), Bar->ClientToScreen({ Open.Left, 0 }).X, 4) << Name;
    Display->SaveScreenPng(testing::TempDir() + "menubar-" + Name + ".png");
    Frame->SkinMenu->Hide();
    Bar->SetSkinData(nullptr);
    Frame->SetMenusSkinData(nullptr);
  }
}

}  // namespace
