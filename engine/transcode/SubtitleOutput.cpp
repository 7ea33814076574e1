// Subtitle output of a transcoder run: each decoded subtitle encoded for an output subtitle stream with
// the timing subtitles need.
#include <cstring>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "engine/transcode/TTranscoder.h"

void TTranscoder::WriteSubtitle(TAVOutputStream& AOst, const TAVInputStream& AIst, Int64 APTS, const AVSubtitle& ASubtitle) {
  if (APTS == AV_NOPTS_VALUE) {
    if (S.Fexit_on_error) throw FFmpegException("Subtitle packets must have a pts");
    FTask.Log(llError, "Subtitle packets must have a pts");
    return;
  }
  constexpr int BufferSize = 1048576;
  if (FSubtitleBuf.empty()) FSubtitleBuf.resize(BufferSize);
  AVCodecContext* Enc = AOst.enc();
  // DVB subtitles take a second packet that clears the picture; both are timed from the subtitle's own
  // display times, the second one carrying no rectangles.
  const bool Dvb = Enc->codec_id == AV_CODEC_ID_DVB_SUBTITLE;
  // The output's time line begins at the start position, as it does for the other streams.
  const Int64 Start = LibAVUtil.av_rescale_q(APTS, AIst.st->time_base, AV_TIME_BASE_Q) + Int64(ASubtitle.start_display_time) * 1000 -
                      S.Fstart_time;
  const Int64 Length = Int64(ASubtitle.end_display_time) - ASubtitle.start_display_time;
  for (int Copy = 0; Copy < (Dvb ? 2 : 1); ++Copy) {
    AVSubtitle Subtitle = ASubtitle;
    Subtitle.pts = Start;
    Subtitle.start_display_time = 0;
    Subtitle.end_display_time = uint32_t(Length);
    if (Copy == 1) Subtitle.num_rects = 0;
    const int Size = LibAVCodec.avcodec_encode_subtitle(Enc, FSubtitleBuf.data(), BufferSize, &Subtitle);
    if (Size < 0) throw FFmpegException("Subtitle encoding failed");
    if (LibAVCodec.av_new_packet(FEncoded, Size) < 0) throw FFmpegException("av_mallocz fail");
    std::memcpy(FEncoded->data, FSubtitleBuf.data(), size_t(Size));
    FEncoded->stream_index = AOst.index;
    const Int64 Time = Copy == 0 ? Start : Start + Length * 1000;
    FEncoded->pts = FEncoded->dts = LibAVUtil.av_rescale_q(Time, AV_TIME_BASE_Q, AOst.st->time_base);
    if (!Dvb) FEncoded->duration = LibAVUtil.av_rescale_q(Length * 1000, AV_TIME_BASE_Q, AOst.st->time_base);
    FEncoded->flags |= AV_PKT_FLAG_KEY;
    WritePacket(AOst, FEncoded);
    LibAVCodec.av_packet_unref(FEncoded);
  }
}
