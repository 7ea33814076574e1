#pragma once
// Row spans of the rounded shapes, shared by drawing and region creation: for each row of the bounding
// rectangle, the run [first, second) of pixels whose centres lie inside the shape.
#include <climits>
#include <utility>
#include <vector>

#include "platform/base/Types.h"

using RowSpans = std::vector<std::pair<int, int>>;

/// The ellipse inscribed in R (right and bottom excluded); one span per row of R from row
/// max(R.Top, FromRow) to row min(R.Bottom, ToRow) (exclusive).
RowSpans EllipseSpans(const TRect& R, int FromRow = INT_MIN, int ToRow = INT_MAX);
/// R with its corners rounded by ellipses of CornerWidth x CornerHeight; rows as EllipseSpans.
RowSpans RoundRectSpans(const TRect& R, int CornerWidth, int CornerHeight, int FromRow = INT_MIN,
                        int ToRow = INT_MAX);
