// Timers, nested loops, hand-overs from other threads, quit requests and exceptions in handlers.
#include <stdexcept>
#include <thread>

#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"
#include "tests/platform/ui/UiFixture.h"

namespace {

class Loop : public UiTest {
protected:
  /// The WM_TIMER ids delivered while the clock moves forward by Step, Steps times.
  std::vector<WPARAM> Ticks(int Steps, int Step) {
    std::vector<WPARAM> Ids;
    for (int I = 0; I < Steps; ++I) {
      Clock.Advance(Step);
      ProcessPendingMessages();
      for (const LoggedMessage& M : Log)
        if (M.Msg == WM_TIMER)
          Ids.push_back(M.WParam);
      Log.clear();
    }
    return Ids;
  }
};

TEST_F(Loop, TimersFireInDueOrderAndRestartWhenSetAgain) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  ProcessPendingMessages();
  SetTimer(W, 1, 30);
  SetTimer(W, 2, 20);
  // At 20, 30, 40 and 60; at 60 the timer that has waited longer comes first.
  EXPECT_EQ(Ticks(6, 10), (std::vector<WPARAM> { 2, 1, 2, 1, 2 }));
  SetTimer(W, 2, 20);
  Clock.Advance(10);
  SetTimer(W, 2, 20);  // restarts: due at 90, not 80
  EXPECT_EQ(Ticks(1, 10), (std::vector<WPARAM> {}));
  EXPECT_EQ(Ticks(1, 10), (std::vector<WPARAM> { 1, 2 }));
  EXPECT_TRUE(KillTimer(W, 1));
  EXPECT_FALSE(KillTimer(W, 1));
  EXPECT_EQ(SetTimer(0, 1, 10), 0u);
}

TEST_F(Loop, TimerThatKillsItselfAndDestroysItsWindowInItsTick) {
  const HWND Top = CreateTop(Rect(0, 0, 50, 50));
  const HWND Child = CreateChild(Top, Rect(0, 0, 10, 10));
  SetTimer(Child, 7, 10);
  SetTimer(Top, 8, 10);
  int Ticks = 0;
  Handlers[Child] = [&](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_TIMER) {
      ++Ticks;
      KillTimer(Child, 7);
      DestroyWindow(Top);  // the child goes with it, inside its own tick
      SendMessage(Child, WM_USER, 0, 0);
    }
    return std::nullopt;
  };
  Clock.Advance(50);
  ProcessPendingMessages();
  Clock.Advance(50);
  ProcessPendingMessages();
  EXPECT_EQ(Ticks, 1);
  EXPECT_FALSE(IsWindow(Child));
  EXPECT_EQ(Count(Top, WM_TIMER), 0) << "the window's other timer died with it";
  EXPECT_EQ(Count(Child, WM_USER), 0);
  EXPECT_FALSE(WindowSystem::Get().NextTimerDue());
}

TEST_F(Loop, WorkerHandOverIsServedInsideANestedModalLoop) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  std::atomic<bool> Served { false };
  bool InnerDone = false;
  std::thread Worker;
  Handlers[W] = [&](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg != WM_USER)
      return std::nullopt;
    // A click handler opens a modal loop (a message box); meanwhile a worker blocks on a hand-over.
    Worker = std::thread([&] {
      Synchronize([&] { Served = true; });
      PostMessage(W, WM_USER + 1, 0, 0);
    });
    RunModalLoop([&] { return InnerDone; });
    return 0;
  };
  MessageHooks().Push(this, [&](TMsg& M, bool&) { InnerDone = InnerDone || M.message == WM_USER + 1; });
  PostMessage(W, WM_USER, 0, 0);
  RunModalLoop([&] { return InnerDone; });
  Worker.join();
  EXPECT_TRUE(Served);
}

TEST_F(Loop, HandOverExceptionReachesTheWorker) {
  std::string Caught;
  std::atomic<bool> Done { false };
  std::thread Worker([&] {
    try {
      Synchronize([] { throw EInvalidOperation("refused"); });
    } catch (const Exception& E) {
      Caught = E.Message;
    }
    Done = true;
    WindowSystem::Get().Wake();
  });
  RunModalLoop([&] { return Done.load(); });
  Worker.join();
  EXPECT_EQ(Caught, "refused");
}

TEST_F(Loop, QuitMetInANestedLoopIsPostedAgainAfterIt) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  int Steps = 0;
  Handlers[W] = [&](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_USER)
      ++Steps;
    return std::nullopt;
  };
  PostQuitMessage(4);
  PostMessage(W, WM_USER, 0, 0);
  RunModalLoop([&] { return Steps == 1; });
  EXPECT_FALSE(QuitReceived());
  ProcessPendingMessages();
  ASSERT_TRUE(QuitReceived());
  EXPECT_EQ(*QuitReceived(), 4);
  ClearQuit();

  bool SawPending = false;
  PostMessage(W, WM_USER, 0, 0);
  PostQuitMessage(5);
  RunModalLoop([&] {
    SawPending = QuitPending();
    return SawPending;  // a loop may end on the quit request
  });
  EXPECT_TRUE(SawPending);
  ProcessPendingMessages();
  EXPECT_EQ(QuitReceived(), std::optional<int>(5));
}

TEST_F(Loop, ExceptionInAHandlerIsReportedAndTheLoopGoesOn) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  std::vector<std::string> Reports;
  SetLoopExceptionHandler([&](std::exception_ptr E) {
    try {
      std::rethrow_exception(E);
    } catch (const std::exception& X) {
      Reports.push_back(X.what());
    }
  });
  int Handled = 0;
  Handlers[W] = [&](UINT Msg, WPARAM WParam, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_USER && ++Handled && WParam == 1)
      throw std::runtime_error("broken handler");
    return std::nullopt;
  };
  PostMessage(W, WM_USER, 1, 0);
  PostMessage(W, WM_USER, 2, 0);
  Queue([] { throw std::runtime_error("broken hand-over"); });
  ProcessPendingMessages();
  SetLoopExceptionHandler(nullptr);
  EXPECT_EQ(Handled, 2);
  EXPECT_EQ(Reports, (std::vector<std::string> { "broken hand-over", "broken handler" }));
  EXPECT_TRUE(IsWindow(W));
}

TEST_F(Loop, WaitingLoopWakesForTheNextTimerOnTheClock) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  SetTimer(W, 1, 100);
  // The loop blocks on the virtual clock until the timer is due, whenever the clock gets there.
  std::thread Mover([this] { Clock.Advance(100); });
  RunModalLoop([&] { return Count(W, WM_TIMER) > 0; });
  Mover.join();
  EXPECT_EQ(Count(W, WM_TIMER), 1);
}

TEST_F(Loop, WaitUntilEndsAtTheDeadlineAtAnEarlierTimerOrAtOnceWithWorkPending) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  ProcessPendingMessages();
  const Int64 Start = Clock.Now();
  std::thread ToDeadline([this] { Clock.Advance(10); });
  WaitForWorkUntil(Start + 10);
  ToDeadline.join();
  EXPECT_EQ(Clock.Now(), Start + 10);

  SetTimer(W, 1, 5);
  std::thread ToTimer([this] { Clock.Advance(5); });
  WaitForWorkUntil(Start + 1000);
  ToTimer.join();
  EXPECT_EQ(Clock.Now(), Start + 15);
  KillTimer(W, 1);

  PostMessage(W, WM_USER, 0, 0);
  WaitForWorkUntil(Start + 1000);
  EXPECT_EQ(Clock.Now(), Start + 15);
}

}  // namespace
