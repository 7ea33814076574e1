#include "platform/gdi/TGraphicsObject.h"

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}
