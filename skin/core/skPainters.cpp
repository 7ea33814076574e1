#include "skin/core/skPainters.h"

#include "platform/gdi/TCanvas.h"
#include "skin/core/skUtils.h"

namespace {

void Line(TCanvas* Canvas, int X1, int Y1, int X2, int Y2) {
  Canvas->MoveTo(X1, Y1);
  Canvas->LineTo(X2, Y2);
}

TPoint Centre(const TRect& R) { return { R.Left + RectWidth(R) / 2, R.Top + RectHeight(R) / 2 }; }

// The arrows of DrawArrow and DrawBigArrow: Steps rows or columns, the widest first.
void Arrow(TCanvas* Canvas, const TRect& R, TColor Color, int Kind, int Steps) {
  Canvas->Pen()->SetColor(Color);
  const auto [CX, CY] = Centre(R);
  switch (Kind) {
    case 1:
      for (int I = 0; I < Steps; ++I)
        Line(Canvas, CX - 2 + I, CY - I, CX - 2 + I, CY + I + 1);
      break;
    case 2:
      for (int N = Steps - 1; N >= 0; --N)
        Line(Canvas, CX + 2 - N, CY + N, CX + 2 - N, CY - N - 1);
      break;
    case 3:
      for (int I = 0; I < Steps; ++I)
        Line(Canvas, CX - I, CY - 2 + I, CX + I + 1, CY - 2 + I);
      break;
    case 4:
      for (int N = Steps - 1; N >= 0; --N)
        Line(Canvas, CX - N, CY + 2 - N, CX + N + 1, CY + 2 - N);
      break;
  }
}

}  // namespace

void DrawDropDownArrow(TCanvas* Canvas, const TRect& R, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  const auto [CX, CY] = Centre(R);
  for (int N = 2; N >= 0; --N)
    Line(Canvas, CX - N, CY + 2 - N, CX + N + 1, CY + 2 - N);
}

void DrawArrow(TCanvas* Canvas, const TRect& R, TColor Color, int Kind) {
  if (Kind != 5) {
    Arrow(Canvas, R, Color, Kind, 4);
    return;
  }
  Canvas->Pen()->SetColor(Color);
  const auto [CX, CY] = Centre(R);
  Line(Canvas, CX - 4, CY - 1, CX + 4, CY - 1);
  Line(Canvas, CX - 4, CY, CX + 4, CY);
  Line(Canvas, CX - 1, CY - 4, CX - 1, CY + 4);
  Line(Canvas, CX, CY - 4, CX, CY + 4);
}

void DrawBigArrow(TCanvas* Canvas, const TRect& R, TColor Color, int Kind) { Arrow(Canvas, R, Color, Kind, 6); }

void DrawRadioDot(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Color);
  Canvas->Rectangle(X, Y, X + 6, Y + 6);
}

void DrawCheckMark(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  for (int I = 0; I <= 2; ++I) {
    Canvas->MoveTo(X, Y + 5 - I);
    Canvas->LineTo(X + 2, Y + 7 - I);
    Canvas->LineTo(X + 7, Y + 2 - I);
  }
}

void DrawBevelFrame(TCanvas* Canvas, const TRect& R, TColor TopLeftColor, TColor BottomRightColor) {
  const int Right = R.Right - 1, Bottom = R.Bottom - 1;
  Canvas->Pen()->SetWidth(1);
  Canvas->Pen()->SetColor(TopLeftColor);
  const TPoint TopLeft[] { { R.Left, Bottom }, { R.Left, R.Top }, { Right, R.Top } };
  Canvas->Polyline(TopLeft, 3);
  Canvas->Pen()->SetColor(BottomRightColor);
  const TPoint BottomRight[] { { Right, R.Top }, { Right, Bottom }, { R.Left - 1, Bottom } };
  Canvas->Polyline(BottomRight, 3);
}

void DrawDotFrame(TCanvas* Canvas, const TRect& R) {
  const int Right = R.Right - 1, Bottom = R.Bottom - 1;
  const int Width = Right - R.Left, Height = Bottom - R.Top;
  if (Width < 0 || Height < 0)
    return;
  // Each step round the outline changes x + y by one, so alternating pixels are those of one parity.
  const int SetParity = Width % 2 == 0 && Height % 2 == 0 ? 1 : 0;
  const TColor Color = Canvas->Font()->Color();
  const auto Dot = [&](int X, int Y) {
    if ((X - R.Left + Y - R.Top) % 2 == SetParity)
      Canvas->SetPixels(X, Y, Color);
  };
  for (int X = R.Left; X <= Right; ++X) {
    Dot(X, R.Top);
    Dot(X, Bottom);
  }
  for (int Y = R.Top + 1; Y < Bottom; ++Y) {
    Dot(R.Left, Y);
    Dot(Right, Y);
  }
}
