// The open dialog in save mode, worked by the pointer and the keyboard: the Save button and the name a
// save returns, the overwrite question through the skinned message box, and the file type rewriting a
// typed extension.
#include "platform/base/FileUtils.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "tests/skin/dialogs/MessageBoxAnswer.h"
#include "tests/skin/dialogs/OpenDialogFixture.h"

namespace {

using SaveDialogTest = FileDialogTest<SaveModeDialog>;

/// The message box's button of a kind's name ("OK", "Cancel").
TControl* ButtonOf(TskMessageForm* Box, const String& Name) {
  auto* Button = dynamic_cast<TControl*>(Box->FindComponent(Name));
  EXPECT_NE(Button, nullptr) << Name;
  return Button;
}

TEST_F(SaveDialogTest, TheSavedNameIsTheTypedOneCompletedByTheFileTypeThenDefaultExtAndNeverAFolder) {
  struct Case {
    String Typed;
    int FilterIndex;
    String DefaultExt;
    String Expected;  // "" : the dialog stays open
  };
  const Case Cases[] = {
    { "片段", 1, "", Dir / "片段.avi" },       // the first pattern of "*.avi;*.mp4"
    { "片段", 2, "", Dir / "片段.txt" },
    { "clip", 1, "mkv", Dir / "clip.avi" },   // the file type comes before DefaultExt
    { "clip", 3, "mkv", Dir / "clip.mkv" },   // "*.*" gives none, DefaultExt does
    { "clip", 3, "", Dir / "clip" },
    { "clip.mov", 1, "mkv", Dir / "clip.mov" },
    { "x", 1, "", Dir / "x.avi" },            // an existing file is taken without a question
    { "a", 1, "", Dir / "a.avi" },
    { "a", 3, "", "" },                       // names a folder
    { "*.avi", 1, "", "" },
    { "", 1, "txt", "" },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Typed + " " + C.DefaultExt);
    Dialog->SetFilterIndex(C.FilterIndex);
    Dialog->SetDefaultExt(C.DefaultExt);
    Dialog->SetFileName("");
    WhileOpen([&] {
      EXPECT_EQ(Dlg()->OpenButton->Caption(), "&Save");
      TypeName(C.Typed);
      ClickButton(Dlg()->OpenButton);
    });
    EXPECT_EQ(Dialog->Execute(), !C.Expected.empty());
    EXPECT_EQ(Dialog->FileName(), C.Expected);
  }
}

TEST_F(SaveDialogTest, SavingOverAnExistingFileAsksFirstCancelKeepsTheDialogOpenAndOnlyOkAccepts) {
  Dialog->SetOverwritePromt(true);
  const String Contents = ReadFile(Dir / "x.avi");
  int Asked = 0;
  WhileOpen([&] {
    OnMessageBox([&](TskMessageForm* Box) {
      ++Asked;
      EXPECT_EQ(Box->Message->Caption(), "Do you want to overwrite old file?");
      ClickOn(ButtonOf(Box, "Cancel"));
    });
    TypeName("x");
    ClickButton(Dlg()->OpenButton);
    EXPECT_EQ(Asked, 1) << "x.avi, the name the save would return, exists";
    EXPECT_EQ(Dlg()->ModalResult(), mrNone);
    EXPECT_EQ(Dlg()->FileNameEdit->Text(), "x");

    OnMessageBox([&](TskMessageForm*) {
      ++Asked;
      Display->Key(VK_ESCAPE);
    });
    DoubleClickItem("y.MP4");
    EXPECT_EQ(Asked, 2) << "a double-clicked file is asked about too";
    EXPECT_EQ(Dlg()->ModalResult(), mrNone);

    TypeName("新的");
    ClickButton(Dlg()->OpenButton);
    EXPECT_EQ(Asked, 2) << "新的.avi does not exist: no question";
  });
  ASSERT_TRUE(Dialog->Execute());
  EXPECT_EQ(Dialog->FileName(), Dir / "新的.avi");

  WhileOpen([&] {
    OnMessageBox([&](TskMessageForm* Box) {
      ++Asked;
      ClickOn(ButtonOf(Box, "OK"));
    });
    DoubleClickItem("x.avi");
  });
  ASSERT_TRUE(Dialog->Execute());
  EXPECT_EQ(Asked, 3);
  EXPECT_EQ(Dialog->FileName(), Dir / "x.avi");
  EXPECT_EQ(ReadFile(Dir / "x.avi"), Contents) << "the dialog only names the file";
}

TEST_F(SaveDialogTest, PickingAnotherFileTypeGivesTheTypedNameItsExtension) {
  WhileOpen([&] {
    TypeName("假期.avi");
    PickFileType(1);
    EXPECT_EQ(Dlg()->FileNameEdit->Text(), "假期.txt");
    PickFileType(2);
    EXPECT_EQ(Dlg()->FileNameEdit->Text(), "假期.txt") << "\"*.*\" has no extension to give";
    TypeName("无扩展");
    PickFileType(0);
    EXPECT_EQ(Dlg()->FileNameEdit->Text(), "无扩展.avi");
    ClickButton(Dlg()->OpenButton);
  });
  ASSERT_TRUE(Dialog->Execute());
  EXPECT_EQ(Dialog->FileName(), Dir / "无扩展.avi");
}

}  // namespace
