// The SDL2 presenter on a real X server: what a window paints is what the screen shows, and a click of
// the X server reaches the window as a client message. Skipped without DISPLAY.
#include <chrono>
#include <cstdlib>
#include <optional>

#include "platform/base/Clock.h"
#include "platform/display/SdlPresenter.h"
#include "platform/gdi/PixelOps.h"
#include "platform/ui/winsys/InputLayer.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "tests/platform/display/PresenterFixture.h"
#include "tests/platform/display/SdlAppFixture.h"
#include "tests/platform/display/XScreenshot.h"

namespace {

class SdlDisplay : public ::testing::Test {
protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X server";
    WindowSystem::Get().Reset();
    Presenter = std::make_unique<SdlPresenter>();
    InputLayer::Get().Reset();
    Windows = std::make_unique<PaintedWindows>();
  }
  void TearDown() override {
    Windows.reset();
    WindowSystem::Get().Reset();
    Presenter.reset();
  }

  std::unique_ptr<SdlPresenter> Presenter;
  std::unique_ptr<PaintedWindows> Windows;
};

TEST_F(SdlDisplay, TheScreenShowsThePaintedPixelsAndClicksComeBack) {
  const TRect Bounds = Rect(100, 120, 300, 270);
  const HWND W = Windows->Create(Bounds, [](int X, int Y) {
    return RGB(uint8_t(X * 5), uint8_t(Y * 7), uint8_t((X / 10 + Y / 10) % 2 ? 200 : 30));
  });
  ProcessPendingMessages();
  const Surface& Backing = *WindowSystem::Get().Find(W)->Backing;

  XScreenshot Shot;
  int Mismatches = -1;
  const bool Shown = RunUntil([&] {
    if (!Shot.Take(Bounds)) return false;
    Mismatches = 0;
    for (int Y = 0; Y < Bounds.Height(); ++Y)
      for (int X = 0; X < Bounds.Width(); ++X)
        Mismatches += Shot.At(Bounds.Left + X, Bounds.Top + Y) != PixelToColor(Backing.Pixel(X, Y));
    return Mismatches == 0;
  });
  EXPECT_TRUE(Shown) << Mismatches << " pixels differ";

  ASSERT_EQ(std::system("xdotool mousemove --sync 150 170 click 1"), 0);
  std::optional<LoggedMessage> Down;
  RunUntil([&] {
    for (const LoggedMessage& M : Windows->Log)
      if (M.Wnd == W && M.Msg == WM_LBUTTONDOWN) Down = M;
    return Down.has_value();
  });
  ASSERT_TRUE(Down) << "no WM_LBUTTONDOWN";
  EXPECT_EQ(LParamToPoint(Down->LParam), (TPoint { 50, 50 }));
}

}  // namespace
