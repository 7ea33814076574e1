#include <gtest/gtest.h>

#include "app/jobs/OutputRename.h"

namespace {

TEST(OutputRenameTest, NamesThatCouldLeaveTheOutputFolderAreRefusedLikeAnEmptyOne) {
  const std::pair<String, bool> Cases[] = {
    { "holiday", true },    { "holiday.mp4", true },  { "假期 视频", true },  { "...", true },
    { ".hidden", true },    { "a:b", true },          { "", false },          { ".", false },
    { "..", false },        { "../x", false },        { "a/b", false },       { "/", false },
    { "x\\y", false },      { String("a\0b", 3), false },
  };
  for (const auto& [Text, Acceptable] : Cases) EXPECT_EQ(IsAcceptableOutputName(Text), Acceptable) << Text;
}

}  // namespace
