#pragma once
// The texts of the job list: its columns, and the time and size forms of its cells.
#include <array>

#include "platform/base/Types.h"

/// Sec seconds as "%.2d:%.2d:%.2d" of hours, minutes and seconds; hours are taken modulo 24, so a day
/// and more starts again at 00 (3661 gives "01:01:01", 86405 gives "00:00:05").
String SecToDate(int Sec);

/// Bytes in megabytes with at most two decimals: Bytes / 1024 / 1024 * 100 rounded half to even, divided
/// by 100, in the shortest general form with "." as separator, followed by "MB" (1200000 gives "1.14MB",
/// 1572864 gives "1.5MB", 1023 gives "0MB").
String SizeText(Int64 Bytes);

/// One column of the job list: its caption, width and maximum width (0: no limit). Hidden columns have
/// width 0 and maximum width 1, so the user can never widen them.
struct TJobColumn {
  const char* Caption;
  int Width;
  int MaxWidth;
};

constexpr int JobColumnCount = 25;

/// The job list's columns in order: the input file (the row's caption), then one per cell 0..23.
extern const std::array<TJobColumn, JobColumnCount> JobColumns;
