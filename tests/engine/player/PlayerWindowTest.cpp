// The player's pictures in a real window of the window system, composed by the headless presenter.
#include <gtest/gtest.h>

#include <chrono>

#include "engine/player/FFPlay.h"
#include "engine/libav/FFmpegLoader.h"
#include "platform/base/MainThread.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/Ui.h"
#include "tests/engine/fixtures/MediaFixtures.h"

namespace {

Fixture::TRGB ScreenPixel(HeadlessPresenter& AScreen, int X, int Y) {
  const TColor Colour = AScreen.PixelAt(X, Y);
  return { Colour & 0xFF, (Colour >> 8) & 0xFF, (Colour >> 16) & 0xFF };
}

/// Runs the window system's loop and the hand-over queue until ADone holds or AMilliseconds pass.
bool PumpUntil(HeadlessPresenter& AScreen, const std::function<bool()>& ADone, int AMilliseconds) {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(AMilliseconds);
  for (;;) {
    AScreen.PumpUntilIdle();
    if (ADone()) return true;
    if (std::chrono::steady_clock::now() >= Deadline) return false;
    WaitServing([] { return false; }, 10);
  }
}

}  // namespace

TEST(PlayerWindowTest, PicturesReachTheWindowSurviveRepaintsAndLeaveWithTheStop) {
  MediaFixtures();
  String Error;
  ASSERT_TRUE(LoadAVLib("", PlayerLibraries, Error)) << Error;
  HeadlessPresenter Screen({ 640, 480 });
  WNDCLASS Class;
  Class.lpszClassName = "PlayerPanel";
  Class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClass(Class);
  const HWND Panel = CreateWindowEx(0, "PlayerPanel", "", WS_POPUP | WS_VISIBLE, 0, 0, Fixture::Width,
                                    Fixture::Height, 0, 0);
  auto ShownFrame = [&] { return Fixture::FrameNumberOf([&](int X, int Y) { return ScreenPixel(Screen, X, Y); }); };

  TFFPlayer Player(nullptr);
  ASSERT_TRUE(Player.Open(MediaFixtures().ClipAVI, Panel, true)) << Player.LastErrMsg();
  ASSERT_TRUE(PumpUntil(Screen, [&] { return ShownFrame() >= 1 && Player.PlayState() == psPause; }, 3000));
  PumpUntil(Screen, [] { return false; }, 150);
  const int Shown = ShownFrame();
  InvalidateRect(Panel, nullptr, true);
  Screen.PumpUntilIdle();
  EXPECT_EQ(ShownFrame(), Shown) << "a repaint while paused shows the picture again";

  Player.Stop(true);
  Screen.PumpUntilIdle();
  EXPECT_EQ(ScreenPixel(Screen, 100, 100), (Fixture::TRGB { 255, 255, 255 })) << "the window paints itself again";
}
