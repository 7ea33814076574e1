// The blitter's pixel loops eight pixels at a time with AVX2. Only these functions are compiled for AVX2
// (by their target attribute, not the file's flags), so nothing shared with the rest of the program
// carries instructions an older processor lacks; they run only where the processor reports AVX2.
#ifdef __x86_64__
#include <immintrin.h>

#include <cstring>

#include "platform/gdi/PixelOps.h"
#include "platform/gdi/PixelRuns.h"

#define AVX2 __attribute__((target("avx2")))

namespace {

AVX2 __m256i Load(const void* P) { return _mm256_loadu_si256(static_cast<const __m256i*>(P)); }
AVX2 void Store(uint32_t* P, __m256i V) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(P), V); }

// The lanes of the last Count < 8 pixels of a row, for masked loads and stores that touch nothing beyond.
AVX2 __m256i TailMask(int Count) {
  return _mm256_cmpgt_epi32(_mm256_set1_epi32(Count), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
}
AVX2 __m256i LoadTail(const uint32_t* P, __m256i Mask) { return _mm256_maskload_epi32(reinterpret_cast<const int*>(P), Mask); }
AVX2 void StoreTail(uint32_t* P, __m256i Mask, __m256i V) { _mm256_maskstore_epi32(reinterpret_cast<int*>(P), Mask, V); }

// X * Y / 255 rounded to nearest in every 16-bit lane, X and Y in 0..255: (T + (T >> 8)) >> 8 with
// T = XY + 128 equals (257 T) >> 16, one high multiplication.
AVX2 __m256i Mul255(__m256i X, __m256i Y) {
  const __m256i T = _mm256_add_epi16(_mm256_mullo_epi16(X, Y), _mm256_set1_epi16(128));
  return _mm256_mulhi_epu16(T, _mm256_set1_epi16(257));
}

// Every byte of V times the factor in its 16-bit lane of F, divided by 255.
AVX2 __m256i ScaleBytes(__m256i V, __m256i F) {
  const __m256i RB = Mul255(_mm256_and_si256(V, _mm256_set1_epi16(0xFF)), F);
  const __m256i AG = Mul255(_mm256_srli_epi16(V, 8), F);
  return _mm256_or_si256(RB, _mm256_slli_epi16(AG, 8));
}

// Four 24-bit pixels from exactly their 12 bytes, made opaque.
AVX2 __m128i Expand4(const uint8_t* Src) {
  uint32_t Last;
  std::memcpy(&Last, Src + 8, 4);
  const __m128i V = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(Src)), _mm_cvtsi32_si128(int(Last)));
  const __m128i Spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
  return _mm_or_si128(_mm_shuffle_epi8(V, Spread), _mm_set1_epi32(int(0xFF000000u)));
}

// Eight 24-bit pixels, made opaque: pixels 0-3 are bytes 0-11 of the low half; pixels 4-7 bytes 4-15 of
// the high half, loaded from byte 8, so the loads end with the 24th byte.
AVX2 __m256i Expand8(const uint8_t* Src) {
  const __m256i Spread = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1,  //
                                          4, 5, 6, -1, 7, 8, 9, -1, 10, 11, 12, -1, 13, 14, 15, -1);
  const __m128i Low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Src));
  const __m128i High = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Src + 8));
  const __m256i V = _mm256_inserti128_si256(_mm256_castsi128_si256(Low), High, 1);
  return _mm256_or_si256(_mm256_shuffle_epi8(V, Spread), _mm256_set1_epi32(int(0xFF000000u)));
}

// Rows of pixels each of which depends only on its source pixel and the destination pixel it replaces,
// such that doing one again changes nothing (copies, colour keys): eight at a time, the last eight of a
// row overlapping the group before; rows of four to seven pixels as two overlapping fours, shorter ones
// one pixel at a time. Op's Eight, Four and One take the destination row, the source row and the offset
// of the first pixel.
template <class Op> AVX2 void EachRowRedoable(PixelRows Dest, SourceRows Src, int Count, int Rows, const Op& O) {
  uint8_t* D = Dest.First;
  const uint8_t* S = Src.First;
  const auto Next = [&] { D += Dest.Stride, S += Src.Stride; };
  const auto Row = [&] { return reinterpret_cast<uint32_t*>(D); };
  if (Count >= 8) {
    for (int R = 0; R < Rows; ++R, Next()) {
      for (int I = 0; I < Count - 8; I += 8) O.Eight(Row(), S, I);
      O.Eight(Row(), S, Count - 8);
    }
  } else if (Count >= 4) {
    for (int R = 0; R < Rows; ++R, Next()) {
      O.Four(Row(), S, 0);
      O.Four(Row(), S, Count - 4);
    }
  } else {
    for (int R = 0; R < Rows; ++R, Next())
      for (int I = 0; I < Count; ++I) O.One(Row(), S, I);
  }
}

AVX2 void Store4(uint32_t* P, __m128i V) { _mm_storeu_si128(reinterpret_cast<__m128i*>(P), V); }
AVX2 __m128i Load4(const uint32_t* P) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(P)); }

struct ExpandPixels {
  AVX2 void Eight(uint32_t* D, const uint8_t* S, int I) const { Store(D + I, Expand8(S + 3 * I)); }
  AVX2 void Four(uint32_t* D, const uint8_t* S, int I) const { Store4(D + I, Expand4(S + 3 * I)); }
  void One(uint32_t* D, const uint8_t* S, int I) const { D[I] = Load24(S + 3 * I); }
};

AVX2 void Expand24(PixelRows Dest, SourceRows Src, int Count, int Rows) {
  EachRowRedoable(Dest, Src, Count, Rows, ExpandPixels {});
}

// Eight pixels whose sources lie within eight neighbours (enlarging, or reducing by little) are one load
// and one shuffle; others are gathered. Each group of eight is worked out once for a band of rows and
// then done in each of them: bands of a few rows keep what they write in the cache, however tall the
// block. A row's last group overlaps the one before.
AVX2 void Gather(PixelRows Dest, SourceRows Src, int Count, int Rows, const StretchMap& Map) {
  if (Count < 8) {
    for (int R = 0; R < Rows; ++R) {
      uint32_t* D = Dest.Row(R);
      const uint32_t* S = Src.Row32(Map.SourceRow(R));
      for (int I = 0; I < Count; ++I) D[I] = S[Map.Cols[I] - Map.ColBase];
    }
    return;
  }
  // Each band's rows are looked up once; a row stretched from the same source row as the one above
  // takes the same eight pixels again.
  constexpr int Band = 8;
  const uint32_t* From[Band];
  uint32_t* To[Band];
  bool Repeated[Band];
  for (int BandStart = 0; BandStart < Rows; BandStart += Band) {
    const int BandRows = Rows - BandStart < Band ? Rows - BandStart : Band;
    for (int R = 0; R < BandRows; ++R) {
      To[R] = Dest.Row(BandStart + R);
      From[R] = Src.Row32(Map.SourceRow(BandStart + R));
      Repeated[R] = R > 0 && From[R] == From[R - 1];
    }
    for (int Group = 0;; Group += 8) {
      const int I = Group < Count - 8 ? Group : Count - 8;
      const int* Cols = Map.Cols + I;
      const __m256i Index = _mm256_sub_epi32(Load(Cols), _mm256_set1_epi32(Map.ColBase));
      const int First = Cols[0] - Map.ColBase, Last = Cols[7] - Map.ColBase;
      const int Low = First < Last ? First : Last, High = First < Last ? Last : First;
      if (High - Low < 8 && Map.Length >= 8) {
        const int Start = Low < Map.Length - 8 ? Low : Map.Length - 8;
        const __m256i Shuffle = _mm256_sub_epi32(Index, _mm256_set1_epi32(Start));
        __m256i Pixels = _mm256_setzero_si256();
        for (int R = 0; R < BandRows; ++R) {
          if (!Repeated[R])
            Pixels = _mm256_permutevar8x32_epi32(Load(From[R] + Start), Shuffle);
          Store(To[R] + I, Pixels);
        }
      } else {
        for (int R = 0; R < BandRows; ++R)
          Store(To[R] + I, _mm256_i32gather_epi32(reinterpret_cast<const int*>(From[R]), Index, 4));
      }
      if (I == Count - 8)
        break;
    }
  }
}

// S where its colour bits differ from Key, D elsewhere.
AVX2 __m256i KeyedPixels(__m256i S, __m256i D, uint32_t Key) {
  const __m256i Hidden = _mm256_cmpeq_epi32(_mm256_and_si256(S, _mm256_set1_epi32(0xFFFFFF)), _mm256_set1_epi32(int(Key)));
  return _mm256_blendv_epi8(S, D, Hidden);
}
AVX2 __m128i KeyedPixels(__m128i S, __m128i D, uint32_t Key) {
  const __m128i Hidden = _mm_cmpeq_epi32(_mm_and_si128(S, _mm_set1_epi32(0xFFFFFF)), _mm_set1_epi32(int(Key)));
  return _mm_blendv_epi8(S, D, Hidden);
}

struct KeyedFrom32 {
  uint32_t Key;
  static const uint32_t* Pixels(const uint8_t* S) { return reinterpret_cast<const uint32_t*>(S); }
  AVX2 void Eight(uint32_t* D, const uint8_t* S, int I) const { Store(D + I, KeyedPixels(Load(Pixels(S) + I), Load(D + I), Key)); }
  AVX2 void Four(uint32_t* D, const uint8_t* S, int I) const { Store4(D + I, KeyedPixels(Load4(Pixels(S) + I), Load4(D + I), Key)); }
  void One(uint32_t* D, const uint8_t* S, int I) const {
    if (const uint32_t P = Pixels(S)[I]; (P & 0xFFFFFFu) != Key)
      D[I] = P;
  }
};

struct KeyedFrom24 {
  uint32_t Key;
  AVX2 void Eight(uint32_t* D, const uint8_t* S, int I) const { Store(D + I, KeyedPixels(Expand8(S + 3 * I), Load(D + I), Key)); }
  AVX2 void Four(uint32_t* D, const uint8_t* S, int I) const { Store4(D + I, KeyedPixels(Expand4(S + 3 * I), Load4(D + I), Key)); }
  void One(uint32_t* D, const uint8_t* S, int I) const {
    if (const uint32_t P = Load24(S + 3 * I); (P & 0xFFFFFFu) != Key)
      D[I] = P;
  }
};

AVX2 void Keyed(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Key) {
  EachRowRedoable(Dest, Src, Count, Rows, KeyedFrom32 { Key });
}

AVX2 void Keyed24(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Key) {
  EachRowRedoable(Dest, Src, Count, Rows, KeyedFrom24 { Key });
}

template <bool Scaled> AVX2 __m256i BlendPixels(__m256i S, __m256i D, __m256i Opaque, __m256i Factor) {
  // Each pixel's alpha into the low byte of both its 16-bit lanes.
  const __m256i SpreadAlpha = _mm256_setr_epi8(3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1,  //
                                               3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1);
  S = _mm256_or_si256(S, Opaque);
  if constexpr (Scaled)
    S = ScaleBytes(S, Factor);
  const __m256i Keep = _mm256_sub_epi16(_mm256_set1_epi16(255), _mm256_shuffle_epi8(S, SpreadAlpha));
  return _mm256_adds_epu8(S, ScaleBytes(D, Keep));
}

// A blend done twice differs from one, so each row ends with masked loads and stores.
template <bool Scaled>
AVX2 void BlendRows(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Constant, bool SourceAlpha) {
  const __m256i Opaque = _mm256_set1_epi32(SourceAlpha ? 0 : int(0xFF000000u)), Factor = _mm256_set1_epi16(int16_t(Constant));
  const __m256i Tail = TailMask(Count % 8);
  for (int R = 0; R < Rows; ++R) {
    uint32_t* D = Dest.Row(R);
    const uint32_t* S = Src.Row32(R);
    int I = 0;
    for (; I + 8 <= Count; I += 8) Store(D + I, BlendPixels<Scaled>(Load(S + I), Load(D + I), Opaque, Factor));
    if (I < Count)
      StoreTail(D + I, Tail, BlendPixels<Scaled>(LoadTail(S + I, Tail), LoadTail(D + I, Tail), Opaque, Factor));
  }
}

AVX2 void Blend(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Constant, bool SourceAlpha) {
  if (Constant == 255)
    BlendRows<false>(Dest, Src, Count, Rows, Constant, SourceAlpha);
  else
    BlendRows<true>(Dest, Src, Count, Rows, Constant, SourceAlpha);
}

}  // namespace

extern const PixelRunKernels Avx2PixelRuns { Expand24, Gather, Keyed, Keyed24, Blend };
#endif
