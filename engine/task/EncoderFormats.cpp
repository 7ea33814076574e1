#include "engine/task/EncoderFormats.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFmpegLogger.h"

namespace {

/// How many of the MPEG-1 video encoder's listed frame rates its standard knows.
constexpr size_t Mpeg1StandardRates = 8;

/// Whether AFormat holds 8-bit YUV with chroma halved both ways, the pictures every player decodes.
bool Is8Bit420(AVPixelFormat AFormat) {
  const AVPixFmtDescriptor* Descriptor = LibAVUtil.av_pix_fmt_desc_get(AFormat);
  return Descriptor && !(Descriptor->flags & (AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_ALPHA)) &&
         Descriptor->nb_components == 3 && Descriptor->comp[0].depth == 8 && Descriptor->log2_chroma_w == 1 &&
         Descriptor->log2_chroma_h == 1;
}

template <class T> bool Listed(const T* AList, T AValue, T AEnd) {
  for (; *AList != AEnd; ++AList)
    if (*AList == AValue) return true;
  return false;
}

}  // namespace

void ChooseSampleFormat(AVCodecContext* AContext, const AVCodec* AEncoder) {
  if (!AEncoder || !AEncoder->sample_fmts) return;
  if (!Listed(AEncoder->sample_fmts, AContext->sample_fmt, AV_SAMPLE_FMT_NONE)) AContext->sample_fmt = AEncoder->sample_fmts[0];
}

void ChooseSampleRate(TObject* ASender, AVCodecContext* AContext, const AVCodec* AEncoder) {
  if (!AEncoder || !AEncoder->supported_samplerates || !AEncoder->supported_samplerates[0]) return;
  const int Requested = AContext->sample_rate;
  int Best = AEncoder->supported_samplerates[0];
  for (const int* Rate = AEncoder->supported_samplerates; *Rate; ++Rate)
    if (std::abs(*Rate - Requested) < std::abs(Best - Requested)) Best = *Rate;
  if (Best != Requested)
    GlobalLogger()->Log(ASender, llWarning, "Requested sampling rate unsupported using closest supported (%d)", Best);
  AContext->sample_rate = Best;
}

void ChoosePixelFormat(AVCodecContext* AContext, const AVCodec* AEncoder, bool AAsked) {
  if (!AEncoder || !AEncoder->pix_fmts) return;
  const auto Accepted = [&](AVPixelFormat AFormat) {
    if (Listed(AEncoder->pix_fmts, AFormat, AV_PIX_FMT_NONE)) return true;
    return AEncoder->id == AV_CODEC_ID_MJPEG && AContext->strict_std_compliance < 0 &&
           (AFormat == AV_PIX_FMT_YUV420P || AFormat == AV_PIX_FMT_YUV422P);
  };
  if (Accepted(AContext->pix_fmt) && (AAsked || Is8Bit420(AContext->pix_fmt))) return;
  // The devices the output formats are made for play 8-bit 4:2:0 pictures only.
  if (!AAsked) {
    if (Accepted(AV_PIX_FMT_YUV420P)) {
      AContext->pix_fmt = AV_PIX_FMT_YUV420P;
      return;
    }
    for (const AVPixelFormat* Format = AEncoder->pix_fmts; *Format != AV_PIX_FMT_NONE; ++Format)
      if (Is8Bit420(*Format)) {
        AContext->pix_fmt = *Format;
        return;
      }
    if (Accepted(AContext->pix_fmt)) return;
  }
  AContext->pix_fmt = AEncoder->pix_fmts[0];
}

void RoundDownFrameSize(AVCodecContext* AContext) {
  int WidthStep = 1;
  int HeightStep = 1;
  switch (AContext->codec_id) {
    case AV_CODEC_ID_MPEG4:
    case AV_CODEC_ID_WMV1:
    case AV_CODEC_ID_WMV2:
    case AV_CODEC_ID_MSMPEG4V1:
    case AV_CODEC_ID_MSMPEG4V2:
    case AV_CODEC_ID_MSMPEG4V3: WidthStep = HeightStep = 2; break;
    default: break;
  }
  if (const AVPixFmtDescriptor* Format = LibAVUtil.av_pix_fmt_desc_get(AContext->pix_fmt)) {
    WidthStep = std::max(WidthStep, 1 << Format->log2_chroma_w);
    HeightStep = std::max(HeightStep, 1 << Format->log2_chroma_h);
  }
  // A picture smaller than one step keeps its size: the encoder's own refusal names the cause.
  if (AContext->width >= WidthStep) AContext->width -= AContext->width % WidthStep;
  if (AContext->height >= HeightStep) AContext->height -= AContext->height % HeightStep;
}

AVRational ChooseFrameRate(AVRational ARate, const AVCodecContext* AContext, const AVCodec* AEncoder) {
  if (!AEncoder || !AEncoder->supported_framerates) return ARate;
  std::vector<AVRational> Rates;
  for (const AVRational* Rate = AEncoder->supported_framerates; Rate->den; ++Rate) Rates.push_back(*Rate);
  if (AEncoder->id == AV_CODEC_ID_MPEG1VIDEO && AContext->strict_std_compliance > FF_COMPLIANCE_UNOFFICIAL &&
      Rates.size() > Mpeg1StandardRates)
    Rates.resize(Mpeg1StandardRates);
  if (Rates.empty()) return ARate;
  Rates.push_back({ 0, 0 });
  return Rates[LibAVUtil.av_find_nearest_q_idx(ARate, Rates.data())];
}
