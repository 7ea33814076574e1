// Opening an input file of a conversion task.
#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/DisplayOrientation.h"
#include "engine/task/DefaultStream.h"
#include "engine/libav/FFUtils.h"
#include "engine/task/FFmpeg.h"
#include "engine/libav/TCodecLockScope.h"
#include "engine/libav/UnicodeProtocol.h"
#include "platform/base/SysUtils.h"

namespace {

/// FFmpeg's open options, freed with the block.
struct TDictionary {
  AVDictionary* Entries { nullptr };
  ~TDictionary() { LibAVUtil.av_dict_free(&Entries); }
  void Set(const char* AKey, const String& AValue) { LibAVUtil.av_dict_set(&Entries, AKey, AValue.c_str(), 0); }
};

double RationalValue(AVRational AValue) { return AValue.num && AValue.den ? av_q2d(AValue) : 0; }

}  // namespace

bool TCustomFFmpeg::OpenInputFile(const String& FileName) {
  TFFmpegSettings& S = FSettings;
  TFFOptions& Opts = Options();
  if (Fnb_input_files >= FMaxFiles) {
    FLastErrMsg = Format("Too many input files (max %d)", FMaxFiles);
    return false;
  }
  const AVInputFormat* Forced = nullptr;
  if (!S.Flast_asked_format.empty()) {
    Forced = LibAVFormat.av_find_input_format(S.Flast_asked_format.c_str());
    if (!Forced) throw FFmpegException(Format("Unknown input format: \"%s\"", S.Flast_asked_format));
    S.Flast_asked_format.clear();
    Opts.SetPendingMuxer("");
  }
  if (const String Refusal = InputRefusal(FileName); !Refusal.empty()) {
    FLastErrMsg = FileName + ": " + Refusal;
    ReleaseInputNames();
    return false;
  }
  AVFormatContext* Context = LibAVFormat.avformat_alloc_context();
  if (!Context) throw FFmpegException("avformat_alloc_context failed");
  // FFmpeg's waits on the input (a source that stalls) end once the task is stopped.
  Context->interrupt_callback = { [](void* ATask) { return int(static_cast<TCustomFFmpeg*>(ATask)->Broken()); },
                                  this };

  // What the demuxer is told of raw input: only the values that are set.
  TDictionary Parameters;
  if (S.Faudio_sample_rate > 0) Parameters.Set("sample_rate", IntToStr(S.Faudio_sample_rate));
  if (S.Faudio_channels > 0) Parameters.Set("channels", IntToStr(S.Faudio_channels));
  if (S.Fframe_rate.num && S.Fframe_rate.den) Parameters.Set("framerate", Format("%d/%d", S.Fframe_rate.num, S.Fframe_rate.den));
  if (S.Fframe_width && S.Fframe_height) Parameters.Set("video_size", Format("%dx%d", S.Fframe_width, S.Fframe_height));
  if (S.Fframe_pix_fmt >= 0)
    if (const char* Name = LibAVUtil.av_get_pix_fmt_name(AVPixelFormat(S.Fframe_pix_fmt))) Parameters.Set("pixel_format", Name);
  if (S.Fvideo_channel) Parameters.Set("channel", IntToStr(S.Fvideo_channel));
  if (!S.Fvideo_standard.empty()) Parameters.Set("standard", S.Fvideo_standard);
  if (S.Floop_input) Parameters.Set("loop", "1");
  Opts.CopyOptions(Context, Opts.FormatHolder(), AV_OPT_FLAG_DECODING_PARAM);

  const int Strict = Opts.CodecHolder(AVMEDIA_TYPE_VIDEO)->strict_std_compliance;
  if (!FindCodec(S.Fvideo_codec_name, AVMEDIA_TYPE_VIDEO, Context->video_codec_id, Strict, false) ||
      !FindCodec(S.Faudio_codec_name, AVMEDIA_TYPE_AUDIO, Context->audio_codec_id, Strict, false) ||
      !FindCodec(S.Fsubtitle_codec_name, AVMEDIA_TYPE_SUBTITLE, Context->subtitle_codec_id, Strict, false)) {
    LibAVFormat.avformat_free_context(Context);
    ReleaseInputNames();
    return false;
  }
  Context->flags |= AVFMT_FLAG_NONBLOCK;
  if (S.Fpgmyuv_compatibility_hack) Context->video_codec_id = AV_CODEC_ID_PGMYUV;

  // A failed open frees the context.
  if (const int Opened = UnicodeOpenInput(&Context, FileName, Forced, &Parameters.Entries); Opened < 0) {
    FLastErrMsg = ErrorText(FileName, Opened);
    ReleaseInputNames();
    return false;
  }
  auto Input = std::make_unique<TInputFileContext>(Context);

  if (S.Fopt_programid) {
    bool Found = false;
    for (unsigned I = 0; I < Context->nb_streams; ++I) Context->streams[I]->discard = AVDISCARD_ALL;
    for (unsigned P = 0; P < Context->nb_programs; ++P) {
      AVProgram* Program = Context->programs[P];
      if (Program->id != S.Fopt_programid) {
        Program->discard = AVDISCARD_ALL;
        continue;
      }
      Found = true;
      for (unsigned I = 0; I < Program->nb_stream_indexes; ++I)
        if (Program->stream_index[I] < Context->nb_streams) Context->streams[Program->stream_index[I]]->discard = AVDISCARD_DEFAULT;
    }
    if (!Found) {
      FLastErrMsg = "Specified program id not found";
      ReleaseInputNames();
      return false;
    }
    S.Fopt_programid = 0;
  }

  int Found;
  {
    // Reading the stream information opens and closes decoders.
    TCodecLockScope Lock;
    Found = LibAVFormat.avformat_find_stream_info(Context, nullptr);
  }
  if (Found < 0 && S.Fverbose >= 0) {
    FLastErrMsg = Format("%s: could not find codec parameters", FileName);
    Log(llVerbose, FLastErrMsg);
    ReleaseInputNames();
    return false;
  }

  Int64 Timestamp = S.Fstart_time;
  if (Context->start_time != AV_NOPTS_VALUE) Timestamp += Context->start_time;
  if (S.Fstart_time != 0 && LibAVFormat.av_seek_frame(Context, -1, Timestamp, AVSEEK_FLAG_BACKWARD) < 0 && S.Fverbose > 0)
    Log(llVerbose, Format("%s: could not seek to position %0.3f", FileName, double(Timestamp) / AV_TIME_BASE));
  S.Fstart_time = 0;

  ReadInputStreams(Context, *Input);

  // Once a length is asked for, it is the expected total whatever the inputs last.
  if (S.Frecording_time == TFFmpegSettings::NoRecordingLimit && Context->duration != AV_NOPTS_VALUE &&
      Context->duration > FTotalOutputDuration)
    FTotalOutputDuration = Context->duration;

  Finput_files_ts_offset[Fnb_input_files] = S.Fcopy_ts ? S.Finput_ts_offset : S.Finput_ts_offset - Timestamp;
  if (S.Fverbose >= 0) LibAVFormat.av_dump_format(Context, Fnb_input_files, FileName.c_str(), 0);
  Finput_files[Fnb_input_files++] = std::move(Input);
  ReleaseInputNames();
  return true;
}

void TCustomFFmpeg::SetStartTime(Int64 Value) {
  if (Value != AV_NOPTS_VALUE) FSettings.Fstart_time = Value;
}

void TCustomFFmpeg::SetProgramID(int Value) {
  if (Value >= 0) FSettings.Fopt_programid = Value;
}

void TCustomFFmpeg::ReleaseInputNames() {
  FSettings.Fvideo_codec_name.clear();
  FSettings.Faudio_codec_name.clear();
  FSettings.Faudio_codec_for_libfaac = false;
  FSettings.Fsubtitle_codec_name.clear();
  for (AVMediaType Type : { AVMEDIA_TYPE_VIDEO, AVMEDIA_TYPE_AUDIO, AVMEDIA_TYPE_SUBTITLE }) FOptions.SetPendingEncoder(Type, "");
  FSettings.Fvideo_channel = 0;
}

void TCustomFFmpeg::ReadInputStreams(AVFormatContext* AContext, TInputFileContext& AInput) {
  TFFmpegSettings& S = FSettings;
  const auto Named = [](const String& AName) { return AName.empty() ? nullptr : LibAVCodec.avcodec_find_decoder_by_name(AName.c_str()); };
  std::vector<const AVCodec*> Codecs;
  // Demuxers that announce their streams only in their packets (FLV, MPEG-TS/PS) made them while the stream
  // information was read, after the file was opened. The streams known now are the ones a run uses; one
  // that appears later has no slot and is never mapped.
  AInput.Decoders.resize(AContext->nb_streams, nullptr);
  for (unsigned I = 0; I < AContext->nb_streams; ++I) {
    AVStream* Stream = AContext->streams[I];
    const AVMediaType Type = Stream->codecpar->codec_type;
    if (Type < AVMEDIA_TYPE_UNKNOWN || Type > AVMEDIA_TYPE_ATTACHMENT) throw FFmpegException("invalid codec_type");
    // Every stream has its slot, so the decoders named for the streams stay in step with them.
    Codecs.push_back(Type == AVMEDIA_TYPE_VIDEO      ? Named(S.Fvideo_codec_name)
                     : Type == AVMEDIA_TYPE_AUDIO    ? Named(S.Faudio_codec_name)
                     : Type == AVMEDIA_TYPE_SUBTITLE ? Named(S.Fsubtitle_codec_name)
                                                     : nullptr);
    if (Type != AVMEDIA_TYPE_VIDEO && Type != AVMEDIA_TYPE_AUDIO && Type != AVMEDIA_TYPE_SUBTITLE) continue;
    AVCodecContext* Decoder = AInput.Decoders[I] = LibAVCodec.avcodec_alloc_context3(nullptr);
    if (!Decoder || LibAVCodec.avcodec_parameters_to_context(Decoder, Stream->codecpar) < 0)
      throw FFmpegException("avcodec_alloc_context failed");
    Decoder->pkt_timebase = Stream->time_base;
    Decoder->thread_count = CodecThreads();
    // The run's clock expects a decoder to answer each packet with its picture; frame threads would hold
    // pictures back by a packet per thread.
    Decoder->thread_type = FF_THREAD_SLICE;
    if (Type == AVMEDIA_TYPE_VIDEO) {
      Decoder->framerate = LibAVFormat.av_guess_frame_rate(AContext, Stream, nullptr);
      FOptions.CopyOptions(Decoder, FOptions.CodecHolder(Type), AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_DECODING_PARAM);
      if (S.Fvideo_disable) Stream->discard = AVDISCARD_ALL;
      else if (S.Fvideo_discard) Stream->discard = AVDiscard(S.Fvideo_discard);
    } else if (Type == AVMEDIA_TYPE_AUDIO) {
      FOptions.CopyOptions(Decoder, FOptions.CodecHolder(Type), AV_OPT_FLAG_AUDIO_PARAM | AV_OPT_FLAG_DECODING_PARAM);
      if (S.Faudio_disable) Stream->discard = AVDISCARD_ALL;
    } else if (S.Fsubtitle_disable) {
      Stream->discard = AVDISCARD_ALL;
    }
  }
  Finput_codecs.insert(Finput_codecs.end(), Codecs.begin(), Codecs.end());

  // An output opened next takes its picture and sound from the streams a conversion would use: of each
  // kind the default stream among those kept, else among all.
  const auto DefaultOf = [AContext](AVMediaType AType) {
    const int Kept = DefaultStreamIndex(AContext, AType, [](const AVStream* AStream) { return AStream->discard != AVDISCARD_ALL; });
    return Kept >= 0 ? Kept : DefaultStreamIndex(AContext, AType);
  };
  if (const int Video = DefaultOf(AVMEDIA_TYPE_VIDEO); Video >= 0) TakeVideoSettings(AContext->streams[Video], AInput.Decoders[Video]);
  if (const int Audio = DefaultOf(AVMEDIA_TYPE_AUDIO); Audio >= 0) {
    const AVCodecParameters* Codec = AContext->streams[Audio]->codecpar;
    S.Fchannel_layout = Codec->ch_layout.order == AV_CHANNEL_ORDER_NATIVE ? Codec->ch_layout.u.mask : 0;
    S.Faudio_channels = Codec->ch_layout.nb_channels;
    S.Faudio_sample_rate = Codec->sample_rate;
    S.Faudio_sample_fmt = Codec->format;
  }
}

void TCustomFFmpeg::TakeVideoSettings(const AVStream* AStream, const AVCodecContext* ADecoder) {
  TFFmpegSettings& S = FSettings;
  const AVCodecParameters* Codec = AStream->codecpar;
  S.Fframe_height = Codec->height;
  S.Fframe_width = Codec->width;
  S.Fframe_size_from_input = true;
  double Aspect = AStream->sample_aspect_ratio.num ? RationalValue(AStream->sample_aspect_ratio)
                                                   : RationalValue(Codec->sample_aspect_ratio);
  // The size and shape taken over are those of the picture a player shows, turned as the source asks.
  const TDisplayOrientation Orientation = StreamOrientation(AStream);
  Orientation.StandSize(S.Fframe_width, S.Fframe_height);
  if (Orientation.SwapsSides() && Aspect != 0) Aspect = 1 / Aspect;
  if (S.Fframe_width * S.Fframe_height != 0)
    S.Fframe_aspect_ratio = float(Aspect == 0 ? double(S.Fframe_width) / S.Fframe_height : S.Fframe_width * Aspect / S.Fframe_height);
  else if (Aspect == 0)
    S.Fframe_aspect_ratio = 4.0f / 3.0f;
  S.Fframe_pix_fmt = Codec->format < 0 ? AV_PIX_FMT_YUV420P : Codec->format;
  S.Fframe_pix_fmt_asked = false;
  if (ADecoder->lowres) {
    S.Fframe_height >>= ADecoder->lowres;
    S.Fframe_width >>= ADecoder->lowres;
  }
  // The codec's own rate is the average one here; the container's is the real base rate.
  const AVRational CodecRate = AStream->avg_frame_rate;
  const AVRational ContainerRate = AStream->r_frame_rate;
  if (CodecRate.num && CodecRate.den && av_cmp_q(CodecRate, ContainerRate) != 0 && S.Fverbose >= 0)
    Log(llInfo, Format("Seems stream %d codec frame rate differs from container frame rate: %2.2f (%d/%d) -> %2.2f (%d/%d)",
                       AStream->index, RationalValue(CodecRate), CodecRate.num, CodecRate.den, RationalValue(ContainerRate),
                       ContainerRate.num, ContainerRate.den));
  // An attached picture (an audio file's cover) has no frame rate of its own: its still video takes the default.
  S.Fframe_rate = (AStream->disposition & AV_DISPOSITION_ATTACHED_PIC) ? AVRational { 0, 0 } : ContainerRate;
}
