// The blitter's pixel loops four pixels at a time with SSE2, which every x86-64 processor has. Where a
// row's count is not a multiple of four, the last four pixels are done once more, overlapping the group
// before, when redoing a pixel gives it the same value (copies and colour keys); blends finish one pixel
// at a time.
#ifdef __x86_64__
#include <emmintrin.h>

#include <cstring>

#include "platform/gdi/PixelOps.h"
#include "platform/gdi/PixelRuns.h"

namespace {

__m128i Load(const uint32_t* P) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(P)); }
void Store(uint32_t* P, __m128i V) { _mm_storeu_si128(reinterpret_cast<__m128i*>(P), V); }

// Four 24-bit pixels from exactly their 12 bytes, made opaque.
__m128i Expand4(const uint8_t* Src) {
  uint32_t Last;
  std::memcpy(&Last, Src + 8, 4);
  const __m128i V = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(Src)), _mm_cvtsi32_si128(int(Last)));
  const __m128i P01 = _mm_unpacklo_epi32(V, _mm_srli_si128(V, 3));
  const __m128i P23 = _mm_unpacklo_epi32(_mm_srli_si128(V, 6), _mm_srli_si128(V, 9));
  return _mm_or_si128(_mm_unpacklo_epi64(P01, P23), _mm_set1_epi32(int(0xFF000000u)));
}

// S where its colour bits differ from Key, D elsewhere.
__m128i Keyed4(__m128i S, __m128i D, __m128i Key) {
  const __m128i Hidden = _mm_cmpeq_epi32(_mm_and_si128(S, _mm_set1_epi32(0xFFFFFF)), Key);
  return _mm_or_si128(_mm_and_si128(Hidden, D), _mm_andnot_si128(Hidden, S));
}

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

void Expand24(PixelRows Dest, SourceRows Src, int Count, int Rows) {
  for (int R = 0; R < Rows; ++R) {
    uint32_t* D = Dest.Row(R);
    const uint8_t* S = Src.Row(R);
    if (Count < 4) {
      for (int I = 0; I < Count; ++I) D[I] = Load24(S + 3 * I);
      continue;
    }
    for (int I = 0; I < Count - 4; I += 4) Store(D + I, Expand4(S + 3 * I));
    Store(D + Count - 4, Expand4(S + 3 * (Count - 4)));
  }
}

// SSE2 has no variable shuffle of 32-bit lanes, so stretching stays one pixel at a time.
void Gather(PixelRows Dest, SourceRows Src, int Count, int Rows, const StretchMap& Map) {
  for (int R = 0; R < Rows; ++R) {
    uint32_t* D = Dest.Row(R);
    const uint32_t* S = Src.Row32(Map.SourceRow(R));
    for (int I = 0; I < Count; ++I) D[I] = S[Map.Cols[I] - Map.ColBase];
  }
}

void Keyed(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Key) {
  const __m128i KeyBits = _mm_set1_epi32(int(Key));
  for (int R = 0; R < Rows; ++R) {
    uint32_t* D = Dest.Row(R);
    const uint32_t* S = Src.Row32(R);
    if (Count < 4) {
      for (int I = 0; I < Count; ++I)
        if ((S[I] & 0xFFFFFFu) != Key)
          D[I] = S[I];
      continue;
    }
    for (int I = 0; I < Count - 4; I += 4) Store(D + I, Keyed4(Load(S + I), Load(D + I), KeyBits));
    Store(D + Count - 4, Keyed4(Load(S + Count - 4), Load(D + Count - 4), KeyBits));
  }
}

void Keyed24(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Key) {
  const __m128i KeyBits = _mm_set1_epi32(int(Key));
  for (int R = 0; R < Rows; ++R) {
    uint32_t* D = Dest.Row(R);
    const uint8_t* S = Src.Row(R);
    if (Count < 4) {
      for (int I = 0; I < Count; ++I)
        if (const uint32_t P = Load24(S + 3 * I); (P & 0xFFFFFFu) != Key)
          D[I] = P;
      continue;
    }
    for (int I = 0; I < Count - 4; I += 4) Store(D + I, Keyed4(Expand4(S + 3 * I), Load(D + I), KeyBits));
    Store(D + Count - 4, Keyed4(Expand4(S + 3 * (Count - 4)), Load(D + Count - 4), KeyBits));
  }
}

template <bool Scaled>
void BlendRows(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Constant, bool SourceAlpha) {
  const __m128i Opaque = _mm_set1_epi32(SourceAlpha ? 0 : int(0xFF000000u)), Factor = _mm_set1_epi16(int16_t(Constant));
  for (int R = 0; R < Rows; ++R) {
    uint32_t* D = Dest.Row(R);
    const uint32_t* S = Src.Row32(R);
    int I = 0;
    for (; I + 4 <= Count; I += 4) {
      __m128i P = _mm_or_si128(Load(S + I), Opaque);
      if constexpr (Scaled)
        P = ScaleBytes(P, Factor);
      const __m128i Alpha = _mm_srli_epi32(P, 24);
      const __m128i Keep = _mm_sub_epi16(_mm_set1_epi16(255), _mm_or_si128(Alpha, _mm_slli_epi32(Alpha, 16)));
      Store(D + I, _mm_adds_epu8(P, ScaleBytes(Load(D + I), Keep)));
    }
    for (; I < Count; ++I) D[I] = AlphaBlendPixel(D[I], S[I], Constant, SourceAlpha);
  }
}

void Blend(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Constant, bool SourceAlpha) {
  if (Constant == 255)
    BlendRows<false>(Dest, Src, Count, Rows, Constant, SourceAlpha);
  else
    BlendRows<true>(Dest, Src, Count, Rows, Constant, SourceAlpha);
}

}  // namespace

extern const PixelRunKernels Sse2PixelRuns { Expand24, Gather, Keyed, Keyed24, Blend };
#endif
