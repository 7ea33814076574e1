// Adding one file: its row, task and slot from the real probe, output names that never collide with a
// row's, and every failure leaving the list, the slots and the engine as they were.
#include <algorithm>
#include <filesystem>

#include "app/catalogue/ISelectedJobRow.h"
#include "app/jobs/JobTexts.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinPanel.h"
#include "tests/app/forms/JobListFixture.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

/// The remove, rename, clear and start commands, visible and hidden.
std::vector<bool> JobCommandStates(TForm1* Form) {
  return { Form->skSkinButton7->Enabled(), Form->skSkinButton21->Enabled(), Form->skSkinButton8->Enabled(),
           Form->skSkinButton2->Enabled(), Form->N13->Enabled(),            Form->N26->Enabled(),
           Form->N14->Enabled(),           Form->N7->Enabled(),             Form->btnRemove->Enabled(),
           Form->btnClear->Enabled(),      Form->btnStart->Enabled() };
}

/// The last three log lines.
std::vector<String> LastLines(const std::vector<String>& Log) {
  return Log.size() < 3 ? Log : std::vector<String>(Log.end() - 3, Log.end());
}

TEST_F(JobListTest, AnAddedClipGetsItsRowTaskAndSlotAndIsSelected) {
  TForm1* Form = Start();
  AddFile(Media().Clip);

  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(Row(0)->Caption(), Media().Clip);
  EXPECT_EQ(Cell(0, 0), "00:00:02");
  EXPECT_EQ(Cell(0, 1), SizeText(Int64(std::filesystem::file_size(Media().Clip))));
  EXPECT_EQ(Cell(0, JobCell::OutputFile), "clip.wmv");
  for (int Progress = 3; Progress <= 6; ++Progress) EXPECT_EQ(Cell(0, Progress), "") << Progress;
  EXPECT_EQ(Cell(0, JobCell::TaskNumber), "1");
  EXPECT_EQ(Cell(0, JobCell::FormatCode), "100") << "WMV格式, its first format";
  EXPECT_EQ(Cell(0, JobCell::Presets).size(), 12u);
  EXPECT_EQ(Cell(0, JobCell::DisableVideo), "False");

  ASSERT_EQ(Engine.Tasks().size(), 1u);
  const TFakeFFConverter::TTask& Task = Engine.Tasks()[0];
  EXPECT_EQ(Task.FileName, Media().Clip);
  ASSERT_EQ(Task.Outputs.size(), 1u);
  EXPECT_EQ(Task.Outputs[0].FileName, OutputFolder() + "/clip.wmv");
  EXPECT_EQ(Task.Outputs[0].Options.VideoCodec, "wmv2");
  EXPECT_EQ(Slots(), std::vector<int> { 0 });
  EXPECT_EQ(Form->JobSlots.State(0), TSlotState::Full);
  EXPECT_EQ(Form->JobSlots.IO1[0].FileName, Media().Clip);
  EXPECT_EQ(Form->JobSlots.OO1[0].FileName, OutputFolder() + "/clip.wmv");

  EXPECT_FALSE(Form->skSkinPanel5->Visible()) << "the cover is gone";
  EXPECT_THAT(JobCommandStates(Form), testing::Each(true));
  EXPECT_TRUE(Form->btnAdd->Enabled());
  EXPECT_EQ(SelectedIndex(), 0);
  EXPECT_TRUE(Form->lvFiles->Focused());
  EXPECT_EQ(Form->T_Movie_PLayer_FileName, Media().Clip);
  // The add's last lines; the preview's open, run by the selection that follows, logs after them.
  const std::vector<String> Lines = Log();
  const auto Added = std::find(Lines.begin(), Lines.end(), "***Can do convert.");
  ASSERT_NE(Added, Lines.end());
  EXPECT_THAT(std::vector<String>(Added - 1, Added + 2), ElementsAre("", "***Can do convert.", ""));
  EXPECT_NE(std::find(Added, Lines.end(), "duration: 2.00, frame size: 320x240"), Lines.end());
}

// Overwriting concerns files on disk: a name a row already holds is taken whatever the setting says.
TEST_F(JobListTest, TheSameClipAddedAgainGetsANameNoRowHolds) {
  TForm1* Form = Start();
  AddFile(Media().Clip);
  const String DefaultPresets = Cell(0, JobCell::Presets);
  Form->skSkinComboBox2->SetItemIndex(5);
  ASSERT_NE(Cell(0, JobCell::Presets), DefaultPresets) << "the selected row has a video bit rate of its own";
  const std::vector<String> Before = Contents(0);

  AddFile(Media().Clip);
  Form5->skSkinCheckRadioBox3->SetChecked(true);
  ASSERT_TRUE(Form5->skSkinCheckRadioBox3->Checked()) << "overwriting on";
  AddFile(Media().Clip);

  EXPECT_THAT(Column(JobCell::OutputFile), ElementsAre("clip.wmv", "clip_1.wmv", "clip_2.wmv"));
  EXPECT_THAT(Column(JobCell::TaskNumber), ElementsAre("1", "2", "3"));
  EXPECT_EQ(Engine.Tasks()[2].Outputs[0].FileName, OutputFolder() + "/clip_2.wmv");
  EXPECT_EQ(Contents(0), Before) << "an add writes no other row, the selected one included";
  EXPECT_EQ(Slots(), (std::vector<int> { 0, 1, 2 }));
  EXPECT_EQ(SelectedIndex(), 2);
}

// Each failure leaves its three log lines and the engine's reason told in one box, and nothing else: no
// row, no slot, no task.
TEST_F(JobListTest, AFileTheProbeTheTaskOrTheOutputRefusesIsLoggedAndTold) {
  TForm1* Form = Start();
  std::vector<String> Shown;
  Answer("TskMessageForm", [&](TCustomForm* Box) {
    Shown.push_back(Box->Caption() + ": " + MessageText(Box));
    Press(Box, "OK");
  });
  Engine.FailAddTask(Media().Awkward, "Cannot open the input");
  Engine.FailSetOutputFile(OutputFolder() + "/noext.wmv", "Unknown encoder 'x'");
  const struct {
    String File;
    String Logged;
    String LastCall;
  } Cases[] = {
    { Media().Corrupt, "***File load error: ", "" },
    { Media().Awkward, "***File open error: Cannot open the input", "AddTask(" + Media().Awkward + ")" },
    { Media().NoExtension, "***Cannot do convert, error: Unknown encoder 'x'", "RemoveTask(0)" },
  };
  for (const auto& Case : Cases) {
    Engine.ClearCalls();
    Shown.clear();
    AddFile(Case.File);
    const std::vector<String> Lines = LastLines(Log());
    ASSERT_EQ(Lines.size(), 3u);
    EXPECT_EQ(Lines[0], "") << Case.File;
    EXPECT_THAT(Lines[1], StartsWith(Case.Logged));
    EXPECT_EQ(Lines[2], "");
    EXPECT_THAT(Shown, ElementsAre("提示: " + Lines[1].substr(Lines[1].find(": ") + 2)));
    if (!Case.LastCall.empty()) EXPECT_EQ(Engine.Calls().back(), Case.LastCall);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(Engine.TasksCount(), 0);
    EXPECT_EQ(Form->JobSlots.State(0), TSlotState::kong);
    EXPECT_TRUE(Form->skSkinPanel5->Visible());
    EXPECT_THAT(JobCommandStates(Form), testing::Each(false));
  }
  EXPECT_THAT(Log(), testing::Contains(HasSubstr("***File load error: "))) << "the probe's own reason follows";
}

TEST_F(JobListTest, LibrariesThatCannotBeLoadedAreLoggedWithoutADialog) {
  Start();
  Engine.ClearCalls();
  Engine.FailLoadAVLib("libavcodec.so.59: cannot open shared object file");
  AddFile(Media().Clip);
  EXPECT_EQ(Log().back(), "libavcodec.so.59: cannot open shared object file");
  EXPECT_THAT(Engine.Calls(), ElementsAre("LoadAVLib(" + InstallDir() + "LibAV)"));
  EXPECT_EQ(RowCount(), 0);
}

TEST_F(JobListTest, ACancelledDialogAddsNothing) {
  Start();
  Form1->OpenDialog1->SetFileName(Media().Clip);
  Answer("TskOpenDlgForm", [this](TCustomForm* Form) { Click(static_cast<TskOpenDlgForm*>(Form)->CancelButton); });
  Form1->btnAdd->Click();
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(Engine.TasksCount(), 0);
  EXPECT_EQ(Form1->mmoLog->Lines()->Count(), 0);
}

// 501 files fit between two clears, removed ones included: the next is refused before the engine is asked.
TEST_F(JobListTest, TheFileAfterTheFiveHundredAndFirstSinceAClearIsRefused) {
  TForm1* Form = Start();
  TInputOptions Input;
  TOutputOptions Output;
  for (int Removed = 0; Removed < JobSlotCount - 1; ++Removed) Form->JobSlots.Release(Form->JobSlots.Take(Input, Output));
  AddFile(Media().Clip);
  ASSERT_EQ(Slots(), std::vector<int> { JobSlotCount - 1 });
  Engine.ClearCalls();

  AddFile(Media().Awkward);
  EXPECT_THAT(Log().back(), HasSubstr(Media().Awkward));
  EXPECT_THAT(Engine.Calls(), testing::Not(testing::Contains(StartsWith("AddTask"))));
  EXPECT_EQ(RowCount(), 1);
  EXPECT_EQ(Slots(), std::vector<int> { JobSlotCount - 1 });
  EXPECT_EQ(Form->JobSlots.IO1[JobSlotCount - 1].FileName, Media().Clip) << "the last slot keeps its job";
}

// On the real engine: the format without an encoder is refused at the add with the engine's reason, and the
// next add with another format works.
TEST_F(JobListTest, TheRealEngineRefusesTheFormatWithoutAnEncoderAtTheAdd) {
  TFFConverterEngine Real;
  TForm1* Form = Start(Real);
  Form->skSkinOfficeComboBox2->SetItemIndex(4);
  Form->skSkinOfficeComboBox1->SetItemIndex(9);
  std::vector<String> Shown;
  Answer("TskMessageForm", [&](TCustomForm* Box) {
    Shown.push_back(Box->Caption() + ": " + MessageText(Box));
    Press(Box, "OK");
  });
  AddFile(Media().Clip);
  EXPECT_THAT(Shown, ElementsAre(testing::AllOf(StartsWith("提示: "), HasSubstr("Unknown encoder 'msmpeg4v1'"))));
  EXPECT_THAT(LastLines(Log()), ElementsAre("", testing::AllOf(StartsWith("***Cannot do convert, error: "),
                                                               HasSubstr("Unknown encoder 'msmpeg4v1'")),
                                           ""));
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(Real.TasksCount(), 0);

  Form->skSkinOfficeComboBox2->SetItemIndex(0);
  AddFile(Media().Clip);
  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(Cell(0, 0), "00:00:02");
  EXPECT_EQ(Cell(0, JobCell::OutputFile), "clip.wmv");
  EXPECT_EQ(Real.TasksCount(), 1);
}

}  // namespace
