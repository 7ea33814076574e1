#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/snapshots/SnapshotNames.h"

namespace {

namespace fs = std::filesystem;

TEST(SnapshotNamesTest, TheBaseNameIsTheFileNameWithoutItsLastExtension) {
  const struct {
    String FileName;
    String Base;
  } Cases[] = {
    { "/videos/movie.avi", "movie" },
    { "/videos/a.b.mp4", "a.b" },
    { "/videos/noext", "noext" },
    { "/videos/测试 视频.a.b.mkv", "测试 视频.a.b" },
    { "/vid.eos/clip", "clip" },
    { "/videos/a:b.mkv", "a:b" },
  };
  for (const auto& Case : Cases) EXPECT_EQ(SnapshotBaseName(Case.FileName), Case.Base) << Case.FileName;
}

class SnapshotNumbering : public ::testing::Test {
protected:
  void SetUp() override {
    char Pattern[] = "/tmp/snapshotnames.XXXXXX";
    ASSERT_NE(mkdtemp(Pattern), nullptr);
    Folder = Pattern;
  }
  void TearDown() override { fs::remove_all(Folder); }

  void Put(const String& Name) const { std::ofstream(Folder + "/" + Name) << "x"; }
  String Next(const String& Extension) const { return NextSnapshotFileName(Folder, "movie", Extension); }

  String Folder;
};

TEST_F(SnapshotNumbering, TheFirstFreeNumberIsTakenPerExtension) {
  EXPECT_EQ(Next(".jpg"), Folder + "/movie_1.jpg");
  Put("movie_1.jpg");
  Put("movie_2.jpg");
  EXPECT_EQ(Next(".jpg"), Folder + "/movie_3.jpg");
  EXPECT_EQ(Next(".bmp"), Folder + "/movie_1.bmp") << "another extension counts on its own";
  fs::remove(Folder + "/movie_1.jpg");
  EXPECT_EQ(Next(".jpg"), Folder + "/movie_1.jpg") << "a freed number is taken again";
}

TEST_F(SnapshotNumbering, FoldersAndLinksTakeTheirNumbersSoNoLinkIsWrittenThrough) {
  fs::create_directory(Folder + "/movie_1.png");
  fs::create_symlink(Folder + "/nowhere.png", Folder + "/movie_2.png");
  fs::create_symlink("/tmp", Folder + "/movie_3.png");
  EXPECT_EQ(Next(".png"), Folder + "/movie_4.png");
}

}  // namespace
