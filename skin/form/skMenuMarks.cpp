#include "skin/form/skMenuMarks.h"

#include "platform/gdi/TCanvas.h"

void DrawMenuCheckMark(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  for (int i = 0; i < 3; ++i) {
    const TPoint Points[] = { { X, Y + 5 - i }, { X + 2, Y + 7 - i }, { X + 7, Y + 2 - i } };
    Canvas->Polyline(Points, 3);
  }
}

void DrawMenuArrow(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  for (int i = 0; i < 4; ++i) {
    Canvas->MoveTo(X + i, Y + i);
    Canvas->LineTo(X + i, Y + 7 - i);
  }
}

void DrawMenuRadioMark(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetColor(Color);
  Canvas->Ellipse(X, Y, X + 6, Y + 6);
}
