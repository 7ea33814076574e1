#include "platform/ui/toolkit/TGraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()) {
  FCanvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() { FCanvas->SetControl(nullptr); }

void TGraphicControl::Paint() {}

// A windowless control paints only into the DC its parent hands it, which arrives moved to the
// control's corner and clipped to its rectangle.
void TGraphicControl::Dispatch(TMessage& Message) {
  if (Message.Msg != WM_PAINT) {
    TControl::Dispatch(Message);
    return;
  }
  if (Message.WParam) FCanvas->PaintOn(reinterpret_cast<HDC>(Message.WParam), [this] { Paint(); });
}
