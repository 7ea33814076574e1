#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "engine/transcode/TrialOpen.h"
#include "engine/task/TOptionsPreset.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "tests/engine/TaskTesting.h"

namespace {

using TOptions = std::vector<std::pair<String, String>>;

/// What a written file holds: its container, and codec, size and frame rate of its first streams.
struct TWritten {
  String Format;
  AVCodecID Video { AV_CODEC_ID_NONE };
  AVCodecID Audio { AV_CODEC_ID_NONE };
  int Width { 0 };
  int Height { 0 };
  AVRational Rate { 0, 0 };
  int SampleRate { 0 };
  Int64 VideoBytes { 0 };  // in the packets of the first video stream
  int VideoPackets { 0 };
  int Pictures { 0 };      // decoded from them
};

TWritten Inspect(const String& AFileName) {
  TWritten Result;
  AVFormatContext* Input = nullptr;
  if (LibAVFormat.avformat_open_input(&Input, AFileName.c_str(), nullptr, nullptr) < 0) {
    ADD_FAILURE() << "cannot open " << AFileName;
    return Result;
  }
  LibAVFormat.avformat_find_stream_info(Input, nullptr);
  Result.Format = Input->iformat->name;
  int VideoIndex = -1;
  for (unsigned I = 0; I < Input->nb_streams; ++I) {
    const AVStream* Stream = Input->streams[I];
    if (Stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO && Result.Video == AV_CODEC_ID_NONE) {
      Result.Video = Stream->codecpar->codec_id;
      VideoIndex = int(I);
      Result.Width = Stream->codecpar->width;
      Result.Height = Stream->codecpar->height;
      Result.Rate = Stream->avg_frame_rate;
    } else if (Stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO && Result.Audio == AV_CODEC_ID_NONE) {
      Result.Audio = Stream->codecpar->codec_id;
      Result.SampleRate = Stream->codecpar->sample_rate;
    }
  }
  AVCodecContext* Decoder = nullptr;
  if (VideoIndex >= 0) {
    const AVCodec* Codec = LibAVCodec.avcodec_find_decoder(Result.Video);
    Decoder = LibAVCodec.avcodec_alloc_context3(Codec);
    LibAVCodec.avcodec_parameters_to_context(Decoder, Input->streams[VideoIndex]->codecpar);
    LibAVCodec.avcodec_open2(Decoder, Codec, nullptr);
  }
  AVPacket* Packet = LibAVCodec.av_packet_alloc();
  AVFrame* Frame = LibAVUtil.av_frame_alloc();
  const auto Drain = [&] {
    while (LibAVCodec.avcodec_receive_frame(Decoder, Frame) >= 0) ++Result.Pictures;
  };
  while (LibAVFormat.av_read_frame(Input, Packet) >= 0) {
    if (Packet->stream_index == VideoIndex) {
      Result.VideoBytes += Packet->size;
      ++Result.VideoPackets;
      if (LibAVCodec.avcodec_send_packet(Decoder, Packet) >= 0) Drain();
    }
    LibAVCodec.av_packet_unref(Packet);
  }
  if (Decoder) {
    LibAVCodec.avcodec_send_packet(Decoder, nullptr);
    Drain();
    LibAVCodec.avcodec_free_context(&Decoder);
  }
  LibAVUtil.av_frame_free(&Frame);
  LibAVCodec.av_packet_free(&Packet);
  LibAVFormat.avformat_close_input(&Input);
  return Result;
}

class FFmpegTargetsTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    String Error;
    ASSERT_TRUE(LoadAVLib("", TranscoderLibraries, Error)) << Error;
    MediaFixtures();
  }
  static const TMediaFixtures& Media() { return MediaFixtures(); }

  /// Opens AInput, applies AOptions and opens AOutput on ATask, then runs it on this thread.
  static void Convert(TCustomFFmpeg& ATask, const String& AInput, const TOptions& AOptions, const String& AOutput) {
    ASSERT_TRUE(ATask.OpenInputFile(AInput)) << ATask.LastErrMsg();
    for (const auto& [Name, Value] : AOptions) ATask.ApplyOption(Name, Value);
    ASSERT_GT(ATask.OpenOutputFile(AOutput, false), 0) << ATask.LastErrMsg();
    ATask.StartConvert(false, tpNormal);
    ASSERT_FALSE(ATask.FatalException()) << ATask.FatalMessage();
  }
  bool Logged(TCustomFFmpeg& ATask, const String& AText) {
    for (const auto& Event : Log.From(&ATask))
      if (Event.Text.find(AText) != String::npos) return true;
    return false;
  }

  TLogRecorder Log { llInfo };
  TScratchFolder Folder;
};

// --- Encoder presets ------------------------------------------------------------------------------------------

TEST(OptionsPreset, BuiltinTableHasEveryPresetWithItsLineCount) {
  const std::map<String, int> Lines = {
    { "baseline", 4 },         { "ipod320", 7 },         { "ipod640", 8 },         { "lossless_fast", 20 },
    { "lossless_max", 21 },    { "lossless_medium", 20 }, { "lossless_slow", 21 }, { "lossless_slower", 21 },
    { "lossless_ultrafast", 19 }, { "main", 1 },
  };
  ASSERT_EQ(BuiltinPresets().size(), 36u);
  EXPECT_EQ(BuiltinPresets().front().Name, "libx264-baseline");
  EXPECT_EQ(BuiltinPresets().back().Name, "libx264-veryslow_firstpass");
  for (const TOptionsPreset& Preset : BuiltinPresets()) {
    const String Short = Preset.Name.substr(strlen("libx264-"));
    const int Expected = Lines.contains(Short) ? Lines.at(Short) : 22;
    EXPECT_EQ(int(std::count(Preset.Value.begin(), Preset.Value.end(), '\n')) + 1, Expected) << Preset.Name;
  }
  EXPECT_EQ(FindBuiltinPreset("LIBX264-MAIN"), "flags2=-dct8x8");
  EXPECT_EQ(FindBuiltinPreset("libx264-placebo_firstpass"), FindBuiltinPreset("libx264-placebo"));
  EXPECT_EQ(FindBuiltinPreset("medium"), "");
  const String Medium = FindBuiltinPreset("libx264-fast");
  EXPECT_NE(Medium.find("coder=1\nflags=+loop\n"), String::npos);
  EXPECT_NE(Medium.find("\nsubq=6\n"), String::npos);
}

TEST(OptionsPreset, LinesTranslateToTodaysNamesBuildingOnEarlierOnes) {
  struct TCase {
    String Option, Value;
    std::map<String, String> Before;
    TOptionPairs Expected;
    std::vector<String> Unknown;
  };
  const std::vector<TCase> Cases = {
    { "partitions", "+parti8x8+parti4x4+partp8x8+partb8x8", {}, { { "partitions", "i4x4,i8x8,p8x8,b8x8" } }, {} },
    // "-parti8x8" switches the item off, which the encoder's substring reading would not.
    { "partitions", "-parti8x8-parti4x4-partp8x8-partb8x8", { { "partitions", "i4x4,i8x8" } }, { { "partitions", "none" } }, {} },
    { "partitions", "+partp4x4", { { "partitions", "i4x4" } }, { { "partitions", "i4x4,p4x4" } }, {} },
    { "flags2", "+bpyramid+mixed_refs+wpred+dct8x8+fastpskip", {},
      { { "b-pyramid", "normal" }, { "mixed-refs", "1" }, { "weightb", "1" }, { "8x8dct", "1" }, { "fast-pskip", "1" }, { "mbtree", "1" } }, {} },
    { "flags2", "-dct8x8+aud", { { "8x8dct", "1" }, { "mbtree", "0" } },
      { { "b-pyramid", "none" }, { "mixed-refs", "0" }, { "weightb", "0" }, { "8x8dct", "0" }, { "fast-pskip", "1" }, { "mbtree", "0" } },
      { "aud" } },
    { "directpred", "3", {}, { { "direct-pred", "3" } }, {} },
    { "cqp", "0", {}, { { "qp", "0" } }, {} },
    { "flags", "-loop", { { "x264-params", "keyint=5:no-deblock=0" } },
      { { "flags", "-loop" }, { "x264-params", "keyint=5:no-deblock=1" } }, {} },
    { "flags", "+loop", {}, { { "flags", "+loop" }, { "x264-params", "no-deblock=0" } }, {} },
    { "subq", "7", {}, { { "subq", "7" } }, {} },
  };
  for (const TCase& Case : Cases) {
    std::vector<String> Unknown;
    const auto Lookup = [&](const String& AName) { return Case.Before.contains(AName) ? Case.Before.at(AName) : String(); };
    EXPECT_EQ(TranslateX264PresetLine(Case.Option, Case.Value, Lookup, Unknown), Case.Expected) << Case.Option << "=" << Case.Value;
    EXPECT_EQ(Unknown, Case.Unknown) << Case.Option << "=" << Case.Value;
  }
}

/// The settings text libx264 writes into its stream ("options: cabac=1 ref=3 ...").
String X264Settings(const String& AFileName) {
  const String Data = ReadFile(AFileName);
  const size_t Start = Data.find("options: ");
  if (Start == String::npos) return "";
  return Data.substr(Start, Data.find('\0', Start) - Start) + " ";
}

TEST_F(FFmpegTargetsTest, EveryBuiltinPresetOpensTheEncoderAndEncodes) {
  // What the translated lines must have reached the encoder as, for presets that show it.
  const std::map<String, std::vector<String>> Expected = {
    { "libx264-baseline", { "cabac=0", "bframes=0" } },
    { "libx264-main", { "8x8dct=0", "b_pyramid=0" } },
    { "libx264-medium", { "cabac=1", "deblock=1:", "b_pyramid=2", "direct=1", "mixed_ref=1", "8x8dct=1", "ref=3" } },
    { "libx264-ultrafast", { "deblock=0:", "mbtree=0", "analyse=0x1:0 " } },
    { "libx264-lossless_fast", { "qp=0", "cabac=0" } },
    { "libx264-max", { "fast_pskip=0", "direct=3", "ref=16" } },
  };
  for (const TOptionsPreset& Preset : BuiltinPresets()) {
    SCOPED_TRACE(Preset.Name);
    TCustomFFmpeg Task(2);
    const String Output = Folder.Path(Preset.Name + ".mp4");
    Convert(Task, Media().ClipAVI, { { "an", "1" }, { "vcodec", "libx264" }, { "vpre", Preset.Name }, { "s", "64x48" }, { "vframes", "3" } },
            Output);
    EXPECT_FALSE(Logged(Task, "has no equivalent"));
    EXPECT_EQ(Inspect(Output).Video, AV_CODEC_ID_H264);
    const String Settings = X264Settings(Output);
    if (Expected.contains(Preset.Name)) {
      for (const String& Item : Expected.at(Preset.Name)) {
        EXPECT_NE(Settings.find(" " + Item), String::npos) << Item << " in " << Settings;
      }
    }
  }
}

TEST_F(FFmpegTargetsTest, TheDefaultPresetMakesAPlayableMP4) {
  TCustomFFmpeg Task(2);
  const String Output = Folder.Path("default.mp4");
  Convert(Task, Media().ClipAVI, { { "vcodec", "libx264" }, { "vpre", "default" }, { "acodec", "aac" }, { "s", "160x120" } }, Output);
  const TWritten Written = Inspect(Output);
  EXPECT_EQ(Written.Format, "mov,mp4,m4a,3gp,3g2,mj2");
  EXPECT_EQ(Written.Video, AV_CODEC_ID_H264);
  EXPECT_EQ(Written.Audio, AV_CODEC_ID_AAC);
  EXPECT_EQ(Written.Pictures, Fixture::FrameCount);
}

TEST_F(FFmpegTargetsTest, PresetsAreFoundByCodecOrReadFromTheirFile) {
  TCustomFFmpeg Task(2);
  Task.ApplyOption("vcodec", "libx264");
  Task.ApplyOption("vpre", "medium");  // the codec's name completes it
  EXPECT_THROW(Task.ApplyOption("fpre", "libx264-medium"), FFmpegException);
  try {
    Task.ApplyOption("fpre", "libx264-medium");
  } catch (const FFmpegException& E) {
    EXPECT_STREQ(E.what(), "Preset \"libx264-medium\" not found");
  }
  // A file's lines for libx264 are translated too; a line without an equivalent is skipped with a warning.
  const String File = Folder.Path("mine.ffpreset");
  WriteFile(File, "  \r\ncoder=0\r\n\r\nflags2=+aud-dct8x8\rsubq=3  \n");
  Task.ApplyOption("vpre", File);
  EXPECT_TRUE(Logged(Task, "option line \"flags2=+aud-dct8x8\" has no equivalent in this FFmpeg version, skipped"));

  struct TBad {
    String Text, Message;
  };
  const std::vector<TBad> Bad = {
    { "g = 250", "bad.txt: Invalid option or argument: \"g = 250\", parsed as \"g \" = \" 250\"" },
    { "# comment", "bad.txt: Invalid syntax: \"# comment\"" },
    { "subq=", "bad.txt: Invalid syntax: \"subq=\"" },
  };
  TCustomFFmpeg Plain(2);
  Plain.ApplyOption("vcodec", "mpeg4");
  for (const TBad& Case : Bad) {
    WriteFile(Folder.Path("bad.txt"), Case.Text);
    const String Old = GetCurrentDir();
    std::filesystem::current_path(Folder.Path(""));
    try {
      Plain.ApplyOption("fpre", "bad.txt");
      ADD_FAILURE() << Case.Text;
    } catch (const FFmpegException& E) {
      EXPECT_EQ(String(E.what()), Case.Message);
    }
    std::filesystem::current_path(Old);
  }
}

// --- Quantiser matrices, passes, statistics file --------------------------------------------------------------

TEST_F(FFmpegTargetsTest, MatricesTakeSixtyFourCoefficientsAndRefuseBadOnes) {
  TCustomFFmpeg Task(2);
  String Full;
  for (int I = 1; I <= 64; ++I) Full += (I > 1 ? "," : "") + std::to_string(I + 8);
  Task.ApplyOption("intra_matrix", Full + ",garbage");
  ASSERT_EQ(Task.Settings().Fintra_matrix.size(), 64u);
  EXPECT_EQ(Task.Settings().Fintra_matrix[0], 9);
  EXPECT_EQ(Task.Settings().Fintra_matrix[63], 72);
  struct TCase {
    String Text;
    int Coeff;
  };
  const std::vector<TCase> Bad = {
    { "1,2,3,4,5,6,7,8,9,10", 9 },
    { "16,0," + Full, 1 },  // zero would divide by zero in the encoder
    { "16,300," + Full, 1 },
  };
  for (const TCase& Case : Bad) {
    try {
      Task.ApplyOption("intra_matrix", Case.Text);
      ADD_FAILURE() << Case.Text;
    } catch (const FFmpegException& E) {
      EXPECT_EQ(String(E.what()), Format("Syntax error in matrix \"%s\" at coeff %d", Case.Text, Case.Coeff));
    }
  }
  EXPECT_EQ(Task.Settings().Fintra_matrix[0], 9) << "a refused matrix leaves the earlier one";
  EXPECT_TRUE(Task.Settings().Finter_matrix.empty());

  const String Output = Folder.Path("matrix.avi");
  Task.ApplyOption("inter_matrix", Full);
  Convert(Task, Media().ClipAVI, { { "an", "1" }, { "vcodec", "mpeg4" }, { "vframes", "5" } }, Output);
  EXPECT_EQ(Inspect(Output).Video, AV_CODEC_ID_MPEG4);
}

TEST_F(FFmpegTargetsTest, TwoPassesEndCloserToTheBitRateAndKeepTheirLog) {
  const String Rate = "150000";
  const TOptions Common = { { "an", "1" }, { "vcodec", "mpeg4" }, { "b", Rate } };
  const auto Size = [&](const String& AName, int APass) {
    TCustomFFmpeg Task(2);
    TOptions Options = Common;
    if (APass) Options.insert(Options.end(), { { "pass", std::to_string(APass) }, { "passlogfile", Folder.Path("stats") } });
    const String Output = Folder.Path(AName);
    Convert(Task, Media().ClipAVI, Options, Output);
    return double(Inspect(Output).VideoBytes);
  };
  const double Target = StrToFloat(Rate) / 8 * 2;  // two seconds
  const double OnePass = Size("one.avi", 0);
  Size("first.avi", 1);
  ASSERT_TRUE(FileExists(Folder.Path("stats-0.log")));
  EXPECT_GT(FileSizeOf(Folder.Path("stats-0.log")), 0);
  const double TwoPass = Size("second.avi", 2);
  EXPECT_LT(std::abs(TwoPass - Target), std::abs(OnePass - Target)) << Target << ": " << OnePass << " vs " << TwoPass;

  // A second pass the trial refuses fails its run cleanly and writes nothing: a rate far below what the
  // first pass measured (the helper's open aborts), and any trial without an answer.
  const String Helper = TrialOpenHelper();
  const auto Refused = [&](const String& ARate, const String& AHelper, const String& AReason) {
    SetTrialOpenHelper(AHelper);
    TCustomFFmpeg Low(2);
    ASSERT_TRUE(Low.OpenInputFile(Media().ClipAVI));
    for (const auto& [Name, Value] : TOptions { { "an", "1" }, { "vcodec", "mpeg4" }, { "b", ARate }, { "pass", "2" } })
      Low.ApplyOption(Name, Value);
    Low.ApplyOption("passlogfile", Folder.Path("stats"));
    ASSERT_GT(Low.OpenOutputFile(Folder.Path("low.avi"), false), 0);
    Low.StartConvert(false, tpNormal);
    SetTrialOpenHelper(Helper);
    EXPECT_TRUE(Low.FatalException()) << AHelper;
    const auto Library = Log.From(GlobalLogger());
    EXPECT_TRUE(std::any_of(Library.begin(), Library.end(), [&](const auto& E) { return E.Text.find(AReason) != String::npos; }))
      << AHelper << ": " << AReason;
    EXPECT_FALSE(FileExists(Folder.Path("low.avi"))) << AHelper;
  };
  Refused("20000", Helper, "requested bitrate is too low");
  Refused(Rate, Folder.Path("no-such-helper"), "could not start: No such file or directory");
  Refused(Rate, Folder.Path("stats-0.log"), "could not start: Permission denied");
  const String Broken = Folder.Path("broken-helper");
  WriteFile(Broken, "#!/bin/sh\nexit 3\n");
  std::filesystem::permissions(Broken, std::filesystem::perms::owner_all);
  Refused(Rate, Broken, "ended with code 3");

  TCustomFFmpeg Task(2);
  try {
    Task.ApplyOption("pass", "3");
    ADD_FAILURE();
  } catch (const FFmpegException& E) {
    EXPECT_STREQ(E.what(), "pass number can be only 1 or 2");
  }
}

TEST_F(FFmpegTargetsTest, StatisticsGoToTheNamedFileOrBesideTheProgram) {
  TCustomFFmpeg Task(2);
  OverrideExePath(Folder.Path(""));
  Task.ApplyOption("vstats", "");
  OverrideExePath("");
  const String Name = Task.Settings().Fvstats_filename;
  ASSERT_EQ(Name.size(), Folder.Path("vstats_hhnnss.log").size());
  EXPECT_TRUE(Name.starts_with(Folder.Path("vstats_")) && Name.ends_with(".log")) << Name;

  const String Stats = Folder.Path("stats.txt");
  Task.ApplyOption("vstats_file", Stats);
  Convert(Task, Media().ClipAVI, { { "an", "1" }, { "vcodec", "mpeg4" }, { "vframes", "4" } }, Folder.Path("out.avi"));
  const String Text = ReadFile(Stats);
  EXPECT_EQ(std::count(Text.begin(), Text.end(), '\n'), 4) << Text;
}

// --- Targets ----------------------------------------------------------------------------------------------------

TEST_F(FFmpegTargetsTest, TargetsWriteTheirFormatSizesRatesAndCodecs) {
  struct TCase {
    String Target;
    String Format;
    AVCodecID Video, Audio;
    int Width, Height;
    AVRational Rate;
    int SampleRate;
  };
  const std::vector<TCase> Cases = {
    { "pal-dvd", "mpeg", AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_AC3, 720, 576, { 25, 1 }, 48000 },
    { "pal-vcd", "mpeg", AV_CODEC_ID_MPEG1VIDEO, AV_CODEC_ID_MP2, 352, 288, { 25, 1 }, 44100 },
    { "ntsc-svcd", "mpeg", AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_MP2, 480, 480, { 30000, 1001 }, 44100 },
    { "pal-dv", "dv", AV_CODEC_ID_DVVIDEO, AV_CODEC_ID_PCM_S16LE, 720, 576, { 25, 1 }, 48000 },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Target);
    TCustomFFmpeg Task(2);
    const String Output = Folder.Path(Case.Target + ".out");
    Convert(Task, Media().ClipAVI, { { "target", Case.Target }, { "t", "0.4" } }, Output);
    const TWritten Written = Inspect(Output);
    EXPECT_EQ(Written.Format, Case.Format);
    EXPECT_EQ(Written.Video, Case.Video);
    EXPECT_EQ(Written.Audio, Case.Audio);
    EXPECT_EQ(Written.Width, Case.Width);
    EXPECT_EQ(Written.Height, Case.Height);
    EXPECT_EQ(av_cmp_q(Written.Rate, Case.Rate), 0) << Written.Rate.num << "/" << Written.Rate.den;
    EXPECT_EQ(Written.SampleRate, Case.SampleRate);
  }
}

TEST_F(FFmpegTargetsTest, TheNormIsGuessedFromTheFrameRateTheInputsOrTheDefault) {
  {
    TCustomFFmpeg Task(2);  // a forced NTSC rate decides
    Task.ApplyOption("r", "30000/1001");
    Task.ApplyOption("target", "vcd");
    EXPECT_EQ(Task.Settings().Fframe_height, 240);
    EXPECT_TRUE(Logged(Task, "Assuming NTSC for target."));
    EXPECT_TRUE(Logged(Task, "Assuming 4:3 for aspect ratio"));
  }
  {
    TCustomFFmpeg Task(2);  // no rate, no input: the default norm
    Task.ApplyOption("r", "30");
    Task.ApplyOption("target", "vcd");
    EXPECT_EQ(Task.Settings().Fframe_height, 240);
  }
  {
    TCustomFFmpeg Task(2);  // the input's 25 frames per second
    Task.ApplyOption("r", "15");
    ASSERT_TRUE(Task.OpenInputFile(Media().ClipAVI));
    Task.SetTarget("svcd", "auto", "ntsc");
    EXPECT_EQ(Task.Settings().Fframe_height, 576);
  }
  {
    TCustomFFmpeg Task(2);
    Task.SetTarget("dv50", "ntsc", "pal");
    EXPECT_EQ(Task.Settings().Fframe_pix_fmt, AV_PIX_FMT_YUV422P);
    EXPECT_THROW(Task.SetTarget("cd", "pal", "pal"), FFmpegException);
  }
  {
    TCustomFFmpeg Task(2);  // the VCD preload and mux rate reach the muxer
    ASSERT_TRUE(Task.OpenInputFile(Media().ClipAVI));
    Task.ApplyOption("target", "pal-vcd");
    ASSERT_GT(Task.OpenOutputFile(Folder.Path("preload.mpg"), false), 0) << Task.LastErrMsg();
    const AVDictionaryEntry* Preload = LibAVUtil.av_dict_get(Task.OutputFile(0).MuxerOptions, "preload", nullptr, 0);
    ASSERT_NE(Preload, nullptr);
    EXPECT_STREQ(Preload->value, "440000");
    const AVDictionaryEntry* MuxRate = LibAVUtil.av_dict_get(Task.OutputFile(0).MuxerOptions, "muxrate", nullptr, 0);
    ASSERT_NE(MuxRate, nullptr);
    EXPECT_STREQ(MuxRate->value, "1411200");
  }
  {
    TCustomFFmpeg Task(2);
    EXPECT_THROW(Task.ApplyOption("target", "vcd"), FFmpegException) << "no frame rate to guess from";
  }
}

// --- Bitstream filters -------------------------------------------------------------------------------------------

TEST_F(FFmpegTargetsTest, ABitstreamFilterIsAppliedToTheNextStreamOfItsKind) {
  const String H264 = Folder.Path("h264.mp4");
  {
    TCustomFFmpeg Task(2);
    Convert(Task, Media().ClipAVI, { { "an", "1" }, { "vcodec", "libx264" }, { "vpre", "libx264-ultrafast" }, { "s", "64x48" }, { "vframes", "5" } },
            H264);
  }
  TCustomFFmpeg Task(2);
  Task.ApplyOption("absf", "=anything");  // nothing happens
  EXPECT_TRUE(Task.Settings().Faudio_bitstream_filters.empty());
  try {
    Task.ApplyOption("absf", "nosuchfilter=arg ");
    ADD_FAILURE();
  } catch (const FFmpegException& E) {
    EXPECT_STREQ(E.what(), "Unknown bitstream filter nosuchfilter=arg");
  }
  const String Stream = Folder.Path("copy.ts");
  Convert(Task, H264, { { "vcodec", "copy" }, { "vbsf", "h264_mp4toannexb" } }, Stream);
  EXPECT_TRUE(Task.Settings().Fvideo_bitstream_filters.empty()) << "the chain went to the stream";
  const TWritten Written = Inspect(Stream);
  EXPECT_EQ(Written.Format, "mpegts");
  EXPECT_EQ(Written.Video, AV_CODEC_ID_H264);
  EXPECT_EQ(Written.Pictures, 5);
  EXPECT_NE(ReadFile(Stream).find(String("\0\0\0\1", 4)), String::npos) << "start codes in the stream";
}

}  // namespace
