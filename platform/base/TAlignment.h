#pragma once
// Horizontal alignment of text within its area.

/// Where a line of text sits between its area's left and right edges.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
