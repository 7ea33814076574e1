#include <gtest/gtest.h>

#include "app/jobs/AddOutputOptions.h"

namespace {

TOutputOptions Copied(const TVideoParams& Params) {
  TOutputOptions Output;
  InitOutputOptions(Output);
  CopyVideoParams(Params, Output);
  return Output;
}

// A field left to the engine keeps the record's default, and the "not set" -1 of the bit rates is copied.
TEST(AddOutputOptionsTest, ResetParametersLeaveTheEngineItsChoicesButCopyTheUnsetBitRates) {
  TVideoParams Params;
  Params.Reset();
  TOutputOptions Defaults;
  InitOutputOptions(Defaults);
  Defaults.VideoBitrate = 123;
  Defaults.AudioBitrate = 456;
  TOutputOptions Output = Defaults;
  CopyVideoParams(Params, Output);
  EXPECT_EQ(Output.VideoCodec, "");
  EXPECT_EQ(Output.AudioCodec, "");
  EXPECT_EQ(Output.AudioChannels, Defaults.AudioChannels);
  EXPECT_EQ(Output.AudioSampleRate, Defaults.AudioSampleRate);
  EXPECT_EQ(Output.TargetType, ttIgnore);
  EXPECT_EQ(Output.NormType, ntAuto);
  EXPECT_EQ(Output.AudioVolume, 256);
  EXPECT_EQ(Output.VideoBitrate, -1);
  EXPECT_EQ(Output.AudioBitrate, -1);
  EXPECT_EQ(Output.FileExt, "") << "the extension is not passed on";
  EXPECT_EQ(Output.TimeLength, Defaults.TimeLength) << "the whole file is converted";
}

TEST(AddOutputOptionsTest, EveryParameterReachesItsField) {
  TVideoParams Params;
  Params.Video_VideoCodec = "libx264";
  Params.Video_AudioCodec = "libmp3lame";
  Params.Video_FrameRate = "23.97";
  Params.Video_DisableVideo = true;
  Params.Video_AudioChannels = "1";
  Params.Video_AudioSampleRate = "8000";
  Params.Video_FrameSize = "640*480";
  Params.Video_TargetType = "dvd";
  Params.Video_NormType = "PAL";
  Params.Video_AudioVolume = "300";
  Params.Video_FrameAspectRatio = "16:9";
  Params.Video_AudioBitrate = 10200;
  Params.Video_FileFormat = "mp4";
  Params.Video_VideoFilters = "hflip";
  Params.Video_VideoTag = "XVID";
  Params.Video_VideoBitrate = 816000;
  const TOutputOptions Output = Copied(Params);
  EXPECT_EQ(Output.VideoCodec, "libx264");
  EXPECT_EQ(Output.VideoPreset, "libx264-default");
  EXPECT_EQ(Output.AudioCodec, "libmp3lame");
  EXPECT_EQ(Output.FrameRate, "23.97");
  EXPECT_TRUE(Output.DisableVideo);
  EXPECT_EQ(Output.AudioChannels, 1);
  EXPECT_EQ(Output.AudioSampleRate, 8000);
  EXPECT_EQ(Output.FrameSize, "640*480");
  EXPECT_EQ(Output.TargetType, ttDVD);
  EXPECT_EQ(Output.NormType, ntPAL);
  EXPECT_EQ(Output.AudioVolume, 300);
  EXPECT_EQ(Output.FrameAspectRatio, "16:9");
  EXPECT_EQ(Output.AudioBitrate, 10200);
  EXPECT_EQ(Output.FileFormat, "mp4");
  EXPECT_EQ(Output.VideoFilters, "hflip");
  EXPECT_EQ(Output.VideoTag, "XVID");
  EXPECT_EQ(Output.VideoBitrate, 816000);
}

TEST(AddOutputOptionsTest, EngineChoicesAndTheOnlyCodecWithAPreset) {
  TVideoParams Params;
  Params.Video_VideoCodec = "mpeg4";
  Params.Video_AudioCodec = "AUTO";
  Params.Video_AudioSampleRate = "AUTO";
  Params.Video_VideoBitrate = -1000;
  for (int AudioDefault : { -1000, -2000 }) {
    Params.Video_AudioBitrate = AudioDefault;
    const TOutputOptions Output = Copied(Params);
    EXPECT_EQ(Output.VideoCodec, "mpeg4");
    EXPECT_EQ(Output.VideoPreset, "");
    EXPECT_EQ(Output.AudioCodec, "");
    EXPECT_EQ(Output.AudioSampleRate, -1);
    EXPECT_EQ(Output.VideoBitrate, -1);
    EXPECT_EQ(Output.AudioBitrate, -1) << AudioDefault;
  }
}

TEST(AddOutputOptionsTest, TargetAndNormTextsAreReadAsTheyStand) {
  const std::pair<const char*, TOptionTargetType> Targets[] = {
    { "vcd", ttVCD }, { "svcd", ttSVCD }, { "dvd", ttDVD }, { "VCD", ttIgnore }, { "", ttIgnore }, { "x", ttIgnore },
  };
  for (const auto& [Text, Target] : Targets) EXPECT_EQ(TargetTypeOf(Text), Target) << Text;
  const std::pair<const char*, TOptionNormType> Norms[] = {
    { "PAL", ntPAL }, { "NTSC", ntNTSC }, { "pal", ntAuto }, { "", ntAuto }, { "SECAM", ntAuto },
  };
  for (const auto& [Text, Norm] : Norms) EXPECT_EQ(NormTypeOf(Text), Norm) << Text;
}

}  // namespace
