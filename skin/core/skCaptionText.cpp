#include "skin/core/skCaptionText.h"

#include <functional>

#include "platform/base/SysUtils.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "skin/core/skUtils.h"

namespace {

bool OddFontHeight(TCanvas* Canvas) { return Canvas->Font()->Height() % 2 != 0; }

// R with the odd-height correction applied.
TRect Corrected(TCanvas* Canvas, TRect R) {
  if (OddFontHeight(Canvas))
    --R.Top;
  return R;
}

void DrawLine(TCanvas* Canvas, const String& Text, TRect R, unsigned Format, bool WiderForW) {
  if (Text.empty())
    return;
  if (WiderForW && Text[0] == 'W')
    R.Right += 2;
  R = Corrected(Canvas, R);
  DrawTextWide(Canvas, Text, R, DT_SINGLELINE | DT_VCENTER | Format);
}

void Shorten(String& Text, int MaxWidth, const std::function<int(const String&)>& Width) {
  if (Width(Text) <= MaxWidth)
    return;
  while (!Text.empty() && Width(Text + "...") > MaxWidth)
    Text.erase(PrevCodePointStart(Text, Text.size()));
  Text += "...";
}

// The text with every word too wide for MaxWidth broken (an inserted blank) or cut ("..." and the rest of
// the word dropped).
String Wrapped(TCanvas* Canvas, const String& Text, int MaxWidth, bool BreakWords) {
  String Result, Word;
  bool Dropping = false;
  for (size_t I = 0; I < Text.size();) {
    const size_t Start = I;
    ReadCodePoint(Text, I);
    const String C = Text.substr(Start, I - Start);
    if (C == " ") {
      Result += C;
      Word.clear();
      Dropping = false;
    } else if (Dropping) {
      continue;
    } else if (GetTextWidthW(Canvas, Word + C) <= MaxWidth) {
      Result += C;
      Word += C;
    } else if (BreakWords) {
      Result += " " + C;
      Word = C;
    } else {
      if (CodePointCount(Result) > 3) {
        size_t Cut = Result.size();
        for (int K = 0; K < 3; ++K)
          Cut = PrevCodePointStart(Result, Cut);
        Result = Result.substr(0, Cut) + "...";
      }
      Result += " ";
      Dropping = true;
    }
  }
  return Result;
}

void DrawClipped(TCanvas* Canvas, const String& Text, const TRect& R, int Indent) {
  if (Text.empty())
    return;
  int Y = R.Top + RectHeight(R) / 2 - Canvas->TextHeight(Text) / 2;
  if (OddFontHeight(Canvas))
    --Y;
  Canvas->TextRect(R, R.Left + Indent + 2, Y, Text);
}

}  // namespace

int DrawTextWide(TCanvas* Canvas, const String& Text, TRect& R, unsigned Format) {
  return DrawTextW(Canvas->Handle(), Text, R, Format);
}

int GetTextWidthW(TCanvas* Canvas, const String& Text) {
  TRect R;
  DrawTextWide(Canvas, Text, R, DT_CALCRECT);
  return RectWidth(R);
}

int GetTextHeightW(TCanvas* Canvas, const String& Text) {
  TRect R;
  DrawTextWide(Canvas, Text, R, DT_CALCRECT);
  return RectHeight(R);
}

void ShortenTextW(TCanvas* Canvas, String& Text, int MaxWidth) {
  Shorten(Text, MaxWidth, [Canvas](const String& S) { return GetTextWidthW(Canvas, S); });
}

void ShortenText(TCanvas* Canvas, String& Text, int MaxWidth) {
  Shorten(Text, MaxWidth, [Canvas](const String& S) { return Canvas->TextWidth(S); });
}

void DrawCenteredCaption(TCanvas* Canvas, const String& Text, const TRect& R) { DrawLine(Canvas, Text, R, DT_CENTER, true); }

void DrawLeftCaption(TCanvas* Canvas, const String& Text, const TRect& R) { DrawLine(Canvas, Text, R, 0, true); }

void DrawLeftText(TCanvas* Canvas, const String& Text, const TRect& R) { DrawLine(Canvas, Text, R, 0, false); }

void DrawAlignedText(TCanvas* Canvas, const String& Text, const TRect& R, TAlignment Alignment) {
  DrawLine(Canvas, Text, R, Alignment == taRightJustify ? DT_RIGHT : Alignment == taCenter ? DT_CENTER : 0, false);
}

void DrawWrappedText(TCanvas* Canvas, const String& Text, const TRect& R, bool BreakWords) {
  if (Text.empty())
    return;
  TRect Area = Corrected(Canvas, R);
  DrawTextWide(Canvas, Wrapped(Canvas, Text, RectWidth(R), BreakWords), Area, DT_WORDBREAK | DT_CENTER);
}

void DrawClippedText(TCanvas* Canvas, const String& Text, const TRect& R) { DrawClipped(Canvas, Text, R, 0); }

void DrawClippedTextIndent(TCanvas* Canvas, const String& Text, const TRect& R, int Indent) {
  DrawClipped(Canvas, Text, R, Indent);
}
