// The preset dialog: its controls as stored, its creation filling the format combo for the first category
// and the six preset combos for the first format, a category change filling them again, its format and
// preset changes writing the main window's selected row, 确定 and 取消.
#include "app/forms/TForm7.h"

#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/ISelectedJobRow.h"
#include "app/catalogue/PresetCode.h"
#include "app/catalogue/PresetTables.h"
#include "platform/base/FileUtils.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "platform/ui/toolkit/TButton.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskPngImageList.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/form/TskSkinForm.h"
#include "tests/app/forms/DialogFormsFixture.h"

namespace {

using TForm7Test = DialogFormsTest;

constexpr int AudioCategory = 14;

/// The dialog's preset combo of each role.
TskSkinComboBox* PresetCombo(TForm7* Dialog, TPresetRole Role) {
  switch (Role) {
    case TPresetRole::Resolution: return Dialog->skSkinComboBox1;
    case TPresetRole::VideoBitrate: return Dialog->skSkinComboBox2;
    case TPresetRole::AudioBitrate: return Dialog->skSkinComboBox3;
    case TPresetRole::AspectMode: return Dialog->skSkinComboBox4;
    case TPresetRole::FrameRate: return Dialog->skSkinComboBox9;
    case TPresetRole::SampleRate: return Dialog->skSkinComboBox10;
  }
  return nullptr;
}

/// The format combo holds the category's formats with pictures 0, 1, 0, ... and shows the first; the six
/// preset combos hold the first format's lists on their default entries, the video ones disabled for an
/// audio-only format.
void ExpectFilledFor(TForm7* Dialog, int Category) {
  TskSkinOfficeComboBox* Formats = Dialog->skSkinOfficeComboBox1;
  const auto Captions = FormatCategories()[size_t(Category)].Formats;
  ASSERT_EQ(Formats->Items()->Count(), int(Captions.size()));
  for (int I = 0; I < int(Captions.size()); ++I) {
    EXPECT_EQ(Formats->Items()->Items(I)->Caption(), Captions[size_t(I)]);
    EXPECT_EQ(Formats->Items()->Items(I)->ImageIndex(), I % 2);
  }
  EXPECT_EQ(Formats->ItemIndex(), 0);
  const PresetSet* Set = FindPresetSet(FormatKey(Category, 0));
  ASSERT_NE(Set, nullptr);
  for (TPresetRole Role : PresetClearOrder) {
    SCOPED_TRACE(int(Role));
    TskSkinComboBox* Combo = PresetCombo(Dialog, Role);
    const PresetChoice& Choice = Set->Choice(Role);
    ASSERT_EQ(Combo->Items()->Count(), int(Choice.List->Entries.size()));
    EXPECT_EQ(Combo->Items()->Strings(0), Choice.List->Entries[0]);
    EXPECT_EQ(Combo->ItemIndex(), Choice.DefaultIndex);
    EXPECT_EQ(Combo->Text(), Choice.DefaultEntry());
    const bool Video = std::find(PresetVideoRoles.begin(), PresetVideoRoles.end(), Role) != PresetVideoRoles.end();
    EXPECT_EQ(Combo->Enabled(), !(Set->AudioOnly && Video));
  }
}

TEST_F(TForm7Test, EveryControlHasItsStoredPlaceCaptionAndLook) {
  auto* Dialog = Build<TForm7>();
  EXPECT_EQ(Dialog->Caption(), "选项设置");
  EXPECT_EQ(Dialog->ClientWidth(), 512);
  EXPECT_EQ(Dialog->ClientHeight(), 418);
  EXPECT_EQ(Dialog->BorderStyle(), bsSingle);
  EXPECT_TRUE(Dialog->skSkinForm1->BorderIcons().Empty());
  EXPECT_EQ(Dialog->Position(), poMainFormCenter);

  // Each label stands above its combo in the same column: "视频缩放：" over the aspect combo, "视频帧率：" over
  // the frame rate combo.
  const TInventoryRow Rows[] = {
    { "skSkinOfficeComboBox2", "TskSkinOfficeComboBox", "", nullptr, 26, 17, 131, -1 },
    { "skSkinOfficeComboBox1", "TskSkinOfficeComboBox", "", nullptr, 164, 17, 328, -1 },
    { "skSkinPanel4", "TskSkinPanel", "", "预置视频参数", 26, 85, 466, 158 },
    { "skSkinTextLabel1", "TskSkinTextLabel", "skSkinPanel4", "视频分辨率：", 15, 41, -1, -1 },
    { "skSkinComboBox1", "TskSkinComboBox", "skSkinPanel4", nullptr, 15, 66, 176, -1 },
    { "skSkinTextLabel2", "TskSkinTextLabel", "skSkinPanel4", "视频比特率：", 264, 41, -1, -1 },
    { "skSkinComboBox2", "TskSkinComboBox", "skSkinPanel4", nullptr, 264, 66, 176, -1 },
    { "skSkinTextLabel3", "TskSkinTextLabel", "skSkinPanel4", "视频缩放：", 15, 94, -1, -1 },
    { "skSkinComboBox4", "TskSkinComboBox", "skSkinPanel4", nullptr, 15, 119, 176, -1 },
    { "skSkinTextLabel4", "TskSkinTextLabel", "skSkinPanel4", "视频帧率：", 264, 94, -1, -1 },
    { "skSkinComboBox9", "TskSkinComboBox", "skSkinPanel4", nullptr, 264, 119, 176, -1 },
    { "skSkinPanel1", "TskSkinPanel", "", "预置音频参数", 26, 256, 466, 97 },
    { "skSkinTextLabel5", "TskSkinTextLabel", "skSkinPanel1", "音频比特率：", 15, 31, -1, -1 },
    { "skSkinComboBox3", "TskSkinComboBox", "skSkinPanel1", nullptr, 15, 56, 176, -1 },
    { "skSkinTextLabel6", "TskSkinTextLabel", "skSkinPanel1", "音频采样率：", 264, 32, -1, -1 },
    { "skSkinComboBox10", "TskSkinComboBox", "skSkinPanel1", nullptr, 264, 57, 176, -1 },
    { "skSkinButton2", "TskSkinButton", "", "确定", 323, 371, 69, -1 },
    { "skSkinButton3", "TskSkinButton", "", "取消", 419, 371, 69, -1 },
    { "Button2", "TButton", "", "添加combox", 530, 10, -1, -1, false },
    { "Button18", "TButton", "", "根据combox添加预设选项", 530, 40, -1, -1, false },
    { "Button5", "TButton", "", "根据combox添加数据", 530, 70, -1, -1, false },
    { "Button6", "TButton", "", "初始化数据", 530, 100, -1, -1, false },
    { "Button13", "TButton", "", "确认预置选项数据", 530, 130, -1, -1, false },
  };
  ExpectInventory(Dialog, Rows);

  for (TPresetRole Role : PresetClearOrder) {
    EXPECT_EQ(PresetCombo(Dialog, Role)->Style(), skcbFixedStyle);
    EXPECT_TRUE(bool(PresetCombo(Dialog, Role)->OnChange));
    EXPECT_FALSE(bool(PresetCombo(Dialog, Role)->OnClick)) << "only OnChange is bound";
  }
  TForm1& Main = MainWindow();
  EXPECT_EQ(Dialog->skSkinForm1->SkinData(), Main.skSkinData1);
  EXPECT_EQ(Dialog->skSkinComboBox10->SkinData(), Main.skSkinData1);
  EXPECT_EQ(Dialog->skSkinOfficeComboBox2->Images(), static_cast<TCustomImageList*>(Main.skPngImageList5));
  EXPECT_EQ(Dialog->skSkinOfficeComboBox1->Images(), static_cast<TCustomImageList*>(Main.skPngImageList3));

  TskSkinOfficeComboBox* Categories = Dialog->skSkinOfficeComboBox2;
  ASSERT_EQ(Categories->Items()->Count(), 15);
  for (int I = 0; I < 15; ++I) {
    EXPECT_EQ(Categories->Items()->Items(I)->Caption(), FormatCategories()[size_t(I)].Caption);
    EXPECT_EQ(Categories->Items()->Items(I)->ImageIndex(), CategoryImageIndex(I));
  }
}

// Creation fills the format combo for "WMV格式" with "WMV标准视频(*.wmv)" selected and the six presets of
// that format; the main window's record of the format key follows.
TEST_F(TForm7Test, CreationShowsTheFirstCategorysFormatsWithTheFirstSelectedAndItsPresets) {
  auto* Dialog = Build<TForm7>();
  EXPECT_EQ(Dialog->skSkinOfficeComboBox2->ItemIndex(), 0);
  ExpectFilledFor(Dialog, 0);
  EXPECT_EQ(Dialog->skSkinOfficeComboBox1->Items()->Items(0)->Caption(), "WMV标准视频(*.wmv)");
  EXPECT_EQ(MainWindow().All_Trant_Number, 1800);
}

// A category change fills the formats again and the first format's presets; an audio-only format disables
// the four video combos, a video format enables them again.
TEST_F(TForm7Test, ACategoryChangeFillsItsFormatsAndPresets) {
  auto* Dialog = Build<TForm7>();
  Dialog->skSkinOfficeComboBox2->SetItemIndex(AudioCategory);
  ExpectFilledFor(Dialog, AudioCategory);
  EXPECT_EQ(Dialog->skSkinComboBox1->Text(), "该格式无视频");
  EXPECT_EQ(Dialog->skSkinComboBox9->Text(), "无视频");
  EXPECT_EQ(MainWindow().All_Trant_Number, 200);
  Dialog->skSkinOfficeComboBox2->SetItemIndex(1);
  ExpectFilledFor(Dialog, 1);
}

/// A row of the main window's job list for clip.wmv in "WMV标准视频(*.wmv)", selected.
TListItem* SelectedWmvRow(TForm1& Main) {
  TListItem* Row = Main.lvFiles->Items()->Add();
  Row->SetCaption("/videos/clip.mkv");
  for (int Cell = 0; Cell < 24; ++Cell) Row->SubItems()->Add("");
  Row->SubItems()->Put(JobCell::OutputFile, "clip.wmv");
  Row->SubItems()->Put(JobCell::FormatCode, "100");
  Row->SubItems()->Put(JobCell::Presets, "000000000000");
  Row->SetSelected(true);
  return Row;
}

/// The six default indexes of a format as a preset code.
String DefaultPresetCode(int Key) {
  const PresetSet* Set = FindPresetSet(Key);
  std::array<int, PresetRoleCount> Indexes {};
  for (TPresetRole Role : PresetClearOrder) Indexes[size_t(Role)] = Set->Choice(Role).DefaultIndex;
  return PresetCode(Indexes);
}

// While the main window has a selected row, a format picked in the dialog goes into that row at once (its
// format code, default presets, parameters and output extension), the main window's own combos stay; 取消
// leaves the row with the new format.
TEST_F(TForm7Test, AFormatChangeWritesTheMainWindowsSelectedRowAndCancelKeepsIt) {
  auto* Dialog = Build<TForm7>();
  TForm1& Main = MainWindow();
  Main.Show();
  TListItem* Row = SelectedWmvRow(Main);
  Later([&] {
    Dialog->skSkinOfficeComboBox2->SetItemIndex(AudioCategory);
    Dialog->skSkinOfficeComboBox1->SetItemIndex(2);
    ClickOn(Dialog->skSkinButton3);
  });
  Dialog->ShowModal();

  TStrings* Cells = Row->SubItems();
  const String Caption = Dialog->skSkinOfficeComboBox1->Items()->Items(2)->Caption();
  EXPECT_EQ(Cells->Strings(JobCell::FormatCode), IntToStr(RowFormatCode(AudioCategory, 2)));
  EXPECT_EQ(Cells->Strings(JobCell::Presets), DefaultPresetCode(FormatKey(AudioCategory, 2)));
  EXPECT_EQ(Cells->Strings(JobCell::OutputFile), ChangeFileExt("clip.wmv", FormatExtension(Caption)));
  EXPECT_EQ(Cells->Strings(JobCell::DisableVideo), "True") << "an audio format's parameters";
  EXPECT_EQ(Main.All_Trant_Number, FormatKey(AudioCategory, 2) + 100);
  EXPECT_EQ(Main.skSkinOfficeComboBox2->ItemIndex(), 0) << "the main window's choice stays";
  EXPECT_EQ(Main.skSkinOfficeComboBox1->ItemIndex(), 0);
}

// The hidden preset step, clicked on its own, records the format key on the main window and starts its
// video flag over, an audio-only format included.
TEST_F(TForm7Test, ThePresetStepRecordsTheFormatKeyAndStartsTheVideoFlagOver) {
  auto* Dialog = Build<TForm7>();
  Dialog->skSkinOfficeComboBox2->SetItemIndex(AudioCategory);
  TForm1& Main = MainWindow();
  Main.All_Trant_Number = 0;
  Main.Video_DisableVideo = true;
  Dialog->Button18->Click();
  EXPECT_EQ(Main.All_Trant_Number, FormatKey(AudioCategory, 0) + 100);
  EXPECT_FALSE(Main.Video_DisableVideo);
  ExpectFilledFor(Dialog, AudioCategory);
}

// A format change of the selected row does not count that row's own output name as taken; another row's
// name still is.
TEST_F(TForm7Test, AFormatChangeGivesWayOnlyToOtherRowsNames) {
  auto* Dialog = Build<TForm7>();
  TForm1& Main = MainWindow();
  Main.Show();
  Main.Video_OutPut_Folder_Edit->SetText("/nonexistent-output");
  Main.Video_AddFileName = "/videos/clip.mkv";
  SelectedWmvRow(Main);
  Dialog->skSkinOfficeComboBox1->SetItemIndex(1);
  EXPECT_EQ(Main.Video_OutPutFileName, "/nonexistent-output/clip.wmv");

  TListItem* Other = Main.lvFiles->Items()->Add();
  for (int Cell = 0; Cell < 24; ++Cell) Other->SubItems()->Add("");
  Other->SubItems()->Put(JobCell::OutputFile, "clip.wmv");
  Dialog->skSkinOfficeComboBox1->SetItemIndex(2);
  EXPECT_EQ(Main.Video_OutPutFileName, "/nonexistent-output/clip_1.wmv");
}

// A preset picked in the dialog goes into the selected row's preset code and parameter cell and into the
// main window's current parameters; with no row selected it writes nothing.
TEST_F(TForm7Test, APresetChangeWritesTheSelectedRowOnly) {
  auto* Dialog = Build<TForm7>();
  TForm1& Main = MainWindow();
  Main.Show();
  TListItem* Row = SelectedWmvRow(Main);
  TskSkinComboBox* Bitrates = Dialog->skSkinComboBox2;
  const int Picked = (Bitrates->ItemIndex() + 1) % Bitrates->Items()->Count();
  Bitrates->SetItemIndex(Picked);
  const String Text = Bitrates->Text();
  const int Expected = StrToInt(Text.substr(0, Text.find(' '))) * 1000;
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::Presets),
            ReplacePresetCodePair("000000000000", TPresetRole::VideoBitrate, Picked));
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::VideoBitrate), IntToStr(Expected));
  EXPECT_EQ(Main.Video_VideoBitrate, Expected);

  Main.lvFiles->SetSelected(nullptr);
  const String CodeBefore = Row->SubItems()->Strings(JobCell::Presets);
  const int AudioBitrateBefore = Main.Video_AudioBitrate;
  TskSkinComboBox* Audio = Dialog->skSkinComboBox3;
  Audio->SetItemIndex((Audio->ItemIndex() + 1) % Audio->Items()->Count());
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::Presets), CodeBefore);
  EXPECT_EQ(Main.Video_AudioBitrate, AudioBitrateBefore);
}

// 确定 gives the main window the dialog's category, format and presets, and closes the dialog.
TEST_F(TForm7Test, OkGivesTheMainWindowTheDialogsChoice) {
  auto* Dialog = Build<TForm7>();
  TForm1& Main = MainWindow();
  Dialog->skSkinOfficeComboBox2->SetItemIndex(2);
  Dialog->skSkinOfficeComboBox1->SetItemIndex(1);
  TskSkinComboBox* Audio = Dialog->skSkinComboBox3;
  Audio->SetItemIndex((Audio->ItemIndex() + 1) % Audio->Items()->Count());
  Later([&] { ClickOn(Dialog->skSkinButton2); });
  Dialog->ShowModal();
  EXPECT_FALSE(Dialog->Visible());
  EXPECT_EQ(Main.skSkinOfficeComboBox2->ItemIndex(), 2);
  EXPECT_EQ(Main.skSkinOfficeComboBox1->ItemIndex(), 1);
  EXPECT_EQ(Main.skSkinComboBox3->ItemIndex(), Audio->ItemIndex());
  EXPECT_EQ(Main.skSkinComboBox3->Text(), Audio->Text());
  EXPECT_EQ(Main.skSkinComboBox1->Text(), Dialog->skSkinComboBox1->Text());
}

}  // namespace
