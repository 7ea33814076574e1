#include "engine/TMuxedStream.h"

#include "engine/AVCodecStubs.h"

TMuxedStream::~TMuxedStream() {
  for (AVBSFContext*& Filter : filters) LibAVCodec.av_bsf_free(&Filter);
}
