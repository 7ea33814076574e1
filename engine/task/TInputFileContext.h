#pragma once
// An input file of a conversion task, from its opening until the task is cleaned up.
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

/// The demuxer context of an opened input and, per stream, a decoder context made from the stream's
/// parameters and the options in force when the file was opened. The run opens the decoders it needs
/// (a context is opened once; a run that closes one frees it and empties its slot).
class TInputFileContext {
public:
  /// Takes over AContext, an opened input.
  explicit TInputFileContext(AVFormatContext* AContext) : Context(AContext), Decoders(AContext->nb_streams, nullptr) {}
  /// Frees the decoders (closing open ones under CodecLock) and closes the file.
  ~TInputFileContext();
  TInputFileContext(const TInputFileContext&) = delete;
  TInputFileContext& operator=(const TInputFileContext&) = delete;

  AVFormatContext* Context;
  std::vector<AVCodecContext*> Decoders;  // by stream index, one for each stream known once the file was read; nullptr for a stream without one
};
