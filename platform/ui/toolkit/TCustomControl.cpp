#include "platform/ui/toolkit/TCustomControl.h"

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()) {
  FCanvas->SetControl(this);
}

TCustomControl::~TCustomControl() { FCanvas->SetControl(nullptr); }

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(HDC DC) {
  FCanvas->PaintOn(DC, [this] { Paint(); });
}

void TCustomControl::Dispatch(TMessage& Message) { DispatchPaintingThemselves(Message); }
