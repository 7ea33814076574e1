// The headless presenter: composition of the virtual screen, virtual time, screenshots, monitors.
#include <atomic>
#include <thread>

#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/FontFace.h"
#include "platform/gdi/TPngImage.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "tests/platform/display/PresenterFixture.h"

namespace {

constexpr TColor Red = RGB(255, 0, 0), Blue = RGB(0, 0, 255), Green = RGB(0, 255, 0), Cyan = RGB(0, 255, 255),
                 White = RGB(255, 255, 255), Black = RGB(0, 0, 0);

class Headless : public ::testing::Test {
protected:
  HeadlessPresenter Screen { TSize { 300, 200 } };
  PaintedWindows Windows;
};

Window& Record(HWND Wnd) { return *WindowSystem::Get().Find(Wnd); }

TEST_F(Headless, ComposesWindowsInZOrderWithRegionsAndLayeredAlpha) {
  const HWND A = Windows.Create(Rect(10, 10, 110, 110), Red);
  const HWND B = Windows.Create(Rect(60, 60, 160, 160), Blue);
  const HRGN Shape = CreateRectRgn(0, 0, 100, 100), Hole = CreateRectRgn(20, 20, 40, 40);
  CombineRgn(Shape, Shape, Hole, RGN_DIFF);
  SetWindowRgn(B, Shape, true);
  DeleteObject(Hole);

  // Constant alpha 128 over B and over the desktop.
  const HWND C = Windows.Create(Rect(140, 20, 200, 80), Green, WS_EX_LAYERED);
  Record(C).LayerAlpha = 128;
  Record(C).LayerFlags = LWA_ALPHA;
  // A premultiplied picture: half-transparent white on the left, fully transparent on the right.
  const HWND D = Windows.Create(Rect(20, 90, 60, 130), Black, WS_EX_LAYERED);
  Record(D).LayerImage = std::make_unique<Surface>(40, 40, SurfaceFormat::Bgra32);
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 40; ++X) Record(D).LayerImage->SetPixel(X, Y, X < 20 ? 0x80808080u : 0);
  // A layered window nobody gave alpha, key or picture shows nothing.
  Windows.Create(Rect(200, 120, 260, 180), Cyan, WS_EX_LAYERED);
  // A colour key leaves out the white half.
  const HWND F = Windows.Create(Rect(220, 20, 280, 60), [](int X, int) { return X < 30 ? White : Cyan; },
                                WS_EX_LAYERED);
  Record(F).LayerKey = White;
  Record(F).LayerFlags = LWA_COLORKEY;
  // Hidden windows are not composed.
  Windows.Create(Rect(0, 0, 300, 200), Green, 0, WS_POPUP);
  for (HWND Layered : { C, D, F }) Screen.WindowStyleChanged(Layered);
  Screen.PumpUntilIdle();

  const struct {
    TPoint At;
    TColor Expected;
    const char* What;
  } Cases[] = {
    { { 30, 30 }, Red, "the lower window alone" },
    { { 70, 70 }, Blue, "the upper window over the lower" },
    { { 90, 90 }, Red, "the upper window's region cut-out shows the lower" },
    { { 150, 150 }, Blue, "the upper window alone" },
    { { 170, 40 }, RGB(0, 128, 0), "constant alpha over the desktop" },
    { { 150, 70 }, RGB(0, 128, 127), "constant alpha over a window" },
    { { 25, 100 }, RGB(255, 128, 128), "premultiplied picture over a window" },
    { { 25, 120 }, RGB(128, 128, 128), "premultiplied picture over the desktop" },
    { { 50, 100 }, Red, "transparent pixels of the picture" },
    { { 230, 150 }, Black, "a layered window without attributes" },
    { { 225, 40 }, Black, "the key colour" },
    { { 270, 40 }, Cyan, "colours other than the key" },
    { { -1, 5 }, Black, "outside the screen" },
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(Screen.PixelAt(Case.At.X, Case.At.Y), Case.Expected) << Case.What;

  BringWindowToTop(A);
  EXPECT_EQ(Screen.PixelAt(70, 70), Red) << "raised above the other";
  ShowWindow(A, SW_HIDE);
  EXPECT_EQ(Screen.PixelAt(30, 30), Black) << "hidden";
  EXPECT_EQ(Screen.PixelAt(70, 70), Blue) << "hidden";
}

TEST_F(Headless, PaintingWithoutPumpingShowsOnTheScreen) {
  const HWND W = Windows.Create(Rect(0, 0, 50, 50), Red);
  Screen.PumpUntilIdle();
  const HDC DC = GetDC(W);
  SetPixel(DC, 5, 5, Green);
  ReleaseDC(W, DC);
  EXPECT_EQ(Screen.PixelAt(5, 5), Green);
}

TEST_F(Headless, SyntheticClicksReachTheWindowUnderThePointThroughHitTesting) {
  const HWND Lower = Windows.Create(Rect(10, 10, 110, 110), Red);
  const HWND Upper = Windows.Create(Rect(60, 60, 160, 160), Blue);
  SetWindowRgn(Upper, CreateRectRgn(20, 20, 100, 100), true);  // the upper window's top-left band is cut away
  const HWND ClickThrough = Windows.Create(Rect(0, 0, 40, 40), Green, WS_EX_TRANSPARENT);
  const struct {
    TPoint At;
    HWND Expected;
    TPoint Client;
  } Cases[] = {
    { { 100, 100 }, Upper, { 40, 40 } },
    { { 65, 65 }, Lower, { 55, 55 } },  // in the cut-away band: the window below takes it
    { { 20, 20 }, Lower, { 10, 10 } },  // WS_EX_TRANSPARENT lets it through
    { { 200, 150 }, 0, {} },
  };
  for (const auto& Case : Cases) {
    Windows.Log.clear();
    Screen.Click(Case.At.X, Case.At.Y);
    std::vector<HWND> Pressed;
    for (const LoggedMessage& M : Windows.Log)
      if (M.Msg == WM_LBUTTONDOWN) {
        Pressed.push_back(M.Wnd);
        EXPECT_EQ(LParamToPoint(M.LParam), Case.Client) << Case.At.X << "," << Case.At.Y;
      }
    EXPECT_EQ(Pressed, (Case.Expected ? std::vector<HWND> { Case.Expected } : std::vector<HWND> {}))
        << Case.At.X << "," << Case.At.Y;
    if (Case.Expected) {
      EXPECT_FALSE(Windows.MessagesOf(Case.Expected, WM_NCHITTEST).empty());
    }
    EXPECT_TRUE(Windows.MessagesOf(ClickThrough, WM_LBUTTONDOWN).empty());
    Screen.Advance(1000);  // no double clicks between the cases
  }
}

TEST_F(Headless, SyntheticKeysAndTextReachTheFocusedWindow) {
  const HWND W = Windows.Create(Rect(10, 10, 110, 110), Red);
  Screen.Click(50, 50);
  SetFocus(W);
  Windows.Log.clear();
  Screen.Key('C', { VK_CONTROL });
  Screen.TypeText("输a");
  std::vector<std::pair<UINT, WPARAM>> Keys;
  for (const LoggedMessage& M : Windows.Log)
    if (M.Wnd == W && (M.Msg == WM_KEYDOWN || M.Msg == WM_KEYUP || M.Msg == WM_CHAR)) Keys.push_back({ M.Msg, M.WParam });
  const std::vector<std::pair<UINT, WPARAM>> Expected { { WM_KEYDOWN, VK_CONTROL }, { WM_KEYDOWN, 'C' },
                                                        { WM_CHAR, 3 },           { WM_KEYUP, 'C' },
                                                        { WM_KEYUP, VK_CONTROL }, { WM_CHAR, 0x8F93 },
                                                        { WM_CHAR, 'a' } };
  EXPECT_EQ(Keys, Expected);
}

TEST_F(Headless, AdvanceFiresTimersAtTheirDueTimesInOrder) {
  const HWND W = Windows.Create(Rect(0, 0, 10, 10), Red);
  const Int64 Start = Screen.Clock().Now();
  std::vector<std::pair<WPARAM, Int64>> Ticks;
  Windows.Handlers[W] = [&](UINT Msg, WPARAM Id, LPARAM) {
    if (Msg == WM_TIMER) Ticks.push_back({ Id, Screen.Clock().Now() - Start });
    return Msg == WM_TIMER;
  };
  SetTimer(W, 1, 100);
  SetTimer(W, 2, 250);
  Screen.Advance(450);

  const std::vector<std::pair<WPARAM, Int64>> Nominal { { 1, 100 }, { 1, 200 }, { 2, 250 }, { 1, 300 }, { 1, 400 } };
  ASSERT_EQ(Ticks.size(), Nominal.size());
  for (size_t I = 0; I < Ticks.size(); ++I) {
    EXPECT_EQ(Ticks[I].first, Nominal[I].first) << I;
    // Reading the tick count moves the clock a millisecond, so a tick may come a little late.
    EXPECT_GE(Ticks[I].second, Nominal[I].second) << I;
    EXPECT_LT(Ticks[I].second, Nominal[I].second + 20) << I;
  }
  EXPECT_GE(Screen.Clock().Now() - Start, 450);
  EXPECT_LT(Screen.Clock().Now() - Start, 470);
}

TEST_F(Headless, GetTickCountMovesOnEveryRead) {
  const Cardinal First = GetTickCount();
  EXPECT_EQ(GetTickCount(), First + 1);
}

TEST_F(Headless, LoopsWaitingForATimerRunOnVirtualTime) {
  const HWND W = Windows.Create(Rect(0, 0, 10, 10), Red);
  int Ticks = 0;
  Windows.Handlers[W] = [&](UINT Msg, WPARAM, LPARAM) {
    Ticks += Msg == WM_TIMER;
    return Msg == WM_TIMER;
  };
  const Int64 Start = Screen.Clock().Now();
  SetTimer(W, 1, 1000);
  RunModalLoop([&] { return Ticks >= 3; });
  EXPECT_EQ(Ticks, 3);
  EXPECT_GE(Screen.Clock().Now() - Start, 3000);
}

TEST_F(Headless, AHandOverEndsAWaitWithoutDeadline) {
  bool Ran = false;
  std::thread Worker([&] { Synchronize([&] { Ran = true; }); });
  RunModalLoop([&] { return Ran; });
  Worker.join();
  EXPECT_TRUE(Ran);
}

TEST_F(Headless, ScreenshotsRoundTripThroughPng) {
  Windows.Create(Rect(20, 30, 120, 90), [](int X, int Y) { return RGB(uint8_t(X * 2), uint8_t(Y * 3), 77); });
  const HWND Covered = Windows.Create(Rect(100, 50, 140, 80), Red);
  Windows.Create(Rect(110, 60, 200, 150), Blue);
  Screen.PumpUntilIdle();

  const String ScreenFile = testing::TempDir() + "headless-screen.png";
  Screen.SaveScreenPng(ScreenFile);
  TPngImage Png;
  Png.LoadFromFile(ScreenFile);
  ASSERT_EQ(Png.Width(), 300);
  ASSERT_EQ(Png.Height(), 200);
  int Mismatches = 0;
  for (int Y = 0; Y < 200; ++Y) {
    const uint8_t* Row = Png.Scanline(Y);
    for (int X = 0; X < 300; ++X)
      Mismatches += RGB(Row[3 * X + 2], Row[3 * X + 1], Row[3 * X]) != Screen.PixelAt(X, Y);
  }
  EXPECT_EQ(Mismatches, 0);

  // One window's own pixels, also where another window covers it.
  const String WindowFile = testing::TempDir() + "headless-window.png";
  Screen.SaveWindowPng(Covered, WindowFile);
  Png.LoadFromFile(WindowFile);
  ASSERT_EQ(Png.Width(), 40);
  ASSERT_EQ(Png.Height(), 30);
  const uint8_t* Corner = Png.Scanline(29) + 3 * 39;
  EXPECT_EQ(RGB(Corner[2], Corner[1], Corner[0]), Red);

  EXPECT_THROW(Screen.SaveWindowPng(HWND(12345), WindowFile), Exception);
  std::remove(ScreenFile.c_str());
  std::remove(WindowFile.c_str());
}

TEST_F(Headless, MonitorsAreConfigurableAndAnnounced) {
  const HWND Left = Windows.Create(Rect(100, 100, 200, 200), Red);
  Windows.Create(Rect(1500, 300, 1600, 400), Blue);
  Screen.SetMonitors({ { Rect(0, 0, 1000, 700), Rect(0, 0, 1000, 660) },
                       { Rect(1000, 100, 1800, 700), Rect(1000, 100, 1800, 700) } });

  const TPlatformCapabilities& Caps = PlatformCapabilities();
  ASSERT_EQ(Caps.Monitors.size(), 2u);
  EXPECT_EQ(Caps.Monitors[0].WorkArea, Rect(0, 0, 1000, 660));
  EXPECT_EQ(Screen.ScreenBounds(), Rect(0, 0, 1800, 700));
  EXPECT_EQ(Screen.Screen().Width(), 1800);
  Screen.PumpUntilIdle();
  EXPECT_EQ(Screen.PixelAt(1550, 350), Blue);
  EXPECT_EQ(Windows.MessagesOf(Left, WM_DISPLAYCHANGE).size(), 1u);

  Screen.SetWorkArea(Rect(0, 30, 1000, 700));
  EXPECT_EQ(PlatformCapabilities().Monitors[0].WorkArea, Rect(0, 30, 1000, 700));
  EXPECT_THROW(Screen.SetMonitors({}), Exception);
}

TEST(HeadlessLifetime, PutsBackWhatItChanged) {
  const std::vector<TMonitorArea> Before = PlatformCapabilities().Monitors;
  HWND Left = 0;
  {
    HeadlessPresenter Screen { TSize { 640, 480 } };
    EXPECT_EQ(&CurrentClock(), &Screen.Clock());
    EXPECT_TRUE(TestFontFaceInUse());
    EXPECT_EQ(PlatformCapabilities().Monitors[0].Bounds, Rect(0, 0, 640, 480));
    EXPECT_EQ(WindowSystem::Get().Presenter(), &Screen);
    PaintedWindows Windows;
    Left = Windows.Create(Rect(0, 0, 10, 10), Red);
  }
  EXPECT_EQ(&CurrentClock(), &RealClock());
  EXPECT_FALSE(TestFontFaceInUse());
  EXPECT_EQ(PlatformCapabilities().Monitors.size(), Before.size());
  EXPECT_EQ(WindowSystem::Get().Presenter(), nullptr);
  EXPECT_FALSE(IsWindow(Left));
}

}  // namespace

// A worker thread ending while a presenter is torn down wakes the window system; the wake must never reach
// the presenter or its clock once they are gone (caught by the sanitizer builds).
TEST(HeadlessTeardown, PresentersComeAndGoWhileAnotherThreadWakesTheUiThread) {
  std::atomic<bool> Stop { false };
  std::thread Waker([&] {
    while (!Stop) WakeWaiters();
  });
  for (int I = 0; I < 200; ++I) {
    HeadlessPresenter Screen { TSize { 64, 48 } };
    WindowSystem::Get().Wake();
  }
  Stop = true;
  Waker.join();
}
