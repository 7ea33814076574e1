// The time line of a transcoder run's input streams: the task's offsets and scales, and the discontinuities
// a stream's time stamps make (a jump inside a stream, streams that start far apart), which the output
// continues across instead of filling them with copies of a picture or with silence.
#include <algorithm>
#include <cstdlib>

#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "engine/transcode/TTranscoder.h"
#include "platform/base/SysUtils.h"

namespace {

/// The longest gap (µs) the output fills: a gap between the starts of a file's streams, or a jump of the
/// time stamps of all its streams at once, is taken as a pause the output shows (a still picture, silence)
/// up to this length and as a discontinuity beyond it. A player shows a still picture or keeps silent for
/// seconds (a title card, a slide, a pause between pieces), not minutes; a capture clock, a camera's clock
/// or a splice of a broadcast jumps by minutes to hours. A minute of filling costs at most a minute of the
/// frame rate's copies of one picture, which a run encodes in seconds holding one picture. A jump of one
/// stream while the file's other streams run on (a picture held while the sound plays) is a pause of the
/// media however long, and is filled: the output lasts as long as the media plays.
constexpr Int64 LongestFilledGap = 60 * Int64(AV_TIME_BASE);

/// Whether the stream carries a time line of its own that the output keeps in step: sound or moving
/// pictures (not a cover picture, subtitles or data).
bool Timed(const TAVInputStream& AIst) {
  const AVMediaType Type = AIst.st->codecpar->codec_type;
  return (Type == AVMEDIA_TYPE_AUDIO || Type == AVMEDIA_TYPE_VIDEO) && !(AIst.st->disposition & AV_DISPOSITION_ATTACHED_PIC);
}

/// Where the file says the stream starts (µs, the file's own times); AV_NOPTS_VALUE when unknown.
Int64 StartOf(const TAVInputStream& AIst) {
  if (AIst.st->start_time == AV_NOPTS_VALUE) return AV_NOPTS_VALUE;
  return LibAVUtil.av_rescale_q(AIst.st->start_time, AIst.st->time_base, AV_TIME_BASE_Q);
}

}  // namespace

void TTranscoder::AdjustTimestamps(TAVInputStream& AIst, int AFile, AVPacket* APacket) {
  const AVRational TimeBase = AIst.st->time_base;
  if (!AIst.lead_taken) {
    AIst.ts_shift = LeadBeyondGap(AIst);
    AIst.lead_taken = true;
  }
  const Int64 Offset = LibAVUtil.av_rescale_q(FTask.Finput_files_ts_offset[AFile] - AIst.ts_shift, AV_TIME_BASE_Q, TimeBase);
  if (APacket->dts != AV_NOPTS_VALUE) APacket->dts += Offset;
  if (APacket->pts != AV_NOPTS_VALUE) APacket->pts += Offset;
  if (AIst.index < TCustomFFmpeg::MaxStreams) {
    if (const double Scale = FTask.Finput_files_ts_scale[AFile][AIst.index]; Scale != 0) {
      if (APacket->pts != AV_NOPTS_VALUE) APacket->pts = Round(double(APacket->pts) * Scale);
      if (APacket->dts != AV_NOPTS_VALUE) APacket->dts = Round(double(APacket->dts) * Scale);
    }
  }
  if (APacket->dts == AV_NOPTS_VALUE || AIst.next_pts == AV_NOPTS_VALUE || S.Fcopy_ts) return;
  const AVFormatContext* Input = FTask.Finput_files[AFile]->Context;
  const Int64 Dts = LibAVUtil.av_rescale_q(APacket->dts, TimeBase, AV_TIME_BASE_Q);
  const Int64 Delta = Dts - AIst.next_pts;
  if (Input->iformat->flags & AVFMT_TS_DISCONT) {
    // A format whose clock may jump anywhere (a broadcast): every stream of the file follows the jump.
    if (std::llabs(Delta) <= Int64(S.Fdts_delta_threshold * 1000000) && Dts + 1 >= AIst.pts) return;
    FTask.Finput_files_ts_offset[AFile] -= Delta;
    if (S.Fverbose > 2)
      FTask.Log(llVerbose, Format("timestamp discontinuity %d, new offset= %d", Delta, FTask.Finput_files_ts_offset[AFile]));
  } else {
    // Elsewhere the jumps are the stream's own (a splice, a clock that jumped): each stream follows its own.
    if (std::llabs(Delta) <= LongestFilledGap || !Timed(AIst) || NearAnotherClock(AIst, Dts)) return;
    AIst.ts_shift += Delta;
    if (S.Fverbose > 2)
      FTask.Log(llVerbose, Format("stream #%d.%d: timestamp discontinuity %d", AIst.file_index, AIst.index, Delta));
  }
  const Int64 Shift = LibAVUtil.av_rescale_q(Delta, AV_TIME_BASE_Q, TimeBase);
  APacket->dts -= Shift;
  if (APacket->pts != AV_NOPTS_VALUE) APacket->pts -= Shift;
}

Int64 TTranscoder::LeadBeyondGap(const TAVInputStream& AIst) const {
  const Int64 Start = StartOf(AIst);
  if (!Timed(AIst) || Start == AV_NOPTS_VALUE) return 0;
  // The earliest start of the file's timed streams, also of those the output leaves out: a sound that
  // starts hours after the file's pictures starts the sound-only output.
  Int64 Earliest = Start;
  const TAVInputFile& File = Finput_file_table[AIst.file_index];
  for (int I = 0; I < File.nb_streams; ++I) {
    const TAVInputStream& Other = *Fist_table[File.ist_index + I];
    if (const Int64 OtherStart = StartOf(Other); Timed(Other) && OtherStart != AV_NOPTS_VALUE) Earliest = std::min(Earliest, OtherStart);
  }
  return Start - Earliest > LongestFilledGap ? Start - Earliest : 0;
}

bool TTranscoder::NearAnotherClock(const TAVInputStream& AIst, Int64 ATime) const {
  const TAVInputFile& File = Finput_file_table[AIst.file_index];
  for (int I = 0; I < File.nb_streams; ++I) {
    const TAVInputStream& Other = *Fist_table[File.ist_index + I];
    if (&Other != &AIst && Timed(Other) && Other.next_pts != AV_NOPTS_VALUE && std::llabs(ATime - Other.next_pts) <= LongestFilledGap)
      return true;
  }
  return false;
}
