#pragma once
// Row spans of the rounded shapes, shared by drawing and region creation: for each row of the bounding
// rectangle, the run [first, second) of pixels whose centres lie inside the shape.
#include <utility>
#include <vector>

#include "platform/base/Types.h"

using RowSpans = std::vector<std::pair<int, int>>;

/// The ellipse inscribed in R (right and bottom excluded); one span per row from R.Top.
RowSpans EllipseSpans(const TRect& R);
/// R with its corners rounded by ellipses of CornerWidth x CornerHeight; one span per row from R.Top.
RowSpans RoundRectSpans(const TRect& R, int CornerWidth, int CornerHeight);
