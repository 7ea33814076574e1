#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/FormatParameters.h"
#include "app/catalogue/PresetTables.h"

namespace {

/// Every FormatKey reachable from the categories, with its caption.
std::map<int, std::string_view> ReachableFormats() {
  std::map<int, std::string_view> Formats;
  const auto Categories = FormatCategories();
  for (int Category = 0; Category < int(Categories.size()); ++Category)
    for (int Format = 0; Format < int(Categories[Category].Formats.size()); ++Format)
      Formats.emplace(FormatKey(Category, Format), Categories[Category].Formats[Format]);
  return Formats;
}

/// A parameter row's columns joined by "|", in the table's order.
String Columns(const FormatParameters& Row) {
  String Text;
  for (std::string_view Column : { Row.Extension, Row.VideoCodec, Row.AudioCodec, Row.AudioChannels, Row.VideoTag,
                                   Row.FileExt, Row.FrameSize })
    Text += String(Column) + "|";
  Text += std::to_string(Row.VideoBitrate) + "|" + String(Row.FrameRate) + "|" + std::to_string(Row.AudioBitrate) + "|";
  for (std::string_view Column : { Row.AudioSampleRate, Row.FrameAspectRatio, Row.TargetType, Row.NormType })
    Text += String(Column) + "|";
  return Text + (Row.DisableVideo ? "audio only" : "video");
}

const std::set<int> AudioOnlyKeys { 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 608, 1102, 1103 };

TEST(CatalogueTables, CategoriesAndTheirFormatGroups) {
  struct Expected {
    std::string_view Caption;
    int ImageIndex;
    size_t Formats;
  };
  const Expected Categories[] = {
    { "WMV格式", 17, 7 },  { "AVI格式", 15, 7 },   { "MP4格式", 10, 5 },  { "ASF格式", 18, 7 },
    { "XboX格式", 8, 10 }, { "MKV格式", 16, 7 },   { "VOB格式", 20, 6 },  { "高清格式", 2, 10 },
    { "MPG格式", 13, 11 }, { "3GP格式", 6, 14 },   { "APPLE格式", 7, 5 }, { "PMP格式", 9, 8 },
    { "Flash格式", 11, 4 }, { "视频格式", 0, 15 }, { "音频格式", 1, 13 },
  };
  ASSERT_EQ(FormatCategories().size(), std::size(Categories));
  size_t Total = 0;
  for (int Index = 0; Index < int(std::size(Categories)); ++Index) {
    const FormatCategory& Category = FormatCategories()[Index];
    EXPECT_EQ(Category.Caption, Categories[Index].Caption);
    EXPECT_EQ(CategoryImageIndex(Index), Categories[Index].ImageIndex);
    EXPECT_EQ(Category.Formats.size(), Categories[Index].Formats) << Category.Caption;
    EXPECT_EQ(FormatGroup(Category.ImageIndex).data(), Category.Formats.data());
    Total += Category.Formats.size();
  }
  EXPECT_EQ(Total, 129u);
  EXPECT_EQ(ReachableFormats().size(), 129u) << "keys never collide";
  EXPECT_TRUE(FormatGroup(3).empty());
  EXPECT_EQ(CategoryImageIndex(-1), 0);
  EXPECT_EQ(CategoryImageIndex(15), 0);
}

TEST(CatalogueTables, CaptionsAtBothEndsAndOddSpots) {
  const auto Formats = ReachableFormats();
  const std::pair<int, std::string_view> Known[] = {
    { 1700, "WMV标准视频(*.wmv)" },
    { 1706, "高清的HD WMV视频(*.wmv)" },
    { 600, "3GPP -  第三代合作项目-3GP视频+AMR音频(*.3gp)" },
    { 603, "3GPP2 -  第三代合作项目2-3G2视频+AAC音频(*.3g2)" },
    { 700, "Apple TV H264视频(320X240)(*.mp4)" },
    { 1101, "SWF动画视频FLASH动画视频(*.swf)" },
    { 0, "AVI - 音频视频交错格式(*.avi)" },
    { 14, "RM - REAL视频格式(*.rm)" },
    { 110, "FLAC-音频格式(*.flac)" },
    { 112, "AMR-手机音频格式(*.amr)" },
  };
  for (const auto& [Key, Caption] : Known)
    EXPECT_EQ(Formats.at(Key), Caption) << Key;
  for (const auto& [First, Second] : { std::pair { 200, 201 }, { 610, 613 }, { 801, 802 }, { 807, 808 },
                                       { 808, 809 }, { 903, 904 } })
    EXPECT_EQ(Formats.at(First), Formats.at(Second)) << First << " and " << Second << " share their caption";
}

TEST(CatalogueTables, FormatKeyAndRowFormatCodeAreDifferentNumbers) {
  EXPECT_EQ(FormatKey(0, 0), 1700);
  EXPECT_EQ(RowFormatCode(0, 0), 100);
  EXPECT_EQ(FormatKey(3, 1), 1801);
  EXPECT_EQ(RowFormatCode(3, 1), 401);
  EXPECT_EQ(FormatKey(13, 0), 0);
  EXPECT_EQ(RowFormatCode(13, 1), 1401);
  EXPECT_EQ(FormatKey(4, 9), 809) << "the third of three equal captions";
  for (int Code : { 100, 103, 401, 1412, 1510 }) {
    const RowFormat Decoded = DecodeRowFormatCode(Code);
    EXPECT_EQ(RowFormatCode(Decoded.CategoryIndex, Decoded.FormatIndex), Code);
  }
  EXPECT_EQ(DecodeRowFormatCode(1412).CategoryIndex, 13);
  EXPECT_EQ(DecodeRowFormatCode(1412).FormatIndex, 12);
}

TEST(CatalogueTables, EveryFormatHasOneParameterRowAndOnePresetSetAndNothingElseHasOne) {
  const auto Formats = ReachableFormats();
  std::set<int> ParameterKeys, PresetKeys;
  for (const FormatParameters& Row : FormatParameterTable())
    EXPECT_TRUE(ParameterKeys.insert(Row.FormatKey).second) << Row.FormatKey;
  for (const PresetSet& Set : PresetSets())
    EXPECT_TRUE(PresetKeys.insert(Set.FormatKey).second) << Set.FormatKey;
  std::set<int> Keys;
  for (const auto& [Key, Caption] : Formats)
    Keys.insert(Key);
  EXPECT_EQ(ParameterKeys, Keys);
  EXPECT_EQ(PresetKeys, Keys);
  EXPECT_EQ(FindFormatParameters(309), nullptr);
  EXPECT_EQ(FindPresetSet(1707), nullptr);
}

TEST(CatalogueTables, CaptionExtensionAgreesWithTheTableButForThreeFormats) {
  std::map<int, std::pair<String, String>> Differences;
  for (const auto& [Key, Caption] : ReachableFormats()) {
    const String Promised = FormatExtension(Caption);
    EXPECT_EQ(Caption.substr(Caption.size() - Promised.size() - 1), String(Promised) + ")")
      << Caption << ": the caption ends with its extension in parentheses";
    const String Written(FindFormatParameters(Key)->Extension);
    if (Promised != Written)
      Differences[Key] = { Promised, Written };
  }
  const std::map<int, std::pair<String, String>> Expected {
    { 801, { ".mpg", ".mpeg" } },
    { 806, { ".wmv", ".avi" } },
    { 809, { ".avi", ".mp4" } },
  };
  EXPECT_EQ(Differences, Expected);
}

TEST(CatalogueTables, FormatExtensionReadsTheCaptionsEnd) {
  const std::pair<std::string_view, std::string_view> Cases[] = {
    { "WMV标准视频(*.wmv)", ".wmv" },
    { "RM - REAL视频格式(*.rm)", ".rm" },
    { "RA - RealAudio音频格式(*.ra)", ".ra" },
    { "AIFF - 音频交换文件格式(*.aiff)", ".aiff" },
    { "FLAC-音频格式(*.flac)", ".flac" },
    { "x(*.mpeg)", ".mpeg" },
    { "(*.alac))", ".alac" },
    { "3GPP2 -  第三代合作项目2-3G2视频+AAC音频(*.3g2)", ".3g2" },
    { "视频)", "视频" },
    { "", "" },
  };
  for (const auto& [Caption, Extension] : Cases)
    EXPECT_EQ(FormatExtension(Caption), Extension) << Caption;
}

TEST(CatalogueTables, PresetListsKeepTheirLengthsAndDuplicates) {
  const std::map<std::string_view, size_t> Lengths {
    { "R1", 28 }, { "R2", 11 }, { "R3", 1 },   { "R4", 11 },  { "R5", 13 },  { "R6", 7 },   { "R7", 8 },
    { "R8", 9 },  { "R9", 3 },  { "R10", 16 }, { "R11", 4 },  { "R12", 11 }, { "R13", 12 }, { "R14", 5 },
    { "R15", 2 }, { "R16", 19 }, { "V1", 8 },  { "V2", 9 },   { "V3", 9 },   { "V4", 15 },  { "V5", 9 },
    { "V6", 1 },  { "V7", 8 },  { "V8", 17 },  { "V9", 9 },   { "V10", 9 },  { "V11", 10 }, { "F1", 12 },
    { "F2", 7 },  { "F3", 1 },  { "F4", 4 },   { "F5", 8 },   { "F6", 10 },  { "A1", 17 },  { "A2", 6 },
    { "A3", 8 },  { "A4", 8 },  { "A5", 9 },   { "A6", 5 },   { "S1", 6 },   { "S2", 1 },   { "S3", 7 },
    { "S4", 4 },  { "S5", 3 },  { "M1", 5 },   { "M2", 2 },   { "M3", 1 },
  };
  std::map<std::string_view, const PresetList*> Lists;
  for (const PresetList* List : PresetLists())
    Lists[List->Id] = List;
  ASSERT_EQ(PresetLists().size(), 47u);
  ASSERT_EQ(Lists.size(), 47u);
  for (const auto& [Id, Length] : Lengths)
    EXPECT_EQ(Lists.at(Id)->Entries.size(), Length) << Id;
  const auto& R1 = Lists.at("R1")->Entries;
  EXPECT_EQ(R1[24], "1920*1200");
  EXPECT_EQ(R1[25], "1920*1200");
  EXPECT_EQ(R1[26], "2048*1536");
  EXPECT_EQ(R1[27], "2560*1600");
  EXPECT_EQ(Lists.at("R4")->Entries[7], Lists.at("R4")->Entries[8]);
  EXPECT_EQ(Lists.at("R10")->Entries[12], Lists.at("R10")->Entries[13]);
  EXPECT_EQ(Lists.at("R6")->Entries[1], "176*144") << "not sorted: 176*144 before 160*120";
  EXPECT_EQ(Lists.at("R6")->Entries[2], "160*120");
}

TEST(CatalogueTables, PresetSetsUseListsOfTheirComboAndDefaultsInsideThem) {
  const std::pair<TPresetRole, char> Prefixes[] = {
    { TPresetRole::Resolution, 'R' }, { TPresetRole::VideoBitrate, 'V' }, { TPresetRole::FrameRate, 'F' },
    { TPresetRole::AudioBitrate, 'A' }, { TPresetRole::SampleRate, 'S' }, { TPresetRole::AspectMode, 'M' },
  };
  const std::set<std::string_view> VideoLessLists { "R3", "V6", "F3", "M3" };
  std::set<int> AudioOnly, UsingVideoLessLists;
  for (const PresetSet& Set : PresetSets()) {
    for (const auto& [Role, Prefix] : Prefixes) {
      const PresetChoice& Choice = Set.Choice(Role);
      EXPECT_EQ(Choice.List->Id[0], Prefix) << Set.FormatKey;
      EXPECT_GE(Choice.DefaultIndex, 0) << Set.FormatKey;
      EXPECT_LT(Choice.DefaultIndex, int(Choice.List->Entries.size())) << Set.FormatKey;
      if (VideoLessLists.contains(Choice.List->Id))
        UsingVideoLessLists.insert(Set.FormatKey);
    }
    if (Set.AudioOnly)
      AudioOnly.insert(Set.FormatKey);
  }
  EXPECT_EQ(AudioOnly, AudioOnlyKeys);
  EXPECT_EQ(UsingVideoLessLists, AudioOnlyKeys);
  for (int Key : AudioOnlyKeys)
    for (TPresetRole Role : PresetVideoRoles)
      EXPECT_TRUE(VideoLessLists.contains(FindPresetSet(Key)->Choice(Role).List->Id)) << Key;
}

TEST(CatalogueTables, DefaultEntriesOfKnownFormats) {
  struct Defaults {
    int Key;
    std::string_view Resolution, VideoBitrate, FrameRate, AudioBitrate, SampleRate, AspectMode;
  };
  const Defaults Cases[] = {
    { 0, "保持原分辨率", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式" },
    { 1, "保持原分辨率", "768 kbps", "25.00", "128 kbps", "44100", "保持原视频模式" },
    { 9, "176*144", "128 kbps", "12", "12 kbps", "8000", "保持原视频模式" },
    { 100, "该格式无视频", "无视频", "无视频", "128 kbps", "44100", "无视频" },
    { 112, "该格式无视频", "无视频", "无视频", "7.4 kbps", "8000", "无视频" },
    { 1501, "1280*720", "1600 kbps", "29.97", "128 kbps", "48000", "保持原视频模式" },
    { 2004, "640*480", "528 kbps", "保持原帧速率", "128 kbps", "44100", "保持原视频模式" },
    { 2005, "320*240", "528 kbps", "保持原帧速率", "128 kbps", "32000", "保持原视频模式" },
  };
  for (const Defaults& Case : Cases) {
    const PresetSet& Set = *FindPresetSet(Case.Key);
    EXPECT_EQ(Set.Resolution.DefaultEntry(), Case.Resolution) << Case.Key;
    EXPECT_EQ(Set.VideoBitrate.DefaultEntry(), Case.VideoBitrate) << Case.Key;
    EXPECT_EQ(Set.FrameRate.DefaultEntry(), Case.FrameRate) << Case.Key;
    EXPECT_EQ(Set.AudioBitrate.DefaultEntry(), Case.AudioBitrate) << Case.Key;
    EXPECT_EQ(Set.SampleRate.DefaultEntry(), Case.SampleRate) << Case.Key;
    EXPECT_EQ(Set.AspectMode.DefaultEntry(), Case.AspectMode) << Case.Key;
  }
}

TEST(CatalogueTables, ParametersOfKnownFormats) {
  const FormatParameters& Wmv = *FindFormatParameters(1700);
  EXPECT_EQ(Wmv.Extension, ".wmv");
  EXPECT_EQ(Wmv.VideoCodec, "wmv2");
  EXPECT_EQ(Wmv.AudioCodec, "wmav2");
  EXPECT_EQ(Wmv.AudioChannels, "2");
  EXPECT_EQ(Wmv.FrameSize, "");
  EXPECT_EQ(Wmv.VideoBitrate, 816000);
  EXPECT_EQ(Wmv.FrameRate, "25");
  EXPECT_EQ(Wmv.AudioBitrate, 128000);
  EXPECT_EQ(Wmv.AudioSampleRate, "44100");
  EXPECT_EQ(Wmv.FileExt, ".wmv");
  EXPECT_FALSE(Wmv.DisableVideo);

  const FormatParameters& Mp3 = *FindFormatParameters(100);
  EXPECT_EQ(Mp3.Extension, ".mp3");
  EXPECT_EQ(Mp3.VideoCodec, "");
  EXPECT_EQ(Mp3.AudioCodec, "libmp3lame");
  EXPECT_EQ(Mp3.VideoBitrate, -1);
  EXPECT_EQ(Mp3.AudioSampleRate, "48000");
  EXPECT_TRUE(Mp3.DisableVideo);

  const FormatParameters& Dvd = *FindFormatParameters(11);
  EXPECT_EQ(Dvd.Extension, ".mpg");
  EXPECT_EQ(Dvd.VideoCodec, "");
  EXPECT_EQ(Dvd.AudioCodec, "");
  EXPECT_EQ(Dvd.AudioChannels, "");
  EXPECT_EQ(Dvd.AudioSampleRate, "");
  EXPECT_EQ(Dvd.FileExt, "");
  EXPECT_EQ(Dvd.VideoBitrate, -1000);
  EXPECT_EQ(Dvd.AudioBitrate, -1000);
  EXPECT_EQ(Dvd.TargetType, "dvd");
  EXPECT_EQ(Dvd.NormType, "PAL");

  const FormatParameters& Real = *FindFormatParameters(14);
  EXPECT_EQ(Real.Extension, ".rm");
  EXPECT_EQ(Real.VideoCodec, "rv20");
  EXPECT_EQ(Real.FrameSize, "320*240");
  EXPECT_EQ(Real.AudioCodec, "");
  EXPECT_EQ(Real.AudioChannels, "");
  EXPECT_EQ(Real.VideoBitrate, -1);
  EXPECT_EQ(Real.AudioBitrate, -1);

  const FormatParameters& Xbox = *FindFormatParameters(809);
  EXPECT_EQ(Xbox.Extension, ".mp4");
  EXPECT_EQ(Xbox.FileExt, ".mp4");
  EXPECT_EQ(Xbox.VideoCodec, "msmpeg4v1");
}

TEST(CatalogueTables, WholeRowsAtBothEndsAndOddSpots) {
  const std::pair<int, std::string_view> Rows[] = {
    { 1706, ".wmv|wmv2|wmav2|2||.wmv|1280*720|1600000|30|128000|48000||||video" },
    { 1003, ".mp4|libx264|libfaac|2||.mp4|320*240|1200000|25|128000|44100||||video" },
    { 2000, ".vob||libfaac|2||.vob|1280*720|1200000|29.97|128000|48000||||video" },
    { 1310, ".mpg|||||||-1000||-1000|||vcd|PAL|video" },
    { 600, ".3gp|mpeg4|libopencore_amrnb|1||.3gp|176*144|128000|12|10200|8000||||video" },
    { 608, ".amr||libopencore_amrnb|1||.amr||-1||7400|8000||||audio only" },
    { 1103, ".swf||libmp3lame|2||||-1||128000|22050||||audio only" },
    { 9, ".3gp|mpeg4|libfaac|1||.3gp|176*144|128000|12|12000|8000|4:3|||video" },
    { 112, ".amr||libopencore_amrnb|1||.amr||-1||7400|8000||||audio only" },
  };
  for (const auto& [Key, Expected] : Rows)
    EXPECT_EQ(Columns(*FindFormatParameters(Key)), Expected) << Key;
  EXPECT_EQ(FormatParameterTable().front().FormatKey, 1700);
  EXPECT_EQ(FormatParameterTable().back().FormatKey, 112);
}

TEST(CatalogueTables, RuleColumnsAtTheirExceptions) {
  struct Case {
    int Key;
    std::string_view Channels, FileExt, Tag, Aspect, Target;
  };
  const Case Cases[] = {
    { 9, "1", ".3gp", "", "4:3", "" },       { 112, "1", ".amr", "", "", "" },
    { 608, "1", ".amr", "", "", "" },        { 106, "2", ".rm", "", "", "" },
    { 206, "2", ".asf", "", "", "" },        { 1102, "2", "", "", "", "" },
    { 1309, "", "", "", "", "svcd" },        { 13, "", "", "", "", "vcd" },
    { 0, "2", ".avi", "XVID", "", "" },      { 1605, "2", ".mkv", "XVID", "", "" },
    { 611, "2", ".avi", "DX50", "", "" },    { 1604, "2", ".mkv", "DX50", "", "" },
    { 1503, "2", ".avi", "", "", "" },
  };
  for (const Case& Expected : Cases) {
    const FormatParameters& Row = *FindFormatParameters(Expected.Key);
    EXPECT_EQ(Row.AudioChannels, Expected.Channels) << Expected.Key;
    EXPECT_EQ(Row.FileExt, Expected.FileExt) << Expected.Key;
    EXPECT_EQ(Row.VideoTag, Expected.Tag) << Expected.Key;
    EXPECT_EQ(Row.FrameAspectRatio, Expected.Aspect) << Expected.Key;
    EXPECT_EQ(Row.TargetType, Expected.Target) << Expected.Key;
    EXPECT_EQ(Row.NormType, Expected.Target.empty() ? "" : "PAL") << Expected.Key;
  }
  std::set<int> WithoutVideo;
  for (const FormatParameters& Row : FormatParameterTable())
    if (Row.DisableVideo)
      WithoutVideo.insert(Row.FormatKey);
  EXPECT_EQ(WithoutVideo, AudioOnlyKeys) << "the parameter step and the presets agree on audio-only formats";
}

}  // namespace
