#pragma once
// Line layout shared by every text call, so measuring and drawing always agree: prefix ("&") processing,
// line breaks, tab expansion, word wrapping and ellipses.
#include <string_view>
#include <vector>

#include "platform/gdi/FontFace.h"

/// Where tabs stop, measured from the line's left edge: each of Positions in turn (relative to a tab
/// origin that lies Offset pixels left of the line), then every Interval pixels from that origin.
struct TTabStops {
  std::vector<int> Positions;
  int Interval { 0 };
  int Offset { 0 };

  /// The first stop right of X (X from the line's left edge).
  int Next(int X) const;
};

/// One character of a laid-out line: X from the line's left edge, the pen advance, its glyph and whether
/// a prefix underlines it. Tabs stay in the line with their expanded advance and no glyph.
struct TLaidChar {
  char32_t Code { 0 };
  int X { 0 };
  int Advance { 0 };
  bool Underline { false };
  const TGlyph* Glyph { nullptr };
};

/// A laid-out line; Width is the right edge of its last character (blanks at a wrap point are left out of
/// the line).
struct TTextLine {
  std::vector<TLaidChar> Chars;
  int Width { 0 };
};

/// The lines of a text under a set of DT_* flags (DT_SINGLELINE, DT_WORDBREAK, DT_EXPANDTABS,
/// DT_NOPREFIX, DT_HIDEPREFIX, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS, DT_CALCRECT) for a rectangle Width
/// pixels wide. Line breaks are CR LF, LF CR, LF or CR; other control characters are dropped. Ellipses
/// shorten lines wider than Width, except when measuring (DT_CALCRECT), where the width grows to fit.
class TextLayout {
public:
  TextLayout(const FontFace& Face, std::string_view Text, unsigned Flags, int Width, const TTabStops& Tabs);

  const std::vector<TTextLine>& Lines() const { return FLines; }
  /// The widest line.
  int Width() const;
  /// Lines × the face's cell height.
  int Height() const { return int(FLines.size()) * FFace.Metrics().Height; }

private:
  struct TSourceChar {
    char32_t Code;
    bool Underline;
  };
  using TChars = std::vector<TSourceChar>;

  static TChars Decode(std::string_view Text, unsigned Flags);
  static std::vector<TChars> SplitLines(const TChars& Chars, bool SingleLine);
  void Append(TTextLine& Line, char32_t Code, bool Underline) const;
  void Wrap(const TChars& Chars, int Width);
  void EndEllipsis(TTextLine& Line, int Width) const;
  void PathEllipsis(TTextLine& Line, int Width) const;

  const FontFace& FFace;
  TTabStops FTabs;
  bool FExpandTabs { false };
  std::vector<TTextLine> FLines;
};
