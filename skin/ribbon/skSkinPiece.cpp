#include "skin/ribbon/skSkinPiece.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/skUtils.h"

std::unique_ptr<TBitmap> CopySkinPiece(TBitmap* Picture, const TRect& R) {
  auto Piece = std::make_unique<TBitmap>();
  Piece->SetSize(RectWidth(R), RectHeight(R));
  Piece->Canvas()->CopyRect(Rect(0, 0, RectWidth(R), RectHeight(R)), Picture->Canvas(), R);
  return Piece;
}

void DrawSkinPiece(TCanvas* Canvas, int X, int Y, TBitmap* Picture, const TRect& R, bool Transparent,
                   TColor TransparentColor) {
  if (IsEmptyRect(R)) return;
  const auto Piece = CopySkinPiece(Picture, R);
  if (Transparent) {
    Piece->SetTransparentMode(tmFixed);
    Piece->SetTransparentColor(TransparentColor);
    Piece->SetTransparent(true);
  }
  Canvas->Draw(X, Y, Piece.get());
}
