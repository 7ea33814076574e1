#include "engine/transcode/TMuxedStream.h"

#include "engine/libav/AVCodecStubs.h"

TMuxedStream::~TMuxedStream() {
  for (AVBSFContext*& Filter : filters) LibAVCodec.av_bsf_free(&Filter);
}
