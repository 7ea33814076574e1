#pragma once
// The deterministic face used by layout tests: fixed advances and metrics derived from the requested
// height alone, every visible glyph a filled box.
#include "platform/gdi/FontFace.h"

/// Test face. Em size: −Height for Height < 0, else round(Height × 20 / 23); cell: Height for Height > 0,
/// else round(em × 0.9) + round(em × 0.25); ascent round(cell × 18 / 23) for Height > 0. Every code point
/// advances max(1, round(0.6 × em)); a blank (space, no-break space, ideographic space) draws nothing,
/// any other glyph is a box one column narrower than its advance filling the ascent above the baseline.
/// Underlines lie one row below the baseline.
class TestFontFace : public FontFace {
public:
  explicit TestFontFace(const TFaceRequest& Request);

protected:
  TGlyph Render(char32_t C) const override;
};
