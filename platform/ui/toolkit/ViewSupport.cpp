#include "platform/ui/toolkit/ViewSupport.h"

#include "platform/base/SysUtils.h"

void PaintMessage(HWND Wnd, WPARAM WParam, const std::function<void(HDC)>& Paint) {
  if (WParam) {
    Paint(reinterpret_cast<HDC>(WParam));
    return;
  }
  PAINTSTRUCT PS;
  const HDC DC = BeginPaint(Wnd, &PS);
  Paint(DC);
  EndPaint(Wnd, &PS);
}

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

TSize ImageSize(HIMAGELIST List) {
  int W = 0, H = 0;
  if (!ImageList_GetIconSize(List, &W, &H)) return { 0, 0 };
  return { W, H };
}

bool StartsWithText(const String& Text, const String& Prefix) {
  const size_t Cut = CodePointOffset(Text, CodePointCount(Prefix));
  return AnsiCompareText(Text.substr(0, Cut), Prefix) == 0;
}
