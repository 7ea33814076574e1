#include "skin/core/skPngBitmap.h"

#include "platform/gdi/TPngImage.h"
#include "skin/core/TskBitmap.h"

void AssignPngToBitmap(TskBitmap* Bmp, TPngImage* Png) {
  if (!Bmp || !Png || Png->Empty())
    return;
  Bmp->SetSize(Png->Width(), Png->Height());
  for (int Y = 0; Y < Bmp->Height(); ++Y) {
    const uint8_t* Colours = Png->Scanline(Y);
    const uint8_t* Alpha = Png->AlphaScanline(Y);
    TskColor* Row = Bmp->ScanLine(Y);
    for (int X = 0; X < Bmp->Width(); ++X)
      Row[X] = TskColor(Alpha ? Alpha[X] : 255) << 24 | TskColor(Colours[3 * X + 2]) << 16 |
               TskColor(Colours[3 * X + 1]) << 8 | Colours[3 * X];
  }
  Bmp->CheckingAlphaBlend();
}
