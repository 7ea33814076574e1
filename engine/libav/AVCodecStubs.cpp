#include "engine/libav/AVCodecStubs.h"

#include "engine/libav/MyUtils.h"

TAVCodecStubs LibAVCodec;

void AVCodecFixup(const String& AFileName, void* AHandle) {
  TAVCodecStubs Bound;
  ZORVIK_AVCODEC_EXPORTS(ZORVIK_BIND_ENTRY)
  CommitEntries(LibAVCodec, Bound);
}
