#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <vector>

#include "platform/base/DateUtils.h"
#include "platform/base/Exception.h"

namespace {

struct TDate {
  Word Year, Month, Day;
};

TEST(DateUtilsTest, DayNumbersOfKnownDates) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1970, 1, 1), 25569.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
}

TEST(DateUtilsTest, DatesRoundTrip) {
  for (TDate d : std::vector<TDate> { { 1, 1, 1 }, { 1899, 12, 29 }, { 1900, 2, 28 }, { 1900, 3, 1 },
                                      { 2000, 2, 29 }, { 2024, 12, 31 }, { 2038, 1, 19 }, { 9999, 12, 31 } }) {
    Word y, m, day;
    const TDateTime date = EncodeDate(d.Year, d.Month, d.Day);
    DecodeDate(date < 0 ? date - 0.75 : date + 0.75, y, m, day);
    EXPECT_EQ((std::vector<Word> { y, m, day }), (std::vector<Word> { d.Year, d.Month, d.Day }))
        << d.Year << "-" << d.Month << "-" << d.Day;
  }
}

TEST(DateUtilsTest, InvalidDatesAndTimesRaise) {
  for (TDate d : std::vector<TDate> { { 1900, 2, 29 }, { 2001, 2, 29 }, { 2024, 4, 31 }, { 2024, 13, 1 },
                                      { 2024, 0, 1 }, { 2024, 1, 0 }, { 0, 1, 1 }, { 10000, 1, 1 } })
    EXPECT_THROW(EncodeDate(d.Year, d.Month, d.Day), EConvertError) << d.Year << "-" << d.Month << "-" << d.Day;
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 60, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
}

TEST(DateUtilsTest, TimesRoundToTheMillisecondAndCarryIntoTheNextDay) {
  Word h, n, s, ms;
  DecodeTime(EncodeTime(13, 45, 30, 250), h, n, s, ms);
  EXPECT_EQ((std::vector<Word> { h, n, s, ms }), (std::vector<Word> { 13, 45, 30, 250 }));
  EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);

  const TDateTime almostMidnight = EncodeDate(2024, 2, 28) + 86399.9996 / 86400;
  EXPECT_EQ(DateTimeToStr(almostMidnight), "2024-02-29 00:00:00");

  // Before 1899-12-30 the day counts backwards while the time of day stays a positive fraction.
  EXPECT_EQ(DateTimeToStr(-1.25), "1899-12-29 06:00:00");
  EXPECT_EQ(DateTimeToStr(-1.75), "1899-12-29 18:00:00");
}

TEST(DateUtilsTest, UnixSecondsOnTheSameClock) {
  EXPECT_EQ(UnixToDateTime(0), 25569.0);
  EXPECT_EQ(UnixToDateTime(86400 + 43200), 25570.5);
  for (Int64 seconds : { Int64(0), Int64(1), Int64(1700000000), Int64(-86401), Int64(4102444800) })
    EXPECT_EQ(DateTimeToUnix(UnixToDateTime(seconds)), seconds) << seconds;
}

/// Runs a test in a time zone with daylight saving, written as a rule so no zone database is needed.
class LocalTimeTest : public testing::Test {
protected:
  void SetUp() override {
    const char* tz = std::getenv("TZ");
    FHadTZ = tz != nullptr;
    if (tz) FSavedTZ = tz;
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
  }
  void TearDown() override {
    if (FHadTZ) setenv("TZ", FSavedTZ.c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }

private:
  bool FHadTZ { false };
  String FSavedTZ;
};

TEST_F(LocalTimeTest, TheOffsetInForceAtThatInstantIsUsed) {
  const Int64 winter = 1704067200;  // 2024-01-01 00:00 UTC
  const Int64 summer = 1719792000;  // 2024-07-01 00:00 UTC
  EXPECT_EQ(DateTimeToStr(UnixToLocalDateTime(winter)), "2024-01-01 01:00:00");
  EXPECT_EQ(DateTimeToStr(UnixToLocalDateTime(summer)), "2024-07-01 02:00:00");
  EXPECT_EQ(LocalDateTimeToUnix(UnixToLocalDateTime(winter)), winter);
  EXPECT_EQ(LocalDateTimeToUnix(UnixToLocalDateTime(summer)), summer);
  EXPECT_NEAR(Now(), UnixToLocalDateTime(time(nullptr)), 2.0 / 86400);
}

TEST(DateUtilsTest, FormatDateTimePatterns) {
  const TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(7, 8, 9, 45);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", t), "2024-03-05 07:08:09");
  EXPECT_EQ(FormatDateTime("hhnnss", t), "070809");
  EXPECT_EQ(FormatDateTime("hh:nn:ss.zzz", t), "07:08:09.045");
  EXPECT_EQ(FormatDateTime("yy/m/d h:n:s.z", t), "24/3/5 7:8:9.45");
  EXPECT_EQ(FormatDateTime("YYYYMMDD", t), "20240305");
  EXPECT_EQ(FormatDateTime("\"day\" dd 'at' hh", t), "day 05 at 07");
  EXPECT_EQ(FormatDateTime("[yyyy] 视频", t), "[2024] 视频");
}

} // namespace
