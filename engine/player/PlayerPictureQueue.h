#pragma once
// The queue of decoded pictures between the video decoder and the display, and the refresh step that shows
// each picture when it is due.
#include "engine/player/TVideoState.h"

/// Waits for a free slot, has the play thread allocate its overlay when the picture's size is new, copies
/// AFrame (planar YUV 4:2:0) into it (upside down with VerticalFlip), lets the hook draw on it, and queues
/// it with its due time. 0, or -1 once the video queue is aborted.
int QueuePicture(TVideoState& AState, const AVFrame* AFrame, double APts, Int64 APos);
/// The refresh step, on the play thread: with AConsume, shows the queued picture whose time has come
/// (dropping late ones) and reports the position; without, shows the picture on screen again.
void RefreshVideo(TVideoState& AState, bool AConsume);
/// Whether the decoder gave up its last picture at the end of the input and the display took every queued
/// one; true without video.
bool AllPicturesShown(TVideoState& AState);
/// Waits until the display took every queued picture, making them due at once (the decoder after a seek).
void DrainPictureQueue(TVideoState& AState);
