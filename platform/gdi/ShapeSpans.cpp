#include "platform/gdi/ShapeSpans.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Pixels left out at each end of row Row (0-based) of a W x H ellipse. A pixel is inside when its centre
// (u, v), measured from the ellipse's centre in half pixels, satisfies u^2 H^2 + v^2 W^2 <= W^2 H^2;
// doubled coordinates keep the test exact and symmetric.
int64_t EllipseInset(int64_t W, int64_t H, int64_t Row) {
  using Wide = __int128;
  const int64_t V = 2 * Row + 1 - H;
  const Wide Limit = Wide(W) * W * (Wide(H) * H - Wide(V) * V);  // u^2 H^2 <= Limit
  const Wide H2 = Wide(H) * H;
  int64_t U = int64_t(std::sqrt(static_cast<long double>(Limit) / static_cast<long double>(H2)));
  while (Wide(U + 1) * (U + 1) * H2 <= Limit) ++U;
  while (U > 0 && Wide(U) * U * H2 > Limit) --U;
  if ((U - (W - 1)) % 2 != 0)  // u has the parity of W - 1
    --U;
  return U < 0 ? (W + 1) / 2 : (W - 1 - U) / 2;
}

}  // namespace

RowSpans EllipseSpans(const TRect& R, int FromRow, int ToRow) {
  const int64_t W = R.Width(), H = R.Height();
  RowSpans Spans;
  if (W <= 0 || H <= 0)
    return Spans;
  const int First = std::max(R.Top, FromRow), End = std::min(R.Bottom, ToRow);
  for (int Y = First; Y < End; ++Y) {
    const int Inset = int(EllipseInset(W, H, Y - R.Top));
    Spans.push_back({ R.Left + Inset, R.Right - Inset });
  }
  return Spans;
}

RowSpans RoundRectSpans(const TRect& R, int CornerWidth, int CornerHeight, int FromRow, int ToRow) {
  const int W = R.Width(), H = R.Height();
  if (W <= 0 || H <= 0)
    return {};
  const int CW = std::min(CornerWidth, W), CH = std::min(CornerHeight, H);
  const int First = std::max(R.Top, FromRow), End = std::min(R.Bottom, ToRow);
  RowSpans Spans;
  for (int Y = First; Y < End; ++Y) {
    const int Row = Y - R.Top;
    int Inset = 0;
    if (CW > 1 && CH > 1 && Row < CH / 2)
      Inset = int(EllipseInset(CW, CH, Row));
    else if (CW > 1 && CH > 1 && Row >= H - CH / 2)
      Inset = int(EllipseInset(CW, CH, CH - (H - Row)));
    Spans.push_back({ R.Left + Inset, R.Right - Inset });
  }
  return Spans;
}
