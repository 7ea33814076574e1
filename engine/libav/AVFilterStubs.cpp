#include "engine/libav/AVFilterStubs.h"

#include "engine/libav/MyUtils.h"

TAVFilterStubs LibAVFilter;

void AVFilterFixup(const String& AFileName, void* AHandle) {
  TAVFilterStubs Bound;
  ZORVIK_AVFILTER_EXPORTS(ZORVIK_BIND_ENTRY)
  CommitEntries(LibAVFilter, Bound);
}
