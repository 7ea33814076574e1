#pragma once
// Owning handles for the library objects the engine makes: each frees its object with the library's own
// free function when it goes, so a failed step, an early return or an exception leaks nothing. A handle
// converts to the raw pointer the library's calls take; reset() replaces the object, release() gives it up.
#include <memory>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFilterStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/SwResampleStubs.h"
#include "engine/libav/SwScaleStubs.h"

struct TAVFrameFree {
  void operator()(AVFrame* P) const { LibAVUtil.av_frame_free(&P); }
};
struct TAVPacketFree {
  void operator()(AVPacket* P) const { LibAVCodec.av_packet_free(&P); }
};
struct TAVCodecContextFree {
  void operator()(AVCodecContext* P) const { LibAVCodec.avcodec_free_context(&P); }
};
/// For a context that was never opened for input (an output's, or a scratch one); an opened input is
/// closed with avformat_close_input instead.
struct TAVFormatContextFree {
  void operator()(AVFormatContext* P) const { LibAVFormat.avformat_free_context(P); }
};
struct TAVFilterGraphFree {
  void operator()(AVFilterGraph* P) const { LibAVFilter.avfilter_graph_free(&P); }
};
struct TSwsContextFree {
  void operator()(SwsContext* P) const { LibSwScale.sws_freeContext(P); }
};
struct TSwrContextFree {
  void operator()(SwrContext* P) const { LibSwResample.swr_free(&P); }
};

/// A unique_ptr over a library object that hands out the raw pointer wherever the library wants one.
template <class T, class Free> class TAVHandle : public std::unique_ptr<T, Free> {
public:
  using std::unique_ptr<T, Free>::unique_ptr;
  operator T*() const { return this->get(); }
};

using TAVFrameHandle = TAVHandle<AVFrame, TAVFrameFree>;
using TAVPacketHandle = TAVHandle<AVPacket, TAVPacketFree>;
using TAVCodecContextHandle = TAVHandle<AVCodecContext, TAVCodecContextFree>;
using TAVFormatContextHandle = TAVHandle<AVFormatContext, TAVFormatContextFree>;
using TAVFilterGraphHandle = TAVHandle<AVFilterGraph, TAVFilterGraphFree>;
using TSwsContextHandle = TAVHandle<SwsContext, TSwsContextFree>;
using TSwrContextHandle = TAVHandle<SwrContext, TSwrContextFree>;
