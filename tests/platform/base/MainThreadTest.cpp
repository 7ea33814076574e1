#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"

// The test program's initial thread (gtest's main) is the UI thread throughout.
namespace {

using namespace std::chrono;

// Waits on the UI thread, serving hand-overs, until Flag is set; fails the test instead of hanging.
void ServeUntil(const std::atomic<bool>& Flag) {
  ASSERT_TRUE(WaitServing([&] { return Flag.load(); }, 5000));
}

TEST(MainThreadTest, TheInitialThreadIsTheUIThreadAndOthersAreNot) {
  EXPECT_TRUE(IsMainThread());
  EXPECT_EQ(MainThreadID(), static_cast<Cardinal>(getpid()));
  EXPECT_EQ(GetCurrentThreadId(), MainThreadID());
  bool workerIsMain = true;
  Cardinal workerID = 0;
  std::thread([&] {
    workerIsMain = IsMainThread();
    workerID = GetCurrentThreadId();
  }).join();
  EXPECT_FALSE(workerIsMain);
  EXPECT_NE(workerID, 0u);
  EXPECT_NE(workerID, MainThreadID());
}

TEST(MainThreadTest, SetMainThreadMovesTheIdentity) {
  bool workerIsMain = false;
  std::thread([&] {
    SetMainThread();
    workerIsMain = IsMainThread();
  }).join();
  bool testThreadWasMain = IsMainThread();
  SetMainThread();
  EXPECT_TRUE(workerIsMain);
  EXPECT_FALSE(testThreadWasMain);
  EXPECT_TRUE(IsMainThread());
}

TEST(MainThreadTest, SynchronizeOnTheUIThreadRunsAtOnce) {
  bool ran = false;
  Synchronize([&] { ran = true; });
  EXPECT_TRUE(ran);
  EXPECT_FALSE(HandOversPending());
}

TEST(MainThreadTest, HandOversFromManyThreadsAllRunOnTheUIThread) {
  constexpr int Threads = 8;
  constexpr int Calls = 50;
  int counter = 0;  // touched only on the UI thread, so no lock
  std::atomic<int> offThread { 0 };
  std::atomic<int> finished { 0 };
  std::vector<std::thread> workers;
  for (int i = 0; i < Threads; ++i)
    workers.emplace_back([&] {
      for (int c = 0; c < Calls; ++c)
        Synchronize([&] {
          if (!IsMainThread()) ++offThread;
          ++counter;
        });
      ++finished;
      WakeWaiters();
    });
  EXPECT_TRUE(WaitServing([&] { return finished == Threads; }, 5000));
  for (auto& w : workers) w.join();
  EXPECT_EQ(counter, Threads * Calls);
  EXPECT_EQ(offThread, 0);
}

TEST(MainThreadTest, AnExceptionInAHandOverReachesTheCallingThread) {
  std::atomic<bool> done { false };
  String caught;
  bool rightType = false;
  std::thread worker([&] {
    try {
      Synchronize([] { throw EConvertError("'x' is not a valid integer value"); });
    } catch (const EConvertError& e) {
      rightType = true;
      caught = e.Message;
    } catch (...) {
    }
    done = true;
    WakeWaiters();
  });
  ServeUntil(done);
  worker.join();
  EXPECT_TRUE(rightType);
  EXPECT_EQ(caught, "'x' is not a valid integer value");
}

TEST(MainThreadTest, AHandOverMayWaitForAnotherThreadThatHandsOver) {
  std::atomic<bool> outerDone { false };
  std::vector<int> order;  // UI thread only
  std::thread outer([&] {
    Synchronize([&] {
      order.push_back(1);
      std::atomic<bool> innerDone { false };
      std::thread inner([&] {
        Synchronize([&] { order.push_back(2); });
        innerDone = true;
        WakeWaiters();
      });
      // Waiting here, inside a hand-over, must still serve the inner thread's hand-over.
      ServeUntil(innerDone);
      inner.join();
      order.push_back(3);
    });
    outerDone = true;
    WakeWaiters();
  });
  ServeUntil(outerDone);
  outer.join();
  EXPECT_EQ(order, (std::vector<int> { 1, 2, 3 }));
}

TEST(MainThreadTest, QueuedClosuresRunInOrderWhenServedAndAFailureKeepsTheRest) {
  std::vector<int> order;
  Queue([&] { order.push_back(1); });
  Queue([] { throw Exception("queued failure"); });
  Queue([&] { order.push_back(3); });
  EXPECT_TRUE(order.empty());
  EXPECT_TRUE(HandOversPending());
  EXPECT_THROW(CheckSynchronize(), Exception);
  EXPECT_EQ(order, (std::vector<int> { 1 }));
  EXPECT_TRUE(CheckSynchronize());
  EXPECT_EQ(order, (std::vector<int> { 1, 3 }));
  EXPECT_FALSE(CheckSynchronize());
}

TEST(MainThreadTest, AClosureQueuedWhileServingWaitsForTheNextRound) {
  int runs = 0;
  std::function<void()> requeue = [&] {
    if (++runs < 3) Queue(requeue);
  };
  Queue(requeue);
  for (int round = 1; round <= 3; ++round) {
    EXPECT_TRUE(CheckSynchronize());
    EXPECT_EQ(runs, round);
  }
  EXPECT_FALSE(HandOversPending());
}

TEST(MainThreadTest, QueuingCallsTheWakeHookAndCheckSynchronizeWaitsForAnEntry) {
  std::atomic<int> wakes { 0 };
  SetWakeMainThread([&] { ++wakes; });
  bool ran = false;
  std::thread worker([&] {
    std::this_thread::sleep_for(milliseconds(5));
    Queue([&] { ran = true; });
  });
  EXPECT_TRUE(CheckSynchronize(5000));
  worker.join();
  SetWakeMainThread({});
  EXPECT_TRUE(ran);
  EXPECT_EQ(wakes, 1);
}

TEST(MainThreadTest, OnlyTheUIThreadServesTheQueue) {
  bool raised = false;
  std::thread([&] {
    try {
      CheckSynchronize();
    } catch (const EThread&) {
      raised = true;
    }
  }).join();
  EXPECT_TRUE(raised);

  bool ran = false;
  Queue([&] { ran = true; });
  bool waited = true;
  std::thread([&] { waited = WaitServing([] { return false; }, 10); }).join();
  EXPECT_FALSE(waited);
  EXPECT_FALSE(ran);
  CheckSynchronize();
  EXPECT_TRUE(ran);
}

TEST(MainThreadTest, WaitServingTimesOutAfterTheTimeAndNeverEarly) {
  auto start = steady_clock::now();
  EXPECT_FALSE(WaitServing([] { return false; }, 30));
  EXPECT_GE(steady_clock::now() - start, milliseconds(30));
  EXPECT_TRUE(WaitServing([] { return true; }, 0));
}

}  // namespace
