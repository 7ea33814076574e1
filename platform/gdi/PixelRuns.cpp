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
void Expand24(uint32_t* Dest, const uint8_t* Src, int Count) {
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
    Dest[I] = 0xFF000000u | uint32_t(Src[2]) << 16 | uint32_t(Src[1]) << 8 | Src[0];
}

void Gather(uint32_t* Dest, const uint32_t* Src, int, const int* Map, int Base, int Count) {
  for (int I = 0; I < Count; ++I) Dest[I] = Src[Map[I] - Base];
}

void Keyed(uint32_t* Dest, const uint32_t* Src, int Count, uint32_t Key) {
  for (int I = 0; I < Count; ++I)
    if ((Src[I] & 0xFFFFFFu) != Key)
      Dest[I] = Src[I];
}

void Blend(uint32_t* Dest, const uint32_t* Src, int Count, uint32_t Constant, bool SourceAlpha) {
  for (int I = 0; I < Count; ++I) Dest[I] = AlphaBlendPixel(Dest[I], Src[I], Constant, SourceAlpha);
}

const PixelRunKernels PlainPixelRuns { Expand24, Gather, Keyed, Blend };

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
