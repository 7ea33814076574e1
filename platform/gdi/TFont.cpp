#include "platform/gdi/TFont.h"

#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TFontObject.h"

TFont::~TFont() { FreeHandle(); }

void TFont::Assign(TPersistent* Source) {
  auto* Font = dynamic_cast<TFont*>(Source);
  if (!Font) {
    TGraphicsObject::Assign(Source);
    return;
  }
  FName = Font->FName;
  FHeight = Font->FHeight;
  FStyle = Font->FStyle;
  FColor = Font->FColor;
  FCharset = Font->FCharset;
  FPitch = Font->FPitch;
  Changed();
}

void TFont::SetName(const String& Value) {
  if (Value.empty() || Value == FName) return;
  FName = Value;
  Changed();
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Changed();
}

int TFont::Size() const { return -MulDiv(FHeight, 72, PixelsPerInch()); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, PixelsPerInch(), 72)); }

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TFont::SetCharset(TFontCharset Value) {
  if (Value == FCharset) return;
  FCharset = Value;
  Changed();
}

void TFont::SetPitch(TFontPitch Value) {
  if (Value == FPitch) return;
  FPitch = Value;
  Changed();
}

HFONT TFont::Handle() {
  if (!FHandle) {
    LOGFONT Font;
    Font.lfHeight = FHeight;
    Font.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    Font.lfItalic = FStyle.Contains(fsItalic);
    Font.lfUnderline = FStyle.Contains(fsUnderline);
    Font.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    Font.lfCharSet = FCharset;
    Font.lfPitchAndFamily = FPitch == fpFixed ? FIXED_PITCH : FPitch == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
    SetFaceName(Font, FName);
    FHandle = CreateFontIndirect(Font);
  }
  return FHandle;
}

void TFont::Changed() {
  FreeHandle();
  TGraphicsObject::Changed();
}

// A handle still selected into a DC is freed when the DC lets go of it.
void TFont::FreeHandle() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}
