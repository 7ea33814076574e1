#include "platform/gdi/TGraphic.h"

#include "platform/base/TFileStream.h"
#include "platform/base/TMemoryStream.h"

void TGraphic::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Changed(this);
}

void TGraphic::LoadFromFile(const String& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

// Encoded in memory first, so a picture that cannot be stored leaves an existing file untouched.
void TGraphic::SaveToFile(const String& FileName) {
  TMemoryStream encoded;
  SaveToStream(&encoded);
  encoded.SaveToFile(FileName);
}

void TGraphic::SetModified(bool Value) {
  if (Value)
    Changed(this);
  else
    FModified = false;
}

void TGraphic::Changed(TObject*) {
  FModified = true;
  if (OnChange) OnChange(this);
}
