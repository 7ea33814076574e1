// The page control: the layout without a skin, sheets aligned to the display rectangle the window
// procedure answers, a single row scrolled by whole tabs, tabs hidden while their pages stay, and the
// selection by the user with its questions.
#include "platform/base/SysUtils.h"
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TImageList.h"
#include "platform/ui/toolkit/TPageControl.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "tests/platform/ui/ViewFixture.h"

namespace {

class PageControlTest : public ViewTest {
protected:
  /// A page control of 300 x 200 at (10, 10) with pages named by Captions, shown.
  template <class TControl = TPageControl> TControl* MakePages(std::initializer_list<const char*> Captions) {
    auto* P = new TControl(Root.get());
    P->SetBounds(10, 10, 300, 200);
    P->SetParent(Root.get());
    for (const char* Caption : Captions) {
      auto* Sheet = new TTabSheet(Root.get());
      Sheet->SetCaption(Caption);
      Sheet->SetPageControl(P);
    }
    Pages = P;
    ShowRoot();
    return P;
  }

  TPageControl* Pages = nullptr;
};

TEST_F(PageControlTest, TabsStartAtTwoTwoAndTheDisplayAreaLiesFourInsideTheFrame) {
  MakePages({ "First", "Second" });
  const TRect Tab = Pages->TabRect(0), Display = Pages->DisplayRect();
  EXPECT_EQ(Tab.TopLeft(), Point(2, 2));
  EXPECT_EQ(Pages->TabRect(1).Left, Tab.Right);
  EXPECT_EQ(Display, (TRect { 4, Tab.Bottom + 4, 296, 196 }));
  EXPECT_EQ(Pages->ActivePage()->BoundsRect(), Display);
  EXPECT_EQ(Pixel(10 + 1, 10 + Display.Top + 10), ColorToRGB(clBtnHighlight));  // the frame's inner edge
  EXPECT_TRUE(Pages->ActivePage()->Visible());
  EXPECT_FALSE(Pages->Pages(1)->Visible());

  // The other positions mirror the top one; the adjustment goes both ways.
  struct Case {
    TTabPosition Position;
    std::function<int(const TRect& Tab, const TRect& Display)> Gap;
  };
  for (const Case& C : { Case { tpBottom, [](const TRect& T, const TRect& D) { return T.Top - D.Bottom; } },
                         Case { tpLeft, [](const TRect& T, const TRect& D) { return D.Left - T.Right; } },
                         Case { tpRight, [](const TRect& T, const TRect& D) { return T.Left - D.Right; } } }) {
    SCOPED_TRACE(int(C.Position));
    Pages->SetTabPosition(C.Position);
    EXPECT_EQ(C.Gap(Pages->TabRect(0), Pages->DisplayRect()), 4);
    EXPECT_EQ(Pages->ActivePage()->BoundsRect(), Pages->DisplayRect());
    TRect Back = Pages->DisplayRect();
    SendMessage(Pages->Handle(), TCM_ADJUSTRECT, 1, LPARAM(&Back));
    EXPECT_EQ(Back, Pages->ClientRect());
  }
}

/// Post-processes the native answers as a skinned page control does: the display area reaches up to the
/// frame and out to one pixel from the sides, tab rectangles move two pixels left and up.
class ShiftedPages : public TPageControl {
public:
  using TPageControl::TPageControl;

protected:
  void WndProc(TMessage& Message) override {
    TPageControl::WndProc(Message);
    if (Message.Msg == TCM_ADJUSTRECT && Message.WParam == 0) {
      auto* R = reinterpret_cast<TRect*>(Message.LParam);
      *R = { 1, R->Top - 5, ClientWidth() - 1, ClientHeight() - 1 };
    }
    if (Message.Msg == TCM_GETITEMRECT && Message.Result) {
      auto* R = reinterpret_cast<TRect*>(Message.LParam);
      *R = { R->Left - 2, R->Top - 2, R->Right - 2, R->Bottom - 2 };
    }
  }
};

TEST_F(PageControlTest, SheetsFollowTheAdjustedRectangleWhileHitTestsKeepTheNativeTabs) {
  auto* P = MakePages<ShiftedPages>({ "First", "Second" });
  const TRect Tab = P->TabRect(0);
  EXPECT_EQ(Tab.TopLeft(), Point(0, 0));
  EXPECT_EQ(P->ActivePage()->BoundsRect(), (TRect { 1, Tab.Bottom + 2 + 4 - 5, 299, 199 }));
  // A point of the native second tab's first column, which the moved rectangle leaves out.
  const TRect Second = P->TabRect(1);
  EXPECT_EQ(P->IndexOfTabAt(Second.Right + 1, 5), 1);
}

TEST_F(PageControlTest, ASingleRowTooLongScrollsByWholeTabs) {
  std::vector<const char*> Names { "p0", "p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8", "p9" };
  MakePages({});
  for (const char* Name : Names) {
    auto* Sheet = new TTabSheet(Root.get());
    Sheet->SetCaption(Name);
    Sheet->SetPageControl(Pages);
  }
  Pages->SetBounds(10, 10, 400, 200);
  Pages->SetTabWidth(80);
  Screen->PumpUntilIdle();
  EXPECT_EQ(Pages->TabRect(4).Right, 2 + 5 * 80);

  SendMessage(Pages->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), 0);
  EXPECT_EQ(Pages->TabRect(3).Left, 0);
  EXPECT_EQ(Pages->TabRect(4).Left, 80);
  EXPECT_LE(Pages->TabRect(2).Right, 0);
  EXPECT_EQ(Pages->IndexOfTabAt(10, 10), 3);

  // The row goes no further than its last tab needs.
  SendMessage(Pages->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 9), 0);
  EXPECT_EQ(Pages->TabRect(6).Left, 0);
  EXPECT_LE(Pages->TabRect(9).Right, 398);

  // Selecting a tab scrolled off brings it back whole.
  Pages->SetActivePageIndex(1);
  EXPECT_EQ(Pages->TabRect(1).Left, 0);
  Pages->SetActivePageIndex(0);
  EXPECT_EQ(Pages->TabRect(0).Left, 2);
}

TEST_F(PageControlTest, ASideRowTooLongScrollsByWholeTabsAlike) {
  MakePages({ "p0", "p1", "p2", "p3", "p4", "p5", "p6", "p7" });
  Pages->SetBounds(10, 10, 300, 150);
  Pages->SetTabWidth(40);
  for (TTabPosition Position : { tpLeft, tpRight }) {
    SCOPED_TRACE(int(Position));
    Pages->SetTabPosition(Position);
    Pages->SetActivePageIndex(0);
    Screen->PumpUntilIdle();
    EXPECT_EQ(Pages->TabRect(2).Bottom, 2 + 3 * 40);

    // The last tab selected comes whole into the control, the row scrolled no further than it needs.
    Pages->SetActivePageIndex(7);
    EXPECT_EQ(Pages->TabRect(5).Top, 0);
    EXPECT_EQ(Pages->TabRect(7).Bottom, 3 * 40);
    EXPECT_LE(Pages->TabRect(4).Bottom, 0);

    SendMessage(Pages->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1), 0);
    EXPECT_EQ(Pages->TabRect(1).Top, 0);
    const TRect Second = Pages->TabRect(2);
    EXPECT_EQ(Pages->IndexOfTabAt(Second.Left + 5, Second.Top + 5), 2);
    SendMessage(Pages->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 9), 0);
    EXPECT_EQ(Pages->TabRect(5).Top, 0) << "no further than the last tab needs";
  }
}

TEST_F(PageControlTest, HiddenTabsKeepTheirPagesAndTabIndexCountsVisibleTabs) {
  MakePages({ "A", "B", "C" });
  TTabSheet* B = Pages->Pages(1);
  TTabSheet* C = Pages->Pages(2);
  B->SetTabVisible(false);
  EXPECT_EQ(Pages->TabCount(), 2);
  EXPECT_EQ(Pages->PageCount(), 3);
  EXPECT_EQ(C->TabIndex(), 1);
  EXPECT_EQ(B->TabIndex(), -1);
  Pages->SetActivePage(C);
  EXPECT_EQ(Pages->TabIndex(), 1);
  EXPECT_EQ(Pages->ActivePageIndex(), 2);
  EXPECT_EQ(Pages->FindNextPage(C, true, true), Pages->Pages(0));
  EXPECT_EQ(Pages->FindNextPage(C, false, false), B);

  // Hiding the active page's tab shows the next page with a tab.
  C->SetTabVisible(false);
  EXPECT_EQ(Pages->ActivePage(), Pages->Pages(0));
  EXPECT_EQ(Pages->TabIndex(), 0);
  EXPECT_FALSE(C->Visible());
}

TEST_F(PageControlTest, TheUserPicksTabsAskingOnChangingAndCodeSelectsSilently) {
  MakePages({ "A", "B", "C" });
  std::vector<String> Events;
  bool Allow = true;
  Pages->OnChanging = [&](TObject*, bool& AllowChange) {
    Events.push_back(Format("changing from %d", Pages->TabIndex()));
    AllowChange = Allow;
  };
  Pages->OnChange = [&](TObject*) { Events.push_back(Format("change to %s", Pages->ActivePage()->Caption().c_str())); };
  const auto ClickTab = [&](int Index) {
    const TRect R = Pages->TabRect(Index);
    ClickAt(Pages, { R.Left + 5, R.Top + 5 });
  };
  struct Step {
    const char* What;
    std::function<void()> Do;
    std::vector<String> Expected;
    int ActiveAfter;
  };
  const std::vector<Step> Steps {
    { "click", [&] { ClickTab(2); }, { "changing from 0", "change to C" }, 2 },
    { "refused", [&] { Allow = false, ClickTab(1); }, { "changing from 2" }, 2 },
    { "left key", [&] { Allow = true, Screen->Key(VK_LEFT); }, { "changing from 2", "change to B" }, 1 },
    { "code", [&] { Pages->SetActivePageIndex(0); }, {}, 0 },
    { "select next", [&] { Pages->SelectNextPage(true); }, { "changing from 0", "change to B" }, 1 },
  };
  for (const Step& S : Steps) {
    SCOPED_TRACE(S.What);
    Events.clear();
    S.Do();
    EXPECT_EQ(Events, S.Expected);
    EXPECT_EQ(Pages->ActivePageIndex(), S.ActiveAfter);
    EXPECT_TRUE(Pages->ActivePage()->Visible());
  }
}

TEST_F(PageControlTest, ImagesWidenTabsAndMultipleLinesPushTheDisplayDown) {
  MakePages({ "One", "Two", "Three", "Four", "Five", "Six" });
  const int Plain = Pages->TabRect(0).Width();
  TImageList Images(nullptr, 16, 16);
  Pages->SetImages(&Images);
  EXPECT_EQ(Pages->TabRect(0).Width(), Plain + 16 + 3);
  Pages->SetImages(nullptr);

  const int Single = Pages->DisplayRect().Top;
  const int Height = Pages->TabRect(0).Height();
  Pages->SetWidth(150);
  Pages->SetMultiLine(true);
  const int Rows = Pages->RowCount();
  ASSERT_GT(Rows, 1);
  EXPECT_EQ(Pages->DisplayRect().Top, Single + (Rows - 1) * Height);
  EXPECT_EQ(Pages->ActivePage()->Top(), Pages->DisplayRect().Top);
  // Without RaggedRight every row fills the width.
  EXPECT_EQ(Pages->TabRect(0).Left, 2);
  EXPECT_EQ(Pages->TabRect(Pages->TabCount() - 1).Right, 148);
}

}  // namespace
