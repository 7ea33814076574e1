#include "skin/form/TskUserObject.h"

#include "skin/form/TskSkinForm.h"

void TskUserObject::Draw(TCanvas* Cnvs, bool) {
  if (Parent->OnPaintEvent) Parent->OnPaintEvent(IDName, Cnvs, ObjectRect);
}
