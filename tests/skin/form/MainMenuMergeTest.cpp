// The main menu bar with a second menu merged into its own: the active MDI child's main menu by group
// index (equal groups in their menu order), its shortcuts, and the bar's own items back when the child
// loses the activation, hides or goes; Merge and UnMerge on any form.
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/form/TskSkinMainMenuBarItem.h"
#include "tests/skin/form/MDIFormFixture.h"

namespace {

class MainMenuMerge : public MDIFrame {
protected:
  void SetUp() override {
    MDIFrame::SetUp();
    Menu->Items()->Items(0)->SetName("File");
    WindowMenu->SetName("Window");
    WindowMenu->SetGroupIndex(9);
  }

  /// A top-level item of Menu named Name in group Group.
  static TMenuItem* AddItem(TMainMenu* AMenu, const std::string& Name, Byte Group) {
    auto* Item = new TMenuItem(AMenu);
    Item->SetName(Name);
    Item->SetCaption(Name);
    Item->SetGroupIndex(Group);
    AMenu->Items()->Add(Item);
    return Item;
  }

  /// The names of the bar's items in order, joined by spaces.
  std::string BarItems() const {
    std::string Names;
    for (int i = 0; i < Bar->ItemCount(); ++i) Names += (i ? " " : "") + Bar->Item(i)->MenuItem->Name();
    return Names;
  }
};

TEST_F(MainMenuMerge, TheActiveChildsMenuJoinsTheBarByGroupAndLeavesWithTheChild) {
  TForm* A = NewChild("A");
  auto* ChildMenu = new TMainMenu(A);
  AddItem(ChildMenu, "Edit", 1);
  AddItem(ChildMenu, "View", 1);
  AddItem(ChildMenu, "Tools", 9);  // takes the place of the bar's own group 9
  TForm* B = NewChild("B");
  EXPECT_EQ(BarItems(), "File Window") << "B has no menu";
  EXPECT_FALSE(Bar->ChildMenuIn());

  A->Show();
  Display->PumpUntilIdle();
  ASSERT_EQ(Main->ActiveMDIChild(), A);
  EXPECT_EQ(BarItems(), "File Edit View Tools");
  EXPECT_TRUE(Bar->ChildMenuIn());
  EXPECT_FALSE(Bar->ScrollMenu()) << "a bar with a child menu never scrolls";

  B->Show();
  Display->PumpUntilIdle();
  EXPECT_EQ(BarItems(), "File Window") << "the active child has no menu";
  A->Show();
  Display->PumpUntilIdle();
  ASSERT_EQ(BarItems(), "File Edit View Tools");

  A->Hide();
  Display->PumpUntilIdle();
  EXPECT_EQ(BarItems(), "File Window") << "hidden";
  A->Show();
  Display->PumpUntilIdle();
  ASSERT_EQ(BarItems(), "File Edit View Tools");
  delete B;
  delete A;
  Display->PumpUntilIdle();
  EXPECT_EQ(BarItems(), "File Window") << "freed";
  EXPECT_FALSE(Bar->ChildMenuIn());
}

TEST_F(MainMenuMerge, ItemsOfOneGroupKeepTheirMenuOrder) {
  // Enough items that an unstable sort would move equal ones about.
  for (int i = 0; i < 12; ++i) AddItem(Menu, "Own" + std::to_string(i), i % 2 ? 0 : 5);
  TForm* A = NewChild("A");
  auto* ChildMenu = new TMainMenu(A);
  for (int i = 0; i < 24; ++i) AddItem(ChildMenu, "Child" + std::to_string(i), i % 3 ? 2 : 7);
  Bar->UpDateItems();
  std::string Expected = "File";
  for (int i = 1; i < 12; i += 2) Expected += " Own" + std::to_string(i);
  for (int i = 0; i < 24; ++i)
    if (i % 3) Expected += " Child" + std::to_string(i);
  for (int i = 0; i < 12; i += 2) Expected += " Own" + std::to_string(i);
  for (int i = 0; i < 24; i += 3) Expected += " Child" + std::to_string(i);
  Expected += " Window";
  EXPECT_EQ(BarItems(), Expected);
}

TEST_F(MainMenuMerge, AMergedItemsShortcutRunsIt) {
  TForm* A = NewChild("A");
  auto* ChildMenu = new TMainMenu(A);
  TMenuItem* Edit = AddItem(ChildMenu, "Edit", 1);
  auto* Copy = new TMenuItem(ChildMenu);
  Copy->SetCaption("Copy");
  Copy->SetShortCut(TextToShortCut("Ctrl+K"));
  int Runs = 0;
  Copy->OnClick = [&Runs](TObject*) { ++Runs; };
  Edit->Add(Copy);
  Bar->UpDateItems();
  Display->Key('K', { VK_CONTROL });
  Display->Key('K', { VK_CONTROL });
  Display->PumpUntilIdle();
  EXPECT_EQ(Runs, 2);
}

TEST_F(MainMenuMerge, MergeAndUnMergeOnAnyFormAndAFreedMergeMenuLeavesTheBar) {
  TForm* Form = NewForm(Bounds(100, 100, 400, 200), "Plain");
  TskSkinForm* PlainFrame = Attach(Form, &Model);
  auto* Own = new TMainMenu(Form);
  AddItem(Own, "File", 0);
  AddItem(Own, "Window", 9);
  auto* PlainBar = Place<TskSkinMainMenuBar>(Form, Form, Bounds(0, 0, 400, 22));
  PlainBar->SetMainMenu(Own);
  PlainFrame->SetMainMenuBar(PlainBar);
  Form->Show();
  Display->PumpUntilIdle();
  auto Names = [PlainBar] {
    std::string S;
    for (int i = 0; i < PlainBar->ItemCount(); ++i) S += (i ? " " : "") + PlainBar->Item(i)->MenuItem->Name();
    return S;
  };
  auto* Extra = new TMainMenu(Form);
  AddItem(Extra, "Help", 20);
  AddItem(Extra, "Edit", 1);
  PlainBar->Merge(Extra);
  EXPECT_EQ(Names(), "File Edit Window Help");
  PlainBar->UnMerge();
  EXPECT_EQ(Names(), "File Window");
  PlainBar->Merge(Extra);
  delete Extra;
  EXPECT_EQ(Names(), "File Window");
  EXPECT_EQ(PlainBar->GetChildMainMenu(), nullptr);
}

}  // namespace
