// The SDL2 presenter on a real X server: what a window paints is what the screen shows, a click of the X
// server reaches the window as a client message, the native windows follow the window system's z-order
// and regions, the desktop's moves come back, the main form has the program's taskbar entry, presenting
// loads no OpenGL driver, and an X error about a window already gone does not end the program.
// Skipped without DISPLAY.
#include <SDL.h>
#include <gmock/gmock.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>
#include <string>

#include "platform/base/Clock.h"
#include "platform/display/SdlPresenter.h"
#include "platform/display/X11Native.h"
#include "platform/gdi/PixelOps.h"
#include "platform/ui/winsys/InputLayer.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "tests/platform/display/PresenterFixture.h"
#include "tests/platform/display/SdlAppFixture.h"
#include "tests/platform/display/XGoneWindow.h"
#include "tests/platform/display/XScreenshot.h"
#include "tests/platform/display/XWindowProperties.h"

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

  /// The X window id of top-level Wnd's native window (0: none).
  unsigned long XId(HWND Wnd) const {
    const auto X = X11Native::Of(Presenter->NativeWindow(Wnd));
    return X ? X->Id() : 0;
  }
  /// Waits until the screen shows Color at P.
  static bool ScreenShows(TPoint P, TColor Color) {
    XScreenshot Shot;
    return RunUntil([&] { return Shot.Take(Bounds(P.X, P.Y, 1, 1)) && Shot.At(P.X, P.Y) == Color; });
  }
  bool Pressed(HWND Wnd) const { return !Windows->MessagesOf(Wnd, WM_LBUTTONDOWN).empty(); }

  std::unique_ptr<SdlPresenter> Presenter;
  std::unique_ptr<PaintedWindows> Windows;
};

using TaskbarDisplay = SdlAppFixture;

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

TEST_F(SdlDisplay, WindowsReachTheScreenWithoutLoadingAnOpenGLDriver) {
  // Presenting through a GPU texture would load an OpenGL driver (under Xvfb a software one with its
  // compiler): some hundred milliseconds and tens of megabytes at every start, for copying pixels.
  Windows->Create(Rect(100, 100, 200, 180), clGreen);
  ProcessPendingMessages();
  ASSERT_TRUE(ScreenShows({ 150, 150 }, clGreen));
  std::ifstream Maps("/proc/self/maps");
  std::string Line;
  std::set<std::string> Loaded;
  while (std::getline(Maps, Line))
    if (Line.find("/libGL") != std::string::npos || Line.find("/libEGL") != std::string::npos)
      Loaded.insert(Line.substr(Line.find('/')));
  EXPECT_THAT(Loaded, testing::IsEmpty());
}

TEST_F(SdlDisplay, AWakeUpThatReachesAWindowAlreadyGoneEndsNothing) {
  // Xlib's own handler, behind SDL's, would end the program here with exit code 1.
  ASSERT_TRUE(SendToAGoneWindow());
  Windows->Create(Rect(100, 100, 200, 180), clBlue);
  ProcessPendingMessages();
  EXPECT_TRUE(ScreenShows({ 150, 150 }, clBlue));
}

TEST_F(SdlDisplay, ClickingTheLowerOfTwoOverlappingWindowsRaisesItNatively) {
  const HWND Lower = Windows->Create(Rect(100, 100, 300, 300), clRed);
  const HWND Upper = Windows->Create(Rect(200, 200, 400, 400), clBlue);
  ProcessPendingMessages();
  ASSERT_TRUE(ScreenShows({ 250, 250 }, clBlue));

  ASSERT_EQ(std::system("xdotool mousemove --sync 150 150 click 1"), 0);
  ASSERT_TRUE(RunUntil([&] { return Pressed(Lower); }));
  EXPECT_EQ(GetActiveWindow(), Lower);
  EXPECT_TRUE(ScreenShows({ 250, 250 }, clRed)) << "the clicked window is on top on the screen too";

  Windows->Log.clear();
  ASSERT_EQ(std::system("xdotool mousemove --sync 250 250 click 1"), 0);
  EXPECT_TRUE(RunUntil([&] { return Pressed(Lower); }));
  EXPECT_FALSE(Pressed(Upper));
}

TEST_F(SdlDisplay, AWindowMovedByAnotherProgramReportsItsNewPlace) {
  const HWND W = Windows->Create(Rect(100, 100, 200, 180), clGreen);
  ProcessPendingMessages();
  ASSERT_TRUE(ScreenShows({ 150, 150 }, clGreen));
  Windows->Log.clear();
  ASSERT_EQ(std::system(("xdotool windowmove --sync " + std::to_string(XId(W)) + " 400 300").c_str()), 0);
  ASSERT_TRUE(RunUntil([&] { return !Windows->MessagesOf(W, WM_MOVE).empty(); })) << "no WM_MOVE";
  TRect R;
  GetWindowRect(W, &R);
  EXPECT_EQ(R, Rect(400, 300, 500, 380));
}

TEST_F(SdlDisplay, AMinimizedWindowLeavesTheScreenWithoutAWindowManagerAndComesBackRestored) {
  Windows->Create(Rect(80, 400, 300, 600), clRed);
  const HWND W = Windows->Create(Rect(100, 420, 200, 500), clGreen);
  ProcessPendingMessages();
  ASSERT_TRUE(ScreenShows({ 150, 450 }, clGreen));
  ShowWindow(W, SW_MINIMIZE);
  ProcessPendingMessages();
  EXPECT_TRUE(ScreenShows({ 150, 450 }, clRed)) << "the window beneath shows";
  ShowWindow(W, SW_RESTORE);
  ProcessPendingMessages();
  EXPECT_TRUE(ScreenShows({ 150, 450 }, clGreen)) << "its pixels are back";
}

// Without a window manager SDL gives a shown native window the keyboard focus itself, and the X server
// leaves it nowhere when that window goes: a drop-down closing hands it back to the active window.
TEST_F(SdlDisplay, KeysReachTheActiveWindowAfterADropDownHadTheFocusAndClosed) {
  const HWND Form = Windows->Create(Rect(100, 500, 300, 600), clRed);
  ProcessPendingMessages();
  ASSERT_TRUE(ScreenShows({ 150, 550 }, clRed));
  ASSERT_EQ(GetActiveWindow(), Form);
  const HWND DropDown = Windows->Create(Rect(320, 500, 420, 600), clBlue, WS_EX_TOOLWINDOW);
  ProcessPendingMessages();
  ASSERT_TRUE(ScreenShows({ 350, 550 }, clBlue));
  ShowWindow(DropDown, SW_HIDE);
  ASSERT_TRUE(ScreenShows({ 350, 550 }, clBlack));

  ASSERT_TRUE(RunUntil([&] { return SDL_GetKeyboardFocus() == Presenter->NativeWindow(Form); }))
      << "the X server left the keyboard focus nowhere";
  ASSERT_EQ(std::system("xdotool mousemove --sync 600 650 key a"), 0);
  EXPECT_TRUE(RunUntil([&] { return !Windows->MessagesOf(Form, WM_KEYDOWN).empty(); })) << "the key went nowhere";
  EXPECT_EQ(GetForegroundWindow(), Form) << "the program stays active";
}

TEST_F(SdlDisplay, AWindowRegionShapesTheNativeWindow) {
  Windows->Create(Rect(450, 50, 650, 250), clRed);
  const HWND W = Windows->Create(Rect(500, 100, 600, 200), clGreen);
  SetWindowRgn(W, CreateRectRgn(0, 0, 50, 100), true);
  ProcessPendingMessages();
  EXPECT_TRUE(ScreenShows({ 525, 150 }, clGreen));
  EXPECT_TRUE(ScreenShows({ 575, 150 }, clRed)) << "the cut-out shows the window beneath";
}

TEST_F(TaskbarDisplay, TheMainFormHasTheProgramsTaskbarEntryWithTheApplicationsTitle) {
  App->SetTitle("ZorvikWMV格式转换器");
  TForm* Main = nullptr;
  App->CreateForm(Main);
  Main->SetCaption("Main window");
  Main->SetBounds(100, 100, 300, 200);
  auto* Dialog = new TForm(App.get());
  Dialog->SetBounds(500, 100, 200, 100);
  Main->Show();
  Dialog->Show();
  ProcessPendingMessages();
  auto Id = [&](TForm* Form) {
    const auto X = X11Native::Of(Presenter->NativeWindow(Form->Handle()));
    return X ? X->Id() : 0;
  };
  ASSERT_NE(Id(Main), 0u);
  auto SkipsTaskbar = [](unsigned long Window) {
    const auto State = XAtomListProperty(Window, "_NET_WM_STATE");
    return std::find(State.begin(), State.end(), "_NET_WM_STATE_SKIP_TASKBAR") != State.end();
  };
  EXPECT_FALSE(SkipsTaskbar(Id(Main)));
  EXPECT_EQ(XUtf8Property(Id(Main), "_NET_WM_NAME"), "ZorvikWMV格式转换器");
  EXPECT_TRUE(SkipsTaskbar(Id(Dialog))) << "one entry for the program";
}

}  // namespace

namespace {

using MoveLoopDisplay = SdlAppFixture;

// The whole drag reaches the queue before the loop moves the window: every step keeps the place the
// server reported it at, so the window ends exactly the pointer's way from where it started.
TEST_F(MoveLoopDisplay, ACaptionDragMovesTheWindowByThePointersWay) {
  auto* Form = new TForm(App.get());
  Form->SetBorderStyle(bsSingle);
  Form->SetBounds(200, 150, 300, 160);
  Form->Show();
  ProcessPendingMessages();
  ASSERT_EQ(SendMessage(Form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(350, 160)), HTCAPTION);
  ASSERT_EQ(std::system("xdotool mousemove --sync 350 160 mousedown 1 mousemove --sync 380 180 "
                        "mousemove --sync 410 200 mousemove --sync 420 230 mouseup 1"),
            0);
  EXPECT_TRUE(RunUntil([&] { return Form->Left() == 270 && Form->Top() == 220; }))
      << "at " << Form->Left() << ", " << Form->Top();
}

}  // namespace
