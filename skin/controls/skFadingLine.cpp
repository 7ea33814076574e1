#include "skin/controls/skFadingLine.h"

#include <cmath>
#include <cstdlib>

#include "skin/core/TskBitmap.h"
#include "skin/core/skPixelKernels.h"

std::vector<Byte> FadingLineAlphas(int Length) {
  std::vector<Byte> Alphas(size_t(std::max(Length, 0)), 255);
  const int Half = Length / 2;
  if (Half == 0) return Alphas;
  const int Step = int(std::nearbyint(255.0 / Half));
  for (int I = Half, E = 255; I < Length; ++I, E = std::max(E - Step, 0)) Alphas[size_t(I)] = Byte(E);
  return Alphas;
}

void DrawFadingLine(TCanvas* Canvas, int X1, int X2, int Y, TColor Color) {
  const int N = std::abs(X2 - X1);
  if (N == 0) return;
  const std::vector<Byte> Alphas = FadingLineAlphas(N);
  TskBitmap Line;
  Line.SetSize(N, 1);
  for (int I = 0; I < N; ++I) Line.SetPixel(I, 0, ColorToBsColorWithAlpha(Color, Alphas[size_t(I)]));
  Line.SetAlphaBlend(true);
  Line.Draw(Canvas, X1, Y);
}
