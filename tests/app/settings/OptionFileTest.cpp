#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "app/settings/OptionFile.h"
#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "tests/platform/base/RespectFileModes.h"

namespace {

namespace fs = std::filesystem;

// The program installed in a folder of its own, run by a user whose home is another.
class OptionFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/optionfile.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    Root = pattern;
    Home = Root + "/home";
    Install = Root + "/install";
    fs::create_directories(Home);
    fs::create_directories(Install);
    SavedHome = GetEnvironmentVariable("HOME");
    SavedConfig = GetEnvironmentVariable("XDG_CONFIG_HOME");
    setenv("HOME", Home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (Root + "/config").c_str(), 1);
    OverrideExePath(Install);
  }
  void TearDown() override {
    OverrideExePath("");
    setenv("HOME", SavedHome.c_str(), 1);
    setenv("XDG_CONFIG_HOME", SavedConfig.c_str(), 1);
    fs::permissions(Install, fs::perms(0755));
    fs::remove_all(Root);
  }

  String Ini() const { return Install + "/option.ini"; }
  void Put(const String& Text) const { std::ofstream(Ini(), std::ios::binary) << Text; }
  String Get() const {
    std::ostringstream text;
    text << std::ifstream(Ini(), std::ios::binary).rdbuf();
    return text.str();
  }
  String OutputFolder() const { return Home + "/Zorvik视频软件/输出"; }
  String SnapshotFolder() const { return Home + "/Zorvik视频软件/快照"; }

  /// The settings file of an installed program, whose folder it may not write.
  String ConfigIni() const { return Root + "/config/zorvik/option.ini"; }
  String GetConfig() const {
    std::ostringstream text;
    text << std::ifstream(ConfigIni(), std::ios::binary).rdbuf();
    return text.str();
  }

  String Root, Home, Install, SavedHome, SavedConfig;
};

TEST_F(OptionFileTest, NamesAndDefaultFoldersFollowTheInstallFolderAndHome) {
  EXPECT_EQ(OptionFileName(), Ini());
  EXPECT_EQ(DefaultOutputFolder(), OutputFolder());
  EXPECT_EQ(DefaultSnapshotFolder(), SnapshotFolder());
}

// The main window reads the output folder, then the skin; the options dialog then reads its five keys.
// A first start leaves exactly these seven keys in this order, and a second start changes nothing.
TEST_F(OptionFileTest, FirstStartWritesTheSevenDefaultsInTheOrderTheyAreRead) {
  auto startUp = [] {
    std::vector<String> values { ReadOutputFolder(), ReadOption(okSetSkin) };
    for (const TOptionKey* key : { &okThreadCount, &okAfterDone, &okThreadPriority, &okOverwriteFile, &okShowPreview })
      values.push_back(ReadOption(*key));
    return values;
  };
  const String expected = "[OutPath]\n"
                          "OutPath=" + OutputFolder() + "\n"
                          "[Skin]\n"
                          "SetSkin=0\n"
                          "[Options]\n"
                          "Thread_Count=0\n"
                          "After_Done=0\n"
                          "Thread_Priority=3\n"
                          "Overwrite_File=1\n"
                          "Show_Preview=0\n";
  const std::vector<String> defaults { OutputFolder(), "0", "0", "0", "3", "1", "0" };

  EXPECT_EQ(startUp(), defaults);
  EXPECT_EQ(Get(), expected);
  EXPECT_TRUE(DirectoryExists(OutputFolder()));
  EXPECT_FALSE(DirectoryExists(SnapshotFolder()));

  EXPECT_EQ(startUp(), defaults);
  EXPECT_EQ(Get(), expected);
}

// Every case starts from a hand-written CRLF file with comments, a foreign section and a blank line; only
// the line of the key read may change, everything else stays byte for byte.
TEST_F(OptionFileTest, MissingAndInvalidValuesAreWrittenBackAndValidOnesTaken) {
  struct Case {
    const TOptionKey* Key;
    String Stored;     // the key's line as found in the file ("" = no line)
    String Expected;   // what the read gives
    String Written;    // the key's line afterwards
  } cases[] = {
    { &okAfterDone, "After_Done=", "0", "After_Done=0" },
    { &okAfterDone, "After_Done=5", "0", "After_Done=0" },
    { &okAfterDone, "After_Done=Error", "0", "After_Done=0" },
    { &okAfterDone, "After_Done=2", "2", "After_Done=2" },
    { &okAfterDone, "after_done = 1", "1", "after_done = 1" },
    { &okThreadPriority, "Thread_Priority=4", "3", "Thread_Priority=3" },
    { &okThreadPriority, "Thread_Priority=0", "0", "Thread_Priority=0" },
    { &okOverwriteFile, "Overwrite_File=2", "1", "Overwrite_File=1" },
    { &okOverwriteFile, "OVERWRITE_FILE=0", "0", "OVERWRITE_FILE=0" },
    { &okShowPreview, "Show_Preview=yes", "0", "Show_Preview=0" },
    { &okShowPreview, "Show_Preview=1", "1", "Show_Preview=1" },
    { &okThreadCount, "Thread_Count=7", "7", "Thread_Count=7" },
    { &okThreadCount, "Thread_Count=many", "many", "Thread_Count=many" },
    { &okThreadCount, "Thread_Count=", "0", "Thread_Count=0" },
    { &okPicture, "Picture=jpg", "BMP", "Picture=BMP" },
    { &okPicture, "Picture=GIF", "GIF", "Picture=GIF" },
    { &okSetSkin, "SetSkin=-1", "-1", "SetSkin=-1" },
    { &okSetSkin, "SetSkin=one", "one", "SetSkin=one" },
    { &okSetSkin, "SetSkin=Error", "0", "SetSkin=0" },
  };
  auto file = [](const TOptionKey& Key, const String& Line) {
    return "; written by hand\r\n"
           "[Other]\r\n"
           "After_Done=9\r\n"
           "\r\n"
           "[" + LowerCase(Key.Section) + "]\r\n"
           "; the key follows\r\n" +
           (Line.empty() ? String() : Line + "\r\n") +
           "Unknown=kept\r\n"
           "\r\n"
           "; trailing note\r\n";
  };
  for (const Case& c : cases) {
    Put(file(*c.Key, c.Stored));
    EXPECT_EQ(ReadOption(*c.Key), c.Expected) << c.Stored;
    EXPECT_EQ(Get(), file(*c.Key, c.Written)) << c.Stored;
  }
}

// An absent key is added to its section (in any case of the name), after its last key and with the name
// as the program spells it; an absent section is added at the end.
TEST_F(OptionFileTest, AbsentKeysAndSectionsAreAddedWhereTheyBelong) {
  Put("[options]\r\nthread_count=4\r\n\r\n[Skin]\r\nSetSkin=0\r\n");
  EXPECT_EQ(ReadOption(okAfterDone), "0");
  EXPECT_EQ(ReadOption(okPicture), "BMP");
  EXPECT_EQ(Get(), "[options]\r\nthread_count=4\r\nAfter_Done=0\n\r\n[Skin]\r\nSetSkin=0\r\n[SnapShot]\nPicture=BMP\n");
}

// The confirmed options are written in the dialog's order; keys already there keep their places.
TEST_F(OptionFileTest, WriteOptionsWritesEveryValueInOrder) {
  Put("[Options]\r\nThread_Count=0\r\nAfter_Done=0\r\nThread_Priority=3\r\n");
  WriteOptions({ { &okThreadCount, "4" }, { &okAfterDone, "3" }, { &okShowPreview, "1" },
                 { &okThreadPriority, "0" }, { &okOverwriteFile, "0" } });
  EXPECT_EQ(Get(), "[Options]\r\nThread_Count=4\r\nAfter_Done=3\r\nThread_Priority=0\r\nShow_Preview=1\n"
                   "Overwrite_File=0\n");
  WriteOption(okOutPath, "/media/外部");
  EXPECT_EQ(ReadOutputFolder(), "/media/外部");
}

struct FolderRead {
  const char* Name;
  const TOptionKey* Key;
  std::function<String()> Read;
};

// Missing, "Error" and relative values (a path with a drive letter is relative here) give the default
// folder, written back and created; an absolute folder is taken as it is, created with its parents, and
// nothing is written.
TEST_F(OptionFileTest, FolderReadsTakeAbsoluteFoldersAndReplaceTheRest) {
  const FolderRead reads[] = {
    { "output", &okOutPath, ReadOutputFolder },
    { "snapshot", &okSnapshotDir, ReadSnapshotFolder },
  };
  for (const FolderRead& read : reads) {
    const String line = "[" + read.Key->Section + "]\n" + read.Key->Ident + "=";
    const String defaultFolder = read.Key->DefaultValue();
    for (const char* stored : { "Error", "", "videos", "C:\\Zorvik视频软件\\输出" }) {
      Put(line + stored + "\n");
      EXPECT_EQ(read.Read(), defaultFolder) << read.Name << " " << stored;
      EXPECT_EQ(Get(), line + defaultFolder + "\n") << read.Name << " " << stored;
      EXPECT_TRUE(DirectoryExists(defaultFolder)) << read.Name;
      fs::remove_all(Home + "/Zorvik视频软件");
    }
    fs::remove(Ini());
    EXPECT_EQ(read.Read(), defaultFolder) << read.Name;
    EXPECT_EQ(Get(), line + defaultFolder + "\n") << read.Name;

    const String chosen = Root + "/新 文件夹/" + read.Name + "/深";
    Put(line + chosen + "\n");
    EXPECT_EQ(read.Read(), chosen) << read.Name;
    EXPECT_TRUE(DirectoryExists(chosen)) << read.Name;
    EXPECT_EQ(Get(), line + chosen + "\n") << read.Name;
  }
}

// A folder that cannot be created is still the folder named; the write that fails comes later.
TEST_F(OptionFileTest, AFolderThatCannotBeCreatedIsStillTaken) {
  std::ofstream(Root + "/plain") << "a file";
  Put("[OutPath]\nOutPath=" + Root + "/plain/out\n");
  EXPECT_EQ(ReadOutputFolder(), Root + "/plain/out");
  EXPECT_EQ(Get(), "[OutPath]\nOutPath=" + Root + "/plain/out\n");
}

// A settings file that may not be written: values that need no write-back are read as usual; a write-back
// raises the toolkit's error naming the file, and the file stays as it was. The output folder's read
// tries once more with the default folder, which it still creates, and then lets the error through.
TEST_F(OptionFileTest, AnUnwritableFileRaisesUnableToWriteAndStaysAsItWas) {
  const String stored = "[Options]\r\nAfter_Done=2\r\nShow_Preview=yes\r\n";
  auto expectRefused = [&](const std::function<void()>& Read, const char* What) {
    try {
      Read();
      ADD_FAILURE() << What << " raised nothing";
    } catch (const EIniFileException& e) {
      EXPECT_EQ(e.Message, "Unable to write to " + Ini()) << What;
    }
    EXPECT_EQ(Get(), stored) << What;
  };

  Put(stored);
  fs::permissions(Ini(), fs::perms(0444));
  {
    TRespectFileModes respect;
    EXPECT_EQ(ReadOption(okAfterDone), "2");
    expectRefused([] { ReadOption(okShowPreview); }, "read-only file, invalid value");
    expectRefused([] { ReadOption(okSetSkin); }, "read-only file, missing value");
    expectRefused([] { ReadOutputFolder(); }, "read-only file, output folder");
    expectRefused([] { WriteOptions({ { &okThreadCount, "2" }, { &okAfterDone, "1" } }); }, "read-only file, options");
  }
  EXPECT_TRUE(DirectoryExists(OutputFolder()));
}

// The install marks an installed copy: whoever runs it, the superuser too, may write its folder, yet its
// settings live in the user's configuration folder and the folder keeps only what the install put there.
TEST_F(OptionFileTest, AnInstalledCopyKeepsTheSettingsInTheUsersConfigFolderThoughItMayWriteItsFolder) {
  std::ofstream(Install + "/" + InstalledMarkName) << "";
  Put("[Options]\nAfter_Done=2\n");
  EXPECT_EQ(OptionFileName(), ConfigIni());
  EXPECT_EQ(ReadOption(okAfterDone), "0") << "the file beside the program is not read";
  WriteOptions({ { &okThreadCount, "2" } });
  EXPECT_EQ(GetConfig(), "[Options]\nAfter_Done=0\nThread_Count=2\n");
  EXPECT_EQ(Get(), "[Options]\nAfter_Done=2\n");
}

// An installed program may not write its folder: its settings live in the user's configuration folder,
// made at the first read, by the same rules; a file left beside the program is neither read nor changed.
TEST_F(OptionFileTest, AProgramFolderThatMayNotBeWrittenKeepsTheSettingsInTheUsersConfigFolder) {
  Put("[Options]\nAfter_Done=2\n");
  fs::permissions(Install, fs::perms(0555));
  TRespectFileModes respect;
  EXPECT_EQ(OptionFileName(), ConfigIni());
  EXPECT_EQ(ReadOutputFolder(), OutputFolder());
  EXPECT_EQ(ReadOption(okAfterDone), "0") << "the file beside the program is not read";
  WriteOptions({ { &okThreadCount, "2" }, { &okShowPreview, "yes" } });
  EXPECT_EQ(ReadOption(okThreadCount), "2");
  EXPECT_EQ(ReadOption(okShowPreview), "0") << "an invalid value is replaced as anywhere";
  EXPECT_EQ(GetConfig(), "[OutPath]\nOutPath=" + OutputFolder() +
                             "\n[Options]\nAfter_Done=0\nThread_Count=2\nShow_Preview=0\n");
  EXPECT_EQ(Get(), "[Options]\nAfter_Done=2\n");

  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(OptionFileName(), Home + "/.config/zorvik/option.ini") << "without XDG_CONFIG_HOME";
  EXPECT_TRUE(DirectoryExists(Home + "/.config/zorvik"));

  // Where neither folder may be written, a write-back is refused naming the file it was meant for.
  fs::permissions(Home + "/.config/zorvik", fs::perms(0555));
  try {
    ReadOption(okPicture);
    ADD_FAILURE() << "raised nothing";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message, "Unable to write to " + Home + "/.config/zorvik/option.ini");
  }
  fs::permissions(Home + "/.config/zorvik", fs::perms(0755));
}

}  // namespace
