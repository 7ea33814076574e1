#pragma once
// The state of the keys and pointer buttons, twice: as it is now (the async table, changed as native
// input arrives) and as of the input message being handled (the message table, changed as the loop
// takes input messages from the queue), so a handler sees the modifiers that were down when its key
// was pressed even when their release is already queued.
#include <array>

#include "platform/base/Types.h"
#include "platform/ui/UiTypes.h"

/// Down and toggle bits per virtual key.
class KeyStateTable {
public:
  /// Records a press (Down) or release of Key in the async table; a fresh press flips the toggle bit.
  /// The pair keys (VK_LSHIFT, VK_RCONTROL, ...) also set their common key (VK_SHIFT, ...).
  void Change(UINT Key, bool Down) { Apply(FAsync, Key, Down); }
  /// Records the same in the message table, when the message of that press or release is taken.
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
