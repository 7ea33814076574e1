#pragma once
// Opening and closing a playback: the read thread that opens the file and feeds the packet queues, the
// decoders of the chosen streams, stream switching, seek requests and pausing.
#include <memory>

#include "engine/player/TVideoState.h"

class TPlaybackHost;

/// Opens AFileName for APlayer (forced demuxer AFormat or none) with its read thread, and waits (serving
/// the hand-over queue on the user-interface thread) until the file is open or has failed. True with
/// AState holding the playback and its refresh thread running; false with the player's LastErrMsg set and
/// every thread of the attempt ended.
bool StreamOpen(TPlaybackHost& APlayer, const String& AFileName, const AVInputFormat* AFormat, bool APaused,
                std::shared_ptr<TVideoState>& AState);
/// Ends the playback's threads and frees its pictures (play thread, under the player's data lock).
void StreamClose(TVideoState& AState);

/// Opens the decoder of stream AIndex (and, for sound, the device; for video and subtitles, their
/// thread). 0, or -1 with the reason logged.
int OpenStreamComponent(TVideoState& AState, int AIndex);
void CloseStreamComponent(TVideoState& AState, int AIndex);
/// Plays stream AIndex as the stream of AType (video, audio, or subtitle, where -1 turns subtitles off).
/// A refusal is reported with LastErrMsg and gives false; the current index gives true at once.
bool SwitchStream(TVideoState& AState, AVMediaType AType, int AIndex);

/// Asks the read thread to seek to ATarget (µs, or bytes with AVSEEK_FLAG_BYTE in AFlags); ARelative is
/// the distance asked for, whose sign gives the direction. A request while one is pending is dropped.
/// With AWait, returns once the seek was carried out and, with video, a picture after it was decoded.
void RequestSeek(TVideoState& AState, int AFlags, bool AWait, Int64 ARelative, Int64 ATarget);
/// Pauses or resumes; on resuming the picture timing moves on by the time spent paused.
void TogglePauseState(TVideoState& AState);

/// Between the slices of a wait on the user-interface thread: runs the hand-overs and handles the window
/// messages, so the program stays responsive while the player waits. Nothing on other threads.
void ServeWhileWaiting();
