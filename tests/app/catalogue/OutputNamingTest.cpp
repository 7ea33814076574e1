#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "app/catalogue/OutputNaming.h"

namespace {

namespace fs = std::filesystem;

class OutputNamingTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/outputnaming.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    Folder = pattern;
    Naming.Folder = Folder;
    Naming.HeldByJob = [this](const String& Name) { return Held.contains(Name); };
  }
  void TearDown() override { fs::remove_all(Folder); }

  void Touch(const String& Name) const { std::ofstream(Folder + "/" + Name) << "x"; }
  String Named(const String& Input) const {
    return AutoRenameOutputFile(OutputFileName(Naming.Folder, Input, ".wmv"), Naming);
  }

  String Folder;
  TOutputNaming Naming;
  std::set<String> Held;
};

TEST_F(OutputNamingTest, TheInputsNameWithTheFormatsExtension) {
  EXPECT_EQ(Named("/src/trip.day.mkv"), Folder + "/trip.day.wmv");
  EXPECT_EQ(Named("/src/trip"), Folder + "/trip.wmv");
  EXPECT_EQ(Named("/src/a.b.c.avi"), Folder + "/a.b.c.wmv");
  EXPECT_EQ(Named("/src.d/noext"), Folder + "/noext.wmv") << "a dot in the folder is no extension";
  EXPECT_EQ(OutputFileName("/", "/src/trip.day.mkv", ".wmv"), "//trip.day.wmv")
    << "one separator is added whatever the folder ends with";
}

TEST_F(OutputNamingTest, AnExistingFileGivesWayToTheFirstFreeNumber) {
  Touch("trip.day.wmv");
  EXPECT_EQ(Named("/src/trip.day.mkv"), Folder + "/trip.day_1.wmv");
  Touch("trip.day_1.wmv");
  Touch("trip.day_2.wmv");
  EXPECT_EQ(Named("/src/trip.day.mkv"), Folder + "/trip.day_3.wmv");
  Naming.Overwrite = true;
  EXPECT_EQ(Named("/src/trip.day.mkv"), Folder + "/trip.day.wmv");
}

TEST_F(OutputNamingTest, NumberedNamesAreTriedOnlyWhenTheNameIsTaken) {
  Touch("trip_1.wmv");
  EXPECT_EQ(Named("/src/trip.mkv"), Folder + "/trip.wmv");
}

TEST_F(OutputNamingTest, AFolderOfThatNameIsNoFile) {
  ASSERT_TRUE(fs::create_directory(Folder + "/trip.day.wmv"));
  EXPECT_EQ(Named("/src/trip.day.mkv"), Folder + "/trip.day.wmv");
}

TEST_F(OutputNamingTest, ANameAJobAlreadyWritesIsTakenWhateverTheOverwriteSetting) {
  Held = { "trip.day.wmv" };
  EXPECT_EQ(Named("/a/trip.day.mkv"), Folder + "/trip.day_1.wmv");
  Naming.Overwrite = true;
  EXPECT_EQ(Named("/b/trip.day.mkv"), Folder + "/trip.day_1.wmv");
  Held.insert("trip.day_1.wmv");
  Touch("trip.day_2.wmv");
  EXPECT_EQ(Named("/b/trip.day.mkv"), Folder + "/trip.day_2.wmv") << "overwriting concerns files on disk";
  Naming.Overwrite = false;
  EXPECT_EQ(Named("/b/trip.day.mkv"), Folder + "/trip.day_3.wmv");
}

TEST_F(OutputNamingTest, AnEmptyNameLeavesTheFolderAlone) {
  EXPECT_EQ(AutoRenameOutputFile("", Naming), Folder + "/");
}

}  // namespace
