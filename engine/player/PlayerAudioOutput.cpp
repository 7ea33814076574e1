#include "engine/player/PlayerAudioOutput.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/player/PlayerClocks.h"
#include "engine/libav/SwResampleStubs.h"
#include "engine/player/TPlaybackHost.h"
#include "engine/libav/libsdl.h"

namespace {

constexpr int SDL_AUDIO_BUFFER_SIZE = 1024;
/// Measures of the drift before the sound is corrected.
constexpr int AUDIO_DIFF_AVG_NB = 20;
constexpr double AV_NOSYNC_THRESHOLD = 10.0;
/// The most a buffer is shortened or lengthened, in percent.
constexpr int SAMPLE_CORRECTION_PERCENT_MAX = 10;

void LogAudio(const TVideoState& AState, TLogLevel ALevel, const String& AText) { AState.Owner->LogMessage(ALevel, AText); }

/// A converter from AFrame's sound to the device's format, remade when the frame's format changes.
bool PrepareConverter(TVideoState& AState, const AVFrame* AFrame) {
  AVChannelLayout Source {};
  if (AFrame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
    LibAVUtil.av_channel_layout_default(&Source, AFrame->ch_layout.nb_channels);
  else LibAVUtil.av_channel_layout_copy(&Source, &AFrame->ch_layout);
  const auto SampleFormat = AVSampleFormat(AFrame->format);
  const bool Same = AState.swr_ctx && SampleFormat == AState.audio_src_fmt && AFrame->sample_rate == AState.audio_src_freq &&
                    LibAVUtil.av_channel_layout_compare(&Source, &AState.audio_src_layout) == 0;
  if (Same) {
    LibAVUtil.av_channel_layout_uninit(&Source);
    return true;
  }
  AState.swr_ctx.reset();
  LibAVUtil.av_channel_layout_uninit(&AState.audio_src_layout);
  AState.audio_src_fmt = AV_SAMPLE_FMT_NONE;
  AVChannelLayout Target {};
  LibAVUtil.av_channel_layout_default(&Target, AState.audio_tgt_channels);
  SwrContext* Resampler = nullptr;
  int Made = LibSwResample.swr_alloc_set_opts2(&Resampler, &Target, AV_SAMPLE_FMT_S16, AState.audio_tgt_freq, &Source,
                                                SampleFormat, AFrame->sample_rate, 0, nullptr);
  AState.swr_ctx.reset(Resampler);
  if (Made >= 0) Made = LibSwResample.swr_init(AState.swr_ctx);
  LibAVUtil.av_channel_layout_uninit(&Target);
  if (Made < 0) {
    AState.swr_ctx.reset();
    LibAVUtil.av_channel_layout_uninit(&Source);
    const char* From = LibAVUtil.av_get_sample_fmt_name(SampleFormat);
    LogAudio(AState, llError, Format("Cannot convert %s sample format to %s sample format", From ? From : "none",
                                     LibAVUtil.av_get_sample_fmt_name(AV_SAMPLE_FMT_S16)));
    return false;
  }
  AState.audio_src_fmt = SampleFormat;
  AState.audio_src_freq = AFrame->sample_rate;
  AState.audio_src_layout = Source;
  return true;
}

/// Converts AFrame into audio_buf2; the byte count, or -1.
int ConvertAudioFrame(TVideoState& AState, const AVFrame* AFrame) {
  if (!PrepareConverter(AState, AFrame)) return -1;
  const int FrameBytes = 2 * AState.audio_tgt_channels;
  // Room for the resampler's own delay on top of the frame's samples at the device's rate.
  const int Capacity = int(Int64(AFrame->nb_samples) * AState.audio_tgt_freq / AFrame->sample_rate) + 256;
  if (AState.audio_buf2.size() < size_t(Capacity) * FrameBytes) AState.audio_buf2.resize(size_t(Capacity) * FrameBytes);
  uint8_t* Output = AState.audio_buf2.data();
  const int Converted = LibSwResample.swr_convert(AState.swr_ctx, &Output, Capacity,
                                                  const_cast<const uint8_t**>(AFrame->extended_data), AFrame->nb_samples);
  if (Converted < 0) {
    LogAudio(AState, llError, "av_audio_convert() failed");
    return -1;
  }
  return Converted * FrameBytes;
}

}  // namespace

bool OpenAudioDevice(TVideoState& AState, String& AError) {
  const AVCodecParameters* Parameters = AState.audio_st.load()->codecpar;
  const int Channels = Parameters->ch_layout.nb_channels;
  SDL_AudioSpec Wanted {};
  SDL_AudioSpec Granted {};
  Wanted.freq = Parameters->sample_rate;
  Wanted.format = AUDIO_S16SYS;
  Wanted.channels = Uint8(Channels == 1 || Channels == 2 ? Channels : 2);
  Wanted.silence = 0;
  Wanted.samples = SDL_AUDIO_BUFFER_SIZE;
  Wanted.callback = AudioCallback;
  Wanted.userdata = &AState;
  // No changes allowed: SDL converts to whatever the hardware takes.
  AState.audio_dev = LibSDL.SDL_OpenAudioDevice(nullptr, 0, &Wanted, &Granted, 0);
  if (!AState.audio_dev) {
    AError = LibSDL.SDL_GetError();
    Granted = Wanted;
    Granted.size = Uint32(Wanted.samples) * 2 * Wanted.channels;
  }
  AState.audio_hw_buf_size = int(Granted.size);
  AState.audio_tgt_freq = Granted.freq;
  AState.audio_tgt_channels = Granted.channels;
  return AState.audio_dev != 0;
}

void CloseAudioDevice(TVideoState& AState) {
  if (AState.audio_dev) LibSDL.SDL_CloseAudioDevice(AState.audio_dev);
  AState.audio_dev = 0;
}

int SilentAudioThread(void* AOpaque) {
  TVideoState& State = *static_cast<TVideoState*>(AOpaque);
  std::vector<uint8_t> Buffer(size_t(std::max(State.audio_hw_buf_size, 1)));
  const int BytesPerSecond = 2 * State.audio_tgt_channels * State.audio_tgt_freq;
  const Int64 Period = BytesPerSecond > 0 ? Int64(Buffer.size()) * 1000000 / BytesPerSecond : 20000;
  Int64 Due = SystemTimeMicroseconds();
  while (!State.audioq.abort_request) {
    AudioCallback(&State, Buffer.data(), int(Buffer.size()));
    Due += Period;
    const Int64 Now = SystemTimeMicroseconds();
    // Behind by more than a few buffers (a stalled machine), the pace starts afresh instead of catching up.
    if (Due < Now - 4 * Period) Due = Now;
    if (Due > Now) std::this_thread::sleep_for(std::chrono::microseconds(Due - Now));
  }
  return 0;
}

int DecodeAudioFrame(TVideoState& AState, double& APts) {
  for (;;) {
    while (AState.audio_pkt_pending) {
      const int Received = LibAVCodec.avcodec_receive_frame(AState.audio_dec, AState.audio_frame);
      if (Received < 0) {
        if (Received != AVERROR(EAGAIN) && Received != AVERROR_EOF)
          LogAudio(AState, llInfo, "avcodec_decode_audio2() failed");
        AState.audio_pkt_pending = false;
        break;
      }
      const int Bytes = ConvertAudioFrame(AState, AState.audio_frame);
      LibAVUtil.av_frame_unref(AState.audio_frame);
      if (Bytes <= 0) continue;
      APts = AState.audio_clock;
      AState.audio_clock = AState.audio_clock + double(Bytes) / (2.0 * AState.audio_tgt_channels * AState.audio_tgt_freq);
      return Bytes;
    }
    if (AState.paused || AState.audioq.abort_request) return -1;
    AVPacket* Packet = nullptr;
    if (AState.audioq.Get(Packet, false) <= 0) return -1;
    if (Packet == FlushPacket()) {
      LibAVCodec.avcodec_flush_buffers(AState.audio_dec);
      continue;
    }
    if (Packet->pts != AV_NOPTS_VALUE) AState.audio_clock = av_q2d(AState.audio_st.load()->time_base) * double(Packet->pts);
    if (LibAVCodec.avcodec_send_packet(AState.audio_dec, Packet) < 0) LogAudio(AState, llInfo, "avcodec_decode_audio2() failed");
    else AState.audio_pkt_pending = true;
    TPacketQueue::FreePacket(Packet);
  }
}

void AudioCallback(void* AOpaque, uint8_t* AStream, int ALength) {
  TVideoState& State = *static_cast<TVideoState*>(AOpaque);
  TPlaybackHost& Player = *State.Owner;
  Player.Faudio_callback_time = SystemTimeMicroseconds();
  // SDL hands over its buffer as it was: silence is written, not assumed.
  std::memset(AStream, 0, size_t(ALength));
  // The sound starts with the first picture: running ahead of the pictures the decoder is still making, it
  // would have the display drop them to catch up. A video stream that gives no picture holds it 1 s at most.
  constexpr Int64 PictureWait = 1000000;
  if (State.video_stream >= 0 && !State.picture_ready && Player.Faudio_callback_time - State.audio_start_time < PictureWait)
    return;
  while (ALength > 0) {
    if (State.audio_buf_index >= State.audio_buf_size) {
      double Pts = 0;
      int Size = DecodeAudioFrame(State, Pts);
      if (State.audioq.abort_request) break;
      if (Size < 0) {
        State.audio_buf = State.audio_buf1;
        Size = int(sizeof State.audio_buf1);
      } else {
        if (State.show_audio)
          UpdateSampleDisplay(State, reinterpret_cast<const int16_t*>(State.audio_buf2.data()), Size);
        Size = SynchronizeAudio(State, Size, Pts);
        State.audio_buf = State.audio_buf2.data();
      }
      State.audio_buf_size = Size;
      State.audio_buf_index = 0;
    }
    const int Count = std::min(State.audio_buf_size - State.audio_buf_index, ALength);
    if (!Player.FMute)
      LibSDL.SDL_MixAudioFormat(AStream, State.audio_buf + State.audio_buf_index, AUDIO_S16SYS, Uint32(Count),
                                Player.FAudioVolume);
    State.audio_buf_index += Count;
    AStream += Count;
    ALength -= Count;
  }
}

int SynchronizeAudio(TVideoState& AState, int ASize, double APts) {
  (void)APts;
  const bool FollowsOther = (AState.av_sync_type == AV_SYNC_VIDEO_MASTER && AState.video_stream >= 0) ||
                            AState.av_sync_type == AV_SYNC_EXTERNAL_CLOCK;
  if (!FollowsOther) return ASize;
  const double Diff = GetAudioClock(AState) - GetMasterClock(AState);
  if (Diff >= AV_NOSYNC_THRESHOLD) {
    AState.audio_diff_avg_count = 0;
    AState.audio_diff_cum = 0;
    return ASize;
  }
  AState.audio_diff_cum = Diff + AState.audio_diff_avg_coef * AState.audio_diff_cum;
  if (AState.audio_diff_avg_count < AUDIO_DIFF_AVG_NB) {
    ++AState.audio_diff_avg_count;
    return ASize;
  }
  const double Average = AState.audio_diff_cum * (1.0 - AState.audio_diff_avg_coef);
  if (std::fabs(Average) < AState.audio_diff_threshold) return ASize;
  const int FrameBytes = 2 * AState.audio_tgt_channels;
  const int Frames = ASize / FrameBytes;
  const int Least = (Frames * (100 - SAMPLE_CORRECTION_PERCENT_MAX) / 100) * FrameBytes;
  const int Most = (Frames * (100 + SAMPLE_CORRECTION_PERCENT_MAX) / 100) * FrameBytes;
  const int Wanted = std::clamp(ASize + int(std::nearbyint(Diff * AState.audio_tgt_freq)) * FrameBytes, Least, Most);
  if (Wanted <= ASize || ASize < FrameBytes) return std::min(Wanted, ASize);
  if (AState.audio_buf2.size() < size_t(Wanted)) AState.audio_buf2.resize(size_t(Wanted));
  uint8_t* Samples = AState.audio_buf2.data();
  const uint8_t* Last = Samples + ASize - FrameBytes;
  for (int At = ASize; At < Wanted; At += FrameBytes) std::memcpy(Samples + At, Last, size_t(FrameBytes));
  return Wanted;
}

void UpdateSampleDisplay(TVideoState& AState, const int16_t* ASamples, int ABytes) {
  int Count = ABytes / 2;
  int Index = AState.sample_array_index;
  while (Count > 0) {
    const int Length = std::min(Count, SAMPLE_ARRAY_SIZE - Index);
    std::memcpy(AState.sample_array + Index, ASamples, size_t(Length) * sizeof(int16_t));
    ASamples += Length;
    Index += Length;
    if (Index >= SAMPLE_ARRAY_SIZE) Index = 0;
    Count -= Length;
  }
  AState.sample_array_index = Index;
}
