// The converter's windows on the real task-list component: a clip converts with its progress on the
// user-interface thread and its ends coming through, list errors and the working state reach the caller,
// and clearing an event detaches it at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <vector>

#include "app/engine/TFFConverterEngine.h"
#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "platform/base/MainThread.h"
#include "tests/engine/TaskTesting.h"

namespace {

class FFConverterEngineTest : public TTaskTest {
protected:
  void SetUp() override { ASSERT_TRUE(Engine->LoadAVLib(ExePath() + "LibAV")) << Engine->LastErrMsg(); }

  /// Adds a task converting the Matroska clip into AOutput of the scratch folder.
  void AddClip(const String& AOutput) {
    TInputOptions Input;
    InitInputOptions(Input);
    const int Index = Engine->AddTask(Media().ClipMKV, &Input);
    ASSERT_GE(Index, 0) << Engine->LastErrMsg();
    TOutputOptions Output;
    InitOutputOptions(Output);
    Output.VideoCodec = "mpeg4";
    Output.AudioCodec = "mp2";
    ASSERT_TRUE(Engine->SetOutputFile(Index, Folder.Path(AOutput), &Output)) << Engine->LastErrMsg();
  }

  void RecordEnds() {
    Engine->OnTerminate = [this](TObject*, const TTerminateInfo& AInfo) {
      std::lock_guard Lock(EndsLock);
      Ends.push_back(AInfo);
      WakeWaiters();
    };
  }
  bool BatchEnded() {
    std::lock_guard Lock(EndsLock);
    return std::ranges::any_of(Ends, [](const TTerminateInfo& End) { return End.TaskIndex == -1; });
  }
  size_t EndCount() {
    std::lock_guard Lock(EndsLock);
    return Ends.size();
  }

  std::mutex EndsLock;
  std::vector<TTerminateInfo> Ends;
  std::unique_ptr<IFFConverter> Engine { std::make_unique<TFFConverterEngine>() };
};

TEST_F(FFConverterEngineTest, AClipConvertsWithProgressOnTheUserInterfaceThreadThenItsEndAndTheBatchEnd) {
  EXPECT_TRUE(Engine->AVLibLoaded());
  AddClip("clip.avi");
  ASSERT_EQ(Engine->TasksCount(), 1);
  std::vector<TProgressInfo> Reports;
  bool AllOnTheUserInterfaceThread = true;
  Engine->OnProgress = [&](TObject*, PProgressInfo AInfo) {
    AllOnTheUserInterfaceThread = AllOnTheUserInterfaceThread && IsMainThread();
    Reports.push_back(*AInfo);
  };
  RecordEnds();
  Engine->Start(1);
  // The task's end and the batch end come on threads of their own, in either order.
  ASSERT_TRUE(WaitServing([&] { return EndCount() == 2; }, 60000));

  EXPECT_TRUE(AllOnTheUserInterfaceThread);
  ASSERT_FALSE(Reports.empty());
  EXPECT_EQ(Reports.back().TaskIndex, 0);
  EXPECT_NEAR(double(Reports.back().TotalDuration), 2000000.0, 50000.0);
  for (const TTerminateInfo& End : Ends) {
    SCOPED_TRACE(End.TaskIndex);
    EXPECT_TRUE(End.Finished);
    EXPECT_FALSE(End.Exception) << End.ExceptionMsg;
  }
  EXPECT_TRUE(std::filesystem::file_size(Folder.Path("clip.avi")) > 0);

  // From the start until ClearTasks the list stays as it is, also after the batch end.
  TInputOptions Input;
  InitInputOptions(Input);
  try {
    Engine->AddTask(Media().ClipMKV, &Input);
    ADD_FAILURE() << "AddTask while working";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message, "Cannot AddTask while working.");
  }
  EXPECT_THROW(Engine->Start(1), Exception);
  Engine->ClearTasks();
  EXPECT_EQ(Engine->TasksCount(), 0);
}

TEST_F(FFConverterEngineTest, FailedListOperationsAnswerByResultOrByTheListsIndexError) {
  TInputOptions Input;
  InitInputOptions(Input);
  EXPECT_EQ(Engine->AddTask(Folder.Path("missing.mkv"), &Input), -1);
  EXPECT_FALSE(Engine->LastErrMsg().empty());
  EXPECT_EQ(Engine->TasksCount(), 0);
  EXPECT_THROW(Engine->SetOutputFile(0, Folder.Path("out.avi"), nullptr), EListError);
  EXPECT_THROW(Engine->RemoveTask(0), EListError);
  ASSERT_TRUE(Engine->AVProbe()->LoadFile(Media().ClipMKV)) << Engine->AVProbe()->LastErrMsg();
  EXPECT_NEAR(double(Engine->AVProbe()->FileStreamInfo().Duration), 2000000.0, 50000.0);
}

TEST_F(FFConverterEngineTest, ClearingOnProgressDuringARunStopsItsReportsAtOnce) {
  AddClip("clip.avi");
  int Reports = 0;
  Engine->OnProgress = [&](TObject*, PProgressInfo) { ++Reports; };
  RecordEnds();
  Engine->Start(1);
  // The last report of the task always comes, handed over to this thread, which serves it only below.
  Engine->OnProgress = nullptr;
  ASSERT_TRUE(WaitServing([&] { return BatchEnded(); }, 60000));
  EXPECT_EQ(Reports, 0);
}

TEST_F(FFConverterEngineTest, ClearingOnTerminateDropsTheEndsStillOnTheirWay) {
  AddClip("clip.avi");
  RecordEnds();
  Engine->Start(1);
  Engine->OnTerminate = nullptr;
  Engine.reset();  // stops the run and waits for every thread, serving their hand-overs
  EXPECT_TRUE(Ends.empty());
}

}  // namespace
