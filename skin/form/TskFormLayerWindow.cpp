#include "skin/form/TskFormLayerWindow.h"

#include <algorithm>

#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TTimer.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskSkinCaptionObject.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinStdButtonObject.h"

namespace {

bool IsSizing(TskFormLayerBorderHit Hit) { return Hit >= skflhLeft && Hit <= skflhBottomRight; }
bool OnObject(TskFormLayerBorderHit Hit) { return Hit == skflCaption || Hit == skflObject; }
bool MovesLeft(TskFormLayerBorderHit Hit) {
  return Hit == skflhLeft || Hit == skflhTopLeft || Hit == skflhBottomLeft;
}
bool MovesRight(TskFormLayerBorderHit Hit) {
  return Hit == skflhRight || Hit == skflhTopRight || Hit == skflhBottomRight;
}
bool MovesTop(TskFormLayerBorderHit Hit) { return Hit == skflhTop || Hit == skflhTopLeft || Hit == skflhTopRight; }
bool MovesBottom(TskFormLayerBorderHit Hit) {
  return Hit == skflhBottom || Hit == skflhBottomLeft || Hit == skflhBottomRight;
}

TPoint CursorPos() {
  TPoint P;
  GetCursorPos(&P);
  return P;
}

}  // namespace

TskFormLayerWindow::TskFormLayerWindow(TskFormLayerBorder* AOwner, TCustomForm* AForm)
    : TForm(AOwner), FForm(AForm), FLayerBorder(AOwner) {
  SetVisible(false);
  SetBorderStyle(bsNone);
  if (FForm->FormStyle() == fsStayOnTop) SetFormStyle(fsStayOnTop);
}

void TskFormLayerWindow::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  // The form keeps the activation: the border never takes it, not even when the form hides.
  Params.ExStyle |= WS_EX_LAYERED | WS_EX_NOACTIVATE;
  if (FLayerBorder->Data()->BorderRect.IsEmpty()) Params.ExStyle |= WS_EX_TRANSPARENT;
}

void TskFormLayerWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_MOUSEACTIVATE:
    Message.Result = MA_NOACTIVATE;
    if (FLayerBorder->Data()->HitTestEnable) {
      ShowFormIfInactive();
      FHitMode = GetHitMode(CursorPos());
    }
    return;
  case WM_SETFOCUS:
    ShowFormIfInactive();
    Message.Result = 1;
    return;
  // The layered picture is all the window shows.
  case WM_ERASEBKGND: Message.Result = 1; return;
  // Shown beside the form, never in its place as the active window.
  case CM_SHOWINGCHANGED: ShowWindow(Handle(), Showing() ? SW_SHOWNOACTIVATE : SW_HIDE); return;
  // A full border polls the hovered object while the cursor is over a border window.
  case CM_MOUSEENTER:
    TForm::Dispatch(Message);
    if (FullBorder()) FLayerBorder->MouseTimer->SetEnabled(true);
    return;
  case CM_MOUSELEAVE:
    TForm::Dispatch(Message);
    if (!FullBorder()) return;
    FLayerBorder->MouseTimer->SetEnabled(false);
    FLayerBorder->TestActive(-1, -1);
    return;
  default: TForm::Dispatch(Message); return;
  }
}

void TskFormLayerWindow::ShowFormIfInactive() {
  if (FForm->Visible() && !FLayerBorder->BSF->GetFormActive()) FForm->Show();
}

bool TskFormLayerWindow::FullBorder() const { return FLayerBorder->Data() && FLayerBorder->Data()->FullBorder; }

bool TskFormLayerWindow::CanSize() const {
  const TskSkinForm* Frame = FLayerBorder->BSF;
  return Frame->IsSizeable() && !Frame->RollUpState() && Frame->WindowState() == wsNormal;
}

// ---- Hit test ------------------------------------------------------------------------------------------

TskFormLayerBorderHit TskFormLayerWindow::GetHitMode(TPoint P) const {
  // The caption objects of a full border come first.
  if (!FullBorder()) {
    FLayerBorder->ActiveObject = -1;
  } else if (BorderType == skflTop) {
    FLayerBorder->TestActive(P.X - this->Left(), P.Y - this->Top());
    if (TskActiveSkinObject* Object = FLayerBorder->ObjectAt(FLayerBorder->ActiveObject))
      return dynamic_cast<TskSkinCaptionObject*>(Object) ? skflCaption : skflObject;
  }
  if (!CanSize()) return skflhNone;
  const TskFormLayerBorder& B = *FLayerBorder;
  const TskDataSkinLayerFrame& D = *B.Data();
  const int L = FForm->Left(), T = FForm->Top(), W = FForm->Width(), H = FForm->Height();
  // The outer edges of the sizing area.
  const int Left = L - B.LeftSize, Top = T - B.TopSize, Right = L + W + B.RightSize, Bottom = T + H + B.BottomSize;
  const int WindowTop = this->Top(), WindowBottom = this->Top() + Height();
  switch (BorderType) {
  case skflLeft: return P.X >= Left ? skflhLeft : skflhNone;
  case skflRight: return P.X <= Right ? skflhRight : skflhNone;
  case skflTop: {
    TRect Caption = D.CaptionRect;
    Caption.Right += W - D.ClRect.Width();
    Caption.Top = D.BorderRect.Top + D.HitTestSize;
    Caption = Caption.Offset(this->Left(), WindowTop);
    auto Zone = [&](const TRect& R) { return R.Contains(P) && !Caption.Contains(P); };
    if (Zone(Rect(Left, Top, Left + B.HitTopLeftX, Top + B.HitTopLeftY))) return skflhTopLeft;
    if (Rect(Left + B.HitTopLeftX, Top, Right - B.HitTopRightX, Top + D.HitTestSize).Contains(P)) return skflhTop;
    if (Zone(Rect(Right - B.HitTopRightX, Top, Right, Top + B.HitTopRightY))) return skflhTopRight;
    if (Zone(Rect(Left, Top + B.HitTopLeftY, Left + D.HitTestSize, WindowBottom))) return skflhLeft;
    if (Zone(Rect(Right - B.HitTopRightX, Top + B.HitTopRightY, Right, WindowBottom))) return skflhRight;
    return skflhNone;
  }
  default: {
    const int LeftCornerTop = Bottom - B.HitBottomLeftY, RightCornerTop = Bottom - B.HitBottomRightY;
    if (Rect(Left, LeftCornerTop, Left + B.HitBottomLeftX, Bottom).Contains(P)) return skflhBottomLeft;
    if (Rect(Left + B.HitBottomLeftX, LeftCornerTop, Right - B.HitBottomRightX, Bottom).Contains(P)) return skflhBottom;
    if (Rect(Right - B.HitBottomRightX, RightCornerTop, Right, Bottom).Contains(P)) return skflhBottomRight;
    if (Rect(Left, WindowTop, L, LeftCornerTop).Contains(P)) return skflhLeft;
    if (Rect(L + W, WindowTop, Right, RightCornerTop).Contains(P)) return skflhRight;
    return skflhNone;
  }
  }
}

void TskFormLayerWindow::UpdateCursor() {
  switch (FHitMode) {
  case skflhLeft:
  case skflhRight: SetCursor(crSizeWE); break;
  case skflhTop:
  case skflhBottom: SetCursor(crSizeNS); break;
  case skflhTopLeft:
  case skflhBottomRight: SetCursor(crSizeNWSE); break;
  case skflhTopRight:
  case skflhBottomLeft: SetCursor(crSizeNESW); break;
  default: SetCursor(crDefault); break;
  }
}

// ---- Mouse ---------------------------------------------------------------------------------------------

void TskFormLayerWindow::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TForm::MouseDown(Button, Shift, X, Y);
  if (Shift.Contains(ssDouble) && FullBorder()) {
    DblClick();
    return;
  }
  TskSkinForm* Frame = FLayerBorder->BSF;
  if (Frame->SkinMenu->Visible()) Frame->SkinMenu->Hide();
  if (TWinControl* Active = FForm->ActiveControl()) Active->Perform(CM_CANCELMODE, 0, 0);
  const TPoint P = CursorPos();
  FHitMode = GetHitMode(P);
  if (!FLayerBorder->Data()->HitTestEnable || !(CanSize() || OnObject(FHitMode))) return;
  FInProcessMessages = false;
  FDown = FHitMode != skflhNone && FHitMode != skflObject && Frame->WindowState() != wsMaximized && Button == mbLeft;
  MousePos1 = MousePos2 = P;
  if (FullBorder()) {
    if (TskActiveSkinObject* Object = FLayerBorder->ObjectAt(FLayerBorder->ActiveObject)) {
      if (Button != mbRight) FLayerBorder->MouseCaptureObject = FLayerBorder->ActiveObject;
      Object->MouseDown(X, Y, Button);
      // A press on a quick button of the caption is the button's, not a move.
      if (auto* Caption = dynamic_cast<TskSkinCaptionObject*>(Object); Caption && Caption->ActiveQuickButton != -1)
        FDown = false;
    }
  }
  // A caption drag starts with no magnet holding the form.
  if (FDown && FHitMode == skflCaption) {
    Frame->ClearMagnets();
    Frame->FOnMouseDownCoord = P;
  }
  if (Frame->LayerManager()->IsVisible && FForm->FormStyle() == fsStayOnTop) Frame->LayerManager()->Update();
}

void TskFormLayerWindow::DblClick() {
  TskFormLayerBorderHit Hit = GetHitMode(CursorPos());
  TskActiveSkinObject* Object = FLayerBorder->ObjectAt(FLayerBorder->ActiveObject);
  if (auto* Caption = dynamic_cast<TskSkinCaptionObject*>(Object); Caption && Caption->ActiveQuickButton != -1)
    Hit = skflObject;
  MousePos1 = MousePos2;
  FDown = false;
  FLayerBorder->MouseCaptureObject = -1;
  if (auto* Std = dynamic_cast<TskSkinStdButtonObject*>(Object); Hit == skflObject && Std && Std->Command == cmSysMenu)
    FForm->Close();
  else if (Hit == skflCaption)
    FLayerBorder->BSF->CaptionDblClick();
}

void TskFormLayerWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TForm::MouseUp(Button, Shift, X, Y);
  TskFormLayerBorder* B = FLayerBorder;
  B->BSF->FBorderLayerChangeSize = false;
  FDown = false;
  FInProcessMessages = false;
  MousePos1 = MousePos2 = TPoint { 0, 0 };
  if (!FullBorder()) return;
  // The object that took the press hears the release also when the cursor left it.
  TskActiveSkinObject* Captured = B->ObjectAt(B->MouseCaptureObject);
  if (Captured && B->MouseCaptureObject != B->ActiveObject) Captured->MouseUp(X, Y, Button);
  B->MouseCaptureObject = -1;
  if (!B->Data()->HitTestEnable || !(CanSize() || OnObject(FHitMode))) return;
  if (TskActiveSkinObject* Hovered = B->ObjectAt(B->ActiveObject)) Hovered->MouseUp(X, Y, Button);
}

void TskFormLayerWindow::MouseMove(TShiftState Shift, int X, int Y) {
  // A move delivered while a drag step runs the loop only catches up with the cursor.
  if (FInProcessMessages) {
    FInProcessMessages = false;
    MousePos1 = MousePos2;
    return;
  }
  TForm::MouseMove(Shift, X, Y);
  if (!FLayerBorder->Data()->HitTestEnable) return;
  MousePos2 = CursorPos();
  if (!FDown) {
    FLayerBorder->BSF->FBorderLayerChangeSize = false;
    FHitMode = GetHitMode(MousePos2);
    UpdateCursor();
    if (TskActiveSkinObject* Object = FLayerBorder->ObjectAt(FLayerBorder->ActiveObject); Object && FullBorder())
      Object->MouseMove(X, Y);
  } else if (IsSizing(FHitMode)) {
    SizeStep(MousePos2.X - MousePos1.X, MousePos2.Y - MousePos1.Y);
  } else if (FHitMode == skflCaption) {
    MoveStep(MousePos2.X - MousePos1.X, MousePos2.Y - MousePos1.Y);
  }
  MousePos1 = MousePos2;
}

void TskFormLayerWindow::ProcessMessagesInStep() {
  MousePos1 = MousePos2;
  FInProcessMessages = true;
  if (Application) Application->ProcessMessages();
  FInProcessMessages = false;
}

void TskFormLayerWindow::MoveStep(int DX, int DY) {
  if (DX == 0 && DY == 0) return;
  TskSkinForm* Frame = FLayerBorder->BSF;
  const TRect F = FForm->BoundsRect();
  TRect R = F.Offset(DX, DY);
  if (Frame->Magnetic()) {
    // Rolled up on a full border, the form is as high as the border's caption leaves it.
    if (FLayerBorder->RolledUpFullBorder()) R.Bottom = R.Top + FLayerBorder->Data()->RollUpFormHeight;
    Frame->Snap(R);
  }
  if (R.Left == F.Left && R.Top == F.Top) return;
  // Moving down, the border goes first so that no gap opens above the form.
  if (R.Top > F.Top) FLayerBorder->MoveWithForm2(R.Left, R.Top);
  FForm->SetBounds(R.Left, R.Top, F.Width(), F.Height());
  FLayerBorder->MoveWithForm();
  ProcessMessagesInStep();
}

// An edge grows only while the cursor is inside its sizing band; it shrinks wherever the cursor is. A
// refused side ends the step, a refused corner axis keeps its size; the left and top edges never push
// the opposite edge when the limits stop them.
void TskFormLayerWindow::SizeStep(int DX, int DY) {
  TskSkinForm* Frame = FLayerBorder->BSF;
  const TskFormLayerBorder& B = *FLayerBorder;
  const int HitSize = B.Data()->HitTestSize;
  Frame->FBorderLayerChangeSize = true;
  const int L = FForm->Left(), T = FForm->Top(), W = FForm->Width(), H = FForm->Height();
  const TPoint P = MousePos2;
  const bool Corner = (MovesLeft(FHitMode) || MovesRight(FHitMode)) && (MovesTop(FHitMode) || MovesBottom(FHitMode));
  int GrowX = 0, GrowY = 0;
  if (MovesLeft(FHitMode) || MovesRight(FHitMode)) {
    GrowX = MovesLeft(FHitMode) ? -DX : DX;
    const bool InBand = MovesLeft(FHitMode) ? P.X <= L - B.LeftSize + HitSize : P.X >= L + W + B.RightSize - HitSize;
    if (GrowX > 0 && !InBand) {
      if (!Corner) return;
      GrowX = 0;
    }
  }
  if (MovesTop(FHitMode) || MovesBottom(FHitMode)) {
    GrowY = MovesTop(FHitMode) ? -DY : DY;
    const bool InBand = MovesTop(FHitMode) ? P.Y <= T - B.TopSize + HitSize : P.Y >= T + H + B.BottomSize - HitSize;
    if (GrowY > 0 && !InBand) {
      if (!Corner) return;
      GrowY = 0;
    }
  }
  const int NW = std::min(std::max(W + GrowX, Frame->GetMinWidth()), Frame->GetMaxWidth());
  const int NH = std::min(std::max(H + GrowY, Frame->GetMinHeight()), Frame->GetMaxHeight());
  if ((GrowX == 0 && GrowY == 0) || (NW == W && NH == H)) return;
  if ((MovesLeft(FHitMode) && NW != W + GrowX) || (MovesTop(FHitMode) && NH != H + GrowY)) return;
  const int NL = MovesLeft(FHitMode) ? L + W - NW : L;
  const int NT = MovesTop(FHitMode) ? T + H - NH : T;
  // Form and border change together: the form is painted for its new size before it takes it.
  RedrawWindow(FForm->Handle(), nullptr, 0, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (NT > T) FLayerBorder->MoveWithForm2(NL, NT);
  FForm->SetBounds(NL, NT, NW, NH);
  if (MovesTop(FHitMode) && FForm->Height() == H) FLayerBorder->MoveWithForm();
  ProcessMessagesInStep();
}
