// Composing skin images: one 1280 x 720 nine-part image, and the composers of a full repaint of 200
// controls, each against a plain copy of the same number of pixels (bytes per second compare directly).
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/skComposers.h"

namespace {

// A skin picture like a frame's: 146 x 122, every pixel different; 24-bit as skin files store them, or
// 32-bit like the images the composers draw into.
TBitmap* MakePicture(TPixelFormat Format) {
  auto* B = new TBitmap;
  B->SetPixelFormat(Format);
  B->SetSize(146, 122);
  const int RowBytes = Format == pf24bit ? 3 * 146 : 4 * 146;
  for (int Y = 0; Y < 122; ++Y) {
    auto* Row = static_cast<uint8_t*>(B->ScanLine(Y));
    for (int X = 0; X < RowBytes; ++X) Row[X] = uint8_t(X * 7 + Y * 13);
  }
  return B;
}

TPixelFormat PictureFormat = pf24bit;

TBitmap& Picture() {
  static TBitmap* Picture24 = MakePicture(pf24bit);
  static TBitmap* Picture32 = MakePicture(pf32bit);
  return PictureFormat == pf24bit ? *Picture24 : *Picture32;
}

// A nine-part piece of the picture and its geometry at a new size: corners of Corner pixels, bands whose
// repeated middles are Middle pixels long.
struct NinePart {
  TRect Skin;
  int Corner;
  int Middle;

  void Compose(TBitmap& Dest, int W, int H, bool Stretch) const {
    const int SW = Skin.Width(), SH = Skin.Height();
    const TRect Cl { Corner, Corner, SW - Corner, SH - Corner };
    const TPoint LT { Corner + 2, Corner + 2 }, RT { Corner + 2 + Middle, Corner + 2 }, LB { Corner + 2, Corner + 2 + Middle },
        RB { Corner + 2 + Middle, Corner + 2 + Middle };
    const TRect NewCl { Corner, Corner, W - Corner, H - Corner };
    const TPoint NRT { W - (SW - RT.X), RT.Y }, NLB { LB.X, H - (SH - LB.Y) }, NRB { W - (SW - RB.X), H - (SH - RB.Y) };
    ComposeSkinImage(LT, RT, LB, RB, Cl, LT, NRT, NLB, NRB, NewCl, &Dest, &Picture(), Skin, W, H, true, Stretch,
                     Stretch, Stretch, Stretch, true, skstFull);
  }
};

void PlainCopy(benchmark::State& State, size_t Pixels) {
  std::vector<uint32_t> Src(Pixels, 1), Dst(Pixels, 2);
  for (auto _ : State) {
    std::memcpy(Dst.data(), Src.data(), Pixels * 4);
    benchmark::DoNotOptimize(Dst.data());
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(Pixels * 4));
}

constexpr int FrameW = 1280, FrameH = 720;
const NinePart Frame { { 0, 0, 146, 122 }, 8, 40 };

void BM_FrameCopy(benchmark::State& State) { PlainCopy(State, size_t(FrameW) * FrameH); }

void BM_FrameNinePartTiledBands(benchmark::State& State) {
  TBitmap Dest;
  for (auto _ : State) {
    Frame.Compose(Dest, FrameW, FrameH, false);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * FrameW * FrameH * 4);
}

void BM_FrameNinePartStretched(benchmark::State& State) {
  TBitmap Dest;
  for (auto _ : State) {
    Frame.Compose(Dest, FrameW, FrameH, true);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * FrameW * FrameH * 4);
}

// A repaint of 200 controls: 120 buttons of 75 x 25 and 40 panels of 180 x 60 (nine-part images), 40
// scroll bars of 17 x 160 (vertical strips); every control composes its own image afresh.
const NinePart Button { { 0, 0, 40, 22 }, 3, 6 };
const NinePart Panel { { 40, 0, 100, 40 }, 4, 12 };
constexpr size_t RepaintPixels = 120 * 75 * 25 + 40 * 180 * 60 + 40 * 17 * 160;

void BM_RepaintCopy(benchmark::State& State) { PlainCopy(State, RepaintPixels); }

void BM_RepaintComposers(benchmark::State& State) {
  PictureFormat = State.range(0) == 32 ? pf32bit : pf24bit;
  TBitmap Dest;
  for (auto _ : State) {
    for (int I = 0; I < 120; ++I) Button.Compose(Dest, 75, 25, false);
    for (int I = 0; I < 40; ++I) Panel.Compose(Dest, 180, 60, false);
    for (int I = 0; I < 40; ++I)
      ComposeVertStripImage(10, 10, &Dest, &Picture(), TRect { 100, 40, 117, 100 }, 0, 160, false);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(RepaintPixels * 4));
  PictureFormat = pf24bit;
}

}  // namespace

BENCHMARK(BM_FrameCopy);
BENCHMARK(BM_FrameNinePartTiledBands);
BENCHMARK(BM_FrameNinePartStretched);
BENCHMARK(BM_RepaintCopy);
// The argument is the picture's bits per pixel.
BENCHMARK(BM_RepaintComposers)->Arg(24)->Arg(32);
