#pragma once
// Trying an encoder open in a helper process before the real one.
#include "engine/libav/AVCodecStubs.h"
#include "platform/base/Types.h"

/// What a trial open in the helper process showed.
enum class TTrialOpenResult {
  Opens,    ///< the helper opened the encoder
  Fails,    ///< the helper's open failed or the helper died in it
  Unknown,  ///< no answer: the helper could not start, could not read the request or did not finish in time
};

/// The helper program that runs trial opens. By default "zorvik-trial-open" beside the running program.
String TrialOpenHelper();
void SetTrialOpenHelper(const String& APath);

/// Tries ACodec with AContext's settings and the open options AOptions in a fresh helper process started
/// for it (never a copy of this one) and reports how that went; the caller's context is never touched. A
/// second-pass open with statistics the rate controller cannot meet frees the controller twice inside the
/// codec library and aborts its process, so such opens are tried there first. Error lines the codec
/// library logged in the helper are logged again here, against AContext; AReason says why the result is
/// not Opens, in words for the task's log.
TTrialOpenResult TrialOpenInHelper(const AVCodecContext* AContext, const AVCodec* ACodec, const AVDictionary* AOptions,
                                   int ATimeoutMs, String& AReason);
