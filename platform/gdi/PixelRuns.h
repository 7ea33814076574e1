#pragma once
// The per-pixel loops of the blitter over runs of 0xAARRGGBB pixels, written once per instruction set:
// plain C++, SSE2 (every x86-64 processor) and AVX2 (chosen at run time where the processor has it).
// Every set gives the same pixels, bit for bit; the plain one is the reference.
#include <cstdint>

/// One instruction set's loops. Counts are >= 0; Dest and the sources do not overlap.
struct PixelRunKernels {
  /// Dest[I] = the 24-bit pixel (blue, green, red) at Src + 3I, made opaque. Reads exactly 3 * Count bytes.
  void (*Expand24)(uint32_t* Dest, const uint8_t* Src, int Count);
  /// Dest[I] = Src[Map[I] - Base]; every Map[I] - Base lies in [0, Length), and nothing outside
  /// Src[0, Length) is read.
  void (*Gather)(uint32_t* Dest, const uint32_t* Src, int Length, const int* Map, int Base, int Count);
  /// Dest[I] = Src[I] wherever Src[I]'s colour bits (0x00RRGGBB) differ from Key; the others stay.
  void (*Keyed)(uint32_t* Dest, const uint32_t* Src, int Count, uint32_t Key);
  /// Dest[I] = AlphaBlendPixel(Dest[I], Src[I], Constant, SourceAlpha), Constant in 0..255.
  void (*Blend)(uint32_t* Dest, const uint32_t* Src, int Count, uint32_t Constant, bool SourceAlpha);
};

/// The instruction sets the loops are written for, narrowest first.
enum class InstructionSet { Plain, Sse2, Avx2 };

/// The loops of Set, or null when this build or this processor lacks it.
const PixelRunKernels* PixelRunKernelsOf(InstructionSet Set);

/// The loops of the widest set this processor runs, chosen on first use.
const PixelRunKernels& FastestPixelRunKernels();
