// The skinned hint: the application's hints in the skin's look, the timed requests, line breaks, and the
// application's hints after the component is gone.
#include "platform/gdi/Capabilities.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/form/TskSkinHint.h"
#include "skin/form/TskSkinHintWindow.h"
#include "tests/skin/form/FormFrameFixture.h"

namespace {

class SkinHint : public FormFrameTest {
protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    BuildFrameSkin(Model);
    App->SetShowHint(true);
    Hint = new TskSkinHint(Main);
    Hint->SetSkinData(&Model);
    Target = new KeyProbe(Main, &Log, "Target", Main, Bounds(20, 20, 120, 40));
    Target->SetHint("保存");
    Target->SetShowHint(true);
    Main->Show();
  }

  /// The component's own window, which shows the timed requests.
  TskSkinHintWindow* Own() const { return dynamic_cast<TskSkinHintWindow*>(Hint->Components(0)); }

  void PointAtTarget() {
    const TPoint P = Target->ClientToScreen({ 30, 10 });
    Display->MoveTo(P.X, P.Y);
  }

  /// Whether a pixel of Text's colour shows inside the window.
  bool ShowsTextColour(TWinControl* Window, TColor Text) {
    Display->PumpUntilIdle();
    for (int Y = 0; Y < Window->Height(); ++Y)
      for (int X = 0; X < Window->Width(); ++X)
        if (Display->PixelAt(Window->Left() + X, Window->Top() + Y) == Text) return true;
    return false;
  }

  TskSkinHint* Hint { nullptr };
  KeyProbe* Target { nullptr };
};

TEST_F(SkinHint, TheApplicationsHintShowsAfterThePauseInTheSkinsLookAndHidesAfterItsTime) {
  THintWindow* Window = App->HintWindow();
  ASSERT_NE(dynamic_cast<TskSkinHintWindow*>(Window), nullptr) << "the component made its class the application's";
  EXPECT_EQ(App->HintShortPause(), 100);
  PointAtTarget();
  Display->Advance(App->HintPause() - 10);
  EXPECT_FALSE(Window->Visible());
  Display->Advance(20);
  ASSERT_TRUE(Window->Visible());
  EXPECT_EQ(Display->PixelAt(Window->Left() + 1, Window->Top() + 1), HintFill);
  EXPECT_TRUE(ShowsTextColour(Window, HintText)) << "the text in the record's colour";
  Display->Advance(App->HintHidePause() + 10);
  EXPECT_FALSE(Window->Visible());
}

TEST_F(SkinHint, TimedRequestsShowTheLastTextAfterThePauseOrNothingOnceHidden) {
  Hint->ActivateHint2("first");
  Hint->ActivateHint2("second");
  Display->Advance(App->HintPause() + 10);
  ASSERT_TRUE(Hint->IsVisible());
  EXPECT_EQ(Own()->Caption(), "second");
  Hint->HideHint();
  EXPECT_FALSE(Hint->IsVisible());

  Hint->ActivateHint2("third");
  Hint->HideHint();
  Display->Advance(App->HintPause() + 10);
  EXPECT_FALSE(Hint->IsVisible()) << "hidden before the pause: nothing shows";
}

TEST_F(SkinHint, WithoutASkinTheHintHasTheSystemsColours) {
  Hint->SetSkinData(nullptr);
  Hint->ActivateHint({ 300, 300 }, "plain");
  Display->PumpUntilIdle();
  EXPECT_EQ(Display->PixelAt(300, 300), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Display->PixelAt(301, 301), ColorToRGB(clInfoBk));
  EXPECT_TRUE(ShowsTextColour(Own(), ColorToRGB(clInfoText)));
}

TEST_F(SkinHint, TheTextTakesTheStringTablesCharsetOrElseTheDefaultFonts) {
  constexpr TFontCharset TableCharset = 134, FontCharset = 128;
  Hint->DefaultFont()->SetCharset(FontCharset);
  TskResourceStrData Table { nullptr };
  Table.SetCharSet(TableCharset);
  Model.SetResourceStrData(&Table);
  for (bool SkinFont : { true, false }) {
    Hint->SetUseSkinFont(SkinFont);
    Hint->ActivateHint({ 300, 300 }, "text");
    EXPECT_EQ(Own()->Canvas()->Font()->Charset(), TableCharset) << "skin font " << SkinFont;
  }
  Model.SetResourceStrData(nullptr);
  Hint->ActivateHint({ 300, 300 }, "text");
  EXPECT_EQ(Own()->Canvas()->Font()->Charset(), FontCharset);
}

TEST_F(SkinHint, TheLineSeparatorBreaksALineOnceAndAnEmptyOneNothing) {
  auto HeightOf = [&](const String& Text) {
    Hint->ActivateHint2(Text);
    Display->Advance(App->HintPause() + 10);
    const int Height = Own()->Height();
    Hint->HideHint();
    return Height;
  };
  const int One = HeightOf("ab"), Two = HeightOf("a@b"), Three = HeightOf("a@b@c");
  EXPECT_GT(Two, One);
  EXPECT_EQ(Three - Two, Two - One) << "each separator adds exactly one line";
  Hint->SetLineSeparator("");
  EXPECT_EQ(HeightOf("a@b"), One);
  EXPECT_EQ(Own()->Caption(), "a@b");
}

TEST_F(SkinHint, TheExtendedHintPutsItsTitleAboveAndItsImageLeftOfTheText) {
  Hint->ActivateHint({ 300, 300 }, "text");
  const TSize Plain { Own()->Width(), Own()->Height() };
  TCustomImageList Images(nullptr, 16, 16);
  TBitmap Red;
  Red.SetSize(16, 16);
  Red.Canvas()->Brush()->SetColor(clRed);
  Red.Canvas()->FillRect(Rect(0, 0, 16, 16));
  Images.Add(&Red, nullptr);
  Hint->ActivateHintEx2("标题", "text", 0, &Images);
  Display->Advance(App->HintPause() + 10);
  TskSkinHintWindow* Window = Own();
  ASSERT_TRUE(Window->Visible());
  EXPECT_GE(Window->Width(), Plain.cx + 16 + 10) << "room for the image";
  EXPECT_GT(Window->Height(), Plain.cy + 10) << "room for the title";
  Display->PumpUntilIdle();
  bool RedLeft = false;
  for (int X = 0; X < Window->Width() / 2 && !RedLeft; ++X)
    RedLeft = Display->PixelAt(Window->Left() + X, Window->Top() + Window->Height() - 12) == clRed;
  EXPECT_TRUE(RedLeft) << "the image in the left half, below the title";
  Hint->HideHint();
  EXPECT_TRUE(Hint->HintTitle().empty()) << "hiding drops the title";
}

TEST_F(SkinHint, AHintPastTheWorkAreasEdgeFlipsToTheOtherSideOfItsPoint) {
  Display->SetWorkArea(Rect(0, 0, 1280, 760));
  Hint->ActivateHint({ 1270, 100 }, "right edge");
  EXPECT_EQ(Own()->Left(), 1270 - Own()->Width() - 2);
  EXPECT_EQ(Own()->Top(), 100);
  Hint->ActivateHint({ 100, 750 }, "bottom edge");
  EXPECT_EQ(Own()->Left(), 100);
  EXPECT_EQ(Own()->Top(), 750 - Own()->Height() - 2);
}

TEST_F(SkinHint, AnAnimatedHintFadesInInTenSteps) {
  auto& Layered = PlatformCapabilities().SetLayeredWindowAttributes;
  ASSERT_TRUE(bool(Layered)) << "the headless presenter layers windows";
  const auto Real = Layered;
  std::vector<int> Alphas;
  Layered = [&](HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags) {
    Alphas.push_back(Alpha);
    return Real(Wnd, Key, Alpha, Flags);
  };
  Hint->SetAlphaBlend(true);
  Hint->SetAlphaBlendValue(200);
  Hint->SetAlphaBlendAnimation(true);
  Hint->ActivateHint({ 300, 300 }, "fade");
  Layered = Real;
  EXPECT_EQ(Alphas, (std::vector<int> { 0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200 }));
}

TEST_F(SkinHint, AHintOnAnotherFormOrAnInactiveOneServesNothing) {
  Hint->SetActive(false);
  TForm* Other = NewForm(Bounds(0, 0, 200, 200));
  auto* Second = new TskSkinHint(Other);
  Second->ActivateHint2("elsewhere");
  Display->Advance(App->HintPause() + 10);
  EXPECT_FALSE(Second->IsVisible()) << "no active component on the main form";
  Hint->SetActive(true);
  auto* Third = new TskSkinHint(Main);
  Third->SetActive(true);
  EXPECT_FALSE(Hint->Active()) << "making one active makes the main form's others inactive";
}

TEST_F(SkinHint, AfterTheComponentIsFreedTheApplicationsHintsStillShow) {
  int UserHints = 0;
  delete Hint;
  Hint = nullptr;
  EXPECT_FALSE(bool(App->OnShowHint)) << "no handler is left pointing at the freed component";
  App->OnShowHint = [&](String&, bool&, THintInfo&) { ++UserHints; };
  THintWindow* Window = App->HintWindow();
  ASSERT_NE(Window, nullptr);
  EXPECT_EQ(dynamic_cast<TskSkinHintWindow*>(Window), nullptr) << "the plain hint window again";
  PointAtTarget();
  Display->Advance(App->HintPause() + 10);
  EXPECT_TRUE(Window->Visible());
  EXPECT_EQ(Window->Caption(), "保存");
  EXPECT_EQ(UserHints, 1);
}

}  // namespace
