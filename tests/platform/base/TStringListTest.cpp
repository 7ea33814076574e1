#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/TFileStream.h"
#include "platform/base/TStringList.h"
#include "platform/base/TStringStream.h"

namespace {

using TLines = std::vector<String>;

TLines LinesOf(const TStrings& List) {
  TLines lines;
  for (int i = 0; i < List.Count(); ++i) lines.push_back(List.Strings(i));
  return lines;
}

void Fill(TStrings& List, const TLines& Lines) {
  for (const String& line : Lines) List.Add(line);
}

// An object that counts how many of its kind are alive, to see what an owning list frees.
struct TCounted : TObject {
  explicit TCounted(int& ALive) : Live(ALive) { ++Live; }
  ~TCounted() override { --Live; }
  int& Live;
};

template <class TError> void ExpectError(const std::function<void()>& Action, const String& Text) {
  try {
    Action();
    ADD_FAILURE() << "no exception, expected: " << Text;
  } catch (const TError& e) {
    EXPECT_EQ(e.Message, Text);
  }
}

TEST(TStringListTest, SortedListsPlaceAddedStringsAndApplyDuplicates) {
  struct TCase {
    TDuplicates Duplicates;
    bool CaseSensitive;
    TLines Expected;
  };
  const TCase cases[] = {
    { dupIgnore, false, { "apple", "Banana", "cherry" } },
    { dupAccept, false, { "apple", "banana", "Banana", "cherry", "cherry" } },  // new equals go first
    { dupIgnore, true, { "Banana", "apple", "banana", "cherry" } },
  };
  for (const TCase& c : cases) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(c.Duplicates);
    list.SetCaseSensitive(c.CaseSensitive);
    Fill(list, { "cherry", "Banana", "apple", "banana", "cherry" });
    EXPECT_EQ(LinesOf(list), c.Expected) << c.Duplicates << c.CaseSensitive;
  }

  TStringList strict;
  strict.SetSorted(true);
  strict.SetDuplicates(dupError);
  Fill(strict, { "b", "a" });
  ExpectError<EStringListError>([&] { strict.Add("B"); }, "String list does not allow duplicates");
  EXPECT_EQ(LinesOf(strict), (TLines { "a", "b" }));
}

TEST(TStringListTest, SortingAnExistingListAndFindingInIt) {
  TStringList list;
  Fill(list, { "delta", "Alpha", "charlie", "bravo" });
  list.SetSorted(true);
  EXPECT_EQ(LinesOf(list), (TLines { "Alpha", "bravo", "charlie", "delta" }));
  int index = -1;
  EXPECT_TRUE(list.Find("CHARLIE", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find("beta", index));
  EXPECT_EQ(index, 1);  // where it would go
  EXPECT_EQ(list.IndexOf("DELTA"), 3);
  EXPECT_EQ(list.IndexOf("echo"), -1);
  list.SetCaseSensitive(true);  // re-sorts by the new rule
  EXPECT_EQ(LinesOf(list), (TLines { "Alpha", "bravo", "charlie", "delta" }));
  EXPECT_EQ(list.IndexOf("DELTA"), -1);
}

TEST(TStringListTest, PositionalChangesOfASortedListAreRefusedAndLoseNothing) {
  TStringList list;
  list.SetSorted(true);
  Fill(list, { "a", "b", "c" });
  const String text = "Operation not allowed on sorted list";
  ExpectError<EStringListError>([&] { list.Insert(0, "z"); }, text);
  ExpectError<EStringListError>([&] { list.Put(0, "z"); }, text);
  ExpectError<EStringListError>([&] { list.Exchange(0, 2); }, text);
  ExpectError<EStringListError>([&] { list.Move(0, 2); }, text);
  EXPECT_EQ(LinesOf(list), (TLines { "a", "b", "c" }));
}

TEST(TStringListTest, BadIndexesRaiseTheListIndexError) {
  TStringList list;
  Fill(list, { "a", "b" });
  ExpectError<EStringListError>([&] { list.Strings(2); }, "List index out of bounds (2)");
  ExpectError<EStringListError>([&] { list.Objects(-1); }, "List index out of bounds (-1)");
  ExpectError<EStringListError>([&] { list.Delete(2); }, "List index out of bounds (2)");
  ExpectError<EStringListError>([&] { list.Insert(3, "x"); }, "List index out of bounds (3)");
  ExpectError<EStringListError>([&] { list.Move(0, 2); }, "List index out of bounds (2)");
  EXPECT_EQ(LinesOf(list), (TLines { "a", "b" }));
}

TEST(TStringListTest, EditingByPosition) {
  TStringList list;
  Fill(list, { "a", "b", "c", "d" });
  list.Insert(0, "start");
  list.Insert(5, "end");
  list.Delete(2);
  list.Exchange(0, 4);
  list.Move(0, 2);
  list.Put(0, "A");
  EXPECT_EQ(LinesOf(list), (TLines { "A", "c", "end", "d", "start" }));
  EXPECT_EQ(list.IndexOf("END"), 2);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("END"), -1);
}

TEST(TStringListTest, NamesAndValues) {
  TStringList list;
  Fill(list, { "Width=640", "no separator", "Empty=", "=nameless", "Path=a=b" });
  struct TCase {
    int Index;
    String Name, Value;
  };
  for (const TCase& c : { TCase { 0, "Width", "640" }, TCase { 1, "", "" }, TCase { 2, "Empty", "" },
                          TCase { 3, "", "nameless" }, TCase { 4, "Path", "a=b" } }) {
    EXPECT_EQ(list.Names(c.Index), c.Name) << c.Index;
    EXPECT_EQ(list.ValueFromIndex(c.Index), c.Value) << c.Index;
  }
  EXPECT_EQ(list.IndexOfName("WIDTH"), 0);
  EXPECT_EQ(list.IndexOfName("no separator"), -1);
  EXPECT_EQ(list.Values("path"), "a=b");
  EXPECT_EQ(list.Values("missing"), "");

  list.SetValue("width", "800");  // replaces in place, under the new spelling
  list.SetValue("Height", "480");  // appends
  list.SetValue("Empty", "");      // deletes
  list.SetValue("Missing", "");    // nothing to delete
  EXPECT_EQ(LinesOf(list), (TLines { "width=800", "no separator", "=nameless", "Path=a=b", "Height=480" }));

  list.SetNameValueSeparator(':');
  list.SetValue("Key", "v");
  EXPECT_EQ(list.Values("KEY"), "v");
  EXPECT_EQ(list.Strings(list.Count() - 1), "Key:v");
}

TEST(TStringListTest, SettingAValueOnASortedListAddsItInPlace) {
  TStringList list;
  list.SetSorted(true);
  Fill(list, { "b=1", "d=2" });
  list.SetValue("c", "3");
  EXPECT_EQ(LinesOf(list), (TLines { "b=1", "c=3", "d=2" }));
}

TEST(TStringListTest, TextJoinsWithLineFeedsAndSplitsEveryLineBreak) {
  struct TCase {
    String Text;
    TLines Lines;
  };
  const TCase cases[] = {
    { "", {} },
    { "one", { "one" } },
    { "one\n", { "one" } },
    { "one\ntwo\n", { "one", "two" } },
    { "one\r\ntwo\r\n", { "one", "two" } },
    { "one\rtwo", { "one", "two" } },
    { "one\n\r\n\rtwo", { "one", "", "", "two" } },
    { "\n", { "" } },
    { "tab\there\xC3\xA4", { "tab\there\xC3\xA4" } },
  };
  for (const TCase& c : cases) {
    TStringList list;
    list.SetText(c.Text);
    EXPECT_EQ(LinesOf(list), c.Lines) << c.Text;
  }
  TStringList list;
  Fill(list, { "a", "", "b" });
  EXPECT_EQ(list.Text(), "a\n\nb\n");
}

TEST(TStringListTest, CommaTextQuotesWhatWouldNotReadBack) {
  struct TCase {
    TLines Lines;
    String Text;
  };
  const TCase cases[] = {
    { {}, "" },
    { { "" }, "\"\"" },
    { { "", "" }, "," },
    { { "a", "b c", "d,e", "say \"hi\"", "", "f" }, "a,\"b c\",\"d,e\",\"say \"\"hi\"\"\",,f" },
    { { "tab\there" }, "\"tab\there\"" },
  };
  for (const TCase& c : cases) {
    TStringList list;
    Fill(list, c.Lines);
    EXPECT_EQ(list.CommaText(), c.Text);
    TStringList back;
    back.SetCommaText(c.Text);
    EXPECT_EQ(LinesOf(back), c.Lines) << c.Text;
  }
}

TEST(TStringListTest, CommaTextParsingTreatsBlanksAsSeparators) {
  struct TCase {
    String Text;
    TLines Lines;
  };
  const TCase cases[] = {
    { "a b", { "a", "b" } },
    { "  a ,  b  ", { "a", "b" } },
    { "a,,b", { "a", "", "b" } },
    { ",a", { "", "a" } },
    { "a,", { "a", "" } },
    { "\"x y\" z", { "x y", "z" } },
    { "\"unclosed, still", { "unclosed, still" } },
    { "\"a\"b,c", { "a", "b", "c" } },
    { "mid\"quote", { "mid\"quote" } },
  };
  for (const TCase& c : cases) {
    TStringList list;
    list.SetCommaText(c.Text);
    EXPECT_EQ(LinesOf(list), c.Lines) << c.Text;
  }
}

TEST(TStringListTest, DelimitedTextUsesTheListsDelimiterQuoteAndStrictness) {
  TStringList list;
  list.SetDelimiter(';');
  list.SetQuoteChar('\'');
  list.SetDelimitedText("a b;'c;d';'it''s'");
  EXPECT_EQ(LinesOf(list), (TLines { "a", "b", "c;d", "it's" }));
  EXPECT_EQ(list.DelimitedText(), "a;b;'c;d';'it''s'");

  list.SetStrictDelimiter(true);
  list.SetDelimitedText(" a b ; c,d ;");
  EXPECT_EQ(LinesOf(list), (TLines { " a b ", " c,d ", "" }));
  EXPECT_EQ(list.DelimitedText(), " a b ; c,d ;");
  EXPECT_EQ(list.CommaText(), "\" a b \",\" c,d \",");  // comma text never keeps blanks unquoted
}

TEST(TStringListTest, ChangeEventsFireOncePerOutermostUpdate) {
  TStringList list;
  int changing = 0, changed = 0;
  list.OnChanging = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &list);
    ++changing;
  };
  list.OnChange = [&](TObject*) { ++changed; };
  list.Add("a");
  list.Delete(0);
  EXPECT_EQ(changing, 2);
  EXPECT_EQ(changed, 2);

  list.BeginUpdate();
  list.BeginUpdate();
  Fill(list, { "x", "y" });
  list.EndUpdate();
  list.Clear();
  EXPECT_EQ(changed, 2);
  list.EndUpdate();
  EXPECT_EQ(changing, 3);
  EXPECT_EQ(changed, 3);

  list.SetText("a\nb\nc");  // whole-list setters are one change
  list.SetCommaText("d,e");
  EXPECT_EQ(changed, 5);
  list.Clear();
  list.Clear();  // nothing left to change
  EXPECT_EQ(changed, 6);
}

TEST(TStringListTest, AChangeHandlerMayFreeTheList) {
  auto* list = new TStringList;
  bool freed = false;
  list->OnChange = [&](TObject* Sender) {
    delete static_cast<TStringList*>(Sender);
    freed = true;
  };
  list->Add("last words");
  EXPECT_TRUE(freed);
}

TEST(TStringListTest, AssignAndAddStringsCopyStringsWithObjects) {
  TObject one, two;
  TStringList source;
  source.AddObject("one", &one);
  source.AddObject("two", &two);
  TStringList target;
  Fill(target, { "old" });
  target.Assign(&source);
  EXPECT_EQ(LinesOf(target), (TLines { "one", "two" }));
  EXPECT_EQ(target.Objects(1), &two);
  EXPECT_EQ(target.IndexOfObject(&two), 1);
  EXPECT_EQ(target.IndexOfObject(nullptr), -1);

  target.Assign(&target);  // a list assigned to itself keeps its strings
  EXPECT_EQ(LinesOf(target), (TLines { "one", "two" }));
  target.AddStrings(&target);
  EXPECT_EQ(LinesOf(target), (TLines { "one", "two", "one", "two" }));

  TStringList sorted;
  sorted.SetSorted(true);
  sorted.Assign(&target);  // the target's own rules apply to what it receives
  EXPECT_EQ(LinesOf(sorted), (TLines { "one", "two" }));
  TPersistent unrelated;
  EXPECT_THROW(target.Assign(&unrelated), EConvertError);
}

TEST(TStringListTest, AnOwningListFreesTheObjectsOfItemsItDrops) {
  int live = 0;
  {
    TStringList list(true);
    for (const char* s : { "a", "b", "c", "d" }) list.AddObject(s, new TCounted(live));
    TObject* moved = list.Objects(0);
    list.Move(0, 3);  // moving keeps the object alive
    list.Exchange(0, 1);
    EXPECT_EQ(list.Objects(3), moved);
    EXPECT_EQ(live, 4);
    list.Delete(0);
    EXPECT_EQ(live, 3);
    list.Insert(0, "plain");
    list.Clear();
    EXPECT_EQ(live, 0);
    list.AddObject("e", new TCounted(live));
  }
  EXPECT_EQ(live, 0);
}

TEST(TStringListTest, CustomSortComparesByIndex) {
  TStringList list;
  Fill(list, { "ccc", "a", "bb", "dd" });
  list.CustomSort([](TStringList* List, int Index1, int Index2) {
    return int(List->Strings(Index1).size()) - int(List->Strings(Index2).size());
  });
  EXPECT_EQ(LinesOf(list), (TLines { "a", "bb", "dd", "ccc" }));  // equal lengths keep their order

  // A comparison that is no ordering at all must not take the sort out of bounds or lose items.
  TStringList many;
  for (int i = 0; i < 100; ++i) many.Add(std::to_string(i));
  many.CustomSort([](TStringList*, int Index1, int Index2) { return (Index1 * 7 + Index2 * 3) % 5 - 2; });
  TStringList check;
  check.SetSorted(true);
  check.Assign(&many);
  EXPECT_EQ(check.Count(), 100);
}

class TStringListFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    Dir = std::filesystem::temp_directory_path() /
          ("strings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(Dir);
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }

  String PathOf(const char* Name) const { return (Dir / Name).string(); }
  void WriteBytes(const String& Path, const String& Bytes) const { std::ofstream(Path, std::ios::binary) << Bytes; }
  String ReadBytes(const String& Path) const {
    std::ifstream in(Path, std::ios::binary);
    return String(std::istreambuf_iterator<char>(in), {});
  }

  std::filesystem::path Dir;
};

TEST_F(TStringListFileTest, LoadDropsTheByteOrderMarkAndKeepsEveryOtherByte) {
  const String path = PathOf("in.txt");
  WriteBytes(path, "\xEF\xBB\xBF[Skin]\r\nName=\xE4\xB8\xAD\xE6\x96\x87\r\n\xFF raw\r\n");
  TStringList list;
  list.LoadFromFile(path);
  EXPECT_EQ(LinesOf(list), (TLines { "[Skin]", "Name=\xE4\xB8\xAD\xE6\x96\x87", "\xFF raw" }));

  const String out = PathOf("out.txt");
  list.SaveToFile(out);
  EXPECT_EQ(ReadBytes(out), "[Skin]\nName=\xE4\xB8\xAD\xE6\x96\x87\n\xFF raw\n");
}

TEST_F(TStringListFileTest, StreamsReadFromTheirPositionAndWriteWithoutAMark) {
  TStringStream in("skip|a\nb");
  in.SetPosition(5);
  TStringList list;
  list.LoadFromStream(&in);
  EXPECT_EQ(LinesOf(list), (TLines { "a", "b" }));
  TStringStream out;
  list.SaveToStream(&out);
  EXPECT_EQ(out.DataString(), "a\nb\n");
}

TEST_F(TStringListFileTest, AMissingFileRaisesAndLeavesTheListAsItWas) {
  TStringList list;
  Fill(list, { "kept" });
  EXPECT_THROW(list.LoadFromFile(PathOf("missing.txt")), EFOpenError);
  EXPECT_EQ(LinesOf(list), TLines { "kept" });
}

}  // namespace
