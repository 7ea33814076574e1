#pragma once
// The generic option contexts of a conversion task: options without a handler of their own are set on
// holder contexts of the codecs (one per media type), the formats and the scaler, and later copied into
// the real decoders, encoders and muxers; names only a particular encoder or muxer knows are kept for it.
#include <array>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include "engine/libav/AVHandles.h"
#include "platform/base/TObject.h"

/// The option holders and the names set on them, in the order they were set.
class TFFOptions : public TObject {
public:
  /// An option set on the holders, with the text it was given.
  struct TSetOption {
    String Name;
    String Value;
  };

  TFFOptions() = default;
  ~TFFOptions() override { Free(); }
  TFFOptions(const TFFOptions&) = delete;
  TFFOptions& operator=(const TFFOptions&) = delete;

  /// Makes fresh holders with their defaults; the scaler holder gets ASwsFlags as its "sws_flags".
  void Allocate(int ASwsFlags);
  /// Frees the holders and the kept options; nothing is allocated afterwards.
  void Free();

  /// Sets AName to AValue the way the command line's generic options work: on every codec holder whose
  /// media type the option serves (the bit-rate options "b", "maxrate", "minrate" and "bufsize" on the
  /// video one only), else on the format holder, else on the scaler holder, else, for a name starting with
  /// "a", "v" or "s", the rest of the name on the audio, video or subtitle holder ("ab" is the audio "b"),
  /// else as a private option of a pending encoder or muxer. False for an empty name or value, for a name
  /// nobody knows (silently) and for a refused value (logged as "Invalid value "%s" for option "%s"" at
  /// error level). A codec or format debug value that becomes non-zero turns the logger to llDebug.
  bool SetOption(const String& AName, const String& AValue);
  /// Sets on AContext (an object with options) every option set so far that the holder AHolder knows
  /// with all of AFlags, in the order they were set: flags-type options by replaying the texts they were
  /// given (so AContext's own default bits survive), the others with the holder's value.
  void CopyOptions(void* AContext, void* AHolder, int AFlags) const;

  /// The encoder the next stream of AType (video, audio or subtitle) will get, for its private options.
  void SetPendingEncoder(AVMediaType AType, const String& AEncoderName);
  /// The muxer the next output will get, for its private options; empty when it is not known yet.
  void SetPendingMuxer(const String& AMuxerName);
  /// Private options of the encoder of AType (video, audio or subtitle) set so far; kept by the holder.
  AVDictionary* EncoderOptions(AVMediaType AType) const { return FEncoderOptions[KindIndex(AType)]; }
  /// Private muxer options set so far; kept by the holder.
  AVDictionary* MuxerOptions() const { return FMuxerOptions; }

  /// The codec holder of AType (0 .. 4: video, audio, data, subtitle, attachment).
  AVCodecContext* CodecHolder(AVMediaType AType) const { return FCodecHolders[AType]; }
  AVFormatContext* FormatHolder() const { return FFormatHolder; }
  SwsContext* ScalerHolder() const { return FScalerHolder; }
  /// The options set on the holders so far, in order.
  const std::vector<TSetOption>& SetOptions() const { return FSetOptions; }

private:
  static int KindIndex(AVMediaType AType);
  int SetOnCodecHolders(const String& AName, const String& AValue, const AVOption*& AFound);
  int SetOnFirstKnowing(void* AHolder, const String& AName, const String& AValue, const AVOption*& AFound);
  int SetPrivate(const String& AName, const String& AValue, bool& AFound);
  int SetEncoderPrivate(int AKind, const String& AName, const String& AValue, bool& AFound);
  int SetMuxerPrivate(const String& AName, const String& AValue, bool& AFound);

  std::array<TAVCodecContextHandle, 5> FCodecHolders;
  TAVFormatContextHandle FFormatHolder;
  TSwsContextHandle FScalerHolder;
  std::vector<TSetOption> FSetOptions;
  std::array<String, 3> FPendingEncoders;  // video, audio, subtitle
  String FPendingMuxer;
  std::array<AVDictionary*, 3> FEncoderOptions {};
  AVDictionary* FMuxerOptions { nullptr };
};
