#include <gtest/gtest.h>

#include <sched.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"
#include "platform/base/TCriticalSection.h"
#include "platform/base/TEvent.h"
#include "platform/base/TMutex.h"
#include "platform/base/TThread.h"

namespace {

using namespace std::chrono;

// A thread whose Execute is a closure; it can report its own destruction.
class TTestThread : public TThread {
public:
  explicit TTestThread(std::function<void(TTestThread&)> Body, std::atomic<bool>* Destroyed = nullptr)
      : FBody(std::move(Body)), FDestroyed(Destroyed) {}
  ~TTestThread() override {
    TerminateAndWait();
    if (FDestroyed) *FDestroyed = true;
    WakeWaiters();
  }
  using TThread::SetReturnValue;

protected:
  void Execute() override { FBody(*this); }

private:
  std::function<void(TTestThread&)> FBody;
  std::atomic<bool>* FDestroyed;
};

int NiceOf(Cardinal ThreadID) {
  return getpriority(PRIO_PROCESS, static_cast<id_t>(ThreadID));
}

TEST(ThreadTest, ANewThreadWaitsForStartAndWaitForReturnsItsResult) {
  std::atomic<bool> ran { false };
  TTestThread thread([&](TTestThread& self) {
    ran = true;
    self.SetReturnValue(42);
  });
  EXPECT_TRUE(thread.Suspended());
  EXPECT_EQ(thread.ThreadID(), 0u);
  EXPECT_THROW(thread.WaitFor(), EThread);
  EXPECT_FALSE(ran);

  thread.Resume();
  EXPECT_FALSE(thread.Suspended());
  EXPECT_NE(thread.ThreadID(), 0u);
  EXPECT_NE(thread.ThreadID(), GetCurrentThreadId());
  EXPECT_EQ(thread.WaitFor(), 42);
  EXPECT_TRUE(ran);
  EXPECT_TRUE(thread.Finished());
  EXPECT_FALSE(thread.FatalException());
  EXPECT_THROW(thread.Start(), EThread);
  thread.Resume();  // a started thread is left as it is
}

TEST(ThreadTest, DestroyingAThreadTerminatesARunningOneAndSkipsANeverStartedOne) {
  std::atomic<bool> sawTerminated { false }, neverStartedRan { false };
  {
    auto running = std::make_unique<TTestThread>([&](TTestThread& self) {
      while (!self.Terminated()) std::this_thread::yield();
      sawTerminated = true;
    });
    running->Start();
    TTestThread neverStarted([&](TTestThread&) { neverStartedRan = true; });
  }
  EXPECT_TRUE(sawTerminated);
  EXPECT_FALSE(neverStartedRan);
}

TEST(ThreadTest, AnExceptionEscapingExecuteIsKeptWithItsText) {
  struct TCase {
    std::function<void()> Throw;
    const char* Message;
  };
  const TCase cases[] = {
    { [] { throw EConvertError("bad number"); }, "bad number" },
    { [] { throw std::runtime_error("plain failure"); }, "plain failure" },
    { [] { throw 7; }, "Unknown exception" },
  };
  for (const auto& c : cases) {
    TTestThread thread([&](TTestThread&) { c.Throw(); });
    thread.Start();
    thread.WaitFor();
    EXPECT_TRUE(thread.FatalException()) << c.Message;
    EXPECT_EQ(thread.FatalExceptionMessage(), c.Message);
  }
}

TEST(ThreadTest, OnTerminateRunsOnTheUIThreadWhileItWaits) {
  TTestThread thread([](TTestThread&) {});
  TObject* sender = nullptr;
  bool onUIThread = false;
  thread.OnTerminate = [&](TObject* Sender) {
    sender = Sender;
    onUIThread = IsMainThread();
  };
  thread.Start();
  thread.WaitFor();  // would dead-lock unless WaitFor serves the hand-over of OnTerminate
  EXPECT_EQ(sender, &thread);
  EXPECT_TRUE(onUIThread);
}

TEST(ThreadTest, AFreeOnTerminateThreadFreesItselfAfterOnTerminate) {
  std::atomic<bool> destroyed { false };
  std::atomic<bool> destroyedBeforeOnTerminate { true };
  bool onUIThread = false;
  auto* thread = new TTestThread([](TTestThread&) {}, &destroyed);
  thread->SetFreeOnTerminate(true);
  thread->OnTerminate = [&](TObject*) {
    onUIThread = IsMainThread();
    destroyedBeforeOnTerminate = destroyed.load();
  };
  thread->Start();
  EXPECT_TRUE(WaitServing([&] { return destroyed.load(); }, 5000));
  EXPECT_TRUE(onUIThread);
  EXPECT_FALSE(destroyedBeforeOnTerminate);
}

TEST(ThreadTest, WaitForRefusesAFreeOnTerminateThreadAndTheThreadItself) {
  TEvent release;
  std::atomic<bool> selfWaitRaised { false };
  TTestThread thread([&](TTestThread& self) {
    try {
      self.WaitFor();
    } catch (const EThread&) {
      selfWaitRaised = true;
    }
    release.WaitFor();
  });
  thread.Start();
  thread.SetFreeOnTerminate(true);
  EXPECT_THROW(thread.WaitFor(), EThread);
  thread.SetFreeOnTerminate(false);
  release.SetEvent();
  thread.WaitFor();
  EXPECT_TRUE(selfWaitRaised);
}

TEST(ThreadTest, TheUIThreadWaitingForOneWorkerServesTheHandOversOfEight) {
  constexpr int Threads = 8;
  constexpr int Calls = 25;
  int counter = 0;  // UI thread only
  std::vector<std::unique_ptr<TTestThread>> threads;
  for (int i = 0; i < Threads; ++i) {
    threads.push_back(std::make_unique<TTestThread>([&](TTestThread& self) {
      for (int c = 0; c < Calls; ++c) self.Synchronize([&] { ++counter; });
    }));
    threads.back()->Start();
  }
  threads.back()->WaitFor();
  for (auto& t : threads) t->WaitFor();
  EXPECT_EQ(counter, Threads * Calls);
}

TEST(ThreadTest, AHandOverThatWaitsForAnotherHandingOverThreadCompletes) {
  std::vector<int> order;  // UI thread only
  TTestThread outer([&](TTestThread& self) {
    self.Synchronize([&] {
      order.push_back(1);
      TTestThread inner([&](TTestThread& innerSelf) { innerSelf.Synchronize([&] { order.push_back(2); }); });
      inner.Start();
      inner.WaitFor();
      order.push_back(3);
    });
  });
  outer.Start();
  outer.WaitFor();
  EXPECT_EQ(order, (std::vector<int> { 1, 2, 3 }));
}

TEST(ThreadTest, AnExceptionInASynchronizedMethodReachesTheThread) {
  TTestThread thread([](TTestThread& self) { self.Synchronize([] { throw EListError("List index out of bounds (5)"); }); });
  thread.Start();
  thread.WaitFor();
  EXPECT_EQ(thread.FatalExceptionMessage(), "List index out of bounds (5)");
}

TEST(ThreadTest, PrioritiesBecomeNiceValuesOfTheThread) {
  struct TCase {
    TThreadPriority Priority;
    std::vector<int> Nice;  // accepted values: a raise may fall back to 0 without privileges
  };
  const TCase cases[] = {
    { tpLowest, { 19 } }, { tpLower, { 10 } }, { tpHigher, { -5, 0 } }, { tpTimeCritical, { -15, 0 } },
  };
  for (const auto& c : cases) {
    int nice = 99;
    TTestThread thread([&](TTestThread&) { nice = NiceOf(GetCurrentThreadId()); });
    thread.SetPriority(c.Priority);
    thread.Start();
    thread.WaitFor();
    EXPECT_NE(std::find(c.Nice.begin(), c.Nice.end(), nice), c.Nice.end()) << c.Priority << " gave " << nice;
  }
}

TEST(ThreadTest, PriorityChangesApplyToARunningThread) {
  TEvent go;
  int policy = -1;
  TTestThread thread([&](TTestThread&) {
    go.WaitFor();
    policy = sched_getscheduler(0);
  });
  thread.Start();
  EXPECT_EQ(NiceOf(thread.ThreadID()), NiceOf(GetCurrentThreadId()));  // inherited from its creator
  thread.SetPriority(tpLowest);
  EXPECT_EQ(NiceOf(thread.ThreadID()), 19);
  thread.SetPriority(tpIdle);
  EXPECT_EQ(thread.Priority(), tpIdle);
  go.SetEvent();
  thread.WaitFor();
  EXPECT_EQ(policy, SCHED_IDLE);
}

TEST(ThreadTest, EventsTimeOutOrReportTheSignalByResetKind) {
  struct TCase {
    bool ManualReset;
    bool InitialState;
    TWaitResult First, Second;
  };
  const TCase cases[] = {
    { true, false, wrTimeout, wrTimeout },
    { true, true, wrSignaled, wrSignaled },
    { false, true, wrSignaled, wrTimeout },
  };
  for (const auto& c : cases) {
    TEvent event(c.ManualReset, c.InitialState);
    auto start = steady_clock::now();
    EXPECT_EQ(event.WaitFor(15), c.First);
    EXPECT_EQ(event.WaitFor(15), c.Second);
    auto timeouts = (c.First == wrTimeout) + (c.Second == wrTimeout);
    EXPECT_GE(steady_clock::now() - start, milliseconds(15 * timeouts));
  }
  TEvent manual(true, false);
  manual.SetEvent();
  manual.ResetEvent();
  EXPECT_EQ(manual.WaitFor(0), wrTimeout);
}

TEST(ThreadTest, SettingAnEventReleasesWaitersOnAnyThread) {
  TEvent autoReset(false, false);
  TEvent reached(true, false);
  TWaitResult workerResult = wrError;
  TTestThread waiter([&](TTestThread&) {
    reached.SetEvent();
    workerResult = autoReset.WaitFor(5000);
  });
  waiter.Start();
  ASSERT_EQ(reached.WaitFor(5000), wrSignaled);
  autoReset.SetEvent();
  waiter.WaitFor();
  EXPECT_EQ(workerResult, wrSignaled);
  EXPECT_EQ(autoReset.WaitFor(0), wrTimeout);  // the worker consumed it

  TEvent forUI(true, false);
  TTestThread setter([&](TTestThread& self) {
    self.Synchronize([] {});  // only completes while the UI thread's event wait serves hand-overs
    forUI.SetEvent();
  });
  setter.Start();
  EXPECT_EQ(forUI.WaitFor(5000), wrSignaled);
}

TEST(ThreadTest, AMutexIsOwnedReEnteredAndTriedForAWhile) {
  TMutex mutex;
  TEvent held, release;
  TTestThread owner([&](TTestThread&) {
    mutex.Acquire();
    mutex.Acquire();
    held.SetEvent();
    release.WaitFor();
    mutex.Release();
    mutex.Release();
  });
  owner.Start();
  held.WaitFor();
  auto start = steady_clock::now();
  EXPECT_EQ(mutex.WaitFor(20), wrTimeout);
  EXPECT_GE(steady_clock::now() - start, milliseconds(20));
  EXPECT_THROW(mutex.Release(), EThread);
  release.SetEvent();
  EXPECT_EQ(mutex.WaitFor(5000), wrSignaled);
  owner.WaitFor();
  mutex.Release();
  EXPECT_THROW(mutex.Release(), EThread);
}

TEST(ThreadTest, ACriticalSectionIsReEnteredByItsHolderOnly) {
  TCriticalSection section;
  section.Enter();
  section.Acquire();
  bool otherGotIt = true;
  std::thread([&] { otherGotIt = section.TryEnter(); }).join();
  EXPECT_FALSE(otherGotIt);
  section.Release();
  section.Leave();
  std::thread([&] {
    otherGotIt = section.TryEnter();
    if (otherGotIt) section.Leave();
  }).join();
  EXPECT_TRUE(otherGotIt);
}

}  // namespace
