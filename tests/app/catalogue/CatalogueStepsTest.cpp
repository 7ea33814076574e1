#include <gtest/gtest.h>

#include <algorithm>

#include "FakeCatalogueWindow.h"
#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/PresetCode.h"
#include "platform/base/SysUtils.h"

namespace {

using Log = std::vector<String>;

constexpr int AudioCategory = 14;
constexpr int VideoCategory = 13;

class CatalogueStepsTest : public ::testing::Test {
protected:
  void SetUp() override { Main.SelectCategory(0); }

  /// Selects Row and gives it the format at (Category, Format) through the main window's combos.
  void ChangeRowFormat(int Category, int Format) {
    Side.Selected = &Row;
    Main.SelectCategory(Category);
    Main.Formats.SetItemIndex(Format);
  }
  /// The main window's row selection: the combos take the row's format and presets.
  void SelectRow(FakeJobRow& Selected) {
    Side.Selected = &Selected;
    const RowFormat Format = DecodeRowFormatCode(StrToInt(Selected.Cell(JobCell::FormatCode)));
    const auto Indexes = PresetCodeIndexes(Selected.Cell(JobCell::Presets));
    Main.SelectCategory(Format.CategoryIndex);
    Main.Formats.SetItemIndex(Format.FormatIndex);
    for (TPresetRole Role : PresetClearOrder)
      Main.Preset(Role).SetItemIndex(Indexes[size_t(Role)]);
  }
  std::vector<String> Shown(FakeCatalogueWindow& Window) {
    std::vector<String> Texts;
    for (TPresetRole Role : PresetClearOrder)
      Texts.push_back(Window.Preset(Role).Text());
    return Texts;
  }

  FakeMainSide Side;
  Log Events;
  FakeCatalogueWindow Main { Side, false, &Events };
  FakeJobRow Row;
};

TEST_F(CatalogueStepsTest, StartUpListsTheFirstCategoryAndFillsEveryPresetCombo) {
  FakeMainSide FreshSide;
  Log FreshEvents;
  FakeCatalogueWindow Fresh { FreshSide, false, &FreshEvents };
  Fresh.Formats.Items = { { "placeholder", 0 } };
  Fresh.SelectCategory(0);
  ASSERT_EQ(Fresh.Formats.Items.size(), 7u);
  EXPECT_EQ(Fresh.Formats.Items[0], (std::pair<String, int> { "WMV标准视频(*.wmv)", 0 }));
  EXPECT_EQ(Fresh.Formats.Items[1].second, 1);
  EXPECT_EQ(Fresh.Formats.Items[6].second, 0);
  EXPECT_EQ(Fresh.Formats.ItemIndex(), 0);
  EXPECT_EQ(Fresh.Formats.Repaints, 2);
  EXPECT_EQ(FreshEvents, (Log { "format", "Resolution", "VideoBitrate", "FrameRate", "AudioBitrate", "SampleRate",
                                "AspectMode" }))
    << "the first fill changes all six texts, in fill order";
  EXPECT_EQ(Shown(Fresh),
            (std::vector<String> { "保持原分辨率", "816 kbps", "128 kbps", "保持原视频模式", "25.00", "44100" }));
  EXPECT_EQ(Fresh.Preset(TPresetRole::VideoBitrate).Items.size(), 8u);
}

TEST_F(CatalogueStepsTest, ItemPicturesAlternateDownTheList) {
  Main.SelectCategory(8);
  ASSERT_EQ(Main.Formats.Items.size(), 11u);
  EXPECT_EQ(Main.Formats.Items[9].second, 1);
  EXPECT_EQ(Main.Formats.Items[10].second, 0);
}

TEST_F(CatalogueStepsTest, CategoryThenFormatRunsEachHandlerOnceInOrder) {
  Events.clear();
  Main.SelectCategory(VideoCategory);
  EXPECT_EQ(Events, Log { "format" }) << "key 0 shows the same defaults as key 1700";
  Events.clear();
  Main.Formats.SetItemIndex(7);
  EXPECT_EQ(Events, Log { "format" }) << "key 7 has the presets of key 0";
  Events.clear();
  Main.Formats.SetItemIndex(9);
  EXPECT_EQ(Events, (Log { "format", "Resolution", "VideoBitrate", "FrameRate", "AudioBitrate", "SampleRate" }));
  EXPECT_EQ(Shown(Main), (std::vector<String> { "176*144", "128 kbps", "12 kbps", "保持原视频模式", "12", "8000" }));
  Events.clear();
  Main.SelectCategory(VideoCategory);
  EXPECT_EQ(Main.Formats.ItemIndex(), 0) << "the category already chosen starts again at its first format";
  EXPECT_EQ(Events.front(), "format");
}

TEST_F(CatalogueStepsTest, AnAudioFormatDisablesTheVideoCombosAndWritesTheSelectedRow) {
  Row.Cells[JobCell::OutputFile] = "clip.wmv";
  Row.Cells[JobCell::Presets] = "000310000904";
  ChangeRowFormat(AudioCategory, 0);
  for (TPresetRole Role : PresetVideoRoles)
    EXPECT_FALSE(Main.Preset(Role).Enabled) << int(Role);
  EXPECT_TRUE(Main.Preset(TPresetRole::AudioBitrate).Enabled);
  EXPECT_TRUE(Main.Preset(TPresetRole::SampleRate).Enabled);
  EXPECT_EQ(Shown(Main), (std::vector<String> { "该格式无视频", "无视频", "128 kbps", "无视频", "无视频", "44100" }));
  const std::array<String, 24> Expected { "", "", "clip.mp3", "", "", "", "", "", "1500", "000010000004",
                                          "", "libmp3lame", "2", "", ".mp3", "", "-1", "", "128000", "48000",
                                          "", "True", "", "" };
  EXPECT_EQ(Row.Cells, Expected) << "the preset cells keep the format's own values";
  EXPECT_EQ(Side.Params.Video_AudioSampleRate, "44100") << "while the parameters take the entries shown";
  EXPECT_EQ(Side.Params.Video_VideoBitrate, -1000);
  EXPECT_GT(Row.Focused, 0);

  ChangeRowFormat(VideoCategory, 0);
  for (TPresetRole Role : PresetClearOrder)
    EXPECT_TRUE(Main.Preset(Role).Enabled) << int(Role);
  EXPECT_EQ(Shown(Main),
            (std::vector<String> { "保持原分辨率", "816 kbps", "128 kbps", "保持原视频模式", "25.00", "44100" }));
  EXPECT_EQ(Row.Cells[JobCell::DisableVideo], "False");
}

TEST_F(CatalogueStepsTest, APresetPickRewritesItsPairAndItsCellOnly) {
  Row.Cells[JobCell::OutputFile] = "clip.wmv";
  ChangeRowFormat(VideoCategory, 1);
  EXPECT_EQ(Row.Cells[JobCell::FormatCode], "1401");
  EXPECT_EQ(Row.Cells[JobCell::Presets], "000310000904");
  EXPECT_EQ(Row.Cells[JobCell::VideoBitrate], "816000") << "a default entry stands for the format's own value";
  EXPECT_EQ(Row.Cells[JobCell::OutputFile], "clip.mp4");
  const auto Before = Row.Cells;
  Main.Preset(TPresetRole::VideoBitrate).SetItemIndex(5);
  EXPECT_EQ(Row.Cells[JobCell::Presets], "000510000904");
  EXPECT_EQ(Row.Cells[JobCell::VideoBitrate], "1200000");
  auto Changed = Row.Cells;
  Changed[JobCell::Presets] = Before[JobCell::Presets];
  Changed[JobCell::VideoBitrate] = Before[JobCell::VideoBitrate];
  EXPECT_EQ(Changed, Before);

  ChangeRowFormat(AudioCategory, 12);
  Main.Preset(TPresetRole::AudioBitrate).SetItemIndex(7);
  EXPECT_EQ(Row.Cells[JobCell::AudioBitrate], "12200");
  EXPECT_EQ(Row.Cells[JobCell::Presets].substr(4, 2), "07");
}

TEST_F(CatalogueStepsTest, FormatChangesOfARowTakeTheCaptionsExtension) {
  Row.Cells[JobCell::OutputFile] = "trip.day_1.mp4";
  ChangeRowFormat(4, 9);
  EXPECT_EQ(Row.Cells[JobCell::OutputFile], "trip.day_1.avi") << "809 promises .avi in its caption";
  EXPECT_EQ(Row.Cells[JobCell::VideoCodec], "msmpeg4v1");
  EXPECT_EQ(Row.Cells[JobCell::FormatCode], "509");

  ChangeRowFormat(AudioCategory, 6);
  EXPECT_EQ(Row.Cells[JobCell::OutputFile], "trip.day_1.ra");
  EXPECT_EQ(Row.Cells[JobCell::FileExt], ".rm");

  ChangeRowFormat(VideoCategory, 11);
  EXPECT_EQ(Row.Cells[JobCell::VideoCodec], "");
  EXPECT_EQ(Row.Cells[JobCell::AudioCodec], "");
  EXPECT_EQ(Row.Cells[JobCell::VideoBitrate], "-1000");
  EXPECT_EQ(Row.Cells[JobCell::AudioBitrate], "-1000");
  EXPECT_EQ(Row.Cells[JobCell::TargetType], "dvd");
  EXPECT_EQ(Row.Cells[JobCell::NormType], "PAL");
  EXPECT_EQ(Row.Cells[JobCell::OutputFile], "trip.day_1.mpg");
}

TEST_F(CatalogueStepsTest, WithoutASelectedRowOnlyTheCombosAndParametersChange) {
  Main.SelectCategory(VideoCategory);
  Main.Preset(TPresetRole::AudioBitrate).SetItemIndex(13);
  EXPECT_EQ(Row.Cells, FakeJobRow().Cells);

  FakeJobRow Other;
  Other.Cells[JobCell::OutputFile] = "other.avi";
  Side.Selected = &Other;
  const auto OtherBefore = Other.Cells;
  Side.Params.Video_AddFileName = "/src/clip.mkv";
  TCatalogueTarget ForAnAdd = Main.MakeTarget();
  ForAnAdd.SelectedRow = nullptr;
  Side.Params.Reset();
  ApplyFormat(FormatKey(VideoCategory, 0), ForAnAdd);
  ApplyPresets(Main.Combos, Side.Params);
  EXPECT_EQ(Other.Cells, OtherBefore) << "an add writes no existing row";
  EXPECT_EQ(Side.Params.Video_OutPutFileName, Side.Folder + "/clip.avi");
  EXPECT_EQ(Side.Params.Video_AudioBitrate, 192000) << "the next added file takes the changed preset";
  EXPECT_EQ(Side.Params.Video_VideoBitrate, 816000);
  EXPECT_EQ(Side.Params.Video_VideoTag, "XVID");
}

TEST_F(CatalogueStepsTest, SelectingRowsAgainChangesNoneOfTheirCells) {
  FakeJobRow First, Second;
  First.Cells[JobCell::OutputFile] = "first.wmv";
  Second.Cells[JobCell::OutputFile] = "second.wmv";
  Side.Selected = &First;
  Main.SelectCategory(VideoCategory);
  Main.Preset(TPresetRole::Resolution).SetItemIndex(4);
  Main.Preset(TPresetRole::FrameRate).SetItemIndex(3);
  Side.Selected = &Second;
  Main.SelectCategory(10);
  Main.Formats.SetItemIndex(3);
  SelectRow(First);
  const auto Loaded = First.Cells;
  EXPECT_EQ(Loaded[JobCell::FrameSize], "320*240");
  EXPECT_EQ(Loaded[JobCell::FrameRate], "15.00");
  EXPECT_EQ(Loaded[JobCell::VideoBitrate], "816000");
  SelectRow(Second);
  SelectRow(First);
  EXPECT_EQ(First.Cells, Loaded);

  ChangeRowFormat(10, 0);
  SelectRow(Row);
  EXPECT_EQ(Row.Cells[JobCell::Presets], "030302000703") << "no index of the old format's lists survives";
  EXPECT_EQ(Row.Cells[JobCell::FrameRate], "25");
}

TEST_F(CatalogueStepsTest, EveryFormatFillsItsDefaultsAndItsEnabledStates) {
  for (int Category = 0; Category < int(FormatCategories().size()); ++Category) {
    Main.SelectCategory(Category);
    for (int Format = 0; Format < int(Main.Formats.Items.size()); ++Format) {
      Main.Formats.SetItemIndex(Format);
      const PresetSet& Set = *FindPresetSet(FormatKey(Category, Format));
      for (TPresetRole Role : PresetClearOrder) {
        const FakePresetCombo& Combo = Main.Preset(Role);
        EXPECT_EQ(Combo.Items.size(), Set.Choice(Role).List->Entries.size()) << Set.FormatKey;
        EXPECT_EQ(Combo.Index, Set.Choice(Role).DefaultIndex) << Set.FormatKey;
        EXPECT_EQ(Combo.Shown, Set.Choice(Role).DefaultEntry()) << Set.FormatKey;
        const bool VideoRole = std::ranges::find(PresetVideoRoles, Role) != PresetVideoRoles.end();
        EXPECT_EQ(Combo.Enabled, !(Set.AudioOnly && VideoRole)) << Set.FormatKey;
      }
    }
  }
}

TEST_F(CatalogueStepsTest, AKeyWithoutPresetsLeavesTheCombosEmptyAndEnabled) {
  Main.SelectCategory(AudioCategory);
  Events.clear();
  FillPresetCombos(FormatKey(AudioCategory, 13), Main.Combos);
  for (TPresetRole Role : PresetClearOrder) {
    EXPECT_TRUE(Main.Preset(Role).Items.empty());
    EXPECT_TRUE(Main.Preset(Role).Enabled);
  }
  EXPECT_EQ(Main.Preset(TPresetRole::Resolution).Text(), "该格式无视频") << "the old text stays";
  EXPECT_TRUE(Events.empty());

  Side.Params.Video_AddFileName = "/src/clip.mkv";
  Side.Selected = &Row;
  TCatalogueTarget Target = Main.MakeTarget();
  Side.Params.Reset();
  ApplyFormat(309, Target);
  EXPECT_EQ(Side.Params.Video_OutPutFileName, Side.Folder + "/");
  EXPECT_EQ(Row.Cells[JobCell::VideoBitrate], "-1");
  EXPECT_EQ(Row.Cells[JobCell::DisableVideo], "False");
}

class PresetDialogTest : public CatalogueStepsTest {
protected:
  void SetUp() override {
    CatalogueStepsTest::SetUp();
    Dialog.SelectCategory(0);
  }
  /// "设置...": the dialog takes the main window's choice.
  void Open() {
    Dialog.SelectCategory(Main.CategoryIndex);
    Dialog.Formats.SetItemIndex(Main.Formats.ItemIndex());
    CopyPresetIndexes(Main.Combos, Dialog.Combos);
  }
  /// "确定": the main window takes the dialog's choice.
  void Confirm() {
    Main.SelectCategory(Dialog.CategoryIndex);
    Main.Formats.SetItemIndex(Dialog.Formats.ItemIndex());
    CopyPresetIndexes(Dialog.Combos, Main.Combos);
  }

  Log DialogEvents;
  FakeCatalogueWindow Dialog { Side, true, &DialogEvents };
};

TEST_F(PresetDialogTest, CreationFillsTheDialogAndRecordsTheKeyWithoutARow) {
  EXPECT_EQ(DialogEvents.size(), 7u) << "the format change and all six preset changes";
  EXPECT_EQ(Side.All_Trant_Number, 1800);
  EXPECT_EQ(Shown(Dialog), Shown(Main));
  Dialog.SelectCategory(AudioCategory);
  for (TPresetRole Role : PresetVideoRoles)
    EXPECT_FALSE(Dialog.Preset(Role).Enabled);
  EXPECT_TRUE(Main.Preset(TPresetRole::Resolution).Enabled) << "the main window's combos are the dialog's own";
  EXPECT_EQ(Side.All_Trant_Number, 200);
}

TEST_F(PresetDialogTest, ConfirmWritesTheMainWindowsChoiceAndTheSelectedRow) {
  Row.Cells[JobCell::OutputFile] = "clip.wmv";
  ChangeRowFormat(VideoCategory, 1);
  Open();
  EXPECT_EQ(Row.Cells[JobCell::Presets], "000310000904") << "opening writes the row's own choice back";
  Dialog.SelectCategory(9);
  Dialog.Formats.SetItemIndex(5);
  Dialog.Preset(TPresetRole::AudioBitrate).SetItemIndex(7);
  Confirm();
  EXPECT_EQ(Main.CategoryIndex, 9);
  EXPECT_EQ(Main.Formats.ItemIndex(), 5);
  EXPECT_EQ(Main.Preset(TPresetRole::AudioBitrate).ItemIndex(), 7);
  EXPECT_EQ(Main.Preset(TPresetRole::AudioBitrate).Text(), "128 kbps");
  EXPECT_EQ(Row.Cells[JobCell::FormatCode], "1005");
  EXPECT_EQ(Row.Cells[JobCell::Presets], "040907000504");
  EXPECT_EQ(Row.Cells[JobCell::AudioBitrate], "128000");
  EXPECT_EQ(Row.Cells[JobCell::OutputFile], "clip.3gp");
}

TEST_F(PresetDialogTest, CancelKeepsTheMainWindowsChoiceAndWhatTheDialogWrote) {
  Row.Cells[JobCell::OutputFile] = "clip.wmv";
  ChangeRowFormat(VideoCategory, 1);
  const auto Untouched = Row.Cells;
  Open();
  EXPECT_EQ(Row.Cells, Untouched) << "opening and cancelling without a change changes nothing";
  Dialog.Formats.SetItemIndex(5);
  EXPECT_EQ(Row.Cells[JobCell::FormatCode], "1405");
  EXPECT_EQ(Row.Cells[JobCell::OutputFile], "clip.mkv");
  EXPECT_EQ(Main.Formats.ItemIndex(), 1) << "取消 copies nothing back";
  EXPECT_EQ(Main.Preset(TPresetRole::VideoBitrate).Text(), "768 kbps");
}

TEST_F(PresetDialogTest, OpeningWithoutARowWritesNoRow) {
  Main.SelectCategory(AudioCategory);
  Open();
  Dialog.Formats.SetItemIndex(3);
  Confirm();
  EXPECT_EQ(Row.Cells, FakeJobRow().Cells);
  EXPECT_EQ(Main.Formats.ItemIndex(), 3);
  EXPECT_EQ(Side.All_Trant_Number, 203);
}

}  // namespace
