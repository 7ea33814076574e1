#include "engine/probe/TCustomAVProbe.h"

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <vector>

#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFUtils.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/FFmpegLogger.h"
#include "engine/libav/MyUtils.h"
#include "engine/probe/StreamInfoText.h"
#include "engine/libav/TCodecLockScope.h"
#include "engine/libav/UnicodeProtocol.h"
#include "platform/base/DateUtils.h"
#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"

namespace {

void CheckLibraries() {
  static constexpr std::pair<TLibrary, const char*> Needed[] = {
    { avCodec, "LibAVCodec not loaded." },
    { avFormat, "LibAVFormat not loaded." },
    { avUtil, "LibAVUtil not loaded." },
    { swScale, "LibSwScale not loaded." },
  };
  for (const auto& [Library, Text] : Needed)
    if (!FFLoader.Loaded(Library)) throw Exception(Text);
}

String ContextFileName(const AVFormatContext* AContext) { return AContext->url ? FFmpegToName(AContext->url) : String(); }

int ToInt(int64_t AValue) { return int(std::clamp<int64_t>(AValue, INT_MIN, INT_MAX)); }

Int64 ValueOrNone(Int64 ATime) { return ATime == AV_NOPTS_VALUE ? -1 : ATime; }

/// The value of the first of AKeys present in AMetadata. Tags are read under their current FFmpeg names
/// first and under the names of older FFmpeg generations after them.
String TagValue(const AVDictionary* AMetadata, std::initializer_list<const char*> AKeys, const String& ADefault = "") {
  for (const char* Key : AKeys)
    if (LibAVUtil.av_dict_get(AMetadata, Key, nullptr, 0)) return MetadataValue(AMetadata, Key, ADefault);
  return ADefault;
}

/// The number a tag starts with ("2009-05-01" → 2009, "3/12" → 3); -1 without one.
int LeadingNumber(const String& AText) {
  const String Text = Trim(AText);
  const auto End = std::ranges::find_if(Text, [](char C) { return C < '0' || C > '9'; });
  return StrToIntDef(String(Text.begin(), End), -1);
}

/// The file's creation time in seconds since 1970 UTC; -1 when the file does not give a readable one.
Int64 CreationTime(const AVDictionary* AMetadata) {
  const String Text = MetadataValue(AMetadata, "creation_time", "");
  int64_t Microseconds = 0;
  if (Text.empty() || LibAVUtil.av_parse_time(&Microseconds, Text.c_str(), 0) < 0) return -1;
  return Microseconds / 1000000;
}

template <class TRecord> void FillStreamTexts(TRecord& ARecord, const AVStream* AStream) {
  ARecord.Language = MetadataValue(AStream->metadata, "language", "");
  ARecord.CodecName = CodecNameText(AStream->codecpar, false);
}

template <class TRecord> void FillStreamTimes(TRecord& ARecord, const AVStream* AStream) {
  ARecord.StartTime = ValueOrNone(AStream->start_time);
  ARecord.Duration = ValueOrNone(AStream->duration);
  if (AStream->start_time != AV_NOPTS_VALUE) ARecord.StartTimeScaled = ToMicroseconds(AStream->start_time, AStream->time_base);
  if (AStream->duration != AV_NOPTS_VALUE) ARecord.DurationScaled = ToMicroseconds(AStream->duration, AStream->time_base);
}

String JoinLines(const std::vector<String>& ALines) {
  String Result;
  for (const String& Line : ALines) Result += Line + "\r\n";
  return Result;
}

}  // namespace

TCustomAVProbe::TCustomAVProbe(TComponent* AOwner) : TFFBaseComponent(AOwner) { InitStreamInfo(); }

TCustomAVProbe::~TCustomAVProbe() { CloseFile(); }

bool TCustomAVProbe::LoadFile(const String& AFileName, const String& AFormatName) {
  CheckLibraries();
  CloseFile();
  const AVInputFormat* InputFormat = nullptr;
  if (!AFormatName.empty()) {
    InputFormat = LibAVFormat.av_find_input_format(AFormatName.c_str());
    if (!InputFormat) {
      FLastErrMsg = Format("Unknown input format: %s", AFormatName);
      return false;
    }
  }
  if (const String Refusal = InputRefusal(AFileName); !Refusal.empty()) {
    ReportError(AFileName + ": " + Refusal, AV_LOG_ERROR);
    return false;
  }
  FFileHandle = LibAVFormat.avformat_alloc_context();
  if (!FFileHandle) {
    ReportError(ErrorText(AFileName, AVERROR(ENOMEM)), AV_LOG_ERROR);
    return false;
  }
  FOwnHandle = true;
  FFileHandle->flags |= AVFMT_FLAG_NONBLOCK;
  // A failed open frees the context and clears FFileHandle.
  const int Opened = UnicodeOpenInput(&FFileHandle, AFileName, InputFormat, nullptr);
  if (Opened < 0) {
    ReportError(ErrorText(AFileName, Opened), AV_LOG_ERROR);
    CloseFile();
    return false;
  }
  int Found;
  {
    // Reading the stream information opens and closes decoders.
    TCodecLockScope Lock;
    Found = LibAVFormat.avformat_find_stream_info(FFileHandle, nullptr);
  }
  if (Found < 0) {
    FLastErrMsg = Format("%s: could not find codec parameters", AFileName);
    CloseFile();
    return false;
  }
  InitStreamInfo();
  FForceFormat = AFormatName;
  return true;
}

void TCustomAVProbe::CloseFile() {
  FForceFormat.clear();
  if (FFileHandle && FOwnHandle) UnicodeCloseInput(&FFileHandle);
  FFileHandle = nullptr;
  InitStreamInfo();
}

void TCustomAVProbe::SetFileHandle(AVFormatContext* Value) {
  CheckLibraries();
  CloseFile();
  FOwnHandle = false;
  FFileHandle = Value;
  InitStreamInfo();
}

void TCustomAVProbe::InitStreamInfo() {
  FFileSize = -1;
  FStreamCount = FProgramCount = -1;
  FAudioStreamCount = FVideoStreamCount = FSubtitleStreamCount = -1;
  FFirstAudioStreamIndex = FFirstVideoStreamIndex = FFirstSubtitleStreamIndex = -1;
  if (!FFileHandle) return;
  FFileSize = FFileHandle->pb ? LibAVFormat.avio_size(FFileHandle->pb) : 0;
  if (FFileSize <= 0) {
    const String Name = ContextFileName(FFileHandle);
    if (!Name.empty() && FileExists(Name)) FFileSize = FileSizeOf(Name);
  }
  FStreamCount = int(FFileHandle->nb_streams);
  FProgramCount = int(FFileHandle->nb_programs);
  FAudioStreamCount = FVideoStreamCount = FSubtitleStreamCount = 0;
  for (int I = 0; I < FStreamCount; ++I) {
    const auto Record = [I](int& ACount, int& AFirst) {
      if (ACount++ == 0) AFirst = I;
    };
    switch (FFileHandle->streams[I]->codecpar->codec_type) {
      case AVMEDIA_TYPE_VIDEO: Record(FVideoStreamCount, FFirstVideoStreamIndex); break;
      case AVMEDIA_TYPE_AUDIO: Record(FAudioStreamCount, FFirstAudioStreamIndex); break;
      case AVMEDIA_TYPE_SUBTITLE: Record(FSubtitleStreamCount, FFirstSubtitleStreamIndex); break;
      default: break;
    }
  }
}

bool TCustomAVProbe::IsAudioStream(int AStreamIndex) { return IsStreamOfType(AStreamIndex, AVMEDIA_TYPE_AUDIO); }

bool TCustomAVProbe::IsVideoStream(int AStreamIndex) { return IsStreamOfType(AStreamIndex, AVMEDIA_TYPE_VIDEO); }

bool TCustomAVProbe::IsSubtitleStream(int AStreamIndex) { return IsStreamOfType(AStreamIndex, AVMEDIA_TYPE_SUBTITLE); }

bool TCustomAVProbe::IsStreamOfType(int AStreamIndex, AVMediaType AType) {
  if (!CheckFileLoaded()) return false;
  if (AStreamIndex < 0 || AStreamIndex >= FStreamCount) {
    ReportError(Format("stream index #%d is invalid.", AStreamIndex), AV_LOG_ERROR);
    return false;
  }
  return FFileHandle->streams[AStreamIndex]->codecpar->codec_type == AType;
}

bool TCustomAVProbe::AVLibLoaded() const { return FFLoader.Loaded(ProbeLibraries); }

bool TCustomAVProbe::LoadAVLib(const String& APath) { return ::LoadAVLib(APath, ProbeLibraries, FLastErrMsg); }

void TCustomAVProbe::UnloadAVLib() { FFLoader.Unload(ProbeLibraries); }

String TCustomAVProbe::FileName() { return CheckFileLoaded() ? ContextFileName(FFileHandle) : String(); }

String TCustomAVProbe::FormatName() { return CheckFileLoaded() ? String(FFileHandle->iformat->name) : String(); }

String TCustomAVProbe::FormatLongName() {
  if (!CheckFileLoaded()) return String();
  return FFileHandle->iformat->long_name ? String(FFileHandle->iformat->long_name) : String();
}

TFileStreamInfo TCustomAVProbe::FileStreamInfo() {
  TFileStreamInfo Info;
  if (!CheckFileLoaded()) return Info;
  const AVDictionary* Tags = FFileHandle->metadata;
  Info.StartTime = ValueOrNone(FFileHandle->start_time);
  Info.Duration = ValueOrNone(FFileHandle->duration);
  Info.BitRate = ToInt(FFileHandle->bit_rate);
  Info.TimeStamp = CreationTime(Tags);
  Info.Year = LeadingNumber(TagValue(Tags, { "date", "year" }));
  Info.Track = LeadingNumber(MetadataValue(Tags, "track", ""));
  Info.Title = MetadataValue(Tags, "title", "");
  Info.Author = TagValue(Tags, { "author", "artist" });
  Info.Copyright = MetadataValue(Tags, "copyright", "");
  Info.Comment = MetadataValue(Tags, "comment", "");
  Info.Album = MetadataValue(Tags, "album", "");
  Info.Genre = MetadataValue(Tags, "genre", "");
  return Info;
}

TAudioStreamInfo TCustomAVProbe::FirstAudioStreamInfo() {
  TAudioStreamInfo Info;
  if (!CheckFileLoaded()) return Info;
  if (FFirstAudioStreamIndex < 0) {
    ReportError("no audio stream.", AV_LOG_ERROR);
    return Info;
  }
  const AVStream* Stream = FFileHandle->streams[FFirstAudioStreamIndex];
  const AVCodecParameters* Codec = Stream->codecpar;
  FillStreamTexts(Info, Stream);
  FillStreamTimes(Info, Stream);
  Info.BitRate = ToInt(Codec->bit_rate);
  Info.Channels = Codec->ch_layout.nb_channels;
  Info.SampleRate = Codec->sample_rate;
  Info.SampleFormat = AVSampleFormat(Codec->format);
  return Info;
}

TVideoStreamInfo TCustomAVProbe::FirstVideoStreamInfo() {
  TVideoStreamInfo Info;
  if (!CheckFileLoaded()) return Info;
  if (FFirstVideoStreamIndex < 0) {
    ReportError("no video stream.", AV_LOG_ERROR);
    return Info;
  }
  const AVStream* Stream = FFileHandle->streams[FFirstVideoStreamIndex];
  const AVCodecParameters* Codec = Stream->codecpar;
  FillStreamTexts(Info, Stream);
  FillStreamTimes(Info, Stream);
  Info.BitRate = ToInt(Codec->bit_rate);
  Info.Height = Codec->height;
  Info.Width = Codec->width;
  // A file that does not give its pixel shape (0/1) has a display aspect of 0.
  const AVRational Aspect = Codec->sample_aspect_ratio;
  if (Codec->height > 0 && Aspect.den > 0)
    Info.AspectRatio = float(Codec->width * av_q2d(Aspect) / Codec->height);
  Info.PixFmt = AVPixelFormat(Codec->format);
  Info.FrameRate = Stream->r_frame_rate;
  return Info;
}

TSubtitleStreamInfo TCustomAVProbe::FirstSubtitleStreamInfo() {
  TSubtitleStreamInfo Info;
  if (!CheckFileLoaded()) return Info;
  if (FFirstSubtitleStreamIndex < 0) {
    ReportError("no subtitle stream.", AV_LOG_ERROR);
    return Info;
  }
  FillStreamTexts(Info, FFileHandle->streams[FFirstSubtitleStreamIndex]);
  return Info;
}

String TCustomAVProbe::FileInfoText() {
  if (!CheckFileLoaded()) return String();
  const TFileStreamInfo Info = FileStreamInfo();
  std::vector<String> Lines;
  Lines.push_back(Format("File Name: %s", ContextFileName(FFileHandle)));
  Lines.push_back(Format("Format Name: %s", FormatName()));
  Lines.push_back(Format("Format Long Name: %s", FormatLongName()));
  Lines.push_back(Format("File Size: %s", SizeToText(FFileSize)));
  Lines.push_back(Info.Duration < 0 ? String("Duration: N/A") : Format("Duration: %s", TimeToText(Info.Duration)));
  if (Info.StartTime >= 0) Lines.push_back("StartTime: " + SecondsText(Info.StartTime));
  Lines.push_back(Info.BitRate < 1 ? String("Bit Rate: N/A") : Format("Bit Rate: %d kb/s", Info.BitRate / 1000));
  if (Info.TimeStamp > 0)
    Lines.push_back(Format("Time Stamp: %s", FormatDateTime("yyyy-mm-dd hh:nn:ss", UnixToLocalDateTime(Info.TimeStamp))));
  AddMetadataBlock(Lines, FFileHandle->metadata, "");
  std::vector<bool> Shown(FStreamCount, false);
  for (unsigned P = 0; P < FFileHandle->nb_programs; ++P) {
    const AVProgram* Program = FFileHandle->programs[P];
    Lines.push_back(Format("Program %d %s@%s", Program->id,
                           TagValue(Program->metadata, { "service_provider", "provider_name" }, "N/A"),
                           TagValue(Program->metadata, { "service_name", "name" }, "N/A")));
    AddMetadataBlock(Lines, Program->metadata, "  ");
    for (unsigned S = 0; S < Program->nb_stream_indexes; ++S) {
      const unsigned Index = Program->stream_index[S];
      if (Index >= Shown.size()) continue;
      AddStreamLines(Lines, FFileHandle, int(Index));
      Shown[Index] = true;
    }
  }
  for (int I = 0; I < FStreamCount; ++I)
    if (!Shown[I]) AddStreamLines(Lines, FFileHandle, I);
  return JoinLines(Lines);
}

void TCustomAVProbe::ReportError(const String& AMsg, int AAVLevel) {
  FLastErrMsg = AMsg;
  LogMessage(AMsg, AAVLevel);
}

void TCustomAVProbe::LogMessage(const String& AMsg, int AAVLevel) { GlobalLogger()->Log(this, AVToLogLevel(AAVLevel), AMsg); }

bool TCustomAVProbe::CheckFileLoaded() {
  if (FFileHandle) return true;
  ReportError("file not loaded.", AV_LOG_WARNING);
  return false;
}
