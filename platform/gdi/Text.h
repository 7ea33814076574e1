#pragma once
// Text output and measurement on device contexts: TextOut, ExtTextOut, DrawText, TabbedTextOut, text
// extents and metrics, with the window system's flags and semantics. Text is UTF-8. Every call measures
// with the same line layout, so a measured extent is where the text is drawn.
#include <cstdint>
#include <string_view>

#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"

// DrawText flags.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;

// ExtTextOut options.
constexpr unsigned ETO_OPAQUE = 0x2;
constexpr unsigned ETO_CLIPPED = 0x4;

// tmPitchAndFamily bits; note that TMPF_FIXED_PITCH set means a variable-pitch font.
constexpr uint8_t TMPF_FIXED_PITCH = 0x1;
constexpr uint8_t TMPF_VECTOR = 0x2;
constexpr uint8_t TMPF_TRUETYPE = 0x4;

/// Metrics of the DC's font in pixels. tmHeight is the cell height (tmAscent + tmDescent);
/// tmHeight − tmInternalLeading is the em size.
struct TEXTMETRIC {
  int32_t tmHeight { 0 };
  int32_t tmAscent { 0 };
  int32_t tmDescent { 0 };
  int32_t tmInternalLeading { 0 };
  int32_t tmExternalLeading { 0 };
  int32_t tmAveCharWidth { 0 };
  int32_t tmMaxCharWidth { 0 };
  int32_t tmWeight { 0 };
  int32_t tmOverhang { 0 };
  int32_t tmDigitizedAspectX { 96 };
  int32_t tmDigitizedAspectY { 96 };
  char32_t tmFirstChar { 0x20 };
  char32_t tmLastChar { 0xFFFD };
  char32_t tmDefaultChar { 0xFFFD };
  char32_t tmBreakChar { 0x20 };
  uint8_t tmItalic { 0 };
  uint8_t tmUnderlined { 0 };
  uint8_t tmStruckOut { 0 };
  uint8_t tmPitchAndFamily { 0 };
  uint8_t tmCharSet { 0 };
};

/// Extra settings of DrawTextEx: tab stops every iTabLength average character widths (with
/// DT_EXPANDTABS; 0 keeps the default of 8) and margins inside the rectangle. uiLengthDrawn receives the
/// number of characters of the text.
struct DRAWTEXTPARAMS {
  unsigned cbSize { sizeof(DRAWTEXTPARAMS) };
  int iTabLength { 0 };
  int iLeftMargin { 0 };
  int iRightMargin { 0 };
  unsigned uiLengthDrawn { 0 };
};

/// Draws one line at (X, Y) (its cell's top-left), over a background of BkColor when the background
/// mode is OPAQUE. No prefixes, tabs or line breaks are interpreted.
bool TextOut(HDC DC, int X, int Y, std::string_view Text);
/// TextOut with options: ETO_OPAQUE fills Rect with BkColor first, ETO_CLIPPED clips the text to Rect.
bool ExtTextOut(HDC DC, int X, int Y, unsigned Options, const TRect* Rect, std::string_view Text);
/// Width and cell height of one line as TextOut draws it.
bool GetTextExtentPoint32(HDC DC, std::string_view Text, TSize& Size);
bool GetTextMetrics(HDC DC, TEXTMETRIC& Metrics);

/// Formats text in Rect by the DT_* flags and returns its height (lines × cell height; 0 on failure).
/// Lines break at CR LF, LF CR, LF and CR, and (DT_WORDBREAK) at Rect's width: after blanks, between
/// ideographs, or inside a word too long for a line. DT_VCENTER and DT_BOTTOM act only with
/// DT_SINGLELINE. "&x" underlines x and "&&" is "&" unless DT_NOPREFIX; DT_HIDEPREFIX drops the
/// underline. DT_END_ELLIPSIS and DT_PATH_ELLIPSIS shorten over-wide lines with "...". DT_CALCRECT draws
/// nothing and sets Rect's right edge to left + the widest line and its bottom to top + the height.
/// The text is clipped to Rect unless DT_NOCLIP.
int DrawText(HDC DC, std::string_view Text, TRect& Rect, unsigned Format);
/// DrawText with tab length and margins from Params (may be null).
int DrawTextEx(HDC DC, std::string_view Text, TRect& Rect, unsigned Format, DRAWTEXTPARAMS* Params);

/// Draws one line at (X, Y) with tabs expanded: with no stops every 8 average character widths, with
/// one stop every Stops[0] pixels, else at each stop in turn (then every 8 average character widths);
/// stops count from TabOrigin. Returns the height in the high and the width in the low 16 bits.
int32_t TabbedTextOut(HDC DC, int X, int Y, std::string_view Text, int StopCount, const int* Stops,
                      int TabOrigin);

// The names the callers know with the wide-character suffix.
inline int DrawTextW(HDC DC, std::string_view Text, TRect& Rect, unsigned Format) {
  return DrawText(DC, Text, Rect, Format);
}
inline int DrawTextExW(HDC DC, std::string_view Text, TRect& Rect, unsigned Format, DRAWTEXTPARAMS* Params) {
  return DrawTextEx(DC, Text, Rect, Format, Params);
}
inline bool GetTextMetricsW(HDC DC, TEXTMETRIC& Metrics) { return GetTextMetrics(DC, Metrics); }
inline int32_t TabbedTextOutW(HDC DC, int X, int Y, std::string_view Text, int StopCount, const int* Stops,
                              int TabOrigin) {
  return TabbedTextOut(DC, X, Y, Text, StopCount, Stops, TabOrigin);
}
