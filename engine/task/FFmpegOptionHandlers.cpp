// The option handlers of a conversion task: each sets one setting from an option's text, with its parse
// rules, limits and messages.
#include <charconv>
#include <cstdlib>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "platform/base/SysUtils.h"

namespace {

/// The integer at the start of AText as the C library reads it (decimal, octal after "0", hexadecimal
/// after "0x"; nothing readable gives 0); AEnd receives where the reading stopped.
long LeadingInteger(const char* AText, const char*& AEnd) {
  char* End = nullptr;
  const long Value = std::strtol(AText, &End, 0);
  AEnd = End;
  return Value;
}

/// Skips the one separator character that follows a number, when there is one.
const char* SkipSeparator(const char* AText) { return *AText ? AText + 1 : AText; }

/// The decimal number at the start of AText with "." as separator whatever the locale; 0 when there is none.
double LeadingFloat(const String& AText) {
  const String Trimmed = TrimLeft(AText);
  std::string_view Text = Trimmed;
  if (Text.starts_with('+')) Text.remove_prefix(1);
  double Value = 0;
  if (std::from_chars(Text.data(), Text.data() + Text.size(), Value).ec != std::errc()) return 0;
  return Value;
}

}  // namespace

bool TCustomFFmpeg::SetCodecOption(const String& AName, const String& AValue) {
  return Options().SetOption(AName, AValue);
}

bool TCustomFFmpeg::SetCodecOptionInt(const String& AName, int AValue) { return SetCodecOption(AName, IntToStr(AValue)); }

void TCustomFFmpeg::AddMetadata(const String& AKey, const String& AValue) { FSettings.Fmetadata.emplace_back(AKey, AValue); }

Int64 TCustomFFmpeg::ParseTime(const String& AOptionName, const String& AText, bool AIsDuration) {
  int64_t Microseconds = 0;
  if (LibAVUtil.av_parse_time(&Microseconds, AText.c_str(), AIsDuration) < 0)
    throw FFmpegException(Format("Invalid %s specification for %s: %s", AIsDuration ? "duration" : "date", AOptionName, AText));
  return Microseconds;
}

void TCustomFFmpeg::SetRecordingTime(Int64 AValue) {
  if (AValue == AV_NOPTS_VALUE) return;
  FSettings.Frecording_time = AValue;
  FTotalOutputDuration = AValue;
}

bool TCustomFFmpeg::FindCodec(const String& AName, AVMediaType AType, AVCodecID& ACodecId, int AStrict, bool AEncoder) {
  if (AName.empty()) {
    ACodecId = AV_CODEC_ID_NONE;
    return true;
  }
  const char* Word = AEncoder ? "encoder" : "decoder";
  const AVCodec* Codec = AEncoder ? LibAVCodec.avcodec_find_encoder_by_name(AName.c_str())
                                  : LibAVCodec.avcodec_find_decoder_by_name(AName.c_str());
  if (!Codec) {
    FLastErrMsg = Format("Unknown %s '%s'", Word, AName);
    return false;
  }
  if (Codec->type != AType) {
    FLastErrMsg = Format("Invalid %s type '%s'", Word, AName);
    return false;
  }
  if ((Codec->capabilities & AV_CODEC_CAP_EXPERIMENTAL) && AStrict > FF_COMPLIANCE_EXPERIMENTAL) {
    FLastErrMsg = Format("%s '%s' is experimental and might produce bad results.\r\n"
                         "Add '-strict experimental' if you want to use it.",
                         Word, Codec->name);
    const AVCodec* Default = AEncoder ? LibAVCodec.avcodec_find_encoder(Codec->id) : LibAVCodec.avcodec_find_decoder(Codec->id);
    if (Default && !(Default->capabilities & AV_CODEC_CAP_EXPERIMENTAL))
      FLastErrMsg += Format("\r\nOr use the non experimental %s '%s'.", Word, Default->name);
    return false;
  }
  ACodecId = Codec->id;
  return true;
}

void TCustomFFmpeg::OptFormat(const String& AValue) {
  if (AValue.empty()) return;
  String Name = AValue;
  if (Name == "pgmyuv") {
    FSettings.Fpgmyuv_compatibility_hack = 1;
    Name = "image2";
    Log(llInfo, "pgmyuv format is deprecated, use image2");
  }
  FSettings.Flast_asked_format = Name;
  FOptions.SetPendingMuxer(Name);
}

void TCustomFFmpeg::OptFrameRate(const String& AValue) {
  if (AValue.empty()) return;
  AVRational Rate {};
  if (LibAVUtil.av_parse_video_rate(&Rate, AValue.c_str()) < 0) throw FFmpegException("Incorrect frame rate");
  FSettings.Fframe_rate = Rate;
}

void TCustomFFmpeg::OptFrameSize(const String& AValue) {
  if (AValue.empty()) return;
  int Width = 0, Height = 0;
  if (LibAVUtil.av_parse_video_size(&Width, &Height, AValue.c_str()) < 0) throw FFmpegException("Incorrect frame size");
  FSettings.Fframe_width = Width;
  FSettings.Fframe_height = Height;
  FSettings.Fframe_size_from_input = false;
}

void TCustomFFmpeg::OptAspect(const String& AValue) {
  if (AValue.empty()) return;
  double Ratio;
  if (const auto Colon = AValue.find(':'); Colon != String::npos) {
    const long X = std::strtol(AValue.c_str(), nullptr, 10);
    const long Y = std::strtol(AValue.c_str() + Colon + 1, nullptr, 10);
    Ratio = Y <= 0 ? 0 : double(X) / double(Y);
  } else {
    Ratio = LeadingFloat(AValue);
  }
  if (Ratio == 0) throw FFmpegException("Incorrect aspect ratio specification.");
  FSettings.Fframe_aspect_ratio = float(Ratio);
}

void TCustomFFmpeg::OptPixelFormat(const String& AValue) {
  if (AValue == "list") {
    char Line[256];
    Log(llInfo, Trim(LibAVUtil.av_get_pix_fmt_string(Line, sizeof Line, AV_PIX_FMT_NONE)));
    for (const AVPixFmtDescriptor* Descriptor = nullptr; (Descriptor = LibAVUtil.av_pix_fmt_desc_next(Descriptor));)
      Log(llInfo, Trim(LibAVUtil.av_get_pix_fmt_string(Line, sizeof Line, LibAVUtil.av_pix_fmt_desc_get_id(Descriptor))));
    return;
  }
  const AVPixelFormat PixFmt = LibAVUtil.av_get_pix_fmt(AValue.c_str());
  if (PixFmt == AV_PIX_FMT_NONE) throw FFmpegException(Format("Unknown pixel format requested: %s", AValue));
  FSettings.Fframe_pix_fmt = PixFmt;
  FSettings.Fframe_pix_fmt_asked = true;
}

void TCustomFFmpeg::OptSampleFormat(const String& AValue) {
  if (AValue == "list") {
    char Line[256];
    for (int SampleFmt = AV_SAMPLE_FMT_NONE; SampleFmt < AV_SAMPLE_FMT_NB; ++SampleFmt)
      Log(llInfo, Trim(LibAVUtil.av_get_sample_fmt_string(Line, sizeof Line, AVSampleFormat(SampleFmt))));
    return;
  }
  FSettings.Faudio_sample_fmt = LibAVUtil.av_get_sample_fmt(AValue.c_str());
}

void TCustomFFmpeg::OptCrop(int& ABand, int& ADimension, int AValue, const char* AOutsideLine) {
  if (AValue <= 0) return;
  if (AValue >= ADimension) throw FFmpegException(String(AOutsideLine) + "\nRemember to crop first and scale second.");
  Log(llWarning, "CropXXX is deprecated in favor of the crop avfilter");
  ABand = AValue;
  ADimension -= AValue;
}

void TCustomFFmpeg::OptBitRate(const String& AName, const String& AValue) {
  if (AName.empty() || AValue.empty() || !SetCodecOption(AName, AValue)) return;
  int64_t BitRate = 0;
  AVCodecContext* Holder = Options().CodecHolder(AName[0] == 'a' ? AVMEDIA_TYPE_AUDIO : AVMEDIA_TYPE_VIDEO);
  LibAVUtil.av_opt_get_int(Holder, "b", 0, &BitRate);
  if (BitRate < 1000)
    Log(llWarning, "WARNING: The bitrate parameter is set too low. It takes bits/s as argument, not kbits/s");
}

void TCustomFFmpeg::OptQScale(double AValue) {
  if (AValue <= 0 || AValue > 255) throw FFmpegException("qscale must be > 0.0 and <= 255");
  FSettings.Fvideo_qscale = float(AValue);
}

void TCustomFFmpeg::OptCodecName(AVMediaType AType, String& AName, int& ACopyFlag, const String& AValue) {
  if (AValue.empty()) return;
  AName.clear();
  if (AValue == "copy") ACopyFlag = 1;
  // FFmpeg's own AAC encoder stands in for the one of the same format that older builds offered.
  else AName = AValue == "libfaac" ? "aac" : AValue;
  if (AType == AVMEDIA_TYPE_AUDIO) FSettings.Faudio_codec_for_libfaac = AValue == "libfaac";
  FOptions.SetPendingEncoder(AType, AName);
}

void TCustomFFmpeg::OptCodecTag(uint32_t& ATag, const char* AKindWord, const String& AValue) {
  if (AValue.empty()) return;
  if (AValue.size() != 4) throw FFmpegException(Format("%s tag parameter must be 4 chars", AKindWord));
  ATag = uint32_t(uint8_t(AValue[0])) | uint32_t(uint8_t(AValue[1])) << 8 | uint32_t(uint8_t(AValue[2])) << 16 |
         uint32_t(uint8_t(AValue[3])) << 24;
}

void TCustomFFmpeg::OptVideoHook(const String& AValue) {
  // A plug-in path and its arguments, cut at "|" when the text holds one, else at blanks.
  const char Separator = AValue.find('|') != String::npos ? '|' : ' ';
  std::vector<String> Pieces;
  size_t Start = 0;
  while (Start <= AValue.size() && Pieces.size() < 64) {
    size_t End = AValue.find(Separator, Start);
    if (End == String::npos) End = AValue.size();
    if (End > Start) Pieces.push_back(AValue.substr(Start, End - Start));
    Start = End + 1;
  }
  std::vector<char*> Args;
  for (String& Piece : Pieces) Args.push_back(Piece.data());
  Args.push_back(nullptr);
  if (AddFrameHook(FFirstHook, int(Pieces.size()), Args.data()) != 0)
    throw FFmpegException("Failed to add video hook function: " + AValue);
  FSettings.Fusing_vhook = true;
}

void TCustomFFmpeg::OptMetadata(const String& AValue) {
  const auto Equals = AValue.find('=');
  if (Equals == String::npos) throw FFmpegException("Missing =");
  AddMetadata(AValue.substr(0, Equals), AValue.substr(Equals + 1));
}

void TCustomFFmpeg::OptMap(const String& AValue) {
  const int Capacity = FMaxFiles * MaxStreams;
  if (int(Fstream_maps.size()) >= Capacity) throw FFmpegException(Format("Too many stream maps (max %d)", Capacity));
  TAVStreamMap Map;
  const char* Text;
  Map.file_index = int(LeadingInteger(AValue.c_str(), Text));
  Map.stream_index = int(LeadingInteger(SkipSeparator(Text), Text));
  if (*Text) {
    Map.sync_file_index = int(LeadingInteger(Text + 1, Text));
    Map.sync_stream_index = int(LeadingInteger(SkipSeparator(Text), Text));
  } else {
    Map.sync_file_index = Map.file_index;
    Map.sync_stream_index = Map.stream_index;
  }
  Fstream_maps.push_back(Map);
}

void TCustomFFmpeg::OptMapMetaData(const String& AValue) {
  if (int(Fmeta_data_maps.size()) >= FMaxFiles) throw FFmpegException(Format("Too many metadata maps (max %d)", FMaxFiles));
  TAVMetaDataMap Map;
  const char* Text;
  Map.out_file = int(LeadingInteger(AValue.c_str(), Text));
  Map.in_file = int(LeadingInteger(SkipSeparator(Text), Text));
  Fmeta_data_maps.push_back(Map);
}

void TCustomFFmpeg::OptInputTsScale(const String& AValue) {
  if (Fnb_input_files >= FMaxFiles) throw FFmpegException(Format("input file index over MAX_FILES(%d)", FMaxFiles));
  const char* Text;
  const long Stream = LeadingInteger(AValue.c_str(), Text);
  const double Scale = LeadingFloat(SkipSeparator(Text));
  if (Stream < 0 || Stream >= MaxStreams) throw FFmpegException(Format("stream index over MAX_STREAMS(%d)", MaxStreams));
  Finput_files_ts_scale[Fnb_input_files][Stream] = Scale;
}
