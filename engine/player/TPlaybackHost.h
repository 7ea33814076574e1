#pragma once
// What the playback engine reads from its player and reports back to it.
#include <atomic>
#include <memory>

extern "C" {
#include <libavutil/avutil.h>
#include <libavutil/pixfmt.h>
}

#include "engine/libav/FFmpegLogger.h"
#include "engine/player/IVideoSurface.h"
#include "engine/player/PlayerTypes.h"
#include "engine/player/TPlayerEventQueue.h"
#include "platform/base/TEvent.h"

struct TVideoState;

/// The player as its playback engine sees it: the settings a playback is opened with (read when the file
/// opens), the settings that act at once while it plays (atomic, any thread), the two events callers wait
/// on, the video surface, and the reports the engine's threads make.
class TPlaybackHost {
public:
  virtual ~TPlaybackHost() = default;

  /// OnState's report; any thread.
  virtual void SetState(TPlayState AState) = 0;
  /// Reports the position and the end of the file, and applies the play-time limit (refresh step and
  /// video decoder).
  virtual void UpdatePosition(TVideoState& AState) = 0;
  /// Hands a picture to OnHook and copies what the handler drew back into ADest (video decoder, with the
  /// picture's overlay locked). False when nothing was drawn.
  virtual bool DoHook(TVideoState& AState, const uint8_t* const ASource[4], const int ASourcePitch[4],
                      AVPixelFormat ASourceFormat, uint8_t* const ADest[4], const int ADestPitch[4],
                      AVPixelFormat ADestFormat, int AWidth, int AHeight, double APTS) = 0;
  /// Logs AText at llError with the player as sender and, with ASetLastError, makes it LastErrMsg.
  virtual void ReportError(const String& AText, bool ASetLastError) = 0;
  virtual void SetLastErrMsg(const String& AText) = 0;
  /// Logs AText at ALevel with the player as sender.
  virtual void LogMessage(TLogLevel ALevel, const String& AText) = 0;
  /// Posts an event to the play thread.
  virtual void PostEvent(TPlayerEventType AType) = 0;
  /// Whether AState is still the player's open playback.
  virtual bool Plays(const TVideoState& AState) = 0;
  /// The read thread is about to close the file the player's probe shares.
  virtual void DetachProbe() = 0;

  // Settings read when a file opens; index Fwanted_stream by AVMediaType (0 video, 1 audio, 3 subtitle).
  int Fwanted_stream[AVMEDIA_TYPE_NB] { -1, -1, -1, -1, -1 };
  int seek_by_bytes { -1 };
  Int64 start_time { AV_NOPTS_VALUE };
  int workaround_bugs { 1 };
  int debug_mv { 0 };
  bool fast { false };
  bool genpts { false };
  int decoder_reorder_pts { -1 };
  int lowres { 0 };
  int idct_algo { 0 };
  int error_recognition { 1 };
  int error_concealment { 3 };
  Tav_sync_type av_sync_type { AV_SYNC_AUDIO_MASTER };
  int Fsws_flags { 4 };  // bicubic, for the scalers the video filters insert
  int Fframe_pix_fmt { -1 };
  int Fdebug { 0 };
  int Fskip_frame { 0 };
  int Fskip_idct { 0 };
  int Fskip_loop_filter { 0 };
  String Fvfilters;
  bool Faudio_disable { false };
  bool Fvideo_disable { false };
  bool Fdisplay_disable { false };
  int FFrameWidth { 0 };
  int FFrameHeight { 0 };

  // Settings that act while a file plays.
  std::atomic<int> framedrop { 1 };
  std::atomic<int> rdftspeed { 20 };  // milliseconds between spectrum columns
  std::atomic<bool> FMute { false };
  std::atomic<int> FAudioVolume { 128 };
  std::atomic<float> FAspectRatio { 0 };
  std::atomic<TShowAudio> FShowAudio { saWave };
  std::atomic<bool> FVerticalFlip { false };
  std::atomic<bool> Fstep { false };  // single-step: pause again after the next picture
  std::atomic<bool> FSeeking { false };
  std::atomic<Int64> Faudio_callback_time { 0 };  // µs of the monotonic clock, 0 before any callback
  std::atomic<bool> FNoSoundDeviceLogged { false };  // playing without sound was logged once
  std::atomic<int> FScreenWidth { 0 };
  std::atomic<int> FScreenHeight { 0 };

  /// Set once a requested seek was carried out (or a pause toggle gave up waiting for it).
  TEvent FSeekEvent { true, true };
  /// Set when a picture was queued or reading failed; reset when a seek flushed the video queue.
  TEvent FPictEvent { true, true };

  /// The surface bound to the window played into, while a file is open.
  std::unique_ptr<IVideoSurface> FSurface;
  HWND FScreenHandle { 0 };
};
