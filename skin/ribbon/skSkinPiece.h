#pragma once
// Single pieces of a skin picture, as the ribbon and the application menu draw them.
#include <memory>

#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

class TBitmap;
class TCanvas;

/// R of Picture as a bitmap of R's size.
std::unique_ptr<TBitmap> CopySkinPiece(TBitmap* Picture, const TRect& R);
/// R of Picture drawn at its own size with its top-left at (X, Y); with Transparent, pixels of
/// TransparentColor are left out. Nothing for an empty R.
void DrawSkinPiece(TCanvas* Canvas, int X, int Y, TBitmap* Picture, const TRect& R, bool Transparent = false,
                   TColor TransparentColor = clNone);
