#include <gtest/gtest.h>
#include <sys/stat.h>

#include <time.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "engine/libav/AVFormatStubs.h"
#include "engine/probe/AVProbe.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/probe/StreamInfoText.h"
#include "engine/libav/UnicodeProtocol.h"
#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"
#include "platform/base/SysUtils.h"
#include "tests/engine/TLogRecorder.h"
#include "tests/engine/fixtures/MediaFixtures.h"

namespace fs = std::filesystem;

namespace {

using TEvent = TLogRecorder::TEvent;

class AVProbeTest : public testing::Test {
protected:
  static void SetUpTestSuite() { MediaFixtures(); }

  std::vector<String> Lines(const String& AText) {
    std::vector<String> Result;
    for (size_t From = 0, End; (End = AText.find("\r\n", From)) != String::npos; From = End + 2)
      Result.push_back(AText.substr(From, End - From));
    return Result;
  }

  TLogRecorder Log;
  TAVProbe Probe { nullptr };
};

/// A context put together by hand, so the description can be checked against every rule: programs with
/// and without names, stream ids, a language-only and a mixed metadata block, ID3 keys, a pixel aspect,
/// frame rates of 29.97 and 25 with a 90 kHz time base, a negative start and an unknown duration.
struct TContextDeleter {
  void operator()(AVFormatContext* AContext) const { LibAVFormat.avformat_free_context(AContext); }
};
using TContextPtr = std::unique_ptr<AVFormatContext, TContextDeleter>;

constexpr Int64 CreationSeconds = 1592222400;  // 2020-06-15 12:00:00 UTC

AVStream* AddStream(AVFormatContext* AContext, AVMediaType AType, AVCodecID ACodec, AVRational ATimeBase) {
  AVStream* Stream = LibAVFormat.avformat_new_stream(AContext, nullptr);
  Stream->codecpar->codec_type = AType;
  Stream->codecpar->codec_id = ACodec;
  Stream->time_base = ATimeBase;
  Stream->id = 0x100 + Stream->index;
  return Stream;
}

void AddProgram(AVFormatContext* AContext, int AId, const std::vector<unsigned>& AStreams,
                const std::vector<std::pair<const char*, const char*>>& ATags) {
  auto* Program = static_cast<AVProgram*>(LibAVUtil.av_mallocz(sizeof(AVProgram)));
  Program->id = AId;
  Program->stream_index = static_cast<unsigned*>(LibAVUtil.av_mallocz(sizeof(unsigned) * (AStreams.size() + 1)));
  for (unsigned Stream : AStreams) Program->stream_index[Program->nb_stream_indexes++] = Stream;
  for (const auto& [Key, Value] : ATags) LibAVUtil.av_dict_set(&Program->metadata, Key, Value, 0);
  LibAVUtil.av_dynarray_add(&AContext->programs, reinterpret_cast<int*>(&AContext->nb_programs), Program);
}

TContextPtr MakeTransportContext() {
  TContextPtr Context(LibAVFormat.avformat_alloc_context());
  AVFormatContext* C = Context.get();
  C->iformat = LibAVFormat.av_find_input_format("mpegts");
  for (const auto& [Key, Value] : { std::pair { "TIT2", "Song" }, { "language", "eng" }, { "TALB", "Collection" },
                                    { "creation_time", "2020-06-15T12:00:00Z" }, { "date", "2009-05-01" }, { "track", "3/12" },
                                    { "artist", "Band" }, { "comment", "Note" }, { "TXXX", "Other" } })
    LibAVUtil.av_dict_set(&C->metadata, Key, Value, 0);

  AVStream* Audio = AddStream(C, AVMEDIA_TYPE_AUDIO, AV_CODEC_ID_MP2, { 1, 90000 });
  Audio->codecpar->sample_rate = 48000;
  Audio->codecpar->format = AV_SAMPLE_FMT_S16;
  Audio->codecpar->bit_rate = 192000;
  LibAVUtil.av_channel_layout_default(&Audio->codecpar->ch_layout, 2);
  Audio->start_time = -1800;
  Audio->duration = 900000;
  LibAVUtil.av_dict_set(&Audio->metadata, "language", "eng", 0);
  LibAVUtil.av_dict_set(&Audio->metadata, "title", "Commentary", 0);

  AVStream* Video = AddStream(C, AVMEDIA_TYPE_VIDEO, AV_CODEC_ID_MPEG2VIDEO, { 1, 90000 });
  Video->codecpar->width = 720;
  Video->codecpar->height = 576;
  Video->codecpar->format = AV_PIX_FMT_YUV420P;
  Video->sample_aspect_ratio = { 16, 15 };
  Video->avg_frame_rate = { 30000, 1001 };
  Video->r_frame_rate = { 25, 1 };
  Video->start_time = 126000;
  Video->duration = AV_NOPTS_VALUE;
  LibAVUtil.av_dict_set(&Video->metadata, "language", "und", 0);

  AVStream* Subtitle = AddStream(C, AVMEDIA_TYPE_SUBTITLE, AV_CODEC_ID_DVD_SUBTITLE, { 2, 2000 });
  Subtitle->duration = AV_NOPTS_VALUE;
  AVStream* Data = AddStream(C, AVMEDIA_TYPE_DATA, AV_CODEC_ID_NONE, { 1, 1000 });
  Data->duration = 500;

  AddProgram(C, 1, { 1, 0 }, { { "service_provider", "Zorvik" }, { "service_name", "News" } });
  AddProgram(C, 2, {}, {});
  C->duration = AV_NOPTS_VALUE;
  C->start_time = AV_NOPTS_VALUE;
  return Context;
}

/// A shared context stays its owner's: the probe lets go of it before it is freed.
struct TSharedContext {
  TSharedContext(TCustomAVProbe& AProbe, TContextPtr AContext) : Probe(AProbe), Context(std::move(AContext)) {
    Probe.SetFileHandle(Context.get());
  }
  ~TSharedContext() { Probe.CloseFile(); }
  TCustomAVProbe& Probe;
  TContextPtr Context;
};

String LocalTimeText(Int64 ASeconds) {
  const time_t Seconds = time_t(ASeconds);
  tm Local {};
  localtime_r(&Seconds, &Local);
  char Text[32];
  strftime(Text, sizeof Text, "%Y-%m-%d %H:%M:%S", &Local);
  return Text;
}

/// Whether ALine matches APattern, where "…" stands for FFmpeg's own codec description.
bool MatchesLine(const String& ALine, const String& APattern) {
  const auto Gap = APattern.find("…");
  if (Gap == String::npos) return ALine == APattern;
  const String Head = APattern.substr(0, Gap);
  const String Tail = APattern.substr(Gap + String("…").size());
  return ALine.size() >= Head.size() + Tail.size() && ALine.starts_with(Head) && ALine.ends_with(Tail);
}

/// What one probe tells about a file, to compare probes that ran at once with one that ran alone.
struct TProbeAnswers {
  bool Loaded { false };
  String FormatName;
  Int64 FileSize { -1 };
  Int64 Duration { -1 };
  int Streams { -1 };
  int Width { -1 };
  int SampleRate { -1 };
  String InfoText;
  friend bool operator==(const TProbeAnswers&, const TProbeAnswers&) = default;
};

TProbeAnswers Answers(const String& AFileName) {
  TAVProbe Probe(nullptr);
  TProbeAnswers Result;
  Result.Loaded = Probe.LoadFile(AFileName);
  Result.FormatName = Probe.FormatName();
  Result.FileSize = Probe.FileSize();
  Result.Duration = Probe.FileStreamInfo().Duration;
  Result.Streams = Probe.StreamCount();
  if (Probe.VideoStreamCount() > 0) Result.Width = Probe.FirstVideoStreamInfo().Width;
  if (Probe.AudioStreamCount() > 0) Result.SampleRate = Probe.FirstAudioStreamInfo().SampleRate;
  Result.InfoText = Probe.FileInfoText();
  return Result;
}

}  // namespace

TEST_F(AVProbeTest, EveryFixtureIsDescribedByItsNumbersAndTags) {
  const TMediaFixtures& Files = MediaFixtures();
  const String UnicodeName = String(UnicodeProtocolPrefix) + Files.ChineseName;
  const struct {
    String Name;
    String File;  // what FileName gives back
    String Format;
    Int64 Duration;
    Int64 Tolerance;
    int Audio, Video, Subtitle;
    int FirstAudio, FirstVideo, FirstSubtitle;
    String AudioCodec, VideoCodec;
    AVPixelFormat PixFmt;
    String TagKey;  // the file's first tag, which opens its metadata block
  } Cases[] = {
    { Files.ClipAVI, Files.ClipAVI, "avi", 2000000, 40000, 1, 1, 0, 1, 0, -1, "mp2", "mpeg4", AV_PIX_FMT_YUV420P, "software" },
    { Files.ClipMKV, Files.ClipMKV, "matroska,webm", 2000000, 40000, 1, 1, 0, 1, 0, -1, "flac", "mpeg4", AV_PIX_FMT_YUV420P, "ENCODER" },
    { Files.ClipMP4, Files.ClipMP4, "mov,mp4,m4a,3gp,3g2,mj2", 2000000, 40000, 1, 1, 0, 1, 0, -1, "aac", "mpeg4", AV_PIX_FMT_YUV420P, "major_brand" },
    { Files.AudioWAV, Files.AudioWAV, "wav", 1000000, 40000, 1, 0, 0, 0, -1, -1, "pcm_s16le", "", AV_PIX_FMT_NONE, "encoder" },
    // An MP3 carries the encoder's delay and padding: two frames of 1152 samples.
    { Files.AudioMP3, Files.AudioMP3, "mp3", 1000000, 52245, 1, 0, 0, 0, -1, -1, "mp3", "", AV_PIX_FMT_NONE, "encoder" },
    { Files.StillPNG, Files.StillPNG, "png_pipe", -1, 0, 0, 1, 0, -1, 0, -1, "", "png", AV_PIX_FMT_RGB24, "" },
    { Files.SubtitleMKV, Files.SubtitleMKV, "matroska,webm", 2000000, 40000, 0, 1, 1, -1, 0, 1, "", "mpeg4", AV_PIX_FMT_YUV420P, "ENCODER" },
    { Files.ChineseName, Files.ChineseName, "mov,mp4,m4a,3gp,3g2,mj2", 2000000, 40000, 1, 1, 0, 1, 0, -1, "aac", "mpeg4", AV_PIX_FMT_YUV420P, "major_brand" },
    { UnicodeName, Files.ChineseName, "mov,mp4,m4a,3gp,3g2,mj2", 2000000, 40000, 1, 1, 0, 1, 0, -1, "aac", "mpeg4", AV_PIX_FMT_YUV420P, "major_brand" },
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    ASSERT_TRUE(Probe.LoadFile(Case.Name)) << Probe.LastErrMsg();
    EXPECT_EQ(Probe.FileName(), Case.File);
    EXPECT_EQ(Probe.FormatName(), Case.Format);
    EXPECT_EQ(Probe.FileSize(), Int64(fs::file_size(Case.File)));
    const TFileStreamInfo Info = Probe.FileStreamInfo();
    if (Case.Duration < 0) EXPECT_EQ(Info.Duration, -1);
    else EXPECT_NEAR(double(Info.Duration), double(Case.Duration), double(Case.Tolerance));
    EXPECT_EQ(Probe.StreamCount(), Case.Audio + Case.Video + Case.Subtitle);
    EXPECT_EQ(Probe.ProgramCount(), 0);
    EXPECT_EQ(Probe.AudioStreamCount(), Case.Audio);
    EXPECT_EQ(Probe.VideoStreamCount(), Case.Video);
    EXPECT_EQ(Probe.SubtitleStreamCount(), Case.Subtitle);
    EXPECT_EQ(Probe.FirstAudioStreamIndex(), Case.FirstAudio);
    EXPECT_EQ(Probe.FirstVideoStreamIndex(), Case.FirstVideo);
    EXPECT_EQ(Probe.FirstSubtitleStreamIndex(), Case.FirstSubtitle);
    if (Case.Video) {
      const TVideoStreamInfo Video = Probe.FirstVideoStreamInfo();
      EXPECT_EQ(Video.Width, Fixture::Width);
      EXPECT_EQ(Video.Height, Fixture::Height);
      EXPECT_EQ(Video.FrameRate.num, Fixture::FrameRate);
      EXPECT_EQ(Video.FrameRate.den, 1);
      EXPECT_EQ(Video.PixFmt, Case.PixFmt);
      EXPECT_TRUE(Video.CodecName.starts_with(Case.VideoCodec)) << Video.CodecName;
      EXPECT_TRUE(Probe.IsVideoStream(Case.FirstVideo));
    }
    if (Case.Audio) {
      const TAudioStreamInfo Audio = Probe.FirstAudioStreamInfo();
      EXPECT_EQ(Audio.SampleRate, Fixture::SampleRate);
      EXPECT_EQ(Audio.Channels, 2);
      EXPECT_TRUE(Audio.CodecName.starts_with(Case.AudioCodec)) << Audio.CodecName;
      EXPECT_TRUE(Probe.IsAudioStream(Case.FirstAudio));
      EXPECT_FALSE(Probe.IsVideoStream(Case.FirstAudio));
    }
    if (Case.Subtitle) {
      EXPECT_TRUE(Probe.FirstSubtitleStreamInfo().CodecName.starts_with("srt")) << Probe.FirstSubtitleStreamInfo().CodecName;
      EXPECT_TRUE(Probe.IsSubtitleStream(Case.FirstSubtitle));
    }
    const String Text = Probe.FileInfoText();
    if (Case.TagKey.empty()) EXPECT_EQ(Text.find("Metadata:"), String::npos);
    else EXPECT_NE(Text.find(Format("\r\nMetadata:\r\n  %-16s: ", Case.TagKey)), String::npos) << Text;
  }
  EXPECT_EQ(Log.From(&Probe), std::vector<TEvent> {});
}

TEST_F(AVProbeTest, ARealFileIsDescribedLineByLine) {
  const String File = MediaFixtures().ClipMP4;
  ASSERT_TRUE(Probe.LoadFile(File));
  const std::vector<String> Expected = {
    "File Name: " + File,
    "Format Name: mov,mp4,m4a,3gp,3g2,mj2",
    "Format Long Name: QuickTime / MOV",
    Format("File Size: %.2f KB", double(fs::file_size(File)) / 1024),
    "Duration: 00:00:02.000",
    "StartTime: 0.000000",
    Format("Bit Rate: %d kb/s", Probe.FileStreamInfo().BitRate / 1000),
    "Metadata:",
    "  major_brand     : isom",
    "  minor_version   : 512",
    "  compatible_brands: isomiso2mp41",
    "  encoder         : Lavf…",
    // The streams' language "und" is shown beside the stream, never in its block.
    "Stream #0[0x1](und), 1/12800: Video: mpeg4…, 25 fps, 25 tbr, 12800 tbn, 25 tbc, StartTime: 0.000000, Duration: 00:00:02.000",
    "  Metadata:",
    "    handler_name    : VideoHandler",
    "    vendor_id       : [0][0][0][0]",
    "Stream #1[0x2](und), 1/44100: Audio: aac…, StartTime: 0.000000, Duration: 00:00:02.000",
    "  Metadata:",
    "    handler_name    : SoundHandler",
    "    vendor_id       : [0][0][0][0]",
  };
  const std::vector<String> Got = Lines(Probe.FileInfoText());
  ASSERT_EQ(Got.size(), Expected.size()) << Probe.FileInfoText();
  for (size_t I = 0; I < Got.size(); ++I) EXPECT_TRUE(MatchesLine(Got[I], Expected[I])) << Got[I] << "\n" << Expected[I];
  EXPECT_TRUE(Probe.FileInfoText().ends_with("\r\n"));
}

TEST_F(AVProbeTest, ASharedContextIsDescribedWithItsProgramsStreamsAndTags) {
  TSharedContext Shared(Probe, MakeTransportContext());
  EXPECT_EQ(Probe.FileHandle(), Shared.Context.get());
  EXPECT_EQ(Probe.StreamCount(), 4);
  EXPECT_EQ(Probe.ProgramCount(), 2);
  EXPECT_EQ(Probe.AudioStreamCount(), 1);
  EXPECT_EQ(Probe.VideoStreamCount(), 1);
  EXPECT_EQ(Probe.SubtitleStreamCount(), 1);
  EXPECT_EQ(Probe.FirstAudioStreamIndex(), 0);
  EXPECT_EQ(Probe.FirstVideoStreamIndex(), 1);
  EXPECT_EQ(Probe.FirstSubtitleStreamIndex(), 2);
  EXPECT_EQ(Probe.FileSize(), 0);

  const std::vector<String> Expected = {
    "File Name: ",
    "Format Name: mpegts",
    "Format Long Name: MPEG-TS (MPEG-2 Transport Stream)",
    "File Size: 0 Byte",
    "Duration: N/A",
    "Bit Rate: N/A",
    "Time Stamp: " + LocalTimeText(CreationSeconds),
    "Metadata:",
    "  title           : Song",
    "  album           : Collection",
    "  creation_time   : 2020-06-15T12:00:00Z",
    "  date            : 2009-05-01",
    "  track           : 3/12",
    "  artist          : Band",
    "  comment         : Note",
    "  TXXX            : Other",
    "Program 1 Zorvik@News",
    "  Metadata:",
    "    service_provider: Zorvik",
    "    service_name    : News",
    "Stream #1[0x101](und), 1/90000: Video: mpeg2video…, PAR 16:15 DAR 4:3, 29.97 fps, 25 tbr, 90k tbn, 50 tbc, "
    "StartTime: 1.400000, Duration: N/A",
    "Stream #0[0x100](eng), 1/90000: Audio: mp2…, StartTime: -0.020000, Duration: 00:00:10.000",
    "  Metadata:",
    "    title           : Commentary",
    "Program 2 N/A@N/A",
    "Stream #2[0x102], 1/1000: Subtitle: dvd_subtitle…, Duration: N/A",
    "Stream #3[0x103], 1/1000: Data: …, Duration: 00:00:00.500",
  };
  const std::vector<String> Got = Lines(Probe.FileInfoText());
  ASSERT_EQ(Got.size(), Expected.size()) << Probe.FileInfoText();
  for (size_t I = 0; I < Got.size(); ++I) EXPECT_TRUE(MatchesLine(Got[I], Expected[I])) << Got[I] << "\n" << Expected[I];

  const TFileStreamInfo File = Probe.FileStreamInfo();
  EXPECT_EQ(File.StartTime, -1);
  EXPECT_EQ(File.Duration, -1);
  EXPECT_EQ(File.BitRate, 0);
  EXPECT_EQ(File.TimeStamp, CreationSeconds);
  EXPECT_EQ(File.Year, 2009);
  EXPECT_EQ(File.Track, 3);
  EXPECT_EQ(File.Title, "");  // an ID3 frame name is only shown under its common name
  EXPECT_EQ(File.Author, "Band");
  EXPECT_EQ(File.Comment, "Note");

  const TAudioStreamInfo Audio = Probe.FirstAudioStreamInfo();
  EXPECT_EQ(Audio.Language, "eng");
  EXPECT_EQ(Audio.StartTime, -1800);
  EXPECT_EQ(Audio.StartTimeScaled, -20000);
  EXPECT_EQ(Audio.Duration, 900000);
  EXPECT_EQ(Audio.DurationScaled, 10000000);
  EXPECT_EQ(Audio.BitRate, 192000);
  EXPECT_EQ(Audio.Channels, 2);
  EXPECT_EQ(Audio.SampleRate, 48000);
  EXPECT_EQ(Audio.SampleFormat, AV_SAMPLE_FMT_S16);

  const TVideoStreamInfo Video = Probe.FirstVideoStreamInfo();
  EXPECT_EQ(Video.Width, 720);
  EXPECT_EQ(Video.Height, 576);
  EXPECT_EQ(Video.StartTimeScaled, 1400000);
  EXPECT_EQ(Video.Duration, -1);
  EXPECT_EQ(Video.DurationScaled, -1);
  EXPECT_EQ(Video.AspectRatio, 0.0f);  // the codec parameters do not give the pixel shape
  EXPECT_EQ(Video.FrameRate.num, 25);
  EXPECT_TRUE(Video.CodecName.starts_with("mpeg2video")) << Video.CodecName;
  EXPECT_TRUE(Probe.FirstSubtitleStreamInfo().CodecName.starts_with("dvdsub"));

  Shared.Context->streams[1]->codecpar->sample_aspect_ratio = { 16, 15 };
  EXPECT_NEAR(Probe.FirstVideoStreamInfo().AspectRatio, 4.0 / 3.0, 1e-6);
}

TEST_F(AVProbeTest, RatesAreWrittenByTheirSize) {
  const std::pair<double, const char*> Cases[] = {
    { 30000.0 / 1001, ", 29.97 fps" }, { 25, ", 25 fps" }, { 90000, ", 90k tbn" },
    { 12800, ", 12800 tbn" },          { 1000, ", 1k tbn" }, { 23.976, ", 23.98 fps" },
  };
  for (const auto& [Value, Text] : Cases) EXPECT_EQ(RateText(Value, String(Text).substr(String(Text).rfind(' ') + 1)), Text);
}

TEST_F(AVProbeTest, AFileThatCannotBeOpenedFailsWithItsReasonAndLeavesNothingOpen) {
  const String Folder = fs::temp_directory_path() / ("avprobe-" + std::to_string(::getpid()));
  fs::create_directories(Folder);
  const String Garbage = Folder + "/garbage.avi";
  std::ofstream(Garbage, std::ios::binary) << String(4096, '\x5a');
  const String Truncated = Folder + "/truncated.mp4";
  fs::copy_file(MediaFixtures().ClipMP4, Truncated, fs::copy_options::overwrite_existing);
  fs::resize_file(Truncated, fs::file_size(Truncated) / 2);
  const String Missing = Folder + "/missing.avi";
  const String Clip = MediaFixtures().ClipAVI;
  // A pipe nobody writes to would block the open for good.
  const String Pipe = Folder + "/pipe.avi";
  fs::remove(Pipe);
  ASSERT_EQ(mkfifo(Pipe.c_str(), 0666), 0);

  const struct {
    String File;
    String Format;
    String Message;
    bool Logged;
  } Cases[] = {
    { Missing, "", Missing + ": No such file or directory", true },
    { String(UnicodeProtocolPrefix) + Missing, "", String(UnicodeProtocolPrefix) + Missing + ": No such file or directory", true },
    { Garbage, "", Garbage + ": Invalid data found when processing input", true },
    { Truncated, "", Truncated + ": Invalid data found when processing input", true },
    { Clip, "wav", Clip + ": Invalid data found when processing input", true },
    { Clip, "xyz", "Unknown input format: xyz", false },
    { Pipe, "", Pipe + ": Is a named pipe", true },
    { String(UnicodeProtocolPrefix) + Pipe, "", String(UnicodeProtocolPrefix) + Pipe + ": Is a named pipe", true },
    { "/dev/zero", "", "/dev/zero: Is a device", true },
    { Folder, "", Folder + ": Is a directory", true },
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.File + " as " + Case.Format);
    ASSERT_TRUE(Probe.LoadFile(MediaFixtures().ClipMKV));
    Log.Clear();
    EXPECT_FALSE(Probe.LoadFile(Case.File, Case.Format));
    EXPECT_EQ(Probe.LastErrMsg(), Case.Message);
    const std::vector<TEvent> Logged = Log.From(&Probe);
    if (Case.Logged) EXPECT_EQ(Logged, (std::vector<TEvent> { { &Probe, llError, Case.Message } }));
    else EXPECT_TRUE(Logged.empty());
    EXPECT_EQ(Probe.FileHandle(), nullptr);
    EXPECT_EQ(Probe.FileSize(), -1);
    EXPECT_EQ(Probe.StreamCount(), -1);
    EXPECT_EQ(Probe.FirstVideoStreamIndex(), -1);
    EXPECT_EQ(Probe.ForceFormat(), "");
  }
  ASSERT_TRUE(Probe.LoadFile(Clip, "avi"));
  EXPECT_EQ(Probe.ForceFormat(), "avi");
  fs::remove_all(Folder);
}

TEST_F(AVProbeTest, QuestionsWithoutAFileOrOutOfRangeAreAnsweredEmptyAndReported) {
  const TEvent NotLoaded { &Probe, llWarning, "file not loaded." };
  const std::vector<std::function<bool()>> Empty = {
    [&] { return Probe.FileName().empty(); },
    [&] { return Probe.FormatName().empty(); },
    [&] { return Probe.FormatLongName().empty(); },
    [&] { return Probe.FileInfoText().empty(); },
    [&] { return !Probe.IsVideoStream(0); },
    [&] { return Probe.FileStreamInfo().Duration == -1 && Probe.FileStreamInfo().Title.empty(); },
    [&] { return Probe.FirstVideoStreamInfo().Width == -1; },
    [&] { return Probe.FirstAudioStreamInfo().SampleRate == -1; },
    [&] { return Probe.FirstSubtitleStreamInfo().CodecName.empty(); },
  };
  for (size_t I = 0; I < Empty.size(); ++I) {
    Log.Clear();
    EXPECT_TRUE(Empty[I]()) << I;
    EXPECT_EQ(Probe.LastErrMsg(), "file not loaded.");
    EXPECT_EQ(Log.From(&Probe).front(), NotLoaded) << I;
  }
  EXPECT_EQ(Probe.FileSize(), -1);
  EXPECT_EQ(Probe.AudioStreamCount(), -1);

  ASSERT_TRUE(Probe.LoadFile(MediaFixtures().ClipAVI));
  const struct {
    std::function<bool()> Ask;
    String Message;
  } Refused[] = {
    { [&] { return Probe.IsVideoStream(-1); }, "stream index #-1 is invalid." },
    { [&] { return Probe.IsAudioStream(2); }, "stream index #2 is invalid." },
    { [&] { return Probe.FirstSubtitleStreamInfo().Language != "" || Probe.FirstSubtitleStreamInfo().CodecName != ""; },
      "no subtitle stream." },
  };
  for (const auto& Case : Refused) {
    Log.Clear();
    EXPECT_FALSE(Case.Ask());
    EXPECT_EQ(Probe.LastErrMsg(), Case.Message);
    EXPECT_EQ(Log.From(&Probe).front(), (TEvent { &Probe, llError, Case.Message }));
  }
  ASSERT_TRUE(Probe.LoadFile(MediaFixtures().AudioWAV));
  const TVideoStreamInfo None = Probe.FirstVideoStreamInfo();
  EXPECT_EQ(Probe.LastErrMsg(), "no video stream.");
  EXPECT_EQ(None.Width, -1);
  EXPECT_EQ(None.AspectRatio, -1.0f);
  EXPECT_EQ(None.FrameRate.num, -1);
  EXPECT_TRUE(None.CodecName.empty());
}

TEST_F(AVProbeTest, OpeningWithoutItsLibrariesRaisesNamingTheFirstMissingOne) {
  const std::pair<TLibrary, const char*> Cases[] = {
    { avCodec, "LibAVCodec not loaded." },
    { avFormat, "LibAVFormat not loaded." },
    { avUtil, "LibAVUtil not loaded." },
    { swScale, "LibSwScale not loaded." },
  };
  for (const auto& [Library, Message] : Cases) {
    FFLoader.Unload(Library);
    EXPECT_FALSE(Probe.AVLibLoaded());
    try {
      Probe.LoadFile(MediaFixtures().ClipAVI);
      ADD_FAILURE() << Message;
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message, Message);
    }
    EXPECT_THROW(Probe.SetFileHandle(nullptr), Exception);
    ASSERT_TRUE(FFLoader.Load(Library));
  }
  EXPECT_TRUE(Probe.AVLibLoaded());
  EXPECT_TRUE(Probe.LoadAVLib(""));
}

TEST_F(AVProbeTest, ProbingEightFilesFromEightThreadsAtOnceGivesTheAnswersOfOneAtATime) {
  const TMediaFixtures& Files = MediaFixtures();
  const std::vector<String> Names = { Files.ClipAVI,  Files.ClipMKV,     Files.ClipMP4,     Files.AudioWAV,
                                      Files.AudioMP3, Files.SubtitleMKV, Files.ChineseName, Files.StillPNG };
  std::vector<TProbeAnswers> Alone;
  for (const String& Name : Names) Alone.push_back(Answers(Name));

  // Each thread probes every file, starting at a different one, so all of them open and read stream
  // information at the same moments; the user-interface thread serves the logger meanwhile.
  GlobalLogger()->SetTriggerEventInMainThread(true);
  std::vector<std::vector<TProbeAnswers>> Together(Names.size());
  std::atomic<int> Running { int(Names.size()) };
  std::vector<std::thread> Threads;
  for (size_t T = 0; T < Names.size(); ++T)
    Threads.emplace_back([&, T] {
      for (size_t I = 0; I < Names.size(); ++I) Together[T].push_back(Answers(Names[(T + I) % Names.size()]));
      --Running;
      WakeWaiters();
    });
  WaitServing([&] { return Running == 0; });
  for (std::thread& Thread : Threads) Thread.join();
  for (size_t T = 0; T < Names.size(); ++T)
    for (size_t I = 0; I < Names.size(); ++I) {
      const size_t File = (T + I) % Names.size();
      EXPECT_TRUE(Together[T][I].Loaded) << Names[File];
      EXPECT_EQ(Together[T][I], Alone[File]) << Names[File];
    }
}
