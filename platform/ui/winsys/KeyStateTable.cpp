#include "platform/ui/winsys/KeyStateTable.h"

#include "platform/ui/winsys/VirtualKeys.h"

namespace {

/// The two keys of a pair, or none.
bool PairOf(UINT Common, UINT& Left, UINT& Right) {
  switch (Common) {
  case VK_SHIFT:
    Left = VK_LSHIFT, Right = VK_RSHIFT;
    return true;
  case VK_CONTROL:
    Left = VK_LCONTROL, Right = VK_RCONTROL;
    return true;
  case VK_MENU:
    Left = VK_LMENU, Right = VK_RMENU;
    return true;
  default:
    return false;
  }
}

}  // namespace

UINT KeyStateTable::Common(UINT Key) {
  switch (Key) {
  case VK_LSHIFT:
  case VK_RSHIFT:
    return VK_SHIFT;
  case VK_LCONTROL:
  case VK_RCONTROL:
    return VK_CONTROL;
  case VK_LMENU:
  case VK_RMENU:
    return VK_MENU;
  default:
    return Key;
  }
}

void KeyStateTable::Apply(Table& States, UINT Key, bool Down) {
  if (Key >= 256)
    return;
  Byte& State = States[Key];
  if (Down && !(State & DownBit))
    State ^= ToggleBit;
  State = Byte(Down ? State | DownBit : State & ~DownBit);
  const UINT Shared = Common(Key);
  UINT Left = 0, Right = 0;
  if (Shared != Key && PairOf(Shared, Left, Right)) {
    Byte& Both = States[Shared];
    if (Down && !(Both & DownBit))
      Both ^= ToggleBit;
    const bool Any = (States[Left] | States[Right]) & DownBit;
    Both = Byte(Any ? Both | DownBit : Both & ~DownBit);
  }
}

short KeyStateTable::MessageState(UINT Key) const {
  if (Key >= 256)
    return 0;
  return short((FMessage[Key] & DownBit ? 0x8000 : 0) | (FMessage[Key] & ToggleBit));
}

short KeyStateTable::AsyncState(UINT Key) const {
  if (Key >= 256)
    return 0;
  return short((FAsync[Key] & DownBit ? 0x8000 : 0) | (FAsync[Key] & ToggleBit));
}
