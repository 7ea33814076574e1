#pragma once
// Trying an encoder open in a forked copy of the process before the real one.
#include "engine/libav/AVCodecStubs.h"

/// What a trial open in a child process showed.
enum class TTrialOpenResult {
  Opens,    ///< the child opened the encoder
  Fails,    ///< the child's open failed or the child died in it
  Unknown,  ///< no answer: the child could not start or did not finish in time
};

/// Opens AContext with ACodec and a copy of AOptions in a forked child and reports how that went; the
/// caller's context is never touched. Error lines the codec library logged in the child are logged again
/// here, against AContext. A second-pass open with statistics the rate controller cannot meet frees the
/// controller twice inside the codec library and aborts the process, so such opens are tried here first.
TTrialOpenResult TrialOpenInChild(AVCodecContext* AContext, const AVCodec* ACodec, const AVDictionary* AOptions,
                                  int ATimeoutMs);
