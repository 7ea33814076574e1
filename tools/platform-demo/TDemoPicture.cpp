#include "tools/platform-demo/TDemoPicture.h"

#include <algorithm>

void TDemoPicture::Paint() {
  TCanvas* C = Canvas();
  const TRect R = ClientRect();
  for (int I = 0; I < 3; ++I) {
    C->Brush()->SetColor(BandColors[I]);
    C->FillRect(Rect(R.Left + R.Width() * I / 3, R.Top, R.Left + R.Width() * (I + 1) / 3, R.Bottom));
  }
  const int Radius = std::min(R.Width(), R.Height()) / 4;
  const int CX = R.Left + R.Width() / 2, CY = R.Top + R.Height() / 2;
  C->Brush()->SetColor(DiscColor);
  C->Pen()->SetColor(DiscColor);
  C->Ellipse(CX - Radius, CY - Radius, CX + Radius, CY + Radius);
}
