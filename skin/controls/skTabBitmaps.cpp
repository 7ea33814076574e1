#include "skin/controls/skTabBitmaps.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"

namespace {

/// Source turned into a new bitmap of swapped size; Clockwise picks the direction.
void Rotated(TBitmap* Source, TBitmap* Dest, bool Clockwise) {
  const int W = Source->Width(), H = Source->Height();
  Dest->SetSize(H, W);
  TCanvas* From = Source->Canvas();
  TCanvas* To = Dest->Canvas();
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      const TColor C = From->Pixels(X, Y);
      if (Clockwise)
        To->SetPixels(H - 1 - Y, X, C);
      else
        To->SetPixels(Y, W - 1 - X, C);
    }
}

}  // namespace

void DrawBitmapRotate90_1(TCanvas* Canvas, TBitmap* Bitmap, int X, int Y) {
  TBitmap Turned;
  Rotated(Bitmap, &Turned, false);
  Canvas->Draw(X, Y, &Turned);
}

void DrawBitmapRotate90_2(TCanvas* Canvas, TBitmap* Bitmap, int X, int Y) {
  TBitmap Turned;
  Rotated(Bitmap, &Turned, true);
  Canvas->Draw(X, Y, &Turned);
}

void BitmapRotate90_1(TBitmap* Bitmap) {
  TBitmap Turned;
  Rotated(Bitmap, &Turned, false);
  Bitmap->Assign(&Turned);
}

void BitmapRotate90_2(TBitmap* Bitmap) {
  TBitmap Turned;
  Rotated(Bitmap, &Turned, true);
  Bitmap->Assign(&Turned);
}

void BitmapFlipVert(TBitmap* Bitmap) {
  const int W = Bitmap->Width(), H = Bitmap->Height();
  TCanvas* C = Bitmap->Canvas();
  for (int Y = 0; Y < H / 2; ++Y)
    for (int X = 0; X < W; ++X) {
      const TColor Top = C->Pixels(X, Y);
      C->SetPixels(X, Y, C->Pixels(X, H - 1 - Y));
      C->SetPixels(X, H - 1 - Y, Top);
    }
}
