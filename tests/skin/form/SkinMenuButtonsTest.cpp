// Menu buttons with the real skinned popup menu: the menu opens below the button, the button stays down
// while it is open, comes up at the close notice, and the chosen item runs after that.
#include "skin/controls/TskSkinMenuButton.h"
#include "tests/skin/form/MenuFixture.h"

namespace {

class SkinMenuButtons : public MenuTest {
protected:
  void SetUp() override {
    MenuTest::SetUp();
    Button = Place<TskSkinMenuButton>(Main, Main, Bounds(20, 60, 90, 28));
    Button->SetCaption("添加");
    Menu = NewMenu({ "添加文件", "添加文件夹" });
    Button->SetSkinPopupMenu(Menu);
    Button->OnHideTrackMenu = [this](TObject*) { Log.push_back("Button.Hide"); };
    Display->PumpUntilIdle();
  }

  TskSkinMenuButton* Button { nullptr };
  TskSkinPopupMenu* Menu { nullptr };
};

TEST_F(SkinMenuButtons, TheMenuOpensBelowTheButtonAndTheItemRunsAfterTheButtonCameUp) {
  Menu->Items()->Items(1)->OnClick = [this](TObject*) {
    Log.push_back("添加文件夹.Click");
    EXPECT_FALSE(Button->Down());
  };
  ClickOn(Button);
  ASSERT_EQ(Levels().size(), 1u);
  const TPoint Corner = Button->ClientToScreen({ 0, 0 });
  EXPECT_EQ(Level(0)->Left(), Corner.X);
  EXPECT_EQ(Level(0)->Top(), Corner.Y + Button->Height());
  EXPECT_TRUE(Button->Down());
  EXPECT_TRUE(Button->MenuTracked());
  ClickAt(RowPoint(Level(0), "添加文件夹"));
  EXPECT_EQ(Log, (AppLog { "Button.Hide", "添加文件夹.Click" }));
  EXPECT_FALSE(Button->Down());
  EXPECT_FALSE(Button->MenuTracked());
}

TEST_F(SkinMenuButtons, EscOrAClickElsewhereRaisesTheButtonOnce) {
  for (const bool ByKey : { true, false }) {
    Log.clear();
    ClickOn(Button);
    ASSERT_EQ(Levels().size(), 1u);
    if (ByKey) {
      Display->Key(VK_ESCAPE);
    } else {
      const TPoint P = Main->ClientToScreen({ 300, 200 });
      Display->Click(P.X, P.Y);
    }
    EXPECT_EQ(Log, AppLog { "Button.Hide" }) << (ByKey ? "Esc" : "click");
    EXPECT_FALSE(Button->Down());
    EXPECT_FALSE(Frame->InMenu);
  }
}

TEST_F(SkinMenuButtons, AButtonWhoseMenuShowsNothingComesUpAtOnce) {
  Menu->Items()->Clear();
  ClickOn(Button);
  EXPECT_FALSE(Button->Down());
  EXPECT_FALSE(Button->MenuTracked());
  EXPECT_FALSE(Frame->InMenu);
  EXPECT_TRUE(Log.empty());
}

}  // namespace
