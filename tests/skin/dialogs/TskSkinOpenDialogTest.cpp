// The open dialog driven through its modal form: start folder, picking one or several files, typed names
// and their extensions, the file-type filter, Cancel, navigation history and new folders; first by
// setting the form's state, then by the pointer and the keyboard as a user works it.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TStringList.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/dialogs/TskCustomShellComboBox.h"
#include "tests/skin/dialogs/OpenDialogFixture.h"

namespace {

using SkinOpenDialogTest = FileDialogTest<TskSkinOpenDialog>;

TEST_F(SkinOpenDialogTest, TheStartFolderIsTheFileNamesThenInitialDirThenTheExecutablesFolder) {
  struct Case {
    String FileName;
    String InitialDir;
    String Expected;
  };
  const String Exe = ExcludeTrailingPathDelimiter(ExePath());
  const Case Cases[] = {
    { Dir / "a/b/clip.avi", Dir.Path(), Dir / "a/b" },
    { Dir / "gone/clip.avi", Dir / "a", Dir / "a" },
    { Dir / "gone/clip.avi", Dir / "gone", Exe },
    { "clip.avi", "", Exe },
    { "a/b/clip.avi", "", Dir / "a/b" },
    { "gone/clip.avi", "a", Dir / "a" },
  };
  // Relative folders are taken from the current folder.
  const std::filesystem::path Before = std::filesystem::current_path();
  std::filesystem::current_path(Dir.Path());
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.FileName + " in " + C.InitialDir);
    Dialog->SetFileName(C.FileName);
    Dialog->SetInitialDir(C.InitialDir);
    WhileOpen([&] {
      EXPECT_EQ(List()->Path(), C.Expected);
      EXPECT_EQ(Dlg()->FileNameEdit->Text(), "clip.avi");
    });
    EXPECT_FALSE(Dialog->Execute());
    EXPECT_EQ(Dialog->FileName(), C.FileName) << "Cancel keeps the file name";
  }
  std::filesystem::current_path(Before);
}

TEST_F(SkinOpenDialogTest, OneSelectedFileIsChosenAndTheCurrentFolderStays) {
  char Before[4096];
  ASSERT_NE(getcwd(Before, sizeof Before), nullptr);
  WhileOpen([&] {
    Select({ "z.txt" });
    EXPECT_EQ(Dlg()->FileNameEdit->Text(), "") << "z.txt is hidden by the video filter";
  });
  EXPECT_FALSE(Dialog->Execute());
  WhileOpen([&] {
    Select({ "x.avi" });
    EXPECT_EQ(Dlg()->FileNameEdit->Text(), "x.avi");
    Open();
  });
  ASSERT_TRUE(Dialog->Execute());
  EXPECT_EQ(Dialog->FileName(), Dir / "x.avi");
  EXPECT_EQ(Dialog->Files()->Count(), 1);
  char After[4096];
  ASSERT_NE(getcwd(After, sizeof After), nullptr);
  EXPECT_STREQ(After, Before);
  EXPECT_EQ(Dialog->DlgFrm(), nullptr) << "the form is gone after Execute";
}

TEST_F(SkinOpenDialogTest, MultipleSelectionGivesEverySelectedFileInListOrder) {
  Dialog->SetMultiSelection(true);
  WhileOpen([&] {
    Select({ "y.MP4", "x.avi", "a", "-dash.avi" });
    Open();
  });
  ASSERT_TRUE(Dialog->Execute());
  std::vector<String> Files;
  for (int I = 0; I < Dialog->Files()->Count(); ++I) Files.push_back(Dialog->Files()->Strings(I));
  std::vector<String> Expected;
  WhileOpen([&] {
    for (const String& Name : ListedFiles())
      if (Name == "y.MP4" || Name == "x.avi" || Name == "-dash.avi") Expected.push_back(Dir / Name);
  });
  Dialog->Execute();
  EXPECT_EQ(Files, Expected) << "folders left out";
}

TEST_F(SkinOpenDialogTest, TypedNamesCloseOnlyWhenTheCompletedFileExists) {
  struct Case {
    String Typed;
    int FilterIndex;
    String DefaultExt;
    bool CheckFileExists;
    String Expected;  // "" : the dialog stays open
  };
  const Case Cases[] = {
    { "x", 1, "", true, Dir / "x.avi" },            // the filter's first extension
    { "z", 2, "", true, Dir / "z.txt" },
    { "z", 1, "txt", true, Dir / "z.txt" },         // DefaultExt comes first
    { "x", 3, "", true, "" },                       // "*.*" adds nothing and "x" does not exist
    { "nothing.avi", 1, "", true, "" },
    { "nothing", 1, "", false, Dir / "nothing.avi" },
    { "", 1, "", false, "" },
    { "a", 3, "", false, "" },                      // a folder is no file, existence test or not
    { "pipe", 3, "", true, Dir / "pipe" },          // not listed, yet a typed name reaches it
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Typed + " " + C.DefaultExt);
    Dialog->SetFilterIndex(C.FilterIndex);
    Dialog->SetDefaultExt(C.DefaultExt);
    Dialog->SetCheckFileExists(C.CheckFileExists);
    Dialog->SetFileName("");
    WhileOpen([&] {
      Type(C.Typed);
      Open();
    });
    EXPECT_EQ(Dialog->Execute(), !C.Expected.empty());
    EXPECT_EQ(Dialog->FileName(), C.Expected);
  }
}

TEST_F(SkinOpenDialogTest, TheFilterIndexSurvivesTheBoxRebuildAndItsMaskHidesOtherFiles) {
  Dialog->SetFilterIndex(2);
  WhileOpen([&] {
    EXPECT_EQ(Dlg()->FilterComboBox->ItemIndex(), 1);
    EXPECT_EQ(ListedFiles(), std::vector<String>({ "z.txt" }));
    Dlg()->FilterComboBox->SetItemIndex(0);
    Dlg()->FCBChange(Dlg()->FilterComboBox);
    EXPECT_EQ(List()->EntryCount() > 0, true);
    for (const String& Name : ListedFiles()) EXPECT_TRUE(Name.ends_with(".avi") || Name.ends_with(".mp4") ||
                                                         Name.ends_with(".MP4")) << Name;
    Dlg()->SelectViewStyle(vsReport);
  });
  EXPECT_FALSE(Dialog->Execute());
  EXPECT_EQ(Dialog->FilterIndex(), 1) << "stored after Cancel";
  EXPECT_EQ(Dialog->ListViewStyle, vsReport);
  EXPECT_EQ(Dialog->DialogWidth(), 450);
  EXPECT_EQ(Dialog->DialogHeight(), 290);
}

TEST_F(SkinOpenDialogTest, UpThenBackReturnsAndARefreshIsNoVisit) {
  Dialog->SetInitialDir(Dir / "a/b");
  WhileOpen([&] {
    ClickOn(Dlg()->UpToolButton);
    EXPECT_EQ(List()->Path(), Dir / "a");
    ClickOn(Dlg()->UpToolButton);
    EXPECT_EQ(List()->Path(), Dir.Path());
    EXPECT_EQ(Dlg()->HistoryCount(), 3);
    List()->Refresh();
    EXPECT_EQ(Dlg()->HistoryCount(), 3) << "a refresh is no visit";
    ClickOn(Dlg()->BackToolButton);
    EXPECT_EQ(List()->Path(), Dir / "a");
    EXPECT_EQ(Dlg()->HistoryCount(), 2);
  });
  EXPECT_FALSE(Dialog->Execute());
}

TEST_F(SkinOpenDialogTest, NewFolderCountsOnFromAnExistingName) {
  WhileOpen([&] {
    Dlg()->NewFolderToolButtonClick(nullptr);  // "New Folder" is there already
    Dlg()->NewFolderToolButtonClick(nullptr);
    EXPECT_TRUE(DirectoryExists(Dir / "New Folder(2)"));
    EXPECT_TRUE(List()->IsEditing()) << "the new folder is up for renaming";
    Display->Key(VK_ESCAPE);
  });
  EXPECT_FALSE(Dialog->Execute());
}

// ---- By the pointer and the keyboard ----

/// The names in Folder, sorted.
std::vector<String> NamesIn(const String& Folder) {
  std::vector<String> Names;
  for (const auto& Entry : std::filesystem::directory_iterator(Folder)) Names.push_back(Entry.path().filename());
  std::sort(Names.begin(), Names.end());
  return Names;
}

TEST_F(SkinOpenDialogTest, DoubleClicksEnterFoldersAndPickAFileWhileUpAndBackMoveThroughTheHistory) {
  ASSERT_EQ(mkdir((Dir / "视频 文件夹/旅行").c_str(), 0755), 0);
  MakeFile("视频 文件夹/春节 晚会.avi", 10, 500);
  WhileOpen([&] {
    DoubleClickItem("视频 文件夹");
    EXPECT_EQ(List()->Path(), Dir / "视频 文件夹");
    EXPECT_EQ(Dlg()->ShellBox->Text(), "视频 文件夹") << "the look-in box names the folder shown";
    DoubleClickItem("旅行");
    EXPECT_EQ(List()->Path(), Dir / "视频 文件夹/旅行");
    ClickButton(Dlg()->UpToolButton);
    EXPECT_EQ(List()->Path(), Dir / "视频 文件夹");
    ClickButton(Dlg()->BackToolButton);
    EXPECT_EQ(List()->Path(), Dir / "视频 文件夹/旅行") << "Back returns to the folder Up left";
    ClickButton(Dlg()->BackToolButton);
    EXPECT_EQ(List()->Path(), Dir / "视频 文件夹");
    EXPECT_EQ(Dlg()->ModalResult(), mrNone) << "entering folders chose nothing";
    DoubleClickItem("春节 晚会.avi");
  });
  ASSERT_TRUE(Dialog->Execute());
  EXPECT_EQ(Dialog->FileName(), Dir / "视频 文件夹/春节 晚会.avi");
  ASSERT_EQ(Dialog->Files()->Count(), 1);
  EXPECT_EQ(Dialog->Files()->Strings(0), Dialog->FileName());
}

TEST_F(SkinOpenDialogTest, ShiftAndCtrlClicksPickThreeFilesAndOpenGivesThemInListOrderWithoutFolders) {
  Dialog->SetMultiSelection(true);
  std::vector<String> Expected;
  WhileOpen([&] {
    ClickItem("x.avi");
    ClickItem("中文 名字.mp4", { VK_SHIFT });
    EXPECT_EQ(List()->SelCount(), 3) << "x.avi through 中文 名字.mp4";
    ClickItem("y.MP4", { VK_CONTROL });
    ClickItem("-dash.avi", { VK_CONTROL });
    ClickItem("a", { VK_CONTROL });
    EXPECT_EQ(List()->SelCount(), 4);
    EXPECT_EQ(Dlg()->FileNameEdit->Text(), "-dash.avi") << "the first selected file";
    for (const String& Name : ListedFiles())
      if (Name == "-dash.avi" || Name == "x.avi" || Name == "中文 名字.mp4") Expected.push_back(Dir / Name);
    ClickButton(Dlg()->OpenButton);
  });
  ASSERT_TRUE(Dialog->Execute());
  EXPECT_EQ(Dialog->FileName(), Dir / "-dash.avi");
  std::vector<String> Files;
  for (int I = 0; I < Dialog->Files()->Count(); ++I) Files.push_back(Dialog->Files()->Strings(I));
  EXPECT_EQ(Files, Expected);
}

TEST_F(SkinOpenDialogTest, EnterInTheNameEditFiltersByAPatternOpensTypedFolderPathsAndElseActsAsOpen) {
  WhileOpen([&] {
    EnterName("*.txt");
    EXPECT_EQ(ListedFiles(), std::vector<String>({ "z.txt" }));
    EXPECT_EQ(Dlg()->FilterComboBox->ItemIndex(), 0) << "the file type stays";
    EnterName("a/b/");
    EXPECT_EQ(List()->Path(), Dir / "a/b") << "a relative path starts at the folder shown";
    EnterName("../../视频 文件夹");
    EXPECT_EQ(List()->Path(), Dir / "视频 文件夹");
    EnterName(Dir / "a");
    EXPECT_EQ(List()->Path(), Dir / "a");
    for (const String& Typed : { Dir / "x.avi", String("/no/such/folder"), String("c") }) {
      EnterName(Typed);
      EXPECT_EQ(List()->Path(), Dir / "a") << Typed;
      EXPECT_EQ(Dlg()->ModalResult(), mrNone) << Typed << ": no folder and no file of this folder";
    }
    TypeName(Dir / "x.avi");
    ClickButton(Dlg()->OpenButton);
    EXPECT_EQ(Dlg()->ModalResult(), mrNone) << "a typed absolute path is joined to the folder shown";
  });
  EXPECT_FALSE(Dialog->Execute());
  WhileOpen([&] { EnterName("中文 名字.mp4"); });
  ASSERT_TRUE(Dialog->Execute());
  EXPECT_EQ(Dialog->FileName(), Dir / "中文 名字.mp4");
}

TEST_F(SkinOpenDialogTest, PickingAFileTypeInItsBoxShowsOnlyTheFilesItsMaskAccepts) {
  WhileOpen([&] {
    PickFileType(1);
    EXPECT_EQ(ListedFiles(), std::vector<String>({ "z.txt" }));
    PickFileType(2);
    const std::vector<String> All = ListedFiles();
    EXPECT_NE(std::find(All.begin(), All.end(), "arch.zip"), All.end());
    EXPECT_NE(std::find(All.begin(), All.end(), "z.txt"), All.end());
    PickFileType(0);
    const std::vector<String> Videos = ListedFiles();
    EXPECT_NE(std::find(Videos.begin(), Videos.end(), "中文 名字.mp4"), Videos.end());
    for (const String& Name : Videos) {
      const String Ext = LowerCase(ExtractFileExt(Name));
      EXPECT_TRUE(Ext == ".avi" || Ext == ".mp4") << Name;
    }
    PickFileType(1);
    ClickButton(Dlg()->CancelButton);
  });
  EXPECT_FALSE(Dialog->Execute());
  EXPECT_EQ(Dialog->FilterIndex(), 2) << "the type shown last is kept for the next run";
}

TEST_F(SkinOpenDialogTest, NewFolderClickedTwiceNamesTheSecondWithItsNumberAlsoInAnotherFolder) {
  TskSkinData Controls { nullptr };
  TskResourceStrData Table { nullptr };
  TStringList Lines;
  Lines.SetText("MSG_NEWFOLDER=新建文件夹\n");
  Table.SetResStrings(&Lines);
  Controls.SetResourceStrData(&Table);
  Dialog->SetCtrlSkinData(&Controls);
  Dialog->SetInitialDir(Dir / "a");
  WhileOpen([&] {
    ClickButton(Dlg()->NewFolderToolButton);
    ASSERT_TRUE(DirectoryExists(Dir / "a/新建文件夹"));
    ASSERT_TRUE(List()->IsEditing()) << "the new folder is up for renaming";
    Display->TypeText("旅行 照片");
    Display->Key(VK_RETURN);
    Display->PumpUntilIdle();
    EXPECT_TRUE(DirectoryExists(Dir / "a/旅行 照片"));
    ClickButton(Dlg()->UpToolButton);
    ClickButton(Dlg()->NewFolderToolButton);
    EXPECT_TRUE(DirectoryExists(Dir / "新建文件夹(2)")) << "the count goes on in another folder";
    EXPECT_TRUE(List()->IsEditing());
    Display->Key(VK_ESCAPE);
  });
  EXPECT_FALSE(Dialog->Execute());
  EXPECT_FALSE(DirectoryExists(Dir / "新建文件夹"));
}

TEST_F(SkinOpenDialogTest, CancelAndEscapeReturnFalseAndLeaveTheChosenFilesAndTheFolderAsTheyWere) {
  WhileOpen([&] { DoubleClickItem("x.avi"); });
  ASSERT_TRUE(Dialog->Execute());
  Dialog->SetMultiSelection(true);
  const std::vector<String> Before = NamesIn(Dir.Path());
  for (bool ByEscape : { false, true }) {
    WhileOpen([&] {
      ClickItem("y.MP4");
      ClickItem("中文 名字.mp4", { VK_CONTROL });
      TypeName("别的.avi");
      if (ByEscape) Display->Key(VK_ESCAPE);
      else ClickButton(Dlg()->CancelButton);
      EXPECT_EQ(Dlg()->ModalResult(), mrCancel);
    });
    EXPECT_FALSE(Dialog->Execute());
    EXPECT_EQ(Dialog->FileName(), Dir / "x.avi");
    ASSERT_EQ(Dialog->Files()->Count(), 1);
    EXPECT_EQ(Dialog->Files()->Strings(0), Dir / "x.avi");
    EXPECT_EQ(NamesIn(Dir.Path()), Before);
  }
}

}  // namespace
