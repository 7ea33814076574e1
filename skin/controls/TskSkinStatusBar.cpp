#include "skin/controls/TskSkinStatusBar.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skSkinColors.h"
#include "skin/core/skUtils.h"

void DrawGripLines(const TRect& R, TCanvas* Canvas, TColor LightColor, TColor ShadowColor) {
  const int W = RectWidth(R);
  if (W / 4 < 0) return;
  const int Passes = W / 4 + 1;
  const TRect Q { R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2 };
  int B = 4;
  for (int i = 0; i < Passes; ++i) {
    if (Q.Left + B + 2 > Q.Right) continue;
    Canvas->Pen()->SetColor(ShadowColor);
    Canvas->MoveTo(Q.Left + B, Q.Bottom);
    Canvas->LineTo(Q.Right, Q.Top + B);
    Canvas->Pen()->SetColor(LightColor);
    Canvas->MoveTo(Q.Left + B + 1, Q.Bottom);
    Canvas->LineTo(Q.Right, Q.Top + B + 1);
    B += 3;
  }
}

TskSkinStatusBar::TskSkinStatusBar(TComponent* AOwner) : TskSkinPanel(AOwner) {
  SetSkinDataName("statusbar");
  SetAlign(alBottom);
  SetHeight(21);
  SetBorderStyle(TskSkinBorderStyle::bvNone);
  SetForcebackGround(false);
}

void TskSkinStatusBar::SetSizeGrip(bool Value) {
  FSizeGrip = Value;
  Repaint();
  Realign();
}

void TskSkinStatusBar::SetShowGrip(bool Value) {
  FShowGrip = Value;
  Repaint();
  Realign();
}

void TskSkinStatusBar::SetSkinData(TskSkinData* Value) {
  TskSkinPanel::SetSkinData(Value);
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* Child = dynamic_cast<TskSkinControl*>(Controls(i))) Child->SetSkinData(Value);
}

void TskSkinStatusBar::GetSkinData() {
  TskSkinPanel::GetSkinData();
  const auto* R = dynamic_cast<const TskDataSkinPanelControl*>(SkinRecord());
  if (!R) return;
  GripperRect = R->GripperRect;
  GripperTransparent = R->GripperTransparent;
  GripperTransparentColor = R->GripperTransparentColor;
}

bool TskSkinStatusBar::PieceGrip() const { return FIndex != -1 && !IsEmptyRect(GripperRect); }

void TskSkinStatusBar::AdjustClientRect(TRect& R) {
  TskSkinPanel::AdjustClientRect(R);
  if (!GripActive()) return;
  R.Right -= PieceGrip() ? RectWidth(GripperRect) : RectHeight(R);
}

TRect TskSkinStatusBar::GetGripRect() {
  const TRect C = GetSkinClientRect();
  if (PieceGrip())
    return { C.Right, C.Bottom - RectHeight(GripperRect), C.Right + RectWidth(GripperRect), C.Bottom };
  return { C.Right + 2, C.Top, C.Right + RectHeight(C), C.Bottom - 2 };
}

void TskSkinStatusBar::CreateControlDefaultImage(TBitmap* B) {
  TskSkinPanel::CreateControlDefaultImage(B);
  if (GripActive()) DrawGripLines(GetGripRect(), B->Canvas(), clBtnFace, clBtnShadow);
}

void TskSkinStatusBar::FinishSkinImage(TBitmap* B) {
  if (!GripActive()) return;
  if (IsEmptyRect(GripperRect))
    DrawGripLines(GetGripRect(), B->Canvas(), SkinData()->SkinColors()->cBtnHighLight(),
                  SkinData()->SkinColors()->cBtnShadow());
  else
    DrawGripPiece(B);
}

void TskSkinStatusBar::DrawGripPiece(TBitmap* B) {
  if (!Picture) return;
  TBitmap Piece;
  Piece.SetSize(RectWidth(GripperRect), RectHeight(GripperRect));
  Piece.Canvas()->CopyRect(Rect(0, 0, Piece.Width(), Piece.Height()), Picture->Canvas(), GripperRect);
  if (GripperTransparent) {
    Piece.SetTransparentMode(tmFixed);
    Piece.SetTransparentColor(GripperTransparentColor);
    Piece.SetTransparent(true);
  }
  const TRect R = GetGripRect();
  B->Canvas()->Draw(R.Left, R.Top, &Piece);
}

void TskSkinStatusBar::Dispatch(TMessage& Message) {
  if (Message.Msg != WM_NCHITTEST || !GripActive()) return TskSkinPanel::Dispatch(Message);
  const TPoint P = ScreenToClient(LParamToPoint(Message.LParam));
  Message.Result = PtInRectIncl(GetGripRect(), P) ? HTBOTTOMRIGHT : HTCLIENT;
}
