// The shell list: masks, folders first, column sorts both ways, navigation keys, refresh, names that are
// not plain, special files listed without being opened, selection and search, and watching the folder.
#include <sys/stat.h>

#include "platform/base/FileUtils.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/base/TStringList.h"
#include "platform/shell/PopupMenuCalls.h"
#include "platform/shell/TShellContextMenu.h"
#include "platform/shell/ShellNamespace.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskMessageForm.h"
#include "skin/dialogs/TskShellChangeNotifier.h"
#include "tests/skin/dialogs/ShellViewFixture.h"

namespace {

class ShellListViewTest : public ShellViewTest {
protected:
  /// A file list whose search is open to the tests.
  class TSearchableList : public TskSkinFileListView {
  public:
    using TskSkinFileListView::TskSkinFileListView;
    using TskSkinFileListView::OwnerDataFind;
  };

  TskSkinFileListView* MakeList(TViewStyle Style = vsReport) {
    List = Add<TSearchableList>(Bounds(10, 10, 370, 260));
    List->SetViewStyle(Style);
    List->SetRoot(Dir.Path());
    Display->PumpUntilIdle();
    return List;
  }
  std::vector<String> Names() const {
    std::vector<String> names;
    for (int i = 0; i < List->EntryCount(); ++i) names.push_back(List->EntryAt(i)->DisplayName());
    return names;
  }
  /// The file names in list order (folders left out).
  std::vector<String> FileNames() const {
    std::vector<String> names;
    for (int i = 0; i < List->EntryCount(); ++i)
      if (!List->EntryAt(i)->IsFolder()) names.push_back(List->EntryAt(i)->DisplayName());
    return names;
  }
  /// Clicks the middle of a column's header section.
  void ClickHeader(int Column) {
    int x = 0;
    for (int i = 0; i < Column; ++i) x += List->Column(i)->Width();
    TPoint at { x + List->Column(Column)->Width() / 2, 5 };
    ClientToScreen(List->HeaderHandle(), &at);
    Display->Click(at.X, at.Y);
    Display->Advance(1000);  // no double click
  }
  void Press(UINT Key, std::initializer_list<UINT> Held = {}) {
    List->SetFocus();
    Display->Key(Key, Held);
    Display->PumpUntilIdle();
  }

  TskSkinFileListView* List { nullptr };
};

TEST_F(ShellListViewTest, MasksFilterFilesAndNeverFolders) {
  MakeList();
  const std::vector<String> folders { "a", "New Folder", "only-files", "视频 文件夹" };
  struct TCase {
    String Mask;
    std::vector<String> Files;
  };
  const std::vector<TCase> cases {
    { "*.mp4;*.avi", { String(196, 'L') + ".avi", "-dash.avi", "bad\xff\xfe.avi", "x.avi", "y.MP4", "中文 名字.mp4" } },
    { "Video|*.avi", { String(196, 'L') + ".avi", "-dash.avi", "bad\xff\xfe.avi", "x.avi" } },
    { "*.zip", { "arch.zip" } },
    { "avi", {} },  // a pattern without a dot
    { "", {} },
  };
  for (const TCase& c : cases) {
    List->SetMask(c.Mask);
    std::vector<String> shown = Names();
    EXPECT_EQ(std::vector<String>(shown.begin(), shown.begin() + 4), folders) << c.Mask << ": folders first, always";
    std::vector<String> files = FileNames();
    std::sort(files.begin(), files.end());
    std::vector<String> expected = c.Files;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(files, expected) << c.Mask;
  }
  List->SetMask("*");
  EXPECT_EQ(FileNames().size(), 8u) << "\"*\" takes every file, but neither the pipe nor the broken link";
  const std::vector<String> every = FileNames();
  List->SetMask("*.*");
  EXPECT_EQ(FileNames(), every) << "\"*.*\" takes also names without a dot";
  EXPECT_TRUE(std::find(every.begin(), every.end(), ".dot") == every.end()) << "hidden names stay hidden";
}

TEST_F(ShellListViewTest, HeaderClicksSortEachColumnBothWays) {
  MakeList();
  List->SetMask("x.avi;y.MP4;z.txt");
  ASSERT_GE(List->Columns()->Count(), 4);
  EXPECT_EQ(List->Column(1)->Caption(), "Size");
  struct TCase {
    int Column;
    std::vector<String> Ascending;
  };
  const std::vector<TCase> cases {
    { 0, { "x.avi", "y.MP4", "z.txt" } },
    { 1, { "y.MP4", "z.txt", "x.avi" } },  // 1000, 2000, 3000 bytes
    { 2, { "x.avi", "y.MP4", "z.txt" } },  // AVI, MP4, TXT
    { 3, { "z.txt", "y.MP4", "x.avi" } },  // oldest first
  };
  for (int column = 0; column < 4; ++column) List->Column(column)->SetWidth(80);  // every header in view
  for (const TCase& c : cases) {
    ClickHeader(c.Column);
    EXPECT_FALSE(List->SortDescending());
    EXPECT_EQ(FileNames(), c.Ascending) << "column " << c.Column;
    EXPECT_TRUE(List->EntryAt(0)->IsFolder()) << "folders first";
    ClickHeader(c.Column);
    EXPECT_TRUE(List->SortDescending());
    EXPECT_EQ(FileNames(), std::vector<String>(c.Ascending.rbegin(), c.Ascending.rend())) << "column " << c.Column;
    EXPECT_FALSE(List->EntryAt(0)->IsFolder()) << "descending puts the folders last";
  }
}

TEST_F(ShellListViewTest, DetailHeadersComeFromTheStringTable) {
  const auto Captions = [this] {
    std::vector<String> captions;
    for (int column = 0; column < List->Columns()->Count(); ++column)
      captions.push_back(List->Column(column)->Caption());
    return captions;
  };
  MakeList();
  EXPECT_EQ(Captions(), (std::vector<String> { "Name", "Size", "Type", "Date modified" }));
  TskSkinData Controls { nullptr };
  TskResourceStrData Table { nullptr };
  TStringList Lines;
  Lines.SetText("FLV_NAME=名称\nFLV_SIZE=大小\nFLV_TYPE=类型\nFLV_MODIFIED=修改日期\n");
  Table.SetResStrings(&Lines);
  Controls.SetResourceStrData(&Table);
  List->SetSkinData(&Controls);
  List->SetViewStyle(vsList);
  List->SetViewStyle(vsReport);
  EXPECT_EQ(Captions(), (std::vector<String> { "名称", "大小", "类型", "修改日期" }));
  List->SetSkinData(nullptr);
}

TEST_F(ShellListViewTest, SortingAFolderOfItemsWithoutPathsRaisesNothing) {
  MakeList();
  List->SetRoot("rfMyComputer");
  ASSERT_GE(List->EntryCount(), 1);
  for (int column = 0; column < List->Columns()->Count(); ++column) {
    EXPECT_NO_THROW(ClickHeader(column));
    EXPECT_NO_THROW(ClickHeader(column));
  }
  EXPECT_EQ(List->EntryAt(0)->PathName(), "/") << "the base order stays: the root volume first";
}

TEST_F(ShellListViewTest, KeysAndDoubleClicksNavigate) {
  MakeList();
  std::vector<String> changes;
  List->OnPathChanged = [&](TObject*) { changes.push_back(List->Path()); };
  const auto select = [&](const String& Name) {
    const std::vector<String> names = Names();
    List->SetItemIndex(int(std::find(names.begin(), names.end(), Name) - names.begin()));
  };
  select("a");
  Press(VK_RETURN);
  EXPECT_EQ(List->Path(), Dir / "a");
  select("b");
  const TRect R = List->Items()->Item(List->ItemIndex())->DisplayRect(drLabel);
  ClickAt(List, R.Left + 4, R.Top + 4);
  ClickAt(List, R.Left + 4, R.Top + 4);
  Display->PumpUntilIdle();
  EXPECT_EQ(List->Path(), Dir / "a/b") << "a double click opens the folder";
  Press(VK_BACK);
  Press(VK_BACK);
  EXPECT_EQ(List->Path(), Dir.Path());
  EXPECT_EQ(changes, (std::vector<String> { Dir / "a", Dir / "a/b", Dir / "a", Dir.Path() }));

  select("x.avi");
  Press(VK_RETURN);
  EXPECT_EQ(List->Path(), Dir.Path()) << "Enter opens folders only";
  WriteFile(Dir / "new.avi", "n");
  Press(VK_F5);
  const std::vector<String> files = FileNames();
  EXPECT_NE(std::find(files.begin(), files.end(), "new.avi"), files.end()) << "F5 reads the folder again";

  List->SetRoot("rfDesktop");
  changes.clear();
  Press(VK_BACK);
  EXPECT_EQ(ItemIDCount(List->RootFolder()->AbsoluteID()), 0);
  EXPECT_TRUE(changes.empty()) << "nothing above the desktop";
}

TEST_F(ShellListViewTest, RefreshKeepsTheIndexAndFreesTheOldRootOnce) {
  MakeList();
  const int last = List->EntryCount() - 1;
  List->SetItemIndex(last);
  List->Refresh();  // frees the root object once; a second free would show under ASan
  EXPECT_EQ(List->ItemIndex(), last);
  EXPECT_EQ(List->Path(), Dir.Path());
  List->SetItemIndex(0);
  ASSERT_EQ(rmdir((Dir / "New Folder").c_str()), 0);
  List->Refresh();
  EXPECT_EQ(List->ItemIndex(), 0);
}

TEST_F(ShellListViewTest, OddNamesAreListedWithoutLossAndSpecialFilesNotAtAll) {
  MakeList();
  List->SetMask("*");
  for (const String& name : OddNames) {
    const std::vector<String> names = Names();
    const auto at = std::find(names.begin(), names.end(), name);
    ASSERT_NE(at, names.end()) << name;
    TskShellFolder* entry = List->EntryAt(int(at - names.begin()));
    struct stat st {};
    EXPECT_EQ(stat(entry->FullObjectName().c_str(), &st), 0) << name;
    EXPECT_EQ(st.st_size, 5);
  }
  const std::vector<String> names = Names();
  EXPECT_EQ(std::find(names.begin(), names.end(), "pipe"), names.end()) << "nothing a file dialog can open";
  EXPECT_EQ(std::find(names.begin(), names.end(), "dangling"), names.end()) << "a link to nowhere";
  EXPECT_EQ(std::find(names.begin(), names.end(), ".dot"), names.end()) << "hidden without otHidden";
  ClickHeader(1);
  ClickHeader(3);
  List->SetViewStyle(vsList);
  List->SetViewStyle(vsReport);
  Display->PumpUntilIdle();  // paints every row: names and details of all of them
}

TEST_F(ShellListViewTest, ListViewColumnFitsTheLongestNamePlus32AlsoWhenTheFolderWasReadInAnotherView) {
  for (TViewStyle Read : { vsList, vsReport }) {
    MakeList(Read);
    List->SetPath(Dir / "a/b");
    List->SetMask("*");
    List->SetViewStyle(vsList);
    const String longest = "clip.avi";  // beside "c"
    List->Canvas()->Font()->Assign(List->Font());
    EXPECT_EQ(int(SendMessage(List->Handle(), LVM_GETCOLUMNWIDTH, 0, 0)), List->Canvas()->TextWidth(longest) + 32)
        << "read in view " << int(Read);
  }
}

TEST_F(ShellListViewTest, SelectedFilesComeInListOrderWithoutFolders) {
  MakeList();
  List->SetMultiSelect(true);
  List->SetMask("*.avi;*.zip");
  const std::vector<String> names = Names();
  for (const char* name : { "x.avi", "a", "arch.zip" })
    List->Items()->Item(int(std::find(names.begin(), names.end(), name) - names.begin()))->SetSelected(true);
  TStringList files;
  List->GetSelectedFiles(&files);
  std::vector<String> expected;
  for (const String& name : names)
    if (name == "x.avi" || name == "arch.zip") expected.push_back(Dir / name);
  ASSERT_EQ(files.Count(), 2);
  EXPECT_EQ(files.Strings(0), expected[0]);
  EXPECT_EQ(files.Strings(1), expected[1]);
  List->ClearSelection();
  List->SetItemIndex(int(std::find(names.begin(), names.end(), "arch.zip") - names.begin()));
  EXPECT_EQ(List->GetSelectedFile(), Dir / "arch.zip") << "an archive is a file";
}

TEST_F(ShellListViewTest, IncrementalSearchWrapsOnlyWhenAsked) {
  MakeList();
  List->SetMask("*.avi");
  auto* probe = static_cast<TSearchableList*>(List);
  EXPECT_EQ(probe->OwnerDataFind(ifPartialString, "ne", {}, nullptr, 0, sdAll, false), 1) << "New Folder";
  EXPECT_EQ(probe->OwnerDataFind(ifPartialString, "a", {}, nullptr, 1, sdAll, false), -1);
  EXPECT_EQ(probe->OwnerDataFind(ifPartialString, "a", {}, nullptr, 1, sdAll, true), 0);
  EXPECT_EQ(probe->OwnerDataFind(ifPartialString, "zzz", {}, nullptr, 1, sdAll, true), -1);
  EXPECT_EQ(probe->OwnerDataFind(ifData, "a", {}, nullptr, 0, sdAll, true), -1);
}

TEST_F(ShellListViewTest, AutoRefreshWatchesTheShownFolder) {
  MakeList();
  List->SetAutoRefresh(true);
  ASSERT_TRUE(List->Notifier());
  EXPECT_EQ(List->Notifier()->Root(), Dir.Path());
  List->SetPath(Dir / "a");
  EXPECT_EQ(List->Notifier()->Root(), Dir / "a");
  WriteFile(Dir / "a/arrived.avi", "n");
  const auto shown = [&] {
    const std::vector<String> names = Names();
    return std::find(names.begin(), names.end(), "arrived.avi") != names.end();
  };
  EXPECT_TRUE(WaitServing(shown, 3000));
  List->SetAutoRefresh(false);
  EXPECT_FALSE(List->Notifier());
}

TEST_F(ShellListViewTest, ItsContextMenuRenamesAnEntryInPlace) {
  MakeList();
  const std::vector<String> names = Names();
  List->SetItemIndex(int(std::find(names.begin(), names.end(), "z.txt") - names.begin()));
  SetPopupMenuTracker([](HMENU, UINT, TPoint, HWND) -> UINT { return TShellContextMenu::vRename + 1; });
  const TRect R = List->Items()->Item(List->ItemIndex())->DisplayRect(drLabel);
  ClickAt(List, R.Left + 4, R.Top + 4, PointerButton::Right);
  Display->PumpUntilIdle();
  SetPopupMenuTracker(nullptr);
  ASSERT_TRUE(List->IsEditing());
  Display->TypeText("说明.txt");
  Display->Key(VK_RETURN);
  Display->PumpUntilIdle();
  EXPECT_TRUE(FileExists(Dir / "说明.txt"));
  EXPECT_FALSE(FileExists(Dir / "z.txt"));
  const std::vector<String> after = Names();
  EXPECT_NE(std::find(after.begin(), after.end(), "说明.txt"), after.end());
}

TEST_F(ShellListViewTest, ItsContextMenuDeletesOnlyAfterTheSkinnedConfirmation) {
  MakeList();
  auto deleteZ = [this](std::function<void(TskMessageForm*)> Answer) {
    const std::vector<String> names = Names();
    List->SetItemIndex(int(std::find(names.begin(), names.end(), "z.txt") - names.begin()));
    SetPopupMenuTracker([Answer](HMENU, UINT, TPoint, HWND) -> UINT {
      Later([Answer] { Answer(dynamic_cast<TskMessageForm*>(Screen->ActiveForm())); });  // once the box shows
      return TShellContextMenu::vDelete + 1;
    });
    const TRect R = List->Items()->Item(List->ItemIndex())->DisplayRect(drLabel);
    ClickAt(List, R.Left + 4, R.Top + 4, PointerButton::Right);
    Display->PumpUntilIdle();
    SetPopupMenuTracker(nullptr);
  };
  String asked;
  deleteZ([&](TskMessageForm* Box) {
    ASSERT_TRUE(Box) << "the question is a skinned message box";
    asked = dynamic_cast<TskSkinStdLabel*>(Box->FindComponent("Message"))->Caption();
    Display->Key(VK_RETURN);
  });
  EXPECT_EQ(asked, "确实要永久删除“z.txt”吗？");
  EXPECT_TRUE(FileExists(Dir / "z.txt")) << "Enter answers the default button, No";

  deleteZ([this](TskMessageForm* Box) {
    ASSERT_TRUE(Box);
    ClickOn(dynamic_cast<TskSkinButton*>(Box->FindComponent("Yes")));
  });
  EXPECT_FALSE(FileExists(Dir / "z.txt"));
  const std::vector<String> after = Names();
  EXPECT_EQ(std::find(after.begin(), after.end(), "z.txt"), after.end()) << "the list was read again";
}

}  // namespace
