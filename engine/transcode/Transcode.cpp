#include "engine/task/FFmpeg.h"

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/transcode/TTranscoder.h"

void TCustomFFmpeg::Transcode() {
  TTranscoder(*this).Run();
  FFinished = !Broken();
}

TTranscoder::TTranscoder(TCustomFFmpeg& ATask) : FTask(ATask), S(ATask.FSettings) {
  FPacket = LibAVCodec.av_packet_alloc();
  FEncoded = LibAVCodec.av_packet_alloc();
  for (AVFrame** Frame : { &FDecoded, &FFiltered, &FAudioFrame, &FPicture, &FCropped, &FFeed, &FHookFrame }) *Frame = LibAVUtil.av_frame_alloc();
  if (!FPacket || !FEncoded || !FDecoded || !FFiltered || !FAudioFrame || !FPicture || !FCropped || !FFeed || !FHookFrame)
    throw FFmpegException("av_mallocz fail");
}

TTranscoder::~TTranscoder() {
  // The tables go first: their converters and filter graphs may still refer to the frames.
  Fost_table.clear();
  Fist_table.clear();
  LibAVCodec.av_packet_free(&FPacket);
  LibAVCodec.av_packet_free(&FEncoded);
  for (AVFrame** Frame : { &FDecoded, &FFiltered, &FAudioFrame, &FPicture, &FCropped, &FFeed, &FHookFrame }) LibAVUtil.av_frame_free(Frame);
  if (Fvstats_file) std::fclose(Fvstats_file);
}
