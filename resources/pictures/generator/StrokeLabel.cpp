#include "resources/pictures/generator/StrokeLabel.h"

#include <map>

#include "platform/base/Exception.h"

namespace {

constexpr double GlyphWidth = 4, GlyphHeight = 6, Gap = 1.8;

// Each character as lines on its grid.
const std::map<char, std::vector<TPoints>>& Glyphs() {
  static const std::map<char, std::vector<TPoints>> glyphs {
    { 'A', { { { 0, 6 }, { 2, 0 }, { 4, 6 } }, { { 0.8, 4 }, { 3.2, 4 } } } },
    { 'B', { { { 0, 3 }, { 0, 0 }, { 2.8, 0 }, { 3.6, 0.8 }, { 3.6, 2.2 }, { 2.8, 3 }, { 0, 3 }, { 0, 6 }, { 3, 6 }, { 4, 5 }, { 4, 4 }, { 3, 3 }, { 2.8, 3 } } } },
    { 'D', { { { 0, 0 }, { 0, 6 }, { 2.4, 6 }, { 4, 4.4 }, { 4, 1.6 }, { 2.4, 0 }, { 0, 0 } } } },
    { 'F', { { { 4, 0 }, { 0, 0 }, { 0, 6 } }, { { 0, 3 }, { 3, 3 } } } },
    { 'G', { { { 4, 1 }, { 3, 0 }, { 1, 0 }, { 0, 1 }, { 0, 5 }, { 1, 6 }, { 3, 6 }, { 4, 5 }, { 4, 3.3 }, { 2.2, 3.3 } } } },
    { 'H', { { { 0, 0 }, { 0, 6 } }, { { 4, 0 }, { 4, 6 } }, { { 0, 3 }, { 4, 3 } } } },
    { 'I', { { { 2, 0 }, { 2, 6 } }, { { 1, 0 }, { 3, 0 } }, { { 1, 6 }, { 3, 6 } } } },
    { 'K', { { { 0, 0 }, { 0, 6 } }, { { 4, 0 }, { 0, 3.6 } }, { { 1.4, 2.5 }, { 4, 6 } } } },
    { 'M', { { { 0, 6 }, { 0, 0 }, { 2, 3.6 }, { 4, 0 }, { 4, 6 } } } },
    { 'O', { { { 1, 0 }, { 3, 0 }, { 4, 1 }, { 4, 5 }, { 3, 6 }, { 1, 6 }, { 0, 5 }, { 0, 1 }, { 1, 0 } } } },
    { 'P', { { { 0, 6 }, { 0, 0 }, { 3, 0 }, { 4, 1 }, { 4, 2 }, { 3, 3 }, { 0, 3 } } } },
    { 'R', { { { 0, 6 }, { 0, 0 }, { 3, 0 }, { 4, 1 }, { 4, 2 }, { 3, 3 }, { 0, 3 } }, { { 2, 3 }, { 4, 6 } } } },
    { 'S', { { { 4, 1 }, { 3, 0 }, { 1, 0 }, { 0, 1 }, { 0, 2 }, { 1, 3 }, { 3, 3 }, { 4, 4 }, { 4, 5 }, { 3, 6 }, { 1, 6 }, { 0, 5 } } } },
    { 'V', { { { 0, 0 }, { 2, 6 }, { 4, 0 } } } },
    { 'W', { { { 0, 0 }, { 0.9, 6 }, { 2, 2.4 }, { 3.1, 6 }, { 4, 0 } } } },
    { '3', { { { 0, 1 }, { 1, 0 }, { 3, 0 }, { 4, 1 }, { 4, 2 }, { 3, 3 }, { 1.6, 3 } }, { { 3, 3 }, { 4, 4 }, { 4, 5 }, { 3, 6 }, { 1, 6 }, { 0, 5 } } } },
    { '4', { { { 3, 6 }, { 3, 0 }, { 0, 4 }, { 4, 4 } } } },
  };
  return glyphs;
}

}  // namespace

void DrawStrokeLabel(TPictureCanvas& C, const String& Text, double CentreX, double Top, double Height, double Weight,
                     TFill Fill) {
  // The lines' round ends reach Weight / 2 beyond the grid, so the grid is that much smaller all round.
  const double unit = (Height - Weight) / GlyphHeight;
  const double width = (Text.size() * GlyphWidth + (Text.size() - 1) * Gap) * unit;
  double left = CentreX - width / 2;
  const double top = Top + Weight / 2;
  for (char c : Text) {
    const auto glyph = Glyphs().find(c);
    if (glyph == Glyphs().end()) throw EAssertionFailed("No stroke letter for '" + String(1, c) + "'");
    for (const TPoints& line : glyph->second) {
      TPoints placed;
      for (const TPointF& p : line) placed.push_back({ left + p.X * unit, top + p.Y * unit });
      C.Stroke(placed, Weight, Fill);
    }
    left += (GlyphWidth + Gap) * unit;
  }
}
