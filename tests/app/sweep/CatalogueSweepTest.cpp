// The catalogue sweep: every format of the catalogue picked in the main window's combos, a one-second
// clip added through the single add and converted with the visible Start on the real engine, several at
// once, each output probed back against what its format says. The formats that cannot be written here
// are listed once, with their reasons; any other failure names the format and the engine's message.
#include <gmock/gmock.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <map>
#include <thread>

#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/ISelectedJobRow.h"
#include "tests/app/forms/BatchTesting.h"
#include "tests/app/sweep/SweepFormats.h"
#include "tests/app/sweep/TRecordingConverter.h"
#include "tests/engine/fixtures/MediaFixtures.h"

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
    "FFmpeg 5.1 has no msmpeg4v1 encoder (a decoder only): the add is refused and the log says why" },
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

/// One job the sweep added: its format, the frame size picked for it (empty: the format's own) and its
/// row's output file.
struct TSweepJob {
  TSweepFormat Format;
  String FrameSize;
  String Output;
  /// The format's key and caption, as failures name it.
  String Name() const {
    return IntToStr(Format.Key) + " " + Format.Caption + (FrameSize.empty() ? String() : " at " + FrameSize);
  }
};

class CatalogueSweep : public BatchTest {
protected:
  IFFConverter& Converter() override { return Recorder; }

  void SetUp() override {
    BatchTest::SetUp();
    SetAfterDone(Form5->skSkinCheckRadioBox5);
    SetThreadCount(SimultaneousTasks());
  }

  /// Picks AFormat in the category and format combos as the user does, with no row selected so that no
  /// row changes, and adds a copy of the one-second clip named after it; answers the job, whose output is
  /// empty when the add made no row.
  TSweepJob Add(const TSweepFormat& AFormat, const String& AName) {
    Deselect();
    Pick(Form->skSkinOfficeComboBox2, AFormat.Category);
    Pick(Form->skSkinOfficeComboBox1, AFormat.Format);
    const int Rows = RowCount();
    AddFile(CopyOfShortClip(AName));
    TSweepJob Job { AFormat, "", "" };
    if (RowCount() == Rows + 1) Job.Output = Form->FileOutPutPath + "/" + Cell(Rows, JobCell::OutputFile);
    return Job;
  }

  /// A click on the job list below its last row, which leaves no row selected.
  void Deselect() {
    if (RowCount() == 0) return;
    const int Below = Row(RowCount() - 1)->DisplayRect(drBounds).Bottom + 4;
    ASSERT_LT(Below, List()->ClientHeight()) << "the rows fill the job list";
    const TPoint P = List()->ClientToScreen({ 10, Below });
    Display->Click(P.X, P.Y);
    ASSERT_EQ(List()->Selected(), nullptr);
  }

  /// Runs the rows with the visible Start and waits until the window has taken the batch's every end.
  void RunBatch() {
    Click(Form->skSkinButton2);
    ASSERT_TRUE(PumpUntil([this] { return Recorder.Ended() && Form->btnClear->Enabled(); }, 120000))
        << "the batch did not end";
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

  String CopyOfShortClip(const String& AName) {
    const String Folder = Media().Folder + "/sweep";
    std::filesystem::create_directories(Folder);
    const String Copy = Folder + "/" + AName + ".mkv";
    std::filesystem::copy_file(MediaFixtures().ShortMKV, Copy);
    return Copy;
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

  /// Cells 10 to 23 of row ARow: the parameters its output is made with.
  std::vector<String> ParameterCells(int ARow) const {
    std::vector<String> Cells;
    for (int k = JobCell::VideoCodec; k <= JobCell::NormType; ++k) Cells.push_back(Cell(ARow, k));
    return Cells;
  }

  TRecordingConverter Recorder;
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

  std::vector<String> Boxes;
  Answer("MessageBox", [&](TCustomForm* ABox) {
    Boxes.push_back(MessageText(ABox));
    // Another failed task's box may open over this one while its OK is pressed, and take the press:
    // this box is pressed again once that one is answered.
    for (int Presses = 0; ABox->ModalResult() == mrNone; ++Presses) {
      ASSERT_LT(Presses, 100) << "the box stays open: " << MessageText(ABox);
      Press(ABox, "OK");
    }
  });
  TClock::duration Adding {}, Converting {};
  std::map<String, int> Families;
  int Converted = 0;
  for (size_t Next = 0; Next < Plan.size();) {
    // As many rows as convert at once, added one after another.
    const TClock::time_point BatchBegun = TClock::now();
    std::vector<TSweepJob> Batch;
    while (int(Batch.size()) < SimultaneousTasks() && Next < Plan.size()) {
      const TSweepJob& Planned = Plan[Next++];
      const String Name = IntToStr(Planned.Format.Key) + (Planned.FrameSize.empty() ? "" : "-" + Planned.FrameSize);
      TSweepJob Job = Add(Planned.Format, Name);
      const TExpectedFailure* Expected = ExpectedFailureOf(Planned.Format.Key, Planned.FrameSize);
      if (Expected && Expected->Stage == TFailureStage::Add) {
        EXPECT_TRUE(Job.Output.empty()) << Job.Name() << ": the add made a row";
        EXPECT_TRUE(Logged(Expected->Message))
            << Job.Name() << ": the log does not say \"" << Expected->Message << "\"; it ends with " << LogTail();
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
    if (Batch.empty()) continue;
    const TClock::time_point Started = TClock::now();
    RunBatch();
    Adding += Started - BatchBegun;
    Converting += TClock::now() - Started;

    for (int Row = 0; Row < int(Batch.size()); ++Row) {
      const TSweepJob& Job = Batch[size_t(Row)];
      const std::optional<TRecordingConverter::TTaskEnd> End = Recorder.EndOf(Job.Output);
      const String Message = End ? End->Message : String("the task did not end");
      if (const TExpectedFailure* Expected = ExpectedFailureOf(Job.Format.Key, Job.FrameSize)) {
        EXPECT_NE(Cell(Row, 3), "100%") << Job.Name();
        EXPECT_THAT(Message, HasSubstr(Expected->Message)) << Job.Name();
        EXPECT_TRUE(std::ranges::count(Boxes, Message)) << Job.Name() << ": no box showed " << Message;
        continue;
      }
      if (!End || !End->Finished || Cell(Row, 3) != "100%") {
        ADD_FAILURE() << Job.Name() << " (" << Job.Format.Encoder << "): " << Message << "; its row shows \""
                      << Cell(Row, 3) << "\"";
        continue;
      }
      EXPECT_EQ(ProbeOutput(Job.Output), ExpectedOutput(Job.Format, Job.FrameSize))
          << Job.Name() << "; its row's parameter cells: " << testing::PrintToString(ParameterCells(Row));
      ++Families[Job.Format.Encoder];
      ++Converted;
    }
    Click(Form->skSkinButton8);
    ASSERT_EQ(RowCount(), 0);
  }

  std::cout << "Catalogue sweep: " << Converted << " formats converted, " << SimultaneousTasks()
            << " at once; adding " << Seconds(Adding) << ", converting " << Seconds(Converting) << ", in all "
            << Seconds(TClock::now() - Begun) << "\n";
  for (const auto& [Encoder, Count] : Families) std::cout << "  " << Encoder << ": " << Count << "\n";
}

}  // namespace
