#include "engine/libav/SwResampleStubs.h"

#include "engine/libav/MyUtils.h"

TSwResampleStubs LibSwResample;

void SwResampleFixup(const String& AFileName, void* AHandle) {
  TSwResampleStubs Bound;
  ZORVIK_SWRESAMPLE_EXPORTS(ZORVIK_BIND_ENTRY)
  CommitEntries(LibSwResample, Bound);
}
