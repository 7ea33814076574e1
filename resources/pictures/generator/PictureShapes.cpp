#include "resources/pictures/generator/PictureShapes.h"

#include <cmath>
#include <numbers>

#include "resources/pictures/generator/StrokeLabel.h"

TPoints ArcPoints(double CX, double CY, double RX, double RY, double From, double To, int Steps) {
  TPoints points;
  for (int i = 0; i <= Steps; ++i) {
    const double a = (From + (To - From) * i / Steps) * std::numbers::pi / 180;
    points.push_back({ CX + RX * std::cos(a), CY - RY * std::sin(a) });
  }
  return points;
}

void DrawFilmTile(TPictureCanvas& C, double L, double T, double W, double H, const TPalette& Colours, const char* Label) {
  const double s = W / 32;
  C.FillRoundRect(L, T, L + W, T + H, 4 * s, Colours.Rim);
  C.FillRoundRect(L + 1, T + 1, L + W - 1, T + H - 1, 4 * s - 1, TFill(Colours.Light, Colours.Dark));
  const TColor hole = RGB(244, 247, 252);
  for (int i = 0; i < 5; ++i) {
    const double x = L + (3.5 + 5.5 * i) * s;
    C.FillRoundRect(x, T + 3 * s, x + 3 * s, T + 5.6 * s, 0.6 * s, hole);
    C.FillRoundRect(x, T + H - 5.6 * s, x + 3 * s, T + H - 3 * s, 0.6 * s, hole);
  }
  if (*Label) DrawStrokeLabel(C, Label, L + W / 2, T + H / 2 - 4.5 * s, 9 * s, 1.6 * s, clWhite);
}

void DrawGear(TPictureCanvas& C, double CX, double CY, double R, int Teeth, TColor Rim, TFill Fill) {
  const double body = R * 0.74, half = 180.0 / Teeth * 0.42;
  C.FillEllipse(CX - body, CY - body, CX + body, CY + body, Rim);
  for (int i = 0; i < Teeth; ++i) {
    const double a = 360.0 * i / Teeth;
    TPoints tooth = ArcPoints(CX, CY, body - 1, body - 1, a - half * 1.3, a + half * 1.3, 1);
    const TPoints tip = ArcPoints(CX, CY, R, R, a + half * 0.8, a - half * 0.8, 2);
    tooth.insert(tooth.end(), tip.begin(), tip.end());
    C.FillPolygon(tooth, Rim);
  }
  C.FillEllipse(CX - body + 1.2, CY - body + 1.2, CX + body - 1.2, CY + body - 1.2, Fill);
  const double hole = R * 0.3;
  C.ClearEllipse(CX - hole, CY - hole, CX + hole, CY + hole);
}

void DrawBadge(TPictureCanvas& C, double L, double T, double R, double B, const TPalette& Colours) {
  C.FillEllipse(L, T, R, B, Colours.Rim);
  C.FillEllipse(L + 1, T + 1, R - 1, B - 1, TFill(Colours.Light, Colours.Dark));
}

void DrawSheet(TPictureCanvas& C, double L, double T, double R, double B) {
  const double fold = (R - L) / 4;
  const TColor rim = RGB(128, 138, 154);
  C.FillPolygon({ { L, T }, { R - fold, T }, { R, T + fold }, { R, B }, { L, B } }, rim);
  C.FillPolygon({ { L + 1, T + 1 }, { R - fold - 0.4, T + 1 }, { R - 1, T + fold + 0.4 }, { R - 1, B - 1 }, { L + 1, B - 1 } },
                TFill(RGB(255, 255, 255), RGB(228, 233, 240)));
  C.FillPolygon({ { R - fold, T }, { R - fold, T + fold }, { R, T + fold } }, rim);
  C.FillPolygon({ { R - fold + 1, T + 2.4 }, { R - fold + 1, T + fold - 1 }, { R - 2.4, T + fold - 1 } }, RGB(214, 221, 232));
}
