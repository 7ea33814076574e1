// The task list converting media that other producers wrote: streams a demuxer finds only while
// reading, odd picture sizes, cover art, and the times a finished task reports.
#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <vector>

#include "engine/probe/AVProbe.h"
#include "engine/tasklist/FFConverter.h"
#include "tests/engine/TaskTesting.h"

namespace {

/// A catalogue-like output: extension, video and audio encoder ("" = the container's own), sound rate
/// and channels (-1 = the source's), picture size ("" = the source's), and whether it is sound only.
struct TTarget {
  const char* Ext;
  const char* VideoCodec;
  const char* AudioCodec;
  int SampleRate { -1 };
  int Channels { -1 };
  const char* FrameSize { "" };
  bool DisableVideo { false };
};

class OtherProducersTest : public TTaskTest {
protected:
  /// Adds a task converting AInput to AOutput (in the scratch folder); its index, -1 when refused.
  int AddJob(const String& AInput, const String& AOutput, const TTarget& ATarget) {
    TInputOptions Input;
    InitInputOptions(Input);
    const int Index = Converter->AddTask(AInput, &Input);
    if (Index < 0) return -1;
    TOutputOptions Output;
    InitOutputOptions(Output);
    Output.VideoCodec = ATarget.VideoCodec;
    Output.AudioCodec = ATarget.AudioCodec;
    Output.AudioSampleRate = ATarget.SampleRate;
    Output.AudioChannels = ATarget.Channels;
    Output.FrameSize = ATarget.FrameSize;
    Output.DisableVideo = ATarget.DisableVideo;
    EXPECT_TRUE(Converter->SetOutputFile(Index, Folder.Path(AOutput), &Output)) << Converter->LastErrMsg();
    return Index;
  }
  /// Runs the tasks one at a time and records their reports and ends.
  void Run() {
    Converter->OnProgress = [this](TObject*, PProgressInfo AInfo) {
      std::lock_guard Lock(ReportsLock);
      Reports[AInfo->TaskIndex].push_back(*AInfo);
    };
    Converter->OnTerminate = [this](TObject*, const TTerminateInfo& AInfo) {
      std::lock_guard Lock(ReportsLock);
      Ends[AInfo.TaskIndex] = AInfo;
      WakeWaiters();
    };
    Converter->Start(1);
    ASSERT_TRUE(WaitServing([&] {
      std::lock_guard Lock(ReportsLock);
      return Ends.count(-1) != 0;
    }, 120000));
  }
  /// Whether task AIndex finished without an error.
  void ExpectFinished(int AIndex) {
    std::lock_guard Lock(ReportsLock);
    ASSERT_TRUE(Ends.count(AIndex)) << "no end of task " << AIndex;
    EXPECT_TRUE(Ends[AIndex].Finished);
    EXPECT_FALSE(Ends[AIndex].Exception) << Ends[AIndex].ExceptionMsg;
  }
  /// The last progress report of task AIndex.
  TProgressInfo LastReport(int AIndex) {
    std::lock_guard Lock(ReportsLock);
    if (Reports[AIndex].empty()) {
      ADD_FAILURE() << "no progress report of task " << AIndex;
      return {};
    }
    return Reports[AIndex].back();
  }

  std::mutex ReportsLock;
  std::map<int, std::vector<TProgressInfo>> Reports;
  std::map<int, TTerminateInfo> Ends;
  std::unique_ptr<TFFConverter> Converter { std::make_unique<TFFConverter>(nullptr) };
};

}  // namespace

// The demuxer makes an FLV's streams while reading it: ProducedFLV's while its stream information is read,
// after the file was opened; LateSoundFLV's sound in the middle of the conversion, which leaves it out.
TEST_F(OtherProducersTest, StreamsFoundOnlyWhileReadingAreConvertedAndProbed) {
  const struct {
    String Input;
    Int64 Duration;  // microseconds, within 150 ms
    bool Sound;      // the sound is known once the file is read, and converted
  } Cases[] { { Media().ProducedFLV, 1000000, true }, { Media().LateSoundFLV, 10000000, false } };
  for (size_t I = 0; I < std::size(Cases); ++I) {
    TAVProbe Probe(nullptr);
    ASSERT_TRUE(Probe.LoadFile(Cases[I].Input)) << Probe.LastErrMsg();
    EXPECT_TRUE(Probe.FirstVideoStreamInfo().CodecName.starts_with("h264")) << Probe.FirstVideoStreamInfo().CodecName;
    EXPECT_EQ(Probe.AudioStreamCount() > 0, Cases[I].Sound);
    ASSERT_GE(AddJob(Cases[I].Input, IntToStr(int(I)) + ".avi", { ".avi", "mpeg4", "libmp3lame" }), 0) << Converter->LastErrMsg();
  }
  Run();
  for (size_t I = 0; I < std::size(Cases); ++I) {
    SCOPED_TRACE(Cases[I].Input);
    ExpectFinished(int(I));
    TAVProbe Output(nullptr);
    ASSERT_TRUE(Output.LoadFile(Folder.Path(IntToStr(int(I)) + ".avi"))) << Output.LastErrMsg();
    EXPECT_GE(Output.FirstVideoStreamIndex(), 0);
    EXPECT_EQ(Output.FirstAudioStreamIndex() >= 0, Cases[I].Sound);
    EXPECT_NEAR(double(Output.FileStreamInfo().Duration), double(Cases[I].Duration), 150000.0);
  }
}

// A size taken from the source is rounded down to what the encoder takes; the source is 853x479 in 4:4:4,
// which every encoder, H.264's too, turns into 4:2:0 of whole chroma samples.
TEST_F(OtherProducersTest, AnOddSourceSizeIsRoundedDownForTheEncoder) {
  const struct {
    TTarget Target;
    int Width;
    int Height;
  } Cases[] {
    { { ".wmv", "wmv2", "wmav2" }, 852, 478 },           { { ".asf", "msmpeg4", "wmav2" }, 852, 478 },
    { { ".avi", "msmpeg4v2", "libmp3lame" }, 852, 478 }, { { ".avi", "mpeg4", "libmp3lame" }, 852, 478 },
    { { ".avi", "libxvid", "libmp3lame" }, 852, 478 },   { { ".mp4", "libx264", "aac" }, 852, 478 },
    { { ".mpg", "mpeg1video", "mp2" }, 852, 478 },       { { ".mpg", "mpeg2video", "mp2" }, 852, 478 },
    { { ".flv", "", "libmp3lame" }, 852, 478 },
  };
  const auto Name = [&](size_t AIndex) { return IntToStr(int(AIndex)) + Cases[AIndex].Target.Ext; };
  for (size_t I = 0; I < std::size(Cases); ++I) AddJob(Media().OddSizeMP4, Name(I), Cases[I].Target);
  Run();
  for (size_t I = 0; I < std::size(Cases); ++I) {
    SCOPED_TRACE(Name(I) + " " + Cases[I].Target.VideoCodec);
    ExpectFinished(int(I));
    TAVProbe Probe(nullptr);
    ASSERT_TRUE(Probe.LoadFile(Folder.Path(Name(I)))) << Probe.LastErrMsg();
    EXPECT_EQ(Probe.FirstVideoStreamInfo().Width, Cases[I].Width);
    EXPECT_EQ(Probe.FirstVideoStreamInfo().Height, Cases[I].Height);
  }
}

// The cover picture of an MP3 is kept as a still picture or dropped, as the container allows, and the
// sound is converted whole; the finished task reports the sound's time.
TEST_F(OtherProducersTest, CoverArtNeverStopsTheSoundFromConverting) {
  const std::vector<TTarget> Targets {
    { ".mp4", "mpeg4", "aac" },
    { ".3gp", "mpeg4", "libopencore_amrnb", 8000, 1 },
    { ".3gp", "h263", "aac", 16000, 2, "176x144" },
    { ".3g2", "mpeg4", "libopencore_amrnb", 8000, 1 },
    { ".mp4", "libx264", "aac" },
    { ".mov", "", "aac" },
    { ".wmv", "wmv2", "wmav2" },
    { ".asf", "msmpeg4", "wmav2" },
    { ".avi", "mpeg4", "libmp3lame" },
    { ".mkv", "mpeg4", "libmp3lame" },
    { ".flv", "", "libmp3lame" },
    { ".mpg", "mpeg1video", "mp2" },
    { ".vob", "mpeg2video", "mp2" },
    { ".rm", "rv20", "" },
    { ".mp3", "", "libmp3lame", -1, -1, "", true },
    { ".ogg", "", "libvorbis", -1, -1, "", true },
    { ".m4a", "", "", -1, -1, "", true },
    { ".amr", "", "libopencore_amrnb", 8000, 1, "", true },
  };
  for (size_t I = 0; I < Targets.size(); ++I) AddJob(Media().CoverArtMP3, IntToStr(int(I)) + Targets[I].Ext, Targets[I]);
  Run();
  for (size_t I = 0; I < Targets.size(); ++I) {
    SCOPED_TRACE(String(Targets[I].VideoCodec) + Targets[I].Ext);
    ExpectFinished(int(I));
    TAVProbe Probe(nullptr);
    ASSERT_TRUE(Probe.LoadFile(Folder.Path(IntToStr(int(I)) + Targets[I].Ext))) << Probe.LastErrMsg();
    ASSERT_GE(Probe.FirstAudioStreamIndex(), 0);
    EXPECT_NEAR(double(Probe.FileStreamInfo().Duration), 1000000.0, 150000.0);
    EXPECT_GE(LastReport(int(I)).CurrentDuration, 950000);
  }
}

// A finished task's last report carries the time of its longest output stream and the file's final size.
// The row shows the report's whole seconds: the 1-second clip's mp3 sound ends a little before its picture,
// the Ogg's sound a second before its picture, and the sound-only WAV gives whole mp3 frames of sound.
TEST_F(OtherProducersTest, TheLastReportHoldsTheLongestStreamsTimeAndTheFinalSize) {
  const struct {
    String Input;
    Int64 Converted;  // microseconds, within 50 ms
    Int64 Seconds;    // the whole seconds shown
  } Cases[] { { Media().ShortMKV, 1000000, 1 }, { Media().ShortSoundOGG, 2000000, 2 }, { Media().AudioWAV, 1000000, 0 } };
  for (size_t I = 0; I < std::size(Cases); ++I)
    AddJob(Cases[I].Input, IntToStr(int(I)) + ".avi", { ".avi", "mpeg4", "libmp3lame" });
  Run();
  for (size_t I = 0; I < std::size(Cases); ++I) {
    SCOPED_TRACE(Cases[I].Input);
    ExpectFinished(int(I));
    const TProgressInfo Last = LastReport(int(I));
    EXPECT_NEAR(double(Last.CurrentDuration), double(Cases[I].Converted), 50000.0);
    EXPECT_EQ(Last.CurrentDuration / 1000000, Cases[I].Seconds);
    EXPECT_EQ(Last.CurrentSize, Int64(ReadFile(Folder.Path(IntToStr(int(I)) + ".avi")).size()));
  }
}
