// Scroll information of a window's standard bars: the rules that keep page and position in range, the
// state kept while no bar shows, and the default frame's thumb following it.
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "tests/platform/ui/InputFixture.h"

namespace {

class ScrollBars : public InputTest {};

SCROLLINFO Info(UINT Mask, int Min = 0, int Max = 0, UINT Page = 0, int Pos = 0) {
  SCROLLINFO I;
  I.fMask = Mask;
  I.nMin = Min;
  I.nMax = Max;
  I.nPage = Page;
  I.nPos = Pos;
  return I;
}

TEST_F(ScrollBars, PageAndPositionStayInsideTheRange) {
  const struct {
    int Min, Max;
    UINT Page;
    int Pos;
    UINT ExpectedPage;
    int ExpectedPos;
  } Cases[] = {
    { 0, 19, 5, 12, 5, 12 },    // inside
    { 0, 19, 5, 18, 5, 15 },    // the last page stays full
    { 0, 19, 0, 19, 0, 19 },    // no page: every position of the range
    { 0, 19, 30, 4, 20, 0 },    // the page is cut to the range's size
    { 10, 20, 1, 3, 1, 10 },    // below the minimum
    { 0, 99999, 10, 70000, 10, 70000 },  // positions beyond 16 bits
  };
  const HWND Wnd = CreateTop({ 0, 0, 100, 100 });
  for (const auto& C : Cases) {
    const int Answer = SetScrollInfo(Wnd, SB_VERT, Info(SIF_ALL, C.Min, C.Max, C.Page, C.Pos), false);
    SCROLLINFO Got = Info(SIF_ALL);
    ASSERT_TRUE(GetScrollInfo(Wnd, SB_VERT, &Got));
    EXPECT_EQ(Got.nPage, C.ExpectedPage) << C.Max << " " << C.Page << " " << C.Pos;
    EXPECT_EQ(Got.nPos, C.ExpectedPos) << C.Max << " " << C.Page << " " << C.Pos;
    EXPECT_EQ(Got.nTrackPos, C.ExpectedPos);
    EXPECT_EQ(Answer, C.ExpectedPos);
  }
  // A smaller range pulls the position back in.
  SetScrollInfo(Wnd, SB_VERT, Info(SIF_RANGE | SIF_PAGE, 0, 9, 0), false);
  EXPECT_EQ(GetScrollPos(Wnd, SB_VERT), 9);
  EXPECT_EQ(SetScrollPos(Wnd, SB_VERT, 3, false), 9);
  int Min = -1, Max = -1;
  EXPECT_TRUE(GetScrollRange(Wnd, SB_VERT, &Min, &Max));
  EXPECT_EQ(std::make_pair(Min, Max), std::make_pair(0, 9));
  EXPECT_EQ(GetScrollPos(Wnd, SB_HORZ), 0);  // the bars are separate
}

TEST_F(ScrollBars, StateIsKeptWhetherOrNotTheBarShows) {
  const HWND Wnd = CreateTop({ 0, 0, 100, 100 });
  SetScrollRange(Wnd, SB_HORZ, 0, 50, false);
  SetScrollPos(Wnd, SB_HORZ, 20, false);
  const int Bar = GetSystemMetrics(SM_CYHSCROLL);
  TRect Client;
  ASSERT_TRUE(ShowScrollBar(Wnd, SB_HORZ, true));
  GetClientRect(Wnd, &Client);
  EXPECT_EQ(Client.Height(), 100 - Bar);
  EXPECT_TRUE(GetWindowLong(Wnd, GWL_STYLE) & WS_HSCROLL);
  ShowScrollBar(Wnd, SB_HORZ, false);
  GetClientRect(Wnd, &Client);
  EXPECT_EQ(Client.Height(), 100);
  EXPECT_EQ(GetScrollPos(Wnd, SB_HORZ), 20);
  // Setting the state never shows a bar by itself.
  SetScrollInfo(Wnd, SB_VERT, Info(SIF_ALL, 0, 100, 10, 5), true);
  EXPECT_FALSE(GetWindowLong(Wnd, GWL_STYLE) & WS_VSCROLL);
  // Arrows: a change answers true, the same state again false.
  EXPECT_TRUE(EnableScrollBar(Wnd, SB_BOTH, ESB_DISABLE_BOTH));
  EXPECT_FALSE(EnableScrollBar(Wnd, SB_VERT, ESB_DISABLE_BOTH));
  // No such bar, no window.
  SCROLLINFO Got = Info(SIF_ALL);
  EXPECT_FALSE(GetScrollInfo(Wnd, SB_CTL, &Got));
  EXPECT_FALSE(GetScrollInfo(0, SB_VERT, &Got));
  EXPECT_EQ(SetScrollInfo(0, SB_VERT, Info(SIF_POS, 0, 0, 0, 5), true), 0);
  EXPECT_FALSE(ShowScrollBar(Wnd, SB_CTL, true));
}

TEST_F(ScrollBars, TheFramesThumbFollowsThePosition) {
  const HWND Wnd = CreateTop({ 0, 0, 100, 200 }, WS_POPUP | WS_VISIBLE | WS_VSCROLL);
  PaintWith(Wnd, clWhite);
  SetScrollInfo(Wnd, SB_VERT, Info(SIF_ALL, 0, 99, 25, 0), true);
  const int X = 100 - GetSystemMetrics(SM_CXVSCROLL) / 2;
  const TColor Track = ColorToRGB(clScrollBar);
  // The rows of the bar's middle column between the arrow buttons that are not track.
  auto ThumbRows = [&] {
    Screen->PumpUntilIdle();
    const int Button = GetSystemMetrics(SM_CXVSCROLL);
    std::pair<int, int> Rows { -1, -1 };
    for (int Y = Button; Y < 200 - Button; ++Y)
      if (PixelAt(Wnd, X, Y) != Track) {
        if (Rows.first < 0)
          Rows.first = Y;
        Rows.second = Y;
      }
    return Rows;
  };
  const auto Top = ThumbRows();
  SetScrollPos(Wnd, SB_VERT, 75, true);
  const auto Bottom = ThumbRows();
  const int Button = GetSystemMetrics(SM_CXVSCROLL), Track0 = Button, Track1 = 200 - Button;
  // The thumb's outer edge may share the track's colour: a pixel of slack at its ends.
  EXPECT_NEAR(Top.first, Track0, 1);
  EXPECT_NEAR(Bottom.second, Track1 - 1, 1);
  EXPECT_EQ(Top.second - Top.first, Bottom.second - Bottom.first);
  EXPECT_NEAR(Top.second - Top.first + 1, (Track1 - Track0) / 4, 1);  // a quarter of the range per page
  // Nothing to scroll: no thumb.
  SetScrollInfo(Wnd, SB_VERT, Info(SIF_PAGE, 0, 0, 100), true);
  EXPECT_EQ(ThumbRows().first, -1);
}

}  // namespace
