// The frame's window states on the headless screen: maximize and restore, the minimized rows, roll-up,
// the size limits on programmatic resizes, magnetic snapping in the move loop, first-show placement and
// the fade-in.
#include <vector>

#include "platform/ui/winsys/InputLayer.h"

#include "platform/gdi/Capabilities.h"
#include "platform/ui/winsys/LayeredWindows.h"
#include "platform/ui/winsys/WindowClass.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/TIcon.h"
#include "skin/controls/TskSkinStatusBar.h"
#include "tests/skin/form/FormFrameFixture.h"

namespace {

class FormStates : public FormFrameTest {
protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    BuildFrameSkin(Model);
  }

  /// A shown secondary form with a frame bound to the frame skin.
  std::pair<TForm*, TskSkinForm*> Secondary(TRect R) {
    TForm* Form = NewForm(R);
    Form->SetBorderStyle(bsSizeable);
    TskSkinForm* Frame = Attach(Form, &Model);
    Form->Show();
    Display->PumpUntilIdle();
    return { Form, Frame };
  }

  /// Each move loop of Form that starts: the pointer goes through Steps, one loop step each, and is
  /// released where it ends.
  void DragInLoops(TCustomForm* Form, std::vector<TPoint> Steps) {
    const TWndMethod Frame = Form->WindowProc();
    Form->SetWindowProc([Frame, Steps](TMessage& Message) {
      if (Message.Msg == WM_ENTERSIZEMOVE) Later([Steps] { Step(Steps, 0); });
      Frame(Message);
    });
  }

  static void Step(const std::vector<TPoint>& Steps, size_t Index) {
    if (Index < Steps.size()) {
      InputLayer::Get().PointerMoved(Steps[Index]);
      Later([Steps, Index] { Step(Steps, Index + 1); });
      return;
    }
    TPoint End;
    GetCursorPos(&End);
    InputLayer::Get().PointerButtonChanged(PointerButton::Left, false, End);
  }
};

TEST_F(FormStates, MaximizeFillsTheWorkAreaAndRestoreGivesTheBoundsBackExactly) {
  auto [Form, Frame] = Secondary(Bounds(130, 90, 333, 222));
  Display->SetWorkArea(Rect(0, 0, 1280, 760));
  Frame->SetWindowState(wsMaximized);
  EXPECT_EQ(Form->BoundsRect(), Rect(0, 0, 1280, 760)) << "a taskbar at the bottom: the work area";
  EXPECT_EQ(Frame->WindowState(), wsMaximized);
  Frame->SetWindowState(wsNormal);
  EXPECT_EQ(Form->BoundsRect(), Bounds(130, 90, 333, 222));

  Display->SetWorkArea(Rect(0, 0, 1280, 800));
  Frame->SetWindowState(wsMaximized);
  EXPECT_EQ(Form->BoundsRect(), Rect(1, 1, 1279, 799)) << "no taskbar: a pixel per side stays free";
  Frame->SetWindowState(wsNormal);
  EXPECT_EQ(Form->BoundsRect(), Bounds(130, 90, 333, 222));
  EXPECT_EQ(FrameColor(Form, 5, 5), FrameCaption) << "the frame drawn at the restored size";
  EXPECT_EQ(FrameColor(Form, 332, 221), FrameBorder);
}

TEST_F(FormStates, AStatusBarsSizeGripGoesWhileTheFormIsMaximized) {
  for (const bool Grip : { true, false }) {
    auto [Form, Frame] = Secondary(Bounds(130, 90, 333, 222));
    auto* Bar = Place<TskSkinStatusBar>(Form, Form, Bounds(0, 180, 300, 20));
    Bar->SetSizeGrip(Grip);
    Frame->SetStatusBar(Bar);
    Frame->SetWindowState(wsMaximized);
    EXPECT_EQ(Bar->ShowGrip(), !Grip) << (Grip ? "maximized: no grip" : "a bar without a grip is left alone");
    Frame->SetWindowState(wsNormal);
    EXPECT_TRUE(Bar->ShowGrip()) << "restored";
    delete Bar;
    EXPECT_EQ(Frame->StatusBar(), nullptr);
    delete Form;
  }
}

TEST_F(FormStates, AMaximizedFormStaysPutWhenItsCaptionIsDragged) {
  AddFrameObjects(Model);
  auto [Form, Frame] = Secondary(Bounds(130, 90, 333, 222));
  Frame->SetWindowState(wsMaximized);
  const TRect Maximized = Form->BoundsRect();
  DragInLoops(Form, { { 400, 100 }, { 500, 200 } });
  Display->ButtonDown(300, 10);
  Display->ButtonUp(500, 200);
  EXPECT_EQ(Form->BoundsRect(), Maximized);
  Frame->SetWindowState(wsNormal);
  Display->ButtonDown(300, 100);
  Display->ButtonUp(500, 200);
  EXPECT_EQ(Form->BoundsRect(), Bounds(330, 190, 333, 222)) << "restored, the drag moves it";
}

TEST_F(FormStates, LimitsClampProgrammaticResizes) {
  auto [Form, Frame] = Secondary(Bounds(100, 100, 300, 200));
  Frame->SetMinWidth(250);
  Frame->SetMinHeight(150);
  Frame->SetMaxWidth(600);
  Frame->SetMaxHeight(500);
  struct Case {
    TRect Asked, Given;
  };
  const Case Cases[] = {
    { Bounds(10, 20, 100, 50), Bounds(10, 20, 250, 150) },
    { Bounds(10, 20, 900, 900), Bounds(10, 20, 600, 500) },
    { Bounds(10, 20, 400, 300), Bounds(10, 20, 400, 300) },
  };
  for (const Case& C : Cases) {
    Form->SetBounds(C.Asked.Left, C.Asked.Top, C.Asked.Width(), C.Asked.Height());
    EXPECT_EQ(Form->BoundsRect(), C.Given) << "asked " << C.Asked.Width() << " x " << C.Asked.Height();
  }
  Frame->SetMinWidth(0);
  Frame->SetMinHeight(0);
  Form->SetBounds(10, 20, 50, 10);
  EXPECT_EQ(Form->BoundsRect(), Bounds(10, 20, 200, 40)) << "the skin's smallest frame";
}

TEST_F(FormStates, RollingUpAndDownThreeTimesKeepsTheHeightAndTheLimits) {
  auto [Form, Frame] = Secondary(Bounds(100, 100, 300, 260));
  Frame->SetMinHeight(150);
  int Changes = 0;
  Frame->OnChangeRollUpState = [&](TObject*) { ++Changes; };
  for (int i = 0; i < 3; ++i) {
    Frame->SetRollUpState(true);
    Frame->SetRollUpState(true);
    EXPECT_EQ(Form->Height(), 40) << "the caption only";
    EXPECT_EQ(Frame->RealHeight(), 260);
    Frame->SetRollUpState(false);
    EXPECT_EQ(Form->Height(), 260);
  }
  EXPECT_EQ(Changes, 6) << "rolling up what is rolled up changes nothing";
  Form->SetHeight(60);
  EXPECT_EQ(Form->Height(), 150) << "the minimum height holds again";
  EXPECT_EQ(Form->Width(), 300);
}

TEST_F(FormStates, ACaptionDoubleClickRollsUpOnlyWithTheRollUpButton) {
  AddFrameObjects(Model);
  auto [Form, Frame] = Secondary(Bounds(100, 100, 300, 260));
  Form->SetBorderStyle(bsSingle);
  Frame->SetBorderIcons({ TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize });
  DragInLoops(Form, {});
  Display->PumpUntilIdle();
  auto DoubleClick = [&] {
    Display->Click(200, 110);
    Display->Advance(50);
    Display->Click(200, 110);
    Display->PumpUntilIdle();
  };
  DoubleClick();
  EXPECT_FALSE(Frame->RollUpState());
  EXPECT_EQ(Form->Height(), 260);
  Frame->SetBorderIcons({ TskBorderIcon::biSystemMenu, TskBorderIcon::biRollUp });
  Display->Advance(1000);
  DoubleClick();
  EXPECT_TRUE(Frame->RollUpState());
  EXPECT_EQ(Form->Height(), 40);
}

TEST_F(FormStates, MinimizedSecondaryFormsStackInRowsAlongTheBottomOfTheWorkArea) {
  Display->SetWorkArea(Rect(0, 0, 500, 700));
  std::vector<TskSkinForm*> Frames;
  std::vector<TForm*> Forms;
  for (int i = 0; i < 4; ++i) {
    auto [Form, Frame] = Secondary(Bounds(50 + 10 * i, 50, 300, 200));
    Forms.push_back(Form);
    Frames.push_back(Frame);
  }
  for (TskSkinForm* Frame : Frames) Frame->SetWindowState(wsMinimized);
  // Minimized frames are 200 x 40: two fit in a 500-pixel row.
  const TRect Expected[] = { Bounds(0, 660, 200, 40), Bounds(200, 660, 200, 40), Bounds(0, 620, 200, 40),
                             Bounds(200, 620, 200, 40) };
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Forms[size_t(i)]->BoundsRect(), Expected[i]) << "form " << i;
  Frames[1]->SetWindowState(wsNormal);
  EXPECT_EQ(Forms[1]->BoundsRect(), Bounds(60, 50, 300, 200));
}

TEST_F(FormStates, TheMainFormMinimizesThroughTheApplication) {
  auto* Frame = Attach(Main, &Model);
  Main->Show();
  Display->PumpUntilIdle();
  Frame->SetWindowState(wsMinimized);
  EXPECT_TRUE(IsIconic(Main->Handle()));
  EXPECT_EQ(Main->BoundsRect(), Bounds(100, 100, 400, 300)) << "no skinned minimize";
  EXPECT_EQ(Frame->WindowState(), wsMinimized);
  Frame->SetWindowState(wsNormal);
  EXPECT_FALSE(IsIconic(Main->Handle()));
  EXPECT_EQ(Frame->WindowState(), wsNormal);
  EXPECT_EQ(FrameColor(Main, 5, 5), FrameCaption);
}

TEST_F(FormStates, TheFirstShowCentresTheFormAndAMaximizedFirstShowCentresAtTheFirstRestore) {
  Display->SetWorkArea(Rect(0, 0, 1280, 760));
  TForm* Form = NewForm(Bounds(7, 9, 400, 300));
  auto* Frame = Attach(Form, &Model);
  Frame->SetPositionInMonitor(skpDesktopCenter);
  Form->Show();
  EXPECT_EQ(Form->BoundsRect(), Bounds(440, 230, 400, 300)) << "centred in the work area";
  Form->SetBounds(7, 9, 400, 300);
  Form->Hide();
  Form->Show();
  EXPECT_EQ(Form->BoundsRect(), Bounds(7, 9, 400, 300)) << "only the first show";

  TForm* Later = NewForm(Bounds(7, 9, 400, 300));
  auto* LaterFrame = Attach(Later, &Model);
  LaterFrame->SetPositionInMonitor(skpScreenCenter);
  LaterFrame->SetWindowState(wsMaximized);
  Later->Show();
  EXPECT_EQ(Later->BoundsRect(), Rect(0, 0, 1280, 760));
  LaterFrame->SetWindowState(wsNormal);
  EXPECT_EQ(Later->BoundsRect(), Bounds(440, 250, 400, 300)) << "centred on the whole monitor";
}

TEST_F(FormStates, AMagneticFormSnapsToTheWorkAreaWithinItsSizeAndNeverToOtherForms) {
  AddFrameObjects(Model);
  Display->SetWorkArea(Rect(0, 0, 1280, 760));
  auto [Other, OtherFrame] = Secondary(Bounds(700, 300, 200, 200));
  struct Case {
    const char* What;
    std::vector<TPoint> Steps;  // the pointer, pressed at (250, 310) on the caption
    TPoint Place;
  };
  const Case Cases[] = {
    { "9 from the left edge: snapped", { { 59, 310 } }, { 0, 300 } },
    { "10 from the left edge: free", { { 60, 310 } }, { 10, 300 } },
    { "held while the cursor stays within 10", { { 59, 310 }, { 52, 310 } }, { 0, 300 } },
    { "free once the cursor left the snap by 11", { { 59, 310 }, { 48, 310 } }, { -11, 300 } },
    { "9 below the top edge", { { 350, 19 } }, { 300, 0 } },
    { "9 above the bottom edge", { { 350, 561 } }, { 300, 560 } },
    { "right edge 9 before another form: no magnet from it", { { 441, 310 } }, { 391, 300 } },
    { "right edge 11 before the other form", { { 439, 310 } }, { 389, 300 } },
    { "above the other form: no magnet from it", { { 441, 50 } }, { 391, 40 } },
  };
  for (const Case& C : Cases) {
    auto [Form, Frame] = Secondary(Bounds(200, 300, 300, 200));
    Frame->SetMagnetic(true);
    Frame->SetMagneticSize(10);
    DragInLoops(Form, C.Steps);
    Display->ButtonDown(250, 310);
    Display->ButtonUp(C.Steps.back().X, C.Steps.back().Y);
    EXPECT_EQ(Form->BoundsRect(), Bounds(C.Place.X, C.Place.Y, 300, 200)) << C.What;
    delete Form;
  }
}

/// Records the constant alphas given to windows.
class AlphaRecorder {
public:
  AlphaRecorder() : FSaved(PlatformCapabilities().SetLayeredWindowAttributes) {
    PlatformCapabilities().SetLayeredWindowAttributes = [this](HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags) {
      Alphas.push_back(Alpha);
      return FSaved(Wnd, Key, Alpha, Flags);
    };
  }
  ~AlphaRecorder() { PlatformCapabilities().SetLayeredWindowAttributes = FSaved; }
  std::vector<int> Alphas;

private:
  decltype(TPlatformCapabilities::SetLayeredWindowAttributes) FSaved;
};

TEST_F(FormStates, TheFadeInStepsToFullAlphaOnTheClockThenTheFormIsOpaque) {
  AlphaRecorder Recorder;
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  auto* Frame = Attach(Form, &Model);
  Frame->SetAlphaBlendAnimation(true);
  Frame->SetAlphaBlendValue(255);
  const Int64 Start = Display->Clock().Now();
  Form->Show();
  Display->Advance(1);
  std::vector<int> Expected { 0 };
  for (int Alpha = 17; Alpha <= 255; Alpha += 17) Expected.push_back(Alpha);
  EXPECT_EQ(Recorder.Alphas, Expected);
  EXPECT_GE(Display->Clock().Now() - Start, 15 * 6) << "each step waited more than 5 ms";
  EXPECT_FALSE(GetWindowLong(Form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(FrameColor(Form, 5, 5), FrameCaption);
}

TEST_F(FormStates, TheDropShadowIsAClassStyleGivenOnlyWhereWindowsCanBeLayered) {
  auto [Form, Frame] = Secondary(Bounds(130, 90, 333, 222));
  const auto Shadowed = [Form = Form] { return (GetClassLongPtr(Form->Handle(), GCL_STYLE) & CS_DROPSHADOW) != 0; };
  Frame->EnableShadow(true, true);
  EXPECT_TRUE(Frame->HaveShadow());
  EXPECT_TRUE(Shadowed());
  EXPECT_TRUE(IsWindowVisible(Form->Handle())) << "shown again after the change";
  Frame->EnableShadow(false, false);
  EXPECT_FALSE(Shadowed());
  EnableLayeredWindows(false);
  Frame->EnableShadow(true, false);
  EXPECT_FALSE(Frame->HaveShadow());
  EXPECT_FALSE(Shadowed());
}

TEST_F(FormStates, AnIconWithAnAlphaChannelOfItsOwnIsToldFromAMaskedOne) {
  for (const int Bits : { 32, 24 }) {
    auto Pixels = std::make_shared<Surface>(16, 16, SurfaceFormat::Bgra32);
    for (int Y = 0; Y < 16; ++Y)
      for (int X = 0; X < 16; ++X) Pixels->SetPixel(X, Y, X < 8 ? 0x80FF0000u : 0u);
    TForm* Form = NewForm(Bounds(130, 90, 333, 222));
    Form->Icon()->SetHandle(CreateIconFromImages({ { Pixels, Bits } }));
    EXPECT_EQ(Attach(Form, &Model)->CheckIconAlpha(), Bits == 32) << Bits << " bits";
    delete Form;
  }
}

TEST_F(FormStates, WithoutLayeredWindowsNothingFades) {
  EnableLayeredWindows(false);
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  auto* Frame = Attach(Form, &Model);
  Frame->SetAlphaBlendAnimation(true);
  const Int64 Start = Display->Clock().Now();
  Form->Show();
  Display->PumpUntilIdle();
  EXPECT_FALSE(GetWindowLong(Form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_LT(Display->Clock().Now() - Start, 15) << "no fade waited";
  EXPECT_EQ(FrameColor(Form, 5, 5), FrameCaption);
}

}  // namespace
