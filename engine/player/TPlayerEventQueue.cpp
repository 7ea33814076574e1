#include "engine/player/TPlayerEventQueue.h"

void TPlayerEventQueue::Push(TPlayerEventType AType, TSize ASize) {
  {
    std::lock_guard Guard(FLock);
    FEvents.push_back({ AType, ASize });
  }
  FPosted.notify_one();
}

TPlayerEvent TPlayerEventQueue::Wait() {
  std::unique_lock Guard(FLock);
  FPosted.wait(Guard, [this] { return !FEvents.empty(); });
  const TPlayerEvent Event = FEvents.front();
  FEvents.pop_front();
  return Event;
}

void TPlayerEventQueue::Clear() {
  std::lock_guard Guard(FLock);
  FEvents.clear();
}
