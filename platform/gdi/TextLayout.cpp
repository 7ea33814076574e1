#include "platform/gdi/TextLayout.h"

#include <algorithm>

#include "platform/base/SysUtils.h"
#include "platform/gdi/Text.h"

namespace {

constexpr char32_t Dot = U'.';

// Blanks end words: a wrap may happen after them, and they are dropped at the wrap point.
bool IsBlank(char32_t C) { return C == U' ' || C == U'\t' || C == 0x3000; }

// Ideographs (and the other scripts written without spaces) may wrap between any two characters.
bool IsIdeograph(char32_t C) {
  return (C >= 0x2E80 && C <= 0x9FFF) || (C >= 0xAC00 && C <= 0xD7AF) || (C >= 0xF900 && C <= 0xFAFF) ||
         (C >= 0xFF00 && C <= 0xFFEF) || (C >= 0x20000 && C <= 0x3FFFF);
}

// Closing punctuation that must not start a line.
bool IsClosingPunctuation(char32_t C) {
  switch (C) {
    case 0x3001: case 0x3002: case 0x300B: case 0x300D: case 0x300F: case 0x3011:
    case 0xFF01: case 0xFF09: case 0xFF0C: case 0xFF0E: case 0xFF1A: case 0xFF1B: case 0xFF1F:
      return true;
    default:
      return false;
  }
}

bool IsLineBreak(char32_t C) { return C == U'\r' || C == U'\n'; }

bool IsDropped(char32_t C) { return (C < 0x20 && C != U'\t' && !IsLineBreak(C)) || C == 0x7F; }

}  // namespace

int TTabStops::Next(int X) const {
  const int FromOrigin = X + Offset;
  for (int P : Positions)
    if (P > FromOrigin) return P - Offset;
  if (Interval <= 0) return X;
  const int Steps = FromOrigin >= 0 ? FromOrigin / Interval + 1 : -((-FromOrigin) / Interval);
  return Steps * Interval - Offset;
}

TextLayout::TextLayout(const FontFace& Face, std::string_view Text, unsigned Flags, int Width,
                       const TTabStops& Tabs)
    : FFace(Face), FTabs(Tabs), FExpandTabs((Flags & DT_EXPANDTABS) != 0) {
  const bool SingleLine = (Flags & DT_SINGLELINE) != 0;
  const bool WordBreak = (Flags & DT_WORDBREAK) != 0 && !SingleLine;
  for (const TChars& Paragraph : SplitLines(Decode(Text, Flags), SingleLine)) {
    if (WordBreak) {
      Wrap(Paragraph, Width);
      continue;
    }
    TTextLine& Line = FLines.emplace_back();
    for (const TSourceChar& C : Paragraph) Append(Line, C.Code, C.Underline);
  }
  if (Flags & DT_CALCRECT) return;
  for (TTextLine& Line : FLines) {
    if (Line.Width <= Width) continue;
    if (Flags & DT_PATH_ELLIPSIS) PathEllipsis(Line, Width);
    else if (Flags & DT_END_ELLIPSIS) EndEllipsis(Line, Width);
  }
}

int TextLayout::Width() const {
  int Widest = 0;
  for (const TTextLine& Line : FLines) Widest = std::max(Widest, Line.Width);
  return Widest;
}

// UTF-8 to characters, with "&" prefixes resolved: "&&" is "&", "&x" underlines x (unless DT_HIDEPREFIX),
// a final lone "&" shows nothing.
TextLayout::TChars TextLayout::Decode(std::string_view Text, unsigned Flags) {
  const bool Prefixes = (Flags & DT_NOPREFIX) == 0;
  const bool ShowUnderline = (Flags & DT_HIDEPREFIX) == 0;
  TChars Chars;
  size_t Index = 0;
  while (Index < Text.size()) {
    char32_t C = ReadCodePoint(Text, Index);
    bool Underline = false;
    if (Prefixes && C == U'&') {
      if (Index >= Text.size()) break;
      C = ReadCodePoint(Text, Index);
      Underline = C != U'&' && ShowUnderline;
    }
    if (!IsDropped(C)) Chars.push_back({ C, Underline });
  }
  return Chars;
}

// Paragraphs between line breaks; CR LF and LF CR count as one break. An empty text has no lines; a text
// ending in a break ends with an empty line. A single line drops the breaks.
std::vector<TextLayout::TChars> TextLayout::SplitLines(const TChars& Chars, bool SingleLine) {
  std::vector<TChars> Lines;
  if (Chars.empty()) return Lines;
  Lines.emplace_back();
  for (size_t I = 0; I < Chars.size(); ++I) {
    const char32_t C = Chars[I].Code;
    if (!IsLineBreak(C)) {
      Lines.back().push_back(Chars[I]);
      continue;
    }
    if (SingleLine) continue;
    if (I + 1 < Chars.size() && IsLineBreak(Chars[I + 1].Code) && Chars[I + 1].Code != C) ++I;
    Lines.emplace_back();
  }
  return Lines;
}

void TextLayout::Append(TTextLine& Line, char32_t Code, bool Underline) const {
  const TGlyph* Glyph = Code == U'\t' ? nullptr : &FFace.Glyph(Code);
  int Advance;
  if (Glyph) Advance = Glyph->Advance;
  else Advance = FExpandTabs ? FTabs.Next(Line.Width) - Line.Width : 0;
  Line.Chars.push_back({ Code, Line.Width, Advance, Underline, Glyph });
  Line.Width += Advance;
}

// Greedy wrapping at Width: lines break after blanks or between ideographs; a word wider than the line
// breaks at the character that no longer fits; every line holds at least one character.
void TextLayout::Wrap(const TChars& Chars, int Width) {
  if (Chars.empty()) {
    FLines.emplace_back();
    return;
  }
  size_t Start = 0;
  while (Start < Chars.size()) {
    TTextLine Line;
    size_t BreakEnd = 0, BreakNext = 0;  // a wrap opportunity: the line ends at BreakEnd
    size_t End = Chars.size(), Next = Chars.size();
    for (size_t I = Start; I < Chars.size(); ++I) {
      const char32_t C = Chars[I].Code;
      const bool Blank = IsBlank(C);
      if (I > Start && !IsBlank(Chars[I - 1].Code)) {
        if (Blank || ((IsIdeograph(C) || IsIdeograph(Chars[I - 1].Code)) && !IsClosingPunctuation(C)))
          BreakEnd = BreakNext = I;
      }
      Append(Line, C, Chars[I].Underline);
      if (Line.Width <= Width || I == Start) continue;
      if (Blank) {
        End = Next = I;
      } else if (BreakEnd > Start) {
        End = BreakEnd;
        Next = BreakNext;
      } else {
        End = Next = I;
      }
      break;
    }
    while (Next < Chars.size() && IsBlank(Chars[Next].Code)) ++Next;
    while (End > Start && End < Chars.size() && IsBlank(Chars[End - 1].Code)) --End;
    Line.Chars.resize(End - Start);
    Line.Width = Line.Chars.empty() ? 0 : Line.Chars.back().X + Line.Chars.back().Advance;
    FLines.push_back(std::move(Line));
    Start = Next;
  }
}

// Cuts the end of the line and appends "..." so that it fits Width (only "..." when nothing fits).
void TextLayout::EndEllipsis(TTextLine& Line, int Width) const {
  const int Room = Width - 3 * FFace.Advance(Dot);
  size_t Keep = Line.Chars.size();
  while (Keep > 0 && Line.Chars[Keep - 1].X + Line.Chars[Keep - 1].Advance > Room) --Keep;
  Line.Chars.resize(Keep);
  Line.Width = Keep ? Line.Chars.back().X + Line.Chars.back().Advance : 0;
  for (int I = 0; I < 3; ++I) Append(Line, Dot, false);
}

// Keeps the last "/" component and replaces the end of what precedes it with "...", as much as needed to
// fit Width; without a folder part it falls back to an end ellipsis.
void TextLayout::PathEllipsis(TTextLine& Line, int Width) const {
  size_t Slash = Line.Chars.size();
  while (Slash > 0 && Line.Chars[Slash - 1].Code != U'/') --Slash;
  if (Slash <= 1) {
    EndEllipsis(Line, Width);
    return;
  }
  const size_t TailStart = Slash - 1;
  for (size_t Keep = TailStart; Keep-- > 0;) {
    TTextLine Candidate;
    for (size_t I = 0; I < Keep; ++I) Append(Candidate, Line.Chars[I].Code, Line.Chars[I].Underline);
    for (int I = 0; I < 3; ++I) Append(Candidate, Dot, false);
    for (size_t I = TailStart; I < Line.Chars.size(); ++I)
      Append(Candidate, Line.Chars[I].Code, Line.Chars[I].Underline);
    if (Candidate.Width <= Width || Keep == 0) {
      Line = std::move(Candidate);
      return;
    }
  }
}
