#include <gtest/gtest.h>

#include "platform/base/TStringList.h"
#include "skin/core/TskResourceStrData.h"

namespace {

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
