#include "tests/app/support/ProbedOutput.h"

#include <map>

#include "engine/libav/AVCodecStubs.h"
#include "engine/probe/AVProbe.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"

namespace {

// The cells a row's output follows.
constexpr int OutputCell = 2;
constexpr int VideoCodecCell = 10;
constexpr int AudioCodecCell = 11;
constexpr int ChannelsCell = 12;
constexpr int FrameSizeCell = 15;
constexpr int FrameRateCell = 17;
constexpr int SampleRateCell = 19;
constexpr int AudioOnlyCell = 21;

/// The codec an encoder of the cells writes (the encoders the engine stands in for included).
String CodecOf(const String& AEncoder) {
  static const std::map<String, String> Written { { "libmp3lame", "mp3" },  { "libx264", "h264" },
                                                  { "libxvid", "mpeg4" },   { "libfaac", "aac" },
                                                  { "libvorbis", "vorbis" }, { "libopencore_amrnb", "amr_nb" } };
  const auto It = Written.find(AEncoder);
  return It == Written.end() ? AEncoder : It->second;
}

/// The demuxer that reads a file of AExtension.
String ContainerOf(const String& AExtension) {
  static const std::map<String, String> Demuxers { { ".wmv", "asf" }, { ".asf", "asf" },   { ".wma", "asf" },
                                                   { ".mp3", "mp3" }, { ".avi", "avi" },   { ".mkv", "matroska,webm" },
                                                   { ".wav", "wav" }, { ".flac", "flac" } };
  const auto It = Demuxers.find(AExtension);
  return It == Demuxers.end() ? String("mov,mp4,m4a,3gp,3g2,mj2") : It->second;
}

}  // namespace

TProbedOutput ProbeOutput(const String& AFile) {
  TAVProbe Probe(nullptr);
  if (!Probe.LoadFile(AFile)) return { "unreadable: " + Probe.LastErrMsg() };
  // The codec's own short name, whichever decoder would read it.
  const auto CodecOfStream = [&](int AStream) {
    return String(LibAVCodec.avcodec_descriptor_get(Probe.FileHandle()->streams[AStream]->codecpar->codec_id)->name);
  };
  TProbedOutput Result { Probe.FormatName() };
  if (Probe.VideoStreamCount() > 0) {
    const TVideoStreamInfo Video = Probe.FirstVideoStreamInfo();
    Result.VideoCodec = CodecOfStream(Probe.FirstVideoStreamIndex());
    Result.FrameSize = IntToStr(Video.Width) + "*" + IntToStr(Video.Height);
    Result.FrameRate = Format("%.2f", double(Video.FrameRate.num) / Video.FrameRate.den);
  }
  const TAudioStreamInfo Audio = Probe.FirstAudioStreamInfo();
  Result.AudioCodec = CodecOfStream(Probe.FirstAudioStreamIndex());
  Result.SampleRate = IntToStr(Audio.SampleRate);
  Result.Channels = IntToStr(Audio.Channels);
  return Result;
}

TProbedOutput ExpectedOutput(const std::vector<String>& ACells) {
  const bool Video = ACells[AudioOnlyCell] != "True";
  return { ContainerOf(ExtractFileExt(ACells[OutputCell])),
           Video ? CodecOf(ACells[VideoCodecCell]) : String(),
           Video ? (ACells[FrameSizeCell].empty() ? String("320*240") : ACells[FrameSizeCell]) : String(),
           Video ? Format("%.2f", StrToFloat(ACells[FrameRateCell])) : String(),
           CodecOf(ACells[AudioCodecCell]),
           ACells[SampleRateCell],
           ACells[ChannelsCell] };
}
