#pragma once
// Dates and times as TDateTime: days since 1899-12-30 00:00 with the time of day as the fraction
// (25569.0 is 1970-01-01). A negative value counts whole days backwards and keeps the time of day as the
// positive fraction (-1.25 is 1899-12-29 06:00).
#include <string_view>

#include "platform/base/Types.h"

using TDateTime = double;

/// TDateTime of 1970-01-01 00:00.
constexpr TDateTime UnixDateDelta = 25569.0;

/// The local date and time now.
TDateTime Now();
/// The date Year-Month-Day at midnight; an invalid date raises EConvertError.
TDateTime EncodeDate(Word Year, Word Month, Word Day);
/// The time of day as a fraction of a day; an invalid time raises EConvertError.
TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec);
/// The calendar date of DateTime.
void DecodeDate(TDateTime DateTime, Word& Year, Word& Month, Word& Day);
/// The time of day of DateTime, rounded to the millisecond.
void DecodeTime(TDateTime DateTime, Word& Hour, Word& Min, Word& Sec, Word& MSec);

/// Seconds since 1970-01-01 as a TDateTime on the same clock (no time-zone shift).
TDateTime UnixToDateTime(Int64 Seconds);
/// The converse of UnixToDateTime, rounded to the second.
Int64 DateTimeToUnix(TDateTime DateTime);
/// The local date and time of the instant Seconds (since 1970-01-01 UTC), with the time-zone offset in
/// force at that instant (daylight saving included).
TDateTime UnixToLocalDateTime(Int64 Seconds);
/// The instant (seconds since 1970-01-01 UTC) of a local date and time; the converse of
/// UnixToLocalDateTime.
Int64 LocalDateTimeToUnix(TDateTime DateTime);

/// DateTime written by the pattern Fmt: "yyyy" (year), "yy" (two-digit year), "mm"/"m" (month), "dd"/"d"
/// (day), "hh"/"h" (hour), "nn"/"n" (minute), "ss"/"s" (second), "zzz"/"z" (millisecond); text in double
/// or single quotes is copied without the quotes; every other character is copied as it is.
String FormatDateTime(std::string_view Fmt, TDateTime DateTime);
/// DateTime as "yyyy-mm-dd hh:nn:ss".
String DateTimeToStr(TDateTime DateTime);
