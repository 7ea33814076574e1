// Mouse input from the presenter to the windows: hit codes, the order of a click, capture, windows under a
// point, double clicks, leave tracking and the wheel.
#include "tests/platform/ui/InputFixture.h"

namespace {

class PointerRouting : public InputTest {};

TEST_F(PointerRouting, HitCodesChooseClientOrNonClientMessages) {
  const HWND Top = CreateTop({ 100, 100, 300, 300 });
  int Code = HTCLIENT;
  Handlers[Top] = [&](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_NCHITTEST)
      return Code;
    if (Msg == WM_NCLBUTTONDOWN)
      return 0;  // no move or size loop: only the routing is under test
    return std::nullopt;
  };
  for (const int C : { HTCLIENT, HTCAPTION, 10, 11, 12, 13, 14, 15, 16, 17, HTOBJECT, 104, 119 }) {
    Code = C;
    Log.clear();
    Screen->Advance(1000);  // no double click with the previous case
    Screen->Click(150, 160);
    const bool Client = C == HTCLIENT;
    const auto Down = Last(Top, Client ? WM_LBUTTONDOWN : WM_NCLBUTTONDOWN);
    const auto Up = Last(Top, Client ? WM_LBUTTONUP : WM_NCLBUTTONUP);
    const auto Cursor = Last(Top, WM_SETCURSOR);
    ASSERT_TRUE(Down && Up && Cursor) << C;
    EXPECT_EQ(int16_t(LOWORD(Cursor->LParam)), C);
    if (Client) {
      EXPECT_EQ(LParamToPoint(Down->LParam), (TPoint { 50, 60 }));
      EXPECT_EQ(Down->WParam, MK_LBUTTON);
      EXPECT_EQ(Up->WParam, 0u);
    } else {
      EXPECT_EQ(int(Down->WParam), C);
      EXPECT_EQ(LParamToPoint(Down->LParam), (TPoint { 150, 160 }));
      EXPECT_EQ(int(Up->WParam), C);
    }
    EXPECT_EQ(Count(Top, Client ? WM_NCLBUTTONDOWN : WM_LBUTTONDOWN), 0) << C;
  }
}

TEST_F(PointerRouting, AClickOnANestedWindowArrivesInOrder) {
  const HWND Other = CreateTop({ 600, 100, 700, 200 });
  const HWND Top = CreateTop({ 100, 100, 300, 300 }, WS_POPUP);
  const HWND Child = CreateChild(Top, { 20, 20, 120, 120 });
  ShowWindow(Top, SW_SHOWNA);
  ASSERT_EQ(GetActiveWindow(), Other);
  Screen->MoveTo(150, 150);
  Log.clear();

  Screen->Click(150, 150);

  const std::vector<std::pair<HWND, UINT>> Expected {
    { Child, WM_NCHITTEST },   { Child, WM_MOUSEACTIVATE }, { Top, WM_MOUSEACTIVATE }, { Top, WM_NCACTIVATE },
    { Top, WM_ACTIVATE },      { Child, WM_SETCURSOR },     { Top, WM_SETCURSOR },     { Top, WM_PARENTNOTIFY },
    { Child, WM_LBUTTONDOWN }, { Child, WM_NCHITTEST },     { Child, WM_SETCURSOR },   { Top, WM_SETCURSOR },
    { Child, WM_LBUTTONUP },
  };
  const std::set<UINT> Watched { WM_NCHITTEST,  WM_MOUSEACTIVATE, WM_NCACTIVATE, WM_ACTIVATE,
                                 WM_SETCURSOR,  WM_PARENTNOTIFY,  WM_LBUTTONDOWN, WM_LBUTTONUP };
  std::vector<std::pair<HWND, UINT>> Seen;
  for (const auto& M : Messages(Watched))
    if (M.first == Top || M.first == Child)
      Seen.push_back(M);
  EXPECT_EQ(Seen, Expected);
  EXPECT_EQ(GetActiveWindow(), Top);
  EXPECT_EQ(LOWORD(Last(Top, WM_ACTIVATE)->WParam), WA_CLICKACTIVE);
  const auto Notice = Last(Top, WM_PARENTNOTIFY);
  EXPECT_EQ(LOWORD(Notice->WParam), WM_LBUTTONDOWN);
  EXPECT_EQ(LParamToPoint(Notice->LParam), (TPoint { 50, 50 }));
}

TEST_F(PointerRouting, TheCaptureHolderGetsTheReleaseOutsideItself) {
  const HWND Top = CreateTop({ 100, 100, 300, 300 });
  const HWND Button = CreateChild(Top, { 10, 10, 60, 40 });
  const HWND Other = CreateTop({ 500, 100, 600, 200 });
  Handlers[Button] = [&](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_LBUTTONDOWN)
      SetCapture(Button);
    if (Msg == WM_LBUTTONUP)
      ReleaseCapture();
    return std::nullopt;
  };
  Screen->ButtonDown(120, 120);
  Log.clear();
  Screen->MoveTo(550, 150);
  Screen->ButtonUp(550, 150);

  EXPECT_EQ(Messages({ WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_LBUTTONUP }, Other).size(), 0u);
  EXPECT_EQ(Count(Button, WM_NCHITTEST), 0);
  const auto Up = Last(Button, WM_LBUTTONUP);
  ASSERT_TRUE(Up);
  EXPECT_EQ(LParamToPoint(Up->LParam), (TPoint { 550 - 110, 150 - 110 }));
  const auto Changed = Last(Button, WM_CAPTURECHANGED);
  ASSERT_TRUE(Changed);
  EXPECT_EQ(Changed->LParam, 0);
  EXPECT_EQ(GetCapture(), HWND(0));
}

TEST_F(PointerRouting, WindowFromPointSkipsClickThroughDisabledAndCutOutAreas) {
  const HWND Base = CreateTop({ 0, 0, 400, 400 });
  const HWND Disabled = CreateChild(Base, { 10, 10, 60, 60 }, WS_CHILD | WS_VISIBLE | WS_DISABLED);
  const HWND Shaped = CreateChild(Base, { 100, 10, 200, 60 });
  SetWindowRgn(Shaped, CreateRectRgn(0, 0, 50, 50), false);
  const HWND Glow = CreateTop({ 300, 0, 500, 100 }, WS_POPUP | WS_VISIBLE, 0, WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW);
  const HWND Framed = CreateTop({ 600, 100, 800, 300 }, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  const HWND Minimized = CreateTop({ 0, 300, 100, 400 });
  ShowWindow(Minimized, SW_MINIMIZE);
  (void)Disabled;
  (void)Glow;

  const struct {
    TPoint P;
    HWND Expected;
  } Cases[] = {
    { { 20, 20 }, Base },     // a disabled child
    { { 120, 20 }, Shaped },  // inside the region
    { { 180, 20 }, Base },    // the region's cut-out
    { { 350, 20 }, Base },    // under a click-through window
    { { 450, 20 }, 0 },       // only the click-through window is there
    { { 700, 108 }, Framed }, // the caption belongs to its window
    { { 50, 350 }, Base },    // under a minimized window
    { { 900, 700 }, 0 },      // no window of the program
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(WindowFromPoint(Case.P), Case.Expected) << Case.P.X << "," << Case.P.Y;

  Log.clear();
  Screen->Click(180, 20);
  EXPECT_EQ(Count(Base, WM_LBUTTONDOWN), 1);
  EXPECT_EQ(Count(Shaped, WM_LBUTTONDOWN), 0);
  Screen->Click(50, 350);
  EXPECT_EQ(Count(Base, WM_LBUTTONDOWN), 2);
  EXPECT_EQ(Count(Minimized, WM_LBUTTONDOWN) + Count(Minimized, WM_NCHITTEST), 0);
}

TEST_F(PointerRouting, DoubleClicksNeedTheClassStyleOnlyInTheClientArea) {
  const HWND Top = CreateTop({ 100, 100, 300, 300 });
  int Code = HTCLIENT;
  Handlers[Top] = [&](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    return Msg == WM_NCHITTEST ? std::optional<LRESULT>(Code) : std::nullopt;
  };
  const struct {
    bool DoubleClickClass;
    int Code;
    Int64 Pause;
    PointerButton Second;
    std::vector<UINT> Expected;
  } Cases[] = {
    { false, HTCLIENT, 100, PointerButton::Left, { WM_LBUTTONDOWN, WM_LBUTTONDOWN } },
    { true, HTCLIENT, 100, PointerButton::Left, { WM_LBUTTONDOWN, WM_LBUTTONDBLCLK } },
    { true, HTCLIENT, 600, PointerButton::Left, { WM_LBUTTONDOWN, WM_LBUTTONDOWN } },
    { true, HTCLIENT, 100, PointerButton::Right, { WM_LBUTTONDOWN, WM_RBUTTONDOWN } },
    { false, HTOBJECT, 100, PointerButton::Left, { WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK } },
  };
  for (const auto& Case : Cases) {
    SetClassLongPtr(Top, GCL_STYLE, Case.DoubleClickClass ? CS_DBLCLKS : 0);
    Code = Case.Code;
    Screen->Advance(1000);
    Log.clear();
    Screen->Click(150, 150);
    Screen->Advance(Case.Pause);
    Screen->Click(151, 151, Case.Second);
    std::vector<UINT> Presses;
    for (const auto& M : Messages({ WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK,
                                    WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK },
                                  Top))
      Presses.push_back(M.second);
    EXPECT_EQ(Presses, Case.Expected) << Case.DoubleClickClass << " " << Case.Code << " " << Case.Pause;
  }
}

TEST_F(PointerRouting, LeaveTrackingPostsOneNoticeForTheAreaLeft) {
  const HWND A = CreateTop({ 100, 100, 200, 200 });
  const HWND B = CreateTop({ 300, 100, 400, 200 });
  Handlers[A] = [&](UINT Msg, WPARAM, LPARAM L) -> std::optional<LRESULT> {
    if (Msg == WM_NCHITTEST)
      return LParamToPoint(L).Y < 120 ? HTCAPTION : HTCLIENT;
    return std::nullopt;
  };
  Screen->MoveTo(150, 150);
  TRACKMOUSEEVENT Track;
  Track.dwFlags = TME_LEAVE;
  Track.hwndTrack = A;
  ASSERT_TRUE(TrackMouseEvent(&Track));
  Screen->MoveTo(150, 110);  // into A's non-client area: the client area is left
  Screen->MoveTo(350, 150);
  EXPECT_EQ(Count(A, WM_MOUSELEAVE), 1);

  Screen->MoveTo(150, 110);
  Track.dwFlags = TME_LEAVE | TME_NONCLIENT;
  ASSERT_TRUE(TrackMouseEvent(&Track));
  TRACKMOUSEEVENT Query;
  Query.dwFlags = TME_QUERY;
  ASSERT_TRUE(TrackMouseEvent(&Query));
  EXPECT_EQ(Query.dwFlags, TME_LEAVE | TME_NONCLIENT);
  EXPECT_EQ(Query.hwndTrack, A);
  Screen->Leave();
  EXPECT_EQ(Count(A, WM_NCMOUSELEAVE), 1);
  EXPECT_EQ(Count(A, WM_MOUSELEAVE), 1);
  EXPECT_EQ(Count(B, WM_MOUSELEAVE), 0);
}

TEST_F(PointerRouting, TheWheelGoesToTheFocusAndClimbsToItsParent) {
  const HWND Top = CreateTop({ 100, 100, 300, 300 });
  const HWND Child = CreateChild(Top, { 10, 10, 100, 100 });
  const HWND Elsewhere = CreateTop({ 500, 100, 600, 200 }, WS_POPUP | WS_VISIBLE, 0, WS_EX_TOOLWINDOW);
  SetFocus(Child);
  Log.clear();
  Screen->Wheel(-WHEEL_DELTA, 550, 150);

  EXPECT_EQ(Count(Elsewhere, WM_MOUSEWHEEL), 0);
  const auto Wheel = Last(Child, WM_MOUSEWHEEL);
  ASSERT_TRUE(Wheel);
  EXPECT_EQ(int16_t(HIWORD(Wheel->WParam)), -WHEEL_DELTA);
  EXPECT_EQ(LParamToPoint(Wheel->LParam), (TPoint { 550, 150 }));
  EXPECT_EQ(Count(Top, WM_MOUSEWHEEL), 1);
}

TEST_F(PointerRouting, ChildQueriesSkipWhatTheirFlagsName) {
  const HWND Parent = CreateTop({ 100, 100, 400, 400 });
  const HWND Hidden = CreateChild(Parent, { 0, 0, 50, 50 }, WS_CHILD);
  const HWND Disabled = CreateChild(Parent, { 60, 0, 110, 50 }, WS_CHILD | WS_VISIBLE | WS_DISABLED);
  const HWND Through = CreateChild(Parent, { 120, 0, 170, 50 }, WS_CHILD | WS_VISIBLE, 0, WS_EX_TRANSPARENT);
  const HWND Passing = CreateChild(Parent, { 180, 0, 230, 50 });
  Answer(Passing, WM_NCHITTEST, HTTRANSPARENT);
  const struct {
    TPoint P;
    HWND All, Skipping, Real;
  } Cases[] = {
    { { 10, 10 }, Hidden, Parent, Parent },
    { { 70, 10 }, Disabled, Parent, Disabled },
    { { 130, 10 }, Through, Parent, Through },
    { { 190, 10 }, Passing, Passing, Parent },
    { { 250, 250 }, Parent, Parent, Parent },
    { { 500, 10 }, 0, 0, Parent },
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(ChildWindowFromPoint(Parent, Case.P), Case.All) << Case.P.X;
    EXPECT_EQ(ChildWindowFromPointEx(Parent, Case.P, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT),
              Case.Skipping)
        << Case.P.X;
    EXPECT_EQ(RealChildWindowFromPoint(Parent, Case.P), Case.Real) << Case.P.X;
  }
}

TEST_F(PointerRouting, TheCursorPositionFollowsInputAndCanBeSet) {
  const HWND Top = CreateTop({ 100, 100, 300, 300 });
  TPoint P;
  Screen->MoveTo(150, 160);
  ASSERT_TRUE(GetCursorPos(&P));
  EXPECT_EQ(P, (TPoint { 150, 160 }));

  Log.clear();
  SetCursorPos(200, 210);
  Screen->PumpUntilIdle();
  GetCursorPos(&P);
  EXPECT_EQ(P, (TPoint { 200, 210 }));
  const auto Move = Last(Top, WM_MOUSEMOVE);
  ASSERT_TRUE(Move);
  EXPECT_EQ(LParamToPoint(Move->LParam), (TPoint { 100, 110 }));

  Screen->MoveTo(900, 700);  // over no window: the pointer has left the program
  Screen->Leave();
  GetCursorPos(&P);
  EXPECT_EQ(P, (TPoint { 900, 700 }));
}

}  // namespace
