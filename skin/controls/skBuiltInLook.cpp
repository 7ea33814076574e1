#include "skin/controls/skBuiltInLook.h"

#include "platform/gdi/TCanvas.h"

void DrawBuiltInButton(TCanvas* Canvas, const TRect& R, bool Hot, bool Down) {
  Canvas->Brush()->SetColor(!Hot ? clBtnShadow : BuiltInOutlineColor);
  Canvas->FillRect(R);
  Canvas->Brush()->SetColor(!Hot ? clBtnFace : Down ? BuiltInDownColor : BuiltInHotColor);
  Canvas->FillRect(Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1));
}
