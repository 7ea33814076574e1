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
  for (TSubPicture& Picture : subpq)
    if (Picture.sub.rects) LibAVCodec.avsubtitle_free(&Picture.sub);
  if (audio_src_layout.nb_channels) LibAVUtil.av_channel_layout_uninit(&audio_src_layout);
  if (rdft) LibAVCodec.av_rdft_end(rdft);
  if (rdft_data) LibAVUtil.av_freep(&rdft_data);
}
