#include "engine/TCodecItem.h"

#include "engine/AVCodecStubs.h"
#include "engine/AVUtilStubs.h"
#include "engine/TCodecLockScope.h"

void FreeCodecContext(AVCodecContext** AContext) {
  if (!*AContext) return;
  LibAVUtil.av_freep(&(*AContext)->stats_in);
  TCodecLockScope Lock;
  LibAVCodec.avcodec_free_context(AContext);
}
