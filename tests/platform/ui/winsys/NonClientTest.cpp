// The default frame: client areas per style, hit codes, cursors, the caption buttons, caption double
// clicks and the painted caption.
#include "platform/gdi/Colors.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "tests/platform/ui/InputFixture.h"

namespace {

class NonClient : public InputTest {
protected:
  static TRect ClientInWindow(HWND Wnd) {
    TRect Window, Client;
    GetWindowRect(Wnd, &Window);
    GetClientRect(Wnd, &Client);
    MapWindowPoints(Wnd, 0, &Client);
    return { Client.Left - Window.Left, Client.Top - Window.Top, Client.Right - Window.Left,
             Client.Bottom - Window.Top };
  }
  static int HitAt(HWND Wnd, int X, int Y) { return int(SendMessage(Wnd, WM_NCHITTEST, 0, PointToLParam({ X, Y }))); }
};

TEST_F(NonClient, TheClientAreaFollowsTheStyles) {
  const int Border = GetSystemMetrics(SM_CXBORDER), Dialog = GetSystemMetrics(SM_CXDLGFRAME);
  const int Frame = GetSystemMetrics(SM_CXFRAME), Edge = GetSystemMetrics(SM_CXEDGE);
  const int Caption = GetSystemMetrics(SM_CYCAPTION), SmallCaption = GetSystemMetrics(SM_CYSMCAPTION);
  const int Bar = GetSystemMetrics(SM_CXVSCROLL);
  const struct {
    DWORD Style, ExStyle;
    TRect Client;  // in a 200 x 100 window
  } Cases[] = {
    { WS_POPUP, 0, { 0, 0, 200, 100 } },
    { WS_POPUP | WS_BORDER, 0, { Border, Border, 200 - Border, 100 - Border } },
    { WS_CAPTION, 0, { Dialog, Dialog + Caption, 200 - Dialog, 100 - Dialog } },
    { WS_OVERLAPPEDWINDOW, 0, { Frame, Frame + Caption, 200 - Frame, 100 - Frame } },
    { WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, { Dialog, Dialog + SmallCaption, 200 - Dialog, 100 - Dialog } },
    { WS_POPUP, WS_EX_CLIENTEDGE, { Edge, Edge, 200 - Edge, 100 - Edge } },
    { WS_POPUP | WS_VSCROLL | WS_HSCROLL, 0, { 0, 0, 200 - Bar, 100 - Bar } },
  };
  for (const auto& Case : Cases) {
    const HWND Wnd = CreateTop({ 10, 10, 210, 110 }, Case.Style, 0, Case.ExStyle);
    EXPECT_EQ(ClientInWindow(Wnd), Case.Client) << std::hex << Case.Style << " " << Case.ExStyle;
    DestroyWindow(Wnd);
  }
}

TEST_F(NonClient, TheDefaultFrameAnswersEveryHitCode) {
  const HWND Form = CreateTop({ 100, 100, 400, 300 }, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  const HWND Fixed = CreateTop({ 500, 100, 700, 300 }, WS_CAPTION | WS_VISIBLE);
  const int Frame = GetSystemMetrics(SM_CXFRAME), Caption = GetSystemMetrics(SM_CYCAPTION);
  const int Button = Caption - 4;
  const TRect Close { 400 - Frame - 2 - Button, 100 + Frame + 2, 400 - Frame - 2, 100 + Frame + Caption - 2 };
  const TRect Maximize = Bounds(Close.Left - 2 - Button, Close.Top, Button, Button);
  const TRect Minimize = Bounds(Maximize.Left - Button, Close.Top, Button, Button);
  const HWND Tool = CreateTop({ 800, 100, 1000, 300 }, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, WS_EX_TOOLWINDOW);
  const int Small = GetSystemMetrics(SM_CYSMCAPTION) - 4;
  const struct {
    HWND Wnd;
    TPoint P;
    int Expected;
  } Cases[] = {
    { Form, { 250, 200 }, HTCLIENT },
    { Form, { 200, 100 + Frame + 5 }, HTCAPTION },
    { Form, { Close.Left + 2, Close.Top + 2 }, HTCLOSE },
    { Form, { Maximize.Left + 2, Maximize.Top + 2 }, HTMAXBUTTON },
    { Form, { Minimize.Left + 2, Minimize.Top + 2 }, HTMINBUTTON },
    { Tool, { 1000 - Frame - 2 - Small - 4, 100 + Frame + 4 }, HTCAPTION },  // tool windows: close only
    { Form, { 101, 200 }, HTLEFT },
    { Form, { 398, 200 }, HTRIGHT },
    { Form, { 250, 101 }, HTTOP },
    { Form, { 250, 298 }, HTBOTTOM },
    { Form, { 101, 101 }, HTTOPLEFT },
    { Form, { 398, 101 }, HTTOPRIGHT },
    { Form, { 101, 298 }, HTBOTTOMLEFT },
    { Form, { 398, 298 }, HTBOTTOMRIGHT },
    { Form, { 99, 200 }, HTNOWHERE },
    { Fixed, { 501, 200 }, HTBORDER },  // not sizable
    { Fixed, { 600, 110 }, HTCAPTION },
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(HitAt(Case.Wnd, Case.P.X, Case.P.Y), Case.Expected) << Case.P.X << "," << Case.P.Y;

  HRGN Round = CreateEllipticRgn(0, 0, 300, 200);
  SetWindowRgn(Form, Round, false);
  EXPECT_EQ(HitAt(Form, 101, 101), HTNOWHERE) << "a region's cut-out is no part of the window";
}

TEST_F(NonClient, CursorsFollowTheHitCodeAndTheParentGoesFirst) {
  const HWND Form = CreateTop({ 100, 100, 400, 300 }, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SetClassLongPtr(Form, GCLP_HCURSOR, LONG_PTR(LoadCursor(0, IDC_IBEAM)));
  const struct {
    TPoint P;
    uintptr_t Cursor;
  } Cases[] = {
    { { 101, 200 }, IDC_SIZEWE },   { { 250, 298 }, IDC_SIZENS },  { { 101, 101 }, IDC_SIZENWSE },
    { { 398, 101 }, IDC_SIZENESW }, { { 250, 115 }, IDC_ARROW },   { { 250, 200 }, IDC_IBEAM },
  };
  for (const auto& Case : Cases) {
    Screen->MoveTo(Case.P.X, Case.P.Y);
    EXPECT_EQ(GetCursor(), LoadCursor(0, Case.Cursor)) << Case.P.X << "," << Case.P.Y;
  }

  const HWND Child = CreateChild(Form, { 10, 10, 100, 100 });
  Handlers[Form] = [&](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg != WM_SETCURSOR)
      return std::nullopt;
    SetCursor(LoadCursor(0, IDC_WAIT));
    return 1;
  };
  TPoint Inside { 20, 20 };
  ClientToScreen(Child, &Inside);
  Screen->MoveTo(Inside.X, Inside.Y);
  EXPECT_EQ(GetCursor(), LoadCursor(0, IDC_WAIT));
}

TEST_F(NonClient, TheCloseButtonClosesOnReleaseOverIt) {
  const HWND Form = CreateTop({ 100, 100, 400, 300 }, WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  const int Dialog = GetSystemMetrics(SM_CXDLGFRAME);
  const TPoint OnClose { 400 - Dialog - 6, 100 + Dialog + 6 };
  ASSERT_EQ(HitAt(Form, OnClose.X, OnClose.Y), HTCLOSE);

  Screen->ButtonDown(OnClose.X, OnClose.Y);
  Screen->ButtonUp(250, 200);
  EXPECT_TRUE(IsWindow(Form)) << "released elsewhere";

  Screen->Advance(1000);
  Screen->Click(OnClose.X, OnClose.Y);
  EXPECT_FALSE(IsWindow(Form));
}

TEST_F(NonClient, TheMinimizeAndMaximizeButtonsShowAndActWhenTheStylesAskForThem) {
  const HWND Form = CreateTop({ 100, 100, 400, 300 }, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  const HWND Plain = CreateTop({ 500, 100, 800, 300 }, WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  const int Frame = GetSystemMetrics(SM_CXFRAME), Caption = GetSystemMetrics(SM_CYCAPTION);
  const int Button = Caption - 4;
  const TPoint OnMaximize { 400 - Frame - 2 - Button - 2 - Button / 2, 100 + Frame + Caption / 2 };
  const TPoint OnMinimize { OnMaximize.X - Button, OnMaximize.Y };
  Screen->PumpUntilIdle();
  // Each button shows a glyph (window coordinates of the form).
  const auto GlyphPixels = [&](TPoint Centre) {
    int N = 0;
    for (int Y = Centre.Y - Button / 2; Y < Centre.Y + Button / 2; ++Y)
      for (int X = Centre.X - Button / 2; X < Centre.X + Button / 2; ++X)
        N += PixelAt(Form, X - 100, Y - 100) == ColorToRGB(clBtnText);
    return N;
  };
  EXPECT_GT(GlyphPixels(OnMinimize), 0);
  EXPECT_GT(GlyphPixels(OnMaximize), 0);
  EXPECT_EQ(HitAt(Plain, 800 - GetSystemMetrics(SM_CXDLGFRAME) - 2 - Button - 4, OnMaximize.Y), HTCAPTION)
      << "no maximize button without WS_MAXIMIZEBOX";

  // A press on the caption would start the move loop: the buttons must be there before any click.
  ASSERT_EQ(HitAt(Form, OnMaximize.X, OnMaximize.Y), HTMAXBUTTON);
  ASSERT_EQ(HitAt(Form, OnMinimize.X, OnMinimize.Y), HTMINBUTTON);
  Screen->Click(OnMaximize.X, OnMaximize.Y);
  EXPECT_TRUE(IsZoomed(Form));
  TRect R;
  GetWindowRect(Form, &R);
  const TPoint OnRestore { R.Right - Frame - 2 - Button - 2 - Button / 2, R.Top + Frame + Caption / 2 };
  ASSERT_EQ(HitAt(Form, OnRestore.X, OnRestore.Y), HTMAXBUTTON);
  Screen->Advance(1000);
  Screen->Click(OnRestore.X, OnRestore.Y);
  EXPECT_FALSE(IsZoomed(Form));
  Screen->Advance(1000);
  Screen->ButtonDown(OnMinimize.X, OnMinimize.Y);
  Screen->ButtonUp(OnMaximize.X, OnMaximize.Y);
  EXPECT_FALSE(IsIconic(Form) || IsZoomed(Form)) << "released over another button";
  Screen->Advance(1000);
  Screen->Click(OnMinimize.X, OnMinimize.Y);
  EXPECT_TRUE(IsIconic(Form));
}

TEST_F(NonClient, ACaptionDoubleClickMaximizesOnlyWithTheMaximizeBox) {
  const HWND Plain = CreateTop({ 100, 100, 400, 300 }, WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  const HWND Sizable = CreateTop({ 500, 100, 800, 300 }, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SendMessage(Plain, WM_NCLBUTTONDBLCLK, HTCAPTION, PointToLParam({ 200, 110 }));
  SendMessage(Sizable, WM_NCLBUTTONDBLCLK, HTCAPTION, PointToLParam({ 600, 110 }));
  EXPECT_FALSE(IsZoomed(Plain));
  EXPECT_TRUE(IsZoomed(Sizable));
  SendMessage(Sizable, WM_NCLBUTTONDBLCLK, HTCAPTION, PointToLParam({ 600, 10 }));
  EXPECT_FALSE(IsZoomed(Sizable));
}

TEST_F(NonClient, TheCaptionShowsTheActivationState) {
  const HWND Form = CreateTop({ 100, 100, 400, 300 }, WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  const int Dialog = GetSystemMetrics(SM_CXDLGFRAME);
  Screen->PumpUntilIdle();
  EXPECT_EQ(PixelAt(Form, 100, Dialog + 2), ColorToRGB(clActiveCaption));

  CreateTop({ 500, 100, 600, 200 });
  Screen->PumpUntilIdle();
  EXPECT_EQ(PixelAt(Form, 100, Dialog + 2), ColorToRGB(clInactiveCaption));
  EXPECT_EQ(PixelAt(Form, Dialog - 1, 150), ColorToRGB(clBtnFace)) << "the border inside its edges";
}

}  // namespace
