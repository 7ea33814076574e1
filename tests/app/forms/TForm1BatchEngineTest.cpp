// Running a batch on the real engine: rows of three formats converted two at a time and probed back
// against their cells, and an output that cannot be written failing only its own row.
#include <gmock/gmock.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "app/catalogue/ISelectedJobRow.h"
#include "app/engine/TFFConverterEngine.h"
#include "app/jobs/JobTexts.h"
#include "engine/probe/AVProbe.h"
#include "tests/app/forms/BatchTesting.h"
#include "tests/app/support/ProbedOutput.h"
#include "tests/platform/base/RespectFileModes.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;

class TForm1BatchEngineTest : public BatchTest {
protected:
  IFFConverter& Converter() override { return *Real; }

  void SetUp() override {
    BatchTest::SetUp();
    SetAfterDone(Form5->skSkinCheckRadioBox5);
  }
  /// The engine goes before the windows, as in the program: its threads end while the window is whole.
  void TearDown() override {
    Real.reset();
    BatchTest::TearDown();
  }

  /// Starts the batch with the visible button and waits for its end and for AEnds task ends (the batch end
  /// may come before the last of them).
  void RunBatch(const std::function<int()>& AEnds, int AExpected) {
    Click(Form->skSkinButton2);
    PumpUntil([&] { return Form->btnClear->Enabled() && AEnds() == AExpected; }, 120000);
  }
  int Finished() const {
    int Count = 0;
    for (int Row = 0; Row < RowCount(); ++Row) Count += Cell(Row, 3) == "100%";
    return Count;
  }

  String OutputOf(int ARow) const { return Form->FileOutPutPath + "/" + Cell(ARow, 2); }

  std::optional<TFFConverterEngine> Real { std::in_place };
};

TEST_F(TForm1BatchEngineTest, ThreeFormatsConvertedTwoAtATimeProbeBackAsTheirRowsSay) {
  for (const String& File : { Media().Clip, Media().Awkward, Media().NoExtension }) AddFile(File);
  // As a user gives rows their formats: select the row, then choose; the first keeps the WMV it got.
  for (auto [Row, Category] : { std::pair { 1, 2 }, std::pair { 2, 14 } }) {
    Form->lvFiles->Items()->Item(Row)->SetSelected(true);
    ChooseFormat(Category, 0);
  }
  SetThreadCount(2);
  RunBatch([this] { return Finished(); }, 3);
  for (int Row = 0; Row < 3; ++Row) {
    SCOPED_TRACE(Cell(Row, 2));
    std::vector<String> Cells;
    for (int k = 0; k < 24; ++k) Cells.push_back(Cell(Row, k));
    EXPECT_EQ(Cell(Row, 3), "100%");
    EXPECT_EQ(ProbeOutput(OutputOf(Row)), ExpectedOutput(Cells));
  }
  EXPECT_THAT(std::vector<String>({ Cell(0, 2), Cell(1, 2), Cell(2, 2) }),
              ElementsAre("clip.wmv", "测试 视频.a.b.mp4", "noext.mp3"));
}

// A finished row shows its output's length to the nearest second and its size, as a probe of the file finds
// them: the task's last report comes at its real end.
TEST_F(TForm1BatchEngineTest, AFinishedRowShowsItsOutputsLengthAndSize) {
  AddFile(Media().Clip);
  AddFile(Media().Tone);
  RunBatch([this] { return Finished(); }, 2);
  for (int Row = 0; Row < 2; ++Row) {
    SCOPED_TRACE(Cell(Row, 2));
    TAVProbe Probe(nullptr);
    ASSERT_TRUE(Probe.LoadFile(OutputOf(Row))) << Probe.LastErrMsg();
    EXPECT_EQ(Cell(Row, JobCell::ConvertedTime), SecToDate(int((Probe.FileStreamInfo().Duration + 500000) / 1000000)));
    EXPECT_EQ(Cell(Row, JobCell::ConvertedSize), SizeText(Int64(std::filesystem::file_size(OutputOf(Row)))));
  }
}

// An output the run cannot create fails that task with the engine's text in the plain box; the other row
// converts.
TEST_F(TForm1BatchEngineTest, AnOutputThatCannotBeWrittenFailsOnlyItsRow) {
  AddFile(Media().Clip);
  AddFile(Media().NoExtension);
  std::ofstream(OutputOf(1)) << "kept";
  std::filesystem::permissions(OutputOf(1), std::filesystem::perms::owner_read);
  std::vector<String> Boxes;
  Answer("MessageBox", [&](TCustomForm* ABox) {
    Boxes.push_back(ABox->Caption() + ": " + MessageText(ABox));
    Press(ABox, "OK");
  });
  {
    TRespectFileModes AsAnyUser;
    RunBatch([&] { return Finished() + int(Boxes.size()); }, 2);
  }
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_THAT(Boxes[0], HasSubstr("ZorvikWMV格式转换器: "));
  EXPECT_THAT(Boxes[0], HasSubstr("Permission denied"));
  EXPECT_EQ(Cell(0, 3), "100%");
  EXPECT_NE(Cell(1, 3), "100%");
  EXPECT_EQ(ProbeOutput(OutputOf(0)).Container, "asf");
  std::ifstream Kept(OutputOf(1));
  EXPECT_EQ(String(std::istreambuf_iterator<char>(Kept), {}), "kept");
}

}  // namespace
