#pragma once
// The ring through which the playback engine's threads hand position and state reports to the player's
// delivery thread.
#include <array>
#include <mutex>

#include "platform/base/TEvent.h"
#include "platform/base/Types.h"

/// A ring of 10 slots holding at most 9 unread reports. A report of the same kind as the newest unread one
/// replaces it, so a slow reader sees the latest position rather than a backlog; when the ring is full the
/// oldest unread report is dropped. Event stays signalled while reports wait. Any thread may push; one
/// thread pops.
class TPlayEvent {
public:
  /// Report kinds.
  enum TKind { ekNone, ekPosition, ekState, ekEndDelivery };

  void PushEvent(TKind AKind, Int64 AValue);
  /// The oldest unread report; ekNone when the ring is empty.
  TKind PopEvent(Int64& AValue);
  /// Blocks until a report waits.
  void WaitFor() { Event.WaitFor(INFINITE); }

private:
  struct TSlot {
    TKind Kind { ekNone };
    Int64 Value { 0 };
  };
  static constexpr int SlotCount = 10;

  std::mutex Lock;
  TEvent Event { true, false };
  int Header { 0 };  // the oldest unread report
  int Tailer { 0 };  // the slot after the newest report
  std::array<TSlot, SlotCount> Events;
};
