#pragma once
// What the tests' video-hook plug-in remembers, read by the tests through its exports.
#include <cstdint>

/// One configured instance of the plug-in.
struct THookPluginContext {
  char Arguments[256];  // argv joined by "|"
  int Processed;
  int PixelFormat;
  int Width;
  int Height;
  int64_t PTS;
};

/// Counters of the whole library (one set per loaded copy).
struct THookPluginCounters {
  int Loads;             // times the library was loaded into the process
  int Releases;
  int ProcessedWithoutContext;
};
