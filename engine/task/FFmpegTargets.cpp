// The option handlers that configure more than one value: targets, passes, quantiser matrices, the
// statistics file, bitstream filters and encoder presets.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "engine/task/TOptionsPreset.h"
#include "platform/base/DateUtils.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TFileStream.h"

namespace {

enum TNorm { nmPAL, nmNTSC, nmFILM };
const char* const NormFrameRates[] = { "25", "30000/1001", "24000/1001" };

/// The norm a frame rate in thousandths of frames per second belongs to, or -1.
int NormOfRate(Int64 AMilliRate) {
  if (AMilliRate == 25000) return nmPAL;
  if (AMilliRate == 29970 || AMilliRate == 23976) return nmNTSC;
  return -1;
}

Int64 MilliRate(AVRational ARate) { return std::llround(double(ARate.num) * 1000 / ARate.den); }

/// The 64 coefficients of AText ("c0,c1,...,c63"). A coefficient outside 1 to 255 would make the encoder
/// divide by zero or be cut, so it is refused like a missing separator.
std::vector<uint16_t> ParseMatrix(const String& AText) {
  std::vector<uint16_t> Matrix(64);
  const char* Piece = AText.c_str();
  for (int I = 0; I < 64; ++I) {
    const long Value = std::strtol(Piece, nullptr, 10);
    if (I < 63) Piece = std::strchr(Piece, ',');
    if (Value < 1 || Value > 255 || !Piece) throw FFmpegException(Format("Syntax error in matrix \"%s\" at coeff %d", AText, I));
    Matrix[I] = uint16_t(Value);
    ++Piece;
  }
  return Matrix;
}

String ReadPresetFile(const String& AFileName) {
  TFileStream File(AFileName, fmOpenRead | fmShareDenyNone);
  String Text(size_t(File.Size()), '\0');
  if (!Text.empty()) File.ReadBuffer(Text.data(), Int64(Text.size()));
  return Text;
}

/// ATrimmed with every line break (CR LF, CR, LF) turned into LF.
String UnifiedLineBreaks(const String& AText) {
  return StringReplace(StringReplace(AText, "\r\n", "\n", TReplaceFlags{ rfReplaceAll }), "\r", "\n", TReplaceFlags{ rfReplaceAll });
}

String InvalidLine(const String& ADisplayName, const String& ALine, const String& AOption, const String& AValue) {
  return Format("%s: Invalid option or argument: \"%s\", parsed as \"%s\" = \"%s\"", ADisplayName, ALine, AOption, AValue);
}

/// Applies one preset line for libx264 under today's option names; a line, or a part of one, that has no
/// equivalent any more is left out with a warning through AWarn.
void ApplyX264PresetLine(TFFOptions& AOptions, const String& ADisplayName, const String& ALine, const String& AOption,
                         const String& AValue, const std::function<void(const String&)>& AWarn) {
  const AVCodec* X264 = LibAVCodec.avcodec_find_encoder_by_name("libx264");
  const auto Current = [&](const String& AName) {
    const AVDictionaryEntry* Entry = LibAVUtil.av_dict_get(AOptions.EncoderOptions(AVMEDIA_TYPE_VIDEO), AName.c_str(), nullptr, 0);
    return Entry ? String(Entry->value) : String();
  };
  const auto Known = [&](const String& AName) {
    const AVClass* const* Private = X264 ? &X264->priv_class : nullptr;
    return LibAVUtil.av_opt_find(AOptions.CodecHolder(AVMEDIA_TYPE_VIDEO), AName.c_str(), nullptr, 0, 0) ||
           (Private && *Private &&
            LibAVUtil.av_opt_find2(const_cast<const AVClass**>(Private), AName.c_str(), nullptr, 0, AV_OPT_SEARCH_FAKE_OBJ, nullptr));
  };
  const String Skipped = Format("%s: option line \"%s\" has no equivalent in this FFmpeg version, skipped", ADisplayName, ALine);
  std::vector<String> Unknown;
  const TOptionPairs Translated = TranslateX264PresetLine(AOption, AValue, Current, Unknown);
  if (!Unknown.empty()) AWarn(Skipped);
  for (const auto& [Name, Value] : Translated) {
    if (!Known(Name)) {
      AWarn(Skipped);
      continue;
    }
    if (!AOptions.SetOption(Name, Value)) throw FFmpegException(InvalidLine(ADisplayName, ALine, AOption, AValue));
  }
}

}  // namespace

void TCustomFFmpeg::SetTarget(const String& TargetType, const String& Norm, const String& DefaultNorm) {
  int N = Norm == "pal" ? nmPAL : Norm == "ntsc" ? nmNTSC : Norm == "film" ? nmFILM : -1;
  if (N < 0) {
    if (FSettings.Fframe_rate.den == 0) throw FFmpegException("frame_rate is invalid.");
    N = NormOfRate(MilliRate(FSettings.Fframe_rate));
    for (int I = 0; I < Fnb_input_files && N < 0; ++I) {
      const AVFormatContext* Input = Finput_files[I]->Context;
      for (unsigned S = 0; S < Input->nb_streams && N < 0; ++S) {
        const AVStream* Stream = Input->streams[S];
        if (Stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO) continue;
        // The decoder's time base of older libraries is the stream's frame rate here.
        const AVRational Rate = Stream->r_frame_rate.den ? Stream->r_frame_rate : Stream->avg_frame_rate;
        if (Rate.den) N = NormOfRate(MilliRate(Rate));
      }
    }
    if (N < 0) N = DefaultNorm == "film" ? nmFILM : DefaultNorm == "ntsc" ? nmNTSC : nmPAL;
    if (FSettings.Fverbose > 0) Log(llVerbose, Format("Assuming %s for target.", N == nmPAL ? "PAL" : "NTSC"));
  }
  const bool PAL = N == nmPAL;
  const auto Set = [this](const char* AName, const String& AValue) { SetCodecOption(AName, AValue); };
  const auto Common = [&](const char* AVideo, const char* AAudio, const char* AFormat, const char* APalSize,
                          const char* AOtherSize) {
    ApplyOption("vcodec", AVideo);
    ApplyOption("acodec", AAudio);
    OptFormat(AFormat);
    OptFrameSize(PAL ? APalSize : AOtherSize);
    OptFrameRate(NormFrameRates[N]);
    Set("g", PAL ? "15" : "18");
  };
  const auto Aspect = [&](const char* AAspect) {
    if (FSettings.Fframe_aspect_ratio != 0) return;
    Log(llInfo, Format("Assuming %s for aspect ratio", AAspect));
    OptAspect(AAspect);
  };
  if (TargetType == "vcd") {
    Common("mpeg1video", "mp2", "vcd", "352x288", "352x240");
    Set("b", "1150000");
    Set("maxrate", "1150000");
    Set("minrate", "1150000");
    Set("bufsize", "327680");
    Set("ab", "224000");
    FSettings.Faudio_sample_rate = 44100;
    FSettings.Faudio_channels = 2;
    Set("packetsize", "2324");
    Set("muxrate", "1411200");
    FSettings.Fmux_preload = 0.44f;
    Aspect("4:3");
  } else if (TargetType == "svcd") {
    Common("mpeg2video", "mp2", "svcd", "480x576", "480x480");
    Set("b", "2040000");
    Set("maxrate", "2516000");
    Set("minrate", "0");
    Set("bufsize", "1835008");
    // The scan offset is a private option of the MPEG-2 encoder now, no longer a codec flag.
    Set("scan_offset", "1");
    Set("ab", "224000");
    FSettings.Faudio_sample_rate = 44100;
    Set("packetsize", "2324");
    if (FSettings.Faudio_channels == 1) FSettings.Faudio_channels = 2;
    Aspect("4:3");
  } else if (TargetType == "dvd") {
    Common("mpeg2video", "ac3", "dvd", "720x576", "720x480");
    Set("b", "6000000");
    Set("maxrate", "9000000");
    Set("minrate", "0");
    Set("bufsize", "1835008");
    Set("packetsize", "2048");
    Set("muxrate", "10080000");
    Set("ab", "448000");
    FSettings.Faudio_sample_rate = 48000;
    if (FSettings.Faudio_channels == 1) FSettings.Faudio_channels = 2;
    Aspect("16:9");
  } else if (TargetType == "dv" || TargetType == "dv50") {
    OptFormat("dv");
    OptFrameSize(PAL ? "720x576" : "720x480");
    OptPixelFormat(TargetType == "dv50" ? "yuv422p" : PAL ? "yuv420p" : "yuv411p");
    OptFrameRate(NormFrameRates[N]);
    FSettings.Faudio_sample_rate = 48000;
    FSettings.Faudio_channels = 2;
  } else {
    throw FFmpegException("Unknown target type");
  }
}

void TCustomFFmpeg::SetPass(int N) {
  if (N != 1 && N != 2) throw FFmpegException("pass number can be only 1 or 2");
  FSettings.Fdo_pass = N;
}

// A refused matrix leaves the one given before in force, so no zero coefficient ever reaches an encoder.
void TCustomFFmpeg::SetIntraMatrix(const String& Text) { FSettings.Fintra_matrix = ParseMatrix(Text); }
void TCustomFFmpeg::SetInterMatrix(const String& Text) { FSettings.Finter_matrix = ParseMatrix(Text); }

void TCustomFFmpeg::SetVStatsFile(const String& Name) { FSettings.Fvstats_filename = Name; }

void TCustomFFmpeg::SetVStats(bool On) {
  FSettings.Fvstats_filename.clear();
  if (On) FSettings.Fvstats_filename = Format("%svstats_%s.log", ExePath(), FormatDateTime("hhnnss", Now()));
}

void TCustomFFmpeg::AddBitstreamFilter(const String& Kind, const String& Text) {
  if (Kind.empty() || Text.empty() || Text[0] == '=') return;
  const String Name = Text.substr(0, Text.find('='));
  if (!LibAVCodec.av_bsf_get_by_name(Name.c_str())) throw FFmpegException(Format("Unknown bitstream filter %s", Trim(Text)));
  TBitstreamFilterChain& Chain = Kind[0] == 'v'   ? FSettings.Fvideo_bitstream_filters
                                 : Kind[0] == 'a' ? FSettings.Faudio_bitstream_filters
                                                  : FSettings.Fsubtitle_bitstream_filters;
  Chain.push_back(Name);
}

void TCustomFFmpeg::ApplyPreset(const String& Kind, const String& Name) {
  if (Kind.empty() || Name.empty()) return;
  String DisplayName = Name;
  String Text;
  if (Kind[0] != 'f') {
    Text = FindBuiltinPreset(Name);
    if (Text.empty()) {
      if (Kind[0] == 'v' && !FSettings.Fvideo_codec_name.empty()) DisplayName = FSettings.Fvideo_codec_name + "-" + Name;
      else if (Kind[0] == 'a' && !FSettings.Faudio_codec_name.empty()) DisplayName = FSettings.Faudio_codec_name + "-" + Name;
      else if (!FSettings.Fsubtitle_codec_name.empty()) DisplayName = FSettings.Fsubtitle_codec_name + "-" + Name;
      Text = FindBuiltinPreset(DisplayName);
    }
  }
  // The built-in presets were written for the libx264 of older libraries; their lines, and a file's lines
  // for that encoder, are translated to today's names.
  const bool Translate = !Text.empty() || FSettings.Fvideo_codec_name == "libx264";
  if (Text.empty()) {
    if (!FileExists(Name)) throw FFmpegException(Format("Preset \"%s\" not found", Name));
    Text = ReadPresetFile(Name);
  }
  Text = UnifiedLineBreaks(Trim(Text));
  size_t Pos = 0;
  while (Pos < Text.size()) {
    const size_t End = std::min(Text.find('\n', Pos), Text.size());
    const String Line = Trim(std::string_view(Text).substr(Pos, End - Pos));
    Pos = End + 1;
    if (Line.empty()) continue;
    const size_t Equals = Line.find('=');
    const String Option = Equals == String::npos ? Line : Line.substr(0, Equals);
    const String Value = Equals == String::npos ? String() : Line.substr(Equals + 1);
    if (Option.empty() || Value.empty())
      throw FFmpegException(Format("%s: Invalid syntax: \"%s\"", DisplayName, Line));
    if (SameText(Option, "acodec") || SameText(Option, "vcodec") || SameText(Option, "scodec")) {
      ApplyOption(LowerCase(Option), Value);
      continue;
    }
    if (Translate)
      ApplyX264PresetLine(Options(), DisplayName, Line, Option, Value, [this](const String& AText) { Log(llWarning, AText); });
    else if (!SetCodecOption(Option, Value))
      throw FFmpegException(InvalidLine(DisplayName, Line, Option, Value));
  }
}
