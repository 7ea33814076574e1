#include "engine/libav/SwScaleStubs.h"

#include "engine/libav/MyUtils.h"

TSwScaleStubs LibSwScale;

void SwScaleFixup(const String& AFileName, void* AHandle) {
  TSwScaleStubs Bound;
  ZORVIK_SWSCALE_EXPORTS(ZORVIK_BIND_ENTRY)
  CommitEntries(LibSwScale, Bound);
}
