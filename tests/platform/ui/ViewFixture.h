#pragma once
// Views (list view, tree view, tab control) on a 400 x 300 root of the headless presenter, with helpers
// to read scroll information and to paint a control into a memory picture of known colour.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "tests/platform/ui/ControlFixture.h"

/// Range, page and position of a bar, comparable in one expectation.
struct ScrollState {
  int Min { 0 };
  int Max { 0 };
  int Page { 0 };
  int Pos { 0 };
  friend bool operator==(const ScrollState&, const ScrollState&) = default;
};

inline void PrintTo(const ScrollState& S, std::ostream* Out) {
  *Out << "{" << S.Min << ".." << S.Max << " page " << S.Page << " pos " << S.Pos << "}";
}

inline ScrollState ScrollOf(HWND Wnd, int Bar) {
  SCROLLINFO Info;
  Info.fMask = SIF_ALL;
  GetScrollInfo(Wnd, Bar, &Info);
  return { Info.nMin, Info.nMax, int(Info.nPage), Info.nPos };
}

/// A memory picture filled with one colour that a control paints into through WM_PAINT(DC).
class PaintTarget {
public:
  PaintTarget(int Width, int Height, TColor Fill) {
    FDC = CreateCompatibleDC(nullptr);
    FBitmap = CreateCompatibleBitmap(FDC, Width, Height);
    FOld = SelectObject(FDC, FBitmap);
    HBRUSH Brush = CreateSolidBrush(Fill);
    FillRect(FDC, Rect(0, 0, Width, Height), Brush);
    DeleteObject(Brush);
  }
  ~PaintTarget() {
    SelectObject(FDC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
  }
  PaintTarget(const PaintTarget&) = delete;
  PaintTarget& operator=(const PaintTarget&) = delete;

  HDC DC() const { return FDC; }
  TColor Pixel(int X, int Y) const { return GetPixel(FDC, X, Y); }
  /// Whether every pixel of R still has colour C.
  bool All(const TRect& R, TColor C) const {
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X)
        if (Pixel(X, Y) != C) return false;
    return true;
  }

private:
  HDC FDC { nullptr };
  HBITMAP FBitmap { nullptr };
  HGDIOBJ FOld { nullptr };
};

class ViewTest : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    Root->SetBounds(100, 100, 400, 300);
  }

  /// A screen point of a control's client point.
  TPoint ScreenOf(TControl* Control, TPoint P) { return Control->ClientToScreen(P); }
  void ClickAt(TControl* Control, TPoint P) {
    const TPoint S = ScreenOf(Control, P);
    Screen->Click(S.X, S.Y);
  }
};
