// Snapshots of the preview with the real player: the picture on screen saved in the snapshot folder under
// the previewed file's name with a number per type, the picture types chosen in the settings menu, the
// folder commands, the capture button's save dialog, and the failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/settings/OptionFile.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TGIFImage.h"
#include "platform/gdi/TJPEGImage.h"
#include "platform/gdi/TPngImage.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/Input.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/dialogs/TskOpenDlgForm.h"
#include "skin/dialogs/TskSelDirDlgForm.h"
#include "skin/dialogs/TskSkinSavePictureDialog.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"
#include "skin/form/TskSkinPopupMenu.h"
#include "tests/app/forms/PreviewFixture.h"
#include "tests/platform/base/RespectFileModes.h"

namespace {

namespace fs = std::filesystem;

/// The frame number a saved picture shows, read through the project's picture class of its type; -1 when
/// it does not hold a picture of the clip's size.
template <class TPicture> int SavedFrame(const String& AFileName) {
  TPicture Picture;
  Picture.LoadFromFile(AFileName);
  TBitmap Bitmap;
  Bitmap.Assign(&Picture);
  Bitmap.SetPixelFormat(pf24bit);
  if (Bitmap.Width() != Fixture::Width || Bitmap.Height() != Fixture::Height) return -1;
  return Fixture::FrameNumberOf([&](int X, int Y) {
    const auto* Row = static_cast<const uint8_t*>(Bitmap.ScanLine(Y));
    return Fixture::TRGB { Row[X * 3 + 2], Row[X * 3 + 1], Row[X * 3] };
  });
}

class TForm1SnapshotTest : public PreviewFixture {
protected:
  String Folder() const { return HomeDir() + "/Zorvik视频软件/快照"; }
  String Ini() const {
    std::ostringstream Text;
    Text << std::ifstream(InstallDir() + "option.ini", std::ios::binary).rdbuf();
    return Text.str();
  }
  /// The [SnapShot] section as the file holds it.
  String SnapshotSection() const {
    const String Text = Ini();
    const size_t At = Text.find("[SnapShot]");
    return At == String::npos ? String() : Text.substr(At);
  }
  void PutSnapshotSection(const String& ALines) const {
    std::ofstream(InstallDir() + "option.ini", std::ios::app) << "[SnapShot]\n" << ALines;
  }
  std::vector<String> FilesInFolder() const {
    std::vector<String> Names;
    if (fs::is_directory(Folder()))
      for (const auto& Entry : fs::directory_iterator(Folder())) Names.push_back(Entry.path().filename().string());
    std::sort(Names.begin(), Names.end());
    return Names;
  }
  /// The program ended and started again.
  void Restart() {
    delete Form7;
    delete Form5;
    delete Form2;
    delete Form1;
    Form7 = nullptr;
    Form5 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
    Form = Start();
  }
  std::vector<bool> Ticks() const { return { Form->BMP1->Checked(), Form->JPG1->Checked(), Form->GIF1->Checked(), Form->PNG1->Checked() }; }
};

TEST_F(TForm1SnapshotTest, EachTypeSavesThePictureOnScreenNumberedPerTypeAlsoAfterARestart) {
  OpenPaused(Media().Clip);
  const int Shown = PanelFrame();
  Click(Form->skSkinButton22);
  EXPECT_EQ(SnapshotSection(), "[SnapShot]\nDir=" + Folder() + "\nPicture=BMP\n");
  EXPECT_EQ(SavedFrame<TBitmap>(Folder() + "/clip_1.bmp"), Shown);

  Form->PNG1->Click();
  EXPECT_EQ(Ticks(), (std::vector<bool> { false, false, false, true }));
  Click(Form->skSkinButton22);
  EXPECT_EQ(SavedFrame<TPngImage>(Folder() + "/clip_1.png"), Shown);
  Form->JPG1->Click();
  Click(Form->skSkinButton22);
  EXPECT_EQ(SavedFrame<TJPEGImage>(Folder() + "/clip_1.jpg"), Shown);
  Form->GIF1->Click();
  Click(Form->skSkinButton22);
  EXPECT_EQ(SavedFrame<TGIFImage>(Folder() + "/clip_1.gif"), Shown);
  Form->BMP1->Click();
  Click(Form->skSkinButton22);
  EXPECT_EQ(FilesInFolder(), (std::vector<String> { "clip_1.bmp", "clip_1.gif", "clip_1.jpg", "clip_1.png", "clip_2.bmp" }));

  // The stored type survives the restart; the menu shows it once a snapshot has read it.
  Form->PNG1->Click();
  Restart();
  EXPECT_EQ(Ticks(), (std::vector<bool> { true, false, false, false }));
  OpenPaused(Media().Clip);
  Click(Form->skSkinButton22);
  EXPECT_EQ(Ticks(), (std::vector<bool> { false, false, false, true }));
  EXPECT_EQ(SavedFrame<TPngImage>(Folder() + "/clip_2.png"), PanelFrame());
}

TEST_F(TForm1SnapshotTest, NoPictureSavesNoFileButTheFolderAndTypeAreSettled) {
  Click(Form->skSkinButton22);
  EXPECT_TRUE(fs::is_directory(Folder()));
  EXPECT_EQ(SnapshotSection(), "[SnapShot]\nDir=" + Folder() + "\nPicture=BMP\n");
  EXPECT_TRUE(FilesInFolder().empty()) << "nothing is open";

  AddFile(Media().Tone);
  Click(Form->skSkinButton13);
  PumpUntil([&] { return Count("Resume") == 1; });
  Click(Form->skSkinButton22);
  EXPECT_TRUE(FilesInFolder().empty()) << "a sound-only file has no picture";
}

TEST_F(TForm1SnapshotTest, AnInvalidStoredTypeIsRewrittenAndThePressOpensTheMenuAtTheCursor) {
  PutSnapshotSection("Picture=jpg\n");
  Click(Form->skSkinButton23);
  TPoint Cursor;
  GetCursorPos(&Cursor);
  EXPECT_EQ(Form->skSkinPopupMenu2->PopupPointAt(), Cursor);
  Key(VK_ESCAPE);
  EXPECT_EQ(SnapshotSection(), "[SnapShot]\nPicture=BMP\n");
  EXPECT_EQ(Ticks(), (std::vector<bool> { true, false, false, false }));

  WriteOption(okPicture, "GIF");
  Click(Form->skSkinButton23);
  Key(VK_ESCAPE);
  EXPECT_EQ(Ticks(), (std::vector<bool> { false, false, true, false }));
}

TEST_F(TForm1SnapshotTest, AFolderThatCannotBeWrittenShowsTheCreationErrorAndLeavesNoFile) {
  TRespectFileModes AsAnyUser;
  const String Locked = HomeDir() + "/locked";
  fs::create_directories(Locked);
  fs::permissions(Locked, fs::perms::owner_read | fs::perms::owner_exec);
  PutSnapshotSection("Dir=" + Locked + "\n");
  OpenPaused(Media().Clip);
  String Shown;
  Answer("MessageBox", [&](TCustomForm* Box) {
    Shown = MessageText(Box);
    Press(Box, "OK");
  });
  Click(Form->skSkinButton22);
  EXPECT_EQ(Shown, "Cannot create file \"" + Locked + "/clip_1.bmp\". Permission denied");
  EXPECT_TRUE(fs::is_empty(Locked));
  fs::permissions(Locked, fs::perms::owner_all);
}

TEST_F(TForm1SnapshotTest, TheFolderCommandsOpenTheFolderAndStoreOnlyAChosenOne) {
  Form->MenuItem1->Click();
  EXPECT_EQ(Shell.Opened, std::vector<String> { Folder() });
  EXPECT_TRUE(fs::is_directory(Folder()));

  // The dialog starts where the output folder's browse left it.
  const String Chosen = HomeDir() + "/shots";
  fs::create_directories(Chosen);
  Form->skSkinSelectDirectoryDialog2->SetDirectory(Chosen);
  Answer("TskSelDirDlgForm", [&](TCustomForm* Dialog) { Click(static_cast<TskSelDirDlgForm*>(Dialog)->CancelButton); });
  Form->MenuItem2->Click();
  EXPECT_NE(SnapshotSection().find("Dir=" + Folder() + "\n"), String::npos) << "a cancel stores nothing";

  Answer("TskSelDirDlgForm", [&](TCustomForm* Dialog) { Click(static_cast<TskSelDirDlgForm*>(Dialog)->OkButton); });
  Form->MenuItem2->Click();
  EXPECT_NE(SnapshotSection().find("Dir=" + Chosen + "\n"), String::npos);
  OpenPaused(Media().Awkward);
  Click(Form->skSkinButton22);
  EXPECT_TRUE(fs::exists(Chosen + "/测试 视频.a.b_1.bmp"));
}

TEST_F(TForm1SnapshotTest, TheCaptureButtonWritesBmpForABmpNameAndJpegForAnyOther) {
  OpenPaused(Media().Clip);
  const int Shown = PanelFrame();
  const String Shots = HomeDir() + "/captures";
  fs::create_directories(Shots);
  Form->SavePictureDialog1->SetInitialDir(Shots);
  const auto SaveAs = [&](const String& AName) {
    Answer("TskOpenPictureDlgForm", [&, AName](TCustomForm* Dialog) {
      auto* Save = static_cast<TskOpenDlgForm*>(Dialog);
      Save->FileNameEdit->SetText(AName);
      Click(Save->OpenButton);
    });
    Form->btnCapture->Click();
  };
  SaveAs("shot.BMP");
  EXPECT_EQ(SavedFrame<TBitmap>(Shots + "/shot.BMP"), Shown);
  SaveAs("shot.png");
  EXPECT_EQ(SavedFrame<TJPEGImage>(Shots + "/shot.png"), Shown) << "JPEG whatever the name says";
  EXPECT_FALSE(fs::exists(Folder())) << "no snapshot folder or type is used";
}

}  // namespace
