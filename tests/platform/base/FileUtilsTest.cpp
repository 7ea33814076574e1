#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "tests/platform/base/RespectFileModes.h"

namespace {

TEST(PathTest, SplittingNames) {
  struct TCase {
    String Name, Path, Dir, File, Ext;
  };
  for (const TCase& c : std::vector<TCase> {
           { "/home/u/movie.avi", "/home/u/", "/home/u", "movie.avi", ".avi" },
           { "/home/u/movie", "/home/u/", "/home/u", "movie", "" },
           { "/home/u.v1/movie", "/home/u.v1/", "/home/u.v1", "movie", "" },
           { "/home/u/archive.tar.gz", "/home/u/", "/home/u", "archive.tar.gz", ".gz" },
           { "/home/u/.hidden", "/home/u/", "/home/u", ".hidden", ".hidden" },
           { "/home/u/name.", "/home/u/", "/home/u", "name.", "." },
           { "/media/C:/a:b.mp4", "/media/C:/", "/media/C:", "a:b.mp4", ".mp4" },
           { "/tmp/back\\slash.wmv", "/tmp/", "/tmp", "back\\slash.wmv", ".wmv" },
           { "/home/u/", "/home/u/", "/home/u", "", "" },
           { "/movie.avi", "/", "/", "movie.avi", ".avi" },
           { "movie.avi", "", "", "movie.avi", ".avi" },
           { "视频/片段.MKV", "视频/", "视频", "片段.MKV", ".MKV" },
           { "", "", "", "", "" },
       }) {
    EXPECT_EQ(ExtractFilePath(c.Name), c.Path) << c.Name;
    EXPECT_EQ(ExtractFileDir(c.Name), c.Dir) << c.Name;
    EXPECT_EQ(ExtractFileName(c.Name), c.File) << c.Name;
    EXPECT_EQ(ExtractFileExt(c.Name), c.Ext) << c.Name;
    EXPECT_EQ(ExtractFileDrive(c.Name), "") << c.Name;
  }
}

TEST(PathTest, ChangingExtensionsAndDelimiters) {
  EXPECT_EQ(ChangeFileExt("/a/movie.avi", ".mp4"), "/a/movie.mp4");
  EXPECT_EQ(ChangeFileExt("/a.b/movie", ".mp4"), "/a.b/movie.mp4");
  EXPECT_EQ(ChangeFileExt("/a/x.tar.gz", ""), "/a/x.tar");
  EXPECT_EQ(ChangeFileExt("/a/.hidden", ".txt"), "/a/.txt");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/"), "/a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/a"), "/a");
}

TEST(PathTest, FileNamesCompareWithCase) {
  EXPECT_FALSE(SameFileName("/a/X.avi", "/a/x.avi"));
  EXPECT_TRUE(SameFileName("/a/x.avi", "/a/x.avi"));
  EXPECT_LT(AnsiCompareFileName("/a/X.avi", "/a/x.avi"), 0);
  EXPECT_EQ(AnsiCompareFileName("视频", "视频"), 0);
}

TEST(PathTest, ExpandFileNameFoldsDotsWithoutTouchingTheDisk) {
  const String cwd = GetCurrentDir();
  EXPECT_EQ(ExpandFileName("/a/./b//c/../d.mp4"), "/a/b/d.mp4");
  EXPECT_EQ(ExpandFileName("/a/b/"), "/a/b/");
  EXPECT_EQ(ExpandFileName("/../.."), "/");
  EXPECT_EQ(ExpandFileName("/no such/x:y"), "/no such/x:y");
  EXPECT_EQ(ExpandFileName("x.avi"), IncludeTrailingPathDelimiter(cwd) + "x.avi");
  EXPECT_EQ(ExpandFileName("sub/../y"), IncludeTrailingPathDelimiter(cwd) + "y");
  EXPECT_EQ(ExpandFileName(""), "");
}

/// A fresh temporary folder, removed with everything in it afterwards.
class FileUtilsTest : public testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/fileutils-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    Dir = String(pattern) + "/";
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }

  void Write(const String& Name, const String& Bytes) { std::ofstream(Dir + Name, std::ios::binary) << Bytes; }

  String Dir;
};

TEST_F(FileUtilsTest, ExistenceFollowsLinksAndTellsFoldersFromFiles) {
  Write("file.avi", "12345");
  ASSERT_EQ(mkdir((Dir + "folder").c_str(), 0777), 0);
  ASSERT_EQ(symlink((Dir + "file.avi").c_str(), (Dir + "link.avi").c_str()), 0);
  ASSERT_EQ(symlink((Dir + "folder").c_str(), (Dir + "folderlink").c_str()), 0);
  ASSERT_EQ(symlink((Dir + "gone").c_str(), (Dir + "dangling").c_str()), 0);
  EXPECT_TRUE(FileExists(Dir + "file.avi"));
  EXPECT_TRUE(FileExists(Dir + "link.avi"));
  EXPECT_FALSE(FileExists(Dir + "folder"));
  EXPECT_FALSE(FileExists(Dir + "dangling"));
  EXPECT_FALSE(FileExists(Dir + "FILE.AVI"));
  EXPECT_FALSE(FileExists(""));
  EXPECT_TRUE(DirectoryExists(Dir + "folder"));
  EXPECT_TRUE(DirectoryExists(Dir + "folderlink"));
  EXPECT_FALSE(DirectoryExists(Dir + "file.avi"));
  EXPECT_EQ(FileSizeOf(Dir + "file.avi"), 5);
  EXPECT_EQ(FileSizeOf(Dir + "link.avi"), 5);
  EXPECT_EQ(FileSizeOf(Dir + "folder"), 0);
  EXPECT_EQ(FileSizeOf(Dir + "missing"), -1);
  EXPECT_EQ(FileSizeOf(Dir + "*.avi"), -1);
}

TEST_F(FileUtilsTest, OnlyRegularFilesAreFilesToRead) {
  Write("file.avi", "12345");
  ASSERT_EQ(symlink((Dir + "file.avi").c_str(), (Dir + "link.avi").c_str()), 0);
  ASSERT_EQ(mkfifo((Dir + "pipe.avi").c_str(), 0666), 0);
  const std::pair<String, String> Cases[] = {
    { Dir + "file.avi", "" },
    { Dir + "link.avi", "" },
    { Dir + "missing.avi", "No such file or directory" },
    { "", "No such file or directory" },
    { Dir, "Is a directory" },
    { Dir + "pipe.avi", "Is a named pipe" },
    { "/dev/zero", "Is a device" },
  };
  for (const auto& [Name, Reason] : Cases) EXPECT_EQ(WhyNotRegularFile(Name), Reason) << Name;
  const int Handle = open("/dev/null", O_RDONLY | O_CLOEXEC);
  EXPECT_EQ(WhyNotRegularFile(Handle), "Is a device");
  close(Handle);
  EXPECT_EQ(WhyNotRegularFile(-1), "Bad file descriptor");
}

TEST_F(FileUtilsTest, CreatingFolders) {
  EXPECT_TRUE(CreateDir(Dir + "one"));
  EXPECT_FALSE(CreateDir(Dir + "one"));
  EXPECT_FALSE(CreateDir(Dir + "no/parent"));
  EXPECT_FALSE(CreateDir(""));
  EXPECT_TRUE(ForceDirectories(Dir + "输出/a/b/"));
  EXPECT_TRUE(DirectoryExists(Dir + "输出/a/b"));
  EXPECT_TRUE(ForceDirectories(Dir + "输出/a"));
  EXPECT_FALSE(ForceDirectories(""));
  Write("file", "x");
  EXPECT_FALSE(ForceDirectories(Dir + "file/sub"));
  MkDir(Dir + "two");
  EXPECT_TRUE(DirectoryExists(Dir + "two"));
  try {
    MkDir(Dir + "two");
    ADD_FAILURE() << "no exception";
  } catch (const EInOutError& e) {
    EXPECT_NE(String(e.what()).find(Dir + "two"), String::npos) << e.what();
  }
}

TEST_F(FileUtilsTest, AFolderCanBeEnteredOnlyWhenItIsASearchableFolder) {
  MkDir(Dir + "进入");
  Write("file", "x");
  MkDir(Dir + "locked");
  chmod((Dir + "locked").c_str(), 0600);
  EXPECT_NO_THROW(CheckFolderEnterable(Dir + "进入"));
  const bool Root = geteuid() == 0;  // root may search any folder
  for (const String Name : { "missing", "file", "locked", "" }) {
    if (Root && Name == "locked") continue;
    SCOPED_TRACE(Name);
    try {
      CheckFolderEnterable(Name.empty() ? Name : Dir + Name);
      ADD_FAILURE() << "no exception";
    } catch (const EInOutError& e) {
      EXPECT_NE(String(e.what()).find("Cannot enter the folder \"" + (Name.empty() ? Name : Dir + Name) + "\""),
                String::npos) << e.what();
    }
  }
  chmod((Dir + "locked").c_str(), 0700);
}

TEST_F(FileUtilsTest, RenameNeverReplacesAndDeleteLeavesFolders) {
  Write("a", "first");
  Write("b", "second");
  EXPECT_FALSE(RenameFile(Dir + "a", Dir + "b"));
  EXPECT_EQ(FileSizeOf(Dir + "b"), 6);
  EXPECT_TRUE(RenameFile(Dir + "a", Dir + "c"));
  EXPECT_FALSE(FileExists(Dir + "a"));
  EXPECT_EQ(FileSizeOf(Dir + "c"), 5);
  EXPECT_TRUE(DeleteFile(Dir + "c"));
  EXPECT_FALSE(DeleteFile(Dir + "c"));
  ASSERT_TRUE(CreateDir(Dir + "folder"));
  EXPECT_FALSE(DeleteFile(Dir + "folder"));
  EXPECT_TRUE(DirectoryExists(Dir + "folder"));
}

TEST_F(FileUtilsTest, ListingTellsKindsWithoutOpeningAndKeepsRawNames) {
  const String rawName = "bad\xFF\xFEname.avi";
  Write(".hidden", "");
  Write("clip.mp4", "1234");
  Write(rawName, "x");
  ASSERT_TRUE(CreateDir(Dir + "sub"));
  ASSERT_EQ(symlink((Dir + "clip.mp4").c_str(), (Dir + "link.mp4").c_str()), 0);
  ASSERT_EQ(symlink((Dir + "nowhere").c_str(), (Dir + "dangling").c_str()), 0);
  // A pipe nobody writes to: opening it would block the listing forever.
  ASSERT_EQ(mkfifo((Dir + "pipe").c_str(), 0666), 0);

  int error = -1;
  std::vector<TDirEntry> entries = ListDirectory(Dir, &error);
  EXPECT_EQ(error, 0);
  std::sort(entries.begin(), entries.end(), [](auto& a, auto& b) { return a.Name < b.Name; });
  std::vector<std::pair<String, TFileKind>> kinds;
  for (auto& e : entries) kinds.emplace_back(e.Name, e.Kind);
  EXPECT_EQ(kinds, (std::vector<std::pair<String, TFileKind>> {
                       { ".hidden", TFileKind::Regular }, { rawName, TFileKind::Regular },
                       { "clip.mp4", TFileKind::Regular }, { "dangling", TFileKind::Other },
                       { "link.mp4", TFileKind::Regular }, { "pipe", TFileKind::Other },
                       { "sub", TFileKind::Folder } }));
  auto clip = std::find_if(entries.begin(), entries.end(), [](auto& e) { return e.Name == "link.mp4"; });
  EXPECT_EQ(clip->Size, 4);
  EXPECT_NEAR(double(clip->LastWriteTime), double(time(nullptr)), 60);
  EXPECT_TRUE(FileExists(Dir + rawName));

  EXPECT_TRUE(ListDirectory(Dir + "missing", &error).empty());
  EXPECT_EQ(error, ENOENT);
  EXPECT_TRUE(ListDirectory(Dir + "clip.mp4", &error).empty());
  EXPECT_EQ(error, ENOTDIR);
}

TEST_F(FileUtilsTest, DirEntryOfOnePath) {
  Write("x.wmv", "abc");
  TDirEntry entry;
  ASSERT_TRUE(GetDirEntry(Dir + "x.wmv", entry));
  EXPECT_EQ(entry.Name, "x.wmv");
  EXPECT_EQ(entry.Kind, TFileKind::Regular);
  EXPECT_EQ(entry.Size, 3);
  ASSERT_TRUE(GetDirEntry(Dir, entry));
  EXPECT_EQ(entry.Kind, TFileKind::Folder);
  EXPECT_FALSE(GetDirEntry(Dir + "missing", entry));
}

TEST(ProcessPathTest, ExePathIsTheExecutablesFolderUnlessOverridden) {
  const String exe = std::filesystem::read_symlink("/proc/self/exe").string();
  EXPECT_EQ(ExePath(), ExtractFilePath(exe));
  OverrideExePath("/opt/zorvik");
  EXPECT_EQ(ExePath(), "/opt/zorvik/");
  OverrideExePath("");
  EXPECT_EQ(ExePath(), ExtractFilePath(exe));
}

TEST(ProcessPathTest, HomeAndEnvironment) {
  const String saved = GetEnvironmentVariable("HOME");
  setenv("HOME", "/tmp/some home/", 1);
  EXPECT_EQ(GetHomeDir(), "/tmp/some home");
  unsetenv("HOME");
  EXPECT_FALSE(GetHomeDir().empty());
  setenv("HOME", saved.c_str(), 1);
  EXPECT_EQ(GetEnvironmentVariable("ZORVIK_SURELY_UNSET_VARIABLE"), "");
}

// The configuration folder follows XDG_CONFIG_HOME only when it is absolute, as the convention asks.
TEST(ProcessPathTest, UserConfigDirFollowsAnAbsoluteXdgConfigHomeElseTheHomesConfig) {
  const String savedHome = GetEnvironmentVariable("HOME");
  const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
  const String saved = savedConfig ? savedConfig : "";
  setenv("HOME", "/home/u", 1);
  struct TCase {
    const char* Config;  // nullptr: unset
    String Expected;
  };
  for (const TCase& c : std::vector<TCase> { { nullptr, "/home/u/.config" },
                                             { "", "/home/u/.config" },
                                             { "relative/config", "/home/u/.config" },
                                             { "/etc/user-config/", "/etc/user-config" },
                                             { "/srv/配置", "/srv/配置" } }) {
    if (c.Config) setenv("XDG_CONFIG_HOME", c.Config, 1);
    else unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(GetUserConfigDir(), c.Expected) << (c.Config ? c.Config : "unset");
  }
  setenv("HOME", savedHome.c_str(), 1);
  if (savedConfig) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  else unsetenv("XDG_CONFIG_HOME");
}

// Judged by the rights this process really has: also the superuser is refused a read-only folder once it
// gives up its power to override modes.
TEST(ProcessPathTest, DirectoryWritableByTheProcesssEffectiveRights) {
  char pattern[] = "/tmp/writable.XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const String dir = pattern;
  std::ofstream(dir + "/file") << "x";
  EXPECT_TRUE(DirectoryWritable(dir));
  EXPECT_FALSE(DirectoryWritable(dir + "/file")) << "a file is no folder";
  EXPECT_FALSE(DirectoryWritable(dir + "/missing"));
  chmod(pattern, 0555);
  {
    TRespectFileModes respect;
    EXPECT_FALSE(DirectoryWritable(dir));
  }
  chmod(pattern, 0755);
  std::filesystem::remove_all(dir);
}

} // namespace
