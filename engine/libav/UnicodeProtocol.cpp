#include "engine/libav/UnicodeProtocol.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "platform/base/FileUtils.h"

namespace {

constexpr int IOBufferSize = 32768;

/// What the engine's I/O context keeps of its file.
struct TUnicodeFile {
  int Descriptor;
};

int DescriptorOf(void* AOpaque) { return static_cast<TUnicodeFile*>(AOpaque)->Descriptor; }

int ReadPacket(void* AOpaque, uint8_t* ABuffer, int ASize) {
  ssize_t Count;
  do Count = ::read(DescriptorOf(AOpaque), ABuffer, ASize);
  while (Count < 0 && errno == EINTR);
  if (Count < 0) return -1;
  return Count == 0 ? AVERROR_EOF : int(Count);
}

int WritePacket(void* AOpaque, uint8_t* ABuffer, int ASize) {
  // FFmpeg hands over each buffer once, so a short write is continued until all of it is out.
  for (int Written = 0; Written < ASize;) {
    const ssize_t Count = ::write(DescriptorOf(AOpaque), ABuffer + Written, ASize - Written);
    if (Count < 0 && errno == EINTR) continue;
    if (Count <= 0) return -1;
    Written += int(Count);
  }
  return ASize;
}

int64_t SeekPacket(void* AOpaque, int64_t APosition, int AWhence) {
  AWhence &= ~AVSEEK_FORCE;
  if (AWhence == AVSEEK_SIZE) {
    struct stat Info;
    return fstat(DescriptorOf(AOpaque), &Info) == 0 ? int64_t(Info.st_size) : -1;
  }
  if (AWhence != SEEK_SET && AWhence != SEEK_CUR && AWhence != SEEK_END) return -1;
  const off_t Position = lseek(DescriptorOf(AOpaque), APosition, AWhence);
  return Position < 0 ? -1 : int64_t(Position);
}

bool IsEngineIO(const AVIOContext* AContext) { return AContext && AContext->seek == SeekPacket; }

int OpenFlags(int AFlags) {
  if ((AFlags & AVIO_FLAG_READ_WRITE) == AVIO_FLAG_READ_WRITE) return O_RDWR | O_CREAT | O_TRUNC;
  if (AFlags & AVIO_FLAG_WRITE) return O_WRONLY | O_CREAT | O_TRUNC;
  return O_RDONLY;
}

}  // namespace

bool IsUnicodeProtocolName(std::string_view AName) {
  return AName.size() > UnicodeProtocolPrefix.size() && AName.starts_with(UnicodeProtocolPrefix);
}

String FFmpegToName(const String& AName) {
  return IsUnicodeProtocolName(AName) ? AName.substr(UnicodeProtocolPrefix.size()) : AName;
}

AVIOContext* UnicodeOpenIO(const String& AFileName, int AFlags) {
  const int Descriptor = ::open(FFmpegToName(AFileName).c_str(), OpenFlags(AFlags) | O_CLOEXEC, 0666);
  if (Descriptor < 0) return nullptr;
  auto* Buffer = static_cast<unsigned char*>(LibAVUtil.av_malloc(IOBufferSize));
  auto* File = new TUnicodeFile { Descriptor };
  const bool Writing = AFlags & AVIO_FLAG_WRITE;
  AVIOContext* Context = Buffer ? LibAVFormat.avio_alloc_context(Buffer, IOBufferSize, Writing, File,
                                                                 Writing && !(AFlags & AVIO_FLAG_READ) ? nullptr : ReadPacket,
                                                                 Writing ? WritePacket : nullptr, SeekPacket)
                                : nullptr;
  if (!Context) {
    LibAVUtil.av_free(Buffer);
    delete File;
    ::close(Descriptor);
    errno = ENOMEM;
  }
  return Context;
}

void UnicodeCloseIO(AVIOContext** AContext) {
  AVIOContext* Context = *AContext;
  if (!Context) return;
  if (Context->write_flag) LibAVFormat.avio_flush(Context);
  auto* File = static_cast<TUnicodeFile*>(Context->opaque);
  ::close(File->Descriptor);
  delete File;
  LibAVUtil.av_freep(&Context->buffer);
  LibAVFormat.avio_context_free(AContext);
}

String InputRefusal(const String& AUrl) {
  const String Path = FFmpegToName(AUrl);
  return FileExists(Path) || DirectoryExists(Path) ? WhyNotRegularFile(Path) : String();
}

int UnicodeOpenInput(AVFormatContext** AContext, const String& AUrl, const AVInputFormat* AFormat,
                     AVDictionary** AOptions) {
  if (!IsUnicodeProtocolName(AUrl)) return LibAVFormat.avformat_open_input(AContext, AUrl.c_str(), AFormat, AOptions);
  AVIOContext* IO = UnicodeOpenIO(AUrl, AVIO_FLAG_READ);
  if (!IO) return AVERROR(errno);
  AVFormatContext* Context = *AContext ? *AContext : LibAVFormat.avformat_alloc_context();
  if (!Context) {
    UnicodeCloseIO(&IO);
    return AVERROR(ENOMEM);
  }
  Context->pb = IO;
  // On failure FFmpeg frees the format context but leaves a caller's I/O context to the caller.
  const int Result = LibAVFormat.avformat_open_input(&Context, AUrl.c_str(), AFormat, AOptions);
  if (Result < 0) UnicodeCloseIO(&IO);
  *AContext = Context;
  return Result;
}

void UnicodeCloseInput(AVFormatContext** AContext) {
  if (!*AContext) return;
  AVIOContext* IO = ((*AContext)->flags & AVFMT_FLAG_CUSTOM_IO) && IsEngineIO((*AContext)->pb) ? (*AContext)->pb : nullptr;
  LibAVFormat.avformat_close_input(AContext);
  UnicodeCloseIO(&IO);
}

int UnicodeOpenOutput(AVFormatContext* AContext, const String& AUrl, const AVIOInterruptCB* AInterrupt,
                      AVDictionary** AOptions) {
  if (!IsUnicodeProtocolName(AUrl))
    return LibAVFormat.avio_open2(&AContext->pb, AUrl.c_str(), AVIO_FLAG_WRITE, AInterrupt, AOptions);
  AContext->pb = UnicodeOpenIO(AUrl, AVIO_FLAG_WRITE);
  if (!AContext->pb) return AVERROR(errno);
  AContext->flags |= AVFMT_FLAG_CUSTOM_IO;
  return 0;
}

void UnicodeCloseOutput(AVFormatContext* AContext) {
  if (IsEngineIO(AContext->pb)) UnicodeCloseIO(&AContext->pb);
  else LibAVFormat.avio_closep(&AContext->pb);
}
