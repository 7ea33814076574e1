#include "engine/libav/AVUtilStubs.h"

#include "engine/libav/MyUtils.h"

TAVUtilStubs LibAVUtil;

void AVUtilFixup(const String& AFileName, void* AHandle) {
  TAVUtilStubs Bound;
  ZORVIK_AVUTIL_EXPORTS(ZORVIK_BIND_ENTRY)
  CommitEntries(LibAVUtil, Bound);
}
