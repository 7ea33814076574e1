#pragma once
// What a transcoder run keeps of one stream of a muxer: where its written time stands and the bitstream
// filters its packets pass. In join mode every block of output streams shares these.
#include <vector>

extern "C" {
#include <libavcodec/bsf.h>
}

#include "platform/base/Types.h"

/// The written time of a muxer stream and its bitstream-filter chain.
struct TMuxedStream {
  TMuxedStream() = default;
  ~TMuxedStream();
  TMuxedStream(const TMuxedStream&) = delete;
  TMuxedStream& operator=(const TMuxedStream&) = delete;

  Int64 end_time { 0 };                 // end of the last packet handed to the muxer, in the stream's time base
  std::vector<AVBSFContext*> filters;   // initialised filters, in chain order
};
