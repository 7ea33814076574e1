#pragma once
// A typeface at one pixel size and style: its metrics and its rendered glyphs. Faces are shared through a
// process-wide cache, so every font object asking for the same family, height and style draws from one
// glyph cache; they are safe to use from any thread.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/GlyphCache.h"

/// What a font asks of its face. Underline and strike-out are lines the text layer draws, so they are not
/// part of it. Height follows the window system: > 0 is the cell height (ascent + descent, internal leading
/// included), < 0 is the em size, 0 asks for the default size.
struct TFaceRequest {
  String Family;
  int Height { 0 };
  int Weight { 400 };
  bool Italic { false };
  friend bool operator==(const TFaceRequest&, const TFaceRequest&) = default;
};

/// Metrics of a sized face in pixels. Height = Ascent + Descent is the cell height; InternalLeading is
/// the part of the cell above the em square. Line positions are rows relative to the baseline (positive
/// below it) of the line's top row.
struct TFaceMetrics {
  int Height { 0 };
  int Ascent { 0 };
  int Descent { 0 };
  int InternalLeading { 0 };
  int ExternalLeading { 0 };
  int AveCharWidth { 0 };
  int MaxCharWidth { 0 };
  int Weight { 400 };
  bool Italic { false };
  bool FixedPitch { false };
  int UnderlinePos { 1 };
  int UnderlineThickness { 1 };
  int StrikeOutPos { 0 };
  int StrikeOutThickness { 1 };
};

/// A sized face; Glyph renders each code point once and keeps it.
class FontFace {
public:
  virtual ~FontFace() = default;

  /// The face for Request from the process-wide cache, never null: the deterministic test face while
  /// UseTestFontFace is on, else the installed face fontconfig matches.
  static std::shared_ptr<FontFace> Get(const TFaceRequest& Request);

  const TFaceMetrics& Metrics() const { return FMetrics; }
  /// The glyph of C; the reference stays valid as long as the face.
  const TGlyph& Glyph(char32_t C) const {
    return FGlyphs.Find(C, [this](char32_t Code) { return Render(Code); });
  }
  int Advance(char32_t C) const { return Glyph(C).Advance; }

protected:
  explicit FontFace(const TFaceMetrics& Metrics) : FMetrics(Metrics) {}
  /// Renders one glyph; called at most a few times per code point (once per racing thread).
  virtual TGlyph Render(char32_t C) const = 0;

private:
  TFaceMetrics FMetrics;
  mutable GlyphCache FGlyphs;
};

/// Makes every font resolve to the deterministic test face (On) or to the installed faces again. Layout
/// tests switch it on so their figures do not depend on the fonts of the machine.
void UseTestFontFace(bool On);
/// True while the test face is in use.
bool TestFontFaceInUse();

/// The em size a request with Height 0 gets.
inline constexpr int DefaultFontEmSize = 12;
