// Text drawing with a warm glyph cache: glyphs per second of a 40-character Latin line and a Chinese line,
// measured against a plain loop blending a coverage mask of the Latin line's size into the same pixels.
#include <benchmark/benchmark.h>

#include <string_view>
#include <vector>

#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TFontObject.h"
#include "platform/gdi/Text.h"

namespace {

constexpr std::string_view Latin = "The quick brown fox jumps over a lazy do";  // 40 characters
constexpr std::string_view Chinese = "输出目录文件格式转换器视频音频设置开始暂停停止完成";  // 24 characters

// A memory DC with its own bitmap and a 13-pixel font, drawing transparently.
struct TextDC {
  TextDC() : DC(CreateCompatibleDC(nullptr)), Bitmap(CreateCompatibleBitmap(DC, 640, 32)) {
    OldBitmap = SelectObject(DC, Bitmap);
    OldFont = SelectObject(DC, Font);
    SetBkMode(DC, TRANSPARENT);
  }
  ~TextDC() {
    SelectObject(DC, OldFont);
    SelectObject(DC, OldBitmap);
    DeleteObject(Font);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
  HDC DC;
  HBITMAP Bitmap;
  HFONT Font { CreateFont(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma") };
  HGDIOBJ OldBitmap, OldFont;
};

void DrawLine(benchmark::State& State, std::string_view Text) {
  TextDC Target;
  TextOut(Target.DC, 0, 4, Text);  // warms the glyph cache
  for (auto _ : State) {
    TextOut(Target.DC, 0, 4, Text);
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(int64_t(State.iterations()) * int64_t(CodePointCount(Text)));
}

void BM_TextOutLatin(benchmark::State& State) { DrawLine(State, Latin); }

void BM_TextOutChinese(benchmark::State& State) { DrawLine(State, Chinese); }

void BM_MeasureLatin(benchmark::State& State) {
  TextDC Target;
  TRect R;
  for (auto _ : State) {
    R = {};
    DrawText(Target.DC, Latin, R, DT_CALCRECT | DT_SINGLELINE);
    benchmark::DoNotOptimize(R);
  }
  State.SetItemsProcessed(int64_t(State.iterations()) * int64_t(Latin.size()));
}

// The least work drawing the Latin line takes: one pass mixing a colour into the pixels under a mask of
// the line's ink size (40 glyphs of about 7 x 10 pixels).
void BM_ReferenceMaskBlend(benchmark::State& State) {
  constexpr int W = 280, H = 10;
  std::vector<uint8_t> Mask(size_t(W) * H);
  for (size_t I = 0; I < Mask.size(); ++I) Mask[I] = uint8_t(I * 37);
  std::vector<uint32_t> Pixels(size_t(W) * H, 0xFFFFFFFFu);
  for (auto _ : State) {
    for (size_t I = 0; I < Pixels.size(); ++I) {
      const uint32_t A = Mask[I], D = Pixels[I];
      if (!A) continue;
      const uint32_t R = ((D >> 16 & 0xFF) * (255 - A) + 0x10 * A) / 255;
      const uint32_t G = ((D >> 8 & 0xFF) * (255 - A) + 0x20 * A) / 255;
      const uint32_t B = ((D & 0xFF) * (255 - A) + 0x30 * A) / 255;
      Pixels[I] = (D & 0xFF000000u) | R << 16 | G << 8 | B;
    }
    benchmark::DoNotOptimize(Pixels.data());
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(int64_t(State.iterations()) * int64_t(Latin.size()));
}

}  // namespace

BENCHMARK(BM_ReferenceMaskBlend);
BENCHMARK(BM_TextOutLatin);
BENCHMARK(BM_TextOutChinese);
BENCHMARK(BM_MeasureLatin);
