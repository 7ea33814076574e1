#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "platform/base/Exception.h"
#include "platform/base/TIniFile.h"
#include "platform/base/TMemIniFile.h"
#include "platform/base/TStringList.h"
#include "tests/platform/base/RespectFileModes.h"

namespace {

namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/initest.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    Dir = pattern;
  }
  void TearDown() override { fs::remove_all(Dir); }

  String Path(const String& Name) const { return Dir + "/" + Name; }
  static void Put(const String& FileName, const String& Text) { std::ofstream(FileName, std::ios::binary) << Text; }
  static String Get(const String& FileName) {
    std::ostringstream text;
    text << std::ifstream(FileName, std::ios::binary).rdbuf();
    return text.str();
  }
  static String Lines(TStrings& List) { return List.Text(); }

  String Dir;
};

TMemIniFile IniOf(const String& Text) {
  TStringList lines;
  lines.SetText(Text);
  TMemIniFile ini;
  ini.SetStrings(&lines);
  return ini;
}

// Both classes read the same file the same way.
TEST_F(IniFileTest, LookupIgnoresCaseLineEndsBlanksCommentsAndLaterDuplicates) {
  Put(Path("a.ini"),
      "\xEF\xBB\xBF"
      "orphan=before any section\n"
      "[Main]\r\n"
      "  Name  =  two  inner  blanks  \r\n"
      ";Commented=no\r\n"
      "Dup=first\r\n"
      "dup=second\r\n"
      "Empty=\r\n"
      "no equals sign\r\n"
      "=no name\r\n"
      "[main]\n"
      "Later=shadowed\n"
      "[ Other ]\n"
      "Key=中文值");
  struct Case {
    String Section, Ident, Expected;
  } cases[] = {
    { "MAIN", "name", "two  inner  blanks" }, { "Main", "Commented", "(default)" },
    { "Main", "DUP", "first" },               { "main", "Empty", "" },
    { "main", "Later", "(default)" },         { "other", "KEY", "中文值" },
    { "", "orphan", "(default)" },            { "Missing", "Key", "(default)" },
    { "Main", "no equals sign", "(default)" },
  };
  TMemIniFile mem(Path("a.ini"));
  TIniFile direct(Path("a.ini"));
  for (TCustomIniFile* ini : { static_cast<TCustomIniFile*>(&mem), static_cast<TCustomIniFile*>(&direct) })
    for (const Case& c : cases)
      EXPECT_EQ(ini->ReadString(c.Section, c.Ident, "(default)"), c.Expected)
          << ini->ClassName() << " [" << c.Section << "] " << c.Ident;
}

TEST(IniValuesTest, TypedReadsFallBackToTheDefaultOnForeignText) {
  TMemIniFile ini = IniOf("[N]\n"
                          "dec=12\nneg=-7\nhex1=0x1F\nhex2=0X1f\nhex3=$ff\nall=$FFFFFFFF\nspaced=  42  \n"
                          "junk=12abc\nempty=\nword=abc\nreal=1.5\nhuge=99999999999\n"
                          "f1=1.5\nf2=-2.5e3\nf3=1,5\n");
  struct IntCase {
    String Ident;
    int Expected;
  } ints[] = { { "dec", 12 },    { "neg", -7 },   { "hex1", 31 },  { "hex2", 31 },   { "hex3", 255 },
               { "all", -1 },    { "spaced", 42 }, { "junk", 99 }, { "empty", 99 },  { "word", 99 },
               { "real", 99 },   { "huge", 99 },  { "absent", 99 } };
  for (const IntCase& c : ints) EXPECT_EQ(ini.ReadInteger("n", c.Ident, 99), c.Expected) << c.Ident;

  EXPECT_FALSE(ini.ReadBool("N", "empty", false));
  EXPECT_TRUE(ini.ReadBool("N", "dec", false));
  EXPECT_TRUE(ini.ReadBool("N", "word", true));
  EXPECT_EQ(ini.ReadFloat("N", "f1", 9), 1.5);
  EXPECT_EQ(ini.ReadFloat("N", "f2", 9), -2500);
  EXPECT_EQ(ini.ReadFloat("N", "f3", 9), 9);
  EXPECT_EQ(ini.ReadFloat("N", "word", 9), 9);
}

TEST(IniValuesTest, TypedWritesUseThePlainTextForms) {
  TMemIniFile ini;
  ini.WriteInteger("S", "i", -5);
  ini.WriteBool("S", "t", true);
  ini.WriteBool("S", "f", false);
  ini.WriteFloat("S", "r", 0.25);
  TStringList lines;
  ini.GetStrings(&lines);
  EXPECT_EQ(lines.Text(), "[S]\ni=-5\nt=1\nf=0\nr=0.25\n");
  EXPECT_FALSE(ini.ReadBool("s", "F", true));
}

TEST_F(IniFileTest, WritesTouchOnlyTheirLinesAndPlaceNewOnesInWriteOrder) {
  Put(Path("a.ini"),
      "; settings\r\n"
      "\r\n"
      "[A]\r\n"
      "x = 1\r\n"
      "; about y\r\n"
      "y=2\r\n"
      "\r\n"
      "; B follows\r\n"
      "[B]\r\n"
      "z=3");
  TIniFile ini(Path("a.ini"));
  ini.WriteString("a", "X", "10");
  ini.WriteString("A", "new", "n");
  ini.WriteString("A", "new2", "m");
  ini.WriteString("b", "w", "4");
  ini.WriteInteger("C", "k", 5);
  EXPECT_EQ(Get(Path("a.ini")),
            "; settings\r\n"
            "\r\n"
            "[A]\r\n"
            "x = 10\r\n"
            "; about y\r\n"
            "y=2\r\n"
            "new=n\n"
            "new2=m\n"
            "\r\n"
            "; B follows\r\n"
            "[B]\r\n"
            "z=3\n"
            "w=4\n"
            "[C]\n"
            "k=5\n");
}

TEST_F(IniFileTest, FirstWriteCreatesTheFileAndKeepsItsMode) {
  TIniFile ini(Path("new.ini"));
  EXPECT_EQ(ini.ReadString("S", "k", "Error"), "Error");
  ini.WriteString("OutPath", "OutPath", "/home/u/输出");
  ini.WriteString("Skin", "SetSkin", "0");
  EXPECT_EQ(Get(Path("new.ini")), "[OutPath]\nOutPath=/home/u/输出\n[Skin]\nSetSkin=0\n");
  fs::permissions(Path("new.ini"), fs::perms(0640));
  ini.WriteString("Skin", "SetSkin", "1");
  EXPECT_EQ(fs::status(Path("new.ini")).permissions(), fs::perms(0640));
}

TEST_F(IniFileTest, MemIniFileWritesReachTheFileOnlyOnUpdate) {
  Put(Path("a.ini"), "[S]\nk=old\n");
  TMemIniFile ini(Path("a.ini"));
  ini.WriteString("S", "k", "new");
  EXPECT_EQ(Get(Path("a.ini")), "[S]\nk=old\n");
  ini.UpdateFile();
  EXPECT_EQ(Get(Path("a.ini")), "[S]\nk=new\n");
}

TEST(IniSectionsTest, ListingErasingAndExistence) {
  TMemIniFile ini = IniOf("[A]\n"
                          "k1 = v1\n"
                          "K1=shadowed\n"
                          "k2=v2\n"
                          "; trailing note\n"
                          "[Empty]\n"
                          "[B]\n"
                          "b=1\n"
                          "[a]\n"
                          "k3=hidden\n");
  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(list.Text(), "A\nEmpty\nB\n");
  ini.ReadSection("a", &list);
  EXPECT_EQ(list.Text(), "k1\nk2\n");
  ini.ReadSectionValues("A", &list);
  EXPECT_EQ(list.Text(), "k1=v1\nk2=v2\n");

  EXPECT_TRUE(ini.SectionExists("b"));
  EXPECT_FALSE(ini.SectionExists("Empty"));
  EXPECT_FALSE(ini.SectionExists("none"));
  EXPECT_TRUE(ini.ValueExists("A", "K2"));
  EXPECT_FALSE(ini.ValueExists("A", "k3"));

  // Deleting a key takes its duplicates too, or the shadowed value would come back.
  ini.DeleteKey("a", "K1");
  EXPECT_EQ(ini.ReadString("A", "k1", "gone"), "gone");
  // Erasing takes every section of the name; lines after the last key stay.
  ini.EraseSection("A");
  EXPECT_FALSE(ini.SectionExists("A"));
  EXPECT_EQ(ini.ReadString("a", "k3", "gone"), "gone");
  ini.GetStrings(&list);
  EXPECT_EQ(list.Text(), "; trailing note\n[Empty]\n[B]\nb=1\n");
}

TEST_F(IniFileTest, FailedWritesNameTheFileAndChangeNothing) {
  Put(Path("plain"), "not a folder");
  fs::create_directory(Path("folder.ini"));
  Put(Path("folder.ini/inside"), "x");
  for (const String& name : { Path("plain/a.ini"), Path("folder.ini") }) {
    TIniFile ini(name);
    try {
      ini.WriteString("S", "k", "v");
      ADD_FAILURE() << name;
    } catch (const EIniFileException& e) {
      EXPECT_EQ(e.Message, "Unable to write to " + name);
    }
    EXPECT_EQ(ini.ReadString("S", "k", "default"), "default");
  }
  EXPECT_EQ(Get(Path("plain")), "not a folder");
  EXPECT_EQ(Get(Path("folder.ini/inside")), "x");
}

// A read-only file stays as it is even where its folder would let it be replaced; in a read-only folder
// no file can be written. Both are refused by both classes and leave the old text.
TEST_F(IniFileTest, ReadOnlyFilesAndFoldersRefuseWrites) {
  fs::create_directory(Path("locked"));
  Put(Path("read-only.ini"), "[S]\r\nk=old\r\n");
  Put(Path("locked/a.ini"), "[S]\r\nk=old\r\n");
  fs::permissions(Path("read-only.ini"), fs::perms(0444));
  fs::permissions(Path("locked"), fs::perms(0555));
  TRespectFileModes respect;
  for (const String& name : { Path("read-only.ini"), Path("locked/a.ini"), Path("locked/new.ini") }) {
    try {
      TIniFile(name).WriteString("S", "k", "new");
      ADD_FAILURE() << name;
    } catch (const EIniFileException& e) {
      EXPECT_EQ(e.Message, "Unable to write to " + name);
    }
    TMemIniFile ini(name);
    ini.WriteString("S", "k", "new");
    EXPECT_THROW(ini.UpdateFile(), EIniFileException) << name;
    EXPECT_EQ(TIniFile(name).ReadString("S", "k", "none"), name.ends_with("new.ini") ? "none" : "old") << name;
  }
  EXPECT_EQ(Get(Path("read-only.ini")), "[S]\r\nk=old\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("locked")), fs::directory_iterator()), 1);
  fs::permissions(Path("locked"), fs::perms(0755));
}

// A device never ends and a pipe without a writer blocks: neither may be read as settings, nor a file
// beyond the limit. Reads fall back to the defaults and writes fail without touching them.
TEST_F(IniFileTest, OnlyRegularFilesOfSaneSizeAreRead) {
  ASSERT_EQ(mkfifo(Path("pipe.ini").c_str(), 0666), 0);
  Put(Path("huge.ini"), "[S]\nk=v\n" + String(TMemIniFile::MaxFileSize, ';'));
  const std::pair<String, String> Cases[] = {
    { "/dev/zero", "Cannot open file \"/dev/zero\". Is a device" },
    { Path("pipe.ini"), "Cannot open file \"" + Path("pipe.ini") + "\". Is a named pipe" },
    { Path("huge.ini"), "The file \"" + Path("huge.ini") + "\" is larger than 16 MB" },
  };
  for (const auto& [Name, Message] : Cases) {
    try {
      TMemIniFile ini(Name);
      ADD_FAILURE() << Name << " read";
    } catch (const EStreamError& e) {
      EXPECT_EQ(e.Message, Message);
    }
    TIniFile ini(Name);
    EXPECT_EQ(ini.ReadString("S", "k", "default"), "default") << Name;
    EXPECT_THROW(ini.WriteString("S", "k", "x"), EIniFileException) << Name;
  }
}

TEST_F(IniFileTest, ARelativeNameIsReportedWithItsFullPath) {
  Put(Path("plain"), "");
  String cwd = fs::current_path();
  fs::current_path(Dir);
  try {
    TIniFile("plain/a.ini").WriteString("S", "k", "v");
    ADD_FAILURE();
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message, "Unable to write to " + Path("plain/a.ini"));
  }
  fs::current_path(cwd);
}

// A write that fails half-way (here: the file-size limit, which binds root as well) must leave the old
// file whole and no temporary file behind.
TEST_F(IniFileTest, AWriteThatFailsMidwayKeepsTheOldFile) {
  String old = "; keep me\n[S]\nk=old\n";
  Put(Path("a.ini"), old);
  rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = old.size() + 8;
  auto previous = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  TIniFile ini(Path("a.ini"));
  EXPECT_THROW(ini.WriteString("S", "k", String(100, 'v')), EIniFileException);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_EQ(Get(Path("a.ini")), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(Dir), fs::directory_iterator()), 1);
}

TEST_F(IniFileTest, NamesAndValuesThatWouldBreakTheFileAreRefused) {
  Put(Path("a.ini"), "[S]\nk=v\n");
  struct Case {
    String Section, Ident, Value;
  } cases[] = {
    { "S", "k", "two\nlines" }, { "S", "k", "cr\r" },   { "S\n[X]", "k", "v" }, { "S]", "k", "v" },
    { "S", "a=b", "v" },        { "S", "", "v" },       { "S", "  ", "v" },     { "S", "[X]", "v" },
    { "S", ";k", "v" },         { "S", "k\nk2", "v" },
  };
  TIniFile ini(Path("a.ini"));
  for (const Case& c : cases)
    EXPECT_THROW(ini.WriteString(c.Section, c.Ident, c.Value), EIniFileException) << c.Section << "/" << c.Ident;
  EXPECT_EQ(Get(Path("a.ini")), "[S]\nk=v\n");
}

TEST_F(IniFileTest, DirectReadsAreCutAt2047CodePointsWithoutSplittingOne) {
  String long2046 = String(2046, 'a');
  Put(Path("a.ini"), "[S]\nwide=" + long2046 + "中文\nexact=" + long2046 + "b\n");
  TIniFile ini(Path("a.ini"));
  EXPECT_EQ(ini.ReadString("S", "wide", ""), long2046 + "中");
  EXPECT_EQ(ini.ReadString("S", "exact", ""), long2046 + "b");
  EXPECT_EQ(TMemIniFile(Path("a.ini")).ReadString("S", "wide", ""), long2046 + "中文");
}

}  // namespace
