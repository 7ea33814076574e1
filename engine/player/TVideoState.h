#pragma once
// The state of one playback: the open file, its decoders, the queues between the threads, the clocks and
// the display, from the moment a file starts opening until its playback is closed.
#include <atomic>
#include <mutex>
#include <vector>

#include <SDL.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavcodec/avfft.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include "engine/libav/AVHandles.h"
#include "engine/player/PlayerTypes.h"
#include "engine/player/TPacketQueue.h"

class TPlaybackHost;

/// Pictures the decoder may queue ahead of the display.
inline constexpr int VIDEO_PICTURE_QUEUE_SIZE = 2;
/// Decoded subtitles waiting for their time.
inline constexpr int SUBPICTURE_QUEUE_SIZE = 4;
/// Recent output samples kept for the sound display.
inline constexpr int SAMPLE_ARRAY_SIZE = 2 * 65536;

/// One slot of the picture queue. The overlay is a reference-counted planar YUV 4:2:0 picture of width x
/// height; whoever writes it first makes it writable, so a picture still referenced as the one on screen is
/// never overwritten.
struct TVideoPicture {
  double pts { 0 };           // seconds
  double target_clock { 0 };  // seconds of the monotonic clock at which it is due
  Int64 pos { -1 };           // byte position of its packet
  TAVFrameHandle bmp;        // the overlay
  std::mutex bmp_lock;        // the overlay lock
  int width { 0 };
  int height { 0 };
  int allocated { 0 };
  AVRational sample_aspect { 0, 1 };
};

/// One of the playback's threads: the SDL thread, and whether its function has returned.
struct TEngineThread {
  SDL_Thread* Handle { nullptr };
  std::atomic<bool> Finished { false };
};

/// One decoded bitmap subtitle; its palette is already YUVA.
struct TSubPicture {
  double pts { 0 };
  AVSubtitle sub {};
};

/// The playback of one open file (see the file comment). Fields that several threads use are atomic; the
/// queues have their own locks. Field names follow the player's option names.
struct TVideoState {
  TVideoState();
  ~TVideoState();
  TVideoState(const TVideoState&) = delete;
  TVideoState& operator=(const TVideoState&) = delete;

  TPlaybackHost* Owner { nullptr };
  String filename;
  const AVInputFormat* iformat { nullptr };
  TEngineThread parse_tid;
  TEngineThread video_tid;
  TEngineThread refresh_tid;
  TEngineThread subtitle_tid;
  TEngineThread audio_tid;  // feeds the sound callback on a clock of its own when there is no sound device
  /// Held by the read thread while it puts packets into the queues or flushes them, and by a stream switch
  /// while it closes one queue and opens another.
  std::mutex stream_lock;

  std::atomic<int> abort_request { 0 };
  std::atomic<int> paused { 0 };
  int last_paused { 0 };
  std::atomic<int> seek_req { 0 };
  int seek_flags { 0 };
  Int64 seek_pos { 0 };
  Int64 seek_rel { 0 };
  int read_pause_return { 0 };
  AVFormatContext* ic { nullptr };
  Tav_sync_type av_sync_type { AV_SYNC_AUDIO_MASTER };
  double external_clock { 0 };
  Int64 external_clock_time { 0 };

  // Sound: packets, decoder, conversion to the device's signed 16-bit samples, the device.
  std::atomic<int> audio_stream { -1 };
  std::atomic<AVStream*> audio_st { nullptr };
  AVCodecContext* audio_dec { nullptr };
  TPacketQueue audioq;
  std::atomic<double> audio_clock { 0 };  // seconds: the end of the decoded sound
  double audio_diff_cum { 0 };
  double audio_diff_avg_coef { 0 };
  double audio_diff_threshold { 0 };
  int audio_diff_avg_count { 0 };
  SDL_AudioDeviceID audio_dev { 0 };
  Int64 audio_start_time { 0 };       // when the sound device was started (µs of the monotonic clock)
  int audio_hw_buf_size { 0 };
  int audio_tgt_freq { 0 };      // the device's rate
  int audio_tgt_channels { 0 };  // and channel count
  uint8_t* audio_buf { nullptr };
  std::atomic<int> audio_buf_size { 0 };
  std::atomic<int> audio_buf_index { 0 };
  uint8_t audio_buf1[1024] {};        // the silence played while nothing is decoded
  std::vector<uint8_t> audio_buf2;    // decoded sound in the device's format
  TAVFrameHandle audio_frame;
  bool audio_pkt_pending { false };  // the decoder holds a packet whose frames are not all taken
  TSwrContextHandle swr_ctx;
  AVSampleFormat audio_src_fmt { AV_SAMPLE_FMT_NONE };  // what swr_ctx converts from
  AVChannelLayout audio_src_layout {};
  int audio_src_freq { 0 };

  // Sound display.
  std::atomic<int> show_audio { 0 };  // TShowAudio
  int16_t sample_array[SAMPLE_ARRAY_SIZE] {};
  std::atomic<int> sample_array_index { 0 };
  int last_i_start { 0 };
  RDFTContext* rdft { nullptr };
  int rdft_bits { 0 };
  float* rdft_data { nullptr };  // 4 x bins floats from FFmpeg's allocator: the transform needs its alignment
  int xpos { 0 };

  // Subtitles.
  std::atomic<int> subtitle_stream { -1 };
  std::atomic<int> subtitle_stream_changed { 0 };
  std::atomic<AVStream*> subtitle_st { nullptr };
  AVCodecContext* subtitle_dec { nullptr };
  TPacketQueue subtitleq;
  TSubPicture subpq[SUBPICTURE_QUEUE_SIZE];
  int subpq_size { 0 };
  int subpq_rindex { 0 };
  int subpq_windex { 0 };
  SDL_mutex* subpq_mutex { nullptr };
  SDL_cond* subpq_cond { nullptr };

  // Video: timing, decoder, filter graph, picture queue.
  std::atomic<double> frame_timer { 0 };
  double frame_last_pts { 0 };
  double frame_last_delay { 0 };
  std::atomic<double> video_clock { 0 };  // seconds: the time of the next picture
  std::atomic<int> video_stream { -1 };
  std::atomic<AVStream*> video_st { nullptr };
  AVCodecContext* video_dec { nullptr };
  TPacketQueue videoq;
  std::atomic<double> video_current_pts { 0 };
  std::atomic<double> video_current_pts_drift { 0 };
  std::atomic<Int64> video_current_pos { -1 };
  double video_frame_duration { 0 };  // seconds of one picture at the stream's frame rate, 0 unknown
  bool video_pkt_pending { false };   // as audio_pkt_pending
  bool video_draining { false };     // the decoder was told the input ended
  std::atomic<bool> video_drained { false };  // and has given up every picture it held
  std::atomic<bool> picture_ready { false };  // a picture was queued since the file opened
  TAVFilterGraphHandle video_graph;
  AVFilterContext* in_video_filter { nullptr };
  AVFilterContext* out_video_filter { nullptr };
  int graph_width { 0 };  // the picture format the graph was built for
  int graph_height { 0 };
  int graph_format { -1 };
  std::atomic<int> video_out_width { 0 };  // the filtered picture size, 0 before the first picture
  std::atomic<int> video_out_height { 0 };
  TVideoPicture pictq[VIDEO_PICTURE_QUEUE_SIZE];
  int pictq_size { 0 };
  int pictq_rindex { 0 };
  int pictq_windex { 0 };
  SDL_mutex* pictq_mutex { nullptr };
  SDL_cond* pictq_cond { nullptr };
  int alloc_width { 0 };  // the overlay size the decoder waits for
  int alloc_height { 0 };
  Int64 faulty_pts { 0 };
  Int64 faulty_dts { 0 };
  Int64 last_dts_for_fault_detection { 0 };
  Int64 last_pts_for_fault_detection { 0 };
  std::atomic<double> skip_frames { 1 };
  double skip_frames_index { 0 };

  // The picture on screen: a reference to the overlay last shown, for snapshots and redisplays.
  std::mutex shown_lock;
  TAVFrameHandle shown;
  double shown_pts { 0 };
  AVRational shown_aspect { 0, 1 };

  // Display area in the video surface, and the scaler that draws pictures into it.
  TSwsContextHandle img_convert_ctx;
  std::vector<uint8_t> scaled_rows;  // the scaler's output, copied into the surface row by row
  int width { 0 };
  int height { 0 };
  int xleft { 0 };
  int ytop { 0 };
  std::atomic<int> refresh { 0 };  // a refresh event is pending

  std::atomic<int> Opened { 0 };  // 0 opening, 1 open, -1 failed and cleaning up, -2 failed
  Int64 StartTime { 0 };           // µs
  Int64 Duration { -1 };
  std::atomic<Int64> AudioDuration { -1 };
  int IsImage2 { 0 };
  int IsDevice { 0 };
  std::atomic<int> ErrorEOF { 0 };
  std::atomic<int> EventEOF { 0 };
  std::atomic<int> ReachEOF { 0 };
  std::atomic<int> Reading { 0 };
  std::atomic<int> open_paused { 0 };
  std::atomic<int> seek_paused { 0 };
  std::atomic<int> seek_done { 0 };
  std::atomic<int> seek_flushed { 0 };
};
