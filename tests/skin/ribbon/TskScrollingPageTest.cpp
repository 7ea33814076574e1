// The scrolling page containers: scroll buttons of overflowing children, steps by click and while held
// on the virtual clock, growth and shrinking while scrolled, the application-menu page's suspended range
// and its width in the menu, and the non-client print messages.
#include "platform/ui/toolkit/TPanel.h"
#include "skin/controls/skControlMessages.h"
#include "skin/form/skFormMessages.h"
#include "tests/skin/ribbon/RibbonFixture.h"

namespace {

class ScrollingPageTest : public RibbonTest {
protected:
  /// A ribbon page on its own (no ribbon) at (10, 150) 300 x 40 holding Count panels 50 wide from x 0.
  TskRibbonPage* NewPage(int Count, int Step = 30) {
    auto* Page = new TskRibbonPage(Form);
    Page->SetParent(Form);
    Page->SetScrollOffset(Step);
    for (int i = 0; i < Count; ++i) {
      auto* Panel = new TPanel(Form);
      Panel->SetBounds(i * 50, 5, 50, 20);
      Panel->SetParent(Page);
      Row.push_back(Panel);
    }
    Page->SetBounds(10, 150, 300, 40);
    Display->PumpUntilIdle();
    return Page;
  }
  TPoint WindowPoint(TWinControl* Page, int X, int Y) {
    TRect R;
    GetWindowRect(Page->Handle(), &R);
    return { R.Left + X, R.Top + Y };
  }
  int LastRight() const { return Row.back()->Left() + Row.back()->Width(); }

  std::vector<TControl*> Row;
};

TEST_F(ScrollingPageTest, ChildrenEndingAtTheClientEdgeShowNoButtonsAndOnePixelMoreShowsBoth) {
  TskRibbonPage* Page = NewPage(6);  // the row ends at x 300
  EXPECT_FALSE(Page->ScrollButtonsVisible());
  EXPECT_EQ(Page->ClientWidth(), 300);
  Row.back()->SetWidth(51);
  Page->GetScrollInfo();
  EXPECT_TRUE(Page->ScrollButtonsVisible());
  EXPECT_EQ(Page->ClientWidth(), 276);
  const TPoint Left = WindowPoint(Page, 5, 20), Right = WindowPoint(Page, 295, 20);
  EXPECT_EQ(SendMessage(Page->Handle(), WM_NCHITTEST, 0, MAKELPARAM(Left.X, Left.Y)), 119);
  EXPECT_EQ(SendMessage(Page->Handle(), WM_NCHITTEST, 0, MAKELPARAM(Right.X, Right.Y)), 120);
}

TEST_F(ScrollingPageTest, HoldingAScrollButtonStepsToTheEndOnTheTimerAndAClickStepsOnce) {
  TskRibbonPage* Page = NewPage(10);  // the row runs to x 500, the client is 276 wide
  const TPoint Right = WindowPoint(Page, 294, 20);
  Display->MoveTo(Right.X, Right.Y);
  Display->ButtonDown(Right.X, Right.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Row[0]->Left(), 0) << "the first step comes with the timer";
  Display->Advance(50);
  Display->PumpUntilIdle();
  EXPECT_EQ(Row[0]->Left(), -30);
  Display->Advance(50 * 10);
  Display->PumpUntilIdle();
  EXPECT_EQ(LastRight(), 276) << "stopped at the end";
  Display->ButtonUp(Right.X, Right.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(LastRight(), 276);
  const TPoint Left = WindowPoint(Page, 6, 20);
  Display->MoveTo(Left.X, Left.Y);
  Display->ButtonDown(Left.X, Left.Y);
  Display->ButtonUp(Left.X, Left.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(LastRight(), 306) << "a click: one step at the release";
}

TEST_F(ScrollingPageTest, ButtonFacesShowHoverAndPressAndWithHotScrollHoveringScrollsWithThePressedLook) {
  const TColor HotOutline = RGB(59, 107, 183), HotFill = RGB(193, 212, 243), DownFill = RGB(162, 188, 228);
  TskRibbonPage* Page = NewPage(10);
  const TPoint Right = WindowPoint(Page, 294, 20), Away = WindowPoint(Page, 150, 35);
  const TPoint Fill = WindowPoint(Page, 290, 5), Outline = WindowPoint(Page, 288, 20);
  Display->PumpUntilIdle();
  EXPECT_EQ(Display->PixelAt(Fill.X, Fill.Y), ColorToRGB(clBtnFace)) << "at rest";
  Display->MoveTo(Right.X, Right.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Display->PixelAt(Fill.X, Fill.Y), HotFill);
  EXPECT_EQ(Display->PixelAt(Outline.X, Outline.Y), HotOutline);
  Display->Advance(200);
  Display->PumpUntilIdle();
  EXPECT_EQ(Row[0]->Left(), 0) << "hovering alone does not scroll";
  Display->MoveTo(Away.X, Away.Y);
  Display->PumpUntilIdle();

  Page->SetHotScroll(true);
  Display->MoveTo(Right.X, Right.Y);
  Display->Advance(50);
  Display->PumpUntilIdle();
  EXPECT_EQ(Row[0]->Left(), -30) << "hot scroll: the hover steps";
  EXPECT_EQ(Display->PixelAt(Fill.X, Fill.Y), DownFill);
  Display->MoveTo(Away.X, Away.Y);
  Display->Advance(200);
  Display->PumpUntilIdle();
  EXPECT_EQ(Row[0]->Left(), -30) << "into the client area: stopped";
  EXPECT_EQ(Display->PixelAt(Fill.X, Fill.Y), ColorToRGB(clBtnFace));
}

TEST_F(ScrollingPageTest, GrowingWhileScrolledClosesTheGapAndAFittingRowGoesBackUnscrolled) {
  TskRibbonPage* Page = NewPage(10, 0);
  const TPoint Right = WindowPoint(Page, 294, 20);
  for (int i = 0; i < 2; ++i) {
    Display->MoveTo(Right.X, Right.Y);
    Display->ButtonDown(Right.X, Right.Y);
    Display->ButtonUp(Right.X, Right.Y);
    Display->PumpUntilIdle();
  }
  ASSERT_EQ(LastRight(), 276) << "scrolled to the end";
  const int Position = Page->Position();
  Page->SetBounds(10, 150, 340, 40);
  EXPECT_EQ(LastRight(), 316) << "the children follow the growth";
  EXPECT_EQ(Page->Position(), Position - 40);
  for (size_t i = 9; i >= 4; --i) delete Row[i];
  Row.resize(4);
  Page->GetScrollInfo();
  EXPECT_FALSE(Page->ScrollButtonsVisible());
  EXPECT_EQ(Row[0]->Left(), 0);
  EXPECT_EQ(Page->Position(), 0);
}

TEST_F(ScrollingPageTest, TheNonClientPrintMessagesDrawTheShownButtons) {
  TskRibbonPage* Page = NewPage(6);
  const HDC DC = GetDC(Form->Handle());
  EXPECT_EQ(SendMessage(Page->Handle(), WM_SKINPRINTNC, WPARAM(DC), 0), 0) << "no buttons shown";
  Row.back()->SetWidth(60);
  Page->GetScrollInfo();
  EXPECT_EQ(SendMessage(Page->Handle(), WM_SKINPRINTNC, WPARAM(DC), 0), SKINPRINTNC_ANSWER);
  EXPECT_EQ(SendMessage(Page->Handle(), WM_SKINPRINTNC, 0, 0), 0);
  EXPECT_EQ(SendMessage(Page->Handle(), WM_SKINPRINTNCEX, 0, SkinPrintNCExKey), SkinPrintNCExKey);
  EXPECT_EQ(SendMessage(Page->Handle(), WM_SKINPRINTNCEX, WPARAM(DC), 5), 0) << "another key: the default answer";
  ReleaseDC(Form->Handle(), DC);
}

TEST_F(ScrollingPageTest, AMenuPageWaitsForItsMenuAndTakesItsDefaultWidthWithinThePageArea) {
  auto* Menu = new TskAppMenu(Form);
  Menu->SetParent(Form);
  Menu->SetBounds(0, 0, 625, 300);  // page area 500 wide
  Menu->Hide();
  TskAppMenuPage* Page = Menu->CreatePage();
  EXPECT_EQ(Page->BoundsRect(), Bounds(100, 25, 500, 250));
  Page->SetCanScroll(true);
  auto* Panel = new TPanel(Form);
  Panel->SetBounds(0, 0, 50, 400);
  Panel->SetParent(Page);
  Menu->SetActivePage(Page);
  Page->GetScrollInfo();
  EXPECT_FALSE(Page->ScrollButtonsVisible()) << "the menu is hidden";
  Menu->Show();
  Menu->SetActivePage(Page);
  EXPECT_TRUE(Page->ScrollButtonsVisible());
  const struct {
    int MenuWidth, DefaultWidth, Width;
  } Cases[] = { { 625, 300, 300 }, { 625, 0, 500 }, { 205, 300, 100 } };
  for (const auto& C : Cases) {
    Menu->SetWidth(C.MenuWidth);
    Page->SetDefaultWidth(C.DefaultWidth);
    Page->UpDateSize();
    EXPECT_EQ(Page->Width(), C.Width) << C.MenuWidth << " / " << C.DefaultWidth;
  }
}

}  // namespace
