#include "platform/ui/winsys/MdiArrangement.h"

#include <algorithm>
#include <cmath>

namespace {

int Trunc(double Value) { return int(Value); }

}  // namespace

std::vector<TRect> MdiTileRects(const TRect& Area, int Count, bool Horizontal) {
  const int Lines = Count > 0 ? Trunc(std::sqrt(double(Count))) : 0;
  if (Lines < 1)
    return {};
  std::vector<TRect> Rects(static_cast<size_t>(Count));
  const int Width = Area.Width(), Height = Area.Height();
  if (Horizontal) {
    const int Columns = Lines;
    const int Rows = Count / Columns + (Count % Columns ? 1 : 0);
    const int ColumnWidth = Width / Columns;
    int RowHeight = Height / Rows;
    int Right = Area.Right, Y = Area.Bottom, Column = 0;
    for (int I = Count - 1; I >= 0; --I) {
      if (Y - RowHeight < Area.Top && Y != Area.Bottom) {
        Right -= ColumnWidth;
        ++Column;
        const int ColumnsLeft = std::max(Columns - Column, 1), ChildrenLeft = I + 1;
        RowHeight = Height / std::max((ChildrenLeft + ColumnsLeft - 1) / ColumnsLeft, 1);
        Y = Area.Bottom;
      }
      Y -= RowHeight;
      Rects[size_t(I)] =
          Bounds(std::max(Right - ColumnWidth, Area.Left), std::max(Y, Area.Top), ColumnWidth, RowHeight);
    }
    return Rects;
  }
  const int Rows = Lines;
  const int Columns = Count / Rows;
  const int ColumnWidth = Width / Columns;
  int RowHeight = Height / Rows;
  int X = Area.Left, Y = Area.Top, Column = 0;
  for (int I = 0; I < Count; ++I) {
    if (Y + RowHeight > Area.Bottom && Y != Area.Top) {
      X += ColumnWidth;
      ++Column;
      const int ColumnsLeft = std::max(Columns - Column, 1), ChildrenLeft = Count - I;
      RowHeight = Height / std::max(ChildrenLeft / ColumnsLeft, 1);
      Y = Area.Top;
    }
    Rects[size_t(I)] = Bounds(X, Y, ColumnWidth, RowHeight);
    Y += RowHeight;
  }
  return Rects;
}

std::vector<TRect> MdiCascadeRects(const TRect& Area, int Count, int Step, TSize MinSize) {
  if (Count < 1)
    return {};
  Step = std::max(Step, 1);
  const int Width = Area.Width(), Height = Area.Height();
  const int Steps = (Width - int(std::nearbyint(Width * 0.8))) / Step;
  const int Offsets = Count < Steps ? Count - 1 : Steps;
  const int ChildWidth = std::max(Width - Step * Offsets, MinSize.cx);
  const int ChildHeight = std::max(Height - Step * Offsets, MinSize.cy);
  std::vector<TRect> Rects(static_cast<size_t>(Count));
  int Offset = 0;
  for (int I = Count - 1; I >= 0; --I) {
    if (Offset + ChildWidth > Width || Offset + ChildHeight > Height)
      Offset = 0;
    Rects[size_t(I)] = Bounds(Area.Left + Offset, Area.Top + Offset, ChildWidth, ChildHeight);
    Offset += Step;
  }
  return Rects;
}

std::vector<TRect> MdiIconRects(const TRect& Area, int Count, TSize Size) {
  std::vector<TRect> Rects;
  const int PerRow = std::max(Size.cx > 0 ? Area.Width() / Size.cx : 1, 1);
  for (int I = 0; I < Count; ++I) {
    const int Row = I / PerRow, Column = I % PerRow;
    Rects.push_back(Bounds(Area.Left + Column * Size.cx, Area.Bottom - (Row + 1) * Size.cy, Size.cx, Size.cy));
  }
  return Rects;
}
