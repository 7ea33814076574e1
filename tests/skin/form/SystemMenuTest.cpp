// The frame's system menu and tray menu: the items the form's state and border icons give, what each
// command does, the merge into a user's system menu, captions from the string table, and minimizing to
// the tray and back through the frame's tray icon.
#include "platform/shell/TNotifyIconRecorder.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/form/TskActiveSkinObject.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinMenuItem.h"
#include "skin/form/TskSkinPopupWindow.h"
#include "skin/form/TskSkinPopupMenu.h"
#include "skin/form/TskTrayIcon.h"
#include "skin/form/skFormMessages.h"
#include "tests/skin/form/FormFrameFixture.h"

namespace {

using Names = std::vector<String>;

constexpr TskBorderIcons AllButTray { TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize,
                                      TskBorderIcon::biMaximize, TskBorderIcon::biRollUp };

Names ItemNames(TMenuItem* Root) {
  Names Result;
  for (int i = 0; i < Root->Count(); ++i)
    Result.push_back(Root->Items(i)->IsLine() ? "-" : Root->Items(i)->Name().empty() ? Root->Items(i)->Caption()
                                                                                      : Root->Items(i)->Name());
  return Result;
}

TMenuItem* Named(TMenuItem* Root, const String& Name) {
  for (int i = 0; i < Root->Count(); ++i)
    if (Root->Items(i)->Name() == Name) return Root->Items(i);
  return nullptr;
}

class SystemMenu : public FormFrameTest {
protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    BuildFrameSkin(Model);
  }

  /// A shown, sizeable secondary form 300 x 200 at (200, 150) with a frame on the frame skin.
  TskSkinForm* Secondary(TskBorderIcons Icons) {
    Form = NewForm(Bounds(200, 150, 300, 200));
    Form->SetBorderStyle(bsSizeable);
    TskSkinForm* Frame = Attach(Form, &Model);
    Frame->SetBorderIcons(Icons);
    Form->Show();
    Display->PumpUntilIdle();
    return Frame;
  }

  /// Runs the command of the system menu's item Name as the menu would.
  static void Choose(TskSkinForm* Frame, const String& Name) {
    TMenuItem* Item = Named(Frame->SystemMenuItems(), Name);
    ASSERT_NE(Item, nullptr) << Name;
    Item->Click();
  }

  TForm* Form { nullptr };
};

TEST_F(SystemMenu, TheBuiltInMenuHoldsTheItemsTheStateAndBorderIconsAllow) {
  struct Case {
    const char* What;
    TskBorderIcons Icons;
    TWindowState State;
    bool RolledUp;
    Names Items;
  };
  const Case Cases[] = {
    { "normal", AllButTray, wsNormal, false, { "BSF_MINITEM", "BSF_MAXITEM", "BSF_ROLLUP", "-", "BSF_CLOSE" } },
    { "maximized", AllButTray, wsMaximized, false, { "BSF_MINITEM", "BSF_RESTORE", "BSF_ROLLUP", "-", "BSF_CLOSE" } },
    { "minimized", AllButTray, wsMinimized, false, { "BSF_MAXITEM", "BSF_RESTORE", "-", "BSF_CLOSE" } },
    { "rolled up", AllButTray, wsNormal, true, { "BSF_MINITEM", "BSF_MAXITEM", "BSF_RESTORE", "-", "BSF_CLOSE" } },
    { "the main window's icons", { TskBorderIcon::biMinimize }, wsNormal, false, { "BSF_MINITEM", "-", "BSF_CLOSE" } },
    { "a dialog's icons", {}, wsNormal, false, { "BSF_CLOSE" } },
    { "with the tray icon", { TskBorderIcon::biMinimizeToTray }, wsNormal, false, { "BSF_MINTOTRAY", "-", "BSF_CLOSE" } },
  };
  for (const Case& C : Cases) {
    TskSkinForm* Frame = Secondary(C.Icons);
    if (C.RolledUp) Frame->SetRollUpState(true);
    Frame->SetWindowState(C.State);
    TMenuItem* Root = Frame->SystemMenuItems();
    EXPECT_EQ(ItemNames(Root), C.Items) << C.What;
    EXPECT_EQ(ItemNames(Frame->SystemMenuItems()), C.Items) << C.What << ": made afresh, nothing added twice";
    delete Form;
  }
  TskSkinForm* Frame = Secondary(AllButTray);
  TMenuItem* Root = Frame->SystemMenuItems();
  EXPECT_EQ(Named(Root, "BSF_MINITEM")->Caption(), "Mi&nimize");
  EXPECT_EQ(Named(Root, "BSF_MAXITEM")->Caption(), "Ma&ximize");
  EXPECT_EQ(Named(Root, "BSF_ROLLUP")->Caption(), "Ro&llUp");
  EXPECT_EQ(Named(Root, "BSF_CLOSE")->Caption(), "&Close");
  EXPECT_EQ(Named(Root, "BSF_CLOSE")->ShortCut(), TextToShortCut("Alt+F4"));
}

TEST_F(SystemMenu, EachCommandDoesWhatItSays) {
  TskSkinForm* Frame = Secondary(AllButTray);
  const TRect Normal = Form->BoundsRect();
  Choose(Frame, "BSF_MAXITEM");
  EXPECT_EQ(Frame->WindowState(), wsMaximized);
  Choose(Frame, "BSF_RESTORE");
  EXPECT_EQ(Frame->WindowState(), wsNormal);
  EXPECT_EQ(Form->BoundsRect(), Normal);
  Choose(Frame, "BSF_ROLLUP");
  EXPECT_TRUE(Frame->RollUpState());
  EXPECT_EQ(Form->Height(), Frame->GetMinHeight());
  Choose(Frame, "BSF_RESTORE");
  EXPECT_FALSE(Frame->RollUpState()) << "Restore of a rolled-up normal form unrolls it";
  EXPECT_EQ(Form->BoundsRect(), Normal);
  Choose(Frame, "BSF_MINITEM");
  EXPECT_EQ(Frame->WindowState(), wsMinimized);
  Choose(Frame, "BSF_RESTORE");
  EXPECT_EQ(Form->BoundsRect(), Normal);
  Choose(Frame, "BSF_CLOSE");
  Display->PumpUntilIdle();
  EXPECT_FALSE(Form->Visible());
}

TEST_F(SystemMenu, AltSpaceOpensTheMenuAndItsFirstItemRunsFromTheKeyboard) {
  LoadTestSkin(Model);
  TskSkinForm* Frame = Secondary(AllButTray);
  Form->SetCaption("系统菜单");
  Form->SetFocus();
  Display->Key(VK_SPACE, { VK_MENU });
  ASSERT_TRUE(Frame->SkinMenu->Visible());
  Display->PumpUntilIdle();
  Display->SaveScreenPng(testing::TempDir() + "system-menu.png");
  Display->Key(VK_RETURN);
  Display->PumpUntilIdle();
  EXPECT_FALSE(Frame->SkinMenu->Visible());
  EXPECT_FALSE(Frame->InMenu);
  EXPECT_EQ(Frame->WindowState(), wsMinimized) << "Minimize, the first item";
}

TEST_F(SystemMenu, AUsersMenuGetsTheFramesItemsAtTheTopAndCloseAtTheEnd) {
  TskSkinForm* Frame = Secondary(AllButTray);
  auto* User = new TPopupMenu(Form);
  for (const char* Name : { "Plain", "BSF_CLOSE" }) {
    auto* Item = new TMenuItem(User);
    Item->SetName(Name);
    User->Items()->Add(Item);
  }
  Frame->SetSystemMenu(User);
  EXPECT_EQ(ItemNames(Frame->SystemMenuItems()), (Names { "BSF_MINITEM", "BSF_MAXITEM", "BSF_ROLLUP", "Plain", "BSF_CLOSE" }));
  Frame->SetWindowState(wsMaximized);
  EXPECT_EQ(ItemNames(Frame->SystemMenuItems()),
            (Names { "BSF_MINITEM", "BSF_RESTORE", "BSF_ROLLUP", "Plain", "BSF_CLOSE" }))
      << "Restore before Maximize's place, each item once";
  Frame->SetUseDefaultSysMenu(false);
  EXPECT_EQ(ItemNames(Frame->SystemMenuItems()),
            (Names { "BSF_MINITEM", "BSF_RESTORE", "BSF_ROLLUP", "Plain", "BSF_CLOSE" }))
      << "shown as it stands";
}

TEST_F(SystemMenu, CaptionsComeFromTheStringTableButTheTrayMenuKeepsTheBuiltInOnes) {
  TskResourceStrData Table { nullptr };
  Table.ResStrings()->SetText("MI_MINCAPTION=最小化\nMI_CLOSECAPTION=关闭\nMI_RESTORECAPTION=还原");
  Model.SetResourceStrData(&Table);
  TskSkinForm* Frame = Secondary({ TskBorderIcon::biMinimize, TskBorderIcon::biMaximize });
  TMenuItem* Root = Frame->SystemMenuItems();
  EXPECT_EQ(Named(Root, "BSF_MINITEM")->Caption(), "最小化");
  EXPECT_EQ(Named(Root, "BSF_CLOSE")->Caption(), "关闭");
  EXPECT_EQ(Named(Root, "BSF_MAXITEM")->Caption(), "") << "a name the table lacks gives no text";
  TMenuItem* Tray = Frame->SysTrayMenu()->Items();
  EXPECT_EQ(ItemNames(Tray), (Names { "TRAY_BSF_RESTORE", "-", "TRAY_BSF_CLOSE" }));
  EXPECT_EQ(Tray->Items(0)->Caption(), "&Restore");
  EXPECT_EQ(Tray->Items(2)->Caption(), "&Close");
  EXPECT_EQ(Tray->Items(2)->ShortCut(), TextToShortCut("Alt+F4"));
  Model.SetResourceStrData(nullptr);
}

// ---- Minimize to tray ----------------------------------------------------------------------------------

class FrameTray : public FormFrameTest {
protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    INotifyIconService::SetCurrent(&Area);
    Tray = new TskTrayIcon(Main);
    Tray->SetIconVisible(true);
    Main->SetBorderStyle(bsSingle);
    Frame = Attach(Main, nullptr);
    Frame->OnMinimizeToTray = [this](TObject*) { Log.push_back("MinimizeToTray"); };
    Frame->OnRestoreFromTray = [this](TObject*) { Log.push_back("RestoreFromTray"); };
  }
  void TearDown() override {
    FormFrameTest::TearDown();
    INotifyIconService::SetCurrent(nullptr);
  }

  void Callback(LPARAM Mouse) {
    ASSERT_TRUE(Area.SendCallback(Tray->Handle(), 1, Mouse));
    Display->PumpUntilIdle();
  }
  const NOTIFYICONDATAW* Shown() const { return Area.Icon(Tray->Handle(), 1); }
  void ExpectInTray() {
    EXPECT_FALSE(Main->Visible());
    EXPECT_EQ(Main->Tag(), TrayRestoreTag);
    EXPECT_NE(Shown(), nullptr) << "the icon shows instead";
  }
  void ExpectBack() {
    EXPECT_TRUE(IsWindowVisible(Main->Handle()));
    EXPECT_FALSE(IsIconic(Main->Handle()));
    EXPECT_EQ(Main->Tag(), 0);
    EXPECT_EQ(Shown(), nullptr) << "the icon goes with the restore";
    EXPECT_FALSE(Tray->MinimizeToTray());
  }

  TNotifyIconRecorder Area;
  TskTrayIcon* Tray { nullptr };
  TskSkinForm* Frame { nullptr };
};

TEST_F(FrameTray, LinkingHidesTheIconAndGivesItTheFramesMenuAndRestore) {
  Frame->SetTrayIcon(Tray);
  EXPECT_EQ(Shown(), nullptr);
  EXPECT_FALSE(Tray->MinimizeToTray()) << "minimizing the application keeps it on the taskbar";
  EXPECT_EQ(Tray->PopupMenu(), Frame->SysTrayMenu());
  EXPECT_TRUE(bool(Tray->OnDblClick));

  auto* Own = new TPopupMenu(Main);
  auto* Other = new TskTrayIcon(Main);
  Other->SetPopupMenu(Own);
  Other->SetIconVisible(true);
  Other->OnDblClick = [this](TObject*) { Log.push_back("own"); };
  Frame->SetAlwaysShowInTray(true);
  Frame->SetTrayIcon(Other);
  EXPECT_EQ(Other->PopupMenu(), Own) << "an icon's own menu and handler stay";
  EXPECT_NE(Area.Icon(Other->Handle(), 1), nullptr) << "AlwaysShowInTray keeps the icon";
  delete Other;
  EXPECT_EQ(Frame->TrayIcon(), nullptr) << "a freed icon is forgotten";
  Frame->MinimizeToTray();
  Frame->RestoreFromTray();
  EXPECT_TRUE(Log.empty()) << "without an icon nothing happens";
}

TEST_F(FrameTray, TheCaptionButtonPutsTheApplicationInTheTrayAndADoubleClickBringsItBack) {
  Frame->SetBorderIcons({ TskBorderIcon::biMinimize, TskBorderIcon::biMinimizeToTray });
  Frame->SetTrayIcon(Tray);
  Main->Show();
  Display->PumpUntilIdle();
  const int Button = Frame->GetIndex("traybutton");
  ASSERT_GE(Button, 0);
  const TRect R = Frame->FrameToScreen(Frame->ObjectList[size_t(Button)]->ObjectRect);
  ASSERT_FALSE(IsEmptyRect(R)) << "the button shows";
  Display->Click((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  Display->PumpUntilIdle();
  ExpectInTray();
  EXPECT_EQ(Log, AppLog { "MinimizeToTray" });

  Callback(WM_LBUTTONDBLCLK);
  ExpectBack();
  EXPECT_EQ(Log, (AppLog { "MinimizeToTray", "RestoreFromTray" }));
}

TEST_F(FrameTray, TheTrayMenusRestoreAndTheSystemMenusMinimizeWithAlwaysMinimizeToTray) {
  Frame->SetAlwaysMinimizeToTray(true);
  Frame->SetTrayIcon(Tray);
  Main->Show();
  Display->PumpUntilIdle();
  Named(Frame->SystemMenuItems(), "BSF_MINITEM")->Click();
  Display->PumpUntilIdle();
  ExpectInTray();

  Callback(WM_RBUTTONDOWN);
  ASSERT_TRUE(Frame->SkinMenu->Visible()) << "the tray menu opens through the frame";
  TskSkinPopupWindow* Level = Frame->SkinMenu->PopupList().at(0);
  const TRect& Row = Level->ItemList.at(0)->ObjectRect;
  const TPoint P = Level->ClientToScreen({ (Row.Left + Row.Right) / 2, (Row.Top + Row.Bottom) / 2 });
  Display->Click(P.X, P.Y);
  Display->PumpUntilIdle();
  ExpectBack();
  EXPECT_FALSE(Frame->InMenu);
  EXPECT_EQ(Log, (AppLog { "MinimizeToTray", "RestoreFromTray" }));
}

}  // namespace
