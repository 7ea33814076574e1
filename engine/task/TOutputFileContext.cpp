#include "engine/task/TOutputFileContext.h"

#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/TCodecItem.h"
#include "engine/libav/UnicodeProtocol.h"
#include "platform/base/FileUtils.h"

TOutputFileContext::~TOutputFileContext() {
  for (TStream& Stream : Streams) {
    LibAVUtil.av_dict_free(&Stream.encoder_options);
    FreeCodecContext(&Stream.enc);
  }
  LibAVUtil.av_dict_free(&MuxerOptions);
  if (Context->pb && !(Context->oformat->flags & AVFMT_NOFILE)) UnicodeCloseOutput(Context);
  if (FCreated) {
    const String Name = FileName();
    if (FileExists(Name) && FileSizeOf(Name) == 0) DeleteFile(Name);
  }
  LibAVFormat.avformat_free_context(Context);
}

String TOutputFileContext::FileName() const { return Context->url ? FFmpegToName(Context->url) : String(); }

int TOutputFileContext::CreateFile() {
  if (Context->oformat->flags & AVFMT_NOFILE) return 0;
  const int Result = UnicodeOpenOutput(Context, Context->url, &Context->interrupt_callback, nullptr);
  if (Result >= 0) FCreated = true;
  return Result;
}
