#include "platform/gdi/TestFontFace.h"

#include <algorithm>
#include <cmath>

namespace {

// Design units of the face: a 20-unit em with an 18-unit ascent and a 5-unit descent, so the cell is a
// little taller than the em, as with the installed faces.
constexpr int UnitsPerEm = 20;
constexpr int DesignAscent = 18;
constexpr int DesignDescent = 5;

int RoundDiv(int Number, int Denominator) { return int(std::lround(double(Number) / Denominator)); }

TFaceMetrics TestMetrics(const TFaceRequest& Request) {
  TFaceMetrics M;
  int Em;
  if (Request.Height > 0) {
    M.Height = Request.Height;
    Em = std::max(1, RoundDiv(Request.Height * UnitsPerEm, DesignAscent + DesignDescent));
    M.Ascent = RoundDiv(Request.Height * DesignAscent, DesignAscent + DesignDescent);
    M.Descent = M.Height - M.Ascent;
  } else {
    Em = Request.Height < 0 ? -Request.Height : DefaultFontEmSize;
    M.Ascent = RoundDiv(Em * DesignAscent, UnitsPerEm);
    M.Descent = RoundDiv(Em * DesignDescent, UnitsPerEm);
    M.Height = M.Ascent + M.Descent;
  }
  M.InternalLeading = std::max(0, M.Height - Em);
  M.AveCharWidth = std::max(1, int(std::lround(0.6 * Em)));
  M.MaxCharWidth = M.AveCharWidth;
  M.Weight = Request.Weight;
  M.Italic = Request.Italic;
  M.FixedPitch = true;
  M.UnderlineThickness = 1;
  M.UnderlinePos = std::clamp(1, 0, std::max(0, M.Descent - 1));
  M.StrikeOutThickness = 1;
  M.StrikeOutPos = -M.Ascent / 3;
  return M;
}

bool IsBlank(char32_t C) { return C == U' ' || C == 0x00A0 || C == 0x3000; }

}  // namespace

TestFontFace::TestFontFace(const TFaceRequest& Request) : FontFace(TestMetrics(Request)) {}

TGlyph TestFontFace::Render(char32_t C) const {
  TGlyph G;
  G.Advance = Metrics().AveCharWidth;
  if (IsBlank(C)) return G;
  G.Width = std::max(1, G.Advance - 1);
  G.Height = Metrics().Ascent;
  G.Top = Metrics().Ascent;
  G.Coverage.assign(size_t(G.Width) * G.Height, 255);
  return G;
}
