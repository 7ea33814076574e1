// The skinned scroll bar: position rules, the built-in and the skinned geometry and pieces, the step and
// page repeats on the virtual clock, the thumb drag, and keys, wheel and focus only when it may take the
// focus.
#include "platform/gdi/TCanvas.h"
#include "resources/EmbeddedSkins.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/skin/support/EmbeddedSkinModels.h"

namespace {

class ScrollBarTest : public SkinControlTest {
protected:
  TskSkinScrollBar* NewBar(TRect Bounds = ::Bounds(10, 10, 200, 19)) {
    auto* Bar = Add<TskSkinScrollBar>(Bounds);
    Bar->OnChange = [this, Bar](TObject*) { Log.push_back("Change " + std::to_string(Bar->Position())); };
    Bar->OnPageDown = [this](TObject*) { Log.push_back("PageDown"); };
    Bar->OnPageUp = [this](TObject*) { Log.push_back("PageUp"); };
    Bar->OnLastChange = [this](TObject*) { Log.push_back("LastChange"); };
    Bar->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Log.push_back("MouseDown"); };
    Display->PumpUntilIdle();
    return Bar;
  }
  AppLog Take() { return std::exchange(Log, {}); }
};

struct ClampCase {
  int Min, Max, PageSize, Set, Result;
};

TEST_F(ScrollBarTest, PositionIsClampedIntoTheRangeAndFiresOnlyWhenItChanges) {
  const ClampCase Cases[] = {
    { 0, 100, 0, 150, 100 }, { 0, 100, 0, -5, 0 }, { 0, 100, 10, 95, 91 }, { 10, 100, 0, 5, 10 },
    { 10, 100, 20, 95, 81 }, { 0, 100, 0, 40, 40 },
  };
  auto* Bar = NewBar();
  for (const ClampCase& C : Cases) {
    Bar->SetRange(C.Min, C.Max, C.Min, C.PageSize);
    Bar->SetPosition(C.Set);
    EXPECT_EQ(Bar->Position(), C.Result) << C.Min << ".." << C.Max << " page " << C.PageSize << " := " << C.Set;
  }
  Take();
  Bar->SetPosition(40);
  Bar->SimplySetPosition(70);
  Bar->SetRange(0, 50, 60, 0);
  EXPECT_EQ(Bar->Position(), 50);
  EXPECT_TRUE(Take().empty()) << "no event for the same position, SimplySetPosition or SetRange";
  Bar->SetPosition(20);
  EXPECT_EQ(Take(), (AppLog { "Change 20" }));
}

/// A bar that counts its paints.
class TCountingBar : public TskSkinScrollBar {
public:
  using TskSkinScrollBar::TskSkinScrollBar;
  int Paints { 0 };

protected:
  void Paint() override {
    ++Paints;
    TskSkinScrollBar::Paint();
  }
};

TEST_F(ScrollBarTest, ARefusedPageSizeStillRepaints) {
  auto* Bar = Add<TCountingBar>(Bounds(10, 10, 200, 19));
  Bar->SetPosition(95);
  Display->PumpUntilIdle();
  const int Paints = Bar->Paints;
  Bar->SetPageSize(10);
  EXPECT_EQ(Bar->PageSize(), 0);
  EXPECT_EQ(Bar->Paints, Paints + 1);
}

TEST_F(ScrollBarTest, MaxAndPageSizeCountThePositionFromMin) {
  auto* Bar = NewBar();
  Bar->SetRange(10, 100, 85, 10);
  Bar->SetMax(90);
  EXPECT_EQ(Bar->Position(), 81) << "the last position a page of 10 allows in 10..90";
  Bar->SetRange(10, 100, 50, 0);
  Bar->SetPageSize(50);
  EXPECT_EQ(Bar->PageSize(), 50) << "positions 10..51 hold 50";
  Bar->SetPageSize(60);
  EXPECT_EQ(Bar->PageSize(), 50) << "refused: 60 does not fit beside 50";
  Bar->SetRange(0, 100, 0, 0);
  Bar->SetPosition(95);
  Bar->SetPageSize(10);
  EXPECT_EQ(Bar->PageSize(), 0);
  Bar->SetMin(40);
  Bar->SetMax(90);
  EXPECT_EQ(Bar->Position(), 90);
}

TEST_F(ScrollBarTest, BuiltInGeometryHas17PixelButtonsAndAThumbSizedByThePage) {
  auto* Bar = NewBar();
  Shown(Bar, 0, 0);
  EXPECT_EQ(Bar->Buttons[2].R, Rect(1, 1, 17, 18));
  EXPECT_EQ(Bar->Buttons[1].R, Rect(183, 1, 199, 18));
  EXPECT_EQ(Bar->Buttons[0].R, Rect(17, 1, 33, 18)) << "a 16-pixel thumb at the start";
  Bar->SetRange(0, 99, 0, 10);
  Shown(Bar, 0, 0);
  EXPECT_EQ(Bar->Buttons[0].R.Width(), 16) << "round(166 * 10 / 100) = 17, halved and doubled";
  Bar->SetRange(0, 99, 0, 100);
  Shown(Bar, 0, 0);
  EXPECT_EQ(Bar->Buttons[0].R, Rect(17, 1, 183, 18)) << "a page of the whole range fills the track";
  Bar->SetBoth(true);
  Shown(Bar, 0, 0);
  EXPECT_EQ(Bar->Buttons[1].R, Rect(164, 1, 180, 18)) << "the corner marker keeps 19 pixels free";
  auto* Vertical = NewBar(Bounds(250, 10, 19, 200));
  Vertical->SetKind(sbVertical);
  Shown(Vertical, 0, 0);
  EXPECT_EQ(Vertical->Buttons[1].R, Rect(1, 183, 18, 199));
}

TEST_F(ScrollBarTest, HoldingAStepButtonRepeatsAfter550MsThenEvery50WhileOnTheButton) {
  auto* Bar = NewBar();
  Press(Bar, 190, 9);
  EXPECT_EQ(Bar->Position(), 1) << "one step at the press";
  Display->Advance(549);
  EXPECT_EQ(Bar->Position(), 1);
  Display->Advance(1);
  EXPECT_EQ(Bar->Position(), 2);
  Display->Advance(100);
  EXPECT_EQ(Bar->Position(), 4);
  MoveTo(Bar, 100, 9);  // off the button: the repeat pauses
  Display->Advance(300);
  EXPECT_EQ(Bar->Position(), 4);
  MoveTo(Bar, 190, 9);  // back: it resumes at once
  Display->Advance(50);
  EXPECT_EQ(Bar->Position(), 5);
  Release(Bar, 190, 9);
  Display->Advance(500);
  EXPECT_EQ(Bar->Position(), 5);
  ClickAt(Bar, 8, 9);
  EXPECT_EQ(Bar->Position(), 4) << "the decrease button";
  int Replaced = 0;
  Bar->OnDownButtonClick = [&](TObject*) { ++Replaced; };
  ClickAt(Bar, 8, 9);
  EXPECT_EQ(Bar->Position(), 4) << "an assigned button event replaces the step";
  EXPECT_EQ(Replaced, 1);
}

TEST_F(ScrollBarTest, PressingTheTrackPagesUntilTheThumbReachesThePointer) {
  auto* Bar = NewBar();
  Bar->SetLargeChange(10);
  Take();
  Press(Bar, 150, 9);
  EXPECT_EQ(Take(), (AppLog { "Change 10", "PageDown", "MouseDown" }));
  Display->Advance(2000);
  Release(Bar, 150, 9);
  EXPECT_EQ(Bar->Position(), 80) << "the thumb (right edge 33 + 1.5 x position) passed the pointer at 150";
  const AppLog Paged = Take();
  EXPECT_EQ(std::count(Paged.begin(), Paged.end(), "PageDown"), 7);
  Press(Bar, 20, 9);
  Release(Bar, 20, 9);
  EXPECT_EQ(Bar->Position(), 70);
  EXPECT_EQ(Take(), (AppLog { "Change 70", "PageUp", "MouseDown" }));
}

TEST_F(ScrollBarTest, DraggingTheThumbFollowsThePointerAndEndsWithLastChange) {
  auto* Bar = NewBar();
  Bar->SetRange(0, 99, 0, 10);
  Shown(Bar, 0, 0);
  const TRect Thumb = Bar->Buttons[0].R;
  Press(Bar, Thumb.Left + 4, 9);
  MoveTo(Bar, Thumb.Left + 4 + 75, 9);
  EXPECT_EQ(Bar->Position(), 45) << "75 of 150 pixels of travel: half of 0..90";
  MoveTo(Bar, 400, 9);
  EXPECT_EQ(Bar->Position(), 90) << "beyond the end: Max - PageSize + 1";
  MoveTo(Bar, -300, 9);
  EXPECT_EQ(Bar->Position(), 0);
  Release(Bar, -300, 9);
  const AppLog Events = Take();
  ASSERT_FALSE(Events.empty());
  EXPECT_EQ(Events.back(), "LastChange");
}

TEST_F(ScrollBarTest, ARightClickOnlyRaisesOnMouseDown) {
  auto* Bar = NewBar();
  Take();
  ClickAt(Bar, 190, 9, PointerButton::Right);
  ClickAt(Bar, 150, 9, PointerButton::Right);
  EXPECT_EQ(Bar->Position(), 0);
  EXPECT_EQ(Take(), (AppLog { "MouseDown", "MouseDown" }));
}

TEST_F(ScrollBarTest, KeysWheelAndFocusOnlyWithCanFocused) {
  auto* Edit = new KeyProbe(Form, &Log, "edit", Form, Bounds(10, 100, 50, 20));
  auto* Bar = NewBar();
  EXPECT_FALSE(Bar->TabStop());
  Edit->SetFocus();
  ClickAt(Bar, 100, 9);
  EXPECT_FALSE(Bar->Focused()) << "a bar that may not take the focus leaves it where it is";
  Display->Key(VK_RIGHT);
  EXPECT_EQ(Bar->Position(), 1) << "only the click's page";

  Bar->SetCanFocused(true);
  EXPECT_TRUE(Bar->TabStop());
  ClickAt(Bar, 100, 9);
  EXPECT_TRUE(Bar->Focused());
  const int Before = Bar->Position();
  Display->Key(VK_RIGHT);
  EXPECT_EQ(Bar->Position(), Before + 1);
  Display->Key(VK_UP);
  EXPECT_EQ(Bar->Position(), Before);
  const TPoint P = At(Bar, 100, 9);
  Display->Wheel(-WHEEL_DELTA, P.X, P.Y);
  EXPECT_EQ(Bar->Position(), Before + 1) << "a wheel turned toward the user scrolls toward Max";
}

// The colour-coded test skin: each probe of the bar shows the colour of the piece that should be there.
class ScrollBarPieces : public ScrollBarTest {
protected:
  void SetUp() override {
    ScrollBarTest::SetUp();
    Skin = LoadEmbeddedSkin(TestSkinContainer());
    Record = FindSkinRecord<TskDataSkinScrollBarControl>(*Skin, "hscrollbar");
    ASSERT_NE(Record, nullptr);
  }
  /// The picture's colour at P of a rectangle of the picture.
  TColor Piece(const TRect& R, TPoint P) {
    return Skin->FActivePictures[Record->PictureIndex]->Canvas()->Pixels(R.Left + P.X, R.Top + P.Y);
  }
  /// The same of a rectangle given in the bar's skin coordinates.
  TColor InSkin(const TRect& R, TPoint P) {
    return Piece(R, { Record->SkinRect.Left + P.X, Record->SkinRect.Top + P.Y });
  }

  std::unique_ptr<TskSkinData> Skin;
  TskDataSkinScrollBarControl* Record { nullptr };
};

TEST_F(ScrollBarPieces, ButtonsTrackAndThumbComeFromTheirPiecesAtTwoSizes) {
  const int SkinWidth = Record->SkinRect.Width();
  for (int Width : { SkinWidth, 150 }) {
    auto* Bar = NewBar(Bounds(10, 10, Width, 40));
    Bar->SetSkinData(Skin.get());
    ASSERT_EQ(Bar->Height(), Record->SkinRect.Height()) << "the skin's thickness";
    ASSERT_EQ(Bar->Width(), Width);
    const int D = Width - SkinWidth;
    const int Mid = Record->SkinRect.Height() / 2;
    const TPoint Probe { 3, Mid };
    const TRect Decrease = Record->DownButtonRect, Increase = Record->UpButtonRect;
    EXPECT_EQ(Shown(Bar, Decrease.Left + 3, Mid), InSkin(Decrease, Probe)) << Width;
    EXPECT_EQ(Shown(Bar, Increase.Left + D + 3, Mid), InSkin(Increase, Probe)) << Width;
    const TRect Thumb = Bar->Buttons[0].R;
    EXPECT_EQ(Thumb.Width(), Record->ThumbRect.Width());
    EXPECT_EQ(Shown(Bar, Thumb.Left + 3, Mid), Piece(Record->ThumbRect, Probe)) << Width;
    const TRect& Track = Record->TrackArea;
    EXPECT_EQ(Shown(Bar, Thumb.Right + 2, Mid), InSkin(Track, { Track.Width() / 2, Mid })) << Width;

    MoveTo(Bar, Increase.Left + D + 3, Mid);
    EXPECT_EQ(Shown(Bar, Increase.Left + D + 3, Mid), Piece(Record->ActiveUpButtonRect, Probe)) << "hot";
    Press(Bar, Increase.Left + D + 3, Mid);
    EXPECT_EQ(Shown(Bar, Increase.Left + D + 3, Mid), Piece(Record->DownUpButtonRect, Probe)) << "pressed";
    Release(Bar, Increase.Left + D + 3, Mid);
    delete Bar;
  }
}

}  // namespace
