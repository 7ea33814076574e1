// The catalogue sweep: every format of the catalogue picked in the main window's combos, a one-second
// clip added through the single add and converted with the visible Start on the real engine, several at
// once, each output probed back against what its format says. The formats that cannot be written here
// are listed once, with their reasons; any other failure names the format and the engine's message.
#include <gmock/gmock.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <thread>

#include "app/catalogue/FormatCatalogue.h"
#include "tests/app/sweep/SweepTest.h"

namespace {

using testing::HasSubstr;
using TClock = std::chrono::steady_clock;

enum class TFailureStage { Add, Run };

/// A format that cannot be written here, and how the window shows it.
struct TExpectedFailure {
  int Key { 0 };
  String FrameSize;     // a frame-size preset picked in the preset dialog; empty: the format's defaults
  TFailureStage Stage { TFailureStage::Add };
  String Message;       // the engine's text, part of the add's log line or of the failed task's box
  String Reason;
};

const TExpectedFailure ExpectedFailures[] = {
  { 809, "", TFailureStage::Add, "***Cannot do convert, error: new_video_stream fail: Unknown encoder 'msmpeg4v1'",
    "FFmpeg 5.1 has no msmpeg4v1 encoder (a decoder only): the add is refused, told in a box and logged" },
  { 601, "320*240", TFailureStage::Run, "Error while opening encoder for output stream",
    "h263 writes only 128x96, 176x144, 352x288, 704x576 and 1408x1152: a preset of another size fails its "
    "task when it runs, with the engine's text in the failed-task box" },
};

const TExpectedFailure* ExpectedFailureOf(int AKey, const String& AFrameSize) {
  for (const TExpectedFailure& Failure : ExpectedFailures)
    if (Failure.Key == AKey && Failure.FrameSize == AFrameSize) return &Failure;
  return nullptr;
}

/// How many formats convert at once: one per core, as many as the options dialog offers at most.
int SimultaneousTasks() { return std::clamp(int(std::thread::hardware_concurrency()), 1, 19); }

String Seconds(TClock::duration ATime) {
  return Format("%.1f s", std::chrono::duration<double>(ATime).count());
}

class CatalogueSweep : public SweepTest {
protected:
  void SetUp() override {
    SweepTest::SetUp();
    SetThreadCount(SimultaneousTasks());
  }

  /// Picks AFrameSize for the selected row in the preset dialog and closes it with 确定.
  void PickFrameSize(TSweepJob& AJob, const String& AFrameSize) {
    Answer("Form7", [&](TCustomForm*) {
      TskSkinComboBox* Sizes = Form7->skSkinComboBox1;
      Pick(Sizes, Sizes->Items()->IndexOf(AFrameSize));
      Click(Form7->skSkinButton2);
    });
    Click(Form->skSkinButton24);
    Answer("Form7", {});
    AJob.FrameSize = AFrameSize;
  }

  bool Logged(const String& AText) const {
    const std::vector<String> Lines = Log();
    return std::ranges::any_of(Lines, [&](const String& ALine) { return ALine.find(AText) != String::npos; });
  }

  /// The last lines of the log.
  String LogTail() const {
    const std::vector<String> Lines = Log();
    return testing::PrintToString(std::vector<String>(Lines.end() - std::min<size_t>(Lines.size(), 4), Lines.end()));
  }

  /// Adds the jobs of APlan from ANext on, moving ANext past them, until as many rows as convert at once
  /// are in the list or the list has no room below its rows; answers the jobs that made rows. An add
  /// refused as expected is checked here.
  std::vector<TSweepJob> AddBatch(const std::vector<TSweepJob>& APlan, size_t& ANext) {
    std::vector<TSweepJob> Batch;
    while (int(Batch.size()) < SimultaneousTasks() && ANext < APlan.size() && RoomBelowRows()) {
      const TSweepJob& Planned = APlan[ANext++];
      const String Name = IntToStr(Planned.Format.Key) + (Planned.FrameSize.empty() ? "" : "-" + Planned.FrameSize);
      std::vector<String> Told;
      Answer("TskMessageForm", [&](TCustomForm* Box) {
        Told.push_back(MessageText(Box));
        Press(Box, "OK");
      });
      TSweepJob Job = Add(Planned.Format, Name);
      Answer("TskMessageForm", {});
      const TExpectedFailure* Expected = ExpectedFailureOf(Planned.Format.Key, Planned.FrameSize);
      if (Expected && Expected->Stage == TFailureStage::Add) {
        EXPECT_TRUE(Job.Output.empty()) << Job.Name() << ": the add made a row; expected: " << Expected->Reason;
        EXPECT_THAT(Told, testing::ElementsAre(HasSubstr("Unknown encoder"))) << Job.Name() << ": the refusal is told";
        EXPECT_TRUE(Logged(Expected->Message)) << Job.Name() << ": the log does not say \"" << Expected->Message
                                               << "\"; it ends with " << LogTail();
        continue;
      }
      if (Job.Output.empty()) {
        ADD_FAILURE() << Job.Name() << ": the add was refused; the log ends with " << LogTail();
        continue;
      }
      EXPECT_THAT(Job.Output, testing::EndsWith(FormatExtension(Job.Format.Caption))) << Job.Name();
      if (!Planned.FrameSize.empty()) {
        PickFrameSize(Job, Planned.FrameSize);
        EXPECT_EQ(Cell(RowCount() - 1, JobCell::FrameSize), Planned.FrameSize);
      }
      Batch.push_back(Job);
    }
    return Batch;
  }

  /// Checks row ARow of a batch that ended: an expected failure failed its task with its text in a box,
  /// any other job finished and probes back as its format says. Answers whether the job converted.
  bool CheckRow(int ARow, const TSweepJob& AJob) {
    const std::optional<TRecordingConverter::TTaskEnd> End = Recorder->EndOf(AJob.Output);
    const String Message = End ? End->Message : String("the task did not end");
    const String Progress = Cell(ARow, JobCell::Progress);
    if (const TExpectedFailure* Expected = ExpectedFailureOf(AJob.Format.Key, AJob.FrameSize)) {
      EXPECT_NE(Progress, "100%") << AJob.Name() << " converted; expected: " << Expected->Reason;
      EXPECT_THAT(Message, HasSubstr(Expected->Message)) << AJob.Name();
      EXPECT_TRUE(std::ranges::count(Boxes, Message)) << AJob.Name() << ": no box showed " << Message;
      return false;
    }
    if (!End || !End->Finished || Progress != "100%") {
      ADD_FAILURE() << AJob.Name() << " (" << AJob.Format.Encoder << "): " << Message << "; its row shows \""
                    << Progress << "\"";
      return false;
    }
    EXPECT_EQ(ProbeOutput(AJob.Output), ExpectedOutput(AJob.Format, AJob.FrameSize))
        << AJob.Name() << "; its row's parameter cells: " << testing::PrintToString(ParameterCells(ARow));
    return true;
  }

  /// Cells 10 to 23 of row ARow: the parameters its output is made with.
  std::vector<String> ParameterCells(int ARow) const {
    std::vector<String> Cells;
    for (int k = JobCell::VideoCodec; k <= JobCell::NormType; ++k) Cells.push_back(Cell(ARow, k));
    return Cells;
  }
};

TEST_F(CatalogueSweep, EveryFormatConvertsAClipAndProbesBackAsItsFormatSays) {
  const TClock::time_point Begun = TClock::now();
  const std::vector<TSweepFormat> Formats = SweepFormats();
  ASSERT_EQ(Formats.size(), 129u);
  // Every format with its own values, then the failures a user reaches with a preset of another size.
  std::vector<TSweepJob> Plan;
  for (const TSweepFormat& Format : Formats) Plan.push_back({ Format, "", "" });
  for (const TExpectedFailure& Failure : ExpectedFailures)
    if (!Failure.FrameSize.empty())
      Plan.push_back({ *std::ranges::find(Formats, Failure.Key, &TSweepFormat::Key), Failure.FrameSize, "" });

  TClock::duration Adding {}, Converting {};
  int Converted = 0;
  for (size_t Next = 0; Next < Plan.size();) {
    const TClock::time_point BatchBegun = TClock::now();
    const std::vector<TSweepJob> Batch = AddBatch(Plan, Next);
    if (Batch.empty()) continue;
    const TClock::time_point Started = TClock::now();
    RunBatch();
    Adding += Started - BatchBegun;
    Converting += TClock::now() - Started;
    for (int Row = 0; Row < int(Batch.size()); ++Row) Converted += CheckRow(Row, Batch[size_t(Row)]);
    ClearList();
  }

  std::cout << "Catalogue sweep: " << Converted << " formats converted, " << SimultaneousTasks()
            << " at once; adding " << Seconds(Adding) << ", converting " << Seconds(Converting) << ", in all "
            << Seconds(TClock::now() - Begun) << "\nNot written here:\n";
  for (const TExpectedFailure& Failure : ExpectedFailures)
    std::cout << "  " << Failure.Key << (Failure.FrameSize.empty() ? "" : " at " + Failure.FrameSize) << ": "
              << Failure.Reason << "\n";
}

// The sweep adds each file with its format already chosen; a row whose format is changed after its add
// converts as its new format says, with nothing kept of the one it was added with (here a VCD target).
TEST_F(CatalogueSweep, ARowSwitchedToAnotherFormatConvertsAsItsNewFormatSays) {
  const std::vector<TSweepFormat> Formats = SweepFormats();
  const auto Find = [&](int AKey) { return *std::ranges::find(Formats, AKey, &TSweepFormat::Key); };
  Add(Find(1310), "switched");
  const TSweepFormat Mobile = Find(600);
  PickFormat(Mobile);
  ASSERT_EQ(Cell(0, JobCell::TargetType), "");
  const String Output = Form->FileOutPutPath + "/" + Cell(0, JobCell::OutputFile);
  RunBatch();
  ASSERT_EQ(Cell(0, JobCell::Progress), "100%") << testing::PrintToString(Boxes);
  EXPECT_EQ(ProbeOutput(Output), ExpectedOutput(Mobile)) << testing::PrintToString(ParameterCells(0));
}

}  // namespace
