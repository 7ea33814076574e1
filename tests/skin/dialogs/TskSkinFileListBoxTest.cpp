// The file list box: the entries a mask and a set of kinds list, typed paths and names, the linked edit.
#include <unistd.h>

#include "platform/base/Exception.h"
#include "platform/ui/toolkit/TEdit.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/dialogs/TskSkinFileListBox.h"
#include "tests/skin/dialogs/FileCtrlFixture.h"

namespace {

class FileListBoxTest : public FileCtrlTest {
protected:
  void SetUp() override {
    FileCtrlTest::SetUp();
    List = Add<TskSkinFileListBox>(Bounds(10, 10, 200, 200));
    List->HandleNeeded();
    List->SetDirectory(Video);
  }

  TskSkinFileListBox* List { nullptr };
};

TEST_F(FileListBoxTest, MasksListMatchingFilesOnceWithoutLetterCase) {
  const std::vector<std::pair<String, std::multiset<String>>> Cases {
    { "*.*", { "片段.avi", "电影.MP4", "说明.txt", "只读.avi" } },
    { "*.avi;*.mp4", { "片段.avi", "电影.MP4", "只读.avi" } },
    { "*.AVI;*.*", { "片段.avi", "电影.MP4", "说明.txt", "只读.avi" } },
    { "说明.txt", { "说明.txt" } },
    { "", {} },
  };
  for (const auto& [Mask, Files] : Cases) {
    List->SetMask(Mask);
    EXPECT_EQ(Listed(List->Items()), Files) << Mask;
  }
  EXPECT_TRUE(List->Sorted());
}

TEST_F(FileListBoxTest, KindsChooseWhatIsFoundAndListed) {
  struct Case {
    TskFileType Type;
    std::multiset<String> Shown;
  };
  const std::vector<Case> Cases {
    { { skftDirectory }, { "[.]", "[..]", "[子目录]", "[旅行 2026]" } },
    { { skftDirectory, skftHidden }, { "[.]", "[..]", "[子目录]", "[旅行 2026]", "[.隐藏目录]", ".隐藏.avi" } },
    { { skftNormal, skftHidden }, { "片段.avi", "电影.MP4", "说明.txt", "只读.avi", ".隐藏.avi" } },
    { { skftNormal, skftDirectory },
      { "[.]", "[..]", "[子目录]", "[旅行 2026]", "片段.avi", "电影.MP4", "说明.txt", "只读.avi" } },
    { { skftArchive }, { "片段.avi", "电影.MP4", "说明.txt", "只读.avi" } },
  };
  for (const Case& C : Cases) {
    List->SetFileType(C.Type);
    EXPECT_EQ(Listed(List->Items()), C.Shown) << C.Type.Bits();
  }
  if (geteuid() != 0) {  // root may write any file
    List->SetFileType({ skftReadOnly });
    EXPECT_EQ(Lines(List->Items()), (std::vector<String> { "只读.avi" }));
  }
}

TEST_F(FileListBoxTest, TypedPathsMoveTheFolderChangeTheMaskOrSelectAName) {
  auto* Edit = Add<TEdit>(Bounds(10, 220, 200, 20));
  List->SetFileEdit(Edit);
  EXPECT_EQ(Edit->Text(), "*.*");

  List->SetMask("*.avi");
  List->ApplyFilePath("*.txt");
  EXPECT_EQ(List->Mask(), "*.txt") << "a pattern only changes the mask";
  EXPECT_EQ(List->Directory(), Video);

  List->SetMask("*.avi");
  List->ApplyFilePath("说明.txt");
  EXPECT_EQ(List->Mask(), "说明.txt") << "a file the mask hides becomes the mask";
  EXPECT_EQ(List->FileName(), Video + "/说明.txt");
  EXPECT_EQ(Edit->Text(), "说明.txt");

  List->SetMask("*.*");
  List->ApplyFilePath(Video + "/片段.avi");
  EXPECT_EQ(List->FileName(), Video + "/片段.avi");

  List->ApplyFilePath("子目录");
  EXPECT_EQ(List->Directory(), Video + "/子目录");
  EXPECT_EQ(List->ItemIndex(), -1);
  EXPECT_EQ(Edit->Text(), "*.*");

  EXPECT_THROW(List->ApplyFilePath("不存在"), EInOutError);
  EXPECT_EQ(List->Directory(), Video + "/子目录") << "kept after the error";
}

TEST_F(FileListBoxTest, AClickedNameShowsInTheEditAndOnChangeFiresOncePerSelection) {
  auto* Edit = Add<TEdit>(Bounds(10, 220, 200, 20));
  List->SetFileEdit(Edit);
  int Changes = 0;
  List->OnChange = [&](TObject*) { ++Changes; };
  const int Index = List->Items()->IndexOf("说明.txt");
  const TRect R = List->ItemRect(Index);
  ClickAt(List->ListBox, R.Left + 5, (R.Top + R.Bottom) / 2);
  Display->PumpUntilIdle();
  EXPECT_EQ(List->ItemIndex(), Index);
  EXPECT_EQ(Edit->Text(), "说明.txt");
  EXPECT_EQ(Changes, 1);
  ClickAt(List->ListBox, R.Left + 5, (R.Top + R.Bottom) / 2);
  Display->PumpUntilIdle();
  EXPECT_EQ(Changes, 1) << "the same selection again";
  delete Edit;
  List->SetMask("*.avi");
  EXPECT_EQ(List->FileEdit(), nullptr);
}

}  // namespace
