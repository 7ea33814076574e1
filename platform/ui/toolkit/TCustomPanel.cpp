#include "platform/ui/toolkit/TCustomPanel.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"

namespace {

/// Draws a frame Width pixels wide inside R in TopLeft and BottomRight colours and shrinks R past it.
void Frame3D(TCanvas* C, TRect& R, TColor TopLeft, TColor BottomRight, int Width) {
  for (int I = 0; I < Width; ++I) {
    C->Pen()->SetColor(TopLeft);
    C->MoveTo(R.Left, R.Bottom - 1);
    C->LineTo(R.Left, R.Top);
    C->LineTo(R.Right - 1, R.Top);
    C->Pen()->SetColor(BottomRight);
    C->LineTo(R.Right - 1, R.Bottom - 1);
    C->LineTo(R.Left - 1, R.Bottom - 1);
    R = Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
  }
}

void Bevel(TCanvas* C, TRect& R, TBevelCut Cut, int Width, TColor Face) {
  switch (Cut) {
  case bvLowered: Frame3D(C, R, clBtnShadow, clBtnHighlight, Width); break;
  case bvRaised: Frame3D(C, R, clBtnHighlight, clBtnShadow, Width); break;
  case bvSpace: Frame3D(C, R, Face, Face, Width); break;
  case bvNone: break;
  }
}

unsigned AlignmentFlag(TAlignment Alignment) {
  switch (Alignment) {
  case taLeftJustify: return DT_LEFT;
  case taRightJustify: return DT_RIGHT;
  default: return DT_CENTER;
  }
}

}  // namespace

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = { csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                    csReplicatable };
  FWidth = 185;
  FHeight = 41;
  SetColor(clBtnFace);
}

void TCustomPanel::FrameChanged() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  if (FBevelInner == Value) return;
  FBevelInner = Value;
  FrameChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  if (FBevelOuter == Value) return;
  FBevelOuter = Value;
  FrameChanged();
}

void TCustomPanel::SetBevelWidth(int Value) {
  if (Value < 1) Value = 1;
  if (FBevelWidth == Value) return;
  FBevelWidth = Value;
  FrameChanged();
}

void TCustomPanel::SetBorderWidth(int Value) {
  if (Value < 0) Value = 0;
  if (FBorderWidth == Value) return;
  FBorderWidth = Value;
  FrameChanged();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomPanel::AdjustClientRect(TRect& Rect) {
  TCustomControl::AdjustClientRect(Rect);
  int Inset = FBorderWidth;
  if (FBevelOuter != bvNone) Inset += FBevelWidth;
  if (FBevelInner != bvNone) Inset += FBevelWidth;
  Rect = ::Rect(Rect.Left + Inset, Rect.Top + Inset, Rect.Right - Inset, Rect.Bottom - Inset);
}

void TCustomPanel::Paint() {
  TCanvas* C = Canvas();
  TRect R = ClientRect();
  const TColor Face = Color();
  Bevel(C, R, FBevelOuter, FBevelWidth, Face);
  Frame3D(C, R, Face, Face, FBorderWidth);
  Bevel(C, R, FBevelInner, FBevelWidth, Face);
  C->Brush()->SetColor(Face);
  C->Brush()->SetStyle(bsSolid);
  C->FillRect(R);
  const String Text = Caption();
  if (Text.empty()) return;
  C->SetFont(Font());
  C->Brush()->SetStyle(bsClear);
  DrawText(C->Handle(), Text, R, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | AlignmentFlag(FAlignment));
}

void TCustomPanel::Dispatch(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (Message.Msg == CM_TEXTCHANGED) Invalidate();
}
