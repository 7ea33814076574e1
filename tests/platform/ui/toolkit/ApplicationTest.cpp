// The application object: the plain message box, hand-overs while it is open, exceptions shown in it,
// OnMessage hooks that leave in any order, minimizing and restoring, building forms in code, and help requests.
#include <atomic>
#include <thread>

#include "platform/ui/toolkit/TCustomLabel.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "platform/ui/winsys/InputLayer.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

using ApplicationTest = AppTest;

/// The message box open now (the active form).
TCustomForm* OpenBox() { return Screen->ActiveForm(); }

/// The text the open message box shows.
String BoxText() {
  for (int I = 0; I < OpenBox()->ControlCount(); ++I)
    if (auto* Label = dynamic_cast<TCustomLabel*>(OpenBox()->Controls(I))) return Label->Caption();
  return {};
}

TEST_F(ApplicationTest, MessageBoxButtonsAnswerByKeyAndCloseBox) {
  struct Case {
    UINT Flags;
    std::function<void()> Press;
    int Expected;
  };
  HeadlessPresenter& D = *Display;
  const Case Cases[] = {
    { MB_OK, [&] { D.Key(VK_RETURN); }, IDOK },
    { MB_OK, [&] { D.Key(VK_ESCAPE); }, IDOK },
    { MB_OKCANCEL, [&] { D.Key(VK_ESCAPE); }, IDCANCEL },
    { MB_YESNOCANCEL | MB_DEFBUTTON2, [&] { D.Key(VK_RETURN); }, IDNO },
    { MB_YESNOCANCEL, [&] { D.Key(VK_TAB); D.Key(VK_TAB); D.Key(VK_RETURN); }, IDCANCEL },
    { MB_YESNO, [&] { D.Key('N', { VK_MENU }); }, IDNO },
    { MB_YESNO, [&] { D.Key('Y'); }, IDYES },
    { MB_RETRYCANCEL, [&] { D.RequestClose(OpenBox()->Handle()); }, IDCANCEL },
    // Esc and the close box do nothing where no button means "cancel"; the test then presses Enter.
    { MB_YESNO, [&] { D.Key(VK_ESCAPE); D.RequestClose(OpenBox()->Handle()); D.Key(VK_RETURN); }, IDYES },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Flags);
    Later(C.Press);
    EXPECT_EQ(App->MessageBox("Text", "Caption", C.Flags), C.Expected);
    EXPECT_EQ(Screen->FormCount(), 0) << "the box is gone";
  }
}

TEST_F(ApplicationTest, MessageBoxShowsItsTextAndCaptionAndDisablesTheForms) {
  App->SetTitle("Converter");
  TForm* Main = nullptr;
  App->CreateForm(Main);
  Main->SetBounds(100, 100, 400, 300);
  Main->Show();
  String Caption, Text;
  bool MainDisabled = false;
  TRect Box;
  Later([&] {
    Caption = OpenBox()->Caption();
    Text = BoxText();
    MainDisabled = !IsWindowEnabled(Main->Handle());
    Box = OpenBox()->BoundsRect();
    Display->Key(VK_RETURN);
  });
  App->MessageBox("The task failed.");
  EXPECT_EQ(Caption, "Converter") << "the title is the caption by default";
  EXPECT_EQ(Text, "The task failed.");
  EXPECT_TRUE(MainDisabled);
  EXPECT_EQ(Box.Left + Box.Width() / 2, 300) << "centred on the main form";
  EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
}

TEST_F(ApplicationTest, AWorkersHandOverCompletesWhileTheMessageBoxIsOpen) {
  std::atomic<bool> HandedOver { false };
  std::thread Worker;
  Later([&] {
    // The box is open now; the worker blocks on the UI thread until the box's loop serves it.
    Worker = std::thread([&] {
      Synchronize([&] { HandedOver = true; });
      Queue([] { OpenBox()->SetModalResult(IDOK); });
    });
  });
  EXPECT_EQ(App->MessageBox("Waiting", "", MB_OK), IDOK);
  Worker.join();
  EXPECT_TRUE(HandedOver);
}

TEST_F(ApplicationTest, AnExceptionEscapingAHandlerIsShownInTheMessageBoxAndTheLoopGoesOn) {
  TForm* Form = NewForm(Bounds(100, 100, 200, 100));
  Form->Show();
  String Shown;
  int Clicks = 0;
  Form->OnClick = [&](TObject*) {
    ++Clicks;
    Later([&] {
      Shown = OpenBox()->Caption() + ": " + BoxText();
      Display->Key(VK_RETURN);
    });
    throw EInvalidOperation("Cannot ClearTasks while working.");
  };
  App->SetTitle("App");
  ClickOn(Form);
  EXPECT_EQ(Shown, "App: Cannot ClearTasks while working.");
  Display->Advance(1000);  // no double click
  ClickOn(Form);
  EXPECT_EQ(Clicks, 2) << "the form still works";
  EXPECT_EQ(Screen->FormCount(), 1);
}

TEST_F(ApplicationTest, OnMessageHooksLeaveInAnyOrderAndKeysStillReachControls) {
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  auto* Edit = new KeyProbe(Form, &Log, "Edit", Form, Bounds(10, 10, 100, 25));
  Form->Show();
  Edit->SetFocus();
  int Previewer = 0, Menu = 0;
  const int PreviewerOwner = 0, MenuOwner = 0;
  App->OnMessage().Push(&PreviewerOwner, [&](TMsg& M, bool&) { Previewer += M.message == WM_KEYDOWN; });
  // The menu's hook swallows every key and hides the hooks below it.
  App->OnMessage().Push(&MenuOwner, [&](TMsg& M, bool& Handled) {
    if (M.message != WM_KEYDOWN) return;
    ++Menu;
    M.message = WM_NULL;
    Handled = true;
  }, true);
  Display->Key('A');
  EXPECT_EQ(Menu, 1);
  EXPECT_EQ(Previewer, 0);
  EXPECT_TRUE(Log.empty());
  App->OnMessage().Remove(&PreviewerOwner);  // the previewer goes first, out of turn
  App->OnMessage().Remove(&MenuOwner);
  Display->Key('B');
  EXPECT_EQ(Menu, 1) << "the menu's hook is gone";
  EXPECT_EQ(Previewer, 0) << "and the previewer's is not put back";
  EXPECT_EQ(Log, AppLog { "Edit.KeyDown(66)" });
}

TEST_F(ApplicationTest, MinimizeHidesTheFormsAndRestoreBringsThemBack) {
  TForm* Main = nullptr;
  App->CreateForm(Main);
  Main->SetBounds(100, 100, 300, 200);
  TForm* Tool = NewForm(Bounds(500, 100, 200, 100));
  std::vector<LPARAM> ToolShowReasons;
  const TWndMethod Saved = Tool->WindowProc();
  Tool->SetWindowProc([&, Saved](TMessage& M) {
    if (M.Msg == WM_SHOWWINDOW) ToolShowReasons.push_back(M.LParam);
    Saved(M);
  });
  Main->Show();
  Tool->Show();
  int Minimized = 0, Restored = 0;
  App->OnMinimize = [&](TObject*) { ++Minimized; };
  App->OnRestore = [&](TObject*) { ++Restored; };
  PostMessage(Main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Display->PumpUntilIdle();
  EXPECT_EQ(Minimized, 1);
  EXPECT_TRUE(IsIconic(Main->Handle())) << "the main form's window carries the minimized program";
  EXPECT_FALSE(IsWindowVisible(Tool->Handle()));
  PostMessage(App->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Display->PumpUntilIdle();
  EXPECT_EQ(Restored, 1);
  EXPECT_FALSE(IsIconic(Main->Handle()));
  EXPECT_TRUE(IsWindowVisible(Tool->Handle()));
  EXPECT_EQ(ToolShowReasons, (std::vector<LPARAM> { 0, SW_PARENTCLOSING, SW_PARENTOPENING }));
}

TEST_F(ApplicationTest, TheMainFormCarriesTheProgramsTaskbarEntryAndTheDesktopMinimizesAndRestoresIt) {
  TForm* Main = nullptr;
  App->CreateForm(Main);
  TForm* Dialog = NewForm(Bounds(500, 100, 200, 100));
  Main->Show();
  Dialog->Show();
  EXPECT_TRUE(GetWindowLong(Main->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_FALSE(GetWindowLong(Dialog->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  int Minimized = 0, Restored = 0;
  App->OnMinimize = [&](TObject*) { ++Minimized; };
  App->OnRestore = [&](TObject*) { ++Restored; };

  InputLayer::Get().NativeMinimizedChanged(Main->Handle(), true);  // the taskbar entry clicked
  Display->PumpUntilIdle();
  EXPECT_EQ(Minimized, 1);
  EXPECT_TRUE(IsIconic(Main->Handle()));
  EXPECT_FALSE(IsWindowVisible(Dialog->Handle()));
  InputLayer::Get().NativeMinimizedChanged(Main->Handle(), false);
  Display->PumpUntilIdle();
  EXPECT_EQ(Restored, 1);
  EXPECT_FALSE(IsIconic(Main->Handle()));
  EXPECT_TRUE(IsWindowVisible(Dialog->Handle()));
}

TEST_F(ApplicationTest, HelpContextReachesOnHelpAndAnswersItsAnswer) {
  EXPECT_FALSE(App->HelpContext(7)) << "nobody to ask";
  std::vector<std::pair<Word, int>> Heard;
  App->OnHelp = [&](Word Command, int Data, bool&) {
    Heard.emplace_back(Command, Data);
    return true;
  };
  EXPECT_TRUE(App->HelpContext(42));
  EXPECT_EQ(Heard, (std::vector<std::pair<Word, int>> { { HELP_CONTEXT, 42 } }));
}

}  // namespace
