#include <gtest/gtest.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/task/FFmpeg.h"
#include "engine/libav/TCodecLockScope.h"
#include "platform/base/MainThread.h"
#include "tests/engine/TaskTesting.h"

namespace fs = std::filesystem;

namespace {

/// A task whose run is a test's own body, with the run's hooks opened up to it.
class TStubTask : public TCustomFFmpeg {
public:
  using TCustomFFmpeg::TCustomFFmpeg;
  using TCustomFFmpeg::AddCodecItem;
  using TCustomFFmpeg::Broken;
  using TCustomFFmpeg::FDecoderList;
  using TCustomFFmpeg::FEncoderList;
  using TCustomFFmpeg::FFinished;
  using TCustomFFmpeg::MutableOutputFile;
  using TCustomFFmpeg::WaitWhilePaused;

  std::function<void(TStubTask&)> Body;

protected:
  void Transcode() override {
    if (Body) Body(*this);
    FFinished = !Broken();
  }
};

/// The body of a run that goes on until it is stopped, counting its rounds.
std::function<void(TStubTask&)> Endless(std::atomic<int>& ARounds) {
  return [&ARounds](TStubTask& ATask) {
    while (!ATask.Broken()) {
      ATask.WaitWhilePaused();
      ++ARounds;
      WakeWaiters();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  };
}

AVCodecContext* OpenCodec(const AVCodec* ACodec, bool AEncoder) {
  AVCodecContext* Context = LibAVCodec.avcodec_alloc_context3(ACodec);
  if (AEncoder) {
    Context->width = 64;
    Context->height = 64;
    Context->pix_fmt = AV_PIX_FMT_YUV420P;
    Context->time_base = { 1, 25 };
  }
  TCodecLockScope Lock;
  EXPECT_EQ(LibAVCodec.avcodec_open2(Context, ACodec, nullptr), 0);
  return Context;
}

class FFmpegRunTest : public TTaskTest {
protected:
  /// Makes ATask ready to start: one input, one output per name.
  void Configure(TCustomFFmpeg& ATask, std::initializer_list<String> AOutputs = { "out.avi" }) {
    ASSERT_TRUE(ATask.OpenInputFile(Media().ClipAVI)) << ATask.LastErrMsg();
    for (const String& Name : AOutputs) ASSERT_GT(ATask.OpenOutputFile(Folder.Path(Name), false), 0) << ATask.LastErrMsg();
  }
  void CountTerminations(TCustomFFmpeg& ATask) {
    ATask.OnTerminate = [this](TObject* Sender) {
      EXPECT_EQ(Sender, &Task);
      TerminatedOn = GetCurrentThreadId();
      ++Terminations;
    };
  }

  TStubTask Task { 20 };
  std::atomic<int> Terminations { 0 };
  std::atomic<Cardinal> TerminatedOn { 0 };
};

}  // namespace

TEST_F(FFmpegRunTest, StartChecksEndTheTaskAtOnce) {
  CountTerminations(Task);
  EXPECT_EQ(Task.StartConvert(true, tpNormal), nullptr);
  EXPECT_EQ(Terminations, 1);
  EXPECT_TRUE(Task.FatalException());
  EXPECT_EQ(Task.FatalMessage(), "At least one output file must be specified");
  EXPECT_EQ(Log.From(&Task), (std::vector<TLogRecorder::TEvent> { { &Task, llQuiet, "At least one output file must be specified" } }));
  // A task that ended does not start again.
  EXPECT_EQ(Task.StartConvert(false, tpNormal), nullptr);
  Task.CancelConvert(true);
  EXPECT_EQ(Terminations, 1);

  TStubTask NoInput(20);
  ASSERT_EQ(NoInput.OpenOutputFile(Folder.Path("out.avi"), false), 1);
  EXPECT_EQ(NoInput.StartConvert(false, tpNormal), nullptr);
  EXPECT_EQ(NoInput.FatalMessage(), "At least one input file must be specified");
  EXPECT_EQ(NoInput.nb_output_files(), 0);
}

TEST_F(FFmpegRunTest, AFailedRunClosesItsCodecsAndRemovesWhatItLeftEmpty) {
  const String Existing = Folder.Path("existing.avi");
  WriteFile(Existing, "");
  Configure(Task, { "written.avi", "empty.avi", "existing.avi" });
  CountTerminations(Task);
  AVCodecContext* Encoder = nullptr;
  AVCodecContext* Decoder = nullptr;
  Task.Body = [&](TStubTask& ATask) {
    Encoder = OpenCodec(LibAVCodec.avcodec_find_encoder(AV_CODEC_ID_MPEG4), true);
    ATask.AddCodecItem(ATask.FEncoderList, &Encoder);
    Decoder = OpenCodec(LibAVCodec.avcodec_find_decoder(AV_CODEC_ID_MP2), false);
    ATask.AddCodecItem(ATask.FDecoderList, &Decoder);
    for (int I = 0; I < 2; ++I) ASSERT_EQ(ATask.MutableOutputFile(I).CreateFile(), 0);
    LibAVFormat.avio_write(ATask.MutableOutputFile(0).Context->pb, reinterpret_cast<const unsigned char*>("data"), 4);
    throw FFmpegException("Video encoding failed");
  };
  EXPECT_EQ(Task.StartConvert(false, tpNormal), nullptr);
  EXPECT_EQ(Encoder, nullptr);
  EXPECT_EQ(Decoder, nullptr);
  EXPECT_TRUE(Task.FEncoderList.empty());
  EXPECT_TRUE(Task.FDecoderList.empty());
  EXPECT_EQ(Terminations, 1);
  EXPECT_EQ(TerminatedOn, GetCurrentThreadId());
  EXPECT_TRUE(Task.FatalException());
  EXPECT_EQ(Task.FatalMessage(), "Video encoding failed");
  EXPECT_FALSE(Task.Finished());
  EXPECT_EQ(Task.nb_input_files(), 0);
  EXPECT_EQ(Task.nb_output_files(), 0);
  EXPECT_EQ(ReadFile(Folder.Path("written.avi")), "data");
  EXPECT_FALSE(fs::exists(Folder.Path("empty.avi")));
  EXPECT_TRUE(fs::exists(Existing));  // never opened by the run, so not the run's to remove
}

TEST_F(FFmpegRunTest, StopEndsAPausedWorker) {
  Configure(Task);
  CountTerminations(Task);
  std::atomic<int> Rounds { 0 };
  Task.Body = Endless(Rounds);
  TThread* Worker = Task.StartConvert(true, tpNormal);
  ASSERT_NE(Worker, nullptr);
  EXPECT_TRUE(Worker->Suspended());  // the caller starts it
  Worker->Start();
  ASSERT_TRUE(WaitServing([&] { return Rounds > 0; }, 5000));
  Task.Pause();
  const int AtPause = Rounds;
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_LE(Rounds, AtPause + 1);  // at most the round under way finishes
  Task.Stop(true);
  EXPECT_EQ(Terminations, 1);
  EXPECT_NE(TerminatedOn, GetCurrentThreadId());
  EXPECT_FALSE(Task.Finished());
  EXPECT_FALSE(Task.FatalException());
}

TEST_F(FFmpegRunTest, ResumeLetsAPausedWorkerGoOn) {
  Configure(Task);
  std::atomic<int> Rounds { 0 };
  Task.Body = Endless(Rounds);
  Task.StartConvert(true, tpNormal)->Start();
  ASSERT_TRUE(WaitServing([&] { return Rounds > 0; }, 5000));
  Task.Pause();
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  const int Paused = Rounds;
  Task.Resume();
  EXPECT_TRUE(WaitServing([&] { return Rounds > Paused + 2; }, 5000));
  Task.Stop(true);
}

TEST_F(FFmpegRunTest, StopWaitsWhileServingTheWorkersHandOvers) {
  Configure(Task);
  std::atomic<int> HandedOver { 0 };
  Task.Body = [&](TStubTask& ATask) {
    while (!ATask.Broken()) Synchronize([&] { ++HandedOver; });
  };
  Task.StartConvert(true, tpNormal)->Start();
  ASSERT_TRUE(WaitServing([&] { return HandedOver > 0; }, 5000));
  Task.Stop(true);
  EXPECT_FALSE(Task.Finished());
}

TEST_F(FFmpegRunTest, StopStartsAWorkerNobodyStarted) {
  Configure(Task);
  CountTerminations(Task);
  std::atomic<int> Rounds { 0 };
  Task.Body = Endless(Rounds);
  ASSERT_NE(Task.StartConvert(true, tpNormal), nullptr);
  Task.Stop(true);
  EXPECT_EQ(Terminations, 1);
  EXPECT_EQ(Rounds, 0);
}

TEST_F(FFmpegRunTest, ACancelledTaskThatNeverRanStillEndsOnce) {
  CountTerminations(Task);
  Task.CancelConvert(false);
  ASSERT_TRUE(WaitServing([&] { return Terminations > 0; }, 5000));
  EXPECT_NE(TerminatedOn, GetCurrentThreadId());
  Task.CancelConvert(true);
  EXPECT_EQ(Task.StartConvert(false, tpNormal), nullptr);
  EXPECT_EQ(Terminations, 1);
  EXPECT_FALSE(Task.Finished());
  EXPECT_FALSE(Task.FatalException());
}

TEST_F(FFmpegRunTest, WorkersRunAtTheAskedPriority) {
  struct TCase {
    TThreadPriority Priority;
    int Policy;
    int Nice;
  };
  for (const TCase& Case : { TCase { tpIdle, SCHED_IDLE, -1 }, TCase { tpLower, SCHED_OTHER, 10 } }) {
    TStubTask Worker(20);
    Configure(Worker);
    int Policy = -1;
    int Nice = -100;
    std::atomic<bool> Ended { false };
    Worker.Body = [&](TStubTask&) {
      Policy = sched_getscheduler(0);
      Nice = getpriority(PRIO_PROCESS, gettid());
    };
    Worker.OnTerminate = [&](TObject*) { Ended = true; };
    Worker.StartConvert(true, Case.Priority)->Start();
    ASSERT_TRUE(WaitServing([&] { return Ended.load(); }, 5000));
    EXPECT_EQ(Policy, Case.Policy);
    if (Case.Nice >= 0) {
      EXPECT_EQ(Nice, Case.Nice);
    }
    EXPECT_TRUE(Worker.Finished());
  }
}
