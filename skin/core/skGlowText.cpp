#include "skin/core/skGlowText.h"

#include <algorithm>
#include <initializer_list>

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/skUtils.h"

namespace {

// The text rectangle R moved by (DX, DY).
TRect Moved(const TRect& R, int DX, int DY) { return { R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY }; }

// A transparent black working bitmap of W x H with the target's font in pure red and a clear brush; false
// when the size leaves no pixels.
bool PrepareEffect(TskBitmap& Effect, TCanvas* Target, int W, int H) {
  if (W <= 0 || H <= 0)
    return false;
  Effect.SetSize(W, H);
  Effect.Clear(0);
  TCanvas* C = Effect.Canvas();
  C->Font()->Assign(Target->Font());
  C->Font()->SetColor(RGB(255, 0, 0));
  C->Brush()->SetStyle(bsClear);
  return true;
}

void RedText(TskBitmap& Effect, const String& Text, TRect R, unsigned Format) {
  DrawTextW(Effect.Canvas()->Handle(), Text, R, Format);
}

void BlendOnto(TskBitmap& Effect, TCanvas* Target, int X, int Y) {
  Effect.SetAlphaBlend(true);
  Effect.Draw(Target, X, Y);
}

// Every pixel becomes Color with its red as alpha; the bitmap is then blended onto Target at (X, Y).
void BlendAsEffect(TskBitmap& Effect, TColor Color, TCanvas* Target, int X, int Y) {
  const TskColor Rgb = ColorToBsColor(Color) & 0x00FFFFFFu;
  for (int Row = 0; Row < Effect.Height(); ++Row) {
    TskColor* P = Effect.ScanLine(Row);
    for (int Col = 0; Col < Effect.Width(); ++Col)
      P[Col] = (P[Col] >> 16 & 0xFF) << 24 | Rgb;
  }
  BlendOnto(Effect, Target, X, Y);
}

void FinalText(TCanvas* Target, const String& Text, TRect R, unsigned Format) {
  Target->Brush()->SetStyle(bsClear);
  DrawTextW(Target->Handle(), Text, R, Format);
}

struct TOffset {
  int DX, DY;
};

// The shared steps of the glow painters: Shapes draws into the red bitmap, whose inner rectangle (the text
// rectangle at the margin) it is given.
template <class TShapes>
void Glow(TCanvas* Canvas, const TRect& R, const String& Text, unsigned Format, TColor Color, int Margin,
          int Radius, int Passes, TOffset At, TShapes&& Shapes) {
  TskBitmap Effect;
  if (PrepareEffect(Effect, Canvas, RectWidth(R) + 2 * Margin, RectHeight(R) + 2 * Margin)) {
    const TRect Inner { Margin, Margin, Effect.Width() - Margin, Effect.Height() - Margin };
    Shapes(Effect, Inner);
    for (int I = 0; I < Passes; ++I)
      StackBlurBitmap(&Effect, Radius);
    BlendAsEffect(Effect, Color, Canvas, R.Left + At.DX - Margin, R.Top + At.DY - Margin);
  }
  FinalText(Canvas, Text, R, Format);
}

// The Vista patches: the patch in red, then the text smeared about its place.
void Patch(TskBitmap& Effect, const TRect& PatchRect, const String& Text, const TRect& Inner, unsigned Format) {
  Effect.FillRect(PatchRect, 0xFFFF0000);
  for (const TOffset O : { TOffset { -1, -1 }, { -2, -2 }, { -1, 0 }, { -2, 0 }, { 1, 0 }, { 2, 0 }, { 1, 1 }, { 2, 2 }, { 0, 0 } })
    RedText(Effect, Text, Moved(Inner, O.DX, O.DY), Format);
}

}  // namespace

void DrawGlowText(TCanvas* Canvas, const TRect& R, const String& Text, unsigned Format, int GlowOffset,
                  TColor GlowColor, int GlowSize) {
  const int Size = std::max(GlowSize, 0);
  Glow(Canvas, R, Text, Format, GlowColor, Size, Size, 1, { GlowOffset, GlowOffset },
       [&](TskBitmap& Effect, const TRect& Inner) { RedText(Effect, Text, Inner, Format); });
}

void DrawStrongGlowText(TCanvas* Canvas, const TRect& R, const String& Text, unsigned Format, int GlowOffset,
                        TColor GlowColor, int GlowSize) {
  const int Size = std::max(GlowSize, 0);
  Glow(Canvas, R, Text, Format, GlowColor, Size, Size, 1, { GlowOffset, GlowOffset },
       [&](TskBitmap& Effect, const TRect& Inner) {
         for (const TOffset O : { TOffset { 0, 0 }, { -1, 0 }, { 1, 0 }, { 0, -1 }, { 0, 1 } })
           RedText(Effect, Text, Moved(Inner, O.DX, O.DY), Format);
       });
}

void DrawSmallVistaGlowText(TCanvas* Canvas, const TRect& R, const String& Text, unsigned Format, TColor GlowColor) {
  Glow(Canvas, R, Text, Format, GlowColor, 10, 5, 2, { 0, 0 }, [&](TskBitmap& Effect, const TRect& Inner) {
    Patch(Effect, TRect { Inner.Left + 3, Inner.Top + 3, Inner.Right - 3, Inner.Bottom - 3 }, Text, Inner, Format);
  });
}

void DrawVistaGlowText(TCanvas* Canvas, const TRect& R, const String& Text, unsigned Format, TColor GlowColor) {
  Glow(Canvas, R, Text, Format, GlowColor, 12, 6, 2, { 0, 0 }, [&](TskBitmap& Effect, const TRect& Inner) {
    Patch(Effect, TRect { Inner.Left - 3, Inner.Top + 2, Inner.Right + 3, Inner.Bottom - 2 }, Text, Inner, Format);
  });
}

void DrawReflectionText(TCanvas* Canvas, const TRect& R, const String& Text, unsigned Format, int ReflectionOffset,
                        TColor ReflectionColor) {
  const int W = RectWidth(R), H = RectHeight(R);
  TskBitmap Effect;
  if (PrepareEffect(Effect, Canvas, W, H)) {
    RedText(Effect, Text, TRect { 0, 0, W, H }, Format);
    TRect Extent { 0, 0, W, H };
    DrawTextW(Effect.Canvas()->Handle(), Text, Extent, Format | DT_CALCRECT);
    const int T = Extent.Top, B = Extent.Bottom, TH = B - T;
    if (TH > 0) {
      // The bottom row of the text keeps 70 % of its strength; the fade reaches nothing higher up.
      const TskColor Rgb = ColorToBsColor(ReflectionColor) & 0x00FFFFFFu;
      for (int Row = 0; Row < H; ++Row) {
        TskColor* P = Effect.ScanLine(Row);
        const double K = 0.7 - double(B + T - Row) / (B - T);
        for (int Col = 0; Col < W; ++Col) {
          const int Alpha = Row < T || Row > B ? 0 : std::max(0, int((P[Col] >> 16 & 0xFF) * K));
          P[Col] = TskColor(Alpha) << 24 | Rgb;
        }
      }
      Effect.FlipVert();
      BlendOnto(Effect, Canvas, R.Left, R.Top + RectHeight(Extent) + TH + ReflectionOffset - H);
    }
  }
  FinalText(Canvas, Text, R, Format);
}
