#include "skin/core/skPixelKernels.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/PixelOps.h"

TskColor ColorToBsColor(TColor Color) { return 0xFF000000u | ColorToPixel(Color); }

TskColor ColorToBsColorWithAlpha(TColor Color, Byte Alpha) { return TskColor(Alpha) << 24 | ColorToPixel(Color); }

void CopyPixels(const TskColor* Src, TskColor* Dst, int Count) {
  if (Src != Dst)
    std::memmove(Dst, Src, size_t(Count) * sizeof(TskColor));
}

void FillPixels(TskColor* Dst, int Count, TskColor Color) { std::fill_n(Dst, Count, Color); }

void FillPixelRect(TskColor* Bits, int Width, TskColor Color, int Left, int Top, int Right, int Bottom) {
  for (int Y = Top; Y <= Bottom; ++Y)
    FillPixels(Bits + size_t(Y) * Width + Left, Right - Left + 1, Color);
}

void SetPixelsAlpha(TskColor* Dst, int Count, Byte Alpha) {
  const TskColor A = TskColor(Alpha) << 24;
  for (int I = 0; I < Count; ++I)
    Dst[I] = (Dst[I] & 0x00FFFFFFu) | A;
}

void SetAlphaInRect(TskColor* Bits, int Width, Byte Alpha, int Left, int Top, int Right, int Bottom) {
  for (int Y = Top; Y <= Bottom; ++Y)
    SetPixelsAlpha(Bits + size_t(Y) * Width + Left, Right - Left + 1, Alpha);
}

TskColor BlendPixel(TskColor Fore, TskColor Back) {
  const uint32_t A = Fore >> 24;
  TskColor Result = 0;
  for (int Shift = 0; Shift < 32; Shift += 8) {
    const uint32_t F = Fore >> Shift & 0xFF, B = Back >> Shift & 0xFF;
    Result |= ((B * (256 - A) + F * A) >> 8) << Shift;
  }
  return Result;
}

void BlendRow(const TskColor* Src, TskColor* Dst, int Count) {
  for (int I = 0; I < Count; ++I) {
    const uint32_t A = Src[I] >> 24;
    if (A == 255)
      Dst[I] = Src[I];
    else if (A != 0)
      Dst[I] = BlendPixel(Src[I], Dst[I]);
  }
}

void TransparentRow(const TskColor* Src, TskColor* Dst, int Count) {
  for (int I = 0; I < Count; ++I)
    if ((Src[I] & 0x00FFFFFFu) != (TransparentKeyColor & 0x00FFFFFFu))
      Dst[I] = Src[I] | 0xFF000000u;
}

bool IsMsImg32Loaded() { return true; }
