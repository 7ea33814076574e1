#pragma once
// The playback's decoding threads: pictures through a filter graph into the picture queue, bitmap
// subtitles into the subtitle queue.
#include "engine/player/TVideoState.h"

/// The video decoding thread (SDL thread function; AOpaque is the TVideoState).
int VideoThread(void* AOpaque);
/// The subtitle decoding thread.
int SubtitleThread(void* AOpaque);

/// Takes the next decoded picture: 1 with AFrame holding it (its pts chosen from the decoder's reordered
/// time stamp or the packet's, as decoder_reorder_pts says), 0 when a packet gave none or a picture was
/// skipped, -1 once the queue is aborted.
int GetVideoFrame(TVideoState& AState, AVFrame* AFrame);
/// Sets the video clock from APts (or APts from the clock when it is NaN: the picture has no time), moves it
/// on by the picture's duration and queues the picture.
int OutputPicture(TVideoState& AState, AVFrame* AFrame, double APts, Int64 APos);

/// A palette entry 0xAARRGGBB as (alpha, Y, U, V) in the same bytes (BT.601, limited range).
uint32_t RGBAToYUVA(uint32_t AColour);
