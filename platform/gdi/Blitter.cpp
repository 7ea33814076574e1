#include "platform/gdi/Blitter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/gdi/PixelOps.h"
#include "platform/gdi/PixelRuns.h"

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

// Quotient and remainder of N / D for 0 <= N, 0 < D. Blits divide a few times each, and small blits are
// many: a 64-bit division costs several times a 32-bit one, and sizes nearly always fit 32 bits.
struct QuotientRemainder {
  int64_t Quotient;
  int64_t Remainder;
};

QuotientRemainder Divide(int64_t N, int64_t D) {
  if (N < D)
    return { 0, N };
  if (N <= int64_t(UINT32_MAX))
    return { uint32_t(N) / uint32_t(D), uint32_t(N) % uint32_t(D) };
  return { N / D, N % D };
}

// Walks floor((2k + 1) * SrcLength / (2 * DestLength)) over consecutive k >= 0, upwards or downwards,
// dividing only to start: the quotient and remainder of the numerator are carried from one k to the
// next, so a map costs an addition per index however the sizes relate.
class CentreStepper {
public:
  CentreStepper(int64_t K, int64_t SrcLength, int64_t DestLength) : FDivisor(2 * DestLength) {
    const QuotientRemainder Step = Divide(2 * SrcLength, FDivisor), Start = Divide((2 * K + 1) * SrcLength, FDivisor);
    FStepQuotient = Step.Quotient;
    FStepRemainder = Step.Remainder;
    FQuotient = Start.Quotient;
    FRemainder = Start.Remainder;
  }

  int64_t Value() const { return FQuotient; }

  // The carries are selected, not branched on: they come irregularly, and mispredicted branches cost
  // more than the rest of a step.
  void Up() {
    FQuotient += FStepQuotient;
    FRemainder += FStepRemainder;
    const bool Carry = FRemainder >= FDivisor;
    FRemainder -= Carry ? FDivisor : 0;
    FQuotient += Carry;
  }

  void Down() {
    FQuotient -= FStepQuotient;
    FRemainder -= FStepRemainder;
    const bool Borrow = FRemainder < 0;
    FRemainder += Borrow ? FDivisor : 0;
    FQuotient -= Borrow;
  }

private:
  int64_t FDivisor;
  int64_t FStepQuotient { 0 };
  int64_t FStepRemainder { 0 };
  int64_t FQuotient { 0 };
  int64_t FRemainder { 0 };
};

// The source indexes of one axis's visible destination indexes [0, Count): I + Offset when the axis is
// copied one to one (Map null), Map[I] otherwise. Source indexes are monotonic, so those inside the
// source form one run, [First, Last); the others are left alone.
struct AxisSource {
  const int* Map { nullptr };
  int Offset { 0 };
  int First { 0 };
  int Last { 0 };
};

template <bool Shifted> int SourceIndex(const AxisSource& A, int I) {
  if constexpr (Shifted)
    return I + A.Offset;
  else
    return A.Map[I];
}

// The map of a stretched or mirrored axis (see MapAxis).
AxisSource MapStretchedAxis(const Span& D, const Span& S, int Limit, int From, int Count, std::vector<int>& Scratch) {
  AxisSource A;
  Scratch.resize(size_t(Count));
  int* Map = Scratch.data();
  const auto Fill = [&](CentreStepper Step, auto Advance) {
    for (int I = 0; I < Count; ++I, Advance(Step)) {
      const int64_t Src = S.Start + Step.Value();
      Map[I] = Src >= 0 && Src < Limit ? int(Src) : -1;
    }
  };
  if (D.Mirrored != S.Mirrored)
    Fill(CentreStepper(int64_t(D.Length) - 1 - From, S.Length, D.Length), [](CentreStepper& C) { C.Down(); });
  else
    Fill(CentreStepper(From, S.Length, D.Length), [](CentreStepper& C) { C.Up(); });
  A.Map = Map;
  A.Last = Count;
  while (A.First < A.Last && Map[A.First] < 0) ++A.First;
  while (A.Last > A.First && Map[A.Last - 1] < 0) --A.Last;
  return A;
}

// The sources of destination indexes [From, From + Count) (counted from the span's start) in a source
// of Limit indexes; Scratch holds the map when the axis needs one. Inline for the one-to-one axes of
// most blits.
inline AxisSource MapAxis(const Span& D, const Span& S, int Limit, int From, int Count, std::vector<int>& Scratch) {
  if (D.Length != S.Length || D.Mirrored != S.Mirrored)
    return MapStretchedAxis(D, S, Limit, From, Count, Scratch);
  AxisSource A;
  const int64_t Offset = int64_t(S.Start) + From;
  A.First = int(std::clamp<int64_t>(-Offset, 0, Count));
  A.Last = int(std::clamp<int64_t>(Limit - Offset, A.First, Count));
  if (A.First < A.Last)
    A.Offset = int(Offset);
  return A;
}

// The buffers of the running thread, reused from blit to blit: repaints make thousands of small blits,
// and allocating fresh buffers for each cost more than filling them.
struct BlitScratch {
  std::vector<int> Cols;
  std::vector<int> Rows;
  std::vector<uint32_t> Pixels;    // one row's source pixels brought to 32 bits
  std::vector<uint32_t> Expanded;  // the 24-bit source pixels a stretch takes, brought to 32 bits
};

BlitScratch& ThreadScratch() {
  thread_local BlitScratch Scratch;
  return Scratch;
}

template <SurfaceFormat F> uint32_t Load(const uint8_t* Row, int X) {
  if constexpr (F == SurfaceFormat::Bgra32) {
    return reinterpret_cast<const uint32_t*>(Row)[X];
  } else {
    return Load24(Row + X * 3);
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

// Copies visible columns [X0, X1) of one row onto a 24-bit row.
template <SurfaceFormat SF, bool Shifted>
void CopyRow24(uint8_t* DRow, const uint8_t* SRow, const AxisSource& Cols, int X0, int X1) {
  if constexpr (Shifted && SF == SurfaceFormat::Bgr24) {
    std::memcpy(DRow + ptrdiff_t(X0) * 3, SRow + ptrdiff_t(X0 + Cols.Offset) * 3, size_t(X1 - X0) * 3);
  } else {
    // Unrolled: the loop of one pixel is so short that where it falls across code fetch boundaries
    // decides its speed.
#pragma GCC unroll 4
    for (int X = X0; X < X1; ++X)
      Store<SurfaceFormat::Bgr24>(DRow, X, Load<SF>(SRow, SourceIndex<Shifted>(Cols, X)));
  }
}

// One clip rectangle's share of a blit in visible coordinates (counted from Origin on the target): rows
// [Y0, Y1) and columns [X0, X1), all of whose sources lie inside the source.
struct BlitPart {
  Surface& Target;
  const Surface& Source;
  TPoint Origin;
  const AxisSource& Rows;
  const AxisSource& Cols;
  int X0, X1, Y0, Y1;
  const PixelRunKernels& Kernels;
  BlitScratch& Scratch;
};

// Copies Count pixels between rows that do not overlap. The short runs a repaint is full of take a few
// fixed-size moves, overlapping where the count is not a multiple of theirs, rather than a call.
inline void CopyPixels(uint32_t* D, const uint32_t* S, int Count) {
  if (Count > 64) {
    std::memcpy(D, S, size_t(Count) * 4);
  } else if (Count >= 8) {
    for (int I = 0; I < Count - 8; I += 8) std::memcpy(D + I, S + I, 32);
    std::memcpy(D + Count - 8, S + Count - 8, 32);
  } else if (Count >= 4) {
    std::memcpy(D, S, 16);
    std::memcpy(D + Count - 4, S + Count - 4, 16);
  } else if (Count >= 2) {
    std::memcpy(D, S, 8);
    std::memcpy(D + Count - 2, S + Count - 2, 8);
  } else if (Count == 1) {
    D[0] = S[0];
  }
}

// Calls F(destination row, source row) for each row of the part. With ReuseRows, a row stretched from
// the same source row as the one above is a copy of it.
template <bool ReuseRows, int Bpp, class Fn> void ForEachRow(const BlitPart& P, Fn&& F) {
  const ptrdiff_t DStride = P.Target.Stride();
  uint8_t* DRow = P.Target.Row(P.Origin.Y + P.Y0) + ptrdiff_t(P.Origin.X) * Bpp;
  if (!P.Rows.Map) {
    const ptrdiff_t SStride = P.Source.Stride();
    const uint8_t* SRow = P.Source.Row(P.Y0 + P.Rows.Offset);
    for (int Y = P.Y0; Y < P.Y1; ++Y, DRow += DStride, SRow += SStride) F(DRow, SRow);
    return;
  }
  const int* Map = P.Rows.Map;
  for (int Y = P.Y0; Y < P.Y1; ++Y, DRow += DStride) {
    if (ReuseRows && Y > P.Y0 && Map[Y - 1] == Map[Y]) {
      const ptrdiff_t Run = ptrdiff_t(P.X0) * Bpp;
      if constexpr (Bpp == 4)
        CopyPixels(reinterpret_cast<uint32_t*>(DRow + Run), reinterpret_cast<const uint32_t*>(DRow - DStride + Run), P.X1 - P.X0);
      else
        std::memcpy(DRow + Run, DRow - DStride + Run, size_t(P.X1 - P.X0) * Bpp);
    } else {
      F(DRow, P.Source.Row(Map[Y]));
    }
  }
}

// And, Or or Xor of the source's colour bits into D; D's alpha stays.
uint32_t RasterPixel(uint32_t D, uint32_t S, BlitOperation::Kind Op) {
  switch (Op) {
    case BlitOperation::And: return D & (S | 0xFF000000u);
    case BlitOperation::Or: return D | (S & 0xFFFFFFu);
    default: return D ^ (S & 0xFFFFFFu);
  }
}

// One row of pixels for the loops to write, or to read.
PixelRows RowOf(uint32_t* Pixels) { return { reinterpret_cast<uint8_t*>(Pixels), 0 }; }
SourceRows SourceRowOf(const void* Pixels) { return { static_cast<const uint8_t*>(Pixels), 0 }; }

// The source pixels of the part's columns in one row as 32-bit pixels: where the source row holds them
// so, a pointer into it; else Into, filled with them.
template <SurfaceFormat SF, bool Shifted>
const uint32_t* SourcePixels(const BlitPart& P, const uint8_t* SRow, uint32_t* Into) {
  const int Count = P.X1 - P.X0;
  if constexpr (Shifted) {
    const int First = P.X0 + P.Cols.Offset;
    if constexpr (SF == SurfaceFormat::Bgra32)
      return reinterpret_cast<const uint32_t*>(SRow) + First;
    P.Kernels.Expand24(RowOf(Into), SourceRowOf(SRow + ptrdiff_t(First) * 3), Count, 1);
  } else {
    const int* Map = P.Cols.Map + P.X0;
    if constexpr (SF == SurfaceFormat::Bgra32) {
      P.Kernels.Gather(RowOf(Into), SourceRowOf(SRow), Count, 1, { Map, 0, P.Source.Width() });
    } else {
      // The source pixels the row takes lie between its ends' (the map may run backwards); brought to
      // 32 bits once, they are gathered like a 32-bit row's. A row reduced much takes only a few of
      // them, one at a time.
      const int Low = std::min(Map[0], Map[Count - 1]), Length = std::abs(Map[Count - 1] - Map[0]) + 1;
      if (Length <= 2 * Count) {
        uint32_t* Expanded = P.Scratch.Expanded.data();
        P.Kernels.Expand24(RowOf(Expanded), SourceRowOf(SRow + ptrdiff_t(Low) * 3), Length, 1);
        P.Kernels.Gather(RowOf(Into), SourceRowOf(Expanded), Count, 1, { Map, Low, Length });
      } else {
        for (int I = 0; I < Count; ++I) Into[I] = Load<SF>(SRow, Map[I]);
      }
    }
  }
  return Into;
}

// Whether Op from a source of Format onto a 32-bit target, copied one to one, is one call of the block
// loops (BlitBlock).
bool IsBlockOperation(const BlitOperation& Op, SurfaceFormat Format) {
  return Op.Op == BlitOperation::Copy || Op.Op == BlitOperation::Transparent ||
         (Op.Op == BlitOperation::Alpha && Format == SurfaceFormat::Bgra32);
}

// Rows rows of Count pixels of a block operation, copied one to one from a source of Format.
void BlitBlock(PixelRows D, SourceRows S, SurfaceFormat Format, int Count, int Rows, const BlitOperation& Op,
               const PixelRunKernels& K) {
  const bool From32 = Format == SurfaceFormat::Bgra32;
  switch (Op.Op) {
    case BlitOperation::Copy:
      if (From32)
        for (int R = 0; R < Rows; ++R) CopyPixels(D.Row(R), S.Row32(R), Count);
      else
        K.Expand24(D, S, Count, Rows);
      break;
    case BlitOperation::Transparent: (From32 ? K.Keyed : K.Keyed24)(D, S, Count, Rows, Op.Key); break;
    default: K.Blend(D, S, Count, Rows, Op.Blend.SourceConstantAlpha, Op.Blend.AlphaFormat & AC_SRC_ALPHA); break;
  }
}

// A part as one block: the block operations copied one to one, and stretched copies; false for what it
// leaves to a row at a time.
template <SurfaceFormat SF, bool Shifted> bool BlitBlockOnto32(const BlitPart& P, const BlitOperation& Op) {
  const int Count = P.X1 - P.X0, Rows = P.Y1 - P.Y0;
  const PixelRows D { P.Target.Row(P.Origin.Y + P.Y0) + ptrdiff_t(P.Origin.X + P.X0) * 4, P.Target.Stride() };
  const ptrdiff_t Stride = P.Source.Stride();
  if constexpr (Shifted) {
    if (P.Rows.Map || !IsBlockOperation(Op, SF))
      return false;
    const uint8_t* First = P.Source.Row(P.Y0 + P.Rows.Offset) + ptrdiff_t(P.X0 + P.Cols.Offset) * P.Source.BytesPerPixel();
    BlitBlock(D, { First, Stride }, SF, Count, Rows, Op, P.Kernels);
    return true;
  } else {
    if (Op.Op != BlitOperation::Copy)
      return false;
    const int* Cols = P.Cols.Map + P.X0;
    const int* RowMap = P.Rows.Map ? P.Rows.Map + P.Y0 : nullptr;
    const int FirstRow = RowMap ? std::min(RowMap[0], RowMap[Rows - 1]) : P.Y0 + P.Rows.Offset;
    if constexpr (SF == SurfaceFormat::Bgra32) {
      P.Kernels.Gather(D, { P.Source.Row(FirstRow), Stride }, Count, Rows, { Cols, 0, P.Source.Width(), RowMap, FirstRow });
    } else {
      // The 24-bit pixels the block takes lie between its first and last columns' and rows' sources (the
      // maps may run backwards); brought to 32 bits once, they are gathered like a 32-bit source's, a band
      // of rows at a time so that the buffer stays small. A block reduced much takes only a few of them,
      // and goes a row at a time.
      const int Low = std::min(Cols[0], Cols[Count - 1]), Length = std::abs(Cols[Count - 1] - Cols[0]) + 1;
      const int RowSpan = RowMap ? std::abs(RowMap[Rows - 1] - RowMap[0]) + 1 : Rows;
      if (Length > 2 * Count || RowSpan > 2 * Rows)
        return false;
      constexpr int Band = 32;
      std::vector<uint32_t>& Expanded = P.Scratch.Expanded;
      for (int B = 0; B < Rows; B += Band) {
        const int BandRows = std::min(Band, Rows - B);
        const int* BandMap = RowMap ? RowMap + B : nullptr;
        const int BandFirst = BandMap ? std::min(BandMap[0], BandMap[BandRows - 1]) : FirstRow + B;
        const int BandSpan = BandMap ? std::abs(BandMap[BandRows - 1] - BandMap[0]) + 1 : BandRows;
        if (Expanded.size() < size_t(Length) * size_t(BandSpan))
          Expanded.resize(size_t(Length) * size_t(BandSpan));
        const PixelRows Block { reinterpret_cast<uint8_t*>(Expanded.data()), ptrdiff_t(Length) * 4 };
        P.Kernels.Expand24(Block, { P.Source.Row(BandFirst) + ptrdiff_t(Low) * 3, Stride }, Length, BandSpan);
        const PixelRows BandDest { D.First + B * D.Stride, D.Stride };
        P.Kernels.Gather(BandDest, { Block.First, Block.Stride }, Count, BandRows, { Cols, Low, Length, BandMap, BandFirst });
      }
    }
    return true;
  }
}

// The operations onto a 32-bit target: as blocks where they can, else a row at a time, the row's source
// pixels brought to 32 bits first.
template <SurfaceFormat SF, bool Shifted> void BlitPartOnto32(const BlitPart& P, const BlitOperation& Op) {
  if (BlitBlockOnto32<SF, Shifted>(P, Op))
    return;
  const int Count = P.X1 - P.X0;
  const PixelRunKernels& K = P.Kernels;
  uint32_t* Pixels = P.Scratch.Pixels.data();
  const auto Target = [&](uint8_t* DRow) { return reinterpret_cast<uint32_t*>(DRow) + P.X0; };
  switch (Op.Op) {
    case BlitOperation::Copy:
      ForEachRow<true, 4>(P, [&](uint8_t* DRow, const uint8_t* SRow) {
        uint32_t* D = Target(DRow);
        const uint32_t* S = SourcePixels<SF, Shifted>(P, SRow, D);
        if (S != D)
          CopyPixels(D, S, Count);
      });
      break;
    case BlitOperation::Transparent:
      ForEachRow<false, 4>(P, [&](uint8_t* DRow, const uint8_t* SRow) {
        K.Keyed(RowOf(Target(DRow)), SourceRowOf(SourcePixels<SF, Shifted>(P, SRow, Pixels)), Count, 1, Op.Key);
      });
      break;
    case BlitOperation::Alpha: {
      const uint32_t Constant = Op.Blend.SourceConstantAlpha;
      const bool SourceAlpha = Op.Blend.AlphaFormat & AC_SRC_ALPHA;
      ForEachRow<false, 4>(P, [&](uint8_t* DRow, const uint8_t* SRow) {
        K.Blend(RowOf(Target(DRow)), SourceRowOf(SourcePixels<SF, Shifted>(P, SRow, Pixels)), Count, 1, Constant, SourceAlpha);
      });
      break;
    }
    default:
      ForEachRow<false, 4>(P, [&](uint8_t* DRow, const uint8_t* SRow) {
        uint32_t* D = Target(DRow);
        const uint32_t* S = SourcePixels<SF, Shifted>(P, SRow, Pixels);
        for (int I = 0; I < Count; ++I) D[I] = RasterPixel(D[I], S[I], Op.Op);
      });
      break;
  }
}

// The operations onto a 24-bit target, a pixel at a time; the operation is chosen once per part, not
// per row, because the rows of a repaint's pieces are only a few pixels long.
template <SurfaceFormat SF, bool Shifted> void BlitPartOnto24(const BlitPart& P, const BlitOperation& Op) {
  constexpr SurfaceFormat DF = SurfaceFormat::Bgr24;
  const AxisSource& Cols = P.Cols;
  const int X0 = P.X0, X1 = P.X1;
  const auto EachPixel = [&](auto Apply) {
    ForEachRow<false, 3>(P, [&](uint8_t* DRow, const uint8_t* SRow) {
      for (int X = X0; X < X1; ++X)
        Apply(DRow, X, Load<SF>(SRow, SourceIndex<Shifted>(Cols, X)));
    });
  };
  switch (Op.Op) {
    case BlitOperation::Copy:
      ForEachRow<true, 3>(P, [&](uint8_t* DRow, const uint8_t* SRow) { CopyRow24<SF, Shifted>(DRow, SRow, Cols, X0, X1); });
      break;
    case BlitOperation::Transparent:
      EachPixel([Key = Op.Key](uint8_t* D, int X, uint32_t S) {
        if ((S & 0xFFFFFFu) != Key)
          Store<DF>(D, X, S);
      });
      break;
    case BlitOperation::Alpha:
      EachPixel([Constant = uint32_t(Op.Blend.SourceConstantAlpha),
                 SourceAlpha = bool(Op.Blend.AlphaFormat & AC_SRC_ALPHA)](uint8_t* D, int X, uint32_t S) {
        Store<DF>(D, X, AlphaBlendPixel(Load<DF>(D, X), S, Constant, SourceAlpha));
      });
      break;
    default:
      EachPixel([Kind = Op.Op](uint8_t* D, int X, uint32_t S) { Store<DF>(D, X, RasterPixel(Load<DF>(D, X), S, Kind)); });
      break;
  }
}

// A blit copied one to one from another surface onto a 32-bit target with a block operation: most of
// a repaint's blits, taken straight to the block loops without mapping the axes.
void BlitOneToOne(DeviceContext& Dest, Surface& Target, int DX, int DY, int Width, int Height, const Surface& Src,
                  int SX, int SY, const BlitOperation& Op) {
  // The destination pixels over the source and inside the clip's box, in 64 bits until they are inside.
  const Region& Clip = Dest.SurfaceClip();
  const TRect Box = Clip.Bounds();
  const int64_t OffsetX = int64_t(SX) - DX, OffsetY = int64_t(SY) - DY;  // source = destination + offset
  const int64_t Left = std::max({ int64_t(DX), -OffsetX, int64_t(Box.Left) });
  const int64_t Top = std::max({ int64_t(DY), -OffsetY, int64_t(Box.Top) });
  const int64_t Right = std::min({ int64_t(DX) + Width, Src.Width() - OffsetX, int64_t(Box.Right) });
  const int64_t Bottom = std::min({ int64_t(DY) + Height, Src.Height() - OffsetY, int64_t(Box.Bottom) });
  if (Left >= Right || Top >= Bottom)
    return;
  const TRect Visible { int(Left), int(Top), int(Right), int(Bottom) };
  const PixelRunKernels& K = FastestPixelRunKernels();
  for (const TRect& C : Clip.Rects()) {
    if (C.Top >= Visible.Bottom)
      break;
    const TRect Part = C.Intersection(Visible);
    if (Part.IsEmpty())
      continue;
    const PixelRows D { Target.Row(Part.Top) + ptrdiff_t(Part.Left) * 4, Target.Stride() };
    const SourceRows S { Src.Row(int(Part.Top + OffsetY)) + ptrdiff_t(Part.Left + OffsetX) * Src.BytesPerPixel(), Src.Stride() };
    BlitBlock(D, S, Src.Format(), Part.Width(), Part.Height(), Op, K);
  }
}

using PartFunction = void (*)(const BlitPart&, const BlitOperation&);

template <bool Shifted> PartFunction PartFor(SurfaceFormat D, SurfaceFormat S) {
  using enum SurfaceFormat;
  if (D == Bgra32)
    return S == Bgra32 ? BlitPartOnto32<Bgra32, Shifted> : BlitPartOnto32<Bgr24, Shifted>;
  return S == Bgra32 ? BlitPartOnto24<Bgra32, Shifted> : BlitPartOnto24<Bgr24, Shifted>;
}

// Any blit: the axes mapped, the source taken out first where it is the target. Out of line, so that
// the one-to-one blits do not pay for setting up its many locals.
[[gnu::noinline]] void BlitMapped(DeviceContext& Dest, Surface* Target, int DX, int DY, int DW, int DH, const Surface& Src,
                                  int SX, int SY, int SW, int SH, const BlitOperation& Operation) {
  const Span DCol = Normalise(DX, DW), DRowSpan = Normalise(DY, DH);
  Span SCol = Normalise(SX, SW), SRowSpan = Normalise(SY, SH);
  const TRect DestRect { DCol.Start, DRowSpan.Start, DCol.Start + DCol.Length, DRowSpan.Start + DRowSpan.Length };

  // Reading and writing one surface: take the source out first so that no row is read after it was written.
  const Surface* Source = &Src;
  std::unique_ptr<Surface> Copy;
  if (&Src == Target) {
    const TRect Part = Bounds(SCol.Start, SRowSpan.Start, SCol.Length, SRowSpan.Length).Intersection(Src.Bounds());
    if (Part.IsEmpty())
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
  const TRect Visible = DestRect.Intersection(ClipBox);
  if (Visible.IsEmpty())
    return;
  BlitScratch& Scratch = ThreadScratch();
  const AxisSource Rows = MapAxis(DRowSpan, SRowSpan, Source->Height(), Visible.Top - DestRect.Top,
                                  Visible.Bottom - Visible.Top, Scratch.Rows);
  const AxisSource Cols = MapAxis(DCol, SCol, Source->Width(), Visible.Left - DestRect.Left,
                                  Visible.Right - Visible.Left, Scratch.Cols);
  if (Rows.First >= Rows.Last || Cols.First >= Cols.Last)
    return;
  if (Scratch.Pixels.size() < size_t(Cols.Last - Cols.First))
    Scratch.Pixels.resize(size_t(Cols.Last - Cols.First));
  if (Cols.Map && Source->Format() == SurfaceFormat::Bgr24 && Scratch.Expanded.size() < size_t(Source->Width()))
    Scratch.Expanded.resize(size_t(Source->Width()));
  const PartFunction Kernel = Cols.Map ? PartFor<false>(Target->Format(), Source->Format())
                                       : PartFor<true>(Target->Format(), Source->Format());

  for (const TRect& C : Dest.SurfaceClip().Rects()) {
    if (C.Top >= DestRect.Bottom)
      break;
    const TRect Span = C.Offset(-Visible.Left, -Visible.Top).Intersection({ Cols.First, Rows.First, Cols.Last, Rows.Last });
    if (!Span.IsEmpty())
      Kernel({ *Target, *Source, Visible.TopLeft(), Rows, Cols, Span.Left, Span.Right, Span.Top, Span.Bottom,
               FastestPixelRunKernels(), Scratch }, Operation);
  }
}


// The source index, counted from the source span's start, of consecutive destination indexes of one
// axis of a tile: repeating the span, or stretched over the destination by the centre formula.
class TileStepper {
public:
  TileStepper(bool Repeat, int From, int SrcLength, int DestLength)
      : FRepeat(Repeat), FLength(SrcLength), FIndex(Repeat ? From % SrcLength : 0),
        FCentre(Repeat ? 0 : From, SrcLength, DestLength) {}

  int Value() const { return FRepeat ? FIndex : int(FCentre.Value()); }

  void Up() {
    if (!FRepeat)
      FCentre.Up();
    else if (++FIndex == FLength)
      FIndex = 0;
  }

private:
  bool FRepeat;
  int FLength;
  int FIndex;
  CentreStepper FCentre;
};

// The pixels of a tile's source span, a span on one surface, and whether each axis repeats.
struct TileSource {
  const Surface& Pixels;
  TRect Span;
  bool RepeatX;
  bool RepeatY;
};

// Count pixels of the source row SRow from column First on, brought to 32 bits into D.
void LoadRun(uint32_t* D, const uint8_t* SRow, SurfaceFormat Format, int First, int Count, const PixelRunKernels& K) {
  if (Format == SurfaceFormat::Bgra32)
    CopyPixels(D, reinterpret_cast<const uint32_t*>(SRow) + First, Count);
  else
    K.Expand24(RowOf(D), SourceRowOf(SRow + ptrdiff_t(First) * 3), Count, 1);
}

// One destination row of a tile, Count pixels from the destination column Phase of the span on: a
// repeating row is one copy of the span, doubled until the row is full; a stretched row is gathered
// through Cols (source columns counted from the span's start).
void TileRow(uint32_t* D, int Count, const TileSource& T, const uint8_t* SRow, int Phase, const int* Cols,
             BlitScratch& Scratch, const PixelRunKernels& K) {
  const SurfaceFormat Format = T.Pixels.Format();
  const int Length = T.Span.Width();
  if (T.RepeatX) {
    const int First = std::min(Count, Length), Head = std::min(First, Length - Phase);
    LoadRun(D, SRow, Format, T.Span.Left + Phase, Head, K);
    LoadRun(D + Head, SRow, Format, T.Span.Left, First - Head, K);
    for (int Done = First; Done < Count;) {
      const int Take = std::min(Done, Count - Done);
      CopyPixels(D + Done, D, Take);
      Done += Take;
    }
    return;
  }
  // The columns run upwards: the pixels they take lie from the first one's to the last one's.
  const int Low = T.Span.Left + Cols[0], Run = Cols[Count - 1] - Cols[0] + 1;
  const uint32_t* Pixels;
  if (Format == SurfaceFormat::Bgra32) {
    Pixels = reinterpret_cast<const uint32_t*>(SRow) + Low;
  } else {
    if (Scratch.Expanded.size() < size_t(Run))
      Scratch.Expanded.resize(size_t(Run));
    LoadRun(Scratch.Expanded.data(), SRow, Format, Low, Run, K);
    Pixels = Scratch.Expanded.data();
  }
  K.Gather(RowOf(D), SourceRowOf(Pixels), Count, 1, { Cols, Cols[0], Run });
}

// The tile over Part (surface coordinates) of a 32-bit target whose span starts at Origin. A row whose
// source row is that of the row above, or of the row a span's height above, is a copy of that row.
void TilePart(Surface& Target, TPoint Origin, const TRect& Part, const TileSource& T, BlitScratch& Scratch,
              const PixelRunKernels& K, int DestWidth, int DestHeight) {
  const int Count = Part.Width(), SpanHeight = T.Span.Height();
  const int Phase = T.RepeatX ? (Part.Left - Origin.X) % T.Span.Width() : 0;
  const int* Cols = nullptr;
  if (!T.RepeatX) {
    Scratch.Cols.resize(size_t(Count));
    TileStepper Column(false, Part.Left - Origin.X, T.Span.Width(), DestWidth);
    for (int I = 0; I < Count; ++I, Column.Up()) Scratch.Cols[size_t(I)] = Column.Value();
    Cols = Scratch.Cols.data();
  }
  const ptrdiff_t Stride = Target.Stride();
  TileStepper Row(T.RepeatY, Part.Top - Origin.Y, SpanHeight, DestHeight);
  int Above = -1;
  for (int Y = Part.Top; Y < Part.Bottom; ++Y, Row.Up()) {
    uint32_t* D = reinterpret_cast<uint32_t*>(Target.Row(Y)) + Part.Left;
    const int Source = Row.Value();
    if (Source == Above)
      CopyPixels(D, reinterpret_cast<const uint32_t*>(reinterpret_cast<uint8_t*>(D) - Stride), Count);
    else if (T.RepeatY && Y - Part.Top >= SpanHeight)
      CopyPixels(D, reinterpret_cast<const uint32_t*>(reinterpret_cast<uint8_t*>(D) - SpanHeight * Stride), Count);
    else
      TileRow(D, Count, T, T.Pixels.Row(T.Span.Top + Source), Phase, Cols, Scratch, K);
    Above = Source;
  }
}

// A tile as a Blit of each copy: for a source on the target, whose copies read what earlier ones wrote,
// for sources sticking out of their surface, and for 24-bit targets.
void TileByCopies(DeviceContext& Dest, int DX, int DY, int DW, int DH, const Surface& Src, int SX, int SY, int SW,
                  int SH, bool RepeatX, bool RepeatY) {
  const int StepX = RepeatX ? SW : DW, StepY = RepeatY ? SH : DH;
  for (int64_t X = 0; X < DW; X += StepX)
    for (int64_t Y = 0; Y < DH; Y += StepY) {
      const int W = int(std::min<int64_t>(StepX, DW - X)), H = int(std::min<int64_t>(StepY, DH - Y));
      Blit(Dest, int(DX + X), int(DY + Y), W, H, Src, SX, SY, RepeatX ? W : SW, RepeatY ? H : SH, BlitOperation {});
    }
}

}  // namespace

void Blit(DeviceContext& Dest, int DX, int DY, int DW, int DH, const Surface& Src, int SX, int SY, int SW,
          int SH, const BlitOperation& Operation) {
  Surface* Target = Dest.Target();
  if (!Target || DW == 0 || DH == 0 || SW == 0 || SH == 0)
    return;
  if (DW > 0 && DH > 0 && DW == SW && DH == SH && &Src != Target && Target->Format() == SurfaceFormat::Bgra32 &&
      IsBlockOperation(Operation, Src.Format()))
    BlitOneToOne(Dest, *Target, DX, DY, DW, DH, Src, SX, SY, Operation);
  else
    BlitMapped(Dest, Target, DX, DY, DW, DH, Src, SX, SY, SW, SH, Operation);
}

void TileBlit(DeviceContext& Dest, int DX, int DY, int DW, int DH, const Surface& Src, int SX, int SY, int SW,
              int SH, bool RepeatX, bool RepeatY) {
  Surface* Target = Dest.Target();
  if (!Target || DW <= 0 || DH <= 0 || SW <= 0 || SH <= 0)
    return;
  // A span one pixel long repeats as it stretches; one as long as the destination repeats as it is
  // copied one to one, which the repeating rows do without a map.
  RepeatX = (RepeatX && SW > 1) || SW == DW;
  RepeatY = (RepeatY && SH > 1) || SH == DH;
  const bool Inside = SX >= 0 && SY >= 0 && int64_t(SX) + SW <= Src.Width() && int64_t(SY) + SH <= Src.Height();
  const bool Ends = int64_t(DX) + DW <= INT32_MAX && int64_t(DY) + DH <= INT32_MAX;
  if (&Src == Target || !Inside || !Ends || Target->Format() != SurfaceFormat::Bgra32) {
    TileByCopies(Dest, DX, DY, DW, DH, Src, SX, SY, SW, SH, RepeatX, RepeatY);
    return;
  }
  const Region& Clip = Dest.SurfaceClip();
  const TRect Visible = TRect { DX, DY, DX + DW, DY + DH }.Intersection(Clip.Bounds());
  if (Visible.IsEmpty())
    return;
  const TileSource Source { Src, { SX, SY, SX + SW, SY + SH }, RepeatX, RepeatY };
  BlitScratch& Scratch = ThreadScratch();
  for (const TRect& C : Clip.Rects()) {
    if (C.Top >= Visible.Bottom)
      break;
    const TRect Part = C.Intersection(Visible);
    if (!Part.IsEmpty())
      TilePart(*Target, { DX, DY }, Part, Source, Scratch, FastestPixelRunKernels(), DW, DH);
  }
}
