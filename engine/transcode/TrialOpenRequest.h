#pragma once
// The encoder a trial open tries, written as bytes for the helper process that tries it and read back
// there into a fresh encoder context.
#include "engine/libav/AVCodecStubs.h"
#include "platform/base/Types.h"

/// An encoder ready to open, rebuilt from a request. Owns its context and options.
struct TTrialOpenRequest {
  const AVCodec* Codec { nullptr };
  AVCodecContext* Context { nullptr };
  AVDictionary* Options { nullptr };

  TTrialOpenRequest() = default;
  TTrialOpenRequest(const TTrialOpenRequest&) = delete;
  TTrialOpenRequest& operator=(const TTrialOpenRequest&) = delete;
  ~TTrialOpenRequest();
};

/// Writes ACodec with AContext's settings (its options that differ from the defaults, the fields options
/// do not cover, the matrices, the rate overrides and the first pass's statistics) and the open options
/// AOptions as one request.
String WriteTrialOpenRequest(const AVCodecContext* AContext, const AVCodec* ACodec, const AVDictionary* AOptions);

/// Rebuilds the encoder of a request written by WriteTrialOpenRequest into ARequest. Raises Exception when
/// the request is damaged or names an encoder the libraries lack.
void ReadTrialOpenRequest(const String& ABytes, TTrialOpenRequest& ARequest);
