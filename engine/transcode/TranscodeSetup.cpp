// The set-up of a transcoder run: working tables, stream mapping, copy and encode set-up, codec opening,
// metadata, chapters, headers and the printed stream mapping.
#include <chrono>
#include <climits>
#include <cstring>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/DisplayOrientation.h"
#include "engine/task/DefaultStream.h"
#include "engine/libav/FFUtils.h"
#include "engine/task/FFmpeg.h"
#include "engine/libav/SwScaleStubs.h"
#include "engine/libav/TCodecLockScope.h"
#include "engine/transcode/TTranscoder.h"
#include "engine/transcode/TrialOpen.h"
#include "platform/base/SysUtils.h"

namespace {

/// How long a trial open may take: reading a long film's statistics takes seconds.
constexpr int TrialOpenTimeoutMs = 120000;

/// Whether a second-pass encoder open must not run, tried in a helper process first: with statistics the
/// rate controller cannot meet, the codec library aborts its whole process in the open instead of failing
/// it. A trial without an answer counts as a failed open. The reason and the trial's cost go to the log.
bool FailsInTrial(AVCodecContext* AEncoder, const AVCodec* ACodec, const AVDictionary* AOptions) {
  if (!(AEncoder->flags & AV_CODEC_FLAG_PASS2) || !AEncoder->stats_in) return false;
  const auto Start = std::chrono::steady_clock::now();
  String Reason;
  const TTrialOpenResult Result = TrialOpenInHelper(AEncoder, ACodec, AOptions, TrialOpenTimeoutMs, Reason);
  const auto Spent = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - Start);
  LibAVUtil.av_log(AEncoder, AV_LOG_INFO, "Second-pass trial open took %d ms\n", int(Spent.count()));
  if (Result == TTrialOpenResult::Opens) return false;
  LibAVUtil.av_log(AEncoder, AV_LOG_ERROR, "Second-pass trial open failed: %s\n", Reason.c_str());
  return true;
}

/// An encoder context's settings in a fresh, unopened context: every option, the fields the options do
/// not cover, and copies of what the context owns. Join mode opens a new encoder from it at every join,
/// since an encoder that was drained cannot take frames again.
AVCodecContext* CopyEncoderSettings(const AVCodecContext* ASource) {
  AVCodecContext* Copy = LibAVCodec.avcodec_alloc_context3(ASource->codec);
  if (!Copy) throw FFmpegException("avcodec_alloc_context failed");
  LibAVUtil.av_opt_copy(Copy, ASource);
  Copy->codec_type = ASource->codec_type;
  Copy->codec_id = ASource->codec_id;
  Copy->codec_tag = ASource->codec_tag;
  Copy->time_base = ASource->time_base;
  Copy->framerate = ASource->framerate;
  Copy->width = ASource->width;
  Copy->height = ASource->height;
  Copy->sample_aspect_ratio = ASource->sample_aspect_ratio;
  Copy->pix_fmt = ASource->pix_fmt;
  Copy->sample_fmt = ASource->sample_fmt;
  Copy->sample_rate = ASource->sample_rate;
  LibAVUtil.av_channel_layout_copy(&Copy->ch_layout, &ASource->ch_layout);
  Copy->bits_per_raw_sample = ASource->bits_per_raw_sample;
  Copy->chroma_sample_location = ASource->chroma_sample_location;
  const auto Duplicate = [](const void* AData, size_t ASize) {
    void* Data = LibAVUtil.av_malloc(ASize);
    if (Data) std::memcpy(Data, AData, ASize);
    return Data;
  };
  if (ASource->intra_matrix) Copy->intra_matrix = static_cast<uint16_t*>(Duplicate(ASource->intra_matrix, 64 * sizeof(uint16_t)));
  if (ASource->inter_matrix) Copy->inter_matrix = static_cast<uint16_t*>(Duplicate(ASource->inter_matrix, 64 * sizeof(uint16_t)));
  if (ASource->rc_override_count > 0) {
    Copy->rc_override = static_cast<RcOverride*>(Duplicate(ASource->rc_override, ASource->rc_override_count * sizeof(RcOverride)));
    Copy->rc_override_count = ASource->rc_override_count;
  }
  if (ASource->stats_in) Copy->stats_in = LibAVUtil.av_strdup(ASource->stats_in);
  return Copy;
}

/// The source's chroma siting when it is one the libraries know; a damaged header may hold any number
/// there, and an encoder handed an unknown one reads past its tables.
AVChromaLocation KnownChromaLocation(const AVCodecParameters& AParameters) {
  int Location;
  std::memcpy(&Location, &AParameters.chroma_location, sizeof Location);
  return Location > AVCHROMA_LOC_UNSPECIFIED && Location < AVCHROMA_LOC_NB ? AVChromaLocation(Location)
                                                                         : AVCHROMA_LOC_UNSPECIFIED;
}

}  // namespace

void TTranscoder::Setup() {
  BuildInputTables();
  BuildOutputTables();
  MapStreams();
  SetupCodecs();
  OpenEncoders();
  OpenDecoders();
  InitTimes();
  CopyMetadataMaps();
  CopyChapters();
  WriteHeaders();
  PrintStreamMapping();
}

int TTranscoder::OutputFileCount() const { return FTask.FJoinMode ? 1 : FTask.Fnb_output_files; }

void TTranscoder::BuildInputTables() {
  for (int File = 0; File < FTask.Fnb_input_files; ++File) {
    TInputFileContext& Input = *FTask.Finput_files[File];
    // Streams a demuxer creates after the file was opened have no decoder slot: they are not part of the run.
    const int Count = int(Input.Decoders.size());
    Finput_file_table.push_back({ false, int(Fist_table.size()), Count });
    for (int I = 0; I < Count; ++I) {
      auto Ist = std::make_unique<TAVInputStream>();
      Ist->file_index = File;
      Ist->index = I;
      Ist->st = Input.Context->streams[I];
      Ist->dec_slot = &Input.Decoders[I];
      if (S.Frate_emu) Ist->start = LibAVUtil.av_gettime_relative();
      Fist_table.push_back(std::move(Ist));
    }
  }
}

void TTranscoder::BuildOutputTables() {
  int Count = 0;
  for (int File = 0; File < FTask.Fnb_output_files; ++File) {
    AVFormatContext* Context = FTask.Foutput_files[File]->Context;
    if (Context->nb_streams == 0) {
      LibAVFormat.av_dump_format(Context, File, Context->url, 1);
      throw FFmpegException(Format("Output file #%d does not contain any stream", File));
    }
    Count += int(Context->nb_streams);
  }
  Fnb_ostreams_file0 = int(FTask.Foutput_files[0]->Context->nb_streams);
  if (!FTask.Fstream_maps.empty() && int(FTask.Fstream_maps.size()) != Count)
    throw FFmpegException("Number of stream maps must match number of output streams");
  for (const TAVStreamMap& Map : FTask.Fstream_maps) {
    const auto Exists = [this](int AFile, int AStream) {
      return AFile >= 0 && AFile < FTask.Fnb_input_files && AStream >= 0 && AStream < Finput_file_table[AFile].nb_streams;
    };
    if (!Exists(Map.file_index, Map.stream_index))
      throw FFmpegException(Format("Could not find input stream #%d.%d", Map.file_index, Map.stream_index));
    if (!Exists(Map.sync_file_index, Map.sync_stream_index))
      throw FFmpegException(Format("Could not find sync stream #%d.%d", Map.sync_file_index, Map.sync_stream_index));
  }
  // Join mode repeats one muxer in every entry: its streams get one record of what was written, shared
  // by every block.
  std::vector<std::pair<const AVFormatContext*, TMuxedStream*>> FirstOfMuxer;
  for (int File = 0; File < FTask.Fnb_output_files; ++File) {
    TOutputFileContext& Output = *FTask.Foutput_files[File];
    TMuxedStream* First = nullptr;
    for (const auto& [Context, Muxed] : FirstOfMuxer)
      if (Context == Output.Context) First = Muxed;
    if (!First) {
      for (unsigned I = 0; I < Output.Context->nb_streams; ++I) FMuxedStreams.emplace_back();
      First = &FMuxedStreams[FMuxedStreams.size() - Output.Context->nb_streams];
      FirstOfMuxer.emplace_back(Output.Context, First);
    }
    for (unsigned I = 0; I < Output.Context->nb_streams; ++I) {
      auto Ost = std::make_unique<TAVOutputStream>();
      Ost->file_index = File;
      Ost->index = int(I);
      Ost->st = Output.Context->streams[I];
      Ost->file = &Output;
      Ost->config = &Output.Streams[I];
      Ost->enc_slot = &Output.Streams[I].enc;
      Ost->muxed = First + I;
      Fost_table.push_back(std::move(Ost));
    }
  }
}

int TTranscoder::DefaultSource(int AFile, const AVStream* AOutput) const {
  const AVMediaType Type = AOutput->codecpar->codec_type;
  int Best = -1;
  for (int J = 0; J < int(Fist_table.size()); ++J) {
    const TAVInputStream& Ist = *Fist_table[J];
    if (!Ist.discard || Ist.st->discard == AVDISCARD_ALL || Ist.st->codecpar->codec_type != Type) continue;
    if (FTask.FJoinMode && Ist.file_index != AFile) continue;
    if (S.Fopt_programid) {
      const AVFormatContext* Input = FTask.Finput_files[Ist.file_index]->Context;
      bool Listed = false;
      for (unsigned P = 0; P < Input->nb_programs && !Listed; ++P) {
        const AVProgram* Program = Input->programs[P];
        if (Program->id != S.Fopt_programid) continue;
        for (unsigned K = 0; K < Program->nb_stream_indexes; ++K)
          if (int(Program->stream_index[K]) == Ist.index) Listed = true;
      }
      if (!Listed) continue;
    }
    if (Best < 0 || IsBetterDefaultStream(Ist.st, Fist_table[Best]->st)) Best = J;
  }
  if (Best >= 0 || S.Fopt_programid || FTask.FJoinMode) return Best;
  for (int J = 0; J < int(Fist_table.size()); ++J) {
    const TAVInputStream& Ist = *Fist_table[J];
    if (Ist.st->discard != AVDISCARD_ALL && Ist.st->codecpar->codec_type == Type) Best = J;
  }
  return Best;
}

void TTranscoder::MapStreams() {
  const auto& Maps = FTask.Fstream_maps;
  for (size_t N = 0; N < Fost_table.size(); ++N) {
    TAVOutputStream& Ost = *Fost_table[N];
    const AVFormatContext* Output = Ost.file->Context;
    const AVMediaType Type = Ost.st->codecpar->codec_type;
    if (!Maps.empty()) {
      const TAVStreamMap& Map = Maps[N];
      Ost.source_index = Finput_file_table[Map.file_index].ist_index + Map.stream_index;
      const AVMediaType Source = Fist_table[Ost.source_index]->st->codecpar->codec_type;
      if (Source != Type) {
        LibAVFormat.av_dump_format(const_cast<AVFormatContext*>(Output), Ost.file_index, Output->url, 1);
        throw FFmpegException(Format("Codec type mismatch for mapping #%d.%d (%s) -> #%d.%d (%s)", Map.file_index,
                                     Map.stream_index, MediaTypeName(Source), Ost.file_index, Ost.index, MediaTypeName(Type)));
      }
      Ost.sync_ist = Fist_table[Finput_file_table[Map.sync_file_index].ist_index + Map.sync_stream_index].get();
    } else {
      Ost.source_index = DefaultSource(Ost.file_index, Ost.st);
      if (Ost.source_index < 0) {
        LibAVFormat.av_dump_format(const_cast<AVFormatContext*>(Output), Ost.file_index, Output->url, 1);
        throw FFmpegException(Format("Could not find input stream matching output stream #%d.%d (%s)", Ost.file_index,
                                     Ost.index, MediaTypeName(Type)));
      }
      Ost.sync_ist = Fist_table[Ost.source_index].get();
    }
    Fist_table[Ost.source_index]->discard = false;
    Ost.show_fps = true;
  }
}

void TTranscoder::SetupCodecs() {
  for (size_t N = 0; N < Fost_table.size(); ++N) {
    TAVOutputStream& Ost = *Fost_table[N];
    TAVInputStream& Ist = *Fist_table[Ost.source_index];
    LibAVUtil.av_dict_copy(&Ost.st->metadata, Ist.st->metadata, AV_DICT_DONT_OVERWRITE);
    Ost.st->disposition = Ist.st->disposition;
    // An encoded cover picture is a still video: a muxer takes an attached picture only as the image itself.
    if (!Ost.config->stream_copy) Ost.st->disposition &= ~AV_DISPOSITION_ATTACHED_PIC;
    AVCodecContext* Enc = Ost.enc();
    Enc->bits_per_raw_sample = Ist.st->codecpar->bits_per_raw_sample;
    Enc->chroma_sample_location = KnownChromaLocation(*Ist.st->codecpar);
    if (Ost.config->stream_copy) {
      SetupCopy(Ost, Ist);
      continue;
    }
    switch (Enc->codec_type) {
      case AVMEDIA_TYPE_AUDIO: SetupAudioEncoding(Ost, Ist); break;
      case AVMEDIA_TYPE_VIDEO: SetupVideoEncoding(Ost, Ist); break;
      case AVMEDIA_TYPE_SUBTITLE:
        Ost.encoding_needed = true;
        Ist.decoding_needed = true;
        break;
      default: throw FFmpegException("invalid codec_type of output stream");
    }
    SetupTwoPass(Ost, int(N));
  }
}

void TTranscoder::SetupCopy(TAVOutputStream& AOst, TAVInputStream& AIst) {
  const AVCodecParameters* In = AIst.st->codecpar;
  AVCodecParameters* Out = AOst.st->codecpar;
  if (Int64(In->extradata_size) + 8 > INT_MAX) throw FFmpegException("icodec.extradata_size is invalid (too large)");
  const AVMediaType Type = In->codec_type;
  if (Type == AVMEDIA_TYPE_VIDEO) {
    if (FTask.OnCustomHook) throw FFmpegException("-vcodec copy and CustomHook are incompatible (frames are not decoded)");
    if (S.Fusing_vhook) throw FFmpegException("-vcodec copy and -vhook are incompatible (frames are not decoded)");
    if (!FTask.PostHooks().Empty()) throw FFmpegException("-vcodec copy and PostHooks are incompatible (frames are not decoded)");
  } else if (Type == AVMEDIA_TYPE_AUDIO) {
    if (S.Faudio_volume != 256) throw FFmpegException("-acodec copy and -vol are incompatible (frames are not decoded)");
  } else if (Type != AVMEDIA_TYPE_SUBTITLE) {
    throw FFmpegException("invalid codec_type of output stream");
  }
  const uint32_t ForcedTag = AOst.enc()->codec_tag;
  if (LibAVCodec.avcodec_parameters_copy(Out, In) < 0) throw FFmpegException("av_mallocz fail");
  // The input's tag goes along only where the muxer would read it as the same codec.
  const AVCodecTag* const* Tags = AOst.file->Context->oformat->codec_tag;
  unsigned int Tag = 0;
  const bool KeepTag = !Tags || LibAVFormat.av_codec_get_id(Tags, In->codec_tag) == In->codec_id ||
                       !LibAVFormat.av_codec_get_tag2(Tags, In->codec_id, &Tag);
  Out->codec_tag = ForcedTag ? ForcedTag : KeepTag ? In->codec_tag : 0;
  // Copied pictures stay as stored: a player turns them by the source's display matrix, and their own
  // pixel shape is the source's, not that of the turned picture the settings describe.
  if (Type == AVMEDIA_TYPE_VIDEO && !StreamOrientation(AIst.st).Upright()) {
    if (!CopyDisplayMatrix(AIst.st, AOst.st)) throw FFmpegException("av_mallocz fail");
    AOst.st->sample_aspect_ratio = In->sample_aspect_ratio;
  }
  if (Type == AVMEDIA_TYPE_VIDEO && AOst.st->sample_aspect_ratio.num) Out->sample_aspect_ratio = AOst.st->sample_aspect_ratio;

  // A stream time base finer than the frame rate would allow is replaced by the frame period.
  AOst.st->time_base = AIst.st->time_base;
  const AVCodecContext* Dec = AIst.dec();
  if (Dec && Dec->framerate.num && Dec->framerate.den) {
    const AVRational Frame = { Dec->framerate.den * std::max(Dec->ticks_per_frame, 1), Dec->framerate.num };
    if (av_q2d(Frame) > av_q2d(AIst.st->time_base) && av_q2d(AIst.st->time_base) < 1.0 / 1000) {
      int Num, Den;
      LibAVUtil.av_reduce(&Num, &Den, Frame.num, Frame.den, INT_MAX);
      AOst.st->time_base = { Num, Den };
    }
  }
  if (Type == AVMEDIA_TYPE_AUDIO &&
      ((Out->block_align == 1 && Out->codec_id == AV_CODEC_ID_MP3) || Out->codec_id == AV_CODEC_ID_AC3))
    Out->block_align = 0;
}

void TTranscoder::SetupAudioEncoding(TAVOutputStream& AOst, TAVInputStream& AIst) {
  const AVCodecContext* Enc = AOst.enc();
  AOst.fifo = LibAVUtil.av_audio_fifo_alloc(Enc->sample_fmt, Enc->ch_layout.nb_channels, 1024);
  if (!AOst.fifo) throw FFmpegException("av_fifo_alloc fail");
  AOst.reformat_pair = -1;
  AOst.audio_resample = Enc->sample_rate != AIst.st->codecpar->sample_rate || S.Faudio_sync_method > 1;
  AIst.decoding_needed = true;
  AOst.encoding_needed = true;
}

void TTranscoder::SetupVideoEncoding(TAVOutputStream& AOst, TAVInputStream& AIst) {
  AVCodecContext* Enc = AOst.enc();
  const AVCodecContext* Dec = AIst.dec();
  if (Enc->pix_fmt == AV_PIX_FMT_NONE) throw FFmpegException("Video pixel format is unknown, stream cannot be encoded");
  AOst.video_crop = S.Fframe_topBand || S.Fframe_bottomBand || S.Fframe_leftBand || S.Fframe_rightBand;
  const int CroppedWidth = Dec->width - S.Fframe_leftBand - S.Fframe_rightBand;
  const int CroppedHeight = Dec->height - S.Fframe_topBand - S.Fframe_bottomBand;
  AOst.video_resample = Enc->width != CroppedWidth || Enc->height != CroppedHeight || Enc->pix_fmt != Dec->pix_fmt;
  if (AOst.video_crop) {
    AOst.topBand = AOst.original_topBand = S.Fframe_topBand;
    AOst.bottomBand = AOst.original_bottomBand = S.Fframe_bottomBand;
    AOst.leftBand = AOst.original_leftBand = S.Fframe_leftBand;
    AOst.rightBand = AOst.original_rightBand = S.Fframe_rightBand;
  }
  // The filter graph crops and scales by itself; the own converter serves the path without it. A source
  // with a display turn always takes the graph, which stands its pictures as a player shows them.
  const bool Filtered = S.FEnableFilter || !StreamOrientation(AIst.st).Upright();
  if (AOst.video_resample && !Filtered) {
    AOst.pict_tmp.reset(LibAVUtil.av_frame_alloc());
    if (!AOst.pict_tmp) throw FFmpegException("Cannot allocate temp picture, check pix fmt");
    AOst.pict_tmp->format = Enc->pix_fmt;
    AOst.pict_tmp->width = Enc->width;
    AOst.pict_tmp->height = Enc->height;
    if (LibAVUtil.av_frame_get_buffer(AOst.pict_tmp, 0) < 0) throw FFmpegException("Cannot allocate temp picture, check pix fmt");
    int64_t Flags = 0;
    LibAVUtil.av_opt_get_int(FTask.FOptions.ScalerHolder(), "sws_flags", 0, &Flags);
    S.Fsws_flags = uint32_t(Flags);
    // The scaler aborts the process on a format it has no description of, which a damaged stream can report.
    if (!LibAVUtil.av_pix_fmt_desc_get(Dec->pix_fmt)) throw FFmpegException("Cannot get resampling context");
    AOst.img_resample_ctx.reset(LibSwScale.sws_getContext(CroppedWidth, CroppedHeight, Dec->pix_fmt, Enc->width, Enc->height,
                                                          Enc->pix_fmt, int(S.Fsws_flags), nullptr, nullptr, nullptr));
    if (!AOst.img_resample_ctx) throw FFmpegException("Cannot get resampling context");
    AOst.original_height = Dec->height;
    AOst.original_width = Dec->width;
    Enc->bits_per_raw_sample = 0;
  }
  AOst.resample_height = CroppedHeight;
  AOst.resample_width = CroppedWidth;
  AOst.resample_pix_fmt = Dec->pix_fmt;
  AOst.encoding_needed = true;
  AIst.decoding_needed = true;
  FTask.FLastErrMsg.clear();
  if (Filtered && BuildFilterGraph(AIst, AOst)) throw FFmpegException("Error opening filters!");
}

void TTranscoder::SetupTwoPass(TAVOutputStream& AOst, int AIndex) {
  AVCodecContext* Enc = AOst.enc();
  if (!(Enc->flags & (AV_CODEC_FLAG_PASS1 | AV_CODEC_FLAG_PASS2))) return;
  const String Prefix = S.Fpass_logfilename_prefix.empty() ? String("ffmpeg2pass") : S.Fpass_logfilename_prefix;
  const String Name = Format("%s-%d.log", Prefix, AIndex);
  if (Enc->flags & AV_CODEC_FLAG_PASS1) {
    AOst.logfile = std::fopen(Name.c_str(), "wb");
    if (!AOst.logfile) throw FFmpegException(Format("Cannot write log file %s for pass-1 encoding", Name));
    return;
  }
  uint8_t* Text = nullptr;
  int64_t Size = 0;
  const int Read = ReadWholeFile(Name, Text, Size);
  if (Read == AVERROR(ENOMEM))
    throw FFmpegException(Format("Could not allocate file buffer: Error reading log file \"%s\" for pass-2 encoding", Name));
  if (Read < 0) throw FFmpegException(Format("Cannot read file: Error reading log file \"%s\" for pass-2 encoding", Name));
  LibAVUtil.av_freep(&Enc->stats_in);
  Enc->stats_in = reinterpret_cast<char*>(Text);
}

void TTranscoder::OpenEncoders() {
  const size_t Count = FTask.FJoinMode ? size_t(Fnb_ostreams_file0) : Fost_table.size();
  for (size_t N = 0; N < Count; ++N) {
    TAVOutputStream& Ost = *Fost_table[N];
    if (!Ost.encoding_needed) continue;
    OpenEncoder(Ost, int(N));
  }
}

void TTranscoder::OpenEncoder(TAVOutputStream& AOst, int AIndex) {
  AVCodecContext* Enc = AOst.enc();
  const AVCodec* Named = size_t(AIndex) < FTask.Foutput_codecs.size() ? FTask.Foutput_codecs[AIndex] : nullptr;
  const AVCodec* Codec = Named ? Named : LibAVCodec.avcodec_find_encoder(Enc->codec_id);
  if (!Codec)
    FailAfterMapping(Format("Encoder (codec id %d) not found for output stream #%d.%d (%s)", int(Enc->codec_id),
                            AOst.file_index, AOst.index, MediaTypeName(Enc->codec_type)));
  PrepareEncoder(AOst);
  if (FTask.FJoinMode) {
    AOst.codec_id = Enc->codec_id;
    AOst.join_template = CopyEncoderSettings(Enc);
  }
  if (OpenCodec(AOst, Codec) < 0)
    FailAfterMapping(Format("Error while opening encoder for output stream #%d.%d (%s) - maybe incorrect parameters such as "
                            "bit_rate, rate, width or height. Please check error log message to find out more detail information.",
                            AOst.file_index, AOst.index, MediaTypeName(Enc->codec_type)));
  Fextra_size += Enc->extradata_size;
  LibAVCodec.avcodec_parameters_from_context(AOst.st->codecpar, Enc);
  AOst.st->time_base = Enc->time_base;
}

void TTranscoder::ReopenEncoder(TAVOutputStream& AOst, int AIndex) {
  FTask.RemoveCodecItem(FTask.FEncoderList, AOst.enc_slot);
  FreeCodecContext(AOst.enc_slot);
  *AOst.enc_slot = CopyEncoderSettings(AOst.join_template);
  PrepareEncoder(AOst);
  AVCodecContext* Enc = AOst.enc();
  const AVCodec* Named = size_t(AIndex) < FTask.Foutput_codecs.size() ? FTask.Foutput_codecs[AIndex] : nullptr;
  const AVCodec* Codec = Named ? Named : LibAVCodec.avcodec_find_encoder(AOst.codec_id);
  const String Type = MediaTypeName(Enc->codec_type);
  if (!Codec) throw FFmpegException(Format("Unsupported codec for output stream #%d.%d (%s)", AOst.file_index, AOst.index, Type));
  Enc->codec_id = AOst.codec_id;
  if (OpenCodec(AOst, Codec) < 0)
    throw FFmpegException(Format("Error while opening codec for output stream #%d.%d (%s) - maybe incorrect parameters such as "
                                 "bit_rate, rate, width or height",
                                 AOst.file_index, AOst.index, Type));
}

void TTranscoder::PrepareEncoder(TAVOutputStream& AOst) {
  AVCodecContext* Enc = AOst.enc();
  if (Enc->codec_type != AVMEDIA_TYPE_SUBTITLE) return;
  // Subtitle times are microseconds throughout. Text encoders need the style header their decoder
  // makes when it opens, so that decoder opens first.
  Enc->time_base = AV_TIME_BASE_Q;
  TAVInputStream& Source = *Fist_table[AOst.source_index];
  if (Source.decoding_needed && !Source.decoder_open) OpenDecoder(Source);
  const AVCodecContext* Dec = Source.dec();
  if (Dec && Dec->subtitle_header && !Enc->subtitle_header) {
    Enc->subtitle_header = static_cast<uint8_t*>(LibAVUtil.av_mallocz(Dec->subtitle_header_size + 1));
    if (!Enc->subtitle_header) throw FFmpegException("av_mallocz fail");
    std::memcpy(Enc->subtitle_header, Dec->subtitle_header, Dec->subtitle_header_size);
    Enc->subtitle_header_size = Dec->subtitle_header_size;
  }
}

int TTranscoder::OpenCodec(TAVOutputStream& AOst, const AVCodec* ACodec) {
  AVDictionary* Options = nullptr;
  LibAVUtil.av_dict_copy(&Options, AOst.config->encoder_options, 0);
  // The trial runs in a process of its own, so it needs no codec lock.
  int Opened = FailsInTrial(AOst.enc(), ACodec, Options) ? AVERROR(EINVAL) : 0;
  if (Opened >= 0) {
    TCodecLockScope Lock;
    Opened = LibAVCodec.avcodec_open2(AOst.enc(), ACodec, &Options);
    if (Opened >= 0) FTask.AddCodecItem(FTask.FEncoderList, AOst.enc_slot);
  }
  LibAVUtil.av_dict_free(&Options);
  return Opened;
}

void TTranscoder::OpenDecoders() {
  for (auto& Ist : Fist_table)
    if (Ist->decoding_needed && !Ist->decoder_open) OpenDecoder(*Ist);
}

void TTranscoder::OpenDecoder(TAVInputStream& AIst) {
  AVCodecContext* Dec = AIst.dec();
  const size_t Index = size_t(IndexOf(AIst));
  const AVCodec* Named = Index < FTask.Finput_codecs.size() ? FTask.Finput_codecs[Index] : nullptr;
  const AVCodec* Codec = Named ? Named : LibAVCodec.avcodec_find_decoder(Dec->codec_id);
  if (!Codec)
    FailAfterMapping(Format("Decoder (codec id %d) not found for input stream #%d.%d (%s)", int(Dec->codec_id), AIst.file_index,
                            AIst.index, MediaTypeName(Dec->codec_type)));
  int Opened;
  {
    TCodecLockScope Lock;
    Opened = LibAVCodec.avcodec_open2(Dec, Codec, nullptr);
    if (Opened >= 0) FTask.AddCodecItem(FTask.FDecoderList, AIst.dec_slot);
  }
  if (Opened < 0)
    FailAfterMapping(Format("Error while opening decoder for input stream #%d.%d (%s)", AIst.file_index, AIst.index,
                            MediaTypeName(Dec->codec_type)));
  AIst.decoder_open = true;
}

void TTranscoder::InitTimes() {
  for (auto& Ist : Fist_table) {
    // A stream's clock starts at its first packet's time; one without times (a raw elementary stream)
    // starts at 0 with its first picture, which the decoder gives first whatever its delay.
    Ist->pts = 0;
    Ist->next_pts = AV_NOPTS_VALUE;
    Ist->is_start = true;
  }
}

void TTranscoder::CopyMetadataMaps() {
  for (const TAVMetaDataMap& Map : FTask.Fmeta_data_maps) {
    if (Map.out_file < 0 || Map.out_file >= FTask.Fnb_output_files)
      FailAfterMapping(Format("Invalid output file index %d map_meta_data(%d,%d)", Map.out_file, Map.out_file, Map.in_file));
    if (Map.in_file < 0 || Map.in_file >= FTask.Fnb_input_files)
      FailAfterMapping(Format("Invalid input file index %d map_meta_data(%d,%d)", Map.in_file, Map.out_file, Map.in_file));
    AVFormatContext* Out = FTask.Foutput_files[Map.out_file]->Context;
    const AVFormatContext* In = FTask.Finput_files[Map.in_file]->Context;
    LibAVUtil.av_dict_copy(&Out->metadata, In->metadata, AV_DICT_DONT_OVERWRITE);
  }
}

void TTranscoder::CopyChapters() {
  for (int File = 0; File < FTask.Fnb_input_files; ++File) {
    const AVFormatContext* In = FTask.Finput_files[File]->Context;
    if (In->nb_chapters == 0) continue;
    for (int Out = 0; Out < OutputFileCount(); ++Out) {
      AVFormatContext* Output = FTask.Foutput_files[Out]->Context;
      for (unsigned C = 0; C < In->nb_chapters; ++C) {
        const AVChapter* Chapter = In->chapters[C];
        const Int64 Offset = LibAVUtil.av_rescale_q(S.Fstart_time - FTask.Finput_files_ts_offset[File] - JoinedStart(File),
                                                    AV_TIME_BASE_Q, Chapter->time_base);
        const bool Limited = S.Frecording_time != TFFmpegSettings::NoRecordingLimit;
        const Int64 Limit = Limited ? LibAVUtil.av_rescale_q(S.Frecording_time, AV_TIME_BASE_Q, Chapter->time_base) : INT64_MAX;
        if (Chapter->end < Offset) continue;
        if (Limited && Chapter->start > Limit + Offset) break;
        auto* Copy = static_cast<AVChapter*>(LibAVUtil.av_mallocz(sizeof(AVChapter)));
        if (!Copy) throw FFmpegException("av_mallocz fail");
        Copy->id = Chapter->id;
        Copy->time_base = Chapter->time_base;
        Copy->start = std::max<Int64>(0, Chapter->start - Offset);
        Copy->end = std::min(Limit, Chapter->end - Offset);
        LibAVUtil.av_dict_copy(&Copy->metadata, Chapter->metadata, 0);
        auto** Chapters = static_cast<AVChapter**>(LibAVUtil.av_realloc(Output->chapters, (Output->nb_chapters + 1) * sizeof(AVChapter*)));
        if (!Chapters) {
          LibAVUtil.av_dict_free(&Copy->metadata);
          LibAVUtil.av_free(Copy);
          throw FFmpegException("av_realloc fail");
        }
        Output->chapters = Chapters;
        Output->chapters[Output->nb_chapters++] = Copy;
      }
    }
  }
}

Int64 TTranscoder::JoinedStart(int AFile) const {
  if (!FTask.FJoinMode) return 0;
  // The run moves each input behind what was written before it; until then its length is the best guess.
  Int64 Start = 0;
  for (int File = 0; File < AFile; ++File) {
    const AVFormatContext* In = FTask.Finput_files[File]->Context;
    if (In->duration == AV_NOPTS_VALUE) continue;
    Start += (In->start_time == AV_NOPTS_VALUE ? 0 : In->start_time) + In->duration + FTask.Finput_files_ts_offset[File];
  }
  return Start;
}

void TTranscoder::WriteHeaders() {
  SetupBitstreamFilters();
  bool AllRtp = true;
  // An input added after the output was chosen is refused here, before any file is made.
  for (int File = 0; File < OutputFileCount(); ++File)
    if (const TOutputFileContext& Output = *FTask.Foutput_files[File]; !(Output.Context->oformat->flags & AVFMT_NOFILE))
      if (const String Refusal = FTask.InputWrittenOver(Output.FileName()); !Refusal.empty()) throw FFmpegException(Refusal);
  for (int File = 0; File < OutputFileCount(); ++File) {
    TOutputFileContext& Output = *FTask.Foutput_files[File];
    if (const int Created = Output.CreateFile(); Created < 0) throw FFmpegException(ErrorText(Output.FileName(), Created));
    AVDictionary* Options = nullptr;
    LibAVUtil.av_dict_copy(&Options, Output.MuxerOptions, 0);
    const int Written = LibAVFormat.avformat_write_header(Output.Context, &Options);
    LibAVUtil.av_dict_free(&Options);
    if (Written < 0) FailAfterMapping(Format("Could not write header for output file #%d (incorrect codec parameters ?)", File));
    AllRtp = AllRtp && std::strcmp(Output.Context->oformat->name, "rtp") == 0;
  }
  if (AllRtp) {
    std::vector<AVFormatContext*> Contexts;
    for (int File = 0; File < OutputFileCount(); ++File) Contexts.push_back(FTask.Foutput_files[File]->Context);
    char Sdp[2048] {};
    LibAVFormat.av_sdp_create(Contexts.data(), int(Contexts.size()), Sdp, sizeof Sdp);
    FTask.Log(llInfo, "SDP:\r\n" + Trim(Sdp));
  }
}

void TTranscoder::PrintStreamMapping() {
  for (int File = 0; File < OutputFileCount(); ++File) {
    AVFormatContext* Context = FTask.Foutput_files[File]->Context;
    LibAVFormat.av_dump_format(Context, File, Context->url, 1);
  }
  if (S.Fverbose < 0) return;
  FTask.Log(llVerbose, "Stream mapping:");
  for (const auto& Ost : Fost_table) {
    const TAVInputStream& Source = *Fist_table[Ost->source_index];
    FTask.Log(llVerbose, Format("  Stream #%d.%d -> #%d.%d (%s)", Source.file_index, Source.index,
                                FTask.FJoinMode ? 0 : Ost->file_index, Ost->index, MediaTypeName(Ost->st->codecpar->codec_type)));
    if (Ost->sync_ist != &Source)
      FTask.Log(llVerbose, Format(" [sync #%d.%d (%s)]", Ost->sync_ist->file_index, Ost->sync_ist->index,
                                  MediaTypeName(Ost->sync_ist->st->codecpar->codec_type)));
  }
}

void TTranscoder::FailAfterMapping(const String& AMessage) {
  PrintStreamMapping();
  FTask.Log(llError, AMessage);
  throw FFmpegException(AMessage);
}
