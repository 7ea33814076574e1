// The main window's menus, help, about box, options commands and log, driven through the screen: every
// item of the four menus and the add menu by mouse and by keyboard, the help addresses, the about box and
// the options dialog shown modally, "退出", and the engine's log lines.
#include <thread>

#include "app/forms/WebAddresses.h"
#include "engine/libav/FFmpegLogger.h"
#include "platform/base/MainThread.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TMemo.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinPageControl.h"
#include "tests/app/forms/ConverterCommandsFixture.h"

namespace {

using TItemField = TMenuItem* TForm1::*;

/// The command items of the menu bar, by menu (文件, 编辑, 动作, 帮助), in menu order.
const std::vector<std::vector<TItemField>> MenuBarCommands = {
  { &TForm1::Item111, &TForm1::Item121, &TForm1::N21, &TForm1::N4 },
  { &TForm1::N111, &TForm1::N2221, &TForm1::N13, &TForm1::N14, &TForm1::N26 },
  { &TForm1::N7, &TForm1::N8, &TForm1::N10, &TForm1::N11, &TForm1::N24 },
  { &TForm1::N15, &TForm1::N19, &TForm1::EMAIL1, &TForm1::N5 },
};

class TForm1MenusTest : public ConverterCommandsTest {
protected:
  /// Puts a recorder in place of the click handler of every command of the menu bar and the add menu, so
  /// that choosing one records its name and runs nothing; each must have had a handler.
  void RecordMenuCommands(TForm1& Form) {
    std::vector<TMenuItem*> Items { Form.N11111, Form.N2222, Form.N3331 };
    for (const auto& Menu : MenuBarCommands)
      for (TItemField Field : Menu) Items.push_back(Form.*Field);
    for (TMenuItem* Item : Items) {
      EXPECT_TRUE(Item->OnClick) << Item->Name() << " is bound";
      Item->OnClick = [this, Item](TObject*) { Ran.push_back(Item->Name()); };
    }
  }

  std::vector<String> Ran;
};

// As stored, a click on a disabled item runs nothing; once the other commands' states enable them, every
// item runs by a click and by Alt, the arrows and Enter (the menus' captions carry no accelerator letters).
TEST_F(TForm1MenusTest, EveryMenuItemRunsByMouseAndByKeyboard) {
  TForm1& Form = Main();
  RecordMenuCommands(Form);
  for (int Menu = 0; Menu < int(MenuBarCommands.size()); ++Menu)
    for (TItemField Field : MenuBarCommands[size_t(Menu)]) {
      TMenuItem* Item = Form.*Field;
      SCOPED_TRACE(Item->Name());
      Ran.clear();
      ChooseByMouse(Menu, Item);
      EXPECT_EQ(Ran, Item->Enabled() ? std::vector<String> { Item->Name() } : std::vector<String> {});
      if (!OpenMenus().empty()) {
        Key(VK_ESCAPE);
        Key(VK_ESCAPE);
      }
      ASSERT_TRUE(OpenMenus().empty());
    }

  for (int Menu = 0; Menu < int(MenuBarCommands.size()); ++Menu)
    for (TItemField Field : MenuBarCommands[size_t(Menu)]) {
      TMenuItem* Item = Form.*Field;
      SCOPED_TRACE(Item->Name());
      Item->SetEnabled(true);
      Ran.clear();
      ChooseByMouse(Menu, Item);
      ChooseByKeyboard(Menu, Item);
      EXPECT_EQ(Ran, (std::vector<String> { Item->Name(), Item->Name() }));
      EXPECT_TRUE(OpenMenus().empty());
      EXPECT_FALSE(Form.skSkinForm1->InMainMenu);
    }

  for (TMenuItem* Item : { Form.N11111, Form.N2222, Form.N3331 }) {
    SCOPED_TRACE(Item->Name());
    Ran.clear();
    Click(Form.skSkinMenuSpeedButton1);
    ClickRow(Item);
    Click(Form.skSkinMenuSpeedButton1);
    ASSERT_EQ(OpenMenus().size(), 1u);
    for (int Step = 0; Step < 4 && HighlightedItem(OpenMenus().front()) != Item; ++Step) Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(Ran, (std::vector<String> { Item->Name(), Item->Name() }));
    EXPECT_TRUE(OpenMenus().empty());
  }
}

// The folder adds of the menus and the add menu's several-files add run the hidden steps of their adds.
TEST_F(TForm1MenusTest, TheMenusFolderAndSeveralFilesAddsClickTheirHiddenSteps) {
  TForm1& Form = Main();
  std::vector<String> Steps;
  Form.Button12->OnClick = [&](TObject*) { Steps.push_back("Button12"); };
  Form.Button8->OnClick = [&](TObject*) { Steps.push_back("Button8"); };
  ChooseByMouse(0, Form.N21);
  for (TMenuItem* Item : { Form.N3331, Form.N2222 }) {
    Click(Form.skSkinMenuSpeedButton1);
    ClickRow(Item);
  }
  EXPECT_EQ(Steps, (std::vector<String> { "Button12", "Button12", "Button8" }));
}

// F1 opens the FAQ page each time it is pressed, never a help file; the web site and the mail link go to
// the desktop as one target each, the mail link with its scheme.
TEST_F(TForm1MenusTest, HelpItemsOpenTheFaqTheSiteAndAMailThroughTheDesktop) {
  TForm1& Form = Main();
  for (int Press = 0; Press < 3; ++Press) Key(VK_F1);
  ChooseByMouse(3, Form.N19);
  ChooseByKeyboard(3, Form.EMAIL1);
  using TRequest = TRecordingShellOpenService::TRequest;
  EXPECT_EQ(Shell.Requests, (std::vector<TRequest> { { FaqAddress, "" },
                                                     { FaqAddress, "" },
                                                     { FaqAddress, "" },
                                                     { WebSiteAddress, "" },
                                                     { "mailto:" + SupportMailAddress, "" } }));
}

// The about box opens modally over the disabled main window, as often as asked; Esc closes it, as does
// its "确定".
TEST_F(TForm1MenusTest, TheAboutBoxOpensModallyAndClosesWithEscOrItsButton) {
  TForm1& Form = Main();
  int Shown = 0;
  Answer("Form2", [&](TCustomForm* Box) {
    ++Shown;
    EXPECT_EQ(Box, Form2);
    EXPECT_TRUE(Box->Modal());
    EXPECT_FALSE(IsWindowEnabled(Form.Handle()));
    Key(VK_ESCAPE);
    if (Box->ModalResult() == mrNone) {
      ADD_FAILURE() << "Esc left the about box open";
      Box->SetModalResult(mrOk);
    }
  });
  ChooseByMouse(3, Form.N5);
  EXPECT_EQ(Shown, 1);
  EXPECT_FALSE(Form2->Visible());
  EXPECT_EQ(Form2->ModalResult(), mrCancel);
  EXPECT_TRUE(IsWindowEnabled(Form.Handle()));

  Answer("Form2", [&](TCustomForm*) {
    ++Shown;
    Click(Form2->skSkinButton1);
  });
  ChooseByKeyboard(3, Form.N5);
  EXPECT_EQ(Shown, 2);
  EXPECT_FALSE(Form2->Visible());
}

// The tool bar's "选项" and the menu's "转换选项" show the options dialog modally. OK writes exactly the five
// keys with the new choices; the dialog shows them when opened again; a Cancel after changes leaves the file
// byte for byte as it was.
TEST_F(TForm1MenusTest, OptionsChosenAndConfirmedAreWrittenAndACancelWritesNothing) {
  TForm1& Form = Main();
  const auto ShowPage = [this](TForm5* Options, int Page) {
    TCustomTabControl* Pages = Options->skSkinPageControl1;
    const TRect Tab = Pages->TabRect(Page);
    const TPoint P = Pages->ClientToScreen({ (Tab.Left + Tab.Right) / 2, (Tab.Top + Tab.Bottom) / 2 });
    Display->Click(P.X, P.Y);
  };
  Answer("Form5", [&](TCustomForm* Box) {
    auto* Options = static_cast<TForm5*>(Box);
    EXPECT_TRUE(Options->Modal());
    ShowPage(Options, 0);
    Pick(Options->skSkinComboBox2, 1);
    ShowPage(Options, 1);
    Click(Options->skSkinCheckRadioBox4);
    Click(Options->skSkinButton6);
  });
  Click(Form.skSkinButton19);
  EXPECT_FALSE(Form5->Visible());
  const String Confirmed = GetIni();
  EXPECT_TRUE(Confirmed.ends_with(
      "[Options]\nThread_Count=2\nAfter_Done=2\nThread_Priority=3\nOverwrite_File=1\nShow_Preview=0\n"))
      << Confirmed;

  Answer("Form5", [&](TCustomForm* Box) {
    auto* Options = static_cast<TForm5*>(Box);
    EXPECT_EQ(Options->skSkinComboBox2->Text(), "2");
    EXPECT_TRUE(Options->skSkinCheckRadioBox4->Checked());
    Click(Options->skSkinCheckRadioBox5);
    ShowPage(Options, 0);
    Click(Options->skSkinCheckRadioBox9);
    Click(Options->skSkinButton1);
  });
  ChooseByMouse(2, Form.N24);
  EXPECT_FALSE(Form5->Visible());
  EXPECT_EQ(GetIni(), Confirmed);
  EXPECT_TRUE(Form5->skSkinCheckRadioBox5->Checked()) << "the cancelled choice stays in force for the run";
}

// "退出" closes the main window by its usual path, which stops the engine, waiting, and ends the program.
TEST_F(TForm1MenusTest, ExitClosesTheMainWindowStoppingTheEngine) {
  TForm1& Form = Main();
  Engine.ClearCalls();
  ChooseByMouse(0, Form.N4);
  EXPECT_EQ(Engine.Calls(), std::vector<String> { "Stop(True)" });
  EXPECT_TRUE(App->Terminated());
}

// Each line the engine logs becomes one line of the log: "#", the logging thread's id, ".", the level's
// position in TLogLevel, ": " and the text; lines of a worker thread reach the log on the window's thread.
TEST_F(TForm1MenusTest, TheEnginesLogLinesNameThreadAndLevel) {
  TForm1& Form = Main();
  struct Case {
    TLogLevel Level;
    const char* Text;
    bool FromWorker;
    const char* Line;  // after "#<thread id>"
  };
  const Case Cases[] = {
    { llWarning, "file not loaded.", true, ".4: file not loaded." },
    { llError, "Error while opening encoder for output stream #0:0", true,
      ".3: Error while opening encoder for output stream #0:0" },
    { llQuiet, "Invalid data found when processing input", false, ".0: Invalid data found when processing input" },
    { llVerbose, "video:120kB audio:30kB global headers:0kB muxing overhead: 1.2%", true,
      ".6: video:120kB audio:30kB global headers:0kB muxing overhead: 1.2%" },
    { llInfo, "测试 视频.a.b.mkv: 2 streams", false, ".5: 测试 视频.a.b.mkv: 2 streams" },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Text);
    const int Before = Form.mmoLog->Lines()->Count();
    Cardinal Thread = GetCurrentThreadId();
    if (C.FromWorker) {
      std::thread Worker([&] {
        Thread = GetCurrentThreadId();
        Form.FFLogger->Log(nullptr, C.Level, C.Text);
      });
      Worker.join();
    } else {
      Form.FFLogger->Log(nullptr, C.Level, C.Text);
    }
    ASSERT_TRUE(PumpUntil([&] { return Form.mmoLog->Lines()->Count() > Before; }));
    ASSERT_EQ(Form.mmoLog->Lines()->Count(), Before + 1);
    EXPECT_NE(Thread, 0u);
    EXPECT_EQ(Form.mmoLog->Lines()->Strings(Before), "#" + std::to_string(Thread) + C.Line);
  }
}

}  // namespace
