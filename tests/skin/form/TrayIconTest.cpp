// The tray icon: what it sends the notification area, its clicks on the virtual clock, minimize to tray
// and back, the icon coming back after the area restarts, cycling, and the real area without a manager.
#include "platform/shell/TNotifyIconRecorder.h"
#include "platform/shell/TX11NotifyIconService.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "skin/form/TskTrayIcon.h"
#include "skin/form/skFormMessages.h"
#include "tests/skin/form/FormFrameFixture.h"

namespace {

String Repeat(const String& Piece, size_t Times) {
  String S;
  for (size_t I = 0; I < Times; ++I) S += Piece;
  return S;
}

class TrayIcon : public FormFrameTest {
protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    INotifyIconService::SetCurrent(&Area);
    Tray = new TskTrayIcon(Main);
    Tray->OnClick = [this](TObject*) { Log.push_back("Click"); };
    Tray->OnDblClick = [this](TObject*) { Log.push_back("DblClick"); };
    Tray->OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
      Log.push_back(Button == mbLeft ? "LeftDown" : "RightDown");
    };
    Tray->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
      Log.push_back(Button == mbLeft ? "LeftUp" : "RightUp");
    };
  }
  void TearDown() override {
    FormFrameTest::TearDown();
    INotifyIconService::SetCurrent(nullptr);
  }

  /// The notification area reports Mouse over the icon and the loop handles it.
  void Callback(LPARAM Mouse) {
    ASSERT_TRUE(Area.SendCallback(Tray->Handle(), 1, Mouse));
    Display->PumpUntilIdle();
  }

  const NOTIFYICONDATAW* Shown() const { return Area.Icon(Tray->Handle(), 1); }

  TNotifyIconRecorder Area;
  TskTrayIcon* Tray { nullptr };
};

TEST_F(TrayIcon, AddModifyAndDeleteCarryTheIconsRecordWithTextsCutAtTheirLimits) {
  Tray->SetHint(Repeat("托", 200));
  Area.Calls.clear();
  Tray->SetIconVisible(true);
  ASSERT_EQ(Area.Calls.size(), 1u);
  const NOTIFYICONDATAW& Added = Area.Calls[0].Data;
  EXPECT_EQ(Area.Calls[0].Message, NIM_ADD);
  EXPECT_EQ(Added.cbSize, 956u);
  EXPECT_EQ(Added.hWnd, Tray->Handle());
  EXPECT_EQ(Added.uID, 1u);
  EXPECT_EQ(Added.uFlags, NIF_MESSAGE | NIF_ICON | NIF_TIP);
  EXPECT_EQ(Added.uCallbackMessage, WM_TRAYICONCALLBACK);
  EXPECT_NE(Added.hIcon, HICON(0)) << "the application's icon";
  EXPECT_EQ(Added.szTip, Repeat("托", 127));

  EXPECT_TRUE(Tray->ShowBalloonHint(Repeat("题", 100), Repeat("文", 300), skbitWarning));
  ASSERT_NE(Shown(), nullptr);
  EXPECT_EQ(Shown()->szInfo, Repeat("文", 255));
  EXPECT_EQ(Shown()->szInfoTitle, Repeat("题", 63));
  EXPECT_EQ(Shown()->dwInfoFlags, NIIF_WARNING);
  EXPECT_EQ(Area.Calls.at(1).Data.szInfo, "") << "the old balloon goes first";

  Tray->SetShowHint(false);
  EXPECT_EQ(Area.Calls.back().Data.uFlags, NIF_MESSAGE | NIF_ICON | NIF_TIP) << "the balloon is not sent again";
  EXPECT_EQ(Shown()->szTip, "");
  EXPECT_TRUE(Tray->HideBalloonHint());
  EXPECT_EQ(Shown()->szInfo, "");

  Tray->SetIconVisible(false);
  EXPECT_EQ(Area.Calls.back().Message, NIM_DELETE);
  EXPECT_EQ(Shown(), nullptr);
  EXPECT_FALSE(Tray->IconVisible());
}

TEST_F(TrayIcon, AClickFiresAfterTheDoubleClickTimeAndADoubleClickOnlyAsOne) {
  auto* Menu = new TPopupMenu(Main);
  auto* Restore = new TMenuItem(Menu);
  Restore->SetDefault(true);
  Restore->OnClick = [this](TObject*) { Log.push_back("DefaultItem"); };
  Menu->Items()->Add(new TMenuItem(Menu));
  Menu->Items()->Add(Restore);
  Tray->SetPopupMenu(Menu);
  Tray->SetIconVisible(true);
  const int Wait = int(GetDoubleClickTime());

  Callback(WM_LBUTTONDOWN);
  Callback(WM_LBUTTONUP);
  EXPECT_EQ(Log, (AppLog { "LeftDown", "LeftUp" })) << "no click while a second one may come";
  Display->Advance(Wait + 10);
  EXPECT_EQ(Log, (AppLog { "LeftDown", "LeftUp", "Click" }));

  Log.clear();
  Callback(WM_LBUTTONDOWN);
  Callback(WM_LBUTTONUP);
  Callback(WM_LBUTTONDBLCLK);
  Callback(WM_LBUTTONUP);
  Display->Advance(Wait + 10);
  EXPECT_EQ(Log, (AppLog { "LeftDown", "LeftUp", "DblClick", "DefaultItem", "LeftUp" }));

  Log.clear();
  Callback(WM_LBUTTONDOWN);
  Display->Advance(Wait + 10);
  Callback(WM_LBUTTONUP);
  EXPECT_EQ(Log, (AppLog { "LeftDown", "Click", "LeftUp" })) << "held longer: the click comes at release";

  Log.clear();
  Tray->SetEnabled(false);
  for (LPARAM Mouse : { WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_MOUSEMOVE }) Callback(Mouse);
  Display->Advance(Wait + 10);
  EXPECT_TRUE(Log.empty());
}

TEST_F(TrayIcon, MinimizingPutsTheMainFormInTheTrayAndADoubleClickBringsItBack) {
  auto* Frame = Attach(Main, &Model);
  Main->Show();
  Display->PumpUntilIdle();
  // What the frame's restore-from-tray command does.
  Tray->OnDblClick = [this](TObject*) {
    Tray->ShowMainForm();
    App->Restore();
  };
  Tray->SetIconVisible(false);
  ASSERT_TRUE(Tray->MinimizeToTray());

  App->Minimize();
  Display->PumpUntilIdle();
  EXPECT_FALSE(Main->Visible());
  EXPECT_EQ(Main->Tag(), TrayRestoreTag);
  ASSERT_NE(Shown(), nullptr) << "the icon shows instead";

  Callback(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(Main->Visible());
  EXPECT_TRUE(IsWindowVisible(Main->Handle()));
  EXPECT_FALSE(IsIconic(Main->Handle()));
  EXPECT_EQ(Main->Tag(), 0) << "the frame heard WM_SHOWFROMTRAY";
  EXPECT_NE(Frame, nullptr);
}

TEST_F(TrayIcon, WithoutANotificationAreaMinimizingLeavesTheMainFormMinimized) {
  Main->Show();
  Area.Result = false;
  App->Minimize();
  Display->PumpUntilIdle();
  EXPECT_TRUE(Main->Visible()) << "a hidden main form could never come back";
  EXPECT_TRUE(IsIconic(Main->Handle()));
  EXPECT_NE(Main->Tag(), TrayRestoreTag);
  EXPECT_TRUE(Tray->IconVisible()) << "the icon is still wished for";

  Area.Result = true;
  Area.RestartTaskbar();
  Display->PumpUntilIdle();
  EXPECT_NE(Shown(), nullptr) << "a notification area that starts gets the icon";
}

TEST_F(TrayIcon, ARestartedNotificationAreaGetsAVisibleIconAgain) {
  Tray->SetIconVisible(true);
  Area.RestartTaskbar();
  Display->PumpUntilIdle();
  EXPECT_NE(Shown(), nullptr);

  Tray->SetIconVisible(false);
  Area.RestartTaskbar();
  Display->PumpUntilIdle();
  EXPECT_EQ(Shown(), nullptr) << "a hidden icon stays hidden";
}

TEST_F(TrayIcon, CyclingShowsTheImagesInTurnAndTellsTheNextOne) {
  auto* Images = new TCustomImageList(Main, 16, 16);
  const TColor Colours[] = { clRed, clLime, clBlue };
  for (TColor Colour : Colours) {
    TBitmap Image;
    Image.SetSize(16, 16);
    Image.Canvas()->Brush()->SetColor(Colour);
    Image.Canvas()->FillRect(Rect(0, 0, 16, 16));
    Images->Add(&Image, nullptr);
  }
  std::vector<int> Next;
  Tray->OnCycle = [&Next](TObject*, int Index) { Next.push_back(Index); };
  Tray->SetIconList(Images);
  Tray->SetAnimateTimerInterval(100);
  Tray->SetCycleIcons(true);
  auto ShownColour = [this] {
    TBitmap Picture;
    Picture.SetSize(16, 16);
    Picture.Canvas()->Draw(0, 0, Tray->Icon());
    return Picture.Canvas()->Pixels(8, 8);
  };
  std::vector<TColor> Seen;
  for (int Tick = 0; Tick < 4; ++Tick) {
    Display->Advance(100);
    Seen.push_back(ShownColour());
  }
  EXPECT_EQ(Seen, (std::vector<TColor> { clRed, clLime, clBlue, clRed }));
  EXPECT_EQ(Next, (std::vector<int> { 1, 2, 0, 1 }));

  Tray->SetIconIndex(7);
  EXPECT_EQ(Tray->IconIndex(), 2) << "clamped to the last image";
}

using TrayIconDisplay = TrayIcon;

TEST_F(TrayIconDisplay, WithoutATrayManagerTheRealAreaShowsNothingAndNothingWaits) {
  TX11NotifyIconService Real;
  INotifyIconService::SetCurrent(&Real);
  Tray->SetIconVisible(true);
  EXPECT_FALSE(Tray->Refresh());
  EXPECT_FALSE(Tray->ShowBalloonHint("转换", "完成", skbitInfo));
  Main->Show();
  App->Minimize();
  Display->PumpUntilIdle();
  EXPECT_TRUE(Main->Visible());
  INotifyIconService::SetCurrent(&Area);
}

}  // namespace
