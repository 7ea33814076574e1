#pragma once
// An output file of a conversion task, from its opening until the task is cleaned up.
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "platform/base/Types.h"

/// The muxer context of an opened output with what the run needs of each of its streams. Opening an output
/// touches nothing on disk: the run creates the file (CreateFile) just before it writes the header, and
/// only a file created that way is deleted again when it is still empty at the end.
class TOutputFileContext {
public:
  /// One stream as the options configured it.
  struct TStream {
    AVStream* st { nullptr };
    AVCodecContext* enc { nullptr };             // the encoder's settings; owned, opened by the run
    bool stream_copy { false };                  // written from its input's packets instead of encoded
    float quality { 0 };                         // fixed quantiser as lambda, 0 = none
    AVDictionary* encoder_options { nullptr };   // private options for the encoder's open; owned
  };

  /// Takes over AContext, a muxer context with its format and file name set.
  explicit TOutputFileContext(AVFormatContext* AContext) : Context(AContext) {}
  /// Frees the encoders (closing open ones under CodecLock), closes the byte stream, deletes the file when
  /// CreateFile made it and it is still empty, and frees the context.
  ~TOutputFileContext();
  TOutputFileContext(const TOutputFileContext&) = delete;
  TOutputFileContext& operator=(const TOutputFileContext&) = delete;

  /// The file name without the "unicode:utf8:" prefix.
  String FileName() const;
  /// Opens the byte stream for writing, creating the file or emptying an existing one, unless the muxer
  /// writes no file of its own. Returns 0 or an FFmpeg error code.
  int CreateFile();

  AVFormatContext* Context;
  std::vector<TStream> Streams;               // by stream index
  AVDictionary* MuxerOptions { nullptr };     // private options for the header; owned

private:
  bool FCreated { false };
};
