// The skinned slider: the default geometry, the value rules and jumps with half-to-even rounding, the
// events of a drag, of ruler presses on the virtual clock, of keys, right presses and double clicks, and a
// zero track that maps without dividing by zero, user images set directly or stored in a loading form, and
// the looks: the ruler, the thumb's states, the tick points and a transparent slider.
#include "platform/gdi/TBitmap.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/controls/TskSkinSlider.h"
#include "skin/core/skUtils.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class SliderTest : public SkinControlTest {
protected:
  TskSkinSlider* NewSlider(TRect Bounds = ::Bounds(20, 20, 150, 40)) {
    auto* Slider = Add<TskSkinSlider>(Bounds);
    Slider->OnChange = [this, Slider](TObject*) { Log.push_back("Change " + std::to_string(Slider->Value())); };
    Slider->OnChanged = [this](TObject*) { Log.push_back("Changed"); };
    Slider->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Log.push_back("MouseDown"); };
    Slider->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { Log.push_back("MouseUp"); };
    Display->PumpUntilIdle();
    return Slider;
  }
  AppLog Take() { return std::exchange(Log, {}); }
};

TEST_F(SliderTest, DefaultSliderPlacesThumbAndRulerSixPixelsIn) {
  auto* Slider = NewSlider();
  EXPECT_EQ(Slider->Ruler()->Width(), 138);
  EXPECT_EQ(Slider->ThumbRect(), Rect(6, 6, 11, 21)) << "one state of the 10 x 15 thumb";
  EXPECT_EQ(Slider->RulerOrg(), (TPoint { 6, 10 })) << "centred on the taller thumb";
  EXPECT_EQ(Slider->PointsRect().Top, 22);
  Slider->SetValue(100);
  EXPECT_EQ(Slider->ThumbRect().Left, 6 + 133) << "the track is the ruler less the thumb";
  Slider->SetOrientation(soVertical);
  EXPECT_EQ(Slider->Width(), 40);
  EXPECT_EQ(Slider->Height(), 150);
  EXPECT_EQ(Slider->ThumbRect().Top, 6) << "the maximum at the top";
}

struct JumpCase {
  int Value;
  TskJumpMode Mode;
  int Result;
};

TEST_F(SliderTest, ValueRulesAndJumpsRoundHalvesToEven) {
  auto* Slider = NewSlider();
  const JumpCase Cases[] = {
    { 25, jmNext, 30 }, { 25, jmPrior, 10 }, { 35, jmNext, 50 }, { 35, jmPrior, 30 },
    { 95, jmNext, 100 }, { 5, jmPrior, 0 },  { 40, jmEnd, 100 }, { 40, jmHome, 0 },
  };
  for (const JumpCase& C : Cases) {
    Slider->SetValue(C.Value);
    Slider->JumpTo(C.Mode);
    EXPECT_EQ(Slider->Value(), C.Result) << C.Value << " mode " << C.Mode;
  }
  Slider->SetValue(150);
  EXPECT_EQ(Slider->Value(), 100) << "clamped";
  Slider->SetMaxValue(5);
  EXPECT_EQ(Slider->Increment(), 5);
  EXPECT_EQ(Slider->Value(), 5);
  Slider->SetMaxValue(-1);
  EXPECT_EQ(Slider->MaxValue(), 5) << "a range that is not above the minimum is refused";
  Slider->SetIncrement(0);
  EXPECT_EQ(Slider->Increment(), 5);

  Slider->SetRange(0, 133);  // one value a pixel
  Slider->SetIncrement(10);
  Slider->SetOptions({ soShowPoints });
  Slider->SetValue(37);
  EXPECT_EQ(Slider->Value(), 37) << "a value from code keeps its value";
  EXPECT_EQ(Slider->ThumbRect().Left, 6 + 40) << "while the thumb shows the grid position";
}

TEST_F(SliderTest, DraggingTheThumbRaisesChangesThenChangedBeforeMouseUp) {
  auto* Slider = NewSlider();
  Slider->SetMaxValue(133);
  Take();
  Press(Slider, 8, 12);
  MoveTo(Slider, 28, 12);
  MoveTo(Slider, 400, 12);  // beyond the end
  Release(Slider, 400, 12);
  EXPECT_EQ(Take(), (AppLog { "MouseDown", "Change 20", "Change 133", "Changed", "MouseUp" }));
  EXPECT_EQ(Slider->ThumbRect().Left, 6 + 133);
}

TEST_F(SliderTest, PressingTheRulerJumpsAtOnceAndEvery400MsUntilTheThumbReachesThePointer) {
  auto* Slider = NewSlider();
  Take();
  Press(Slider, 100, 13);
  EXPECT_EQ(Take(), (AppLog { "MouseDown", "Change 10" }));
  Display->Advance(399);
  EXPECT_TRUE(Take().empty());
  Display->Advance(1);
  EXPECT_EQ(Take(), (AppLog { "Change 20" }));
  Display->Advance(400 * 10);
  EXPECT_EQ(Take(), (AppLog { "Change 30", "Change 40", "Change 50", "Change 60", "Change 70" }))
      << "the thumb at 70 covers the pointer";
  Release(Slider, 100, 13);
  EXPECT_EQ(Take(), (AppLog { "Changed", "MouseUp" }));
  Display->Advance(800);
  EXPECT_TRUE(Take().empty()) << "the timer stopped";
}

TEST_F(SliderTest, KeysJumpAndAlwaysRaiseChangedWhileRightPressAndDoubleClickOnlyReport) {
  auto* Slider = NewSlider();
  Slider->SetFocus();
  Take();
  Display->Key(VK_HOME);
  EXPECT_EQ(Take(), (AppLog { "Changed" })) << "Home at the minimum";
  Display->Key(VK_RIGHT);
  Display->Key(VK_END);
  Display->Key(VK_LEFT);
  EXPECT_EQ(Take(), (AppLog { "Change 10", "Changed", "Change 100", "Changed", "Change 90", "Changed" }));
  Slider->SetReadOnly(true);
  Display->Key(VK_LEFT);
  EXPECT_TRUE(Take().empty());
  Slider->SetReadOnly(false);

  ClickAt(Slider, 50, 13, PointerButton::Right);
  EXPECT_EQ(Take(), (AppLog { "MouseDown", "MouseUp" }));
  Slider->SetValue(0);
  Take();
  const TPoint P = At(Slider, 50, 13);
  Display->Click(P.X, P.Y);
  Display->Click(P.X, P.Y);  // the second press is a double click: no jump
  Display->PumpUntilIdle();
  EXPECT_EQ(Take(), (AppLog { "MouseDown", "Change 10", "Changed", "MouseUp", "MouseDown", "MouseUp" }));
}

TEST_F(SliderTest, ZeroTrackDrawsAndMapsWithoutDividing) {
  auto* Narrow = NewSlider(Bounds(20, 20, 17, 40));  // ruler 5, thumb 5: no track
  Narrow->SetValue(50);
  EXPECT_EQ(Narrow->ThumbRect().Left, 6);
  Press(Narrow, 8, 12);
  MoveTo(Narrow, 30, 12);
  Release(Narrow, 30, 12);
  EXPECT_EQ(Narrow->Value(), 0) << "every position maps to the minimum";
  Narrow->Repaint();
  Display->PumpUntilIdle();
}

/// A 16 x 21 thumb bitmap of two states.
std::unique_ptr<TBitmap> BigThumb() {
  auto B = std::make_unique<TBitmap>();
  B->SetPixelFormat(pf24bit);
  B->SetSize(16, 21);
  return B;
}

TEST_F(SliderTest, UserImagesReplaceTheProgramsPicturesAndAreTakenAgainAfterAFormLoads) {
  auto* Slider = NewSlider();
  Slider->SetImage(siHThumb, BigThumb().get());
  EXPECT_EQ(Slider->UserImages(), TskSliderImages { siHThumb });
  EXPECT_EQ(RectWidth(Slider->ThumbRect()), 8);
  EXPECT_EQ(RectHeight(Slider->ThumbRect()), 21);
  Slider->SetOptions({ soThumbOpaque, soRulerOpaque });
  Slider->SetImage(siHThumb, nullptr);
  EXPECT_TRUE(Slider->UserImages().Empty());
  EXPECT_EQ(Slider->Options(), TskSliderOptions { soRulerOpaque }) << "the program's thumb is not opaque";
  EXPECT_EQ(Slider->ThumbRect(), Rect(6, 6, 11, 21));

  // A builder reads the stored picture into the bitmap and sets the stored set; Loaded takes it.
  Form->BeginLoading();
  Slider->Image(siHThumb)->Assign(BigThumb().get());
  Slider->SetUserImages({ siHThumb });
  Slider->SetImage(siHRuler, nullptr);
  Form->EndLoading();
  EXPECT_EQ(Slider->Options(), TskSliderOptions { soRulerOpaque }) << "reading keeps the stored options";
  EXPECT_EQ(Slider->UserImages(), TskSliderImages { siHThumb });
  EXPECT_TRUE(Slider->Image(siHThumb)->Transparent());
  EXPECT_EQ(RectHeight(Slider->ThumbRect()), 21) << "rebuilt with the loaded thumb";
}

/// A W x H picture of Color whose bottom-left pixel is the transparent fuchsia; Second, when given, fills
/// the right half (the second state of a thumb, with its own fuchsia corner).
std::unique_ptr<TBitmap> Piece(int W, int H, TColor Color, TColor Second = clNone) {
  auto B = std::make_unique<TBitmap>();
  B->SetPixelFormat(pf24bit);
  B->SetSize(W, H);
  B->Canvas()->Brush()->SetColor(Color);
  B->Canvas()->FillRect(Rect(0, 0, W, H));
  if (Second != clNone) {
    B->Canvas()->Brush()->SetColor(Second);
    B->Canvas()->FillRect(Rect(W / 2, 0, W, H));
    B->Canvas()->SetPixels(W / 2, H - 1, clFuchsia);
  }
  B->Canvas()->SetPixels(0, H - 1, clFuchsia);
  return B;
}

TEST_F(SliderTest, TheRulerRunsAlongAndTheThumbShowsItsSecondStatePressedOrDisabled) {
  auto* Slider = NewSlider();
  Slider->SetImage(siHRuler, Piece(10, 7, clGreen).get());
  Slider->SetImage(siHThumb, Piece(12, 15, clRed, clBlue).get());
  Slider->SetValue(50);
  const TPoint Ruler = Slider->RulerOrg();
  for (int X : { 1, 20, 100, 137 }) EXPECT_EQ(Shown(Slider, Ruler.X + X, Ruler.Y + 3), clGreen) << X;
  EXPECT_NE(Shown(Slider, Ruler.X + 138, Ruler.Y + 3), clGreen) << "138 long";
  EXPECT_NE(Shown(Slider, Ruler.X, Ruler.Y + 6), clFuchsia) << "the transparent colour is left out";

  const TRect Thumb = Slider->ThumbRect();
  const TPoint Middle { (Thumb.Left + Thumb.Right) / 2, (Thumb.Top + Thumb.Bottom) / 2 };
  EXPECT_EQ(RectWidth(Thumb), 6) << "one of two states";
  EXPECT_EQ(Shown(Slider, Middle.X, Middle.Y), clRed);
  Press(Slider, Middle.X, Middle.Y);
  EXPECT_EQ(Shown(Slider, Middle.X, Middle.Y), clBlue) << "pressed";
  Release(Slider, Middle.X, Middle.Y);
  EXPECT_EQ(Shown(Slider, Middle.X, Middle.Y), clRed);
  Slider->SetEnabled(false);
  EXPECT_EQ(Shown(Slider, Middle.X, Middle.Y), clBlue) << "disabled";
}

TEST_F(SliderTest, TickPointsStandUnderTheThumbsCentresLongerAtTheEnds) {
  auto* Slider = NewSlider();
  Slider->SetColor(clWhite);
  Slider->SetIncrement(50);
  Slider->SetOptions({ soShowPoints });
  Slider->SetValue(0);
  const int Top = Slider->PointsRect().Top;
  // The thumb is 5 wide over a track of 133: values 0, 50 and 100 at 6, 6 + 66 and 6 + 133, plus 2.
  const TColor Ink = ColorToRGB(clWindowText);
  for (int X : { 8, 74, 141 }) {
    SCOPED_TRACE(X);
    EXPECT_EQ(Shown(Slider, X, Top), Ink);
    EXPECT_EQ(Shown(Slider, X, Top + 2), Ink);
    EXPECT_EQ(Shown(Slider, X, Top + 4) == Ink, X != 74) << "ends 5 long, the middle 3";
    EXPECT_EQ(Shown(Slider, X + 1, Top), clWhite);
  }
  Slider->SetOptions({});
  EXPECT_EQ(Shown(Slider, 74, Top), clWhite);
}

TEST_F(SliderTest, ATransparentSliderShowsItsParentBehindRulerAndThumb) {
  auto* Slider = NewSlider();
  Slider->SetColor(clAqua);
  Form->SetColor(clYellow);
  EXPECT_EQ(Shown(Slider, 1, 1), clAqua);
  Slider->SetTransparent(true);
  Display->PumpUntilIdle();
  EXPECT_EQ(Shown(Slider, 1, 1), clYellow);
  EXPECT_EQ(Shown(Slider, 140, 35), clYellow);
}

}  // namespace
