#include "platform/ui/toolkit/TGroupBox.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = { csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable };
  FWidth = 185;
  FHeight = 105;
}

// Measured on a memory DC: the children are aligned before the box may have a window.
int TGroupBox::CaptionHeight() {
  const HDC DC = CreateCompatibleDC(nullptr);
  SelectObject(DC, Font()->Handle());
  TSize Size;
  GetTextExtentPoint32(DC, "0", Size);
  DeleteDC(DC);
  return Size.cy;
}

void TGroupBox::AdjustClientRect(TRect& Rect) {
  TCustomControl::AdjustClientRect(Rect);
  Rect = { Rect.Left + 2, Rect.Top + CaptionHeight(), Rect.Right - 2, Rect.Bottom - 2 };
}

void TGroupBox::Dispatch(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) {
    Realign();
    Invalidate();
  }
}

// The frame runs through the middle of the caption line; the caption sits on a gap in it.
void TGroupBox::Paint() {
  TCanvas* C = Canvas();
  const TRect Client = ClientRect();
  C->Brush()->SetColor(Color());
  C->FillRect(Client);
  const int Height = CaptionHeight();
  TRect Frame { Client.Left, Client.Top + Height / 2, Client.Right, Client.Bottom };
  DrawEdge(C->Handle(), Frame, EDGE_ETCHED, BF_RECT);
  const String Text = Caption();
  if (Text.empty()) return;
  TRect Label { 8, 0, Client.Right - 8, Height };
  DrawText(C->Handle(), Text, Label, DT_SINGLELINE | DT_CALCRECT);
  Label = Rect(Label.Left - 1, 0, Label.Right + 1, Height);
  C->Brush()->SetColor(Color());
  C->FillRect(Label);
  C->Brush()->SetStyle(bsClear);
  if (!Enabled()) C->Font()->SetColor(clGrayText);
  TRect Inner { Label.Left + 1, 0, Label.Right - 1, Height };
  DrawText(C->Handle(), Text, Inner, DT_SINGLELINE);
}
