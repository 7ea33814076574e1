#include <gtest/gtest.h>

#include <vector>

#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "platform/base/Exception.h"
#include "tests/engine/TaskTesting.h"

namespace {

class FFmpegOptionsTest : public TTaskTest {
protected:
  /// The message ApplyOption raised, "<none>" when it raised nothing.
  String Raised(const String& AName, const String& AValue) {
    try {
      Task.ApplyOption(AName, AValue);
    } catch (const Exception& E) {
      return E.Message;
    }
    return "<none>";
  }
  const TFFmpegSettings& S() const { return Task.Settings(); }

  TCustomFFmpeg Task { 20 };
};

}  // namespace

TEST_F(FFmpegOptionsTest, FixedReactionsIgnoreWarnOrRaise) {
  EXPECT_EQ(Raised("version", "1"), "<none>");
  EXPECT_EQ(Log.From(&Task), (std::vector<TLogRecorder::TEvent> { { &Task, llInfo, "Do nothing: option - version" } }));
  EXPECT_EQ(Raised("timelimit", "10"), "<none>");
  EXPECT_TRUE(Logged("Warning: -timelimit not implemented on Windows", &Task));

  EXPECT_EQ(Raised("threads", "4"), "TODO: option - threads");
  for (const char* Name : { "padtop", "padbottom", "padleft", "padright", "padcolor" })
    EXPECT_EQ(Raised(Name, "8"), "Please use vfilters=pad") << Name;
  EXPECT_EQ(Raised("newvideo", ""), "At least one output file must be specified");
}

TEST_F(FFmpegOptionsTest, FlagsSetsAndNumbersFollowTheirConversions) {
  Task.ApplyOption("copyts", "0");
  EXPECT_TRUE(S().Fcopy_ts);  // a set option ignores its value
  Task.ApplyOption("an", "0");
  EXPECT_FALSE(S().Faudio_disable);
  Task.ApplyOption("an", "");
  EXPECT_TRUE(S().Faudio_disable);

  Task.SetAudioVolume(-5);
  EXPECT_EQ(S().Faudio_volume, 256);
  Task.ApplyOption("vol", "-5");
  EXPECT_EQ(S().Faudio_volume, -5);
  Task.SetMuxPreload(0);
  EXPECT_FLOAT_EQ(S().Fmux_preload, 0.5f);

  EXPECT_THROW(Task.ApplyOption("fs", "abc"), EConvertError);
  EXPECT_EQ(S().Flimit_filesize, 0);
  Task.ApplyOption("fs", "5000000000");
  EXPECT_EQ(S().Flimit_filesize, 5000000000);

  Task.ApplyOption("ar", "0");
  Task.ApplyOption("ac", "-1");
  EXPECT_EQ(S().Faudio_sample_rate, 44100);
  EXPECT_EQ(S().Faudio_channels, 2);
  Task.ApplyOption("vframes", "100");
  Task.ApplyOption("aframes", "7");
  EXPECT_EQ(S().Fmax_frames[AVMEDIA_TYPE_VIDEO], 100);
  EXPECT_EQ(S().Fmax_frames[AVMEDIA_TYPE_AUDIO], 7);
  EXPECT_EQ(S().Fmax_frames[AVMEDIA_TYPE_DATA], INT_MAX);
}

TEST_F(FFmpegOptionsTest, CodecNames) {
  Task.ApplyOption("VCODEC", "mpeg4");  // names are exact: this one is nobody's
  EXPECT_EQ(S().Fvideo_codec_name, "");
  Task.ApplyOption("vcodec", "copy");
  Task.ApplyOption("vcodec", "mpeg4");
  EXPECT_EQ(S().Fvideo_stream_copy, 1);
  EXPECT_EQ(S().Fvideo_codec_name, "mpeg4");
  Task.ApplyOption("acodec", "libfaac");
  EXPECT_EQ(S().Faudio_codec_name, "aac");
  Task.ApplyOption("acodec", "");
  EXPECT_EQ(S().Faudio_codec_name, "aac");
}

TEST_F(FFmpegOptionsTest, ParsedValuesAndTheirRefusals) {
  struct TCase {
    const char* Name;
    const char* Value;
    const char* Error;  // nullptr: accepted
  };
  const TCase Cases[] = {
    { "aspect", "4:0", "Incorrect aspect ratio specification." },
    { "aspect", "abc", "Incorrect aspect ratio specification." },
    { "vtag", "DX5", "video tag parameter must be 4 chars" },
    { "atag", "mp4a5", "audio tag parameter must be 4 chars" },
    { "stag", "x", "subtitle tag parameter must be 4 chars" },
    { "s", "x", "Incorrect frame size" },
    { "r", "abc", "Incorrect frame rate" },
    { "t", "xyz", "Invalid duration specification for t: xyz" },
    { "timestamp", "bad", "Invalid date specification for timestamp: bad" },
    { "qscale", "0", "qscale must be > 0.0 and <= 255" },
    { "qscale", "256", "qscale must be > 0.0 and <= 255" },
    { "pix_fmt", "nosuch", "Unknown pixel format requested: nosuch" },
    { "metadata", "title", "Missing =" },
    { "itsscale", "25:2", "stream index over MAX_STREAMS(20)" },
    { "streamid", ":5", "Invalid value \":5\" for option \"streamid\", required syntax is \"index:value\"" },
    { "streamid", "1:", "Invalid value \"1:\" for option \"streamid\", required syntax is \"index:value\"" },
    { "streamid", "20:1", "stream index over MAX_STREAMS(20)" },
    { "croptop", "10", "Vertical crop dimensions are outside the range of the original image.\n"
                       "Remember to crop first and scale second." },
    { "cropleft", "10", "Horizontal crop dimensions are outside the range of the original image.\n"
                        "Remember to crop first and scale second." },
  };
  for (const TCase& Case : Cases) EXPECT_EQ(Raised(Case.Name, Case.Value), Case.Error) << Case.Name << " " << Case.Value;
  EXPECT_EQ(S().Fframe_aspect_ratio, 0);

  Task.ApplyOption("aspect", "16:9");
  EXPECT_FLOAT_EQ(S().Fframe_aspect_ratio, 16.0f / 9.0f);
  Task.ApplyOption("aspect", "1.85");
  EXPECT_FLOAT_EQ(S().Fframe_aspect_ratio, 1.85f);
  Task.ApplyOption("vtag", "DX50");
  EXPECT_EQ(S().Fvideo_codec_tag, uint32_t('D' | 'X' << 8 | '5' << 16 | '0' << 24));
  Task.ApplyOption("s", "320*240");
  EXPECT_EQ(std::pair(S().Fframe_width, S().Fframe_height), std::pair(320, 240));
  Task.ApplyOption("croptop", "10");
  EXPECT_EQ(std::pair(S().Fframe_topBand, S().Fframe_height), std::pair(10, 230));
  EXPECT_TRUE(Logged("CropXXX is deprecated in favor of the crop avfilter", &Task));
  Task.ApplyOption("r", "ntsc");
  EXPECT_EQ(std::pair(S().Fframe_rate.num, S().Fframe_rate.den), std::pair(30000, 1001));
  Task.ApplyOption("t", "00:01:30");
  EXPECT_EQ(S().Frecording_time, 90000000);
  EXPECT_EQ(Task.TotalOutputDuration(), 90000000);
  Task.ApplyOption("ss", "1.5");
  EXPECT_EQ(S().Fstart_time, 1500000);
  Task.ApplyOption("timestamp", "2020-06-15T12:00:00Z");
  EXPECT_EQ(S().Frecording_timestamp, 1592222400);
  Task.ApplyOption("qscale", "2.5");
  EXPECT_FLOAT_EQ(S().Fvideo_qscale, 2.5f);
  Task.ApplyOption("pix_fmt", "rgb24");
  EXPECT_EQ(S().Fframe_pix_fmt, AV_PIX_FMT_RGB24);
  Task.ApplyOption("sample_fmt", "nosuch");
  EXPECT_EQ(S().Faudio_sample_fmt, AV_SAMPLE_FMT_NONE);
  Task.ApplyOption("streamid", "3:7");
  EXPECT_EQ(S().Fstreamid_map[3], 7);
  EXPECT_THROW(Task.ApplyOption("streamid", "a:1"), EConvertError);
  Task.ApplyOption("itsscale", "1:2.5");
  EXPECT_EQ(Task.InputTsScale(0)[1], 2.5);
  Task.ApplyOption("metadata", "comment=a=b");
  EXPECT_EQ(S().Fmetadata.back(), std::pair(String("comment"), String("a=b")));
  Task.ApplyOption("f", "pgmyuv");
  EXPECT_EQ(S().Flast_asked_format, "image2");
  EXPECT_EQ(S().Fpgmyuv_compatibility_hack, 1);
}

TEST_F(FFmpegOptionsTest, FormatListsAreLoggedAndChangeNothing) {
  Task.ApplyOption("pix_fmt", "list");
  Task.ApplyOption("sample_fmt", "list");
  int Descriptors = 0;
  for (const AVPixFmtDescriptor* D = nullptr; (D = LibAVUtil.av_pix_fmt_desc_next(D));) ++Descriptors;
  const auto Lines = Log.From(&Task);
  ASSERT_EQ(int(Lines.size()), 1 + Descriptors + 1 + AV_SAMPLE_FMT_NB);
  EXPECT_TRUE(Lines[0].Text.starts_with("name"));
  EXPECT_TRUE(Lines[1].Text.starts_with("yuv420p"));
  EXPECT_EQ(Lines[1 + Descriptors].Text.substr(0, 4), "name");
  EXPECT_EQ(Lines[1].Level, llInfo);
  EXPECT_EQ(S().Fframe_pix_fmt, -1);
  EXPECT_EQ(S().Faudio_sample_fmt, -1);
}

TEST_F(FFmpegOptionsTest, BitRatesWarnWhenTheyLookLikeKilobits) {
  Task.ApplyOption("b", "500000");
  EXPECT_FALSE(Logged("bitrate parameter is set too low", &Task));
  Task.ApplyOption("ab", "64");
  const auto Lines = Log.From(&Task);
  ASSERT_EQ(Lines.size(), 1u);
  EXPECT_EQ(Lines[0].Level, llWarning);
  EXPECT_EQ(Lines[0].Text, "WARNING: The bitrate parameter is set too low. It takes bits/s as argument, not kbits/s");
}

TEST_F(FFmpegOptionsTest, OtherNamesGoToFFmpegsGenericOptions) {
  EXPECT_EQ(Raised("nosuchoption", "1"), "<none>");
  EXPECT_FALSE(Logged("nosuchoption", GlobalLogger()));
  EXPECT_EQ(Raised("g", "abc"), "<none>");
  EXPECT_TRUE(Logged("Invalid value \"abc\" for option \"g\"", GlobalLogger()));
  EXPECT_TRUE(Log.From(&Task).empty());
}

TEST_F(FFmpegOptionsTest, MapsAreReadAsTheCommandLineReadsThem) {
  for (const char* Map : { "0.1", "1.0:0.0", "0x1.2", "010.1" }) Task.ApplyOption("map", Map);
  const std::vector<TAVStreamMap> Expected = { { 0, 1, 0, 1 }, { 1, 0, 0, 0 }, { 1, 2, 1, 2 }, { 8, 1, 8, 1 } };
  EXPECT_EQ(Task.StreamMaps(), Expected);
  Task.ApplyOption("map_meta_data", "1:0");
  EXPECT_EQ(Task.MetaDataMaps(), (std::vector<TAVMetaDataMap> { { 1, 0 } }));
}

TEST_F(FFmpegOptionsTest, MapTablesRefuseWhatTheyCannotHold) {
  TCustomFFmpeg Small(1);
  for (int I = 0; I < 20; ++I) Small.ApplyOption("map", "0." + std::to_string(I));
  EXPECT_THROW(
      {
        try {
          Small.ApplyOption("map", "0.0");
        } catch (const FFmpegException& E) {
          EXPECT_EQ(E.Message, "Too many stream maps (max 20)");
          throw;
        }
      },
      FFmpegException);
  EXPECT_EQ(Small.StreamMaps().size(), 20u);
  Small.ApplyOption("map_meta_data", "0:0");
  EXPECT_THROW(Small.ApplyOption("map_meta_data", "0:0"), FFmpegException);
  EXPECT_EQ(Small.MetaDataMaps().size(), 1u);
}

TEST_F(FFmpegOptionsTest, LogLevelReachesTheProcessLogger) {
  Task.ApplyOption("loglevel", "warning");
  EXPECT_EQ(GlobalLogger()->LogLevel(), llWarning);
}
