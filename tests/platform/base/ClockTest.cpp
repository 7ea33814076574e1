#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/base/Clock.h"
#include "platform/base/VirtualClock.h"

namespace {

using namespace std::chrono;

TEST(ClockTest, AdvanceReleasesExactlyTheWaitersWhoseDeadlinePassed) {
  TVirtualClock clock(1000);
  std::atomic<bool> earlyDone { false }, lateDone { false };
  std::thread early([&] {
    clock.WaitUntil(1100);
    earlyDone = true;
  });
  std::thread late([&] {
    clock.WaitUntil(1200);
    lateDone = true;
  });
  clock.Advance(99);
  clock.Advance(1);
  early.join();
  EXPECT_TRUE(earlyDone);
  EXPECT_FALSE(lateDone);
  EXPECT_EQ(clock.Now(), 1100);
  clock.Advance(100);
  late.join();
  EXPECT_TRUE(lateDone);
}

TEST(ClockTest, NotifyEndsAWaitWhoseConditionHolds) {
  TVirtualClock virtualClock;
  for (IClock* clock : { static_cast<IClock*>(&virtualClock), &RealClock() }) {
    std::atomic<bool> flag { false };
    std::thread setter([&] {
      flag = true;
      clock->Notify();
    });
    EXPECT_TRUE(clock->WaitUntil(clock->Now() + 5000, [&] { return flag.load(); }));
    setter.join();
  }
  EXPECT_EQ(virtualClock.Now(), 0);
}

TEST(ClockTest, VirtualTimeOnlyMovesForward) {
  TVirtualClock clock(50);
  clock.Advance(-20);
  clock.Advance(0);
  EXPECT_EQ(clock.Now(), 50);
  EXPECT_FALSE(clock.WaitUntil(50, [] { return false; }));
}

TEST(ClockTest, RealWaitsLastUntilTheDeadline) {
  IClock& clock = RealClock();
  Int64 begin = clock.Now();
  EXPECT_FALSE(clock.WaitUntil(begin + 20, [] { return false; }));
  EXPECT_GE(clock.Now() - begin, 20);
}

TEST(ClockTest, TickCountsFollowTheInstalledClockAndItsTickStep) {
  TVirtualClock clock(0xFFFFFFFFll + 11);  // past 32 bits: the tick count wraps
  SetCurrentClock(&clock);
  EXPECT_EQ(&CurrentClock(), &clock);
  EXPECT_EQ(GetTickCount(), 10u);
  EXPECT_EQ(GetTickCount(), 10u);
  clock.SetTickStep(1);
  EXPECT_EQ(GetTickCount(), 10u);
  EXPECT_EQ(GetTickCount(), 11u);
  EXPECT_EQ(clock.Now(), 0xFFFFFFFFll + 13);
  SetCurrentClock(nullptr);
  EXPECT_EQ(&CurrentClock(), &RealClock());
  Cardinal before = GetTickCount();
  std::this_thread::sleep_for(milliseconds(2));
  EXPECT_GE(GetTickCount() - before, 2u);
}

}  // namespace
