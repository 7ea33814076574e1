#include "engine/player/TVideoState.h"

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFilterStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/SwResampleStubs.h"
#include "engine/libav/SwScaleStubs.h"

TVideoState::TVideoState() = default;

// Threads, decoders and the file are closed by the playback's closing steps; what is left are buffers. A
// state that never held any needs no library.
TVideoState::~TVideoState() {
  for (TVideoPicture& Picture : pictq)
    if (Picture.bmp) LibAVUtil.av_frame_free(&Picture.bmp);
  if (shown) LibAVUtil.av_frame_free(&shown);
  if (audio_frame) LibAVUtil.av_frame_free(&audio_frame);
  for (TSubPicture& Picture : subpq)
    if (Picture.sub.rects) LibAVCodec.avsubtitle_free(&Picture.sub);
  if (video_graph) LibAVFilter.avfilter_graph_free(&video_graph);
  if (swr_ctx) LibSwResample.swr_free(&swr_ctx);
  if (audio_src_layout.nb_channels) LibAVUtil.av_channel_layout_uninit(&audio_src_layout);
  if (rdft) LibAVCodec.av_rdft_end(rdft);
  if (rdft_data) LibAVUtil.av_freep(&rdft_data);
  if (img_convert_ctx) LibSwScale.sws_freeContext(img_convert_ctx);
}
