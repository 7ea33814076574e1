// The preset dialog as the user reaches it from the main window's "设置...": it opens on the main window's
// choice, its picks write the main window's selected row at once, 确定 gives the main window the dialog's
// choice and 取消 takes nothing back.
#include "app/catalogue/ISelectedJobRow.h"
#include "skin/controls/TskSkinButton.h"
#include "tests/app/forms/JobRowTesting.h"
#include "tests/app/forms/ConverterFormsFixture.h"

namespace {

constexpr int VideoCategory = 13;
constexpr int AudioCategory = 14;
constexpr int AmrFormat = 12;

/// The six preset combos of a window with them, in the order of a row's preset code.
template <class F> std::vector<TskSkinComboBox*> PresetCombos(F& Form) {
  return { Form.skSkinComboBox1, Form.skSkinComboBox2, Form.skSkinComboBox3,
           Form.skSkinComboBox4, Form.skSkinComboBox9, Form.skSkinComboBox10 };
}

/// A window's choice: category, format, then the six preset indexes and texts.
template <class F> std::vector<String> ChoiceOf(F& Form) {
  std::vector<String> Choice { IntToStr(Form.skSkinOfficeComboBox2->ItemIndex()),
                               IntToStr(Form.skSkinOfficeComboBox1->ItemIndex()) };
  for (TskSkinComboBox* Combo : PresetCombos(Form)) {
    Choice.push_back(IntToStr(Combo->ItemIndex()));
    Choice.push_back(Combo->Text());
  }
  return Choice;
}

class PresetDialogTest : public ConverterFormsTest {
protected:
  /// Clicks "设置..." with Answer answering the dialog; a dialog that Answer leaves open fails the test and
  /// is cancelled.
  void OpenDialog(std::function<void(TForm7& Dialog)> Answer) {
    this->Answer("Form7", [Answer](TCustomForm* Dialog) {
      Answer(*Form7);
      if (Dialog->ModalResult() != mrNone) return;
      ADD_FAILURE() << "the dialog stayed open";
      Dialog->SetModalResult(mrCancel);
    });
    Click(Main().skSkinButton24);
    EXPECT_FALSE(Form7->Visible());
  }
  /// The main window's choice set from code, as 确定 sets it.
  void Choose(int Category, int Format) {
    Main().skSkinOfficeComboBox2->SetItemIndex(Category);
    Main().skSkinOfficeComboBox1->SetItemIndex(Format);
  }
  /// A selected row of the main window's current choice, with its video bit rate on another entry.
  TListItem* SelectedMp4Row() {
    Choose(VideoCategory, 1);
    TListItem* Row = AppendJobRow(Main(), "/videos/clip.mkv");
    Row->SetSelected(true);
    Main().skSkinComboBox2->SetItemIndex(5);
    return Row;
  }
};

TEST_F(PresetDialogTest, ItOpensOnTheMainWindowsChoiceAndCancelChangesNothing) {
  TListItem* Row = SelectedMp4Row();
  const std::vector<String> Cells = CellsOf(Row);
  const std::vector<String> Choice = ChoiceOf(Main());
  const TVideoParams Params = Main();
  std::vector<String> Shown;
  OpenDialog([&](TForm7& Dialog) {
    Shown = ChoiceOf(Dialog);
    Click(Dialog.skSkinButton3);
  });
  EXPECT_EQ(Shown, Choice);
  EXPECT_EQ(CellsOf(Row), Cells);
  EXPECT_EQ(ChoiceOf(Main()), Choice);
  EXPECT_EQ(Main().Video_VideoBitrate, Params.Video_VideoBitrate);
  EXPECT_EQ(Main().Video_OutPutFileName, Params.Video_OutPutFileName);
}

TEST_F(PresetDialogTest, OkGivesTheMainWindowAndItsSelectedRowTheAudioCategorysMp3) {
  TListItem* Row = SelectedMp4Row();
  OpenDialog([&](TForm7& Dialog) {
    Pick(Dialog.skSkinOfficeComboBox2, AudioCategory);
    for (TskSkinComboBox* Combo : { Dialog.skSkinComboBox1, Dialog.skSkinComboBox2, Dialog.skSkinComboBox4,
                                    Dialog.skSkinComboBox9 })
      EXPECT_FALSE(Combo->Enabled()) << Combo->Name();
    EXPECT_EQ(Dialog.skSkinComboBox1->Text(), "该格式无视频");
    EXPECT_EQ(Dialog.skSkinComboBox9->Text(), "无视频");
    EXPECT_EQ(Row->SubItems()->Strings(JobCell::FormatCode), "1500") << "the dialog's pick reaches the row at once";
    Click(Dialog.skSkinButton2);
  });
  EXPECT_EQ(ChoiceOf(Main()), ChoiceOf(*Form7));
  EXPECT_FALSE(Main().skSkinComboBox1->Enabled());
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::OutputFile), "clip.mp3");
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::Presets), "000010000004");
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::AudioCodec), "libmp3lame");
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::DisableVideo), "True");
  EXPECT_TRUE(Main().Video_DisableVideo);
  EXPECT_EQ(Main().All_Trant_Number, 200);
}

// 取消 takes nothing back: the row keeps the format picked in the dialog, the main window its own choice,
// which the next file receives.
TEST_F(PresetDialogTest, CancelLeavesTheRowWithTheDialogsFormatAndTheMainWindowWithItsOwn) {
  TListItem* Row = SelectedMp4Row();
  const std::vector<String> Choice = ChoiceOf(Main());
  OpenDialog([&](TForm7& Dialog) {
    Pick(Dialog.skSkinOfficeComboBox1, 5);
    Click(Dialog.skSkinButton3);
  });
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::FormatCode), "1405");
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::OutputFile), "clip.mkv");
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::Presets), DefaultPresetCode(5));
  EXPECT_EQ(ChoiceOf(Main()), Choice);

  Main().lvFiles->SetSelected(nullptr);
  TListItem* Next = AppendJobRow(Main(), "/videos/next.mkv");
  EXPECT_EQ(Next->SubItems()->Strings(JobCell::FormatCode), "1401");
  EXPECT_EQ(Next->SubItems()->Strings(JobCell::VideoBitrate), "1200000");
}

// With no row selected the dialog writes no row; an audio bit rate picked in it reaches the main window's
// combo on 确定, so the next file converts at it, and the dialog shows it when it opens again.
TEST_F(PresetDialogTest, AnAudioBitratePickedWithoutARowReachesTheNextFileOnly) {
  TListItem* Unselected = AppendJobRow(Main(), "/videos/earlier.mkv");
  const std::vector<String> UnselectedCells = CellsOf(Unselected);
  String Picked;
  OpenDialog([&](TForm7& Dialog) {
    Pick(Dialog.skSkinComboBox3, Dialog.skSkinComboBox3->ItemIndex() + 2);
    Picked = Dialog.skSkinComboBox3->Text();
    Click(Dialog.skSkinButton2);
  });
  ASSERT_EQ(Picked, "160 kbps");
  EXPECT_EQ(Main().skSkinComboBox3->Text(), Picked);
  EXPECT_EQ(CellsOf(Unselected), UnselectedCells);
  TListItem* Row = AppendJobRow(Main(), "/videos/clip.mkv");
  Row->SetSelected(true);
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::AudioBitrate), "160000");

  Main().lvFiles->SetSelected(nullptr);
  Main().skSkinComboBox3->SetItemIndex(0);
  OpenDialog([&](TForm7& Dialog) {
    Picked = Dialog.skSkinComboBox3->Text();
    Click(Dialog.skSkinButton3);
  });
  EXPECT_EQ(Picked, Main().skSkinComboBox3->Text());
}

TEST_F(PresetDialogTest, AnAmrRatePickedForTheSelectedRowIsWrittenAsAWholeNumber) {
  Choose(AudioCategory, AmrFormat);
  TListItem* Row = AppendJobRow(Main(), "/videos/clip.mkv");
  Row->SetSelected(true);
  const int Rate = 7;
  OpenDialog([&](TForm7& Dialog) {
    Pick(Dialog.skSkinComboBox3, Rate);
    EXPECT_EQ(Dialog.skSkinComboBox3->Text(), "12.2 kbps");
    EXPECT_EQ(Row->SubItems()->Strings(JobCell::AudioBitrate), "12200");
    Click(Dialog.skSkinButton2);
  });
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::AudioBitrate), "12200");
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::Presets).substr(4, 2), "07");
  EXPECT_EQ(Main().Video_AudioBitrate, 12200);
}

}  // namespace
