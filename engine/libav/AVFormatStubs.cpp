#include "engine/libav/AVFormatStubs.h"

#include "engine/libav/MyUtils.h"

TAVFormatStubs LibAVFormat;

void AVFormatFixup(const String& AFileName, void* AHandle) {
  TAVFormatStubs Bound;
  ZORVIK_AVFORMAT_EXPORTS(ZORVIK_BIND_ENTRY)
  CommitEntries(LibAVFormat, Bound);
}
