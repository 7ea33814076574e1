#pragma once
// Basic value types shared by every layer: text, integer aliases and the geometry records.
#include <cstdint>
#include <string>

using String = std::string;  // UTF-8 text; file names are UTF-8 bytes as well.
using Integer = int;
using Cardinal = uint32_t;
using Int64 = int64_t;
using Byte = uint8_t;
using Word = uint16_t;
using LongWord = uint32_t;

/// A point in integer device units.
struct TPoint {
  int X { 0 };
  int Y { 0 };

  /// The point moved by DX, DY.
  TPoint Offset(int DX, int DY) const { return { X + DX, Y + DY }; }
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

/// Width and height in integer device units.
struct TSize {
  int cx { 0 };
  int cy { 0 };
  friend bool operator==(const TSize&, const TSize&) = default;
};

/// A rectangle whose Right and Bottom edges lie outside it, as in the window system.
struct TRect {
  int Left { 0 };
  int Top { 0 };
  int Right { 0 };
  int Bottom { 0 };

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  TPoint TopLeft() const { return { Left, Top }; }
  TPoint BottomRight() const { return { Right, Bottom }; }

  /// Whether no point lies inside: no width or no height (also when an edge passed its opposite).
  bool IsEmpty() const { return Left >= Right || Top >= Bottom; }
  /// Whether P lies inside: on the left or top edge, but not on the right or bottom one.
  bool Contains(TPoint P) const { return P.X >= Left && P.X < Right && P.Y >= Top && P.Y < Bottom; }
  /// Whether some point lies inside both.
  bool Intersects(const TRect& R) const { return !Intersection(R).IsEmpty(); }
  /// The points inside both; empty (IsEmpty) when they do not meet, its edges then unnormalised.
  TRect Intersection(const TRect& R) const {
    return { Left > R.Left ? Left : R.Left, Top > R.Top ? Top : R.Top, Right < R.Right ? Right : R.Right,
             Bottom < R.Bottom ? Bottom : R.Bottom };
  }
  /// The smallest rectangle holding both; an empty one adds nothing.
  TRect Union(const TRect& R) const {
    if (R.IsEmpty()) return *this;
    if (IsEmpty()) return R;
    return { Left < R.Left ? Left : R.Left, Top < R.Top ? Top : R.Top, Right > R.Right ? Right : R.Right,
             Bottom > R.Bottom ? Bottom : R.Bottom };
  }
  /// The rectangle moved by DX, DY.
  TRect Offset(int DX, int DY) const { return { Left + DX, Top + DY, Right + DX, Bottom + DY }; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int X, int Y) { return { X, Y }; }
inline TRect Rect(int Left, int Top, int Right, int Bottom) { return { Left, Top, Right, Bottom }; }
inline TRect Bounds(int Left, int Top, int Width, int Height) { return { Left, Top, Left + Width, Top + Height }; }
