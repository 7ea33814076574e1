#include "platform/gdi/FreeTypeFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

int RoundPx(double Value) { return int(std::lround(Value)); }

// The face's cell in font units: the Windows ascent and descent of the OS/2 table, else the
// horizontal header's.
void CellUnits(FT_Face Face, const TT_OS2* Os2, double& Ascent, double& Descent) {
  if (Os2 && Os2->version != 0xFFFF && Os2->usWinAscent + Os2->usWinDescent > 0) {
    Ascent = Os2->usWinAscent;
    Descent = Os2->usWinDescent;
  } else {
    Ascent = Face->ascender;
    Descent = -Face->descender;
  }
  if (Ascent + Descent <= 0) {
    Ascent = Face->units_per_EM * 0.8;
    Descent = Face->units_per_EM * 0.2;
  }
}

// Metrics of Face scaled as Request asks; Em receives the em size in pixels.
TFaceMetrics ScaledMetrics(FT_Face Face, const TFaceRequest& Request, double& Em) {
  const auto* Os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(Face, FT_SFNT_OS2));
  double CellAscent, CellDescent;
  CellUnits(Face, Os2, CellAscent, CellDescent);
  const double Upem = Face->units_per_EM ? Face->units_per_EM : 2048;
  TFaceMetrics M;
  if (Request.Height > 0) {
    M.Height = Request.Height;
    Em = Request.Height * Upem / (CellAscent + CellDescent);
    M.Ascent = RoundPx(Request.Height * CellAscent / (CellAscent + CellDescent));
    M.Descent = M.Height - M.Ascent;
  } else {
    Em = Request.Height < 0 ? -Request.Height : DefaultFontEmSize;
    M.Ascent = RoundPx(Em * CellAscent / Upem);
    M.Descent = RoundPx(Em * CellDescent / Upem);
    M.Height = M.Ascent + M.Descent;
  }
  const double Scale = Em / Upem;
  M.InternalLeading = std::max(0, M.Height - RoundPx(Em));
  const double LineGap = Face->height - (Face->ascender - Face->descender);
  M.ExternalLeading = std::max(0, RoundPx((LineGap - (CellAscent + CellDescent -
                                                       (Face->ascender - Face->descender))) * Scale));
  M.AveCharWidth = Os2 && Os2->version != 0xFFFF && Os2->xAvgCharWidth > 0
                       ? std::max(1, RoundPx(Os2->xAvgCharWidth * Scale))
                       : std::max(1, RoundPx(Em / 2));
  M.MaxCharWidth = std::max(M.AveCharWidth, RoundPx(Face->max_advance_width * Scale));
  M.Weight = Request.Weight;
  M.Italic = Request.Italic;
  M.FixedPitch = FT_IS_FIXED_WIDTH(Face);
  M.UnderlineThickness = std::max(1, RoundPx(Face->underline_thickness * Scale));
  const int UnderlineCentre = RoundPx(-Face->underline_position * Scale);
  M.UnderlinePos = std::clamp(UnderlineCentre - M.UnderlineThickness / 2, 1,
                              std::max(1, M.Descent - M.UnderlineThickness));
  if (Os2 && Os2->version != 0xFFFF && Os2->yStrikeoutSize > 0) {
    M.StrikeOutThickness = std::max(1, RoundPx(Os2->yStrikeoutSize * Scale));
    M.StrikeOutPos = -RoundPx(Os2->yStrikeoutPosition * Scale);
  } else {
    M.StrikeOutThickness = M.UnderlineThickness;
    M.StrikeOutPos = -M.Ascent / 3;
  }
  return M;
}

}  // namespace

std::shared_ptr<FreeTypeFace> FreeTypeFace::Create(const TFaceRequest& Request) {
  std::shared_ptr<FontFile> Primary = FontFile::Match(Request.Family, Request.Weight, Request.Italic);
  if (!Primary) return nullptr;
  std::shared_ptr<FontFile> Fallback = FontFile::CjkFallback();
  if (Fallback == Primary) Fallback.reset();
  double Em = 0;
  TFaceMetrics Metrics;
  {
    std::lock_guard Guard(Primary->Lock());
    Metrics = ScaledMetrics(Primary->Face(), Request, Em);
  }
  const long CharSize = std::max(1L, long(std::lround(Em * 64)));
  return std::shared_ptr<FreeTypeFace>(new FreeTypeFace(Metrics, CharSize, Primary, Fallback));
}

FreeTypeFace::FreeTypeFace(const TFaceMetrics& Metrics, long CharSize, std::shared_ptr<FontFile> Primary,
                           std::shared_ptr<FontFile> Fallback)
    : FontFace(Metrics), FCharSize(CharSize), FPrimary(std::move(Primary)), FFallback(std::move(Fallback)) {}

TGlyph FreeTypeFace::Render(char32_t C) const {
  TGlyph Glyph;
  if (RenderFrom(*FPrimary, C, false, Glyph)) return Glyph;
  if (FFallback && RenderFrom(*FFallback, C, false, Glyph)) return Glyph;
  RenderFrom(*FPrimary, C, true, Glyph);
  return Glyph;
}

// Renders C from File into Glyph; false when File has no glyph for C (unless MissingAllowed, which draws
// the face's missing-glyph shape) or FreeType fails. Bold and italic are synthesised when the file's own
// style lacks them.
bool FreeTypeFace::RenderFrom(FontFile& File, char32_t C, bool MissingAllowed, TGlyph& Glyph) const {
  std::lock_guard Guard(File.Lock());
  FT_Face Face = File.Face();
  const FT_UInt Index = FT_Get_Char_Index(Face, C);
  if (Index == 0 && !MissingAllowed) return false;
  if (FT_Set_Char_Size(Face, 0, FCharSize, 72, 72) != 0) return false;
  if (FT_Load_Glyph(Face, Index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0) return false;
  FT_GlyphSlot Slot = Face->glyph;
  if (Metrics().Italic && !(Face->style_flags & FT_STYLE_FLAG_ITALIC)) FT_GlyphSlot_Oblique(Slot);
  if (Metrics().Weight >= 600 && !(Face->style_flags & FT_STYLE_FLAG_BOLD)) FT_GlyphSlot_Embolden(Slot);
  if (FT_Render_Glyph(Slot, FT_RENDER_MODE_NORMAL) != 0) return false;
  const FT_Bitmap& Bitmap = Slot->bitmap;
  Glyph.Advance = int((Slot->advance.x + 32) >> 6);
  Glyph.Left = Slot->bitmap_left;
  Glyph.Top = Slot->bitmap_top;
  Glyph.Width = int(Bitmap.width);
  Glyph.Height = int(Bitmap.rows);
  Glyph.Coverage.resize(size_t(Glyph.Width) * Glyph.Height);
  for (int Row = 0; Row < Glyph.Height; ++Row)
    std::memcpy(Glyph.Coverage.data() + size_t(Row) * Glyph.Width, Bitmap.buffer + Row * Bitmap.pitch,
                size_t(Glyph.Width));
  return true;
}
