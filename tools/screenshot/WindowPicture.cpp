#include "tools/screenshot/WindowPicture.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TPngImage.h"

void SaveWindowPicture(const XScreenshot& Shot, const TRect& R, const String& FileName) {
  TBitmap Image;
  Image.SetPixelFormat(pf24bit);
  Image.SetSize(R.Width(), R.Height());
  for (int Y = 0; Y < R.Height(); ++Y)
    for (int X = 0; X < R.Width(); ++X) Image.Canvas()->SetPixels(X, Y, Shot.At(R.Left + X, R.Top + Y));
  TPngImage Png;
  Png.Assign(&Image);
  Png.SaveToFile(FileName);
}
