#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/probe/AVProbe.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "platform/base/MainThread.h"
#include "platform/gdi/TBitmap.h"
#include "tests/engine/DecodeFile.h"
#include "tests/engine/TaskTesting.h"

namespace fs = std::filesystem;

namespace {

using TOptions = std::vector<std::pair<String, String>>;

/// What a probe finds in a written file.
struct TProbed {
  std::vector<AVCodecID> Video;
  std::vector<AVCodecID> Audio;
  Int64 Duration { -1 };  // microseconds
  int Width { -1 };
  int Height { -1 };
};

TProbed Probe(const String& AFileName) {
  TAVProbe Probe(nullptr);
  TProbed Result;
  if (!Probe.LoadFile(AFileName)) {
    ADD_FAILURE() << AFileName << ": " << Probe.LastErrMsg();
    return Result;
  }
  for (unsigned I = 0; I < Probe.FileHandle()->nb_streams; ++I) {
    const AVCodecParameters* Codec = Probe.FileHandle()->streams[I]->codecpar;
    if (Codec->codec_type == AVMEDIA_TYPE_VIDEO) Result.Video.push_back(Codec->codec_id);
    if (Codec->codec_type == AVMEDIA_TYPE_AUDIO) Result.Audio.push_back(Codec->codec_id);
  }
  Result.Duration = Probe.FileStreamInfo().Duration;
  if (Probe.VideoStreamCount() > 0) {
    Result.Width = Probe.FirstVideoStreamInfo().Width;
    Result.Height = Probe.FirstVideoStreamInfo().Height;
  }
  return Result;
}

/// What decoding a written file gives: pictures of its first video stream, samples of its first audio
/// stream and their largest magnitude (1.0 = full scale), and the frame number the first picture shows.
struct TDecoded {
  int Pictures { 0 };
  int FirstFrameNumber { -1 };
  Fixture::TRGB FirstPixel;  // at PixelX, PixelY of the first picture
  Int64 Samples { 0 };
  Int64 LeadingSilence { 0 };  // samples before the first one that is not silent
  int Channels { 0 };
  double Peak { 0 };
};

double SampleValue(const AVFrame* AFrame, int AChannel, int AIndex) {
  const auto Format = AVSampleFormat(AFrame->format);
  const bool Planar = LibAVUtil.av_sample_fmt_is_planar(Format);
  const int Slot = Planar ? AIndex : AIndex * AFrame->ch_layout.nb_channels + AChannel;
  const uint8_t* Plane = AFrame->extended_data[Planar ? AChannel : 0];
  switch (Format) {
    case AV_SAMPLE_FMT_U8:
    case AV_SAMPLE_FMT_U8P: return (Plane[Slot] - 128) / 128.0;
    case AV_SAMPLE_FMT_S16:
    case AV_SAMPLE_FMT_S16P: return reinterpret_cast<const int16_t*>(Plane)[Slot] / 32768.0;
    case AV_SAMPLE_FMT_S32:
    case AV_SAMPLE_FMT_S32P: return reinterpret_cast<const int32_t*>(Plane)[Slot] / 2147483648.0;
    case AV_SAMPLE_FMT_FLT:
    case AV_SAMPLE_FMT_FLTP: return reinterpret_cast<const float*>(Plane)[Slot];
    case AV_SAMPLE_FMT_DBL:
    case AV_SAMPLE_FMT_DBLP: return reinterpret_cast<const double*>(Plane)[Slot];
    default: ADD_FAILURE() << "sample format " << Format; return 0;
  }
}

TDecoded Decode(const String& AFileName, int APixelX = 0, int APixelY = 0) {
  TDecoded Result;
  DecodeFile(AFileName, true, nullptr, [&](const AVCodecContext* ADecoder, const AVFrame* AFrame) {
    if (ADecoder->codec_type == AVMEDIA_TYPE_VIDEO) {
      if (Result.Pictures++ == 0) {
        const TRGBPicture Picture(AFrame);
        Result.FirstFrameNumber = Fixture::FrameNumberOf([&](int X, int Y) {
          return Picture(X * Picture.Width() / Fixture::Width, Y * Picture.Height() / Fixture::Height);
        });
        Result.FirstPixel = Picture(APixelX, APixelY);
      }
    } else {
      Result.Channels = AFrame->ch_layout.nb_channels;
      for (int I = 0; I < AFrame->nb_samples; ++I)
        for (int C = 0; C < AFrame->ch_layout.nb_channels; ++C) {
          const double Value = std::fabs(SampleValue(AFrame, C, I));
          if (Value > 0.001 && Result.Peak <= 0.001) Result.LeadingSilence = Result.Samples + I;
          Result.Peak = std::max(Result.Peak, Value);
        }
      Result.Samples += AFrame->nb_samples;
    }
  });
  return Result;
}

constexpr Int64 ClipDuration = Int64(Fixture::FrameCount) * 1000000 / Fixture::FrameRate;

/// Conversion tests: libraries and fixtures ready, the task's messages recorded (FFmpeg's own lines only
/// from the informational level up, which keeps runs quick).
class TranscodeTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    String Error;
    ASSERT_TRUE(LoadAVLib("", TranscoderLibraries, Error)) << Error;
    MediaFixtures();
  }
  static const TMediaFixtures& Media() { return MediaFixtures(); }

  /// Opens AInputs (AInputOptions before them), applies AOptions and opens AOutput, then runs the task on
  /// this thread.
  void Convert(const std::vector<String>& AInputs, const TOptions& AOptions, const String& AOutput,
               const TOptions& AInputOptions = {}, bool AJoin = false) {
    for (const auto& [Name, Value] : AInputOptions) Task.ApplyOption(Name, Value);
    for (const String& Input : AInputs) ASSERT_TRUE(Task.OpenInputFile(Input)) << Task.LastErrMsg();
    for (const auto& [Name, Value] : AOptions) Task.ApplyOption(Name, Value);
    ASSERT_GT(Task.OpenOutputFile(AOutput, AJoin), 0) << Task.LastErrMsg();
    Task.StartConvert(false, tpNormal);
  }
  bool Logged(const String& AText) {
    for (const auto& Event : Log.From(&Task))
      if (Event.Text.find(AText) != String::npos) return true;
    return false;
  }

  TLogRecorder Log { llInfo };
  TScratchFolder Folder;
  TCustomFFmpeg Task { 20 };
};

}  // namespace

TEST_F(TranscodeTest, ReencodesIntoContainersAndCodecs) {
  struct TCase {
    String Output;
    TOptions Options;
    std::vector<AVCodecID> Video;
    std::vector<AVCodecID> Audio;
  };
  const TCase Cases[] = {
    { "mpeg4.avi", { { "vcodec", "mpeg4" }, { "acodec", "libmp3lame" } }, { AV_CODEC_ID_MPEG4 }, { AV_CODEC_ID_MP3 } },
    { "wmv2.asf", { { "vcodec", "wmv2" }, { "acodec", "wmav2" } }, { AV_CODEC_ID_WMV2 }, { AV_CODEC_ID_WMAV2 } },
    { "mpeg4.mp4", { { "vcodec", "mpeg4" }, { "acodec", "aac" } }, { AV_CODEC_ID_MPEG4 }, { AV_CODEC_ID_AAC } },
    { "vorbis.mkv", { { "vcodec", "mpeg4" }, { "acodec", "libvorbis" } }, { AV_CODEC_ID_MPEG4 }, { AV_CODEC_ID_VORBIS } },
    { "flv1.flv", { { "vcodec", "flv" }, { "acodec", "libmp3lame" } }, { AV_CODEC_ID_FLV1 }, { AV_CODEC_ID_MP3 } },
    { "mpeg1.mpg", { { "vcodec", "mpeg1video" }, { "acodec", "mp2" } }, { AV_CODEC_ID_MPEG1VIDEO }, { AV_CODEC_ID_MP2 } },
    { "pcm.wav", {}, {}, { AV_CODEC_ID_PCM_S16LE } },
    // The MP3 muxer would take the pictures as cover art.
    { "sound.mp3", { { "vn", "1" } }, {}, { AV_CODEC_ID_MP3 } },
    { "vorbis.ogg", { { "vn", "1" }, { "acodec", "libvorbis" } }, {}, { AV_CODEC_ID_VORBIS } },
    { "sound.flac", {}, {}, { AV_CODEC_ID_FLAC } },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Output);
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI)) << Conversion.LastErrMsg();
    for (const auto& [Name, Value] : Case.Options) Conversion.ApplyOption(Name, Value);
    const String Output = Folder.Path(Case.Output);
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    const TProbed Probed = Probe(Output);
    EXPECT_EQ(Probed.Video, Case.Video);
    EXPECT_EQ(Probed.Audio, Case.Audio);
    EXPECT_NEAR(double(Probed.Duration), double(ClipDuration), 100000.0);
  }
}

TEST_F(TranscodeTest, CopiesBothStreamsPacketForPacket) {
  const String Output = Folder.Path("copy.avi");
  Convert({ Media().ClipAVI }, { { "vcodec", "copy" }, { "acodec", "copy" } }, Output);
  EXPECT_TRUE(Task.Finished()) << Task.FatalMessage();
  const TProbed Probed = Probe(Output);
  EXPECT_EQ(Probed.Video, std::vector<AVCodecID> { AV_CODEC_ID_MPEG4 });
  EXPECT_EQ(Probed.Audio, std::vector<AVCodecID> { AV_CODEC_ID_MP2 });
  EXPECT_NEAR(double(Probed.Duration), double(ClipDuration), 100000.0);
  const TDecoded Decoded = Decode(Output);
  EXPECT_EQ(Decoded.Pictures, Fixture::FrameCount);
  EXPECT_EQ(Decoded.FirstFrameNumber, 0);
}

// An encoder's raw stream carries no time stamps: its pictures are counted from the first the decoder gives.
TEST_F(TranscodeTest, ARawElementaryStreamKeepsEveryPicture) {
  for (const String& Input : { Media().RawH264, Media().RawHEVC }) {
    ASSERT_EQ(Decode(Input).Pictures, 100) << Input;
    // A container with a constant and one with a variable frame rate.
    for (const char* Container : { "avi", "mkv" }) {
      SCOPED_TRACE(Input + " to " + Container);
      TCustomFFmpeg Conversion(20);
      ASSERT_TRUE(Conversion.OpenInputFile(Input)) << Conversion.LastErrMsg();
      Conversion.ApplyOption("vcodec", "mpeg4");
      const String Output = Folder.Path(String("raw.") + Container);
      ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
      Conversion.StartConvert(false, tpNormal);
      EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
      const TDecoded Decoded = Decode(Output);
      EXPECT_EQ(Decoded.Pictures, 100);
    }
  }
}

TEST_F(TranscodeTest, LeavesOutTheDisabledKind) {
  struct TCase {
    const char* Option;
    size_t Video;
    size_t Audio;
  };
  for (const TCase& Case : { TCase { "vn", 0, 1 }, TCase { "an", 1, 0 } }) {
    SCOPED_TRACE(Case.Option);
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI));
    Conversion.ApplyOption(Case.Option, "1");
    const String Output = Folder.Path(String(Case.Option) + ".avi");
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    const TProbed Probed = Probe(Output);
    EXPECT_EQ(Probed.Video.size(), Case.Video);
    EXPECT_EQ(Probed.Audio.size(), Case.Audio);
    EXPECT_NEAR(double(Probed.Duration), double(ClipDuration), 100000.0);
  }
}

// Matroska keeps the streams' own times: an AVI would delay the pictures by the sound encoder's priming.
TEST_F(TranscodeTest, StartsAtTheOffsetAndKeepsTheLength) {
  const String Output = Folder.Path("part.mkv");
  Convert({ Media().ClipAVI }, { { "t", "1" }, { "vcodec", "mpeg4" } }, Output, { { "ss", "0.5" } });
  EXPECT_TRUE(Task.Finished()) << Task.FatalMessage();
  EXPECT_NEAR(double(Probe(Output).Duration), 1000000.0, 100000.0);
  // The clip shows frame 12 at 0.48 s and frame 13 at 0.52 s.
  const TDecoded Decoded = Decode(Output);
  EXPECT_GE(Decoded.FirstFrameNumber, 12);
  EXPECT_LE(Decoded.FirstFrameNumber, 13);
  EXPECT_NEAR(Decoded.Pictures, 25, 1);
}

// A decoded MP2 frame (1152 samples) fills more than one AAC frame (1024): the limit may fall inside it.
TEST_F(TranscodeTest, TheSoundFrameLimitEndsTheRunAfterThatManyEncodedFrames) {
  struct TCase {
    const char* Codec;
    const char* Output;
    int FrameSize;
  };
  for (const TCase& Case : { TCase { "mp2", "limit.mp2", 1152 }, TCase { "aac", "limit.mka", 1024 } }) {
    SCOPED_TRACE(Case.Codec);
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI)) << Conversion.LastErrMsg();
    for (const auto& [Name, Value] : TOptions { { "vn", "1" }, { "acodec", Case.Codec }, { "aframes", "10" } })
      Conversion.ApplyOption(Name, Value);
    const String Output = Folder.Path(Case.Output);
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    EXPECT_NEAR(double(Decode(Output).Samples), 10.0 * Case.FrameSize, Case.FrameSize);
  }
}

TEST_F(TranscodeTest, AChangedFrameRateKeepsTheDuration) {
  const String Output = Folder.Path("rate.mkv");
  Convert({ Media().ClipAVI }, { { "r", "15" }, { "vcodec", "mpeg4" } }, Output);
  EXPECT_TRUE(Task.Finished()) << Task.FatalMessage();
  EXPECT_NEAR(double(Probe(Output).Duration), double(ClipDuration), 100000.0);
  EXPECT_NEAR(Decode(Output).Pictures, 30, 1);
}

TEST_F(TranscodeTest, ScalesAndCropsThePictureWithAndWithoutTheFilterGraph) {
  struct TCase {
    String Name;
    TOptions Options;
    int Width;
    int Height;
    Fixture::TRGB BottomLeft;  // the colour near the bottom-left corner of the output
  };
  const TCase Cases[] = {
    { "scaled.avi", { { "s", "160x120" } }, 160, 120, { 255, 0, 0 } },
    // Without the red patch on the left, green comes first.
    { "cropped.avi", { { "cropleft", "80" } }, 240, 240, { 0, 255, 0 } },
    { "both.avi", { { "cropleft", "80" }, { "s", "160x160" } }, 160, 160, { 0, 255, 0 } },
    // The filter graph: its own size, and the crop and size options before the task's filters.
    { "filtered.avi", { { "vf", "scale=160:120" } }, 160, 120, { 255, 0, 0 } },
    { "graph-cropped.avi", { { "cropleft", "80" }, { "vf", "null" } }, 240, 240, { 0, 255, 0 } },
    { "graph-both.avi", { { "cropleft", "80" }, { "s", "160x160" }, { "vf", "null" } }, 160, 160, { 0, 255, 0 } },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI));
    for (const auto& [Name, Value] : Case.Options) Conversion.ApplyOption(Name, Value);
    const String Output = Folder.Path(Case.Name);
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    const TProbed Probed = Probe(Output);
    EXPECT_EQ(Probed.Width, Case.Width);
    EXPECT_EQ(Probed.Height, Case.Height);
    const TDecoded Decoded = Decode(Output, 4, Case.Height - 4);
    EXPECT_EQ(Decoded.Pictures, Fixture::FrameCount);
    EXPECT_NEAR(Decoded.FirstPixel.R, Case.BottomLeft.R, 40);
    EXPECT_NEAR(Decoded.FirstPixel.G, Case.BottomLeft.G, 40);
    EXPECT_NEAR(Decoded.FirstPixel.B, Case.BottomLeft.B, 40);
  }
}

TEST_F(TranscodeTest, APixelShapeSetByTheFiltersReachesTheWrittenFile) {
  for (const char* Name : { "shaped.mkv", "shaped.mp4", "shaped.avi" }) {
    SCOPED_TRACE(Name);
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI));
    for (const auto& [Option, Value] : TOptions { { "vcodec", "mpeg4" }, { "vf", "setsar=2/1" } }) Conversion.ApplyOption(Option, Value);
    const String Output = Folder.Path(Name);
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    AVFormatContext* Input = nullptr;
    ASSERT_GE(LibAVFormat.avformat_open_input(&Input, Output.c_str(), nullptr, nullptr), 0);
    LibAVFormat.avformat_find_stream_info(Input, nullptr);
    // Both the stored pictures and the container (where it keeps one) carry the shape.
    const AVStream* Stream = Input->streams[0];
    EXPECT_EQ(Stream->codecpar->sample_aspect_ratio.num, 2);
    EXPECT_EQ(Stream->codecpar->sample_aspect_ratio.den, 1);
    if (Stream->sample_aspect_ratio.num) EXPECT_EQ(av_q2d(Stream->sample_aspect_ratio), 2.0);
    LibAVFormat.avformat_close_input(&Input);
  }
}

TEST_F(TranscodeTest, AnUnknownFilterEndsTheRunAtItsSetUp) {
  const String Output = Folder.Path("unknown.avi");
  Convert({ Media().ClipAVI }, { { "vf", "nosuchfilter" } }, Output);
  EXPECT_FALSE(Task.Finished());
  EXPECT_EQ(Task.FatalMessage(), "Error opening filters!");
  EXPECT_FALSE(fs::exists(Output));
}

TEST_F(TranscodeTest, VolumeScalesTheSamplesOfEverySampleFormat) {
  const auto Peak = [this](const String& AInput, const char* AVolume) {
    TCustomFFmpeg Conversion(20);
    EXPECT_TRUE(Conversion.OpenInputFile(AInput));
    Conversion.ApplyOption("vol", AVolume);
    const String Output = Folder.Path("volume.wav");
    EXPECT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    return Decode(Output).Peak;
  };
  // The tone has half of full scale; the WAV decodes to 16-bit integers, the MP3 to planar float.
  EXPECT_NEAR(Peak(Media().AudioWAV, "256"), 0.5, 0.001);
  EXPECT_NEAR(Peak(Media().AudioWAV, "128"), 0.25, 0.001);
  EXPECT_EQ(Peak(Media().AudioWAV, "768"), 1.0);  // clipped at -32768, not wrapped
  EXPECT_NEAR(Peak(Media().AudioMP3, "128") / Peak(Media().AudioMP3, "256"), 0.5, 0.01);
}

TEST_F(TranscodeTest, JoinModeWritesTheInputsOneAfterAnother) {
  const String Output = Folder.Path("joined.avi");
  Convert({ Media().ClipAVI, Media().ClipAVI }, {}, Output, {}, true);
  EXPECT_TRUE(Task.Finished()) << Task.FatalMessage();
  EXPECT_NEAR(double(Probe(Output).Duration), 2.0 * ClipDuration, 100000.0);
  EXPECT_NEAR(Decode(Output).Pictures, 2 * Fixture::FrameCount, 1);
}

TEST_F(TranscodeTest, JoinModeMovesTheChaptersOfEachInputToWhereItStarts) {
  const String Output = Folder.Path("chapters.mkv");
  Convert({ Media().ChapterMKV, Media().ChapterMKV }, { { "vcodec", "mpeg4" } }, Output, {}, true);
  EXPECT_TRUE(Task.Finished()) << Task.FatalMessage();
  TAVProbe Probe(nullptr);
  ASSERT_TRUE(Probe.LoadFile(Output)) << Probe.LastErrMsg();
  std::vector<std::pair<Int64, Int64>> Chapters;
  for (unsigned I = 0; I < Probe.FileHandle()->nb_chapters; ++I) {
    const AVChapter* Chapter = Probe.FileHandle()->chapters[I];
    Chapters.emplace_back(LibAVUtil.av_rescale_q(Chapter->start, Chapter->time_base, { 1, 1000 }),
                          LibAVUtil.av_rescale_q(Chapter->end, Chapter->time_base, { 1, 1000 }));
  }
  const std::vector<std::pair<Int64, Int64>> Expected { { 0, 500 }, { 500, 1000 }, { 1000, 1500 }, { 1500, 2000 } };
  EXPECT_EQ(Chapters, Expected);
}

namespace {

struct TProgress {
  int FileIndex;
  int FrameNumber;
  int FPS;
  float Quality;
  Int64 CurrentSize;
  Int64 CurrentDuration;
  Int64 TotalDuration;
};

}  // namespace

class TranscodeProgressTest : public TranscodeTest {
protected:
  void SetUp() override {
    Task.ReportInterval = 0;
    Task.OnProgress = [this](TObject* Sender, int AFileIndex, int AFrameNumber, int AFPS, float AQuality, float, Int64 ACurrentSize,
                             Int64 ACurrentDuration, Int64 ATotalDuration) {
      EXPECT_EQ(Sender, &Task);
      Events.push_back({ AFileIndex, AFrameNumber, AFPS, AQuality, ACurrentSize, ACurrentDuration, ATotalDuration });
    };
  }

  std::vector<TProgress> Events;
};

TEST_F(TranscodeProgressTest, ReportsFollowTheVideoFramesUpToTheLastReportAfterTheTrailer) {
  const String Output = Folder.Path("progress.avi");
  Convert({ Media().ClipAVI }, {}, Output);
  ASSERT_TRUE(Task.Finished()) << Task.FatalMessage();
  ASSERT_GT(Events.size(), 10u);
  int Previous = 0;
  for (const TProgress& Event : Events) {
    // Nothing is reported before the first video frame.
    EXPECT_GE(Event.FrameNumber, std::max(Previous, 1));
    Previous = Event.FrameNumber;
    EXPECT_GE(Event.CurrentDuration, 0);
    EXPECT_LE(Event.CurrentDuration, ClipDuration + 100000);
    EXPECT_EQ(Event.TotalDuration, Task.TotalOutputDuration());
  }
  for (size_t I = 0; I + 1 < Events.size(); ++I) EXPECT_EQ(Events[I].FileIndex, 0);
  const TProgress& Last = Events.back();
  EXPECT_EQ(Last.FileIndex, -1);
  EXPECT_EQ(Last.FrameNumber, Fixture::FrameCount);
  EXPECT_NEAR(double(Last.CurrentDuration), double(ClipDuration), 100000.0);
  EXPECT_EQ(Last.CurrentSize, Int64(fs::file_size(Output)));  // the trailer is in
  EXPECT_NEAR(double(Task.TotalOutputDuration()), double(ClipDuration), 100000.0);
}

// Forty seconds without a new picture are a pause, filled with a thousand copies of the last one: the run
// reports between the copies.
TEST_F(TranscodeProgressTest, APauseOfThePicturesIsFilledWithReportsBetweenTheCopies) {
  const String Output = Folder.Path("paused.avi");
  Convert({ Media().PausedMKV }, { { "vcodec", "mpeg4" } }, Output);
  ASSERT_TRUE(Task.Finished()) << Task.FatalMessage();
  EXPECT_NEAR(Decode(Output).Pictures, 25 + 40 * Fixture::FrameRate, 2);
  EXPECT_TRUE(std::ranges::any_of(Events, [](const TProgress& AEvent) { return AEvent.FrameNumber > 100 && AEvent.FrameNumber < 900; }));
}

// The H.264 encoder holds its first pictures back while the sound is already written.
TEST_F(TranscodeProgressTest, TheConvertedTimeNeverGoesBack) {
  Convert({ Media().ReorderedMP4 }, { { "vcodec", "libx264" }, { "acodec", "aac" } }, Folder.Path("h264.mp4"));
  ASSERT_TRUE(Task.Finished()) << Task.FatalMessage();
  ASSERT_GT(Events.size(), 10u);
  for (size_t I = 1; I < Events.size(); ++I) EXPECT_GE(Events[I].CurrentDuration, Events[I - 1].CurrentDuration) << I;
  EXPECT_NEAR(double(Events.back().CurrentDuration), double(ClipDuration), 100000.0);
}

TEST_F(TranscodeProgressTest, ASoundOnlyOutputReportsNoFramesAndNoTimeBeforeItHasOne) {
  Convert({ Media().ClipAVI }, { { "vn", "1" } }, Folder.Path("sound.wav"));
  ASSERT_TRUE(Task.Finished()) << Task.FatalMessage();
  ASSERT_FALSE(Events.empty());
  EXPECT_EQ(Events.front().CurrentDuration, 0);
  for (const TProgress& Event : Events) {
    EXPECT_EQ(Event.FrameNumber, -1);
    EXPECT_EQ(Event.FPS, -1);
    EXPECT_EQ(Event.Quality, -1.0f);
    EXPECT_GE(Event.CurrentDuration, 0);
    EXPECT_LE(Event.CurrentDuration, ClipDuration + 100000);
  }
  EXPECT_NEAR(double(Events.back().CurrentDuration), double(ClipDuration), 100000.0);
}

TEST_F(TranscodeProgressTest, AStoppedRunStillWritesAPlayableFile) {
  Task.OnProgress = [this](TObject*, int, int AFrameNumber, int, float, float, Int64, Int64, Int64) {
    if (AFrameNumber >= 10) Task.Stop(false);
  };
  const String Output = Folder.Path("stopped.avi");
  Convert({ Media().ClipAVI }, {}, Output);
  EXPECT_FALSE(Task.Finished());
  EXPECT_FALSE(Task.FatalException()) << Task.FatalMessage();
  const TDecoded Decoded = Decode(Output);
  EXPECT_GE(Decoded.Pictures, 10);
  EXPECT_LT(Decoded.Pictures, Fixture::FrameCount);
  EXPECT_EQ(Decoded.FirstFrameNumber, 0);
  EXPECT_EQ(Probe(Output).Video.size(), 1u);
}

TEST_F(TranscodeProgressTest, AWorkerStoppedFromTheUserInterfaceThreadEndsWithItsFileWritten) {
  std::atomic<bool> Reached { false };
  std::atomic<bool> Released { false };
  Task.OnProgress = [&](TObject*, int, int AFrameNumber, int, float, float, Int64, Int64, Int64) {
    if (AFrameNumber < 10 || Reached) return;
    Reached = true;
    WakeWaiters();
    while (!Released) std::this_thread::yield();
  };
  std::atomic<int> Terminations { 0 };
  Task.OnTerminate = [&](TObject*) { ++Terminations; };
  const String Output = Folder.Path("cancelled.avi");
  ASSERT_TRUE(Task.OpenInputFile(Media().ClipAVI));
  ASSERT_GT(Task.OpenOutputFile(Output, false), 0) << Task.LastErrMsg();
  Task.StartConvert(true, tpNormal)->Start();
  ASSERT_TRUE(WaitServing([&] { return Reached.load(); }, 10000));
  Task.Stop(false);
  Released = true;
  Task.Stop(true);
  EXPECT_EQ(Terminations, 1);
  EXPECT_FALSE(Task.Finished());
  EXPECT_FALSE(Task.FatalException()) << Task.FatalMessage();
  const TDecoded Decoded = Decode(Output);
  EXPECT_GE(Decoded.Pictures, 10);
  EXPECT_LT(Decoded.Pictures, Fixture::FrameCount);
}

/// A copy of the AVI clip whose video chunk number AChunk keeps its size but holds only zero bytes, which
/// the decoder refuses.
String DamagedCopy(const String& AClip, const String& AFileName, int AChunk) {
  String Bytes = ReadFile(AClip);
  const size_t Index = Bytes.find("idx1");
  size_t At = 0;
  for (int Chunk = 0; Chunk <= AChunk; ++Chunk) At = Bytes.find("00dc", At + 4);
  EXPECT_LT(At, Index);
  uint32_t Size;
  std::memcpy(&Size, Bytes.data() + At + 4, sizeof Size);
  std::fill_n(Bytes.begin() + At + 8, Size, '\0');
  WriteFile(AFileName, Bytes);
  return AFileName;
}

TEST_F(TranscodeTest, ADamagedInputCostsOnlyItsBrokenPackets) {
  struct TCase {
    String Input;
    bool DecodeError;  // the damage reaches the decoder rather than the demuxer
  };
  for (const TCase& Case : { TCase { Media().CorruptAVI, false }, TCase { DamagedCopy(Media().ClipAVI, Folder.Path("zeroed.avi"), 25), true } }) {
    SCOPED_TRACE(Case.Input);
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Case.Input));
    const String Output = Folder.Path("repaired.avi");
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    EXPECT_FALSE(Conversion.FatalException());
    EXPECT_GE(Decode(Output).Pictures, Fixture::FrameCount - 2);
    if (Case.DecodeError) {
      const auto Events = Log.From(&Conversion);
      EXPECT_TRUE(std::any_of(Events.begin(), Events.end(), [](const auto& AEvent) {
        return AEvent.Level == llVerbose && AEvent.Text == "Error while decoding stream #0.0 (Video)";
      }));
    }
  }
}

TEST_F(TranscodeTest, ACutInputIsConvertedAsFarAsItGoesWithOneWarningOfWhereItEnds) {
  for (const String& Clip : { Media().ClipAVI, Media().ClipMKV }) {
    SCOPED_TRACE(Clip);
    const String Bytes = ReadFile(Clip);
    const String Cut = Folder.Path("cut" + fs::path(Clip).extension().string());
    WriteFile(Cut, Bytes.substr(0, Bytes.size() / 2));
    Log.Clear();
    for (const String& Input : { Clip, Cut }) {
      TCustomFFmpeg Conversion(20);
      ASSERT_TRUE(Conversion.OpenInputFile(Input));
      const String Output = Folder.Path("whatisthere.mkv");
      ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
      Conversion.StartConvert(false, tpNormal);
      EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
      const int Pictures = Decode(Output).Pictures;
      std::vector<String> Warnings;
      for (const auto& Event : Log.From(&Conversion))
        if (Event.Level == llWarning && Event.Text.find("ends early") != String::npos) Warnings.push_back(Event.Text);
      if (Input == Clip) {
        EXPECT_EQ(Pictures, Fixture::FrameCount);
        EXPECT_TRUE(Warnings.empty()) << Warnings.front();
        continue;
      }
      EXPECT_NEAR(Pictures, Fixture::FrameCount / 2, Fixture::FrameCount / 5);
      ASSERT_EQ(Warnings.size(), 1u);
      const String Prefix = Cut + ": the input ends early, at 00:00:0";
      ASSERT_EQ(Warnings[0].substr(0, Prefix.size()), Prefix) << Warnings[0];
      // The time where it ends is that of the last picture there is, give or take one picture.
      const double Seconds = std::stod(Warnings[0].substr(Prefix.size() - 1));
      EXPECT_NEAR(Seconds, double(Pictures) / Fixture::FrameRate, 2.0 / Fixture::FrameRate) << Warnings[0];
    }
  }
  // The last subtitle of a whole file comes long before its end.
  Log.Clear();
  Convert({ Media().SubtitleMKV }, {}, Folder.Path("subtitled.mkv"));
  EXPECT_TRUE(Task.Finished()) << Task.FatalMessage();
  EXPECT_FALSE(Logged("ends early"));
}

TEST_F(TranscodeTest, ADecodingErrorEndsTheRunWhenErrorsAreFatal) {
  Task.ApplyOption("xerror", "");
  Convert({ DamagedCopy(Media().ClipAVI, Folder.Path("zeroed.avi"), 25) }, {}, Folder.Path("stopped.avi"));
  EXPECT_FALSE(Task.Finished());
  EXPECT_EQ(Task.FatalMessage(), "Error while decoding stream #0.0 (Video)");
}

TEST_F(TranscodeTest, ConvertsTheSampleRateAndTheChannels) {
  struct TCase {
    String Input;
    String Output;
    TOptions Options;
    int Channels;
    Int64 Samples;  // one second of the tone at the output's rate
  };
  const TCase Cases[] = {
    { Media().AudioWAV, "48k.wav", { { "ar", "48000" } }, 2, 48000 },
    { Media().AudioWAV, "mono.wav", { { "ac", "1" } }, 1, 44100 },
    { Folder.Path("mono.wav"), "stereo.wav", { { "ac", "2" }, { "ar", "22050" } }, 2, 22050 },
    { Media().AudioMP3, "mp2.mkv", { { "acodec", "mp2" }, { "ar", "32000" } }, 2, 32000 },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Output);
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Case.Input));
    for (const auto& [Name, Value] : Case.Options) Conversion.ApplyOption(Name, Value);
    const String Output = Folder.Path(Case.Output);
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    const TDecoded Decoded = Decode(Output);
    EXPECT_EQ(Decoded.Channels, Case.Channels);
    // Up to one encoder frame of padding and priming.
    EXPECT_NEAR(double(Decoded.Samples), double(Case.Samples), 2304.0);
  }
}

TEST_F(TranscodeTest, SoundThatStartsLateIsPaddedWithSilenceWhenSynchronised) {
  struct TCase {
    const char* Sync;
    Int64 Silence;
  };
  // The tone of one second is placed half a second after the pictures start.
  for (const TCase& Case : { TCase { "0", 0 }, TCase { "1", Fixture::SampleRate / 2 } }) {
    SCOPED_TRACE(Case.Sync);
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI));
    Conversion.ApplyOption("itsoffset", "0.5");
    ASSERT_TRUE(Conversion.OpenInputFile(Media().AudioWAV));
    for (const auto& [Name, Value] : TOptions { { "map", "0.0" }, { "map", "1.0" }, { "async", Case.Sync }, { "vcodec", "mpeg4" },
                                                { "acodec", "pcm_s16le" } })
      Conversion.ApplyOption(Name, Value);
    const String Output = Folder.Path("late.mkv");
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    const TDecoded Decoded = Decode(Output);
    EXPECT_NEAR(double(Decoded.LeadingSilence), double(Case.Silence), 50.0);
    EXPECT_NEAR(double(Decoded.Samples), double(Fixture::SampleRate + Case.Silence), 50.0);
  }
}

TEST_F(TranscodeTest, DriftIsAbsorbedByTheResamplerUnderItsLimit) {
  // The sound's clock runs 5 % slow against its samples; at most 1000 samples a second are stretched.
  Task.ApplyOption("itsscale", "0:1.05");
  Convert({ Media().AudioWAV }, { { "async", "1000" }, { "v", "3" } }, Folder.Path("drift.wav"));
  EXPECT_TRUE(Task.Finished()) << Task.FatalMessage();
  EXPECT_TRUE(Logged("compensating audio timestamp drift:"));
  // Only the first difference is mended at once, with silence; later ones are stretched away.
  const auto Events = Log.From(&Task);
  EXPECT_EQ(std::count_if(Events.begin(), Events.end(), [](const auto& AEvent) { return AEvent.Text.starts_with("adding"); }), 1);
  EXPECT_FALSE(Logged("discarding"));
  const Int64 Samples = Decode(Folder.Path("drift.wav")).Samples;
  EXPECT_GT(Samples, Fixture::SampleRate + 300);
  EXPECT_LT(Samples, Fixture::SampleRate + 1100);
}

TEST_F(TranscodeTest, DeinterlacingLeavesPicturesItCannotFilterAsTheyAre) {
  struct TCase {
    String Input;
    bool Filtered;
  };
  // The still decodes to RGB, which the deinterlacer does not take.
  for (const TCase& Case : { TCase { Media().ClipAVI, true }, TCase { Media().StillPNG, false } }) {
    SCOPED_TRACE(Case.Input);
    Log.Clear();
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Case.Input));
    Conversion.ApplyOption("deinterlace", "1");
    const String Output = Folder.Path("deinterlaced.avi");
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    const auto Events = Log.From(&Conversion);
    EXPECT_EQ(std::any_of(Events.begin(), Events.end(), [](const auto& AEvent) { return AEvent.Text == "Deinterlacing failed."; }),
              !Case.Filtered);
    // The filter keeps flat areas as they are.
    const Fixture::TRGB Patch = Decode(Output, 40, 200).FirstPixel;
    EXPECT_NEAR(Patch.R, 255, 40);
    EXPECT_NEAR(Patch.G, 0, 40);
  }
}

// Pictures of 10 bits per sample are beyond the deinterlacer. A hook painting into the decoder's own
// picture would paint into the reference that the pictures after it are predicted from.
TEST_F(TranscodeTest, AHookPaintsOnlyItsOwnPictureWhereDeinterlacingFails) {
  const String Deep = Folder.Path("deep.mkv");
  {
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI));
    for (const auto& [Name, Value] : TOptions { { "an", "1" }, { "vcodec", "libx264" }, { "vpre", "libx264-ultrafast" }, { "pix_fmt", "yuv420p10le" } })
      Conversion.ApplyOption(Name, Value);
    ASSERT_GT(Conversion.OpenOutputFile(Deep, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    ASSERT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
  }
  Task.OnCustomHook = [](TObject*, TBitmap* ABitmap, int AFrameNumber, Int64, bool&, bool&) {
    // A blue square on the first picture's green patch, which stays as it is from picture to picture.
    if (AFrameNumber != 1) return;
    for (int Y = 192; Y < 224; ++Y)
      for (int X = 96; X < 144; ++X) {
        uint8_t* Pixel = static_cast<uint8_t*>(ABitmap->ScanLine(Y)) + X * 3;
        Pixel[0] = 255;
        Pixel[1] = Pixel[2] = 0;
      }
  };
  const String Output = Folder.Path("hooked.avi");
  Convert({ Deep }, { { "deinterlace", "1" }, { "vcodec", "mpeg4" }, { "qscale", "2" } }, Output);
  EXPECT_TRUE(Task.Finished()) << Task.FatalMessage();
  EXPECT_TRUE(Logged("Deinterlacing failed."));
  std::vector<int> Blueness;
  DecodeFile(Output, true, nullptr, [&](const AVCodecContext*, const AVFrame* AFrame) {
    const Fixture::TRGB Pixel = TRGBPicture(AFrame)(120, 208);
    Blueness.push_back(Pixel.B - Pixel.R);
  });
  ASSERT_EQ(Blueness.size(), size_t(Fixture::FrameCount));
  EXPECT_GT(Blueness[0], 150);
  for (size_t I = 1; I < Blueness.size(); ++I) EXPECT_LT(Blueness[I], 50) << "picture " << I;
}

TEST_F(TranscodeTest, TheCustomHookPaintsIntoThePicturesUntilItStops) {
  struct TCase {
    const char* Name;
    bool Raise;     // the handler raises after painting
    int StopAfter;  // calls after which the handler asks to stop, 0 = never
    int Calls;
    bool Painted;   // the first picture shows the painting
  };
  const TCase Cases[] = {
    { "paints", false, 0, Fixture::FrameCount, true },
    // The picture of the last call still gets its painting.
    { "stops", false, 3, 3, true },
    { "raises", true, 0, Fixture::FrameCount, false },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Log.Clear();
    TCustomFFmpeg Conversion(20);
    int Calls = 0;
    Conversion.OnCustomHook = [&](TObject* Sender, TBitmap* ABitmap, int AFrameNumber, Int64, bool& AUpdate, bool& AStopHook) {
      EXPECT_EQ(Sender, &Conversion);
      EXPECT_EQ(AFrameNumber, ++Calls);
      EXPECT_TRUE(AUpdate);
      // A white square from (100, 100) to (163, 163).
      for (int Y = 100; Y < 164; ++Y) std::memset(static_cast<uint8_t*>(ABitmap->ScanLine(Y)) + 300, 255, 64 * 3);
      AStopHook = Calls == Case.StopAfter;
      if (Case.Raise) throw Exception("no paint today");
    };
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI));
    const String Output = Folder.Path(String(Case.Name) + ".avi");
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    EXPECT_EQ(Calls, Case.Calls);
    const int Luma = Decode(Output, 130, 130).FirstPixel.G;
    if (Case.Painted) EXPECT_GT(Luma, 220);
    else EXPECT_LT(Luma, 100);
    const auto Events = Log.From(&Conversion);
    EXPECT_EQ(std::count_if(Events.begin(), Events.end(),
                            [](const auto& AEvent) { return AEvent.Text == "Error occurs OnCustomHook: no paint today"; }),
              Case.Raise ? Fixture::FrameCount : 0);
  }
}

namespace {

/// A preview window that counts what it is shown and is closed by its user after AOpenFor pictures.
class TCountingWindow : public IPreviewWindow {
public:
  TCountingWindow(int& APainted, int AOpenFor) : FPainted(APainted), FOpenFor(AOpenFor) {}
  bool PaintFrame(TBitmap* ABitmap, int, Int64) override {
    EXPECT_EQ(ABitmap->Width(), Fixture::Width);
    return ++FPainted < FOpenFor;
  }

private:
  int& FPainted;
  int FOpenFor;
};

class TPreviewingTask : public TCustomFFmpeg {
public:
  TPreviewingTask() : TCustomFFmpeg(20) {}
  int Windows { 0 };
  int Painted { 0 };
  int OpenFor { 1000 };

protected:
  std::unique_ptr<IPreviewWindow> CreatePreviewer() override {
    ++Windows;
    return std::make_unique<TCountingWindow>(Painted, OpenFor);
  }
};

}  // namespace

TEST_F(TranscodeTest, PreviewOutletsGetEncodedPicturesAtTheirInterval) {
  struct TCase {
    const char* Name;
    TPostHooks Hooks;
    bool Event;  // a preview-bitmap handler is assigned
    Int64 Interval;
    int OpenFor;
    int Events;
    int Painted;
    TPostHooks After;
  };
  const int All = Fixture::FrameCount;
  const TCase Cases[] = {
    { "event", { phBitmap }, true, 0, 1000, All, 0, { phBitmap } },
    // The event outlet excludes the window while it has a handler.
    { "event before window", { phBitmap, phPreview }, true, 0, 1000, All, 0, { phBitmap, phPreview } },
    { "window", { phPreview }, false, 0, 1000, 0, All, { phPreview } },
    { "window without handler", { phBitmap, phPreview }, false, 0, 1000, 0, All, { phBitmap, phPreview } },
    // Closing the window ends the previewing of the task.
    { "closed window", { phPreview }, false, 0, 3, 0, 3, {} },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TPreviewingTask Conversion;
    Conversion.PreviewInterval = Case.Interval;
    Conversion.OpenFor = Case.OpenFor;
    Conversion.SetPostHooks(Case.Hooks);
    int Events = 0;
    int LastFrame = 0;
    if (Case.Event)
      Conversion.OnPreviewBitmap = [&](TObject* Sender, TBitmap* ABitmap, int AFrameNumber, Int64) {
        EXPECT_EQ(Sender, &Conversion);
        EXPECT_EQ(ABitmap->Height(), Fixture::Height);
        EXPECT_GT(AFrameNumber, LastFrame);
        LastFrame = AFrameNumber;
        ++Events;
      };
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI));
    ASSERT_GT(Conversion.OpenOutputFile(Folder.Path("preview.avi"), false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    EXPECT_EQ(Events, Case.Events);
    EXPECT_EQ(Conversion.Painted, Case.Painted);
    EXPECT_EQ(Conversion.Windows, Case.Painted ? 1 : 0);
    EXPECT_EQ(Conversion.PostHooks(), Case.After);
  }
}

TEST_F(TranscodeTest, APreviewShowsAtMostOnePicturePerInterval) {
  TCustomFFmpeg& Conversion = Task;
  int Events = 0;
  Conversion.SetPostHooks({ phBitmap });
  Conversion.PreviewInterval = 20000;
  Conversion.OnPreviewBitmap = [&](TObject*, TBitmap*, int, Int64) { ++Events; };
  const Int64 Start = LibAVUtil.av_gettime_relative();
  Convert({ Media().ClipAVI }, {}, Folder.Path("interval.avi"));
  const double Elapsed = double(LibAVUtil.av_gettime_relative() - Start);
  EXPECT_TRUE(Task.Finished()) << Task.FatalMessage();
  EXPECT_GE(Events, 1);
  EXPECT_LE(Events, int(std::ceil(Elapsed / 20000)) + 1);
}

namespace {

/// How many key frames of AFileName's first video stream begin with the stream's global header, and how
/// many key frames there are.
std::pair<int, int> KeyFramesWithHeader(const String& AFileName) {
  int WithHeader = 0;
  int Keys = 0;
  DecodeFile(AFileName, true, [&](const AVStream* AStream, const AVPacket* APacket) {
    const AVCodecParameters* Codec = AStream->codecpar;
    if (Codec->codec_type != AVMEDIA_TYPE_VIDEO || !(APacket->flags & AV_PKT_FLAG_KEY)) return;
    ++Keys;
    WithHeader += Codec->extradata_size > 0 && APacket->size >= Codec->extradata_size &&
                  std::memcmp(APacket->data, Codec->extradata, size_t(Codec->extradata_size)) == 0;
  }, [](const AVCodecContext*, const AVFrame*) {});
  return { WithHeader, Keys };
}

}  // namespace

// Copied pictures carry the codec headers where the output wants them: before every key frame when
// local headers are asked for, only in the stream's global header when the container keeps one.
TEST_F(TranscodeTest, CopiedVideoCarriesItsHeadersWhereTheOutputWantsThem) {
  struct TCase {
    String Input;
    String Output;
    TOptions Options;
    bool Headers;  // every key frame begins with the global header
  };
  const TCase Cases[] = {
    { Media().ClipMP4, Folder.Path("local.avi"), { { "vglobal", "2" } }, true },
    { Folder.Path("local.avi"), Folder.Path("global.mp4"), {}, false },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Output);
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Case.Input)) << Conversion.LastErrMsg();
    for (const auto& [Name, Value] : Case.Options) Conversion.ApplyOption(Name, Value);
    for (const auto& [Name, Value] : TOptions { { "an", "1" }, { "vcodec", "copy" } }) Conversion.ApplyOption(Name, Value);
    ASSERT_GT(Conversion.OpenOutputFile(Case.Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    const auto [WithHeader, Keys] = KeyFramesWithHeader(Case.Output);
    EXPECT_GT(Keys, 1);
    EXPECT_EQ(WithHeader, Case.Headers ? Keys : 0);
    const TDecoded Decoded = Decode(Case.Output);
    EXPECT_EQ(Decoded.Pictures, Fixture::FrameCount);
    EXPECT_EQ(Decoded.FirstFrameNumber, 0);
  }
}

TEST_F(TranscodeTest, CopiedVideoRefusesWhatNeedsDecodedPictures) {
  Task.SetPostHooks({ phPreview });
  Convert({ Media().ClipAVI }, { { "vcodec", "copy" } }, Folder.Path("copy.avi"));
  EXPECT_FALSE(Task.Finished());
  EXPECT_EQ(Task.FatalMessage(), "-vcodec copy and PostHooks are incompatible (frames are not decoded)");
}

namespace {

/// A subtitle packet read back: its time in milliseconds and its text.
struct TCue {
  Int64 Start;
  String Text;
};

std::vector<TCue> SubtitleCues(const String& AFileName, AVCodecID& ACodec) {
  std::vector<TCue> Cues;
  AVFormatContext* Input = nullptr;
  if (LibAVFormat.avformat_open_input(&Input, AFileName.c_str(), nullptr, nullptr) < 0) return Cues;
  LibAVFormat.avformat_find_stream_info(Input, nullptr);
  AVPacket* Packet = LibAVCodec.av_packet_alloc();
  while (LibAVFormat.av_read_frame(Input, Packet) >= 0) {
    const AVStream* Stream = Input->streams[Packet->stream_index];
    if (Stream->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE) {
      ACodec = Stream->codecpar->codec_id;
      Cues.push_back({ LibAVUtil.av_rescale_q(Packet->pts, Stream->time_base, { 1, 1000 }),
                       String(reinterpret_cast<const char*>(Packet->data), size_t(Packet->size)) });
    }
    LibAVCodec.av_packet_unref(Packet);
  }
  LibAVCodec.av_packet_free(&Packet);
  LibAVFormat.avformat_close_input(&Input);
  return Cues;
}

}  // namespace

TEST_F(TranscodeTest, SubtitlesAreEncodedOrCopiedWithTheirTimes) {
  struct TCase {
    const char* Codec;
    AVCodecID Expected;
  };
  struct TRange {
    const char* Start;
    std::vector<TCue> Cues;
  };
  // Without a codec name the container's own subtitle codec (ASS for Matroska) is used. From a start
  // position on, the cues before it are left out and the others move forward by it, encoded or copied.
  for (const TRange& Range : { TRange { "", { { 0, "Hello" }, { 1000, "World" } } }, TRange { "0.5", { { 500, "World" } } } })
    for (const TCase& Case : { TCase { "ass", AV_CODEC_ID_ASS }, TCase { "srt", AV_CODEC_ID_SUBRIP },
                               TCase { "copy", AV_CODEC_ID_SUBRIP }, TCase { "", AV_CODEC_ID_ASS } }) {
      SCOPED_TRACE(String(Case.Codec) + " from " + Range.Start);
      TCustomFFmpeg Conversion(20);
      ASSERT_TRUE(Conversion.OpenInputFile(Media().SubtitleMKV));
      Conversion.ApplyOption("vcodec", "mpeg4");
      if (*Case.Codec) Conversion.ApplyOption("scodec", Case.Codec);
      if (*Range.Start) Conversion.ApplyOption("ss", Range.Start);
      const String Output = Folder.Path("subtitles.mkv");
      ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
      Conversion.StartConvert(false, tpNormal);
      EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
      AVCodecID Codec = AV_CODEC_ID_NONE;
      const std::vector<TCue> Cues = SubtitleCues(Output, Codec);
      EXPECT_EQ(Codec, Case.Expected);
      ASSERT_EQ(Cues.size(), Range.Cues.size());
      for (size_t I = 0; I < Cues.size(); ++I) {
        EXPECT_EQ(Cues[I].Start, Range.Cues[I].Start);
        EXPECT_NE(Cues[I].Text.find(Range.Cues[I].Text), String::npos) << Cues[I].Text;
      }
    }
}

namespace {

/// Frames and packets made through the entry points while it is installed; the Nth one fails.
struct TAllocationFailure {
  static inline int FailAt = 0;
  static inline int Made = 0;
  static inline std::set<void*> Live;
  static inline decltype(LibAVUtil.av_frame_alloc) FrameAlloc = nullptr;
  static inline decltype(LibAVUtil.av_frame_free) FrameFree = nullptr;
  static inline decltype(LibAVCodec.av_packet_alloc) PacketAlloc = nullptr;
  static inline decltype(LibAVCodec.av_packet_free) PacketFree = nullptr;

  template <class T> static T* Track(T* AMade) {
    if (++Made == FailAt) {
      T* Unwanted = AMade;
      if constexpr (std::is_same_v<T, AVFrame>) FrameFree(&Unwanted);
      else PacketFree(&Unwanted);
      return nullptr;
    }
    Live.insert(AMade);
    return AMade;
  }

  explicit TAllocationFailure(int AFailAt) {
    FailAt = AFailAt;
    Made = 0;
    Live.clear();
    FrameAlloc = std::exchange(LibAVUtil.av_frame_alloc, [] { return Track(FrameAlloc()); });
    FrameFree = std::exchange(LibAVUtil.av_frame_free, [](AVFrame** AFrame) {
      Live.erase(*AFrame);
      FrameFree(AFrame);
    });
    PacketAlloc = std::exchange(LibAVCodec.av_packet_alloc, [] { return Track(PacketAlloc()); });
    PacketFree = std::exchange(LibAVCodec.av_packet_free, [](AVPacket** APacket) {
      Live.erase(*APacket);
      PacketFree(APacket);
    });
  }
  ~TAllocationFailure() {
    LibAVUtil.av_frame_alloc = FrameAlloc;
    LibAVUtil.av_frame_free = FrameFree;
    LibAVCodec.av_packet_alloc = PacketAlloc;
    LibAVCodec.av_packet_free = PacketFree;
  }
};

}  // namespace

TEST_F(TranscodeTest, AFrameOrPacketThatCannotBeMadeFailsTheRunAndFreesTheOthers) {
  // The run makes its two packets and seven frames first; each failing in turn must leave none behind.
  for (int FailAt = 1; FailAt <= 9; ++FailAt) {
    SCOPED_TRACE(FailAt);
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI)) << Conversion.LastErrMsg();
    Conversion.ApplyOption("vcodec", "mpeg4");
    ASSERT_GT(Conversion.OpenOutputFile(Folder.Path("unmade.avi"), false), 0) << Conversion.LastErrMsg();
    {
      TAllocationFailure Failure(FailAt);
      Conversion.StartConvert(false, tpNormal);
      EXPECT_FALSE(Conversion.Finished());
      EXPECT_NE(Conversion.FatalMessage().find("av_mallocz fail"), String::npos) << Conversion.FatalMessage();
      EXPECT_EQ(TAllocationFailure::Live.size(), 0u);
    }
  }
}

namespace {

/// The figure after AKey ("dup=", "drop=") in ALine; 0 when the line has none (both figures are left
/// out while they are 0).
int StatusFigure(const String& ALine, const String& AKey) {
  const size_t At = ALine.find(" " + AKey);
  return At == String::npos ? 0 : std::atoi(ALine.c_str() + At + 1 + AKey.size());
}

}  // namespace

// A container of constant frame rate repeats pictures to fill a faster rate and leaves out what a
// slower one has no room for; one that keeps each picture's time (Matroska) only leaves out pictures.
TEST_F(TranscodeTest, TheVideoOutputRepeatsOrDropsPicturesForItsRateAndCountsThem) {
  struct TCase {
    const char* Output;
    const char* Rate;
    int Pictures;
    int Dup;
    int Drop;
  };
  const TCase Cases[] = {
    { "rate50.avi", "50", 2 * Fixture::FrameCount, Fixture::FrameCount, 0 },
    { "rate12.avi", "12.5", Fixture::FrameCount / 2, 0, Fixture::FrameCount / 2 },
    { "rate50.mkv", "50", Fixture::FrameCount, 0, 0 },
    { "rate12.mkv", "12.5", Fixture::FrameCount / 2, 0, Fixture::FrameCount / 2 },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Output);
    TLogRecorder Status(llVerbose);
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI));
    for (const auto& [Name, Value] : TOptions { { "an", "1" }, { "vcodec", "mpeg4" }, { "r", Case.Rate } }) Conversion.ApplyOption(Name, Value);
    const String Output = Folder.Path(Case.Output);
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    String Last;
    for (const auto& Event : Status.From(&Conversion))
      if (Event.Text.starts_with("frame=")) Last = Event.Text;
    ASSERT_FALSE(Last.empty());
    EXPECT_NEAR(StatusFigure(Last, "dup="), Case.Dup, 2) << Last;
    EXPECT_NEAR(StatusFigure(Last, "drop="), Case.Drop, 2) << Last;
    EXPECT_NEAR(Decode(Output).Pictures, Case.Pictures, 2);
  }
}

// At 1000 pictures a second every picture of the clip is repeated 40 times; a stop during that ends
// the repeating at once.
TEST_F(TranscodeTest, AStopEndsALongRepetitionAtOnce) {
  int Encoded = 0;
  Task.SetPostHooks({ phBitmap });
  Task.PreviewInterval = 0;
  Task.OnPreviewBitmap = [&](TObject*, TBitmap*, int, Int64) {
    if (++Encoded == 5) Task.Stop(false);
  };
  const String Output = Folder.Path("repeated.avi");
  Convert({ Media().ClipAVI }, { { "an", "1" }, { "vcodec", "mpeg4" }, { "r", "1000" } }, Output);
  EXPECT_FALSE(Task.Finished());
  EXPECT_FALSE(Task.FatalException()) << Task.FatalMessage();
  EXPECT_LT(Encoded, 10);
  EXPECT_LT(Decode(Output).Pictures, 10);
}

TEST_F(TranscodeTest, StreamMapsThatDoNotFitTheOutputEndTheSetUpWithTheirReason) {
  struct TCase {
    std::vector<const char*> Maps;
    String Message;
  };
  // The output has a video stream (#0.0) and a sound stream (#0.1), as the input has.
  const TCase Cases[] = {
    { { "0.0" }, "Number of stream maps must match number of output streams" },
    { { "0.0", "0.5" }, "Could not find input stream #0.5" },
    { { "0.0:0.7", "0.1" }, "Could not find sync stream #0.7" },
    { { "0.1", "0.0" }, "Codec type mismatch for mapping #0.1 (Audio) -> #0.0 (Video)" },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Message);
    TCustomFFmpeg Conversion(20);
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI));
    for (const char* Map : Case.Maps) Conversion.ApplyOption("map", Map);
    const String Output = Folder.Path("mapped.avi");
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    Conversion.StartConvert(false, tpNormal);
    EXPECT_FALSE(Conversion.Finished());
    EXPECT_EQ(Conversion.FatalMessage(), Case.Message);
    EXPECT_FALSE(fs::exists(Output));
  }
}

namespace {

/// While it is installed, every packet sent to a bitstream filter is refused as invalid data.
struct TRefusingFilters {
  static inline decltype(LibAVCodec.av_bsf_send_packet) Send = nullptr;
  TRefusingFilters() {
    Send = std::exchange(LibAVCodec.av_bsf_send_packet, [](AVBSFContext*, AVPacket*) { return AVERROR_INVALIDDATA; });
  }
  ~TRefusingFilters() { LibAVCodec.av_bsf_send_packet = Send; }
};

/// While it is installed, subtitle packets are read without their time stamps.
struct TUntimedSubtitles {
  static inline decltype(LibAVFormat.av_read_frame) Read = nullptr;
  TUntimedSubtitles() {
    Read = std::exchange(LibAVFormat.av_read_frame, [](AVFormatContext* AContext, AVPacket* APacket) {
      const int Result = Read(AContext, APacket);
      if (Result >= 0 && AContext->streams[APacket->stream_index]->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE)
        APacket->pts = APacket->dts = AV_NOPTS_VALUE;
      return Result;
    });
  }
  ~TUntimedSubtitles() { LibAVFormat.av_read_frame = Read; }
};

}  // namespace

// A refused packet is logged and written unfiltered; with errors fatal it ends the run.
TEST_F(TranscodeTest, AFailingBitstreamFilterOnCopiedVideoIsLoggedOrEndsTheRun) {
  const String Expected = "null failed for stream 0, codec copy: Invalid data found when processing input";
  for (const bool Fatal : { false, true }) {
    SCOPED_TRACE(Fatal ? "fatal" : "logged");
    Log.Clear();
    TCustomFFmpeg Conversion(20);
    if (Fatal) Conversion.ApplyOption("xerror", "");
    ASSERT_TRUE(Conversion.OpenInputFile(Media().ClipAVI));
    for (const auto& [Name, Value] : TOptions { { "an", "1" }, { "vcodec", "copy" }, { "vbsf", "null" } }) Conversion.ApplyOption(Name, Value);
    const String Output = Folder.Path("filtered.avi");
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    {
      TRefusingFilters Refusing;
      Conversion.StartConvert(false, tpNormal);
    }
    const auto Events = Log.From(&Conversion);
    const auto Reported = std::count_if(Events.begin(), Events.end(), [&](const auto& AEvent) { return AEvent.Text.starts_with(Expected); });
    if (Fatal) {
      EXPECT_FALSE(Conversion.Finished());
      EXPECT_TRUE(Conversion.FatalMessage().starts_with(Expected)) << Conversion.FatalMessage();
      continue;
    }
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    EXPECT_EQ(Reported, Fixture::FrameCount);
    EXPECT_EQ(Decode(Output).Pictures, Fixture::FrameCount);
  }
}

// A subtitle without a time stamp cannot be placed: it is left out with a message, or ends the run when
// errors are fatal.
TEST_F(TranscodeTest, ASubtitleWithoutATimeStampIsLeftOutOrEndsTheRun) {
  for (const bool Fatal : { false, true }) {
    SCOPED_TRACE(Fatal ? "fatal" : "logged");
    Log.Clear();
    TCustomFFmpeg Conversion(20);
    if (Fatal) Conversion.ApplyOption("xerror", "");
    ASSERT_TRUE(Conversion.OpenInputFile(Media().SubtitleMKV));
    for (const auto& [Name, Value] : TOptions { { "vcodec", "mpeg4" }, { "scodec", "srt" } }) Conversion.ApplyOption(Name, Value);
    const String Output = Folder.Path("untimed.mkv");
    ASSERT_GT(Conversion.OpenOutputFile(Output, false), 0) << Conversion.LastErrMsg();
    {
      TUntimedSubtitles Untimed;
      Conversion.StartConvert(false, tpNormal);
    }
    if (Fatal) {
      EXPECT_FALSE(Conversion.Finished());
      EXPECT_EQ(Conversion.FatalMessage(), "Subtitle packets must have a pts");
      continue;
    }
    EXPECT_TRUE(Conversion.Finished()) << Conversion.FatalMessage();
    const auto Events = Log.From(&Conversion);
    EXPECT_EQ(std::count_if(Events.begin(), Events.end(), [](const auto& AEvent) { return AEvent.Text == "Subtitle packets must have a pts"; }), 2);
    AVCodecID Codec = AV_CODEC_ID_NONE;
    EXPECT_TRUE(SubtitleCues(Output, Codec).empty());
  }
}
