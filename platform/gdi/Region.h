#pragma once
// An area of pixels as a union of rectangles. Kept in canonical banded form: rectangles sorted by top,
// then left; rectangles of one band share top and bottom, never touch or overlap within the band, and
// two adjacent bands never have equal spans. Equal areas therefore have equal rectangle lists.
#include <vector>

#include "platform/base/Types.h"

// Results of region operations (CombineRgn, GetRgnBox, clip queries).
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// Combine modes.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

/// A value-type region; the GDI region objects and the device contexts' clip hold one each.
class Region {
public:
  Region() = default;
  /// The rectangle's area (empty when the rectangle is empty or inverted).
  explicit Region(const TRect& R);
  /// The union of any rectangles, in any order, overlapping or not.
  static Region FromRects(const std::vector<TRect>& Rects);
  /// The union of horizontal runs: Spans[i] = { Left, Right } of row Top + i (Right exclusive; empty
  /// runs allowed). Shapes such as ellipses and rounded rectangles are built this way.
  static Region FromRowSpans(int Top, const std::vector<std::pair<int, int>>& Spans);

  bool Empty() const { return FRects.empty(); }
  /// NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
  int Kind() const;
  /// Bounding box; (0,0,0,0) when empty.
  TRect Bounds() const { return FBounds; }
  const std::vector<TRect>& Rects() const { return FRects; }

  bool Contains(int X, int Y) const;
  /// True when any pixel of R lies in the region.
  bool Intersects(const TRect& R) const;

  Region Combine(const Region& Other, int Mode) const;
  Region Intersect(const Region& Other) const { return Combine(Other, RGN_AND); }
  Region Intersect(const TRect& R) const;
  Region Unite(const Region& Other) const { return Combine(Other, RGN_OR); }
  Region Subtract(const Region& Other) const { return Combine(Other, RGN_DIFF); }
  void Offset(int DX, int DY);
  Region Offsetted(int DX, int DY) const;

  friend bool operator==(const Region&, const Region&) = default;

private:
  void Recalculate();

  std::vector<TRect> FRects;
  TRect FBounds;
};
