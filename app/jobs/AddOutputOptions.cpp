#include "app/jobs/AddOutputOptions.h"

#include "platform/base/SysUtils.h"

TOptionTargetType TargetTypeOf(const String& Text) {
  if (Text == "vcd") return ttVCD;
  if (Text == "svcd") return ttSVCD;
  if (Text == "dvd") return ttDVD;
  return ttIgnore;
}

TOptionNormType NormTypeOf(const String& Text) {
  if (Text == "PAL") return ntPAL;
  if (Text == "NTSC") return ntNTSC;
  return ntAuto;
}

void CopyVideoParams(const TVideoParams& Params, TOutputOptions& Output) {
  if (!Params.Video_VideoCodec.empty()) {
    Output.VideoCodec = Params.Video_VideoCodec;
    Output.VideoPreset = Params.Video_VideoCodec == "libx264" ? "libx264-default" : "";
  }
  if (!Params.Video_AudioCodec.empty() && Params.Video_AudioCodec != "AUTO") Output.AudioCodec = Params.Video_AudioCodec;
  if (!Params.Video_FrameRate.empty()) Output.FrameRate = Params.Video_FrameRate;
  Output.DisableVideo = Params.Video_DisableVideo;
  if (!Params.Video_AudioChannels.empty()) Output.AudioChannels = StrToInt(Params.Video_AudioChannels);
  if (!Params.Video_AudioSampleRate.empty() && Params.Video_AudioSampleRate != "AUTO")
    Output.AudioSampleRate = StrToInt(Params.Video_AudioSampleRate);
  if (!Params.Video_FrameSize.empty()) Output.FrameSize = Params.Video_FrameSize;
  if (!Params.Video_TargetType.empty()) Output.TargetType = TargetTypeOf(Params.Video_TargetType);
  Output.NormType = NormTypeOf(Params.Video_NormType);
  Output.AudioVolume = StrToInt(Params.Video_AudioVolume);
  if (!Params.Video_FrameAspectRatio.empty()) Output.FrameAspectRatio = Params.Video_FrameAspectRatio;
  if (Params.Video_AudioBitrate != -1000 && Params.Video_AudioBitrate != -2000) Output.AudioBitrate = Params.Video_AudioBitrate;
  if (!Params.Video_FileFormat.empty()) Output.FileFormat = Params.Video_FileFormat;
  if (!Params.Video_VideoFilters.empty()) Output.VideoFilters = Params.Video_VideoFilters;
  if (!Params.Video_VideoTag.empty()) Output.VideoTag = Params.Video_VideoTag;
  if (Params.Video_VideoBitrate != -1000) Output.VideoBitrate = Params.Video_VideoBitrate;
}
