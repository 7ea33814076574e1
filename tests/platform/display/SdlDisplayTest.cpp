// The SDL2 presenter on a real X server: what a window paints is what the screen shows, a click of the X
// server reaches the window as a client message, the native windows follow the window system's z-order
// and regions, the desktop's moves come back, the main form has the program's taskbar entry, presenting
// loads no OpenGL driver, an X error about a window already gone does not end the program, and layered
// windows are offered and shown with their alpha while a compositing manager runs. Skipped without DISPLAY.
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
#include "platform/gdi/Gdi.h"
#include "platform/gdi/PixelOps.h"
#include "platform/ui/winsys/InputLayer.h"
#include "platform/ui/winsys/LayeredWindows.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "tests/platform/display/PresenterFixture.h"
#include "tests/platform/display/SdlAppFixture.h"
#include "tests/platform/display/XCompositorStandIn.h"
#include "tests/platform/display/XGoneWindow.h"
#include "tests/platform/display/XRunningCompositor.h"
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
using LayeredDisplay = SdlDisplay;

/// A layered window at R showing a picture through UpdateLayeredWindow: premultiplied Left on the left
/// half, Right on the right half.
HWND PictureWindow(PaintedWindows& Windows, TRect R, uint32_t Left, uint32_t Right) {
  const HWND Wnd = Windows.Create(R, clBlack, WS_EX_LAYERED);
  BITMAPINFO Info {};
  Info.bmiHeader.biWidth = R.Width();
  Info.bmiHeader.biHeight = -R.Height();
  Info.bmiHeader.biBitCount = 32;
  void* Bits = nullptr;
  HBITMAP Picture = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  auto* Pixels = static_cast<uint32_t*>(Bits);
  for (int Y = 0; Y < R.Height(); ++Y)
    for (int X = 0; X < R.Width(); ++X) Pixels[Y * R.Width() + X] = X < R.Width() / 2 ? Left : Right;
  HDC Memory = CreateCompatibleDC(nullptr);
  HGDIOBJ Old = SelectObject(Memory, Picture);
  const TSize Size { R.Width(), R.Height() };
  const BLENDFUNCTION Blend { AC_SRC_OVER, 0, 255, AC_SRC_ALPHA };
  EXPECT_TRUE(UpdateLayeredWindow(Wnd, nullptr, nullptr, &Size, Memory, nullptr, 0, &Blend, ULW_ALPHA));
  SelectObject(Memory, Old);
  DeleteDC(Memory);
  DeleteObject(Picture);
  return Wnd;
}

bool LayeringOffered() { return PlatformCapabilities().LayeredWindowsAvailable(); }

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

// The capability is the X server's answer of the moment: a manager starting or stopping while the program
// runs turns it on and off, and the windows already layered follow.
TEST_F(LayeredDisplay, LayeredWindowsAreOfferedOnlyWhileACompositingManagerRuns) {
  const HWND Faded = Windows->Create(Rect(100, 100, 200, 200), clRed, WS_EX_LAYERED);
  ASSERT_TRUE(SetLayeredWindowAttributes(Faded, 0, 128, LWA_ALPHA));
  const HWND Glow = PictureWindow(*Windows, Rect(300, 100, 400, 200), 0x80404040u, 0);
  ProcessPendingMessages();
  auto Opacity = [&] { return XCardinalProperty(XId(Faded), "_NET_WM_WINDOW_OPACITY"); };
  auto GlowShown = [&] {
    SDL_Window* N = Presenter->NativeWindow(Glow);
    return N && (SDL_GetWindowFlags(N) & SDL_WINDOW_SHOWN);
  };

  EXPECT_FALSE(LayeringOffered());
  EXPECT_TRUE(ScreenShows({ 150, 150 }, clRed)) << "a faded form is shown opaque without a manager";
  EXPECT_EQ(Opacity(), std::nullopt);
  EXPECT_FALSE(GlowShown()) << "a picture would show black where it is transparent";
  {
    XCompositorStandIn Manager;
    ASSERT_TRUE(Manager.Owns());
    EXPECT_TRUE(RunUntil(LayeringOffered)) << "a manager started";
    ASSERT_TRUE(Opacity());
    EXPECT_NEAR(double(*Opacity()), 128.0 / 255 * 0xFFFFFFFFu, 256);
    EXPECT_TRUE(GlowShown());
    EXPECT_EQ(XWindowDepth(XId(Glow)), 32);
  }
  EXPECT_TRUE(RunUntil([] { return !LayeringOffered(); })) << "the manager stopped";
  EXPECT_FALSE(GlowShown());
  EXPECT_EQ(Opacity(), std::nullopt);
  EXPECT_TRUE(ScreenShows({ 150, 150 }, clRed));
}

// What the manager blends: a picture's premultiplied pixels as they are, a colour key as transparent pixels
// and every other pixel of a keyed window opaque.
TEST_F(LayeredDisplay, ThePixelsOfALayeredWindowCarryItsAlpha) {
  XCompositorStandIn Manager;
  ASSERT_TRUE(RunUntil(LayeringOffered));
  const HWND Glow = PictureWindow(*Windows, Rect(100, 100, 200, 200), 0x80404040u, 0);
  const HWND Keyed =
      Windows->Create(Rect(300, 100, 400, 200), [](int X, int) { return X < 50 ? clLime : clBlue; }, WS_EX_LAYERED);
  ASSERT_TRUE(SetLayeredWindowAttributes(Keyed, clLime, 0, LWA_COLORKEY));
  ProcessPendingMessages();
  const struct {
    HWND Wnd;
    TPoint At;
    uint32_t Pixel;
    const char* What;
  } Cases[] = {
    { Glow, { 10, 10 }, 0x80404040u, "half-transparent grey of the picture" },
    { Glow, { 90, 10 }, 0, "transparent part of the picture" },
    { Keyed, { 10, 10 }, 0, "the key colour" },
    { Keyed, { 90, 10 }, 0xFF0000FFu, "blue, opaque" },
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(XWindowDepth(XId(Case.Wnd)), 32) << Case.What;
    uint32_t Pixel = 1;
    EXPECT_TRUE(RunUntil([&] { return (Pixel = XWindowPixel(XId(Case.Wnd), Case.At.X, Case.At.Y)) == Case.Pixel; }))
        << Case.What << ": " << std::hex << Pixel;
  }
}

// What a user sees under a real compositing manager: a form's constant alpha and a picture's own alpha
// blend with the window beneath; the picture's transparent part shows that window as it is.
TEST_F(LayeredDisplay, UnderACompositingManagerLayeredWindowsBlendWithWhatLiesBeneath) {
  XRunningCompositor Manager;
  if (!Manager.Started()) GTEST_SKIP() << "no compositing manager installed";
  ASSERT_TRUE(RunUntil(LayeringOffered));
  Windows->Create(Rect(100, 100, 400, 200), clRed);
  const HWND Faded = Windows->Create(Rect(120, 120, 220, 180), clLime, WS_EX_LAYERED);
  ASSERT_TRUE(SetLayeredWindowAttributes(Faded, 0, 128, LWA_ALPHA));
  PictureWindow(*Windows, Rect(250, 120, 350, 180), 0x80000080u, 0);
  ProcessPendingMessages();
  const struct {
    TPoint At;
    TColor Shown;
    const char* What;
  } Cases[] = {
    { { 150, 150 }, RGB(127, 128, 0), "green at half alpha over red" },
    { { 270, 150 }, RGB(127, 0, 128), "half-transparent blue of the picture over red" },
    { { 330, 150 }, clRed, "the picture's transparent part" },
  };
  XScreenshot Shot;
  for (const auto& Case : Cases) {
    TColor Seen = clNone;
    EXPECT_TRUE(RunUntil([&] { return Shot.NearFrom(Manager.Overlay(), Case.At, Case.Shown, 2, Seen); }))
        << Case.What << ": " << std::hex << Seen;
  }
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
