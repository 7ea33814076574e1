// The read loop of a transcoder run: choosing the input that lags, limits, progress at its interval, join
// mode, and the end of the run (flushing, trailers, last report, closing the codecs).
#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFUtils.h"
#include "engine/task/FFmpeg.h"
#include "engine/libav/TCodecLockScope.h"
#include "engine/libav/UnicodeProtocol.h"
#include "engine/transcode/TTranscoder.h"
#include "platform/base/SysUtils.h"

namespace {

/// Where the file says AStream ends (µs, the file's own times): its duration, or the file's, and for
/// video the end of the frames its header counts (a demuxer that finds fewer may shorten the duration to
/// what it found); AV_NOPTS_VALUE when unknown.
Int64 AnnouncedEnd(const AVFormatContext* AInput, const AVStream* AStream) {
  const Int64 FileStart = AInput->start_time == AV_NOPTS_VALUE ? 0 : AInput->start_time;
  const Int64 Start =
      AStream->start_time == AV_NOPTS_VALUE ? FileStart : LibAVUtil.av_rescale_q(AStream->start_time, AStream->time_base, AV_TIME_BASE_Q);
  Int64 End = AInput->duration == AV_NOPTS_VALUE ? AV_NOPTS_VALUE : FileStart + AInput->duration;
  if (AStream->duration != AV_NOPTS_VALUE && AStream->duration > 0)
    End = Start + LibAVUtil.av_rescale_q(AStream->duration, AStream->time_base, AV_TIME_BASE_Q);
  const AVRational Rate = AStream->avg_frame_rate;
  if (AStream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO && AStream->nb_frames > 0 && Rate.num > 0 && Rate.den > 0)
    End = std::max(End, Start + LibAVUtil.av_rescale(AStream->nb_frames, Int64(AV_TIME_BASE) * Rate.den, Rate.num));
  return End;
}

}  // namespace

void TTranscoder::Run() {
  Setup();
  Ftimer_start = FLastReport = LibAVUtil.av_gettime_relative();
  ReadLoop();
  Finish();
}

void TTranscoder::ReadLoop() {
  std::vector<bool> NoPacket(FTask.Fnb_input_files, false);
  int NoPacketCount = 0;
  int File = 0;
  while (!FTask.Broken()) {
    FTask.WaitWhilePaused();
    if (FTask.Broken()) break;
    File = FTask.FJoinMode ? ChooseJoinedFile(File) : ChooseInputFile(NoPacket);
    if (File < 0) {
      if (FTask.FJoinMode || NoPacketCount == 0) break;
      NoPacket.assign(NoPacket.size(), false);
      NoPacketCount = 0;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      continue;
    }
    if (S.Flimit_filesize != 0) {
      AVIOContext* Pb = FTask.Foutput_files[0]->Context->pb;
      if (Pb && LibAVFormat.avio_seek(Pb, 0, SEEK_CUR) > S.Flimit_filesize) break;
    }
    AVFormatContext* Input = FTask.Finput_files[File]->Context;
    const int Read = LibAVFormat.av_read_frame(Input, FPacket);
    if (Read == AVERROR(EAGAIN)) {
      NoPacket[File] = true;
      ++NoPacketCount;
      continue;
    }
    if (Read < 0) {
      if (!Finput_file_table[File].eof_reached) WarnOfEarlyEnd(File);
      Finput_file_table[File].eof_reached = true;
      if (!FTask.FJoinMode) {
        if (S.Fopt_shortest) break;
        continue;
      }
      if (EndOfJoinedFile(File)) break;
      ++File;
      continue;
    }
    NoPacket.assign(NoPacket.size(), false);
    NoPacketCount = 0;
    if (S.Fdo_pkt_dump) LibAVFormat.av_pkt_dump_log2(nullptr, AV_LOG_DEBUG, FPacket, S.Fdo_hex_dump, Input->streams[FPacket->stream_index]);

    const TAVInputFile& InputFile = Finput_file_table[File];
    if (FPacket->stream_index < InputFile.nb_streams && !Fist_table[InputFile.ist_index + FPacket->stream_index]->discard) {
      TAVInputStream& Ist = *Fist_table[InputFile.ist_index + FPacket->stream_index];
      AdjustTimestamps(Ist, File, FPacket);
      if (FeedsOutput(Ist) && ProcessPacket(Ist, FPacket) < 0) {
        const String Message =
            Format("Error while decoding stream #%d.%d (%s)", Ist.file_index, Ist.index, MediaTypeName(Ist.st->codecpar->codec_type));
        if (S.Fexit_on_error) throw FFmpegException(Message);
        if (S.Fverbose >= 0) FTask.Log(llVerbose, Message);
        LibAVCodec.av_packet_unref(FPacket);
        continue;
      }
    }
    LibAVCodec.av_packet_unref(FPacket);
    ReportProgressWhenDue(File);
  }
}

void TTranscoder::ReportProgressWhenDue(int AFile) {
  // The interval counts from the end of the last report, which may have waited for a busy
  // user-interface thread: otherwise every packet after a long wait would report again.
  if (LibAVUtil.av_gettime_relative() - FLastReport <= FTask.ReportInterval) return;
  ReportProgress(false, AFile);
  FLastReport = LibAVUtil.av_gettime_relative();
}

int TTranscoder::ChooseJoinedFile(int ACurrent) {
  for (int I = 0; I < Fnb_ostreams_file0; ++I) {
    const TAVOutputStream& Ost = *Fost_table[size_t(ACurrent) * Fnb_ostreams_file0 + I];
    if (Ost.frame_number >= S.Fmax_frames[Ost.st->codecpar->codec_type]) return -1;
  }
  return ACurrent;
}

int TTranscoder::ChooseInputFile(const std::vector<bool>& ANoPacket) {
  int Chosen = -1;
  double InputMin = 1e100;
  double OutputMin = 1e100;
  for (const auto& Ost : Fost_table) {
    const TAVInputStream& Ist = *Fist_table[Ost->source_index];
    if (Ost->finished || ANoPacket[Ist.file_index]) continue;
    const double OutputTime = double(Ost->muxed->end_time) * av_q2d(Ost->st->time_base);
    const double InputTime = double(Ist.pts);
    if (!Finput_file_table[Ist.file_index].eof_reached) {
      if (InputTime < InputMin) {
        InputMin = InputTime;
        if (S.Finput_sync) Chosen = Ist.file_index;
      }
      if (OutputTime < OutputMin) {
        OutputMin = OutputTime;
        if (!S.Finput_sync) Chosen = Ist.file_index;
      }
    }
    if (Ost->frame_number >= S.Fmax_frames[Ost->st->codecpar->codec_type]) return -1;
  }
  return Chosen;
}

void TTranscoder::WarnOfEarlyEnd(int AFile) {
  // A shorter end than the file announces by less than this is how streams of a whole file end.
  constexpr Int64 Margin = 500000;
  const AVFormatContext* Input = FTask.Finput_files[AFile]->Context;
  // Durations guessed from the bit rate are no promise, and streams with jumps have no single timeline.
  if ((Input->iformat->flags & AVFMT_TS_DISCONT) || Input->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE) return;
  const Int64 FileStart = Input->start_time == AV_NOPTS_VALUE ? 0 : Input->start_time;
  const TAVInputFile& File = Finput_file_table[AFile];
  Int64 Reached = AV_NOPTS_VALUE;
  for (int I = 0; I < File.nb_streams; ++I) {
    const TAVInputStream& Ist = *Fist_table[File.ist_index + I];
    // Subtitles come now and then: their last one may be long before the end.
    const AVMediaType Type = Ist.st->codecpar->codec_type;
    if (Ist.discard || Ist.next_pts == AV_NOPTS_VALUE || (Type != AVMEDIA_TYPE_AUDIO && Type != AVMEDIA_TYPE_VIDEO)) continue;
    const Int64 End = AnnouncedEnd(Input, Ist.st);
    // The stream's clock runs on the task's timeline; the file's own times are without the task's offset
    // and the discontinuities the run continued across.
    const Int64 StreamEnd = Ist.next_pts + Ist.ts_shift - FTask.Finput_files_ts_offset[AFile];
    if (End != AV_NOPTS_VALUE && StreamEnd + Margin < End && (Reached == AV_NOPTS_VALUE || StreamEnd < Reached)) Reached = StreamEnd;
  }
  if (Reached != AV_NOPTS_VALUE)
    FTask.Log(llWarning, Format("%s: the input ends early, at %s", FFmpegToName(Input->url), TimeToText(Reached - FileStart)));
}

bool TTranscoder::FeedsOutput(const TAVInputStream& AIst) const {
  const int Index = IndexOf(AIst);
  return std::any_of(Fost_table.begin(), Fost_table.end(),
                     [&](const auto& AOst) { return AOst->source_index == Index && !AOst->finished; });
}

bool TTranscoder::PastRecordingTime(TAVOutputStream& AOst, Int64 ATime) {
  if (!AOst.finished && S.Frecording_time != TFFmpegSettings::NoRecordingLimit && ATime - S.Fstart_time >= S.Frecording_time)
    AOst.finished = true;
  return AOst.finished;
}

bool TTranscoder::EndOfJoinedFile(int AFile) {
  const TAVInputFile& Input = Finput_file_table[AFile];
  for (int I = 0; I < Input.nb_streams; ++I) {
    TAVInputStream& Ist = *Fist_table[Input.ist_index + I];
    if (!Ist.decoding_needed) continue;
    ProcessPacket(Ist, nullptr);
    LibAVCodec.avcodec_flush_buffers(Ist.dec());
    Ist.decoder_flushed = true;
  }
  const bool Last = AFile == FTask.Fnb_input_files - 1;
  if (!Last)
    for (int I = 0; I < Fnb_ostreams_file0; ++I)
      if (Fost_table[I]->encoding_needed) ReopenEncoder(*Fost_table[I], I);
  // Numbering and timing go on in the next blocks.
  for (size_t N = Fnb_ostreams_file0 * size_t(AFile + 1); N < Fost_table.size(); ++N) {
    Fost_table[N]->sync_opts = Fost_table[N - Fnb_ostreams_file0]->sync_opts;
    Fost_table[N]->frame_number = Fost_table[N - Fnb_ostreams_file0]->frame_number;
  }
  // A new sound encoder starts with its priming samples, stamped before its first frame: its frames
  // begin that much after what was written, so the stream's times keep rising.
  for (size_t N = Fnb_ostreams_file0 * size_t(AFile + 1); !Last && N < Fnb_ostreams_file0 * size_t(AFile + 2); ++N) {
    TAVOutputStream& Ost = *Fost_table[N];
    if (!Ost.encoding_needed || Ost.enc()->codec_type != AVMEDIA_TYPE_AUDIO) continue;
    const Int64 Written = LibAVUtil.av_rescale_q(Ost.muxed->end_time, Ost.st->time_base, Ost.enc()->time_base);
    Ost.next_audio_pts = Written + Ost.enc()->initial_padding;
  }
  double Reached = 0;
  const size_t Block = size_t(AFile) * Fnb_ostreams_file0;
  for (size_t N = Block; N < Block + Fnb_ostreams_file0 && N + Fnb_ostreams_file0 < Fost_table.size(); ++N) {
    TAVOutputStream& Ost = *Fost_table[N];
    Reached = std::max(Reached, double(Ost.muxed->end_time) * av_q2d(Ost.st->time_base));
    Ost.show_fps = false;
  }
  if (Last) return true;
  FTask.Finput_files_ts_offset[AFile + 1] += Round(Reached * 1000000);
  return false;
}

void TTranscoder::Finish() {
  for (auto& Ist : Fist_table) {
    if (!Ist->decoding_needed || Ist->decoder_flushed) continue;
    FTask.WaitWhilePaused();
    ProcessPacket(*Ist, nullptr);
  }
  for (int File = 0; File < OutputFileCount(); ++File)
    if (const int Written = LibAVFormat.av_write_trailer(FTask.Foutput_files[File]->Context); Written < 0)
      throw FFmpegException(ErrorText("av_write_trailer()", Written));
  ReportProgress(true, -1);
  CloseCodecs();
}

void TTranscoder::CloseCodecs() {
  const size_t Count = FTask.FJoinMode ? size_t(Fnb_ostreams_file0) : Fost_table.size();
  for (size_t N = 0; N < Count; ++N) {
    TAVOutputStream& Ost = *Fost_table[N];
    if (!Ost.encoding_needed) continue;
    FTask.RemoveCodecItem(FTask.FEncoderList, Ost.enc_slot);
    FreeCodecContext(Ost.enc_slot);
  }
  for (auto& Ist : Fist_table) {
    if (!Ist->decoding_needed) continue;
    FTask.RemoveCodecItem(FTask.FDecoderList, Ist->dec_slot);
    FreeCodecContext(Ist->dec_slot);
  }
}
