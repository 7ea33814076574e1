// The harness drives a small window of the converter's kind: a question through the skinned message box
// answered by a responder, typing into an edit, a thread's hand-over served while the loop is pumped, and a
// batch of two files on the scripted engine up to its end; an unanswered dialog and a condition that never
// holds fail the test instead of hanging it.
#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/engine/TFFConverterEngine.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TThread.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TEdit.h"
#include "platform/ui/toolkit/TLabel.h"
#include "skin/dialogs/TskSkinMessage.h"
#include "tests/app/support/FrontEndHarness.h"
#include "tests/app/support/TFakeFFConverter.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;

/// A window with the converter's habits: it asks through the skinned message box, converts a list of
/// files on the engine it is given, shows the progress in a label, and shows a failed task in the plain
/// message box, its ends handed to the user-interface thread.
class TDemoForm : public TForm {
public:
  using TForm::TForm;

  IFFConverter* Engine { nullptr };
  std::vector<String> Files;
  /// The ends that reached the window, in order.
  std::vector<int> Ends;

  TskSkinMessage* skSkinMessage1 { nullptr };
  TButton* AskButton { nullptr };
  TButton* StartButton { nullptr };
  TEdit* NameEdit { nullptr };
  TLabel* StatusLabel { nullptr };

protected:
  void CreateComponents() override {
    skSkinMessage1 = new TskSkinMessage(this);
    AskButton = new TButton(this);
    StartButton = new TButton(this);
    NameEdit = new TEdit(this);
    StatusLabel = new TLabel(this);
  }

  void AssignProperties() override {
    SetName("DemoForm");
    SetBounds(100, 100, 400, 200);
    const auto Place = [this](TControl* AControl, const String& AName, TRect ABounds) {
      AControl->SetName(AName);
      AControl->SetBounds(ABounds.Left, ABounds.Top, ABounds.Width(), ABounds.Height());
      AControl->SetParent(this);
    };
    Place(AskButton, "AskButton", Bounds(10, 10, 90, 25));
    Place(StartButton, "StartButton", Bounds(110, 10, 90, 25));
    Place(NameEdit, "NameEdit", Bounds(10, 50, 200, 21));
    Place(StatusLabel, "StatusLabel", Bounds(10, 90, 200, 16));
    AskButton->SetCaption("询问");
    StartButton->SetCaption("开始");
    AskButton->OnClick = [this](TObject*) { AskClick(); };
    StartButton->OnClick = [this](TObject*) { StartClick(); };
  }

private:
  void AskClick() {
    const int Answer = skSkinMessage1->MessageDlg("要覆盖已有的文件吗？", mtConfirmation, { mbYes, mbNo }, 0);
    StatusLabel->SetCaption(Answer == mrYes ? "覆盖" : "保留");
  }

  void StartClick() {
    Engine->OnProgress = [this](TObject*, PProgressInfo AInfo) {
      StatusLabel->SetCaption(Format("%d: %d%%", AInfo->TaskIndex, int(AInfo->CurrentDuration * 100 / AInfo->TotalDuration)));
    };
    Engine->OnTerminate = [this](TObject*, const TTerminateInfo& AInfo) {
      TThread::Synchronize(nullptr, [this, AInfo] {
        Ends.push_back(AInfo.TaskIndex);
        if (AInfo.Exception) Application->MessageBox(AInfo.ExceptionMsg, "", MB_OK | MB_ICONWARNING);
      });
    };
    for (const String& File : Files) {
      TInputOptions Input;
      InitInputOptions(Input);
      const int Task = Engine->AddTask(File, &Input);
      TOutputOptions Output;
      InitOutputOptions(Output);
      Engine->SetOutputFile(Task, ChangeFileExt(File, ".wmv"), &Output);
    }
    Engine->Start(1);
  }
};

class FrontEndHarnessTest : public FrontEndHarness {
protected:
  TDemoForm* ShowDemo() {
    return static_cast<TDemoForm*>(ShowForm([this](TApplication& AApp) {
      AApp.SetTitle("ZorvikWMV格式转换器");
      TDemoForm* Form = nullptr;
      AApp.CreateForm(Form);
      Form->Engine = &Engine;
      Form->Files = { "/media/a.mkv", "/media/b.mkv" };
      return Form;
    }));
  }

  /// The failures Step reports, kept from the test.
  static std::vector<String> FailuresOf(const std::function<void()>& Step) {
    testing::TestPartResultArray Results;
    {
      testing::ScopedFakeTestPartResultReporter Reporter(
          testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &Results);
      Step();
    }
    std::vector<String> Messages;
    for (int I = 0; I < Results.size(); ++I) Messages.push_back(Results.GetTestPartResult(I).message());
    return Messages;
  }

  TFakeFFConverter Engine;
};

TEST_F(FrontEndHarnessTest, AClickedButtonsQuestionIsAnsweredByTheResponderAndTypedTextReachesTheEdit) {
  TDemoForm* Form = ShowDemo();
  String Asked;
  Answer("TskMessageForm", [&](TCustomForm* Box) {
    Asked = MessageText(Box);
    Press(Box, "Yes");
  });
  Click(FindControl<TButton>(Form, "AskButton"));
  EXPECT_EQ(Asked, "要覆盖已有的文件吗？");
  EXPECT_EQ(Form->StatusLabel->Caption(), "覆盖");

  Click(FindControl<TEdit>(Form, "nameedit"));
  TypeText("测试 视频");
  EXPECT_EQ(Form->NameEdit->Text(), "测试 视频");
  EXPECT_EQ(FindControl<TButton>(Form, "NameEdit"), nullptr) << "a control of another class is not found";
}

TEST_F(FrontEndHarnessTest, AThreadsHandOverIsServedWhileTheLoopIsPumped) {
  TDemoForm* Form = ShowDemo();
  class TWriter : public TThread {
  public:
    explicit TWriter(TLabel* ALabel) : FLabel(ALabel) {}
    ~TWriter() override { TerminateAndWait(); }

  protected:
    void Execute() override {
      Synchronize([this] { FLabel->SetCaption(IsMainThread() ? "on the window's thread" : "elsewhere"); });
    }

  private:
    TLabel* FLabel;
  } Writer(Form->StatusLabel);
  Writer.Start();
  EXPECT_TRUE(PumpUntil([&] { return Form->StatusLabel->Caption() != ""; }));
  EXPECT_EQ(Form->StatusLabel->Caption(), "on the window's thread");
}

TEST_F(FrontEndHarnessTest, ABatchOfTwoFilesOnTheScriptedEngineReachesItsEnd) {
  TDemoForm* Form = ShowDemo();
  Click(Form->StartButton);
  EXPECT_THAT(Engine.Calls(), ElementsAre("AddTask(/media/a.mkv)", "SetOutputFile(0, /media/a.wmv)",
                                          "AddTask(/media/b.mkv)", "SetOutputFile(1, /media/b.wmv)", "Start(1)"));
  ASSERT_TRUE(Engine.EmitProgress(0, { .CurrentDuration = 500000, .TotalDuration = 2000000 }));
  EXPECT_EQ(Form->StatusLabel->Caption(), "0: 25%");
  Engine.RunToEnd();
  ASSERT_TRUE(PumpUntil([&] { return Form->Ends.size() == 3; }));
  EXPECT_THAT(Form->Ends, ElementsAre(0, 1, -1));
  EXPECT_EQ(Form->StatusLabel->Caption(), "1: 100%");
}

TEST_F(FrontEndHarnessTest, ABatchOnTheRealEngineReachesItsEndWhileTheLoopIsPumped) {
  TFFConverterEngine Real;
  ASSERT_TRUE(Real.LoadAVLib(ExePath() + "LibAV")) << Real.LastErrMsg();
  TDemoForm* Form = ShowDemo();
  Form->Engine = &Real;
  Form->Files = { Media().Clip, Media().Awkward };
  Click(Form->StartButton);
  ASSERT_TRUE(PumpUntil([&] { return Form->Ends.size() == 3; }, 60000));
  EXPECT_THAT(Form->Ends, testing::UnorderedElementsAre(0, 1, -1)) << "the last end and the batch end race";
  EXPECT_THAT(Form->StatusLabel->Caption(), testing::StartsWith("1: ")) << "the second file's progress came";
  for (const String& File : Form->Files) EXPECT_GT(std::filesystem::file_size(ChangeFileExt(File, ".wmv")), 0u);
}

TEST_F(FrontEndHarnessTest, AFailedTasksPlainMessageBoxIsAnsweredWhileTheOtherEndsComeOnHold) {
  TDemoForm* Form = ShowDemo();
  Click(Form->StartButton);
  Engine.HoldDeliveries(true);
  Engine.Fail(0, "Error while opening encoder for output stream #0:0");
  Engine.Finish(1);
  String Shown;
  Answer("MessageBox", [&](TCustomForm* Box) {
    Shown = Box->Caption() + ": " + MessageText(Box);
    // The later ends are handled while the box is open.
    Engine.ReleaseDelivery(-1);
    Engine.ReleaseDelivery(1);
    Press(Box, "OK");
  });
  Engine.ReleaseDelivery(0);
  EXPECT_EQ(Shown, "ZorvikWMV格式转换器: Error while opening encoder for output stream #0:0");
  EXPECT_THAT(Form->Ends, ElementsAre(0, -1, 1));
}

TEST_F(FrontEndHarnessTest, AnUnansweredDialogAndAConditionThatNeverHoldsFailTheTestInsteadOfHangingIt) {
  ShowDemo();
  int Answered = 0;
  EXPECT_THAT(FailuresOf([&] { Answered = Application->MessageBox("没有人回答", "", MB_OKCANCEL); }),
              ElementsAre(HasSubstr("no responder answers the modal form MessageBox")));
  EXPECT_EQ(Answered, IDCANCEL);
  EXPECT_THAT(FailuresOf([&] { EXPECT_FALSE(PumpUntil([] { return false; }, 50)); }),
              ElementsAre(HasSubstr("did not hold within 50 ms")));
}

TEST_F(FrontEndHarnessTest, EachTestHasItsOwnInstallFolderHomeAndMediaFiles) {
  EXPECT_EQ(ExePath(), InstallDir());
  EXPECT_STREQ(std::getenv("HOME"), HomeDir().c_str());
  EXPECT_TRUE(std::filesystem::is_empty(InstallDir()));
  const TFrontEndMedia& Files = Media();
  for (const String& File : { Files.Clip, Files.Tone, Files.Corrupt, Files.Awkward, Files.NoExtension, Files.Hidden })
    EXPECT_TRUE(std::filesystem::is_regular_file(File)) << File;
  EXPECT_EQ(ExtractFileName(Files.Awkward), "测试 视频.a.b.mkv");
  struct stat Pipe;
  ASSERT_EQ(stat((Files.Mixed + "/pipe").c_str(), &Pipe), 0);
  EXPECT_TRUE(S_ISFIFO(Pipe.st_mode));
  EXPECT_TRUE(std::filesystem::is_directory(Files.Mixed + "/sub"));
  EXPECT_TRUE(std::filesystem::is_empty(Files.Empty));

  // The scripted engine's probe is the real one.
  ASSERT_TRUE(Engine.LoadAVLib(ExePath() + "LibAV")) << Engine.LastErrMsg();
  ASSERT_TRUE(Engine.AVProbe()->LoadFile(Files.NoExtension)) << Engine.AVProbe()->LastErrMsg();
  EXPECT_NEAR(double(Engine.AVProbe()->FileStreamInfo().Duration), 2000000.0, 50000.0);
  EXPECT_FALSE(Engine.AVProbe()->LoadFile(Files.Corrupt));
}

}  // namespace
