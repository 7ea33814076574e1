#include "engine/task/FFmpeg.h"

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/transcode/TTranscoder.h"

void TCustomFFmpeg::Transcode() {
  TTranscoder(*this).Run();
  FFinished = !Broken();
}

TTranscoder::TTranscoder(TCustomFFmpeg& ATask) : FTask(ATask), S(ATask.FSettings) {
  for (TAVPacketHandle* Packet : { &FPacket, &FEncoded }) {
    Packet->reset(LibAVCodec.av_packet_alloc());
    if (!*Packet) throw FFmpegException("av_mallocz fail");
  }
  for (TAVFrameHandle* Frame : { &FDecoded, &FFiltered, &FAudioFrame, &FPicture, &FCropped, &FFeed, &FHookFrame }) {
    Frame->reset(LibAVUtil.av_frame_alloc());
    if (!*Frame) throw FFmpegException("av_mallocz fail");
  }
}

TTranscoder::~TTranscoder() {
  // The tables go first: their converters and filter graphs may still refer to the frames.
  Fost_table.clear();
  Fist_table.clear();
  if (Fvstats_file) std::fclose(Fvstats_file);
}
