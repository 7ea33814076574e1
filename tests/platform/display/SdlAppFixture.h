#pragma once
// An application on the SDL2 presenter for tests that show windows on an X server: skipped without one.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>

#include "platform/base/Clock.h"
#include "platform/display/SdlPresenter.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/winsys/WindowSystem.h"

/// Runs the loop on native events until Done holds or a few seconds of real time passed.
inline bool RunUntil(const std::function<bool()>& Done) {
  const auto Limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!Done()) {
    if (std::chrono::steady_clock::now() > Limit) return false;
    WindowSystem::Get().WaitForEvents(CurrentClock().Now() + 20);
    ProcessPendingMessages();
  }
  return true;
}

class SdlAppFixture : public ::testing::Test {
protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X server";
    WindowSystem::Get().Reset();
    Presenter = std::make_unique<SdlPresenter>();
    App = std::make_unique<TApplication>(nullptr);
  }
  void TearDown() override {
    App.reset();
    WindowSystem::Get().Reset();
    Presenter.reset();
  }

  std::unique_ptr<SdlPresenter> Presenter;
  std::unique_ptr<TApplication> App;
};
