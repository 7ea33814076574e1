#include "engine/SwScaleStubs.h"

#include "engine/MyUtils.h"

TSwScaleStubs LibSwScale;

void SwScaleFixup(const String& AFileName, void* AHandle) {
  TSwScaleStubs Bound;
  ZORVIK_SWSCALE_EXPORTS(ZORVIK_BIND_ENTRY)
  CommitEntries(LibSwScale, Bound);
}
