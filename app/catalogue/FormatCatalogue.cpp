#include "app/catalogue/FormatCatalogue.h"

#include <iterator>
#include <utility>

#include "platform/base/SysUtils.h"

namespace {

// WMV格式: FormatKey 1700 to 1706.
constexpr std::string_view WmvFormats[] = {
  "WMV标准视频(*.wmv)",
  "HD高清WMV视频(*.wmv)",
  "网络上常用的WMV视频(*.wmv)",
  "电脑上常用的WMV标准视频(*.wmv)",
  "优化的WMV视频(*.wmv)",
  "高压缩的WMV视频(*.wmv)",
  "高清的HD WMV视频(*.wmv)",
};

// AVI格式: FormatKey 1500 to 1506.
constexpr std::string_view AviFormats[] = {
  "AVI标准视频(*.avi)",
  "HD高清晰AVI标准视频(*.avi)",
  "网络上常用的AVI视频(*.avi)",
  "电脑上常用的AVI视频(*.avi)",
  "优化的AVI视频(*.avi)",
  "高压缩的AVI视频(*.avi)",
  "高清的HD AVI视频(*.avi)",
};

// MP4格式: FormatKey 1000 to 1004.
constexpr std::string_view Mp4Formats[] = {
  "MP4机播放的MP4视频格式(*.mp4)",
  "电脑上使用的MP4视频格式(*.mp4)",
  "MPEG-4视频高清晰视频(*.mp4)",
  "MP4 AVC视频(*.mp4)",
  "MP4 H264编码视频(*.mp4)",
};

// ASF格式: FormatKey 1800 to 1806.
constexpr std::string_view AsfFormats[] = {
  "ASF标准视频(*.asf)",
  "HD高清ASF视频(*.asf)",
  "网络上常用的ASF视频(*.asf)",
  "电脑上常用的ASF标准视频(*.asf)",
  "优化的ASF视频(*.asf)",
  "高压缩的ASF视频(*.asf)",
  "高清的HD ASF视频(*.asf)",
};

// XboX格式: FormatKey 800 to 809.
constexpr std::string_view XboxFormats[] = {
  "Xbox360 HD H.264视频(*.mp4)",
  "Xbox360 MCE HD MPEG-2视频(*.mpg)",
  "Xbox360 MCE HD MPEG-2视频(*.mpg)",
  "Xbox360 MPEG-4视频(*.mp4)",
  "Xbox360 MP4高清晰视频(*.mp4)",
  "Xbox360 WMV视频(*.wmv)",
  "Xbox360 WMV HDTV视频(*.wmv)",
  "Xbox360 MCE 高清晰AVI视频(*.avi)",
  "Xbox360 MCE 高清晰AVI视频(*.avi)",
  "Xbox360 MCE 高清晰AVI视频(*.avi)",
};

// MKV格式: FormatKey 1600 to 1606.
constexpr std::string_view MkvFormats[] = {
  "MKV标准视频(*.mkv)",
  "HD高清MKV视频(*.mkv)",
  "网络上常用的MKV视频(*.mkv)",
  "电脑上常用的MKV标准视频(*.mkv)",
  "优化的MKV视频(*.mkv)",
  "高压缩的MKV视频(*.mkv)",
  "高清的HD MKV视频(*.mkv)",
};

// VOB格式: FormatKey 2000 to 2005.
constexpr std::string_view VobFormats[] = {
  "VOB标准视频(*.vob)",
  "HD高清VOB视频(*.vob)",
  "高清DVD视频格式(*.vob)",
  "电脑上常用的VOB标准视频(*.vob)",
  "优化的VOB视频(*.vob)",
  "高压缩的VOB视频(*.vob)",
};

// 高清格式: FormatKey 200 to 209.
constexpr std::string_view HighDefinitionFormats[] = {
  "高清AVI视频格式(*.avi)",
  "高清AVI视频格式(*.avi)",
  "高清H264视频格式(*.mp4)",
  "高清MPEG-4视频格式(*.mp4)",
  "高清MOV视频格式(*.mov)",
  "高清ASF视频格式(*.asf)",
  "高清WMV视频格式(*.wmv)",
  "高清DVD视频格式(*.vob)",
  "高清MPEG-2视频格式(*.mpg)",
  "高清MKV视频格式(*.mkv)",
};

// MPG格式: FormatKey 1300 to 1310.
constexpr std::string_view MpgFormats[] = {
  "MPG标准视频(*.mpg)",
  "MPEG-1标准视频(*.mpg)",
  "MPEG-2标准视频(*.mpg)",
  "MPEG-4标准视频(*.mp4)",
  "MPEG-2高清HD视频(*.mpg)",
  "MPEG-4高清HD视频(*.mp4)",
  "MPEG-2优化视频(*.mpg)",
  "MPEG-2高压缩视频(*.mpg)",
  "DVD格式高清晰视频(*.mpg)",
  "SVCD格式标清视频(*.mpg)",
  "VCD格式清晰视频(*.mpg)",
};

// 3GP格式: FormatKey 600 to 613.
constexpr std::string_view MobileFormats[] = {
  "3GPP -  第三代合作项目-3GP视频+AMR音频(*.3gp)",
  "3GPP -  第三代合作项目-3GP视频+AAC音频(*.3gp)",
  "3GPP2 -  第三代合作项目2-3G2视频+AMR音频(*.3g2)",
  "3GPP2 -  第三代合作项目2-3G2视频+AAC音频(*.3g2)",
  "黑莓手机3GP视频+AMR音频(*.3gp)",
  "黑莓手机3GP视频+AAC音频(*.3gp)",
  "黑莓手机AVI视频(*.avi)",
  "黑莓手机MPEG-4视频(*.mp4)",
  "黑莓手机AMR音频格式(*.amr)",
  "Symbian智能平台手机专用MP4视频(*.mp4)",
  "各种手机常用的MP4视频(*.mp4)",
  "各种手机常用的AVI视频(*.avi)",
  "各种手机常用的MOV视频(*.mov)",
  "各种手机常用的MP4视频(*.mp4)",
};

// APPLE格式: FormatKey 700 to 704.
constexpr std::string_view AppleFormats[] = {
  "Apple TV H264视频(320X240)(*.mp4)",
  "Apple TV H264视频480P(640X480)(*.mp4)",
  "Apple TV H264视频720P(1280X720)(*.mp4)",
  "Apple TV H264高清晰视频480P(640X480)(*.mp4)",
  "Apple TV MPEG-4高压缩视频480P(640X480)(*.mp4)",
};

// PMP格式: FormatKey 900 to 907.
constexpr std::string_view PlayerFormats[] = {
  "爱可视AV500/GMini402视频(*.avi)",
  "爱可视AV700视频(*.avi)",
  "Creative Zen Vision视频(*.avi)",
  "Zune MPEG-4 AVC视频(*.mp4)",
  "Zune MPEG-4 AVC视频(*.mp4)",
  "Zune MPEG-4视频(*.mp4)",
  "Zune WMV多媒体视频(*.wmv)",
  "iRiver PMP-100视频(*.avi)",
};

// Flash格式: FormatKey 1100 to 1103.
constexpr std::string_view FlashFormats[] = {
  "FLV在线网络视频(*.flv)",
  "SWF动画视频FLASH动画视频(*.swf)",
  "FLV在线网络音频格式(*.flv)",
  "SWF动画视频FLASH动画音频格式(*.swf)",
};

// 视频格式: FormatKey 0 to 14.
constexpr std::string_view VideoFormats[] = {
  "AVI - 音频视频交错格式(*.avi)",
  "MP4 - MPEG-4视频格式(*.mp4)",
  "DivX - 视频格式(*.avi)",
  "MOV - 苹果QuickTime视频格式(*.mov)",
  "XviD - 视频格式(*.avi)",
  "MKV - Matroska视频格式(*.mkv)",
  "MPEG-1视频格式(*.mpg)",
  "MPEG-2视频格式(*.mpg)",
  "ASF - 高级流视频格式(*.asf)",
  "3GP - 视频格式(*.3gp)",
  "WMV - 视频格式(*.wmv)",
  "DVD - 视频格式(*.mpg)",
  "SVCD - 视频格式(*.mpg)",
  "VCD - 视频格式(*.mpg)",
  "RM - REAL视频格式(*.rm)",
};

// 音频格式: FormatKey 100 to 112.
constexpr std::string_view AudioFormats[] = {
  "MP3 - MPEG Layer-3音频格式(*.mp3)",
  "WMA - Windows媒体音频格式(*.wma)",
  "WAV - 波形音频格式(*.wav)",
  "AAC - 高级音频格式(*.aac)",
  "M4A - MPEG-4音频格式(*.m4a)",
  "OGG - Ogg Vorbis音频格式(*.ogg)",
  "RA - RealAudio音频格式(*.ra)",
  "AC3 - 杜比数字AC-3音频格式(*.ac3)",
  "AIFF - 音频交换文件格式(*.aiff)",
  "MP2 - MPEG Layer-2音频格式(*.mp2)",
  "FLAC-音频格式(*.flac)",
  "MP4-MP4音频格式(*.m4a)",
  "AMR-手机音频格式(*.amr)",
};

constexpr FormatCategory Categories[] = {
  { "WMV格式", 17, WmvFormats },
  { "AVI格式", 15, AviFormats },
  { "MP4格式", 10, Mp4Formats },
  { "ASF格式", 18, AsfFormats },
  { "XboX格式", 8, XboxFormats },
  { "MKV格式", 16, MkvFormats },
  { "VOB格式", 20, VobFormats },
  { "高清格式", 2, HighDefinitionFormats },
  { "MPG格式", 13, MpgFormats },
  { "3GP格式", 6, MobileFormats },
  { "APPLE格式", 7, AppleFormats },
  { "PMP格式", 9, PlayerFormats },
  { "Flash格式", 11, FlashFormats },
  { "视频格式", 0, VideoFormats },
  { "音频格式", 1, AudioFormats },
};

}  // namespace

std::span<const FormatCategory> FormatCategories() { return Categories; }

int CategoryImageIndex(int CategoryIndex) {
  if (CategoryIndex < 0 || CategoryIndex >= int(std::size(Categories)))
    return 0;
  return Categories[CategoryIndex].ImageIndex;
}

std::span<const std::string_view> FormatGroup(int ImageIndex) {
  for (const FormatCategory& Category : Categories)
    if (Category.ImageIndex == ImageIndex)
      return Category.Formats;
  return {};
}

int FormatKey(int CategoryIndex, int FormatIndex) { return CategoryImageIndex(CategoryIndex) * 100 + FormatIndex; }

int RowFormatCode(int CategoryIndex, int FormatIndex) { return (CategoryIndex + 1) * 100 + FormatIndex; }

RowFormat DecodeRowFormatCode(int Code) { return { Code / 100 - 1, Code % 100 }; }

String FormatExtension(std::string_view Caption) {
  const size_t Length = CodePointCount(Caption);
  const size_t First = Length >= 5 ? Length - 5 : 0;
  const size_t Begin = CodePointOffset(Caption, First);
  const String Tail(Caption.substr(Begin, CodePointOffset(Caption, Length - 1) - Begin));
  static constexpr std::pair<std::string_view, std::string_view> Readings[] = {
    { "lac)", ".alac" }, { "flac", ".flac" }, { "aiff", ".aiff" },
    { "mpeg", ".mpeg" }, { "*.rm", ".rm" },   { "*.ra", ".ra" },
  };
  for (const auto& [Text, Extension] : Readings)
    if (Tail == Text)
      return String(Extension);
  return Tail;
}
