// The conversion preview window in the window system, composed by the headless presenter.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

extern "C" {
#include <libavutil/avutil.h>
}

#include "engine/tasklist/TPreviewer.h"
#include "platform/base/MainThread.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TBrush.h"
#include "platform/ui/winsys/InputLayer.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"

namespace {

/// A 24-bit picture of one colour.
std::unique_ptr<TBitmap> Picture(int AWidth, int AHeight, TColor AColor) {
  auto Bitmap = std::make_unique<TBitmap>();
  Bitmap->SetPixelFormat(pf24bit);
  Bitmap->SetSize(AWidth, AHeight);
  Bitmap->Canvas()->Brush()->SetColor(AColor);
  Bitmap->Canvas()->FillRect(Rect(0, 0, AWidth, AHeight));
  return Bitmap;
}

TRect ClientOnScreen(HWND AWnd) {
  TRect Client;
  GetClientRect(AWnd, &Client);
  MapWindowPoints(AWnd, 0, &Client);
  return Client;
}

class PreviewerTest : public testing::Test {
protected:
  /// Presses the picture of AForm and drags it by (ADX, ADY): the pointer's steps are given once the
  /// window's move loop runs, as a user's would be. Answers how far the window moved.
  TPoint DragBy(HWND AForm, int ADX, int ADY) {
    const TRect Before = ClientOnScreen(AForm);
    const TPoint From { Before.Left + 50, Before.Top + 40 };
    const TPoint To { From.X + ADX, From.Y + ADY };
    const WNDPROC Previous = WNDPROC(GetWindowLongPtr(AForm, GWL_WNDPROC));
    WindowProc Watcher([&](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
      if (Msg == WM_ENTERSIZEMOVE) {
        Queue([To] { InputLayer::Get().PointerMoved(To); });
        Queue([To] { InputLayer::Get().PointerButtonChanged(PointerButton::Left, false, To); });
      }
      return CallWindowProc(Previous, Wnd, Msg, W, L);
    });
    SetWindowLongPtr(AForm, GWL_WNDPROC, LONG_PTR(&Watcher));
    Screen.ButtonDown(From.X, From.Y);
    SetWindowLongPtr(AForm, GWL_WNDPROC, LONG_PTR(Previous));
    const TRect After = ClientOnScreen(AForm);
    return { After.Left - Before.Left, After.Top - Before.Top };
  }

  HeadlessPresenter Screen { { 1280, 800 } };
};

}  // namespace

TEST_F(PreviewerTest, TheFirstFrameOpensACentredWindowThatAWorkerWaitsFor) {
  auto Owned = std::make_unique<TPreviewer>();
  TPreviewer& Previewer = *Owned;
  EXPECT_EQ(Previewer.FormHandle(), 0u);
  auto Red = Picture(160, 120, clRed);
  std::atomic<int> Answer { -1 };
  std::thread Worker([&] {
    Answer = Previewer.PaintFrame(Red.get(), 25, 1000000);
    WakeWaiters();
  });
  ASSERT_TRUE(WaitServing([&] { return Answer >= 0; }, 5000));  // painted while the worker waited
  Worker.join();
  EXPECT_EQ(Answer, 1);
  const HWND Form = Previewer.FormHandle();
  ASSERT_NE(Form, 0u);
  EXPECT_EQ(GetWindowText(Form), "00:00:01.000");
  const TRect Client = ClientOnScreen(Form);
  EXPECT_EQ(Client.Width(), 160);
  EXPECT_EQ(Client.Height(), 120);
  TRect Window;
  GetWindowRect(Form, &Window);
  EXPECT_EQ(Window.Left, (1280 - Window.Width()) / 2);
  EXPECT_EQ(Window.Top, (800 - Window.Height()) / 2);
  EXPECT_TRUE(GetWindowLong(Form, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(Form));
  Screen.PumpUntilIdle();
  EXPECT_EQ(Screen.PixelAt(Client.Left + 80, Client.Top + 60), clRed);

  // A later frame of another size is drawn at the corner; the window keeps its size. No time: "N/A".
  auto Blue = Picture(40, 30, clBlue);
  EXPECT_TRUE(Previewer.PaintFrame(Blue.get(), 26, AV_NOPTS_VALUE));
  EXPECT_EQ(GetWindowText(Form), "N/A");
  EXPECT_EQ(ClientOnScreen(Form), Client);
  Screen.PumpUntilIdle();
  EXPECT_EQ(Screen.PixelAt(Client.Left + 5, Client.Top + 5), clBlue);
  // The shown frame comes back after the window was covered.
  InvalidateRect(Form, nullptr, true);
  Screen.PumpUntilIdle();
  EXPECT_EQ(Screen.PixelAt(Client.Left + 5, Client.Top + 5), clBlue);

  // The task frees its previewer on its own thread: the window goes on the user-interface thread.
  std::atomic<bool> Freed { false };
  std::thread Ending([&] {
    Owned.reset();
    Freed = true;
    WakeWaiters();
  });
  ASSERT_TRUE(WaitServing([&] { return Freed.load(); }, 5000));
  Ending.join();
  EXPECT_FALSE(IsWindow(Form));
  EXPECT_TRUE(MessageHooks().Empty());
}

TEST_F(PreviewerTest, AClosedWindowRefusesFurtherFrames) {
  TPreviewer Previewer;
  auto Red = Picture(64, 48, clRed);
  ASSERT_TRUE(Previewer.PaintFrame(Red.get(), 1, 0));
  const HWND Form = Previewer.FormHandle();
  Screen.RequestClose(Form);
  Screen.PumpUntilIdle();
  EXPECT_FALSE(IsWindow(Form));
  EXPECT_TRUE(Previewer.Closed());
  EXPECT_EQ(Previewer.FormHandle(), 0u);
  EXPECT_FALSE(Previewer.PaintFrame(Red.get(), 2, 40000));
  EXPECT_EQ(Previewer.FormHandle(), 0u);
  EXPECT_EQ(Previewer.FrameNumber(), 1);
}

TEST_F(PreviewerTest, EveryOpenWindowCanBeDraggedByItsPictureWhateverOrderTheyGo) {
  for (bool FirstGoesFirst : { true, false }) {
    SCOPED_TRACE(FirstGoesFirst);
    auto First = std::make_unique<TPreviewer>();
    auto Second = std::make_unique<TPreviewer>();
    auto Frame = Picture(100, 80, clGreen);
    First->PaintFrame(Frame.get(), 1, 0);
    Second->PaintFrame(Frame.get(), 1, 0);
    // Both open at the centre; the second one, on top, is moved away first.
    EXPECT_EQ(DragBy(Second->FormHandle(), 200, 100), (TPoint { 200, 100 }));
    EXPECT_EQ(DragBy(First->FormHandle(), -150, 20), (TPoint { -150, 20 }));
    TPreviewer* Staying = FirstGoesFirst ? Second.get() : First.get();
    (FirstGoesFirst ? First : Second).reset();
    EXPECT_EQ(DragBy(Staying->FormHandle(), 30, 30), (TPoint { 30, 30 }));
    (FirstGoesFirst ? Second : First).reset();
    EXPECT_TRUE(MessageHooks().Empty());
  }
}
