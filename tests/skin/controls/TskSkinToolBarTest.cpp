// The skinned tool bar: children centred, the scroll buttons of an overflowing row and their steps by
// click, by holding and by hovering, the row brought back when it fits, and the speed buttons following
// the bar's flags and drawing their images from the bar's lists.
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TPanel.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinToolBar.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class ToolBarTest : public SkinControlTest {
protected:
  /// A 300-pixel bar with CanScroll holding Count panels 50 wide side by side from x 0.
  TskSkinToolBar* NewBar(int Count, int Offset = 30) {
    auto* Bar = Add<TskSkinToolBar>(Bounds(10, 10, 300, 30));
    Bar->SetCanScroll(true);
    Bar->SetScrollOffset(Offset);
    for (int i = 0; i < Count; ++i) Row.push_back(Add<TPanel>(Bounds(i * 50, 5, 50, 20), Bar));
    Bar->SetBounds(10, 10, 300, 30);
    Display->PumpUntilIdle();
    return Bar;
  }
  /// A screen point of the bar's window (window coordinates, the scroll buttons included).
  TPoint WindowPoint(TskSkinToolBar* Bar, int X, int Y) {
    TRect R;
    GetWindowRect(Bar->Handle(), &R);
    return { R.Left + X, R.Top + Y };
  }
  void ClickWindow(TskSkinToolBar* Bar, int X, int Y) {
    const TPoint P = WindowPoint(Bar, X, Y);
    Display->MoveTo(P.X, P.Y);
    Display->ButtonDown(P.X, P.Y, PointerButton::Left);
    Display->ButtonUp(P.X, P.Y, PointerButton::Left);
    Display->PumpUntilIdle();
  }
  int LastRight() const { return Row.back()->Left() + Row.back()->Width(); }

  std::vector<TControl*> Row;
};

TEST_F(ToolBarTest, AnOverflowingRowGetsScrollButtonsAndEachClickScrollsOneStepUpToTheEnd) {
  auto* Bar = NewBar(10);  // the row runs to x 500
  ASSERT_TRUE(Bar->ScrollButtonsVisible());
  EXPECT_EQ(Bar->ClientWidth(), 276);
  const int Before = Row[0]->Left();
  ClickWindow(Bar, 300 - 6, 15);
  EXPECT_EQ(Row[0]->Left(), Before - 30) << "one step of ScrollOffset";
  for (int i = 0; i < 20; ++i) ClickWindow(Bar, 300 - 6, 15);
  EXPECT_EQ(LastRight(), 276) << "the last button's right edge stops at the client's right edge";
  ClickWindow(Bar, 6, 15);
  EXPECT_EQ(LastRight(), 276 + 30) << "the left button scrolls back";
}

TEST_F(ToolBarTest, HoldingOrHoveringAScrollButtonRepeatsOnTheScrollTimer) {
  auto* Bar = NewBar(10);
  const TPoint Right = WindowPoint(Bar, 300 - 6, 15);
  Display->MoveTo(Right.X, Right.Y);
  Display->ButtonDown(Right.X, Right.Y, PointerButton::Left);
  const int Start = Row[0]->Left();
  Display->Advance(50 * 3);
  Display->PumpUntilIdle();
  EXPECT_EQ(Row[0]->Left(), Start - 90) << "three repeats of 50 ms while held";
  Display->ButtonUp(Right.X, Right.Y, PointerButton::Left);
  Display->PumpUntilIdle();

  auto* Hot = NewBar(0);
  Hot->SetHotScroll(true);
  for (int i = 0; i < 10; ++i) Add<TPanel>(Bounds(i * 50, 5, 50, 20), Hot);
  Hot->SetBounds(10, 60, 300, 30);
  Display->PumpUntilIdle();
  TControl* First = Hot->Controls(0);
  const int HotStart = First->Left();
  const TPoint P = WindowPoint(Hot, 300 - 6, 15);
  Display->MoveTo(P.X, P.Y);
  Display->Advance(50 * 2);
  Display->PumpUntilIdle();
  EXPECT_EQ(First->Left(), HotStart - 60) << "resting on the button scrolls without a click";
  const TPoint Inside = WindowPoint(Hot, 150, 2);  // the bar itself, above its children
  Display->MoveTo(Inside.X, Inside.Y);
  Display->PumpUntilIdle();
  const int Stopped = First->Left();
  Display->Advance(200);
  Display->PumpUntilIdle();
  EXPECT_EQ(First->Left(), Stopped) << "moving into the bar stops it";
}

TEST_F(ToolBarTest, ARowThatFitsAgainReturnsToItsOriginWithoutScrollButtons) {
  auto* Bar = NewBar(20, 0);
  ClickWindow(Bar, 300 - 6, 15);
  EXPECT_EQ(Row[0]->Left(), -276) << "ScrollOffset 0: one client width";
  for (int i = 19; i >= 4; --i) delete Row[i];
  Row.resize(4);
  Bar->SetBounds(10, 10, 300, 30);
  Display->PumpUntilIdle();
  EXPECT_FALSE(Bar->ScrollButtonsVisible());
  EXPECT_EQ(Row[0]->Left(), 0);
  EXPECT_EQ(Bar->ClientWidth(), 300);
}

TEST_F(ToolBarTest, ChildrenAreCentredAndSpeedButtonsFollowTheBarsFlags) {
  auto* Bar = Add<TskSkinToolBar>(Bounds(10, 10, 300, 40));
  auto* Plain = Add<TPanel>(Bounds(0, 0, 30, 10), Bar);
  auto* Button = Add<TskSkinSpeedButton>(Bounds(40, 0, 25, 20), Bar);
  Bar->SetBounds(10, 10, 300, 40);
  Display->PumpUntilIdle();
  EXPECT_EQ(Plain->Top(), 15);
  EXPECT_EQ(Button->Top(), 10) << "a skinned control centres itself";
  Button->SetTop(0);
  EXPECT_EQ(Button->Top(), 10);
  Bar->SetFlat(true);
  EXPECT_TRUE(Button->Flat());
  Bar->SetAutoShowHideCaptions(true);
  Bar->SetWidthWithCaptions(400);
  Bar->SetWidthWithoutCaptions(200);
  Bar->SetShowCaptions(true);
  EXPECT_TRUE(Button->ShowCaption());
  EXPECT_EQ(Bar->Width(), 400);
  Bar->SetShowCaptions(false);
  EXPECT_FALSE(Button->ShowCaption());
  EXPECT_EQ(Bar->Width(), 200);
  Bar->SetScrollTimerInterval(0);
  Bar->SetScrollOffset(-5);
  EXPECT_EQ(Bar->ScrollTimerInterval(), 50);
  EXPECT_EQ(Bar->ScrollOffset(), 0);
}

/// A list of one opaque 16 x 16 image of Color.
TCustomImageList* SolidList(TComponent* Owner, TColor Color) {
  auto* List = new TCustomImageList(Owner, 16, 16);
  TBitmap B;
  B.SetPixelFormat(pf24bit);
  B.SetSize(16, 16);
  B.Canvas()->Brush()->SetColor(Color);
  B.Canvas()->FillRect(Rect(0, 0, 16, 16));
  List->Add(&B, nullptr);
  return List;
}

TEST_F(ToolBarTest, SpeedButtonsDrawFromTheBarsImagesHotImagesAndUndimmedDisabledImages) {
  auto* Bar = Add<TskSkinToolBar>(Bounds(10, 10, 300, 50));
  auto* Button = Add<TskSkinSpeedButton>(Bounds(10, 0, 40, 40), Bar);
  Button->SetImageList(SolidList(Form, clYellow));
  Bar->SetImages(SolidList(Form, clRed));
  Bar->SetHotImages(SolidList(Form, clLime));
  EXPECT_EQ(Shown(Button, 20, 20), clRed) << "the bar's Images win over the button's own list";
  MoveTo(Button, 5, 5);
  EXPECT_EQ(Shown(Button, 20, 20), clLime) << "hot";
  Press(Button, 5, 5);
  EXPECT_EQ(Shown(Button, 21, 21), clLime) << "pressed";
  Release(Button, 5, 5);
  MoveTo(Form, 300, 250);
  Button->SetEnabled(false);
  const TColor Dimmed = Shown(Button, 20, 20);
  EXPECT_NE(Dimmed, clRed) << "without DisabledImages the Images are drawn disabled";
  Bar->SetDisabledImages(SolidList(Form, clBlue));
  Button->Invalidate();
  EXPECT_EQ(Shown(Button, 20, 20), clBlue) << "DisabledImages drawn as enabled";
  Bar->SetImages(nullptr);
  Bar->SetDisabledImages(nullptr);
  Button->SetEnabled(true);
  EXPECT_NE(Shown(Button, 20, 20), clYellow) << "a bar without Images shows no image, not the button's list";
}

}  // namespace
