#pragma once
// One picture of a skin under construction. Pieces get room row by row from the top, a new row starting
// when the next piece does not fit the width; the finished picture is cut to the height used.
#include <memory>

#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"
#include "resources/skins/generator/TskSkinCanvas.h"
#include "skin/core/TskBitmap.h"

class TBitmap;

/// A picture that pieces are placed and painted into.
class TskSkinAtlas {
public:
  /// A picture AWidth wide filled with ABackground; with AHeight 0 it grows as rows are added, otherwise
  /// it is exactly AWidth x AHeight and pieces are painted at rectangles the caller chooses.
  TskSkinAtlas(int AWidth, int AHeight, TColor ABackground);

  /// The next free AWidth x AHeight rectangle. Raises Exception when the picture has no room left.
  TRect Place(int AWidth, int AHeight);
  TskSkinCanvas& Canvas() { return FCanvas; }
  TskBitmap* Bitmap() { return &FBitmap; }

  /// The picture as a 24-bit bitmap of the used height.
  std::unique_ptr<TBitmap> Finish();

private:
  static constexpr int Gap = 2;
  static constexpr int MaxHeight = 2048;

  TskBitmap FBitmap;
  TskSkinCanvas FCanvas { &FBitmap };
  int FWidth;
  int FFixedHeight;
  int FX { 0 };
  int FRowTop { 0 };
  int FRowHeight { 0 };
};
