#pragma once
// The 32-bit pixel of the working bitmaps and the small kernels that every pixel operation on them goes
// through: copy, fill, alpha, blend and the transparent copy.
#include <cstdint>

#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

/// A working-bitmap pixel: 0xAARRGGBB as a value, bytes blue, green, red, alpha in memory.
using TskColor = uint32_t;

/// The pixel left out when a bitmap is drawn transparently: red 127, green 0, blue 127, alpha 0. As a
/// TColor the same number is RGB(127, 0, 127).
constexpr TskColor TransparentKeyColor = 0x007F007F;

/// A colour (system colours resolved to their RGB value) as an opaque pixel 0xFFRRGGBB.
TskColor ColorToBsColor(TColor Color);
/// A colour (system colours resolved) as a pixel with the given alpha byte.
TskColor ColorToBsColorWithAlpha(TColor Color, Byte Alpha);

// Kernels. Counts are at least 1; rectangles are inclusive on all four sides.

/// Copies Count pixels; Src and Dst may overlap.
void CopyPixels(const TskColor* Src, TskColor* Dst, int Count);
void FillPixels(TskColor* Dst, int Count, TskColor Color);
/// Writes Color into rows Top..Bottom, columns Left..Right of a bitmap Width pixels wide.
void FillPixelRect(TskColor* Bits, int Width, TskColor Color, int Left, int Top, int Right, int Bottom);
void SetPixelsAlpha(TskColor* Dst, int Count, Byte Alpha);
/// Sets the alpha byte in rows Top..Bottom, columns Left..Right of a bitmap Width pixels wide.
void SetAlphaInRect(TskColor* Bits, int Width, Byte Alpha, int Left, int Top, int Right, int Bottom);
/// Fore over Back by Fore's alpha a, for all four bytes alpha included: (Back * (256 - a) + Fore * a)
/// div 256. Applied for every a: 0 gives Back, 255 gives (Back + 255 Fore) div 256.
TskColor BlendPixel(TskColor Fore, TskColor Back);
/// Per pixel: Src alpha 0 leaves Dst, alpha 255 writes Src, anything between blends Src over Dst.
void BlendRow(const TskColor* Src, TskColor* Dst, int Count);
/// Per pixel: a Src pixel whose colour bits are those of TransparentKeyColor leaves Dst; any other Src
/// pixel is written with its alpha byte set to 255.
void TransparentRow(const TskColor* Src, TskColor* Dst, int Count);

/// Whether the system's transparent copy is there for drawing transparent bitmaps onto device contexts.
/// The platform always offers it, so this is always true.
bool IsMsImg32Loaded();
