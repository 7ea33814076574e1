#pragma once
// One output stream in the working tables of a transcoder run.
#include <cstdint>
#include <cstdio>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include "engine/libav/AVHandles.h"
#include "engine/transcode/TMuxedStream.h"
#include "engine/task/TOutputFileContext.h"
#include "platform/base/Types.h"

struct TAVInputStream;

/// A stream of an output file as a run writes it: which input feeds it, whether it is encoded or copied,
/// its position in encoder units, and the converters, buffers and filters it owns (freed with it).
struct TAVOutputStream {
  TAVOutputStream() = default;
  ~TAVOutputStream();
  TAVOutputStream(const TAVOutputStream&) = delete;
  TAVOutputStream& operator=(const TAVOutputStream&) = delete;

  AVCodecContext* enc() const { return *enc_slot; }

  int file_index { 0 };
  int index { 0 };                          // stream number in its file
  int source_index { 0 };                   // the feeding stream in the input stream table
  AVStream* st { nullptr };
  TOutputFileContext* file { nullptr };
  TOutputFileContext::TStream* config { nullptr };  // how the options configured the stream
  AVCodecContext** enc_slot { nullptr };    // the encoder context; join mode replaces it at every join
  TMuxedStream* muxed { nullptr };
  bool encoding_needed { false };
  int frame_number { 0 };                   // frames sent to the encoder, or packets written when copying
  bool finished { false };                  // past the end of the recording: it takes nothing more
  TAVInputStream* sync_ist { nullptr };
  Int64 sync_opts { 0 };                    // position in encoder units: video frames or audio samples
  bool show_fps { false };                  // may be the stream whose frames the progress counts
  AVCodecID codec_id { AV_CODEC_ID_NONE };  // kept in join mode for the encoders opened at each join
  AVCodecContext* join_template { nullptr };  // join mode: the encoder's settings before it was opened

  // Video without the filter graph: cropping by plane offsets, conversion by the scaler.
  bool video_resample { false };
  TAVFrameHandle pict_tmp;
  TSwsContextHandle img_resample_ctx;
  int resample_height { 0 };
  int resample_width { 0 };
  int resample_pix_fmt { AV_PIX_FMT_NONE };
  int original_height { 0 };
  int original_width { 0 };
  bool video_crop { false };
  int topBand { 0 };
  int bottomBand { 0 };
  int leftBand { 0 };
  int rightBand { 0 };
  int original_topBand { 0 };
  int original_bottomBand { 0 };
  int original_leftBand { 0 };
  int original_rightBand { 0 };

  // Video through the filter graph.
  TAVFilterGraphHandle graph;
  AVFilterContext* input_video_filter { nullptr };
  AVFilterContext* out_video_filter { nullptr };

  // Audio: conversion of layout, rate and format, and samples waiting for a whole encoder frame.
  bool audio_resample { false };
  TSwrContextHandle resample;
  Int64 reformat_pair { -1 };               // key of the input format, rate and channels the converter was made for
  AVAudioFifo* fifo { nullptr };
  Int64 next_audio_pts { INT64_MIN };       // the earliest time the next audio frame may have

  // What the encoder said of its last video packet, for the progress line and the statistics file.
  int last_quality { 0 };                   // lambda
  char last_pict_type { '?' };
  uint64_t last_error[3] {};

  FILE* logfile { nullptr };                // first-pass statistics being written
};
