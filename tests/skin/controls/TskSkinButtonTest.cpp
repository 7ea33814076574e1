// The skinned push button: the order of its events for the mouse, the keys and the dialog keys, checked,
// group and repeat modes on the virtual clock, the focus it takes, the image each state draws, the hover
// transition, the frame animation and the glow frame.
#include "platform/gdi/Capabilities.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/winsys/LayeredWindows.h"
#include "resources/EmbeddedSkins.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/skin/support/EmbeddedSkinModels.h"

namespace {

/// A button that shows its inner state to the tests.
class TProbeButton : public TskSkinButton {
public:
  using TskSkinButton::TskSkinButton;
  double MorphKf() const { return FMorphKf; }
  bool Morphs() const { return MorphTimer != nullptr; }
  bool Hot() const { return FMouseIn; }
  bool GlowShown() const { return FLayerManager->IsVisible; }
  int GlyphNum(bool ADown, bool AMouseIn) { return GetGlyphNum(ADown, AMouseIn); }
};

class ButtonTest : public SkinControlTest {
protected:
  TProbeButton* NewButton(const std::string& Name, TRect Bounds = ::Bounds(10, 10, 75, 25),
                          TWinControl* Parent = nullptr) {
    auto* Button = Add<TProbeButton>(Bounds, Parent);
    Button->SetName(Name);
    Button->SetCaption("");
    Button->OnMouseDown = [this, Name](TObject*, TMouseButton, TShiftState, int, int) { Log.push_back(Name + ".Down"); };
    Button->OnMouseUp = [this, Name](TObject*, TMouseButton, TShiftState, int, int) { Log.push_back(Name + ".Up"); };
    Button->OnClick = [this, Name](TObject*) { Log.push_back(Name + ".Click"); };
    Display->PumpUntilIdle();
    return Button;
  }
  AppLog Take() { return std::exchange(Log, {}); }
  int Clicks(const std::string& Name) {
    return int(std::count(Log.begin(), Log.end(), Name + ".Click"));
  }
};

TEST_F(ButtonTest, MouseEventsComeInTheirOrder) {
  struct Case {
    const char* What;
    std::function<void(TControl*)> Do;
    AppLog Events;
  };
  const Case Cases[] = {
    { "plain click", [&](TControl* B) { ClickAt(B, 30, 12); }, { "b.Down", "b.Click", "b.Up" } },
    { "dragged off and released outside",
      [&](TControl* B) {
        Press(B, 30, 12);
        MoveTo(B, 30, 60);
        Release(B, 30, 60);
      },
      { "b.Down", "b.Up" } },
    { "dragged off and back onto the edge",
      [&](TControl* B) {
        Press(B, 30, 12);
        MoveTo(B, 30, 60);
        MoveTo(B, 75, 25);
        Release(B, 75, 25);
      },
      { "b.Down", "b.Click", "b.Up" } },
    { "right press", [&](TControl* B) { Press(B, 30, 12, PointerButton::Right); }, { "b.Down" } },
  };
  for (const Case& C : Cases) {
    auto* Button = NewButton("b");
    C.Do(Button);
    EXPECT_EQ(Take(), C.Events) << C.What;
    EXPECT_FALSE(Button->Down()) << C.What;
    Release(Button, 30, 12, PointerButton::Right);
    delete Button;
    Take();
  }
}

TEST_F(ButtonTest, ACheckedButtonClicksAtThePressDownAndAtTheReleaseUp) {
  auto* Button = NewButton("b");
  Button->SetCheckedMode(true);
  EXPECT_EQ(Button->GroupIndex(), -1);
  EXPECT_FALSE(Button->CanFocused());
  EXPECT_FALSE(Button->TabStop());
  Press(Button, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "b.Down", "b.Click" }));
  Release(Button, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "b.Up" }));
  EXPECT_TRUE(Button->Down());
  Press(Button, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "b.Down" }));
  Release(Button, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "b.Click", "b.Up" }));
  EXPECT_FALSE(Button->Down());
  Button->SetGroupIndex(0);
  EXPECT_FALSE(Button->CanFocused()) << "leaving the group does not put the button back in the tab order";
}

TEST_F(ButtonTest, AGroupKeepsOneButtonDownAmongItsSiblings) {
  auto* Panel = Add<TPanel>(Bounds(10, 200, 300, 40));
  auto* A = NewButton("a", Bounds(10, 10, 75, 25));
  auto* B = NewButton("b", Bounds(90, 10, 75, 25));
  auto* C = NewButton("c", Bounds(170, 10, 75, 25));
  auto* Away = NewButton("away", Bounds(5, 5, 75, 25), Panel);
  for (TskSkinButton* Button : { A, B, C, Away }) Button->SetGroupIndex(1);
  Away->SetDown(true);
  A->SetDown(true);
  Take();
  ClickAt(B, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "b.Down", "b.Click", "b.Up" })) << "clicked at the press";
  EXPECT_TRUE(B->Down());
  EXPECT_FALSE(A->Down());
  EXPECT_TRUE(Away->Down()) << "another parent is another group";
  ClickAt(B, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "b.Down", "b.Up" })) << "the down button does nothing";
  EXPECT_TRUE(B->Down());

  for (TskSkinButton* Button : { A, B, C }) Button->SetAllowAllUp(true);
  ClickAt(C, 30, 12);
  EXPECT_TRUE(B->Down()) << "AllowAllUp releases none of the others";
  Take();
  ClickAt(C, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "c.Down", "c.Click", "c.Up" })) << "a click raises the down button";
  EXPECT_FALSE(C->Down());
}

TEST_F(ButtonTest, ARepeatButtonClicksAfter600MsThenEvery100AndAtTheRelease) {
  auto* Button = NewButton("b");
  Button->SetRepeatMode(true);
  Press(Button, 30, 12);
  Display->Advance(300);
  Release(Button, 30, 12);
  EXPECT_EQ(Clicks("b"), 1) << "a short press clicks once, at the release";
  Take();

  Press(Button, 30, 12);
  Display->Advance(599);
  EXPECT_EQ(Clicks("b"), 0);
  Display->Advance(1);
  EXPECT_EQ(Clicks("b"), 1);
  Display->Advance(200);
  EXPECT_EQ(Clicks("b"), 3);
  MoveTo(Button, 30, 60);
  Display->Advance(1000);
  EXPECT_EQ(Clicks("b"), 3) << "leaving stops the repeats";
  MoveTo(Button, 30, 12);
  Display->Advance(599);
  EXPECT_EQ(Clicks("b"), 3) << "re-entering waits the whole delay again";
  Display->Advance(1);
  EXPECT_EQ(Clicks("b"), 4);
  Release(Button, 30, 12);
  EXPECT_EQ(Clicks("b"), 5);
  Display->Advance(1000);
  EXPECT_EQ(Clicks("b"), 5);
}

TEST_F(ButtonTest, AButtonFreedByItsOwnRepeatedClickStopsQuietly) {
  auto* Other = NewForm(Bounds(500, 100, 200, 100));
  Other->Show();
  auto* Button = Place<TskSkinButton>(Other, Other, Bounds(10, 10, 75, 25));
  Button->SetRepeatMode(true);
  int Clicks = 0;
  Button->OnClick = [Other, &Clicks](TObject*) {
    ++Clicks;
    delete Other;
  };
  Display->PumpUntilIdle();
  const int Forms = Screen->FormCount();
  Press(Button, 30, 12);
  Display->Advance(700);
  EXPECT_EQ(Clicks, 1) << "the repeat stopped with the freed button";
  EXPECT_EQ(Screen->FormCount(), Forms - 1) << "its form is gone";
  Display->Advance(1000);
  Display->ButtonUp(540, 122);
  Display->PumpUntilIdle();
  EXPECT_EQ(Clicks, 1) << "neither a later timer tick nor the release reaches it";
  EXPECT_TRUE(Form->Visible());
}

TEST_F(ButtonTest, SpaceAndEnterClickTheFocusedButton) {
  auto* Button = NewButton("b");
  Button->SetFocus();
  Display->KeyDown(VK_SPACE);
  EXPECT_TRUE(Button->Down());
  EXPECT_EQ(Clicks("b"), 0);
  Display->KeyUp(VK_SPACE);
  EXPECT_FALSE(Button->Down());
  EXPECT_EQ(Take(), (AppLog { "b.Click" }));
  Display->Key(VK_RETURN);
  EXPECT_EQ(Take(), (AppLog { "b.Click" }));

  Button->SetRepeatMode(true);
  Display->KeyDown(VK_SPACE);
  Display->KeyDown(VK_SPACE, true);
  Display->KeyDown(VK_SPACE, true);
  Display->KeyUp(VK_SPACE);
  EXPECT_EQ(Clicks("b"), 4) << "each key-down of the keyboard's repeat, and the release";
}

TEST_F(ButtonTest, EnterGoesToTheFocusedSkinnedButtonOrTheLitDefaultAndEscapeToCancelWithoutModifiers) {
  auto* Edit = new KeyProbe(Form, &Log, "edit", Form, Bounds(10, 100, 80, 20));
  auto* Ok = NewButton("ok", Bounds(10, 10, 75, 25));
  auto* Other = NewButton("other", Bounds(100, 10, 75, 25));
  auto* Cancel = NewButton("cancel", Bounds(190, 10, 75, 25));
  Ok->SetDefault(true);
  Cancel->SetCancel(true);
  Edit->SetFocus();
  Display->PumpUntilIdle();
  EXPECT_TRUE(Ok->Hot()) << "the default button is lit while another kind of control has the focus";
  Display->Key(VK_RETURN);
  EXPECT_EQ(Clicks("ok"), 1);
  Take();

  Other->SetFocus();
  Display->PumpUntilIdle();
  EXPECT_FALSE(Ok->Hot());
  Display->Key(VK_RETURN);
  EXPECT_EQ(Clicks("other"), 1);
  EXPECT_EQ(Clicks("ok"), 0);
  Take();

  for (UINT Modifier : { VK_SHIFT, VK_CONTROL, VK_MENU }) Display->Key(VK_ESCAPE, { Modifier });
  EXPECT_EQ(Clicks("cancel"), 0);
  Display->Key(VK_ESCAPE);
  EXPECT_EQ(Clicks("cancel"), 1);
}

TEST_F(ButtonTest, ClicksWriteTheModalResultAlsoNoneAndTheAcceleratorFocusesAndClicks) {
  auto* Button = NewButton("b");
  Button->SetCaption("&Go");
  Form->SetModalResult(mrOk);
  ClickAt(Button, 30, 12);
  EXPECT_EQ(Form->ModalResult(), mrNone);
  Button->SetModalResult(mrCancel);
  auto* Edit = new KeyProbe(Form, &Log, "edit", Form, Bounds(10, 100, 80, 20));
  Edit->SetFocus();
  Take();
  Display->Key('G', { VK_MENU });
  EXPECT_TRUE(Button->Focused());
  EXPECT_EQ(Clicks("b"), 1);
  EXPECT_EQ(Form->ModalResult(), mrCancel);
  Form->SetModalResult(mrNone);
  Button->SetCanFocused(false);
  ClickAt(Button, 30, 12);
  EXPECT_EQ(Form->ModalResult(), mrNone) << "not written while the button takes no focus";
}

TEST_F(ButtonTest, APressWhoseFocusIsRefusedIsDropped) {
  auto* Edit = new KeyProbe(Form, &Log, "edit", Form, Bounds(10, 100, 80, 20));
  auto* Button = NewButton("b");
  Edit->SetFocus();
  Edit->OnExit = [Edit](TObject*) { Edit->SetFocus(); };
  Take();
  ClickAt(Button, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "b.Up" })) << "no press and no click; only the release reaches the button";
  EXPECT_FALSE(Button->Down());
  Edit->OnExit = nullptr;
  ClickAt(Button, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "b.Down", "b.Click", "b.Up" }));
}

// ---- Looks ----

TEST_F(ButtonTest, TheBuiltInFaceIsOutlinedAndFilledByState) {
  auto* Button = NewButton("b");
  Button->SetCanFocused(false);
  EXPECT_EQ(Shown(Button, 0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(Button, 30, 12), ColorToRGB(clBtnFace));
  MoveTo(Button, 30, 12);
  EXPECT_EQ(Shown(Button, 0, 0), BuiltInOutlineColor);
  EXPECT_EQ(Shown(Button, 30, 12), BuiltInHotColor);
  Press(Button, 30, 12);
  EXPECT_EQ(Shown(Button, 30, 12), BuiltInDownColor);
  MoveTo(Button, 30, 60);
  EXPECT_EQ(Shown(Button, 30, 12), ColorToRGB(clBtnFace)) << "dragged off: no longer pressed";
  Release(Button, 30, 60);
}

/// A skin built in code whose "button" record draws each state in its own colour.
class SkinnedButton : public ButtonTest {
protected:
  void SetUp() override {
    ButtonTest::SetUp();
    TskSkinModelBuilder Skin(Model);
    Controls = Skin.AddPicture(200, 200);
    Record = &Skin.Add<TskDataSkinButtonControl>("button", "button");
    Record->PictureIndex = Controls;
    SetNinePart(*Record, Skin.Paint(Controls, Bounds(0, 0, 40, 25), Normal, clWhite), 3, Rect(3, 3, 37, 22));
    Record->ActiveSkinRect = Skin.Paint(Controls, Bounds(40, 0, 40, 25), Hot, clWhite);
    Record->DownSkinRect = Skin.Paint(Controls, Bounds(80, 0, 40, 25), Pressed, clWhite);
    Record->DisabledSkinRect = Skin.Paint(Controls, Bounds(120, 0, 40, 25), Disabled, clWhite);
    Record->FocusedSkinRect = Skin.Paint(Controls, Bounds(160, 0, 40, 25), FocusedColor, clWhite);
    Glow = Skin.AddPicture(50, 35, clAqua);
    GlowMask = Skin.AddPicture(50, 35, clWhite);
    Skin.Finish();
  }
  TProbeButton* SkinnedNew(const std::string& Name = "b") {
    auto* Button = NewButton(Name);
    Button->SetSkinData(&Model);
    Display->PumpUntilIdle();
    return Button;
  }
  void UseGlow() {
    Record->GlowLayerPictureIndex = Glow;
    Record->GlowLayerMaskPictureIndex = GlowMask;
    Record->GlowLayerOffsetLeft = Record->GlowLayerOffsetRight = 5;
    Record->GlowLayerOffsetTop = Record->GlowLayerOffsetBottom = 5;
  }

  static constexpr TColor Normal = RGB(200, 0, 0);
  static constexpr TColor Hot = RGB(0, 200, 0);
  static constexpr TColor Pressed = RGB(0, 0, 200);
  static constexpr TColor Disabled = RGB(100, 100, 100);
  static constexpr TColor FocusedColor = RGB(200, 200, 0);
  int Controls { 0 };
  int Glow { 0 };
  int GlowMask { 0 };
  TskDataSkinButtonControl* Record { nullptr };
};

TEST_F(SkinnedButton, EachStateDrawsItsImage) {
  auto* Button = SkinnedNew();
  auto* Edit = new KeyProbe(Form, &Log, "edit", Form, Bounds(10, 100, 80, 20));
  struct Row {
    const char* State;
    std::function<void()> Enter;
    TColor Shows;
  };
  const Row Rows[] = {
    { "normal", [] {}, Normal },
    { "hot", [&] { MoveTo(Button, 30, 12); }, Hot },
    { "pressed", [&] { Press(Button, 30, 12); }, Pressed },
    { "pressed, dragged off (focused)", [&] { MoveTo(Button, 30, 60); }, FocusedColor },
    { "focused", [&] { Release(Button, 30, 60); }, FocusedColor },
    { "focused without a focused image", [&] { Record->FocusedSkinRect = {}; Button->Invalidate(); }, Hot },
    { "disabled", [&] { Button->SetEnabled(false); }, Disabled },
    { "disabled without a disabled image", [&] { Record->DisabledSkinRect = {}; Edit->SetFocus(); Button->Invalidate(); }, Normal },
    { "down by code, pointer elsewhere", [&] { Button->SetEnabled(true); Button->SetDown(true); }, Normal },
    { "down by code in a group", [&] { Button->SetGroupIndex(1); Button->Invalidate(); }, Pressed },
  };
  for (const Row& R : Rows) {
    R.Enter();
    EXPECT_EQ(Shown(Button, 37, 12), R.Shows) << R.State;
  }
}

TEST_F(ButtonTest, TheTestSkinShowsThePieceOfEachState) {
  std::unique_ptr<TskSkinData> Skin = LoadEmbeddedSkin(TestSkinContainer());
  const auto* R = dynamic_cast<TskDataSkinButtonControl*>(Skin->CtrlList[Skin->GetControlIndex("button")].get());
  ASSERT_NE(R, nullptr);
  TCanvas* Picture = Skin->FActivePictures[R->PictureIndex]->Canvas();
  auto Fill = [&](const TRect& Piece) { return Picture->Pixels(Piece.Left + Piece.Width() / 2, Piece.Top + Piece.Height() / 2); };
  auto* Edit = new KeyProbe(Form, &Log, "edit", Form, Bounds(10, 100, 80, 20));
  auto* Button = NewButton("b");
  Button->SetSkinData(Skin.get());
  struct Row {
    const char* State;
    std::function<void()> Enter;
    TRect Piece;
  };
  const Row Rows[] = {
    { "normal", [] {}, R->SkinRect },
    { "hot", [&] { MoveTo(Button, 30, 12); }, R->ActiveSkinRect },
    { "pressed", [&] { Press(Button, 30, 12); }, R->DownSkinRect },
    { "focused", [&] { Release(Button, 30, 60); }, R->FocusedSkinRect },
    { "disabled", [&] { Edit->SetFocus(); Button->SetEnabled(false); }, R->DisabledSkinRect },
  };
  for (const Row& Case : Rows) {
    Case.Enter();
    Display->Advance(200);  // past the hover transition
    EXPECT_EQ(Shown(Button, 37, 12), Fill(Case.Piece)) << Case.State;
  }
}

TEST_F(SkinnedButton, ATransparentButtonShowsItsParentAtRestAndOnPaintCanLeaveTheContentOut) {
  auto* Button = SkinnedNew();
  Button->SetCanFocused(false);
  Button->SetTransparent(true);
  EXPECT_EQ(Shown(Button, 37, 12), clWhite) << "the form behind it";
  MoveTo(Button, 30, 12);
  EXPECT_EQ(Shown(Button, 37, 12), Hot);
  MoveTo(Button, 30, 60);

  Button->SetTransparent(false);
  Button->SetCaption("转换");
  auto Marks = [&] {
    int Count = 0;
    for (int x = 20; x < 55; ++x) Count += Shown(Button, x, 12) != Normal;
    return Count;
  };
  EXPECT_GT(Marks(), 0) << "the caption";
  Button->OnPaint = [](TObject*, TCanvas*, TRect, bool, bool, bool& DrawDefault) { DrawDefault = false; };
  Button->Invalidate();
  EXPECT_EQ(Marks(), 0) << "the background only";
}

TEST_F(SkinnedButton, AFreelySizedButtonOfAFixedRecordCopiesItUnscaledAndCentresItsCaptionInTheGrownClient) {
  Record->LTPoint = Record->RTPoint = Record->LBPoint = Record->RBPoint = {};
  auto* Button = NewButton("b", Bounds(10, 10, 100, 40));
  Button->SetCanFocused(false);
  Button->SetUseSkinSize(false);
  Button->SetSkinData(&Model);
  Button->SetCaption("转换");
  EXPECT_EQ(Button->Width(), 100);
  EXPECT_EQ(Shown(Button, 20, 12), Normal);
  EXPECT_EQ(Shown(Button, 40, 30), clWhite) << "nothing beyond the copied piece";
  int Left = 100, Right = -1;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x) {
      const TPoint P = At(Button, x, y);
      const TColor C = Display->PixelAt(P.X, P.Y);
      if (C == Normal || C == clWhite) continue;
      Left = std::min(Left, x);
      Right = std::max(Right, x);
    }
  ASSERT_LT(Left, Right);
  EXPECT_NEAR((Left + Right + 1) / 2.0, (3 + 97) / 2.0, 1.5) << "ClRect (3, 3, 37, 22) grown by 60 x 15";
}

TEST_F(SkinnedButton, TheHoverTransitionReachesOneExactlyAndFreesItsTimer) {
  Record->Morphing = true;
  auto* Button = SkinnedNew();
  Button->SetCanFocused(false);
  MoveTo(Button, 30, 12);
  std::vector<double> Steps;
  for (int i = 0; i < 6; ++i) {
    Display->Advance(20);
    Steps.push_back(Button->MorphKf());
  }
  EXPECT_NEAR(Steps[0], 0.2, 1e-9);
  EXPECT_NEAR(Steps[3], 0.8, 1e-9);
  EXPECT_EQ(Steps[5], 1.0);
  EXPECT_FALSE(Button->Morphs()) << "an idle button holds no timer";
  EXPECT_EQ(Shown(Button, 37, 12), Hot);
  MoveTo(Button, 30, 60);
  Display->Advance(40);
  const TColor Between = Shown(Button, 37, 12);
  EXPECT_NE(Between, Hot);
  EXPECT_NE(Between, Normal) << "a blend while under way";
  Display->Advance(200);
  EXPECT_EQ(Button->MorphKf(), 0.0);
  EXPECT_FALSE(Button->Morphs());
  EXPECT_EQ(Shown(Button, 37, 12), Normal);
}

TEST_F(SkinnedButton, TheAnimationPlaysFramesSideBySideOrStackedIntoTheHotImage) {
  const TColor Frames[] = { RGB(10, 20, 30), RGB(40, 50, 60), RGB(70, 80, 90) };
  for (const bool SideBySide : { true, false }) {
    SCOPED_TRACE(SideBySide);
    TskSkinModelBuilder Skin(Model);
    const int Picture = Skin.AddPicture(200, 200);
    auto& R = Skin.Add<TskDataSkinButtonControl>("button", "button");
    R.PictureIndex = Picture;
    SetNinePart(R, Skin.Paint(Picture, Bounds(0, 100, 40, 25), Normal), 3, Rect(3, 3, 37, 22));
    for (int i = 0; i < 3; ++i)
      Skin.Paint(Picture, SideBySide ? Bounds(40 * i, 0, 40, 25) : Bounds(0, 25 * i, 40, 25), Frames[i]);
    R.AnimateSkinRect = SideBySide ? Rect(0, 0, 120, 25) : Rect(0, 0, 40, 75);
    R.FrameCount = 3;
    R.AnimateInterval = 30;
    Skin.Finish();
    auto* Button = SkinnedNew();
    Button->SetCanFocused(false);
    MoveTo(Button, 30, 12);
    EXPECT_EQ(Shown(Button, 20, 12), Frames[0]);
    Display->Advance(30);
    EXPECT_EQ(Shown(Button, 20, 12), Frames[1]);
    Display->Advance(30);
    EXPECT_EQ(Shown(Button, 20, 12), Frames[2]);
    Display->Advance(30);
    EXPECT_EQ(Shown(Button, 20, 12), Normal) << "past the last frame: the plain hot image (here the normal one)";
    delete Button;
  }
}

TEST_F(SkinnedButton, GlyphNumbersFollowStateAndStripLength) {
  auto* Button = SkinnedNew();
  struct Row {
    int NumGlyphs;
    bool Enabled, ADown, AMouseIn;
    int Glyph;
  };
  const Row Rows[] = {
    { 4, true, true, true, 3 },   { 2, true, true, true, 1 },    { 4, true, false, true, 4 },
    { 3, true, false, true, 1 },  { 4, false, false, false, 2 }, { 1, false, false, false, 1 },
    { 4, true, false, false, 1 },
  };
  for (const Row& R : Rows) {
    Button->SetNumGlyphs(R.NumGlyphs);
    Button->SetEnabled(R.Enabled);
    EXPECT_EQ(Button->GlyphNum(R.ADown, R.AMouseIn), R.Glyph) << R.NumGlyphs << R.Enabled << R.ADown << R.AMouseIn;
  }
}

TEST_F(SkinnedButton, TheGlowFrameShowsAfterEnteringWhenItsRulesAllow) {
  struct Case {
    const char* What;
    std::function<void()> Setup;
    bool Shown;
  };
  const Case Cases[] = {
    { "nine-part record", [&] { UseGlow(); }, true },
    { "strip record", [&] { UseGlow(); SetHorzStrip(*Record, Record->SkinRect, 3, 3); }, true },
    { "vertical strip: no rule", [&] { UseGlow(); SetVertStrip(*Record, Record->SkinRect, 3, 3); }, false },
    { "no glow picture", [] {}, false },
    { "glow picture beyond the model's", [&] { UseGlow(); Record->GlowLayerPictureIndex = 7; }, false },
    { "mask beyond the model's", [&] { UseGlow(); Record->GlowLayerMaskPictureIndex = 9; }, false },
    { "no mask", [&] { UseGlow(); Record->GlowLayerMaskPictureIndex = -1; }, false },
    { "glow frames off", [&] { UseGlow(); Model.SetShowButtonGlowFrames(false); }, false },
    { "no layered windows", [&] { UseGlow(); EnableLayeredWindows(false); }, false },
  };
  for (const Case& C : Cases) {
    SetUp();
    Model.SetShowButtonGlowFrames(true);
    C.Setup();
    auto* Button = SkinnedNew();
    MoveTo(Button, 30, 12);
    Display->PumpUntilIdle();
    EXPECT_EQ(Button->GlowShown(), C.Shown) << C.What;
    MoveTo(Button, 30, 60);
    Display->PumpUntilIdle();
    EXPECT_FALSE(Button->GlowShown()) << C.What;
    TearDown();
  }
}

TEST_F(SkinnedButton, TheGlowFrameStandsAroundTheButton) {
  UseGlow();
  Record->GlowLayerShowOffsetX = Record->GlowLayerShowOffsetY = 5;
  auto* Button = SkinnedNew();
  MoveTo(Button, 30, 12);
  Display->Advance(300);
  const TPoint Corner = At(Button, -5, -5);
  EXPECT_EQ(Display->PixelAt(Corner.X, Corner.Y), clAqua);
  const TPoint Last = At(Button, 75 + 4, 25 + 4);
  EXPECT_EQ(Display->PixelAt(Last.X, Last.Y), clAqua);
  const TPoint Beyond = At(Button, 75 + 5, 25 + 5);
  EXPECT_EQ(Display->PixelAt(Beyond.X, Beyond.Y), clWhite) << "grown to the button's size plus the offsets";
}

}  // namespace
