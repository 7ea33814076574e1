#include "tests/app/e2e/PreviewPicture.h"

#include <algorithm>
#include <cstdlib>

#include "tests/engine/fixtures/MediaFixtures.h"

int PreviewFrameNumber(const TRect& Panel, const std::function<TColor(int X, int Y)>& Pixel) {
  // The clip's picture scaled into the panel with its shape kept.
  const double Scale = std::min(double(Panel.Width()) / Fixture::Width, double(Panel.Height()) / Fixture::Height);
  const double Left = Panel.Left + (Panel.Width() - Fixture::Width * Scale) / 2;
  const double Top = Panel.Top + (Panel.Height() - Fixture::Height * Scale) / 2;
  const auto At = [&](int X, int Y) {
    const TColor C = Pixel(int(Left + (X + 0.5) * Scale), int(Top + (Y + 0.5) * Scale));
    return Fixture::TRGB { GetRValue(C), GetGValue(C), GetBValue(C) };
  };
  const auto Near = [](const Fixture::TRGB& A, const Fixture::TRGB& B) {
    return std::abs(A.R - B.R) < 60 && std::abs(A.G - B.G) < 60 && std::abs(A.B - B.B) < 60;
  };
  const int PatchMiddle = (Fixture::PatchTop + Fixture::Height) / 2;
  for (int Patch = 0; Patch < 4; ++Patch) {
    const int X = Patch * Fixture::PatchWidth + Fixture::PatchWidth / 2;
    if (!Near(At(X, PatchMiddle), Fixture::Pixel(0, X, PatchMiddle))) return -1;
  }
  return Fixture::FrameNumberOf(At);
}
