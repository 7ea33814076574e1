#include "platform/gdi/TPen.h"

#include "platform/gdi/Gdi.h"

TPen::~TPen() { FreeHandle(); }

void TPen::Assign(TPersistent* Source) {
  auto* Pen = dynamic_cast<TPen*>(Source);
  if (!Pen) {
    TGraphicsObject::Assign(Source);
    return;
  }
  FColor = Pen->FColor;
  FWidth = Pen->FWidth;
  FStyle = Pen->FStyle;
  FMode = Pen->FMode;
  Changed();
}

void TPen::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TPen::SetWidth(int Value) {
  if (Value == FWidth) return;
  FWidth = Value;
  Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TPen::SetMode(TPenMode Value) {
  if (Value == FMode) return;
  FMode = Value;
  Changed();
}

HPEN TPen::Handle() {
  static constexpr int Styles[] = { PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME };
  if (!FHandle) FHandle = CreatePen(Styles[FStyle], FWidth, ColorToRGB(FColor));
  return FHandle;
}

int TPen::Rop2() const {
  static constexpr int Modes[] = { R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_XORPEN, R2_NOTXORPEN };
  return Modes[FMode];
}

void TPen::Changed() {
  FreeHandle();
  TGraphicsObject::Changed();
}

// A handle still selected into a DC is freed when the DC lets go of it.
void TPen::FreeHandle() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}
