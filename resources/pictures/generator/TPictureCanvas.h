#pragma once
// Smooth drawing for the program's small pictures. Each shape is drawn Scale times larger with the
// platform's shape calls into a mask, the mask is averaged down to the share of each pixel the shape
// covers, and the shape's colour is laid over the picture by that share. Coordinates are continuous
// pixels: pixel (x, y) is the square x..x+1, y..y+1, so a shape from 0 to 10 covers ten pixels.
#include <memory>
#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/gdi/IconImage.h"
#include "platform/gdi/TBitmap.h"

/// A point between pixel corners.
struct TPointF {
  double X { 0 };
  double Y { 0 };
};

/// A shape's colour: flat, or running from Top at the shape's top edge to Bottom at its bottom edge.
struct TFill {
  /// A plain colour is a flat fill.
  TFill(TColor Color) : Top(Color), Bottom(Color) {}
  TFill(TColor ATop, TColor ABottom) : Top(ATop), Bottom(ABottom) {}
  TColor Top;
  TColor Bottom;
};

/// A picture being drawn, transparent at first.
class TPictureCanvas {
public:
  static constexpr int Scale = 8;

  TPictureCanvas(int Width, int Height);

  int Width() const { return FPixels->Width(); }
  int Height() const { return FPixels->Height(); }

  void FillRect(double Left, double Top, double Right, double Bottom, TFill Fill);
  /// A rectangle with corners rounded by Radius.
  void FillRoundRect(double Left, double Top, double Right, double Bottom, double Radius, TFill Fill);
  void FillEllipse(double Left, double Top, double Right, double Bottom, TFill Fill);
  void FillPolygon(const std::vector<TPointF>& Points, TFill Fill);
  /// A line of Width through Points, with round ends and joints.
  void Stroke(const std::vector<TPointF>& Points, double Width, TFill Fill);
  /// Makes the ellipse transparent again (a hole).
  void ClearEllipse(double Left, double Top, double Right, double Bottom);

  /// The picture as an icon picture of 32 bits.
  TIconImage Image() const;
  /// The picture as an opaque bitmap: pixels covered at least half keep their colour, the others take
  /// Key (the colour that drawing with the bottom-left colour left out leaves out).
  std::unique_ptr<TBitmap> Keyed(TColor Key) const;

private:
  enum class Mode { Paint, Clear };
  /// The extent of a shape in picture pixels.
  struct TBox {
    double Left, Top, Right, Bottom;
    /// Grows the box over P widened by Margin on every side.
    void Include(TPointF P, double Margin);
  };
  /// Draws a shape with Draw (a call of the mask DC, in mask coordinates) and lays Fill over the pixels
  /// by the share the shape covers; Box holds the whole shape and gives a running fill its extent.
  template <class TDraw> void Cover(const TBox& Box, TFill Fill, Mode How, TDraw&& Draw);

  std::shared_ptr<Surface> FPixels;  // straight B, G, R, A
  TBitmap FMask;
};

using TPoints = std::vector<TPointF>;

/// Point P of a picture of side Side given in parts of the side (0..1).
inline TPointF At(double Side, double X, double Y) { return { Side * X, Side * Y }; }

/// The outline with its first point again at the end, for stroking it all round.
inline TPoints Closed(TPoints Points) {
  Points.push_back(Points.front());
  return Points;
}
