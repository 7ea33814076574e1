#pragma once
// Where the arrangement commands of a multiple-document client put its children: tiling in columns or
// rows, cascading down and right, and the minimized children's row along the bottom. Pure geometry, so
// the client window and a frame that arranges the children itself agree.
#include <vector>

#include "platform/base/Types.h"

/// The bounds of Count tiled children in Area (index 0 is the first child), empty when Count < 1.
/// Horizontal: Trunc(sqrt(Count)) columns, each Area.Height() div its rows high; the children from the
/// last to the first fill the columns from the right, each from the bottom up, and a column that cannot
/// take another row passes the rest to the next column on the left. Otherwise Trunc(sqrt(Count)) rows:
/// the children from the first to the last fill the columns from the left, each from the top down.
std::vector<TRect> MdiTileRects(const TRect& Area, int Count, bool Horizontal);

/// The bounds of Count cascaded children in Area (index 0 is the first child, placed last, furthest down
/// and right). Step (at least 1) is the offset between children; a child is as large as Area less the
/// offsets of the cascade, capped where the 20% margin of Area's width runs out, and at least MinSize.
/// The children from the last to the first go down and right by Step, starting over at Area's corner
/// where a child would reach past Area.
std::vector<TRect> MdiCascadeRects(const TRect& Area, int Count, int Step, TSize MinSize);

/// The bounds of Count minimized children of Size in a row along the bottom of Area, from the left,
/// starting a row above when a row is full.
std::vector<TRect> MdiIconRects(const TRect& Area, int Count, TSize Size);
