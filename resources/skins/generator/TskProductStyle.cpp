#include "resources/skins/generator/TskProductStyle.h"

#include <algorithm>

#include "resources/skins/generator/TskSkinCanvas.h"
#include "resources/skins/generator/skGlyphShapes.h"

namespace {

using P = TskPieceRole;
using S = TskPieceState;
using G = TskGlyph;

constexpr TColor Surface = RGB(243, 245, 248);
constexpr TColor White = RGB(255, 255, 255);
constexpr TColor Border = RGB(196, 204, 214);
constexpr TColor SoftBorder = RGB(214, 220, 228);
constexpr TColor Line = RGB(222, 227, 234);
constexpr TColor Accent = RGB(43, 123, 223);
constexpr TColor AccentDark = RGB(30, 95, 179);
constexpr TColor AccentBorder = RGB(127, 169, 232);
constexpr TColor HotFill = RGB(232, 241, 253);
constexpr TColor DownFill = RGB(212, 228, 250);
constexpr TColor SelectedFill = RGB(221, 234, 252);
constexpr TColor Text = RGB(31, 41, 51);
constexpr TColor MutedText = RGB(75, 85, 99);
constexpr TColor DisabledText = RGB(163, 172, 184);
constexpr TColor GlyphGrey = RGB(96, 108, 122);
constexpr TColor Caption = Accent;
constexpr TColor CaptionOutline = RGB(31, 98, 184);
constexpr TColor InactiveCaption = RGB(167, 181, 200);
constexpr TColor InactiveOutline = RGB(141, 156, 177);
constexpr TColor CloseHot = RGB(229, 72, 77);
constexpr TColor CloseDown = RGB(198, 59, 64);
constexpr TColor Track = RGB(238, 241, 245);
constexpr TColor HintBack = RGB(45, 51, 59);

TskRectF F(const TRect& R) { return RectF(R); }

double CentreX(const TRect& R) { return (R.Left + R.Right) / 2.0; }
double CentreY(const TRect& R) { return (R.Top + R.Bottom) / 2.0; }

// A rounded rectangle with an outline of one pixel and a filled inside.
void Box(TskSkinCanvas& Canvas, const TskRectF& R, double Radius, TColor Outline, TColor Inside) {
  Canvas.FillRoundRect(R, Radius, Outline);
  Canvas.FillRoundRect(R.Inset(1), std::max(0.0, Radius - 1), Inside);
}

}  // namespace

TColor TskProductStyle::Background() { return Surface; }

TColor TskProductStyle::Color(TskColorRole Role) {
  using C = TskColorRole;
  switch (Role) {
  case C::Text:
  case C::TextHot:
  case C::MenuText:
  case C::MenuTextHot:
  case C::WindowText:
    return Text;
  case C::TextDown:
    return AccentDark;
  case C::TextDisabled:
  case C::MenuTextDisabled:
  case C::SliderPoints:
    return DisabledText;
  case C::TextSelected:
  case C::HighlightText:
  case C::CaptionText:
  case C::Window:
  case C::LightLine:
    return White;
  case C::HeaderText:
    return MutedText;
  case C::LinkHot:
  case C::Highlight:
  case C::MarkerActive:
    return Accent;
  case C::PanelCaption:
    return RGB(51, 71, 91);
  case C::GroupCaption:
    return RGB(31, 59, 92);
  case C::CaptionTextInactive:
    return RGB(244, 246, 249);
  case C::HintText:
    return RGB(245, 247, 250);
  case C::Surface:
  case C::SliderBack:
    return Surface;
  case C::DarkLine:
    return RGB(183, 193, 205);
  case C::MarkerNormal:
    return GlyphGrey;
  }
  return Text;
}

void TskProductStyle::Paint(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) {
  switch (Piece.Role) {
  case P::Frame:
    PaintFrame(Canvas, R, Piece);
    break;
  case P::CaptionButton:
    PaintCaptionButton(Canvas, R, Piece);
    break;
  case P::PushButton:
  case P::ToolButton:
  case P::HeaderButton:
  case P::UpDownButton:
    PaintButton(Canvas, R, Piece);
    break;
  case P::CheckImage:
  case P::ListCheckImage:
  case P::RadioImage:
  case P::MenuGlyph:
  case P::TreeGlyph:
  case P::SliderThumb:
    PaintMark(Canvas, R, Piece);
    break;
  case P::ScrollTrack:
  case P::ScrollButton:
  case P::ScrollThumb:
  case P::ScrollCorner:
  case P::SliderRuler:
    PaintScroll(Canvas, R, Piece);
    break;
  case P::Field:
  case P::FieldButton:
  case P::ListFrame:
  case P::ListItem:
    PaintField(Canvas, R, Piece);
    break;
  case P::TabPage:
  case P::Tab:
  case P::TabRow:
    PaintTab(Canvas, R, Piece);
    break;
  case P::Panel:
  case P::GroupBox:
  case P::ToolPanel:
  case P::StatusBar:
  case P::CheckRadioBack:
  case P::LabelStrip:
  case P::Splitter:
  case P::Gripper:
    PaintPanel(Canvas, R, Piece);
    break;
  case P::MenuBar:
  case P::MenuBarItem:
  case P::MenuBarButton:
  case P::PopupWindow:
  case P::MenuItem:
  case P::MenuDivider:
  case P::Hint:
    PaintMenu(Canvas, R, Piece);
    break;
  }
}

void TskProductStyle::PaintFrame(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) {
  const bool active = Piece.State != S::Inactive;
  const double radius = Piece.Radius;
  // The outline runs round the whole window; the bottom corners are square, so the rounded shape is
  // taken taller than the picture and cut by it.
  TskRectF outer = F(R);
  outer.Bottom += 2 * radius;
  Canvas.FillRoundRect(outer, radius, active ? CaptionOutline : InactiveOutline);
  Canvas.FillRoundRect(outer.Inset(1), radius - 1, active ? Caption : InactiveCaption);
  Canvas.FillRect(Rect(R.Left + 1, R.Top + Piece.Inner.Top, R.Right - 1, R.Bottom - 1), Surface);
}

void TskProductStyle::PaintCaptionButton(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) {
  const bool inactive = Piece.State == S::Inactive;
  const TColor back = inactive ? InactiveCaption : Caption;
  Canvas.FillRect(R, back);
  const bool close = Piece.Glyph == G::Close;
  TColor face = back;
  if (Piece.State == S::Hot) face = close ? CloseHot : BlendColors(back, White, 0.2);
  if (Piece.State == S::Down) face = close ? CloseDown : BlendColors(back, AccentDark, 0.55);
  if (face != back) Canvas.FillRoundRect(F(R), Piece.Radius, face);
  TColor glyph = White;
  if (inactive) glyph = RGB(238, 242, 247);
  if (Piece.State == S::Disabled) glyph = BlendColors(back, White, 0.45);
  const double size = Piece.Glyph == G::SysMenu ? 10 : 9;
  DrawSkinGlyph(Canvas, Piece.Glyph, CentreX(R), CentreY(R), size, 1.3, glyph, face);
}

void TskProductStyle::PaintButton(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) {
  const TskRectF r = F(R);
  const double radius = Piece.Radius;
  Canvas.FillRect(R, Surface);
  switch (Piece.Role) {
  case P::PushButton:
    switch (Piece.State) {
    case S::Hot:
      Canvas.FillRoundRect(r, radius, AccentBorder);
      Canvas.FillRoundRectGradient(r.Inset(1), radius - 1, RGB(244, 248, 254), HotFill);
      break;
    case S::Down:
      Box(Canvas, r, radius, Accent, DownFill);
      break;
    case S::Focused:
      Canvas.FillRoundRect(r, radius, Accent);
      Canvas.FillRoundRect(r.Inset(1), radius - 1, RGB(200, 222, 250));
      Canvas.FillRoundRectGradient(r.Inset(2), radius - 2, White, RGB(247, 249, 252));
      break;
    case S::Disabled:
      Box(Canvas, r, radius, SoftBorder, RGB(238, 241, 244));
      break;
    default:
      Canvas.FillRoundRect(r, radius, Border);
      Canvas.FillRoundRectGradient(r.Inset(1), radius - 1, White, RGB(247, 249, 251));
      break;
    }
    break;
  case P::ToolButton:
    if (Piece.State == S::Hot || Piece.State == S::Focused) Box(Canvas, r, radius, RGB(185, 210, 244), HotFill);
    if (Piece.State == S::Down) Box(Canvas, r, radius, AccentBorder, DownFill);
    break;
  case P::HeaderButton: {
    TColor fill = RGB(248, 249, 251);
    if (Piece.State == S::Hot) fill = RGB(238, 243, 250);
    if (Piece.State == S::Down) fill = RGB(225, 233, 245);
    Canvas.FillRect(R, fill);
    Canvas.FillRect(Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), Line);
    Canvas.FillRect(Rect(R.Right - 1, R.Top + 4, R.Right, R.Bottom - 4), Line);
    break;
  }
  default: {  // up-down buttons
    TColor outline = Border, fill = White;
    if (Piece.State == S::Hot) outline = AccentBorder, fill = HotFill;
    if (Piece.State == S::Down) outline = Accent, fill = DownFill;
    Box(Canvas, r, radius, outline, fill);
    DrawSkinGlyph(Canvas, Piece.Glyph, CentreX(R), CentreY(R), 6, 1.4, Piece.State == S::Normal ? GlyphGrey : Text,
                  fill);
    break;
  }
  }
}

void TskProductStyle::PaintMark(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) {
  // Marks keep a pixel of their background along the edges: its colour is left out when they are drawn.
  switch (Piece.Role) {
  case P::MenuGlyph: {
    const TColor back = Piece.State == S::Hot ? HotFill : White;
    Canvas.FillRect(R, back);
    const double size = Piece.Glyph == G::Radio ? 5 : Piece.Glyph == G::Right ? 7 : 9;
    DrawSkinGlyph(Canvas, Piece.Glyph, CentreX(R), CentreY(R), size, 1.5, Text, back);
    break;
  }
  case P::TreeGlyph:
    Canvas.FillRect(R, White);
    DrawSkinGlyph(Canvas, Piece.Glyph, CentreX(R), CentreY(R), 6, 1.3, GlyphGrey, White);
    break;
  case P::SliderThumb: {
    Canvas.FillRect(R, Surface);
    const TskRectF disc = F(R).Inset(1.5);
    if (Piece.State == S::Down) {
      Canvas.FillEllipse(disc, AccentDark);
      Canvas.FillEllipse(disc.Inset(2), Accent);
    } else {
      Canvas.FillEllipse(disc, Accent);
      Canvas.FillEllipse(disc.Inset(2), White);
    }
    break;
  }
  default: {  // check and radio marks
    Canvas.FillRect(R, Piece.Role == P::ListCheckImage ? White : Surface);
    const TskRectF box = F(R).Inset(1);
    const bool marked = Piece.Glyph != G::None;
    const bool disabled = Piece.State == S::Disabled;
    TColor outline = Piece.State == S::Hot ? Accent : RGB(142, 154, 171);
    TColor fill = White;
    if (marked) outline = fill = Piece.State == S::Hot ? AccentDark : Accent;
    if (disabled) outline = marked ? RGB(184, 196, 211) : RGB(201, 208, 217), fill = marked ? outline : RGB(240, 242, 245);
    if (Piece.Role == P::RadioImage) {
      Canvas.FillEllipse(box, outline);
      Canvas.FillEllipse(box.Inset(1), fill);
      if (marked) Canvas.FillEllipse(box.Inset(4.5), White);
    } else {
      Box(Canvas, box, Piece.Radius, outline, fill);
      if (marked) DrawSkinGlyph(Canvas, Piece.Glyph, CentreX(R), CentreY(R), 8, 1.8, White, fill);
    }
    break;
  }
  }
}

void TskProductStyle::PaintScroll(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) {
  if (Piece.Role == P::SliderRuler) {
    Canvas.FillRect(R, Surface);
    const TskRectF bar = Piece.Vertical ? TskRectF { R.Left + 2.0, R.Top + 1.0, R.Right - 2.0, R.Bottom - 1.0 }
                                        : TskRectF { R.Left + 1.0, R.Top + 2.0, R.Right - 1.0, R.Bottom - 2.0 };
    Canvas.FillRoundRect(bar, 2, RGB(203, 211, 221));
    return;
  }
  Canvas.FillRect(R, Track);
  if (Piece.Role == P::ScrollButton) {
    TColor glyph = GlyphGrey;
    if (Piece.State != S::Normal) {
      Canvas.FillRoundRect(F(R).Inset(1), Piece.Radius, Piece.State == S::Down ? RGB(200, 208, 218) : RGB(221, 227, 234));
      glyph = Text;
    }
    DrawSkinGlyph(Canvas, Piece.Glyph, CentreX(R), CentreY(R), 7, 1.5, glyph, Track);
  } else if (Piece.Role == P::ScrollThumb) {
    TColor pill = RGB(192, 200, 211);
    if (Piece.State == S::Hot) pill = RGB(160, 171, 185);
    if (Piece.State == S::Down) pill = RGB(128, 141, 158);
    const TskRectF r = Piece.Vertical ? TskRectF { R.Left + 4.0, R.Top + 2.0, R.Right - 4.0, R.Bottom - 2.0 }
                                      : TskRectF { R.Left + 2.0, R.Top + 4.0, R.Right - 2.0, R.Bottom - 4.0 };
    Canvas.FillRoundRect(r, 4, pill);
  }
}

void TskProductStyle::PaintField(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) {
  const TskRectF r = F(R);
  switch (Piece.Role) {
  case P::Field:
    Canvas.FillRect(R, Surface);
    Box(Canvas, r, Piece.Radius, Piece.State == S::Hot ? Accent : Border, White);
    break;
  case P::ListFrame:
    Canvas.FillRect(R, Surface);
    Box(Canvas, r, Piece.Radius, Border, White);
    break;
  case P::ListItem:
    Canvas.FillRect(R, White);
    if (Piece.State == S::Hot) Canvas.FillRoundRect(r.Inset(1), Piece.Radius, SelectedFill);
    if (Piece.State == S::Focused) Canvas.FillRoundRect(r.Inset(1), Piece.Radius, Accent);
    break;
  default: {  // the button inside a field
    Canvas.FillRect(R, White);
    TColor glyph = GlyphGrey;
    if (Piece.State == S::Hot) Canvas.FillRoundRect(r.Inset(1), Piece.Radius, HotFill), glyph = Text;
    if (Piece.State == S::Down) Canvas.FillRoundRect(r.Inset(1), Piece.Radius, DownFill), glyph = AccentDark;
    if (Piece.State == S::Disabled) glyph = DisabledText;
    Canvas.FillRect(Rect(R.Left, R.Top + 4, R.Left + 1, R.Bottom - 4), Line);
    DrawSkinGlyph(Canvas, Piece.Glyph, CentreX(R) + 0.5, CentreY(R), 8, 1.5, glyph, White);
    break;
  }
  }
}

void TskProductStyle::PaintTab(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) {
  Canvas.FillRect(R, Surface);
  const double radius = Piece.Radius;
  if (Piece.Role == P::TabPage) {
    Canvas.FrameRoundRect(F(R), radius, 1, Border);
    return;
  }
  if (Piece.Role != P::Tab) return;
  // Tabs are rounded at the top only: the shape is taken taller than the piece and cut by it.
  TskRectF shape { R.Left + 1.0, R.Top + 1.0, R.Right - 1.0, R.Bottom + 2 * radius };
  if (Piece.State == S::Hot) Canvas.FillRoundRect(shape, radius, RGB(231, 236, 243));
  if (Piece.State == S::Down || Piece.State == S::Focused) {
    shape.Left = R.Left;
    shape.Right = R.Right;
    shape.Top = R.Top;
    Canvas.FillRoundRect(shape, radius, Border);
    Canvas.FillRoundRect(shape.Inset(1), radius - 1, Surface);
    // An accent line along the top marks the selected tab; a focused one carries a stronger line.
    const int line = Piece.State == S::Focused ? 3 : 2;
    Canvas.FillRoundRect({ R.Left + 1.0, R.Top + 1.0, R.Right - 1.0, R.Top + 1.0 + line + radius }, radius - 1, Accent);
    Canvas.FillRect(Rect(R.Left + 1, R.Top + 1 + line, R.Right - 1, R.Top + 1 + line + int(radius)), Surface);
  }
}

void TskProductStyle::PaintPanel(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) {
  Canvas.FillRect(R, Surface);
  switch (Piece.Role) {
  case P::Panel:
    Canvas.FrameRoundRect(F(R), Piece.Radius, 1, SoftBorder);
    break;
  case P::GroupBox: {
    Canvas.FrameRoundRect(F(R), Piece.Radius, 1, SoftBorder);
    const TRect band = Rect(R.Left + Piece.Inner.Left, R.Top + Piece.Inner.Top, R.Left + Piece.Inner.Right,
                            R.Top + Piece.Inner.Bottom);
    const TColor fill = RGB(232, 238, 246);
    Canvas.FillRoundRect(F(band), Piece.Radius - 1, fill);
    Canvas.FillRect(Rect(band.Left, band.Bottom - Piece.Radius, band.Right, band.Bottom), fill);
    Canvas.FillRect(Rect(band.Left, band.Bottom, band.Right, band.Bottom + 1), Line);
    break;
  }
  case P::ToolPanel:
    Canvas.FillRect(Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), Line);
    break;
  case P::StatusBar:
    Canvas.FillRect(Rect(R.Left, R.Top, R.Right, R.Top + 1), Line);
    break;
  case P::CheckRadioBack:
    if (Piece.State == S::Hot) Canvas.FillRoundRect(F(R), 3, RGB(234, 240, 248));
    break;
  case P::LabelStrip:
    Canvas.FillRect(R, RGB(236, 240, 246));
    Canvas.FillRect(Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), Line);
    break;
  case P::Gripper: {
    for (int i = -1; i <= 1; ++i) {
      const double x = CentreX(R) + (Piece.Vertical ? 0 : i * 4), y = CentreY(R) + (Piece.Vertical ? i * 4 : 0);
      Canvas.FillEllipse({ x - 1.2, y - 1.2, x + 1.2, y + 1.2 }, RGB(160, 171, 185));
    }
    break;
  }
  default:  // splitter bars are plain surface
    break;
  }
}

void TskProductStyle::PaintMenu(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) {
  const TskRectF r = F(R);
  switch (Piece.Role) {
  case P::MenuBar:
    Canvas.FillRect(R, White);
    Canvas.FillRect(Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), Line);
    break;
  case P::MenuBarItem: {
    Canvas.FillRect(R, White);
    TColor fill = White;
    if (Piece.State == S::Hot) fill = Piece.Amount > 0 ? BlendColors(White, HotFill, Piece.Amount) : HotFill;
    if (Piece.State == S::Down) fill = DownFill;
    Canvas.FillRoundRect(r.Inset(1), Piece.Radius, fill);
    break;
  }
  case P::MenuBarButton: {
    Canvas.FillRect(R, White);
    TColor fill = White;
    if (Piece.State == S::Hot) fill = HotFill;
    if (Piece.State == S::Down) fill = DownFill;
    Canvas.FillRoundRect(r.Inset(1), Piece.Radius, fill);
    DrawSkinGlyph(Canvas, Piece.Glyph, CentreX(R), CentreY(R), 8, 1.0, Text, fill);
    break;
  }
  case P::PopupWindow:
    Canvas.FillRect(R, Border);
    Canvas.FillRect(Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1), White);
    break;
  case P::MenuItem:
    Canvas.FillRect(R, White);
    if (Piece.State == S::Hot) Canvas.FillRoundRect({ r.Left + 2, r.Top + 1, r.Right - 2, r.Bottom - 1 }, Piece.Radius, HotFill);
    break;
  case P::MenuDivider:
    Canvas.FillRect(R, White);
    Canvas.FillRect(Rect(R.Left + 6, R.Top + R.Height() / 2, R.Right - 6, R.Top + R.Height() / 2 + 1), Line);
    break;
  default:  // hint
    Canvas.FillRect(R, RGB(28, 33, 40));
    Canvas.FillRect(Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1), HintBack);
    break;
  }
}
