// A 10 s 640x360 clip converted to MPEG-4 + MP2 in AVI and to WMV2 + WMA2 in ASF: once by a task of the
// engine and once by a plain decode, encode and mux loop written here on the same libraries (through the
// engine's entry points) with the same settings; one conversion at a time and four at once. After the
// runs the engine's time is printed as a ratio of the plain loop's.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/SwResampleStubs.h"
#include "tests/engine/fixtures/MediaFixtures.h"

namespace fs = std::filesystem;

namespace {

struct TFormat {
  const char* Name;
  const char* Extension;
  const char* Video;
  const char* Audio;
};

constexpr TFormat Formats[] = { { "AVI", "avi", "mpeg4", "mp2" }, { "ASF", "asf", "wmv2", "wmav2" } };

void Check(int AResult, const char* AWhat) {
  if (AResult < 0) throw std::runtime_error(AWhat);
}

template <class T> T* CheckPtr(T* APointer, const char* AWhat) {
  if (!APointer) throw std::runtime_error(AWhat);
  return APointer;
}

String Folder() {
  const String Path = MediaFixtures().Folder + "/bench-transcode";
  fs::create_directories(Path);
  return Path;
}

/// The benchmark's input, made once by the engine from five copies of the fixture clip joined and
/// scaled: 10 s of 640x360 MPEG-4 at a fine quantiser with MP2 sound.
const String& Clip() {
  static const String Path = [] {
    const String Name = Folder() + "/clip-640x360.avi";
    if (fs::exists(Name)) return Name;
    TCustomFFmpeg Task(20);
    for (int I = 0; I < 5; ++I) Task.OpenInputFile(MediaFixtures().ClipAVI);
    for (const auto& [Option, Value] : { std::pair { "s", "640x360" }, { "vcodec", "mpeg4" }, { "qscale", "3" }, { "acodec", "mp2" } })
      Task.ApplyOption(Option, Value);
    const String Partial = Name + ".part.avi";
    if (Task.OpenOutputFile(Partial, true) < 0) throw std::runtime_error(Task.LastErrMsg());
    Task.StartConvert(false, tpNormal);
    if (!Task.Finished()) throw std::runtime_error(Task.FatalMessage());
    fs::rename(Partial, Name);
    return Name;
  }();
  return Path;
}

// ---------------------------------------------------------------------------------------------------
// The plain loop

/// One conversion without the engine: every packet of the input decoded, the pictures encoded as they
/// come, the sound converted to the encoder's format and cut into its frames, everything interleaved into
/// the output. Settings as the engine's task has them: the encoders' defaults, one codec thread, the
/// input's size, rate and sound layout.
class TDirectConversion {
public:
  TDirectConversion(const String& AInput, const String& AOutput, const TFormat& AFormat) {
    Check(LibAVFormat.avformat_open_input(&FInput, AInput.c_str(), nullptr, nullptr), "open input");
    Check(LibAVFormat.avformat_find_stream_info(FInput, nullptr), "stream info");
    Check(LibAVFormat.avformat_alloc_output_context2(&FOutput, nullptr, nullptr, AOutput.c_str()), "output");
    FStreams.resize(FInput->nb_streams);
    for (unsigned I = 0; I < FInput->nb_streams; ++I) {
      const AVMediaType Type = FInput->streams[I]->codecpar->codec_type;
      if (Type == AVMEDIA_TYPE_VIDEO || Type == AVMEDIA_TYPE_AUDIO)
        OpenStream(FStreams[I], FInput->streams[I], Type == AVMEDIA_TYPE_VIDEO ? AFormat.Video : AFormat.Audio);
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

  void OpenStream(TStream& AStream, const AVStream* AInput, const char* AEncoder) {
    const AVCodec* DecoderCodec = CheckPtr(LibAVCodec.avcodec_find_decoder(AInput->codecpar->codec_id), "decoder");
    AStream.Decoder = CheckPtr(LibAVCodec.avcodec_alloc_context3(DecoderCodec), "decoder context");
    Check(LibAVCodec.avcodec_parameters_to_context(AStream.Decoder, AInput->codecpar), "decoder parameters");
    AStream.Decoder->pkt_timebase = AInput->time_base;
    AStream.Decoder->thread_count = 1;
    Check(LibAVCodec.avcodec_open2(AStream.Decoder, DecoderCodec, nullptr), "open decoder");

    const AVCodec* Codec = CheckPtr(LibAVCodec.avcodec_find_encoder_by_name(AEncoder), AEncoder);
    AVCodecContext* Encoder = AStream.Encoder = CheckPtr(LibAVCodec.avcodec_alloc_context3(Codec), "encoder context");
    Encoder->thread_count = 1;
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
    Check(LibAVCodec.avcodec_open2(Encoder, Codec, nullptr), "open encoder");
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
};

// ---------------------------------------------------------------------------------------------------
// The runs

String OutputName(const TFormat& AFormat, const char* AWho, int AIndex) {
  return Folder() + "/" + AWho + "-" + std::to_string(AIndex) + "." + AFormat.Extension;
}

/// Runs AConvert(I) for I = 0 .. ACount - 1, each on a thread of its own, and raises when one failed.
void AtOnce(int ACount, const std::function<void(int)>& AConvert) {
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

/// A task of the engine, configured and run on the calling thread as a synchronous task-list run does.
void EngineConversion(const TFormat& AFormat, int AIndex) {
  TCustomFFmpeg Task(20);
  if (!Task.OpenInputFile(Clip())) throw std::runtime_error(Task.LastErrMsg());
  Task.ApplyOption("vcodec", AFormat.Video);
  Task.ApplyOption("acodec", AFormat.Audio);
  if (Task.OpenOutputFile(OutputName(AFormat, "engine", AIndex), false) < 0) throw std::runtime_error(Task.LastErrMsg());
  Task.StartConvert(false, tpNormal);
  if (!Task.Finished()) throw std::runtime_error(Task.FatalMessage());
}

void DirectConversion(const TFormat& AFormat, int AIndex) { TDirectConversion(Clip(), OutputName(AFormat, "direct", AIndex), AFormat).Run(); }

/// The shortest round of each side, in milliseconds: wall-clock time, and processor time of the whole
/// process (all its threads), which the load of other processes on the machine disturbs far less.
struct TResult {
  std::string Name;
  double Engine { 1e300 };
  double Direct { 1e300 };
  double EngineCpu { 1e300 };
  double DirectCpu { 1e300 };
};
std::vector<TResult> Results;

double CpuMilliseconds() {
  timespec Time {};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &Time);
  return double(Time.tv_sec) * 1000 + double(Time.tv_nsec) / 1000000;
}

/// Runs AWork and lowers AWall and ACpu to its times when they are shorter.
void Measure(const std::function<void()>& AWork, double& AWall, double& ACpu) {
  const double Cpu = CpuMilliseconds();
  const auto Start = std::chrono::steady_clock::now();
  AWork();
  AWall = std::min(AWall, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count());
  ACpu = std::min(ACpu, CpuMilliseconds() - Cpu);
}

/// Each round converts with both, in alternating order, so that the load of the machine falls on both
/// alike; the shortest round of each is the figure least disturbed by it.
void BM_Compare(benchmark::State& AState, const std::string& AName, const TFormat& AFormat, int ACount) {
  TResult Result { AName };
  int Round = 0;
  for (auto _ : AState) {
    const auto Engine = [&] { Measure([&] { AtOnce(ACount, [&](int I) { EngineConversion(AFormat, I); }); }, Result.Engine, Result.EngineCpu); };
    const auto Direct = [&] { Measure([&] { AtOnce(ACount, [&](int I) { DirectConversion(AFormat, I); }); }, Result.Direct, Result.DirectCpu); };
    if (Round++ % 2 == 0) {
      Engine();
      Direct();
    } else {
      Direct();
      Engine();
    }
  }
  AState.counters["engine_ms"] = Result.Engine;
  AState.counters["direct_ms"] = Result.Direct;
  AState.counters["ratio"] = Result.Engine / Result.Direct;
  AState.counters["cpu_ratio"] = Result.EngineCpu / Result.DirectCpu;
  Results.push_back(Result);
}

}  // namespace

int main(int argc, char** argv) {
  String Error;
  if (!LoadAVLib("", TranscoderLibraries, Error)) {
    std::fprintf(stderr, "%s\n", Error.c_str());
    return 1;
  }
  // Nothing is handed to a user-interface thread here; the engine's and FFmpeg's lines stay quiet.
  GlobalLogger()->SetTriggerEventInMainThread(false);
  GlobalLogger()->SetLogLevel(llQuiet);
  Clip();
  for (const TFormat& Format : Formats)
    for (int Count : { 1, 4 }) {
      const std::string Name = std::string(Format.Name) + "/tasks:" + std::to_string(Count);
      benchmark::RegisterBenchmark(Name.c_str(), BM_Compare, Name, Format, Count)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);
    }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("\nshortest of the rounds; engine time / plain loop time (target: at most 1.05)\n");
  for (const TResult& Result : Results)
    std::printf("  %-12s wall: engine %7.1f ms, plain loop %7.1f ms, ratio %.3f;  processor: engine %7.1f ms, plain loop %7.1f ms, "
                "ratio %.3f\n",
                Result.Name.c_str(), Result.Engine, Result.Direct, Result.Engine / Result.Direct, Result.EngineCpu, Result.DirectCpu,
                Result.EngineCpu / Result.DirectCpu);
  benchmark::Shutdown();
  return 0;
}
