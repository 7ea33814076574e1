#include "resources/skins/generator/TskTestStyle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "resources/skins/generator/TskSkinCanvas.h"

namespace {

// Colours closer than this in every channel count as alike: a probe must never confuse two pieces.
constexpr int MinDistance = 12;

int Distance(TColor A, TColor B) {
  return std::max({ std::abs(GetRValue(A) - GetRValue(B)), std::abs(GetGValue(A) - GetGValue(B)),
                    std::abs(GetBValue(A) - GetBValue(B)) });
}

double Fraction(double X) { return X - std::floor(X); }

// Spread over hue, saturation and brightness by irrational steps, so neighbours in the sequence differ.
TColor Candidate(int I) {
  const double h = Fraction(I * 0.6180339887) * 6, s = 0.35 + 0.6 * Fraction(I * 0.7548776662),
               v = 0.3 + 0.65 * Fraction(I * 0.5698402910);
  const double c = v * s, x = c * (1 - std::abs(std::fmod(h, 2.0) - 1)), m = v - c;
  double r = 0, g = 0, b = 0;
  switch (int(h)) {
  case 0: r = c, g = x; break;
  case 1: r = x, g = c; break;
  case 2: g = c, b = x; break;
  case 3: g = x, b = c; break;
  case 4: r = x, b = c; break;
  default: r = c, b = x; break;
  }
  auto level = [&](double channel) { return Byte(std::lround((channel + m) * 255)); };
  return RGB(level(r), level(g), level(b));
}

}  // namespace

TColor TskTestStyle::NextColor() {
  // Black is the pictures' background and the transparent key colour must keep its meaning.
  for (;;) {
    const TColor color = Candidate(++FSeed);
    if (Distance(color, clBlack) < MinDistance || Distance(color, RGB(127, 0, 127)) < MinDistance) continue;
    if (std::any_of(FUsed.begin(), FUsed.end(), [&](TColor used) { return Distance(color, used) < MinDistance; }))
      continue;
    FUsed.push_back(color);
    return color;
  }
}

void TskTestStyle::Solid(TskSkinCanvas& Canvas, const TRect& R) {
  Canvas.FillRect(R, NextColor());
  const TColor border = NextColor();
  Canvas.FillRect(Rect(R.Left, R.Top, R.Right, R.Top + 1), border);
  Canvas.FillRect(Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), border);
  Canvas.FillRect(Rect(R.Left, R.Top, R.Left + 1, R.Bottom), border);
  Canvas.FillRect(Rect(R.Right - 1, R.Top, R.Right, R.Bottom), border);
}

void TskTestStyle::Paint(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) {
  if (Piece.Role != TskPieceRole::Frame) {
    Solid(Canvas, R);
    return;
  }
  const TRect& in = Piece.Inner;
  Solid(Canvas, Rect(R.Left, R.Top, R.Right, R.Top + in.Top));
  Solid(Canvas, Rect(R.Left, R.Top + in.Top, R.Left + in.Left, R.Top + in.Bottom));
  Solid(Canvas, Rect(R.Left + in.Right, R.Top + in.Top, R.Right, R.Top + in.Bottom));
  Solid(Canvas, Rect(R.Left, R.Top + in.Bottom, R.Right, R.Bottom));
  Solid(Canvas, Rect(R.Left + in.Left, R.Top + in.Top, R.Left + in.Right, R.Top + in.Bottom));
}

TColor TskTestStyle::Color(TskColorRole Role) {
  const auto found = FRoles.find(Role);
  if (found != FRoles.end()) return found->second;
  return FRoles[Role] = NextColor();
}
