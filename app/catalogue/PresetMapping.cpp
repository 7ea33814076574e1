#include "app/catalogue/PresetMapping.h"

#include <string_view>
#include <utility>

#include "app/catalogue/ISelectedJobRow.h"
#include "platform/base/SysUtils.h"

namespace {

constexpr std::string_view NoVideo = "无视频";
constexpr int EngineDefaultBitrate = -1000;

/// Text, or empty when it is one of the two entries that set nothing.
String UnlessEither(const String& Text, std::string_view KeepSource, std::string_view Without) {
  return Text == KeepSource || Text == Without ? String() : Text;
}

void MapAspectMode(const String& Text, String& Ratio) {
  static constexpr std::pair<std::string_view, std::string_view> Modes[] = {
    { "保持原视频模式", "" },          { "普通视频4:3模式", "4:3" },     { "宽屏视频16:9模式", "16:9" },
    { "宽屏视频37:20模式", "37:20" }, { "宽屏视频47:20模式", "47:20" }, { NoVideo, "" },
  };
  for (const auto& [Mode, Value] : Modes)
    if (Text == Mode) {
      Ratio = Value;
      return;
    }
}

}  // namespace

int PresetBitrate(const String& Text) {
  const int Unit = Pos("kbps", Text);
  const String Number = Trim(Unit < 0 ? std::string_view(Text) : std::string_view(Text).substr(0, size_t(Unit)));
  if (Pos(".", Number) < 0)
    return StrToInt(Number) * 1000;
  return StrToInt(FloatToStr(StrToFloat(Number) * 1000.0));
}

void MapPresetText(TPresetRole Role, const String& Text, TVideoParams& Params) {
  switch (Role) {
  case TPresetRole::Resolution:
    Params.Video_FrameSize = UnlessEither(Text, "保持原分辨率", "该格式无视频");
    break;
  case TPresetRole::FrameRate:
    Params.Video_FrameRate = UnlessEither(Text, "保持原帧速率", NoVideo);
    break;
  case TPresetRole::VideoBitrate:
    Params.Video_VideoBitrate = Text == NoVideo ? EngineDefaultBitrate : PresetBitrate(Text);
    break;
  case TPresetRole::AudioBitrate:
    Params.Video_AudioBitrate = PresetBitrate(Text);
    break;
  case TPresetRole::SampleRate:
    Params.Video_AudioSampleRate = Text;
    break;
  case TPresetRole::AspectMode:
    MapAspectMode(Text, Params.Video_FrameAspectRatio);
    break;
  }
}

int PresetParameterCell(TPresetRole Role) {
  switch (Role) {
  case TPresetRole::Resolution: return JobCell::FrameSize;
  case TPresetRole::VideoBitrate: return JobCell::VideoBitrate;
  case TPresetRole::AudioBitrate: return JobCell::AudioBitrate;
  case TPresetRole::AspectMode: return JobCell::FrameAspectRatio;
  case TPresetRole::FrameRate: return JobCell::FrameRate;
  case TPresetRole::SampleRate: break;
  }
  return JobCell::AudioSampleRate;
}

String PresetFieldText(TPresetRole Role, const TVideoParams& Params) {
  switch (Role) {
  case TPresetRole::Resolution: return Params.Video_FrameSize;
  case TPresetRole::VideoBitrate: return IntToStr(Params.Video_VideoBitrate);
  case TPresetRole::AudioBitrate: return IntToStr(Params.Video_AudioBitrate);
  case TPresetRole::AspectMode: return Params.Video_FrameAspectRatio;
  case TPresetRole::FrameRate: return Params.Video_FrameRate;
  case TPresetRole::SampleRate: break;
  }
  return Params.Video_AudioSampleRate;
}
