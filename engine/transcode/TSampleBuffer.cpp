#include "engine/transcode/TSampleBuffer.h"

#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpegException.h"

uint8_t** TSampleBuffer::Reserve(AVSampleFormat AFormat, int AChannels, int ASamples) {
  if (AFormat == FFormat && AChannels == FChannels && ASamples <= FCapacity) return FPlanes.data();
  Free();
  FPlanes.assign(LibAVUtil.av_sample_fmt_is_planar(AFormat) ? AChannels : 1, nullptr);
  if (LibAVUtil.av_samples_alloc(FPlanes.data(), nullptr, AChannels, ASamples, AFormat, 0) < 0) {
    FPlanes.clear();
    throw FFmpegException("Out of memory in do_audio_out");
  }
  FFormat = AFormat;
  FChannels = AChannels;
  FCapacity = ASamples;
  return FPlanes.data();
}

void TSampleBuffer::Free() {
  // One allocation holds every plane.
  if (!FPlanes.empty()) LibAVUtil.av_freep(&FPlanes[0]);
  FPlanes.clear();
  FFormat = AV_SAMPLE_FMT_NONE;
  FChannels = 0;
  FCapacity = 0;
}
