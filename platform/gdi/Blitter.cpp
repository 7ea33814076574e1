#include "platform/gdi/Blitter.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/gdi/PixelOps.h"

namespace {

// A normalised span of one axis: [Start, Start + Length), mirrored or not.
struct Span {
  int Start;
  int Length;
  bool Mirrored;
};

Span Normalise(int Origin, int Extent) {
  return Extent < 0 ? Span { Origin + Extent, -Extent, true } : Span { Origin, Extent, false };
}

// Source index of destination indexes [From, To) (counted from the span's start), -1 where the source
// lies outside [0, Limit).
std::vector<int> MapAxis(const Span& D, const Span& S, int Limit, int From, int To) {
  std::vector<int> Map(size_t(To - From));
  const bool Flip = D.Mirrored != S.Mirrored;
  for (int I = From; I < To; ++I) {
    const int64_t K = Flip ? int64_t(D.Length) - 1 - I : I;
    const int64_t Src = S.Start + (2 * K + 1) * S.Length / (int64_t(2) * D.Length);
    Map[size_t(I - From)] = Src >= 0 && Src < Limit ? int(Src) : -1;
  }
  return Map;
}

template <SurfaceFormat F> uint32_t Load(const uint8_t* Row, int X) {
  if constexpr (F == SurfaceFormat::Bgra32) {
    return reinterpret_cast<const uint32_t*>(Row)[X];
  } else {
    const uint8_t* P = Row + X * 3;
    return 0xFF000000u | uint32_t(P[2]) << 16 | uint32_t(P[1]) << 8 | P[0];
  }
}

template <SurfaceFormat F> void Store(uint8_t* Row, int X, uint32_t V) {
  if constexpr (F == SurfaceFormat::Bgra32) {
    reinterpret_cast<uint32_t*>(Row)[X] = V;
  } else {
    uint8_t* P = Row + X * 3;
    P[0] = uint8_t(V);
    P[1] = uint8_t(V >> 8);
    P[2] = uint8_t(V >> 16);
  }
}

uint32_t BlendPixel(uint32_t D, uint32_t S, const BLENDFUNCTION& B) {
  const uint32_t Constant = B.SourceConstantAlpha;
  uint32_t SA = B.AlphaFormat & AC_SRC_ALPHA ? S >> 24 : 255;
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
  const uint32_t Bl = std::min(255u, SB + Mul255(D & 0xFF, Keep));
  return A << 24 | R << 16 | G << 8 | Bl;
}

template <SurfaceFormat DF, SurfaceFormat SF>
void Row(uint8_t* DRow, const uint8_t* SRow, const int* Cols, int X0, int X1, const BlitOperation& Op) {
  switch (Op.Op) {
    case BlitOperation::Copy:
      for (int X = X0; X < X1; ++X)
        if (const int C = Cols[X]; C >= 0)
          Store<DF>(DRow, X, Load<SF>(SRow, C));
      break;
    case BlitOperation::And:
      for (int X = X0; X < X1; ++X)
        if (const int C = Cols[X]; C >= 0)
          Store<DF>(DRow, X, Load<DF>(DRow, X) & (Load<SF>(SRow, C) | 0xFF000000u));
      break;
    case BlitOperation::Or:
      for (int X = X0; X < X1; ++X)
        if (const int C = Cols[X]; C >= 0)
          Store<DF>(DRow, X, Load<DF>(DRow, X) | (Load<SF>(SRow, C) & 0xFFFFFFu));
      break;
    case BlitOperation::Xor:
      for (int X = X0; X < X1; ++X)
        if (const int C = Cols[X]; C >= 0)
          Store<DF>(DRow, X, Load<DF>(DRow, X) ^ (Load<SF>(SRow, C) & 0xFFFFFFu));
      break;
    case BlitOperation::Transparent:
      for (int X = X0; X < X1; ++X)
        if (const int C = Cols[X]; C >= 0) {
          const uint32_t S = Load<SF>(SRow, C);
          if ((S & 0xFFFFFFu) != Op.Key)
            Store<DF>(DRow, X, S);
        }
      break;
    case BlitOperation::Alpha:
      for (int X = X0; X < X1; ++X)
        if (const int C = Cols[X]; C >= 0)
          Store<DF>(DRow, X, BlendPixel(Load<DF>(DRow, X), Load<SF>(SRow, C), Op.Blend));
      break;
  }
}

using RowFunction = void (*)(uint8_t*, const uint8_t*, const int*, int, int, const BlitOperation&);

RowFunction RowFor(SurfaceFormat D, SurfaceFormat S) {
  using enum SurfaceFormat;
  if (D == Bgra32)
    return S == Bgra32 ? Row<Bgra32, Bgra32> : Row<Bgra32, Bgr24>;
  return S == Bgra32 ? Row<Bgr24, Bgra32> : Row<Bgr24, Bgr24>;
}

}  // namespace

void Blit(DeviceContext& Dest, int DX, int DY, int DW, int DH, const Surface& Src, int SX, int SY, int SW,
          int SH, const BlitOperation& Operation) {
  Surface* Target = Dest.Target();
  if (!Target || DW == 0 || DH == 0 || SW == 0 || SH == 0)
    return;
  const Span DCol = Normalise(DX, DW), DRowSpan = Normalise(DY, DH);
  Span SCol = Normalise(SX, SW), SRowSpan = Normalise(SY, SH);
  const TRect DestRect { DCol.Start, DRowSpan.Start, DCol.Start + DCol.Length, DRowSpan.Start + DRowSpan.Length };

  // Reading and writing one surface: take the source out first so that no row is read after it was written.
  const Surface* Source = &Src;
  std::unique_ptr<Surface> Copy;
  if (&Src == Target) {
    const TRect Part { std::max(SCol.Start, 0), std::max(SRowSpan.Start, 0),
                       std::min(SCol.Start + SCol.Length, Src.Width()),
                       std::min(SRowSpan.Start + SRowSpan.Length, Src.Height()) };
    if (Part.Left >= Part.Right || Part.Top >= Part.Bottom)
      return;
    Copy = std::make_unique<Surface>(Part.Width(), Part.Height(), Src.Format());
    for (int Y = Part.Top; Y < Part.Bottom; ++Y)
      std::memcpy(Copy->Row(Y - Part.Top), Src.Row(Y) + Part.Left * Src.BytesPerPixel(),
                  size_t(Part.Width()) * Src.BytesPerPixel());
    SCol.Start -= Part.Left;
    SRowSpan.Start -= Part.Top;
    Source = Copy.get();
  }

  // Only the part of the destination inside the clip is mapped (a huge rectangle costs nothing extra).
  const TRect ClipBox = Dest.SurfaceClip().Bounds();
  const TRect Visible { std::max(DestRect.Left, ClipBox.Left), std::max(DestRect.Top, ClipBox.Top),
                        std::min(DestRect.Right, ClipBox.Right), std::min(DestRect.Bottom, ClipBox.Bottom) };
  if (Visible.Left >= Visible.Right || Visible.Top >= Visible.Bottom)
    return;
  const std::vector<int> Cols = MapAxis(DCol, SCol, Source->Width(), Visible.Left - DestRect.Left,
                                        Visible.Right - DestRect.Left);
  const std::vector<int> Rows = MapAxis(DRowSpan, SRowSpan, Source->Height(), Visible.Top - DestRect.Top,
                                        Visible.Bottom - DestRect.Top);
  const bool PlainCopy = Operation.Op == BlitOperation::Copy && Target->Format() == Source->Format() &&
                         DCol.Length == SCol.Length && DCol.Mirrored == SCol.Mirrored;
  const RowFunction Kernel = RowFor(Target->Format(), Source->Format());
  const int Bpp = Target->BytesPerPixel();

  for (const TRect& C : Dest.SurfaceClip().Rects()) {
    if (C.Top >= DestRect.Bottom)
      break;
    const TRect P { std::max(C.Left, DestRect.Left), std::max(C.Top, DestRect.Top),
                    std::min(C.Right, DestRect.Right), std::min(C.Bottom, DestRect.Bottom) };
    if (P.Left >= P.Right || P.Top >= P.Bottom)
      continue;
    // Source columns are monotonic, so those outside the source can only sit at either end.
    const bool WholeRun = Cols[size_t(P.Left - Visible.Left)] >= 0 && Cols[size_t(P.Right - 1 - Visible.Left)] >= 0;
    for (int Y = P.Top; Y < P.Bottom; ++Y) {
      const int SrcRow = Rows[size_t(Y - Visible.Top)];
      if (SrcRow < 0)
        continue;
      uint8_t* DRow = Target->Row(Y) + ptrdiff_t(Visible.Left) * Bpp;
      if (Operation.Op == BlitOperation::Copy && WholeRun && Y > P.Top && Rows[size_t(Y - 1 - Visible.Top)] == SrcRow) {
        // A row stretched from the same source row as the one above is a copy of it.
        const ptrdiff_t Offset = ptrdiff_t(P.Left) * Bpp;
        std::memcpy(Target->Row(Y) + Offset, Target->Row(Y - 1) + Offset, size_t(P.Right - P.Left) * Bpp);
        continue;
      }
      const uint8_t* SRow = Source->Row(SrcRow);
      const int* Map = Cols.data();
      const int X0 = P.Left - Visible.Left, X1 = P.Right - Visible.Left;
      if (PlainCopy) {
        // Unstretched columns map one to one: copy the run whose source lies inside the surface.
        int A = X0, B = X1;
        while (A < B && Map[A] < 0) ++A;
        while (B > A && Map[B - 1] < 0) --B;
        if (A < B)
          std::memcpy(DRow + ptrdiff_t(A) * Bpp, SRow + ptrdiff_t(Map[A]) * Bpp, size_t(B - A) * Bpp);
        continue;
      }
      Kernel(DRow, SRow, Map, X0, X1, Operation);
    }
  }
}
