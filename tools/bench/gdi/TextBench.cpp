// Text drawing with a warm glyph cache: glyphs per second of a 40-character Latin line and a Chinese line,
// measured against a plain loop blending the Latin line's own coverage mask into the same pixels.
#include <benchmark/benchmark.h>

#include <algorithm>
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

// The least work drawing the Latin line takes: one pass over the line's box mixing a colour into the
// pixels its glyphs cover, with the coverage the text layer gives them, skipping the uncovered ones.
void BM_ReferenceMaskBlend(benchmark::State& State) {
  // The coverage inside the line's ink box: the line drawn black on white, each pixel's darkness.
  constexpr int LineW = 640, LineH = 32;
  std::vector<uint8_t> Coverage(size_t(LineW) * LineH);
  TRect Ink { LineW, LineH, 0, 0 };
  {
    TextDC Line;
    PatBlt(Line.DC, 0, 0, LineW, LineH, WHITENESS);
    SetTextColor(Line.DC, clBlack);
    TextOut(Line.DC, 0, 4, Latin);
    for (int Y = 0; Y < LineH; ++Y)
      for (int X = 0; X < LineW; ++X)
        if (const uint8_t A = uint8_t(255 - GetRValue(GetPixel(Line.DC, X, Y)))) {
          Coverage[size_t(Y) * LineW + X] = A;
          Ink = { std::min(Ink.Left, X), std::min(Ink.Top, Y), std::max(Ink.Right, X + 1), std::max(Ink.Bottom, Y + 1) };
        }
  }
  std::vector<uint8_t> Mask;
  for (int Y = Ink.Top; Y < Ink.Bottom; ++Y)
    Mask.insert(Mask.end(), Coverage.begin() + Y * LineW + Ink.Left, Coverage.begin() + Y * LineW + Ink.Right);
  std::vector<uint32_t> Pixels(Mask.size(), 0xFFFFFFFFu);
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
