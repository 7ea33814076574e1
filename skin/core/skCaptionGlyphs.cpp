#include "skin/core/skCaptionGlyphs.h"

#include <initializer_list>

#include "platform/gdi/TCanvas.h"

namespace {

// A line from (X1, Y1) to (X2, Y2), the end point left out, relative to the glyph's top-left.
struct TStroke {
  int X1, Y1, X2, Y2;
};

void Lines(TCanvas* Canvas, int X, int Y, TColor Color, std::initializer_list<TStroke> Strokes) {
  Canvas->Pen()->SetColor(Color);
  for (const TStroke& S : Strokes) {
    Canvas->MoveTo(X + S.X1, Y + S.Y1);
    Canvas->LineTo(X + S.X2, Y + S.Y2);
  }
}

// Outlines of the rectangles of Frames, relative to (X, Y), with a clear brush.
void Outlines(TCanvas* Canvas, int X, int Y, TColor Color, std::initializer_list<TRect> Frames) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetStyle(bsClear);
  for (const TRect& F : Frames)
    Canvas->Rectangle(X + F.Left, Y + F.Top, X + F.Right, Y + F.Bottom);
}

}  // namespace

void DrawCloseGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Lines(Canvas, X, Y, Color, { { 1, 1, 9, 9 }, { 9, 1, 1, 9 }, { 2, 1, 10, 9 }, { 8, 1, 0, 9 } });
}

void DrawSysMenuGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Brush()->SetStyle(bsClear);
  Lines(Canvas, X, Y, Color, { { 2, 3, 8, 3 }, { 2, 5, 8, 5 } });
}

void DrawMinimizeGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Lines(Canvas, X, Y, Color, { { 1, 8, 9, 8 }, { 1, 9, 9, 9 } });
}

void DrawMaximizeGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Outlines(Canvas, X, Y, Color, { { 0, 0, 11, 10 }, { 0, 0, 11, 2 } });
}

void DrawRestoreGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Outlines(Canvas, X, Y, Color, { { 2, 0, 10, 6 }, { 2, 0, 10, 2 }, { 0, 4, 7, 10 }, { 0, 4, 7, 6 } });
}

void DrawRollDownGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Lines(Canvas, X, Y, Color, { { 5, 6, 6, 6 }, { 4, 5, 7, 5 }, { 3, 4, 8, 4 }, { 2, 3, 9, 3 } });
}

void DrawRollUpGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Lines(Canvas, X, Y, Color, { { 2, 5, 9, 5 }, { 3, 4, 8, 4 }, { 4, 3, 7, 3 }, { 5, 2, 6, 2 } });
}

void DrawMinimizeToTrayGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Color);
  Canvas->Rectangle(X + 2, Y + 2, X + 7, Y + 7);
}
