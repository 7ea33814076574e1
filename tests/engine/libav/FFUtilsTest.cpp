#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFUtils.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/MyUtils.h"

namespace {

class FFUtilsTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    String Error;
    ASSERT_TRUE(LoadAVLib("", TranscoderLibraries, Error)) << Error;
  }
};

}  // namespace

TEST_F(FFUtilsTest, TimeSizeAndFrameStepTexts) {
  EXPECT_EQ(TimeToText(3725500000), "01:02:05.500");
  EXPECT_EQ(TimeToText(360000000000), "100:00:00.000");
  EXPECT_EQ(TimeToText(0), "00:00:00.000");
  EXPECT_EQ(TimeToText(AV_NOPTS_VALUE), "N/A");

  const std::pair<Int64, String> Sizes[] = { { 1024, "1024 Byte" },           { 1025, "1.00 KB" },
                                             { 1048577, "1.00 MB" },          { 1073741824, "1024.00 MB" },
                                             { 1073741825 * Int64(3), "3.00 GB" }, { -5, "-5 Byte" } };
  for (const auto& [Size, Text] : Sizes) EXPECT_EQ(SizeToText(Size), Text) << Size;

  EXPECT_EQ(FrameStep({ 25, 1 }), 40000);
  EXPECT_EQ(FrameStep({ 30000, 1001 }), 33366);
  EXPECT_EQ(FrameStep({ 0, 0 }), 40000);
  EXPECT_EQ(FrameStep({ 25, 0 }), 40000);
}

TEST_F(FFUtilsTest, ErrorTextNamesEveryKnownCode) {
  const std::pair<int, const char*> Codes[] = {
    { AVERROR_PATCHWELCOME, "Not yet implemented in FFmpeg" },
    { AVERROR_PROTOCOL_NOT_FOUND, "Unsupported network protocol" },
    { AVERROR(EILSEQ), "Unknown format" },
    { AVERROR_DEMUXER_NOT_FOUND, "Unknown format" },
    { AVERROR(EDOM), "Number syntax expected in filename" },
    { AVERROR_EOF, "End of file" },
    { AVERROR_INVALIDDATA, "Invalid data found when processing input" },
    { AVERROR(EINVAL), "Invalid data found when processing input" },
    { AVERROR(ENOMEM), "Not enough memory" },
    { AVERROR(EIO), "I/O error" },
    { AVERROR(ENOENT), "No such file or directory" },
    { AVERROR(EACCES), "Permission denied" },
    { AVERROR(EPERM), "Operation not permitted" },
    { -100000, "Error number -100000 occurred" },
    { AVERROR_MUXER_NOT_FOUND, "Error number -1481985528 occurred" },
  };
  for (const auto& [Code, Text] : Codes) EXPECT_EQ(ErrorText("a.avi", Code), String("a.avi: ") + Text);
}

TEST_F(FFUtilsTest, MediaTypeAndCodecNames) {
  EXPECT_EQ(MediaTypeName(AVMEDIA_TYPE_VIDEO), "Video");
  EXPECT_EQ(MediaTypeName(AVMEDIA_TYPE_ATTACHMENT), "Attachment");
  EXPECT_EQ(MediaTypeName(-1), "Unknown");
  EXPECT_EQ(MediaTypeName(5), "Unknown");

  AVCodecParameters* Parameters = LibAVCodec.avcodec_parameters_alloc();
  const struct {
    AVCodecID Id;
    uint32_t Tag;
    bool Encoder;
    const char* Text;
  } Cases[] = {
    { AV_CODEC_ID_MPEG4, 0, false, "mpeg4(MPEG-4 part 2)" },
    { AV_CODEC_ID_MP2, 0, true, "mp2(MP2 (MPEG audio layer 2))" },
    { AV_CODEC_ID_MPEG2TS, 0, false, "mpeg2ts" },
    { AV_CODEC_ID_NONE, MKTAG('X', 'V', 'I', 'D'), false, "XVID / 0x44495658" },
    { AV_CODEC_ID_NONE, 0x0001, false, "0x0001" },
  };
  for (const auto& Case : Cases) {
    Parameters->codec_id = Case.Id;
    Parameters->codec_tag = Case.Tag;
    EXPECT_EQ(CodecNameText(Parameters, Case.Encoder), Case.Text);
  }
  LibAVCodec.avcodec_parameters_free(&Parameters);
}

TEST_F(FFUtilsTest, MetadataLookupIgnoresCase) {
  AVDictionary* Metadata = nullptr;
  LibAVUtil.av_dict_set(&Metadata, "Title", "中文标题", 0);
  EXPECT_EQ(MetadataValue(Metadata, "title", "-"), "中文标题");
  EXPECT_EQ(MetadataValue(Metadata, "artist", "-"), "-");
  EXPECT_EQ(MetadataValue(nullptr, "title", "none"), "none");
  LibAVUtil.av_dict_free(&Metadata);
}

TEST_F(FFUtilsTest, ReadWholeFileAddsATerminator) {
  const auto File = std::filesystem::temp_directory_path() / "engine-read-whole-file.txt";
  std::ofstream(File, std::ios::binary) << "pass 1\nstats";
  uint8_t* Buffer = nullptr;
  int64_t Size = 0;
  ASSERT_EQ(ReadWholeFile(File.string(), Buffer, Size), 0);
  EXPECT_EQ(Size, 13);
  EXPECT_STREQ(reinterpret_cast<const char*>(Buffer), "pass 1\nstats");
  LibAVUtil.av_free(Buffer);
  std::filesystem::remove(File);
  EXPECT_EQ(ReadWholeFile(File.string(), Buffer, Size), -1);
}

TEST_F(FFUtilsTest, SplitTextAtTheFirstDelimiter) {
  const struct {
    String Text, Delimiter;
    bool Remove;
    String Head, Rest;
  } Cases[] = {
    { "a=b=c", "=", true, "a", "b=c" },  { "a=b=c", "=", false, "a", "a=b=c" }, { "abc", "=", true, "abc", "" },
    { "abc", "=", false, "abc", "abc" }, { "a<CRLF>b", "<CRLF>", true, "a", "b" }, { "abc", "", true, "abc", "" },
  };
  for (const auto& Case : Cases) {
    String Text = Case.Text, Head = "unchanged";
    SplitText(Text, Case.Delimiter, Case.Remove, Head);
    EXPECT_EQ(Head, Case.Head) << Case.Text;
    EXPECT_EQ(Text, Case.Rest) << Case.Text;
  }
}
