// Opening an output file of a conversion task: its muxer, its streams, its tags and join mode.
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/EncoderFormats.h"
#include "engine/libav/FFUtils.h"
#include "engine/task/FFmpeg.h"
#include "engine/libav/UnicodeProtocol.h"
#include "platform/base/FileUtils.h"
#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"

namespace {

/// Whether AMuxer is one of FFmpeg's MPEG program-stream muxers, which take MPEG audio, AC-3, DTS and PCM
/// but no AAC.
bool IsProgramStream(const AVOutputFormat* AMuxer) {
  for (const char* Name : { "mpeg", "vob", "dvd", "svcd", "vcd" })
    if (std::strcmp(AMuxer->name, Name) == 0) return true;
  return false;
}

/// The local path an output name writes to; empty for a name another protocol serves ("udp://...").
String LocalPath(const String& AName) {
  if (IsUnicodeProtocolName(AName)) return FFmpegToName(AName);
  if (AName.starts_with("file:")) return AName.substr(5);
  const auto Colon = AName.find(':');
  if (Colon != String::npos && Colon > 1 && AName.find('/') > Colon) return String();
  return AName;
}

/// Whether the run will be able to create or replace the file AName, asked without touching it: 0 or the
/// FFmpeg error code of the reason.
int CheckWritable(const String& AName) {
  const String Path = LocalPath(AName);
  if (Path.empty()) return 0;
  const String Folder = ExtractFileDir(Path).empty() ? String(".") : ExtractFileDir(Path);
  const bool Writable = access(Path.c_str(), F_OK) == 0 ? access(Path.c_str(), W_OK) == 0 : access(Folder.c_str(), W_OK | X_OK) == 0;
  return Writable ? 0 : AVERROR(errno);
}

/// Whether the local paths AOutput and AInput name one file, also through links: the same device and
/// inode when both exist, else the same resolved path.
bool SameFile(const String& AOutput, const String& AInput) {
  struct stat Output {};
  struct stat Input {};
  if (stat(AOutput.c_str(), &Output) == 0 && stat(AInput.c_str(), &Input) == 0)
    return Output.st_dev == Input.st_dev && Output.st_ino == Input.st_ino;
  std::error_code Failed;
  const auto ResolvedOutput = std::filesystem::weakly_canonical(AOutput, Failed);
  if (Failed) return false;
  const auto ResolvedInput = std::filesystem::weakly_canonical(AInput, Failed);
  return !Failed && ResolvedOutput == ResolvedInput;
}

bool MuxerKnows(const AVOutputFormat* AMuxer, const char* AName) {
  return AMuxer->priv_class &&
         LibAVUtil.av_opt_find2(const_cast<const AVClass**>(&AMuxer->priv_class), AName, nullptr, 0, AV_OPT_SEARCH_FAKE_OBJ, nullptr);
}

/// FFmpeg's form of a time stamp in seconds since 1970: ISO 8601 in UTC.
String CreationTimeText(Int64 ASeconds) {
  const time_t Time = time_t(ASeconds);
  tm Parts {};
  gmtime_r(&Time, &Parts);
  char Text[64];
  strftime(Text, sizeof Text, "%Y-%m-%dT%H:%M:%S.000000Z", &Parts);
  return Text;
}

/// The sample aspect ratio that gives the display aspect ratio of the settings: FFmpeg's approximation
/// with both terms at most 255.
AVRational SampleAspect(const TFFmpegSettings& S) {
  const double Ratio = S.Fframe_width * S.Fframe_height == 0 ? S.Fframe_aspect_ratio * 3.0 / 4.0
                                                             : double(S.Fframe_aspect_ratio) * S.Fframe_height / S.Fframe_width;
  return LibAVUtil.av_d2q(Ratio, 255);
}

uint16_t* MatrixCopy(const std::vector<uint16_t>& AMatrix) {
  auto* Copy = static_cast<uint16_t*>(LibAVUtil.av_malloc(AMatrix.size() * sizeof(uint16_t)));
  if (Copy) std::memcpy(Copy, AMatrix.data(), AMatrix.size() * sizeof(uint16_t));
  return Copy;
}

/// Rate-control overrides "start,end,q" separated by "/": a positive q is a fixed quantiser, any other one
/// a quality factor of -q percent.
void SetRateControlOverrides(AVCodecContext* AEncoder, const String& AText) {
  if (AText.empty()) return;
  std::vector<RcOverride> Entries;
  for (const char* Entry = AText.c_str(); Entry;) {
    long Numbers[3];
    const char* At = Entry;
    for (int I = 0; I < 3; ++I) {
      char* End;
      Numbers[I] = std::strtol(At, &End, 10);
      if (End == At || (I < 2 && *End != ',')) throw FFmpegException("error parsing rc_override");
      At = I < 2 ? End + 1 : End;
    }
    RcOverride Override {};
    Override.start_frame = int(Numbers[0]);
    Override.end_frame = int(Numbers[1]);
    Override.qscale = Numbers[2] > 0 ? int(Numbers[2]) : 0;
    Override.quality_factor = Numbers[2] > 0 ? 1.0f : float(-Numbers[2]) / 100.0f;
    Entries.push_back(Override);
    Entry = std::strchr(At, '/');
    if (Entry) ++Entry;
  }
  AEncoder->rc_override = static_cast<RcOverride*>(LibAVUtil.av_malloc(Entries.size() * sizeof(RcOverride)));
  if (!AEncoder->rc_override) throw FFmpegException("error parsing rc_override");
  std::memcpy(AEncoder->rc_override, Entries.data(), Entries.size() * sizeof(RcOverride));
  AEncoder->rc_override_count = int(Entries.size());
}

/// AChannels channels, in the layout AMask when it has that many, else FFmpeg's default one.
void SetChannels(AVCodecContext* AEncoder, int AChannels, uint64_t AMask) {
  LibAVUtil.av_channel_layout_uninit(&AEncoder->ch_layout);
  if (AMask && std::popcount(AMask) == AChannels) {
    AEncoder->ch_layout.order = AV_CHANNEL_ORDER_NATIVE;
    AEncoder->ch_layout.nb_channels = AChannels;
    AEncoder->ch_layout.u.mask = AMask;
  } else {
    LibAVUtil.av_channel_layout_default(&AEncoder->ch_layout, AChannels);
  }
}

AVCodecContext* NewCodecContext(const AVCodec* ACodec, AVMediaType AType) {
  AVCodecContext* Context = LibAVCodec.avcodec_alloc_context3(ACodec);
  if (!Context) throw FFmpegException("avcodec_alloc_context failed");
  Context->codec_type = AType;
  return Context;
}

}  // namespace

int TCustomFFmpeg::OpenOutputFile(const String& FileName, bool Join) {
  TFFmpegSettings& S = FSettings;
  TFFOptions& Opts = Options();
  if (FJoinMode) {
    FLastErrMsg = "Cannot join more than one output file.";
    return -1;
  }
  S.FEnableFilter = !S.Fvfilters.empty();
  if (Fnb_output_files >= FMaxFiles) {
    FLastErrMsg = Format("Too many output files (max %d)", FMaxFiles);
    return -1;
  }
  const AVOutputFormat* Muxer;
  if (!S.Flast_asked_format.empty()) {
    Muxer = LibAVFormat.av_guess_format(S.Flast_asked_format.c_str(), nullptr, nullptr);
    if (!Muxer) {
      FLastErrMsg = Format("Requested output format '%s' is not a suitable output format", S.Flast_asked_format);
      return -1;
    }
    S.Flast_asked_format.clear();
    Opts.SetPendingMuxer("");
  } else {
    Muxer = LibAVFormat.av_guess_format(nullptr, FileName.c_str(), nullptr);
    if (!Muxer) {
      FLastErrMsg = Format("Unable to find a suitable output format for '%s'", FileName);
      return -1;
    }
  }
  AVFormatContext* Context = nullptr;
  if (LibAVFormat.avformat_alloc_output_context2(&Context, Muxer, nullptr, FileName.c_str()) < 0 || !Context)
    throw FFmpegException("avformat_alloc_context failed");
  const auto Output = std::make_shared<TOutputFileContext>(Context);
  const int Index = Fnb_output_files;
  bool Registered = false;
  const auto Fail = [&](const String& AMessage) {
    FLastErrMsg = AMessage;
    if (Registered) Foutput_files[--Fnb_output_files].reset();
    return -1;
  };

  bool UseVideo = Muxer->video_codec != AV_CODEC_ID_NONE || S.Fvideo_stream_copy || !S.Fvideo_codec_name.empty();
  bool UseAudio = Muxer->audio_codec != AV_CODEC_ID_NONE || S.Faudio_stream_copy || !S.Faudio_codec_name.empty();
  bool UseSubtitle = Muxer->subtitle_codec != AV_CODEC_ID_NONE || S.Fsubtitle_stream_copy || !S.Fsubtitle_codec_name.empty();
  if (Fnb_input_files > 0) {
    bool HasVideo, HasAudio, HasSubtitle;
    try {
      check_audio_video_sub_inputs(HasVideo, HasAudio, HasSubtitle, Join);
    } catch (const Exception& E) {
      return Fail(Format("check_audio_video_sub_inputs fail: %s", E.Message));
    }
    UseVideo = UseVideo && HasVideo;
    UseAudio = UseAudio && HasAudio;
    UseSubtitle = UseSubtitle && HasSubtitle;
  }
  if (S.Fvideo_disable) UseVideo = false;
  if (S.Faudio_disable) UseAudio = false;
  if (S.Fsubtitle_disable) UseSubtitle = false;
  try {
    if (UseVideo) new_video_stream(*Output, Index);
  } catch (const Exception& E) {
    return Fail(Format("new_video_stream fail: %s", E.Message));
  }
  try {
    if (UseAudio) new_audio_stream(*Output, Index);
  } catch (const Exception& E) {
    return Fail(Format("new_audio_stream fail: %s", E.Message));
  }
  try {
    if (UseSubtitle) new_subtitle_stream(*Output, Index);
  } catch (const Exception& E) {
    return Fail(Format("new_subtitle_stream fail: %s", E.Message));
  }

  if (S.Frecording_timestamp)
    LibAVUtil.av_dict_set(&Context->metadata, "creation_time", CreationTimeText(S.Frecording_timestamp).c_str(), 0);
  // The pending tags go in last first, as they always did.
  for (auto Tag = S.Fmetadata.rbegin(); Tag != S.Fmetadata.rend(); ++Tag)
    LibAVUtil.av_dict_set(&Context->metadata, Tag->first.c_str(), Tag->second.c_str(), 0);
  S.Fmetadata.clear();

  Foutput_files[Fnb_output_files++] = Output;
  Registered = true;
  if ((Muxer->flags & AVFMT_NEEDNUMBER) && !LibAVFormat.av_filename_number_test(FileName.c_str()))
    return Fail(FileName + ": Number syntax expected in filename");
  // The file itself is made only when the run writes it, so an existing file stays untouched until then.
  if (!(Muxer->flags & AVFMT_NOFILE)) {
    if (const String Refusal = InputWrittenOver(FileName); !Refusal.empty()) return Fail(Refusal);
    if (const int Error = CheckWritable(FileName); Error < 0) return Fail(ErrorText(FileName, Error));
  }

  Context->max_delay = int(S.Fmux_max_delay * 1000000);
  Context->flags |= AVFMT_FLAG_NONBLOCK;
  Opts.CopyOptions(Context, Opts.FormatHolder(), AV_OPT_FLAG_ENCODING_PARAM);
  LibAVUtil.av_dict_copy(&Output->MuxerOptions, Opts.MuxerOptions(), 0);
  if (MuxerKnows(Muxer, "preload"))
    LibAVUtil.av_dict_set(&Output->MuxerOptions, "preload", IntToStr(Int64(S.Fmux_preload * 1000000)).c_str(), AV_DICT_DONT_OVERWRITE);
  if (MuxerKnows(Muxer, "loop"))
    LibAVUtil.av_dict_set(&Output->MuxerOptions, "loop", IntToStr(S.Floop_output).c_str(), AV_DICT_DONT_OVERWRITE);
  S.Fstreamid_map = {};

  if (Join && Fnb_input_files > 1) {
    if (Fnb_output_files + Fnb_input_files - 1 > FMaxFiles) return Fail(Format("Too many output files (max %d)", FMaxFiles));
    SetupJoin();
  }
  return Fnb_output_files;
}

String TCustomFFmpeg::InputWrittenOver(const String& AFileName) const {
  const String Path = LocalPath(AFileName);
  if (Path.empty()) return String();
  for (int I = 0; I < Fnb_input_files; ++I)
    if (const char* Url = Finput_files[I]->Context->url; Url && !LocalPath(Url).empty() && SameFile(Path, LocalPath(Url)))
      return Format("%s: the output is the same file as the input %s", AFileName, FFmpegToName(Url));
  return String();
}

void TCustomFFmpeg::SetupJoin() {
  FJoinMode = true;
  if (FSettings.Frecording_time == TFFmpegSettings::NoRecordingLimit) {
    Int64 Total = 0;
    for (int I = 0; I < Fnb_input_files; ++I)
      if (const Int64 Duration = Finput_files[I]->Context->duration; Duration != AV_NOPTS_VALUE) Total += Duration;
    FTotalOutputDuration = Total == 0 ? -1 : Total;
  }
  // The one output stands once per input; the run writes input k through entry k.
  for (int I = 1; I < Fnb_input_files; ++I, ++Fnb_output_files) Foutput_files[Fnb_output_files] = Foutput_files[Fnb_output_files - 1];
}

void TCustomFFmpeg::check_audio_video_sub_inputs(bool& HasVideo, bool& HasAudio, bool& HasSubtitle, bool FirstOnly) {
  HasVideo = HasAudio = HasSubtitle = false;
  const int Count = FirstOnly ? std::min(Fnb_input_files, 1) : Fnb_input_files;
  for (int File = 0; File < Count; ++File) {
    const AVFormatContext* Context = Finput_files[File]->Context;
    for (unsigned I = 0; I < Context->nb_streams; ++I) switch (Context->streams[I]->codecpar->codec_type) {
        case AVMEDIA_TYPE_VIDEO: HasVideo = true; break;
        case AVMEDIA_TYPE_AUDIO: HasAudio = true; break;
        case AVMEDIA_TYPE_SUBTITLE: HasSubtitle = true; break;
        case AVMEDIA_TYPE_UNKNOWN:
        case AVMEDIA_TYPE_DATA:
        case AVMEDIA_TYPE_ATTACHMENT: break;
        default: throw FFmpegException("invalid codec_type of input file");
      }
  }
}

TOutputFileContext::TStream& TCustomFFmpeg::NewStream(TOutputFileContext& AOutput) {
  if (AOutput.Context->nb_streams >= MaxStreams) throw FFmpegException(Format("stream index over MAX_STREAMS(%d)", MaxStreams));
  AVStream* Stream = LibAVFormat.avformat_new_stream(AOutput.Context, nullptr);
  if (!Stream) throw FFmpegException("Could not alloc stream");
  Stream->id = FSettings.Fstreamid_map[Stream->index];
  AOutput.Streams.push_back({ Stream });
  return AOutput.Streams.back();
}

const AVCodec* TCustomFFmpeg::ChooseEncoder(TOutputFileContext& AOutput, AVMediaType AType, const String& AName,
                                            AVCodecID& ACodecId, const AVCodec*& ANamed) {
  ANamed = nullptr;
  if (AName.empty()) {
    ACodecId = LibAVFormat.av_guess_codec(AOutput.Context->oformat, nullptr, AOutput.Context->url, nullptr, AType);
    return LibAVCodec.avcodec_find_encoder(ACodecId);
  }
  if (!FindCodec(AName, AType, ACodecId, FOptions.CodecHolder(AType)->strict_std_compliance, true))
    throw FFmpegException(FLastErrMsg);
  return ANamed = LibAVCodec.avcodec_find_encoder_by_name(AName.c_str());
}

void TCustomFFmpeg::new_video_stream(TOutputFileContext& AOutput, int AFileIndex) {
  TFFmpegSettings& S = FSettings;
  ScopeGuard ForgetCodec([&] {
    S.Fvideo_codec_name.clear();
    FOptions.SetPendingEncoder(AVMEDIA_TYPE_VIDEO, "");
  });
  TOutputFileContext::TStream& Stream = NewStream(AOutput);
  Fbitstream_filters[AFileIndex][Stream.st->index] = std::exchange(S.Fvideo_bitstream_filters, {});
  AVCodecID CodecId = AV_CODEC_ID_NONE;
  const AVCodec* Named = nullptr;
  const AVCodec* Codec = S.Fvideo_stream_copy ? nullptr : ChooseEncoder(AOutput, AVMEDIA_TYPE_VIDEO, S.Fvideo_codec_name, CodecId, Named);
  AVCodecContext* Enc = Stream.enc = NewCodecContext(Codec, AVMEDIA_TYPE_VIDEO);
  Enc->thread_count = CodecThreads();
  if (S.Fvideo_codec_tag) Enc->codec_tag = S.Fvideo_codec_tag;
  AVCodecContext* Holder = FOptions.CodecHolder(AVMEDIA_TYPE_VIDEO);
  if ((S.Fvideo_global_header & 1) || (S.Fvideo_global_header == 0 && (AOutput.Context->oformat->flags & AVFMT_GLOBALHEADER))) {
    Enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Holder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  }
  if (S.Fvideo_global_header & 2) {
    Enc->flags2 |= AV_CODEC_FLAG2_LOCAL_HEADER;
    Holder->flags2 |= AV_CODEC_FLAG2_LOCAL_HEADER;
  }
  if (S.Fvideo_stream_copy) {
    Stream.stream_copy = true;
    Stream.st->sample_aspect_ratio = Enc->sample_aspect_ratio = SampleAspect(S);
  } else {
    Enc->codec_id = CodecId;
    FOptions.CopyOptions(Enc, Holder, AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
    AVRational Rate = S.Fframe_rate.num ? S.Fframe_rate : AVRational { 25, 1 };
    if (!S.Fforce_fps) Rate = ChooseFrameRate(Rate, Enc, Codec);
    Enc->framerate = Rate;
    Enc->time_base = { Rate.den, Rate.num };
    Enc->width = S.Fframe_width;
    Enc->height = S.Fframe_height;
    Stream.st->sample_aspect_ratio = Enc->sample_aspect_ratio = SampleAspect(S);
    Enc->pix_fmt = AVPixelFormat(S.Fframe_pix_fmt);
    ChoosePixelFormat(Enc, Codec, S.Fframe_pix_fmt_asked);
    if (S.Fframe_size_from_input) RoundDownFrameSize(Enc);
    if (S.Fintra_only) Enc->gop_size = 0;
    if (S.Fvideo_qscale != 0 || S.Fsame_quality) {
      Enc->flags |= AV_CODEC_FLAG_QSCALE;
      Stream.quality = FF_QP2LAMBDA * S.Fvideo_qscale;
      Enc->global_quality = int(Stream.quality);
    }
    if (!S.Fintra_matrix.empty()) Enc->intra_matrix = MatrixCopy(S.Fintra_matrix);
    if (!S.Finter_matrix.empty()) Enc->inter_matrix = MatrixCopy(S.Finter_matrix);
    SetRateControlOverrides(Enc, S.Fvideo_rc_override_string);
    if (Enc->rc_initial_buffer_occupancy == 0) Enc->rc_initial_buffer_occupancy = Enc->rc_buffer_size * 3 / 4;
    Enc->intra_dc_precision = S.Fintra_dc_precision - 8;
    if (S.Fdo_psnr) Enc->flags |= AV_CODEC_FLAG_PSNR;
    if (S.Fdo_pass == 1) Enc->flags |= AV_CODEC_FLAG_PASS1;
    if (S.Fdo_pass == 2) Enc->flags |= AV_CODEC_FLAG_PASS2;
    LibAVUtil.av_dict_copy(&Stream.encoder_options, FOptions.EncoderOptions(AVMEDIA_TYPE_VIDEO), 0);
  }
  Foutput_codecs.push_back(Named);
  FinishStream(Stream, S.Fvideo_language);
  S.Fvideo_disable = false;
  S.Fvideo_stream_copy = 0;
  S.Fframe_pix_fmt = -1;
  S.Fframe_pix_fmt_asked = false;
}

void TCustomFFmpeg::new_audio_stream(TOutputFileContext& AOutput, int AFileIndex) {
  TFFmpegSettings& S = FSettings;
  ScopeGuard ForgetCodec([&] {
    S.Faudio_codec_name.clear();
    S.Faudio_codec_for_libfaac = false;
    FOptions.SetPendingEncoder(AVMEDIA_TYPE_AUDIO, "");
  });
  ScopeGuard ForgetLanguage([&] { S.Faudio_language.clear(); });
  TOutputFileContext::TStream& Stream = NewStream(AOutput);
  Fbitstream_filters[AFileIndex][Stream.st->index] = std::exchange(S.Faudio_bitstream_filters, {});
  AVCodecID CodecId = AV_CODEC_ID_NONE;
  const AVCodec* Named = nullptr;
  // An MPEG program stream takes no AAC: there the muxer's own audio codec stands in for "libfaac".
  const bool MuxersOwn = S.Faudio_codec_for_libfaac && IsProgramStream(AOutput.Context->oformat);
  if (MuxersOwn) Log(llInfo, "An MPEG program stream takes no AAC: its own audio codec stands in for libfaac.");
  const AVCodec* Codec = S.Faudio_stream_copy ? nullptr
                                              : ChooseEncoder(AOutput, AVMEDIA_TYPE_AUDIO, MuxersOwn ? String() : S.Faudio_codec_name,
                                                              CodecId, Named);
  AVCodecContext* Enc = Stream.enc = NewCodecContext(Codec, AVMEDIA_TYPE_AUDIO);
  Enc->thread_count = CodecThreads();
  if (S.Faudio_codec_tag) Enc->codec_tag = S.Faudio_codec_tag;
  AVCodecContext* Holder = FOptions.CodecHolder(AVMEDIA_TYPE_AUDIO);
  if (AOutput.Context->oformat->flags & AVFMT_GLOBALHEADER) {
    Enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Holder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  }
  if (S.Faudio_stream_copy) {
    Stream.stream_copy = true;
    SetChannels(Enc, S.Faudio_channels, 0);
    Enc->sample_rate = S.Faudio_sample_rate;
  } else {
    Enc->codec_id = CodecId;
    FOptions.CopyOptions(Enc, Holder, AV_OPT_FLAG_AUDIO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
    if (S.Faudio_qscale > TFFmpegSettings::NoAudioQScale) {
      Enc->flags |= AV_CODEC_FLAG_QSCALE;
      Stream.quality = FF_QP2LAMBDA * S.Faudio_qscale;
      Enc->global_quality = int(Stream.quality);
    }
    SetChannels(Enc, S.Faudio_channels, S.Fchannel_layout);
    Enc->sample_fmt = AVSampleFormat(S.Faudio_sample_fmt);
    Enc->sample_rate = S.Faudio_sample_rate;
    ChooseSampleFormat(Enc, Codec);
    ChooseSampleRate(this, Enc, Codec);
    LibAVUtil.av_dict_copy(&Stream.encoder_options, FOptions.EncoderOptions(AVMEDIA_TYPE_AUDIO), 0);
  }
  Foutput_codecs.push_back(Named);
  // The time base follows the rate the encoder really runs at, so sample counts are time stamps.
  Enc->time_base = { 1, Enc->sample_rate };
  FinishStream(Stream, S.Faudio_language);
  S.Faudio_disable = false;
  S.Faudio_stream_copy = 0;
}

void TCustomFFmpeg::new_subtitle_stream(TOutputFileContext& AOutput, int AFileIndex) {
  TFFmpegSettings& S = FSettings;
  ScopeGuard ForgetCodec([&] {
    S.Fsubtitle_codec_name.clear();
    FOptions.SetPendingEncoder(AVMEDIA_TYPE_SUBTITLE, "");
  });
  ScopeGuard ForgetLanguage([&] { S.Fsubtitle_language.clear(); });
  TOutputFileContext::TStream& Stream = NewStream(AOutput);
  Fbitstream_filters[AFileIndex][Stream.st->index] = std::exchange(S.Fsubtitle_bitstream_filters, {});
  const AVCodec* Named = nullptr;
  AVCodecID CodecId = AV_CODEC_ID_NONE;
  // Without a name the muxer's own subtitle codec serves, as for video and audio, so subtitles of the input
  // reach a container that takes them instead of failing for want of an encoder.
  if (!S.Fsubtitle_stream_copy) ChooseEncoder(AOutput, AVMEDIA_TYPE_SUBTITLE, S.Fsubtitle_codec_name, CodecId, Named);
  AVCodecContext* Enc = Stream.enc = NewCodecContext(Named, AVMEDIA_TYPE_SUBTITLE);
  if (S.Fsubtitle_codec_tag) Enc->codec_tag = S.Fsubtitle_codec_tag;
  if (S.Fsubtitle_stream_copy) {
    Stream.stream_copy = true;
  } else {
    FOptions.CopyOptions(Enc, FOptions.CodecHolder(AVMEDIA_TYPE_SUBTITLE), AV_OPT_FLAG_SUBTITLE_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
    Enc->codec_id = CodecId;
    LibAVUtil.av_dict_copy(&Stream.encoder_options, FOptions.EncoderOptions(AVMEDIA_TYPE_SUBTITLE), 0);
  }
  Foutput_codecs.push_back(Named);
  FinishStream(Stream, S.Fsubtitle_language);
  S.Fsubtitle_disable = false;
  S.Fsubtitle_stream_copy = 0;
}

void TCustomFFmpeg::FinishStream(TOutputFileContext::TStream& AStream, String& ALanguage) {
  if (!ALanguage.empty()) LibAVUtil.av_dict_set(&AStream.st->metadata, "language", ALanguage.c_str(), 0);
  ALanguage.clear();
  // The stream describes itself from the start; the run replaces this with the opened encoder's account.
  LibAVCodec.avcodec_parameters_from_context(AStream.st->codecpar, AStream.enc);
}

int TCustomFFmpeg::LastOutputIndex() const {
  const auto& Last = Foutput_files[Fnb_output_files - 1];
  for (int I = 0;; ++I)
    if (Foutput_files[I] == Last) return I;
}

void TCustomFFmpeg::OptStreamId(const String& AName, const String& AValue) {
  const auto Colon = AValue.find(':');
  if (Colon == String::npos || Colon == 0 || Colon + 1 == AValue.size())
    throw FFmpegException(Format("Invalid value \"%s\" for option \"%s\", required syntax is \"index:value\"", AValue, AName));
  const int Index = StrToInt(AValue.substr(0, Colon));
  const int Id = StrToInt(AValue.substr(Colon + 1));
  if (Index < 0 || Index >= MaxStreams) throw FFmpegException(Format("stream index over MAX_STREAMS(%d)", MaxStreams));
  FSettings.Fstreamid_map[Index] = Id;
}

void TCustomFFmpeg::OptNewStream(AVMediaType AType) {
  if (Fnb_output_files == 0) throw FFmpegException("At least one output file must be specified");
  // A new stream belongs to the output file it is created in (in join mode the first entry of that file).
  const int Index = LastOutputIndex();
  TOutputFileContext& Output = *Foutput_files[Index];
  if (AType == AVMEDIA_TYPE_VIDEO) new_video_stream(Output, Index);
  else if (AType == AVMEDIA_TYPE_AUDIO) new_audio_stream(Output, Index);
  else new_subtitle_stream(Output, Index);
}
