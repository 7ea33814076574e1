#include "engine/player/PlayerDecoders.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFilterStubs.h"
#include "engine/libav/AVHandles.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/DisplayOrientation.h"
#include "engine/player/PlayerClocks.h"
#include "engine/player/PlayerPictureQueue.h"
#include "engine/player/PlayerStream.h"
#include "engine/player/TPlaybackHost.h"
#include "engine/libav/libsdl.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TThread.h"

namespace {

/// Builds the graph from the decoder's pictures to planar YUV 4:2:0: the buffer source, the turn the
/// source asks for to stand its pictures upright, the player's video filters when it has some, the sink.
/// Built for the first picture and again whenever the picture size or format changes.
bool ConfigureVideoFilters(TVideoState& AState, const AVFrame* AFrame) {
  if (AState.video_graph && AFrame->width == AState.graph_width && AFrame->height == AState.graph_height &&
      AFrame->format == AState.graph_format)
    return true;
  AState.in_video_filter = AState.out_video_filter = nullptr;
  AState.video_graph.reset(LibAVFilter.avfilter_graph_alloc());
  AVFilterGraph* Graph = AState.video_graph;
  if (!Graph) return false;
  const TPlaybackHost& Player = *AState.Owner;
  // The pictures of a preview are small; one thread per graph is plenty.
  Graph->nb_threads = 1;
  Graph->scale_sws_opts = LibAVUtil.av_strdup(Format("flags=%d", Player.Fsws_flags).c_str());
  AVRational Aspect = AFrame->sample_aspect_ratio;
  if (Aspect.num <= 0 || Aspect.den <= 0) Aspect = { 0, 1 };
  const AVRational TimeBase = AState.video_st.load()->time_base;
  const String Source = Format("video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d", AFrame->width,
                               AFrame->height, AFrame->format, TimeBase.num, TimeBase.den, Aspect.num, Aspect.den);
  AVFilterContext* In = nullptr;
  AVFilterContext* Out = nullptr;
  if (LibAVFilter.avfilter_graph_create_filter(&In, LibAVFilter.avfilter_get_by_name("buffer"), "src", Source.c_str(),
                                               nullptr, Graph) < 0 ||
      LibAVFilter.avfilter_graph_create_filter(&Out, LibAVFilter.avfilter_get_by_name("buffersink"), "out", nullptr,
                                               nullptr, Graph) < 0)
    return false;
  const int Formats[] = { AV_PIX_FMT_YUV420P };
  if (LibAVUtil.av_opt_set_bin(Out, "pix_fmts", reinterpret_cast<const uint8_t*>(Formats), sizeof Formats,
                               AV_OPT_SEARCH_CHILDREN) < 0)
    return false;
  AVFilterContext* Last = In;
  if (!AppendOrientationFilters(Graph, StreamOrientation(AState.video_st), Last)) return false;
  int Linked;
  if (Player.Fvfilters.empty()) Linked = LibAVFilter.avfilter_link(Last, 0, Out, 0);
  else {
    AVFilterInOut* Outputs = LibAVFilter.avfilter_inout_alloc();
    AVFilterInOut* Inputs = LibAVFilter.avfilter_inout_alloc();
    Linked = Outputs && Inputs ? 0 : AVERROR(ENOMEM);
    if (Linked == 0) {
      Outputs->name = LibAVUtil.av_strdup("in");
      Outputs->filter_ctx = Last;
      Inputs->name = LibAVUtil.av_strdup("out");
      Inputs->filter_ctx = Out;
      Linked = LibAVFilter.avfilter_graph_parse_ptr(Graph, Player.Fvfilters.c_str(), &Inputs, &Outputs, nullptr);
    }
    LibAVFilter.avfilter_inout_free(&Outputs);
    LibAVFilter.avfilter_inout_free(&Inputs);
  }
  if (Linked < 0 || LibAVFilter.avfilter_graph_config(Graph, nullptr) < 0) return false;
  AState.in_video_filter = In;
  AState.out_video_filter = Out;
  AState.graph_width = AFrame->width;
  AState.graph_height = AFrame->height;
  AState.graph_format = AFrame->format;
  AState.video_out_width = LibAVFilter.av_buffersink_get_w(Out);
  AState.video_out_height = LibAVFilter.av_buffersink_get_h(Out);
  return true;
}

/// After a seek: drop what the decoder holds and the queued pictures, and start the timing afresh.
void FlushVideoDecoder(TVideoState& AState) {
  LibAVCodec.avcodec_flush_buffers(AState.video_dec);
  AState.video_pkt_pending = false;
  AState.video_draining = false;
  AState.video_drained = false;
  // Frames a filter may hold belong to the time before the seek.
  AState.video_graph.reset();
  AState.in_video_filter = AState.out_video_filter = nullptr;
  DrainPictureQueue(AState);
  AState.last_dts_for_fault_detection = AState.last_pts_for_fault_detection = INT64_MIN;
  AState.frame_last_pts = double(AV_NOPTS_VALUE);
  AState.frame_last_delay = 0;
  AState.frame_timer = SystemTime();
  AState.skip_frames = 1;
  AState.skip_frames_index = 0;
  AState.seek_flushed = 1;
}

/// A picture the decoder gave: its time stamp chosen and counted for frame skipping. 1 to show it, 0 to
/// skip it.
int TakeDecodedPicture(TVideoState& AState, AVFrame* AFrame) {
  if (AFrame->pkt_dts != AV_NOPTS_VALUE) {
    if (AFrame->pkt_dts <= AState.last_dts_for_fault_detection) ++AState.faulty_dts;
    AState.last_dts_for_fault_detection = AFrame->pkt_dts;
  }
  if (AFrame->pts != AV_NOPTS_VALUE) {
    if (AFrame->pts <= AState.last_pts_for_fault_detection) ++AState.faulty_pts;
    AState.last_pts_for_fault_detection = AFrame->pts;
  }
  const int Reorder = AState.Owner->decoder_reorder_pts;
  const bool Reordered = AFrame->pts != AV_NOPTS_VALUE &&
                         (Reorder == 1 || (Reorder != 0 && AState.faulty_pts < AState.faulty_dts) ||
                          AFrame->pkt_dts == AV_NOPTS_VALUE);
  // A picture without any time (the last ones a decoder gives up at the end may have none) takes the time
  // following the previous picture, never 0: the video clock must not run back.
  if (!Reordered) AFrame->pts = AFrame->pkt_dts;
  AState.skip_frames_index += 1;
  if (AState.skip_frames_index >= AState.skip_frames) {
    AState.skip_frames_index -= std::max<double>(AState.skip_frames, 1.0);
    return 1;
  }
  LibAVUtil.av_frame_unref(AFrame);
  return 0;
}

/// The next picture out of the filter graph: 1 with AOut holding it, 0 when none is ready, -1 to end.
int GetVideoPicture(TVideoState& AState, AVFrame* ADecoded, AVFrame* AOut) {
  for (;;) {
    if (AState.out_video_filter) {
      const int Taken = LibAVFilter.av_buffersink_get_frame(AState.out_video_filter, AOut);
      if (Taken >= 0) return 1;
      if (Taken != AVERROR(EAGAIN)) return -1;
    }
    const int Got = GetVideoFrame(AState, ADecoded);
    if (Got <= 0) return Got;
    const bool Fed = ConfigureVideoFilters(AState, ADecoded) &&
                     LibAVFilter.av_buffersrc_add_frame_flags(AState.in_video_filter, ADecoded, 0) >= 0;
    LibAVUtil.av_frame_unref(ADecoded);
    if (!Fed) return -1;
  }
}

/// Converts the palette of every rectangle of a bitmap subtitle to YUVA for blending.
void ConvertSubtitlePalettes(AVSubtitle& ASubtitle) {
  for (unsigned I = 0; I < ASubtitle.num_rects; ++I) {
    AVSubtitleRect* Rect = ASubtitle.rects[I];
    auto* Palette = reinterpret_cast<uint32_t*>(Rect->data[1]);
    if (!Palette) continue;
    for (int J = 0; J < Rect->nb_colors; ++J) Palette[J] = RGBAToYUVA(Palette[J]);
  }
}

}  // namespace

uint32_t RGBAToYUVA(uint32_t AColour) {
  const int A = int(AColour >> 24);
  const int R = int((AColour >> 16) & 0xFF);
  const int G = int((AColour >> 8) & 0xFF);
  const int B = int(AColour & 0xFF);
  // Fixed point with 10 fraction bits; the shifts of negative sums round toward minus infinity.
  const int Y = (263 * R + 517 * G + 101 * B + 16896) >> 10;
  const int U = ((-152 * R - 298 * G + 450 * B + 511) >> 10) + 128;
  const int V = ((450 * R - 377 * G - 74 * B + 511) >> 10) + 128;
  return uint32_t(A) << 24 | uint32_t(Y) << 16 | uint32_t(U) << 8 | uint32_t(V);
}

int GetVideoFrame(TVideoState& AState, AVFrame* AFrame) {
  bool Sent = false;
  for (;;) {
    if (AState.video_pkt_pending) {
      const int Received = LibAVCodec.avcodec_receive_frame(AState.video_dec, AFrame);
      if (Received >= 0) return TakeDecodedPicture(AState, AFrame);
      if (Received == AVERROR_EOF) AState.video_drained = true;
      AState.video_pkt_pending = false;
      if (Sent) return 0;
    }
    AVPacket* Packet = nullptr;
    if (AState.videoq.Get(Packet, true) < 0) return -1;
    if (Packet == FlushPacket()) {
      FlushVideoDecoder(AState);
      return 0;
    }
    if (!Packet->data && Packet->size == 0) {
      // The end of the input: the decoder gives up the pictures it still holds.
      if (!AState.video_draining) {
        AState.video_draining = true;
        // A decoder that cannot be drained holds nothing more to give.
        if (LibAVCodec.avcodec_send_packet(AState.video_dec, nullptr) >= 0) AState.video_pkt_pending = true;
        else AState.video_drained = true;
      }
      TPacketQueue::FreePacket(Packet);
      if (!AState.EventEOF) AState.Owner->UpdatePosition(AState);
      return 0;
    }
    if (LibAVCodec.avcodec_send_packet(AState.video_dec, Packet) >= 0) {
      AState.video_pkt_pending = true;
      Sent = true;
    }
    TPacketQueue::FreePacket(Packet);
    if (!Sent) return 0;
  }
}

int OutputPicture(TVideoState& AState, AVFrame* AFrame, double APts, Int64 APos) {
  // A picture at time 0 (the first, again after a rewind) keeps its time; only one without a time takes
  // the clock's.
  if (!std::isnan(APts)) AState.video_clock = APts;
  else APts = AState.video_clock;
  AState.video_clock = AState.video_clock + AState.video_frame_duration * (1 + 0.5 * AFrame->repeat_pict);
  return QueuePicture(AState, AFrame, APts, APos);
}

int VideoThread(void* AOpaque) {
  TVideoState& State = *static_cast<TVideoState*>(AOpaque);
  TPlaybackHost& Player = *State.Owner;
  const TAVFrameHandle Decoded(LibAVUtil.av_frame_alloc());
  const TAVFrameHandle Picture(LibAVUtil.av_frame_alloc());
  while (Decoded && Picture) {
    // Paused, the decoder still gives the first picture after a seek (seek_done holds until it did), also
    // when the pause came after the seek was asked for: the display must not keep a picture from before.
    while (State.paused && !State.videoq.abort_request && !State.seek_paused && !State.open_paused && !State.seek_done)
      Sleep(10);
    const int Got = GetVideoPicture(State, Decoded, Picture);
    if (Got < 0) break;
    if (Got == 0) continue;
    if (State.seek_done && State.seek_flushed) {
      State.seek_done = 0;
      State.seek_paused = 0;
    }
    const double Pts = Picture->pts == AV_NOPTS_VALUE ? std::nan("") : double(Picture->pts) * av_q2d(State.video_st.load()->time_base);
    const int Queued = OutputPicture(State, Picture, Pts, Picture->pkt_pos);
    LibAVUtil.av_frame_unref(Picture);
    if (Queued < 0) break;
    Player.FPictEvent.SetEvent();
    State.EventEOF = 0;
    if (Player.FSeeking && !State.seek_req) Player.FSeeking = false;
    if (State.open_paused) {
      // A file opened paused shows its first two pictures, then holds.
      if (State.open_paused > 1) {
        State.open_paused = 0;
        Player.SetState(psPause);
      } else ++State.open_paused;
    }
    if (Player.Fstep) TogglePauseState(State);
  }
  State.video_graph.reset();
  State.in_video_filter = State.out_video_filter = nullptr;
  return 0;
}

int SubtitleThread(void* AOpaque) {
  TVideoState& State = *static_cast<TVideoState*>(AOpaque);
  for (;;) {
    while (State.paused && !State.subtitleq.abort_request && !State.seek_paused) Sleep(10);
    AVPacket* Packet = nullptr;
    if (State.subtitleq.Get(Packet, true) < 0) break;
    if (Packet == FlushPacket()) {
      LibAVCodec.avcodec_flush_buffers(State.subtitle_dec);
      continue;
    }
    LibSDL.SDL_LockMutex(State.subpq_mutex);
    while (State.subpq_size >= SUBPICTURE_QUEUE_SIZE && !State.subtitleq.abort_request)
      LibSDL.SDL_CondWait(State.subpq_cond, State.subpq_mutex);
    LibSDL.SDL_UnlockMutex(State.subpq_mutex);
    if (State.subtitleq.abort_request) {
      TPacketQueue::FreePacket(Packet);
      break;
    }
    TSubPicture& Slot = State.subpq[State.subpq_windex];
    const double Pts = Packet->pts != AV_NOPTS_VALUE ? av_q2d(State.subtitle_st.load()->time_base) * double(Packet->pts) : 0;
    int Got = 0;
    LibAVCodec.avcodec_decode_subtitle2(State.subtitle_dec, &Slot.sub, &Got, Packet);
    if (Got && Slot.sub.format == 0) {
      Slot.pts = Pts;
      ConvertSubtitlePalettes(Slot.sub);
      State.subpq_windex = (State.subpq_windex + 1) % SUBPICTURE_QUEUE_SIZE;
      LibSDL.SDL_LockMutex(State.subpq_mutex);
      ++State.subpq_size;
      LibSDL.SDL_UnlockMutex(State.subpq_mutex);
    } else if (Got) LibAVCodec.avsubtitle_free(&Slot.sub);  // text subtitles are not drawn
    TPacketQueue::FreePacket(Packet);
  }
  return 0;
}
