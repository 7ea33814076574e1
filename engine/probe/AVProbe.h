#pragma once
// The media probe with a video decoder: seeking a file by time or byte position, decoding its pictures one
// at a time, stepping between key frames and copying the current picture into a bitmap.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "engine/probe/TCustomAVProbe.h"
#include "engine/libav/TRGBConvertContext.h"
#include "platform/base/TSet.h"
#include "platform/gdi/TBitmap.h"

enum TPictureType { ptUnknown, ptI, ptP, ptB, ptS, ptSI, ptSP, ptBI };

/// How a seek goes; the set's bits are FFmpeg's seek flags (backward 1, byte 2, any 4, frame 8).
enum TSeekFlag { sfBackward, sfByte, sfAny, sfFrame };
using TSeekFlags = TSet<TSeekFlag>;

/// Plane pointers and line sizes of a picture.
struct TAVPicture {
  uint8_t* data[4] {};
  int linesize[4] {};
};

/// The last decoded picture. PTS is in microseconds from the stream's start; OriginalDTS and OriginalPTS
/// are the time stamps of the packet it came from, in the stream's time base.
struct TFrameInfo {
  AVPixelFormat PixFmt { AV_PIX_FMT_NONE };
  int Width { -1 };
  int Height { -1 };
  bool IsKeyFrame { false };
  TPictureType PictureType { ptUnknown };
  Int64 PTS { AV_NOPTS_VALUE };
  Int64 OriginalDTS { AV_NOPTS_VALUE };
  Int64 OriginalPTS { AV_NOPTS_VALUE };
  int StreamIndex { -1 };
  Int64 Position { -1 };  // the reader's byte position when decoding of the picture began
  bool Ready { false };
  TAVPicture Picture;  // planes over Buffer
  uint8_t* Buffer { nullptr };  // from FFmpeg's allocator, owned by the probe and reused
  int Size { 0 };  // bytes allocated in Buffer
};

/// Whether AFormat reads still pictures (a picture sequence or a single picture file): such a file cannot
/// seek and its picture, once decoded, stays the current one.
bool IsStillImageFormat(const AVInputFormat* AFormat);

/// The probe every engine component creates: the stream information of TCustomAVProbe plus seeking and
/// decoding of a file the probe opened itself. A probe sharing another component's context refuses both
/// with an exception, since it must not move that context's reader.
class TAVProbe : public TCustomAVProbe {
public:
  explicit TAVProbe(TComponent* AOwner);
  ~TAVProbe() override;

  void CloseFile() override;

  /// Seeks to APTS microseconds (a byte position with sfByte) in the seek stream: the first video stream,
  /// else the first audio stream. A position of 0 or less seeks backward to the start.
  bool Seek(Int64 APTS, TSeekFlags ASeekFlags);
  /// Decodes the next picture of video stream AStreamIndex (-1: the stream decoded last, else the first
  /// video stream) into FrameInfo.
  bool Decode(int AStreamIndex = -1);
  bool DecodeNextKeyFrame(int AStreamIndex = -1);
  bool DecodePreviousFrame(int AStreamIndex = -1);
  bool DecodePreviousKeyFrame(int AStreamIndex = -1);
  /// Copies the current picture into ABitmap as 24-bit pixels; when it cannot be converted, ABitmap
  /// becomes a black picture of its size and the result is False.
  bool CopyToBitmap(TBitmap* ABitmap);

  /// Whether reading reached the end of the file; every Seek clears it.
  bool Eof() const { return FEOF; }
  const TFrameInfo& FrameInfo() const { return FPicture; }
  /// The reader's byte position; -1 with a report when there is none.
  Int64 Position();

protected:
  void InitStreamInfo() override;

private:
  /// False with a report when no file is open; raises when the context is shared.
  bool CheckOwnedFile();
  bool ChooseStream(int AStreamIndex, int& AIndex);
  bool OpenDecoder(int AIndex);
  void CloseDecoder();
  bool StorePicture(const AVFrame* AFrame, Int64 APosition);
  void ClearPicture();
  bool IsStillImage() const;
  Int64 ReaderPosition() const;
  Int64 FrameStepOf(int AIndex) const;

  AVCodecContext* FCodec { nullptr };
  int FCodecIndex { -1 };  // the stream FCodec decodes
  AVFrame* FFrame { nullptr };
  AVPacket* FPacket { nullptr };
  bool FDraining { false };  // the decoder was told the input ended
  TRGBConvertContext FRGBContext;
  int FSeekIndex { -1 };
  Int64 FStartTime { -1 };
  int FDecodeIndex { -1 };
  bool FEOF { false };
  TFrameInfo FPicture;
  Int64 FLastPTS { AV_NOPTS_VALUE };
  Int64 FLastPos { -1 };
};
