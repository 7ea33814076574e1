// Full-screen copies and fills against memcpy and a 32-bit fill of the same pixels, and a 2x stretch.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/Gdi.h"

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr size_t Bytes = size_t(Width) * Height * 4;

// A memory DC with its own bitmap, painted once so that its pages are in memory before the timing, as
// the reference's buffers are.
struct MemoryDC {
  MemoryDC(int W, int H) : DC(CreateCompatibleDC(nullptr)), Bitmap(CreateCompatibleBitmap(DC, W, H)) {
    Old = SelectObject(DC, Bitmap);
    PatBlt(DC, 0, 0, W, H, WHITENESS);
  }
  ~MemoryDC() {
    SelectObject(DC, Old);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
  HDC DC;
  HBITMAP Bitmap;
  HGDIOBJ Old;
};

void BM_Memcpy(benchmark::State& State) {
  std::vector<uint8_t> Src(Bytes, 1), Dst(Bytes, 2);
  for (auto _ : State) {
    std::memcpy(Dst.data(), Src.data(), Bytes);
    benchmark::DoNotOptimize(Dst.data());
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(Bytes));
}

void BM_BitBltSrcCopy(benchmark::State& State) {
  MemoryDC Src(Width, Height), Dst(Width, Height);
  for (auto _ : State) {
    BitBlt(Dst.DC, 0, 0, Width, Height, Src.DC, 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(Bytes));
}

// A fill writes a 32-bit pixel everywhere, which memset cannot do.
void BM_Fill32(benchmark::State& State) {
  std::vector<uint32_t> Dst(size_t(Width) * Height, 2);
  for (auto _ : State) {
    std::fill(Dst.begin(), Dst.end(), 0xFF0A141Eu);
    benchmark::DoNotOptimize(Dst.data());
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(Bytes));
}

void BM_FillRect(benchmark::State& State) {
  MemoryDC Dst(Width, Height);
  HBRUSH Brush = CreateSolidBrush(RGB(10, 20, 30));
  const TRect All { 0, 0, Width, Height };
  for (auto _ : State) {
    FillRect(Dst.DC, All, Brush);
    benchmark::ClobberMemory();
  }
  DeleteObject(Brush);
  State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(Bytes));
}

void BM_StretchBltDouble(benchmark::State& State) {
  MemoryDC Src(Width / 2, Height / 2), Dst(Width, Height);
  SetStretchBltMode(Dst.DC, COLORONCOLOR);
  for (auto _ : State) {
    StretchBlt(Dst.DC, 0, 0, Width, Height, Src.DC, 0, 0, Width / 2, Height / 2, SRCCOPY);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(Bytes));
}

}  // namespace

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BitBltSrcCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fill32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillRect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StretchBltDouble)->Unit(benchmark::kMicrosecond);
