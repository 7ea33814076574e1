// Undoing a step and restoring a value when a scope ends, by its end or by an exception.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/base/ScopeGuard.h"
#include "platform/base/TemporaryChange.h"

namespace {

TEST(ScopeGuardTest, RunsOnEveryWayOutUnlessDismissed) {
  int Runs = 0;
  { ScopeGuard Count([&] { ++Runs; }); }
  EXPECT_EQ(Runs, 1);
  EXPECT_THROW(
      {
        ScopeGuard Count([&] { ++Runs; });
        throw std::runtime_error("step failed");
      },
      std::runtime_error);
  EXPECT_EQ(Runs, 2);
  {
    ScopeGuard Count([&] { ++Runs; });
    Count.Dismiss();
  }
  EXPECT_EQ(Runs, 2);
}

TEST(ScopeGuardTest, TheFirstFailureGoesOn) {
  // An undo that fails while another failure unwinds must not end the program nor hide the first failure.
  try {
    ScopeGuard Undo([] { throw std::logic_error("undo failed"); });
    throw std::runtime_error("step failed");
  } catch (const std::runtime_error& E) {
    EXPECT_STREQ(E.what(), "step failed");
  }
  // Without another failure, the undo's own failure leaves the scope.
  EXPECT_THROW({ ScopeGuard Undo([] { throw std::logic_error("undo failed"); }); }, std::logic_error);
}

TEST(TemporaryChangeTest, PutsTheOldValueBackHoweverTheScopeEnds) {
  bool Busy = false;
  {
    TemporaryChange Change(Busy, true);
    EXPECT_TRUE(Busy);
    EXPECT_FALSE(Change.OldValue());
  }
  EXPECT_FALSE(Busy);
  int Depth = 3;
  EXPECT_THROW(
      {
        TemporaryChange Change(Depth, 4);
        throw std::runtime_error("step failed");
      },
      std::runtime_error);
  EXPECT_EQ(Depth, 3);
}

}  // namespace
