#include "platform/ui/toolkit/TSplitter.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/ui/toolkit/TWinControl.h"

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetAlign(alLeft);
  FWidth = 3;
  FHeight = 100;
  SetCursor(crHSplit);
}

void TSplitter::RequestAlign() {
  TGraphicControl::RequestAlign();
  if (Cursor() != crHSplit && Cursor() != crVSplit) return;
  SetCursor(Horizontal() ? crVSplit : crHSplit);
}

void TSplitter::SetBeveled(bool Value) {
  if (FBeveled == Value) return;
  FBeveled = Value;
  Invalidate();
}

void TSplitter::Paint() {
  TCanvas* C = Canvas();
  const TRect Client = ClientRect();
  C->Brush()->SetColor(Color());
  C->Brush()->SetStyle(bsSolid);
  C->FillRect(Client);
  if (FBeveled) {
    TRect R = Horizontal() ? Rect(Client.Left + 2, Client.Top + 1, Client.Right - 2, Client.Bottom - 1)
                           : Rect(Client.Left + 1, Client.Top + 2, Client.Right - 1, Client.Bottom - 2);
    C->Brush()->SetColor(clBtnHighlight);
    C->FrameRect(Bounds(R.Left + 1, R.Top + 1, R.Width(), R.Height()));
    C->Brush()->SetColor(clBtnShadow);
    C->FrameRect(Bounds(R.Left - 1, R.Top - 1, R.Width(), R.Height()));
  }
  if (OnPaint) {
    const TNotifyEvent Handler = OnPaint;
    Handler(this);
  }
}

TControl* TSplitter::FindResizeControl() const {
  TWinControl* P = Parent();
  if (!P) return nullptr;
  for (int I = 0; I < P->ControlCount(); ++I) {
    TControl* C = P->Controls(I);
    if (C == this || !C->Visible() || C->Align() != Align()) continue;
    const TRect R = C->BoundsRect();
    const bool Touches = (Align() == alLeft && R.Right == Left()) || (Align() == alRight && R.Left == Left() + Width()) ||
                         (Align() == alTop && R.Bottom == Top()) || (Align() == alBottom && R.Top == Top() + Height());
    if (Touches) return C;
  }
  return nullptr;
}

int TSplitter::SizeOf(const TControl* Control) const { return Horizontal() ? Control->Height() : Control->Width(); }

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Parent()) return;
  FControl = FindResizeControl();
  if (!FControl) return;
  FDownScreen = ClientToScreen({ X, Y });
  FDownSize = SizeOf(FControl);
  // The room the parent leaves: its client size less every other control along the same direction.
  const TRect Client = Parent()->ClientRect();
  FMaxSize = Horizontal() ? Client.Height() : Client.Width();
  for (int I = 0; I < Parent()->ControlCount(); ++I) {
    TControl* C = Parent()->Controls(I);
    if (C == FControl || !C->Visible()) continue;
    const bool Along = Horizontal() ? (C->Align() == alTop || C->Align() == alBottom)
                                    : (C->Align() == alLeft || C->Align() == alRight);
    if (Along) FMaxSize -= SizeOf(C);
  }
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FControl) return;
  const TPoint P = ClientToScreen({ X, Y });
  int Moved = Horizontal() ? P.Y - FDownScreen.Y : P.X - FDownScreen.X;
  if (Align() == alRight || Align() == alBottom) Moved = -Moved;
  int NewSize = FDownSize + Moved;
  if (NewSize < FMinSize) NewSize = FAutoSnap && NewSize < FMinSize / 2 ? 0 : FMinSize;
  NewSize = std::min(NewSize, std::max(FMaxSize, 0));
  if (NewSize != SizeOf(FControl) && DoCanResize(NewSize)) UpdateControlSize(NewSize);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FControl || Button != mbLeft) return;
  FControl = nullptr;
  if (OnMoved) {
    const TNotifyEvent Handler = OnMoved;
    Handler(this);
  }
}

bool TSplitter::DoCanResize(int& NewSize) {
  bool Accept = true;
  if (OnCanResize) {
    const TCanResizeSplitterEvent Handler = OnCanResize;
    Handler(this, NewSize, Accept);
  }
  return Accept;
}

// The control keeps its outer edge; the parent's alignment then moves the splitter along.
void TSplitter::UpdateControlSize(int NewSize) {
  TControl* C = FControl;
  switch (Align()) {
  case alLeft: C->SetBounds(C->Left(), C->Top(), NewSize, C->Height()); break;
  case alRight: C->SetBounds(C->Left() + C->Width() - NewSize, C->Top(), NewSize, C->Height()); break;
  case alTop: C->SetBounds(C->Left(), C->Top(), C->Width(), NewSize); break;
  case alBottom: C->SetBounds(C->Left(), C->Top() + C->Height() - NewSize, C->Width(), NewSize); break;
  default: break;
  }
  if (Parent()) Parent()->Update();
}
