#pragma once
// Turning and flipping the tab images of the skinned page control: tabs are drawn lying as top tabs and
// turned for the other sides.
class TBitmap;
class TCanvas;

/// Draws Bitmap turned 90° counter-clockwise (pixel (x, y) to (y, width - 1 - x)) on Canvas at (X, Y).
void DrawBitmapRotate90_1(TCanvas* Canvas, TBitmap* Bitmap, int X, int Y);
/// Draws Bitmap turned 90° clockwise (pixel (x, y) to (height - 1 - y, x)) on Canvas at (X, Y).
void DrawBitmapRotate90_2(TCanvas* Canvas, TBitmap* Bitmap, int X, int Y);
/// Turns Bitmap itself counter-clockwise (1) or clockwise (2); width and height are swapped.
void BitmapRotate90_1(TBitmap* Bitmap);
void BitmapRotate90_2(TBitmap* Bitmap);
/// Turns Bitmap upside down in place.
void BitmapFlipVert(TBitmap* Bitmap);
