#include "skin/core/skGlyphText.h"

#include <functional>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skUtils.h"

namespace {

// What differs between the face painters: the glyph, how the caption's lines are aligned, and the
// colour marker's block without glyph and caption.
struct TFace {
  TSize GlyphSize;
  std::function<void(int X, int Y)> DrawGlyph;
  bool ClearBrushWithoutCaption { true };
  unsigned LineAlignment { DT_CENTER };
  bool BlockFollowsDown { false };
};

void Marker(TCanvas* Canvas, TColor Color, int Left, int Right, int Row) {
  Canvas->Pen()->SetColor(Color);
  Canvas->MoveTo(Left, Row);
  Canvas->LineTo(Right, Row);
}

void DrawFace(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TskButtonLayout Layout,
              const String& Caption, const TFace& Face, bool ADown, bool DrawColorMarker, TColor ColorMarkerValue) {
  const int GW = Face.GlyphSize.cx, GH = Face.GlyphSize.cy;
  const bool Beside = Layout == blGlyphLeft || Layout == blGlyphRight;
  TRect Extent;
  if (!Caption.empty()) {
    Extent = { 0, 0, RectWidth(R) - (Beside ? GW : 0), RectHeight(R) - (Beside ? 0 : GH) };
    DrawTextWide(Canvas, Caption, Extent, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
  }
  const int TW = RectWidth(Extent), TH = RectHeight(Extent);
  if (Face.ClearBrushWithoutCaption || !Caption.empty())
    Canvas->Brush()->SetStyle(bsClear);
  int GX, GY, TX, TY;
  CalcGlyphTextLayout(Layout, R, GW, GH, TW, TH, Spacing, Margin, GX, GY, TX, TY);
  if (ADown) {
    ++GX, ++GY, ++TX, ++TY;
  }
  TRect TextRect { TX, TY, TX + TW + 2, TY + TH };
  if (!Caption.empty()) {
    if (Canvas->Font()->Height() % 2 != 0)
      --TextRect.Top;
    TRect Drawn = TextRect;
    DrawTextWide(Canvas, Caption, Drawn, DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | Face.LineAlignment);
  }
  if (GW > 0) {
    Face.DrawGlyph(GX, GY);
    if (DrawColorMarker)
      for (int Row = GY + GH - 2; Row <= GY + GH; ++Row)
        Marker(Canvas, ColorMarkerValue, GX, GX + GW, Row);
  } else if (DrawColorMarker && !Caption.empty()) {
    for (int Row = TextRect.Bottom - 1; Row <= TextRect.Bottom + 1; ++Row)
      Marker(Canvas, ColorMarkerValue, TextRect.Left, TextRect.Right, Row);
  } else if (DrawColorMarker) {
    const int Shift = Face.BlockFollowsDown && ADown ? 1 : 0;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(ColorMarkerValue);
    Canvas->FillRect(TRect { R.Left + 4, R.Top + 4 + Shift, R.Right - 2, R.Bottom - 4 + Shift });
  }
}

void DrawImageFace(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TskButtonLayout Layout,
                   const String& Caption, int ImageIndex, TCustomImageList* Images, bool ADown, bool AEnabled,
                   bool DrawColorMarker, TColor ColorMarkerValue, unsigned LineAlignment) {
  TFace Face;
  if (Images && ImageIndex >= 0 && ImageIndex < Images->Count())
    Face.GlyphSize = { Images->Width(), Images->Height() };
  Face.DrawGlyph = [&](int X, int Y) { Images->Draw(Canvas, X, Y, ImageIndex, AEnabled); };
  Face.LineAlignment = LineAlignment;
  DrawFace(Canvas, R, Margin, Spacing, Layout, Caption, Face, ADown, DrawColorMarker, ColorMarkerValue);
}

}  // namespace

void CalcGlyphTextLayout(TskButtonLayout Layout, const TRect& R, int GlyphWidth, int GlyphHeight, int TextWidth,
                         int TextHeight, int Spacing, int Margin, int& GlyphX, int& GlyphY, int& TextX, int& TextY) {
  const int CX = R.Left + RectWidth(R) / 2, CY = R.Top + RectHeight(R) / 2;
  if (GlyphWidth == 0)
    Spacing = 0;
  if (Margin == -1) {
    const int HW = (TextWidth + GlyphWidth + Spacing) / 2, HH = (TextHeight + GlyphHeight + Spacing) / 2;
    switch (Layout) {
      case blGlyphLeft:
        GlyphX = CX - HW, GlyphY = CY - GlyphHeight / 2, TextX = CX + HW - TextWidth, TextY = CY - TextHeight / 2;
        break;
      case blGlyphRight:
        TextX = CX - HW, TextY = CY - TextHeight / 2, GlyphX = CX + HW - GlyphWidth, GlyphY = CY - GlyphHeight / 2;
        break;
      case blGlyphTop:
        GlyphX = CX - GlyphWidth / 2, GlyphY = CY - HH, TextX = CX - TextWidth / 2, TextY = CY + HH - TextHeight;
        break;
      case blGlyphBottom:
        TextX = CX - TextWidth / 2, TextY = CY - HH, GlyphX = CX - GlyphWidth / 2, GlyphY = CY + HH - GlyphHeight;
        break;
    }
    return;
  }
  switch (Layout) {
    case blGlyphLeft:
      GlyphX = R.Left + Margin, GlyphY = CY - GlyphHeight / 2;
      TextX = GlyphX + GlyphWidth + Spacing, TextY = CY - TextHeight / 2;
      break;
    case blGlyphRight:
      GlyphX = R.Right - GlyphWidth - Margin, GlyphY = CY - GlyphHeight / 2;
      TextX = GlyphX - Spacing - TextWidth, TextY = CY - TextHeight / 2;
      break;
    case blGlyphTop:
      GlyphY = R.Top + Margin, GlyphX = CX - GlyphWidth / 2;
      TextY = GlyphY + GlyphHeight + Spacing, TextX = CX - TextWidth / 2;
      break;
    case blGlyphBottom:
      GlyphY = R.Bottom - GlyphHeight - Margin, GlyphX = CX - GlyphWidth / 2;
      TextY = GlyphY - Spacing - TextHeight, TextX = CX - TextWidth / 2;
      break;
  }
}

void DrawImageAndText(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TskButtonLayout Layout,
                      const String& Caption, int ImageIndex, TCustomImageList* Images, bool ADown, bool AEnabled,
                      bool DrawColorMarker, TColor ColorMarkerValue) {
  DrawImageFace(Canvas, R, Margin, Spacing, Layout, Caption, ImageIndex, Images, ADown, AEnabled, DrawColorMarker,
                ColorMarkerValue, DT_CENTER);
}

void DrawImageAndTextLeft(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TskButtonLayout Layout,
                          const String& Caption, int ImageIndex, TCustomImageList* Images, bool ADown,
                          bool AEnabled, bool DrawColorMarker, TColor ColorMarkerValue) {
  DrawImageFace(Canvas, R, Margin, Spacing, Layout, Caption, ImageIndex, Images, ADown, AEnabled, DrawColorMarker,
                ColorMarkerValue, DT_LEFT);
}

void DrawGlyphAndText(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TskButtonLayout Layout,
                      const String& Caption, TBitmap* Glyph, TskNumGlyphs NumGlyphs, int GlyphIndex, bool ADown,
                      bool DrawColorMarker, TColor ColorMarkerValue) {
  TFace Face;
  if (Glyph && !Glyph->Empty() && NumGlyphs >= 1)
    Face.GlyphSize = { Glyph->Width() / NumGlyphs, Glyph->Height() };
  Face.DrawGlyph = [&](int X, int Y) { DrawGlyphFromStrip(Canvas, X, Y, Glyph, NumGlyphs, GlyphIndex); };
  Face.ClearBrushWithoutCaption = false;
  Face.BlockFollowsDown = true;
  DrawFace(Canvas, R, Margin, Spacing, Layout, Caption, Face, ADown, DrawColorMarker, ColorMarkerValue);
}

void DrawGlyphFromStrip(TCanvas* Canvas, int X, int Y, TBitmap* Glyph, TskNumGlyphs NumGlyphs, int Index) {
  if (!Glyph || Glyph->Empty() || NumGlyphs < 1)
    return;
  const int W = Glyph->Width() / NumGlyphs, H = Glyph->Height();
  if (W <= 0)
    return;
  TBitmap Image;
  Image.SetSize(W, H);
  Image.Canvas()->CopyRect(TRect { 0, 0, W, H }, Glyph->Canvas(), TRect { W * (Index - 1), 0, W * Index, H });
  Image.SetTransparent(true);
  Canvas->Draw(X, Y, &Image);
}
