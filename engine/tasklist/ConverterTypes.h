#pragma once
// The records the task-list component passes to its events.
#include "platform/base/Types.h"

class TBitmap;

/// A running task's progress; TaskIndex is the task's place in the list, the rest are the task's own
/// values (-1 where it has no video).
struct TProgressInfo {
  int TaskIndex { 0 };
  int FileIndex { 0 };          // the input being read; -1 in the last report
  int FrameNumber { 0 };        // frames encoded so far
  int FPS { 0 };
  float Quality { 0 };
  float BitRate { 0 };          // kbit/s
  Int64 CurrentSize { 0 };      // bytes written
  Int64 CurrentDuration { 0 };  // microseconds converted
  Int64 TotalDuration { 0 };    // microseconds expected, -1 when unknown
};
using PProgressInfo = TProgressInfo*;

/// How a task ended; TaskIndex -1 is the end of the whole run (Finished True, no exception).
struct TTerminateInfo {
  int TaskIndex { 0 };
  bool Finished { false };      // converted to its end
  bool Exception { false };     // ended by an error
  String ExceptionMsg;
};

/// A picture a task is about to encode, for a handler to paint into. The handler sets Update False when it
/// left the bitmap unchanged and StopHook True when it wants no more pictures of this task.
struct THookInfo {
  int TaskIndex { 0 };
  TBitmap* Bitmap { nullptr };
  int FrameNumber { 0 };
  Int64 PTS { 0 };              // microseconds
  bool Update { false };
  bool StopHook { false };
};
using PHookInfo = THookInfo*;

/// A picture a task encoded, for showing.
struct TPreviewInfo {
  int TaskIndex { 0 };
  TBitmap* Bitmap { nullptr };
  int FrameNumber { 0 };
  Int64 PTS { 0 };              // microseconds
};
