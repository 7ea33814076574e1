#include "platform/ui/toolkit/IControlHost.h"

#include "platform/ui/winsys/Input.h"

namespace {
IControlHost* GHost = nullptr;
}

void SetControlHost(IControlHost* Host) { GHost = Host; }

IControlHost* ControlHost() { return GHost; }

HCURSOR SystemCursorHandle(TCursor Cursor) {
  uintptr_t Name = IDC_ARROW;
  switch (Cursor) {
  case crIBeam: Name = IDC_IBEAM; break;
  case crHourGlass:
  case crSQLWait:
  case crAppStart: Name = IDC_WAIT; break;
  case crHandPoint: Name = IDC_HAND; break;
  case crSizeNWSE: Name = IDC_SIZENWSE; break;
  case crSizeNESW: Name = IDC_SIZENESW; break;
  case crSizeWE:
  case crHSplit: Name = IDC_SIZEWE; break;
  case crSizeNS:
  case crVSplit: Name = IDC_SIZENS; break;
  case crSizeAll: Name = IDC_SIZEALL; break;
  default: break;
  }
  return LoadCursor(0, Name);
}
