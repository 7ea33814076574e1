// The packet step of a transcoder run: decoding an input packet, keeping the input stream's clock, handing
// frames to the audio, video and subtitle outputs, copying packets of streams that are not re-encoded,
// and draining the encoders when an input ends.
#include <algorithm>
#include <chrono>
#include <thread>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFilterStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "engine/transcode/TTranscoder.h"

namespace {

/// Leaves the first ACount samples of AFrame out, by moving its plane pointers (its buffers stay whole).
void SkipSamples(AVFrame* AFrame, int ACount) {
  const auto Format = AVSampleFormat(AFrame->format);
  const bool Planar = LibAVUtil.av_sample_fmt_is_planar(Format);
  const int Channels = AFrame->ch_layout.nb_channels;
  const int Planes = Planar ? Channels : 1;
  const size_t Bytes = size_t(LibAVUtil.av_get_bytes_per_sample(Format)) * (Planar ? 1 : Channels) * ACount;
  for (int Plane = 0; Plane < Planes; ++Plane) AFrame->extended_data[Plane] += Bytes;
  if (AFrame->extended_data != AFrame->data)
    for (int Plane = 0; Plane < std::min(Planes, AV_NUM_DATA_POINTERS); ++Plane) AFrame->data[Plane] += Bytes;
  AFrame->nb_samples -= ACount;
}

}  // namespace

int TTranscoder::ProcessPacket(TAVInputStream& AIst, const AVPacket* APacket) {
  if (AIst.next_pts == AV_NOPTS_VALUE) AIst.next_pts = AIst.pts;
  if (APacket && APacket->dts != AV_NOPTS_VALUE)
    AIst.next_pts = AIst.pts = LibAVUtil.av_rescale_q(APacket->dts, AIst.st->time_base, AV_TIME_BASE_Q);
  if (APacket) {
    AIst.pts = AIst.next_pts;
    if (StartReached(AIst))
      for (auto& Ost : Fost_table)
        if (Ost->source_index == IndexOf(AIst) && Ost->config->stream_copy && !PastRecordingTime(*Ost, AIst.pts))
          CopyPacket(*Ost, AIst, APacket);
  }
  if (AIst.decoding_needed) {
    if (DecodeFrames(AIst, APacket) < 0) return -1;
  } else if (APacket) {
    AdvanceClock(AIst, APacket);
  }
  if (!APacket) DrainEncoders(AIst);
  return 0;
}

int TTranscoder::IndexOf(const TAVInputStream& AIst) const { return Finput_file_table[AIst.file_index].ist_index + AIst.index; }

bool TTranscoder::StartReached(const TAVInputStream& AIst) const { return S.Fstart_time == 0 || AIst.pts >= S.Fstart_time; }

Int64 TTranscoder::FrameTime(const TAVInputStream& AIst, const AVFrame* AFrame) const {
  if (AFrame->best_effort_timestamp == AV_NOPTS_VALUE) return AIst.pts;
  return LibAVUtil.av_rescale_q(AFrame->best_effort_timestamp, AIst.st->time_base, AV_TIME_BASE_Q);
}

int TTranscoder::DecodeFrames(TAVInputStream& AIst, const AVPacket* APacket) {
  AVCodecContext* Dec = AIst.dec();
  if (Dec->codec_type == AVMEDIA_TYPE_SUBTITLE) {
    if (!APacket) return 0;
    AVSubtitle Subtitle {};
    int Got = 0;
    if (LibAVCodec.avcodec_decode_subtitle2(Dec, &Subtitle, &Got, const_cast<AVPacket*>(APacket)) < 0) return -1;
    if (Got) {
      OutputSubtitle(AIst, APacket, Subtitle);
      LibAVCodec.avsubtitle_free(&Subtitle);
    }
    return 0;
  }
  if (Dec->codec_type != AVMEDIA_TYPE_AUDIO && Dec->codec_type != AVMEDIA_TYPE_VIDEO) return -1;
  // An empty packet would read as the end of the input.
  if (APacket && APacket->size == 0) return 0;
  if (const int Sent = LibAVCodec.avcodec_send_packet(Dec, APacket); Sent < 0 && Sent != AVERROR_EOF) return -1;
  for (int Frames = 1;; ++Frames) {
    const int Received = LibAVCodec.avcodec_receive_frame(Dec, FDecoded);
    if (Received == AVERROR(EAGAIN) || Received == AVERROR_EOF) return 0;
    if (Received < 0) return -1;
    if (Frames == 2 && APacket && ((!AIst.showed_multi_packet_warning && S.Fverbose > 0) || S.Fverbose > 1)) {
      FTask.Log(llError, Format("Multiple frames in a packet from stream %d", APacket->stream_index));
      AIst.showed_multi_packet_warning = true;
    }
    AIst.pts = AIst.next_pts;
    if (Dec->codec_type == AVMEDIA_TYPE_AUDIO) {
      const int Rate = FDecoded->sample_rate > 0 ? FDecoded->sample_rate : Dec->sample_rate;
      if (Rate > 0) AIst.next_pts += LibAVUtil.av_rescale(FDecoded->nb_samples, AV_TIME_BASE, Rate);
      OutputAudioFrame(AIst, FDecoded);
    } else {
      // A repeated field lengthens the picture by half a frame.
      const AVRational Rate = Dec->framerate;
      if (Rate.num && Rate.den) AIst.next_pts += LibAVUtil.av_rescale(Int64(AV_TIME_BASE) * Rate.den, 2 + FDecoded->repeat_pict, Int64(Rate.num) * 2);
      OutputVideoFrame(AIst, FDecoded);
    }
    LibAVUtil.av_frame_unref(FDecoded);
  }
}

void TTranscoder::AdvanceClock(TAVInputStream& AIst, const AVPacket* APacket) {
  if (APacket->duration > 0) {
    AIst.next_pts += LibAVUtil.av_rescale_q(APacket->duration, AIst.st->time_base, AV_TIME_BASE_Q);
    return;
  }
  const AVCodecParameters* Codec = AIst.st->codecpar;
  if (Codec->codec_type == AVMEDIA_TYPE_AUDIO && Codec->sample_rate > 0) {
    AIst.next_pts += LibAVUtil.av_rescale(Codec->frame_size, AV_TIME_BASE, Codec->sample_rate);
  } else if (Codec->codec_type == AVMEDIA_TYPE_VIDEO) {
    const AVCodecContext* Dec = AIst.dec();
    if (Dec && Dec->framerate.num && Dec->framerate.den)
      AIst.next_pts += LibAVUtil.av_rescale(AV_TIME_BASE, Dec->framerate.den, Dec->framerate.num);
  }
}

void TTranscoder::OutputAudioFrame(TAVInputStream& AIst, AVFrame* AFrame) {
  if (S.Faudio_volume != 256) ApplyVolume(AFrame);
  EmulateRate(AIst);
  // Decoded sound and pictures are cut by the time they are heard or shown at: pictures come out of the
  // decoder in another order than they went in, and the input clock follows the order they went in.
  Int64 Shown = FrameTime(AIst, AFrame);
  // A frame that reaches over the start or the end of the recording gives the samples inside it.
  if (const int Rate = AFrame->sample_rate; Rate > 0) {
    if (const Int64 Early = S.Fstart_time - Shown; Early > 0) {
      const Int64 Samples = (Early * Rate + AV_TIME_BASE - 1) / AV_TIME_BASE;
      if (Samples >= AFrame->nb_samples) return;
      SkipSamples(AFrame, int(Samples));
      // The clock the output keeps in step with moves on to the first sample kept.
      const Int64 Skipped = LibAVUtil.av_rescale(Samples, AV_TIME_BASE, Rate);
      Shown += Skipped;
      AIst.pts += Skipped;
    }
    if (S.Frecording_time != TFFmpegSettings::NoRecordingLimit) {
      const Int64 Left = S.Fstart_time + S.Frecording_time - Shown;
      const Int64 Samples = (Left * Rate + AV_TIME_BASE - 1) / AV_TIME_BASE;
      if (Left > 0 && Samples < AFrame->nb_samples) AFrame->nb_samples = int(Samples);
    }
  }
  if (Shown < S.Fstart_time) return;
  for (auto& Ost : Fost_table)
    if (Ost->source_index == IndexOf(AIst) && Ost->encoding_needed && !PastRecordingTime(*Ost, Shown)) do_audio_out(*Ost, AIst, AFrame);
}

void TTranscoder::OutputVideoFrame(TAVInputStream& AIst, AVFrame* AFrame) {
  PreprocessVideoFrame(AIst, AFrame);
  EmulateRate(AIst);
  const Int64 Shown = FrameTime(AIst, AFrame);
  if (Shown < S.Fstart_time) return;
  const Int64 Time = AIst.pts;
  for (auto& Ost : Fost_table) {
    if (Ost->source_index != IndexOf(AIst) || !Ost->encoding_needed || PastRecordingTime(*Ost, Shown)) continue;
    if (Ost->graph) FilterVideoFrame(*Ost, AIst, AFrame, Time);
    else OutputPicture(*Ost, AIst, AFrame);
    AIst.pts = Time;
  }
}

void TTranscoder::OutputPicture(TAVOutputStream& AOst, TAVInputStream& AIst, const AVFrame* AFrame) {
  const int Size = WriteVideoFrame(AOst, AIst, AFrame);
  if (!S.Fvstats_filename.empty() && Size != 0) WriteVideoStats(AOst, Size);
}

void TTranscoder::OutputSubtitle(TAVInputStream& AIst, const AVPacket* APacket, AVSubtitle& ASubtitle) {
  AIst.pts = AIst.next_pts;
  if (!StartReached(AIst)) return;
  for (auto& Ost : Fost_table)
    if (Ost->source_index == IndexOf(AIst) && Ost->encoding_needed && !PastRecordingTime(*Ost, AIst.pts))
      WriteSubtitle(*Ost, AIst, APacket->pts, ASubtitle);
}

void TTranscoder::CopyPacket(TAVOutputStream& AOst, const TAVInputStream& AIst, const AVPacket* APacket) {
  // Nothing is written before the first key frame, which a player needs to start from.
  if (!(APacket->flags & AV_PKT_FLAG_KEY) && AOst.frame_number == 0 && !S.Fcopy_initial_nonkeyframes) return;
  const AVRational In = AIst.st->time_base;
  const AVRational Out = AOst.st->time_base;
  const Int64 StartOffset = LibAVUtil.av_rescale_q(S.Fstart_time, AV_TIME_BASE_Q, Out);
  if (LibAVCodec.av_packet_ref(FEncoded, APacket) < 0) throw FFmpegException("av_mallocz fail");
  FEncoded->stream_index = AOst.index;
  FEncoded->pts = APacket->pts == AV_NOPTS_VALUE ? AV_NOPTS_VALUE : LibAVUtil.av_rescale_q(APacket->pts, In, Out) - StartOffset;
  FEncoded->dts = (APacket->dts == AV_NOPTS_VALUE ? LibAVUtil.av_rescale_q(AIst.pts, AV_TIME_BASE_Q, Out)
                                                  : LibAVUtil.av_rescale_q(APacket->dts, In, Out)) -
                  StartOffset;
  FEncoded->duration = LibAVUtil.av_rescale_q(APacket->duration, In, Out);
  if (AOst.st->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) {
    Faudio_size += APacket->size;
  } else if (AOst.st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
    Fvideo_size += APacket->size;
    ++AOst.sync_opts;
  }
  WritePacket(AOst, FEncoded);
  LibAVCodec.av_packet_unref(FEncoded);
  ++AOst.frame_number;
}

void TTranscoder::EmulateRate(const TAVInputStream& AIst) const {
  if (!S.Frate_emu) return;
  const Int64 Elapsed = LibAVUtil.av_gettime_relative() - AIst.start;
  if (AIst.pts > Elapsed + 1000) std::this_thread::sleep_for(std::chrono::milliseconds((AIst.pts - Elapsed) / 1000));
}

void TTranscoder::DrainEncoders(TAVInputStream& AIst) {
  for (auto& Ost : Fost_table) {
    if (Ost->source_index != IndexOf(AIst) || !Ost->encoding_needed) continue;
    switch (Ost->enc()->codec_type) {
      case AVMEDIA_TYPE_AUDIO: EncodeAudioFifo(*Ost, true); break;
      case AVMEDIA_TYPE_VIDEO:
        if (Ost->graph) FilterVideoFrame(*Ost, AIst, nullptr, AIst.pts);
        EncodeFrame(*Ost, nullptr);
        break;
      default: break;
    }
  }
}
