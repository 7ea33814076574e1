#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "app/jobs/JobTexts.h"

namespace {

TEST(JobTextsTest, SecToDateKeepsHoursWithinADay) {
  const std::pair<int, const char*> cases[] = {
    { 0, "00:00:00" },      { 59, "00:00:59" },     { 60, "00:01:00" },     { 3600, "01:00:00" },
    { 3661, "01:01:01" },   { 86399, "23:59:59" },  { 86405, "00:00:05" },  { 90061, "01:01:01" },
    { 360000, "04:00:00" },
  };
  for (const auto& [sec, text] : cases) EXPECT_EQ(SecToDate(sec), text) << sec;
}

// Hundredths of a megabyte rounded half to even: 131072 bytes are exactly 0.125 MB.
TEST(JobTextsTest, SizeTextGivesMegabytesWithAtMostTwoDecimals) {
  const std::pair<Int64, const char*> cases[] = {
    { 0, "0MB" },           { 1023, "0MB" },        { 1048576, "1MB" },         { 1200000, "1.14MB" },
    { 1572864, "1.5MB" },   { 5767168, "5.5MB" },   { 131072, "0.12MB" },       { 393216, "0.38MB" },
    { 5000000000, "4768.37MB" },                    { 10737418240, "10240MB" },
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(SizeText(bytes), text) << bytes;
}

// Seven columns are shown, 530 pixels in all; every other one can never be widened by the user.
TEST(JobTextsTest, SevenColumnsAreShown) {
  std::vector<String> shown;
  int width = 0;
  for (const TJobColumn& column : JobColumns) {
    if (column.MaxWidth == 1) {
      EXPECT_EQ(column.Width, 0) << column.Caption;
      continue;
    }
    shown.push_back(column.Caption);
    width += column.Width;
  }
  const std::vector<String> expected { "输入文件", "视频时间", "文件大小", "输出文件", "转换进度", "当前时间", "转换大小" };
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(width, 530);
  EXPECT_STREQ(JobColumns[8].Caption, "视频序号");
  EXPECT_STREQ(JobColumns[24].Caption, "NormType");
}

}  // namespace
