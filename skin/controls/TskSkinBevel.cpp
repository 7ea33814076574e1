#include "skin/controls/TskSkinBevel.h"

#include "platform/gdi/TCanvas.h"
#include "skin/controls/TskSkinToolBar.h"
#include "skin/core/skDataSkinSimpleControls.h"

namespace {

/// A line from (L, B) to (L, T) to (R, T) in First and from (R, T) to (R, B) to (L, B) in Second.
void BevelRect(TCanvas* C, const TRect& R, TColor First, TColor Second) {
  C->Pen()->SetColor(First);
  C->MoveTo(R.Left, R.Bottom);
  C->LineTo(R.Left, R.Top);
  C->LineTo(R.Right, R.Top);
  C->Pen()->SetColor(Second);
  C->LineTo(R.Right, R.Bottom);
  C->LineTo(R.Left, R.Bottom);
}

void BevelLine(TCanvas* C, TColor Color, int X1, int Y1, int X2, int Y2) {
  C->Pen()->SetColor(Color);
  C->MoveTo(X1, Y1);
  C->LineTo(X2, Y2);
}

}  // namespace

TskSkinBevel::TskSkinBevel(TComponent* AOwner) : TskSkinLink<TBevel>(AOwner) { SetSkinDataName("bevel"); }

void TskSkinBevel::SetDividerMode(bool Value) {
  FDividerMode = Value;
  Invalidate();
}

void TskSkinBevel::ChangeSkinData() {
  GetSkinData();
  if (FIndex == -1) {
    LightColor = clBtnHighlight;
    DarkColor = clBtnShadow;
  } else if (const auto* R = dynamic_cast<const TskDataSkinBevel*>(SkinRecord())) {
    LightColor = R->LightColor;
    DarkColor = R->DarkColor;
  }
  Invalidate();
}

void TskSkinBevel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (auto* Bar = dynamic_cast<TskSkinToolBar*>(Parent()); Bar && Bar->AdjustControls()) {
    const TRect R = Bar->GetSkinClientRect();
    ATop = R.Top + R.Height() / 2 - AHeight / 2;
  }
  TskSkinLink::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TskSkinBevel::Paint() {
  TCanvas* C = Canvas();
  C->Pen()->SetWidth(1);
  C->Pen()->SetStyle(psSolid);
  const TColor Color1 = Style() == bsLowered ? DarkColor : LightColor;
  const TColor Color2 = Style() == bsLowered ? LightColor : DarkColor;
  const int W = Width(), H = Height();
  if (FDividerMode) {
    switch (Shape()) {
    case bsSpacer: break;
    case bsTopLine:
    case bsBottomLine: BevelRect(C, Rect(2, H / 2 - 1, W - 2, H / 2), Color1, Color2); break;
    default: BevelRect(C, Rect(W / 2 - 1, 2, W / 2, H - 2), Color1, Color2); break;
    }
    return;
  }
  switch (Shape()) {
  case bsBox: BevelRect(C, Rect(0, 0, W - 1, H - 1), Color1, Color2); break;
  case bsFrame:
    BevelRect(C, Rect(1, 1, W - 1, H - 1), Color2, Color2);
    BevelRect(C, Rect(0, 0, W - 2, H - 2), Color1, Color1);
    break;
  case bsTopLine:
    BevelLine(C, Color1, 0, 0, W, 0);
    BevelLine(C, Color2, 0, 1, W, 1);
    break;
  case bsBottomLine:
    BevelLine(C, Color1, 0, H - 2, W, H - 2);
    BevelLine(C, Color2, 0, H - 1, W, H - 1);
    break;
  case bsLeftLine:
    BevelLine(C, Color1, 0, 0, 0, H);
    BevelLine(C, Color2, 1, 0, 1, H);
    break;
  case bsRightLine:
    BevelLine(C, Color1, W - 2, 0, W - 2, H);
    BevelLine(C, Color2, W - 1, 0, W - 1, H);
    break;
  case bsSpacer: break;
  }
}
