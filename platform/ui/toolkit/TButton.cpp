#include "platform/ui/toolkit/TButton.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "platform/ui/toolkit/TCustomForm.h"

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = { csSetCaption, csOpaque, csClickEvents, csCaptureMouse, csDoubleClicks };
  FWidth = 75;
  FHeight = 25;
  SetColor(clBtnFace);
  SetTabStop(true);
}

void TButton::Click() {
  if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(FModalResult);
  TCustomControl::Click();
}

void TButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  FActive = Value;
  Invalidate();
}

void TButton::SetPressed(bool Value) {
  if (FPressed == Value) return;
  FPressed = Value;
  Invalidate();
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    if (CanFocus()) SetFocus();
    SetPressed(true);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButton::MouseMove(TShiftState Shift, int X, int Y) {
  if (FControlState.Contains(csLButtonDown)) SetPressed(X >= 0 && Y >= 0 && X < Width() && Y < Height());
  TCustomControl::MouseMove(Shift, X, Y);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) SetPressed(false);
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TButton::KeyDown(Word& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == VK_SPACE) {
    FSpaceDown = true;
    SetPressed(true);
  }
}

void TButton::KeyUp(Word& Key, TShiftState Shift) {
  TCustomControl::KeyUp(Key, Shift);
  if (Key == VK_SPACE && FSpaceDown) {
    FSpaceDown = false;
    SetPressed(false);
    Click();
  }
}

void TButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_GETDLGCODE:
    Message.Result = DLGC_BUTTON | (FActive ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    return;
  case CM_DIALOGKEY: {
    const Word Key = Word(Message.WParam);
    if (((Key == VK_RETURN && FActive) || (Key == VK_ESCAPE && FCancel)) &&
        KeyDataToShiftState(Message.LParam).Empty() && CanFocus()) {
      Click();
      Message.Result = 1;
      return;
    }
    break;
  }
  case CM_DIALOGCHAR:
    if (IsAccel(char32_t(Message.WParam), Caption()) && CanFocus()) {
      Click();
      Message.Result = 1;
      return;
    }
    break;
  case CM_FOCUSCHANGED: {
    auto* Focused = reinterpret_cast<TControl*>(Message.LParam);
    const bool Active = dynamic_cast<TButton*>(Focused) ? Focused == this : FDefault;
    if (Active != FActive) {
      FActive = Active;
      Invalidate();
    }
    break;
  }
  case WM_KILLFOCUS:
    FSpaceDown = false;
    SetPressed(false);
    break;
  case CM_TEXTCHANGED:
  case CM_ENABLEDCHANGED: Invalidate(); break;
  }
  TCustomControl::Dispatch(Message);
}

// A raised face, sunken while pressed; the active button gets a dark frame, the focused one a focus
// rectangle around its caption.
void TButton::Paint() {
  TCanvas* C = Canvas();
  const HDC DC = C->Handle();
  TRect R = ClientRect();
  C->Brush()->SetColor(Color());
  C->FillRect(R);
  if (FActive) {
    C->Brush()->SetColor(cl3DDkShadow);
    C->FrameRect(R);
    R = Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
  }
  if (FPressed) {
    C->Brush()->SetColor(clBtnShadow);
    C->FrameRect(R);
  } else {
    TRect Edge = R;
    DrawEdge(DC, Edge, EDGE_RAISED, BF_RECT);
  }
  C->SetFont(Font());
  if (!Enabled()) C->Font()->SetColor(clGrayText);
  C->Brush()->SetStyle(bsClear);
  TRect Text = FPressed ? Bounds(R.Left + 1, R.Top + 1, R.Width(), R.Height()) : R;
  DrawText(C->Handle(), Caption(), Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (Focused()) {
    const TRect Focus { R.Left + 3, R.Top + 3, R.Right - 3, R.Bottom - 3 };
    C->DrawFocusRect(Focus);
  }
}
