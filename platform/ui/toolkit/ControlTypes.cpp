#include "platform/ui/toolkit/ControlTypes.h"

#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Messages.h"

TAnchors AnchorAlign(TAlign Align) {
  switch (Align) {
  case alTop: return { akLeft, akTop, akRight };
  case alBottom: return { akLeft, akRight, akBottom };
  case alLeft: return { akLeft, akTop, akBottom };
  case alRight: return { akRight, akTop, akBottom };
  case alClient: return { akLeft, akTop, akRight, akBottom };
  case alNone:
  case alCustom: break;
  }
  return { akLeft, akTop };
}

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState Shift;
  if (Keys & MK_SHIFT) Shift.Include(ssShift);
  if (Keys & MK_CONTROL) Shift.Include(ssCtrl);
  if (Keys & MK_LBUTTON) Shift.Include(ssLeft);
  if (Keys & MK_RBUTTON) Shift.Include(ssRight);
  if (Keys & MK_MBUTTON) Shift.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) Shift.Include(ssAlt);
  return Shift;
}

TShiftState KeyDataToShiftState(LPARAM KeyData) {
  constexpr LPARAM AltMask = 0x20000000;
  TShiftState Shift;
  if (GetKeyState(VK_SHIFT) < 0) Shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) Shift.Include(ssCtrl);
  if (KeyData & AltMask) Shift.Include(ssAlt);
  return Shift;
}
