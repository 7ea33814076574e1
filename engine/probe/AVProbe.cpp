#include "engine/probe/AVProbe.h"

#include <algorithm>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFUtils.h"
#include "engine/libav/FFmpegLogger.h"
#include "engine/probe/StreamInfoText.h"
#include "engine/libav/TCodecLockScope.h"
#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/TCanvas.h"

namespace {

/// How often the search for the previous key frame steps back before it gives up. Doubling from one
/// microsecond, the last try reaches past any time stamp, so the search always ends at the file's start.
constexpr int MaxPreviousKeyFrameTries = 64;

}  // namespace

bool IsStillImageFormat(const AVInputFormat* AFormat) {
  if (!AFormat) return false;
  // Single picture files are read by the per-codec image pipe demuxers ("png_pipe", "jpeg_pipe", ...).
  const String Name = AFormat->name;
  return SameText(Name, "image2") || Name == "image2pipe" || Name.ends_with("_pipe");
}

TAVProbe::TAVProbe(TComponent* AOwner) : TCustomAVProbe(AOwner) {}

TAVProbe::~TAVProbe() {
  CloseFile();
  if (FPicture.Buffer) LibAVUtil.av_freep(&FPicture.Buffer);
}

void TAVProbe::InitStreamInfo() {
  TCustomAVProbe::InitStreamInfo();
  FSeekIndex = FirstVideoStreamIndex() >= 0 ? FirstVideoStreamIndex() : FirstAudioStreamIndex();
  if (!FileHandle()) return;
  const Int64 Start = FSeekIndex >= 0 ? FileHandle()->streams[FSeekIndex]->start_time : FileHandle()->start_time;
  FStartTime = Start == AV_NOPTS_VALUE ? 0 : Start;
}

void TAVProbe::CloseFile() {
  FSeekIndex = -1;
  FStartTime = -1;
  FDecodeIndex = -1;
  FEOF = false;
  ClearPicture();
  FLastPTS = AV_NOPTS_VALUE;
  FLastPos = -1;
  CloseDecoder();
  ResetRGBContext(FRGBContext);
  TCustomAVProbe::CloseFile();
}

bool TAVProbe::Seek(Int64 APTS, TSeekFlags ASeekFlags) {
  if (!CheckOwnedFile()) return false;
  if (IsStillImage()) {
    ReportError("\"image2\" format cannot to be seeked.", AV_LOG_INFO);
    return false;
  }
  AVFormatContext* Context = FileHandle();
  if (Context->pb) LogMessage(Format("currunt position %d bytes", ReaderPosition()), AV_LOG_DEBUG);
  const bool ByBytes = ASeekFlags.Contains(sfByte);
  Int64 Target = std::max<Int64>(APTS, 0);
  if (!ByBytes) {
    if (FSeekIndex >= 0) Target = LibAVUtil.av_rescale_q(Target, AV_TIME_BASE_Q, Context->streams[FSeekIndex]->time_base);
    if (FStartTime > 0) Target += FStartTime;
  }
  if (FCodec) LibAVCodec.avcodec_flush_buffers(FCodec);
  FDraining = false;
  FEOF = false;
  ClearPicture();
  const int Flags = int(ASeekFlags.Bits());
  int Result;
  if (APTS > 0) {
    Result = LibAVFormat.av_seek_frame(Context, FSeekIndex, Target, Flags);
  } else {
    Result = LibAVFormat.av_seek_frame(Context, FSeekIndex, Target, Flags | AVSEEK_FLAG_BACKWARD);
    if (Result < 0) Result = LibAVFormat.av_seek_frame(Context, FSeekIndex, APTS, Flags & ~AVSEEK_FLAG_BACKWARD);
  }
  if (Result < 0)
    ReportError(ByBytes ? Format("could not seek to position %d bytes", APTS)
                        : Format("could not seek to position %0.3f seconds", APTS / 1000000.0),
                AV_LOG_ERROR);
  LogMessage(Format("seek to position %d bytes", ReaderPosition()), AV_LOG_DEBUG);
  if (Context->pb && LibAVFormat.avio_feof(Context->pb)) {
    if (Result >= 0) ReportError("stream eof reached.", AV_LOG_INFO);
    FEOF = true;
    return false;
  }
  return Result >= 0;
}

bool TAVProbe::Decode(int AStreamIndex) {
  int Index;
  if (!ChooseStream(AStreamIndex, Index)) return false;
  if (FPicture.Ready && IsStillImage()) return true;
  if (FEOF) {
    ReportError("stream eof reached.", AV_LOG_INFO);
    return false;
  }
  if (!OpenDecoder(Index)) return false;
  const Int64 StartPosition = ReaderPosition();
  AVFormatContext* Context = FileHandle();
  for (;;) {
    // A packet can hold several pictures and the decoder can hold pictures back, so pictures are taken
    // first and packets read only while the decoder asks for more.
    const int Received = LibAVCodec.avcodec_receive_frame(FCodec, FFrame);
    if (Received >= 0) {
      GlobalLogger()->Log(this, llDebug, "pkt.st_idx=%d, dts=%d, pts=%d, flags=%d, pict_type=%d", Index, FFrame->pkt_dts,
                          FFrame->pts, FFrame->key_frame ? AV_PKT_FLAG_KEY : 0, int(FFrame->pict_type));
      const bool Stored = StorePicture(FFrame, StartPosition);
      LibAVUtil.av_frame_unref(FFrame);
      return Stored;
    }
    if (Received == AVERROR_EOF || FDraining) break;
    const int Read = LibAVFormat.av_read_frame(Context, FPacket);
    if (Read == AVERROR(EAGAIN)) continue;
    if (Read < 0) {
      // The end of the input: the decoder gives out what it still holds.
      FDraining = true;
      LibAVCodec.avcodec_send_packet(FCodec, nullptr);
      continue;
    }
    // A packet the decoder refuses (damaged data) is skipped; the next one may decode again.
    if (FPacket->stream_index == Index) LibAVCodec.avcodec_send_packet(FCodec, FPacket);
    LibAVCodec.av_packet_unref(FPacket);
  }
  ReportError("stream eof reached.", AV_LOG_INFO);
  FEOF = true;
  return false;
}

bool TAVProbe::DecodeNextKeyFrame(int AStreamIndex) {
  int Index;
  if (!ChooseStream(AStreamIndex, Index)) return false;
  const Int64 From = FPicture.PTS > 0 ? FPicture.PTS : 0;
  return Seek(From + FrameStepOf(Index), {}) && Decode(Index);
}

bool TAVProbe::DecodePreviousKeyFrame(int AStreamIndex) {
  int Index;
  if (!ChooseStream(AStreamIndex, Index)) return false;
  const Int64 Step = std::max<Int64>(FrameStepOf(Index), 1);
  Int64 Reference = FPicture.PTS != AV_NOPTS_VALUE ? FPicture.PTS : FLastPTS;
  if (Reference == AV_NOPTS_VALUE) Reference = FileHandle()->duration > 0 ? FileHandle()->duration : 0;
  const Int64 ReferencePosition = FPicture.Position >= 0 ? FPicture.Position : FLastPos;
  // Each try steps back twice as far as the one before: a time stamp far from the key frame before it
  // (a damaged clock, a tiny frame step) is crossed in a few dozen seeks instead of one per frame step.
  for (int Try = 0; Try < MaxPreviousKeyFrameTries; ++Try) {
    const Int64 Back = Step > (INT64_MAX >> Try) ? INT64_MAX : Step << Try;
    const Int64 Target = Back > Reference ? -1 : Reference - Back;
    const Int64 Before = ReaderPosition();
    Seek(Target, { sfBackward });
    // A seek that did not get before the current picture's data cannot reach an earlier key frame. Some
    // readers (MP4, MOV) move their byte position only at the next read: there the time stamps decide.
    const Int64 After = ReaderPosition();
    if (ReferencePosition > 0 && After != Before && After >= ReferencePosition && Target >= 0) continue;
    if (Decode(Index) && (FPicture.PTS < Reference || FPicture.PTS <= 0)) return true;
    // Once the seek went to the start, there is no earlier picture to find.
    if (Target < 0) break;
  }
  SetLastErrMsg("Could not seek to the previous key-frame. " + LastErrMsg());
  return false;
}

bool TAVProbe::DecodePreviousFrame(int AStreamIndex) {
  int Index;
  if (!ChooseStream(AStreamIndex, Index)) return false;
  Int64 Current = FPicture.PTS != AV_NOPTS_VALUE ? FPicture.PTS : FLastPTS;
  if (Current == AV_NOPTS_VALUE) Current = 0;
  const Int64 Target = Current - 2 * FrameStepOf(Index);
  if (!DecodePreviousKeyFrame(Index)) return false;
  // The key frame itself may already be the previous picture.
  while (FPicture.PTS == AV_NOPTS_VALUE || FPicture.PTS <= Target)
    if (!Decode(Index)) return false;
  return true;
}

bool TAVProbe::CopyToBitmap(TBitmap* ABitmap) {
  if (!FPicture.Ready) {
    ReportError("picture not ready, please decode first", AV_LOG_ERROR);
    return false;
  }
  const bool Converted = FrameToBitmap(FRGBContext, FPicture.Picture.data, FPicture.Picture.linesize, FPicture.PixFmt,
                                       FPicture.Height, FPicture.Width);
  if (Converted) {
    ABitmap->Assign(FRGBContext.Bitmap.get());
    return true;
  }
  ABitmap->SetSize(FPicture.Width, FPicture.Height);
  TCanvas* Canvas = ABitmap->Canvas();
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(clBlack);
  Canvas->FillRect(Rect(0, 0, FPicture.Width, FPicture.Height));
  LibAVUtil.av_log(nullptr, AV_LOG_ERROR, "convert picture to bitmap failed\n");
  return false;
}

Int64 TAVProbe::Position() {
  if (!FileHandle()) {
    ReportError("file not loaded.", AV_LOG_WARNING);
    return -1;
  }
  if (!FileHandle()->pb) {
    ReportError("cannot get position", AV_LOG_WARNING);
    return -1;
  }
  return ReaderPosition();
}

bool TAVProbe::CheckOwnedFile() {
  if (!FileHandle()) {
    ReportError("file not loaded.", AV_LOG_WARNING);
    return false;
  }
  if (OwnHandle()) return true;
  const String Text = "file cannot be seeked, handle is readonly.";
  ReportError(Text, AV_LOG_WARNING);
  throw Exception(Text);
}

bool TAVProbe::ChooseStream(int AStreamIndex, int& AIndex) {
  if (!CheckOwnedFile()) return false;
  int Index = AStreamIndex;
  if (Index < 0) {
    Index = FDecodeIndex >= 0 ? FDecodeIndex : FirstVideoStreamIndex();
    if (Index < 0) {
      ReportError("no video stream.", AV_LOG_ERROR);
      return false;
    }
  } else if (Index >= StreamCount()) {
    ReportError(Format("stream index #%d is invalid.", Index), AV_LOG_ERROR);
    return false;
  } else if (FileHandle()->streams[Index]->codecpar->codec_type != AVMEDIA_TYPE_VIDEO) {
    ReportError(Format("stream #%d is not video stream.", Index), AV_LOG_ERROR);
    return false;
  }
  if (Index != FDecodeIndex) {
    ClearPicture();
    FDecodeIndex = Index;
  }
  AIndex = Index;
  return true;
}

bool TAVProbe::OpenDecoder(int AIndex) {
  const AVStream* Stream = FileHandle()->streams[AIndex];
  const AVCodecParameters* Parameters = Stream->codecpar;
  if (Parameters->codec_type != AVMEDIA_TYPE_VIDEO) throw EAssertionFailed("Assertion failure");
  if (Parameters->width == 0 || Parameters->height == 0) {
    ReportError("frame size of codec is invalid.", AV_LOG_ERROR);
    return false;
  }
  if (FCodec && FCodecIndex == AIndex) return true;
  CloseDecoder();
  const AVCodec* Decoder = LibAVCodec.avcodec_find_decoder(Parameters->codec_id);
  if (!Decoder) {
    ReportError(Format("Unsupported codec (id=%d) for input file stream #%d", int(Parameters->codec_id), AIndex), AV_LOG_ERROR);
    return false;
  }
  // Each probe decodes with a context of its own, made from the stream's parameters.
  AVCodecContext* Context = LibAVCodec.avcodec_alloc_context3(Decoder);
  FFrame = LibAVUtil.av_frame_alloc();
  FPacket = LibAVCodec.av_packet_alloc();
  int Opened = AVERROR(ENOMEM);
  if (Context && FFrame && FPacket && LibAVCodec.avcodec_parameters_to_context(Context, Parameters) >= 0) {
    Context->pkt_timebase = Stream->time_base;
    TCodecLockScope Lock;
    Opened = LibAVCodec.avcodec_open2(Context, Decoder, nullptr);
  }
  FCodec = Context;
  FCodecIndex = AIndex;
  if (Opened >= 0) return true;
  CloseDecoder();
  ReportError(Format("Error while opening codec for input file stream #%d", AIndex), AV_LOG_ERROR);
  return false;
}

void TAVProbe::CloseDecoder() {
  if (FCodec) {
    TCodecLockScope Lock;
    LibAVCodec.avcodec_free_context(&FCodec);
  }
  FCodecIndex = -1;
  FDraining = false;
  if (FFrame) LibAVUtil.av_frame_free(&FFrame);
  if (FPacket) LibAVCodec.av_packet_free(&FPacket);
}

bool TAVProbe::StorePicture(const AVFrame* AFrame, Int64 APosition) {
  // The picture is sized and copied from the frame itself: a stream can change its size midway without
  // the decoder's context following.
  const auto PixFmt = AVPixelFormat(AFrame->format);
  const int PictureSize = LibAVUtil.av_image_get_buffer_size(PixFmt, AFrame->width, AFrame->height, 1);
  if (PictureSize < 0) {
    ReportError(ErrorText(FileName(), PictureSize), AV_LOG_ERROR);
    return false;
  }
  // The scaler reads a few bytes past the last row in wide steps, so the picture ends in padding.
  const int Size = PictureSize + AV_INPUT_BUFFER_PADDING_SIZE;
  if (FPicture.Size < Size) {
    FPicture.Ready = false;
    LibAVUtil.av_freep(&FPicture.Buffer);
    FPicture.Buffer = static_cast<uint8_t*>(LibAVUtil.av_mallocz(Size));
    FPicture.Size = FPicture.Buffer ? Size : 0;
    if (!FPicture.Buffer) {
      ClearPicture();
      ReportError(ErrorText(FileName(), AVERROR(ENOMEM)), AV_LOG_ERROR);
      return false;
    }
  }
  const AVStream* Stream = FileHandle()->streams[FDecodeIndex];
  FPicture.PixFmt = PixFmt;
  FPicture.Width = AFrame->width;
  FPicture.Height = AFrame->height;
  FPicture.IsKeyFrame = AFrame->key_frame == 1;
  const int PictureType = AFrame->pict_type;
  FPicture.PictureType = PictureType >= ptUnknown && PictureType <= ptBI ? TPictureType(PictureType) : ptUnknown;
  // The decoder passes each packet's time stamps on to the picture made from it: pkt_dts is the packet's
  // dts, pts its (reordered) pts.
  const Int64 Stamp = AFrame->pkt_dts != AV_NOPTS_VALUE ? AFrame->pkt_dts : AFrame->pts;
  if (FPicture.PTS != AV_NOPTS_VALUE) FLastPTS = FPicture.PTS;
  if (Stamp == AV_NOPTS_VALUE) {
    FPicture.PTS = AV_NOPTS_VALUE;
  } else {
    const Int64 Start = Stream->start_time != AV_NOPTS_VALUE ? Stream->start_time : 0;
    FPicture.PTS = ToMicroseconds(Stamp - Start, Stream->time_base);
    LibAVUtil.av_log(nullptr, AV_LOG_DEBUG, "decode PTS: %0.3f\n", FPicture.PTS / 1000000.0);
  }
  FPicture.OriginalDTS = AFrame->pkt_dts;
  FPicture.OriginalPTS = AFrame->pts;
  FPicture.StreamIndex = FDecodeIndex;
  if (FPicture.Position != -1) FLastPos = FPicture.Position;
  FPicture.Position = APosition;
  LibAVUtil.av_image_fill_arrays(FPicture.Picture.data, FPicture.Picture.linesize, FPicture.Buffer, PixFmt,
                                 AFrame->width, AFrame->height, 1);
  LibAVUtil.av_image_copy(FPicture.Picture.data, FPicture.Picture.linesize, const_cast<const uint8_t**>(AFrame->data),
                          AFrame->linesize, PixFmt, AFrame->width, AFrame->height);
  FPicture.Ready = true;
  return true;
}

void TAVProbe::ClearPicture() {
  if (FPicture.PTS != AV_NOPTS_VALUE) FLastPTS = FPicture.PTS;
  if (FPicture.Position != -1) FLastPos = FPicture.Position;
  FPicture.PixFmt = AV_PIX_FMT_NONE;
  FPicture.Width = FPicture.Height = -1;
  FPicture.StreamIndex = -1;
  FPicture.Position = -1;
  FPicture.IsKeyFrame = false;
  FPicture.PictureType = ptUnknown;
  FPicture.PTS = FPicture.OriginalDTS = FPicture.OriginalPTS = AV_NOPTS_VALUE;
  FPicture.Ready = false;
  FPicture.Picture = {};
}

bool TAVProbe::IsStillImage() const { return FileHandle() && IsStillImageFormat(FileHandle()->iformat); }

Int64 TAVProbe::ReaderPosition() const {
  return FileHandle() && FileHandle()->pb ? LibAVFormat.avio_seek(FileHandle()->pb, 0, SEEK_CUR) : -1;
}

Int64 TAVProbe::FrameStepOf(int AIndex) const { return FrameStep(FileHandle()->streams[AIndex]->r_frame_rate); }
