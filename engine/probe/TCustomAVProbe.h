#pragma once
// Reading what a media file holds: its format, size, duration, bit rate, streams, tags and a description
// of each stream.
extern "C" {
#include <libavformat/avformat.h>
}

#include "engine/libav/TFFBaseComponent.h"

/// File-level facts of a probed file; times in microseconds, -1 for what the file does not give.
struct TFileStreamInfo {
  Int64 StartTime { -1 };
  Int64 Duration { -1 };
  int BitRate { -1 };     // bit/s
  Int64 TimeStamp { -1 };  // the file's creation time, seconds since 1970 UTC
  int Year { -1 };
  int Track { -1 };
  String Title;
  String Author;
  String Copyright;
  String Comment;
  String Album;
  String Genre;
};

/// The first audio stream of a probed file. StartTime and Duration are in the stream's time base, the
/// Scaled fields in microseconds; -1 for what the file does not give.
struct TAudioStreamInfo {
  String Language;
  String CodecName;
  Int64 StartTime { -1 };
  Int64 StartTimeScaled { -1 };
  Int64 Duration { -1 };
  Int64 DurationScaled { -1 };
  int BitRate { -1 };
  int Channels { -1 };
  int SampleRate { -1 };
  AVSampleFormat SampleFormat { AV_SAMPLE_FMT_NONE };
};

/// The first video stream of a probed file; times as in TAudioStreamInfo.
struct TVideoStreamInfo {
  String Language;
  String CodecName;
  Int64 StartTime { -1 };
  Int64 StartTimeScaled { -1 };
  Int64 Duration { -1 };
  Int64 DurationScaled { -1 };
  int BitRate { -1 };
  int Height { -1 };
  int Width { -1 };
  float AspectRatio { -1.0f };  // display aspect: Width * sample aspect / Height
  AVPixelFormat PixFmt { AV_PIX_FMT_NONE };
  AVRational FrameRate { -1, -1 };
};

/// The first subtitle stream of a probed file.
struct TSubtitleStreamInfo {
  String Language;
  String CodecName;
};

/// Opens a media file (or shares a context another part of the engine opened) and answers questions about
/// it. Failures set LastErrMsg and are logged through the process's logger with the probe as Sender;
/// sizes, counts and first indexes are -1 while no file is open. Used from one thread at a time.
class TCustomAVProbe : public TFFBaseComponent {
public:
  explicit TCustomAVProbe(TComponent* AOwner);
  ~TCustomAVProbe() override;

  /// Closes any open file, then opens AFileName (a plain path or a "unicode:utf8:" name) with the input
  /// format AFormatName, or a detected one when it is empty, and reads its stream information. False with
  /// LastErrMsg on failure. Raises Exception "LibAVCodec not loaded." (and the like) without libraries.
  bool LoadFile(const String& AFileName, const String& AFormatName = "");
  /// Forgets the open file, closing it when the probe opened it.
  virtual void CloseFile();
  /// Shares an open context without owning it; its owner keeps it open while the probe holds it.
  virtual void SetFileHandle(AVFormatContext* Value);
  AVFormatContext* FileHandle() const { return FFileHandle; }

  /// Whether stream AStreamIndex is of that kind; False with a report for no file or a bad index.
  bool IsAudioStream(int AStreamIndex);
  bool IsVideoStream(int AStreamIndex);
  bool IsSubtitleStream(int AStreamIndex);

  /// Whether the probe's library set is loaded.
  bool AVLibLoaded() const;
  /// Loads the probe's library set from APath (then the system); False with LastErrMsg on failure.
  bool LoadAVLib(const String& APath);
  void UnloadAVLib();

  /// The open file's name ("unicode:" names turned back into the path).
  String FileName();
  Int64 FileSize() const { return FFileSize; }
  /// The format name given to the last successful LoadFile.
  const String& ForceFormat() const { return FForceFormat; }
  String FormatName();
  String FormatLongName();
  int StreamCount() const { return FStreamCount; }
  int ProgramCount() const { return FProgramCount; }
  int AudioStreamCount() const { return FAudioStreamCount; }
  int VideoStreamCount() const { return FVideoStreamCount; }
  int SubtitleStreamCount() const { return FSubtitleStreamCount; }
  int FirstAudioStreamIndex() const { return FFirstAudioStreamIndex; }
  int FirstVideoStreamIndex() const { return FFirstVideoStreamIndex; }
  int FirstSubtitleStreamIndex() const { return FFirstSubtitleStreamIndex; }
  TFileStreamInfo FileStreamInfo();
  TAudioStreamInfo FirstAudioStreamInfo();
  TVideoStreamInfo FirstVideoStreamInfo();
  TSubtitleStreamInfo FirstSubtitleStreamInfo();
  /// A description of the file and each of its streams, every line ended by CR LF.
  String FileInfoText();
  const String& LastErrMsg() const { return FLastErrMsg; }

protected:
  /// Recomputes size, counts and first indexes from the open context.
  virtual void InitStreamInfo();
  /// Sets LastErrMsg to AMsg and logs it at the FFmpeg level AAVLevel.
  void ReportError(const String& AMsg, int AAVLevel);
  /// Logs AMsg at the FFmpeg level AAVLevel without touching LastErrMsg.
  void LogMessage(const String& AMsg, int AAVLevel);
  /// Whether the open context was opened by the probe itself.
  bool OwnHandle() const { return FOwnHandle; }
  void SetLastErrMsg(const String& Value) { FLastErrMsg = Value; }

private:
  /// False with "file not loaded." reported when no file is open.
  bool CheckFileLoaded();
  bool IsStreamOfType(int AStreamIndex, AVMediaType AType);

  AVFormatContext* FFileHandle { nullptr };
  bool FOwnHandle { false };
  String FLastErrMsg;
  String FForceFormat;
  Int64 FFileSize { -1 };
  int FStreamCount { -1 };
  int FProgramCount { -1 };
  int FAudioStreamCount { -1 };
  int FVideoStreamCount { -1 };
  int FSubtitleStreamCount { -1 };
  int FFirstAudioStreamIndex { -1 };
  int FFirstVideoStreamIndex { -1 };
  int FFirstSubtitleStreamIndex { -1 };
};
