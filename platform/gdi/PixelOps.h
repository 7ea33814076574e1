#pragma once
// Pixel arithmetic shared by the drawing code: colour conversion and mixing of 0xAARRGGBB pixels.
#include <algorithm>
#include <cstdint>

#include "platform/gdi/Colors.h"
#include "platform/gdi/DeviceContext.h"

/// A TColor (system colours resolved) as the colour bits of a 0x00RRGGBB pixel.
inline uint32_t ColorToPixel(TColor Color) {
  const uint32_t C = uint32_t(ColorToRGB(Color));
  return (C & 0xFF) << 16 | (C & 0xFF00) | (C >> 16 & 0xFF);
}

/// The colour bits of a pixel as a TColor.
inline TColor PixelToColor(uint32_t Pixel) {
  return TColor((Pixel & 0xFF) << 16 | (Pixel & 0xFF00) | (Pixel >> 16 & 0xFF));
}

/// A mix mode (R2_*) applied to the colour bits of Dest with pen colour bits Pen; alpha kept.
inline uint32_t MixPixel(uint32_t Dest, uint32_t Pen, int Mode) {
  const uint32_t A = Dest & 0xFF000000u, D = Dest & 0xFFFFFFu;
  switch (Mode) {
    case R2_BLACK: return A;
    case R2_WHITE: return A | 0xFFFFFFu;
    case R2_NOT: return A | (~D & 0xFFFFFFu);
    case R2_XORPEN: return A | (D ^ Pen);
    case R2_NOTXORPEN: return A | (~(D ^ Pen) & 0xFFFFFFu);
    case R2_NOP: return Dest;
    default: return A | Pen;
  }
}

/// The 24-bit pixel (blue, green, red bytes) at P as an opaque 0xAARRGGBB pixel.
inline uint32_t Load24(const uint8_t* P) { return 0xFF000000u | uint32_t(P[2]) << 16 | uint32_t(P[1]) << 8 | P[0]; }

/// x * y / 255 rounded to nearest, for x, y in 0..255.
inline uint32_t Mul255(uint32_t X, uint32_t Y) {
  const uint32_t T = X * Y + 128;
  return (T + (T >> 8)) >> 8;
}

/// Source-over of the premultiplied pixel S onto D, as the alpha blit does it: S's channels (and its
/// alpha, 255 without SourceAlpha) scaled by Constant, then each channel S + D * (255 - S's alpha) / 255,
/// saturated at 255.
inline uint32_t AlphaBlendPixel(uint32_t D, uint32_t S, uint32_t Constant, bool SourceAlpha) {
  uint32_t SA = SourceAlpha ? S >> 24 : 255;
  uint32_t SR = S >> 16 & 0xFF, SG = S >> 8 & 0xFF, SB = S & 0xFF;
  if (Constant != 255) {
    SA = Mul255(SA, Constant);
    SR = Mul255(SR, Constant);
    SG = Mul255(SG, Constant);
    SB = Mul255(SB, Constant);
  }
  const uint32_t Keep = 255 - SA;
  const uint32_t A = std::min(255u, SA + Mul255(D >> 24, Keep));
  const uint32_t R = std::min(255u, SR + Mul255(D >> 16 & 0xFF, Keep));
  const uint32_t G = std::min(255u, SG + Mul255(D >> 8 & 0xFF, Keep));
  const uint32_t B = std::min(255u, SB + Mul255(D & 0xFF, Keep));
  return A << 24 | R << 16 | G << 8 | B;
}
