// The converter end to end under a real X server: the installed program driven only through the screen, as a
// user drives it, from its first start to the power-off after a batch. Each test is one stretch of that
// walk on a fresh installation; every step checks what it left: the rows of the job list, the settings
// file, the files written (probed with the engine's probe) and, where only the eye could tell, pixels.
#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "app/jobs/JobTexts.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "tests/app/e2e/ConverterScreenTest.h"
#include "tests/app/e2e/PreviewPicture.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::ElementsAre;

// Cells of a row as Rows() gives them: the caption first.
constexpr int InputCell = 0;
constexpr int DurationCell = 1;
constexpr int SizeCell = 2;
constexpr int OutputCell = 3;
constexpr int ProgressCell = 4;
constexpr int RowFormatCell = 9;
constexpr int PresetCodeCell = 10;
constexpr int VideoCodecCell = 11;
constexpr int AudioCodecCell = 12;

class EndToEndDisplay : public ConverterScreenTest {
protected:
  String OutputFolder() const { return Program().HomeFolder() + "/Zorvik视频软件/输出"; }

  /// Chooses the folder and then the file in the open dialog, by typing as a user does.
  void ChooseInOpenDialog(const String& FileName) {
    ASSERT_TRUE(WaitShowing("TskOpenDlgForm"));
    Enter(fs::path(FileName).parent_path().string());
    Enter(fs::path(FileName).filename().string());
    WaitGone("TskOpenDlgForm");
  }

  /// 文件 › 添加一个文件, then FileName in the dialog.
  void AddOneFile(const String& FileName) {
    Click("Item11");
    Click("Item111");
    ChooseInOpenDialog(FileName);
  }

  /// 文件 › 添加整个目录, then the folder Name of the media folder chosen in the folder tree by keyboard: the
  /// media folder found by typing its name, opened, and Name reached with the arrow keys.
  void AddMediaFolder(const String& Name) {
    Click("Item11");
    Click("N21");
    ASSERT_TRUE(WaitShowing("TskSelDirDlgForm"));
    std::vector<String> Folders;
    for (const auto& Entry : fs::directory_iterator(Media().Folder))
      if (Entry.is_directory()) Folders.push_back(Entry.path().filename().string());
    std::sort(Folders.begin(), Folders.end());
    Type("media");
    std::vector<String> Moves { "Right" };
    Moves.insert(Moves.end(), size_t(std::find(Folders.begin(), Folders.end(), Name) - Folders.begin()) + 1, "Down");
    Keys(Moves);
    Picture("folder-" + Name);
    Keys({ "Return" });
  }

  /// Opens the list of the combo Name and closes it again, which leaves the combo the keyboard, then moves
  /// its choice Steps items down (up for a negative count) with the arrow keys.
  void StepCombo(const String& Name, int Steps) {
    Click(Name);
    Keys({ "Escape" });
    Keys(std::vector<String>(size_t(std::abs(Steps)), Steps > 0 ? "Down" : "Up"));
  }

  void ClickRow(const TJobRow& Row, int Clicks = 1) {
    ClickAt({ Row.Place.Left + 40, (Row.Place.Top + Row.Place.Bottom) / 2 }, Clicks);
  }

  /// Waits until the job list holds Count rows and answers them.
  std::vector<TJobRow> WaitRows(size_t Count, std::source_location At = std::source_location::current()) {
    std::vector<TJobRow> Now;
    WaitFor([&] { return (Now = Rows()).size() == Count; }, IntToStr(int(Count)) + " rows", 20s, At);
    return Now;
  }

  /// How many pixels of the showing control Name are dark (text in an enabled control's black).
  int DarkPixelsOf(const String& Name) {
    const std::optional<TRect> Place = Where(Name);
    if (!Place || !Look(*Place)) return -1;
    int Dark = 0;
    for (int Y = Place->Top; Y < Place->Bottom; ++Y)
      for (int X = Place->Left; X < Place->Right; ++X) {
        const TColor C = PixelAt(X, Y);
        Dark += GetRValue(C) < 80 && GetGValue(C) < 80 && GetBValue(C) < 80;
      }
    return Dark;
  }

  /// Clicks the tab Index of the page control Name; its tabs lie side by side along its top edge, about
  /// 42 pixels apart.
  void ClickTab(const String& Name, int Index) {
    if (const std::optional<TRect> Pages = WaitShowing(Name)) ClickAt({ Pages->Left + 20 + 42 * Index, Pages->Top + 12 });
  }

  /// The frame of the clip the preview panel shows now; -1 for none.
  int PreviewFrame() {
    const std::optional<TRect> Panel = Where("Panel6");
    if (!Panel || !Look(*Panel)) return -1;
    return PreviewFrameNumber(*Panel, [this](int X, int Y) { return PixelAt(X, Y); });
  }

  /// Waits until the preview shows the same frame in two looks 300 ms apart, and answers it.
  int StillPreviewFrame(std::source_location At = std::source_location::current()) {
    int Frame = -2;
    WaitFor([&] {
      const int First = PreviewFrame();
      std::this_thread::sleep_for(300ms);
      return (Frame = PreviewFrame()) == First && Frame >= 0;
    }, "a still preview", 20s, At);
    return Frame;
  }
};

// Steps 1 and 2: the first start writes the settings file and the output folder and shows the WMV formats;
// a file added through the menu gets its row and opens paused in the preview, which plays, pauses, seeks,
// mutes and rewinds at the end.
TEST_F(EndToEndDisplay, FirstStartThenAFileAddedThroughTheMenuPlaysInThePreview) {
  ASSERT_TRUE(StartProgram());
  Picture("first-start");
  EXPECT_EQ(OptionFile(), "[OutPath]\nOutPath=" + OutputFolder() +
                              "\n[Skin]\nSetSkin=0\n[Options]\nThread_Count=0\nAfter_Done=0\nThread_Priority=3\n"
                              "Overwrite_File=1\nShow_Preview=0\n");
  EXPECT_TRUE(fs::is_directory(OutputFolder()));
  EXPECT_TRUE(Rows().empty());

  AddOneFile(Media().Clip);
  std::vector<TJobRow> Rows;
  ASSERT_TRUE(WaitFor([&] { return (Rows = this->Rows()).size() == 1; }, "the clip's row"));
  EXPECT_TRUE(Rows[0].Selected);
  EXPECT_EQ(Rows[0].Cells[InputCell], Media().Clip);
  EXPECT_EQ(Rows[0].Cells[DurationCell], "00:00:02");
  EXPECT_EQ(Rows[0].Cells[SizeCell], SizeText(Int64(fs::file_size(Media().Clip))));
  EXPECT_EQ(Rows[0].Cells[OutputCell], "clip.wmv");
  // The player holds at the first pictures it shows (frame 1, or a little later on a slow display).
  EXPECT_THAT(StillPreviewFrame(), testing::AllOf(testing::Ge(0), testing::Le(3))) << "the clip opens paused";
  Picture("added");

  Click("skSkinButton13");
  EXPECT_TRUE(WaitFor([&] { return PreviewFrame() > 5; }, "the clip playing"));
  Click("skSkinButton14");
  const int Paused = StillPreviewFrame();
  EXPECT_GT(Paused, 5);
  Picture("paused");

  Click("skSkinButton16");
  EXPECT_TRUE(WaitShowing("skSkinButton20")) << "mute shows the unmute button in its place";
  EXPECT_TRUE(WaitGone("skSkinButton16"));

  // Pressed and released at the middle of its track, the slider seeks to the middle and plays on to the
  // end, which rewinds to the first picture.
  const std::optional<TRect> Slider = Where("skSkinSlider1");
  ASSERT_TRUE(Slider);
  ClickAt({ (Slider->Left + Slider->Right) / 2, (Slider->Top + Slider->Bottom) / 2 });
  EXPECT_TRUE(WaitFor([&] { const int Frame = PreviewFrame(); return Frame >= 20 && Frame < 45; }, "the middle"));
  Picture("seeked");
  // Rewound to the start and paused, it shows the pictures decoded by then: before the second key frame.
  EXPECT_THAT(StillPreviewFrame(), testing::AllOf(testing::Ge(0), testing::Lt(12))) << "the end rewinds";
  Picture("rewound");
}

// Steps 3 to 6: a folder of good and bad entries adds its media files only, an empty folder says so, a
// cancelled folder dialog adds nothing; the preset dialog switches the selected row to MP3 with the video
// presets disabled and takes back nothing on 取消; renaming refuses a name leaving the folder and takes
// "holiday"; the options dialog writes its choices.
TEST_F(EndToEndDisplay, AFolderThePresetDialogRenamingAndTheOptions) {
  ASSERT_TRUE(StartProgram());
  AddMediaFolder("mixed");
  // The folder is listed as the file system lists it and added last to first: its clips only, neither
  // the damaged file, the sub-folder's clip nor the FIFO (opening it would hang the add).
  std::vector<String> Listed;
  for (const auto& Entry : fs::directory_iterator(Media().Mixed))
    if (Entry.path().extension() == ".mkv") Listed.push_back(Entry.path().string());
  std::reverse(Listed.begin(), Listed.end());
  std::vector<TJobRow> Rows = WaitRows(Listed.size());
  ASSERT_EQ(Rows.size(), 2u);
  for (size_t Row = 0; Row < Rows.size(); ++Row) EXPECT_EQ(Rows[Row].Cells[InputCell], Listed[Row]);
  EXPECT_FALSE(Rows[0].Selected);
  EXPECT_TRUE(Rows[1].Selected) << "the last row added is selected";
  Picture("folder-added");

  AddMediaFolder("empty");
  ASSERT_TRUE(WaitShowing("TskMessageForm")) << "the message that the folder holds no media";
  Picture("empty-folder");
  Click("TskMessageForm.OK");
  WaitGone("TskMessageForm");
  Click("Item11");
  Click("N21");
  ASSERT_TRUE(WaitShowing("TskSelDirDlgForm"));
  Keys({ "Escape" });
  WaitGone("TskSelDirDlgForm");
  EXPECT_EQ(this->Rows().size(), 2u) << "neither the empty folder nor a cancelled dialog adds rows";

  // The preset dialog on the first row: 音频格式 (the last category) brings MP3 with no video presets.
  ClickRow(Rows[0]);
  WaitFor([&] { return this->Rows()[0].Selected; }, "the first row selected");
  const std::vector<String> Before = this->Rows()[0].Cells;
  Click("skSkinButton24");
  ASSERT_TRUE(WaitShowing("Form7"));
  const std::vector<String> VideoCombos { "Form7.skSkinComboBox1", "Form7.skSkinComboBox2", "Form7.skSkinComboBox4",
                                          "Form7.skSkinComboBox9" };
  for (const String& Combo : VideoCombos) EXPECT_GT(DarkPixelsOf(Combo), 20) << Combo << " shows its text enabled";
  StepCombo("Form7.skSkinOfficeComboBox2", 14);
  std::vector<String> Mp3;
  WaitFor([&] { return ExtractFileExt((Mp3 = this->Rows()[0].Cells)[OutputCell]) == ".mp3"; }, "the row as MP3");
  for (const String& Combo : VideoCombos) EXPECT_EQ(DarkPixelsOf(Combo), 0) << Combo << " is disabled";
  for (const String& Combo : { "Form7.skSkinComboBox3", "Form7.skSkinComboBox10" })
    EXPECT_GT(DarkPixelsOf(Combo), 20) << Combo << " stays enabled";
  Picture("preset-dialog-mp3");
  Click("Form7.skSkinButton2");
  WaitGone("Form7");
  Mp3 = this->Rows()[0].Cells;
  EXPECT_EQ(Mp3[OutputCell], fs::path(Listed[0]).stem().string() + ".mp3");
  EXPECT_EQ(Mp3[RowFormatCell], "1500") << "category 14 + 1, format 0";
  EXPECT_NE(Mp3[PresetCodeCell], Before[PresetCodeCell]);
  EXPECT_NE(std::vector<String>(Mp3.begin() + 11, Mp3.end()), std::vector<String>(Before.begin() + 11, Before.end()));
  EXPECT_EQ(Mp3[VideoCodecCell], "");
  EXPECT_EQ(Mp3[AudioCodecCell], "libmp3lame");
  Click("skSkinButton24");
  ASSERT_TRUE(WaitShowing("Form7"));
  Click("Form7.skSkinButton3");
  WaitGone("Form7");
  EXPECT_EQ(this->Rows()[0].Cells, Mp3) << "取消 without changes leaves the row";

  // Renaming: a name that would leave the output folder is refused and the editor stays; "holiday" keeps
  // the format's extension.
  ClickRow(this->Rows()[0], 2);
  ASSERT_TRUE(WaitShowing("edt"));
  Enter("../x");
  Keys({ "Tab" });
  EXPECT_TRUE(WaitShowing("edt"));
  EXPECT_EQ(this->Rows()[0].Cells[OutputCell], Mp3[OutputCell]);
  Picture("rename-refused");
  Click("edt");
  Keys({ "End", "shift+Home" });
  Type("holiday");
  Keys({ "Tab" });
  WaitGone("edt");
  EXPECT_EQ(this->Rows()[0].Cells[OutputCell], "holiday.mp3");
  Picture("renamed");

  // Options: two files at a time, the completion sound after a batch.
  Click("skSkinButton19");
  ClickTab("Form5.skSkinPageControl1", 0);
  StepCombo("Form5.skSkinComboBox2", 1);
  ClickTab("Form5.skSkinPageControl1", 1);
  Click("Form5.skSkinCheckRadioBox4");
  Picture("options");
  Click("Form5.skSkinButton6");
  WaitGone("Form5");
  const String Options = OptionFile();
  EXPECT_NE(Options.find("Thread_Count=2\n"), String::npos) << Options;
  EXPECT_NE(Options.find("After_Done=2\n"), String::npos) << Options;
}

}  // namespace
