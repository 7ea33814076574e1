#include "engine/task/TCodecItem.h"

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/TCodecLockScope.h"

void FreeCodecContext(AVCodecContext** AContext) {
  if (!*AContext) return;
  LibAVUtil.av_freep(&(*AContext)->stats_in);
  TCodecLockScope Lock;
  LibAVCodec.avcodec_free_context(AContext);
}
