#pragma once
// The player's enumerations and event signatures, shared by the player component and its playback engine.
#include <functional>

#include "platform/base/TObject.h"
#include "platform/base/Types.h"

class TBitmap;

/// What the player is doing; reported through OnState.
enum TPlayState { psPlay, psPause, psResume, psStep, psStop, psEnd };
/// What happens when the play-time limit is reached.
enum TRepeatType { rtNone, rtStop, rtLoop };
/// What a sound-only playback draws: nothing, the wave, or the spectrum.
enum TShowAudio { saNone, saWave, saRDFT };
/// Back-end choices kept for stored settings; every value plays through the system's default back-end.
enum TAudioDriver { adDefault, adDirectSound, adWaveOut };
enum TVideoDriver { vdDefault, vdDirectDraw, vdGDI };
/// The clock the other streams follow.
enum Tav_sync_type { AV_SYNC_AUDIO_MASTER, AV_SYNC_VIDEO_MASTER, AV_SYNC_EXTERNAL_CLOCK };

/// Raised once per opened file, on the thread that called Open (or the user-interface thread). The handler
/// may set the video output size.
using TFileOpenEvent = std::function<void(TObject* Sender, const Int64 ADuration, const int AFrameWidth,
                                          const int AFrameHeight, int& AScreenWidth, int& AScreenHeight)>;
/// The playing position in microseconds from the file's start.
using TPositionEvent = std::function<void(TObject* Sender, const Int64 APTS)>;
using TPlayStateEvent = std::function<void(TObject* Sender, const TPlayState AState)>;
/// A decoded picture as a bitmap, on the video decoding thread; what the handler draws is shown.
using THookEvent = std::function<void(TObject* Sender, TBitmap* ABitmap, const Int64 APTS)>;
