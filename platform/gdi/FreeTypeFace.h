#pragma once
// A face of an installed font, scaled to the window system's height convention and rendered with
// grayscale anti-aliasing by FreeType.
#include <memory>

#include "platform/gdi/FontFace.h"
#include "platform/gdi/FontFile.h"

/// An installed face. Glyphs the face lacks come from the CJK fallback face at the same em size on the
/// same baseline; bold and italic are synthesised when the matched face lacks them.
class FreeTypeFace : public FontFace {
public:
  /// The face fontconfig matches for Request, or null when no scalable font is installed.
  static std::shared_ptr<FreeTypeFace> Create(const TFaceRequest& Request);

protected:
  TGlyph Render(char32_t C) const override;

private:
  FreeTypeFace(const TFaceMetrics& Metrics, long CharSize, std::shared_ptr<FontFile> Primary,
               std::shared_ptr<FontFile> Fallback);
  bool RenderFrom(FontFile& File, char32_t C, bool MissingAllowed, TGlyph& Glyph) const;

  long FCharSize { 0 };  // em size in 26.6 pixels
  std::shared_ptr<FontFile> FPrimary;
  std::shared_ptr<FontFile> FFallback;
};
