// The list box: prefix search, which selections notify, the scroll information it keeps, owner drawing,
// sorting, type-ahead and a new window keeping the items.
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/toolkit/TListBox.h"
#include "tests/platform/ui/ControlFixture.h"

namespace {

/// A list box that logs its clicks, erases and owner-draw requests.
class LoggingListBox : public TListBox {
public:
  using TListBox::TListBox;
  int Clicks { 0 };
  int DblClicks { 0 };
  int Erases { 0 };
  struct Drawn {
    UINT Item, State;
  };
  std::vector<Drawn> Draws;

protected:
  void Click() override {
    ++Clicks;
    TListBox::Click();
  }
  void DblClick() override {
    ++DblClicks;
    TListBox::DblClick();
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_ERASEBKGND) ++Erases;
    if (Message.Msg == CN_DRAWITEM) {
      const auto* D = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      Draws.push_back({ D->itemID, D->itemState });
    }
    TListBox::Dispatch(Message);
  }
};

class ListBoxTest : public ControlTest {
protected:
  /// A borderless owner-drawn list of Rows rows of 16 pixels.
  LoggingListBox* NewList(int Rows = 5, TListBoxStyle Style = lbOwnerDrawFixed) {
    auto* L = new LoggingListBox(Root.get());
    L->SetBorderStyle(bsNone);
    L->SetStyle(Style);
    L->SetItemHeight(16);
    L->SetBounds(10, 10, 100, Rows * 16);
    L->SetParent(Root.get());
    return L;
  }
  static void Fill(TListBox* L, int Count) {
    for (int I = 0; I < Count; ++I) L->Items()->Add(Format("item %d", I));
  }
  /// The middle of row Index in screen coordinates.
  static TPoint RowPoint(TListBox* L, int Index) {
    const TRect R = L->ItemRect(Index);
    const TPoint O = L->ClientOrigin();
    return { O.X + (R.Left + R.Right) / 2, O.Y + (R.Top + R.Bottom) / 2 };
  }
  void ClickRow(TListBox* L, int Index) {
    Screen->Advance(1000);  // never a double click with the click before
    const TPoint P = RowPoint(L, Index);
    Screen->Click(P.X, P.Y);
  }
  static SCROLLINFO Scroll(TListBox* L, int Bar) {
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    GetScrollInfo(L->Handle(), Bar, &Info);
    return Info;
  }
};

TEST_F(ListBoxTest, FindStringSearchesPrefixesAfterTheGivenItemAndWraps) {
  auto* L = NewList();
  for (const char* S : { "apple", "Banana", "avocado", "berry" }) L->Items()->Add(S);  // before the window
  EXPECT_FALSE(L->HandleAllocated());
  ShowRoot();
  const struct {
    const char* Text;
    int After;
    LRESULT Expected;
    UINT Message { LB_FINDSTRING };
  } Cases[] = {
    { "a", 0, 2 },  { "a", 2, 0 },  { "B", -1, 1 },  { "b", 3, 1 },  { "x", -1, LB_ERR },
    { "", 1, 2 },   { "AVOCADO", -1, 2, LB_FINDSTRINGEXACT },         { "avo", -1, LB_ERR, LB_FINDSTRINGEXACT },
  };
  for (const auto& C : Cases)
    EXPECT_EQ(SendMessage(L->Handle(), C.Message, WPARAM(C.After), LPARAM(C.Text)), C.Expected)
        << C.Text << " after " << C.After;
}

TEST_F(ListBoxTest, OnlyTheUsersSelectionsNotify) {
  auto* L = NewList();
  Fill(L, 10);
  ShowRoot();
  ClickRow(L, 3);
  EXPECT_EQ(L->Clicks, 1);
  EXPECT_EQ(L->ItemIndex(), 3);
  L->SetItemIndex(1);
  L->SetSelected(4, true);
  L->SetItemIndex(42);  // out of range: nothing selected
  EXPECT_EQ(L->ItemIndex(), -1);
  EXPECT_EQ(L->Clicks, 1);
  L->SetItemIndex(1);
  L->SetFocus();
  Screen->Key(VK_DOWN);
  EXPECT_EQ(L->Clicks, 2);
  EXPECT_EQ(L->ItemIndex(), 2);
  Screen->Key(VK_HOME);
  Screen->Key(VK_UP);  // already at the top: nothing changes, nothing notifies
  EXPECT_EQ(L->Clicks, 3);
  const TPoint P = RowPoint(L, 0);
  Screen->Advance(1000);
  Screen->Click(P.X, P.Y);
  Screen->Click(P.X, P.Y);
  EXPECT_EQ(L->DblClicks, 1);
  // Type-ahead is a user's choice too: "ite" then "m 7" within the pause picks "item 7".
  Screen->Advance(1000);
  const int Before = L->Clicks;
  Screen->TypeText("item 7");
  EXPECT_EQ(L->ItemIndex(), 7);
  EXPECT_GT(L->Clicks, Before);
}

TEST_F(ListBoxTest, ScrollInformationFollowsTheTopRow) {
  auto* L = NewList(5);
  Fill(L, 20);
  ShowRoot();
  int Min = -1, Max = -1;
  ASSERT_TRUE(GetScrollRange(L->Handle(), SB_VERT, &Min, &Max));
  EXPECT_EQ(std::make_pair(Min, Max), std::make_pair(0, 19));
  EXPECT_EQ(Scroll(L, SB_VERT).nPage, 5u);
  L->SetTopIndex(18);
  EXPECT_EQ(L->TopIndex(), 15);  // the last page stays full
  EXPECT_EQ(GetScrollPos(L->Handle(), SB_VERT), 15);
  const struct {
    WPARAM Request;
    int Top;
  } Steps[] = {
    { MAKEWPARAM(SB_THUMBPOSITION, 12), 12 }, { SB_LINEDOWN, 13 }, { SB_PAGEUP, 9 }, { SB_LINEUP, 8 },
    { SB_PAGEDOWN, 12 },                      { SB_TOP, 0 },       { SB_BOTTOM, 15 },
  };
  for (const auto& S : Steps) {
    Screen->PumpUntilIdle();
    L->Erases = 0;
    SendMessage(L->Handle(), WM_VSCROLL, S.Request, 0);
    Screen->PumpUntilIdle();
    EXPECT_EQ(L->TopIndex(), S.Top) << LOWORD(S.Request);
    EXPECT_EQ(GetScrollPos(L->Handle(), SB_VERT), S.Top);
    EXPECT_GT(L->Erases, 0) << LOWORD(S.Request);
  }
  // Keys scroll the same way; the wheel does not.
  L->SetFocus();
  L->SetItemIndex(19);
  Screen->Key(VK_HOME);
  EXPECT_EQ(L->TopIndex(), 0);
  const TPoint P = RowPoint(L, 1);
  Screen->Wheel(-WHEEL_DELTA, P.X, P.Y);
  EXPECT_EQ(L->TopIndex(), 0);
}

TEST_F(ListBoxTest, AHundredItemsPublishTheirRangeAndShowTheBar) {
  auto* L = NewList(5);
  ShowRoot();
  L->Items()->Add("one");
  EXPECT_FALSE(GetWindowLong(L->Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));  // nothing to scroll
  Fill(L, 99);
  const SCROLLINFO Info = Scroll(L, SB_VERT);
  EXPECT_EQ(std::make_tuple(Info.nMin, Info.nMax, Info.nPage, Info.nPos), std::make_tuple(0, 99, 5u, 0));
  EXPECT_TRUE(GetWindowLong(L->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_FALSE(GetWindowLong(L->Handle(), GWL_STYLE) & WS_HSCROLL);
  L->Items()->Clear();
  EXPECT_EQ(Scroll(L, SB_VERT).nMax, 0);
  EXPECT_FALSE(GetWindowLong(L->Handle(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(ListBoxTest, AMultiColumnListScrollsSidewaysInColumns) {
  auto* L = NewList(5);
  L->SetHeight(5 * 16 + GetSystemMetrics(SM_CYHSCROLL));  // five rows above the horizontal bar
  L->SetColumns(2);  // 50 pixels a column
  Fill(L, 23);
  ShowRoot();
  const SCROLLINFO Info = Scroll(L, SB_HORZ);
  EXPECT_EQ(std::make_tuple(Info.nMin, Info.nMax, Info.nPage, Info.nPos), std::make_tuple(0, 4, 2u, 0));
  EXPECT_EQ(L->ItemRect(7), Bounds(50, 32, 50, 16));
  SendMessage(L->Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(L->TopIndex(), 5);
  EXPECT_EQ(GetScrollPos(L->Handle(), SB_HORZ), 1);
  L->SetTopIndex(22);
  EXPECT_EQ(L->TopIndex(), 15);  // whole columns, the last two showing
}

TEST_F(ListBoxTest, OwnerDrawnRowsAreDrawnThroughTheList) {
  auto* L = NewList(5);
  L->SetMultiSelect(true);
  L->SetExtendedSelect(false);
  Fill(L, 20);
  std::vector<int> Drawn;
  L->OnDrawItem = [&](TWinControl*, int Index, TRect, TOwnerDrawState) { Drawn.push_back(Index); };
  ShowRoot();
  EXPECT_EQ(Drawn, (std::vector<int> { 0, 1, 2, 3, 4 }));  // the rows that show, nothing more
  ClickRow(L, 2);
  ClickRow(L, 2);  // off again: the caret row stays focused
  ASSERT_FALSE(L->Draws.empty());
  const auto Last = L->Draws.back();
  EXPECT_EQ(Last.Item, 2u);
  EXPECT_TRUE(Last.State & ODS_FOCUS);
  EXPECT_FALSE(Last.State & ODS_SELECTED);
  EXPECT_FALSE(L->Selected(2));
  ClickRow(L, 3);
  ClickRow(L, 1);
  EXPECT_EQ(L->SelCount(), 2);
  EXPECT_EQ(L->Clicks, 4);
}

TEST_F(ListBoxTest, VariableRowsTakeTheirMeasuredHeights) {
  auto* L = NewList(5, lbOwnerDrawVariable);
  L->OnMeasureItem = [](TWinControl*, int Index, int& Height) { Height = (Index + 1) * 10; };
  Fill(L, 3);  // measured once the window exists
  ShowRoot();
  L->Items()->Add("late");  // measured when added
  EXPECT_EQ(L->ItemRect(2), Bounds(0, 30, L->ClientWidth(), 30));
  EXPECT_EQ(L->ItemRect(3), Bounds(0, 60, L->ClientWidth(), 40));
  EXPECT_EQ(L->ItemAtPos({ 5, 35 }, true), 2);
  EXPECT_EQ(L->ItemAtPos({ 5, 79 }, true), 3);
}

TEST_F(ListBoxTest, SortedListsKeepTheirItemsInOrder) {
  auto* L = NewList();
  for (const char* S : { "pear", "Apple", "fig" }) L->Items()->Add(S);
  L->SetSorted(true);
  EXPECT_EQ(L->Items()->CommaText(), "Apple,fig,pear");
  EXPECT_EQ(L->Items()->Add("banana"), 1);
  ShowRoot();
  EXPECT_EQ(L->Items()->Add("zucchini"), 4);
  L->Items()->Insert(0, "zz");  // an insertion goes where it is asked
  EXPECT_EQ(L->Items()->Strings(0), "zz");
}

// Sorting moves the selected item, and the selection goes with it, before and after the window exists.
TEST_F(ListBoxTest, SortingKeepsTheSelectedItemSelected) {
  for (const bool Shown : { false, true }) {
    auto* L = NewList();
    for (const char* S : { "pear", "fig", "Apple", "kiwi", "banana" }) L->Items()->Add(S);
    if (Shown) ShowRoot();
    L->SetItemIndex(0);
    L->SetSorted(true);
    EXPECT_EQ(L->Items()->CommaText(), "Apple,banana,fig,kiwi,pear");
    EXPECT_EQ(L->ItemIndex(), 4) << Shown << ": pear";
    L->SetSorted(false);
    L->SetItemIndex(-1);
    L->SetSorted(true);
    EXPECT_EQ(L->ItemIndex(), -1) << Shown;
  }
}

TEST_F(ListBoxTest, ANewWindowKeepsItemsSelectionAndPlace) {
  auto* L = NewList(5, lbStandard);
  Fill(L, 30);
  TObject Tag;
  L->Items()->PutObject(7, &Tag);
  ShowRoot();
  L->SetItemIndex(9);
  L->SetTopIndex(6);
  const HWND Before = L->Handle();
  L->SetCtl3D(false);
  L->SetBorderStyle(bsSingle);  // a new window
  Screen->PumpUntilIdle();
  EXPECT_NE(L->Handle(), Before);
  EXPECT_EQ(L->Count(), 30);
  EXPECT_EQ(L->Items()->Objects(7), &Tag);
  EXPECT_EQ(L->ItemIndex(), 9);
  EXPECT_EQ(L->TopIndex(), 6);
  EXPECT_TRUE(GetWindowLong(L->Handle(), GWL_STYLE) & WS_BORDER);
  // Past the last row: -1 for an existing item, else the count.
  L->Items()->Clear();
  L->Items()->Add("only");
  EXPECT_EQ(L->ItemAtPos({ 5, 2 }, true), 0);
  EXPECT_EQ(L->ItemAtPos({ 5, 60 }, true), -1);
  EXPECT_EQ(L->ItemAtPos({ 5, 60 }, false), 1);
  EXPECT_EQ(L->ItemAtPos({ 500, 5 }, false), -1);
}

}  // namespace
