#include "platform/gdi/TBrush.h"

#include "platform/gdi/Gdi.h"

TBrush::~TBrush() { FreeHandle(); }

void TBrush::Assign(TPersistent* Source) {
  auto* Brush = dynamic_cast<TBrush*>(Source);
  if (!Brush) {
    TGraphicsObject::Assign(Source);
    return;
  }
  FColor = Brush->FColor;
  FStyle = Brush->FStyle;
  Changed();
}

void TBrush::SetColor(TColor Value) {
  if (Value == FColor && FStyle == bsSolid) return;
  FColor = Value;
  FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

HBRUSH TBrush::Handle() {
  if (!FHandle)
    FHandle = FStyle == bsClear ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : CreateSolidBrush(ColorToRGB(FColor));
  return FHandle;
}

void TBrush::Changed() {
  FreeHandle();
  TGraphicsObject::Changed();
}

// Stock brushes are left alone by DeleteObject; a handle still selected into a DC is freed when the DC
// lets go of it.
void TBrush::FreeHandle() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}
