// SetWindowPos and its messages, size limits, client areas, showing and window states, coordinates.
#include "platform/gdi/Capabilities.h"
#include "tests/platform/ui/UiFixture.h"

namespace {

using Placement = UiTest;

TEST_F(Placement, ChangingIsEditableAndChangedReportsMoveAndSize) {
  const HWND Top = CreateTop(Rect(0, 0, 200, 200));
  const HWND W = CreateChild(Top, Bounds(10, 10, 50, 50));
  Handlers[W] = [](UINT Msg, WPARAM, LPARAM LParam) -> std::optional<LRESULT> {
    if (Msg == WM_WINDOWPOSCHANGING) {
      auto* Pos = reinterpret_cast<WINDOWPOS*>(LParam);
      Pos->x = 30;  // a handler centres the window, say
    }
    return std::nullopt;
  };
  Log.clear();
  SetWindowPos(W, 0, 20, 20, 60, 40, SWP_NOZORDER | SWP_NOACTIVATE);
  const std::vector<std::pair<HWND, UINT>> Expected { { W, WM_WINDOWPOSCHANGING }, { W, WM_NCCALCSIZE },
                                                      { W, WM_WINDOWPOSCHANGED }, { W, WM_MOVE }, { W, WM_SIZE } };
  EXPECT_EQ(Messages({ WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE }), Expected);
  TRect R;
  GetWindowRect(W, &R);
  EXPECT_EQ(R, Bounds(30, 20, 60, 40));
  const LoggedMessage& Size = *std::find_if(Log.begin(), Log.end(), [](const auto& M) { return M.Msg == WM_SIZE; });
  EXPECT_EQ(Size.WParam, SIZE_RESTORED);
  EXPECT_EQ(Size.LParam, MAKELPARAM(60, 40));

  Log.clear();
  SetWindowPos(W, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(Count(W, WM_MOVE) + Count(W, WM_SIZE) + Count(W, WM_NCCALCSIZE), 0) << "nothing changed";
  EXPECT_EQ(Count(W, WM_WINDOWPOSCHANGED), 1);
}

TEST_F(Placement, MinMaxInfoBoundsEveryResize) {
  const HWND W = CreateTop(Rect(0, 0, 200, 200));
  Handlers[W] = [](UINT Msg, WPARAM, LPARAM LParam) -> std::optional<LRESULT> {
    if (Msg == WM_GETMINMAXINFO) {
      auto* Info = reinterpret_cast<MINMAXINFO*>(LParam);
      Info->ptMinTrackSize = { 100, 80 };
      Info->ptMaxTrackSize = { 300, 250 };
    }
    return std::nullopt;
  };
  const struct {
    TSize Asked;
    TSize Got;
  } Cases[] = {
    { { 150, 150 }, { 150, 150 } }, { { 50, 50 }, { 100, 80 } }, { { 400, 400 }, { 300, 250 } }, { { 0, 500 }, { 100, 250 } },
  };
  for (const auto& C : Cases) {
    SetWindowPos(W, 0, 5, 5, C.Asked.cx, C.Asked.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    TRect R;
    GetWindowRect(W, &R);
    EXPECT_EQ(R, Bounds(5, 5, C.Got.cx, C.Got.cy)) << C.Asked.cx << "x" << C.Asked.cy;
  }
  MoveWindow(W, 0, 0, 10, 10, true);
  TRect R;
  GetWindowRect(W, &R);
  EXPECT_EQ(R, Bounds(0, 0, 100, 80));

  const HWND Child = CreateChild(W, Bounds(0, 0, 10, 10));
  Log.clear();
  MoveWindow(Child, 0, 0, 20, 20, true);
  EXPECT_EQ(Count(Child, WM_GETMINMAXINFO), 0) << "plain child windows have no limits to ask";
}

TEST_F(Placement, ClientAreaIsTheNonClientAnswer) {
  const HWND Top = CreateTop(Rect(0, 0, 300, 300));
  int Border = 0;
  const auto Frame = [&](UINT Msg, WPARAM, LPARAM LParam) -> std::optional<LRESULT> {
    if (Msg != WM_NCCALCSIZE)
      return std::nullopt;
    TRect& R = reinterpret_cast<NCCALCSIZE_PARAMS*>(LParam)->rgrc[0];
    R = { R.Left + Border, R.Top + Border * 2, R.Right - Border, R.Bottom - Border };
    return 0;
  };
  WNDCLASS Class;
  Class.lpszClassName = "Framed";
  static std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)> Current;
  static const WindowProc Proc([](HWND H, UINT M, WPARAM W, LPARAM L) -> LRESULT {
    if (Current)
      if (const auto A = Current(M, W, L))
        return *A;
    return DefWindowProc(H, M, W, L);
  });
  Current = Frame;
  Class.lpfnWndProc = &Proc;
  RegisterClass(Class);
  Border = 3;
  const HWND W = CreateWindowEx(0, "Framed", "", WS_CHILD | WS_VISIBLE, 10, 20, 100, 60, Top, 0);
  TRect Client;
  GetClientRect(W, &Client);
  EXPECT_EQ(Client, Rect(0, 0, 94, 51));
  TPoint P { 0, 0 };
  ClientToScreen(W, &P);
  EXPECT_EQ(P, Point(13, 26));
  TRect Mapped = Rect(0, 0, 1, 1);
  MapWindowPoints(W, Top, &Mapped);
  EXPECT_EQ(Mapped, Rect(13, 26, 14, 27));

  Border = 0;
  SetWindowPos(W, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  GetClientRect(W, &Client);
  EXPECT_EQ(Client, Rect(0, 0, 100, 60));

  Border = -20;  // an answer outside the window is cut back to it
  SetWindowPos(W, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  GetClientRect(W, &Client);
  EXPECT_EQ(Client, Rect(0, 0, 100, 60));
  DestroyWindow(W);
  Current = nullptr;
}

TEST_F(Placement, ShowWindowAnnouncesBeforeAndStatesReportTheirSize) {
  const HWND W = CreateTop(Bounds(10, 10, 100, 80), WS_POPUP | WS_THICKFRAME);
  bool VisibleWhenAnnounced = true;
  Handlers[W] = [&](UINT Msg, WPARAM WParam, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_SHOWWINDOW && WParam)
      VisibleWhenAnnounced = IsWindowVisible(W);
    return std::nullopt;
  };
  EXPECT_FALSE(ShowWindow(W, SW_SHOWNORMAL));
  EXPECT_FALSE(VisibleWhenAnnounced);
  EXPECT_TRUE(IsWindowVisible(W));

  const auto LastSize = [&] {
    for (auto It = Log.rbegin(); It != Log.rend(); ++It)
      if (It->Wnd == W && It->Msg == WM_SIZE)
        return It->WParam;
    return WPARAM(99);
  };
  TRect R;
  ShowWindow(W, SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(W));
  EXPECT_EQ(LastSize(), SIZE_MAXIMIZED);
  GetWindowRect(W, &R);
  EXPECT_EQ(R, PlatformCapabilities().Monitors.front().WorkArea);
  ShowWindow(W, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(W));
  EXPECT_EQ(LastSize(), SIZE_MINIMIZED);
  ShowWindow(W, SW_RESTORE);
  EXPECT_TRUE(IsZoomed(W)) << "minimized from maximized restores to maximized";
  EXPECT_EQ(LastSize(), SIZE_MAXIMIZED);
  ShowWindow(W, SW_RESTORE);
  EXPECT_FALSE(IsZoomed(W) || IsIconic(W));
  EXPECT_EQ(LastSize(), SIZE_RESTORED);
  GetWindowRect(W, &R);
  EXPECT_EQ(R, Bounds(10, 10, 100, 80));

  Log.clear();
  EXPECT_TRUE(ShowWindow(W, SW_HIDE));
  EXPECT_FALSE(ShowWindow(W, SW_HIDE));
  EXPECT_EQ(Count(W, WM_SHOWWINDOW), 1);
}

TEST_F(Placement, MinimizingTheOwnerHidesAndRestoresItsPopups) {
  const HWND Owner = CreateTop(Bounds(0, 0, 100, 100));
  const HWND Popup = CreateTop(Bounds(0, 0, 10, 10), WS_POPUP | WS_VISIBLE, Owner);
  const HWND Hidden = CreateTop(Bounds(0, 0, 10, 10), WS_POPUP, Owner);
  std::vector<LPARAM> Notices;
  Handlers[Popup] = [&](UINT Msg, WPARAM, LPARAM LParam) -> std::optional<LRESULT> {
    if (Msg == WM_SHOWWINDOW)
      Notices.push_back(LParam);
    return std::nullopt;
  };
  ShowWindow(Owner, SW_MINIMIZE);
  EXPECT_FALSE(IsWindowVisible(Popup));
  ShowWindow(Owner, SW_RESTORE);
  EXPECT_TRUE(IsWindowVisible(Popup));
  EXPECT_FALSE(IsWindowVisible(Hidden)) << "a popup that was hidden stays hidden";
  EXPECT_EQ(Notices, (std::vector<LPARAM> { SW_PARENTCLOSING, SW_PARENTOPENING }));
}

TEST_F(Placement, DisablingCancelsModesFirst) {
  const HWND W = CreateTop(Bounds(0, 0, 10, 10));
  EXPECT_FALSE(EnableWindow(W, false));
  EXPECT_TRUE(EnableWindow(W, false));
  EXPECT_FALSE(IsWindowEnabled(W));
  EXPECT_EQ(Messages({ WM_CANCELMODE, WM_ENABLE }), (std::vector<std::pair<HWND, UINT>> { { W, WM_CANCELMODE }, { W, WM_ENABLE } }));
  EXPECT_TRUE(EnableWindow(W, true));
  EXPECT_TRUE(IsWindowEnabled(W));
}

TEST_F(Placement, StyleChangesAreAnnouncedAndEditable) {
  const HWND W = CreateTop(Bounds(0, 0, 10, 10));
  Handlers[W] = [](UINT Msg, WPARAM Which, LPARAM LParam) -> std::optional<LRESULT> {
    if (Msg == WM_STYLECHANGING && Which == WPARAM(GWL_EXSTYLE))
      reinterpret_cast<STYLESTRUCT*>(LParam)->styleNew |= WS_EX_TOOLWINDOW;
    return std::nullopt;
  };
  EXPECT_EQ(SetWindowLong(W, GWL_EXSTYLE, WS_EX_LAYERED), 0u);
  EXPECT_EQ(GetWindowLong(W, GWL_EXSTYLE), WS_EX_LAYERED | WS_EX_TOOLWINDOW);
  EXPECT_EQ(Count(W, WM_STYLECHANGED), 1);
}

}  // namespace
