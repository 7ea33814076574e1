#include "tests/app/sweep/SweepFormats.h"

#include <cmath>
#include <map>
#include <ostream>

#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/FormatParameters.h"
#include "engine/libav/AVCodecStubs.h"
#include "engine/probe/AVProbe.h"
#include "platform/base/SysUtils.h"

namespace {

/// The size, rate and sound of the clips the sweep converts, kept where a format leaves them.
constexpr const char* SourceFrameSize = "320*240";
constexpr double SourceFrameRate = 25;
constexpr const char* SourceSampleRate = "44100";
constexpr const char* SourceChannels = "2";

/// How an output extension is muxed: the demuxer that reads it back, and the encoders the muxer takes
/// when a format names none.
struct TMuxing {
  const char* Demuxer;
  const char* VideoEncoder;
  const char* AudioEncoder;
};

const TMuxing& MuxingOf(const String& AExtension) {
  static const std::map<String, TMuxing> Table {
    { ".wmv", { "asf", "msmpeg4", "wmav2" } },
    { ".asf", { "asf", "msmpeg4", "wmav2" } },
    { ".wma", { "asf", "msmpeg4", "wmav2" } },
    { ".avi", { "avi", "mpeg4", "libmp3lame" } },
    { ".mp4", { "mov,mp4,m4a,3gp,3g2,mj2", "libx264", "aac" } },
    { ".mov", { "mov,mp4,m4a,3gp,3g2,mj2", "libx264", "aac" } },
    { ".3gp", { "mov,mp4,m4a,3gp,3g2,mj2", "h263", "libopencore_amrnb" } },
    { ".3g2", { "mov,mp4,m4a,3gp,3g2,mj2", "h263", "libopencore_amrnb" } },
    { ".m4a", { "mov,mp4,m4a,3gp,3g2,mj2", "libx264", "aac" } },
    { ".mkv", { "matroska,webm", "libx264", "libvorbis" } },
    { ".vob", { "mpeg", "mpeg2video", "mp2" } },
    { ".mpg", { "mpeg", "mpeg1video", "mp2" } },
    { ".mpeg", { "mpeg", "mpeg1video", "mp2" } },
    { ".flv", { "flv", "flv", "libmp3lame" } },
    { ".swf", { "swf", "flv", "libmp3lame" } },
    { ".rm", { "rm", "rv10", "ac3" } },
    { ".ra", { "rm", "rv10", "ac3" } },
    { ".mp3", { "mp3", "", "libmp3lame" } },
    { ".mp2", { "mp3", "", "mp2" } },
    { ".wav", { "wav", "", "pcm_s16le" } },
    { ".aac", { "aac", "", "aac" } },
    { ".ogg", { "ogg", "", "libvorbis" } },
    { ".ac3", { "ac3", "", "ac3" } },
    { ".aiff", { "aiff", "", "pcm_s16be" } },
    { ".flac", { "flac", "", "flac" } },
    { ".amr", { "amr", "", "libopencore_amrnb" } },
  };
  static const TMuxing Unknown { "no muxer for this extension", "", "" };
  const auto Found = Table.find(AExtension);
  return Found == Table.end() ? Unknown : Found->second;
}

/// What a DVD, SVCD or VCD target sets, PAL.
struct TTarget {
  const char* VideoEncoder;
  const char* AudioEncoder;
  const char* FrameSize;
  const char* SampleRate;
};

const TTarget* TargetOf(std::string_view AType) {
  static const std::map<std::string_view, TTarget> Table {
    { "dvd", { "mpeg2video", "ac3", "720*576", "48000" } },
    { "svcd", { "mpeg2video", "mp2", "480*576", "44100" } },
    { "vcd", { "mpeg1video", "mp2", "352*288", "44100" } },
  };
  const auto Found = Table.find(AType);
  return Found == Table.end() ? nullptr : &Found->second;
}

struct TEncoders {
  String Video;  // empty without video
  String Audio;
};

TEncoders EncodersOf(const FormatParameters& AParams, const String& AExtension) {
  const TMuxing& Muxing = MuxingOf(AExtension);
  const TTarget* Target = TargetOf(AParams.TargetType);
  const auto Choose = [](std::string_view AOwn, const char* ATarget, const char* AMuxer) {
    return !AOwn.empty() ? String(AOwn) : String(ATarget ? ATarget : AMuxer);
  };
  String Audio = Choose(AParams.AudioCodec, Target ? Target->AudioEncoder : nullptr, Muxing.AudioEncoder);
  // MPEG program streams take no AAC: the engine gives them their own audio codec for "libfaac".
  if (Audio == "libfaac" && String(Muxing.Demuxer) == "mpeg") Audio = Muxing.AudioEncoder;
  return { AParams.DisableVideo ? String() : Choose(AParams.VideoCodec, Target ? Target->VideoEncoder : nullptr, Muxing.VideoEncoder),
           Audio };
}

/// The codec an encoder writes, by the codec's own short name.
String CodecOf(const String& AEncoder) {
  static const std::map<String, String> Renamed {
    { "libx264", "h264" },      { "libxvid", "mpeg4" },  { "msmpeg4", "msmpeg4v3" },
    { "libmp3lame", "mp3" },    { "libfaac", "aac" },    { "libopencore_amrnb", "amr_nb" },
    { "libvorbis", "vorbis" },  { "flv", "flv1" },
  };
  const auto Found = Renamed.find(AEncoder);
  return Found == Renamed.end() ? AEncoder : Found->second;
}

/// The rate an encoder writes for ARate: MPEG-1 and MPEG-2 take the nearest of the rates they can
/// signal, the others the rate itself.
double WrittenFrameRate(const String& AEncoder, double ARate) {
  if (AEncoder != "mpeg1video" && AEncoder != "mpeg2video") return ARate;
  static constexpr double Listed[] = { 24000.0 / 1001, 24, 25, 30000.0 / 1001, 30, 50, 60000.0 / 1001, 60 };
  double Nearest = Listed[0];
  for (double Rate : Listed)
    if (std::abs(Rate - ARate) < std::abs(Nearest - ARate)) Nearest = Rate;
  return Nearest;
}

String RateText(double ARate) { return Format("%.2f", ARate); }

}  // namespace

std::vector<TSweepFormat> SweepFormats() {
  std::vector<TSweepFormat> Formats;
  const auto Categories = FormatCategories();
  for (int Category = 0; Category < int(Categories.size()); ++Category)
    for (int Format = 0; Format < int(Categories[Category].Formats.size()); ++Format) {
      const int Key = FormatKey(Category, Format);
      const String Caption(Categories[Category].Formats[Format]);
      const TEncoders Encoders = EncodersOf(*FindFormatParameters(Key), FormatExtension(Caption));
      Formats.push_back({ Category, Format, Key, Caption, Encoders.Video.empty() ? Encoders.Audio : Encoders.Video });
    }
  return Formats;
}

TProbedOutput ExpectedOutput(const TSweepFormat& AFormat, const String& AFrameSize) {
  const FormatParameters& Params = *FindFormatParameters(AFormat.Key);
  const String Extension = FormatExtension(AFormat.Caption);
  const TEncoders Encoders = EncodersOf(Params, Extension);
  const TTarget* Target = TargetOf(Params.TargetType);
  const auto Own = [](std::string_view AValue, const char* ADefault) {
    return AValue.empty() ? String(ADefault) : String(AValue);
  };
  TProbedOutput Expected;
  Expected.Container = MuxingOf(Extension).Demuxer;
  if (!Encoders.Video.empty()) {
    Expected.VideoCodec = CodecOf(Encoders.Video);
    Expected.FrameSize = !AFrameSize.empty() ? AFrameSize : Target ? String(Target->FrameSize) : Own(Params.FrameSize, SourceFrameSize);
    const double Rate = Params.FrameRate.empty() ? SourceFrameRate : std::stod(String(Params.FrameRate));
    Expected.FrameRate = RateText(WrittenFrameRate(Encoders.Video, Rate));
  }
  Expected.AudioCodec = CodecOf(Encoders.Audio);
  Expected.SampleRate = Target ? String(Target->SampleRate) : Own(Params.AudioSampleRate, SourceSampleRate);
  Expected.Channels = Target ? String(SourceChannels) : Own(Params.AudioChannels, SourceChannels);
  return Expected;
}

TProbedOutput ProbeOutput(const String& AFileName) {
  TAVProbe Probe(nullptr);
  TProbedOutput Probed;
  if (!Probe.LoadFile(AFileName)) {
    Probed.Container = "unreadable: " + Probe.LastErrMsg();
    return Probed;
  }
  const auto CodecOf = [&](int AStream) {
    return String(LibAVCodec.avcodec_descriptor_get(Probe.FileHandle()->streams[AStream]->codecpar->codec_id)->name);
  };
  Probed.Container = Probe.FormatName();
  if (Probe.VideoStreamCount() > 0) {
    const TVideoStreamInfo Video = Probe.FirstVideoStreamInfo();
    Probed.VideoCodec = CodecOf(Probe.FirstVideoStreamIndex());
    Probed.FrameSize = IntToStr(Video.Width) + "*" + IntToStr(Video.Height);
    Probed.FrameRate = Video.FrameRate.den > 0 ? RateText(double(Video.FrameRate.num) / Video.FrameRate.den) : String("none");
  }
  if (Probe.AudioStreamCount() > 0) {
    const TAudioStreamInfo Audio = Probe.FirstAudioStreamInfo();
    Probed.AudioCodec = CodecOf(Probe.FirstAudioStreamIndex());
    Probed.SampleRate = IntToStr(Audio.SampleRate);
    Probed.Channels = IntToStr(Audio.Channels);
  }
  return Probed;
}

std::ostream& operator<<(std::ostream& Out, const TProbedOutput& Output) {
  Out << Output.Container << " | ";
  if (!Output.VideoCodec.empty()) Out << Output.VideoCodec << " " << Output.FrameSize << " @" << Output.FrameRate << " | ";
  return Out << Output.AudioCodec << " " << Output.SampleRate << " Hz x" << Output.Channels;
}
