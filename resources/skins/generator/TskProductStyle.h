#pragma once
// The program's own look: light surfaces, white fields, rounded controls with a blue accent, a blue
// caption. Pieces with rounded corners are painted over the surface colour, which is the colour of the
// form client area and every panel, so their corners blend into whatever they stand on.
#include "resources/skins/generator/TskSkinStyle.h"

/// The style of the product skin.
class TskProductStyle : public TskSkinStyle {
public:
  TColor Background() override;
  void Paint(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) override;
  TColor Color(TskColorRole Role) override;

private:
  void PaintFrame(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece);
  void PaintCaptionButton(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece);
  void PaintButton(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece);
  void PaintMark(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece);
  void PaintScroll(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece);
  void PaintField(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece);
  void PaintTab(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece);
  void PaintPanel(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece);
  void PaintMenu(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece);
};
