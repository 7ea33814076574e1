// The scripted engine keeps the real one's list rules, reports only when the test says so, from threads
// of its own, and records what it was asked.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <set>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"
#include "platform/base/SysUtils.h"
#include "tests/app/support/TFakeFFConverter.h"

namespace {

using testing::ElementsAre;

class FakeFFConverterTest : public testing::Test {
protected:
  /// Adds a task for AFileName with one output "<AFileName>.wmv"; its index.
  int AddJob(const String& AFileName) {
    TInputOptions Input;
    InitInputOptions(Input);
    const int Index = Fake.AddTask(AFileName, &Input);
    if (Index >= 0) {
      TOutputOptions Output;
      InitOutputOptions(Output);
      Output.VideoCodec = "wmv2";
      EXPECT_TRUE(Fake.SetOutputFile(Index, AFileName + ".wmv", &Output));
    }
    return Index;
  }

  /// Records every end with the thread it came on.
  void RecordEnds() {
    Fake.OnTerminate = [this](TObject* Sender, const TTerminateInfo& AInfo) {
      std::lock_guard Lock(EndsLock);
      EXPECT_EQ(Sender, Fake.Sender());
      Ends.push_back(AInfo);
      EndThreads.insert(GetCurrentThreadId());
      OnTheUserInterfaceThread = OnTheUserInterfaceThread || IsMainThread();
    };
  }
  std::vector<String> EndTexts() {
    std::lock_guard Lock(EndsLock);
    std::vector<String> Texts;
    for (const TTerminateInfo& End : Ends)
      Texts.push_back(Format("%d %s%s", End.TaskIndex, End.Finished ? "finished" : "stopped",
                             End.Exception ? ": " + End.ExceptionMsg : String()));
    return Texts;
  }

  /// The message of the exception Call raises; empty when it raises none.
  static String Raised(const std::function<void()>& Call) {
    try {
      Call();
    } catch (const Exception& E) {
      return E.Message;
    }
    return {};
  }

  TFakeFFConverter Fake;
  std::mutex EndsLock;
  std::vector<TTerminateInfo> Ends;
  std::set<Cardinal> EndThreads;
  bool OnTheUserInterfaceThread { false };
};

TEST_F(FakeFFConverterTest, TheListFollowsTheEnginesRulesBeforeDuringAndAfterABatch) {
  EXPECT_EQ(Raised([&] { Fake.SetOutputFile(0, "x", nullptr); }), "List index out of bounds (0)");
  Fake.Start(1);
  EXPECT_FALSE(Fake.Working()) << "an empty list starts nothing";
  AddJob("a.mkv");
  AddJob("b.mkv");
  Fake.RemoveTask(0);
  ASSERT_EQ(Fake.TasksCount(), 1);
  EXPECT_EQ(Fake.Tasks()[0].FileName, "b.mkv");
  EXPECT_EQ(Fake.Tasks()[0].Input.FileName, "b.mkv") << "an empty FileName becomes the file's";
  ASSERT_EQ(Fake.Tasks()[0].Outputs.size(), 1u);
  EXPECT_EQ(Fake.Tasks()[0].Outputs[0].Options.VideoCodec, "wmv2");

  Fake.Start(1);
  const std::vector<std::pair<std::function<void()>, String>> WhileWorking = {
    { [&] { AddJob("c.mkv"); }, "Cannot AddTask while working." },
    { [&] { Fake.SetOutputFile(0, "d.wmv", nullptr); }, "Cannot SetOutputFile while working." },
    { [&] { Fake.RemoveTask(0); }, "Cannot RemoveTask while working." },
    { [&] { Fake.Start(1); }, "Cannot StartTask while working." },
    { [&] { Fake.ClearTasks(); }, "Cannot ClearTasks while working." },
  };
  for (const auto& [Call, Message] : WhileWorking) EXPECT_EQ(Raised(Call), Message);
  Fake.RunToEnd();
  EXPECT_TRUE(Fake.Terminated());
  EXPECT_EQ(Raised([&] { AddJob("c.mkv"); }), "Cannot AddTask while working.") << "also after the batch end";
  Fake.ClearTasks();
  EXPECT_FALSE(Fake.Working());
  EXPECT_EQ(AddJob("c.mkv"), 0);
}

TEST_F(FakeFFConverterTest, ScriptedFailuresAnswerWithTheirMessagesAndLeaveNothingBehind) {
  Fake.FailAddTask("bad.mkv", "Invalid data found when processing input");
  Fake.FailSetOutputFile("full.mkv.wmv", "Unknown encoder 'msmpeg4v1'");
  Fake.FailLoadAVLib("libavcodec.so.59: cannot open shared object file");
  EXPECT_FALSE(Fake.LoadAVLib("/opt/zorvik/LibAV"));
  EXPECT_FALSE(Fake.AVLibLoaded());
  EXPECT_EQ(Fake.LastErrMsg(), "libavcodec.so.59: cannot open shared object file");
  EXPECT_EQ(AddJob("bad.mkv"), -1);
  EXPECT_EQ(Fake.LastErrMsg(), "Invalid data found when processing input");
  EXPECT_EQ(Fake.TasksCount(), 0);
  TInputOptions Input;
  InitInputOptions(Input);
  ASSERT_EQ(Fake.AddTask("full.mkv", &Input), 0);
  EXPECT_FALSE(Fake.SetOutputFile(0, "full.mkv.wmv", nullptr));
  EXPECT_EQ(Fake.LastErrMsg(), "Unknown encoder 'msmpeg4v1'");
  EXPECT_TRUE(Fake.Tasks()[0].Outputs.empty());
  EXPECT_THAT(Fake.Calls(), ElementsAre("LoadAVLib(/opt/zorvik/LibAV)", "AddTask(bad.mkv)", "AddTask(full.mkv)",
                                        "SetOutputFile(0, full.mkv.wmv)"));
}

TEST_F(FakeFFConverterTest, TasksRunUpToTheThreadCountAndReportFromThreadsOfTheirOwn) {
  for (const char* Name : { "a.mkv", "b.mkv", "c.mkv" }) AddJob(Name);
  std::vector<int> Progress;
  bool ProgressOnTheUserInterfaceThread = true;
  Fake.OnProgress = [&](TObject*, PProgressInfo AInfo) {
    ProgressOnTheUserInterfaceThread = ProgressOnTheUserInterfaceThread && IsMainThread();
    Progress.push_back(AInfo->TaskIndex);
  };
  RecordEnds();
  Fake.SetThreadPriority(tpLower);
  Fake.Start(2);
  const auto States = [&] {
    std::vector<TFakeFFConverter::TTaskState> Result;
    for (const auto& Task : Fake.Tasks()) Result.push_back(Task.State);
    return Result;
  };
  EXPECT_THAT(States(), ElementsAre(TFakeFFConverter::tsRunning, TFakeFFConverter::tsRunning, TFakeFFConverter::tsPending));
  EXPECT_FALSE(Fake.EmitProgress(2, {})) << "a pending task reports nothing";
  EXPECT_TRUE(Fake.EmitProgress(1, {}));
  EXPECT_TRUE(Fake.EmitProgress(0, {}));
  EXPECT_THAT(Progress, ElementsAre(1, 0));
  EXPECT_TRUE(ProgressOnTheUserInterfaceThread);

  Fake.Fail(1, "Error while opening encoder for output stream #0:0");
  EXPECT_EQ(States()[2], TFakeFFConverter::tsRunning) << "an end starts the next task";
  Fake.Stop(true);
  EXPECT_THAT(EndTexts(), ElementsAre("1 stopped: Error while opening encoder for output stream #0:0", "0 stopped",
                                      "2 stopped", "-1 finished"));
  EXPECT_FALSE(OnTheUserInterfaceThread);
  EXPECT_EQ(EndThreads.size(), 4u) << "every end on a thread of its own";
  EXPECT_THAT(Fake.Calls(), testing::IsSupersetOf({ "SetThreadPriority(tpLower)", "Start(2)", "Stop(True)" }));
}

TEST_F(FakeFFConverterTest, APausedRunReportsNothingAndARaisingProgressHandlerFailsItsTask) {
  AddJob("a.mkv");
  RecordEnds();
  Fake.OnProgress = [](TObject*, PProgressInfo) { throw Exception("Cannot write the row"); };
  Fake.Start(1);
  Fake.Pause();
  EXPECT_FALSE(Fake.EmitProgress(0, {}));
  Fake.Resume();
  EXPECT_TRUE(Fake.EmitProgress(0, {}));
  EXPECT_THAT(EndTexts(), ElementsAre("0 stopped: Cannot write the row", "-1 finished"));
}

TEST_F(FakeFFConverterTest, AStopInsideAProgressHandlerEndsTheRunWithoutWaitingForThatHandler) {
  AddJob("a.mkv");
  AddJob("b.mkv");
  RecordEnds();
  Fake.OnProgress = [&](TObject*, PProgressInfo) { Fake.Stop(true); };
  Fake.Start(1);
  EXPECT_TRUE(Fake.EmitProgress(0, {}));
  EXPECT_THAT(EndTexts(), ElementsAre("0 stopped", "1 stopped", "-1 finished"));
}

TEST_F(FakeFFConverterTest, HeldEndsGoInTheOrderTheTestReleasesThemAndClearedHandlersAreKept) {
  AddJob("a.mkv");
  AddJob("b.mkv");
  RecordEnds();
  Fake.HoldDeliveries(true);
  Fake.Start(2);
  Fake.Finish(0);
  Fake.Finish(1);
  EXPECT_THAT(Fake.HeldDeliveries(), ElementsAre(0, 1, -1));
  Fake.OnTerminate = nullptr;  // an end already on its thread keeps the handler it was given
  Fake.ReleaseDelivery(-1);
  Fake.ReleaseDelivery(1);
  EXPECT_THAT(EndTexts(), ElementsAre("-1 finished", "1 finished"));
  EXPECT_THAT(Fake.HeldDeliveries(), ElementsAre(0));
}

TEST(FakeFFConverterLifeTest, DestroyingTheEngineDropsTheEndsStillHeld) {
  int Handled = 0;
  {
    TFakeFFConverter Fake;
    TInputOptions Input;
    InitInputOptions(Input);
    Fake.AddTask("a.mkv", &Input);
    Fake.OnTerminate = [&](TObject*, const TTerminateInfo&) { ++Handled; };
    Fake.HoldDeliveries(true);
    Fake.Start(1);
    Fake.Stop(false);
    EXPECT_THAT(Fake.HeldDeliveries(), ElementsAre(0, -1));
  }
  EXPECT_EQ(Handled, 0);
}

}  // namespace
