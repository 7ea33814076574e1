#include <gtest/gtest.h>

#include "platform/gdi/TCanvas.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskSkinListBox.h"
#include "skin/boxctrls/skBoxMessages.h"
#include "skin/boxctrls/skTabStops.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class ListBoxTest : public SkinControlTest {
protected:
  TskSkinListBox* NewList(int Count, TRect Bounds = Rect(10, 10, 130, 130)) {
    auto* List = Add<TskSkinListBox>(Bounds);
    for (int I = 0; I < Count; ++I) List->Items()->Add("第" + std::to_string(I) + "项");
    Display->PumpUntilIdle();
    return List;
  }
};

TEST_F(ListBoxTest, HoldingTheDownCaptionButtonRepeatsAndReleaseStepsOnce) {
  auto* List = NewList(10);
  List->SetCaptionMode(true);
  List->SetItemIndex(0);
  Display->PumpUntilIdle();
  int Clicks = 0;
  List->OnListBoxClick = [&](TObject*) { ++Clicks; };
  const int A = 17;
  const TPoint Down = At(List, List->Width() - A - 2 - A / 2, 8);
  Display->MoveTo(Down.X, Down.Y);
  Display->ButtonDown(Down.X, Down.Y);
  Display->Advance(1000);
  EXPECT_EQ(List->ItemIndex(), 5);
  Display->ButtonUp(Down.X, Down.Y);
  EXPECT_EQ(List->ItemIndex(), 6);
  EXPECT_EQ(Clicks, 0);
}

TEST_F(ListBoxTest, DownCaptionButtonStaysOnTheLastItem) {
  auto* List = NewList(3);
  List->SetCaptionMode(true);
  List->SetItemIndex(2);
  const TPoint Down = At(List, List->Width() - 17 - 2 - 8, 8);
  Display->MoveTo(Down.X, Down.Y);
  Display->ButtonDown(Down.X, Down.Y);
  Display->Advance(1000);
  Display->ButtonUp(Down.X + 200, Down.Y);
  EXPECT_EQ(List->ItemIndex(), 2);
}

TEST_F(ListBoxTest, TheVerticalBarExistsOnlyWhileRowsAreHidden) {
  auto* List = NewList(0);
  EXPECT_EQ(List->ScrollBar, nullptr);
  for (int I = 0; I < 20; ++I) List->Items()->Add("row");
  Display->PumpUntilIdle();
  ASSERT_NE(List->ScrollBar, nullptr);
  EXPECT_EQ(List->ScrollBar->Max(), 19);
  EXPECT_LE(List->ListBox->BoundsRect().Right, List->ScrollBar->Left());
  List->SetRowCount(20);
  EXPECT_EQ(List->ScrollBar, nullptr);
  List->SetRowCount(0);
  List->SetHeight(130);
  List->Clear();
  Display->PumpUntilIdle();
  EXPECT_EQ(List->ScrollBar, nullptr);
}

TEST_F(ListBoxTest, WheelAndKeysMoveTheListAndTheBarFollows) {
  auto* List = NewList(30);
  ASSERT_NE(List->ScrollBar, nullptr);
  List->ListBox->SetFocus();
  const TPoint P = At(List->ListBox, 20, 20);
  Display->Wheel(-WHEEL_DELTA, P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(List->TopIndex(), 1);
  EXPECT_EQ(List->ScrollBar->Position(), 1);
  List->SetItemIndex(1);
  Display->Key(VK_NEXT);
  Display->Key(VK_NEXT);
  Display->PumpUntilIdle();
  EXPECT_EQ(List->ScrollBar->Position(), List->TopIndex());
  EXPECT_GT(List->TopIndex(), 1);
}

TEST_F(ListBoxTest, SelectingFromCodeFiresNoListEvent) {
  auto* List = NewList(5);
  int Events = 0;
  List->OnListBoxClick = [&](TObject*) { ++Events; };
  List->OnClick = [&](TObject*) { ++Events; };
  List->SetItemIndex(2);
  EXPECT_EQ(List->ItemIndex(), 2);
  EXPECT_EQ(Events, 0);
}

TEST_F(ListBoxTest, PrintBackgroundAnswersOnlyItsKey) {
  auto* List = NewList(0);
  const HWND Wnd = List->ListBox->Handle();
  EXPECT_EQ(SendMessage(Wnd, WM_SKINPRINTBKGNDEX, 0, SKINPRINTEX_KEY), SKINPRINTEX_KEY);
  EXPECT_NE(SendMessage(Wnd, WM_SKINPRINTBKGNDEX, 0, 1), SKINPRINTEX_KEY);
}

TEST(TabStopsTest, DigitsOnlyLinesCountAndOverflowIsZero) {
  struct Case {
    const char* Text;
    int Value;
  };
  const Case Cases[] = { { "40", 40 }, { "12a", 0 }, { "", 0 }, { "123456789012345678901234567890", 0 },
                         { "2147483647", 2147483647 }, { "2147483648", 0 } };
  for (const Case& C : Cases) EXPECT_EQ(DigitsToInt(C.Text), C.Value) << C.Text;
}

TEST_F(ListBoxTest, SelectedRowsAreHighlightedAndAnEmptySkinClientFillsWithWindowColour) {
  auto* List = NewList(3);
  List->SetItemIndex(1);
  const TRect Row = List->ListBox->ItemRect(1);
  const TPoint Inner = List->ListBox->ClientToScreen({ 0, 0 });
  Display->PumpUntilIdle();
  EXPECT_EQ(Display->PixelAt(Inner.X + Row.Right - 3, Inner.Y + Row.Top + 2), ColorToRGB(clHighlight));
  EXPECT_EQ(Display->PixelAt(Inner.X + 10, Inner.Y + List->ListBox->Height() - 3), ColorToRGB(clWindow));
}

}  // namespace
