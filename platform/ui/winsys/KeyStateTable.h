#pragma once
// The state of the keys and pointer buttons, twice: as it is now (the async table, changed as native
// input arrives) and as of the input message being handled (the message table, changed as each event is
// routed into its message). Presenters hand over one event per loop step, so the message table is the
// state the message being handled was made in: a handler sees the modifiers that were down when its key
// was pressed.
#include <array>

#include "platform/base/Types.h"
#include "platform/ui/winsys/UiTypes.h"

/// Down and toggle bits per virtual key.
class KeyStateTable {
public:
  /// Records a press (Down) or release of Key in the async table; a fresh press flips the toggle bit.
  /// The pair keys (VK_LSHIFT, VK_RCONTROL, ...) also set their common key (VK_SHIFT, ...).
  void Change(UINT Key, bool Down) { Apply(FAsync, Key, Down); }
  /// Records the same in the message table, when that press or release becomes its message.
  void Commit(UINT Key, bool Down) { Apply(FMessage, Key, Down); }

  bool AsyncDown(UINT Key) const { return Key < 256 && (FAsync[Key] & DownBit); }
  bool Down(UINT Key) const { return Key < 256 && (FMessage[Key] & DownBit); }
  /// GetKeyState / GetAsyncKeyState values: bit 15 down, bit 0 toggled.
  short MessageState(UINT Key) const;
  short AsyncState(UINT Key) const;

  /// The common key of a pair key (VK_LSHIFT -> VK_SHIFT), or Key itself.
  static UINT Common(UINT Key);

private:
  using Table = std::array<Byte, 256>;
  static void Apply(Table& States, UINT Key, bool Down);

  static constexpr Byte DownBit = 0x80;
  static constexpr Byte ToggleBit = 0x01;

  Table FAsync {};
  Table FMessage {};
};
