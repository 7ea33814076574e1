#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "platform/base/TStringList.h"
#include "skin/core/TskResourceStrData.h"

namespace {

/// The lines of the data file, without their quotes, in file order.
std::vector<String> ReadDefaultLines() {
  std::vector<String> Lines;
  std::ifstream In(STRING_TABLE_DATA);
  for (String Line; std::getline(In, Line);) {
    if (!Line.empty() && Line.back() == '\r')
      Line.pop_back();
    if (Line.size() >= 2 && Line.front() == '"' && Line.back() == '"')
      Lines.push_back(Line.substr(1, Line.size() - 2));
  }
  return Lines;
}

TEST(StringTable, ANewTableHoldsTheDefaultLinesOfTheDataFileInItsOrder) {
  const std::vector<String> Expected = ReadDefaultLines();
  ASSERT_EQ(Expected.size(), 131u) << "the data file " << STRING_TABLE_DATA;
  TskResourceStrData table(nullptr);
  TStrings* Lines = table.ResStrings();
  ASSERT_EQ(Lines->Count(), int(Expected.size()));
  for (int I = 0; I < Lines->Count(); ++I)
    EXPECT_EQ(Lines->Strings(I), Expected[size_t(I)]) << "line " << I + 1;
}

TEST(StringTable, ANewTableAnswersWithTheBuiltInTexts) {
  TskResourceStrData table(nullptr);
  EXPECT_EQ(table.ResStrings()->Count(), 131);
  EXPECT_EQ(table.CharSet(), 1);
  const std::pair<const char*, const char*> cases[] = {
    { "msg_btn_ok", "OK" },           { "FLV_LOOKIN", "Look in: " },  { "MI_MINCAPTION", "Mi&nimize" },
    { "EDIT_SELECTALL", "Select All" }, { "DBNAV_REFRESH", "REFRESH" }, { "FIND_REPLACE_All", "Replace All" },
    { "NO_SUCH_TEXT", "" },           { "", "" },
  };
  for (const auto& [name, text] : cases) EXPECT_EQ(table.GetResStr(name), text) << name;
}

TEST(StringTable, AnAssignedTableReplacesTheDefaults) {
  TskResourceStrData table(nullptr);
  TStringList lines;
  for (const char* line : { "A=b=c", "MSG_BTN_OK=Gut", "msg_btn_ok=second", "NOSEPARATOR", "EMPTY=" }) lines.Add(line);
  table.SetResStrings(&lines);
  const std::pair<const char*, const char*> cases[] = {
    { "A", "b=c" }, { "MSG_BTN_OK", "Gut" }, { "MSG_BTN_CANCEL", "" }, { "NOSEPARATOR", "" }, { "EMPTY", "" },
  };
  for (const auto& [name, text] : cases) EXPECT_EQ(table.GetResStr(name), text) << name;
}

}  // namespace
