// A folder of clips other producers wrote (tools/media-corpus) added to the converter as a user adds it and
// converted to a format of each family the catalogue writes, one batch a format on the same list cleared
// in between: each file the engine takes gets its row, and each row ends either converted (its output
// probed back against its source) or failed with a message box, as the corpus table says it must.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/FormatParameters.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/Colors.h"
#include "tests/app/e2e/ConverterScreenTest.h"
#include "tests/engine/corpus/MediaCorpus.h"
#include "tools/screenshot/Polling.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Cells of a row as Rows() gives them: the caption first.
constexpr int InputCell = 0;
constexpr int OutputCell = 3;
constexpr int ProgressCell = 4;
constexpr int RowFormatCell = 9;

/// Where the catalogue's combos show the format of FormatKey.
RowFormat PlaceOf(int FormatKey) {
  const auto Categories = FormatCategories();
  const auto Category = std::ranges::find(Categories, FormatKey / 100, &FormatCategory::ImageIndex);
  return { int(Category - Categories.begin()), FormatKey % 100 };
}

const TCorpusClip* ClipNamed(const String& Name) {
  const auto Clip = std::ranges::find(CorpusClips(), Name, [](const TCorpusClip& C) { return String(C.Name); });
  return Clip == CorpusClips().end() ? nullptr : &*Clip;
}

class CorpusFolderDisplay : public ConverterScreenTest {
protected:
  void SetUp() override {
    ConverterScreenTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    fs::create_directory(Corpus());
    for (const TCorpusClip& Clip : CorpusClips()) fs::copy_file(CorpusFile(Clip), Corpus() + "/" + Clip.Name);
  }

  /// The copy of the corpus in the media folder, the first of its sub-folders by name.
  String Corpus() const { return Media().Folder + "/corpus"; }
  String OutputFolder() const { return Program().HomeFolder() + "/Zorvik视频软件/输出"; }

  /// Moves the category and format choice of the preset dialog (设置...) by the given steps and confirms
  /// it; with no row selected, that is the format the next add gives its rows.
  void StepFormat(int Categories, int Formats) {
    Click("skSkinButton24");
    ASSERT_TRUE(WaitShowing("Form7"));
    for (const auto& [Combo, Steps] : { std::pair { "Form7.skSkinOfficeComboBox2", Categories },
                                        std::pair { "Form7.skSkinOfficeComboBox1", Formats } }) {
      if (Steps == 0) continue;
      // Opened and closed again, the combo keeps the keyboard for the arrow keys.
      Click(Combo);
      Keys({ "Escape" });
      Keys(std::vector<String>(size_t(std::abs(Steps)), Steps > 0 ? "Down" : "Up"));
    }
    Click("Form7.skSkinButton2");
    WaitGone("Form7");
  }

  /// 文件 › 添加整个目录 on the corpus: the first time reached in the folder tree by keyboard (the media
  /// folder found by typing its name, opened, its first sub-folder), later confirmed where the dialog
  /// opens, on the folder chosen last.
  void AddCorpusFolder(bool First) {
    Click("Item11");
    Click("N21");
    ASSERT_TRUE(WaitShowing("TskSelDirDlgForm"));
    if (First) {
      Type("media");
      Keys({ "Right", "Down" });
    }
    Keys({ "Return" });
    WaitGone("TskSelDirDlgForm");
  }

  /// Starts the batch and waits, generously, for its end (its after-done action opened the output folder)
  /// with every row either at 100% or its failure told; closes each failure's message box on the way and
  /// answers how many there were. Rows: the rows at the end.
  int RunBatch(std::vector<TJobRow>& Rows) {
    const size_t Ended = Calls().size();
    int Boxes = 0;
    Click("skSkinButton2");
    WaitFor([&] {
      if (Where("MessageBox")) {
        if (Boxes == 0) {
          // The box's picture once it has painted: a light face where a box not yet painted is black.
          PollUntil([&] {
            const std::optional<TRect> Box = Where("MessageBox");
            return Box && Look(*Box) && PixelsLike(*Box, clWhite) > Box->Width() * Box->Height() / 4;
          }, 5s, 50ms);
          Picture("failure");
        }
        Click("MessageBox.OK");
        ++Boxes;
        // A second failure's box may stand in the same place: the next look takes it.
        PollUntil([&] { return !Where("MessageBox"); }, 5s, 20ms);
      }
      Rows = this->Rows();
      const auto Converted = std::ranges::count(Rows, "100%", [](const TJobRow& Row) { return Row.Cells[ProgressCell]; });
      return Calls().size() > Ended && size_t(Converted + Boxes) >= Rows.size();
    }, "the batch end", 3 * Patience);
    return Boxes;
  }
};

// Every clip converts to every family, except where the corpus table says the engine refuses it: the
// refusal then reaches the user in a message box, and its row never shows 100%.
TEST_F(CorpusFolderDisplay, AFolderOfOtherProducersClipsConvertsToEveryFamilyOrTellsWhyNot) {
  std::ofstream(Program().InstallFolder() + "/option.ini") << "[Options]\nThread_Count=3\nAfter_Done=0\n";
  ASSERT_TRUE(StartProgram());
  std::vector<String> Files;
  for (const TCorpusClip& Clip : CorpusClips()) Files.push_back(Corpus() + "/" + Clip.Name);
  std::ranges::sort(Files);
  std::vector<TCorpusTarget> Targets(CorpusTargets().begin(), CorpusTargets().end());
  std::ranges::sort(Targets, {}, [](const TCorpusTarget& T) { return PlaceOf(T.FormatKey).CategoryIndex; });
  RowFormat Chosen {};

  for (const TCorpusTarget& Target : Targets) {
    SCOPED_TRACE(Target.Family);
    const FormatParameters& Format = *FindFormatParameters(Target.FormatKey);
    const RowFormat Place = PlaceOf(Target.FormatKey);
    if (&Target != &Targets.front()) {
      Click("skSkinButton8");
      ASSERT_TRUE(WaitFor([&] { return Rows().empty(); }, "the list cleared"));
    }
    // A new category starts at its first format.
    StepFormat(Place.CategoryIndex - Chosen.CategoryIndex,
               Place.FormatIndex - (Place.CategoryIndex == Chosen.CategoryIndex ? Chosen.FormatIndex : 0));
    Chosen = Place;
    AddCorpusFolder(&Target == &Targets.front());

    // Every file is taken, and none is refused (the one "提示" box would tell it).
    std::vector<TJobRow> Rows;
    ASSERT_TRUE(WaitFor([&] { return (Rows = this->Rows()).size() == Files.size() || Where("TskMessageForm"); },
                        "a row for each file"));
    EXPECT_FALSE(Where("TskMessageForm")) << "a file was refused";
    std::vector<String> Listed;
    for (const TJobRow& Row : Rows) {
      Listed.push_back(Row.Cells[InputCell]);
      EXPECT_EQ(Row.Cells[RowFormatCell], IntToStr(RowFormatCode(Place.CategoryIndex, Place.FormatIndex)))
          << Row.Cells[InputCell];
    }
    std::ranges::sort(Listed);
    ASSERT_EQ(Listed, Files);

    const int Boxes = RunBatch(Rows);
    Picture(Target.Family);
    int Failed = 0;
    for (const TJobRow& Row : Rows) {
      const TCorpusClip& Clip = *ClipNamed(fs::path(Row.Cells[InputCell]).filename().string());
      SCOPED_TRACE(Clip.Name);
      const TRefusal* Refusal = RefusalOf(Clip, Target.FormatKey);
      if (Row.Cells[ProgressCell] == "100%") {
        EXPECT_FALSE(Refusal) << "converted, though it cannot be";
        EXPECT_EQ(OutputFault(Clip, OutputFolder() + "/" + Row.Cells[OutputCell], Format), "");
      } else {
        ++Failed;
        EXPECT_TRUE(Refusal) << "failed; the message box told why";
      }
    }
    EXPECT_EQ(Boxes, Failed) << "one message box for each failed row";
  }
  EXPECT_TRUE(Where("Form1")) << "the program is still there";
}

}  // namespace
