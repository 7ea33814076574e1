// Every clip of the corpus converted through the task list to one format of each family the catalogue
// writes, with that format's own parameters: each task either writes an output holding the kinds of stream
// the format keeps, as long as the source's longest kept stream decodes, or fails with a message naming why.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>

#include "app/catalogue/FormatParameters.h"
#include "app/jobs/AddOutputOptions.h"
#include "engine/tasklist/FFConverter.h"
#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "platform/base/MainThread.h"
#include "platform/base/ScopeGuard.h"
#include "tests/engine/corpus/MediaCorpus.h"

namespace {

/// The output options the front end gives a new job of the format: its parameters over the engine's defaults.
TOutputOptions OutputOptionsOf(const FormatParameters& AFormat) {
  TVideoParams Params;
  Params.Reset();
  AFormat.AssignTo(Params);
  TOutputOptions Output;
  InitOutputOptions(Output);
  CopyVideoParams(Params, Output);
  return Output;
}

/// The clips whose streams start far apart or whose clock jumps by an hour or more.
const std::vector<TCorpusClip>& FarApartClips() {
  static const std::vector<TCorpusClip> Clips = [] {
    std::vector<TCorpusClip> Found;
    std::ranges::copy_if(CorpusClips(), std::back_inserter(Found), [](const TCorpusClip& AClip) {
      const String Name = AClip.Name;
      return Name.find("hours-late") != String::npos || Name.find("spliced") != String::npos;
    });
    return Found;
  }();
  return Clips;
}

/// The process's resident memory (VmRSS) or its peak since the last reset (VmHWM), in MiB.
double MemoryMiB(const char* AField) {
  std::ifstream Status("/proc/self/status");
  for (std::string Line; std::getline(Status, Line);)
    if (Line.starts_with(AField)) return std::stod(Line.substr(std::strlen(AField))) / 1024;
  return 0;
}

/// How one clip's task ended: its message when it failed at set-up or while running.
struct TRun {
  bool Converted { false };
  String Message;
  String Output;
};

/// Runs jobs of corpus clips through the task list and tells how each ended.
class TCorpusRuns {
protected:
  /// One job: a clip converted with a format's parameters; its run is kept under Key.
  struct TJob {
    String Key;
    const TCorpusClip* Clip;
    const FormatParameters* Format;
  };

  /// Adds every job's task and runs them all, AAtOnce at a time, for at most AMilliseconds; the runs by key.
  std::map<String, TRun> Convert(const std::vector<TJob>& AJobs, int AAtOnce = 3, unsigned AMilliseconds = 240000) {
    std::map<String, TRun> Runs;
    std::map<int, String> KeyOfTask;
    for (const TJob& Job : AJobs) {
      TRun& Run = Runs[Job.Key];
      Run.Output = FOutputs.string() + "/" + Job.Key + String(Job.Format->Extension);
      TInputOptions Input;
      InitInputOptions(Input);
      const int Task = FConverter.AddTask(CorpusFile(*Job.Clip), &Input);
      if (Task < 0) {
        Run.Message = "add: " + FConverter.LastErrMsg();
        continue;
      }
      TOutputOptions Output = OutputOptionsOf(*Job.Format);
      if (!FConverter.SetOutputFile(Task, Run.Output, &Output)) {
        Run.Message = "output: " + FConverter.LastErrMsg();
        FConverter.RemoveTask(Task);
        continue;
      }
      KeyOfTask[Task] = Job.Key;
    }
    FConverter.OnTerminate = [this](TObject*, const TTerminateInfo& AEnd) {
      std::lock_guard Guard(FEndsLock);
      FEnds[AEnd.TaskIndex] = AEnd;
      WakeWaiters();
    };
    FConverter.Start(AAtOnce);
    // The run's end (-1) comes after every task's; waiting for each as well names a task whose end never came.
    const bool Ended = WaitServing([&] {
      std::lock_guard Guard(FEndsLock);
      return FEnds.contains(-1) && std::ranges::all_of(KeyOfTask, [&](const auto& ATask) {
        return FEnds.contains(ATask.first);
      });
    }, AMilliseconds);
    if (!Ended) {
      FConverter.Stop(true);
      ADD_FAILURE() << "the batch did not end within " << AMilliseconds / 1000 << " s";
    }
    std::lock_guard Guard(FEndsLock);
    for (const auto& [Task, Key] : KeyOfTask) {
      TRun& Run = Runs[Key];
      const auto End = FEnds.find(Task);
      if (End == FEnds.end()) Run.Message = "no end reported";
      else if (End->second.Finished && !End->second.Exception) Run.Converted = true;
      else Run.Message = "run: " + End->second.ExceptionMsg;
    }
    return Runs;
  }

  std::filesystem::path FOutputs;
  /// The end reports by task (-1: the whole run's); they outlive the converter, whose threads report.
  std::mutex FEndsLock;
  std::map<int, TTerminateInfo> FEnds;
  TFFConverter FConverter { nullptr };
};

class CorpusConvertTest : public testing::TestWithParam<TCorpusTarget>, public TCorpusRuns {
protected:
  static void SetUpTestSuite() { LoadCorpusLibraries(); }

  /// Each of AClips converted to AFormat, AAtOnce at a time; the runs by clip name (the whole name:
  /// audio.flac and audio.opus would otherwise both write audio.wmv at once).
  std::map<String, TRun> ConvertAll(const FormatParameters& AFormat, const std::vector<TCorpusClip>& AClips = CorpusClips(),
                                    int AAtOnce = 3, unsigned AMilliseconds = 240000) {
    std::vector<TJob> Jobs;
    for (const TCorpusClip& Clip : AClips) Jobs.push_back({ Clip.Name, &Clip, &AFormat });
    return Convert(Jobs, AAtOnce, AMilliseconds);
  }

  void SetUp() override {
    FOutputs = std::filesystem::temp_directory_path() / ("corpus-" + std::to_string(getpid()) + "-" + GetParam().Family);
    std::filesystem::create_directories(FOutputs);
  }
  void TearDown() override { std::filesystem::remove_all(FOutputs); }
};

/// Every video encoder the catalogue writes with, each through the first format that uses it.
class CorpusPictureTest : public testing::Test, public TCorpusRuns {
protected:
  static void SetUpTestSuite() { LoadCorpusLibraries(); }

  void SetUp() override {
    FOutputs = std::filesystem::temp_directory_path() / ("corpus-" + std::to_string(getpid()) + "-pictures");
    std::filesystem::create_directories(FOutputs);
  }
  void TearDown() override { std::filesystem::remove_all(FOutputs); }
};

/// The codec, picture format and profile of AFileName's first video stream, as the demuxer reads them.
struct TStoredPicture {
  AVCodecID Codec { AV_CODEC_ID_NONE };
  String PixelFormat { "none" };
  int Profile { FF_PROFILE_UNKNOWN };
};

TStoredPicture StoredPicture(const String& AFileName) {
  TStoredPicture Picture;
  AVFormatContext* Input = nullptr;
  if (LibAVFormat.avformat_open_input(&Input, AFileName.c_str(), nullptr, nullptr) < 0) return Picture;
  ScopeGuard Close([&] { LibAVFormat.avformat_close_input(&Input); });
  LibAVFormat.avformat_find_stream_info(Input, nullptr);
  for (unsigned I = 0; I < Input->nb_streams; ++I) {
    const AVCodecParameters* Codec = Input->streams[I]->codecpar;
    if (Codec->codec_type != AVMEDIA_TYPE_VIDEO) continue;
    Picture.Codec = Codec->codec_id;
    if (const char* Format = LibAVUtil.av_get_pix_fmt_name(AVPixelFormat(Codec->format))) Picture.PixelFormat = Format;
    Picture.Profile = Codec->profile;
    break;
  }
  return Picture;
}

}  // namespace

TEST_P(CorpusConvertTest, EveryClipConvertsOrFailsWithItsReason) {
  const FormatParameters& Format = *FindFormatParameters(GetParam().FormatKey);
  const std::map<String, TRun> Runs = ConvertAll(Format);
  for (const TCorpusClip& Clip : CorpusClips()) {
    SCOPED_TRACE(Clip.Name);
    const TRun& Run = Runs.at(Clip.Name);
    if (const TRefusal* Refusal = RefusalOf(Clip, Format.FormatKey)) {
      EXPECT_FALSE(Run.Converted) << "converted, though it cannot be";
      EXPECT_NE(Run.Message.find(Refusal->Message), String::npos) << Run.Message;
    } else {
      EXPECT_EQ(Run.Converted ? OutputFault(Clip, Run.Output, Format) : "failed: " + Run.Message, "");
    }
  }
}

// A gap of hours between the streams' starts or inside them is continued across, not filled: each clip's
// output plays its three seconds with sound and picture starting together, the batch (one task at a time)
// ends in a time and with memory that a few short clips take (filling the gap took hours and grew without
// bound).
TEST_P(CorpusConvertTest, StreamsFarApartConvertInStepWithBoundedTimeAndMemory) {
  const FormatParameters& Format = *FindFormatParameters(GetParam().FormatKey);
  std::ofstream("/proc/self/clear_refs") << "5";
  const double Resident = MemoryMiB("VmRSS:");
  const std::map<String, TRun> Runs = ConvertAll(Format, FarApartClips(), 1, 120000);
  EXPECT_LT(MemoryMiB("VmHWM:") - Resident, 200.0);
  for (const TCorpusClip& Clip : FarApartClips()) {
    SCOPED_TRACE(Clip.Name);
    const TRun& Run = Runs.at(Clip.Name);
    ASSERT_TRUE(Run.Converted) << Run.Message;
    EXPECT_EQ(OutputFault(Clip, Run.Output, Format), "");
    const TDecodedSpan Output = DecodeSpan(Run.Output);
    if (Output.Video && Output.Audio) {
      EXPECT_NEAR(Output.VideoStart, Output.AudioStart, 0.5);
      EXPECT_NEAR(Output.VideoSeconds, Output.AudioSeconds, 0.5);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Families, CorpusConvertTest, testing::ValuesIn(CorpusTargets()),
                         [](const testing::TestParamInfo<TCorpusTarget>& AInfo) { return String(AInfo.param.Family); });

// Phones, players and browsers play 8-bit 4:2:0 pictures: a source in 4:4:4, 4:2:2 or 10 bits comes out so
// from every video encoder of the catalogue, H.264 in one of its 8-bit 4:2:0 profiles and MPEG-2 in Main.
TEST_F(CorpusPictureTest, DeepAndFullChromaSourcesComeOutAsDevicePictures) {
  const char* Sources[] = { "mp4-h264-444.mp4", "mkv-h264-422.mkv", "mkv-h264-10bit.mkv", "mov-prores-pcm24.mov" };
  std::vector<const FormatParameters*> Formats;
  std::vector<String> Seen;
  for (const FormatParameters& Format : FormatParameterTable()) {
    // A format leaving the encoder to the container is told apart by its extension.
    const String Encoder = Format.VideoCodec.empty() ? String(Format.Extension) : String(Format.VideoCodec);
    if (Format.DisableVideo || !Format.TargetType.empty() || std::ranges::count(Seen, Encoder)) continue;
    // A format whose encoder the libraries lack writes nothing: its output is refused when it is set.
    if (!Format.VideoCodec.empty() && !LibAVCodec.avcodec_find_encoder_by_name(Encoder.c_str())) continue;
    Seen.push_back(Encoder);
    Formats.push_back(&Format);
  }
  std::vector<TJob> Jobs;
  for (const char* Source : Sources) {
    const auto Clip = std::ranges::find_if(CorpusClips(), [&](const TCorpusClip& C) { return String(C.Name) == Source; });
    ASSERT_NE(Clip, CorpusClips().end()) << Source;
    for (const FormatParameters* Format : Formats)
      Jobs.push_back({ String(Source) + "-" + IntToStr(Format->FormatKey), &*Clip, Format });
  }
  const std::map<String, TRun> Runs = Convert(Jobs);
  const std::vector<int> DeviceProfiles { FF_PROFILE_H264_CONSTRAINED_BASELINE, FF_PROFILE_H264_BASELINE,
                                          FF_PROFILE_H264_MAIN, FF_PROFILE_H264_HIGH };
  for (const TJob& Job : Jobs) {
    SCOPED_TRACE(Job.Key + String(Job.Format->Extension) + " " + String(Job.Format->VideoCodec));
    const TRun& Run = Runs.at(Job.Key);
    const TStoredPicture Picture = StoredPicture(Run.Output);
    if (!Run.Converted || Picture.Codec == AV_CODEC_ID_NONE) {
      ADD_FAILURE() << "no picture written: " << Run.Message;
      continue;
    }
    EXPECT_TRUE(Picture.PixelFormat == "yuv420p" || Picture.PixelFormat == "yuvj420p") << Picture.PixelFormat;
    if (Picture.Codec == AV_CODEC_ID_H264) {
      EXPECT_TRUE(std::ranges::count(DeviceProfiles, Picture.Profile)) << "H.264 profile " << Picture.Profile;
    }
    if (Picture.Codec == AV_CODEC_ID_MPEG2VIDEO) {
      EXPECT_EQ(Picture.Profile, FF_PROFILE_MPEG2_MAIN);
    }
  }
}
