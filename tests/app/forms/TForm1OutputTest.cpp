// The main window's output folder: read at start-up, chosen through the skinned folder dialog, opened
// through the desktop, and its field handing the focus to the job list.
#include <filesystem>

#include "platform/base/FileUtils.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/dialogs/TskCustomShellTreeView.h"
#include "skin/dialogs/TskSelDirDlgForm.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"
#include "tests/app/forms/ConverterCommandsFixture.h"
#include "tests/app/forms/TForm1Testing.h"

namespace {

class TForm1OutputTest : public ConverterCommandsTest {
protected:
  String DefaultFolder() const { return HomeDir() + "/Zorvik视频软件/输出"; }
  /// A new folder under the home folder.
  String MakeFolder(const String& Name) const {
    const String Folder = HomeDir() + "/" + Name;
    std::filesystem::create_directories(Folder);
    return Folder;
  }
  /// Answers the folder dialog by selecting Folder in its tree and pressing OK.
  void AnswerFolder(const String& Folder) {
    Answer("TskSelDirDlgForm", [this, Folder](TCustomForm* Box) {
      auto* Dialog = static_cast<TskSelDirDlgForm*>(Box);
      Dialog->DirTreeView->SetPath(Folder);
      Click(Dialog->OkButton);
    });
  }
  void AnswerCancel() {
    Answer("TskSelDirDlgForm", [this](TCustomForm* Box) { Click(static_cast<TskSelDirDlgForm*>(Box)->CancelButton); });
  }
};

// A folder chosen with OK becomes the output folder, shown, written as OutPath, with the focus in the job
// list. A cancel changes nothing, also when the shared dialog's last confirmed folder (the snapshot
// folder's command uses the same dialog) is another one.
TEST_F(TForm1OutputTest, ABrowsedFolderIsTakenAndWrittenAndACancelChangesNothing) {
  TForm1& Form = Main();
  const String Chosen = MakeFolder("视频 输出");
  AnswerFolder(Chosen);
  Click(Form.skSkinButton5);
  EXPECT_EQ(Form.Video_OutPut_Folder_Edit->Text(), Chosen);
  EXPECT_EQ(Form.FileOutPutPath, Chosen);
  EXPECT_NE(GetIni().find("[OutPath]\nOutPath=" + Chosen + "\n"), String::npos) << GetIni();
  EXPECT_TRUE(Form.lvFiles->Focused());

  const String Written = GetIni();
  Form.skSkinSelectDirectoryDialog2->SetDirectory(MakeFolder("快照"));
  AnswerCancel();
  Click(Form.skSkinButton5);
  EXPECT_EQ(Form.Video_OutPut_Folder_Edit->Text(), Chosen);
  EXPECT_EQ(Form.FileOutPutPath, Chosen);
  EXPECT_EQ(GetIni(), Written);
}

// A relative folder in option.ini names no place the user chose: the default folder replaces it, made and
// written back.
TEST_F(TForm1Test, AStoredRelativeOutputFolderIsReplacedByTheDefaultAtStartUp) {
  PutIni("[OutPath]\nOutPath=videos/out\n[Skin]\nSetSkin=0\n");
  TForm1* Form = Start();
  EXPECT_EQ(Form->Video_OutPut_Folder_Edit->Text(), OutputFolder());
  EXPECT_EQ(Form->FileOutPutPath, OutputFolder());
  EXPECT_TRUE(DirectoryExists(OutputFolder()));
  EXPECT_EQ(GetIni(), "[OutPath]\nOutPath=" + OutputFolder() + "\n[Skin]\nSetSkin=0\n");
}

// "打开" hands the shown folder to the desktop, with no working folder; the read-only field takes no typing
// and sends the focus to the job list.
TEST_F(TForm1OutputTest, OpenHandsTheFolderToTheDesktopAndTheFieldSendsTheFocusToTheList) {
  TForm1& Form = Main();
  Click(Form.skSkinButton6);
  using TRequest = TRecordingShellOpenService::TRequest;
  EXPECT_EQ(Shell.Requests, (std::vector<TRequest> { { DefaultFolder(), "" } }));
  EXPECT_TRUE(Form.lvFiles->Focused());

  Form.skSkinButton5->SetFocus();
  Click(Form.Video_OutPut_Folder_Edit);
  EXPECT_TRUE(Form.lvFiles->Focused());
  TypeText("x");
  EXPECT_EQ(Form.Video_OutPut_Folder_Edit->Text(), DefaultFolder());
}

}  // namespace
