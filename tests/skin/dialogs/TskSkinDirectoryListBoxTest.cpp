// The directory list box: the chain down to the folder and its subfolders, the item paths, the
// selection when the window is made, opening items, and the linked file list and label.
#include "platform/base/Exception.h"
#include "platform/shell/Volumes.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/dialogs/TskSkinDirectoryListBox.h"
#include "skin/dialogs/TskSkinFileListBox.h"
#include "skin/dialogs/skFileCtrlPaths.h"
#include "tests/skin/dialogs/FileCtrlFixture.h"

namespace {

class DirectoryListBoxTest : public FileCtrlTest {
protected:
  /// A list showing Folder whose window is made only afterwards.
  TskSkinDirectoryListBox* ListOf(const String& Folder) {
    auto* List = new TskSkinDirectoryListBox(Form);
    List->SetBounds(10, 10, 300, 250);
    List->SetDirectory(Folder);
    List->SetParent(Form);
    List->HandleNeeded();
    return List;
  }
  /// The names of the folders from "/" down to Folder.
  static std::vector<String> Chain(const String& Folder) {
    std::vector<String> Parts { "/" };
    size_t Start = 1;
    while (Start < Folder.size()) {
      const size_t Slash = std::min(Folder.find('/', Start), Folder.size());
      Parts.push_back(Folder.substr(Start, Slash - Start));
      Start = Slash + 1;
    }
    return Parts;
  }
  void DoubleClickItem(TskSkinDirectoryListBox* List, int Index) {
    const TRect R = List->ItemRect(Index);
    const TPoint P = At(List->ListBox, R.Left + 30, (R.Top + R.Bottom) / 2);
    Display->Click(P.X, P.Y);
    Display->Click(P.X, P.Y);
    Display->PumpUntilIdle();
  }
};

TEST_F(DirectoryListBoxTest, TheChainAndTheVisibleSubfoldersWithThePathOfEachItem) {
  TskSkinDirectoryListBox* List = ListOf(Video);
  std::vector<String> Expected = Chain(Video);
  const int Current = int(Expected.size()) - 1;
  Expected.insert(Expected.end(), { "子目录", "旅行 2026" });
  std::vector<String> Shown = Lines(List->Items());
  std::sort(Shown.begin() + Current + 1, Shown.end());
  std::sort(Expected.begin() + Current + 1, Expected.end());
  EXPECT_EQ(Shown, Expected) << "hidden folders are left out";
  EXPECT_EQ(List->Items()->Objects(Current), List->CurrentBMP.get());
  EXPECT_EQ(List->Items()->Objects(0), List->OpenedBMP.get());
  EXPECT_EQ(List->ItemIndex(), Current) << "the current folder is selected when the window is made";

  EXPECT_EQ(List->GetItemPath(0), "/");
  EXPECT_EQ(List->GetItemPath(Current), Video);
  EXPECT_EQ(List->GetItemPath(Current - 1), Dir.Path());
  EXPECT_EQ(List->GetItemPath(1), "/" + Expected[1]);
  EXPECT_EQ(List->GetItemPath(List->Items()->IndexOf("子目录")), Video + "/子目录");
  EXPECT_EQ(List->GetItemPath(List->Items()->Count()), "");
  EXPECT_EQ(List->Drive(), DriveOfPath(Video));
}

TEST_F(DirectoryListBoxTest, AtTheRootTheRootItemIsSelectedNotTheFirstSubfolder) {
  TskSkinDirectoryListBox* List = ListOf("/");
  EXPECT_EQ(List->Items()->Strings(0), "/");
  EXPECT_EQ(List->Items()->Objects(0), List->CurrentBMP.get());
  EXPECT_EQ(List->ItemIndex(), 0);
  ASSERT_GT(List->Items()->Count(), 1);
  EXPECT_EQ(List->Items()->Objects(1), List->ClosedBMP.get());
  EXPECT_EQ(List->GetItemPath(1), "/" + List->Items()->Strings(1));
}

TEST_F(DirectoryListBoxTest, ADoubleClickOrEnterOpensAnItemAndTheLinkedControlsFollow) {
  TskSkinDirectoryListBox* List = ListOf(Video);
  auto* Files = Add<TskSkinFileListBox>(Bounds(320, 10, 150, 200));
  Files->HandleNeeded();
  auto* Label = Add<TskSkinStdLabel>(Bounds(10, 265, 100, 16));
  Label->SetAutoSize(false);
  Label->SetWidth(100);
  List->SetFileList(Files);
  List->SetDirLabel(Label);
  std::vector<String> Seen;
  List->OnChange = [&](TObject*) { Seen.push_back(List->Directory()); };

  DoubleClickItem(List, List->Items()->IndexOf("子目录"));
  EXPECT_EQ(List->Directory(), Video + "/子目录");
  EXPECT_EQ(Files->Directory(), Video + "/子目录");
  EXPECT_EQ(Label->Caption(), ShortenPathToWidth(Video + "/子目录", Label->Canvas(), 100));
  EXPECT_LE(Label->Canvas()->TextWidth(Label->Caption()), 100);

  List->SetItemIndex(List->Items()->IndexOf("深处"));
  List->ListBox->SetFocus();
  Display->Key(VK_RETURN);
  EXPECT_EQ(List->Directory(), Video + "/子目录/深处");

  DoubleClickItem(List, List->Items()->IndexOf("视频"));
  EXPECT_EQ(List->Directory(), Video);
  EXPECT_EQ(Seen, (std::vector<String> { Video + "/子目录", Video + "/子目录/深处", Video }));
  EXPECT_EQ(List->ItemIndex(), List->Items()->IndexOf("视频"));
}

TEST_F(DirectoryListBoxTest, AFolderThatCannotBeEnteredRaisesAndKeepsTheList) {
  TskSkinDirectoryListBox* List = ListOf(Video);
  const std::vector<String> Before = Lines(List->Items());
  EXPECT_THROW(List->SetDirectory(Video + "/不存在"), EInOutError);
  EXPECT_THROW(List->SetDirectory(Video + "/说明.txt/x"), EInOutError);
  EXPECT_EQ(List->Directory(), Video);
  EXPECT_EQ(Lines(List->Items()), Before);
  List->SetDirectory(Video + "/说明.txt");
  EXPECT_EQ(List->Directory(), Video) << "a file's folder";
}

TEST_F(DirectoryListBoxTest, OnACaseInsensitiveVolumeANameInAnotherCaseIsTheSameFolder) {
  const String Card = Dir / "Card";
  ASSERT_EQ(mkdir(Card.c_str(), 0755), 0);
  ASSERT_EQ(mkdir((Card + "/Clips").c_str(), 0755), 0);
  OverrideMountTable("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                     "2 1 8:17 / " + Card + " rw - vfat /dev/sdz1 rw\n");
  struct TRestoreMountTable {
    ~TRestoreMountTable() { OverrideMountTable(""); }
  } Restore;
  TskSkinDirectoryListBox* List = ListOf(Card + "/Clips");
  int Changes = 0;
  List->OnChange = [&](TObject*) { ++Changes; };
  EXPECT_FALSE(List->CaseSensitive());
  EXPECT_TRUE(List->PreserveCase());
  EXPECT_EQ(List->DisplayCase("Clips"), "Clips") << "names show as the volume keeps them";
  EXPECT_EQ(List->FileCompareText("Clips", "CLIPS"), 0);

  const std::vector<String> Before = Lines(List->Items());
  List->SetDirectory(Card + "/CLIPS");
  EXPECT_EQ(List->Directory(), Card + "/Clips") << "already there";
  EXPECT_EQ(Lines(List->Items()), Before);
  EXPECT_EQ(Changes, 0);

  // The folder above the card lies on a volume whose names keep their case apart.
  List->SetDirectory(Dir.Path());
  EXPECT_TRUE(List->CaseSensitive());
  EXPECT_NE(List->FileCompareText("Card", "CARD"), 0);
  EXPECT_THROW(List->SetDirectory(Dir / "CARD"), EInOutError);
}

}  // namespace
