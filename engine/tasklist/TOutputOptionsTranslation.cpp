#include "engine/tasklist/TOutputOptionsTranslation.h"

#include "engine/tasklist/OptionTranslation.h"
#include "platform/base/DateUtils.h"
#include "platform/base/SysUtils.h"

namespace {

/// The stream options of ExtOptions that wait for a stream, and the kind of default each one sets.
bool IsStreamOption(const String& AName) {
  for (const char* Name : { "acodec", "vcodec", "scodec", "apre", "vpre", "spre", "s", "vfilters", "vf" })
    if (AName == Name) return true;
  return false;
}

String TimeText(Int64 AMicroseconds) { return IntToStr(AMicroseconds) + "us"; }

const char* NormText(TOptionNormType ANorm) {
  switch (ANorm) {
    case ntPAL: return "pal";
    case ntNTSC: return "ntsc";
    default: return "auto";
  }
}

}  // namespace

TOutputOptionsTranslation::TOutputOptionsTranslation(IOptionSink& ASink, const TOutputOptions& AOptions)
    : FSink(ASink), FOptions(AOptions), FExtLines(ReadOptionText(AOptions.ExtOptions)) {
  SetDefault("acodec", FOptions.AudioCodec);
  SetDefault("vcodec", FOptions.VideoCodec);
  SetDefault("scodec", FOptions.SubtitleCodec);
  SetDefault("apre", FOptions.AudioPreset);
  SetDefault("vpre", FOptions.VideoPreset);
  SetDefault("spre", FOptions.SubtitlePreset);
  SetDefault("s", FOptions.FrameSize);
  SetDefault("vf", FOptions.VideoFilters);
  for (const TOptionLine& Line : FExtLines) {
    String Name = LowerCase(Line.Name);
    if (!IsStreamOption(Name) || Line.Value.empty()) continue;
    if (Name == "vfilters") Name = "vf";
    // A stream option given only as text is also the default of its kind.
    if (Default(Name).empty()) SetDefault(Name, Line.Value);
    FWaiting.push_back({ Name, Line.Value });
  }
}

void TOutputOptionsTranslation::ApplyBeforeOpen() {
  if (FOptions.TargetType == ttVCD || FOptions.TargetType == ttSVCD || FOptions.TargetType == ttDVD) {
    static const char* const Types[] = { "", "vcd", "svcd", "dvd" };
    FSink.SetTarget(Types[FOptions.TargetType], NormText(FOptions.NormType), FOptions.NormDefault == ntPAL ? "pal" : "ntsc");
  }
  for (const char* Name : { "acodec", "vcodec", "scodec", "apre", "vpre", "spre" }) ApplyDefault(Name);
  ApplyExtOptions(FSink, FOptions.ExtOptions, false);
  ApplyFields();
  ApplyInfo();
  ApplyDefault("s");
  ApplyDefault("vf");
}

void TOutputOptionsTranslation::AddNewStreams() {
  for (const TOptionLine& Line : FExtLines) {
    const String Name = LowerCase(Line.Name);
    if (Name == "newaudio") {
      Take("acodec");
      Take("apre");
    } else if (Name == "newvideo") {
      Take("vcodec");
      Take("vpre");
      Take("s");
      Take("vf");
    } else if (Name == "newsubtitle") {
      Take("scodec");
      Take("spre");
    } else {
      continue;
    }
    FSink.ApplyOption(Name, Line.Value);
  }
}

void TOutputOptionsTranslation::SetDefault(const String& AName, const String& AValue) {
  if (!AValue.empty()) FDefaults["def_" + AName] = AValue;
}

String TOutputOptionsTranslation::Default(const String& AName) const {
  const auto Found = FDefaults.find("def_" + AName);
  return Found == FDefaults.end() ? String() : Found->second;
}

void TOutputOptionsTranslation::ApplyDefault(const String& AName) {
  if (const String Value = Default(AName); !Value.empty()) FSink.ApplyOption(AName, Value);
}

void TOutputOptionsTranslation::Take(const String& AName) {
  for (auto Line = FWaiting.begin(); Line != FWaiting.end(); ++Line)
    if (Line->Name == AName) {
      const String Value = Line->Value;
      FWaiting.erase(Line);
      FSink.ApplyOption(AName, Value);
      return;
    }
  ApplyDefault(AName);
}

void TOutputOptionsTranslation::ApplyFields() {
  const TOutputOptions& O = FOptions;
  ApplyText("f", O.FileFormat);
  ApplyPositive("packetsize", O.PacketSize);
  ApplyPositive("muxrate", O.MuxRate);
  if (O.MuxDelay > 0) FSink.SetMuxMaxDelay(O.MuxDelay);
  if (O.MuxPreload > 0) FSink.SetMuxPreload(O.MuxPreload);
  ApplyFlag("an", O.DisableAudio);
  if (O.AudioVolume >= 0) FSink.SetAudioVolume(O.AudioVolume);
  ApplyPositive("ac", O.AudioChannels);
  ApplyPositive("ar", O.AudioSampleRate);
  ApplyPositive("ab", O.AudioBitrate);
  ApplyPositive("abt", O.AudioBitRateTolerance);
  FSink.ApplyOption("alang", O.AudioLanguage);
  FSink.SetAudioSyncMethod(O.AudioSyncMethod);
  ApplyText("atag", O.AudioTag);
  ApplyFlag("vn", O.DisableVideo);
  ApplyText("r", O.FrameRate);
  ApplyText("aspect", O.FrameAspectRatio);
  ApplyPositive("croptop", O.CropTop);
  ApplyPositive("cropbottom", O.CropBottom);
  ApplyPositive("cropleft", O.CropLeft);
  ApplyPositive("cropright", O.CropRight);
  ApplyPositive("g", O.GroupPictureSize);
  ApplyPositive("vb", O.VideoBitrate);
  ApplyPositive("maxrate", O.VideoMaxRate);
  ApplyPositive("minrate", O.VideoMinRate);
  ApplyPositive("bt", O.VideoBitRateTolerance);
  ApplyPositive("bufsize", O.VideoBufSize);
  FSink.SetVideoSyncMethod(O.VideoSyncMethod);
  ApplyText("vtag", O.VideoTag);
  FSink.ApplyOption("vlang", O.VideoLanguage);
  ApplyFlag("sn", O.DisableSubtitle);
  FSink.ApplyOption("slang", O.SubtitleLanguage);
  FSink.ApplyOption("isync", O.InputSync ? "1" : "0");
  ApplyFlag("copyts", O.CopyTimestamp);
  if (O.TimeStart != AV_NOPTS_VALUE) FSink.ApplyOption("ss", TimeText(O.TimeStart));
  if (O.TimeLength != AV_NOPTS_VALUE) FSink.ApplyOption("t", TimeText(O.TimeLength));
}

void TOutputOptionsTranslation::ApplyInfo() {
  const TStreamInfo& Info = FOptions.Info;
  if (Info.TimeStamp == 0.0) {
    FSink.ApplyOption("timestamp", "now");
  } else if (Info.TimeStamp > 0) {
    // The time is local, with the offset in force at that date; the option takes it in UTC.
    const Int64 Seconds = LocalDateTimeToUnix(Info.TimeStamp);
    FSink.ApplyOption("timestamp", FormatDateTime("yyyy-mm-dd hh:nn:ss", UnixToDateTime(Seconds)) + "Z");
  }
  if (Info.Year > 0) FSink.ApplyOption("metadata", "year=" + IntToStr(Info.Year));
  if (Info.Track > 0) FSink.ApplyOption("metadata", "track=" + IntToStr(Info.Track));
  const std::pair<const char*, const String*> Tags[] = { { "title", &Info.Title },         { "author", &Info.Author },
                                                         { "copyright", &Info.Copyright }, { "comment", &Info.Comment },
                                                         { "album", &Info.Album },         { "genre", &Info.Genre } };
  for (const auto& [Key, Value] : Tags)
    if (!Value->empty()) FSink.ApplyOption("metadata", String(Key) + "=" + *Value);
}

void TOutputOptionsTranslation::ApplyPositive(const char* AName, int AValue) {
  if (AValue > 0) FSink.ApplyOption(AName, IntToStr(AValue));
}

void TOutputOptionsTranslation::ApplyText(const char* AName, const String& AValue) {
  if (!AValue.empty()) FSink.ApplyOption(AName, AValue);
}

void TOutputOptionsTranslation::ApplyFlag(const char* AName, bool AValue) {
  if (AValue) FSink.ApplyOption(AName, "1");
}
