#pragma once
// The pictures an icon is made of: one per size, each with its own transparency.
#include <memory>
#include <vector>

#include "platform/gdi/Surface.h"

/// One size of an icon: straight (not premultiplied) B, G, R, A pixels, top row first, and the bits per
/// pixel it was made with. A 32-bit picture blends by its alpha; a picture of fewer bits is opaque or
/// transparent per pixel (alpha 255 or 0, its AND mask) and draws through the mask.
struct TIconImage {
  std::shared_ptr<const Surface> Pixels;
  int BitCount { 32 };

  int Width() const { return Pixels ? Pixels->Width() : 0; }
  int Height() const { return Pixels ? Pixels->Height() : 0; }
  bool HasAlpha() const { return BitCount == 32; }
};

/// The sizes of one icon, in the order they were given.
using TIconImages = std::vector<TIconImage>;

/// The side of a standard icon and of a small icon (SM_CXICON, SM_CXSMICON).
constexpr int StandardIconSize = 32;
constexpr int SmallIconSize = 16;

/// The picture to draw at Width x Height: one of exactly that size (the most bits among them), else the
/// smallest one larger in both sides, else the largest. Images must not be empty.
const TIconImage& BestIconImage(const TIconImages& Images, int Width, int Height);
/// Image scaled to Width x Height by averaging the area each new pixel covers (colours weighted by
/// alpha, so transparent pixels lend no colour to their neighbours); the same bits per pixel.
TIconImage ResizedIconImage(const TIconImage& Image, int Width, int Height);
/// The picture that gives an icon its own size: the best one for the standard icon size.
inline const TIconImage& PrimaryIconImage(const TIconImages& Images) {
  return BestIconImage(Images, StandardIconSize, StandardIconSize);
}
