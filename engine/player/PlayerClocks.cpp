#include "engine/player/PlayerClocks.h"

#include <algorithm>
#include <cmath>

#include "engine/libav/AVUtilStubs.h"

namespace {

/// Beyond this the clocks are too far apart to be brought together.
constexpr double AV_NOSYNC_THRESHOLD = 10.0;
/// The least lead or lag worth correcting.
constexpr double AV_SYNC_THRESHOLD = 0.01;

}  // namespace

double SystemTime() { return double(SystemTimeMicroseconds()) / 1000000.0; }

Int64 SystemTimeMicroseconds() { return LibAVUtil.av_gettime_relative(); }

double GetAudioClock(const TVideoState& AState) {
  double Clock = AState.audio_clock;
  const int BytesPerSecond = AState.audio_tgt_freq * 2 * AState.audio_tgt_channels;
  if (BytesPerSecond) Clock -= double(AState.audio_buf_size - AState.audio_buf_index) / BytesPerSecond;
  return Clock;
}

double GetVideoClock(const TVideoState& AState) {
  if (AState.paused) return AState.video_current_pts;
  if (AState.video_current_pts_drift != 0) return SystemTime() + AState.video_current_pts_drift;
  return double(AState.StartTime) / 1000000.0;
}

double GetExternalClock(const TVideoState& AState) {
  return AState.external_clock + double(SystemTimeMicroseconds() - AState.external_clock_time) * 0.000001;
}

double GetMasterClock(const TVideoState& AState) {
  switch (AState.av_sync_type) {
    case AV_SYNC_VIDEO_MASTER:
      return AState.video_stream >= 0 ? GetVideoClock(AState) : GetAudioClock(AState);
    case AV_SYNC_AUDIO_MASTER:
      return AState.audio_stream >= 0 ? GetAudioClock(AState) : GetVideoClock(AState);
    case AV_SYNC_EXTERNAL_CLOCK:
      break;
  }
  return GetExternalClock(AState);
}

double ComputeTargetTime(TVideoState& AState, double APts) {
  // The first picture after the start or a seek is due when it is ready: the time its decoding took makes
  // neither it nor the next ones late.
  if (AState.frame_last_pts == double(AV_NOPTS_VALUE)) AState.frame_timer = SystemTime();
  double Delay = APts - AState.frame_last_pts;
  // A time stamp jump (or none) keeps the previous picture's duration.
  if (Delay <= 0 || Delay >= AV_NOSYNC_THRESHOLD) Delay = AState.frame_last_delay;
  else AState.frame_last_delay = Delay;
  AState.frame_last_pts = APts;
  const bool Follows = (AState.av_sync_type == AV_SYNC_AUDIO_MASTER && AState.audio_stream >= 0) ||
                       AState.av_sync_type == AV_SYNC_EXTERNAL_CLOCK;
  if (Follows) {
    const double Diff = GetVideoClock(AState) - GetMasterClock(AState);
    const double Threshold = std::max(AV_SYNC_THRESHOLD, Delay);
    if (std::fabs(Diff) < AV_NOSYNC_THRESHOLD) {
      if (Diff <= -Threshold) Delay = 0;
      else if (Diff >= Threshold) Delay = 2 * Delay;
    }
  }
  AState.frame_timer = AState.frame_timer + Delay;
  return AState.frame_timer;
}
