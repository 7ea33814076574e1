#include "app/jobs/JobCellRules.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "engine/tasklist/TOutputOptions.h"
#include "platform/base/Exception.h"
#include "platform/base/TStringList.h"

namespace {

/// A row's 24 cells: those named in Cells, the audio bit rate "-1000" (that cell is never empty), the
/// others empty.
std::unique_ptr<TStringList> Row(std::map<int, String> Cells) {
  Cells.try_emplace(18, "-1000");
  auto Texts = std::make_unique<TStringList>();
  for (int k = 0; k < 24; ++k) Texts->Add(Cells.contains(k) ? Cells.at(k) : String());
  return Texts;
}

/// A slot's record as an earlier writer left it: every field the cells can reach holds a value.
TOutputOptions Stored() {
  TOutputOptions Options;
  InitOutputOptions(Options);
  Options.VideoCodec = "wmv2";
  Options.VideoPreset = "stored-preset";
  Options.AudioCodec = "wmav2";
  Options.AudioChannels = 2;
  Options.VideoTag = "WMV2";
  Options.FileExt = ".wmv";
  Options.FrameSize = "640*480";
  Options.VideoBitrate = 816000;
  Options.FrameRate = "25";
  Options.AudioBitrate = 128000;
  Options.AudioSampleRate = 44100;
  Options.FrameAspectRatio = "4:3";
  Options.DisableVideo = true;
  Options.TargetType = ttDVD;
  Options.NormType = ntNTSC;
  Options.AudioVolume = 256;
  return Options;
}

TOutputOptions Applied(const std::map<int, String>& Cells) {
  TOutputOptions Options = Stored();
  ApplyJobCells(*Row(Cells), Options);
  return Options;
}

// The video codec cell decides codec, preset and whether the tag cell counts.
TEST(JobCellRulesTest, TheVideoCodecCellSetsCodecPresetAndTag) {
  struct TCase {
    const char* Codec;
    const char* Tag;
    const char* WantCodec;
    const char* WantPreset;
    const char* WantTag;
  };
  const TCase Cases[] = {
    { "libx264", "XVID", "libx264", "libx264-default", "" },
    { "mpeg4", "XVID", "mpeg4", "", "XVID" },
    { "", "DX50", "", "", "DX50" },
    { "", "", "", "", "" },
    { "LIBX264", "", "LIBX264", "", "" },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(String(Case.Codec) + " / " + Case.Tag);
    const TOutputOptions Options = Applied({ { 10, Case.Codec }, { 13, Case.Tag } });
    EXPECT_EQ(Options.VideoCodec, Case.WantCodec);
    EXPECT_EQ(Options.VideoPreset, Case.WantPreset);
    EXPECT_EQ(Options.VideoTag, Case.WantTag);
  }
}

// Empty cells, and the texts that mean "the engine decides", give the engine the choice whatever the slot
// held from an earlier format of the row or from the preset texts of its add; the rest is copied.
TEST(JobCellRulesTest, UnsetOrCopyTable) {
  const TOutputOptions Unset = Applied({ { 11, "AUTO" }, { 18, "-2000" }, { 19, "AUTO" } });
  EXPECT_EQ(Unset.AudioCodec, "");
  EXPECT_EQ(Unset.AudioChannels, -1);
  EXPECT_EQ(Unset.FileExt, "");
  EXPECT_EQ(Unset.FrameSize, "");
  EXPECT_EQ(Unset.VideoBitrate, -1);
  EXPECT_EQ(Unset.FrameRate, "");
  EXPECT_EQ(Unset.AudioBitrate, -1);
  EXPECT_EQ(Unset.AudioSampleRate, -1);
  EXPECT_EQ(Unset.FrameAspectRatio, "");
  EXPECT_EQ(Unset.TargetType, ttIgnore) << "a row switched away from a target format loses the target";
  EXPECT_EQ(Applied({}).AudioBitrate, -1) << "-1000";

  const TOutputOptions Copied = Applied({ { 11, "libmp3lame" }, { 12, "1" }, { 14, ".mp4" }, { 15, "320*240" },
                                          { 16, "-1000" }, { 17, "23.97" }, { 18, "-1" }, { 19, "8000" },
                                          { 20, "16:9" } });
  EXPECT_EQ(Copied.AudioCodec, "libmp3lame");
  EXPECT_EQ(Copied.AudioChannels, 1);
  EXPECT_EQ(Copied.FileExt, ".mp4");
  EXPECT_EQ(Copied.FrameSize, "320*240");
  EXPECT_EQ(Copied.VideoBitrate, -1000) << "the engine ignores a bit rate that is not positive";
  EXPECT_EQ(Copied.FrameRate, "23.97");
  EXPECT_EQ(Copied.AudioBitrate, -1) << "the add's 'not set' is copied";
  EXPECT_EQ(Copied.AudioSampleRate, 8000);
  EXPECT_EQ(Copied.FrameAspectRatio, "16:9");
  EXPECT_EQ(Copied.AudioVolume, 256) << "fields without a cell keep what the slot holds";
}

// Disable-video, target and norm are always decided by their cells, by exact, case-sensitive text.
TEST(JobCellRulesTest, FlagTargetAndNormTable) {
  struct TCase {
    const char* Disable;
    const char* Target;
    const char* Norm;
    bool WantDisable;
    TOptionTargetType WantTarget;
    TOptionNormType WantNorm;
  };
  const TCase Cases[] = {
    { "True", "vcd", "PAL", true, ttVCD, ntPAL },
    { "False", "svcd", "NTSC", false, ttSVCD, ntNTSC },
    { "", "dvd", "", false, ttDVD, ntAuto },
    { "true", "VCD", "pal", false, ttIgnore, ntAuto },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(String(Case.Disable) + " / " + Case.Target + " / " + Case.Norm);
    const TOutputOptions Options = Applied({ { 21, Case.Disable }, { 22, Case.Target }, { 23, Case.Norm } });
    EXPECT_EQ(Options.DisableVideo, Case.WantDisable);
    EXPECT_EQ(Options.TargetType, Case.WantTarget);
    EXPECT_EQ(Options.NormType, Case.WantNorm);
  }
}

TEST(JobCellRulesTest, ANumberCellHoldingTextRaises) {
  for (int Cell : { 12, 16, 18, 19 }) {
    SCOPED_TRACE(Cell);
    TOutputOptions Options = Stored();
    EXPECT_THROW(ApplyJobCells(*Row({ { Cell, "12x" } }), Options), EConvertError);
  }
}

}  // namespace
