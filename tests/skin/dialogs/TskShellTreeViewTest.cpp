// The shell tree: the desktop's Home expanded, a nested path selected with its ancestors expanded and the
// linked list following, child marks by object types, refresh keeping expansion and selection after
// folders come and go, dropped folders, and bad roots.
#include <sys/stat.h>

#include "platform/base/FileUtils.h"
#include "platform/shell/PopupMenuCalls.h"
#include "platform/shell/TShellContextMenu.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskCustomShellTreeView.h"
#include "tests/skin/dialogs/ShellViewFixture.h"

namespace {

class ShellTreeViewTest : public ShellViewTest {
protected:
  TskSkinDirTreeView* MakeTree(const TRoot& Root = "rfDesktop") {
    Tree = Add<TskSkinDirTreeView>(Bounds(10, 10, 250, 260));
    Tree->SetRoot(Root);
    Display->PumpUntilIdle();
    return Tree;
  }
  /// The child of Node shown as Text; null when none.
  static TTreeNode* ChildNamed(TTreeNode* Node, const String& Text) {
    for (TTreeNode* child = Node->GetFirstChild(); child; child = child->GetNextSibling())
      if (child->Text() == Text) return child;
    return nullptr;
  }
  static std::vector<String> ChildTexts(TTreeNode* Node) {
    std::vector<String> texts;
    for (TTreeNode* child = Node->GetFirstChild(); child; child = child->GetNextSibling()) texts.push_back(child->Text());
    return texts;
  }

  TskSkinDirTreeView* Tree { nullptr };
};

TEST_F(ShellTreeViewTest, TheDesktopShowsComputerAndHomeWhichExpandsToItsFolders) {
  MakeTree();
  TTreeNode* top = Tree->Items()->GetFirstNode();
  ASSERT_TRUE(top);
  EXPECT_EQ(top->Text(), "Desktop");
  EXPECT_TRUE(top->Expanded());
  EXPECT_EQ(Tree->Selected(), top);
  const std::vector<String> desktop = ChildTexts(top);
  ASSERT_GE(desktop.size(), 2u);
  EXPECT_EQ(desktop[0], "Computer");
  EXPECT_EQ(desktop[1], "Home");
  TTreeNode* home = ChildNamed(top, "Home");
  EXPECT_TRUE(home->HasChildren());
  EXPECT_EQ(home->Count(), 0) << "read when first expanded";
  home->Expand(false);
  EXPECT_EQ(ChildTexts(home), (std::vector<String> { "a", "New Folder", "only-files", "视频 文件夹" }))
      << "folders only, hidden ones left out, in the namespace's order";
  EXPECT_FALSE(ChildNamed(home, "only-files")->HasChildren());
  EXPECT_TRUE(ChildNamed(home, "a")->HasChildren());
  EXPECT_NE(top->ImageIndex(), ChildNamed(home, "a")->ImageIndex()) << "the shell's own icons";
}

TEST_F(ShellTreeViewTest, APathExpandsItsAncestorsAndMovesTheLinkedList) {
  MakeTree();
  auto* list = Add<TskSkinFileListView>(Bounds(265, 10, 120, 260));
  Tree->SetShellListView(list);
  EXPECT_EQ(list->ShellTreeView(), Tree);
  Tree->SetPath(Dir / "a/b");
  ASSERT_TRUE(Tree->Selected());
  EXPECT_EQ(Tree->Selected()->Text(), "b");
  EXPECT_EQ(Tree->Path(), Dir / "a/b");
  for (TTreeNode* node = Tree->Selected()->Parent(); node; node = node->Parent())
    EXPECT_TRUE(node->Expanded()) << node->Text();
  EXPECT_EQ(Tree->Selected()->Parent()->Parent()->Parent()->Parent()->Parent()->Text(), "Computer")
      << "Computer, the volume, /tmp, the fixture, a, b";
  EXPECT_EQ(list->Path(), Dir / "a/b");

  list->SetPath(Dir / "a/b/c");
  EXPECT_EQ(Tree->Path(), Dir / "a/b/c") << "the list's navigation selects the tree's node";
  Tree->SetSelected(Tree->Selected()->Parent()->Parent());
  EXPECT_EQ(list->Path(), Dir / "a") << "and the tree's selection moves the list";

  EXPECT_THROW(Tree->SetPath(Dir / "missing"), EInvalidPath);
  delete list;
  EXPECT_EQ(Tree->ShellListView(), nullptr) << "a freed list is forgotten";
}

TEST_F(ShellTreeViewTest, NonFoldersGiveFilesNodesAndMarkFolderHoldingOnlyFiles) {
  MakeTree(Dir.Path());
  TTreeNode* top = Tree->Items()->GetFirstNode();
  EXPECT_FALSE(ChildNamed(top, "only-files")->HasChildren());
  Tree->SetObjectTypes({ otFolders, otNonFolders });
  top = Tree->Items()->GetFirstNode();
  TTreeNode* onlyFiles = ChildNamed(top, "only-files");
  ASSERT_TRUE(onlyFiles);
  EXPECT_TRUE(onlyFiles->HasChildren());
  EXPECT_FALSE(ChildNamed(top, "pipe")) << "neither listed nor opened";
  auto* list = Add<TskSkinFileListView>(Bounds(265, 10, 120, 260));
  Tree->SetShellListView(list);
  onlyFiles->Expand(false);
  Tree->SetSelected(ChildNamed(onlyFiles, "f.txt"));
  EXPECT_EQ(list->Path(), Dir / "only-files") << "a file node moves the list to its folder";
}

TEST_F(ShellTreeViewTest, RefreshKeepsExpansionSelectionAndTopAfterFoldersComeAndGo) {
  MakeTree(Dir.Path());
  Tree->SetHeight(60);
  Tree->SetPath(Dir / "a/b/c");
  TTreeNode* top = Tree->Items()->GetFirstNode();
  Tree->SetTopItem(ChildNamed(top, "a"));
  ASSERT_EQ(mkdir((Dir / "新的").c_str(), 0755), 0);
  ASSERT_EQ(rmdir((Dir / "New Folder").c_str()), 0);
  Tree->Refresh(top);
  top = Tree->Items()->GetFirstNode();
  EXPECT_EQ(ChildTexts(top), (std::vector<String> { "a", "only-files", "新的", "视频 文件夹" }));
  ASSERT_TRUE(Tree->Selected());
  EXPECT_EQ(Tree->Path(), Dir / "a/b/c");
  EXPECT_TRUE(ChildNamed(top, "a")->Expanded());
  EXPECT_TRUE(ChildNamed(ChildNamed(top, "a"), "b")->Expanded());
  EXPECT_EQ(Tree->TopItem(), ChildNamed(top, "a"));
  EXPECT_EQ(Tree->Items()->Count(), 7) << "the old subtree is gone: the root, its four folders, b and c";
}

TEST_F(ShellTreeViewTest, RefusedFoldersAreDroppedAndABadRootRebuildsTheOldOne) {
  MakeTree(Dir.Path());
  Tree->OnAddFolder = [](TObject*, TskShellFolder* Folder, bool& CanAdd) { CanAdd = Folder->DisplayName() != "a"; };
  Tree->Refresh(Tree->Items()->GetFirstNode());
  EXPECT_EQ(ChildTexts(Tree->Items()->GetFirstNode()), (std::vector<String> { "New Folder", "only-files", "视频 文件夹" }));

  try {
    Tree->SetRoot(Dir / "missing");
    ADD_FAILURE();
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message, "Error setting path: \"" + Dir / "missing" + "\"");
  }
  EXPECT_EQ(Tree->Root(), Dir.Path());
  ASSERT_TRUE(Tree->Items()->GetFirstNode());
  EXPECT_EQ(Tree->Items()->GetFirstNode()->Text(), ExtractFileName(Dir.Path())) << "the old root was rebuilt";
}

TEST_F(ShellTreeViewTest, ARightClickSelectsTheNodeAndItsMenuRenamesInPlace) {
  MakeTree(Dir.Path());
  TTreeNode* target = ChildNamed(Tree->Items()->GetFirstNode(), "only-files");
  std::vector<String> offered;
  SetPopupMenuTracker([&](HMENU, UINT, TPoint, HWND) -> UINT {
    offered.push_back(Tree->Selected()->Text());
    return TShellContextMenu::vRename + 1;  // commands are numbered from 1
  });
  const TRect R = target->DisplayRect(true);
  ClickAt(Tree, R.Left + 3, R.Top + 3, PointerButton::Right);
  Display->PumpUntilIdle();
  SetPopupMenuTracker(nullptr);
  EXPECT_EQ(offered, (std::vector<String> { "only-files" })) << "selected before the menu opened";
  EXPECT_TRUE(Tree->IsEditing()) << "rename comes back to the tree as in-place editing";
  Display->TypeText("改名");
  Display->Key(VK_RETURN);
  Display->PumpUntilIdle();
  EXPECT_TRUE(DirectoryExists(Dir / "改名"));
  EXPECT_TRUE(ChildNamed(Tree->Items()->GetFirstNode(), "改名")) << "the parent node was read again";
}

}  // namespace
