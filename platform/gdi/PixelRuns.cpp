#include "platform/gdi/PixelRuns.h"

#include <cstring>

#include "platform/gdi/PixelOps.h"

#ifdef __x86_64__
extern const PixelRunKernels Sse2PixelRuns;
extern const PixelRunKernels Avx2PixelRuns;
#endif

namespace {

// Four pixels at a time from three 32-bit words: that reads exactly the bytes of the run, and the source
// row may end right after it.
void Expand24Row(uint32_t* Dest, const uint8_t* Src, int Count) {
  int I = 0;
  for (; I + 4 <= Count; I += 4, Src += 12) {
    uint32_t W0, W1, W2;
    std::memcpy(&W0, Src, 4);
    std::memcpy(&W1, Src + 4, 4);
    std::memcpy(&W2, Src + 8, 4);
    Dest[I] = 0xFF000000u | W0;
    Dest[I + 1] = 0xFF000000u | W0 >> 24 | W1 << 8;
    Dest[I + 2] = 0xFF000000u | W1 >> 16 | W2 << 16;
    Dest[I + 3] = 0xFF000000u | W2 >> 8;
  }
  for (; I < Count; ++I, Src += 3)
    Dest[I] = Load24(Src);
}

void Expand24(PixelRows Dest, SourceRows Src, int Count, int Rows) {
  for (int R = 0; R < Rows; ++R) Expand24Row(Dest.Row(R), Src.Row(R), Count);
}

void Gather(PixelRows Dest, SourceRows Src, int Count, int Rows, const StretchMap& Map) {
  for (int R = 0; R < Rows; ++R) {
    uint32_t* D = Dest.Row(R);
    const uint32_t* S = Src.Row32(Map.SourceRow(R));
    for (int I = 0; I < Count; ++I) D[I] = S[Map.Cols[I] - Map.ColBase];
  }
}

void Keyed(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Key) {
  for (int R = 0; R < Rows; ++R) {
    uint32_t* D = Dest.Row(R);
    const uint32_t* S = Src.Row32(R);
    for (int I = 0; I < Count; ++I)
      if ((S[I] & 0xFFFFFFu) != Key)
        D[I] = S[I];
  }
}

void Keyed24(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Key) {
  for (int R = 0; R < Rows; ++R) {
    uint32_t* D = Dest.Row(R);
    const uint8_t* S = Src.Row(R);
    for (int I = 0; I < Count; ++I, S += 3) {
      const uint32_t Colour = uint32_t(S[2]) << 16 | uint32_t(S[1]) << 8 | S[0];
      if (Colour != Key)
        D[I] = 0xFF000000u | Colour;
    }
  }
}

void Blend(PixelRows Dest, SourceRows Src, int Count, int Rows, uint32_t Constant, bool SourceAlpha) {
  for (int R = 0; R < Rows; ++R) {
    uint32_t* D = Dest.Row(R);
    const uint32_t* S = Src.Row32(R);
    for (int I = 0; I < Count; ++I) D[I] = AlphaBlendPixel(D[I], S[I], Constant, SourceAlpha);
  }
}

const PixelRunKernels PlainPixelRuns { Expand24, Gather, Keyed, Keyed24, Blend };

}  // namespace

const PixelRunKernels* PixelRunKernelsOf(InstructionSet Set) {
  switch (Set) {
    case InstructionSet::Plain: return &PlainPixelRuns;
#ifdef __x86_64__
    case InstructionSet::Sse2: return &Sse2PixelRuns;
    case InstructionSet::Avx2: return __builtin_cpu_supports("avx2") ? &Avx2PixelRuns : nullptr;
#endif
    default: return nullptr;
  }
}

const PixelRunKernels& FastestPixelRunKernels() {
  static const PixelRunKernels& Fastest = [] () -> const PixelRunKernels& {
    for (const InstructionSet Set : { InstructionSet::Avx2, InstructionSet::Sse2 })
      if (const PixelRunKernels* K = PixelRunKernelsOf(Set))
        return *K;
    return PlainPixelRuns;
  }();
  return Fastest;
}
