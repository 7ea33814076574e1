// The look-in combo box: the desktop's items with Computer's volumes, a root path's folders, the chain to
// a nested folder indented and selected, picks that move the linked list and tree once, the chain kept
// until the next rebuild, assigned copies of items, bad roots and paths, the borrowed image list, and the
// indented painting.
#include <algorithm>

#include "platform/base/FileUtils.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/shell/ShellNamespace.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/dialogs/TskCustomShellComboBox.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskCustomShellTreeView.h"
#include "tests/skin/dialogs/ShellViewFixture.h"

namespace {

class ShellComboBoxTest : public ShellViewTest {
protected:
  TskSkinShellComboBox* MakeCombo(const TRoot& Root = "rfDesktop") {
    Combo = Add<TskSkinShellComboBox>(Bounds(10, 10, 250, 22));
    Combo->SetDropDownCount(10);
    Combo->SetRoot(Root);
    Display->PumpUntilIdle();
    return Combo;
  }
  std::vector<String> Captions() const {
    std::vector<String> captions;
    for (int i = 0; i < Combo->ItemsEx().Count(); ++i) captions.push_back(Combo->ItemsEx().Items(i)->Caption);
    return captions;
  }
  std::vector<int> Indents() const {
    std::vector<int> indents;
    for (int i = 0; i < Combo->ItemsEx().Count(); ++i) indents.push_back(Combo->ItemsEx().Items(i)->Indent);
    return indents;
  }
  int IndexOf(const String& Caption) const {
    const std::vector<String> captions = Captions();
    const auto found = std::find(captions.begin(), captions.end(), Caption);
    return found == captions.end() ? -1 : int(found - captions.begin());
  }
  /// Opens the list and clicks the row of Index.
  void Pick(int Index) {
    ClickAt(Combo, Combo->Width() - 5, 10);
    ASSERT_TRUE(Combo->IsPopupVisible());
    TskListBox* inner = Combo->ListBox()->ListBox;
    inner->SetTopIndex(Index);
    const TRect row = inner->ItemRect(Index);
    ClickAt(inner, 30, row.Top + row.Height() / 2);
    Display->PumpUntilIdle();
    ASSERT_FALSE(Combo->IsPopupVisible());
  }

  TskSkinShellComboBox* Combo { nullptr };
};

TEST_F(ShellComboBoxTest, TheDesktopListsItsFoldersWithComputersVolumesAndAPathRootOnlyItsFolders) {
  MakeCombo();
  const std::vector<String> captions = Captions();
  const std::vector<int> indents = Indents();
  ASSERT_GE(captions.size(), 4u);
  EXPECT_EQ(captions[0], "Desktop");
  EXPECT_EQ(indents[0], 0);
  EXPECT_EQ(Combo->ItemIndex(), 0);
  EXPECT_EQ(captions[1], "Computer");
  EXPECT_EQ(captions[2], "File System") << "the volumes follow Computer";
  const int home = IndexOf("Home");
  ASSERT_GT(home, 2);
  for (int i = 2; i < home; ++i) EXPECT_EQ(indents[size_t(i)], 2) << captions[size_t(i)];
  for (size_t i = size_t(home); i < captions.size(); ++i) EXPECT_EQ(indents[i], 1) << captions[i];
  EXPECT_EQ(std::vector<String>(captions.begin() + home + 1, captions.end()),
            (std::vector<String> { "a", "New Folder", "only-files", "视频 文件夹" }))
      << "the desktop folder's folders (HOME, without a Desktop folder), hidden ones and files left out";
  for (int i = 0; i < Combo->ItemsEx().Count(); ++i)
    EXPECT_EQ(Combo->Items()->Strings(i), captions[size_t(i)]) << "Items follow the folder items";
  EXPECT_GE(Combo->ItemsEx().Items(1)->ImageIndex, 0) << "the shell's small icons";

  Combo->SetRoot(Dir.Path());
  EXPECT_EQ(Captions(), (std::vector<String> { ExtractFileName(Dir.Path()), "a", "New Folder", "only-files", "视频 文件夹" }))
      << "no volumes below a path root";
  EXPECT_EQ(Indents(), (std::vector<int> { 0, 1, 1, 1, 1 }));
  EXPECT_EQ(Combo->Path(), Dir.Path());
}

TEST_F(ShellComboBoxTest, ANestedFolderShowsItsChainIndentedBelowItsDeepestListedAncestor) {
  MakeCombo(Dir.Path());
  Combo->SetPath(Dir / "a/b/c");
  EXPECT_EQ(Captions(), (std::vector<String> { ExtractFileName(Dir.Path()), "a", "b", "c", "New Folder", "only-files",
                                               "视频 文件夹" }));
  EXPECT_EQ(Indents(), (std::vector<int> { 0, 1, 2, 3, 1, 1, 1 }));
  EXPECT_EQ(Combo->ItemIndex(), 3);
  EXPECT_EQ(Combo->Text(), "c");
  EXPECT_EQ(Combo->Path(), Dir / "a/b/c");

  Combo->SetRoot("rfDesktop");
  Combo->SetPath(Dir / "a/b/c");
  const int c = Combo->ItemIndex();
  const std::vector<String> captions = Captions();
  const std::vector<int> indents = Indents();
  ASSERT_GE(c, 4);
  EXPECT_EQ(captions[size_t(c)], "c");
  EXPECT_EQ(captions[size_t(c - 1)], "b");
  EXPECT_EQ(captions[size_t(c - 2)], "a");
  EXPECT_EQ(captions[size_t(c - 3)], ExtractFileName(Dir.Path()));
  int at = c;
  while (indents[size_t(at)] > 2) {
    EXPECT_EQ(indents[size_t(at - 1)], indents[size_t(at)] - 1) << "each folder one deeper than the one before";
    --at;
  }
  EXPECT_EQ(captions[size_t(at)], "File System") << "the chain hangs below the volume holding it";

  EXPECT_THROW(Combo->SetPath(Dir / "missing"), EInvalidPath);
  EXPECT_EQ(Combo->Path(), Dir / "a/b/c");

  const String odd = Dir / "a/b/c/-视频 \xff\xfe";
  ASSERT_EQ(mkdir(odd.c_str(), 0755), 0);
  Combo->SetPath(odd);
  EXPECT_EQ(Combo->Path(), odd) << "a name that is not UTF-8 keeps its bytes";
}

TEST_F(ShellComboBoxTest, PickingAnAncestorMovesTheLinkedListAndTreeOnceAndKeepsTheChainUntilTheNextRebuild) {
  MakeCombo(Dir.Path());
  auto* tree = Add<TskSkinDirTreeView>(Bounds(10, 40, 120, 200));
  auto* list = Add<TskSkinFileListView>(Bounds(140, 40, 240, 200));
  Combo->SetShellListView(list);
  Combo->SetShellTreeView(tree);
  EXPECT_EQ(list->Root(), Dir.Path()) << "a linked control takes the combo box's root";
  EXPECT_EQ(tree->ShellComboBox(), Combo);
  EXPECT_EQ(list->ShellComboBox(), Combo);
  tree->SetShellListView(list);
  Display->PumpUntilIdle();

  list->SetPath(Dir / "a/b/c");
  EXPECT_EQ(Combo->Path(), Dir / "a/b/c") << "the list's navigation selects its folder here";
  EXPECT_EQ(tree->Path(), Dir / "a/b/c");
  int navigations = 0;
  list->OnPathChanged = [&](TObject*) { ++navigations; };
  int treeChanges = 0;
  tree->OnChange = [&](TObject*, TTreeNode*) { ++treeChanges; };

  Pick(IndexOf("a"));
  EXPECT_EQ(Combo->Path(), Dir / "a");
  EXPECT_EQ(list->Path(), Dir / "a");
  EXPECT_EQ(tree->Path(), Dir / "a");
  EXPECT_EQ(navigations, 1);
  EXPECT_EQ(treeChanges, 1);
  EXPECT_NE(IndexOf("c"), -1) << "the former chain stays until the next rebuild";

  tree->SetPath(Dir / "only-files");
  EXPECT_EQ(Combo->Path(), Dir / "only-files") << "the tree's navigation selects its folder here";
  EXPECT_EQ(IndexOf("c"), -1);
  EXPECT_EQ(navigations, 2);

  delete list;
  delete tree;
  EXPECT_EQ(Combo->ShellListView(), nullptr) << "freed links are forgotten";
  EXPECT_EQ(Combo->ShellTreeView(), nullptr);
  Pick(IndexOf("a"));
  EXPECT_EQ(Combo->Path(), Dir / "a");
}

TEST_F(ShellComboBoxTest, AClickOnTheComboRebuildsAroundTheSelectedFolder) {
  MakeCombo(Dir.Path());
  Combo->SetPath(Dir / "a/b/c");
  Pick(IndexOf("a"));
  ASSERT_NE(IndexOf("c"), -1);
  int clicks = 0;
  Combo->OnClick = [&](TObject*) { ++clicks; };
  ClickAt(Combo, Combo->Width() - 5, 10);
  EXPECT_EQ(IndexOf("b"), -1) << "the former chain goes";
  EXPECT_EQ(IndexOf("c"), -1);
  EXPECT_EQ(Combo->ItemIndex(), IndexOf("a"));
  EXPECT_EQ(Combo->Path(), Dir / "a");
  EXPECT_GT(clicks, 0);
}

TEST_F(ShellComboBoxTest, AssignedItemsAreCopiesWithFoldersOfTheirOwnThatOutliveTheirSource) {
  auto* source = MakeCombo(Dir.Path());
  Combo->SetPath(Dir / "a/b/c");
  const std::vector<String> captions = Captions();
  const std::vector<int> indents = Indents();
  auto* copy = MakeCombo(Dir.Path());
  copy->SetItemsEx(source->ItemsEx());
  EXPECT_EQ(Captions(), captions);
  EXPECT_EQ(Indents(), indents);
  EXPECT_EQ(copy->ItemIndex(), -1) << "nothing selected";
  for (int i = 0; i < copy->ItemsEx().Count(); ++i) {
    const TskItemEx* mine = copy->ItemsEx().Items(i);
    const TskItemEx* theirs = source->ItemsEx().Items(i);
    EXPECT_EQ(copy->Items()->Strings(i), captions[size_t(i)]) << "Items follow the folder items";
    EXPECT_EQ(mine->ImageIndex, theirs->ImageIndex);
    EXPECT_EQ(mine->SelectedImageIndex, theirs->SelectedImageIndex);
    EXPECT_NE(mine->Data.get(), theirs->Data.get()) << "each combo box frees its own folders";
    EXPECT_TRUE(SameItemIDList(mine->Data->AbsoluteID(), theirs->Data->AbsoluteID()));
  }

  delete source;
  copy->SetItemIndex(3);
  EXPECT_EQ(copy->Path(), Dir / "a/b/c") << "the copies do not lean on the freed combo's folders";
  ClickAt(copy, copy->Width() - 5, 10);
  EXPECT_EQ(copy->Path(), Dir / "a/b/c") << "a click rebuilds around the copied folder";
  EXPECT_EQ(copy->ItemIndex(), 3);

  TskItemsEx plain;
  plain.Add()->Caption = "no folder";
  copy->SetItemsEx(plain);
  EXPECT_EQ(Captions(), std::vector<String> { "no folder" });
  copy->SetItemIndex(0);
  EXPECT_EQ(copy->Path(), "");
  EXPECT_EQ(copy->IndexOfItemIDList(DesktopItemIDList().get()), -1) << "an item without a folder shows none";
}

TEST_F(ShellComboBoxTest, ABadRootRaisesKeepsTheOldRootAndShowsItsItemsAgain) {
  MakeCombo(Dir.Path());
  const std::vector<String> before = Captions();
  try {
    Combo->SetRoot(Dir / "missing");
    ADD_FAILURE();
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message, "Error setting path: \"" + Dir / "missing" + "\"");
  }
  EXPECT_EQ(Combo->Root(), Dir.Path());
  EXPECT_EQ(Captions(), before);
  EXPECT_EQ(Combo->ItemIndex(), 0);
}

TEST_F(ShellComboBoxTest, ItemFolderHasNoneWithoutItemsAndTheBorrowedImageListOutlivesTheCombo) {
  auto* loose = new TskSkinShellComboBox(nullptr);
  EXPECT_EQ(loose->ItemFolder(0), nullptr) << "no items yet";
  EXPECT_EQ(loose->ItemFolder(-1), nullptr);
  TCustomImageList borrowed(nullptr, 24, 20);
  loose->SetImageList(&borrowed);
  EXPECT_EQ(loose->ImageWidth(), 24);
  EXPECT_EQ(loose->ImageHeight(), 20);
  delete loose;
  EXPECT_EQ(borrowed.Width(), 24) << "still alive: a borrowed list is never freed";

  MakeCombo(Dir.Path());
  EXPECT_EQ(Combo->ItemFolder(99), Combo->ItemFolder(Combo->ItemsEx().Count() - 1)) << "past the end: the last";
  {
    TCustomImageList gone(nullptr, 24, 24);
    Combo->SetImageList(&gone);
  }
  EXPECT_EQ(Combo->ImageList(), nullptr) << "a freed list is forgotten";
  EXPECT_EQ(Combo->ImageWidth(), 16) << "the shell's small icons again";
  Combo->ApplyShellImages(false);
  Combo->SetPath(Dir / "a");
  EXPECT_EQ(Combo->ItemsEx().Items(Combo->ItemIndex())->ImageIndex, -1) << "no icons without shell images";
}

TEST_F(ShellComboBoxTest, ListRowsIndentIconAndTextByHalfAnIconPerLevelAndTheFaceDoesNot) {
  MakeCombo(Dir.Path());
  Combo->SetPath(Dir / "a/b/c");
  /// The leftmost column that is not white after painting item Index with Painter.
  auto leftmost = [](const TskDrawSkinItemEvent& Painter, int Index) {
    TBitmap b;
    b.SetSize(200, 20);
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(Rect(0, 0, 200, 20));
    TRect text = Rect(2, 0, 198, 20);
    Painter(b.Canvas(), Index, 200, 20, text, {});
    for (int x = 0; x < 200; ++x)
      for (int y = 0; y < 20; ++y)
        if (b.Canvas()->Pixels(x, y) != clWhite) return x;
    return -1;
  };
  const TskDrawSkinItemEvent& row = Combo->ListBox()->OnDrawItem;
  const int root = leftmost(row, 0);
  ASSERT_GE(root, 2);
  EXPECT_EQ(leftmost(row, 1), root + 8) << "a: level 1, half a 16-pixel icon";
  EXPECT_EQ(leftmost(row, 3), root + 24) << "c: level 3";
  EXPECT_EQ(leftmost(Combo->OnComboBoxDrawItem, 3), root) << "the face shows the item without its indent";
}

}  // namespace
