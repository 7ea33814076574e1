#include "resources/skins/generator/skGlyphShapes.h"

#include "resources/skins/generator/TskSkinCanvas.h"

namespace {

// A chevron pointing along (DX, DY): its tip lies Half * 0.5 from the centre, its arms reach back.
void Chevron(TskSkinCanvas& Canvas, double CX, double CY, double Half, double DX, double DY, double Width,
             TColor Color) {
  const double tip = Half * 0.5, back = Half * 0.5, spread = Half;
  const TskPointF a { CX - DX * back - DY * spread, CY - DY * back - DX * spread };
  const TskPointF b { CX + DX * tip, CY + DY * tip };
  const TskPointF c { CX - DX * back + DY * spread, CY - DY * back + DX * spread };
  Canvas.Polyline({ a, b, c }, Width, Color);
}

}  // namespace

void DrawSkinGlyph(TskSkinCanvas& Canvas, TskGlyph Glyph, double CX, double CY, double Size, double Width, TColor Color,
                   TColor Background) {
  const double h = Size / 2;
  switch (Glyph) {
  case TskGlyph::None:
    break;
  case TskGlyph::Close:
    Canvas.Polyline({ { CX - h, CY - h }, { CX + h, CY + h } }, Width, Color);
    Canvas.Polyline({ { CX + h, CY - h }, { CX - h, CY + h } }, Width, Color);
    break;
  case TskGlyph::Maximize:
    Canvas.FrameRoundRect({ CX - h, CY - h, CX + h, CY + h }, 1.5, Width, Color);
    break;
  case TskGlyph::Restore: {
    const double d = Size * 0.22;
    Canvas.FrameRoundRect({ CX - h + d, CY - h, CX + h, CY + h - d }, 1.5, Width, Color);
    const TskRectF front { CX - h, CY - h + d, CX + h - d, CY + h };
    Canvas.FillRoundRect(front, 1.5, Background);
    Canvas.FrameRoundRect(front, 1.5, Width, Color);
    break;
  }
  case TskGlyph::Minimize:
    Canvas.Polyline({ { CX - h, CY }, { CX + h, CY } }, Width, Color);
    break;
  case TskGlyph::RollUp:
  case TskGlyph::Up:
    Chevron(Canvas, CX, CY, h, 0, -1, Width, Color);
    break;
  case TskGlyph::RollDown:
  case TskGlyph::Down:
    Chevron(Canvas, CX, CY, h, 0, 1, Width, Color);
    break;
  case TskGlyph::Left:
    Chevron(Canvas, CX, CY, h, -1, 0, Width, Color);
    break;
  case TskGlyph::Right:
    Chevron(Canvas, CX, CY, h, 1, 0, Width, Color);
    break;
  case TskGlyph::SysMenu:
    for (double dy : { -0.6, 0.0, 0.6 }) Canvas.Polyline({ { CX - h, CY + dy * h }, { CX + h, CY + dy * h } }, Width, Color);
    break;
  case TskGlyph::Tray:
    Canvas.Polyline({ { CX - h, CY + h }, { CX + h, CY + h } }, Width, Color);
    Canvas.Polyline({ { CX, CY - h }, { CX, CY + h * 0.3 } }, Width, Color);
    Chevron(Canvas, CX, CY + h * 0.05, h * 0.7, 0, 1, Width, Color);
    break;
  case TskGlyph::Check:
    Canvas.Polyline({ { CX - h, CY + h * 0.05 }, { CX - h * 0.3, CY + h * 0.7 }, { CX + h, CY - h * 0.65 } }, Width,
                    Color);
    break;
  case TskGlyph::Radio:
    Canvas.FillEllipse({ CX - h, CY - h, CX + h, CY + h }, Color);
    break;
  case TskGlyph::Grayed:
    Canvas.Polyline({ { CX - h * 0.7, CY }, { CX + h * 0.7, CY } }, Width, Color);
    break;
  }
}
