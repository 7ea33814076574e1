// A stand-in for libavformat that exports every name the engine binds except the one the build renames
// away, so the loader's handling of an incomplete library can be shown without touching a real one.
#include "engine/libav/LibraryExports.h"

#define ZORVIK_FAKE_EXPORT(name) \
  extern "C" __attribute__((visibility("default"))) void name() {}

ZORVIK_AVFORMAT_EXPORTS(ZORVIK_FAKE_EXPORT)
