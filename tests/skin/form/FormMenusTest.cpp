// The frame's menu mode and keys: the application hook a skinned menu holds, hooks of other components
// leaving in any order, the form's shortcuts asked twice per keystroke, and Alt+Space.
#include "platform/ui/toolkit/TMainMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "skin/form/TskSkinMenu.h"
#include "tests/skin/form/FormFrameFixture.h"

namespace {

class FormMenus : public FormFrameTest {
protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    Frame = Attach(Main, &Model);
    Edit = new KeyProbe(Main, &Log, "Edit", Main, Bounds(10, 10, 100, 25));
    Main->Show();
    Edit->SetFocus();
    Frame->OnSkinMenuOpen = [this](TObject*) { Events.push_back("open"); };
    Frame->OnSkinMenuClose = [this](TObject*) { Events.push_back("close"); };
  }

  /// A main menu of Form's frame with one item whose shortcut is Key; Runs counts its clicks.
  void AddMainMenu(TCustomForm* Form, TskSkinForm* AFrame, TShortCut Key) {
    auto* Menu = new TMainMenu(Form);
    auto* Item = new TMenuItem(Menu);
    Item->SetCaption("帮助");
    Item->SetShortCut(Key);
    Item->OnClick = [this](TObject*) { ++Runs; };
    Menu->Items()->Add(Item);
    AFrame->SetMainMenu(Menu);
  }

  TskSkinForm* Frame { nullptr };
  KeyProbe* Edit { nullptr };
  std::vector<String> Events;
  int Runs { 0 };
};

TEST_F(FormMenus, AnOpenMenuTakesEveryKeyAndTheWheelAndEscClosesIt) {
  int AppKeys = 0;
  const int AppOwner = 0;
  App->OnMessage().Push(&AppOwner, [&](TMsg& M, bool&) { AppKeys += M.message == WM_KEYDOWN; });
  int Wheels = 0;
  const TWndMethod EditProc = Edit->WindowProc();
  Edit->SetWindowProc([&Wheels, EditProc](TMessage& M) {
    Wheels += M.Msg == WM_MOUSEWHEEL;
    EditProc(M);
  });
  Frame->SkinMenuOpen();
  EXPECT_TRUE(Frame->InMenu);
  Display->Key('A');
  const TPoint P = Edit->ClientToScreen({ 5, 5 });
  Display->Wheel(-120, P.X, P.Y);
  EXPECT_TRUE(Log.empty()) << "no key reached the control";
  EXPECT_EQ(Wheels, 0);
  EXPECT_EQ(AppKeys, 0) << "the hooks below the menu's hear nothing";
  Display->Key(VK_ESCAPE);
  EXPECT_FALSE(Frame->InMenu) << "Esc with no level left closes the menu";
  EXPECT_EQ(Events, (std::vector<String> { "open", "close" }));
  Display->Key('B');
  EXPECT_EQ(AppKeys, 1) << "the application's own hook hears keys again";
  EXPECT_EQ(Log, AppLog { "Edit.KeyDown(66)" });
  App->OnMessage().Remove(&AppOwner);
  Edit->SetWindowProc(EditProc);
}

// A task's previewer may install its hook while a menu is open and go before the menu closes, or after.
TEST_F(FormMenus, HooksOfAMenuAndAnotherComponentLeaveInAnyOrderWithNoStaleHook) {
  for (const bool MenuLeavesFirst : { true, false }) {
    int Previewer = 0;
    const int PreviewerOwner = 0;
    Frame->SkinMenuOpen();
    App->OnMessage().Push(&PreviewerOwner, [&](TMsg& M, bool&) { Previewer += M.message == WM_KEYDOWN; });
    if (MenuLeavesFirst) {
      Frame->SkinMenuClose();
      App->OnMessage().Remove(&PreviewerOwner);
    } else {
      App->OnMessage().Remove(&PreviewerOwner);
      Frame->SkinMenuClose();
    }
    Log.clear();
    Display->Key('C');
    EXPECT_EQ(Log, AppLog { "Edit.KeyDown(67)" }) << (MenuLeavesFirst ? "menu first" : "previewer first");
    EXPECT_TRUE(App->OnMessage().Empty());
  }
}

TEST_F(FormMenus, AMessageThatClosesMenusAtTheFormEndsMenuMode) {
  for (const UINT Msg : { UINT(WM_LBUTTONDOWN), UINT(WM_PARENTNOTIFY), UINT(WM_ACTIVATE) }) {
    Frame->SkinMenuOpen();
    SendMessage(Main->Handle(), Msg, 0, 0);
    EXPECT_FALSE(Frame->InMenu) << Msg;
    Log.clear();
    Display->Key('D');
    EXPECT_EQ(Log, AppLog { "Edit.KeyDown(68)" }) << Msg;
  }
}

TEST_F(FormMenus, ConsecutiveShortcutsEachRunTheirItem) {
  AddMainMenu(Main, Frame, ShortCut(VK_F1, {}));
  for (int I = 0; I < 3; ++I) Display->Key(VK_F1);
  EXPECT_EQ(Runs, 3);
  EXPECT_TRUE(Log.empty()) << "no F1 reached the control";

  TForm* Dialog = NewForm(Bounds(500, 100, 300, 200));
  auto* DialogFrame = Attach(Dialog, &Model);
  auto* DialogEdit = new KeyProbe(Dialog, &Log, "DialogEdit", Dialog, Bounds(10, 10, 100, 25));
  AddMainMenu(Dialog, DialogFrame, ShortCut('S', { ssCtrl }));
  Runs = 0;
  Later([&] {
    DialogEdit->SetFocus();
    Display->Key('S', { VK_CONTROL });
    Display->Key('S', { VK_CONTROL });
    Dialog->SetModalResult(mrOk);
  });
  Dialog->ShowModal();
  EXPECT_EQ(Runs, 2) << "a modal dialog's shortcut pressed twice runs twice";
}

TEST_F(FormMenus, TheFramesOwnHandlerSeesKeysFirstAndAltSpaceOpensTheSystemMenu) {
  AddMainMenu(Main, Frame, ShortCut(VK_F1, {}));
  Frame->OnShortCut = [](TWMKey& Key, bool& Handled) { Handled = Key.CharCode == VK_F1; };
  Display->Key(VK_F1);
  EXPECT_EQ(Runs, 0) << "the frame's handler took the key";
  Frame->OnShortCut = nullptr;
  Display->Key(VK_SPACE, { VK_MENU });
  // The system menu opens through the frame's menus and the form leaves menu mode when it closes.
  EXPECT_EQ(Events, std::vector<String> { "open" });
  EXPECT_TRUE(Frame->SkinMenu->Visible());
  Display->Key(VK_ESCAPE);
  EXPECT_EQ(Events, (std::vector<String> { "open", "close" }));
  EXPECT_FALSE(Frame->InMenu);
  Log.clear();
  Display->Key('E');
  EXPECT_EQ(Log, AppLog { "Edit.KeyDown(69)" });
}

}  // namespace

namespace {

TEST_F(FormMenus, AnMDIChildHandsItsKeysToTheMainFormsOpenMenu) {
  Main->SetFormStyle(fsMDIForm);
  TForm* Child = NewForm(Bounds(150, 150, 200, 150));
  Child->SetFormStyle(fsMDIChild);
  auto* ChildFrame = Attach(Child, &Model);
  Frame->SkinMenuOpen();
  ChildFrame->SkinMenuOpen();
  Display->Key(VK_ESCAPE);
  EXPECT_FALSE(Frame->InMenu) << "Esc closed the main form's menu";
  EXPECT_TRUE(ChildFrame->InMenu);
  ChildFrame->SkinMenuClose();
}

}  // namespace
