// Where forms go and what frame they get: Position, the border style and icons as window styles, the
// stay-on-top band switched at run time, window states, key preview, and the screen's monitors.
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

using FormPlacement = AppTest;

TEST_F(FormPlacement, PositionPlacesTheFormWhenItShows) {
  TForm* Main = nullptr;
  App->CreateForm(Main);
  Main->SetBounds(100, 100, 300, 200);
  Main->Show();
  TForm* Owner = NewForm(Bounds(600, 100, 200, 200));
  Owner->Show();
  struct Case {
    TPosition Position;
    TComponent* FormOwner;
    TRect Bounds;
    TRect Expected;
  };
  const Case Cases[] = {
    { poDesigned, App.get(), Bounds(7, 8, 100, 50), Bounds(7, 8, 100, 50) },
    { poScreenCenter, App.get(), Bounds(0, 0, 400, 300), Bounds(440, 250, 400, 300) },
    { poMainFormCenter, App.get(), Bounds(0, 0, 100, 50), Bounds(200, 175, 100, 50) },
    { poOwnerFormCenter, Owner, Bounds(0, 0, 100, 100), Bounds(650, 150, 100, 100) },
    { poOwnerFormCenter, App.get(), Bounds(0, 0, 100, 50), Bounds(200, 175, 100, 50) },  // no owner form
    { poMainFormCenter, App.get(), Bounds(0, 0, 600, 500), Bounds(0, 0, 600, 500) },    // kept on the screen
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(int(C.Position));
    auto* Form = new TForm(C.FormOwner);
    Form->SetBoundsRect(C.Bounds);
    Form->SetPosition(C.Position);
    Form->Show();
    EXPECT_EQ(Form->BoundsRect(), C.Expected);
    delete Form;
  }
  TForm* First = NewForm(Bounds(0, 0, 100, 100));
  First->SetPosition(poDefault);
  First->Show();
  TForm* Second = NewForm(Bounds(0, 0, 100, 100));
  Second->SetPosition(poDefaultPosOnly);
  Second->Show();
  EXPECT_EQ(Second->Left() - First->Left(), 24) << "default places step down and right";
  EXPECT_EQ(Second->Width(), 100);
  EXPECT_EQ(First->Width(), 960) << "a default size of three quarters of the work area";
  EXPECT_EQ(First->Position(), poDesigned) << "the default place is chosen once";
}

TEST_F(FormPlacement, BorderStyleAndIconsBecomeWindowStylesAndChangeInPlace) {
  struct Case {
    TFormBorderStyle Style;
    TBorderIcons Icons;
    DWORD Has, HasNot, ExHas;
  };
  const Case Cases[] = {
    { bsNone, { biSystemMenu }, WS_POPUP, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 0 },
    { bsSingle, { biSystemMenu, biMinimize }, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_THICKFRAME | WS_MAXIMIZEBOX, 0 },
    { bsSizeable, { biSystemMenu, biMaximize }, WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX, WS_MINIMIZEBOX, 0 },
    { bsDialog, { biSystemMenu, biMinimize, biMaximize, biHelp }, WS_POPUP | WS_CAPTION | WS_SYSMENU,
      WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP },
    { bsToolWindow, { biSystemMenu, biMinimize }, WS_CAPTION | WS_SYSMENU, WS_MINIMIZEBOX, WS_EX_TOOLWINDOW },
    { bsSizeToolWin, {}, WS_CAPTION | WS_THICKFRAME, WS_SYSMENU, WS_EX_TOOLWINDOW },
  };
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  auto* Panel = new TPanel(Form);
  Panel->SetParent(Form);
  Form->Show();
  const HWND Window = Form->Handle(), PanelWindow = Panel->Handle();
  for (const Case& C : Cases) {
    SCOPED_TRACE(int(C.Style));
    Form->SetBorderStyle(C.Style);
    Form->SetBorderIcons(C.Icons);
    const DWORD Style = GetWindowLong(Window, GWL_STYLE), ExStyle = GetWindowLong(Window, GWL_EXSTYLE);
    EXPECT_EQ(Style & C.Has, C.Has);
    EXPECT_EQ(Style & C.HasNot, 0u);
    EXPECT_EQ(ExStyle & C.ExHas, C.ExHas);
    EXPECT_TRUE(Style & WS_VISIBLE);
  }
  Form->SetFormStyle(fsStayOnTop);
  EXPECT_TRUE(GetWindowLong(Window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  Form->SetFormStyle(fsNormal);
  EXPECT_FALSE(GetWindowLong(Window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(Form->Handle(), Window) << "no window was made again";
  EXPECT_EQ(Panel->Handle(), PanelWindow);
}

TEST_F(FormPlacement, WindowStateFollowsTheWindowBothWays) {
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  Form->SetWindowState(wsMaximized);
  Form->Show();
  EXPECT_TRUE(IsZoomed(Form->Handle())) << "shown in its state";
  Form->SetWindowState(wsNormal);
  EXPECT_FALSE(IsZoomed(Form->Handle()));
  EXPECT_EQ(Form->BoundsRect(), Bounds(100, 100, 300, 200));
  SendMessage(Form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(Form->WindowState(), wsMinimized);
  SendMessage(Form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(Form->WindowState(), wsNormal);
}

TEST_F(FormPlacement, KeyPreviewGivesTheFormTheKeysFirst) {
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  auto* Edit = new KeyProbe(Form, &Log, "Edit", Form, Bounds(10, 10, 100, 25));
  Form->OnKeyDown = [&](TObject*, Word& Key, TShiftState) {
    Log.push_back("Form.KeyDown(" + std::to_string(Key) + ")");
    if (Key == 'A') Key = 0;
  };
  Form->Show();
  Edit->SetFocus();
  Display->Key('A');
  Form->SetKeyPreview(true);
  Display->Key('A');
  Display->Key('B');
  EXPECT_EQ(Log, (AppLog { "Edit.KeyDown(65)", "Form.KeyDown(65)", "Form.KeyDown(66)", "Edit.KeyDown(66)" }));
}

TEST_F(FormPlacement, TheScreenReportsItsMonitorsWorkAreaAndFonts) {
  Display->SetMonitors({ { Bounds(0, 0, 1280, 800), Bounds(0, 0, 1280, 760) },
                         { Bounds(1280, 0, 1024, 768), Bounds(1280, 0, 1024, 768) } });
  EXPECT_EQ(Screen->MonitorCount(), 2);
  EXPECT_EQ(Screen->Width(), 1280);
  EXPECT_EQ(Screen->WorkAreaRect(), Bounds(0, 0, 1280, 760));
  EXPECT_EQ(Screen->DesktopWidth(), 2304);
  EXPECT_EQ(Screen->Monitors(1)->BoundsRect(), Bounds(1280, 0, 1024, 768));
  EXPECT_TRUE(Screen->PrimaryMonitor()->Primary());
  EXPECT_THROW(Screen->Monitors(2), EListError);
  TForm* Form = NewForm(Bounds(1500, 100, 300, 200));
  Form->Show();
  EXPECT_EQ(Screen->MonitorFromWindow(Form->Handle()), Screen->Monitors(1));
  EXPECT_EQ(Form->Monitor(), Screen->Monitors(1));
  EXPECT_EQ(Screen->MonitorFromPoint({ 5000, 5000 }, mdNull), nullptr);
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHourGlass));
  Screen->SetCursor(crDefault);
  TStrings* Fonts = Screen->Fonts();
  ASSERT_GT(Fonts->Count(), 0);
  for (int I = 1; I < Fonts->Count(); ++I) EXPECT_LE(AnsiCompareText(Fonts->Strings(I - 1), Fonts->Strings(I)), 0);
}

}  // namespace
