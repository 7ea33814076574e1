// The glow window on the headless presenter: its picture with the mask's alpha composed over the screen,
// the fade on the virtual clock, its place in the z-order, and that it never takes the activation, the
// focus or a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/LayeredWindows.h"
#include "platform/ui/toolkit/TCustomControl.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowClass.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "skin/core/TskLayerManager.h"

namespace {

// A plain top-level popup that shows by its own Visible and notes where it is pressed.
class Popup : public TCustomControl {
public:
  explicit Popup(TRect R) : TCustomControl(nullptr) {
    FVisible = false;
    SetBoundsRect(R);
    SetColor(clWhite);
  }
  bool IsRootWindow() const override { return true; }

  std::vector<TPoint> Presses;

protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    Presses.push_back({ X, Y });
    TCustomControl::MouseDown(Button, Shift, X, Y);
  }
};

class TskLayerManagerTest : public ::testing::Test {
protected:
  void SetUp() override {
    WindowSystem::Get().Reset();
    Display.emplace(TSize { 300, 200 });
    Manager = std::make_unique<TskLayerManager>(nullptr);
    // A 10 x 4 glow: its left half opaque, its right half with the mask's mean 302 / 3, fraction dropped.
    Image.SetPixelFormat(pf24bit);
    Image.SetSize(10, 4);
    Image.Canvas()->Brush()->SetColor(RGB(200, 150, 40));
    Image.Canvas()->FillRect(Rect(0, 0, 10, 4));
    Mask.SetPixelFormat(pf24bit);
    Mask.SetSize(10, 4);
    Mask.Canvas()->Brush()->SetColor(clWhite);
    Mask.Canvas()->FillRect(Rect(0, 0, 5, 4));
    Mask.Canvas()->Brush()->SetColor(RGB(100, 100, 102));
    Mask.Canvas()->FillRect(Rect(5, 0, 10, 4));
  }
  void TearDown() override {
    Manager.reset();
    Display.reset();
  }

  // The glow windows there are, top first.
  static std::vector<HWND> GlowWindows() {
    std::vector<HWND> Result;
    for (const Window* W : WindowSystem::Get().TopLevelWindows())
      if (GetClassName(W->Handle) == "TskLayerWindow")
        Result.push_back(W->Handle);
    return Result;
  }
  static HWND Glow() {
    const std::vector<HWND> Glows = GlowWindows();
    return Glows.size() == 1 ? Glows[0] : 0;
  }
  static int GlowAlpha() { return WindowSystem::Get().Find(Glow())->LayerAlpha; }
  static bool FadeRunning() { return WindowSystem::Get().NextTimerDue().has_value(); }
  // The top-level windows among Of, top first.
  static std::vector<HWND> ZOrder(const std::vector<HWND>& Of) {
    std::vector<HWND> Result;
    for (const Window* W : WindowSystem::Get().TopLevelWindows())
      if (std::find(Of.begin(), Of.end(), W->Handle) != Of.end())
        Result.push_back(W->Handle);
    return Result;
  }
  // The alphas of every fade step until the fade stops (at most 20 steps).
  std::vector<int> FadeSteps() {
    std::vector<int> Alphas;
    while (FadeRunning() && Alphas.size() < 20) {
      Display->Advance(25);
      Alphas.push_back(GlowAlpha());
    }
    return Alphas;
  }
  std::unique_ptr<Popup> ShowPopup(TRect R) {
    auto Result = std::make_unique<Popup>(R);
    Result->Show();
    Display->PumpUntilIdle();
    return Result;
  }

  std::optional<HeadlessPresenter> Display;
  TBitmap Image, Mask;
  std::unique_ptr<TskLayerManager> Manager;
};

TColor Channels(int R, int G, int B) { return RGB(Byte(R), Byte(G), Byte(B)); }

}  // namespace

TEST_F(TskLayerManagerTest, TheGlowComposesWithItsMaskAlphaAndFadesInTenStepsOf25Milliseconds) {
  Manager->Show(100, 50, &Image, &Mask, 255);

  ASSERT_NE(Glow(), HWND(0));
  EXPECT_TRUE(Manager->IsVisible);
  EXPECT_EQ(GetWindowLong(Glow(), GWL_STYLE), WS_POPUP | WS_VISIBLE);
  EXPECT_EQ(GetWindowLong(Glow(), GWL_EXSTYLE), WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_LAYERED | WS_EX_TOPMOST);
  EXPECT_TRUE(GetClassLongPtr(Glow(), GCL_STYLE) & CS_SAVEBITS);
  EXPECT_EQ(GlowAlpha(), 0);
  EXPECT_EQ(Display->PixelAt(100, 50), clBlack) << "the window starts fully transparent";

  for (int Step = 1; Step <= 5; ++Step) Display->Advance(25);
  EXPECT_EQ(GlowAlpha(), 125);
  const TColor Half = Display->PixelAt(100, 50);
  EXPECT_NEAR(GetRValue(Half), 200 * 125 / 255, 1);
  EXPECT_NEAR(GetGValue(Half), 150 * 125 / 255, 1);

  std::vector<int> Rest = FadeSteps();
  EXPECT_EQ(Rest, (std::vector<int> { 150, 175, 200, 225, 250, 255 })) << "ten steps of 25, then the end value";
  EXPECT_EQ(Display->PixelAt(104, 53), Channels(200, 150, 40));
  EXPECT_EQ(Display->PixelAt(105, 50), Channels(78, 59, 16)) << "colours at the mask's alpha 100, over black";
  EXPECT_EQ(Display->PixelAt(110, 50), clBlack);
}

TEST_F(TskLayerManagerTest, EveryFadeEndsAtItsEndValue) {
  struct Case {
    int End;
    std::vector<int> Steps;
  };
  std::vector<int> Full;
  for (int Alpha = 25; Alpha <= 250; Alpha += 25) Full.push_back(Alpha);
  Full.push_back(255);
  const Case Cases[] {
    { 255, Full },
    { 100, { 10, 20, 30, 40, 50, 60, 70, 80, 90, 100 } },
    { 5, { 1, 2, 3, 4, 5 } },  // a tenth of it is 0: steps of 1
    { 0, { 0 } },              // stops at the first tick, fully transparent
    { 300, Full },             // beyond what an alpha can be
  };
  for (const Case& C : Cases) {
    Manager->Show(100, 50, &Image, &Mask, C.End);
    EXPECT_EQ(FadeSteps(), C.Steps) << "end " << C.End;
    EXPECT_FALSE(FadeRunning()) << "end " << C.End;
  }
}

TEST_F(TskLayerManagerTest, OneWindowAtATimeAndHideFreesIt) {
  Manager->Show(100, 50, &Image, &Mask, 255);
  Display->Advance(50);
  Manager->Show(20, 30, &Image, &Mask, 200);
  ASSERT_EQ(GlowWindows().size(), 1u);
  TRect R;
  GetWindowRect(Glow(), &R);
  EXPECT_EQ(R, Rect(20, 30, 30, 34));
  EXPECT_EQ(GlowAlpha(), 0) << "the second glow fades in from the start";

  Manager->Hide();
  EXPECT_TRUE(GlowWindows().empty());
  EXPECT_FALSE(Manager->IsVisible);
  EXPECT_FALSE(FadeRunning());
  EXPECT_EQ(Display->PixelAt(20, 30), clBlack);
  Manager->Hide();
  Manager->Update();
  EXPECT_TRUE(GlowWindows().empty());
}

TEST_F(TskLayerManagerTest, TheGlowNeverTakesActivationFocusOrClicks) {
  std::unique_ptr<Popup> Below = ShowPopup(Rect(90, 40, 150, 70));
  Display->Click(91, 41);
  const HWND Active = GetActiveWindow(), Focus = GetFocus();
  ASSERT_EQ(Active, Below->Handle());
  Below->Presses.clear();

  Manager->Show(100, 50, &Image, &Mask, 255);
  FadeSteps();
  Display->Click(102, 51);

  EXPECT_EQ(Below->Presses, (std::vector<TPoint> { { 12, 11 } })) << "the click reaches the window below";
  EXPECT_EQ(GetActiveWindow(), Active);
  EXPECT_EQ(GetFocus(), Focus);
  EXPECT_EQ(SendMessage(Glow(), WM_MOUSEACTIVATE, WPARAM(Below->Handle()), 0), MA_NOACTIVATE);
}

TEST_F(TskLayerManagerTest, TopMostModeChoosesTheBandAndUpdateRestoresIt) {
  std::unique_ptr<Popup> Normal = ShowPopup(Rect(0, 0, 50, 50));
  std::unique_ptr<Popup> Topmost = ShowPopup(Rect(0, 0, 50, 50));
  SetWindowPos(Topmost->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  std::unique_ptr<Popup> Newest = ShowPopup(Rect(0, 0, 50, 50));
  const auto Order = [&] { return ZOrder({ Normal->Handle(), Topmost->Handle(), Newest->Handle(), Glow() }); };

  Manager->TopMostMode = false;
  Manager->Show(10, 10, &Image, &Mask, 255);
  EXPECT_EQ(Order(), (std::vector<HWND> { Topmost->Handle(), Glow(), Newest->Handle(), Normal->Handle() }))
      << "the top of the windows that are not topmost";

  Manager->TopMostMode = true;
  Manager->Update();
  EXPECT_EQ(Order(), (std::vector<HWND> { Glow(), Topmost->Handle(), Newest->Handle(), Normal->Handle() }));
  SetWindowPos(Topmost->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_EQ(Order().front(), Topmost->Handle());
  Manager->Update();
  EXPECT_EQ(Order().front(), Glow());
}

TEST_F(TskLayerManagerTest, WithoutLayeredWindowsNothingIsShownOrReported) {
  EnableLayeredWindows(false);
  EXPECT_NO_THROW(Manager->Show(100, 50, &Image, &Mask, 255));
  EXPECT_TRUE(GlowWindows().empty());
  EXPECT_FALSE(Manager->IsVisible);
  EXPECT_FALSE(FadeRunning());
  EXPECT_NO_THROW(Manager->Update());
  EXPECT_NO_THROW(Manager->Hide());
  EXPECT_EQ(Display->PixelAt(100, 50), clBlack);
}
