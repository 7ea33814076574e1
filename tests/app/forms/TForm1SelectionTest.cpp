// The main window's format and preset choice on its skinned combos: a category, format or preset change
// with a selected row, the handlers they run and their order, and the row selection that loads a row's
// choice back into the combos.
#include <utility>

#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/ISelectedJobRow.h"
#include "app/catalogue/PresetCode.h"
#include "app/catalogue/PresetTables.h"
#include "tests/app/forms/JobRowTesting.h"
#include "tests/app/forms/ConverterFormsFixture.h"

namespace {

using Events = std::vector<String>;

constexpr int VideoCategory = 13;
constexpr int AudioCategory = 14;
constexpr int XboxCategory = 4;

/// The main window's preset combo of each role.
TskSkinComboBox* PresetCombo(TForm1& Form, TPresetRole Role) {
  TskSkinComboBox* const Combos[] = { Form.skSkinComboBox1, Form.skSkinComboBox2, Form.skSkinComboBox3,
                                      Form.skSkinComboBox4, Form.skSkinComboBox9, Form.skSkinComboBox10 };
  return Combos[size_t(Role)];
}

String RoleName(TPresetRole Role) {
  static constexpr const char* Names[] = { "resolution", "video bit rate", "audio bit rate",
                                           "aspect mode", "frame rate",     "sample rate" };
  return Names[size_t(Role)];
}

/// The preset changes that moving from one format's defaults to another's runs: the combos whose default
/// entry shows another text, in fill order.
Events ChangedPresets(int FromKey, int ToKey) {
  Events Changed;
  for (TPresetRole Role : PresetFillOrder)
    if (FindPresetSet(FromKey)->Choice(Role).DefaultEntry() != FindPresetSet(ToKey)->Choice(Role).DefaultEntry())
      Changed.push_back(RoleName(Role));
  return Changed;
}

Events operator+(Events First, const Events& Second) {
  First.insert(First.end(), Second.begin(), Second.end());
  return First;
}

class FormatSelectionTest : public ConverterFormsTest {
protected:
  /// Each change handler of the main window's category, format and preset combos notes its name in Changes
  /// before it runs.
  void TraceChanges() {
    Trace(Main().skSkinOfficeComboBox2->OnChange, "category");
    Trace(Main().skSkinOfficeComboBox1->OnChange, "format");
    for (TPresetRole Role : PresetClearOrder) Trace(PresetCombo(Main(), Role)->OnChange, RoleName(Role));
  }
  Events TakeChanges() { return std::exchange(Changes, {}); }

  /// The main window's choice set from code, as 确定 of the preset dialog sets it.
  void Choose(int Category, int Format) {
    Main().skSkinOfficeComboBox2->SetItemIndex(Category);
    Main().skSkinOfficeComboBox1->SetItemIndex(Format);
  }
  /// A click on the row's caption.
  void ClickRow(TListItem* Row) {
    const TRect R = Row->DisplayRect(drBounds);
    const TPoint P = Main().lvFiles->ClientToScreen({ R.Left + 20, (R.Top + R.Bottom) / 2 });
    Display->Click(P.X, P.Y);
  }
  /// The main window's choice: category, format and the six preset indexes.
  std::vector<int> Choice() {
    std::vector<int> Indexes { Main().skSkinOfficeComboBox2->ItemIndex(), Main().skSkinOfficeComboBox1->ItemIndex() };
    for (TPresetRole Role : PresetClearOrder) Indexes.push_back(PresetCombo(Main(), Role)->ItemIndex());
    return Indexes;
  }

  Events Changes;

private:
  void Trace(TNotifyEvent& Event, const String& Name) {
    Event = [this, Name, Handler = Event](TObject* Sender) {
      Changes.push_back(Name);
      Handler(Sender);
    };
  }
};

TEST_F(FormatSelectionTest, TheAudioCategoryDisablesTheVideoCombosAndGivesTheRowMp3) {
  TListItem* Row = AppendJobRow(Main(), "/videos/clip.mkv");
  Row->SetSelected(true);
  Pick(Main().skSkinOfficeComboBox2, AudioCategory);
  ASSERT_EQ(Main().skSkinOfficeComboBox1->ItemIndex(), 0);
  EXPECT_EQ(Main().skSkinOfficeComboBox1->Items()->Items(0)->Caption(), "MP3 - MPEG Layer-3音频格式(*.mp3)");

  for (TPresetRole Role : PresetVideoRoles) EXPECT_FALSE(PresetCombo(Main(), Role)->Enabled()) << RoleName(Role);
  EXPECT_TRUE(Main().skSkinComboBox3->Enabled());
  EXPECT_TRUE(Main().skSkinComboBox10->Enabled());
  EXPECT_EQ(Main().skSkinComboBox1->Text(), "该格式无视频");
  const std::vector<String> Expected { "00:00:02", "1MB", "clip.mp3", "", "", "", "", "1", "1500", "000010000004",
                                       "", "libmp3lame", "2", "", ".mp3", "", "-1", "", "128000", "48000", "",
                                       "True", "", "" };
  EXPECT_EQ(CellsOf(Row), Expected) << "the format's own values, its default presets and the caption's extension";
  EXPECT_TRUE(Main().Video_DisableVideo);
  EXPECT_EQ(Main().Video_AudioSampleRate, "44100") << "the current parameters take the entries shown";
  EXPECT_TRUE(Main().lvFiles->Focused());
}

TEST_F(FormatSelectionTest, CategoryThenFormatRunEachHandlerOnceInTheirOrder) {
  TListItem* Row = AppendJobRow(Main(), "/videos/clip.mkv");
  Row->SetSelected(true);
  TraceChanges();
  constexpr int Mobile = 9;
  Pick(Main().skSkinOfficeComboBox2, Mobile);
  EXPECT_EQ(TakeChanges(), Events({ "category", "format" }) + ChangedPresets(1700, 600));
  Pick(Main().skSkinOfficeComboBox1, 5);
  EXPECT_EQ(TakeChanges(), Events({ "format" }) + ChangedPresets(600, 605));
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::FormatCode), "1005");
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::Presets), DefaultPresetCode(605));
  const std::vector<String> Cells = CellsOf(Row);

  // Selecting the row whose choice the combos show runs the whole cascade again, to the same cells.
  Main().lvFiles->SetSelected(nullptr);
  EXPECT_EQ(TakeChanges(), Events {}) << "losing the selection loads nothing";
  ClickRow(Row);
  EXPECT_TRUE(Row->Selected());
  EXPECT_EQ(TakeChanges(), Events({ "category", "format" }) + ChangedPresets(605, 600) + Events({ "format" }) +
                               ChangedPresets(600, 605));
  EXPECT_EQ(CellsOf(Row), Cells);
}

TEST_F(FormatSelectionTest, APresetOnAnotherEntryOverridesItsCellAndSelectionKeepsIt) {
  Choose(VideoCategory, 1);
  TListItem* First = AppendJobRow(Main(), "/videos/first.mkv");
  First->SetSelected(true);
  EXPECT_EQ(First->SubItems()->Strings(JobCell::FormatCode), "1401");
  EXPECT_EQ(First->SubItems()->Strings(JobCell::Presets), "000310000904");
  EXPECT_EQ(First->SubItems()->Strings(JobCell::VideoBitrate), "816000") << "the default stands for the format's value";
  EXPECT_EQ(First->SubItems()->Strings(JobCell::OutputFile), "first.mp4");
  Main().skSkinComboBox2->SetItemIndex(5);
  EXPECT_EQ(First->SubItems()->Strings(JobCell::Presets), "000510000904");
  EXPECT_EQ(First->SubItems()->Strings(JobCell::VideoBitrate), "1200000");
  const std::vector<String> FirstCells = CellsOf(First);
  const std::vector<int> FirstChoice = Choice();

  Main().lvFiles->SetSelected(nullptr);
  Choose(0, 2);
  TListItem* Second = AppendJobRow(Main(), "/videos/second.mkv");
  Second->SetSelected(true);
  const std::vector<String> SecondCells = CellsOf(Second);
  const std::vector<int> SecondChoice = Choice();
  EXPECT_EQ(CellsOf(First), FirstCells) << "changes without a selected row reach no row";

  ClickRow(First);
  EXPECT_EQ(Choice(), FirstChoice);
  EXPECT_EQ(Main().skSkinComboBox2->Text(), "1200 kbps");
  EXPECT_EQ(Main().T_Movie_PLayer_FileName, "/videos/first.mkv") << "the preview opens the selected row";
  ClickRow(Second);
  EXPECT_EQ(Choice(), SecondChoice);
  ClickRow(First);
  EXPECT_EQ(CellsOf(First), FirstCells);
  EXPECT_EQ(CellsOf(Second), SecondCells);
}

// The format step of an add writes no row, also while one is selected; the new row takes the combos' choice.
TEST_F(FormatSelectionTest, AnAddLeavesTheSelectedRowAsItWasAndTakesTheChangedPreset) {
  Choose(VideoCategory, 1);
  TListItem* First = AppendJobRow(Main(), "/videos/first.mkv");
  First->SetSelected(true);
  Main().skSkinComboBox2->SetItemIndex(5);
  const std::vector<String> FirstCells = CellsOf(First);
  TListItem* Second = AppendJobRow(Main(), "/videos/second.mkv");
  EXPECT_EQ(CellsOf(First), FirstCells);
  EXPECT_EQ(Second->SubItems()->Strings(JobCell::VideoBitrate), "1200000");
  Second->SetSelected(true);
  EXPECT_EQ(Second->SubItems()->Strings(JobCell::Presets), "000510000904");
  EXPECT_EQ(Second->SubItems()->Strings(JobCell::VideoBitrate), "1200000");
  EXPECT_EQ(CellsOf(First), FirstCells);
}

TEST_F(FormatSelectionTest, ARowGivenAnotherFormatKeepsNoPresetOfTheOldOne) {
  Choose(VideoCategory, 0);
  TListItem* Row = AppendJobRow(Main(), "/videos/clip.mkv");
  Row->SetSelected(true);
  Main().skSkinComboBox9->SetItemIndex(3);
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::FrameRate), "15.00");
  constexpr int Apple = 10;
  Choose(Apple, 0);
  Main().lvFiles->SetSelected(nullptr);
  Row->SetSelected(true);
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::Presets), DefaultPresetCode(700));
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::FrameRate), "25") << "the new format's own frame rate";
  EXPECT_EQ(Row->SubItems()->Strings(JobCell::OutputFile), "clip.mp4");
}

// The catalogue names the output of a new row with the format's table extension; selecting the row, as the
// add of one file does, turns it into the caption's.
TEST_F(FormatSelectionTest, SelectionGivesTheOutputTheCaptionsExtension) {
  struct Case {
    int Format;
    const char* Added;
    const char* Selected;
  };
  const Case Cases[] = { { 1, "clip.mpeg", "clip.mpg" }, { 6, "clip.avi", "clip.wmv" }, { 9, "clip.mp4", "clip.avi" } };
  for (const Case& Each : Cases) {
    SCOPED_TRACE(Each.Format);
    Main().lvFiles->SetSelected(nullptr);
    Choose(XboxCategory, Each.Format);
    TListItem* Row = AppendJobRow(Main(), "/videos/clip.mkv");
    EXPECT_EQ(Row->SubItems()->Strings(JobCell::OutputFile), Each.Added);
    Row->SetSelected(true);
    EXPECT_EQ(Row->SubItems()->Strings(JobCell::OutputFile), Each.Selected);
    Main().lvFiles->Items()->Delete(Row->Index());
  }
}

// A row whose codes cannot be read is left as it is: the loading stops before anything changes, shows
// nothing and the window goes on.
TEST_F(FormatSelectionTest, ARowWithUnreadableCodesChangesNothing) {
  struct Case {
    const char* Name;
    const char* FormatCode;
    const char* Presets;
  };
  const Case Cases[] = {
    { "format code not a number", "abc", "000310000904" },
    { "empty format code", "", "000310000904" },
    { "preset code too short", "1401", "0003" },
    { "preset code not digits", "1401", "00031000xx04" },
  };
  Choose(2, 3);
  const std::vector<int> Before = Choice();
  for (const Case& Each : Cases) {
    SCOPED_TRACE(Each.Name);
    Main().lvFiles->SetSelected(nullptr);
    TListItem* Row = AppendJobRow(Main(), "/videos/clip.mkv");
    Row->SubItems()->Put(JobCell::FormatCode, Each.FormatCode);
    Row->SubItems()->Put(JobCell::Presets, Each.Presets);
    const std::vector<String> Cells = CellsOf(Row);
    ClickRow(Row);
    EXPECT_TRUE(Row->Selected());
    EXPECT_EQ(Choice(), Before);
    EXPECT_EQ(CellsOf(Row), Cells);
  }
}

}  // namespace
