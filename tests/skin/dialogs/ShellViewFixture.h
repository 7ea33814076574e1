#pragma once
// A temporary folder tree for the shell views, on a shown form of the headless presenter.
#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/MainThread.h"
#include "tests/platform/shell/ShellTestSupport.h"
#include "tests/skin/controls/SkinControlFixture.h"

/// The fixture folder: a/b/c nested; files of known sizes and times (x.avi 3000 bytes, y.MP4 1000,
/// z.txt 2000, arch.zip 10; oldest z, then y, then x); a folder holding only files; a hidden file and
/// folder; a folder named "New Folder"; names in Chinese, with spaces, a leading dash, bytes that are not
/// UTF-8 and 200 characters; a named pipe (nothing may open it) and a link to nowhere. HOME points at it.
class ShellViewTest : public SkinControlTest {
protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    for (const char* folder : { "a", "a/b", "a/b/c", "only-files", ".dotdir", "New Folder", "视频 文件夹" })
      ASSERT_EQ(mkdir((Dir / folder).c_str(), 0755), 0) << folder;
    MakeFile("x.avi", 3000, 3000);
    MakeFile("y.MP4", 1000, 2000);
    MakeFile("z.txt", 2000, 1000);
    MakeFile("arch.zip", 10, 500);
    MakeFile("only-files/f.txt", 1, 500);
    MakeFile(".dot", 1, 500);
    MakeFile("a/b/clip.avi", 1, 500);
    for (const String& name : OddNames) MakeFile(name, 5, 500);
    ASSERT_EQ(mkfifo((Dir / "pipe").c_str(), 0644), 0);
    ASSERT_EQ(symlink((Dir / "gone").c_str(), (Dir / "dangling").c_str()), 0);
    Guard.emplace(Dir / "pipe");
  }
  void TearDown() override {
    EXPECT_FALSE(Guard->Fired()) << "the named pipe was opened";
    Guard.reset();
    SkinControlTest::TearDown();
  }
  /// A file of Size bytes last written Age seconds after 2023-11-14 22:13:20 UTC.
  void MakeFile(const String& Name, int Size, int Age) {
    WriteFile(Dir / Name, String(size_t(Size), 'x'));
    const timespec times[2] = { { 1700000000 + Age, 0 }, { 1700000000 + Age, 0 } };
    ASSERT_EQ(utimensat(AT_FDCWD, (Dir / Name).c_str(), times, 0), 0) << Name;
  }

  const std::vector<String> OddNames { "中文 名字.mp4", "-dash.avi", "bad\xff\xfe.avi", String(196, 'L') + ".avi" };
  TTempFolder Dir;
  TEnvironmentOverride Home { "HOME", Dir.Path() };
  std::optional<TPipeGuard> Guard;
};
