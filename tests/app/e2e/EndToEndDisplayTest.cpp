// The converter end to end under a real X server: the installed program driven only through the screen, as a
// user drives it, from its first start to the power-off after a batch. Each test is one stretch of that
// walk on a fresh installation; every step checks what it left: the rows of the job list, the settings
// file, the files written (probed with the engine's probe) and, where only the eye could tell, pixels.
#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "app/jobs/JobTexts.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "tests/app/e2e/ConverterScreenTest.h"
#include "tests/app/e2e/PreviewPicture.h"
#include "tests/app/support/ProbedOutput.h"

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
constexpr int TimeCell = 6;
constexpr int SizeWrittenCell = 7;
constexpr int RowFormatCell = 9;
constexpr int PresetCodeCell = 10;
constexpr int VideoCodecCell = 11;
constexpr int AudioCodecCell = 12;

/// Whether Look answers the same through Span, looking every 100 ms; Last gets its first answer. A state
/// that holds still is told apart from a slow change only by watching it for a while: Span is several
/// times the longest pause between two changes of a running state.
template <class T> bool HoldsStill(const std::function<T()>& Look, std::chrono::milliseconds Span, T& Last) {
  Last = Look();
  for (const auto End = std::chrono::steady_clock::now() + Span; std::chrono::steady_clock::now() < End;) {
    std::this_thread::sleep_for(100ms);
    if (Look() != Last) return false;
  }
  return true;
}

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
  /// its choice Steps items down (up for a negative count) with the arrow keys. Each key waits for the
  /// combo to show the state the one before it brought: the list open, the list closed, and at the end the
  /// choice taken.
  void StepCombo(const String& Name, int Steps, std::source_location At = std::source_location::current()) {
    std::optional<TComboChoice> Now;
    const auto Shows = [&](const std::function<bool(const TComboChoice&)>& State) {
      return [&, State] { return (Now = Choice(Name)) && State(*Now); };
    };
    if (!WaitFor(Shows([](const TComboChoice&) { return true; }), Name + " showing", Patience, At)) return;
    const int Wanted = Now->Index + Steps;
    Click(Name, At);
    if (!WaitFor(Shows([](const TComboChoice& C) { return C.Open; }), Name + "'s list open", Patience, At)) return;
    Keys({ "Escape" });
    if (!WaitFor(Shows([](const TComboChoice& C) { return !C.Open; }), Name + "'s list closed", Patience, At)) return;
    Keys(std::vector<String>(size_t(std::abs(Steps)), Steps > 0 ? "Down" : "Up"));
    WaitFor(Shows([Wanted](const TComboChoice& C) { return C.Index == Wanted; }),
            Name + " on item " + IntToStr(Wanted), Patience, At);
  }

  void ClickRow(const TJobRow& Row, int Clicks = 1) {
    ClickAt({ Row.Place.Left + 40, (Row.Place.Top + Row.Place.Bottom) / 2 }, Clicks);
  }

  /// Waits until the job list holds Count rows and answers them.
  std::vector<TJobRow> WaitRows(size_t Count, std::source_location At = std::source_location::current()) {
    std::vector<TJobRow> Now;
    WaitFor([&] { return (Now = Rows()).size() == Count; }, IntToStr(int(Count)) + " rows", Patience, At);
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

  /// The pixels of the showing control Name, row by row; empty when it does not show.
  std::vector<TColor> PixelsOf(const String& Name) {
    std::vector<TColor> Pixels;
    const std::optional<TRect> Place = Where(Name);
    if (!Place || !Look(*Place)) return Pixels;
    for (int Y = Place->Top; Y < Place->Bottom; ++Y)
      for (int X = Place->Left; X < Place->Right; ++X) Pixels.push_back(PixelAt(X, Y));
    return Pixels;
  }

  /// Writes the settings file the program finds at its first start.
  void PutOptions(const String& Lines) { std::ofstream(Program().InstallFolder() + "/option.ini") << Lines; }

  /// Steps the category and format choice by the given counts in the preset dialog (设置...), which
  /// writes the selected row, and confirms it. (In the main window each change hands the keyboard to the
  /// job list, so the arrow keys take one step there.)
  void StepFormat(int Categories, int Formats) {
    Click("skSkinButton24");
    ASSERT_TRUE(WaitShowing("Form7"));
    if (Categories) StepCombo("Form7.skSkinOfficeComboBox2", Categories);
    if (Formats) StepCombo("Form7.skSkinOfficeComboBox1", Formats);
    Click("Form7.skSkinButton2");
    WaitGone("Form7");
  }

  /// The cells of every row that shows Text in its progress cell.
  static int RowsShowing(const std::vector<TJobRow>& Rows, const String& Text) {
    return int(std::count_if(Rows.begin(), Rows.end(), [&](const TJobRow& Row) { return Row.Cells[ProgressCell] == Text; }));
  }

  /// A row's 24 cells, without its caption.
  static std::vector<String> CellsOf(const TJobRow& Row) { return { Row.Cells.begin() + 1, Row.Cells.end() }; }

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

  /// Waits until the preview shows one frame for a second (a playing clip changes frames every 40 ms),
  /// and answers it.
  int StillPreviewFrame(std::source_location At = std::source_location::current()) {
    int Frame = -2;
    WaitFor([&] {
      return HoldsStill<int>([&] { return PreviewFrame(); }, 1000ms, Frame) && Frame >= 0;
    }, "a still preview", Patience, At);
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

// Resting the pointer on a button with a hint shows the hint window below the pointer: a top-level window
// titled with the hint, painted in the hint colour with the text in black inside its black border. The
// two move buttons in turn; the second one's hint follows after the short pause.
TEST_F(EndToEndDisplay, RestingOnTheMoveButtonsShowsTheirHints) {
  ASSERT_TRUE(StartProgram());
  const std::pair<String, String> Buttons[] { { "skSkinButton3", "上移" }, { "skSkinButton4", "下移" } };
  for (const auto& [Button, Hint] : Buttons) {
    const std::optional<TRect> Place = WaitShowing(Button);
    ASSERT_TRUE(Place);
    Hover(Button);
    std::optional<TRect> Window;
    int Text = 0;
    const bool Shown = WaitFor(
        [&] {
          if (!(Window = TopLevelWindow(Hint)) || !Look(*Window)) return false;
          const int Border = 2 * (Window->Width() + Window->Height()) - 4;
          Text = PixelsLike(*Window, clBlack) - Border;
          return PixelsLike(*Window, RGB(255, 255, 225)) > Window->Width() * Window->Height() / 3 && Text > 10;
        },
        Hint + " showing, painted");
    Picture("hint-" + Button);
    ASSERT_TRUE(Shown) << "text pixels " << Text;
    EXPECT_GE(Window->Top, (Place->Top + Place->Bottom) / 2) << "below the pointer";
  }
}

// Steps 3 to 6: a folder of good and bad entries adds its media files only, an empty folder says so, a
// cancelled folder dialog adds nothing; the preset dialog switches the selected row to MP3 with the video
// presets disabled and takes back nothing on 取消; renaming refuses a name leaving the folder and takes
// "holiday"; the options dialog writes its choices.
TEST_F(EndToEndDisplay, AFolderThePresetDialogRenamingAndTheOptions) {
  ASSERT_TRUE(StartProgram());
  AddMediaFolder("mixed");
  // The folder is listed in name order and added last to first: its clips only, neither the damaged file
  // (one box tells its refusal), the sub-folder's clip nor the FIFO (opening it would hang the add).
  ASSERT_TRUE(WaitShowing("TskMessageForm")) << "the refused file told";
  Picture("refused-file");
  Click("TskMessageForm.OK");
  WaitGone("TskMessageForm");
  const std::vector<String> Listed { Media().Mixed + "/clip.mkv", Media().Mixed + "/.hidden.mkv" };
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

// Step 7: a batch of three rows in three formats, one at a time, is paused (its cells and the locked
// format choice hold still) and resumed; its first row converts a 20-s clip to H.264 720p, long enough for
// the pause to land while it runs also on a loaded machine; it ends with every row at 100%, the format choice unlocked, only
// Clear left among the list commands, the completion sound played (SDL's disk audio writes what the
// program plays) and each output probing back as its row's cells say.
TEST_F(EndToEndDisplay, ABatchPausesResumesAndEndsWithItsSoundAndOutputsAsTheRowsSay) {
  const String Sound = Program().HomeFolder() + "/../sound.raw";
  PutOptions("[Options]\nThread_Count=1\nAfter_Done=2\n");
  ASSERT_TRUE(StartProgram({ "SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + Sound }));
  const std::vector<String> ListCommands { "skSkinButton7", "skSkinButton8", "skSkinButton21", "skSkinButton3",
                                           "skSkinButton4" };
  std::map<String, std::vector<TColor>> Disabled, Enabled;
  for (const String& Button : ListCommands) Disabled[Button] = PixelsOf(Button);

  // Each row gets its format as a user gives it: the combos act on the row just added and selected.
  AddOneFile(Media().Long);
  WaitRows(1);
  StepFormat(7, 2);  // 高清格式, H.264 720p in MP4
  AddOneFile(Media().Tone);
  WaitRows(2);
  StepFormat(7, 0);  // 音频格式, MP3
  AddOneFile(Media().Clip);
  WaitRows(3);
  StepFormat(-14, 0);  // WMV格式
  std::vector<TJobRow> Rows;
  ASSERT_TRUE(WaitFor([&] {
    Rows = this->Rows();
    return Rows.size() == 3 && ExtractFileExt(Rows[2].Cells[OutputCell]) == ".wmv";
  }, "the third row as WMV"));
  EXPECT_THAT(std::vector<String>({ Rows[0].Cells[OutputCell], Rows[1].Cells[OutputCell], Rows[2].Cells[OutputCell] }),
              ElementsAre("long.mp4", "tone.mp3", "clip.wmv"));
  for (const String& Button : { "skSkinButton7", "skSkinButton8" }) Enabled[Button] = PixelsOf(Button);
  // The category combo as the open format choice shows it; locked, it loses its arrow and its picture fades.
  const std::vector<TColor> OpenChoice = PixelsOf("skSkinOfficeComboBox2");
  const auto Silent = [&] {
    std::ifstream In(Sound, std::ios::binary);
    return std::all_of(std::istreambuf_iterator<char>(In), {}, [](char Byte) { return Byte == 0; });
  };
  EXPECT_TRUE(Silent()) << "nothing played before the batch";
  Picture("rows");

  Click("skSkinButton2");
  ASSERT_TRUE(WaitFor([&] { return !this->Rows()[0].Cells[ProgressCell].empty(); }, "progress in the first row"));
  Click("skSkinButton11");
  ASSERT_TRUE(WaitShowing("skSkinButton12")) << "Pause shows Resume in its place";
  // Paused, no report comes: the cells hold still for four times the engine's report interval.
  std::vector<std::vector<String>> Paused;
  const std::function<std::vector<std::vector<String>>()> Look = [&] {
    std::vector<std::vector<String>> Cells;
    for (const TJobRow& Row : this->Rows()) Cells.push_back(Row.Cells);
    return Cells;
  };
  EXPECT_TRUE(WaitFor([&] { return HoldsStill(Look, 2000ms, Paused) && Paused.size() == 3; },
                      "the paused cells to hold still"));
  ASSERT_EQ(Paused.size(), 3u);
  EXPECT_NE(Paused[0][ProgressCell], "100%") << "paused while the long clip converts";
  EXPECT_NE(PixelsOf("skSkinOfficeComboBox2"), OpenChoice) << "the format choice is locked during the batch";
  Picture("paused");

  Click("skSkinButton12");
  EXPECT_TRUE(WaitShowing("skSkinButton11")) << "Resume shows Pause again";
  ASSERT_TRUE(WaitFor([&] { return RowsShowing(Rows = this->Rows(), "100%") == 3; }, "every row at 100%"));
  EXPECT_TRUE(WaitFor([&] { return PixelsOf("skSkinOfficeComboBox2") == OpenChoice; }, "the format choice open again"));
  EXPECT_TRUE(WaitFor([&] { return PixelsOf("skSkinButton7") == Disabled["skSkinButton7"] &&
                                   PixelsOf("skSkinButton8") == Enabled["skSkinButton8"]; }, "only Clear offered"));
  for (const String& Button : { "skSkinButton21", "skSkinButton3", "skSkinButton4" })
    EXPECT_EQ(PixelsOf(Button), Disabled[Button]) << Button << " is off";
  EXPECT_TRUE(WaitFor([&] { return !Silent(); }, "the completion sound"));
  Picture("done");
  for (const TJobRow& Row : Rows) {
    SCOPED_TRACE(Row.Cells[OutputCell]);
    EXPECT_FALSE(Row.Cells[TimeCell].empty()) << "the time cell was written";
    EXPECT_FALSE(Row.Cells[SizeWrittenCell].empty()) << "the size cell was written";
    EXPECT_EQ(ProbeOutput(OutputFolder() + "/" + Row.Cells[OutputCell]), ExpectedOutput(CellsOf(Row)));
  }
}

// Steps 8 and 9: an output that cannot be written (a folder stands where it would go) fails its row with
// the engine's words while the other row converts; a batch stopped at once ends promptly with its
// after-done action (the output folder opened) and Start offered, and Start converts the rows again.
TEST_F(EndToEndDisplay, AFailingRowAStoppedBatchAndItsRestart) {
  PutOptions("[Options]\nThread_Count=1\nAfter_Done=0\n");
  ASSERT_TRUE(StartProgram());
  AddOneFile(Media().Clip);
  WaitRows(1);
  AddOneFile(Media().Tone);
  WaitRows(2);
  StepFormat(14, 0);  // 音频格式, MP3
  std::vector<TJobRow> Rows;
  ASSERT_TRUE(WaitFor([&] { return (Rows = this->Rows())[1].Cells[OutputCell] == "tone.mp3"; }, "tone.mp3"));
  ASSERT_EQ(Rows[0].Cells[OutputCell], "clip.wmv");
  const String Blocked = OutputFolder() + "/clip.wmv";
  fs::create_directory(Blocked);
  const std::vector<TColor> StartOffered = PixelsOf("skSkinButton2");

  // Either the engine refuses the output at Start (the row shows 失败) or the task fails as it runs (the
  // plain warning box with the engine's text, which the user closes); the other row converts either way.
  Click("skSkinButton2");
  ASSERT_TRUE(WaitFor([&] { return Where("MessageBox") || this->Rows()[0].Cells[ProgressCell] == "失败"; },
                      "the failure shown"));
  Picture("failure");
  if (Where("MessageBox")) Click("MessageBox.OK");
  ASSERT_TRUE(WaitFor([&] { return (Rows = this->Rows())[1].Cells[ProgressCell] == "100%" && Calls().size() == 1; },
                      "the batch end"));
  EXPECT_NE(Rows[0].Cells[ProgressCell], "100%");
  EXPECT_FALSE(Where("MessageBox"));
  EXPECT_THAT(Calls(), ElementsAre("xdg-open " + OutputFolder())) << "the batch end opens the output folder";
  EXPECT_EQ(ProbeOutput(OutputFolder() + "/tone.mp3"), ExpectedOutput(CellsOf(Rows[1])));
  fs::remove(Blocked);

  // Stopped at once: the batch ends before its rows are done.
  Click("skSkinButton8");
  WaitRows(0);
  AddOneFile(Media().Clip);
  WaitRows(1);
  StepFormat(-7, 2);  // from 音频格式 to 高清格式, H.264 720p in MP4
  AddOneFile(Media().Clip);
  WaitRows(2);
  ASSERT_TRUE(WaitFor([&] { return (Rows = this->Rows())[1].Cells[OutputCell] == "clip_1.mp4"; }, "clip_1.mp4"));
  Click("skSkinButton2");
  Click("skSkinButton10");
  EXPECT_TRUE(WaitFor([&] { return PixelsOf("skSkinButton2") == StartOffered && Calls().size() == 2; },
                      "Start offered again and the after-done action"));
  EXPECT_LT(RowsShowing(this->Rows(), "100%"), 2) << "stopped before the end";
  Picture("stopped");

  Click("skSkinButton2");
  EXPECT_TRUE(WaitShowing("skSkinButton11")) << "the pause button";
  EXPECT_FALSE(Where("skSkinButton12"));
  ASSERT_TRUE(WaitFor([&] { return RowsShowing(Rows = this->Rows(), "100%") == 2; }, "both rows converted"));
  for (const TJobRow& Row : Rows)
    EXPECT_EQ(ProbeOutput(OutputFolder() + "/" + Row.Cells[OutputCell]), ExpectedOutput(CellsOf(Row)));
  Picture("restarted");
}

// Step 10: the snapshot button saves the picture on screen as clip_1.bmp in the snapshot folder; with PNG
// chosen in the ⚙ menu the next one is clip_1.png; a sound-only row gives no file.
TEST_F(EndToEndDisplay, SnapshotsSaveThePictureOnScreenInTheChosenType) {
  ASSERT_TRUE(StartProgram());
  const String Folder = Program().HomeFolder() + "/Zorvik视频软件/快照";
  AddOneFile(Media().Clip);
  WaitRows(1);
  const int Shown = StillPreviewFrame();
  Click("skSkinButton22");
  EXPECT_TRUE(WaitFor([&] { return fs::exists(Folder + "/clip_1.bmp"); }, "clip_1.bmp"));
  EXPECT_EQ(SavedFrameNumber(Folder + "/clip_1.bmp"), Shown) << "the picture on screen";

  Click("skSkinButton23");
  Click("N27");
  WaitShowing("PNG1");
  Picture("snapshot-type-menu");
  Click("PNG1");
  WaitGone("PNG1");
  Click("skSkinButton22");
  EXPECT_TRUE(WaitFor([&] { return fs::exists(Folder + "/clip_1.png"); }, "clip_1.png"));
  EXPECT_EQ(SavedFrameNumber(Folder + "/clip_1.png"), Shown);

  // The sound-only row's snapshot writes nothing; the clip's next one, asked after it, shows it was handled.
  AddOneFile(Media().Tone);
  const std::vector<TJobRow> Rows = WaitRows(2);
  Click("skSkinButton22");
  ClickRow(Rows[0]);
  WaitFor([&] { return this->Rows()[0].Selected && StillPreviewFrame() >= 0; }, "the clip in the preview again");
  Click("skSkinButton22");
  EXPECT_TRUE(WaitFor([&] { return fs::exists(Folder + "/clip_2.png"); }, "clip_2.png"));
  std::vector<String> Files;
  for (const auto& Entry : fs::directory_iterator(Folder)) Files.push_back(Entry.path().filename().string());
  std::sort(Files.begin(), Files.end());
  EXPECT_THAT(Files, ElementsAre("clip_1.bmp", "clip_1.png", "clip_2.png"));
}

// Step 11: closing the main window during a batch ends the program at once, with no message box (it would
// hold the program open) and no after-done action (the output folder is not opened).
TEST_F(EndToEndDisplay, ClosingDuringABatchEndsTheProgramWithoutAWordOrAnAfterDoneAction) {
  PutOptions("[Options]\nThread_Count=1\nAfter_Done=0\n");
  ASSERT_TRUE(StartProgram());
  AddOneFile(Media().Clip);
  WaitRows(1);
  StepFormat(7, 2);  // 高清格式, H.264 720p in MP4
  AddOneFile(Media().Clip);
  WaitRows(2);
  Click("skSkinButton2");
  ASSERT_TRUE(WaitShowing("skSkinButton11")) << "the batch runs";
  Picture("running");
  const std::optional<TRect> Frame = Where("Form1");
  ASSERT_TRUE(Frame);
  ClickAt({ Frame->Right - 21, Frame->Top + 15 });  // the caption's close button
  EXPECT_EQ(Program().WaitForExit(Patience), std::optional<int>(0)) << "the program ended with exit code 0";
  EXPECT_THAT(Calls(), testing::IsEmpty());
}

// Step 12: with 自动关闭计算机 chosen, the end of a batch asks for a power-off exactly once. The program runs
// without the guards that make its power service refuse, so it really runs "systemctl poweroff": PATH holds
// nothing but the recording stand-ins, so no real power-off can be reached.
TEST_F(EndToEndDisplay, TheShutDownActionAsksForOnePowerOffAfterTheBatch) {
  PutOptions("[Options]\nAfter_Done=1\n");
  ASSERT_TRUE(StartProgram({ "ZORVIK_NO_POWEROFF", "CI" }));
  AddOneFile(Media().Clip);
  WaitRows(1);
  Click("skSkinButton2");
  ASSERT_TRUE(WaitFor([&] { return RowsShowing(Rows(), "100%") == 1 && !Calls().empty(); }, "the batch end"));
  const std::optional<TRect> Frame = Where("Form1");
  ASSERT_TRUE(Frame);
  ClickAt({ Frame->Right - 21, Frame->Top + 15 });
  EXPECT_EQ(Program().WaitForExit(Patience), std::optional<int>(0));
  EXPECT_THAT(Calls(), ElementsAre("systemctl poweroff"));
}

// Installed under a prefix as a user installs it: the program, its helper and sound under lib/zorvik, the
// link in bin, the desktop entry (valid) and the icons. Started through the link by whoever runs the test,
// the superuser too, with a program folder it may write, it keeps its settings in the user's configuration
// folder: an option changed in one run is what the next run's options dialog shows. The README's uninstall
// then leaves nothing of the prefix, which the install made.
TEST_F(EndToEndDisplay, TheInstalledProgramKeepsItsSettingsInTheUsersConfigFolder) {
  const String Prefix = Program().HomeFolder() + "/../prefix";
  ASSERT_EQ(std::system(("'" CMAKE_PROGRAM "' --install '" ZORVIK_BUILD "' --prefix '" + Prefix + "' >/dev/null").c_str()), 0);
  const String Folder = Prefix + "/lib/zorvik";
  for (const String& File : { Folder + "/zorvik", Folder + "/zorvik-trial-open", Folder + "/sounds/ring001.wav",
                              Prefix + "/share/icons/hicolor/48x48/apps/zorvik.png",
                              Prefix + "/share/icons/hicolor/256x256/apps/zorvik.png" })
    EXPECT_TRUE(fs::is_regular_file(File)) << File;
  EXPECT_EQ(fs::read_symlink(Prefix + "/bin/zorvik"), "../lib/zorvik/zorvik");
  const String Entry = Prefix + "/share/applications/zorvik.desktop";
  EXPECT_EQ(std::system(("desktop-file-validate '" + Entry + "'").c_str()), 0);
  std::ifstream EntryText(Entry);
  EXPECT_NE(String(std::istreambuf_iterator<char>(EntryText), {}).find("Exec=\"" + Prefix + "/bin/zorvik\"\n"),
            String::npos);

  const std::vector<String> Command { Prefix + "/bin/zorvik" };
  const String Settings = Program().HomeFolder() + "/.config/zorvik/option.ini";
  const auto Stored = [&] {
    std::ifstream In(Settings);
    return String(std::istreambuf_iterator<char>(In), {});
  };
  const auto ChooseTwoThreads = [&] {
    Click("skSkinButton19");
    ClickTab("Form5.skSkinPageControl1", 0);
    StepCombo("Form5.skSkinComboBox2", 1);
  };
  const auto Close = [&] {
    const std::optional<TRect> Frame = Where("Form1");
    ASSERT_TRUE(Frame);
    ClickAt({ Frame->Right - 21, Frame->Top + 15 });
    EXPECT_EQ(Program().WaitForExit(Patience), std::optional<int>(0));
  };

  ASSERT_TRUE(StartProgram({ "XDG_CONFIG_HOME" }, Command));
  ChooseTwoThreads();
  Click("Form5.skSkinButton6");
  WaitGone("Form5");
  EXPECT_TRUE(WaitFor([&] { return Stored().find("Thread_Count=2\n") != String::npos; }, "the option stored"));
  Close();

  // The dialog opens with the stored choice, so one step down shows 3 and 确定 stores it.
  ASSERT_TRUE(StartProgram({ "XDG_CONFIG_HOME" }, Command));
  ChooseTwoThreads();
  Picture("options-kept");
  Click("Form5.skSkinButton6");
  WaitGone("Form5");
  EXPECT_TRUE(WaitFor([&] { return Stored().find("Thread_Count=3\n") != String::npos; }, "the option kept")) << Stored();
  Close();
  EXPECT_FALSE(fs::exists(Folder + "/option.ini"));
  EXPECT_FALSE(fs::exists(Prefix + "/bin/option.ini"));

  EXPECT_EQ(std::system("xargs rm -f < '" ZORVIK_BUILD "/install_manifest.txt'"), 0);
  EXPECT_EQ(std::system("xargs -r rmdir --ignore-fail-on-non-empty < '" ZORVIK_BUILD "/install_folders.txt'"), 0);
  EXPECT_FALSE(fs::exists(Prefix)) << "the uninstall left some of the prefix";
}

}  // namespace
