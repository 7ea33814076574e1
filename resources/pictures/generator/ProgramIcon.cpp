#include "resources/pictures/generator/ConverterPictures.h"
#include "resources/pictures/generator/PictureFiles.h"

// A blue film tile with a white play mark and an orange badge with an arrow: a video that is converted.
void DrawProgramIcon(TPictureCanvas& C, double S, TPointF O) {
  const auto at = [&](double X, double Y) { return TPointF { O.X + S * X, O.Y + S * Y }; };
  C.FillRoundRect(O.X + 0.04 * S, O.Y + 0.04 * S, O.X + 0.96 * S, O.Y + 0.96 * S, 0.2 * S, RGB(18, 62, 160));
  C.FillRoundRect(O.X + 0.04 * S + 1, O.Y + 0.04 * S + 1, O.X + 0.96 * S - 1, O.Y + 0.96 * S - 1, 0.2 * S - 1,
                  TFill(RGB(82, 160, 255), RGB(24, 84, 200)));
  if (S >= 32)
    for (double y : { 0.2, 0.4, 0.6, 0.8 })
      for (double x : { 0.13, 0.8 })
        C.FillRoundRect(O.X + x * S, O.Y + (y - 0.04) * S, O.X + (x + 0.07) * S, O.Y + (y + 0.04) * S, 0.02 * S,
                        RGB(210, 230, 255));
  const TPoints play { at(0.38, 0.27), at(0.74, 0.5), at(0.38, 0.73) };
  C.Stroke(Closed(play), 0.07 * S, clWhite);
  C.FillPolygon(play, clWhite);
  C.FillEllipse(O.X + 0.6 * S, O.Y + 0.6 * S, O.X + 0.98 * S, O.Y + 0.98 * S, RGB(170, 80, 0));
  C.FillEllipse(O.X + 0.6 * S + 1, O.Y + 0.6 * S + 1, O.X + 0.98 * S - 1, O.Y + 0.98 * S - 1,
                TFill(RGB(255, 184, 64), RGB(240, 120, 20)));
  C.Stroke({ at(0.68, 0.76), at(0.9, 0.76) }, 0.06 * S, clWhite);
  C.FillPolygon({ at(0.84, 0.69), at(0.92, 0.76), at(0.84, 0.83) }, clWhite);
}

TProgramPicture DrawProgramIconPng(int Side) {
  TPictureCanvas C(Side, Side);
  DrawProgramIcon(C, Side, { 0, 0 });
  return PngPicture("MAINICON", C);
}
