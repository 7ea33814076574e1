#include "engine/task/TFFOptions.h"

#include <algorithm>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVHandles.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFmpegLogger.h"
#include "engine/libav/SwScaleStubs.h"
#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

namespace {

constexpr AVMediaType HolderTypes[] = { AVMEDIA_TYPE_VIDEO, AVMEDIA_TYPE_AUDIO, AVMEDIA_TYPE_DATA,
                                        AVMEDIA_TYPE_SUBTITLE, AVMEDIA_TYPE_ATTACHMENT };
// The option flag each holder answers to, in holder order; 0 matches every option.
constexpr int HolderFlags[] = { AV_OPT_FLAG_VIDEO_PARAM, AV_OPT_FLAG_AUDIO_PARAM, 0, AV_OPT_FLAG_SUBTITLE_PARAM, 0 };
constexpr AVMediaType PrivateKinds[] = { AVMEDIA_TYPE_VIDEO, AVMEDIA_TYPE_AUDIO, AVMEDIA_TYPE_SUBTITLE };

// Bit-rate options that FFmpeg now offers for audio too; "b" means the video bit rate here ("ab" is the
// audio one), so they stay off the audio and subtitle holders.
bool IsVideoBitRateOption(const char* AName) {
  static constexpr std::string_view Names[] = { "b", "maxrate", "minrate", "bufsize" };
  return std::ranges::find(Names, std::string_view(AName)) != std::end(Names);
}

bool KnowsPrivate(const AVClass* const* AClass, const String& AName) {
  return *AClass && LibAVUtil.av_opt_find2(const_cast<const AVClass**>(AClass), AName.c_str(), nullptr, 0,
                                           AV_OPT_SEARCH_FAKE_OBJ, nullptr);
}

template <class T> T* Allocated(T* APointer) {
  if (!APointer) throw EOutOfResources("Not enough memory");
  return APointer;
}

}  // namespace

int TFFOptions::KindIndex(AVMediaType AType) {
  const auto At = std::ranges::find(PrivateKinds, AType);
  if (At == std::end(PrivateKinds)) throw EAssertionFailed("Assertion failure");
  return int(At - std::begin(PrivateKinds));
}

void TFFOptions::Allocate(int ASwsFlags) {
  Free();
  for (int Type = 0; Type < 5; ++Type) {
    FCodecHolders[Type].reset(Allocated(LibAVCodec.avcodec_alloc_context3(nullptr)));
    FCodecHolders[Type]->codec_type = HolderTypes[Type];
  }
  FFormatHolder.reset(Allocated(LibAVFormat.avformat_alloc_context()));
  FScalerHolder.reset(Allocated(LibSwScale.sws_alloc_context()));
  LibAVUtil.av_opt_set_int(FScalerHolder, "sws_flags", ASwsFlags, 0);
}

void TFFOptions::Free() {
  for (TAVCodecContextHandle& Holder : FCodecHolders) Holder.reset();
  FFormatHolder.reset();
  FScalerHolder.reset();
  for (AVDictionary*& Options : FEncoderOptions)
    if (Options) LibAVUtil.av_dict_free(&Options);
  if (FMuxerOptions) LibAVUtil.av_dict_free(&FMuxerOptions);
  FSetOptions.clear();
}

bool TFFOptions::SetOption(const String& AName, const String& AValue) {
  if (Trim(AName).empty() || Trim(AValue).empty()) return false;
  const AVOption* Found = nullptr;
  int Error = SetOnCodecHolders(AName, AValue, Found);
  if (!Found) Error = SetOnFirstKnowing(FFormatHolder, AName, AValue, Found);
  if (!Found) Error = SetOnFirstKnowing(FScalerHolder, AName, AValue, Found);
  if (!Found && AName.size() > 1) {
    const int Kind = AName[0] == 'a' ? AVMEDIA_TYPE_AUDIO : AName[0] == 'v' ? AVMEDIA_TYPE_VIDEO : AName[0] == 's' ? AVMEDIA_TYPE_SUBTITLE : -1;
    if (Kind >= 0) Error = SetOnFirstKnowing(FCodecHolders[Kind], AName.substr(1), AValue, Found);
  }
  bool FoundPrivate = false;
  if (!Found) Error = SetPrivate(AName, AValue, FoundPrivate);
  if (!Found && !FoundPrivate) return false;
  if (Error < 0) {
    LibAVUtil.av_log(nullptr, AV_LOG_ERROR, "Invalid value \"%s\" for option \"%s\"\n", AValue.c_str(), AName.c_str());
    return false;
  }
  if (Found) FSetOptions.push_back({ Found->name, AValue });
  if (FCodecHolders[AVMEDIA_TYPE_VIDEO]->debug || FFormatHolder->debug) GlobalLogger()->SetLogLevel(llDebug);
  return true;
}

int TFFOptions::SetOnCodecHolders(const String& AName, const String& AValue, const AVOption*& AFound) {
  for (int Type = 0; Type < 5; ++Type) {
    const AVOption* Option =
        LibAVUtil.av_opt_find(FCodecHolders[AVMEDIA_TYPE_VIDEO], AName.c_str(), nullptr, HolderFlags[Type], 0);
    if (!Option) continue;
    if (IsVideoBitRateOption(Option->name) && (Type == AVMEDIA_TYPE_AUDIO || Type == AVMEDIA_TYPE_SUBTITLE)) continue;
    AFound = Option;
    if (const int Error = LibAVUtil.av_opt_set(FCodecHolders[Type], AName.c_str(), AValue.c_str(), 0); Error < 0)
      return Error;
  }
  return 0;
}

int TFFOptions::SetOnFirstKnowing(void* AHolder, const String& AName, const String& AValue, const AVOption*& AFound) {
  const AVOption* Option = LibAVUtil.av_opt_find(AHolder, AName.c_str(), nullptr, 0, 0);
  if (!Option) return 0;
  AFound = Option;
  return LibAVUtil.av_opt_set(AHolder, AName.c_str(), AValue.c_str(), 0);
}

int TFFOptions::SetPrivate(const String& AName, const String& AValue, bool& AFound) {
  int Error = 0;
  for (int Kind = 0; Kind < 3; ++Kind)
    if (const int Result = SetEncoderPrivate(Kind, AName, AValue, AFound); Result < 0) Error = Result;
  if (AFound) return Error;
  return SetMuxerPrivate(AName, AValue, AFound);
}

int TFFOptions::SetEncoderPrivate(int AKind, const String& AName, const String& AValue, bool& AFound) {
  if (FPendingEncoders[AKind].empty()) return 0;
  const AVCodec* Codec = LibAVCodec.avcodec_find_encoder_by_name(FPendingEncoders[AKind].c_str());
  if (!Codec || !KnowsPrivate(&Codec->priv_class, AName)) return 0;
  AFound = true;
  // The value is tried on a scratch encoder context, so a refused one is reported now and not at open.
  const TAVCodecContextHandle Scratch(Allocated(LibAVCodec.avcodec_alloc_context3(Codec)));
  const int Result = LibAVUtil.av_opt_set(Scratch, AName.c_str(), AValue.c_str(), AV_OPT_SEARCH_CHILDREN);
  if (Result >= 0) LibAVUtil.av_dict_set(&FEncoderOptions[AKind], AName.c_str(), AValue.c_str(), 0);
  return Result;
}

int TFFOptions::SetMuxerPrivate(const String& AName, const String& AValue, bool& AFound) {
  if (FPendingMuxer.empty()) {
    void* Iterator = nullptr;
    while (const AVOutputFormat* Muxer = LibAVFormat.av_muxer_iterate(&Iterator))
      if (KnowsPrivate(&Muxer->priv_class, AName)) {
        AFound = true;
        LibAVUtil.av_dict_set(&FMuxerOptions, AName.c_str(), AValue.c_str(), 0);
        return 0;
      }
    return 0;
  }
  const AVOutputFormat* Muxer = LibAVFormat.av_guess_format(FPendingMuxer.c_str(), nullptr, nullptr);
  if (!Muxer || !KnowsPrivate(&Muxer->priv_class, AName)) return 0;
  AFound = true;
  AVFormatContext* Made = nullptr;
  int Result = LibAVFormat.avformat_alloc_output_context2(&Made, Muxer, nullptr, nullptr);
  const TAVFormatContextHandle Scratch(Made);
  if (Result >= 0) Result = LibAVUtil.av_opt_set(Scratch->priv_data, AName.c_str(), AValue.c_str(), 0);
  if (Result >= 0) LibAVUtil.av_dict_set(&FMuxerOptions, AName.c_str(), AValue.c_str(), 0);
  return Result;
}

void TFFOptions::CopyOptions(void* AContext, void* AHolder, int AFlags) const {
  for (const TSetOption& Set : FSetOptions) {
    const AVOption* Option = LibAVUtil.av_opt_find(AHolder, Set.Name.c_str(), nullptr, 0, 0);
    if (!Option || (Option->flags & AFlags) != AFlags) continue;
    if (Option->type == AV_OPT_TYPE_FLAGS) {
      LibAVUtil.av_opt_set(AContext, Set.Name.c_str(), Set.Value.c_str(), 0);
      continue;
    }
    uint8_t* Value = nullptr;
    if (LibAVUtil.av_opt_get(AHolder, Set.Name.c_str(), 0, &Value) >= 0 && Value)
      LibAVUtil.av_opt_set(AContext, Set.Name.c_str(), reinterpret_cast<const char*>(Value), 0);
    LibAVUtil.av_free(Value);
  }
}

void TFFOptions::SetPendingEncoder(AVMediaType AType, const String& AEncoderName) {
  FPendingEncoders[KindIndex(AType)] = AEncoderName;
}

void TFFOptions::SetPendingMuxer(const String& AMuxerName) { FPendingMuxer = AMuxerName; }
