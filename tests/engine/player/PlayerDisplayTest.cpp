// The player on a real X server through the SDL2 presenter: the screen shows the clip's picture. Skipped
// without DISPLAY.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>

#include "engine/player/FFPlay.h"
#include "engine/libav/FFmpegLoader.h"
#include "platform/base/Clock.h"
#include "platform/display/SdlPresenter.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/InputLayer.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "tests/engine/fixtures/MediaFixtures.h"
#include "tests/platform/display/XScreenshot.h"

namespace {

/// Runs the loop on native events until ADone holds or a few seconds of real time passed.
bool RunUntil(const std::function<bool()>& ADone) {
  const auto Limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!ADone()) {
    if (std::chrono::steady_clock::now() > Limit) return false;
    WindowSystem::Get().WaitForEvents(CurrentClock().Now() + 20);
    ProcessPendingMessages();
  }
  return true;
}

class PlayerDisplay : public testing::Test {
protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X server";
    // The screen is what is tested; a machine without a sound device still plays through the silent one.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    MediaFixtures();
    String Error;
    ASSERT_TRUE(LoadAVLib("", PlayerLibraries, Error)) << Error;
    WindowSystem::Get().Reset();
    Presenter = std::make_unique<SdlPresenter>();
    InputLayer::Get().Reset();
  }
  void TearDown() override {
    Player.reset();
    WindowSystem::Get().Reset();
    Presenter.reset();
  }

  std::unique_ptr<SdlPresenter> Presenter;
  std::unique_ptr<TFFPlayer> Player;
};

TEST_F(PlayerDisplay, AClipPlaysInAWindowAndTheScreenShowsItsPicture) {
  WNDCLASS Class;
  Class.lpszClassName = "PlayerPanel";
  Class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClass(Class);
  const TRect Bounds { 100, 120, 100 + Fixture::Width, 120 + Fixture::Height };
  const HWND Panel = CreateWindowEx(0, "PlayerPanel", "", WS_POPUP | WS_VISIBLE, Bounds.Left, Bounds.Top,
                                    Fixture::Width, Fixture::Height, 0, 0);
  ProcessPendingMessages();

  Player = std::make_unique<TFFPlayer>(nullptr);
  ASSERT_TRUE(Player->Open(MediaFixtures().ClipAVI, Panel, true)) << Player->LastErrMsg();
  XScreenshot Shot;
  int Frame = -1;
  const bool Shown = RunUntil([&] {
    if (!Shot.Take(Bounds)) return false;
    Frame = Fixture::FrameNumberOf([&](int X, int Y) {
      const TColor Colour = Shot.At(Bounds.Left + X, Bounds.Top + Y);
      return Fixture::TRGB { Colour & 0xFF, (Colour >> 8) & 0xFF, (Colour >> 16) & 0xFF };
    });
    return Frame >= 1 && Player->PlayState() == psPause;
  });
  EXPECT_TRUE(Shown) << "the screen shows frame " << Frame;
}

}  // namespace
