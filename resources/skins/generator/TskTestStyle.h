#pragma once
// The colour-coded look for tests: every piece is a solid colour inside a one-pixel border of another
// colour, and no two colours of the skin are alike (fills, borders and text colours included), so one
// pixel read from the screen tells which rectangle of which record was drawn there; a border that comes
// out thicker than one pixel shows that a piece was stretched as a whole instead of composed from its
// corners and bands. The form frame is painted as five such zones: caption band, left, right and bottom
// borders, and client area.
//
// Marks that the controls draw with their bottom-left pixel's colour left out (check, radio and menu
// marks, slider rulers and thumbs, tree buttons) lose their border that way and show their fill only.
#include <map>
#include <vector>

#include "resources/skins/generator/TskSkinStyle.h"

/// The style of the test skin.
class TskTestStyle : public TskSkinStyle {
public:
  /// Black, which no piece uses.
  TColor Background() override { return clBlack; }
  void Paint(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) override;
  /// A colour of its own for each role, the same at every request.
  TColor Color(TskColorRole Role) override;

private:
  /// R filled with a new colour inside a border of another new colour.
  void Solid(TskSkinCanvas& Canvas, const TRect& R);
  /// The next colour that differs from every one given before.
  TColor NextColor();

  std::vector<TColor> FUsed;
  std::map<TskColorRole, TColor> FRoles;
  int FSeed { 0 };
};
