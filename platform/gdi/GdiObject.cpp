#include "platform/gdi/GdiObject.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <unordered_set>

namespace {

// Live objects; objects are created and freed from any thread.
struct Registry {
  std::mutex Lock;
  std::unordered_set<const GdiObject*> Objects;
};

// The objects ever removed from the registry; constant-initialised, so reading it needs no start-up check.
std::atomic<uint64_t> FreedObjects { 0 };

// The objects the running thread last found live, and the count of freed objects when it did: while no
// object has been freed since, they are all still there. A repaint checks the same two device contexts
// thousands of times, and the locked look-up cost more than many a small blit.
struct RecentlyLive {
  uint64_t Freed { 0 };
  std::array<const GdiObject*, 4> Objects {};
  size_t Next { 0 };

  bool Holds(const GdiObject* Object, uint64_t FreedNow) const {
    return Freed == FreedNow && std::find(Objects.begin(), Objects.end(), Object) != Objects.end();
  }

  void Remember(const GdiObject* Object, uint64_t FreedBefore) {
    if (Freed != FreedBefore) {
      Objects.fill(nullptr);
      Freed = FreedBefore;
    }
    Objects[Next] = Object;
    Next = (Next + 1) % Objects.size();
  }
};

Registry& TheRegistry() {
  static Registry* R = new Registry;  // never destroyed: stock objects outlive static destruction order
  return *R;
}

}  // namespace

GdiObject::GdiObject() {
  Registry& R = TheRegistry();
  std::lock_guard Guard(R.Lock);
  R.Objects.insert(this);
}

GdiObject::~GdiObject() {
  Registry& R = TheRegistry();
  std::lock_guard Guard(R.Lock);
  R.Objects.erase(this);
  FreedObjects.fetch_add(1, std::memory_order_release);
}

int GdiObject::GetObjectData(int, void*) const { return 0; }

bool GdiObject::IsLive(const GdiObject* Object) {
  if (!Object)
    return false;
  thread_local RecentlyLive Recent;
  // Read before the look-up: an object freed meanwhile makes the remembered count stale, never wrong.
  const uint64_t Freed = FreedObjects.load(std::memory_order_acquire);
  if (!Recent.Holds(Object, Freed)) {
    Registry& R = TheRegistry();
    std::lock_guard Guard(R.Lock);
    if (!R.Objects.contains(Object))
      return false;
    Recent.Remember(Object, Freed);
  }
  return !Object->FDeletePending;
}

void GdiObject::ReleaseUse() {
  if (--FUses == 0 && FDeletePending)
    delete this;
}

bool GdiObject::Delete(GdiObject* Object) {
  if (!IsLive(Object) || Object->FStock)
    return false;
  if (Object->FUses > 0) {
    Object->FDeletePending = true;
    return true;
  }
  delete Object;
  return true;
}
