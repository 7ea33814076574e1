// Menus as models: shortcut texts, accelerators, the item tree, radio groups, separators, shortcut and
// command dispatch, and popup menus handed to the installed presenter.
#include "platform/ui/toolkit/TMainMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

TEST(ShortCutText, ShortcutsReadAndParseAsTheMenusShowThem) {
  const std::pair<TShortCut, String> Cases[] = {
    { VK_F1, "F1" },
    { TShortCut(scCtrl | VK_F4), "Ctrl+F4" },
    { TShortCut(scAlt | VK_F4), "Alt+F4" },
    { TShortCut(scShift | scCtrl | 'S'), "Shift+Ctrl+S" },
    { TShortCut(scCtrl | VK_RETURN), "Ctrl+Enter" },
    { VK_DELETE, "Del" },
    { TShortCut(scAlt | '7'), "Alt+7" },
  };
  for (const auto& [Value, Text] : Cases) {
    EXPECT_EQ(ShortCutToText(Value), Text);
    EXPECT_EQ(TextToShortCut(Text), Value) << Text;
  }
  EXPECT_EQ(TextToShortCut("ctrl+f4"), TShortCut(scCtrl | VK_F4));
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Bogus"), scNone);
  EXPECT_EQ(ShortCut(VK_F4, { ssAlt }), TShortCut(scAlt | VK_F4));
}

TEST(ShortCutText, AcceleratorsAreTheCharacterAfterASingleAmpersand) {
  const std::tuple<String, char32_t, String> Cases[] = {
    { "&File", U'f', "File" },
    { "Save && Exit", 0, "Save & Exit" },
    { "Save && E&xit", U'x', "Save & Exit" },
    { "打开(&O)", U'o', "打开(O)" },
    { "&文件", U'文', "文件" },
    { "Trailing&", 0, "Trailing" },
  };
  for (const auto& [Caption, Hotkey, Stripped] : Cases) {
    EXPECT_EQ(GetHotkey(Caption), Hotkey) << Caption;
    EXPECT_EQ(StripHotkey(Caption), Stripped);
  }
  EXPECT_TRUE(IsAccel('X', "Save && E&xit"));
  EXPECT_FALSE(IsAccel('E', "Save && E&xit"));
}

class MenuTest : public AppTest {
protected:
  TMenuItem* Item(TMenuItem* Parent, const String& Caption, TShortCut Key = scNone) {
    auto* I = new TMenuItem(App.get());
    I->SetCaption(Caption);
    I->SetShortCut(Key);
    I->OnClick = [this, Caption](TObject*) { Log.push_back(Caption); };
    Parent->Add(I);
    return I;
  }
};

TEST_F(MenuTest, ItemsFormATreeThatFreesItsSubmenus) {
  TMainMenu Menu(nullptr);
  TMenuItem* File = Item(Menu.Items(), "&File");
  TMenuItem* Open = Item(File, "&Open");
  TMenuItem* Exit = Item(File, "E&xit");
  TMenuItem* Save = new TMenuItem(nullptr);
  File->Insert(1, Save);
  EXPECT_EQ(File->IndexOf(Save), 1);
  EXPECT_EQ(File->Find("exit"), Exit);
  EXPECT_EQ(Menu.Items()->Find("FILE"), File);
  EXPECT_EQ(Open->GetParentMenu(), &Menu);
  EXPECT_THROW(File->Insert(5, new TMenuItem(App.get())), EListError);
  EXPECT_THROW(Open->Add(File), EInvalidOperation) << "no cycles";
  Exit->SetMenuIndex(0);
  EXPECT_EQ(File->Items(0), Exit);
  File->Delete(File->IndexOf(Save));
  EXPECT_EQ(Save->Parent(), nullptr);
  delete Save;
  delete Open;  // an item freed elsewhere leaves its parent
  EXPECT_EQ(File->Count(), 1);
  const int Owned = App->ComponentCount();
  delete File;  // and an item frees its submenu (Exit is owned by the application)
  EXPECT_EQ(Menu.Items()->Count(), 0);
  EXPECT_EQ(App->ComponentCount(), Owned - 2);
}

TEST_F(MenuTest, CheckingARadioItemClearsItsGroupAndRethinkLinesHidesStraySeparators) {
  TMainMenu Menu(nullptr);
  TMenuItem* Root = Menu.Items();
  TMenuItem* Bmp = Item(Root, "BMP1");
  TMenuItem* Jpg = Item(Root, "JPG1");
  TMenuItem* Other = Item(Root, "Other");
  for (TMenuItem* I : { Bmp, Jpg }) I->SetRadioItem(true);
  Other->SetRadioItem(true);
  Other->SetGroupIndex(1);
  Bmp->SetChecked(true);
  Other->SetChecked(true);
  Jpg->SetChecked(true);
  EXPECT_FALSE(Bmp->Checked()) << "group index 0 is a group too";
  EXPECT_TRUE(Jpg->Checked());
  EXPECT_TRUE(Other->Checked()) << "another group";

  TMenuItem* Lines = Item(Root, "Sub");
  const char* Captions[] = { "-", "A", "-", "-", "B", "-", "C", "-" };
  std::vector<TMenuItem*> Items;
  for (const char* C : Captions) Items.push_back(Item(Lines, C));
  Items[6]->SetVisible(false);  // "C" hidden: the separator before it leads nowhere
  EXPECT_TRUE(Lines->RethinkLines());
  std::string Shown;
  for (TMenuItem* I : Items)
    if (I->Visible()) Shown += I->Caption();
  EXPECT_EQ(Shown, "A-B");
  EXPECT_FALSE(Lines->RethinkLines()) << "nothing left to change";
}

TEST_F(MenuTest, TheFormsMainMenuTakesItsShortcutsAndCommandsReachTheirItems) {
  TForm* Form = nullptr;
  App->CreateForm(Form);
  auto* Menu = new TMainMenu(Form);
  Form->SetMenu(Menu);
  TMenuItem* Help = Item(Menu->Items(), "&Help");
  TMenuItem* About = Item(Help, "&About", VK_F1);
  TMenuItem* Close = Item(Help, "Close", TShortCut(scCtrl | VK_F4));
  TMenuItem* Hidden = Item(Help, "Hidden", VK_F5);
  Hidden->SetVisible(false);
  auto* Edit = new KeyProbe(Form, &Log, "Edit", Form, Bounds(10, 10, 50, 20));
  Form->Show();
  Edit->SetFocus();
  Display->Key(VK_F1);
  Display->Key(VK_F4, { VK_CONTROL });
  Close->SetEnabled(false);
  Display->Key(VK_F4, { VK_CONTROL });
  Display->Key(VK_F5);
  const AppLog Expected = { "&About",           "Edit.KeyDown(17)",  "Close", "Edit.KeyDown(17)",
                            "Edit.KeyDown(115)", "Edit.KeyDown(116)" };  // disabled, hidden: no shortcut
  EXPECT_EQ(Log, Expected);
  Log.clear();
  EXPECT_TRUE(Menu->DispatchCommand(About->Command()));
  EXPECT_FALSE(Menu->DispatchCommand(0));
  EXPECT_EQ(Log, AppLog { "&About" });
  delete Menu;
  EXPECT_EQ(Form->Menu(), nullptr);
}

TEST_F(MenuTest, ARightClickHandsTheControlsPopupMenuToThePresenter) {
  TForm* Form = NewForm(Bounds(100, 100, 200, 100));
  auto* Target = new KeyProbe(Form, &Log, "Target", Form, Bounds(10, 10, 50, 30));
  auto* Popup = new TPopupMenu(Form);
  Target->SetPopupMenu(Popup);
  Form->Show();
  Display->PumpUntilIdle();
  std::vector<TPoint> Shown;
  const TPopupMenuPresenter Previous =
      SetPopupMenuPresenter([&](TPopupMenu* Menu, int X, int Y) {
        EXPECT_EQ(Menu, Popup);
        Shown.push_back({ X, Y });
      });
  int Popups = 0;
  Popup->OnPopup = [&](TObject*) { ++Popups; };
  const TPoint P = Target->ClientToScreen({ 5, 6 });
  Display->Click(P.X, P.Y, PointerButton::Right);
  EXPECT_EQ(Shown, std::vector<TPoint> { P });
  EXPECT_EQ(Popups, 1);
  EXPECT_EQ(Popup->PopupComponent(), Target);
  Popup->SetAutoPopup(false);
  Display->Advance(1000);
  Display->Click(P.X, P.Y, PointerButton::Right);
  EXPECT_EQ(Shown.size(), 1u);
  SetPopupMenuPresenter(Previous);
}

}  // namespace
