// The open dialog driven through its modal form: start folder, picking one or several files, typed names
// and their extensions, the file-type filter, Cancel, navigation history and new folders.
#include <unistd.h>

#include <functional>

#include "platform/base/FileUtils.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskOpenDlgForm.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"
#include "skin/dialogs/TskSkinOpenDialog.h"
#include "tests/skin/dialogs/ShellViewFixture.h"

namespace {

class SkinOpenDialogTest : public ShellViewTest {
protected:
  void SetUp() override {
    ShellViewTest::SetUp();
    Dialog = new TskSkinOpenDialog(App.get());
    Dialog->SetInitialDir(Dir.Path());
    Dialog->SetFilter("Videos|*.avi;*.mp4|Text|*.txt|All|*.*");
  }

  TskOpenDlgForm* Dlg() const { return Dialog->DlgFrm(); }
  TskSkinFileListView* List() const { return Dlg()->FileListView; }
  /// Runs Steps on the open dialog, then cancels it unless a step closed it.
  void WhileOpen(std::function<void()> Steps) {
    Later([this, Steps] {
      ASSERT_NE(Dlg(), nullptr);
      Display->PumpUntilIdle();
      Steps();
      if (Dlg()->ModalResult() == mrNone) Dlg()->SetModalResult(mrCancel);
    });
  }
  /// Selects the entries of Names (added to the selection).
  void Select(std::initializer_list<String> Names) {
    for (const String& Name : Names)
      for (int I = 0; I < List()->EntryCount(); ++I)
        if (List()->EntryAt(I)->DisplayName() == Name) List()->Items()->Item(I)->SetSelected(true);
  }
  std::vector<String> ListedFiles() const {
    std::vector<String> Names;
    for (int I = 0; I < List()->EntryCount(); ++I)
      if (!List()->EntryAt(I)->IsFolder()) Names.push_back(List()->EntryAt(I)->DisplayName());
    return Names;
  }
  void Type(const String& Text) { Dlg()->FileNameEdit->SetText(Text); }
  void Open() { ClickOn(Dlg()->OpenButton); }

  TskSkinOpenDialog* Dialog { nullptr };
};

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
  };
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

}  // namespace
