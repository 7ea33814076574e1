#pragma once
// Copying and repeating rectangular pieces of a skin picture: the drawing steps that the image
// composers and the region builders share.
#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"

/// Copies S of Src onto D of Dst, stretching (nearest neighbour) when the sizes differ. A rectangle of
/// no positive width or height draws nothing, so pieces of skins resized below their corners never
/// mirror.
void CopyPiece(HDC Dst, HDC Src, const TRect& D, const TRect& S);
/// Repeats S side by side from D.Left, the last copy cut at D.Right (its source cut by the same amount);
/// the rows are D's and S's. A source of no width draws nothing.
void TilePieceX(HDC Dst, HDC Src, const TRect& D, const TRect& S);
/// The same downwards from D.Top, cut at D.Bottom.
void TilePieceY(HDC Dst, HDC Src, const TRect& D, const TRect& S);
/// Repeats S both ways from D's top-left, the last column and row of copies cut at D's edges.
void TilePiece(HDC Dst, HDC Src, const TRect& D, const TRect& S);
