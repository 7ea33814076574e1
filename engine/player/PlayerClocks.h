#pragma once
// The playback's clocks (seconds) and the time at which each picture is due.
#include "engine/player/TVideoState.h"

/// The monotonic clock in seconds.
double SystemTime();
/// Microseconds of the monotonic clock.
Int64 SystemTimeMicroseconds();

/// The time of the sound being heard: the end of the decoded sound less what is still to be played.
double GetAudioClock(const TVideoState& AState);
/// The time of the picture on screen, moving on with the system clock while playing.
double GetVideoClock(const TVideoState& AState);
double GetExternalClock(const TVideoState& AState);
/// The clock the others follow, by av_sync_type and the streams present.
double GetMasterClock(const TVideoState& AState);

/// The time of the monotonic clock at which the picture of APts is due: the previous picture's due time plus
/// the picture's duration (for the first picture after a flush: now), shortened to 0 or doubled while the
/// video is behind or ahead of the master clock by more than a picture (and less than 10 s).
double ComputeTargetTime(TVideoState& AState, double APts);
