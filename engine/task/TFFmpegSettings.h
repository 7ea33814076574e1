#pragma once
// The settings of a conversion task: what the options given so far ask of the files opened next and of the
// run. One field per setting, named after the setting, with its default.
#include <array>
#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

extern "C" {
#include <libavutil/rational.h>
}

#include "platform/base/Types.h"

/// The names of the bitstream filters waiting for the next stream of a kind, in order.
using TBitstreamFilterChain = std::vector<String>;

/// A task's option state. Assigning a default-constructed value restores every default.
struct TFFmpegSettings {
  static constexpr Int64 NoRecordingLimit = INT64_MAX;
  static constexpr float NoAudioQScale = -99999.0f;

  String Flast_asked_format;                // container format forced for the next file
  int Fframe_width { 0 };                   // picture size for the next stream, 0 = from the input
  int Fframe_height { 0 };
  bool Fframe_size_from_input { false };    // the picture size is the input's, not one asked for
  float Fframe_aspect_ratio { 0 };          // display aspect ratio, 0 = from the input
  int Fframe_pix_fmt { -1 };                // -1 = none chosen
  bool Fframe_pix_fmt_asked { false };      // Fframe_pix_fmt was asked for, not taken from the input
  int Faudio_sample_fmt { -1 };
  int Fframe_topBand { 0 };                 // rows and columns cropped off the input picture
  int Fframe_bottomBand { 0 };
  int Fframe_leftBand { 0 };
  int Fframe_rightBand { 0 };
  std::array<int, 4> Fmax_frames { INT_MAX, INT_MAX, INT_MAX, INT_MAX };  // by media type: video, audio, data, subtitle
  AVRational Fframe_rate { 0, 0 };          // 0/0 = none forced
  float Fvideo_qscale { 0 };                // 0 = none
  std::vector<uint16_t> Fintra_matrix;      // 64 coefficients, empty = none
  std::vector<uint16_t> Finter_matrix;
  String Fvideo_rc_override_string;
  bool Fvideo_disable { false };
  bool Faudio_disable { false };
  bool Fsubtitle_disable { false };
  int Fvideo_discard { 0 };
  String Fvideo_codec_name;
  String Faudio_codec_name;
  bool Faudio_codec_for_libfaac { false };  // Faudio_codec_name stands in for the "libfaac" asked for
  String Fsubtitle_codec_name;
  uint32_t Fvideo_codec_tag { 0 };
  uint32_t Faudio_codec_tag { 0 };
  uint32_t Fsubtitle_codec_tag { 0 };
  String Fvideo_language;
  String Faudio_language;
  String Fsubtitle_language;
  bool Fsame_quality { false };
  bool Fdo_deinterlace { false };
  int Ftop_field_first { -1 };              // -1 = from the input picture
  int Fme_threshold { 0 };
  int Fintra_dc_precision { 8 };
  bool Floop_input { false };
  int Floop_output { -1 };                  // -1 = no loop
  bool Fqp_hist { false };
  String Fvfilters;
  bool FEnableFilter { false };
  bool Fintra_only { false };
  int Faudio_sample_rate { 44100 };
  uint64_t Fchannel_layout { 0 };           // channel mask, 0 = none
  float Faudio_qscale { NoAudioQScale };
  int Faudio_channels { 2 };
  float Fmux_preload { 0.5f };              // seconds
  float Fmux_max_delay { 0.7f };            // seconds
  Int64 Frecording_time { NoRecordingLimit };  // microseconds
  Int64 Fstart_time { 0 };                  // microseconds
  Int64 Frecording_timestamp { 0 };         // seconds since 1970
  Int64 Finput_ts_offset { 0 };             // microseconds
  bool Fdo_hex_dump { false };
  bool Fdo_pkt_dump { false };
  bool Fdo_psnr { false };
  int Fdo_pass { 0 };
  String Fpass_logfilename_prefix;
  int Faudio_stream_copy { 0 };
  int Fvideo_stream_copy { 0 };
  int Fsubtitle_stream_copy { 0 };
  int Fvideo_sync_method { -1 };
  int Faudio_sync_method { 0 };
  float Faudio_drift_threshold { 0.1f };
  bool Fcopy_ts { false };
  bool Fopt_shortest { false };
  int Fvideo_global_header { 0 };
  String Fvstats_filename;
  int Fopt_programid { 0 };
  int Fcopy_initial_nonkeyframes { 0 };
  bool Frate_emu { false };
  int Fvideo_channel { 0 };
  String Fvideo_standard;
  int Faudio_volume { 256 };                // 256 = unchanged
  bool Fexit_on_error { false };
  bool Fusing_vhook { false };
  int Fverbose { 1 };
  int Fthread_count { 0 };                  // codec threads; 0 = automatic (TCustomFFmpeg::CodecThreads)
  Int64 Flimit_filesize { 0 };              // bytes, 0 = no limit
  bool Fforce_fps { false };
  int Fpgmyuv_compatibility_hack { 0 };
  float Fdts_delta_threshold { 10.0f };     // seconds
  uint32_t Fsws_flags { 4 };                // bicubic scaling
  bool Finput_sync { false };

  // Waiting for the next output file or stream.
  std::array<int, 20> Fstreamid_map {};     // stream identifiers by stream number, 0 = the muxer's choice
  std::vector<std::pair<String, String>> Fmetadata;  // tags, in the order given
  TBitstreamFilterChain Fvideo_bitstream_filters;
  TBitstreamFilterChain Faudio_bitstream_filters;
  TBitstreamFilterChain Fsubtitle_bitstream_filters;
};
