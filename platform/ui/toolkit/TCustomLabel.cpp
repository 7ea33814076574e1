#include "platform/ui/toolkit/TCustomLabel.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/toolkit/TWinControl.h"

namespace {

unsigned AlignmentFlag(TAlignment Alignment) {
  switch (Alignment) {
  case taRightJustify: return DT_RIGHT;
  case taCenter: return DT_CENTER;
  default: return DT_LEFT;
  }
}

}  // namespace

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csOpaque);
  FControlStyle.Include(csReplicatable);
  FWidth = 65;
  FHeight = 17;
  SetAutoSize(true);
}

TCustomLabel::~TCustomLabel() = default;

String TCustomLabel::GetLabelText() { return Caption(); }

void TCustomLabel::DoDrawText(TRect& Rect, unsigned Flags) {
  String Text = GetLabelText();
  // An empty text still takes one line, and a lone "&" is measured as the "&" it shows.
  if ((Flags & DT_CALCRECT) && (Text.empty() || (FShowAccelChar && Text == "&"))) Text += " ";
  if (!FShowAccelChar) Flags |= DT_NOPREFIX;
  TCanvas* C = Canvas();
  C->SetFont(Font());
  if (Enabled() || (Flags & DT_CALCRECT)) {
    DrawText(C->Handle(), Text, Rect, Flags);
    return;
  }
  TRect Shadow = Bounds(Rect.Left + 1, Rect.Top + 1, Rect.Width(), Rect.Height());
  C->Font()->SetColor(clBtnHighlight);
  DrawText(C->Handle(), Text, Shadow, Flags);
  C->Font()->SetColor(clBtnShadow);
  DrawText(C->Handle(), Text, Rect, Flags);
}

void TCustomLabel::Paint() {
  TCanvas* C = Canvas();
  const TRect Client = ClientRect();
  if (!Transparent()) {
    C->Brush()->SetColor(Color());
    C->Brush()->SetStyle(bsSolid);
    C->FillRect(Client);
  }
  C->Brush()->SetStyle(bsClear);
  TRect R = Client;
  const unsigned Flags = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | AlignmentFlag(FAlignment);
  if (FLayout != tlTop) {
    TRect Measured = R;
    DoDrawText(Measured, Flags | DT_CALCRECT);
    const int Shift = FLayout == tlBottom ? Height() - Measured.Bottom : (Height() - Measured.Bottom) / 2;
    R = Bounds(R.Left, R.Top + Shift, R.Width(), R.Height());
  }
  DoDrawText(R, Flags);
}

// Measures on a memory DC, so a label sizes itself before it has a parent window.
void TCustomLabel::AdjustBounds() {
  if (ComponentState().Contains(csLoading) || !AutoSize()) return;
  TRect R = ClientRect();
  const HDC DC = CreateCompatibleDC(nullptr);
  Canvas()->SetHandle(DC);
  DoDrawText(R, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0));
  Canvas()->SetHandle(nullptr);
  DeleteDC(DC);
  int X = Left();
  if (FAlignment == taRightJustify)
    X += Width() - R.Right;
  else if (FAlignment == taCenter)
    X += (Width() - R.Right) / 2;
  SetBounds(X, Top(), R.Right, R.Bottom);
}

void TCustomLabel::SetAutoSize(bool Value) {
  TGraphicControl::SetAutoSize(Value);
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Transparent() == Value) return;
  if (Value)
    FControlStyle.Exclude(csOpaque);
  else
    FControlStyle.Include(csOpaque);
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (FShowAccelChar == Value) return;
  FShowAccelChar = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  if (FFocusControl == Value) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (FFocusControl) FFocusControl->FreeNotification(this);
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case CM_TEXTCHANGED:
    Invalidate();
    AdjustBounds();
    return;
  case CM_FONTCHANGED:
    TGraphicControl::Dispatch(Message);
    AdjustBounds();
    return;
  case CM_DIALOGCHAR:
    if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(char32_t(Message.WParam), Caption()) &&
        FFocusControl->CanFocus()) {
      FFocusControl->SetFocus();
      Message.Result = 1;
    }
    return;
  default: TGraphicControl::Dispatch(Message); return;
  }
}
