#pragma once
// The main window on the real engine as the catalogue sweep drives it: formats picked in the combos with
// no row selected, one-second clips added through the single add, batches run with the visible Start and
// every task's end recorded.
#include <filesystem>
#include <optional>

#include "app/catalogue/ISelectedJobRow.h"
#include "tests/app/forms/BatchTesting.h"
#include "tests/app/sweep/SweepFormats.h"
#include "tests/app/sweep/TRecordingConverter.h"
#include "tests/engine/fixtures/MediaFixtures.h"

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

/// Base of the sweep's tests and benchmark: the windows over a TRecordingConverter, no action after a
/// batch, and the failed-task boxes answered with OK and kept in Boxes.
class SweepTest : public BatchTest {
protected:
  IFFConverter& Converter() override { return *Recorder; }

  void SetUp() override {
    BatchTest::SetUp();
    SetAfterDone(Form5->skSkinCheckRadioBox5);
    Answer("MessageBox", [this](TCustomForm* ABox) {
      Boxes.push_back(MessageText(ABox));
      // Another failed task's box may open over this one while its OK is pressed, and take the press:
      // this box is pressed again once that one is answered.
      for (int Presses = 0; ABox->ModalResult() == mrNone; ++Presses) {
        ASSERT_LT(Presses, 100) << "the box stays open: " << MessageText(ABox);
        Press(ABox, "OK");
      }
    });
  }
  /// The engine goes before the windows, as in the program: its threads end while the window is whole.
  void TearDown() override {
    Recorder.reset();
    BatchTest::TearDown();
  }

  /// Picks AFormat in the category and format combos as the user does, with no row selected so that no
  /// row changes, and adds a copy of the one-second clip named after it; answers the job, whose output is
  /// empty when the add made no row.
  TSweepJob Add(const TSweepFormat& AFormat, const String& AName) {
    Deselect();
    PickFormat(AFormat);
    const int Rows = RowCount();
    AddFile(CopyOfShortClip(AName));
    TSweepJob Job { AFormat, "", "" };
    if (RowCount() == Rows + 1) Job.Output = Form->FileOutPutPath + "/" + Cell(Rows, JobCell::OutputFile);
    return Job;
  }

  /// Picks AFormat's category and then its format in the main window's combos.
  void PickFormat(const TSweepFormat& AFormat) {
    Pick(Form->skSkinOfficeComboBox2, AFormat.Category);
    Pick(Form->skSkinOfficeComboBox1, AFormat.Format);
    ASSERT_EQ(Form->skSkinOfficeComboBox1->ItemIndex(), AFormat.Format) << "picking " << AFormat.Key;
  }

  /// Whether the job list shows room below its last row for Deselect and another row.
  bool RoomBelowRows() const {
    if (RowCount() == 0) return true;
    const TRect Last = Row(RowCount() - 1)->DisplayRect(drBounds);
    return Last.Bottom + Last.Height() + 4 < List()->ClientHeight();
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
    ASSERT_TRUE(PumpUntil([this] { return Recorder->Ended() && Form->btnClear->Enabled(); }, 120000))
        << "the batch did not end";
  }

  /// Empties the job list with the visible 清空.
  void ClearList() {
    Click(Form->skSkinButton8);
    ASSERT_EQ(RowCount(), 0);
  }

  /// A copy of the one-second clip named AName.mkv, in a folder of its own.
  String CopyOfShortClip(const String& AName) {
    const String Folder = Media().Folder + "/sweep";
    std::filesystem::create_directories(Folder);
    const String Copy = Folder + "/" + AName + ".mkv";
    std::filesystem::copy_file(MediaFixtures().ShortMKV, Copy);
    return Copy;
  }

  std::optional<TRecordingConverter> Recorder { std::in_place };
  std::vector<String> Boxes;  // the texts of the failed-task boxes, in the order they opened
};
