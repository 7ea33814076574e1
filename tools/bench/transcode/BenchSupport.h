#pragma once
// What the conversion benchmarks share: the formats they convert to, a plain decode, encode and mux loop
// written on the same libraries (through the engine's entry points) as the reference, and the timing.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/SwResampleStubs.h"

namespace bench {

/// An output format: the container, the encoders and their options ("name=value" pairs joined by ":").
struct TFormat {
  const char* Name;
  const char* Extension;
  const char* Video;
  const char* Audio;
  const char* VideoOptions { "" };
  const char* AudioOptions { "" };
};

inline void Check(int AResult, const char* AWhat) {
  if (AResult < 0) throw std::runtime_error(AWhat);
}

/// The benchmarks' folder of inputs and outputs, beside the media fixtures.
String Folder();
/// 10 s of 640x360 MPEG-4 at a fine quantiser with MP2 sound in AVI, made once by the engine.
const String& Clip();
/// 4 s of 1280x720 H.264 with B-pictures and AAC sound in MP4, made once by the engine.
const String& ClipH264();

template <class T> T* CheckPtr(T* APointer, const char* AWhat) {
  if (!APointer) throw std::runtime_error(AWhat);
  return APointer;
}

/// One conversion without the engine: every packet of the input decoded, the pictures encoded as they
/// come, the sound converted to the encoder's format and cut into its frames, everything interleaved into
/// the output. Settings as the engine's task has them: the encoders' defaults but for the format's own
/// options, the input's size, rate and sound layout; AThreads codec threads (0: the libraries' choice).
class TDirectConversion {
public:
  TDirectConversion(const String& AInput, const String& AOutput, const TFormat& AFormat, int AThreads = 1) : FThreads(AThreads) {
    Check(LibAVFormat.avformat_open_input(&FInput, AInput.c_str(), nullptr, nullptr), "open input");
    Check(LibAVFormat.avformat_find_stream_info(FInput, nullptr), "stream info");
    Check(LibAVFormat.avformat_alloc_output_context2(&FOutput, nullptr, nullptr, AOutput.c_str()), "output");
    FStreams.resize(FInput->nb_streams);
    for (unsigned I = 0; I < FInput->nb_streams; ++I) {
      const AVMediaType Type = FInput->streams[I]->codecpar->codec_type;
      if (Type == AVMEDIA_TYPE_VIDEO || Type == AVMEDIA_TYPE_AUDIO)
        OpenStream(FStreams[I], FInput->streams[I], Type == AVMEDIA_TYPE_VIDEO ? AFormat.Video : AFormat.Audio,
                   Type == AVMEDIA_TYPE_VIDEO ? AFormat.VideoOptions : AFormat.AudioOptions);
    }
    Check(LibAVFormat.avio_open2(&FOutput->pb, AOutput.c_str(), AVIO_FLAG_WRITE, nullptr, nullptr), "avio_open2");
    Check(LibAVFormat.avformat_write_header(FOutput, nullptr), "header");
  }

  ~TDirectConversion() {
    for (TStream& Stream : FStreams) {
      LibAVCodec.avcodec_free_context(&Stream.Decoder);
      LibAVCodec.avcodec_free_context(&Stream.Encoder);
      LibSwResample.swr_free(&Stream.Resampler);
      if (Stream.Fifo) LibAVUtil.av_audio_fifo_free(Stream.Fifo);
      if (Stream.Converted) LibAVUtil.av_freep(&Stream.Converted[0]);
      LibAVUtil.av_freep(&Stream.Converted);
    }
    LibAVUtil.av_frame_free(&FFrame);
    LibAVUtil.av_frame_free(&FChunk);
    LibAVCodec.av_packet_free(&FPacket);
    LibAVFormat.avformat_close_input(&FInput);
    if (FOutput) LibAVFormat.avio_closep(&FOutput->pb);
    LibAVFormat.avformat_free_context(FOutput);
  }

  void Run() {
    while (LibAVFormat.av_read_frame(FInput, FPacket) >= 0) {
      TStream& Stream = FStreams[FPacket->stream_index];
      if (Stream.Decoder) Decode(Stream, FPacket);
      LibAVCodec.av_packet_unref(FPacket);
    }
    for (TStream& Stream : FStreams) {
      if (!Stream.Decoder) continue;
      Decode(Stream, nullptr);
      if (Stream.Fifo) EncodeSound(Stream, true);
      Encode(Stream, nullptr);
    }
    Check(LibAVFormat.av_write_trailer(FOutput), "trailer");
  }

private:
  struct TStream {
    AVCodecContext* Decoder { nullptr };
    AVCodecContext* Encoder { nullptr };
    AVStream* Output { nullptr };
    SwrContext* Resampler { nullptr };
    AVAudioFifo* Fifo { nullptr };
    uint8_t** Converted { nullptr };
    int ConvertedSize { 0 };
    int64_t NextPts { 0 };
  };

  void OpenStream(TStream& AStream, const AVStream* AInput, const char* AEncoder, const char* AOptions) {
    const AVCodec* DecoderCodec = CheckPtr(LibAVCodec.avcodec_find_decoder(AInput->codecpar->codec_id), "decoder");
    AStream.Decoder = CheckPtr(LibAVCodec.avcodec_alloc_context3(DecoderCodec), "decoder context");
    Check(LibAVCodec.avcodec_parameters_to_context(AStream.Decoder, AInput->codecpar), "decoder parameters");
    AStream.Decoder->pkt_timebase = AInput->time_base;
    AStream.Decoder->thread_count = FThreads;
    Check(LibAVCodec.avcodec_open2(AStream.Decoder, DecoderCodec, nullptr), "open decoder");

    const AVCodec* Codec = CheckPtr(LibAVCodec.avcodec_find_encoder_by_name(AEncoder), AEncoder);
    AVCodecContext* Encoder = AStream.Encoder = CheckPtr(LibAVCodec.avcodec_alloc_context3(Codec), "encoder context");
    Encoder->thread_count = FThreads;
    if (Codec->type == AVMEDIA_TYPE_VIDEO) {
      Encoder->width = AStream.Decoder->width;
      Encoder->height = AStream.Decoder->height;
      Encoder->pix_fmt = Codec->pix_fmts[0];
      Encoder->framerate = AInput->r_frame_rate;
      Encoder->time_base = { AInput->r_frame_rate.den, AInput->r_frame_rate.num };
      Encoder->sample_aspect_ratio = { 1, 1 };
    } else {
      Encoder->sample_fmt = Codec->sample_fmts[0];
      Encoder->sample_rate = AStream.Decoder->sample_rate;
      LibAVUtil.av_channel_layout_default(&Encoder->ch_layout, AStream.Decoder->ch_layout.nb_channels);
      Encoder->time_base = { 1, Encoder->sample_rate };
    }
    if (FOutput->oformat->flags & AVFMT_GLOBALHEADER) Encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* Options = nullptr;
    Check(LibAVUtil.av_dict_parse_string(&Options, AOptions, "=", ":", 0), "encoder options");
    const int Opened = LibAVCodec.avcodec_open2(Encoder, Codec, &Options);
    LibAVUtil.av_dict_free(&Options);
    Check(Opened, "open encoder");
    AStream.Output = CheckPtr(LibAVFormat.avformat_new_stream(FOutput, nullptr), "stream");
    Check(LibAVCodec.avcodec_parameters_from_context(AStream.Output->codecpar, Encoder), "stream parameters");
    AStream.Output->time_base = Encoder->time_base;
    if (Codec->type == AVMEDIA_TYPE_AUDIO) {
      AStream.Fifo = CheckPtr(LibAVUtil.av_audio_fifo_alloc(Encoder->sample_fmt, Encoder->ch_layout.nb_channels, 1024), "fifo");
      Check(LibSwResample.swr_alloc_set_opts2(&AStream.Resampler, &Encoder->ch_layout, Encoder->sample_fmt, Encoder->sample_rate,
                                              &AStream.Decoder->ch_layout, AStream.Decoder->sample_fmt, AStream.Decoder->sample_rate, 0,
                                              nullptr),
            "resampler");
      Check(LibSwResample.swr_init(AStream.Resampler), "resampler");
    }
  }

  void Decode(TStream& AStream, const AVPacket* APacket) {
    Check(LibAVCodec.avcodec_send_packet(AStream.Decoder, APacket), "decode");
    while (LibAVCodec.avcodec_receive_frame(AStream.Decoder, FFrame) >= 0) {
      if (AStream.Fifo) {
        Convert(AStream, FFrame);
        EncodeSound(AStream, false);
      } else {
        FFrame->pts = AStream.NextPts++;
        FFrame->pict_type = AV_PICTURE_TYPE_NONE;
        Encode(AStream, FFrame);
      }
      LibAVUtil.av_frame_unref(FFrame);
    }
  }

  void Convert(TStream& AStream, const AVFrame* AFrame) {
    const int Room = LibSwResample.swr_get_out_samples(AStream.Resampler, AFrame->nb_samples);
    if (Room > AStream.ConvertedSize) {
      if (AStream.Converted) LibAVUtil.av_freep(&AStream.Converted[0]);
      LibAVUtil.av_freep(&AStream.Converted);
      const AVCodecContext* Encoder = AStream.Encoder;
      const int Planes = LibAVUtil.av_sample_fmt_is_planar(Encoder->sample_fmt) ? Encoder->ch_layout.nb_channels : 1;
      AStream.Converted = static_cast<uint8_t**>(LibAVUtil.av_mallocz(Planes * sizeof(uint8_t*)));
      Check(LibAVUtil.av_samples_alloc(AStream.Converted, nullptr, Encoder->ch_layout.nb_channels, Room, Encoder->sample_fmt, 0),
            "samples");
      AStream.ConvertedSize = Room;
    }
    const int Converted = LibSwResample.swr_convert(AStream.Resampler, AStream.Converted, Room,
                                                    const_cast<const uint8_t**>(AFrame->extended_data), AFrame->nb_samples);
    Check(Converted, "convert");
    LibAVUtil.av_audio_fifo_write(AStream.Fifo, reinterpret_cast<void**>(AStream.Converted), Converted);
  }

  void EncodeSound(TStream& AStream, bool AFinal) {
    const AVCodecContext* Encoder = AStream.Encoder;
    const int FrameSize = Encoder->frame_size > 1 ? Encoder->frame_size : 0;
    for (;;) {
      const int Available = LibAVUtil.av_audio_fifo_size(AStream.Fifo);
      if (Available == 0 || (FrameSize && Available < FrameSize && !AFinal)) return;
      const int Take = FrameSize ? std::min(FrameSize, Available) : Available;
      LibAVUtil.av_frame_unref(FChunk);
      FChunk->format = Encoder->sample_fmt;
      FChunk->sample_rate = Encoder->sample_rate;
      FChunk->nb_samples = FrameSize ? FrameSize : Take;
      LibAVUtil.av_channel_layout_copy(&FChunk->ch_layout, &Encoder->ch_layout);
      Check(LibAVUtil.av_frame_get_buffer(FChunk, 0), "sound frame");
      LibAVUtil.av_audio_fifo_read(AStream.Fifo, reinterpret_cast<void**>(FChunk->extended_data), Take);
      if (FChunk->nb_samples > Take)
        LibAVUtil.av_samples_set_silence(FChunk->extended_data, Take, FChunk->nb_samples - Take, Encoder->ch_layout.nb_channels,
                                         Encoder->sample_fmt);
      FChunk->pts = AStream.NextPts;
      AStream.NextPts += FChunk->nb_samples;
      Encode(AStream, FChunk);
    }
  }

  void Encode(TStream& AStream, const AVFrame* AFrame) {
    const int Sent = LibAVCodec.avcodec_send_frame(AStream.Encoder, AFrame);
    if (Sent < 0 && Sent != AVERROR_EOF) Check(Sent, "encode");
    while (LibAVCodec.avcodec_receive_packet(AStream.Encoder, FPacket) >= 0) {
      if (AStream.Encoder->codec_type == AVMEDIA_TYPE_VIDEO && FPacket->duration == 0) FPacket->duration = 1;
      FPacket->stream_index = AStream.Output->index;
      LibAVCodec.av_packet_rescale_ts(FPacket, AStream.Encoder->time_base, AStream.Output->time_base);
      Check(LibAVFormat.av_interleaved_write_frame(FOutput, FPacket), "write");
    }
  }

  AVFormatContext* FInput { nullptr };
  AVFormatContext* FOutput { nullptr };
  std::vector<TStream> FStreams;
  AVPacket* FPacket { LibAVCodec.av_packet_alloc() };
  AVFrame* FFrame { LibAVUtil.av_frame_alloc() };
  AVFrame* FChunk { LibAVUtil.av_frame_alloc() };
  int FThreads;
};

/// Runs AConvert(I) for I = 0 .. ACount - 1, each on a thread of its own, and raises when one failed.
inline void AtOnce(int ACount, const std::function<void(int)>& AConvert) {
  std::vector<std::thread> Threads;
  std::mutex Lock;
  std::string Failure;
  for (int I = 0; I < ACount; ++I)
    Threads.emplace_back([&, I] {
      try {
        AConvert(I);
      } catch (const std::exception& E) {
        std::lock_guard Guard(Lock);
        Failure = E.what();
      }
    });
  for (std::thread& Thread : Threads) Thread.join();
  if (!Failure.empty()) throw std::runtime_error(Failure);
}

/// The processor time of the whole process (all its threads) in milliseconds, which the load of other
/// processes on the machine disturbs far less than wall-clock time.
inline double CpuMilliseconds() {
  timespec Time {};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &Time);
  return double(Time.tv_sec) * 1000 + double(Time.tv_nsec) / 1000000;
}

/// Runs AWork and lowers AWall and ACpu to its times when they are shorter.
inline void Measure(const std::function<void()>& AWork, double& AWall, double& ACpu) {
  const double Cpu = CpuMilliseconds();
  const auto Start = std::chrono::steady_clock::now();
  AWork();
  AWall = std::min(AWall, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count());
  ACpu = std::min(ACpu, CpuMilliseconds() - Cpu);
}

}  // namespace bench
