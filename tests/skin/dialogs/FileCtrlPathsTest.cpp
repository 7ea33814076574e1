// Path helpers of the file controls: joining, shortening a path to a width, splitting a typed path, the
// folder test and the volume texts.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "platform/gdi/FontFace.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/dialogs/skFileCtrlPaths.h"
#include "tests/platform/shell/ShellTestSupport.h"

namespace {

TEST(FileCtrlPathsTest, AppendPathPartAddsOneSeparator) {
  EXPECT_EQ(AppendPathPart("/", "x"), "/x");
  EXPECT_EQ(AppendPathPart("/a", "x"), "/a/x");
  EXPECT_EQ(AppendPathPart("/a/", "文件"), "/a/文件");
  EXPECT_EQ(CountBackslashes("/a/b"), 2);
  EXPECT_EQ(CountBackslashes("/"), 1);
}

TEST(FileCtrlPathsTest, CutFirstFolderDropsOneFolderAtATime) {
  const std::vector<std::pair<String, String>> Steps {
    { "/a/b/c/", "/.../b/c/" }, { "/.../b/c/", "/.../c/" }, { "/.../c/", "/.../" }, { "/", "" },
    { ".../", "" },             { "a/b/", ".../b/" },       { "/视频/片段/", "/.../片段/" },
    // A folder whose name starts with a dot is a folder, not the marker of an earlier cut.
    { "/.config/a/", "/.../a/" },
  };
  for (const auto& [Before, After] : Steps) {
    String S = Before;
    CutFirstFolder(S);
    EXPECT_EQ(S, After) << Before;
  }
}

TEST(FileCtrlPathsTest, ShortenPathToWidthCutsFoldersUntilThePathFits) {
  UseTestFontFace(true);
  TBitmap Sheet;
  Sheet.SetSize(10, 10);
  TCanvas* Canvas = Sheet.Canvas();
  Canvas->Font()->SetHeight(-10);  // 6 pixels a character
  const String Path = "/alpha/beta/file.txt";
  ASSERT_EQ(Canvas->TextWidth(Path), 120);
  const std::vector<std::pair<int, String>> Cases {
    { 120, Path },          { 119, "/.../beta/file.txt" }, { 108, "/.../beta/file.txt" }, { 107, "/.../file.txt" },
    { 77, ".../file.txt" }, { 71, "file.txt" },            { 10, "file.txt" },
  };
  for (const auto& [MaxLen, Shown] : Cases) EXPECT_EQ(ShortenPathToWidth(Path, Canvas, MaxLen), Shown) << MaxLen;
  EXPECT_EQ(ShortenPathToWidth("file.txt", Canvas, 1), "file.txt");
  UseTestFontFace(false);
}

class SplitEditPathTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(mkdir((Dir / "视频").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((Dir / "视频/子目录").c_str(), 0755), 0);
    WriteFile(Dir / "视频/片段.avi", "x");
    Base = Dir / "视频";
  }

  TTempFolder Dir;
  String Base;
};

TEST_F(SplitEditPathTest, ATypedPathSplitsIntoFolderAndNameWithoutChangingTheCurrentFolder) {
  const String Before = GetCurrentDir();
  struct Case {
    String Typed, Dir, File;
  };
  const Case Cases[] = {
    { "片段.avi", Base, "片段.avi" },
    { Base + "/片段.avi", Base, "片段.avi" },
    { "子目录", Base + "/子目录", "" },
    { "子目录/", Base + "/子目录", "" },
    { "[子目录]", Base + "/子目录", "" },
    { "*.avi", Base, "*.avi" },
    { "子目录/*.mp4", Base + "/子目录", "*.mp4" },
    { "..", Dir.Path(), "" },
    { "/", "/", "" },
  };
  for (const Case& C : Cases) {
    String Drive = "?", DirPart, FilePart;
    SplitEditPath(C.Typed, Base, Drive, DirPart, FilePart);
    EXPECT_EQ(DirPart, C.Dir) << C.Typed;
    EXPECT_EQ(FilePart, C.File) << C.Typed;
    EXPECT_EQ(Drive, DriveOfPath(C.Dir)) << C.Typed;
  }
  EXPECT_EQ(GetCurrentDir(), Before);
}

TEST_F(SplitEditPathTest, AFolderThatCannotBeEnteredRaises) {
  for (const String Typed : { "没有", "没有/片段.avi", "片段.avi/x" }) {
    String Drive, DirPart, FilePart;
    EXPECT_THROW(SplitEditPath(Typed, Base, Drive, DirPart, FilePart), EInOutError) << Typed;
  }
}

TEST_F(SplitEditPathTest, FolderExistsOnlyForFolders) {
  ASSERT_EQ(symlink((Base + "/子目录").c_str(), (Dir / "link").c_str()), 0);
  EXPECT_TRUE(FolderExists(Base));
  EXPECT_TRUE(FolderExists(Dir / "link"));
  EXPECT_FALSE(FolderExists(Base + "/片段.avi"));
  EXPECT_FALSE(FolderExists(Base + "/没有"));
  EXPECT_FALSE(FolderExists(""));
}

TEST(FileCtrlPathsTest, VolumeTextsOfAFolderThatIsNoMountPoint) {
  EXPECT_EQ(DriveOfPath("/"), "/");
  EXPECT_EQ(GetVolumeLabelText("/no/such/mount", tcLowerCase), "[]");
  EXPECT_EQ(GetNetworkDriveName("/no/such/mount", tcUpperCase), "[]");
  EXPECT_EQ(InTextCase("System 盘", tcUpperCase), "SYSTEM 盘");
  EXPECT_EQ(InTextCase("System 盘", tcLowerCase), "system 盘");
}

}  // namespace
