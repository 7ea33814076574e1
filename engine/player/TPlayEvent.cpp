#include "engine/player/TPlayEvent.h"

namespace {

int Next(int ASlot, int ACount) { return (ASlot + 1) % ACount; }
int Previous(int ASlot, int ACount) { return (ASlot + ACount - 1) % ACount; }

}  // namespace

void TPlayEvent::PushEvent(TKind AKind, Int64 AValue) {
  std::lock_guard Guard(Lock);
  if (Header == Tailer || Events[Previous(Tailer, SlotCount)].Kind != AKind) {
    Tailer = Next(Tailer, SlotCount);
    if (Tailer == Header) Header = Next(Header, SlotCount);
  }
  Events[Previous(Tailer, SlotCount)] = { AKind, AValue };
  Event.SetEvent();
}

TPlayEvent::TKind TPlayEvent::PopEvent(Int64& AValue) {
  std::lock_guard Guard(Lock);
  if (Header == Tailer) return ekNone;
  const TSlot Slot = Events[Header];
  Header = Next(Header, SlotCount);
  if (Header == Tailer) Event.ResetEvent();
  AValue = Slot.Value;
  return Slot.Kind;
}
