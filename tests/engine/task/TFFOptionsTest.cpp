#include <gtest/gtest.h>

#include <vector>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/FFmpegLogger.h"
#include "engine/task/TFFOptions.h"

namespace {

int64_t IntOption(void* AObject, const char* AName) {
  int64_t Value = -12345;
  LibAVUtil.av_opt_get_int(AObject, AName, AV_OPT_SEARCH_CHILDREN, &Value);
  return Value;
}

String DictValue(const AVDictionary* ADictionary, const char* AKey) {
  const AVDictionaryEntry* Entry = LibAVUtil.av_dict_get(ADictionary, AKey, nullptr, 0);
  return Entry ? Entry->value : "<none>";
}

// Fresh holders for each test, with the logger's lines recorded.
class TFFOptionsTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    String Error;
    ASSERT_TRUE(LoadAVLib("", TranscoderLibraries, Error)) << Error;
  }
  void SetUp() override {
    Options.Allocate(SWS_BICUBIC);
    GlobalLogger()->SetTriggerEventInMainThread(false);
    GlobalLogger()->SetLogLevel(llInfo);
    GlobalLogger()->OnLog = [this](TObject*, Cardinal, TLogLevel Level, const String& Text) {
      Logged.push_back({ Level, Text });
    };
  }
  void TearDown() override {
    GlobalLogger()->OnLog = nullptr;
    GlobalLogger()->SetTriggerEventInMainThread(true);
    GlobalLogger()->SetLogLevel(llInfo);
  }
  AVCodecContext* Video() { return Options.CodecHolder(AVMEDIA_TYPE_VIDEO); }
  AVCodecContext* Audio() { return Options.CodecHolder(AVMEDIA_TYPE_AUDIO); }

  TFFOptions Options;
  std::vector<std::pair<TLogLevel, String>> Logged;
};

}  // namespace

TEST_F(TFFOptionsTest, GenericNamesReachTheHoldersOfTheirKind) {
  const int64_t AudioBitRate = IntOption(Audio(), "b");
  EXPECT_TRUE(Options.SetOption("b", "500000"));
  EXPECT_EQ(IntOption(Video(), "b"), 500000);
  EXPECT_EQ(IntOption(Audio(), "b"), AudioBitRate);  // "b" is the video bit rate only

  EXPECT_TRUE(Options.SetOption("vb", "1000000"));
  EXPECT_EQ(IntOption(Video(), "b"), 1000000);
  EXPECT_TRUE(Options.SetOption("ab", "128000"));
  EXPECT_EQ(IntOption(Audio(), "b"), 128000);
  EXPECT_EQ(IntOption(Video(), "b"), 1000000);

  EXPECT_TRUE(Options.SetOption("g", "250"));
  EXPECT_EQ(Video()->gop_size, 250);
  EXPECT_TRUE(Options.SetOption("ar", "22050"));
  EXPECT_EQ(Audio()->sample_rate, 22050);
  EXPECT_TRUE(Options.SetOption("probesize", "100000"));
  EXPECT_EQ(Options.FormatHolder()->probesize, 100000);
  EXPECT_TRUE(Options.SetOption("sws_flags", "bilinear"));
  EXPECT_EQ(IntOption(Options.ScalerHolder(), "sws_flags"), SWS_BILINEAR);

  std::vector<String> Names;
  for (const auto& Set : Options.SetOptions()) Names.push_back(Set.Name);
  EXPECT_EQ(Names, (std::vector<String> { "b", "b", "ab", "g", "ar", "probesize", "sws_flags" }));
  EXPECT_TRUE(Logged.empty());
}

TEST_F(TFFOptionsTest, UnknownNamesAndRefusedValuesAreFalse) {
  EXPECT_FALSE(Options.SetOption("no_such_option", "1"));
  EXPECT_FALSE(Options.SetOption("b", " "));
  EXPECT_FALSE(Options.SetOption("", "1"));
  EXPECT_TRUE(Logged.empty());

  EXPECT_FALSE(Options.SetOption("b", "abc"));
  ASSERT_FALSE(Logged.empty());  // FFmpeg gives its own reasons first
  EXPECT_EQ(Logged.back(), std::make_pair(llError, String("Invalid value \"abc\" for option \"b\"")));
  EXPECT_TRUE(Options.SetOptions().empty());
}

TEST_F(TFFOptionsTest, ADebugValueTurnsTheLoggerToDebug) {
  EXPECT_TRUE(Options.SetOption("debug", "1"));
  EXPECT_EQ(GlobalLogger()->LogLevel(), llDebug);
}

TEST_F(TFFOptionsTest, PrivateNamesOfThePendingEncoderAndMuxerAreKeptForThem) {
  EXPECT_FALSE(Options.SetOption("coder", "1"));  // no encoder pending knows it

  Options.SetPendingEncoder(AVMEDIA_TYPE_VIDEO, "libx264");
  EXPECT_TRUE(Options.SetOption("coder", "1"));
  EXPECT_EQ(DictValue(Options.EncoderOptions(AVMEDIA_TYPE_VIDEO), "coder"), "1");
  EXPECT_EQ(DictValue(Options.EncoderOptions(AVMEDIA_TYPE_AUDIO), "coder"), "<none>");
  EXPECT_FALSE(Options.SetOption("coder", "no_such_coder"));
  ASSERT_FALSE(Logged.empty());
  EXPECT_EQ(Logged.back().second, "Invalid value \"no_such_coder\" for option \"coder\"");

  EXPECT_TRUE(Options.SetOption("muxrate", "1000000"));  // some muxer knows it
  EXPECT_EQ(DictValue(Options.MuxerOptions(), "muxrate"), "1000000");
  Options.SetPendingMuxer("avi");
  EXPECT_FALSE(Options.SetOption("preload", "0.5"));
  Options.SetPendingMuxer("mpeg");
  EXPECT_TRUE(Options.SetOption("preload", "500000"));
  EXPECT_EQ(DictValue(Options.MuxerOptions(), "preload"), "500000");
}

TEST_F(TFFOptionsTest, CopyingHonoursTheFlagsAndKeepsTheTargetsOwnFlagBits) {
  ASSERT_TRUE(Options.SetOption("g", "250"));
  ASSERT_TRUE(Options.SetOption("flags", "+loop"));
  ASSERT_TRUE(Options.SetOption("ab", "96000"));

  const AVCodec* X264 = LibAVCodec.avcodec_find_encoder_by_name("libx264");
  ASSERT_NE(X264, nullptr);
  AVCodecContext* Encoder = LibAVCodec.avcodec_alloc_context3(X264);
  const int64_t DefaultBitRate = Encoder->bit_rate;
  ASSERT_TRUE(Encoder->flags & AV_CODEC_FLAG_CLOSED_GOP);
  Options.CopyOptions(Encoder, Video(), AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
  EXPECT_EQ(Encoder->gop_size, 250);
  EXPECT_TRUE(Encoder->flags & AV_CODEC_FLAG_LOOP_FILTER);
  EXPECT_TRUE(Encoder->flags & AV_CODEC_FLAG_CLOSED_GOP);
  EXPECT_EQ(Encoder->bit_rate, DefaultBitRate);  // the audio bit rate stays off a video encoder

  AVCodecContext* Decoder = LibAVCodec.avcodec_alloc_context3(nullptr);
  const int DecoderGop = Decoder->gop_size;
  Options.CopyOptions(Decoder, Video(), AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_DECODING_PARAM);
  EXPECT_EQ(Decoder->gop_size, DecoderGop);  // "g" is an encoding option
  LibAVCodec.avcodec_free_context(&Decoder);
  LibAVCodec.avcodec_free_context(&Encoder);
}
