#include "platform/ui/ViewPainting.h"

void PaintFill(HDC DC, const TRect& R, TColor Color) {
  if (R.Width() <= 0 || R.Height() <= 0) return;
  HBRUSH Brush = CreateSolidBrush(ColorToRGB(Color));
  FillRect(DC, R, Brush);
  DeleteObject(Brush);
}

void PaintLine(HDC DC, int X1, int Y1, int X2, int Y2, TColor Color) {
  HPEN Pen = CreatePen(PS_SOLID, 1, ColorToRGB(Color));
  HGDIOBJ Old = SelectObject(DC, Pen);
  MoveToEx(DC, X1, Y1, nullptr);
  LineTo(DC, X2, Y2);
  SelectObject(DC, Old);
  DeleteObject(Pen);
}
