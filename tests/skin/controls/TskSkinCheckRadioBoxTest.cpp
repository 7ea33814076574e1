// The skinned check and radio box: OnClick and group rules of the setters, clicks, the three-state cycle,
// drags, the keyboard and focus, the hover transition, and which check image is drawn where.
#include <cmath>
#include <functional>

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/TImageList.h"
#include "platform/ui/toolkit/TPanel.h"
#include "resources/EmbeddedSkins.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/skin/support/EmbeddedSkinModels.h"

namespace {

/// A box that shows its transition factor.
class TProbeBox : public TskSkinCheckRadioBox {
public:
  using TskSkinCheckRadioBox::TskSkinCheckRadioBox;
  double MorphKf() const { return FMorphKf; }
  TRect CheckImagePlace() const { return CIRect; }
};

class CheckRadioTest : public SkinControlTest {
protected:
  TProbeBox* NewBox(const std::string& Name, bool Radio = false, int Group = 0, TWinControl* Parent = nullptr,
                    int Top = 10) {
    auto* Box = Add<TProbeBox>(Bounds(10, Top, 150, 25), Parent);
    Box->SetName(Name);
    Box->SetCaption(Name);
    Box->SetRadio(Radio);
    Box->SetGroupIndex(Group);
    Box->OnClick = [this, Box](TObject*) { Log.push_back(Box->Name() + ".Click"); };
    Display->PumpUntilIdle();
    return Box;
  }
  AppLog Take() { return std::exchange(Log, {}); }
};

TEST_F(CheckRadioTest, SettersRaiseOnClickByTheirRules) {
  auto* Check = NewBox("check");
  auto* Radio = NewBox("radio", true, 0, nullptr, 40);
  struct Step {
    std::function<void()> Do;
    AppLog Events;
    TCheckBoxState State;
  };
  const Step Steps[] = {
    { [&] { Check->SetChecked(false); }, { "check.Click" }, cbUnchecked },  // every assignment
    { [&] { Check->SetChecked(true); }, { "check.Click" }, cbChecked },
    { [&] { Check->SetState(cbChecked); }, { "check.Click" }, cbChecked },  // also the same state
    { [&] { Check->SetState(cbGrayed); }, { "check.Click" }, cbGrayed },
    { [&] { Check->SetChecked(false); }, { "check.Click" }, cbGrayed },  // false keeps a grayed box grayed
    { [&] { Radio->SetChecked(false); }, {}, cbUnchecked },             // a radio box only when set true
    { [&] { Radio->SetChecked(true); }, { "radio.Click" }, cbChecked },
    { [&] { Radio->SetChecked(true); }, { "radio.Click" }, cbChecked },
  };
  for (const Step& S : Steps) {
    S.Do();
    EXPECT_EQ(Take(), S.Events);
  }
  EXPECT_EQ(Check->State(), cbGrayed);
  EXPECT_FALSE(Check->Checked());
}

TEST_F(CheckRadioTest, CheckingABoxUnchecksItsGroupAmongItsSiblingsOnly) {
  auto* Panel = Add<TPanel>(Bounds(200, 10, 150, 100));  // another parent
  auto* A = NewBox("a", false, 1);
  auto* B = NewBox("b", false, 1, nullptr, 40);
  auto* Free = NewBox("free", false, 0, nullptr, 70);
  auto* Away = NewBox("away", false, 1, Panel);
  for (TskSkinCheckRadioBox* Box : { A, Free, Away }) Box->SetChecked(true);
  Take();
  B->SetChecked(true);
  EXPECT_EQ(Take(), (AppLog { "a.Click", "b.Click" })) << "the sibling is unchecked first";
  EXPECT_FALSE(A->Checked());
  EXPECT_TRUE(Free->Checked());
  EXPECT_TRUE(Away->Checked());

  auto* R1 = NewBox("r1", true, 2, nullptr, 100);
  auto* R2 = NewBox("r2", true, 2, nullptr, 130);
  R1->SetChecked(true);
  Take();
  ClickAt(R2, 8, 12);
  EXPECT_EQ(Take(), (AppLog { "r2.Click" }));
  EXPECT_FALSE(R1->Checked());
  ClickAt(R2, 8, 12);
  EXPECT_TRUE(Take().empty()) << "a click on a checked radio box does nothing";
}

TEST_F(CheckRadioTest, ClicksCycleThroughGrayedAndDragsToggleOnlyWhenReleasedOnTheBox) {
  auto* Box = NewBox("box");
  Box->SetAllowGrayed(true);
  std::vector<TCheckBoxState> States;
  for (int i = 0; i < 3; ++i) {
    ClickAt(Box, 8, 12);
    States.push_back(Box->State());
  }
  EXPECT_EQ(States, (std::vector<TCheckBoxState> { cbGrayed, cbChecked, cbUnchecked }));
  EXPECT_EQ(Take().size(), 3u);

  Press(Box, 8, 12);
  MoveTo(Box, 200, 12);
  Release(Box, 200, 12);
  EXPECT_EQ(Box->State(), cbUnchecked);
  Press(Box, 8, 12);
  MoveTo(Box, 200, 12);
  MoveTo(Box, 150, 25);  // the edges count as inside
  Release(Box, 150, 25);
  EXPECT_EQ(Box->State(), cbGrayed);
  ClickAt(Box, 8, 12, PointerButton::Right);
  EXPECT_EQ(Box->State(), cbGrayed);
}

TEST_F(CheckRadioTest, SpaceTogglesOnItsReleaseAndTheAcceleratorToggles) {
  auto* Box = NewBox("box");
  Box->SetCaption("&Keep");
  Box->SetFocus();
  Display->PumpUntilIdle();
  Display->KeyDown(VK_SPACE);
  EXPECT_FALSE(Box->Checked());
  Display->KeyUp(VK_SPACE);
  EXPECT_TRUE(Box->Checked());
  Display->Key('K', { VK_MENU });
  EXPECT_FALSE(Box->Checked());

  Box->SetCanFocused(false);
  Display->Key(VK_SPACE);
  Display->Key('K', { VK_MENU });
  EXPECT_FALSE(Box->Checked()) << "without CanFocused neither Space nor the accelerator";
}

TEST_F(CheckRadioTest, AClickWhoseFocusIsRefusedDoesNotToggle) {
  auto* Edit = new KeyProbe(Form, &Log, "edit", Form, Bounds(10, 100, 50, 20));
  auto* Box = NewBox("box");
  Edit->SetFocus();
  Edit->OnExit = [Edit](TObject*) { Edit->SetFocus(); };
  ClickAt(Box, 8, 12);
  EXPECT_FALSE(Box->Checked());
  Edit->OnExit = nullptr;
  ClickAt(Box, 8, 12);
  EXPECT_TRUE(Box->Checked());
  EXPECT_TRUE(Box->Focused());
}

// ---- Looks ----

TEST_F(CheckRadioTest, TheBuiltInFlatBoxIsFramedInTheHotColourUnderThePointer) {
  auto* Box = NewBox("box");
  Box->SetChecked(true);
  const int Top = 25 / 2 - 7;
  EXPECT_EQ(Shown(Box, 3, Top), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(Box, 16, Top + 13), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(Box, 4, Top + 1), ColorToRGB(clWindow));
  EXPECT_EQ(Shown(Box, 17, Top), clWhite) << "14 pixels wide, the form behind it";
  auto MarkPixels = [&] {
    int Black = 0;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) Black += Shown(Box, 7 + x, 25 / 2 - 4 + y) == clBlack;
    return Black;
  };
  EXPECT_GT(MarkPixels(), 8) << "the check mark in its 8 x 8 square";
  Box->SetChecked(false);
  EXPECT_EQ(MarkPixels(), 0);
  MoveTo(Box, 60, 12);
  EXPECT_EQ(Shown(Box, 3, Top), BuiltInOutlineColor);
}

TEST_F(CheckRadioTest, PaintSkinToDrawsTheBuiltInLooksForTheAskedStateOnly) {
  auto* Box = NewBox("box");
  Box->SetAllowGrayed(true);
  Box->SetState(cbGrayed);
  Box->SetFocus();
  MoveTo(Box, 60, 12);
  TBitmap B;
  B.SetSize(170, 45);
  const int Top = 10 + 25 / 2 - 7;
  auto MarkPixels = [&](TColor Ink) {
    int N = 0;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) N += B.Canvas()->Pixels(10 + 7 + x, 10 + 25 / 2 - 4 + y) == ColorToRGB(Ink);
    return N;
  };
  for (bool AChecked : { true, false }) {
    SCOPED_TRACE(AChecked);
    Box->PaintSkinTo(B.Canvas(), 10, 10, AChecked);
    EXPECT_EQ(B.Canvas()->Pixels(10 + 3, Top), ColorToRGB(clBtnShadow)) << "never the hot frame";
    EXPECT_EQ(MarkPixels(clGrayText), 0) << "never the grayed mark";
    EXPECT_EQ(MarkPixels(clBlack) > 8, AChecked);
  }
  Box->SetFlat(false);
  B.Canvas()->Brush()->SetColor(clFuchsia);
  B.Canvas()->FillRect(Rect(0, 0, 170, 45));
  Box->PaintSkinTo(B.Canvas(), 10, 10, true);
  EXPECT_EQ(B.Canvas()->Pixels(20, 20), clFuchsia) << "a non-flat box without a record draws nothing";
}

TEST_F(CheckRadioTest, TheFlatCaptionLeavesRoomForTheBoxAndImageInItsColourWithFocusDots) {
  auto* Box = NewBox("Caption");
  Box->SetCanFocused(false);
  TFont Red;
  Red.Assign(Box->DefaultFont());
  Red.SetColor(clRed);
  Box->SetDefaultFont(&Red);
  Box->Repaint();
  // The first column at or right of From showing Ink on a row of the box.
  const auto FirstColumn = [&](int From, TColor Ink) {
    for (int X = From; X < Box->Width(); ++X)
      for (int Y = 0; Y < Box->Height(); ++Y)
        if (Shown(Box, X, Y) == ColorToRGB(Ink)) return X;
    return -1;
  };
  EXPECT_EQ(FirstColumn(0, clRed), 22) << "the caption 22 pixels in, in the font's colour";
  Box->SetEnabled(false);
  EXPECT_EQ(FirstColumn(18, clBtnShadow), 22) << "disabled: the shadow colour";
  EXPECT_EQ(FirstColumn(0, clRed), -1);
  Box->SetEnabled(true);

  TImageList Images(nullptr);
  Images.SetSize(12, 12);
  TBitmap Blue;
  Blue.SetSize(12, 12);
  Blue.Canvas()->Brush()->SetColor(clBlue);
  Blue.Canvas()->FillRect(Rect(0, 0, 12, 12));
  Images.Add(&Blue, nullptr);
  Box->SetImages(&Images);
  Display->PumpUntilIdle();
  EXPECT_EQ(FirstColumn(0, clBlue), 22) << "the image where the caption began";
  EXPECT_EQ(FirstColumn(0, clRed), 22 + 12 + 5) << "the caption 5 pixels after the image";

  Box->SetImages(nullptr);
  // Rows showing the caption's ink, then what focus adds below it: a dotted line.
  const auto RedIn = [&](int Y) {
    std::vector<int> Xs;
    for (int X = 22; X < 70; ++X)
      if (Shown(Box, X, Y) == clRed) Xs.push_back(X);
    return Xs;
  };
  int Below = 0;
  while (Below < 24 && RedIn(Below).empty()) ++Below;
  while (Below < 24 && !RedIn(Below).empty()) ++Below;
  Box->SetCanFocused(true);
  Box->SetFocus();
  Display->PumpUntilIdle();
  std::vector<int> Dots;
  for (int Y = Below; Y < 25 && Dots.empty(); ++Y) Dots = RedIn(Y);
  ASSERT_GT(Dots.size(), 10u) << "focus dots below the caption";
  for (size_t I = 1; I < Dots.size(); ++I) EXPECT_EQ(Dots[I] - Dots[I - 1], 2) << "every other pixel";
}

TEST_F(CheckRadioTest, AWrappedCaptionTakesSeveralLinesCentredInTheBox) {
  auto* Box = NewBox("box");
  Box->SetCaption("one two three four five six");
  Box->SetCanFocused(false);
  Box->SetBounds(10, 10, 70, 60);
  const auto InkRows = [&] {
    std::vector<int> Rows;
    for (int Y = 0; Y < Box->Height(); ++Y)
      for (int X = 22; X < Box->Width(); ++X)
        if (Shown(Box, X, Y) == clBlack) {
          Rows.push_back(Y);
          break;
        }
    return Rows;
  };
  const std::vector<int> Single = InkRows();
  ASSERT_FALSE(Single.empty());
  Box->SetWordWrap(true);
  const std::vector<int> Wrapped = InkRows();
  ASSERT_FALSE(Wrapped.empty());
  const int Lines = (Wrapped.back() - Wrapped.front() + 1) / (Single.back() - Single.front() + 1);
  EXPECT_GE(Lines, 3) << "the caption wraps within 48 pixels";
  EXPECT_NEAR(Wrapped.front(), 60 - 1 - Wrapped.back(), 3) << "centred vertically";
}

class SkinnedCheckRadio : public CheckRadioTest {
protected:
  void SetUp() override {
    CheckRadioTest::SetUp();
    Skin = LoadEmbeddedSkin(TestSkinContainer());
    Record = FindSkinRecord<TskDataSkinCheckRadioControl>(*Skin, "checkbox");
    ASSERT_NE(Record, nullptr);
  }
  TBitmap* Picture() { return Skin->FActivePictures[Record->PictureIndex].get(); }
  /// Whether the box shows image R of the picture at (X, Y): every pixel but those of its bottom-left
  /// colour; Lighten compares with the image lightened halfway to white.
  bool ShowsImage(TControl* Box, int X, int Y, const TRect& R, bool Lighten = false) {
    Display->PumpUntilIdle();
    return HoldsImage([&](int x, int y) { const TPoint S = At(Box, x, y); return Display->PixelAt(S.X, S.Y); }, X, Y,
                      R, Lighten);
  }
  /// The same of a bitmap's pixels.
  bool HoldsImage(TBitmap* B, int X, int Y, const TRect& R) {
    return HoldsImage([&](int x, int y) { return B->Canvas()->Pixels(x, y); }, X, Y, R, false);
  }
  bool HoldsImage(const std::function<TColor(int, int)>& Pixel, int X, int Y, const TRect& R, bool Lighten) {
    TCanvas* P = Picture()->Canvas();
    const TColor Left = P->Pixels(R.Left, R.Bottom - 1);
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) {
        TColor C = P->Pixels(x, y);
        if (C == Left) continue;
        if (Lighten) {
          auto Half = [](int V) { return uint8_t(std::nearbyint(V * 0.5 + 127.5)); };
          C = RGB(Half(GetRValue(C)), Half(GetGValue(C)), Half(GetBValue(C)));
        }
        if (Pixel(X + x - R.Left, Y + y - R.Top) != C) return false;
      }
    return true;
  }

  std::unique_ptr<TskSkinData> Skin;
  TskDataSkinCheckRadioControl* Record { nullptr };
};

TEST_F(SkinnedCheckRadio, TheCheckImageFollowsStateHoverAndEnabled) {
  auto* Box = NewBox("box");
  Box->SetSkinData(Skin.get());
  const int Y = Box->Height() / 2 - Record->CheckImageRect.Height() / 2;
  struct Row {
    bool Enabled, Hover;
    TCheckBoxState State;
    TRect Image;
  };
  const TskDataSkinCheckRadioControl& R = *Record;
  const Row Rows[] = {
    { true, true, cbGrayed, R.ActiveGrayedCheckImageRect },  { true, true, cbChecked, R.ActiveCheckImageRect },
    { true, true, cbUnchecked, R.ActiveUnCheckImageRect },   { true, false, cbGrayed, R.GrayedCheckImageRect },
    { true, false, cbChecked, R.CheckImageRect },            { true, false, cbUnchecked, R.UnCheckImageRect },
    { false, false, cbGrayed, R.GrayedCheckImageRect },      { false, false, cbChecked, R.UnEnabledCheckImageRect },
    { false, false, cbUnchecked, R.UnEnabledUnCheckImageRect },
  };
  for (const Row& Case : Rows) {
    Box->SetEnabled(Case.Enabled);
    Box->SetState(Case.State);
    MoveTo(Box, Case.Hover ? 60 : 400, 12);
    EXPECT_TRUE(ShowsImage(Box, 3, Y, Case.Image)) << Case.Enabled << Case.Hover << Case.State;
  }
}

TEST_F(SkinnedCheckRadio, WithoutGrayedImagesTheCheckedImageIsLightenedHalfway) {
  Record->GrayedCheckImageRect = Record->ActiveGrayedCheckImageRect = TRect {};
  auto* Box = NewBox("box");
  Box->SetSkinData(Skin.get());
  Box->SetState(cbGrayed);
  const int Y = Box->Height() / 2 - Record->CheckImageRect.Height() / 2;
  EXPECT_TRUE(ShowsImage(Box, 3, Y, Record->CheckImageRect, true));
}

TEST_F(SkinnedCheckRadio, TheHoverTransitionStepsByAFifthEvery20MsAndEndsExactly) {
  Record->Morphing = true;
  auto* Box = NewBox("box");
  Box->SetFlat(false);
  Box->SetSkinData(Skin.get());
  EXPECT_EQ(Box->Width(), 150) << "the record is resizable";
  MoveTo(Box, 60, 12);
  std::vector<double> Steps;
  for (int i = 0; i < 7; ++i) {
    Display->Advance(20);
    Steps.push_back(Box->MorphKf());
  }
  EXPECT_NEAR(Steps[0], 0.2, 1e-9);
  EXPECT_NEAR(Steps[3], 0.8, 1e-9);
  EXPECT_EQ(Steps[6], 1.0) << "ends exactly at 1";
  MoveTo(Box, 400, 12);
  Display->Advance(200);
  EXPECT_EQ(Box->MorphKf(), 0.0) << "and back exactly to 0";

  Skin->SetEnableSkinEffects(false);
  MoveTo(Box, 60, 12);
  Display->Advance(20);
  EXPECT_EQ(Box->MorphKf(), 0.0) << "no transition without skin effects";
  EXPECT_TRUE(ShowsImage(Box, Box->CheckImagePlace().Left, Box->CheckImagePlace().Top, Record->ActiveUnCheckImageRect));
}

TEST_F(SkinnedCheckRadio, PaintSkinToShowsTheCheckImageOfTheAskedStateNeverHotWhenNotFlat) {
  auto* Box = NewBox("box");
  Box->SetSkinData(Skin.get());
  MoveTo(Box, 60, 12);
  TBitmap B;
  B.SetSize(Box->Width(), Box->Height());
  const int Y = Box->Height() / 2 - Record->CheckImageRect.Height() / 2;
  Box->PaintSkinTo(B.Canvas(), 0, 0, true);
  EXPECT_TRUE(HoldsImage(&B, 3, Y, Record->ActiveCheckImageRect)) << "flat: the pointer still chooses";
  Box->SetChecked(true);
  Box->PaintSkinTo(B.Canvas(), 0, 0, false);
  EXPECT_TRUE(HoldsImage(&B, 3, Y, Record->ActiveUnCheckImageRect));

  Box->SetFlat(false);
  Display->PumpUntilIdle();
  Box->PaintSkinTo(B.Canvas(), 0, 0, true);
  const TRect Place = Box->CheckImagePlace();
  EXPECT_TRUE(HoldsImage(&B, Place.Left, Place.Top, Record->CheckImageRect)) << "not flat: never the hot image";
  Box->PaintSkinTo(B.Canvas(), 0, 0, false);
  EXPECT_TRUE(HoldsImage(&B, Place.Left, Place.Top, Record->UnCheckImageRect));
}

}  // namespace
