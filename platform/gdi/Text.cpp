#include "platform/gdi/Text.h"

#include <algorithm>
#include <climits>

#include "platform/base/SysUtils.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/TFontObject.h"
#include "platform/gdi/TextLayout.h"

namespace {

constexpr int DefaultTabChars = 8;
constexpr TRect Unlimited { INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2 };

bool IsDC(HDC DC) {
  return GdiObject::IsLive(DC) && (DC->ObjectType() == OBJ_DC || DC->ObjectType() == OBJ_MEMDC);
}

TFontObject& FontOf(const DeviceContext& DC) {
  TFontObject* Font = DC.Font();
  return Font ? *Font : TFontObject::Default();
}

// Draws what the text layer draws of one font: glyphs, prefix and font underlines, strike-out and the
// opaque cell background, all limited to a surface rectangle besides the DC's own clip.
class LinePainter {
public:
  LinePainter(DeviceContext& DC, const TFontObject& Font, const FontFace& Face, const TRect* Clip)
      : FDC(DC), FFont(Font.LogFont()), FMetrics(Face.Metrics()),
        FLimit(Clip ? DC.LogicalToSurface(*Clip) : Unlimited), FColor(ColorToRGB(DC.TextColor())) {}

  void Fill(const TRect& SurfaceRect, TColor Color) {
    const TRect R = SurfaceRect.Intersection(FLimit);
    if (!R.IsEmpty()) FDC.FillSolid(R, ColorToRGB(Color));
  }

  /// The line whose cell's top-left is at logical (X, Y).
  void Draw(int X, int Y, const TTextLine& Line, bool Opaque) {
    if (!FDC.Target()) return;
    const TPoint Origin = FDC.LogicalToSurface(TPoint { X, Y });
    const int Baseline = Origin.Y + FMetrics.Ascent;
    if (Opaque) Fill({ Origin.X, Origin.Y, Origin.X + Line.Width, Origin.Y + FMetrics.Height }, FDC.BkColor());
    for (const TLaidChar& C : Line.Chars) {
      if (C.Glyph) Blend(Origin.X + C.X, Baseline, *C.Glyph);
      if (C.Underline && !FFont.lfUnderline) Underline(Origin.X + C.X, Origin.X + C.X + C.Advance, Baseline);
    }
    if (FFont.lfUnderline) Underline(Origin.X, Origin.X + Line.Width, Baseline);
    if (FFont.lfStrikeOut)
      Fill({ Origin.X, Baseline + FMetrics.StrikeOutPos, Origin.X + Line.Width,
             Baseline + FMetrics.StrikeOutPos + FMetrics.StrikeOutThickness },
           FColor);
  }

private:
  void Blend(int PenX, int Baseline, const TGlyph& G) {
    const TRect Box { PenX + G.Left, Baseline - G.Top, PenX + G.Left + G.Width, Baseline - G.Top + G.Height };
    const TRect R = Box.Intersection(FLimit);
    if (R.IsEmpty()) return;
    const uint8_t* Mask = G.Coverage.data() + size_t(R.Top - Box.Top) * G.Width + (R.Left - Box.Left);
    FDC.BlendCoverage(R.Left, R.Top, Mask, R.Width(), R.Height(), G.Width, FColor);
  }

  void Underline(int X1, int X2, int Baseline) {
    const int Top = Baseline + FMetrics.UnderlinePos;
    Fill({ X1, Top, X2, Top + FMetrics.UnderlineThickness }, FColor);
  }

  DeviceContext& FDC;
  const LOGFONT& FFont;
  const TFaceMetrics& FMetrics;
  TRect FLimit;
  TColor FColor;
};

// Horizontal start of a line in Box by the alignment flags; translation-invariant rounding.
int AlignedLeft(const TRect& Box, int LineWidth, unsigned Format) {
  if (Format & DT_CENTER) return Box.Left + (Box.Width() - LineWidth) / 2;
  if (Format & DT_RIGHT) return Box.Right - LineWidth;
  return Box.Left;
}

// One line as TextOut and TabbedTextOut draw it, at (X, Y), with an optional clip and opaque rectangle.
TSize DrawSingleLine(DeviceContext& DC, int X, int Y, std::string_view Text, unsigned Format,
                     const TTabStops& Tabs, const TRect* Clip, const TRect* OpaqueRect) {
  TFontObject& Font = FontOf(DC);
  const std::shared_ptr<FontFace> Face = Font.Face();
  const TextLayout Layout(*Face, Text, Format | DT_SINGLELINE | DT_NOPREFIX, INT_MAX / 2, Tabs);
  LinePainter Painter(DC, Font, *Face, Clip);
  if (OpaqueRect && DC.Target()) DC.FillSolid(DC.LogicalToSurface(*OpaqueRect), ColorToRGB(DC.BkColor()));
  if (!Layout.Lines().empty()) Painter.Draw(X, Y, Layout.Lines().front(), DC.BkMode() == OPAQUE);
  return { Layout.Width(), Face->Metrics().Height };
}

}  // namespace

bool TextOut(HDC DC, int X, int Y, std::string_view Text) { return ExtTextOut(DC, X, Y, 0, nullptr, Text); }

bool ExtTextOut(HDC DC, int X, int Y, unsigned Options, const TRect* Rect, std::string_view Text) {
  if (!IsDC(DC)) return false;
  const TRect* Clip = (Options & ETO_CLIPPED) ? Rect : nullptr;
  const TRect* OpaqueRect = (Options & ETO_OPAQUE) ? Rect : nullptr;
  DrawSingleLine(*DC, X, Y, Text, 0, TTabStops {}, Clip, OpaqueRect);
  return true;
}

bool GetTextExtentPoint32(HDC DC, std::string_view Text, TSize& Size) {
  if (!IsDC(DC)) return false;
  const std::shared_ptr<FontFace> Face = FontOf(*DC).Face();
  const TextLayout Layout(*Face, Text, DT_SINGLELINE | DT_NOPREFIX, INT_MAX / 2, TTabStops {});
  Size = { Layout.Width(), Face->Metrics().Height };
  return true;
}

bool GetTextMetrics(HDC DC, TEXTMETRIC& Metrics) {
  if (!IsDC(DC)) return false;
  const TFontObject& Font = FontOf(*DC);
  const TFaceMetrics& M = Font.Face()->Metrics();
  const LOGFONT& L = Font.LogFont();
  Metrics = TEXTMETRIC {};
  Metrics.tmHeight = M.Height;
  Metrics.tmAscent = M.Ascent;
  Metrics.tmDescent = M.Descent;
  Metrics.tmInternalLeading = M.InternalLeading;
  Metrics.tmExternalLeading = M.ExternalLeading;
  Metrics.tmAveCharWidth = M.AveCharWidth;
  Metrics.tmMaxCharWidth = M.MaxCharWidth;
  Metrics.tmWeight = M.Weight;
  Metrics.tmItalic = L.lfItalic ? 1 : 0;
  Metrics.tmUnderlined = L.lfUnderline ? 1 : 0;
  Metrics.tmStruckOut = L.lfStrikeOut ? 1 : 0;
  Metrics.tmPitchAndFamily = uint8_t((M.FixedPitch ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR | TMPF_TRUETYPE);
  Metrics.tmCharSet = L.lfCharSet;
  return true;
}

int DrawText(HDC DC, std::string_view Text, TRect& Rect, unsigned Format) {
  return DrawTextEx(DC, Text, Rect, Format, nullptr);
}

int DrawTextEx(HDC DC, std::string_view Text, TRect& Rect, unsigned Format, DRAWTEXTPARAMS* Params) {
  if (!IsDC(DC)) return 0;
  TFontObject& Font = FontOf(*DC);
  const std::shared_ptr<FontFace> Face = Font.Face();
  const TFaceMetrics& M = Face->Metrics();
  TRect Box = Rect;
  TTabStops Tabs;
  Tabs.Interval = DefaultTabChars * M.AveCharWidth;
  if (Params) {
    Box.Left += Params->iLeftMargin;
    Box.Right -= Params->iRightMargin;
    if (Params->iTabLength > 0) Tabs.Interval = Params->iTabLength * M.AveCharWidth;
    Params->uiLengthDrawn = unsigned(CodePointCount(Text));
  }
  const TextLayout Layout(*Face, Text, Format, Box.Width(), Tabs);
  const int Height = Layout.Height();
  if (Format & DT_CALCRECT) {
    Rect.Right = Box.Left + Layout.Width() + (Params ? Params->iRightMargin : 0);
    Rect.Bottom = Rect.Top + Height;
    return Height;
  }
  int Top = Box.Top;
  if (Format & DT_SINGLELINE) {
    if (Format & DT_VCENTER) Top = Box.Top + (Box.Height() - Height) / 2;
    else if (Format & DT_BOTTOM) Top = Box.Bottom - Height;
  }
  LinePainter Painter(*DC, Font, *Face, (Format & DT_NOCLIP) ? nullptr : &Rect);
  const bool Opaque = DC->BkMode() == OPAQUE;
  for (const TTextLine& Line : Layout.Lines()) {
    Painter.Draw(AlignedLeft(Box, Line.Width, Format), Top, Line, Opaque);
    Top += M.Height;
  }
  return Height;
}

int32_t TabbedTextOut(HDC DC, int X, int Y, std::string_view Text, int StopCount, const int* Stops,
                      int TabOrigin) {
  if (!IsDC(DC)) return 0;
  const TFaceMetrics& M = FontOf(*DC).Face()->Metrics();
  TTabStops Tabs;
  Tabs.Offset = X - TabOrigin;
  Tabs.Interval = DefaultTabChars * M.AveCharWidth;
  if (Stops && StopCount == 1 && Stops[0] > 0) Tabs.Interval = Stops[0];
  if (Stops && StopCount > 1) Tabs.Positions.assign(Stops, Stops + StopCount);
  const TSize Size = DrawSingleLine(*DC, X, Y, Text, DT_EXPANDTABS, Tabs, nullptr, nullptr);
  return int32_t((uint32_t(Size.cy) << 16) | (uint32_t(Size.cx) & 0xFFFF));
}
