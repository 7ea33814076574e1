// The filter combo box: captions and masks from the filter text, the mask of the selection, when the
// lists are built, and the mask handed to a linked file list box.
#include <vector>

#include "skin/dialogs/TskSkinFileListBox.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"
#include "tests/platform/shell/ShellTestSupport.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class FilterComboBoxTest : public SkinControlTest {
protected:
  static std::vector<String> Lines(TStrings* S) {
    std::vector<String> L;
    for (int I = 0; I < S->Count(); ++I) L.push_back(S->Strings(I));
    return L;
  }
};

TEST_F(FilterComboBoxTest, TheFilterBecomesCaptionsAndMasksAndTheFirstIsSelected) {
  struct Case {
    String Filter;
    std::vector<String> Captions, Masks;
  };
  const Case Cases[] = {
    { "Text|*.txt|All|*.*", { "Text", "All" }, { "*.txt", "*.*" } },
    { "视频文件 (*.avi;*.mp4)|*.avi;*.mp4|所有文件|*.*", { "视频文件 (*.avi;*.mp4)", "所有文件" }, { "*.avi;*.mp4", "*.*" } },
    { "A|*.a|B", { "A" }, { "*.a" } },
    { "A|", { "A" }, { "" } },
    { "no bar", {}, {} },
  };
  auto* Combo = Add<TskSkinFilterComboBox>(Bounds(10, 10, 200, 20));
  Combo->HandleNeeded();
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Filter);
    Combo->SetFilter(C.Filter);
    EXPECT_EQ(Lines(Combo->Items()), C.Captions);
    EXPECT_EQ(Lines(Combo->MaskList.get()), C.Masks);
    EXPECT_EQ(Combo->ItemIndex(), C.Captions.empty() ? -1 : 0);
    EXPECT_EQ(Combo->Mask(), C.Masks.empty() ? "*.*" : C.Masks.front());
  }
}

TEST_F(FilterComboBoxTest, ReadingTheMaskWithNothingSelectedSelectsTheLastItemWithItsEvents) {
  auto* Combo = Add<TskSkinFilterComboBox>(Bounds(10, 10, 200, 20));
  Combo->HandleNeeded();
  Combo->SetFilter("A|*.a|B|*.b|C|*.c");
  Combo->SetItemIndex(-1);
  int Changes = 0, Clicks = 0;
  Combo->OnChange = [&](TObject*) { ++Changes; };
  Combo->OnClick = [&](TObject*) { ++Clicks; };
  EXPECT_EQ(Combo->Mask(), "*.c");
  EXPECT_EQ(Combo->ItemIndex(), 2);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(Combo->Mask(), "*.c");
  EXPECT_EQ(Changes, 1) << "a selection is kept";
}

TEST_F(FilterComboBoxTest, TheListsAreBuiltWithTheWindowAndALetterCaseChangeIsIgnored) {
  auto* Combo = new TskSkinFilterComboBox(Form);
  Combo->SetBounds(10, 10, 200, 20);
  Combo->SetFilter("Video|*.avi|All|*.*");
  EXPECT_EQ(Combo->Items()->Count(), 0) << "only stored before the window exists";
  Combo->SetParent(Form);
  Combo->HandleNeeded();
  EXPECT_EQ(Lines(Combo->Items()), (std::vector<String> { "Video", "All" }));
  Combo->SetItemIndex(1);
  Combo->SetFilter("VIDEO|*.AVI|ALL|*.*");
  EXPECT_EQ(Combo->Filter(), "Video|*.avi|All|*.*");
  EXPECT_EQ(Combo->ItemIndex(), 1) << "nothing was rebuilt";
}

TEST_F(FilterComboBoxTest, ALinkedFileListListsWhatTheSelectedMaskMatches) {
  TTempFolder Dir;
  for (const char* Name : { "片段.avi", "电影.MP4", "说明.txt" }) WriteFile(Dir / Name, "x");
  auto* List = Add<TskSkinFileListBox>(Bounds(10, 40, 200, 150));
  List->HandleNeeded();
  List->SetDirectory(Dir.Path());
  auto* Combo = Add<TskSkinFilterComboBox>(Bounds(10, 10, 200, 20));
  Combo->SetFileList(List);
  Combo->SetFilter("视频|*.avi;*.mp4|文本|*.txt");
  Combo->HandleNeeded();
  EXPECT_EQ(List->Mask(), "*.avi;*.mp4");
  EXPECT_EQ(Lines(List->Items()), (std::vector<String> { "片段.avi", "电影.MP4" }));
  Combo->SetItemIndex(1);
  EXPECT_EQ(Lines(List->Items()), (std::vector<String> { "说明.txt" }));
  delete List;
  Combo->SetItemIndex(0);
  EXPECT_EQ(Combo->FileList(), nullptr) << "the freed list is forgotten";
}

}  // namespace
