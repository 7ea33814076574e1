#include "platform/ui/toolkit/TBevel.h"

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csReplicatable);
  FWidth = 50;
  FHeight = 50;
}

void TBevel::SetShape(TBevelShape Value) {
  if (FShape == Value) return;
  FShape = Value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas* C = Canvas();
  C->Pen()->SetWidth(1);
  TColor First = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
  TColor Second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
  const auto Line = [C](TColor Color, int X1, int Y1, int X2, int Y2) {
    C->Pen()->SetColor(Color);
    C->MoveTo(X1, Y1);
    C->LineTo(X2, Y2);
  };
  // Left and top edges in the first colour, right and bottom in the second (end points included).
  const auto Box = [&](int L, int T, int R, int B) {
    C->Pen()->SetColor(First);
    C->MoveTo(L, B);
    C->LineTo(L, T);
    C->LineTo(R, T);
    C->Pen()->SetColor(Second);
    C->LineTo(R, B);
    C->LineTo(L, B);
  };
  const int W = Width(), H = Height();
  switch (FShape) {
  case bsBox: Box(0, 0, W - 1, H - 1); break;
  case bsFrame: {
    const TColor Outer = First;
    First = Second;
    Box(1, 1, W - 1, H - 1);
    First = Second = Outer;
    Box(0, 0, W - 2, H - 2);
    break;
  }
  case bsTopLine:
    Line(First, 0, 0, W, 0);
    Line(Second, 0, 1, W, 1);
    break;
  case bsBottomLine:
    Line(First, 0, H - 2, W, H - 2);
    Line(Second, 0, H - 1, W, H - 1);
    break;
  case bsLeftLine:
    Line(First, 0, 0, 0, H);
    Line(Second, 1, 0, 1, H);
    break;
  case bsRightLine:
    Line(First, W - 2, 0, W - 2, H);
    Line(Second, W - 1, 0, W - 1, H);
    break;
  case bsSpacer: break;
  }
}
