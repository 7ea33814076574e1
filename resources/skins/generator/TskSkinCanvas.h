#pragma once
// Anti-aliased drawing for the pictures of the generated skins. Skin pieces are small (a button corner is
// a few pixels), so rounded outlines and glyphs are painted with sub-pixel coverage straight into the
// pixels of a working bitmap, over whatever the picture already holds there. Coordinates are in pixels
// and continuous: pixel (x, y) is the square x..x+1, y..y+1, so a shape from 0 to 10 covers ten pixels.
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

class TskBitmap;

/// A point between pixel corners.
struct TskPointF {
  double X { 0 };
  double Y { 0 };
};

/// A rectangle between pixel corners.
struct TskRectF {
  double Left { 0 };
  double Top { 0 };
  double Right { 0 };
  double Bottom { 0 };

  /// The rectangle moved inwards by D on every side.
  TskRectF Inset(double D) const { return { Left + D, Top + D, Right - D, Bottom - D }; }
};

inline TskRectF RectF(const TRect& R) { return { double(R.Left), double(R.Top), double(R.Right), double(R.Bottom) }; }

/// Paints shapes into a working bitmap with coverage-weighted colours; the bitmap's pixels stay opaque.
class TskSkinCanvas {
public:
  explicit TskSkinCanvas(TskBitmap* ABitmap) : FBitmap(ABitmap) {}

  /// Writes Color into every pixel of R (clipped to the bitmap), without blending.
  void FillRect(const TRect& R, TColor Color);
  /// A rectangle with corners rounded by Radius.
  void FillRoundRect(const TskRectF& R, double Radius, TColor Color);
  /// As FillRoundRect, the colour running from Top at R's top edge to Bottom at its bottom edge.
  void FillRoundRectGradient(const TskRectF& R, double Radius, TColor Top, TColor Bottom);
  /// The ring between R and R moved inwards by Width, both rounded (the inner corner by Radius - Width).
  void FrameRoundRect(const TskRectF& R, double Radius, double Width, TColor Color);
  void FillEllipse(const TskRectF& R, TColor Color);
  /// The ring between the ellipse in R and the one in R moved inwards by Width.
  void FrameEllipse(const TskRectF& R, double Width, TColor Color);
  /// A stroke of Width through the points, with round ends and joints.
  void Polyline(const std::vector<TskPointF>& Points, double Width, TColor Color);
  void FillPolygon(const std::vector<TskPointF>& Points, TColor Color);

  /// The colour of pixel (X, Y).
  TColor Pixel(int X, int Y) const;

private:
  /// Blends Colour(y) into every pixel of Bounds by the share of its sample points for which Inside holds.
  template <class TInside, class TColour> void Cover(const TskRectF& Bounds, TInside&& Inside, TColour&& Colour);

  TskBitmap* FBitmap;
};

/// Each channel of A moved towards B by Amount (0 gives A, 1 gives B), rounded.
TColor BlendColors(TColor A, TColor B, double Amount);
