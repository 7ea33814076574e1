#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/tasklist/FFConverter.h"
#include "platform/base/MainThread.h"
#include "platform/base/TEvent.h"

namespace {

/// A stand-in for a conversion task: its run is a test's body, with the task's contract around it: started
/// once, a run on the caller's thread or on a worker the caller starts, a cooperative pause, a stop that
/// breaks the run, a never-started task that still reports its end from a thread of its own, and exactly
/// one end report whatever happens.
class TFakeTask : public TFFmpeg {
public:
  using TBody = std::function<void(TFakeTask&)>;

  explicit TFakeTask(TBody ABody) : TFFmpeg(1), FBody(std::move(ABody)) {}
  ~TFakeTask() override {
    FWorker.reset();
    FTerminator.reset();
  }

  TThread* StartConvert(bool AUseThread, TThreadPriority) override {
    {
      std::unique_lock Lock(FStateLock);
      if (FState != stIdle) return nullptr;
      if (!StartFailure.empty()) {
        // Like a task without files: it ends at once, on the caller's thread.
        FState = stEnded;
        FError = StartFailure;
        Lock.unlock();
        OnTerminate(this);
        return nullptr;
      }
      FState = stRunning;
      StartedInterval = ReportInterval;
      if (AUseThread) {
        FWorker = std::make_unique<TRunThread>(*this);
        return FWorker.get();
      }
    }
    Run();
    return nullptr;
  }
  void CancelConvert(bool) override {
    std::lock_guard Lock(FStateLock);
    if (FState == stRunning) {
      FBroken = true;
      OpenGate();
    } else if (FState == stIdle) {
      FState = stEnding;
      FTerminator = std::make_unique<TRunThread>(*this, true);
      FTerminator->Start();
    }
  }
  void Pause() override {
    std::lock_guard Lock(FStateLock);
    if (FState != stRunning || !FWorker) return;
    std::lock_guard Gate(FGateLock);
    FPaused = true;
  }
  void Resume() override { OpenGate(); }
  bool Finished() const override { return FFinishedRun; }
  bool FatalException() const override { return !FError.empty(); }
  String FatalMessage() const override { return FError; }

  // For the bodies.
  bool Broken() const { return FBroken; }
  void WaitWhilePaused() {
    std::unique_lock Gate(FGateLock);
    FGateChanged.wait(Gate, [this] { return !FPaused; });
  }
  void Report(int AFrame) { OnProgress(this, 0, AFrame, 25, 2.0f, 800.0f, AFrame * 1000, AFrame * 40000, 2000000); }

  String StartFailure;  // when set, the task cannot start and ends with it
  std::atomic<bool> BodyRan { false };
  std::atomic<bool> Ended { false };  // its end is being reported
  std::atomic<Cardinal> WorkerThread { 0 };
  Int64 StartedInterval { 0 };

private:
  enum TState { stIdle, stRunning, stEnding, stEnded };

  class TRunThread : public TThread {
  public:
    TRunThread(TFakeTask& ATask, bool AEndOnly = false) : FTask(ATask), FEndOnly(AEndOnly) {}
    ~TRunThread() override { TerminateAndWait(); }

  protected:
    void Execute() override {
      if (FEndOnly) FTask.End();
      else FTask.Run();
    }

  private:
    TFakeTask& FTask;
    bool FEndOnly;
  };

  void Run() {
    WorkerThread = GetCurrentThreadId();
    BodyRan = true;
    if (FBody) FBody(*this);
    FFinishedRun = !FBroken && FError.empty();
    End();
  }
  void End() {
    {
      std::lock_guard Lock(FStateLock);
      FState = stEnded;
    }
    Ended = true;
    OnTerminate(this);
  }
  void OpenGate() {
    {
      std::lock_guard Gate(FGateLock);
      FPaused = false;
    }
    FGateChanged.notify_all();
  }

  TBody FBody;
  std::mutex FStateLock;
  TState FState { stIdle };
  std::atomic<bool> FBroken { false };
  std::atomic<bool> FFinishedRun { false };
  String FError;
  std::mutex FGateLock;
  std::condition_variable FGateChanged;
  bool FPaused { false };
  std::unique_ptr<TRunThread> FWorker;
  std::unique_ptr<TRunThread> FTerminator;
};

/// The component with its way of taking tasks opened up to the tests.
class TTestConverter : public TFFConverter {
public:
  using TFFConverter::TFFConverter;
  using TFFConverter::AppendTask;

  TFakeTask* Add(TFakeTask::TBody ABody) {
    auto Task = std::make_unique<TFakeTask>(std::move(ABody));
    TFakeTask* Raw = Task.get();
    AppendTask(std::move(Task));
    return Raw;
  }
};

/// One event as a handler saw it.
struct TSeen {
  enum TKind { Progress, End } Kind;
  int TaskIndex;
  int Frame;
  TTerminateInfo Info;
  Cardinal Thread;
};

/// Collects the component's events from every thread.
class TRecorder {
public:
  void Attach(TFFConverter& AConverter) {
    AConverter.OnProgress = [this](TObject*, PProgressInfo AInfo) {
      Add({ TSeen::Progress, AInfo->TaskIndex, AInfo->FrameNumber, {}, GetCurrentThreadId() });
    };
    AConverter.OnTerminate = [this](TObject*, const TTerminateInfo& AInfo) {
      if (HandOverEnds) Synchronize([] {});
      Add({ TSeen::End, AInfo.TaskIndex, 0, AInfo, GetCurrentThreadId() });
    };
  }
  std::vector<TSeen> Events() {
    std::lock_guard Lock(FLock);
    return FEvents;
  }
  std::vector<TSeen> Ends() {
    std::vector<TSeen> Result;
    for (const TSeen& Event : Events())
      if (Event.Kind == TSeen::End) Result.push_back(Event);
    return Result;
  }
  /// Waits (serving the hand-overs) until the whole-run end was delivered AEnds times.
  bool WaitForRunEnd(int AEnds = 1) {
    return WaitServing([&] {
      int Count = 0;
      for (const TSeen& Event : Ends()) Count += Event.TaskIndex == -1;
      return Count >= AEnds;
    }, 10000);
  }

  std::atomic<bool> HandOverEnds { false };  // end handlers pass through the user-interface thread, as a form's do

private:
  void Add(const TSeen& AEvent) {
    std::lock_guard Lock(FLock);
    FEvents.push_back(AEvent);
    WakeWaiters();
  }

  std::mutex FLock;
  std::vector<TSeen> FEvents;
};

/// A body that reports AFrames frames, each handed to the user-interface thread while the task waits.
TFakeTask::TBody Reporting(int AFrames) {
  return [AFrames](TFakeTask& ATask) {
    for (int Frame = 1; Frame <= AFrames && !ATask.Broken(); ++Frame) ATask.Report(Frame);
  };
}

/// A body that runs until it is stopped, counting its rounds and waiting while paused.
TFakeTask::TBody Endless(std::atomic<int>& ARounds) {
  return [&ARounds](TFakeTask& ATask) {
    while (!ATask.Broken()) {
      ATask.WaitWhilePaused();
      ++ARounds;
      WakeWaiters();
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  };
}

class FFConverterRunTest : public testing::Test {
protected:
  TRecorder Recorder;
  std::unique_ptr<TTestConverter> Converter { std::make_unique<TTestConverter>(nullptr) };
};

}  // namespace

TEST_F(FFConverterRunTest, ThreadModeRunsEveryTaskOnceAtEveryWidth) {
  for (int Width : { 1, 2, 4 }) {
    SCOPED_TRACE(Width);
    TRecorder Seen;
    Converter = std::make_unique<TTestConverter>(nullptr);
    Seen.Attach(*Converter);
    std::atomic<int> Started { 0 };
    std::atomic<int> Running { 0 };
    std::atomic<int> MostRunning { 0 };
    std::vector<TFakeTask*> Tasks;
    for (int I = 0; I < 7; ++I)
      Tasks.push_back(Converter->Add([&](TFakeTask& ATask) {
        const int Now = ++Running;
        int Most = MostRunning;
        while (Now > Most && !MostRunning.compare_exchange_weak(Most, Now)) {
        }
        // The tasks started at once wait for each other, however slowly the system starts them.
        if (Started++ < Width)
          for (int Wait = 0; Wait < 5000 && Started < Width; ++Wait) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        Reporting(3)(ATask);
        --Running;
      }));
    // The whole run's end comes after every task ended, whatever the order of the deliveries.
    std::atomic<bool> EndedAtRunEnd { false };
    const auto Record = Converter->OnTerminate;
    Converter->OnTerminate = [&](TObject* Sender, const TTerminateInfo& AInfo) {
      if (AInfo.TaskIndex == -1)
        EndedAtRunEnd = Converter->Terminated() && std::ranges::all_of(Tasks, [](TFakeTask* ATask) { return ATask->Ended.load(); });
      Record(Sender, AInfo);
    };
    Converter->Start(Width);
    ASSERT_TRUE(Seen.WaitForRunEnd());
    ASSERT_TRUE(WaitServing([&] { return Seen.Ends().size() == 8; }, 10000));
    EXPECT_TRUE(EndedAtRunEnd);
    EXPECT_EQ(MostRunning, Width);
    std::map<int, int> EndsOf;
    std::map<int, int> LastFrameOf;
    for (const TSeen& Event : Seen.Events()) {
      if (Event.Kind == TSeen::End) {
        ++EndsOf[Event.TaskIndex];
        EXPECT_NE(Event.Thread, MainThreadID());
        if (Event.TaskIndex >= 0) {
          EXPECT_NE(Event.Thread, Tasks[Event.TaskIndex]->WorkerThread.load());  // a delivery thread of its own
          EXPECT_TRUE(Event.Info.Finished);
          EXPECT_FALSE(Event.Info.Exception);
        } else {
          EXPECT_TRUE(Event.Info.Finished);
          EXPECT_EQ(Event.Info.ExceptionMsg, "");
        }
      } else {
        EXPECT_EQ(Event.Thread, MainThreadID());
        EXPECT_EQ(Event.Frame, LastFrameOf[Event.TaskIndex] + 1);  // in order, none lost
        LastFrameOf[Event.TaskIndex] = Event.Frame;
      }
    }
    for (int I = -1; I < 7; ++I) EXPECT_EQ(EndsOf[I], 1) << I;
    for (int I = 0; I < 7; ++I) EXPECT_EQ(LastFrameOf[I], 3) << I;
    EXPECT_TRUE(Converter->Working());
    EXPECT_TRUE(Converter->Terminated());
  }
}

TEST_F(FFConverterRunTest, SynchronousModeRunsTheListInOrderOnTheCallingThread) {
  Recorder.Attach(*Converter);
  Converter->Add(Reporting(2));
  Converter->Add(Reporting(2));
  Converter->Start(0);
  std::vector<std::pair<int, int>> Order;  // task index and frame (0 for an end)
  for (const TSeen& Event : Recorder.Events()) {
    Order.emplace_back(Event.TaskIndex, Event.Frame);
    EXPECT_EQ(Event.Thread, MainThreadID());
  }
  EXPECT_EQ(Order, (std::vector<std::pair<int, int>> { { 0, 1 }, { 0, 2 }, { 0, 0 }, { 1, 1 }, { 1, 2 }, { 1, 0 }, { -1, 0 } }));
  EXPECT_TRUE(Converter->Terminated());
}

TEST_F(FFConverterRunTest, ATaskThatCannotStartReportsAndTheNextOneStarts) {
  Recorder.Attach(*Converter);
  Converter->Add(Reporting(1));
  Converter->Add(nullptr)->StartFailure = "At least one output file must be specified";
  Converter->Add(Reporting(1));
  Converter->Start(1);
  ASSERT_TRUE(Recorder.WaitForRunEnd());
  ASSERT_TRUE(WaitServing([&] { return Recorder.Ends().size() == 4; }, 10000));
  for (const TSeen& End : Recorder.Ends())
    if (End.TaskIndex == 1) {
      EXPECT_TRUE(End.Info.Exception);
      EXPECT_FALSE(End.Info.Finished);
      EXPECT_EQ(End.Info.ExceptionMsg, "At least one output file must be specified");
    }
}

TEST_F(FFConverterRunTest, StopWaitsForEveryEndWhileServingTheHandlersOfTheTasks) {
  Recorder.Attach(*Converter);
  Recorder.HandOverEnds = true;
  std::atomic<bool> Stopping { false };
  std::atomic<bool> LastReportInsideStop { false };
  std::atomic<int> Rounds { 0 };
  TFakeTask* Running = Converter->Add([&](TFakeTask& ATask) {
    Endless(Rounds)(ATask);
    // A stopped run still reports once more, through the user-interface thread, before it ends.
    ATask.Report(99);
  });
  Converter->OnProgress = [&](TObject*, PProgressInfo AInfo) {
    if (AInfo->FrameNumber == 99) LastReportInsideStop = Stopping.load();
  };
  TFakeTask* Waiting1 = Converter->Add(Reporting(1));
  TFakeTask* Waiting2 = Converter->Add(Reporting(1));
  Converter->Start(1);
  ASSERT_TRUE(WaitServing([&] { return Rounds > 0; }, 10000));
  Stopping = true;
  Converter->Stop(true);
  Stopping = false;
  EXPECT_TRUE(LastReportInsideStop);
  EXPECT_TRUE(Converter->Terminated());
  EXPECT_TRUE(Running->EndCounted && Waiting1->EndCounted && Waiting2->EndCounted);
  EXPECT_FALSE(Waiting1->BodyRan || Waiting2->BodyRan);
  ASSERT_TRUE(Recorder.WaitForRunEnd());
  ASSERT_TRUE(WaitServing([&] { return Recorder.Ends().size() == 4; }, 10000));
  for (const TSeen& End : Recorder.Ends()) {
    EXPECT_EQ(End.Info.Finished, End.TaskIndex == -1) << End.TaskIndex;
    EXPECT_FALSE(End.Info.Exception);
  }
}

TEST_F(FFConverterRunTest, StopOnAListNeverStartedReportsEveryTaskThenTheRunFromThreadsOfTheirOwn) {
  Recorder.Attach(*Converter);
  Recorder.HandOverEnds = true;
  for (int I = 0; I < 3; ++I) Converter->Add(Reporting(1));
  Converter->Stop(true);
  ASSERT_TRUE(Recorder.WaitForRunEnd());
  const std::vector<TSeen> Ends = Recorder.Ends();
  ASSERT_EQ(Ends.size(), 4u);
  EXPECT_EQ(Ends.back().TaskIndex, -1);  // called directly after the last count: always last here
  for (const TSeen& End : Ends) {
    EXPECT_NE(End.Thread, MainThreadID());
    if (End.TaskIndex >= 0) {
      EXPECT_FALSE(End.Info.Finished);
    }
  }
  EXPECT_FALSE(Converter->Working());

  // A run started afterwards has nothing left to run, and still ends.
  Converter->Start(2);
  ASSERT_TRUE(Recorder.WaitForRunEnd(2));
  EXPECT_EQ(Recorder.Ends().size(), 5u);
  EXPECT_TRUE(Converter->Terminated());
}

TEST_F(FFConverterRunTest, PauseHoldsEveryRunningTaskUntilResume) {
  std::atomic<int> RoundsA { 0 };
  std::atomic<int> RoundsB { 0 };
  Converter->Add(Endless(RoundsA));
  Converter->Add(Endless(RoundsB));
  Converter->Add(Reporting(1));
  Converter->Start(2);
  ASSERT_TRUE(WaitServing([&] { return RoundsA > 0 && RoundsB > 0; }, 10000));
  Converter->Pause();
  const int PausedA = RoundsA;
  const int PausedB = RoundsB;
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_LE(RoundsA, PausedA + 1);  // at most the round under way
  EXPECT_LE(RoundsB, PausedB + 1);
  Converter->Resume();
  EXPECT_TRUE(WaitServing([&] { return RoundsA > PausedA + 2 && RoundsB > PausedB + 2; }, 10000));
  Converter->Pause();
  Recorder.Attach(*Converter);
  Converter->Stop(true);  // a paused task can still be stopped
  ASSERT_TRUE(Recorder.WaitForRunEnd());
}

TEST_F(FFConverterRunTest, ListOperationsWhileWorking) {
  std::atomic<int> Rounds { 0 };
  Converter->Add(Endless(Rounds));
  Converter->Add(Reporting(1));
  const auto RaisedText = [](const std::function<void()>& AOperation) -> String {
    try {
      AOperation();
    } catch (const Exception& E) {
      return E.Message;
    }
    return "";
  };
  struct TOperation {
    const char* Name;
    std::function<void()> Call;
  };
  TTestConverter& C = *Converter;
  const TOperation Operations[] = {
    { "AddTask", [&] { C.AddTask("missing.avi"); } },
    { "AddInputFile", [&] { C.AddInputFile(0, "missing.avi"); } },
    { "SetOutputFile", [&] { C.SetOutputFile(0, "out.avi"); } },
    { "Exchange", [&] { C.Exchange(0, 1); } },
    { "RemoveTask", [&] { C.RemoveTask(1); } },
    { "StartTask", [&] { C.Start(1); } },
  };
  Recorder.Attach(*Converter);
  Converter->Start(1);
  ASSERT_TRUE(WaitServing([&] { return Rounds > 0; }, 10000));
  for (const TOperation& Operation : Operations)
    EXPECT_EQ(RaisedText(Operation.Call), String("Cannot ") + Operation.Name + " while working.");
  EXPECT_EQ(RaisedText([&] { C.ClearTasks(); }), "Cannot ClearTasks while working.");
  EXPECT_EQ(Converter->TasksCount(), 2);

  Converter->Stop(true);
  ASSERT_TRUE(WaitServing([&] { return Recorder.Ends().size() == 3; }, 10000));
  // After the run's end the list stays closed until it is cleared.
  for (const TOperation& Operation : Operations)
    EXPECT_EQ(RaisedText(Operation.Call), String("Cannot ") + Operation.Name + " while working.");
  Converter->ClearTasks();
  EXPECT_FALSE(Converter->Working());
  EXPECT_FALSE(Converter->Terminated());
  EXPECT_EQ(Converter->TasksCount(), 0);
  Converter->Start(2);  // an empty list: nothing runs, nothing changes
  EXPECT_FALSE(Converter->Working());
  EXPECT_EQ(Recorder.Ends().size(), 3u);
}

TEST_F(FFConverterRunTest, TasksGetTheReportIntervalWhenTheyStart) {
  struct TCase {
    int Set;
    int Stored;
  };
  for (const TCase& Case : { TCase { 50, 100 }, TCase { 100, 100 }, TCase { 101, 101 }, TCase { 500, 500 } }) {
    Converter->SetProgressInterval(Case.Set);
    EXPECT_EQ(Converter->ProgressInterval(), Case.Stored);
  }
  TFakeTask* Task = Converter->Add(nullptr);
  Converter->Start(0);
  EXPECT_EQ(Task->StartedInterval, 500000);
}

TEST_F(FFConverterRunTest, DestroyingTheComponentDuringARunStopsAndJoinsEverything) {
  std::atomic<int> Rounds { 0 };
  std::atomic<int> EndsDelivered { 0 };
  for (int I = 0; I < 4; ++I) Converter->Add([&](TFakeTask& ATask) {
    while (!ATask.Broken()) {
      ATask.Report(1);
      ++Rounds;
      WakeWaiters();
    }
  });
  Converter->OnProgress = [](TObject*, PProgressInfo) {};
  TObject* Component = Converter.get();
  Converter->OnTerminate = [&](TObject* Sender, const TTerminateInfo&) {
    // As a form does: the end goes to the user-interface thread, which may be waiting in the destructor.
    Synchronize([&] { EXPECT_EQ(Sender, Component); });
    ++EndsDelivered;
  };
  Converter->Start(2);
  ASSERT_TRUE(WaitServing([&] { return Rounds > 10; }, 10000));
  Converter.reset();
  EXPECT_EQ(EndsDelivered, 5);  // every delivery thread ran to its end before the component went
}

TEST_F(FFConverterRunTest, AStopRacingTheChoiceOfTheNextTaskStartsNothingTwice) {
  Recorder.Attach(*Converter);
  TEvent Release;
  TEvent StartEntered;
  TEvent LetStart;
  Converter->Add([&](TFakeTask&) { Release.WaitFor(); });
  // The second task is slow to start: the first one's end is choosing it when Stop comes.
  class TSlowStart : public TFakeTask {
  public:
    TSlowStart(TEvent& AEntered, TEvent& ALet) : TFakeTask(nullptr), FEntered(AEntered), FLet(ALet) {}
    TThread* StartConvert(bool AUseThread, TThreadPriority APriority) override {
      FEntered.SetEvent();
      FLet.WaitFor();
      return TFakeTask::StartConvert(AUseThread, APriority);
    }

  private:
    TEvent& FEntered;
    TEvent& FLet;
  };
  auto Slow = std::make_unique<TSlowStart>(StartEntered, LetStart);
  TFakeTask* Second = Slow.get();
  Converter->AppendTask(std::move(Slow));
  TFakeTask* Third = Converter->Add(nullptr);
  Converter->Start(1);
  Release.SetEvent();
  ASSERT_EQ(StartEntered.WaitFor(10000), wrSignaled);
  std::thread Opener([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    LetStart.SetEvent();
  });
  Converter->Stop(true);
  Opener.join();
  ASSERT_TRUE(Recorder.WaitForRunEnd());
  std::this_thread::sleep_for(std::chrono::milliseconds(20));  // room for a wrong second report
  std::map<int, int> EndsOf;
  for (const TSeen& End : Recorder.Ends()) ++EndsOf[End.TaskIndex];
  EXPECT_EQ(EndsOf, (std::map<int, int> { { -1, 1 }, { 0, 1 }, { 1, 1 }, { 2, 1 } }));
  EXPECT_FALSE(Third->BodyRan);
  EXPECT_TRUE(Second->EndCounted);
}

TEST_F(FFConverterRunTest, ManyRunsAndStopsReportEveryEndOnce) {
  for (int Run = 0; Run < 8; ++Run) {
    TRecorder Seen;
    TTestConverter C(nullptr);
    Seen.Attach(C);
    for (int I = 0; I < 20; ++I) C.Add(nullptr);
    const bool StopAtOnce = Run % 2 == 1;
    C.Start(4);
    if (StopAtOnce) {
      C.Stop(true);
      EXPECT_TRUE(C.Terminated());
    }
    ASSERT_TRUE(Seen.WaitForRunEnd());
    ASSERT_TRUE(WaitServing([&] { return Seen.Ends().size() == 21; }, 10000));
    std::map<int, int> EndsOf;
    for (const TSeen& End : Seen.Ends()) ++EndsOf[End.TaskIndex];
    for (int I = -1; I < 20; ++I) EXPECT_EQ(EndsOf[I], 1) << "run " << Run << " task " << I;
  }
}

// The run's end is the last report: a form runs its after-done action there, which must come after every
// row's end was shown. The tasks' handlers pass through the user-interface thread, as a form's do.
TEST_F(FFConverterRunTest, TheRunsEndIsDeliveredAfterEveryTasksEndWasDelivered) {
  constexpr int Tasks = 24;
  for (int Run = 0; Run < 10; ++Run) {
    SCOPED_TRACE(Run);
    TTestConverter C(nullptr);
    for (int I = 0; I < Tasks; ++I) C.Add(nullptr);
    std::atomic<int> TaskEndsDelivered { 0 };
    std::atomic<int> DeliveredAtRunEnd { -1 };
    C.OnTerminate = [&](TObject*, const TTerminateInfo& AInfo) {
      if (AInfo.TaskIndex < 0) {
        DeliveredAtRunEnd = TaskEndsDelivered.load();
      } else {
        Synchronize([] {});
        ++TaskEndsDelivered;
      }
      WakeWaiters();
    };
    C.Start(4);
    ASSERT_TRUE(WaitServing([&] { return DeliveredAtRunEnd >= 0 && TaskEndsDelivered == Tasks; }, 10000));
    EXPECT_EQ(DeliveredAtRunEnd, Tasks);
  }
}

TEST_F(FFConverterRunTest, WithoutTheHandOverProgressRunsOnTheReportingThread) {
  Converter->SetTriggerEventInMainThread(false);
  Recorder.Attach(*Converter);
  TFakeTask* Task = Converter->Add(Reporting(2));
  Converter->Start(1);
  ASSERT_TRUE(Recorder.WaitForRunEnd());
  ASSERT_TRUE(WaitServing([&] { return Recorder.Ends().size() == 2; }, 10000));
  int Reports = 0;
  for (const TSeen& Event : Recorder.Events())
    if (Event.Kind == TSeen::Progress) {
      EXPECT_EQ(Event.Thread, Task->WorkerThread.load());
      ++Reports;
    }
  EXPECT_EQ(Reports, 2);
}
