#pragma once
// One input stream in the working tables of a transcoder run.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "platform/base/Types.h"

/// A stream of an input file as a run uses it: its decoder, whether anything reads it, and its clock in
/// microseconds (the time of the frame being handled and of the one expected next).
struct TAVInputStream {
  AVCodecContext* dec() const { return dec_slot ? *dec_slot : nullptr; }

  int file_index { 0 };
  int index { 0 };                        // stream number in its file
  AVStream* st { nullptr };
  AVCodecContext** dec_slot { nullptr };  // the file's decoder context of the stream; empty once freed
  bool discard { true };                  // no output stream takes it (yet)
  bool decoding_needed { false };
  bool decoder_open { false };
  Int64 start { 0 };                      // wall-clock time of the set-up, for rate emulation
  Int64 next_pts { AV_NOPTS_VALUE };
  Int64 pts { 0 };
  Int64 ts_shift { 0 };                   // µs taken off the stream's times: the discontinuities continued across
  bool lead_taken { false };              // ts_shift holds the stream's lead over its file's other streams
  bool is_start { true };                 // no audio sync correction happened yet
  bool showed_multi_packet_warning { false };
  bool decoder_flushed { false };         // flushed at the end of its file in join mode
};
