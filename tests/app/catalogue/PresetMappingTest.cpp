#include <gtest/gtest.h>

#include "app/catalogue/PresetCode.h"
#include "app/catalogue/PresetMapping.h"
#include "platform/base/Exception.h"

namespace {

TEST(PresetMapping, BitRatesInBitsPerSecond) {
  const std::pair<String, int> Cases[] = {
    { "768 kbps", 768000 },  { "8 kbps", 8000 },    { "4.75 kbps", 4750 }, { "5.15 kbps", 5150 },
    { "5.9 kbps", 5900 },    { "6.7 kbps", 6700 },  { "7.4 kbps", 7400 },  { "7.95 kbps", 7950 },
    { "10.2 kbps", 10200 },  { "12.2 kbps", 12200 }, { " 64 kbps ", 64000 },
  };
  for (const auto& [Text, Bitrate] : Cases)
    EXPECT_EQ(PresetBitrate(Text), Bitrate) << Text;
  EXPECT_THROW(PresetBitrate("kbps"), EConvertError);
  EXPECT_THROW(PresetBitrate("4.7505 kbps"), EConvertError) << "not a whole number of bits";
}

TEST(PresetMapping, EntryTextsGiveTheirFields) {
  TVideoParams Params;
  MapPresetText(TPresetRole::Resolution, "320*240", Params);
  EXPECT_EQ(Params.Video_FrameSize, "320*240");
  for (const char* KeepSource : { "保持原分辨率", "该格式无视频" }) {
    Params.Video_FrameSize = "1*1";
    MapPresetText(TPresetRole::Resolution, KeepSource, Params);
    EXPECT_EQ(Params.Video_FrameSize, "") << KeepSource;
  }
  MapPresetText(TPresetRole::FrameRate, "12", Params);
  EXPECT_EQ(Params.Video_FrameRate, "12");
  for (const char* KeepSource : { "保持原帧速率", "无视频" }) {
    MapPresetText(TPresetRole::FrameRate, KeepSource, Params);
    EXPECT_EQ(Params.Video_FrameRate, "") << KeepSource;
  }
  MapPresetText(TPresetRole::VideoBitrate, "无视频", Params);
  EXPECT_EQ(Params.Video_VideoBitrate, -1000);
  MapPresetText(TPresetRole::VideoBitrate, "1200 kbps", Params);
  EXPECT_EQ(Params.Video_VideoBitrate, 1200000);
  MapPresetText(TPresetRole::AudioBitrate, "12.2 kbps", Params);
  EXPECT_EQ(Params.Video_AudioBitrate, 12200);
  MapPresetText(TPresetRole::SampleRate, "22050", Params);
  EXPECT_EQ(Params.Video_AudioSampleRate, "22050");
}

TEST(PresetMapping, AspectModesAndAnUnknownTextThatKeepsTheField) {
  const std::pair<String, String> Cases[] = {
    { "保持原视频模式", "" },      { "普通视频4:3模式", "4:3" },     { "宽屏视频16:9模式", "16:9" },
    { "宽屏视频37:20模式", "37:20" }, { "宽屏视频47:20模式", "47:20" }, { "无视频", "" },
  };
  for (const auto& [Text, Ratio] : Cases) {
    TVideoParams Params;
    Params.Video_FrameAspectRatio = "9:9";
    MapPresetText(TPresetRole::AspectMode, Text, Params);
    EXPECT_EQ(Params.Video_FrameAspectRatio, Ratio) << Text;
  }
  TVideoParams Params;
  Params.Video_FrameAspectRatio = "4:3";
  MapPresetText(TPresetRole::AspectMode, "其他模式", Params);
  EXPECT_EQ(Params.Video_FrameAspectRatio, "4:3");
}

TEST(PresetMapping, EveryEntryOfEveryListMapsWithoutError) {
  const std::pair<char, TPresetRole> Roles[] = {
    { 'R', TPresetRole::Resolution }, { 'V', TPresetRole::VideoBitrate }, { 'F', TPresetRole::FrameRate },
    { 'A', TPresetRole::AudioBitrate }, { 'S', TPresetRole::SampleRate }, { 'M', TPresetRole::AspectMode },
  };
  for (const PresetList* List : PresetLists())
    for (const auto& [Prefix, Role] : Roles)
      if (List->Id[0] == Prefix)
        for (std::string_view Entry : List->Entries) {
          TVideoParams Params;
          EXPECT_NO_THROW(MapPresetText(Role, String(Entry), Params)) << List->Id << " " << Entry;
        }
}

TEST(PresetMapping, ParameterCellsHoldTheFieldsAsText) {
  TVideoParams Params;
  Params.Video_VideoBitrate = 1200000;
  Params.Video_AudioBitrate = -1000;
  Params.Video_FrameRate = "29.97";
  EXPECT_EQ(PresetParameterCell(TPresetRole::VideoBitrate), 16);
  EXPECT_EQ(PresetFieldText(TPresetRole::VideoBitrate, Params), "1200000");
  EXPECT_EQ(PresetParameterCell(TPresetRole::AudioBitrate), 18);
  EXPECT_EQ(PresetFieldText(TPresetRole::AudioBitrate, Params), "-1000");
  EXPECT_EQ(PresetParameterCell(TPresetRole::FrameRate), 17);
  EXPECT_EQ(PresetFieldText(TPresetRole::FrameRate, Params), "29.97");
  EXPECT_EQ(PresetParameterCell(TPresetRole::Resolution), 15);
  EXPECT_EQ(PresetParameterCell(TPresetRole::SampleRate), 19);
  EXPECT_EQ(PresetParameterCell(TPresetRole::AspectMode), 20);
}

TEST(PresetCode, PairsInTheRowsOrder) {
  EXPECT_EQ(PresetCode({ 3, 0, 1, 0, 12, 2 }), "030001001202");
  EXPECT_EQ(ReplacePresetCodePair("000310000904", TPresetRole::VideoBitrate, 5), "000510000904");
  EXPECT_EQ(ReplacePresetCodePair("000310000904", TPresetRole::SampleRate, 27), "000310000927");
  EXPECT_EQ(ReplacePresetCodePair("0003", TPresetRole::FrameRate, 9), "000300000900")
    << "a short code keeps the places of its pairs";
  EXPECT_EQ(PresetCodeIndexes("030001001202"), (std::array<int, 6> { 3, 0, 1, 0, 12, 2 }));
  EXPECT_THROW(PresetCodeIndexes("03000100xx02"), EConvertError);
}

TEST(VideoParams, ResetKeepsOnlyTheFileBeingAdded) {
  TVideoParams Params;
  Params.Video_AddFileName = "/src/a.mkv";
  Params.Video_OutPutFileName = "/out/a.wmv";
  Params.Video_AudioVolume = "100";
  Params.Video_VideoBitrate = 816000;
  Params.Video_TimeStart = 5;
  Params.Video_DisableVideo = true;
  Params.Reset();
  EXPECT_EQ(Params.Video_AddFileName, "/src/a.mkv");
  EXPECT_EQ(Params.Video_OutPutFileName, "");
  EXPECT_EQ(Params.Video_AudioVolume, "256");
  EXPECT_EQ(Params.Video_VideoBitrate, -1);
  EXPECT_EQ(Params.Video_TimeStart, -1);
  EXPECT_FALSE(Params.Video_DisableVideo);
}

}  // namespace
