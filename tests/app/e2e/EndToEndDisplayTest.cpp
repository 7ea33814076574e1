// The converter end to end under a real X server: the installed program driven only through the screen, as a
// user drives it, from its first start to the power-off after a batch. Each test is one stretch of that
// walk on a fresh installation; every step checks what it left: the rows of the job list, the settings
// file, the files written (probed with the engine's probe) and, where only the eye could tell, pixels.
#include <gmock/gmock.h>

#include <filesystem>

#include "app/jobs/JobTexts.h"
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

}  // namespace
