// The modal move and size loops: pointer steps move and size the window, WM_MOVING / WM_SIZING edits
// count, track sizes hold, Esc puts the window back, and the release that ends the loop is consumed.
#include "tests/platform/ui/InputFixture.h"

namespace {

class SizeMove : public InputTest {
protected:
  /// The native input the user gives once the loop has started: pointer steps, then the release.
  void DragInsideLoop(HWND Wnd, std::vector<TPoint> Steps) {
    Handler Previous = Handlers[Wnd];
    Handlers[Wnd] = [=](UINT Msg, WPARAM W, LPARAM L) -> std::optional<LRESULT> {
      if (Msg == WM_ENTERSIZEMOVE) {
        for (const TPoint P : Steps)
          DuringLoop([P] { Layer().PointerMoved(P); });
        DuringLoop([End = Steps.back()] { Layer().PointerButtonChanged(PointerButton::Left, false, End); });
      }
      return Previous ? Previous(Msg, W, L) : std::nullopt;
    };
  }

  static TRect WindowRect(HWND Wnd) {
    TRect R;
    GetWindowRect(Wnd, &R);
    return R;
  }

  std::vector<UINT> LoopMessages(HWND Wnd) const {
    std::vector<UINT> Result;
    for (const auto& M : Messages({ WM_ENTERSIZEMOVE, WM_MOVING, WM_SIZING, WM_WINDOWPOSCHANGED, WM_MOVE,
                                    WM_EXITSIZEMOVE },
                                  Wnd))
      Result.push_back(M.second);
    return Result;
  }
};

TEST_F(SizeMove, TheCaptionDragMovesTheWindowAndHonoursWmMovingEdits) {
  const HWND Form = CreateTop({ 100, 100, 400, 300 }, WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  int Steps = 0;
  Handlers[Form] = [&](UINT Msg, WPARAM, LPARAM L) -> std::optional<LRESULT> {
    if (Msg == WM_MOVING && ++Steps == 2) {
      auto* R = reinterpret_cast<TRect*>(L);
      *R = Bounds(0, R->Top, R->Width(), R->Height());  // snapped to the screen's left edge
    }
    return std::nullopt;
  };
  DragInsideLoop(Form, { { 230, 130 }, { 260, 150 } });
  Log.clear();

  Screen->ButtonDown(200, 110);

  EXPECT_EQ(LoopMessages(Form), (std::vector<UINT> { WM_ENTERSIZEMOVE, WM_MOVING, WM_WINDOWPOSCHANGED, WM_MOVE,
                                                     WM_MOVING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_EXITSIZEMOVE }));
  EXPECT_EQ(WindowRect(Form), (TRect { 0, 140, 300, 340 }));
  EXPECT_EQ(Count(Form, WM_LBUTTONUP) + Count(Form, WM_NCLBUTTONUP), 0);
  EXPECT_EQ(GetCapture(), HWND(0));
}

TEST_F(SizeMove, EscapePutsTheWindowBack) {
  const HWND Form = CreateTop({ 100, 100, 400, 300 }, WS_CAPTION | WS_VISIBLE);
  Handlers[Form] = [&](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_ENTERSIZEMOVE) {
      DuringLoop([] { Layer().PointerMoved({ 300, 250 }); });
      DuringLoop([] { Layer().KeyChanged(VK_ESCAPE, true, false); });
    }
    return std::nullopt;
  };
  Screen->ButtonDown(200, 110);

  EXPECT_EQ(WindowRect(Form), (TRect { 100, 100, 400, 300 }));
  EXPECT_EQ(Count(Form, WM_EXITSIZEMOVE), 1);
  EXPECT_EQ(Count(Form, WM_KEYDOWN), 0);
}

TEST_F(SizeMove, ACaptionPressSentFromTheClientAreaDragsTheWindow) {
  const HWND Preview = CreateTop({ 100, 100, 300, 250 }, WS_POPUP | WS_VISIBLE, 0, WS_EX_TOOLWINDOW);
  Handlers[Preview] = [&](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_LBUTTONDOWN) {
      SendMessage(Preview, WM_NCLBUTTONDOWN, HTCAPTION, PointToLParam({ 150, 150 }));
      return 0;
    }
    return std::nullopt;
  };
  DragInsideLoop(Preview, { { 170, 190 } });

  Screen->ButtonDown(150, 150);

  EXPECT_EQ(WindowRect(Preview), (TRect { 120, 140, 320, 290 }));
  EXPECT_EQ(Count(Preview, WM_LBUTTONUP), 0);
}

TEST_F(SizeMove, SizingHoldsTheTrackSizesOnTheDraggedEdges) {
  const HWND Form = CreateTop({ 100, 100, 400, 300 }, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Handlers[Form] = [&](UINT Msg, WPARAM, LPARAM L) -> std::optional<LRESULT> {
    if (Msg == WM_GETMINMAXINFO) {
      auto* Info = reinterpret_cast<MINMAXINFO*>(L);
      Info->ptMinTrackSize = { 150, 120 };
      Info->ptMaxTrackSize = { 400, 260 };
      return 0;
    }
    return std::nullopt;
  };
  DragInsideLoop(Form, { { 380, 200 } });
  Screen->ButtonDown(101, 200);  // the left border
  EXPECT_EQ(WindowRect(Form), (TRect { 250, 100, 400, 300 }));
  EXPECT_TRUE(Count(Form, WM_SIZING) > 0);

  Screen->ButtonUp(380, 200);
  DragInsideLoop(Form, { { 700, 700 } });
  Screen->ButtonDown(398, 298);  // the bottom-right corner
  EXPECT_EQ(WindowRect(Form), (TRect { 250, 100, 650, 360 }));

  Screen->ButtonUp(700, 700);
  SetWindowPos(Form, 0, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(WindowRect(Form), (TRect { 250, 100, 400, 220 }));
}

TEST_F(SizeMove, ASizingCodeOfAChildSizesItsForm) {
  const HWND Form = CreateTop({ 100, 100, 400, 300 }, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  TRect Client;
  GetClientRect(Form, &Client);
  const HWND Grip = CreateChild(Form, { Client.Right - 16, Client.Bottom - 16, Client.Right, Client.Bottom });
  Answer(Grip, WM_NCHITTEST, HTBOTTOMRIGHT);
  TPoint GripCentre { Client.Right - 8, Client.Bottom - 8 };
  ClientToScreen(Form, &GripCentre);
  DragInsideLoop(Form, { { GripCentre.X + 40, GripCentre.Y + 30 } });

  Screen->ButtonDown(GripCentre.X, GripCentre.Y);

  EXPECT_EQ(WindowRect(Form), (TRect { 100, 100, 440, 330 }));
  EXPECT_EQ(Count(Form, WM_ENTERSIZEMOVE), 1);
}

}  // namespace
