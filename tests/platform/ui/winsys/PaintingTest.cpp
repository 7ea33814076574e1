// Update regions, paint order, clipping of overlapping windows, window regions, device contexts,
// scrolling, and what reaches the presenter.
#include <thread>

#include "tests/platform/ui/UiFixture.h"

namespace {

using Painting = UiTest;

constexpr DWORD Popup = WS_POPUP | WS_VISIBLE;
constexpr DWORD Child = WS_CHILD | WS_VISIBLE;

TEST_F(Painting, OverlappingChildrenClipAsTheirStylesSay) {
  enum class Repaint { Everything, LowerChildOnly, ParentOnly };
  const struct {
    Repaint What;
    bool ClipChildren;
    bool ClipSiblings;
    TColor Overlap, LowerOnly, UpperOnly, ParentOnly;
  } Cases[] = {
    { Repaint::Everything, false, false, clBlue, clLime, clBlue, clRed },
    { Repaint::Everything, true, true, clBlue, clLime, clBlue, clRed },
    { Repaint::LowerChildOnly, false, false, clLime, clLime, clBlue, clRed },  // paints over its upper sibling
    { Repaint::LowerChildOnly, false, true, clBlue, clLime, clBlue, clRed },
    { Repaint::ParentOnly, false, false, clRed, clRed, clRed, clRed },  // paints over its children
    { Repaint::ParentOnly, true, false, clBlue, clLime, clBlue, clRed },
  };
  for (const auto& C : Cases) {
    const HWND P = CreateTop(Bounds(0, 0, 100, 100), Popup | (C.ClipChildren ? WS_CLIPCHILDREN : 0));
    const DWORD Sibling = C.ClipSiblings ? WS_CLIPSIBLINGS : 0;
    const HWND Lower = CreateChild(P, Bounds(10, 10, 50, 50), Child | Sibling);
    const HWND Upper = CreateChild(P, Bounds(40, 40, 50, 50), Child | Sibling);
    PaintWith(P, clRed);
    PaintWith(Lower, clLime);
    PaintWith(Upper, clBlue);
    ProcessPendingMessages();
    if (C.What == Repaint::LowerChildOnly)
      RedrawWindow(Lower, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    if (C.What == Repaint::ParentOnly)
      RedrawWindow(P, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
    const std::string Case = "case " + std::to_string(&C - Cases);
    EXPECT_EQ(PixelAt(P, 50, 50), C.Overlap) << Case;
    EXPECT_EQ(PixelAt(P, 20, 20), C.LowerOnly) << Case;
    EXPECT_EQ(PixelAt(P, 5, 5), C.ParentOnly) << Case;
    EXPECT_EQ(PixelAt(P, 80, 80), C.UpperOnly) << Case;
    DestroyWindow(P);
  }
}

TEST_F(Painting, UpdateRegionsAccumulateAndEraseOnlyWhenAsked) {
  const HWND W = CreateTop(Bounds(0, 0, 100, 100));
  ProcessPendingMessages();
  const TRect A = Rect(0, 0, 10, 10), B = Rect(20, 0, 30, 10);
  InvalidateRect(W, &A, false);
  InvalidateRect(W, &B, false);
  const HRGN Update = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetUpdateRgn(W, Update, false), COMPLEXREGION);
  const HRGN Both = CreateRectRgn(0, 0, 10, 10);
  const HRGN Second = CreateRectRgnIndirect(B);
  CombineRgn(Both, Both, Second, RGN_OR);
  EXPECT_TRUE(EqualRgn(Update, Both));
  ValidateRect(W, &A);
  TRect Box;
  EXPECT_TRUE(GetUpdateRect(W, &Box, false));
  EXPECT_EQ(Box, B);
  // The default paint into a given DC leaves the pending update alone; the plain one validates it.
  const HDC Copy = CreateCompatibleDC(nullptr);
  DefWindowProc(W, WM_PAINT, WPARAM(Copy), 0);
  DeleteDC(Copy);
  EXPECT_TRUE(GetUpdateRect(W, &Box, false));
  DefWindowProc(W, WM_PAINT, 0, 0);
  EXPECT_FALSE(GetUpdateRect(W, nullptr, false));
  for (HRGN R : { Update, Both, Second })
    DeleteObject(R);

  const struct {
    std::vector<std::pair<TRect, bool>> Invalidations;
    bool Erased;
    TRect Painted;
  } Cases[] = {
    { { { A, false } }, false, A },
    { { { A, false }, { B, true } }, true, Rect(0, 0, 30, 10) },
    { { { A, true }, { A, false } }, true, A },
  };
  TRect PaintRect;
  Handlers[W] = [&](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg != WM_PAINT)
      return std::nullopt;
    PAINTSTRUCT Paint;
    BeginPaint(W, &Paint);
    PaintRect = Paint.rcPaint;
    EndPaint(W, &Paint);
    return 0;
  };
  for (const auto& C : Cases) {
    Log.clear();
    for (const auto& [R, Erase] : C.Invalidations)
      InvalidateRect(W, &R, Erase);
    ProcessPendingMessages();
    EXPECT_EQ(Count(W, WM_ERASEBKGND), C.Erased ? 1 : 0);
    EXPECT_EQ(Count(W, WM_PAINT), 1);
    EXPECT_EQ(PaintRect, C.Painted);
  }
}

TEST_F(Painting, ParentsPaintBeforeTheirChildrenAndHiddenOrEmptyWindowsNever) {
  const HWND P = CreateTop(Bounds(0, 0, 100, 100));
  const HWND A = CreateChild(P, Bounds(0, 0, 50, 50));
  const HWND A1 = CreateChild(A, Bounds(0, 0, 10, 10));
  const HWND B = CreateChild(P, Bounds(50, 0, 50, 50));
  const HWND Hidden = CreateChild(P, Bounds(0, 60, 10, 10), WS_CHILD);
  const HWND Empty = CreateChild(P, Bounds(0, 60, 0, 10));
  ProcessPendingMessages();
  EXPECT_EQ(Messages({ WM_PAINT }), (std::vector<std::pair<HWND, UINT>> { { P, WM_PAINT }, { A, WM_PAINT }, { A1, WM_PAINT }, { B, WM_PAINT } }));

  Log.clear();
  InvalidateRect(Hidden, nullptr, true);
  InvalidateRect(Empty, nullptr, true);
  SendMessage(B, WM_SETREDRAW, 0, 0);
  InvalidateRect(B, nullptr, true);
  ProcessPendingMessages();
  EXPECT_TRUE(Messages({ WM_PAINT, WM_ERASEBKGND }).empty());
  SendMessage(B, WM_SETREDRAW, 1, 0);
  ProcessPendingMessages();
  EXPECT_EQ(Count(B, WM_PAINT), 1) << "what was invalidated meanwhile paints once redraw is back on";
}

TEST_F(Painting, PaintHandlerThatPaintsNothingIsNotCalledAgain) {
  const HWND W = CreateTop(Bounds(0, 0, 10, 10));
  Handlers[W] = [](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    return Msg == WM_PAINT ? std::optional<LRESULT>(0) : std::nullopt;
  };
  ProcessPendingMessages();
  EXPECT_EQ(Count(W, WM_PAINT), 1);
}

TEST_F(Painting, WindowRegionsClipPainting) {
  const HWND P = CreateTop(Bounds(0, 0, 60, 60));
  SetWindowRgn(P, CreateRectRgn(0, 0, 50, 60), false);
  const HWND C = CreateChild(P, Bounds(10, 10, 40, 40));
  EXPECT_EQ(SetWindowRgn(C, CreateEllipticRgn(0, 0, 40, 40), true), 1);
  PaintWith(P, clRed);
  PaintWith(C, clBlue);
  ProcessPendingMessages();
  EXPECT_EQ(PixelAt(P, 11, 11), clRed) << "the corner of the child is outside its ellipse";
  EXPECT_EQ(PixelAt(P, 30, 30), clBlue);
  EXPECT_EQ(PixelAt(P, 55, 5), clBlack) << "outside the top-level window's region nothing is drawn";
  const HRGN Copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(C, Copy), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(Copy, 20, 20));
  EXPECT_FALSE(PtInRegion(Copy, 1, 1));
  SetWindowRgn(C, nullptr, true);
  EXPECT_EQ(GetWindowRgn(C, Copy), RGN_ERROR);
  ProcessPendingMessages();
  EXPECT_EQ(PixelAt(P, 11, 11), clBlue);
  DeleteObject(Copy);
}

TEST_F(Painting, MovingAChildRepaintsWhatItUncovered) {
  const HWND P = CreateTop(Bounds(0, 0, 100, 100), Popup | WS_CLIPCHILDREN);
  const HWND C = CreateChild(P, Bounds(10, 10, 10, 10));
  PaintWith(P, clRed);
  PaintWith(C, clBlue);
  ProcessPendingMessages();
  EXPECT_EQ(PixelAt(P, 15, 15), clBlue);
  MoveWindow(C, 50, 50, 10, 10, true);
  ProcessPendingMessages();
  EXPECT_EQ(PixelAt(P, 15, 15), clRed);
  EXPECT_EQ(PixelAt(P, 55, 55), clBlue);
  ShowWindow(C, SW_HIDE);
  ProcessPendingMessages();
  EXPECT_EQ(PixelAt(P, 55, 55), clRed);
}

TEST_F(Painting, WindowAndClientDCsCoverTheirAreas) {
  const HWND P = CreateTop(Bounds(0, 0, 60, 60));
  const HWND C = CreateChild(P, Bounds(10, 10, 30, 30));
  Handlers[C] = [](UINT Msg, WPARAM, LPARAM LParam) -> std::optional<LRESULT> {
    if (Msg != WM_NCCALCSIZE)
      return std::nullopt;
    TRect& R = reinterpret_cast<NCCALCSIZE_PARAMS*>(LParam)->rgrc[0];
    R = { R.Left + 5, R.Top + 5, R.Right - 5, R.Bottom - 5 };
    return 0;
  };
  SetWindowPos(C, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  PaintWith(P, clWhite);
  ProcessPendingMessages();
  const HBRUSH Red = CreateSolidBrush(clRed), Blue = CreateSolidBrush(clBlue);
  HDC DC = GetWindowDC(C);
  FillRect(DC, Rect(-100, -100, 100, 100), Red);
  ReleaseDC(C, DC);
  DC = GetDC(C);
  FillRect(DC, Rect(-100, -100, 100, 100), Blue);
  SetPixel(DC, 0, 0, clLime);
  ReleaseDC(C, DC);
  EXPECT_EQ(Row(P, 20, 5, 45, { { clWhite, '.' }, { clRed, 'r' }, { clBlue, 'b' }, { clLime, 'g' } }),
            ".....rrrrrbbbbbbbbbbbbbbbbbbbbrrrrr.....");
  EXPECT_EQ(PixelAt(P, 15, 15), clLime) << "the client DC's origin is the client area's corner";
  EXPECT_EQ(ReleaseDC(C, DC), 0) << "a DC is given back once";
  DeleteObject(Red);
  DeleteObject(Blue);
}

TEST_F(Painting, AChildReachingPastItsParentsClientAreaLeavesTheParentsFrameToTheWindowDC) {
  const HWND P = CreateTop(Bounds(0, 0, 60, 60));
  const HWND C = CreateChild(P, Bounds(10, 10, 30, 30), Child | WS_CLIPCHILDREN);
  Handlers[C] = [](UINT Msg, WPARAM, LPARAM LParam) -> std::optional<LRESULT> {
    if (Msg != WM_NCCALCSIZE)
      return std::nullopt;
    TRect& R = reinterpret_cast<NCCALCSIZE_PARAMS*>(LParam)->rgrc[0];
    R = { R.Left + 5, R.Top + 5, R.Right - 5, R.Bottom - 5 };
    return 0;
  };
  SetWindowPos(C, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  const HWND G = CreateChild(C, Bounds(10, 0, 40, 20));  // client x 10 .. 50 of a 20-pixel client
  PaintWith(P, clWhite);
  PaintWith(G, clBlue);
  ProcessPendingMessages();
  const HBRUSH Red = CreateSolidBrush(clRed);
  HDC DC = GetWindowDC(C);
  FillRect(DC, Rect(0, 0, 30, 30), Red);
  ReleaseDC(C, DC);
  EXPECT_EQ(Row(P, 20, 5, 45, { { clWhite, '.' }, { clRed, 'r' }, { clBlue, 'b' } }),
            ".....rrrrrrrrrrrrrrrbbbbbbbbbbrrrrr.....")
      << "the child covers its parent's client part only";
  DeleteObject(Red);
}

// A child shows only inside its parent's client area, so a child larger than that area keeps nothing of
// the parent's frame from the parent's own drawing.
TEST_F(Painting, AChildOverflowingItsParentsClientAreaLeavesTheFrameToTheParent) {
  const HWND P = CreateTop(Bounds(0, 0, 60, 60));
  const HWND C = CreateChild(P, Bounds(10, 10, 30, 30), Child | WS_CLIPCHILDREN);
  Handlers[C] = [](UINT Msg, WPARAM, LPARAM LParam) -> std::optional<LRESULT> {
    if (Msg != WM_NCCALCSIZE)
      return std::nullopt;
    TRect& R = reinterpret_cast<NCCALCSIZE_PARAMS*>(LParam)->rgrc[0];
    R = { R.Left + 5, R.Top + 5, R.Right - 5, R.Bottom - 5 };
    return 0;
  };
  SetWindowPos(C, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  const HWND Inner = CreateChild(C, Bounds(0, 0, 100, 100));
  PaintWith(P, clWhite);
  PaintWith(Inner, clBlue);
  ProcessPendingMessages();
  const HBRUSH Red = CreateSolidBrush(clRed);
  const HDC DC = GetWindowDC(C);
  FillRect(DC, Rect(0, 0, 30, 30), Red);
  ReleaseDC(C, DC);
  EXPECT_EQ(Row(P, 20, 5, 45, { { clWhite, '.' }, { clRed, 'r' }, { clBlue, 'b' } }),
            ".....rrrrrbbbbbbbbbbbbbbbbbbbbrrrrr.....");
  DeleteObject(Red);
}

TEST_F(Painting, ScrollingMovesPixelsAndInvalidatesTheBandLeftBehind) {
  const struct {
    int DX, DY;
    std::optional<TRect> Pending;
    TRect Exposed;
    TRect UpdateBox;
  } Cases[] = {
    { 3, 0, std::nullopt, Rect(0, 0, 3, 4), Rect(0, 0, 3, 4) },
    { -2, 0, Rect(5, 0, 6, 4), Rect(8, 0, 10, 4), Rect(3, 0, 10, 4) },  // the pending area moves along
    { 0, 1, std::nullopt, Rect(0, 0, 10, 1), Rect(0, 0, 10, 1) },
  };
  for (const auto& C : Cases) {
    const HWND W = CreateTop(Bounds(0, 0, 10, 4));
    ProcessPendingMessages();
    HDC DC = GetDC(W);
    for (int Y = 0; Y < 4; ++Y)
      for (int X = 0; X < 10; ++X)
        SetPixel(DC, X, Y, RGB(uint8_t(X * 20), uint8_t(Y * 40), 7));
    ReleaseDC(W, DC);
    if (C.Pending)
      InvalidateRect(W, &*C.Pending, false);
    const HRGN Exposed = CreateRectRgn(0, 0, 0, 0);
    TRect ExposedBox;
    EXPECT_EQ(ScrollWindowEx(W, C.DX, C.DY, nullptr, nullptr, Exposed, &ExposedBox, SW_INVALIDATE), SIMPLEREGION);
    EXPECT_EQ(ExposedBox, C.Exposed);
    TRect Box;
    GetRgnBox(Exposed, &Box);
    EXPECT_EQ(Box, C.Exposed);
    GetUpdateRect(W, &Box, false);
    EXPECT_EQ(Box, C.UpdateBox);
    for (int Y = 0; Y < 4; ++Y)
      for (int X = 0; X < 10; ++X) {
        const int SX = X - C.DX, SY = Y - C.DY;
        if (SX >= 0 && SX < 10 && SY >= 0 && SY < 4) {
          EXPECT_EQ(PixelAt(W, X, Y), RGB(uint8_t(SX * 20), uint8_t(SY * 40), 7)) << X << "," << Y;
        }
      }
    DeleteObject(Exposed);
    DestroyWindow(W);
  }
}

TEST_F(Painting, ScrollWindowMovesTheChildren) {
  const HWND P = CreateTop(Bounds(0, 0, 100, 100));
  const HWND C = CreateChild(P, Bounds(10, 10, 10, 10));
  ScrollWindow(P, 5, -5, nullptr, nullptr);
  TRect R;
  GetWindowRect(C, &R);
  EXPECT_EQ(R, Bounds(15, 5, 10, 10));
  const TRect Part = Rect(50, 50, 60, 60);
  ScrollWindow(P, 5, 0, &Part, nullptr);
  GetWindowRect(C, &R);
  EXPECT_EQ(R, Bounds(15, 5, 10, 10)) << "children stay when only a part scrolls";
}

TEST_F(Painting, AnotherThreadsInvalidateIsPaintedByTheUiThread) {
  const HWND W = CreateTop(Bounds(0, 0, 10, 10));
  ProcessPendingMessages();
  Log.clear();
  std::thread Worker([W] { InvalidateRect(W, nullptr, false); });
  RunModalLoop([&] { return Count(W, WM_PAINT) == 1; });
  Worker.join();
  EXPECT_EQ(Count(W, WM_PAINT), 1);
}

TEST_F(Painting, PresenterGetsTheChangedPixelsAfterPainting) {
  const HWND W = CreateTop(Bounds(0, 0, 50, 50));
  const HWND Hidden = CreateTop(Bounds(0, 0, 50, 50), WS_POPUP);
  ProcessPendingMessages();
  ASSERT_FALSE(Presenter.Presented.empty());
  EXPECT_EQ(Presenter.Presented.back().Wnd, W);
  EXPECT_EQ(Presenter.Presented.back().Dirty.Bounds(), Rect(0, 0, 50, 50));
  Presenter.Presented.clear();
  const TRect Small = Rect(5, 5, 10, 10);
  InvalidateRect(W, &Small, true);
  InvalidateRect(Hidden, nullptr, true);
  ProcessPendingMessages();
  ASSERT_EQ(Presenter.Presented.size(), 1u);
  EXPECT_EQ(Presenter.Presented[0].Dirty.Bounds(), Small);
  Presenter.Presented.clear();
  UpdateWindow(W);
  EXPECT_TRUE(Presenter.Presented.empty()) << "nothing was pending";
  RedrawWindow(W, &Small, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(Presenter.Presented.size(), 1u) << "a synchronous paint is shown at once";
}

}  // namespace
