#include "platform/base/DateUtils.h"

#include <cctype>
#include <cmath>
#include <ctime>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

namespace {

constexpr Int64 MSecsPerDay = 86400000;

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

int DaysInMonth(int Year, int Month) {
  static const int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
  return Month == 2 && IsLeapYear(Year) ? 29 : days[Month - 1];
}

// Day numbers count from 1970-01-01 on the proleptic Gregorian calendar, in eras of 400 years.
Int64 DaysFromCivil(Int64 y, unsigned m, unsigned d) {
  y -= m <= 2;
  const Int64 era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = unsigned(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + Int64(doe) - 719468;
}

void CivilFromDays(Int64 z, int& y, unsigned& m, unsigned& d) {
  z += 719468;
  const Int64 era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = unsigned(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = int(Int64(yoe) + era * 400 + (m <= 2));
}

/// Whole days (counted as TDateTime counts them) and the milliseconds of the time of day, rounded; a
/// time that rounds up to midnight moves to the next day.
void SplitDateTime(TDateTime DateTime, Int64& Days, Int64& MSecs) {
  if (DateTime >= 0) {
    Int64 total = std::llround(DateTime * double(MSecsPerDay));
    Days = total / MSecsPerDay;
    MSecs = total % MSecsPerDay;
    return;
  }
  Days = Int64(DateTime);
  MSecs = std::llround((double(Days) - DateTime) * double(MSecsPerDay));
  if (MSecs >= MSecsPerDay) {
    MSecs -= MSecsPerDay;
    --Days;
  }
}

String TwoDigits(int Value) { return Format("%.2d", Value); }

} // namespace

TDateTime Now() {
  timespec now {};
  clock_gettime(CLOCK_REALTIME, &now);
  return UnixToLocalDateTime(Int64(now.tv_sec)) + double(now.tv_nsec / 1000000) / double(MSecsPerDay);
}

TDateTime EncodeDate(Word Year, Word Month, Word Day) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInMonth(Year, Month))
    throw EConvertError("Invalid argument to date encode");
  return double(DaysFromCivil(Year, Month, Day)) + UnixDateDelta;
}

TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec) {
  if (Hour >= 24 || Min >= 60 || Sec >= 60 || MSec >= 1000) throw EConvertError("Invalid argument to time encode");
  return double(((Int64(Hour) * 60 + Min) * 60 + Sec) * 1000 + MSec) / double(MSecsPerDay);
}

void DecodeDate(TDateTime DateTime, Word& Year, Word& Month, Word& Day) {
  Int64 days, msecs;
  SplitDateTime(DateTime, days, msecs);
  int y;
  unsigned m, d;
  CivilFromDays(days - Int64(UnixDateDelta), y, m, d);
  Year = Word(y);
  Month = Word(m);
  Day = Word(d);
}

void DecodeTime(TDateTime DateTime, Word& Hour, Word& Min, Word& Sec, Word& MSec) {
  Int64 days, msecs;
  SplitDateTime(DateTime, days, msecs);
  MSec = Word(msecs % 1000);
  Sec = Word(msecs / 1000 % 60);
  Min = Word(msecs / 60000 % 60);
  Hour = Word(msecs / 3600000);
}

TDateTime UnixToDateTime(Int64 Seconds) { return double(Seconds) / 86400.0 + UnixDateDelta; }

Int64 DateTimeToUnix(TDateTime DateTime) { return std::llround((DateTime - UnixDateDelta) * 86400.0); }

TDateTime UnixToLocalDateTime(Int64 Seconds) {
  time_t t = time_t(Seconds);
  tm local {};
  if (!localtime_r(&t, &local)) return UnixToDateTime(Seconds);
  return UnixToDateTime(Seconds + local.tm_gmtoff);
}

Int64 LocalDateTimeToUnix(TDateTime DateTime) {
  Word year, month, day, hour, min, sec, msec;
  DecodeDate(DateTime, year, month, day);
  DecodeTime(DateTime, hour, min, sec, msec);
  tm local {};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = min;
  local.tm_sec = sec;
  local.tm_isdst = -1;
  return Int64(mktime(&local));
}

String FormatDateTime(std::string_view Fmt, TDateTime DateTime) {
  Word year, month, day, hour, min, sec, msec;
  DecodeDate(DateTime, year, month, day);
  DecodeTime(DateTime, hour, min, sec, msec);
  String out;
  for (size_t i = 0; i < Fmt.size();) {
    char c = Fmt[i];
    if (c == '"' || c == '\'') {
      size_t close = Fmt.find(c, i + 1);
      if (close == std::string_view::npos) close = Fmt.size();
      out += Fmt.substr(i + 1, close - i - 1);
      i = close + 1;
      continue;
    }
    char letter = char(std::tolower(static_cast<unsigned char>(c)));
    size_t run = 1;
    while (i + run < Fmt.size() && std::tolower(static_cast<unsigned char>(Fmt[i + run])) == letter) ++run;
    switch (letter) {
      case 'y':
        run = std::min<size_t>(run, 4);
        out += run <= 2 ? TwoDigits(year % 100) : Format("%.4d", year);
        break;
      case 'm': case 'd': case 'h': case 'n': case 's': {
        run = std::min<size_t>(run, 2);
        int value = letter == 'm' ? month : letter == 'd' ? day : letter == 'h' ? hour : letter == 'n' ? min : sec;
        out += run == 2 ? TwoDigits(value) : IntToStr(value);
        break;
      }
      case 'z':
        run = run >= 3 ? 3 : 1;
        out += run == 3 ? Format("%.3d", msec) : IntToStr(msec);
        break;
      default:
        run = 1;
        out += c;
    }
    i += run;
  }
  return out;
}

String DateTimeToStr(TDateTime DateTime) { return FormatDateTime("yyyy-mm-dd hh:nn:ss", DateTime); }
