#include "engine/transcode/TAVOutputStream.h"

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFilterStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/SwResampleStubs.h"
#include "engine/libav/SwScaleStubs.h"
#include "engine/task/TCodecItem.h"

TAVOutputStream::~TAVOutputStream() {
  if (logfile) std::fclose(logfile);
  if (fifo) LibAVUtil.av_audio_fifo_free(fifo);
  // Never opened, so no codec lock is needed.
  if (join_template) {
    LibAVUtil.av_freep(&join_template->stats_in);
    LibAVCodec.avcodec_free_context(&join_template);
  }
}
