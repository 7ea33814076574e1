// Audio output of a transcoder run: keeping the output in step with the input clock (dropping samples,
// inserting silence or stretching time), converting channels, rate and sample format, cutting the result
// into encoder frames through a FIFO, and the volume change of decoded audio.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "engine/libav/SwResampleStubs.h"
#include "engine/transcode/TTranscoder.h"

namespace {

/// What a converter is made for: the input's sample format, channel count and rate.
Int64 InputKey(const AVFrame* AFrame) {
  return AFrame->format + 32 * (Int64(AFrame->ch_layout.nb_channels) + 1024 * Int64(AFrame->sample_rate));
}

/// (s * AVolume + 128) >> 8, kept inside the sample type's range.
template <class T> void ScaleInteger(T* ASamples, size_t ACount, int AVolume) {
  using TWide = std::conditional_t<(sizeof(T) < 8), int64_t, __int128>;
  constexpr TWide Low = std::numeric_limits<T>::min();
  constexpr TWide High = std::numeric_limits<T>::max();
  for (size_t I = 0; I < ACount; ++I) ASamples[I] = T(std::clamp<TWide>((TWide(ASamples[I]) * AVolume + 128) >> 8, Low, High));
}

/// Unsigned 8-bit samples are offset by 128: the gain applies to the offset value.
void ScaleUnsigned8(uint8_t* ASamples, size_t ACount, int AVolume) {
  for (size_t I = 0; I < ACount; ++I)
    ASamples[I] = uint8_t(std::clamp<int64_t>(((int64_t(ASamples[I]) - 128) * AVolume + 128) >> 8, -128, 127) + 128);
}

template <class T> void ScaleFloat(T* ASamples, size_t ACount, int AVolume) {
  const T Gain = T(AVolume) / T(256);
  for (size_t I = 0; I < ACount; ++I) ASamples[I] *= Gain;
}

}  // namespace

void TTranscoder::ApplyVolume(AVFrame* AFrame) const {
  if (LibAVUtil.av_frame_make_writable(AFrame) < 0) throw FFmpegException("Out of memory in do_audio_out");
  const auto Format = AVSampleFormat(AFrame->format);
  const int Channels = AFrame->ch_layout.nb_channels;
  const bool Planar = LibAVUtil.av_sample_fmt_is_planar(Format);
  const size_t Count = size_t(AFrame->nb_samples) * (Planar ? 1 : Channels);
  const int Volume = S.Faudio_volume;
  for (int Plane = 0; Plane < (Planar ? Channels : 1); ++Plane) {
    uint8_t* Data = AFrame->extended_data[Plane];
    switch (Format) {
      case AV_SAMPLE_FMT_U8:
      case AV_SAMPLE_FMT_U8P: ScaleUnsigned8(Data, Count, Volume); break;
      case AV_SAMPLE_FMT_S16:
      case AV_SAMPLE_FMT_S16P: ScaleInteger(reinterpret_cast<int16_t*>(Data), Count, Volume); break;
      case AV_SAMPLE_FMT_S32:
      case AV_SAMPLE_FMT_S32P: ScaleInteger(reinterpret_cast<int32_t*>(Data), Count, Volume); break;
      case AV_SAMPLE_FMT_S64:
      case AV_SAMPLE_FMT_S64P: ScaleInteger(reinterpret_cast<int64_t*>(Data), Count, Volume); break;
      case AV_SAMPLE_FMT_FLT:
      case AV_SAMPLE_FMT_FLTP: ScaleFloat(reinterpret_cast<float*>(Data), Count, Volume); break;
      case AV_SAMPLE_FMT_DBL:
      case AV_SAMPLE_FMT_DBLP: ScaleFloat(reinterpret_cast<double*>(Data), Count, Volume); break;
      default: return;
    }
  }
}

void TTranscoder::do_audio_out(TAVOutputStream& AOst, TAVInputStream& AIst, const AVFrame* AFrame) {
  const AVCodecContext* Enc = AOst.enc();
  const auto InFormat = AVSampleFormat(AFrame->format);
  const int InChannels = AFrame->ch_layout.nb_channels;
  const int InRate = AFrame->sample_rate;
  const bool InPlanar = LibAVUtil.av_sample_fmt_is_planar(InFormat);
  const int InStep = LibAVUtil.av_get_bytes_per_sample(InFormat) * (InPlanar ? 1 : InChannels);
  if (InChannels != Enc->ch_layout.nb_channels) AOst.audio_resample = true;
  PrepareResampler(AOst, AFrame);

  // The block as pointers into the frame, so that samples can be dropped from its front.
  std::vector<const uint8_t*> Block(AFrame->extended_data, AFrame->extended_data + (InPlanar ? InChannels : 1));
  int Count = AFrame->nb_samples;
  const int Fifo = LibAVUtil.av_audio_fifo_size(AOst.fifo);
  const double SyncTime = double(AOst.sync_ist->pts - S.Fstart_time) / AV_TIME_BASE;
  const int Rate = Enc->sample_rate;
  if (S.Faudio_sync_method) {
    const double Delta = SyncTime * Rate - double(AOst.sync_opts) - Fifo;
    const Int64 InputDelta = Int64(Delta * InRate / Rate);
    if (std::fabs(Delta) > 50) {
      if (AIst.is_start || std::fabs(Delta) > S.Faudio_drift_threshold * Rate) {
        if (InputDelta < 0) {
          const int Dropped = int(std::min<Int64>(-InputDelta, Count));
          for (const uint8_t*& Plane : Block) Plane += size_t(Dropped) * InStep;
          Count -= Dropped;
          if (S.Fverbose > 2) FTask.Log(llVerbose, Format("discarding %d audio samples", int(-Delta)));
          if (Count == 0) return;
          AIst.is_start = false;
        } else {
          const int Silence = int(InputDelta);
          uint8_t** Padded = Finput_tmp.Reserve(InFormat, InChannels, Silence + Count);
          LibAVUtil.av_samples_set_silence(Padded, 0, Silence, InChannels, InFormat);
          LibAVUtil.av_samples_copy(Padded, const_cast<uint8_t* const*>(Block.data()), Silence, 0, Count, InChannels, InFormat);
          Block.assign(Padded, Padded + Block.size());
          Count += Silence;
          AIst.is_start = false;
          if (S.Fverbose > 2) FTask.Log(llVerbose, Format("adding %d audio samples of silence", int(Delta)));
        }
      } else if (S.Faudio_sync_method > 1) {
        const int Compensation = std::clamp(int(Delta), -S.Faudio_sync_method, S.Faudio_sync_method);
        if (S.Fverbose > 2)
          FTask.Log(llVerbose, Format("compensating audio timestamp drift:%.6f compensation:%d in:%d", Delta, Compensation, Rate));
        LibSwResample.swr_set_compensation(AOst.resample, Compensation, Rate);
      }
    }
  } else {
    AOst.sync_opts = Round(SyncTime * Rate) - Fifo;
  }

  const void* const* Samples = reinterpret_cast<const void* const*>(Block.data());
  if (AOst.resample) {
    const int Room = LibSwResample.swr_get_out_samples(AOst.resample, Count);
    uint8_t** Converted = Faudio_buf.Reserve(Enc->sample_fmt, Enc->ch_layout.nb_channels, std::max(Room, 1));
    Count = LibSwResample.swr_convert(AOst.resample, Converted, Room, Block.data(), Count);
    if (Count < 0) {
      if (S.Fexit_on_error) throw FFmpegException("av_audio_convert() failed");
      FTask.Log(llError, "av_audio_convert() failed");
      return;
    }
    Samples = reinterpret_cast<const void* const*>(Converted);
  }
  if (LibAVUtil.av_audio_fifo_write(AOst.fifo, const_cast<void**>(Samples), Count) < Count)
    throw FFmpegException("av_fifo_realloc2() failed");
  EncodeAudioFifo(AOst, false);
}

void TTranscoder::PrepareResampler(TAVOutputStream& AOst, const AVFrame* AFrame) {
  const AVCodecContext* Enc = AOst.enc();
  const bool Reformat = AFrame->format != Enc->sample_fmt;
  if (!AOst.audio_resample && !Reformat && AFrame->sample_rate == Enc->sample_rate) return;
  const Int64 Key = InputKey(AFrame);
  if (AOst.resample && Key == AOst.reformat_pair) return;
  AOst.resample.reset();
  AVChannelLayout Layout {};
  if (AFrame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) LibAVUtil.av_channel_layout_default(&Layout, AFrame->ch_layout.nb_channels);
  else LibAVUtil.av_channel_layout_copy(&Layout, &AFrame->ch_layout);
  SwrContext* Resampler = nullptr;
  int Made = LibSwResample.swr_alloc_set_opts2(&Resampler, const_cast<AVChannelLayout*>(&Enc->ch_layout), Enc->sample_fmt, Enc->sample_rate, &Layout,
                                               AVSampleFormat(AFrame->format), AFrame->sample_rate, 0, nullptr);
  AOst.resample.reset(Resampler);
  LibAVUtil.av_channel_layout_uninit(&Layout);
  if (Made >= 0 && AOst.audio_resample) {
    LibAVUtil.av_opt_set_int(AOst.resample, "filter_size", 16, 0);
    LibAVUtil.av_opt_set_int(AOst.resample, "phase_shift", 10, 0);
    LibAVUtil.av_opt_set_int(AOst.resample, "linear_interp", 0, 0);
    LibAVUtil.av_opt_set_double(AOst.resample, "cutoff", 0.8, 0);
  }
  if (Made >= 0) Made = LibSwResample.swr_init(AOst.resample);
  if (Made < 0) {
    AOst.resample.reset();
    if (AOst.audio_resample)
      throw FFmpegException(Format("Can not resample %d channels @ %d Hz to %d channels @ %d Hz", AFrame->ch_layout.nb_channels,
                                   AFrame->sample_rate, Enc->ch_layout.nb_channels, Enc->sample_rate));
    throw FFmpegException(Format("Cannot convert %s sample format to %s sample format",
                                 LibAVUtil.av_get_sample_fmt_name(AVSampleFormat(AFrame->format)),
                                 LibAVUtil.av_get_sample_fmt_name(Enc->sample_fmt)));
  }
  AOst.reformat_pair = Key;
}

void TTranscoder::EncodeAudioFifo(TAVOutputStream& AOst, bool AFinal) {
  const AVCodecContext* Enc = AOst.enc();
  // Encoders that take any number of samples (PCM) report no frame size: they get what is there.
  const int FrameSize = Enc->frame_size > 1 ? Enc->frame_size : 0;
  // The frame limit holds exactly: one decoded frame may fill several encoder frames.
  const auto BelowLimit = [&] { return AOst.frame_number < S.Fmax_frames[AVMEDIA_TYPE_AUDIO]; };
  const auto Encode = [&](int ASamples, int AFrameSamples) {
    LibAVUtil.av_frame_unref(FAudioFrame);
    FAudioFrame->format = Enc->sample_fmt;
    FAudioFrame->sample_rate = Enc->sample_rate;
    FAudioFrame->nb_samples = AFrameSamples;
    LibAVUtil.av_channel_layout_copy(&FAudioFrame->ch_layout, &Enc->ch_layout);
    if (LibAVUtil.av_frame_get_buffer(FAudioFrame, 0) < 0) throw FFmpegException("Out of memory in do_audio_out");
    LibAVUtil.av_audio_fifo_read(AOst.fifo, reinterpret_cast<void**>(FAudioFrame->extended_data), ASamples);
    if (AFrameSamples > ASamples)
      LibAVUtil.av_samples_set_silence(FAudioFrame->extended_data, ASamples, AFrameSamples - ASamples, Enc->ch_layout.nb_channels,
                                       Enc->sample_fmt);
    // The input clock may step back by a little; the encoder's times must not.
    const Int64 Pts = std::max(AOst.sync_opts, AOst.next_audio_pts);
    FAudioFrame->pts = Pts;
    AOst.sync_opts = AOst.next_audio_pts = Pts + AFrameSamples;
    EncodeFrame(AOst, FAudioFrame);
    ++AOst.frame_number;
  };
  if (FrameSize == 0) {
    if (const int Size = LibAVUtil.av_audio_fifo_size(AOst.fifo); Size > 0 && BelowLimit()) Encode(Size, Size);
  } else {
    while (LibAVUtil.av_audio_fifo_size(AOst.fifo) >= FrameSize && BelowLimit()) Encode(FrameSize, FrameSize);
  }
  if (!AFinal) return;
  if (const int Rest = LibAVUtil.av_audio_fifo_size(AOst.fifo); Rest > 0 && BelowLimit()) {
    const bool Short = Enc->codec->capabilities & (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE);
    Encode(Rest, Short ? Rest : FrameSize);
  }
  EncodeFrame(AOst, nullptr);
}
