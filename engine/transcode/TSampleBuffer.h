#pragma once
// A growing buffer of audio samples in one sample format, reused from block to block.
#include <vector>

extern "C" {
#include <libavutil/samplefmt.h>
}

/// Sample planes from FFmpeg's allocator (one per channel for planar formats, else one), grown when a
/// block needs more and freed with the object.
class TSampleBuffer {
public:
  TSampleBuffer() = default;
  ~TSampleBuffer() { Free(); }
  TSampleBuffer(const TSampleBuffer&) = delete;
  TSampleBuffer& operator=(const TSampleBuffer&) = delete;

  /// Planes for at least ASamples samples per channel of AChannels channels in AFormat; raises
  /// FFmpegException "Out of memory in do_audio_out" when they cannot be had.
  uint8_t** Reserve(AVSampleFormat AFormat, int AChannels, int ASamples);

private:
  void Free();

  std::vector<uint8_t*> FPlanes;
  AVSampleFormat FFormat { AV_SAMPLE_FMT_NONE };
  int FChannels { 0 };
  int FCapacity { 0 };  // samples per channel
};
