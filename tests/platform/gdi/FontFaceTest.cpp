#include <gtest/gtest.h>

#include <numeric>
#include <thread>

#include "platform/gdi/FontFace.h"

namespace {

int Ink(const TGlyph& G) { return std::accumulate(G.Coverage.begin(), G.Coverage.end(), 0); }

TEST(FontFaceTest, HeightFollowsTheWindowSystemConvention) {
  for (const char* Family : { "Tahoma", "Arial", "MS Sans Serif", "宋体" }) {
    for (int Height : { 13, 14, 20, -11, -12 }) {
      const TFaceMetrics& M = FontFace::Get({ Family, Height, 400, false })->Metrics();
      SCOPED_TRACE(testing::Message() << Family << " " << Height);
      EXPECT_EQ(M.Ascent + M.Descent, M.Height);
      const int Expected = Height > 0 ? M.Height : M.Height - M.InternalLeading;
      EXPECT_EQ(Expected, Height > 0 ? Height : -Height);
      EXPECT_GT(M.AveCharWidth, 0);
      EXPECT_GE(M.UnderlinePos, 1);
      EXPECT_LE(M.UnderlinePos + M.UnderlineThickness, M.Descent);
    }
  }
}

TEST(FontFaceTest, ChineseGlyphsComeFromTheFallbackFace) {
  const auto Face = FontFace::Get({ "Tahoma", 13, 400, false });
  const TGlyph& Missing = Face->Glyph(0x10FFFD);
  for (char32_t C : U"输出目录") {
    if (!C) continue;
    const TGlyph& G = Face->Glyph(C);
    EXPECT_GT(Ink(G), 0);
    EXPECT_NE(G.Coverage, Missing.Coverage);
    EXPECT_GE(G.Advance, Face->Metrics().Height - Face->Metrics().InternalLeading - 1);
  }
}

TEST(FontFaceTest, BoldIsSynthesisedWhenTheFaceHasNone) {
  const auto Regular = FontFace::Get({ "Tahoma", 13, 400, false });
  const auto Bold = FontFace::Get({ "Tahoma", 13, 700, false });
  EXPECT_GT(Ink(Bold->Glyph(U'输')), Ink(Regular->Glyph(U'输')));
  EXPECT_GT(Ink(Bold->Glyph(U'l')), Ink(Regular->Glyph(U'l')));
}

TEST(FontFaceTest, TestFaceReplacesEveryFamilyWhileSwitchedOn) {
  UseTestFontFace(true);
  const auto Face = FontFace::Get({ "Tahoma", -10, 400, false });
  UseTestFontFace(false);
  EXPECT_EQ(Face->Advance(U'i'), 6);
  EXPECT_EQ(Face->Advance(U'W'), 6);
  EXPECT_EQ(Face->Advance(U'输'), 6);
  EXPECT_EQ(Face->Glyph(U' ').Coverage.size(), 0u);
  EXPECT_NE(FontFace::Get({ "Tahoma", -10, 400, false }), Face);
}

TEST(FontFaceTest, ThreadsSharingAFaceSeeOneGlyphPerCodePoint) {
  const auto Face = FontFace::Get({ "Arial", 17, 400, true });
  const std::u32string Text = U"The quick brown fox 输出目录";
  std::vector<std::vector<const TGlyph*>> Seen(4);
  std::vector<std::thread> Threads;
  for (auto& Glyphs : Seen)
    Threads.emplace_back([&] {
      for (char32_t C : Text) Glyphs.push_back(&Face->Glyph(C));
    });
  for (auto& T : Threads) T.join();
  for (const auto& Glyphs : Seen) EXPECT_EQ(Glyphs, Seen[0]);
}

}  // namespace
