#include "platform/ui/toolkit/TCheckBox.h"

#include <utility>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/winsys/VirtualKeys.h"

namespace {

constexpr int BoxSize = 13;

}  // namespace

// The toolkit's own Click follows the state, not the mouse: no csClickEvents.
TCheckBox::TCheckBox(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = { csSetCaption, csCaptureMouse, csDoubleClicks };
  FWidth = 97;
  FHeight = 17;
  SetTabStop(true);
}

void TCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  Invalidate();
  Click();
}

void TCheckBox::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCheckBox::Toggle() {
  switch (FState) {
  case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
  case cbChecked: SetState(cbUnchecked); break;
  case cbGrayed: SetState(cbChecked); break;
  }
}

void TCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) FPressed = true;
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

// A press and release inside the box or its caption toggles it.
void TCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool Inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
  const bool Pressed = Button == mbLeft && std::exchange(FPressed, false);
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Pressed && Inside) {
    if (CanFocus()) SetFocus();
    Toggle();
  }
}

void TCheckBox::KeyUp(Word& Key, TShiftState Shift) {
  TCustomControl::KeyUp(Key, Shift);
  if (Key == VK_SPACE) Toggle();
}

void TCheckBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_GETDLGCODE: Message.Result = DLGC_BUTTON; return;
  case CM_DIALOGCHAR:
    if (IsAccel(char32_t(Message.WParam), Caption()) && CanFocus()) {
      SetFocus();
      Toggle();
      Message.Result = 1;
      return;
    }
    break;
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
  case CM_TEXTCHANGED:
  case CM_ENABLEDCHANGED: Invalidate(); break;
  }
  TCustomControl::Dispatch(Message);
}

void TCheckBox::Paint() {
  TCanvas* C = Canvas();
  const TRect Client = ClientRect();
  C->Brush()->SetColor(Color());
  C->FillRect(Client);
  const int Top = (Client.Height() - BoxSize) / 2;
  const bool BoxLeft = FAlignment == taRightJustify;
  TRect Box = Bounds(BoxLeft ? 0 : Client.Right - BoxSize, Top, BoxSize, BoxSize);
  C->Brush()->SetColor(FState == cbGrayed || !Enabled() ? clBtnFace : clWindow);
  C->FillRect(Box);
  TRect Edge = Box;
  DrawEdge(C->Handle(), Edge, EDGE_SUNKEN, BF_RECT);
  if (FState != cbUnchecked) {
    // A tick of three-pixel strokes: down from the left, then up to the right.
    C->Pen()->SetColor(FState == cbGrayed || !Enabled() ? clGrayText : clWindowText);
    for (int Row = 0; Row < 3; ++Row) {
      C->MoveTo(Box.Left + 3, Box.Top + 5 + Row);
      C->LineTo(Box.Left + 5, Box.Top + 7 + Row);
      C->LineTo(Box.Left + 10, Box.Top + 2 + Row);
    }
  }
  C->SetFont(Font());
  if (!Enabled()) C->Font()->SetColor(clGrayText);
  C->Brush()->SetStyle(bsClear);
  TRect Text = BoxLeft ? Rect(BoxSize + 4, 0, Client.Right, Client.Bottom) : Rect(0, 0, Client.Right - BoxSize - 4, Client.Bottom);
  const unsigned Flags = DT_SINGLELINE | DT_VCENTER | (BoxLeft ? DT_LEFT : DT_RIGHT);
  DrawText(C->Handle(), Caption(), Text, Flags);
  if (Focused()) {
    const TSize Size = C->TextExtent(Caption());
    const int Left = BoxLeft ? Text.Left : Text.Right - Size.cx;
    C->DrawFocusRect(Bounds(Left - 1, (Client.Height() - Size.cy) / 2 - 1, Size.cx + 2, Size.cy + 2));
  }
}
