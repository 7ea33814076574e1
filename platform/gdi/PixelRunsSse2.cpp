// The blitter's pixel loops four pixels at a time with SSE2, which every x86-64 processor has.
#ifdef __x86_64__
#include <emmintrin.h>

#include <cstring>

#include "platform/gdi/PixelOps.h"
#include "platform/gdi/PixelRuns.h"

namespace {

__m128i Load(const uint32_t* P) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(P)); }
void Store(uint32_t* P, __m128i V) { _mm_storeu_si128(reinterpret_cast<__m128i*>(P), V); }

// X * Y / 255 rounded to nearest in every 16-bit lane, X and Y in 0..255: (T + (T >> 8)) >> 8 with
// T = XY + 128 equals (257 T) >> 16, one high multiplication.
__m128i Mul255(__m128i X, __m128i Y) {
  const __m128i T = _mm_add_epi16(_mm_mullo_epi16(X, Y), _mm_set1_epi16(128));
  return _mm_mulhi_epu16(T, _mm_set1_epi16(257));
}

// Every byte of V times the factor in its 16-bit lane of F, divided by 255.
__m128i ScaleBytes(__m128i V, __m128i F) {
  const __m128i RB = Mul255(_mm_and_si128(V, _mm_set1_epi16(0xFF)), F);
  const __m128i AG = Mul255(_mm_srli_epi16(V, 8), F);
  return _mm_or_si128(RB, _mm_slli_epi16(AG, 8));
}

// Four 24-bit pixels from exactly their 12 bytes.
__m128i Expand4(const uint8_t* Src) {
  uint32_t Last;
  std::memcpy(&Last, Src + 8, 4);
  const __m128i V = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(Src)), _mm_cvtsi32_si128(int(Last)));
  const __m128i P01 = _mm_unpacklo_epi32(V, _mm_srli_si128(V, 3));
  const __m128i P23 = _mm_unpacklo_epi32(_mm_srli_si128(V, 6), _mm_srli_si128(V, 9));
  return _mm_or_si128(_mm_unpacklo_epi64(P01, P23), _mm_set1_epi32(int(0xFF000000u)));
}

// The run's last pixels are done by one more group ending with the run, overlapping the one before:
// rewriting a pixel with its own value is harmless, and repaints are full of runs a few pixels long.
void Expand24(uint32_t* Dest, const uint8_t* Src, int Count) {
  if (Count < 4) {
    for (int I = 0; I < Count; ++I, Src += 3)
      Dest[I] = 0xFF000000u | uint32_t(Src[2]) << 16 | uint32_t(Src[1]) << 8 | Src[0];
    return;
  }
  for (int I = 0; I < Count - 4; I += 4) Store(Dest + I, Expand4(Src + 3 * I));
  Store(Dest + Count - 4, Expand4(Src + 3 * (Count - 4)));
}

// SSE2 has no variable shuffle of 32-bit lanes, so stretching stays one pixel at a time.
void Gather(uint32_t* Dest, const uint32_t* Src, int, const int* Map, int Base, int Count) {
  for (int I = 0; I < Count; ++I) Dest[I] = Src[Map[I] - Base];
}

void Keyed(uint32_t* Dest, const uint32_t* Src, int Count, uint32_t Key) {
  const __m128i ColourBits = _mm_set1_epi32(0xFFFFFF), KeyBits = _mm_set1_epi32(int(Key));
  int I = 0;
  for (; I + 4 <= Count; I += 4) {
    const __m128i S = Load(Src + I);
    const __m128i Keep = _mm_cmpeq_epi32(_mm_and_si128(S, ColourBits), KeyBits);
    Store(Dest + I, _mm_or_si128(_mm_and_si128(Keep, Load(Dest + I)), _mm_andnot_si128(Keep, S)));
  }
  for (; I < Count; ++I)
    if ((Src[I] & 0xFFFFFFu) != Key)
      Dest[I] = Src[I];
}

template <bool Scaled>
void BlendRun(uint32_t* Dest, const uint32_t* Src, int Count, uint32_t Constant, bool SourceAlpha) {
  const __m128i Opaque = _mm_set1_epi32(SourceAlpha ? 0 : int(0xFF000000u)), Factor = _mm_set1_epi16(int16_t(Constant));
  int I = 0;
  for (; I + 4 <= Count; I += 4) {
    __m128i S = _mm_or_si128(Load(Src + I), Opaque);
    if constexpr (Scaled)
      S = ScaleBytes(S, Factor);
    const __m128i Alpha = _mm_srli_epi32(S, 24);
    const __m128i Keep = _mm_sub_epi16(_mm_set1_epi16(255), _mm_or_si128(Alpha, _mm_slli_epi32(Alpha, 16)));
    Store(Dest + I, _mm_adds_epu8(S, ScaleBytes(Load(Dest + I), Keep)));
  }
  for (; I < Count; ++I) Dest[I] = AlphaBlendPixel(Dest[I], Src[I], Constant, SourceAlpha);
}

void Blend(uint32_t* Dest, const uint32_t* Src, int Count, uint32_t Constant, bool SourceAlpha) {
  if (Constant == 255)
    BlendRun<false>(Dest, Src, Count, Constant, SourceAlpha);
  else
    BlendRun<true>(Dest, Src, Count, Constant, SourceAlpha);
}

}  // namespace

extern const PixelRunKernels Sse2PixelRuns { Expand24, Gather, Keyed, Blend };
#endif
