// Many small blits, as controls repaint from skin pictures: 1000 pieces of 32 x 24 pixels per iteration,
// against memcpy of the same rows of a picture into a target.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/gdi/Gdi.h"

namespace {

constexpr int PictureW = 146, PictureH = 122;
constexpr int TargetW = 256, TargetH = 256;
constexpr int PieceW = 32, PieceH = 24;
constexpr int Pieces = 1000;
constexpr int64_t PieceBytes = int64_t(PieceW) * PieceH * 4;

// A memory DC over a top-down DIB section of BitCount bits, every byte different.
struct SectionDC {
  SectionDC(int W, int H, int BitCount) : DC(CreateCompatibleDC(nullptr)) {
    BITMAPINFO Info;
    Info.bmiHeader.biWidth = W;
    Info.bmiHeader.biHeight = -H;
    Info.bmiHeader.biBitCount = uint16_t(BitCount);
    void* Bits = nullptr;
    Bitmap = CreateDIBSection(DC, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    auto* Bytes = static_cast<uint8_t*>(Bits);
    const size_t Size = size_t(Surface::RowBytes(W, BitCount == 24 ? SurfaceFormat::Bgr24 : SurfaceFormat::Bgra32)) * H;
    for (size_t I = 0; I < Size; ++I) Bytes[I] = uint8_t(I * 7 + I / 251);
    Old = SelectObject(DC, Bitmap);
  }
  ~SectionDC() {
    SelectObject(DC, Old);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
  HDC DC;
  HBITMAP Bitmap { nullptr };
  HGDIOBJ Old { nullptr };
};

// Where piece I comes from in the picture and goes to in the target.
TPoint SourceOf(int I) { return { (I * 17) % (PictureW - PieceW), (I * 5) % (PictureH - PieceH) }; }
TPoint DestOf(int I) { return { (I * 29) % (TargetW - PieceW), (I * 13) % (TargetH - PieceH) }; }

void Finish(benchmark::State& State) { State.SetBytesProcessed(int64_t(State.iterations()) * Pieces * PieceBytes); }

void BM_SmallPiecesMemcpy(benchmark::State& State) {
  std::vector<uint32_t> Picture(size_t(PictureW) * PictureH, 1), Target(size_t(TargetW) * TargetH, 2);
  for (auto _ : State) {
    for (int I = 0; I < Pieces; ++I) {
      const TPoint S = SourceOf(I), D = DestOf(I);
      for (int Y = 0; Y < PieceH; ++Y)
        std::memcpy(&Target[size_t(D.Y + Y) * TargetW + D.X], &Picture[size_t(S.Y + Y) * PictureW + S.X], PieceW * 4);
    }
    benchmark::DoNotOptimize(Target.data());
    benchmark::ClobberMemory();
  }
  Finish(State);
}

// The argument is the picture's bits per pixel.
void BM_SmallBitBlt(benchmark::State& State) {
  SectionDC Picture(PictureW, PictureH, int(State.range(0))), Target(TargetW, TargetH, 32);
  for (auto _ : State) {
    for (int I = 0; I < Pieces; ++I) {
      const TPoint S = SourceOf(I), D = DestOf(I);
      BitBlt(Target.DC, D.X, D.Y, PieceW, PieceH, Picture.DC, S.X, S.Y, SRCCOPY);
    }
    benchmark::ClobberMemory();
  }
  Finish(State);
}

// Pieces of 16 x 12 doubled to 32 x 24; the argument is the picture's bits per pixel.
void BM_SmallStretchBlt(benchmark::State& State) {
  SectionDC Picture(PictureW, PictureH, int(State.range(0))), Target(TargetW, TargetH, 32);
  for (auto _ : State) {
    for (int I = 0; I < Pieces; ++I) {
      const TPoint S = SourceOf(I), D = DestOf(I);
      StretchBlt(Target.DC, D.X, D.Y, PieceW, PieceH, Picture.DC, S.X, S.Y, PieceW / 2, PieceH / 2, SRCCOPY);
    }
    benchmark::ClobberMemory();
  }
  Finish(State);
}

void BM_SmallTransparentBlt(benchmark::State& State) {
  SectionDC Picture(PictureW, PictureH, 24), Target(TargetW, TargetH, 32);
  for (auto _ : State) {
    for (int I = 0; I < Pieces; ++I) {
      const TPoint S = SourceOf(I), D = DestOf(I);
      TransparentBlt(Target.DC, D.X, D.Y, PieceW, PieceH, Picture.DC, S.X, S.Y, PieceW, PieceH, clFuchsia);
    }
    benchmark::ClobberMemory();
  }
  Finish(State);
}

void BM_SmallAlphaBlend(benchmark::State& State) {
  SectionDC Picture(PictureW, PictureH, 32), Target(TargetW, TargetH, 32);
  BLENDFUNCTION Blend;
  Blend.AlphaFormat = AC_SRC_ALPHA;
  for (auto _ : State) {
    for (int I = 0; I < Pieces; ++I) {
      const TPoint S = SourceOf(I), D = DestOf(I);
      AlphaBlend(Target.DC, D.X, D.Y, PieceW, PieceH, Picture.DC, S.X, S.Y, PieceW, PieceH, Blend);
    }
    benchmark::ClobberMemory();
  }
  Finish(State);
}

}  // namespace

BENCHMARK(BM_SmallPiecesMemcpy);
BENCHMARK(BM_SmallBitBlt)->Arg(24)->Arg(32);
BENCHMARK(BM_SmallStretchBlt)->Arg(24)->Arg(32);
BENCHMARK(BM_SmallTransparentBlt);
BENCHMARK(BM_SmallAlphaBlend);
