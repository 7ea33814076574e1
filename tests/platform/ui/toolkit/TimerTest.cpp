// Timers on the window system's timers: the period, switching off, and freeing from inside the tick.
#include "platform/ui/toolkit/TTimer.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

using TimerTest = AppTest;

TEST_F(TimerTest, TicksEveryIntervalWhileEnabled) {
  TTimer Timer(nullptr);
  int Ticks = 0;
  Timer.OnTimer = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &Timer);
    ++Ticks;
  };
  Timer.SetInterval(100);
  Display->Advance(350);
  EXPECT_EQ(Ticks, 3);
  Timer.SetEnabled(false);
  Display->Advance(500);
  EXPECT_EQ(Ticks, 3);
  Timer.SetEnabled(true);
  Display->Advance(50);
  Timer.SetInterval(80);  // a new interval starts a new period
  Display->Advance(70);
  EXPECT_EQ(Ticks, 3);
  Display->Advance(10);
  EXPECT_EQ(Ticks, 4);
  Timer.SetInterval(0);
  Display->Advance(500);
  EXPECT_EQ(Ticks, 4) << "interval 0 does not run";
}

TEST_F(TimerTest, ATimerFreedInItsOwnTickAndOneThatFreesItsOwnerFormStop) {
  int Ticks = 0;
  auto* Self = new TTimer(nullptr);
  Self->SetInterval(20);
  Self->OnTimer = [&](TObject* Sender) {
    ++Ticks;
    delete static_cast<TTimer*>(Sender);
  };
  TForm* Form = NewForm(Bounds(0, 0, 100, 100));
  Form->Show();
  auto* Owned = new TTimer(Form);
  Owned->SetInterval(30);
  bool FormGone = false;
  Form->OnDestroy = [&](TObject*) { FormGone = true; };
  Owned->OnTimer = [&](TObject*) {
    ++Ticks;
    delete Form;  // a repeat click that closes its form
  };
  Display->Advance(200);
  EXPECT_EQ(Ticks, 2);
  EXPECT_TRUE(FormGone);
  EXPECT_FALSE(WindowSystem::Get().NextTimerDue()) << "no timer is left running";
}

/// A top-level control of its own, as popups are.
class RootPanel : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  bool IsRootWindow() const override { return true; }

protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.WndParent = 0;
  }
};

TEST_F(TimerTest, WhatATickDrawsOnAControlsCanvasReachesTheScreen) {
  auto Panel = std::make_unique<RootPanel>(nullptr);
  Panel->SetBounds(100, 100, 50, 50);
  SetWindowPos(Panel->Handle(), HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Panel->SetVisible(true);
  Display->PumpUntilIdle();
  const TPoint P = Panel->ClientToScreen({ 5, 5 });
  ASSERT_EQ(Display->PixelAt(P.X, P.Y), TColor(RGB(255, 255, 255)));
  // Each tick paints the next colour; each must show before the next tick.
  const TColor Colours[] = { RGB(200, 0, 100), RGB(0, 150, 50), RGB(20, 20, 220) };
  int Tick = 0;
  TTimer Timer(nullptr);
  Timer.SetInterval(25);
  Timer.OnTimer = [&](TObject*) {
    Panel->Canvas()->Brush()->SetColor(Colours[Tick++]);
    Panel->Canvas()->FillRect(Rect(0, 0, 20, 20));
  };
  for (const TColor Colour : Colours) {
    Display->Advance(25);
    EXPECT_EQ(Display->PixelAt(P.X, P.Y), Colour);
  }
}

}  // namespace
