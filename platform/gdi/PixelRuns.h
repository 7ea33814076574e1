#pragma once
// The per-pixel loops of the blitter over blocks of rows of 0xAARRGGBB pixels, written once per
// instruction set: plain C++, SSE2 (every x86-64 processor) and AVX2 (chosen at run time where the
// processor has it). Every set gives the same pixels, bit for bit; the plain one is the reference. A
// loop walks all the rows of a block itself: the pieces of a repaint are a few pixels wide, and a call
// per row cost as much as the pixels.
#include <cstddef>
#include <cstdint>

/// Rows of pixels a loop writes: the first pixel of the first row, and the signed distance in bytes from
/// one row to the next.
struct PixelRows {
  uint8_t* First;
  ptrdiff_t Stride;

  uint32_t* Row(int R) const { return reinterpret_cast<uint32_t*>(First + R * Stride); }
};

/// Rows of pixels a loop reads.
struct SourceRows {
  const uint8_t* First;
  ptrdiff_t Stride;

  const uint8_t* Row(int R) const { return First + R * Stride; }
  const uint32_t* Row32(int R) const { return reinterpret_cast<const uint32_t*>(Row(R)); }
};

/// Where each pixel of a stretched block comes from: pixel I of row R is pixel Cols[I] - ColBase of
/// source row Rows[R] - RowBase (of source row R without Rows). The source rows hold Length pixels.
struct StretchMap {
  const int* Cols;
  int ColBase;
  int Length;
  const int* Rows { nullptr };
  int RowBase { 0 };

  int SourceRow(int R) const { return Rows ? Rows[R] - RowBase : R; }
};

/// One instruction set's loops, each over Rows rows of Count 32-bit destination pixels (Count, Rows
/// >= 0). Destination and source never overlap; nothing beyond a row's pixels is read or written.
struct PixelRunKernels {
  /// Each pixel = the 24-bit source pixel (blue, green, red) at 3 bytes per pixel, made opaque.
  void (*Expand24)(PixelRows Dest, SourceRows Src, int Count, int Rows);
  /// Each pixel = the 32-bit source pixel Map names; nothing outside a source row's Length pixels is read.
  void (*Gather)(PixelRows Dest, SourceRows Src, int Count, int Rows, const StretchMap& Map);
  /// Each pixel = the 32-bit source pixel wherever its colour bits (0x00RRGGBB) differ from Key.
  void (*Keyed)(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Key);
  /// Keyed from a 24-bit source, whose pixels are opaque.
  void (*Keyed24)(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Key);
  /// Each pixel = AlphaBlendPixel(pixel, 32-bit source pixel, Constant, SourceAlpha), Constant in 0..255.
  void (*Blend)(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Constant, bool SourceAlpha);
};

/// The instruction sets the loops are written for, narrowest first.
enum class InstructionSet { Plain, Sse2, Avx2 };

/// The loops of Set, or null when this build or this processor lacks it.
const PixelRunKernels* PixelRunKernelsOf(InstructionSet Set);

/// The loops of the widest set this processor runs, chosen on first use.
const PixelRunKernels& FastestPixelRunKernels();
