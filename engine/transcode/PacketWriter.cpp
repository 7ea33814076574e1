// Packet writing of a transcoder run: receiving what the encoders make, the bitstream-filter chains of
// the output streams, and the muxers' interleaving writer.
#include <algorithm>
#include <cstring>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFUtils.h"
#include "engine/libav/AVHandles.h"
#include "engine/task/FFmpeg.h"
#include "engine/transcode/TTranscoder.h"
#include "platform/base/SysUtils.h"

namespace {

/// The quantiser, picture type and plane errors an encoder attached to a video packet.
void ReadQualityStats(const AVPacket* APacket, TAVOutputStream& AOst) {
  size_t Size = 0;
  const uint8_t* Stats = LibAVCodec.av_packet_get_side_data(APacket, AV_PKT_DATA_QUALITY_STATS, &Size);
  if (!Stats || Size < 6) return;
  int32_t Quality;
  std::memcpy(&Quality, Stats, sizeof Quality);
  AOst.last_quality = Quality;
  AOst.last_pict_type = LibAVUtil.av_get_picture_type_char(AVPictureType(Stats[4]));
  const int Errors = Stats[5];
  for (int I = 0; I < 3 && I < Errors && 8 + 8 * size_t(I + 1) <= Size; ++I) std::memcpy(&AOst.last_error[I], Stats + 8 + 8 * I, 8);
}

String CodecText(const TAVOutputStream& AOst) {
  const AVCodecContext* Enc = AOst.enc();
  return Enc && Enc->codec ? String(Enc->codec->name) : String("copy");
}

}  // namespace

int TTranscoder::EncodeFrame(TAVOutputStream& AOst, const AVFrame* AFrame) {
  AVCodecContext* Enc = AOst.enc();
  const bool Video = Enc->codec_type == AVMEDIA_TYPE_VIDEO;
  const char* Failure = Video ? "Video encoding failed" : "Audio encoding failed";
  if (const int Sent = LibAVCodec.avcodec_send_frame(Enc, AFrame); Sent < 0 && !(AFrame == nullptr && Sent == AVERROR_EOF))
    throw FFmpegException(Failure);
  int Size = 0;
  for (;;) {
    const int Received = LibAVCodec.avcodec_receive_packet(Enc, FEncoded);
    if (Received == AVERROR(EAGAIN) || Received == AVERROR_EOF) return Size;
    if (Received < 0) throw FFmpegException(Failure);
    Size = FEncoded->size;
    if (Video) {
      Fvideo_size += Size;
      ReadQualityStats(FEncoded, AOst);
      if (AOst.logfile && Enc->stats_out) std::fputs(Enc->stats_out, AOst.logfile);
      // A picture lasts one frame period; muxers that write durations would lose the last one otherwise.
      if (FEncoded->duration == 0) FEncoded->duration = 1;
    } else {
      Faudio_size += Size;
    }
    FEncoded->stream_index = AOst.index;
    LibAVCodec.av_packet_rescale_ts(FEncoded, Enc->time_base, AOst.st->time_base);
    WritePacket(AOst, FEncoded);
    LibAVCodec.av_packet_unref(FEncoded);
  }
}

void TTranscoder::WritePacket(TAVOutputStream& AOst, AVPacket* APacket) { WriteFiltered(AOst, APacket, 0); }

void TTranscoder::WriteFiltered(TAVOutputStream& AOst, AVPacket* APacket, size_t AFilter) {
  const std::vector<AVBSFContext*>& Filters = AOst.muxed->filters;
  if (AFilter == Filters.size()) return Interleave(AOst, APacket);
  AVBSFContext* Filter = Filters[AFilter];
  const auto Failed = [&](int ACode) {
    const String Message = ErrorText(Format("%s failed for stream %d, codec %s", Filter->filter->name, APacket->stream_index, CodecText(AOst)), ACode);
    if (S.Fexit_on_error) throw FFmpegException(Message);
    FTask.Log(llError, Message);
  };
  // A refused packet goes on unfiltered.
  if (const int Sent = LibAVCodec.av_bsf_send_packet(Filter, APacket); Sent < 0) {
    Failed(Sent);
    return WriteFiltered(AOst, APacket, AFilter + 1);
  }
  TAVPacketHandle Filtered(LibAVCodec.av_packet_alloc());
  if (!Filtered) throw FFmpegException("av_mallocz fail");
  int Received;
  while ((Received = LibAVCodec.av_bsf_receive_packet(Filter, Filtered)) >= 0) {
    WriteFiltered(AOst, Filtered, AFilter + 1);
    LibAVCodec.av_packet_unref(Filtered);
  }
  if (Received != AVERROR(EAGAIN) && Received != AVERROR_EOF) Failed(Received);
}

void TTranscoder::Interleave(TAVOutputStream& AOst, AVPacket* APacket) {
  const Int64 Time = APacket->pts != AV_NOPTS_VALUE ? APacket->pts : APacket->dts;
  if (Time != AV_NOPTS_VALUE) AOst.muxed->end_time = std::max(AOst.muxed->end_time, Time + APacket->duration);
  if (const int Written = LibAVFormat.av_interleaved_write_frame(AOst.file->Context, APacket); Written < 0)
    throw FFmpegException(ErrorText("av_interleaved_write_frame()", Written));
}

void TTranscoder::SetupBitstreamFilters() {
  std::vector<const TMuxedStream*> Done;
  for (const auto& Ost : Fost_table) {
    TMuxedStream& Muxed = *Ost->muxed;
    if (std::find(Done.begin(), Done.end(), &Muxed) != Done.end()) continue;
    Done.push_back(&Muxed);
    // Join mode repeats the output in later entries; its chains belong to the first.
    int File = Ost->file_index;
    while (File > 0 && FTask.Foutput_files[File - 1] == FTask.Foutput_files[File]) --File;
    std::vector<String> Names;
    if (const char* Headers = HeaderFilter(*Ost)) Names.emplace_back(Headers);
    if (Ost->index < TCustomFFmpeg::MaxStreams)
      Names.insert(Names.end(), FTask.Fbitstream_filters[File][Ost->index].begin(), FTask.Fbitstream_filters[File][Ost->index].end());
    for (const String& Name : Names) {
      AVBSFContext* Filter = nullptr;
      const AVBitStreamFilter* Kind = LibAVCodec.av_bsf_get_by_name(Name.c_str());
      int Made = Kind ? LibAVCodec.av_bsf_alloc(Kind, &Filter) : AVERROR_BSF_NOT_FOUND;
      if (Made >= 0) {
        Made = LibAVCodec.avcodec_parameters_copy(Filter->par_in, Ost->st->codecpar);
        Filter->time_base_in = Ost->st->time_base;
      }
      if (Made >= 0) Made = LibAVCodec.av_bsf_init(Filter);
      if (Made < 0) {
        // A filter the stream does not suit is left out of the chain.
        LibAVCodec.av_bsf_free(&Filter);
        const String Message = ErrorText(Format("%s failed for stream %d, codec %s", Name, Ost->index, CodecText(*Ost)), Made);
        if (S.Fexit_on_error) throw FFmpegException(Message);
        FTask.Log(llError, Message);
        continue;
      }
      LibAVCodec.avcodec_parameters_copy(Ost->st->codecpar, Filter->par_out);
      Muxed.filters.push_back(Filter);
    }
  }
}

const char* TTranscoder::HeaderFilter(const TAVOutputStream& AOst) const {
  // Copied pictures keep the codec headers where the output asks for them: in front of each key frame
  // for local headers, only in the stream's global header otherwise, when the stream has one to keep
  // them in. H.264 and MPEG video go as they are.
  const AVCodecParameters* Codec = AOst.st->codecpar;
  const AVCodecContext* Enc = AOst.enc();
  if (!AOst.config->stream_copy || !Enc || Codec->codec_type != AVMEDIA_TYPE_VIDEO || Codec->codec_id == AV_CODEC_ID_H264 ||
      Codec->codec_id == AV_CODEC_ID_MPEG1VIDEO || Codec->codec_id == AV_CODEC_ID_MPEG2VIDEO || Codec->extradata_size <= 0)
    return nullptr;
  if (Enc->flags2 & AV_CODEC_FLAG2_LOCAL_HEADER) return "dump_extra";
  if (Enc->flags & AV_CODEC_FLAG_GLOBAL_HEADER) return "remove_extra";
  return nullptr;
}
