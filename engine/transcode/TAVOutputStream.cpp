#include "engine/TAVOutputStream.h"

#include "engine/AVCodecStubs.h"
#include "engine/AVFilterStubs.h"
#include "engine/AVUtilStubs.h"
#include "engine/SwResampleStubs.h"
#include "engine/SwScaleStubs.h"
#include "engine/TCodecItem.h"

TAVOutputStream::~TAVOutputStream() {
  if (logfile) std::fclose(logfile);
  LibAVUtil.av_frame_free(&pict_tmp);
  LibSwScale.sws_freeContext(img_resample_ctx);
  LibAVFilter.avfilter_graph_free(&graph);
  LibSwResample.swr_free(&resample);
  if (fifo) LibAVUtil.av_audio_fifo_free(fifo);
  // Never opened, so no codec lock is needed.
  if (join_template) {
    LibAVUtil.av_freep(&join_template->stats_in);
    LibAVCodec.avcodec_free_context(&join_template);
  }
}
