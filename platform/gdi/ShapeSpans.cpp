#include "platform/gdi/ShapeSpans.h"

#include <algorithm>
#include <cstdint>

RowSpans EllipseSpans(const TRect& R) {
  const int64_t W = R.Width(), H = R.Height();
  RowSpans Spans;
  if (W <= 0 || H <= 0)
    return Spans;
  Spans.reserve(size_t(H));
  // Doubled coordinates keep the test exact and symmetric: a pixel is inside when its centre (u, v),
  // measured from the centre in half pixels, satisfies u^2 H^2 + v^2 W^2 <= W^2 H^2.
  for (int64_t Row = 0; Row < H; ++Row) {
    const int64_t V = 2 * Row + 1 - H;
    int64_t Inset = 0;
    while (Inset < (W + 1) / 2) {
      const int64_t U = 2 * Inset + 1 - W;
      if (U * U * H * H + V * V * W * W <= W * W * H * H)
        break;
      ++Inset;
    }
    Spans.push_back({ R.Left + int(Inset), R.Right - int(Inset) });
  }
  return Spans;
}

RowSpans RoundRectSpans(const TRect& R, int CornerWidth, int CornerHeight) {
  const int W = R.Width(), H = R.Height();
  if (W <= 0 || H <= 0)
    return {};
  const int CW = std::min(CornerWidth, W), CH = std::min(CornerHeight, H);
  RowSpans Spans(size_t(H), { R.Left, R.Right });
  if (CW <= 1 || CH <= 1)
    return Spans;
  const RowSpans Corner = EllipseSpans({ 0, 0, CW, CH });
  for (int Row = 0; Row < CH / 2; ++Row) {
    const int Top = Corner[size_t(Row)].first, Bottom = Corner[size_t(CH - 1 - Row)].first;
    Spans[size_t(Row)] = { R.Left + Top, R.Right - Top };
    Spans[size_t(H - 1 - Row)] = { R.Left + Bottom, R.Right - Bottom };
  }
  return Spans;
}
