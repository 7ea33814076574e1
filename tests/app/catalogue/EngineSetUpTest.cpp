// The conversion parameters the catalogue gives a file being added, copied into the engine's output record
// as the add does it, are accepted by the engine's output set-up for every encoder family the catalogue
// names.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeCatalogueWindow.h"
#include "app/catalogue/FormatCatalogue.h"
#include "engine/tasklist/FFConverter.h"
#include "platform/base/SysUtils.h"
#include "tests/engine/TaskTesting.h"

namespace {

/// The add's copy of the current parameters into a fresh output record: a field is copied only when it
/// holds a value, libx264 brings its default preset, and a bit rate of -1000 (audio also -2000) is left out.
TOutputOptions OutputOptionsOf(const TVideoParams& Params) {
  TOutputOptions Options;
  InitOutputOptions(Options);
  if (!Params.Video_VideoCodec.empty()) {
    Options.VideoCodec = Params.Video_VideoCodec;
    Options.VideoPreset = Params.Video_VideoCodec == "libx264" ? "libx264-default" : "";
  }
  if (!Params.Video_AudioCodec.empty() && Params.Video_AudioCodec != "AUTO")
    Options.AudioCodec = Params.Video_AudioCodec;
  if (!Params.Video_FrameRate.empty())
    Options.FrameRate = Params.Video_FrameRate;
  Options.DisableVideo = Params.Video_DisableVideo;
  if (!Params.Video_AudioChannels.empty())
    Options.AudioChannels = StrToInt(Params.Video_AudioChannels);
  if (!Params.Video_AudioSampleRate.empty() && Params.Video_AudioSampleRate != "AUTO")
    Options.AudioSampleRate = StrToInt(Params.Video_AudioSampleRate);
  if (!Params.Video_FrameSize.empty())
    Options.FrameSize = Params.Video_FrameSize;
  if (!Params.Video_TargetType.empty())
    Options.TargetType = Params.Video_TargetType == "vcd"    ? ttVCD
                         : Params.Video_TargetType == "svcd" ? ttSVCD
                         : Params.Video_TargetType == "dvd"  ? ttDVD
                                                              : ttIgnore;
  Options.NormType = Params.Video_NormType == "PAL" ? ntPAL : Params.Video_NormType == "NTSC" ? ntNTSC : ntAuto;
  Options.AudioVolume = StrToInt(Params.Video_AudioVolume);
  if (!Params.Video_FrameAspectRatio.empty())
    Options.FrameAspectRatio = Params.Video_FrameAspectRatio;
  if (Params.Video_AudioBitrate != -1000 && Params.Video_AudioBitrate != -2000)
    Options.AudioBitrate = Params.Video_AudioBitrate;
  if (!Params.Video_FileFormat.empty())
    Options.FileFormat = Params.Video_FileFormat;
  if (!Params.Video_VideoFilters.empty())
    Options.VideoFilters = Params.Video_VideoFilters;
  if (!Params.Video_VideoTag.empty())
    Options.VideoTag = Params.Video_VideoTag;
  if (Params.Video_VideoBitrate != -1000)
    Options.VideoBitrate = Params.Video_VideoBitrate;
  return Options;
}

class CatalogueEngineSetUpTest : public TTaskTest {
protected:
  /// Adds the clip with the format at (Category, Format) and its default presets; the engine's error, ""
  /// when the output was set up.
  String AddWithFormat(int Category, int Format) {
    FakeMainSide Side;
    Side.Folder = Folder.Path("out");
    std::filesystem::create_directories(Side.Folder);
    FakeCatalogueWindow Window { Side, false };
    Window.SelectCategory(Category);
    Window.Formats.SetItemIndex(Format);
    Side.Params.Video_AddFileName = Media().ClipMKV;
    TCatalogueTarget ForAnAdd = Window.MakeTarget();
    Side.Params.Reset();
    ApplyFormat(FormatKey(Category, Format), ForAnAdd);
    ApplyPresets(Window.Combos, Side.Params);

    TFFConverter Converter(nullptr);
    TInputOptions Input;
    InitInputOptions(Input);
    const int Index = Converter.AddTask(Media().ClipMKV, &Input);
    if (Index < 0)
      return "input: " + Converter.LastErrMsg();
    TOutputOptions Output = OutputOptionsOf(Side.Params);
    return Converter.SetOutputFile(Index, Side.Params.Video_OutPutFileName, &Output) ? String()
                                                                                      : Converter.LastErrMsg();
  }
};

TEST_F(CatalogueEngineSetUpTest, EveryEncoderFamilyOpens) {
  struct Case {
    int Category, Format;
    const char* What;
  };
  const Case Cases[] = {
    { 0, 0, "wmv2 + wmav2" },           { 1, 2, "mpeg4 tagged XVID" },      { 1, 0, "mpeg4 tagged DX50" },
    { 3, 0, "msmpeg4" },                { 4, 7, "msmpeg4v2" },              { 8, 1, "mpeg1video, engine audio" },
    { 8, 2, "mpeg2video" },             { 8, 8, "dvd target PAL" },         { 8, 9, "svcd target PAL" },
    { 8, 10, "vcd target PAL" },        { 1, 1, "libx264 + libmp3lame" },   { 1, 3, "libxvid" },
    { 9, 1, "h263 at 176*144 + libfaac" }, { 9, 6, "h263 at 352*288" },     { 13, 14, "rv20" },
    { 2, 3, "libx264 + libfaac" },      { 9, 0, "mpeg4 + AMR" },            { 14, 0, "audio only, mp3" },
    { 14, 5, "libvorbis" },             { 14, 10, "flac" },                 { 14, 6, "RealAudio" },
    { 14, 12, "AMR alone" },            { 6, 0, "empty video codec, vob" }, { 12, 0, "flv" },
    { 7, 8, "mpeg2video + libfaac" },   { 13, 9, "4:3, mono" },             { 4, 1, "mpeg2video + ac3, .mpeg" },
  };
  for (const Case& Each : Cases)
    EXPECT_EQ(AddWithFormat(Each.Category, Each.Format), "") << Each.What;
}

TEST_F(CatalogueEngineSetUpTest, TheFormatWithoutAnEncoderFailsClearly) {
  EXPECT_THAT(AddWithFormat(4, 9), testing::HasSubstr("Unknown encoder 'msmpeg4v1'"));
}

}  // namespace
