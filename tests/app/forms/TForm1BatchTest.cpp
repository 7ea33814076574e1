// Running a batch on the scripted engine: the rebuild of the tasks from the rows, the commands before,
// during and after a batch, progress and ends reaching their own rows, failed tasks, Stop, Pause and
// Resume, the after-done actions, and closing the window during a batch.
#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/catalogue/ISelectedJobRow.h"
#include "platform/base/FileUtils.h"
#include "platform/gdi/FontFace.h"
#include "tests/app/forms/BatchTesting.h"

namespace {

using testing::ElementsAre;

class TForm1BatchTest : public BatchTest {
protected:
  String Output(const String& AName) const { return Form->FileOutPutPath + "/" + AName; }

  /// A progress report of ADone of 10 seconds at AFps, AKiB written.
  static TProgressInfo Report(Int64 ADoneSeconds, int AFps = 25, Int64 ABytes = 1048576) {
    return { .FPS = AFps, .CurrentSize = ABytes, .CurrentDuration = ADoneSeconds * 1000000, .TotalDuration = 10000000 };
  }

  /// Answers every plain message box with OK, recording caption and text.
  void RecordBoxes() {
    Answer("MessageBox", [this](TCustomForm* ABox) {
      Boxes.push_back(ABox->Caption() + ": " + MessageText(ABox));
      Press(ABox, "OK");
    });
  }

  std::vector<String> Boxes;
};

const TCommandStates BeforeStart { { "Add", "on" },         { "Remove", "on" },      { "Rename", "on" },
                                   { "Clear", "on" },       { "Start", "on" },       { "StartButton", "on" },
                                   { "Stop", "off" },       { "Pause", "off" },      { "Resume", "off" },
                                   { "Settings", "on" } };
const TCommandStates AfterStart { { "Add", "off" },         { "Remove", "off" },     { "Rename", "off" },
                                  { "Clear", "off" },       { "Start", "off" },      { "StartButton", "off" },
                                  { "Stop", "on" },         { "Pause", "on" },       { "Resume", "off" },
                                  { "Settings", "off" } };

/// States differing from Base in Changes.
TCommandStates With(TCommandStates Base, const TCommandStates& Changes) {
  for (const auto& [Group, State] : Changes) Base[Group] = State;
  return Base;
}

TEST_F(TForm1BatchTest, StartRebuildsTheTasksFromTheRowsWithTheOptionsThreadCountAndPriority) {
  AddRows(2);
  SetThreadCount(4);
  Form5->skSkinCheckRadioBox9->SetChecked(true);
  Engine.ClearCalls();
  Click(Form->skSkinButton2);
  const String A = Media().Folder + "/a.mkv", B = Media().Folder + "/b.mkv";
  EXPECT_THAT(Engine.Calls(),
              ElementsAre("SetThreadPriority(tpIdle)", "ClearTasks", "AddTask(" + A + ")",
                          "SetOutputFile(0, " + Output("a.wmv") + ")", "AddTask(" + B + ")",
                          "SetOutputFile(1, " + Output("b.wmv") + ")", "Start(4)"));
  const TOutputOptions& Options = Engine.Tasks()[1].Outputs[0].Options;
  EXPECT_EQ(Options.VideoCodec, "wmv2");
  EXPECT_EQ(Options.AudioCodec, "wmav2");
  EXPECT_EQ(Options.VideoBitrate, 816000);
  EXPECT_EQ(Options.AudioVolume, 256) << "the slot's other fields go as they are";
  EXPECT_EQ(Form->JobSlots.OO1[1].VideoBitrate, 816000) << "the cells are written into the slot";
  EXPECT_EQ(Engine.Tasks()[1].Input.FileName, B);
  EXPECT_EQ(Commands(), AfterStart);
  EXPECT_EQ(PauseFace(), "pause");
}

// A row whose task or output the engine refuses is marked failed, logged and not run; the other rows'
// reports reach them and nobody else.
TEST_F(TForm1BatchTest, ARowTheEngineRefusesIsMarkedFailedAndTheOthersGetTheirOwnReports) {
  AddRows(4);
  Engine.FailAddTask(Media().Folder + "/b.mkv", "b is gone");
  Engine.FailSetOutputFile(Output("c.wmv"), "Unknown encoder 'msmpeg4v1'");
  Click(Form->skSkinButton2);
  ASSERT_EQ(Engine.TasksCount(), 2);
  EXPECT_EQ(Engine.Tasks()[1].FileName, Media().Folder + "/d.mkv");
  EXPECT_EQ(Cell(1, 3), "失败");
  EXPECT_EQ(Cell(2, 3), "失败");
  const std::vector<String> Lines = Log();
  const std::vector<String> Refusals { "", "***File open error: b is gone", "", "",
                                       "***Cannot do convert, error: Unknown encoder 'msmpeg4v1'", "" };
  EXPECT_NE(std::ranges::search(Lines, Refusals).begin(), Lines.end()) << "the log holds the refusals in row order";

  Engine.RunToEnd();
  EXPECT_EQ(Cell(0, 3), "100%");
  EXPECT_THAT(Progress(1), ElementsAre("失败", "", "", ""));
  EXPECT_THAT(Progress(2), ElementsAre("失败", "", "", ""));
  EXPECT_THAT(Progress(3), ElementsAre("100%", "25", "00:00:02", "0.19MB"));
}

// A format change keeps a row's base name, so two rows may come to name one output: the later one fails and
// the file is written by one job only.
TEST_F(TForm1BatchTest, OfTwoRowsNamingOneOutputTheLaterFailsAndOnlyTheFirstRuns) {
  AddRows(3);
  Form->lvFiles->Items()->Item(2)->SubItems()->Put(JobCell::OutputFile, "a.wmv");
  Click(Form->skSkinButton2);
  ASSERT_EQ(Engine.TasksCount(), 2);
  EXPECT_EQ(Engine.Tasks()[1].FileName, Media().Folder + "/b.mkv");
  EXPECT_EQ(Cell(2, 3), "失败");
  const std::vector<String> Lines = Log();
  EXPECT_NE(std::ranges::find(Lines, "***Cannot do convert, error: another job writes " + Output("a.wmv")), Lines.end());
  Engine.RunToEnd();
  EXPECT_EQ(Cell(0, 3), "100%");
  EXPECT_EQ(Cell(2, 3), "失败");
}

TEST_F(TForm1BatchTest, ProgressOfInterleavedTasksReachesEachItsOwnRowAlsoAfterTheRowsMoved) {
  AddRows(3);
  SetThreadCount(2);
  Click(Form->skSkinButton2);
  ASSERT_TRUE(Engine.EmitProgress(0, Report(1, 30, 524288)));
  ASSERT_TRUE(Engine.EmitProgress(1, Report(2, 40, 1048576)));
  EXPECT_THAT(Progress(0), ElementsAre("10%", "30", "00:00:01", "0.5MB"));
  EXPECT_THAT(Progress(1), ElementsAre("20%", "40", "00:00:02", "1MB"));
  EXPECT_THAT(Progress(2), ElementsAre("", "", "", ""));

  Form->lvFiles->Items()->Item(0)->SetSelected(true);
  Click(Form->skSkinButton4);  // a's row is now second
  ASSERT_TRUE(Engine.EmitProgress(1, Report(5, 41, 2097152)));
  ASSERT_TRUE(Engine.EmitProgress(0, Report(3, 31, 1572864)));
  EXPECT_EQ(Form->lvFiles->Items()->Item(1)->Caption(), Media().Folder + "/a.mkv");
  EXPECT_THAT(Progress(1), ElementsAre("30%", "31", "00:00:03", "1.5MB"));
  EXPECT_THAT(Progress(0), ElementsAre("50%", "41", "00:00:05", "2MB"));
  Engine.Finish(1);
  EXPECT_EQ(Cell(0, 3), "100%");
  EXPECT_EQ(Cell(1, 3), "30%");
}

// The percentage has no upper bound, no total gives "N/A", and a rate of 0 keeps the last one shown.
TEST_F(TForm1BatchTest, ProgressTextsWithoutTotalPastTheTotalAndWithoutRate) {
  AddRows(1);
  Click(Form->skSkinButton2);
  ASSERT_TRUE(Engine.EmitProgress(0, Report(4, 25)));
  TProgressInfo NoTotal = Report(5, 0, 3 * 1048576);
  NoTotal.TotalDuration = 0;
  ASSERT_TRUE(Engine.EmitProgress(0, NoTotal));
  EXPECT_THAT(Progress(0), ElementsAre("N/A", "25", "00:00:05", "3MB"));
  TProgressInfo Past = Report(0);
  Past.CurrentDuration = 10300000;
  ASSERT_TRUE(Engine.EmitProgress(0, Past));
  EXPECT_THAT(Progress(0), ElementsAre("103%", "25", "00:00:10", "1MB"));
}

// A failed task shows the engine's text once in the plain box titled with the program's name, while the
// other ends and the batch end are handled; only its row lacks "100%".
TEST_F(TForm1BatchTest, AFailedTaskShowsItsBoxOnceWhileTheOtherEndsGoOn) {
  AddRows(3);
  SetThreadCount(3);
  SetAfterDone(Form5->skSkinCheckRadioBox5);
  Click(Form->skSkinButton2);
  Engine.HoldDeliveries(true);
  Engine.Fail(1, "Error while opening encoder for output stream #0:0");
  Engine.Finish(0);
  Engine.Finish(2);
  ASSERT_THAT(Engine.HeldDeliveries(), ElementsAre(1, 0, 2, -1));
  TCommandStates WhileBoxOpen;
  String ShownRows;
  Answer("MessageBox", [&](TCustomForm* ABox) {
    Boxes.push_back(ABox->Caption() + ": " + MessageText(ABox));
    for (int Task : { 0, 2, -1 }) Engine.ReleaseDelivery(Task);
    ShownRows = Cell(0, 3) + " " + Cell(2, 3);
    WhileBoxOpen = Commands();
    Press(ABox, "OK");
  });
  Engine.ReleaseDelivery(1);
  EXPECT_THAT(Boxes, ElementsAre("ZorvikWMV格式转换器: Error while opening encoder for output stream #0:0"));
  EXPECT_EQ(ShownRows, "100% 100%");
  EXPECT_EQ(WhileBoxOpen["Clear"], "on") << "the batch end ran while the box was open";
  EXPECT_NE(Cell(1, 3), "100%");
}

// Ends that come after the batch end, once the list was cleared and a new file took the old row's slot,
// write no row; a failure's box still shows.
TEST_F(TForm1BatchTest, EndsAfterTheBatchEndAndAClearWriteNoRowButShowTheirBox) {
  AddRows(2);
  SetThreadCount(2);
  SetAfterDone(Form5->skSkinCheckRadioBox5);
  Click(Form->skSkinButton2);
  Engine.HoldDeliveries(true);
  Engine.Finish(0);
  Engine.Fail(1, "late failure");
  Engine.ReleaseDelivery(-1);
  Click(Form->skSkinButton8);
  ASSERT_EQ(RowCount(), 0);
  AddFile(Media().Clip);
  RecordBoxes();
  Engine.ReleaseDelivery(0);
  Engine.ReleaseDelivery(1);
  EXPECT_THAT(Boxes, ElementsAre("ZorvikWMV格式转换器: late failure"));
  EXPECT_THAT(Progress(0), ElementsAre("", "", "", "")) << "the new row in slot 0 is not the finished task's";
}

TEST_F(TForm1BatchTest, CommandsAfterPauseResumeAndTheBatchEnd) {
  AddRows(2);
  EXPECT_EQ(Commands(), BeforeStart);
  Click(Form->skSkinButton2);
  ASSERT_TRUE(Engine.EmitProgress(0, Report(1)));

  Click(Form->skSkinButton11);
  EXPECT_TRUE(Engine.Paused());
  EXPECT_EQ(Commands(), With(AfterStart, { { "Pause", "off" }, { "Resume", "on" } }));
  EXPECT_EQ(PauseFace(), "resume");
  EXPECT_FALSE(Engine.EmitProgress(0, Report(2))) << "the paused engine reports nothing";
  EXPECT_THAT(Progress(0), ElementsAre("10%", "25", "00:00:01", "1MB"));

  Click(Form->skSkinButton12);
  EXPECT_FALSE(Engine.Paused());
  EXPECT_EQ(Commands(), AfterStart);
  EXPECT_EQ(PauseFace(), "pause");
  ASSERT_TRUE(Engine.EmitProgress(0, Report(3)));
  EXPECT_EQ(Cell(0, 3), "30%");

  SetAfterDone(Form5->skSkinCheckRadioBox5);
  Engine.RunToEnd();
  EXPECT_EQ(Commands(), With(AfterStart, { { "Clear", "on" }, { "Stop", "off" }, { "Pause", "off" },
                                           { "Settings", "on" } }));
  EXPECT_THAT(std::vector<String>({ Cell(0, 3), Cell(1, 3) }), ElementsAre("100%", "100%"));
}

// Stop ends the batch at once, its batch end runs the after-done action, and the visible Start converts
// the same rows again, with the pause button in front even after a Pause before the Stop.
TEST_F(TForm1BatchTest, StopEndsTheBatchRunsTheAfterDoneActionAndStartConvertsAgain) {
  AddRows(2);
  std::filesystem::create_directories(InstallDir() + "sounds");
  std::ofstream(InstallDir() + "sounds/ring001.wav") << "RIFF";
  SetAfterDone(Form5->skSkinCheckRadioBox4);
  Click(Form->skSkinButton2);
  ASSERT_TRUE(Engine.EmitProgress(0, Report(4)));
  Click(Form->skSkinButton11);

  Engine.HoldDeliveries(true);
  Click(Form->skSkinButton10);
  EXPECT_THAT(Engine.Calls(), testing::Contains("Stop(True)"));
  EXPECT_EQ(Commands(), With(AfterStart, { { "StartButton", "on" }, { "Stop", "off" }, { "Pause", "off" },
                                           { "Resume", "on" }, { "Settings", "on" } }));
  EXPECT_TRUE(Sound.Played.empty()) << "not before the batch end";
  for (int Task : Engine.HeldDeliveries()) Engine.ReleaseDelivery(Task);
  Engine.HoldDeliveries(false);
  EXPECT_THAT(Sound.Played, ElementsAre(InstallDir() + "sounds/ring001.wav"));
  EXPECT_EQ(Commands(), With(AfterStart, { { "Clear", "on" }, { "StartButton", "on" }, { "Stop", "off" },
                                           { "Pause", "off" }, { "Settings", "on" } }));
  EXPECT_EQ(PauseFace(), "resume");
  EXPECT_EQ(Cell(0, 3), "40%") << "a stopped task keeps its last report";

  Engine.ClearCalls();
  Click(Form->skSkinButton2);
  EXPECT_THAT(std::vector<String>(Engine.Calls().begin(), Engine.Calls().begin() + 2),
              ElementsAre("SetThreadPriority(tpNormal)", "ClearTasks"));
  EXPECT_EQ(Engine.Calls().back(), "Start(1)");
  EXPECT_EQ(Engine.TasksCount(), 2);
  EXPECT_EQ(PauseFace(), "pause");
  EXPECT_EQ(Commands(), AfterStart);
  Engine.RunToEnd();
  EXPECT_THAT(std::vector<String>({ Cell(0, 3), Cell(1, 3) }), ElementsAre("100%", "100%"));
  EXPECT_EQ(Sound.Played.size(), 2u);
}

TEST_F(TForm1BatchTest, ShutDownAsksThePowerServiceOnceAfterTheBatchEnd) {
  AddRows(2);
  SetAfterDone(Form5->skSkinCheckRadioBox2);
  Click(Form->skSkinButton2);
  Engine.HoldDeliveries(true);
  Engine.RunToEnd();
  Engine.ReleaseDelivery(0);
  Engine.ReleaseDelivery(1);
  EXPECT_EQ(Power.Calls, 0);
  Engine.ReleaseDelivery(-1);
  EXPECT_EQ(Power.Calls, 1);
  EXPECT_TRUE(Sound.Played.empty());
}

// The default action opens the output folder; "nothing" does nothing.
TEST_F(TForm1BatchTest, TheDefaultActionOpensTheOutputFolderAndNothingDoesNothing) {
  AddRows(1);
  Click(Form->skSkinButton2);
  Engine.RunToEnd();
  EXPECT_EQ(Shell.Requests, (std::vector<TRecordingShellOpenService::TRequest> { { Form->FileOutPutPath, "" } }));
  SetAfterDone(Form5->skSkinCheckRadioBox5);
  Form->btnStart->Click();
  Engine.RunToEnd();
  EXPECT_EQ(Shell.Requests.size(), 1u);
  EXPECT_EQ(Power.Calls, 0);
  EXPECT_TRUE(Sound.Played.empty());
}

// The sound plays only when the file is beside the program; the choice in force at the batch end counts.
TEST_F(TForm1BatchTest, TheSoundActionPlaysNothingWithoutTheFile) {
  AddRows(1);
  SetAfterDone(Form5->skSkinCheckRadioBox2);
  Click(Form->skSkinButton2);
  SetAfterDone(Form5->skSkinCheckRadioBox4);
  Engine.RunToEnd();
  EXPECT_TRUE(Sound.Played.empty());
  EXPECT_EQ(Power.Calls, 0) << "the choice changed during the batch is the one carried out";
}

// Once the window closes, nothing of the batch shows: not the end that was already on its way with the
// window's handler, not its failure box, not the after-done action.
TEST_F(TForm1BatchTest, ClosingDuringABatchShowsNoBoxAndRunsNoAction) {
  AddRows(2);
  SetAfterDone(Form5->skSkinCheckRadioBox2);
  Click(Form->skSkinButton2);
  ASSERT_TRUE(Engine.EmitProgress(0, Report(2)));
  Engine.HoldDeliveries(true);
  Engine.Fail(0, "broken");
  Form->Close();
  EXPECT_THAT(Engine.Calls(), testing::Contains("Stop(True)"));
  for (int Task : Engine.HeldDeliveries()) Engine.ReleaseDelivery(Task);
  Display->PumpUntilIdle();
  EXPECT_EQ(Power.Calls, 0);
  EXPECT_EQ(Cell(0, 3), "20%");
}

// A picture of the window during a batch, for a person to review (TForm1-batch.png in the build folder):
// one row done, one converting, one refused at Start, the commands of a running batch.
class TForm1BatchPicture : public TForm1BatchTest {
protected:
  void BeforeForms() override { UseTestFontFace(false); }
  void TearDown() override {
    TForm1BatchTest::TearDown();
    UseTestFontFace(true);
  }
};

TEST_F(TForm1BatchPicture, TheWindowDuringABatchIsWrittenAsAPicture) {
  AddRows(3);
  Engine.FailAddTask(Media().Folder + "/c.mkv", "c is gone");
  SetThreadCount(2);
  Click(Form->skSkinButton2);
  ASSERT_TRUE(Engine.EmitProgress(1, Report(6, 48, 5767168)));
  ASSERT_TRUE(Engine.EmitProgress(0, Report(9, 52, 8 * 1048576)));
  SetAfterDone(Form5->skSkinCheckRadioBox5);
  Engine.Finish(0);
  Display->PumpUntilIdle();
  Display->SaveWindowPng(Form->Handle(), REVIEW_PICTURES "TForm1-batch.png");
  EXPECT_TRUE(FileExists(REVIEW_PICTURES "TForm1-batch.png"));
}

}  // namespace
